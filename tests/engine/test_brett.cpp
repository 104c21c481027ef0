#include <gtest/gtest.h>

#include "hilfen.h"

using namespace engine;
using namespace engine::test;

TEST(AchsFelder, NachDerRegelImUhrzeigersinn)
{
    EXPECT_EQ(AchsFelder(3, 1), (std::array<int, 4>{1, 2, 5, 4}));
    EXPECT_EQ(AchsFelder(4, 5), (std::array<int, 4>{6, 7, 11, 10}));
    EXPECT_EQ(AchsFelder(6, 25), (std::array<int, 4>{29, 30, 36, 35}));
    EXPECT_EQ(AchsFelder(5, 4), (std::array<int, 4>{4, 5, 10, 9}));
    EXPECT_EQ(AchsenAnzahl(3), 4);
    EXPECT_EQ(AchsenAnzahl(6), 25);
}

TEST(Brettoperationen, ZeileRechtsGibtLetztesTeilNachVorn)
{
    Spielstand s = GeloestesBrett(2, 4);
    ZeileRechts(s, 2);
    EXPECT_EQ(s.Spielfeld[5], 8);
    EXPECT_EQ(s.Spielfeld[6], 5);
    EXPECT_EQ(s.Spielfeld[7], 6);
    EXPECT_EQ(s.Spielfeld[8], 7);
    EXPECT_EQ(s.Spielfeld[4], 4);
    EXPECT_EQ(s.Spielfeld[9], 9);
}

TEST(Brettoperationen, SpaltenUndAchsenBewegenInIhreRichtung)
{
    Spielstand s = GeloestesBrett(2, 3);
    SpalteRunter(s, 2);
    EXPECT_EQ((std::array<int, 3>{s.Spielfeld[2], s.Spielfeld[5], s.Spielfeld[8]}), (std::array<int, 3>{8, 2, 5}));
    SpalteHoch(s, 3);
    EXPECT_EQ((std::array<int, 3>{s.Spielfeld[3], s.Spielfeld[6], s.Spielfeld[9]}), (std::array<int, 3>{6, 9, 3}));

    Spielstand a = GeloestesBrett(3, 3);
    AchseRechts(a, 1);  // top left goes to top right
    EXPECT_EQ((std::array<int, 4>{a.Spielfeld[1], a.Spielfeld[2], a.Spielfeld[5], a.Spielfeld[4]}),
              (std::array<int, 4>{4, 1, 2, 5}));
    ZeileLinks(a, 3);
    EXPECT_EQ((std::array<int, 3>{a.Spielfeld[7], a.Spielfeld[8], a.Spielfeld[9]}), (std::array<int, 3>{8, 9, 7}));
}

TEST(Brettoperationen, GegenzugeUndVolleUmlaeufeGebenDasBrettZurueck)
{
    for (int n = 3; n <= 6; ++n) {
        const Spielstand start = GeloestesBrett(2, n);
        for (int i = 1; i <= n; ++i) {
            Spielstand s = start;
            ZeileRechts(s, i);
            EXPECT_NE(s.Spielfeld, start.Spielfeld);
            ZeileLinks(s, i);
            SpalteRunter(s, i);
            SpalteHoch(s, i);
            EXPECT_EQ(s.Spielfeld, start.Spielfeld);
            for (int r = 0; r < n; ++r)
                ZeileLinks(s, i);
            for (int r = 0; r < n; ++r)
                SpalteRunter(s, i);
            EXPECT_EQ(s.Spielfeld, start.Spielfeld) << "n=" << n << " index " << i;
        }
        for (int k = 1; k <= AchsenAnzahl(n); ++k) {
            Spielstand s = start;
            AchseRechts(s, k);
            AchseLinks(s, k);
            EXPECT_EQ(s.Spielfeld, start.Spielfeld);
            for (int r = 0; r < 4; ++r)
                AchseLinks(s, k);
            EXPECT_EQ(s.Spielfeld, start.Spielfeld) << "n=" << n << " axis " << k;
        }
    }
}

TEST(CheckPosFelder, GeloestesBrettZaehltAlleFelder)
{
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n)
            EXPECT_EQ(CheckPosFelder(GeloestesBrett(v, n)), n * n) << "variant " << v << " n=" << n;
}

TEST(CheckPosFelder, LeeresFeldZaehltNurAufSeinemPlatz)
{
    Spielstand s = GeloestesBrett(1, 4, 16);
    TeilSchieben(s, 15, 16);  // tile 15 in field 16, field 15 empty
    EXPECT_EQ(CheckPosFelder(s), 14);

    Spielstand v2 = GeloestesBrett(2, 4);
    v2.FreiesFeld = 16;
    v2.Spielfeld[16] = 0;  // outside variant 1 an empty entry is never in place
    EXPECT_EQ(CheckPosFelder(v2), 15);
}

TEST(Zug, UmkehrungHebtJedeOperationAuf)
{
    const Zug zuege[] = {{Operation::ZeileRechts, 2}, {Operation::ZeileLinks, 1}, {Operation::SpalteRunter, 3},
                         {Operation::SpalteHoch, 4},  {Operation::AchseRechts, 9}, {Operation::AchseLinks, 1}};
    for (const Zug& zug : zuege) {
        Spielstand s = GeloestesBrett(2, 4);
        Ausfuehren(s, zug);
        Ausfuehren(s, Umkehrung(zug));
        EXPECT_TRUE(Geloest(s));
    }
    Spielstand s = GeloestesBrett(1, 4);
    Ausfuehren(s, {Operation::TeilSchieben, 12, 16});
    Ausfuehren(s, Umkehrung({Operation::TeilSchieben, 12, 16}));
    EXPECT_TRUE(Geloest(s));
}
