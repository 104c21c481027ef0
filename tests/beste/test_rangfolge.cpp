#include "hilfen.h"
#include "beste/rangfolge.h"

#include <gtest/gtest.h>

using namespace beste;

namespace {

constexpr int d = ListenIndex(1, 4);

TListe VolleListeMitPlatzFuenf(std::uint16_t zuege, std::uint16_t sekunden)
{
    TListe liste = StandardListe();
    Belege(liste, d, {{10, 50, u"A"}, {20, 60, u"B"}, {30, 70, u"C"}, {40, 80, u"D"}, {zuege, sekunden, u"E"}});
    return liste;
}

int TrageEin(TListe& liste, std::uint16_t zuege, std::uint16_t sekunden)
{
    ErgebnisVormerken(liste, zuege, sekunden);
    return Neueintrag(liste, d);
}

} // namespace

TEST(KommtInListe, LeererPlatzFuenfNimmtJedesErgebnis)
{
    TListe liste = StandardListe();
    liste.Zeiten[d][5] = 5;  // seconds alone do not fill a place
    EXPECT_TRUE(KommtInListe(liste, d, 9999, 3599));
}

TEST(KommtInListe, GleicheZuegeEntscheidetDieZeitGleichstandReichtNicht)
{
    const TListe liste = VolleListeMitPlatzFuenf(60, 300);
    EXPECT_TRUE(KommtInListe(liste, d, 60, 299));
    EXPECT_FALSE(KommtInListe(liste, d, 60, 300));
}

TEST(KommtInListe, WenigerZuegeSchlagenWenigerSekunden)
{
    const TListe liste = VolleListeMitPlatzFuenf(120, 300);
    EXPECT_TRUE(KommtInListe(liste, d, 119, 900));
    EXPECT_TRUE(KommtInListe(liste, d, 120, 299));
    EXPECT_FALSE(KommtInListe(liste, d, 120, 300));
    EXPECT_FALSE(KommtInListe(liste, d, 121, 10));
}

TEST(KommtInListe, VergleichtOhneVorzeichen)
{
    const TListe liste = VolleListeMitPlatzFuenf(40000, 40000);
    EXPECT_TRUE(KommtInListe(liste, d, 39999, 0));
    EXPECT_TRUE(KommtInListe(liste, d, 40000, 39999));
    EXPECT_FALSE(KommtInListe(liste, d, 40001, 0));
}

TEST(Neueintrag, ErsterEintragInLeereListeIstPlatzEinsRestBleibtLeer)
{
    TListe liste = StandardListe();
    EXPECT_EQ(TrageEin(liste, 77, 123), 1);
    EXPECT_EQ(liste.Zuege[d][1], 77);
    EXPECT_EQ(liste.Zeiten[d][1], 123);
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(liste.Zuege[d][i], 0);
        EXPECT_EQ(liste.Zeiten[d][i], 0);
        EXPECT_TRUE(NameAlsText(liste.Namen[d][i]).isEmpty());
    }
}

TEST(Neueintrag, GleicheZuegeOrdnetNachZeitGleichesErgebnisKommtDarunter)
{
    struct Fall {
        std::uint16_t gespeicherteZeit;
        int platz;
    };
    for (const Fall fall : {Fall{120, 2}, Fall{100, 3}, Fall{80, 3}}) {
        TListe liste = StandardListe();
        Belege(liste, d, {{20, 10, u"A"}, {30, fall.gespeicherteZeit, u"B"}, {40, 10, u"C"}, {50, 10, u"D"}});
        const TListe vorher = liste;

        const int platz = TrageEin(liste, 30, 100);
        ASSERT_EQ(platz, fall.platz) << fall.gespeicherteZeit;
        EXPECT_EQ(liste.Zuege[d][platz], 30);
        EXPECT_EQ(liste.Zeiten[d][platz], 100);
        // The new row keeps the name that moved down until the player's name is stored.
        EXPECT_EQ(liste.Namen[d][platz], vorher.Namen[d][platz]);
        for (int i = platz + 1; i <= 5; ++i) {
            EXPECT_EQ(liste.Namen[d][i], vorher.Namen[d][i - 1]);
            EXPECT_EQ(liste.Zuege[d][i], vorher.Zuege[d][i - 1]);
            EXPECT_EQ(liste.Zeiten[d][i], vorher.Zeiten[d][i - 1]);
        }
        EXPECT_EQ(liste.Zuege[d][5], 50);
    }
}

