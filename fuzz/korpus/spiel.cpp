// Seeds of the targets whose input is read field by field (eingabe.h): options files with a key
// to write, high-score files with a result to enter, and games, some played back to solved.

#include "korpus/korpus.h"

#include "eingabe.h"

#include "beste/liste.h"
#include "main/brettgeometrie.h"
#include "engine/mischen.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"

#include <vector>

using namespace beste;

namespace korpus {

void Ini(const Ablage& ablage)
{
    struct Fall {
        const char* name;
        QByteArray abschnitt, schluessel, wert, inhalt;
        std::uint8_t datei = 1;      // there (1), read-only (2), a first write fails (4)
        std::uint16_t abbruch = 0;   // bytes out before that write fails
    };
    const Fall faelle[] = {
        {"leer", "Sprache", "Aktuell", "1", ""},
        {"spiel", "Sprache", "Aktuell", "0", "[Sprache]\nAktuell=1\n"},
        {"crlf-kommentare", "Sprache", "Aktuell", "1",
         "\xEF\xBB\xBF; options\r\n[Fenster]\r\nLinks=10\r\n\r\n[sprache]\r\n; Aktuell=5\r\naktuell = 0x1 \r\n\r\n[Ende]\r\n"},
        {"ohne-zeilenende", "Sprache", "Neu", "7", "[Sprache]\nAktuell=1"},
        {"abschnitt-ohne-schluessel", "Sprache", "Aktuell", "1", "[Sprache]\n\n\n[Andere]\nAktuell=2\n"},
        {"doppelt", "A", "k", "neu", "[A]\nk=1\nk=2\n[a]\nk=3\n"},
        {"neuer-abschnitt", "Neu", "Wert", "-5", "[Alt]\nWert=3\n"},
        {"nur-cr", "A", "k", "v", "[A]\rk=1\r"},
        {"zahlen", "Z", "hex", " 0X7fffffff ", "[Z]\nhex=0x10\ndez=-2147483648\nkaputt=12abc\n"},
        {"leerer-abschnitt", "", "k", "v", "[]\nk=1\n[ ]\n"},
        {"gleichheitszeichen", "A", "k", "a=b=c", "[A]\nk==\n=leer\n"},
        {"klammern", "A]", "[k", "v", "[A]]\n[[k=1\n"},
        {"schreibgeschuetzt", "Optionen", "Animation", "1", "[Sprache]\nAktuell=1000\n[Optionen]\nAnimation=0\n", 3},
        {"voll", "Optionen", "Animation", "1", "[Sprache]\nAktuell=1000\n[Optionen]\nAnimation=0\n", 5, 7},
        {"voll-nichts-geschrieben", "Sprache", "Aktuell", "0", "[Sprache]\nAktuell=1000\n", 7, 0},
        {"neu-voll", "Sprache", "Aktuell", "1000", "", 4, 3},
        {"englisch-fremd", "Sprache", "Aktuell", "0x3E8", "[Sprache]\nAktuell=999\n", 1},
    };
    std::uint32_t zahl = 1;
    for (const Fall& f : faelle) {
        fuzz::Schreiber s;
        s.Text(f.abschnitt).Text(f.schluessel).Text(f.wert).Zahl(zahl).Byte(f.datei).Wort(f.abbruch).Rest(f.inhalt);
        ablage(QString::fromLatin1(f.name), s.Bytes());
        zahl = zahl == 1 ? 1000 : zahl * 2654435761u;  // the second seed stores English
    }
}

namespace {

QByteArray AlsBytes(const TListe& liste)
{
    const TListenBytes bytes = ListeAlsBytes(liste);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray Utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

void Name(TListe& liste, int d, int platz, const QByteArray& name)
{
    auto& feld = liste.Namen[d][platz];
    feld[0] = std::uint8_t(name.size());
    for (qsizetype k = 0; k < name.size() && k < NamenLaenge; ++k)
        feld[std::size_t(k + 1)] = std::uint8_t(name[k]);
}

} // namespace

void Listen(const Ablage& ablage)
{
    TListe voll = StandardListe();
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            const int d = ListenIndex(v, n);
            for (int platz = 1; platz <= PlatzAnzahl - (d % 3); ++platz) {
                voll.Zuege[d][platz] = std::uint16_t(20 * platz + d);
                voll.Zeiten[d][platz] = std::uint16_t(100 * platz - d);
                Name(voll, d, platz, "Spieler " + QByteArray::number(platz));
            }
        }
    TListe fremd = voll;  // unsorted, long length bytes, bytes past the names, a pending result
    fremd.Zuege[1][1] = 9999;
    fremd.Namen[1][2][0] = 0xFF;
    fremd.Namen[6][3][12] = 0x81;
    fremd.Zuege[0][1] = 5;
    fremd.Namen[0][1][0] = 3;

