// The solver where it needs its large tables (the pattern databases of side 4, some MB, built
// in seconds): sliding games of side 4 and more. One process runs them all, so each table is
// built once; CTest label loeser_tabellen.
#include <gtest/gtest.h>

#include <thread>

#include "loeser_hilfen.h"

using namespace engine;
using namespace engine::test;

// Side 4, sliding: boards up to 12 moves from home, where the plain search still knows the
// distance, for every home of the empty field; the fast plan leads home too, never shorter.
TEST(Loesung, VierMalVierSchiebenIstOptimal)
{
    for (int frei = 1; frei <= 16; ++frei) {
        const Spielstand ziel = GeloestesBrett(1, 4, frei);
        const auto abstand = AbstaendeVomZiel(ziel, 12);
        MtZufall zufall{unsigned(frei)};
        for (int laenge : {7, 12}) {
            Spielstand s = ziel;
            int vorher = 0;
            for (int i = 0; i < laenge; ++i) {  // never straight back
                auto zuege = AlleZuege(s);
                std::erase_if(zuege, [&](const Zug& z) { return z.a == vorher; });
                const Zug z = zuege[zufall.Random(int(zuege.size()))];
                vorher = z.b;
                Ausfuehren(s, z);
            }
            const int d = abstand.at(Schluessel(s));
            const auto weg = Loesung(s);
            EXPECT_TRUE(Geloest(Gespielt(s, weg)));
            EXPECT_EQ(int(weg.size()), d) << "home " << frei << ", " << laenge << " moves";
            const auto schnell = SchnelleLoesung(s);
            EXPECT_TRUE(Geloest(Gespielt(s, schnell)));
            EXPECT_GE(int(schnell.size()), d) << "home " << frei;
        }
    }
}

// Sides 5 and 6, sliding: wherever the empty field belongs, the line-by-line solver turns the
// board so that this home ends in its last 3 x 3 cells, and the way is legal and leads home.
TEST(Loesung, GrosseSchiebespieleMitJedemHeimDesLeerenFelds)
{
    for (int n : {5, 6})
        for (int frei = 1; frei <= n * n; ++frei) {
            Spielstand s = GeloestesBrett(1, n, frei);
            MtZufall zufall{unsigned(frei)};
            for (int i = 0; i < 300; ++i) {
                const auto zuege = AlleZuege(s);
                Ausfuehren(s, zuege[zufall.Random(int(zuege.size()))]);
            }
            EXPECT_TRUE(Geloest(Gespielt(s, Loesung(s)))) << "side " << n << " home " << frei;
        }
}

// The game's own scrambles: every way leads home by legal moves, and nothing kept from one
// call changes the next: the same board solved again, after other boards, gets the same way.
TEST(Loesung, GemischteSpieleKommenNachHause)
{
    std::vector<std::pair<Spielstand, std::vector<Zug>>> geloest;
    for (int v : {1, 2, 3})
        for (int n = 3; n <= MaxSeite; ++n)
            for (unsigned saat = 1; saat <= (v > 1 && n > 4 ? 1u : 3u); ++saat) {  // those search long
                const Spielstand s = Gemischt(v, n, saat);
                geloest.push_back({s, Loesung(s)});
                EXPECT_TRUE(Geloest(Gespielt(s, geloest.back().second)))
                    << "variant " << v << " side " << n << " seed " << saat;
            }
    for (size_t i = 0; i < geloest.size(); i += 5)
        EXPECT_EQ(Loesung(geloest[i].first), geloest[i].second) << "board " << i;
}

// A player who leaves the way, again and again, gets a new way from where the board is, and
// it still leads home: the session asks again after every move off the way.
TEST(Loesung, AbwegeFuehrenNachHause)
{
    for (int v : {1, 2, 3}) {
        Spielstand s = Gemischt(v, 4, 11);
        for (int abweg = 0; abweg < 3; ++abweg) {
            const auto plan = Loesung(s);
            ASSERT_GE(plan.size(), 2u);
            Ausfuehren(s, plan.front());
            auto andere = AlleZuege(s);
            std::erase(andere, plan[1]);
            Ausfuehren(s, andere.front());
        }
        EXPECT_TRUE(Geloest(Gespielt(s, Loesung(s)))) << "variant " << v;
    }
}

// Tables and libraries are made on first use; solvers running at once in several threads get
// the same ways as one after the other.
TEST(Loesung, MehrereThreadsGleichzeitig)
{
    std::vector<Spielstand> bretter;
    for (int v : {1, 2, 3})
        for (int n : {3, 4, v == 1 ? 6 : 5})
            bretter.push_back(Gemischt(v, n, 5));
    std::vector<std::vector<Zug>> parallel(bretter.size());
    {
        std::vector<std::jthread> threads;
        for (size_t i = 0; i < bretter.size(); ++i)
            threads.emplace_back([&, i] { parallel[i] = Loesung(bretter[i]); });
    }
    for (size_t i = 0; i < bretter.size(); ++i) {
        EXPECT_EQ(parallel[i], Loesung(bretter[i])) << "board " << i;
        EXPECT_TRUE(Geloest(Gespielt(bretter[i], parallel[i]))) << "board " << i;
    }
}

