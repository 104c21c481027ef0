// Keys as moves: arrows push tiles in variant 1, walk a cursor in variants 2 and 3.
#include <gtest/gtest.h>

#include "engine/tastatur.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

TEST(Tastatur, PfeileSchiebenDasTeilNebenDemLeerenFeldHinein)
{
    const Spielstand mitte = GeloestesBrett(1, 3, 5);  // empty field in the middle
    EXPECT_EQ(SchiebeZug(mitte, Richtung::Links), (Zug{Operation::TeilSchieben, 6, 5}));
    EXPECT_EQ(SchiebeZug(mitte, Richtung::Rechts), (Zug{Operation::TeilSchieben, 4, 5}));
    EXPECT_EQ(SchiebeZug(mitte, Richtung::Hoch), (Zug{Operation::TeilSchieben, 8, 5}));
    EXPECT_EQ(SchiebeZug(mitte, Richtung::Runter), (Zug{Operation::TeilSchieben, 2, 5}));

    const Spielstand ecke = GeloestesBrett(1, 4);  // empty field 16, bottom right
    EXPECT_FALSE(SchiebeZug(ecke, Richtung::Links)) << "nothing right of the empty field";
    EXPECT_FALSE(SchiebeZug(ecke, Richtung::Hoch)) << "nothing below it";
    EXPECT_EQ(SchiebeZug(ecke, Richtung::Rechts), (Zug{Operation::TeilSchieben, 15, 16}));
    const Spielstand oben = GeloestesBrett(1, 4, 4);  // top right
    EXPECT_FALSE(SchiebeZug(oben, Richtung::Runter));
    EXPECT_FALSE(SchiebeZug(oben, Richtung::Links)) << "no wrap into the next row";
}

TEST(Tastatur, CursorBeginntBeiEinsUndHaeltAnDenRaendern)
{
    const Spielstand felder = GeloestesBrett(2, 4);
    EXPECT_EQ(CursorSchritt(felder, 0, Richtung::Rechts), 1);
    EXPECT_EQ(CursorSchritt(felder, 1, Richtung::Links), 1);
    EXPECT_EQ(CursorSchritt(felder, 1, Richtung::Hoch), 1);
    EXPECT_EQ(CursorSchritt(felder, 4, Richtung::Rechts), 4);
    EXPECT_EQ(CursorSchritt(felder, 4, Richtung::Runter), 8);
    EXPECT_EQ(CursorSchritt(felder, 16, Richtung::Runter), 16);

    const Spielstand achsen = GeloestesBrett(3, 4);  // 3 x 3 axes
    EXPECT_EQ(CursorSchritt(achsen, 3, Richtung::Rechts), 3);
    EXPECT_EQ(CursorSchritt(achsen, 3, Richtung::Runter), 6);
    EXPECT_EQ(CursorSchritt(achsen, 9, Richtung::Runter), 9);
}

TEST(Tastatur, UmschaltPfeileSchiebenZeileUndSpalteWieDiePfeilstreifen)
{
    EXPECT_EQ(VerschiebeZug(4, 7, Richtung::Links), (Zug{Operation::ZeileLinks, 2}));
    EXPECT_EQ(VerschiebeZug(4, 7, Richtung::Rechts), (Zug{Operation::ZeileRechts, 2}));
    EXPECT_EQ(VerschiebeZug(4, 7, Richtung::Hoch), (Zug{Operation::SpalteHoch, 3}));
    EXPECT_EQ(VerschiebeZug(4, 7, Richtung::Runter), (Zug{Operation::SpalteRunter, 3}));
    EXPECT_EQ(DreheZug(5, true), (Zug{Operation::AchseRechts, 5}));
    EXPECT_EQ(DreheZug(5, false), (Zug{Operation::AchseLinks, 5}));
}

TEST(Tastatur, NummernTasteZeigtAufDenCursorOderNebenDasLeereFeld)
{
    EXPECT_EQ(NummernFeldFuerTaste(GeloestesBrett(1, 3, 5), 0), 6);
    EXPECT_EQ(NummernFeldFuerTaste(GeloestesBrett(1, 3, 9), 0), 1) << "nothing right of the last field";
    EXPECT_EQ(NummernFeldFuerTaste(GeloestesBrett(2, 3), 0), 1);
    EXPECT_EQ(NummernFeldFuerTaste(GeloestesBrett(2, 3), 8), 8);
    EXPECT_EQ(NummernFeldFuerTaste(GeloestesBrett(3, 4), 5), 6) << "the axis' top-left field";
}
