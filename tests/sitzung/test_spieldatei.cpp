// The saved game's file: every game in progress comes back unchanged, and every file that is
// not exactly one is refused, with the reason.
#include "sitzung/spieldatei.h"
#include "sitzung/spielbau.h"

#include <QList>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace sitzung;
using engine::Variante;

namespace {

constexpr Variante Varianten[] = {Variante::Schieben, Variante::Verschieben, Variante::Drehen};

// Every game of the current version, with its start board, course, start time and origin.
TEST(Spieldatei, JedesSpielKommtUnveraendertZurueck)
{
    for (Variante v : Varianten)
        for (int n = 3; n <= 6; ++n)
            for (std::uint32_t saat = 1; saat <= 12; ++saat) {
                const int zuege = int(saat * 37 % 300), zurueck = int(saat % 4 == 0 ? 0 : saat * 7 % 40);
                const Schnappschuss x = spielbau::Spiel(v, n, saat, zuege, zurueck);
                const QByteArray datei = SpielAlsBytes(x);
                const Spiellesung gelesen = LiesSpiel(datei);
                ASSERT_EQ(gelesen.mangel, Spielmangel::Keiner) << datei.constData();
                EXPECT_EQ(gelesen.spiel, x) << datei.constData();
                EXPECT_EQ(SpielAlsBytes(*gelesen.spiel), datei);
            }
}

TEST(Spieldatei, ZeilenInAndererReihenfolgeGeltenGleich)
{
    const Schnappschuss x = spielbau::Spiel(Variante::Drehen, 4, 5, 20, 3);
    QList<QByteArray> zeilen = SpielAlsBytes(x).split('\n');
    std::reverse(zeilen.begin() + 1, zeilen.end() - 2);  // the first, the end line and the empty rest stay
    EXPECT_EQ(SpielAusBytes(zeilen.join('\n')), x);
}

TEST(Spieldatei, EinSpielDasVorbeiIstWirdNichtGelesen)
{
    for (engine::Phase phase : {engine::Phase::Vorbei, engine::Phase::KeinSpiel}) {
        Schnappschuss x = spielbau::Spiel(Variante::Schieben, 3, 1, 4, 0);
        x.spiel.phase = phase;
        EXPECT_EQ(LiesSpiel(SpielAlsBytes(x)).mangel, Spielmangel::Wert);
    }
}

TEST(Spieldatei, JedeGekuerzteDateiWirdAbgelehnt)
{
    for (Variante v : Varianten) {
        const QByteArray datei = SpielAlsBytes(spielbau::Spiel(v, 3, 2, 9, 2));
        for (qsizetype laenge = 0; laenge < datei.size(); ++laenge)
            EXPECT_EQ(SpielAusBytes(datei.left(laenge)), std::nullopt) << datei.left(laenge).constData();
    }
}

// A file of the game with one line's value replaced, one line added, or one taken away.
QByteArray MitWert(QByteArray datei, const QByteArray& schluessel, const QByteArray& wert)
{
    const qsizetype anfang = datei.indexOf('\n' + schluessel + '=') + 1;
    const qsizetype ende = datei.indexOf('\n', anfang);
    return datei.replace(anfang, ende - anfang, schluessel + '=' + wert);
}
QByteArray MitZeile(QByteArray datei, const QByteArray& zeile) { return datei.insert(datei.indexOf('\n') + 1, zeile + '\n'); }
QByteArray OhneZeile(QByteArray datei, const QByteArray& schluessel)
{
    const qsizetype anfang = datei.indexOf('\n' + schluessel + '=') + 1;
    return datei.remove(anfang, datei.indexOf('\n', anfang) + 1 - anfang);
}
QByteArray Wert(const QByteArray& datei, const QByteArray& schluessel)
{
    const qsizetype anfang = datei.indexOf('\n' + schluessel + '=') + schluessel.size() + 2;
    return datei.mid(anfang, datei.indexOf('\n', anfang) - anfang);
}

struct Fall {
    const char* name;
    QByteArray datei;
    Spielmangel mangel;
};

// Games of the three variants on a 4 x 4 board with both lists; v1 has its empty field off
// the corner so that every field number is tested apart from the home field.
class KaputteSpieldatei : public ::testing::Test {
protected:
    const Schnappschuss spiel1 = spielbau::Spiel(Variante::Schieben, 4, 4, 30, 5);
    const Schnappschuss spiel2 = spielbau::Spiel(Variante::Verschieben, 4, 4, 30, 5);
    const Schnappschuss spiel3 = spielbau::Spiel(Variante::Drehen, 4, 4, 30, 5);
    const QByteArray v1 = SpielAlsBytes(spiel1), v2 = SpielAlsBytes(spiel2), v3 = SpielAlsBytes(spiel3);

