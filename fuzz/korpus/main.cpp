// Writes the seed corpora: tavelor_korpus FOLDER makes FOLDER/<target>/seed-*.

#include "korpus/korpus.h"

#include <QDir>
#include <QFile>

#include <cstdio>

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
    korpus::Toene(ablage("ton"));
    korpus::Ini(ablage("ini"));
    korpus::Listen(ablage("liste"));
    korpus::Partien(ablage("engine"));
    korpus::Spieldateien(ablage("spiel"));
    std::printf("%d seeds in %s\n", anzahl, argv[1]);
    return gut ? 0 : 1;
}
