// The options file: any content, any section, key and value. Writing one key changes that one
// line (or adds it, with its section) and keeps every other line in order; what was written
// reads back, and every other key keeps its value.

#include "eingabe.h"

#include "daten/inidatei.h"

#include <utility>
#include <vector>

using namespace daten;

namespace {

struct Eingabe {
    QByteArray abschnitt, schluessel, wert;
    std::int32_t zahl;
    QByteArray inhalt;
};

Eingabe Lies(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    Eingabe e;
    e.abschnitt = leser.Text(40);
    e.schluessel = leser.Text(40);
    e.wert = leser.Text(60);
    e.zahl = static_cast<std::int32_t>(leser.Zahl());
    e.inhalt = leser.Rest();
    return e;
}

bool OhneZeilenumbruch(const QByteArray& t) { return !t.contains('\n') && !t.contains('\r'); }
bool Getrimmt(const QByteArray& t) { return t == t.trimmed(); }
bool OhneKlammern(const QByteArray& t) { return !t.contains('[') && !t.contains(']'); }

// Tokens a player's options file can hold: the written key must read back as written.
bool GueltigeTokens(const Eingabe& e)
{
    const bool abschnitt = OhneZeilenumbruch(e.abschnitt) && Getrimmt(e.abschnitt) && OhneKlammern(e.abschnitt);
    const bool schluessel = OhneZeilenumbruch(e.schluessel) && Getrimmt(e.schluessel)
        && OhneKlammern(e.schluessel) && !e.schluessel.contains('=') && !e.schluessel.startsWith(';');
    const bool wert = OhneZeilenumbruch(e.wert) && Getrimmt(e.wert);
    return abschnitt && schluessel && wert;
}

// The lines of a file without their line ends. Carriage returns at a line's end count as part
// of it: a last line "a\r" that gets a line end after it still reads as "a".
std::vector<QByteArray> Zeilen(const QByteArray& inhalt)
{
    std::vector<QByteArray> zeilen;
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        qsizetype lf = inhalt.indexOf('\n', anfang);
        if (lf < 0)
            lf = inhalt.size();
        QByteArray zeile = inhalt.mid(anfang, lf - anfang);
        while (zeile.endsWith('\r'))
            zeile.chop(1);
        zeilen.push_back(zeile);
        anfang = lf + 1;
    }
    return zeilen;
}

// One line replaced by the key line, or the key line inserted, or section and key appended.
void PruefeZeilen(const QByteArray& alt, const QByteArray& neu, const Eingabe& e)
{
    const std::vector<QByteArray> a = Zeilen(alt), b = Zeilen(neu);
    const QByteArray kopf = '[' + e.abschnitt + ']';
    const QByteArray zeile = e.schluessel + '=' + e.wert;
    if (b.size() == a.size()) {
        int anders = 0;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i]) {
                ++anders;
                PRUEFE(b[i] == zeile);
            }
        PRUEFE(anders <= 1);
    } else if (b.size() == a.size() + 1) {
        std::size_t i = 0;
        while (i < a.size() && a[i] == b[i])
            ++i;
        PRUEFE(b[i] == zeile);
        PRUEFE(std::equal(a.begin() + std::ptrdiff_t(i), a.end(), b.begin() + std::ptrdiff_t(i) + 1));
    } else {
        PRUEFE(b.size() == a.size() + 2);
        PRUEFE(std::equal(a.begin(), a.end(), b.begin()));
        PRUEFE(b[a.size()] == kopf && b[a.size() + 1] == zeile);
    }
}

bool GleicherName(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Section and key of every key line of the content, roughly as a reader would see them: the
// comparison below asks the real reader, so a rough guess only makes fewer pairs interesting.
std::vector<std::pair<QByteArray, QByteArray>> Schluesselpaare(const QByteArray& inhalt)
{
    std::vector<std::pair<QByteArray, QByteArray>> paare;
    QByteArray abschnitt;
    for (const QByteArray& zeile : Zeilen(inhalt)) {
        const QByteArray t = zeile.trimmed();
        if (t.startsWith('[') && t.contains(']'))
            abschnitt = t.mid(1, t.indexOf(']') - 1).trimmed();
        else if (t.contains('='))
            paare.emplace_back(abschnitt, t.left(t.indexOf('=')).trimmed());
        if (paare.size() >= 64)
            break;
    }
    return paare;
}

void PruefeWerte(const QByteArray& alt, const QByteArray& neu, const Eingabe& e)
{
    PRUEFE(IniWert(neu, e.abschnitt, e.schluessel) == e.wert);
    PRUEFE(IniMitWert(neu, e.abschnitt, e.schluessel, e.wert) == neu);  // writing again changes nothing
    for (const auto& [abschnitt, schluessel] : Schluesselpaare(alt)) {
        if (GleicherName(abschnitt, e.abschnitt) && GleicherName(schluessel, e.schluessel))
            continue;
        PRUEFE(IniWert(neu, abschnitt, schluessel) == IniWert(alt, abschnitt, schluessel));
    }
}

// Decimal with or without blanks round it, and hexadecimal with either prefix.
void PruefeZahl(std::int32_t zahl)
{
    const QByteArray dezimal = QByteArray::number(zahl);
    PRUEFE(IniZahl(dezimal) == zahl);
    PRUEFE(IniZahl(" \t" + dezimal + ' ') == zahl);
    if (zahl >= 0) {
        const QByteArray hex = QByteArray::number(zahl, 16);
        PRUEFE(IniZahl("0x" + hex) == zahl);
        PRUEFE(IniZahl("0X" + hex.toUpper()) == zahl);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const Eingabe e = Lies(daten, groesse);

    if (const auto gelesen = IniWert(e.inhalt, e.abschnitt, e.schluessel))
        (void)IniZahl(*gelesen);
    (void)IniZahl(e.wert);
    (void)IniZahl(e.inhalt);
    PruefeZahl(e.zahl);

    const QByteArray neu = IniMitWert(e.inhalt, e.abschnitt, e.schluessel, e.wert);
    const bool einzeilig = OhneZeilenumbruch(e.abschnitt) && OhneZeilenumbruch(e.schluessel)
        && OhneZeilenumbruch(e.wert);
    if (einzeilig)
        PruefeZeilen(e.inhalt, neu, e);
    if (GueltigeTokens(e))
        PruefeWerte(e.inhalt, neu, e);
    return 0;
}