// The piecewise ways stay short: over ten of the game's scrambles at side 6 (four for
// shifting and turning, whose searches take longer) the mean stays within 250 moves for
// sliding, 125 for shifting and 110 for turning, and no way wastes moves on a move undone at
// once or a line turned more than half way round in a row.
TEST(Loesung, WegeBleibenKurz)
{
    const int grenze[] = {0, 250, 125, 110};
    for (int v : {1, 2, 3}) {
        int summe = 0;
        const unsigned spiele = v == 1 ? 10 : 4;
        for (unsigned saat = 1; saat <= spiele; ++saat) {
            const Spielstand s = Gemischt(v, 6, saat);
            const auto weg = Loesung(s);
            summe += int(weg.size());
            int gleiche = 1;
            for (size_t i = 1; i < weg.size(); ++i) {
                EXPECT_NE(weg[i], Umkehrung(weg[i - 1])) << "variant " << v << " move " << i;
                gleiche = weg[i] == weg[i - 1] ? gleiche + 1 : 1;
                if (v != 1) {
                    EXPECT_LE(2 * gleiche, v == 2 ? 6 : 4) << "variant " << v << " move " << i;
                }
            }
        }
        EXPECT_LE(summe / int(spiele), grenze[v]) << "variant " << v;
    }
}

// Published hard boards: some of Korf's 100 (Artificial Intelligence 27, 1985), in his notation
// (0 the blank, tile t home on cell t, the blank's home top left) turned by half a turn into
// the game's board, get exactly their published optimal length.
TEST(Loesung, KorfsBretterInDerKuerzestenLaenge)
{
    struct Instanz {
        int optimal;
        std::array<int, 16> zellen;
    };
    const Instanz instanzen[] = {
        {42, {1, 3, 2, 5, 10, 9, 15, 6, 8, 14, 13, 11, 12, 4, 7, 0}},   // 16
        {41, {13, 8, 14, 3, 9, 1, 0, 7, 15, 5, 4, 10, 12, 2, 6, 11}},   // 55
        {42, {0, 1, 9, 7, 11, 13, 5, 3, 14, 12, 4, 2, 8, 6, 10, 15}},   // 79
        {53, {5, 7, 11, 8, 0, 14, 9, 13, 10, 12, 3, 15, 6, 1, 4, 2}},   // 94
    };
    for (const Instanz& i : instanzen) {
        Spielstand s = GeloestesBrett(1, 4);
        for (int c = 0; c < 16; ++c)
            s.Spielfeld[16 - c] = uint8_t(i.zellen[c] == 0 ? 0 : 16 - i.zellen[c]);
        const auto weg = Loesung(s);
        EXPECT_TRUE(Geloest(Gespielt(s, weg)));
        EXPECT_EQ(int(weg.size()), i.optimal);
    }
}

// A table whose building was stopped is built by the next call that needs it, and the way is
// then the shortest; the fast plan meanwhile takes no longer way than needed to get home.
TEST(Loesung, AbgebrochenerTabellenbauWirdNachgeholt)
{
    const Spielstand ziel = GeloestesBrett(1, 4, 11);  // a middle home: tables of its own
    const auto abstand = AbstaendeVomZiel(ziel, 12);
    Spielstand s = ziel;
    MtZufall zufall{3};
    for (int i = 0, vorher = 0; i < 12; ++i) {
        auto zuege = AlleZuege(s);
        std::erase_if(zuege, [&](const Zug& z) { return z.a == vorher; });
        const Zug z = zuege[zufall.Random(int(zuege.size()))];
        vorher = z.b;
        Ausfuehren(s, z);
    }
    {
        std::jthread vorbereiten([&](std::stop_token halt) { LoeserVorbereiten(s, halt); });
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(Geloest(Gespielt(s, SchnelleLoesung(s))));
    const auto weg = Loesung(s);
    EXPECT_TRUE(Geloest(Gespielt(s, weg)));
    EXPECT_EQ(int(weg.size()), abstand.at(Schluessel(s)));
}

// Sliding games of side 5 stay close to the shortest way: three of Korf and Felner's 50
// (Artificial Intelligence 134, 2002), turned into the game's board as Korf's, get ways at most
// 1.6 times their published optimal length.
TEST(Loesung, KorfUndFelnersBretterNaheAmKuerzesten)
{
    struct Instanz {
        int optimal;
        std::array<int, 25> zellen;
    };
    const Instanz instanzen[] = {
        {95, {14, 5, 9, 2, 18, 8, 23, 19, 12, 17, 15, 0, 10, 20, 4, 6, 11, 21, 1, 7, 24, 3, 16, 22, 13}},  // 1
        {81, {3, 17, 9, 8, 24, 1, 11, 12, 14, 0, 5, 4, 22, 13, 16, 21, 15, 6, 7, 10, 20, 23, 2, 18, 19}},  // 25
        {82, {2, 17, 4, 13, 7, 12, 10, 3, 0, 16, 21, 24, 8, 5, 18, 20, 15, 19, 14, 9, 22, 11, 6, 1, 23}},  // 40
    };
    for (const Instanz& i : instanzen) {
        Spielstand s = GeloestesBrett(1, 5);
        for (int c = 0; c < 25; ++c)
            s.Spielfeld[25 - c] = uint8_t(i.zellen[c] == 0 ? 0 : 25 - i.zellen[c]);
        ASSERT_TRUE(Loesbar(s));
        const auto weg = Loesung(s);
        EXPECT_TRUE(Geloest(Gespielt(s, weg)));
        EXPECT_GE(int(weg.size()), i.optimal);
        EXPECT_LE(10 * int(weg.size()), 16 * i.optimal);
    }
}
