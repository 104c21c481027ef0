#include <gtest/gtest.h>

#include "engine/klick.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

bool NichtsGeschehen(const Klickergebnis& e)
{
    return !e.gezaehlt && !e.uhrStartet && e.felder.empty() && e.ende == Ende::Keins && !e.pauseBeendet;
}

} // namespace

// ---- Variant 1: sliding into the empty field ----

TEST(KlickSchieben, TeilNebenDemLeerenFeldRutschtZaehltUndStartetDieUhr)
{
    Spielstand s = GeloestesBrett(1, 4);
    ZeileRechts(s, 4);  // bottom row 0,13,14,15: empty field in 13, solved no more
    const auto [x, y] = FeldMitte(s, 14);
    const Klickergebnis e = Klick(s, Taste::Links, x, y);
    EXPECT_TRUE(e.gezaehlt);
    EXPECT_TRUE(e.uhrStartet);
    EXPECT_EQ(e.felder, (std::vector<int>{14, 13}));
    EXPECT_EQ(s.Spielfeld[13], 13);
    EXPECT_EQ(s.Spielfeld[14], 0);
    EXPECT_EQ(s.ZugAnzahl, 1);
    EXPECT_EQ(s.phase, Phase::Laeuft);

    const auto [x2, y2] = FeldMitte(s, 15);
    const Klickergebnis zweiter = Klick(s, Taste::Links, x2, y2);
    EXPECT_TRUE(zweiter.gezaehlt);
    EXPECT_FALSE(zweiter.uhrStartet);  // the clock runs already
    EXPECT_EQ(s.ZugAnzahl, 2);
}

TEST(KlickSchieben, KlicksOhneZugAendernNichts)
{
    Spielstand s = GeloestesBrett(1, 4);
    ZeileRechts(s, 4);  // empty field in 13
    const Spielstand vorher = s;
    for (int feld : {13, 1, 16, 6}) {  // the empty field itself, tiles without an empty neighbour
        const auto [x, y] = FeldMitte(s, feld);
        EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, x, y))) << "field " << feld;
    }
    const auto [x, y] = FeldMitte(s, 14);
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Mitte, x, y)));
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, 500, 300)));  // beside the board
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.ZugAnzahl, 0);
    EXPECT_EQ(s.phase, Phase::Aufgebaut);
}

TEST(KlickSchieben, ZeilenendeRutschtNieInDieNaechsteZeile)
{
    Spielstand s = GeloestesBrett(1, 3, 4);  // empty field 4: first field of row 2
    ZeileRechts(s, 3);                       // unsolve elsewhere
    const Spielstand vorher = s;
    const auto [x, y] = FeldMitte(s, 3);     // last field of row 1
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, x, y)));
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);

    Spielstand t = GeloestesBrett(1, 3, 3);  // empty field 3: last of row 1
    ZeileRechts(t, 3);
    const auto [x4, y4] = FeldMitte(t, 4);   // first field of row 2
    EXPECT_TRUE(NichtsGeschehen(Klick(t, Taste::Links, x4, y4)));
}

TEST(KlickSchieben, BrettgrenzenDesFeldbereichs)
{
    // 3 x 3 with the empty field in 5 (the middle): every border field has no move but 2, 4, 6, 8.
    Spielstand s = GeloestesBrett(1, 3, 5);
    ZeileRechts(s, 3);
    EXPECT_EQ(FeldBei(s, 57, 100), 0);
    EXPECT_EQ(FeldBei(s, 58, 100), 1);
    EXPECT_EQ(FeldBei(s, 100, 56), 0);
    EXPECT_EQ(FeldBei(s, 100, 57), 1);
    EXPECT_EQ(FeldBei(s, 416, 415), 9);
    EXPECT_EQ(FeldBei(s, 417, 415), 0);
    EXPECT_EQ(FeldBei(s, 416, 416), 0);
    EXPECT_EQ(FeldBei(s, 176, 175), 1);
    EXPECT_EQ(FeldBei(s, 177, 176), 5);

    // Field 4 (row 2, column 1) borders the empty field: x = 57 misses it, x = 58 moves it.
    EXPECT_FALSE(Klick(s, Taste::Links, 57, 236).gezaehlt);
    EXPECT_TRUE(Klick(s, Taste::Links, 58, 236).gezaehlt);
}