    struct Fall {
        const char* name;
        int variante, seite, zuege, sekunden;
        QString spieler;
        std::uint8_t loeschen;
        bool vonCD;
        QByteArray datei;
        bool schreibgeschuetzt = false;
        QByteArray rest = {};              // the name part of a killed save's left-over file
        std::vector<std::uint8_t> schritte = {};  // the two copies' steps, four bytes each
    };
    // Both copies enter results in list 7 (variant 2, side 4), B saving at once and A only
    // later, then A clears list 1 and B enters there.
    const std::vector<std::uint8_t> zweiKopien = {
        0x08, 4, 9, 10,  0x09, 4, 8, 20,  0x00, 4, 8, 10,  0x01, 4, 7, 0,  0x09, 4, 12, 5,
        0x08, 4, 9, 10,  0x03, 0, 0, 0,   0x0A, 0, 0, 0,  0x09, 0, 3, 3,  0x00, 4, 1, 1,
        0x01, 4, 200, 9, 0x09, 4, 2, 2,  0x09, 4, 2, 2,  0x05, 4, 0, 0,  0x00, 4, 5, 5};
    const QByteArray standard = AlsBytes(StandardListe());
    const Fall faelle[] = {
        {"neu", 1, 4, 120, 300, "Anna", 0, false, standard},
        {"voll-platz-drei", 2, 5, 70, 10, QString::fromUtf8("Jürgen €"), 0, false, AlsBytes(voll)},
        {"voll-zu-schlecht", 3, 6, 9999, 3599, "x", 0, false, AlsBytes(voll)},
        {"gleich-mehr-zeit", 1, 3, 61, 5000 % 3600, "Zwölf Zeichen!!", 0x80 | 4, false, AlsBytes(voll)},
        {"fremd", 1, 3, 1, 0, QString::fromUtf8("\U0001F600 ☃ \u0081"), 0x80, true, AlsBytes(fremd)},
        {"kurz", 2, 4, 50, 50, "Kurz", 0, false, standard.left(100)},
        {"fast", 2, 4, 50, 50, "Fast", 0x81, false, standard.chopped(1)},
        {"leer", 3, 3, 9, 9, "", 0, true, {}},
        {"lang", 3, 5, 30, 30, "Lang", 0x85, false, AlsBytes(voll) + QByteArray(640, '\x5A')},
        {"schreibgeschuetzt-mit-rest", 1, 4, 40, 40, "Rest", 0, false, AlsBytes(voll), true, "a1B2c3"},
        {"fast-ein-rest", 1, 5, 40, 40, "Fast", 0, false, standard, false, "a1-2c3"},
        {"zwei-kopien", 2, 4, 50, 50, "Zwei", 0, false, standard, false, "", zweiKopien},
        {"zwei-kopien-voll", 3, 3, 50, 50, "Voll", 0x86, false, AlsBytes(voll), true, "zzzzzz", zweiKopien},
    };
    for (const Fall& f : faelle) {
        fuzz::Schreiber s;
        s.ImBereich(1, f.variante).ImBereich(3, f.seite).ImBereich(1, f.zuege).ImBereich(0, f.sekunden);
        s.Text(Utf16(f.spieler).left(40)).Byte(f.loeschen).Ja(f.vonCD);
        s.Ja(f.schreibgeschuetzt).Text(f.rest).Byte(std::uint8_t(f.schritte.size() / 4));
        for (std::uint8_t b : f.schritte)
            s.Byte(b);
        s.Rest(f.datei);
        ablage(QString::fromLatin1(f.name), s.Bytes());
    }
}

namespace {

// Where to click for one move: the tile, the arrow strip or the axis that makes it.
struct Klick {
    int taste, x, y;  // taste 0 left, 1 right
};

Klick KlickFuer(const engine::Zug& zug, int n)
{
    using engine::Operation;
    const int t = haupt::Brettgeometrie::BrettKante / n;
    const auto mitte = [&](int reihe) { return 56 + (reihe - 1) * t + t / 2; };
    switch (zug.op) {
    case Operation::TeilSchieben:  // the tile at a slides to b
        return {0, 57 + (zug.a - 1) % n * t + t / 2, mitte((zug.a - 1) / n + 1)};
    case Operation::ZeileRechts: return {0, 35, mitte(zug.a)};
    case Operation::ZeileLinks: return {0, 437, mitte(zug.a)};
    case Operation::SpalteRunter: return {0, mitte(zug.a), 35};
    case Operation::SpalteHoch: return {0, mitte(zug.a), 437};
    case Operation::AchseRechts:
    case Operation::AchseLinks: {
        const int i = (zug.a - 1) % (n - 1) + 1, j = (zug.a - 1) / (n - 1) + 1;
        return {zug.op == Operation::AchseRechts ? 0 : 1, i * t + 57, j * t + 57};
    }
    }
    return {2, 0, 0};
}

void SchreibeKlick(fuzz::Schreiber& s, const Klick& k)
{
    s.Byte(0).Byte(std::uint8_t(k.taste)).ImBereich(0, k.x).ImBereich(0, k.y);
}

// The scramble of a seed, as the target will make it.
std::vector<engine::Zug> Mischung(int variante, int n, bool posZufall, std::uint32_t saat)
{
    engine::Spielstand s;
    engine::MtZufall zufall(saat);
    std::vector<engine::Zug> mischung;
    engine::NeuesSpiel(s, zufall, static_cast<engine::Variante>(variante), n, posZufall, &mischung);
    return mischung;
}

fuzz::Schreiber Anfang(int variante, int n, bool posZufall, std::uint32_t saat)
{
    fuzz::Schreiber s;
    s.ImBereich(1, variante).ImBereich(3, n).Ja(posZufall).Zahl(saat);
    return s;
}

} // namespace

void Partien(const Ablage& ablage)
{
    // Every variant and size played back to solved, with ticks, a pause and a help click on
    // the way; the seed with the shortest scramble of a few keeps the file small.
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            const bool posZufall = (v + n) % 2 == 0;
            std::uint32_t saat = 1;
            std::size_t kuerzeste = SIZE_MAX;
            for (std::uint32_t versuch = 1; versuch <= 40; ++versuch) {
                const std::size_t laenge = Mischung(v, n, posZufall, versuch).size();
                if (laenge < kuerzeste) {
                    kuerzeste = laenge;
                    saat = versuch;
                }
            }
            const std::vector<engine::Zug> mischung = Mischung(v, n, posZufall, saat);
            fuzz::Schreiber s = Anfang(v, n, posZufall, saat);
            s.Byte(1).ImBereich(1, 3);                  // ticks before the first move count nothing
            SchreibeKlick(s, {1, 62, 62});              // a right click shows a tile number
            for (std::size_t i = mischung.size(); i-- > 0;) {
                SchreibeKlick(s, KlickFuer(engine::Umkehrung(mischung[i]), n));
                if (i == mischung.size() - 2) {
                    s.Byte(1).ImBereich(1, 61);         // a minute passes
                    s.Byte(2);                          // pause
                    SchreibeKlick(s, {0, 62, 62});      // a click only ends it
                }
            }
            ablage(QStringLiteral("geloest-v%1-n%2").arg(v).arg(n), s.Bytes());
        }

