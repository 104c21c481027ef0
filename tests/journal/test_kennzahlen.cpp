#include "journal/kennzahlen.h"

#include <gtest/gtest.h>

using namespace journal;
using engine::Variante;
using sitzung::Ausgang;

namespace {

Kurzeintrag Spiel(Variante v, int n, Ausgang ausgang, int sekunden, int zuege, bool hilfe = false)
{
    Kurzeintrag k;
    k.variante = v;
    k.seite = std::uint8_t(n);
    k.ausgang = ausgang;
    k.sekunden = std::uint16_t(sekunden);
    k.zuege = std::uint16_t(zuege);
    k.hilfe = hilfe;
    return k;
}

// The figures of three boards, worked out by hand: only games solved without help count for
// time and moves; the averages of 5 and 12 leave out one best and one worst.
TEST(Kennzahlen, GegenVonHandGerechneteTabelle)
{
    std::vector<Kurzeintrag> spiele = {
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 100, 50),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 80, 40),
        Spiel(Variante::Schieben, 4, Ausgang::Abgebrochen, 30, 12),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 10, 5, true),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 130, 70),
        Spiel(Variante::Schieben, 4, Ausgang::MaxZeit, 3599, 200),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 90, 45),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 110, 66),
        Spiel(Variante::Schieben, 4, Ausgang::Geloest, 70, 35),
    };
    for (int i = 1; i <= 13; ++i)
        spiele.push_back(Spiel(Variante::Drehen, 5, Ausgang::Geloest, i, 14 - i));
    for (int i = 0; i < 60; ++i)
        spiele.push_back(Spiel(Variante::Verschieben, 3, Ausgang::Abgebrochen, 5, 5));
    for (std::size_t i = 0; i < spiele.size(); ++i)
        spiele[i].id = std::int64_t(i + 1);

    const std::vector<Kennzahlen> k = Auswerten(spiele);
    ASSERT_EQ(k.size(), 3u);
    const Kennzahlen& a = k[0];
    EXPECT_EQ(std::tuple(a.variante, a.seite, a.gespielt, a.geloest, a.mitHilfe, a.abgebrochen, a.grenze),
              std::tuple(Variante::Schieben, 4, 9, 7, 1, 1, 1));
    EXPECT_EQ(a.beste, (Wertepaar{70.0, 35.0}));
    EXPECT_DOUBLE_EQ(*a.mittel.zeit, 580.0 / 6);
    EXPECT_DOUBLE_EQ(*a.mittel.zuege, 51.0);
    EXPECT_EQ(a.median, (Wertepaar{95.0, 47.5}));
    EXPECT_DOUBLE_EQ(*a.schnitt5.zeit, (80 + 90 + 110) / 3.0);
    EXPECT_DOUBLE_EQ(*a.schnitt5.zuege, (40 + 45 + 66) / 3.0);
    EXPECT_EQ(a.schnitt12, Wertepaar{});
    EXPECT_DOUBLE_EQ(*a.zuegeProSekunde, 306.0 / 580);
    EXPECT_EQ(a.letzte.size(), 9u);

    const Kennzahlen& b = k[1];
    EXPECT_EQ(std::tuple(b.variante, b.seite, b.gespielt, b.abgebrochen), std::tuple(Variante::Verschieben, 3, 60, 60));
    EXPECT_EQ(b.beste, Wertepaar{});
    EXPECT_FALSE(b.zuegeProSekunde);
    ASSERT_EQ(b.letzte.size(), VerlaufLaenge);
    EXPECT_EQ(b.letzte.front().id, 22 + 11);  // the last 50 of 60, oldest first
    EXPECT_EQ(b.letzte.back().id, 22 + 60);

    const Kennzahlen& c = k[2];
    EXPECT_EQ(std::tuple(c.variante, c.seite), std::tuple(Variante::Drehen, 5));
    EXPECT_EQ(c.schnitt12, (Wertepaar{7.5, 6.5}));     // times 2..13 and moves 12..1, ends dropped
    EXPECT_EQ(c.schnitt5, (Wertepaar{11.0, 3.0}));     // times 9..13 and moves 5..1
    EXPECT_EQ(c.median, (Wertepaar{7.0, 7.0}));
}

TEST(Kennzahlen, SchnittLaesstGenauEinBestesUndEinSchlechtestesWeg)
{
    EXPECT_EQ(SchnittOhneRaender(std::vector{5, 5, 5, 5, 5}, 5), 5.0);
    EXPECT_EQ(SchnittOhneRaender(std::vector{3, 1, 3, 9, 1}, 5), 7.0 / 3);
    EXPECT_EQ(SchnittOhneRaender(std::vector{100, 3, 1, 3, 9, 1}, 5), 7.0 / 3);  // only the last 5
    EXPECT_EQ(SchnittOhneRaender(std::vector{1, 2, 3, 4}, 5), std::nullopt);
}

// Days are counted once however often played; the run reaches back from today, or from
// yesterday while today's puzzle waits.
TEST(Kennzahlen, TageUndSerieDesTagesraetsels)
{
    std::vector<Kurzeintrag> spiele(6);
    const std::int32_t tage[] = {10, 11, 12, 12, 14};
    for (std::size_t i = 0; i < std::size(tage); ++i)
        spiele[i].tagesraetsel = tage[i];  // the last game has none
    EXPECT_EQ(Tagesraetsel(spiele, 14), (Tagesfolge{4, 1}));
    EXPECT_EQ(Tagesraetsel(spiele, 15), (Tagesfolge{4, 1}));
    EXPECT_EQ(Tagesraetsel(spiele, 13), (Tagesfolge{4, 3}));
    EXPECT_EQ(Tagesraetsel(spiele, 16), (Tagesfolge{4, 0}));
    EXPECT_EQ(Tagesraetsel({}, 16), (Tagesfolge{0, 0}));
}

} // namespace