TEST(Neueintrag, KnappBesserAlsPlatzFuenfUeberschreibtIhn)
{
    TListe liste = VolleListeMitPlatzFuenf(60, 300);
    EXPECT_EQ(TrageEin(liste, 60, 299), 5);
    EXPECT_EQ(liste.Zeiten[d][5], 299);
    EXPECT_EQ(NameAlsText(liste.Namen[d][5]), QStringLiteral("E"));
    EXPECT_EQ(liste.Zuege[d][4], 40);
}

TEST(Neueintrag, BestesErgebnisSchiebtAlleNachUntenUndPlatzFuenfFaelltWeg)
{
    TListe liste = VolleListeMitPlatzFuenf(60, 300);
    liste.Namen[d][4] = {200, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l'};
    const TListe vorher = liste;

    EXPECT_EQ(TrageEin(liste, 5, 3000), 1);
    EXPECT_EQ(liste.Zuege[d][2], 10);
    EXPECT_EQ(liste.Zuege[d][5], 40);
    EXPECT_EQ(liste.Namen[d][5][0], 12);  // a name never grows past 12 characters
    EXPECT_EQ(NameAlsText(liste.Namen[d][5]), QStringLiteral("abcdefghijkl"));
    for (int andere = 1; andere < ListenAnzahl; ++andere) {  // list 0 holds the pending result
        if (andere != d) {
            EXPECT_EQ(liste.Namen[andere], vorher.Namen[andere]);
            EXPECT_EQ(liste.Zuege[andere], vorher.Zuege[andere]);
        }
    }
}

TEST(Neueintrag, NameSetzenErsetztNurDenNamenDesNeuenPlatzes)
{
    TListe liste = VolleListeMitPlatzFuenf(60, 300);
    const int platz = TrageEin(liste, 25, 40);
    NameSetzen(liste, d, platz, u"Grüße an Bärbel");
    EXPECT_EQ(NameAlsText(liste.Namen[d][platz]), QStringLiteral(u"Grüße an Bär"));
    EXPECT_EQ(liste.Zuege[d][platz], 25);
    EXPECT_EQ(NameAlsText(liste.Namen[d][platz + 1]), QStringLiteral("C"));
}

TEST(Neueintrag, LoeschenWaehrendDesEintragsDannLeererNameLaesstListeLeer)
{
    TListe liste = VolleListeMitPlatzFuenf(60, 300);
    Belege(liste, d + 1, {{7, 7, u"Bleibt"}});
    const int platz = TrageEin(liste, 25, 40);

    ListeLoeschen(liste, d);
    NameSetzen(liste, d, platz, u"");

    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(liste.Zuege[d][i], 0);
        EXPECT_EQ(liste.Zeiten[d][i], 0);
        EXPECT_TRUE(NameAlsText(liste.Namen[d][i]).isEmpty());
    }
    EXPECT_EQ(NameAlsText(liste.Namen[d + 1][1]), QStringLiteral("Bleibt"));
    EXPECT_EQ(NameAlsText(liste.Namen[0][1]), QStringLiteral("Morvik 2.0"));
}

TEST(ZeitText, MinutenUndSekundenMitMindestensZweiStellen)
{
    EXPECT_EQ(ZeitText(0), QStringLiteral("00:00"));
    EXPECT_EQ(ZeitText(59), QStringLiteral("00:59"));
    EXPECT_EQ(ZeitText(60), QStringLiteral("01:00"));
    EXPECT_EQ(ZeitText(605), QStringLiteral("10:05"));
    EXPECT_EQ(ZeitText(3599), QStringLiteral("59:59"));
    EXPECT_EQ(ZeitText(6000), QStringLiteral("100:00"));
}