TEST(KlickSchieben, LoesenderZugZeichnetKeineFelderUndBeendetDasSpiel)
{
    Spielstand s = GeloestesBrett(1, 3);
    s.Vorschau = 0;
    TeilSchieben(s, 8, 9);
    const auto [x, y] = FeldMitte(s, 9);
    const Klickergebnis e = Klick(s, Taste::Links, x, y);
    EXPECT_TRUE(e.gezaehlt);
    EXPECT_TRUE(e.felder.empty());
    EXPECT_EQ(e.ende, Ende::Geloest);
    EXPECT_EQ(s.phase, Phase::Vorbei);
    EXPECT_EQ(s.Vorschau, 1);
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, x, y)));  // the board is locked
}

// ---- Variant 2: shifting rows and columns ----

TEST(KlickVerschieben, PfeileSchiebenVonIhrerSeiteWeg)
{
    Spielstand s = GeloestesBrett(2, 4);  // t = 90
    Klickergebnis e = Klick(s, Taste::Links, 30, 56 + 90 + 10);  // left strip, row 2
    EXPECT_TRUE(e.gezaehlt);
    EXPECT_EQ(e.felder, (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(s.Spielfeld[5], 8);

    Spielstand t = GeloestesBrett(2, 4);
    e = Klick(t, Taste::Links, 56 + 2 * 90, 20);  // top strip, x = 236 -> column 3
    EXPECT_EQ(e.felder, (std::vector<int>{3, 7, 11, 15}));
    EXPECT_EQ(t.Spielfeld[3], 15);
    e = Klick(t, Taste::Links, 56 + 2 * 90, 452);  // bottom strip: back up, and solved
    EXPECT_EQ(e.ende, Ende::Geloest);

    Spielstand u = GeloestesBrett(2, 4);
    Klick(u, Taste::Links, 452, 415);  // right strip, last row
    EXPECT_EQ(u.Spielfeld[16], 13);
}

TEST(KlickVerschieben, VierMalLinksUndVierMalRechtsGebenDasBrettZurueck)
{
    Spielstand s = GeloestesBrett(2, 4);
    ZeileRechts(s, 1);  // not solved, so the game goes on
    const Spielstand vorher = s;
    for (int i = 0; i < 4; ++i)
        Klick(s, Taste::Links, 40, 240);
    for (int i = 0; i < 4; ++i)
        Klick(s, Taste::Links, 430, 240);
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.ZugAnzahl, 8);
}

TEST(KlickVerschieben, DanebenUndAufDemBrettGeschiehtNichts)
{
    Spielstand s = GeloestesBrett(2, 4);
    ZeileRechts(s, 1);
    const std::vector<std::pair<int, int>> daneben{{30, 30}, {200, 200}, {30, 416}, {30, 55}, {19, 100},
                                                   {51, 100}, {100, 19}, {100, 453}, {416, 30}};
    for (auto [x, y] : daneben)
        EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, x, y))) << x << "," << y;
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Rechts, 30, 100)));
    EXPECT_TRUE(Klick(s, Taste::Links, 20, 56).gezaehlt);  // the strip's corners still count
    EXPECT_TRUE(Klick(s, Taste::Links, 452, 415).gezaehlt);
}

// ---- Variant 3: turning axes ----

TEST(KlickDrehen, LinksUndRechtsAufDieselbeAchseHebenSichAuf)
{
    Spielstand s = GeloestesBrett(3, 4);
    ZeileRechts(s, 4);
    const Spielstand vorher = s;
    const auto [x, y] = AchsPunkt(s, 2, 1);  // axis k = 2
    const Klickergebnis links = Klick(s, Taste::Links, x, y);
    EXPECT_EQ(links.felder, (std::vector<int>{2, 6, 7, 3}));  // a, d, c, b
    EXPECT_EQ(s.Spielfeld[3], 2);
    const Klickergebnis rechts = Klick(s, Taste::Rechts, x, y);
    EXPECT_EQ(rechts.felder, (std::vector<int>{2, 3, 7, 6}));
    EXPECT_EQ(rechts.hilfe, Hilfeschritt::Keiner);  // a turn is no call for tile numbers
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.ZugAnzahl, 2);
}

TEST(KlickDrehen, AchszoneIst21PixelGross)
{
    Spielstand s = GeloestesBrett(3, 6);  // t = 60; axis (1,1) zone x, y = 107 .. 127
    ZeileRechts(s, 6);
    EXPECT_TRUE(Klick(s, Taste::Links, 107, 127).gezaehlt);
    EXPECT_TRUE(Klick(s, Taste::Links, 127, 107).gezaehlt);
    EXPECT_FALSE(Klick(s, Taste::Links, 106, 117).gezaehlt);
    EXPECT_FALSE(Klick(s, Taste::Links, 117, 128).gezaehlt);
    const auto [x, y] = AchsPunkt(s, 5, 5);
    EXPECT_TRUE(Klick(s, Taste::Links, x, y).gezaehlt);
}

