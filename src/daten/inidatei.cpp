#include "daten/inidatei.h"

#include "daten/sicherung.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <vector>

namespace daten {

namespace {

struct Zeile {
    QByteArray text; // without its line end
    QByteArray ende; // "\n", "\r\n", or empty for a last line without one
};

std::vector<Zeile> Zerlege(const QByteArray& inhalt)
{
    std::vector<Zeile> zeilen;
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        const qsizetype lf = inhalt.indexOf('\n', anfang);
        if (lf < 0) {
            zeilen.push_back({inhalt.mid(anfang), {}});
            break;
        }
        qsizetype textEnde = lf;
        if (textEnde > anfang && inhalt[textEnde - 1] == '\r')
            --textEnde;
        zeilen.push_back({inhalt.mid(anfang, textEnde - anfang), inhalt.mid(textEnde, lf + 1 - textEnde)});
        anfang = lf + 1;
    }
    return zeilen;
}

QByteArray Verbinde(const std::vector<Zeile>& zeilen)
{
    QByteArray inhalt;
    for (const Zeile& zeile : zeilen)
        inhalt += zeile.text + zeile.ende;
    return inhalt;
}

// New lines follow the file's own line ends, so a file written elsewhere stays uniform.
QByteArray Zeilenende(const std::vector<Zeile>& zeilen)
{
    for (const Zeile& zeile : zeilen)
        if (!zeile.ende.isEmpty())
            return zeile.ende;
    return "\n";
}

bool GleicherName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> Abschnittsname(QByteArray zeile)
{
    if (zeile.startsWith("\xEF\xBB\xBF")) // an editor's byte-order mark before the first section
        zeile.remove(0, 3);
    zeile = zeile.trimmed();
    const qsizetype zu = zeile.indexOf(']');
    if (!zeile.startsWith('[') || zu < 0)
        return std::nullopt;
    return zeile.mid(1, zu - 1).trimmed();
}

struct Eintrag {
    QByteArray name;
    QByteArray wert;
};

std::optional<Eintrag> Schluesselzeile(const QByteArray& zeile)
{
    const qsizetype gleich = zeile.indexOf('=');
    if (gleich < 0)
        return std::nullopt;
    const QByteArray name = zeile.left(gleich).trimmed();
    if (name.startsWith(';'))
        return std::nullopt;
    return Eintrag{name, zeile.mid(gleich + 1).trimmed()};
}

struct Bereich {
    std::size_t kopf; // the section line
    std::size_t ende; // one past the section's last line
};

std::optional<Bereich> FindeAbschnitt(const std::vector<Zeile>& zeilen, QByteArrayView abschnitt)
{
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const auto name = Abschnittsname(zeilen[i].text);
        if (!name || !GleicherName(*name, abschnitt))
            continue;
        std::size_t ende = i + 1;
        while (ende < zeilen.size() && !Abschnittsname(zeilen[ende].text))
            ++ende;
        return Bereich{i, ende};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindeSchluessel(const std::vector<Zeile>& zeilen, Bereich bereich,
                                           QByteArrayView schluessel)
{
    for (std::size_t i = bereich.kopf + 1; i < bereich.ende; ++i) {
        const auto eintrag = Schluesselzeile(zeilen[i].text);
        if (eintrag && GleicherName(eintrag->name, schluessel))
            return i;
    }
    return std::nullopt;
}

void Einfuegen(std::vector<Zeile>& zeilen, std::size_t stelle, QByteArray text, const QByteArray& ende)
{
    if (stelle > 0 && zeilen[stelle - 1].ende.isEmpty())
        zeilen[stelle - 1].ende = ende;
    zeilen.insert(zeilen.begin() + std::ptrdiff_t(stelle), Zeile{std::move(text), ende});
}

// After the section's last non-blank line, so the blank line before the next section stays.
std::size_t StelleFuerNeuenSchluessel(const std::vector<Zeile>& zeilen, Bereich bereich)
{
    std::size_t letzte = bereich.kopf;
    for (std::size_t i = bereich.kopf + 1; i < bereich.ende; ++i)
        if (!zeilen[i].text.trimmed().isEmpty())
            letzte = i;
    return letzte + 1;
}

QByteArray LiesVorhandeneDatei(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.exists())
        return {};
    // Written over without its old content, the file would lose its other lines.
    if (!datei.open(QIODevice::ReadOnly))
        throw Schreibfehler(pfad);
    QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw Schreibfehler(pfad);
    return inhalt;
}

} // namespace

