// The options file: any content, any section, key and value. Writing one key changes that one
// line (or adds it, with its section) and keeps every other line in order; what was written
// reads back, and every other key keeps its value. The same through the file in a scratch
// folder: a write that fails leaves the file's bytes and no other file, a read-only mark is
// cleared by a save, and a stored language other than 1000 is German.

#include "eingabe.h"

#include "daten/inidatei.h"
#include "daten/vorlieben.h"


#include <QFile>

#include <sys/stat.h>
#include <utility>
#include <vector>

using namespace daten;
namespace fs = std::filesystem;

namespace {

const fuzz::Aufraeumen aufraeumen;

struct Eingabe {
    QByteArray abschnitt, schluessel, wert;
    std::int32_t zahl;
    std::uint8_t datei;      // 1: the file is there, 2: with a read-only mark, 4: a first write fails
    std::uint16_t abbruch;   // how many bytes the failing write gets out
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
    e.datei = leser.Byte();
    e.abbruch = leser.Wort();
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

QByteArray Inhalt(const fs::path& pfad)
{
    QFile datei(QString::fromStdString(pfad.string()));
    PRUEFE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

std::size_t Dateianzahl(const fs::path& ordner)
{
    return std::size_t(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
}

// A write that gets some bytes out and then fails, as on a full disk.
Schreiber Scheiternd(std::size_t bytes)
{
    return [bytes](int fd, std::span<const std::uint8_t> daten) {
        (void)SchreibeAlles(fd, daten.first(std::min(bytes, daten.size())));
        return false;
    };
}

void PruefeDatei(const Eingabe& e)
{
    const fs::path ordner = fuzz::Arbeitsordner(), pfad = ordner / "options.ini";
    const QString datei = QString::fromStdString(pfad.string());
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner))
        fs::remove_all(eintrag.path());
    const bool vorhanden = e.datei & 1;
    if (vorhanden) {
        QFile neu(datei);
        PRUEFE(neu.open(QIODevice::WriteOnly) && neu.write(e.inhalt) == e.inhalt.size());
        neu.close();
        if (e.datei & 2)
            fs::permissions(pfad, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    const QByteArray alt = vorhanden ? e.inhalt : QByteArray();
    if (e.datei & 4) {
        bool geworfen = false;
        try {
            SchreibeIniWert(datei, e.abschnitt, e.schluessel, e.wert, Scheiternd(e.abbruch));
        } catch (const Schreibfehler&) {
            geworfen = true;
        }
        PRUEFE(geworfen);
        PRUEFE(fs::exists(pfad) == vorhanden && Dateianzahl(ordner) == (vorhanden ? 1u : 0u));
        PRUEFE(!vorhanden || Inhalt(pfad) == alt);
    }
    SchreibeIniWert(datei, e.abschnitt, e.schluessel, e.wert);
    PRUEFE(Inhalt(pfad) == IniMitWert(alt, e.abschnitt, e.schluessel, e.wert));
    PRUEFE((fs::status(pfad).permissions() & fs::perms::owner_write) != fs::perms::none);
    PRUEFE(Dateianzahl(ordner) == 1);
    if (GueltigeTokens(e))
        PRUEFE(LiesIniZahl(datei, e.abschnitt, e.schluessel) == IniZahl(e.wert));

    // The language as stored: 1000 is English or the language of Code beside it, any other number
    // German; none stored yet, the desktop's.
    Umgebung umgebung;
    umgebung.progPfad = QString::fromStdString(ordner.string());
    const auto aktuell = IniWert(Inhalt(pfad), "Sprache", "Aktuell");
    const Sprache gelesen = Vorlieben(umgebung).sprache();
    PRUEFE(aktuell ? (gelesen == Sprache::Deutsch) == (IniZahl(*aktuell) != 1000)
                   : gelesen == SpracheDesDesktops(Sprachwahl::AusUmgebung()));
    SchreibeIniWert(datei, "Sprache", "Aktuell", QByteArray::number(e.zahl));
    PRUEFE((Vorlieben(umgebung).sprache() != Sprache::Deutsch) == (e.zahl == 1000));
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
    PruefeDatei(e);
    return 0;
}