    // Clicks everywhere in and around the board, with every button.
    for (int v = 1; v <= 3; ++v) {
        fuzz::Schreiber s = Anfang(v, 4, false, 7);
        for (int y = 5; y < 475; y += 47)
            for (int x = 5; x < 755; x += 61)
                SchreibeKlick(s, {(x + y) % 3, x, y});
        ablage(QStringLiteral("ueberall-v%1").arg(v), s.Bytes());
    }

    // The move limit: an arrow clicked ten thousand times.
    fuzz::Schreiber zuege = Anfang(2, 4, false, 3);
    for (int i = 0; i < 10; ++i)
        zuege.Byte(5).ImBereich(1, 1000).Byte(0).ImBereich(0, 35).ImBereich(0, 120);
    ablage("zuglimit", zuege.Bytes());

    // The time limit: one move, then an hour of ticks with a pause in between.
    fuzz::Schreiber zeit = Anfang(3, 3, false, 5);
    SchreibeKlick(zeit, {0, 177, 177});
    zeit.Byte(1).ImBereich(1, 2000).Byte(2).Byte(1).ImBereich(1, 500).Byte(2).Byte(1).ImBereich(1, 2000);
    ablage("zeitlimit", zeit.Bytes());

    // A solve stopped by a key after its first move, then a hint and a solve each dropped for a
    // new game of another kind while they, and the tables, are worked out.
    fuzz::Schreiber hilfe = Anfang(2, 3, false, 9);
    hilfe.Byte(10).Byte(0).Byte(3);                            // one move, then the key Up
    hilfe.Byte(11).Ja(true).Byte(5).ImBereich(1, 1).ImBereich(3, 4).Ja(false);   // hint, then 4 x 4 sliding
    hilfe.Byte(11).Ja(false).Byte(0).ImBereich(1, 3).ImBereich(3, 5).Ja(false);  // solve, then 5 x 5 turning
    ablage("hilfe-abgebrochen", hilfe.Bytes());
}

} // namespace korpus