    void Pruefe(const std::vector<Fall>& faelle)
    {
        ASSERT_EQ(LiesSpiel(v1).mangel, Spielmangel::Keiner);
        for (const Fall& f : faelle) {
            const Spiellesung gelesen = LiesSpiel(f.datei);
            EXPECT_EQ(gelesen.spiel, std::nullopt) << f.name;
            EXPECT_EQ(int(gelesen.mangel), int(f.mangel)) << f.name << '\n' << f.datei.left(2000).constData();
        }
    }
};

TEST_F(KaputteSpieldatei, FremdeKurzeUndZuGrosseDateien)
{
    std::mt19937 zufall(7);
    QByteArray rauschen(4096, '\0');
    for (char& b : rauschen)
        b = char(zufall());
    QByteArray crlf = v1;
    Pruefe({
        {"leer", {}, Spielmangel::Kopf},
        {"rauschen", rauschen, Spielmangel::Kopf},
        {"ohne Version", "Tavelor-Spiel\nende\n", Spielmangel::Kopf},
        {"klein geschrieben", QByteArray(v1).replace("Tavelor", "tavelor"), Spielmangel::Kopf},
        {"Windows-Zeilenenden", crlf.replace("\n", "\r\n"), Spielmangel::Kopf},
        {"Version 3", QByteArray(v1).replace("Tavelor-Spiel 2", "Tavelor-Spiel 3"), Spielmangel::Version},
        {"Version 0", QByteArray(v1).replace("Tavelor-Spiel 2", "Tavelor-Spiel 0"), Spielmangel::Version},
        {"ohne Endzeile", v1.chopped(5), Spielmangel::Ende},
        {"nach dem Ende", v1 + "zuege=1\n", Spielmangel::Ende},
        {"ueber 4 MiB", v1 + QByteArray(SpielDateiHoechstens, '\n'), Spielmangel::ZuGross},
    });
}

TEST_F(KaputteSpieldatei, ZeilenUndSchluessel)
{
    Pruefe({
        {"Zeile ohne =", MitZeile(v1, "zuege"), Spielmangel::Zeile},
        {"Leerzeile", MitZeile(v1, ""), Spielmangel::Zeile},
        {"Leerzeichen im Wert", MitWert(v1, "bild", "a b"), Spielmangel::Zeile},
        {"Steuerzeichen im Wert", MitWert(v1, "zuege", "1\r"), Spielmangel::Zeile},
        {"unbekannter Schluessel", MitZeile(v1, "farbe=1"), Spielmangel::Schluessel},
        {"Schluessel gross", MitWert(OhneZeile(v1, "zuege"), "sekunden", "1\nZuege=1"), Spielmangel::Schluessel},
        {"doppelt", MitZeile(v1, "zuege=3"), Spielmangel::Schluessel},
        {"fehlt", OhneZeile(v1, "cursor"), Spielmangel::Schluessel},
    });
}

TEST_F(KaputteSpieldatei, WerteAusserhalbIhrerBereiche)
{
    // `anzahl` times the second `sekunde`; the game of variant 1 has counted 35 moves.
    const auto Sekunden = [](int anzahl, int sekunde) {
        return QByteArrayList(anzahl, QByteArray::number(sekunde)).join(',');
    };
    ASSERT_GE(spiel1.spiel.Sekunden, 1);
    EXPECT_TRUE(SpielAusBytes(MitWert(v1, "zugsekunden", Sekunden(35, spiel1.spiel.Sekunden))));
    Pruefe({
        {"Variante 0", MitWert(v1, "variante", "0"), Spielmangel::Wert},
        {"Variante 4", MitWert(v1, "variante", "4"), Spielmangel::Wert},
        {"Seite 2", MitWert(v1, "seite", "2"), Spielmangel::Wert},
        {"Seite 7", MitWert(v1, "seite", "7"), Spielmangel::Wert},
        {"10000 Zuege", MitWert(v1, "zuege", "10000"), Spielmangel::Wert},
        {"3600 Sekunden", MitWert(v1, "sekunden", "3600"), Spielmangel::Wert},
        {"9999 Zuege: vorbei", MitWert(v1, "zuege", "9999"), Spielmangel::Wert},
        {"3599 Sekunden: vorbei", MitWert(v1, "sekunden", "3599"), Spielmangel::Wert},
        {"fuehrende Null", MitWert(v1, "zuege", "035"), Spielmangel::Wert},
        {"Vorzeichen", MitWert(v1, "sekunden", "+5"), Spielmangel::Wert},
        {"leere Zahl", MitWert(v1, "zuege", ""), Spielmangel::Wert},
        {"vorbei", MitWert(v1, "phase", "vorbei"), Spielmangel::Wert},
        {"kein Spiel", MitWert(v1, "phase", "keinspiel"), Spielmangel::Wert},
        {"Schalter 2", MitWert(v1, "hilfe", "2"), Spielmangel::Wert},
        {"Cursor in Variante 1", MitWert(v1, "cursor", "1"), Spielmangel::Wert},
        {"Cursor hinter dem Feld 16", MitWert(v2, "cursor", "17"), Spielmangel::Wert},
        {"Cursor hinter der Achse 9", MitWert(v3, "cursor", "10"), Spielmangel::Wert},
        {"Heimfeld 0", MitWert(v1, "heimfeld", "0"), Spielmangel::Wert},
        {"Heimfeld 17", MitWert(v1, "heimfeld", "17"), Spielmangel::Wert},
        {"Heimfeld in Variante 2", MitWert(v2, "heimfeld", "16"), Spielmangel::Wert},
        {"Prozent ohne Ziffern", MitWert(v1, "bild", "%zz"), Spielmangel::Wert},
        {"Prozent klein", MitWert(v1, "bild", "%2f"), Spielmangel::Wert},
        {"Buchstabe verschluesselt", MitWert(v1, "bild", "%41"), Spielmangel::Wert},
        {"Zeichen unverschluesselt", MitWert(v1, "bild", "a/b"), Spielmangel::Wert},
        {"halbes UTF-8", MitWert(v1, "bild", "%C3"), Spielmangel::Wert},
        {"Pruefsumme zu kurz", MitWert(v1, "pruefsumme", Wert(v1, "pruefsumme").chopped(2)), Spielmangel::Wert},
        {"Pruefsumme gross", MitWert(v1, "pruefsumme", Wert(v1, "pruefsumme").toUpper()), Spielmangel::Wert},
        {"Zuschnitt 2", MitWert(v1, "zuschnitt", "2"), Spielmangel::Wert},
        {"Beginn ohne Zone", MitWert(v1, "beginn", "2024-05-01T12:00:00"), Spielmangel::Wert},
        {"Beginn in anderer Zone", MitWert(v1, "beginn", "2024-05-01T12:00:00+01:00"), Spielmangel::Wert},
        {"Beginn im 13. Monat", MitWert(v1, "beginn", "2024-13-01T12:00:00Z"), Spielmangel::Wert},
        {"Wiederholung mit Vorzeichen", MitWert(v1, "wiederholung", "-1"), Spielmangel::Wert},
        {"30. Februar", MitWert(v1, "tagesraetsel", "2025-02-30"), Spielmangel::Wert},
        {"eine Zugsekunde zu wenig", MitWert(v1, "zugsekunden", Sekunden(34, 0)), Spielmangel::Wert},
        {"Zugsekunden rueckwaerts", MitWert(v1, "zugsekunden", "1," + Sekunden(34, 0)), Spielmangel::Wert},
        {"Zugsekunde nach der Uhr", MitWert(v1, "zugsekunden", Sekunden(35, spiel1.spiel.Sekunden + 1)), Spielmangel::Wert},
    });
}

TEST_F(KaputteSpieldatei, BretterDieKeinePermutationSind)
{
    const QByteArray brett1 = Wert(v1, "brett"), brett2 = Wert(v2, "brett");
    const QByteArray heim = Wert(v1, "heimfeld");
    QByteArray doppelt = brett2;
    doppelt.replace(0, doppelt.indexOf(','), brett2.mid(brett2.lastIndexOf(',') + 1));
    Pruefe({
        {"ein Teil doppelt", MitWert(v2, "brett", doppelt), Spielmangel::Brett},
        {"ein Feld zu wenig", MitWert(v2, "brett", brett2.left(brett2.lastIndexOf(','))), Spielmangel::Brett},
        {"ein Feld zu viel", MitWert(v2, "brett", brett2 + ",1"), Spielmangel::Brett},
        {"Teil 17", MitWert(v2, "brett", QByteArray(brett2).replace(QByteArray(",16"), ",17").replace("16,", "17,")), Spielmangel::Brett},
        {"leeres Feld in Variante 2", MitWert(v2, "brett", ("0" + brett2.mid(brett2.indexOf(',')))), Spielmangel::Brett},
        {"Heimteil statt leerem Feld", MitWert(v1, "brett", QByteArray(',' + brett1 + ',').replace(",0,", ',' + heim + ',').mid(1).chopped(1)), Spielmangel::Brett},
        {"doppeltes Komma", MitWert(v2, "brett", QByteArray(brett2).replace(",", ",,")), Spielmangel::Brett},
        {"Startbrett ohne Leerfeld", MitWert(v1, "start", brett2), Spielmangel::Brett},
    });
}

TEST_F(KaputteSpieldatei, ZuegeDieNichtSpielbarSindOderNieGezaehltWurden)
{
    // Variant 1: a neighbour of the empty field, so that undo and redo find a tile in the way.
    const int leer = spiel1.spiel.LeeresFeld();
    const int nachbar = leer % 4 != 0 ? leer + 1 : leer - 1;
    const QByteArray versperrt = 'T' + QByteArray::number(nachbar) + ':' + QByteArray::number(leer);
    const QByteArray zuRueck = 'T' + QByteArray::number(leer) + ':' + QByteArray::number(nachbar);
    // Rows and columns always turn: only the count limits them. The game has counted 35 moves.
    const QByteArray ohneRedo = MitWert(v2, "zurueckgenommen", "");
    const auto zeilen = [](int anzahl) { return QByteArray("ZR1").append(QByteArray(",ZR1").repeated(anzahl - 1)); };
    ASSERT_EQ(Wert(v2, "zuege"), "35");
    const QByteArray gespielt2 = Wert(v2, "gespielt");
    Pruefe({
        {"Zug einer anderen Variante", MitWert(v1, "verlauf", "ZR1"), Spielmangel::Verlauf},
        {"Achse in Variante 2", MitWert(v2, "zurueckgenommen", "AR1"), Spielmangel::Verlauf},
        {"keine Nachbarn", MitWert(v1, "verlauf", "T1:3"), Spielmangel::Verlauf},
        {"ueber den Zeilenrand", MitWert(v1, "verlauf", "T4:5"), Spielmangel::Verlauf},
        {"Feld 0", MitWert(v1, "verlauf", "T0:1"), Spielmangel::Verlauf},
        {"Zeile 5", MitWert(v2, "verlauf", "ZL5"), Spielmangel::Verlauf},
        {"Achse 10", MitWert(v3, "verlauf", "AL10"), Spielmangel::Verlauf},
        {"unbekannter Zug", MitWert(v3, "verlauf", "AX1"), Spielmangel::Verlauf},
        {"Komma am Ende", MitWert(v2, "verlauf", Wert(v2, "verlauf") + ','), Spielmangel::Verlauf},
        {"Rueckgaengig versperrt", MitWert(v1, "verlauf", versperrt), Spielmangel::Verlauf},
        {"Wiederholen versperrt", MitWert(v1, "zurueckgenommen", zuRueck), Spielmangel::Verlauf},
        {"mehr Zuege zurueck als gezaehlt", MitWert(ohneRedo, "verlauf", zeilen(36)), Spielmangel::Verlauf},
        {"beide Listen zusammen zu lang", MitWert(MitWert(v2, "verlauf", zeilen(30)), "zurueckgenommen", zeilen(6)), Spielmangel::Verlauf},
        {"Verlauf ueber 4 MiB", MitWert(ohneRedo, "verlauf", zeilen(1100000)), Spielmangel::ZuGross},
        {"gespielt einer zu wenig", MitWert(v2, "gespielt", gespielt2.left(gespielt2.lastIndexOf(','))), Spielmangel::Verlauf},
        {"gespielt einer zu viel", MitWert(v2, "gespielt", gespielt2 + ",ZR1"), Spielmangel::Verlauf},
        {"gespielt fuehrt woanders hin", MitWert(v2, "gespielt", QByteArray(gespielt2).replace("ZR", "ZL")), Spielmangel::Verlauf},
        {"Startbrett ist das Brett", MitWert(v2, "start", Wert(v2, "brett")), Spielmangel::Verlauf},
        {"gespielt versperrt", MitWert(MitWert(v1, "start", ""), "gespielt", versperrt), Spielmangel::Verlauf},
    });
    // The same moves the other way round are playable, and as many as were counted fit: the
    // refusals above were for the rule.
    EXPECT_TRUE(SpielAusBytes(MitWert(MitWert(v1, "zurueckgenommen", ""), "verlauf", zuRueck)));
    EXPECT_TRUE(SpielAusBytes(MitWert(v1, "zurueckgenommen", versperrt)));
    EXPECT_TRUE(SpielAusBytes(MitWert(ohneRedo, "verlauf", zeilen(35))));
    EXPECT_TRUE(SpielAusBytes(MitWert(MitWert(MitWert(v1, "start", ""), "gespielt", zuRueck), "zugsekunden", "0")));
}

// Two tiles swapped: never reached by slides, nor by shifts on an odd side; shifts on an even
// side and turns reach it, so only the course from the start board (here removed) can tell.
TEST_F(KaputteSpieldatei, BretterDieDieVarianteNieErreicht)
{
    const auto vertauscht = [](engine::Spielstand s) {
        const int a = s.Spielfeld[1] == 0 ? 3 : 1, b = s.Spielfeld[2] == 0 ? 3 : 2;
        std::swap(s.Spielfeld[a], s.Spielfeld[b]);
        return s;
    };
    const auto ohneVerlauf = [](QByteArray datei) {
        for (const char* schluessel : {"verlauf", "zurueckgenommen", "start", "gespielt", "zugsekunden"})
            datei = MitWert(datei, schluessel, "");
        return datei;
    };
    const auto brett = [](const engine::Spielstand& s) {
        Schnappschuss x;
        x.spiel = s;
        return Wert(SpielAlsBytes(x), "brett");
    };
    const Schnappschuss ungerade2 = spielbau::Spiel(Variante::Verschieben, 5, 4, 30, 5);
    const QByteArray v2u = SpielAlsBytes(ungerade2);
    Pruefe({
        {"Variante 1", MitWert(ohneVerlauf(v1), "brett", brett(vertauscht(spiel1.spiel))), Spielmangel::Brett},
        {"Variante 2 auf Seite 5", MitWert(ohneVerlauf(v2u), "brett", brett(vertauscht(ungerade2.spiel))), Spielmangel::Brett},
        {"Startbrett in Variante 1", MitWert(v1, "start", brett(vertauscht(*spiel1.start))), Spielmangel::Brett},
    });
    EXPECT_TRUE(SpielAusBytes(MitWert(ohneVerlauf(v2), "brett", brett(vertauscht(spiel2.spiel)))));
    EXPECT_TRUE(SpielAusBytes(MitWert(ohneVerlauf(v3), "brett", brett(vertauscht(spiel3.spiel)))));
}

// A file of the first version, as the game wrote it before: its own keys only. The game comes
// back without start board, course, start time or origin, its picture stretched.
TEST(Spieldatei, ErsteVersionWirdNochGelesen)
{
    const QByteArrayList neu = {"zuschnitt", "start", "gespielt", "zugsekunden", "beginn", "wiederholung", "spielcode", "tagesraetsel"};
    for (Variante v : Varianten) {
        const Schnappschuss x = spielbau::Spiel(v, 4, 5, 20, 2);
        QByteArray datei = SpielAlsBytes(x).replace("Tavelor-Spiel 2", "Tavelor-Spiel 1");
        for (const QByteArray& schluessel : neu)
            datei = OhneZeile(datei, schluessel);
        const Spiellesung gelesen = LiesSpiel(datei);
        ASSERT_EQ(gelesen.mangel, Spielmangel::Keiner) << datei.constData();
        EXPECT_EQ(gelesen.version, 1);
        Schnappschuss erwartet = x;
        erwartet.start.reset();
        erwartet.gespielt.clear();
        erwartet.zugSekunden.clear();
        erwartet.beginn = {};
        erwartet.herkunft = {};
        erwartet.zuschnitt = daten::Zuschnitt::Strecken;
        EXPECT_EQ(gelesen.spiel, erwartet);
        EXPECT_EQ(LiesSpiel(MitZeile(datei, "zuschnitt=0")).mangel, Spielmangel::Schluessel) << "a key of version 2";
    }
}

} // namespace
