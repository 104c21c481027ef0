// Today's puzzle: the board of a date never changes. The table was written once from the
// program and guards every later version; a change here moves every player's puzzle.
#include "engine/spielcode.h"
#include "engine/tagesraetsel.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

struct Tag {
    int jahr, monat, tag;
    const char* brett;  // as its game code, without picture
    const char* bild;
};

// A whole week across a year's end (Monday 3 × 3 sliding … Sunday 6 × 6 turning), a leap day
// and a day of another century.
constexpr Tag Tabelle[] = {
    {2026, 12, 28, "TAV1-13F037156482-OW", "Mosaik.bmp"},
    {2026, 12, 29, "TAV1-14FCD8EFB12497A6053-EX", "Leuchtturm.bmp"},
    {2026, 12, 30, "TAV1-24EB17269F5A038CD4-HQ", "Sonnenblume.bmp"},
    {2026, 12, 31, "TAV1-15F4IF7C961OK80MNBLJHDE523AG-A3", "Flickenteppich.bmp"},
    {2027, 1, 1, "TAV1-34AC6B5237D19F048E-MB", "Flickenteppich.bmp"},
    {2027, 1, 2, "TAV1-25CM3K6N5DO1LE7089H4AFGJ2IB-RQ", "Korallenriff.bmp"},
    {2027, 1, 3, "TAV1-36HA1ORGX72FT6L3I8MPEV4BQZC0SJYNWD9K5U-UZ", "Sonnenblume.bmp"},
    {2000, 1, 1, "TAV1-25IEDM79N5O30KFBHLG8C16A42J-UY", "Leuchtturm.bmp"},
    {2024, 2, 29, "TAV1-15F637095I1JBLKC8EMO4GFDNAH2-7J", "Ballonfahrt.bmp"},
};

TEST(Tagesraetsel, JedesDatumGibtImmerDasselbeBrett)
{
    for (const Tag& t : Tabelle) {
        const Tagesraetsel r = RaetselDesTages(t.jahr, t.monat, t.tag);
        const auto erwartet = CodeLesen(t.brett);
        ASSERT_TRUE(std::holds_alternative<Spielcode>(erwartet)) << t.brett;
        EXPECT_EQ(r.brett, std::get<Spielcode>(erwartet).brett) << t.brett;
        EXPECT_EQ(r.bild, t.bild) << t.brett;
    }
}

} // namespace
