#include "beste/ganzenamen.h"

#include "beste/namen.h"
#include "daten/sicherung.h"

#include <QStringDecoder>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace beste {
namespace {

constexpr QLatin1StringView Kopfzeile{"Tavelor names 1"};
// Fifteen lists of five names of twelve characters fit many times over; more is no names file.
constexpr std::size_t GroessteDatei = 64 * 1024;

bool GleicherEintrag(const TListe& a, int d, int i, const TListe& b, int j)
{
    return a.Zuege[d][i] == b.Zuege[d][j] && a.Zeiten[d][i] == b.Zeiten[d][j] && a.Namen[d][i] == b.Namen[d][j];
}

// Not blocking, as for the list itself: a pipe in the file's place must not stall the start.
std::optional<QByteArray> LiesBytes(const std::filesystem::path& datei)
{
    const int fd = ::open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes(GroessteDatei + 1, Qt::Uninitialized);
    qsizetype gelesen = 0;
    while (gelesen < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + gelesen, std::size_t(bytes.size() - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += n;
    }
    ::close(fd);
    if (std::size_t(gelesen) > GroessteDatei)
        return std::nullopt;
    bytes.truncate(gelesen);
    return bytes;
}

// One line: list, place, moves, seconds, name. A line that does not fit a place is skipped.
void NimmZeile(const QString& zeile, const TListe& liste, TGanzeNamen& namen)
{
    const QStringList teile = zeile.split(QLatin1Char('\t'));
    if (teile.size() != 5)
        return;
    bool ok[4] = {};
    const int d = teile[0].toInt(&ok[0]);
    const int platz = teile[1].toInt(&ok[1]);
    const uint zuege = teile[2].toUInt(&ok[2]);
    const uint sekunden = teile[3].toUInt(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || d < 1 || d >= ListenAnzahl || platz < 1 || platz > PlatzAnzahl)
        return;
    if (liste.Zuege[d][platz] != zuege || liste.Zeiten[d][platz] != sekunden)
        return;
    if (GehoertZu(liste, d, platz, teile[4]))
        namen[d][platz] = teile[4];
}

} // namespace

bool GehoertZu(const TListe& liste, int d, int platz, const QString& ganz)
{
    if (ganz.isEmpty() || ganz.size() > NamenLaenge || liste.Zuege[d][platz] == 0)
        return false;
    TNamensFeld feld = liste.Namen[d][platz];
    NameEintragen(feld, ganz);  // bytes past the length stay as they are
    return feld == liste.Namen[d][platz];
}

QString AnzeigeName(const TListe& liste, const TGanzeNamen& namen, int d, int platz)
{
    const QString& ganz = namen[d][platz];
    return GehoertZu(liste, d, platz, ganz) ? ganz : NameAlsText(liste.Namen[d][platz]);
}

TGanzeNamen LiesGanzeNamen(const std::filesystem::path& datei, const TListe& liste)
{
    TGanzeNamen namen;
    const std::optional<QByteArray> bytes = LiesBytes(datei);
    if (!bytes)
        return namen;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(*bytes);
    if (utf8.hasError())
        return namen;
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    if (zeilen.isEmpty() || zeilen.front() != Kopfzeile)
        return namen;
    for (qsizetype k = 1; k < zeilen.size(); ++k)
        NimmZeile(zeilen[k], liste, namen);
    return namen;
}

bool SpeichereGanzeNamen(const std::filesystem::path& datei, const TListe& liste, const TGanzeNamen& namen)
{
    QString text = Kopfzeile + QLatin1Char('\n');
    bool etwas = false;
    for (int d = 1; d < ListenAnzahl; ++d) {
        for (int i = 1; i <= PlatzAnzahl; ++i) {
            const QString& ganz = namen[d][i];
            if (!GehoertZu(liste, d, i, ganz) || ganz == NameAlsText(liste.Namen[d][i]))
                continue;
            text += QStringLiteral("%1\t%2\t%3\t%4\t%5\n").arg(d).arg(i).arg(liste.Zuege[d][i]).arg(liste.Zeiten[d][i]).arg(ganz);
            etwas = true;
        }
    }
    std::error_code fehler;
    if (!etwas && !std::filesystem::exists(datei, fehler))
        return true;
    const QByteArray bytes = text.toUtf8();
    return daten::SpeichereDatei(datei, {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

void NamenNachziehen(const TListe& vorher, const TGanzeNamen& namen, const TListe& nachher, TGanzeNamen& ziel)
{
    for (int d = 1; d < ListenAnzahl; ++d) {
        int j = 1;  // the next place of `vorher` that may still match
        for (int i = 1; i <= PlatzAnzahl && j <= PlatzAnzahl; ++i) {
            int k = j;
            while (k <= PlatzAnzahl && !GleicherEintrag(nachher, d, i, vorher, k))
                ++k;
            if (k > PlatzAnzahl)
                continue;
            if (ziel[d][i].isEmpty() && GehoertZu(nachher, d, i, namen[d][k]))
                ziel[d][i] = namen[d][k];
            j = k + 1;
        }
    }
}

} // namespace beste
