#include <gtest/gtest.h>

#include "engine/uhr.h"
#include "engine/zug.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

TEST(Uhr, ZaehltNurImLaufendenSpiel)
{
    Spielstand s = GeloestesBrett(2, 4);
    EXPECT_FALSE(Tick(s).gezaehlt);  // set up, no move yet
    s.phase = Phase::Pausiert;
    EXPECT_FALSE(Tick(s).gezaehlt);
    s.phase = Phase::Laeuft;
    EXPECT_TRUE(Tick(s).gezaehlt);
    EXPECT_EQ(s.Sekunden, 1);
}

TEST(Uhr, Sekunde3599BeendetDasSpielUndDieUhrErreicht3600Nie)
{
    Spielstand s = GeloestesBrett(3, 4);
    s.phase = Phase::Laeuft;
    s.Sekunden = 3597;
    EXPECT_FALSE(Tick(s).zeitAbgelaufen);
    const Tickergebnis letzter = Tick(s);
    EXPECT_TRUE(letzter.zeitAbgelaufen);
    EXPECT_EQ(s.Sekunden, 3599);
    EXPECT_EQ(s.phase, Phase::Vorbei);
    EXPECT_FALSE(s.pauseVerfuegbar());
    EXPECT_FALSE(s.brettAktiv());
    EXPECT_FALSE(Tick(s).gezaehlt);
    EXPECT_EQ(s.Sekunden, 3599);
}

TEST(Pause, NurImLaufendenSpiel)
{
    Spielstand s = GeloestesBrett(1, 3);
    EXPECT_FALSE(PauseUmschalten(s));  // before the first move
    EXPECT_EQ(s.phase, Phase::Aufgebaut);

    s.phase = Phase::Laeuft;
    EXPECT_TRUE(PauseUmschalten(s));
    EXPECT_FALSE(s.uhrLaeuft());
    EXPECT_TRUE(s.pauseVerfuegbar());
    EXPECT_FALSE(PauseUmschalten(s));
    EXPECT_TRUE(s.uhrLaeuft());

    s.phase = Phase::Vorbei;
    EXPECT_FALSE(PauseUmschalten(s));
    EXPECT_EQ(s.phase, Phase::Vorbei);
}

// A game taken up from a file at its limit (or past it) ends at its next move or second
// instead of counting on.
TEST(Grenzen, HaltenAuchFuerEinSpielDasAnDerGrenzeWeitergeht)
{
    for (const uint16_t zuege : {MaxZuege, uint16_t(MaxZuege + 1)}) {
        Spielstand s = GeloestesBrett(2, 4);
        ZeileRechts(s, 1);
        s.phase = Phase::Laeuft;
        s.ZugAnzahl = zuege;
        EXPECT_EQ(Ziehe(s, {Operation::ZeileRechts, 2}).ende, Ende::MaxZuege) << zuege;
        EXPECT_EQ(s.phase, Phase::Vorbei);
    }
    Spielstand s = GeloestesBrett(3, 4);
    s.phase = Phase::Laeuft;
    s.Sekunden = MaxSekunden;
    EXPECT_TRUE(Tick(s).zeitAbgelaufen);
    EXPECT_EQ(s.phase, Phase::Vorbei);
}