Schreibfehler::Schreibfehler(const QString& datei)
    : std::runtime_error(QStringLiteral("nach %1 kann nicht geschrieben werden").arg(datei).toStdString())
{
}

std::optional<QByteArray> IniWert(const QByteArray& inhalt, QByteArrayView abschnitt,
                                  QByteArrayView schluessel)
{
    const auto zeilen = Zerlege(inhalt);
    const auto bereich = FindeAbschnitt(zeilen, abschnitt);
    if (!bereich)
        return std::nullopt;
    const auto stelle = FindeSchluessel(zeilen, *bereich, schluessel);
    if (!stelle)
        return std::nullopt;
    return Schluesselzeile(zeilen[*stelle].text)->wert;
}

QByteArray IniMitWert(const QByteArray& inhalt, QByteArrayView abschnitt,
                      QByteArrayView schluessel, QByteArrayView wert)
{
    auto zeilen = Zerlege(inhalt);
    const QByteArray ende = Zeilenende(zeilen);
    QByteArray schluesselzeile = schluessel.toByteArray() + '=' + wert.toByteArray();
    const auto bereich = FindeAbschnitt(zeilen, abschnitt);
    if (!bereich) {
        Einfuegen(zeilen, zeilen.size(), '[' + abschnitt.toByteArray() + ']', ende);
        Einfuegen(zeilen, zeilen.size(), std::move(schluesselzeile), ende);
    } else if (const auto stelle = FindeSchluessel(zeilen, *bereich, schluessel)) {
        zeilen[*stelle].text = std::move(schluesselzeile);
    } else {
        Einfuegen(zeilen, StelleFuerNeuenSchluessel(zeilen, *bereich), std::move(schluesselzeile), ende);
    }
    return Verbinde(zeilen);
}

int IniZahl(const QByteArray& wert)
{
    const QByteArray text = wert.trimmed();
    bool gelesen = false;
    int zahl = 0;
    if (text.size() > 2 && (text.startsWith("0x") || text.startsWith("0X"))) {
        const QByteArray ziffern = text.mid(2);
        // toInt itself would also take a sign or a second prefix here
        if (std::ranges::all_of(ziffern, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
            zahl = ziffern.toInt(&gelesen, 16);
    } else {
        zahl = text.toInt(&gelesen, 10);
    }
    return gelesen ? zahl : 0;
}

int LiesIniZahl(const QString& datei, QByteArrayView abschnitt, QByteArrayView schluessel)
{
    QFile quelle(datei);
    if (!quelle.open(QIODevice::ReadOnly))
        return 0;
    const auto wert = IniWert(quelle.readAll(), abschnitt, schluessel);
    return wert ? IniZahl(*wert) : 0;
}

void SchreibeIniWert(const QString& datei, QByteArrayView abschnitt, QByteArrayView schluessel,
                     QByteArrayView wert, const Schreiber& schreiber)
{
    SchreibeIniWerte(datei, abschnitt, {{schluessel, wert}}, schreiber);
}

void SchreibeIniWerte(const QString& datei, QByteArrayView abschnitt,
                      std::initializer_list<std::pair<QByteArrayView, QByteArrayView>> werte,
                      const Schreiber& schreiber)
{
    QByteArray neu = LiesVorhandeneDatei(datei);
    for (const auto& [schluessel, wert] : werte)
        neu = IniMitWert(neu, abschnitt, schluessel, wert);
    const auto bytes = std::as_bytes(std::span(neu.constData(), std::size_t(neu.size())));
    if (!SpeichereDatei(QFile::encodeName(datei).toStdString(),
                        {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, schreiber))
        throw Schreibfehler(datei);
}

} // namespace daten