TEST(KlickDrehen, RandpunkteSindKeineAchsen)
{
    Spielstand s = GeloestesBrett(3, 3);
    ZeileRechts(s, 3);
    const std::vector<std::pair<int, int>> rand{{0, 1}, {1, 0}, {3, 1}, {1, 3}, {0, 0}, {3, 3}};
    for (auto [i, j] : rand) {
        const auto [x, y] = AchsPunkt(s, i, j);
        EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, x, y))) << i << "," << j;
    }
}

TEST(KlickDrehen, MittlereTasteAufEinerAchseIstKeinZug)
{
    Spielstand s = GeloestesBrett(3, 4);
    ZeileRechts(s, 4);
    const Spielstand vorher = s;
    const auto [x, y] = AchsPunkt(s, 1, 1);
    const Klickergebnis e = Klick(s, Taste::Mitte, x, y);
    EXPECT_TRUE(NichtsGeschehen(e));
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.phase, Phase::Aufgebaut);
}

// ---- Tile-number help, pause, limits ----

TEST(Kachelnummern, RechtsklickSchaltetEinsAlleKeine)
{
    Spielstand s = GeloestesBrett(2, 3);
    ZeileRechts(s, 1);
    const auto [x, y] = FeldMitte(s, 5);
    EXPECT_EQ(Klick(s, Taste::Rechts, x, y).hilfe, Hilfeschritt::EinFeld);
    EXPECT_EQ(s.NummernFeld, 5);
    EXPECT_EQ(Klick(s, Taste::Rechts, 60, 60).hilfe, Hilfeschritt::AlleFelder);
    EXPECT_EQ(Klick(s, Taste::Rechts, 60, 60).hilfe, Hilfeschritt::Aus);
    EXPECT_EQ(s.NummernModus, 0);
    EXPECT_EQ(Klick(s, Taste::Rechts, 57, 60).hilfe, Hilfeschritt::Keiner);  // off the field range
    EXPECT_EQ(Klick(s, Taste::Links, 60, 60).hilfe, Hilfeschritt::Keiner);

    Klick(s, Taste::Rechts, x, y);
    ASSERT_EQ(s.NummernModus, 1);
    EXPECT_TRUE(Klick(s, Taste::Links, 30, 100).gezaehlt);
    EXPECT_EQ(s.NummernModus, 0);  // a counted move takes the numbers away
}

TEST(Pause, KlickBeendetNurDiePause)
{
    Spielstand s = GeloestesBrett(1, 3);
    TeilSchieben(s, 8, 9);
    s.phase = Phase::Pausiert;
    const auto [x, y] = FeldMitte(s, 9);
    const Klickergebnis e = Klick(s, Taste::Links, x, y);
    EXPECT_TRUE(e.pauseBeendet);
    EXPECT_FALSE(e.gezaehlt);
    EXPECT_EQ(s.phase, Phase::Laeuft);
    EXPECT_EQ(s.Spielfeld[8], 0);
}

TEST(Zuggrenze, Zug9999BeendetUngeloestUndLoesenGehtVor)
{
    Spielstand s = GeloestesBrett(3, 3);
    ZeileRechts(s, 3);
    s.phase = Phase::Laeuft;
    s.ZugAnzahl = 9998;
    const auto [x, y] = AchsPunkt(s, 1, 1);
    const Klickergebnis e = Klick(s, Taste::Links, x, y);
    EXPECT_EQ(e.ende, Ende::MaxZuege);
    EXPECT_EQ(s.ZugAnzahl, 9999);
    EXPECT_FALSE(s.brettAktiv());

    Spielstand l = GeloestesBrett(2, 3);
    ZeileRechts(l, 3);
    l.phase = Phase::Laeuft;
    l.ZugAnzahl = 9998;
    EXPECT_EQ(Klick(l, Taste::Links, 430, 400).ende, Ende::Geloest);
    EXPECT_EQ(l.ZugAnzahl, 9999);
}

TEST(Klick, OhneSpielKommtNichtsAn)
{
    Spielstand s;  // before the first game
    EXPECT_TRUE(NichtsGeschehen(Klick(s, Taste::Links, 100, 100)));
    EXPECT_EQ(Klick(s, Taste::Rechts, 100, 100).hilfe, Hilfeschritt::Keiner);
}
