// Writes the seed corpora: tavelor_korpus FOLDER makes FOLDER/<target>/seed-*.

#include "korpus/korpus.h"

#include "eingabe.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <iterator>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir wurzel(QString::fromLocal8Bit(argv[1]));
    bool gut = true;
    int anzahl = 0;
    const auto ablage = [&](const char* ziel) {
        return [&, ziel](const QString& name, const QByteArray& bytes) {
            wurzel.mkpath(QString::fromLatin1(ziel));
            QFile datei(wurzel.filePath(QStringLiteral("%1/seed-%2").arg(QLatin1String(ziel), name)));
            gut = datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(bytes) == bytes.size() && gut;
            ++anzahl;
        };
    };
    korpus::Bilder(ablage("bild"));
    // The same pictures on their way into a game: named by their kind, with every cut, colour,
    // ratio and zoom and each board side taking its turn.
    korpus::Bilder([&, weg = ablage("bildweg"), nummer = 0](const QString& name, const QByteArray& bytes) mutable {
        const char* const arten[] = {"png", "jpeg", "gif", "webp"};
        std::uint8_t art = 0;  // BMP unless named otherwise
        for (std::uint8_t i = 0; i < std::size(arten); ++i)
            if (name.startsWith(QLatin1String(arten[i])))
                art = std::uint8_t(i + 1);
        fuzz::Schreiber s;
        s.Byte(art).Byte(std::uint8_t(nummer * 37)).ImBereich(3, 3 + nummer % 4).Zahl(std::uint32_t(nummer + 1));
        weg(name, s.Bytes() + bytes);
        ++nummer;
    });
    korpus::Toene(ablage("ton"));
    korpus::Ini(ablage("ini"));
    korpus::Listen(ablage("liste"));
    korpus::Partien(ablage("engine"));
    korpus::Spieldateien(ablage("spiel"));
    korpus::Journale(ablage("journal"));
    korpus::Codes(ablage("code"));
    std::printf("%d seeds in %s\n", anzahl, argv[1]);
    return gut ? 0 : 1;
}
