// The solver: every way it gives leads home by legal moves, and where it promises the fewest
// moves, an independent breadth-first search agrees.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/loeser_vorrat.h"
#include "loeser_hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

// A uniformly random board its variant can solve: tiles in random order, in variant 1 a random
// home of the empty field, two tiles swapped where the parity forbids the order.
Spielstand Zufallsbrett(int v, int n, MtZufall& zufall)
{
    Spielstand s = GeloestesBrett(v, n, v == 1 ? 1 + zufall.Random(n * n) : 0);
    for (int p = n * n; p > 1; --p)
        std::swap(s.Spielfeld[p], s.Spielfeld[1 + zufall.Random(p)]);
    if (!Loesbar(s)) {
        const int a = s.Spielfeld[1] == 0 ? 3 : 1, b = s.Spielfeld[2] == 0 ? 3 : 2;
        std::swap(s.Spielfeld[a], s.Spielfeld[b]);
    }
    return s;
}

// Whether the kind needs the large tables of side 4 for Loesung (sliding games of side 4 to 6).
bool BrauchtGrosseTabellen(int v, int n) { return v == 1 && n >= 4; }

// The true distance of a board at most 8 moves from home: breadth-first from both ends, four
// moves each.
int Abstand(const Spielstand& s, const Spielstand& ziel)
{
    const auto vomZiel = AbstaendeVomZiel(ziel, 4), vomBrett = AbstaendeVomZiel(s, 4);
    int bester = 99;
    for (const auto& [schluessel, d] : vomBrett)
        if (const auto it = vomZiel.find(schluessel); it != vomZiel.end())
            bester = std::min(bester, d + it->second);
    return bester;
}

} // namespace


TEST(Loesung, GeloestesBrettBrauchtKeinenZug)
{
    for (int v : {1, 2, 3})
        for (int n : {3, 4, 6}) {
            const Spielstand s = GeloestesBrett(v, n, v == 1 ? 2 : 0);
            EXPECT_TRUE(Loesung(s).empty());
            EXPECT_TRUE(SchnelleLoesung(s).empty());
        }
}

TEST(Loesung, UnmoeglicheBretterBekommenKeinenWeg)
{
    Spielstand vertauscht = GeloestesBrett(1, 3);
    std::swap(vertauscht.Spielfeld[1], vertauscht.Spielfeld[2]);  // one swap: odd, empty field home
    Spielstand doppelt = GeloestesBrett(3, 4);
    doppelt.Spielfeld[5] = 6;
    Spielstand ungerade = GeloestesBrett(2, 5);  // odd lines shift by even permutations only
    std::swap(ungerade.Spielfeld[1], ungerade.Spielfeld[2]);
    Spielstand zweiLeere = GeloestesBrett(1, 4);
    zweiLeere.Spielfeld[3] = 0;
    Spielstand heimBesetzt = GeloestesBrett(1, 4, 6);  // tile 6 on the board, no empty field
    heimBesetzt.Spielfeld[6] = 6;
    Spielstand heimAusserhalb = GeloestesBrett(1, 3);
    heimAusserhalb.FreiesFeld = 10;
    Spielstand zuGross = GeloestesBrett(2, 6);
    zuGross.Groesse = 7;
    Spielstand zuKlein = GeloestesBrett(3, 3);
    zuKlein.Groesse = 2;
    for (const Spielstand& s : {vertauscht, doppelt, ungerade, zweiLeere, heimBesetzt, heimAusserhalb, zuGross, zuKlein}) {
        EXPECT_FALSE(Loesbar(s));
        EXPECT_TRUE(Loesung(s).empty());
        EXPECT_TRUE(SchnelleLoesung(s).empty());
        LoeserVorbereiten(s);  // does nothing, and nothing harmful
    }
    Spielstand gerade = GeloestesBrett(2, 4);  // even lines: a single swap is reachable
    std::swap(gerade.Spielfeld[1], gerade.Spielfeld[2]);
    EXPECT_TRUE(Loesbar(gerade));
    EXPECT_TRUE(Geloest(Gespielt(gerade, Loesung(gerade))));
    Spielstand weitGerade = GeloestesBrett(1, 4);  // two swaps and the empty field two steps away
    std::swap(weitGerade.Spielfeld[1], weitGerade.Spielfeld[2]);
    std::swap(weitGerade.Spielfeld[16], weitGerade.Spielfeld[14]);
    EXPECT_TRUE(Loesbar(weitGerade));
    EXPECT_TRUE(Geloest(Gespielt(weitGerade, SchnelleLoesung(weitGerade))));
}

// A board one move from home, in any variant and on any side, gets that move undone and
// nothing else: also the piecewise solvers take the obvious way.
TEST(Loesung, EinZugVomZielWirdZurueckgenommen)
{
    for (int v : {1, 2, 3})
        for (int n = 3; n <= MaxSeite; ++n)
            for (int frei = 1; frei <= (v == 1 ? n * n : 1); ++frei) {
                const Spielstand ziel = GeloestesBrett(v, n, frei);
                for (const Zug& z : AlleZuege(ziel)) {
                    Spielstand s = ziel;
                    Ausfuehren(s, z);
                    EXPECT_EQ(Loesung(s), std::vector<Zug>{Umkehrung(z)}) << "variant " << v << " side " << n;
                }
            }
}

// Shifting and turning games a few moves from home get a shortest way, as the plain search says.
TEST(Loesung, NahAmZielKuerzesterWeg)
{
    for (int v : {2, 3})
        for (int n : {4, 6}) {
            const Spielstand ziel = GeloestesBrett(v, n);
            const auto abstand = AbstaendeVomZiel(ziel, 3);
            MtZufall zufall{unsigned(10 * v + n)};
            for (int versuch = 0; versuch < 5; ++versuch) {
                Spielstand s = ziel;
                for (int i = 0; i < 3; ++i) {
                    const auto zuege = AlleZuege(s);
                    Ausfuehren(s, zuege[zufall.Random(int(zuege.size()))]);
                }
                const auto weg = Loesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, weg)));
                EXPECT_EQ(int(weg.size()), abstand.at(Schluessel(s))) << "variant " << v << " side " << n;
            }
        }
}

// Side 3: the table's ways are as short as the plain search says, for every variant and for
// empty fields at home in a corner, on an edge and in the middle.
TEST(Loesung, DreiMalDreiIstOptimal)
{
    for (int v : {1, 2, 3}) {
        for (int frei : v == 1 ? std::vector<int>{9, 2, 5} : std::vector<int>{0}) {
            const auto abstand = AbstaendeVomZiel(GeloestesBrett(v, 3, frei));
            for (unsigned saat = 1; saat <= 3; ++saat) {
                Spielstand s = Gemischt(v, 3, saat);
                if (v == 1) {  // the game's walk, but from a chosen home of the empty field
                    MtZufall zufall(saat);
                    s = GeloestesBrett(1, 3, frei);
                    for (int i = 0; i < 201; ++i) {
                        const auto zuege = AlleZuege(s);
                        Ausfuehren(s, zuege[zufall.Random(int(zuege.size()))]);
                    }
                }
                const auto weg = Loesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, weg)));
                EXPECT_EQ(int(weg.size()), abstand.at(Schluessel(s))) << "variant " << v << " seed " << saat;
                // The fast plan for the hint is as short.
                const auto schnell = SchnelleLoesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, schnell)));
                EXPECT_EQ(schnell.size(), weg.size()) << "variant " << v << " seed " << saat;
            }
        }
    }
}


// Every variant and side on uniformly random boards: the fast plan and, where it needs no large
// table, the best way lead home by legal moves; the best way is never the longer.
TEST(Loesung, ZufallsbretterJederArtKommenNachHause)
{
    for (int v : {1, 2, 3})
        for (int n = 3; n <= MaxSeite; ++n) {
            MtZufall zufall{unsigned(7 * v + n)};
            for (int i = 0; i < (v > 1 && n > 4 ? 1 : 2); ++i) {  // those search long
                const Spielstand s = Zufallsbrett(v, n, zufall);
                ASSERT_TRUE(Loesbar(s));
                const auto schnell = SchnelleLoesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, schnell))) << "variant " << v << " side " << n;
                if (BrauchtGrosseTabellen(v, n))
                    continue;
                const auto weg = Loesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, weg))) << "variant " << v << " side " << n;
                EXPECT_LE(weg.size(), schnell.size()) << "variant " << v << " side " << n;
            }
        }
}

// Shifting boards of side 5: the beam keeps ways short, about 43 moves over many boards (the
// narrower beam that counted moves only: 45); these six boards take 44 and took 46.5.
TEST(Loesung, VerschiebenAufFuenfMalFuenfKurz)
{
    MtZufall zufall{62};
    size_t summe = 0;
    for (int i = 0; i < 6; ++i) {
        const Spielstand s = Zufallsbrett(2, 5, zufall);
        const auto weg = Loesung(s);
        ASSERT_TRUE(Geloest(Gespielt(s, weg)));
        summe += weg.size();
    }
    EXPECT_LE(double(summe) / 6, 45.0);
}

// The fast plan for sliding games of side 4 to 6 with every home of the empty field.
TEST(Loesung, SchnellerPlanMitJedemHeimDesLeerenFelds)
{
    for (int n : {4, 5, 6})
        for (int frei = 1; frei <= n * n; ++frei) {
            Spielstand s = GeloestesBrett(1, n, frei);
            MtZufall zufall{unsigned(frei)};
            for (int i = 0; i < 300; ++i) {
                const auto zuege = AlleZuege(s);
                Ausfuehren(s, zuege[zufall.Random(int(zuege.size()))]);
            }
            EXPECT_TRUE(Geloest(Gespielt(s, SchnelleLoesung(s)))) << "side " << n << " home " << frei;
        }
}

// Within 8 moves of home every kind gets a shortest way, as the plain search from both ends
// says; on 6 x 6 shifting and turning boards, too many positions for that search, the way is
// at least no longer than the scramble.
TEST(Loesung, AchtZuegeVomZielKuerzesterWeg)
{
    struct Art {
        int v, n;
        bool pruefbar;
    };
    for (const Art a : {Art{1, 4, true}, Art{1, 5, true}, Art{1, 6, true}, Art{2, 4, true}, Art{3, 4, true},
                        Art{2, 6, false}, Art{3, 6, false}}) {
        const Spielstand ziel = GeloestesBrett(a.v, a.n);
        MtZufall zufall{unsigned(10 * a.v + a.n)};
        for (int laenge : {7, 8}) {
            Spielstand s = ziel;
            for (int i = 0; i < laenge; ++i) {
                const auto zuege = AlleZuege(s);
                Ausfuehren(s, zuege[zufall.Random(int(zuege.size()))]);
            }
            if (Geloest(s))
                continue;
            const auto weg = Loesung(s);
            EXPECT_TRUE(Geloest(Gespielt(s, weg)));
            if (a.pruefbar)
                EXPECT_EQ(int(weg.size()), Abstand(s, ziel)) << "variant " << a.v << " side " << a.n;
            else
                EXPECT_LE(int(weg.size()), laenge) << "variant " << a.v << " side " << a.n;
        }
    }
}

// A stop requested before the call: nothing is searched or built, and no way comes back.
TEST(Loesung, AngehaltenVorDemAufrufGibtKeinenWeg)
{
    std::stop_source quelle;
    quelle.request_stop();
    for (int v : {1, 2, 3})
        for (int n = 3; n <= MaxSeite; ++n) {
            const Spielstand s = Gemischt(v, n, 3);
            EXPECT_TRUE(Loesung(s, quelle.get_token()).empty()) << "variant " << v << " side " << n;
            EXPECT_TRUE(SchnelleLoesung(s, quelle.get_token()).empty()) << "variant " << v << " side " << n;
            LoeserVorbereiten(s, quelle.get_token());
        }
}

// A stop while the solver works, here while it builds the tables of a hard sliding game of
// side 4 or searches a large board, ends the call with no way or a whole one, never a part.
TEST(Loesung, AbbruchWaehrendDerSucheGibtKeinenHalbenWeg)
{
    Spielstand schwer = GeloestesBrett(1, 4);
    const int felder[16] = {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 2, 5, 4, 8, 6, 1};
    for (int p = 1; p <= 16; ++p)
        schwer.Spielfeld[p] = uint8_t(felder[p - 1]);
    for (const Spielstand& s : {schwer, Gemischt(2, 6, 4), Gemischt(3, 6, 4)}) {
        std::vector<Zug> weg{Zug{Operation::AchseRechts, 99}};
        {
            std::jthread loeser([&](std::stop_token halt) { weg = Loesung(s, halt); });
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }  // the jthread asks to stop and waits
        EXPECT_TRUE(weg.empty() || Geloest(Gespielt(s, weg))) << "variant " << int(s.variante);
    }
}

// The store of tables: one thread builds, the others wait; a waiter told to stop leaves at
// once with nothing, a builder told to stop leaves the work to the next one who asks.
TEST(Loesung, TabellenvorratLaesstWartendeUndBauendeAnhalten)
{
    loeser::Vorrat<int> vorrat;
    std::atomic<bool> baut{false};
    std::jthread bauer([&](std::stop_token halt) {
        vorrat.Holen(halt, [&](std::stop_token h) {
            baut = true;
            while (!h.stop_requested())
                std::this_thread::yield();
            return std::unique_ptr<int>();
        });
    });
    while (!baut)
        std::this_thread::yield();
    std::stop_source warten;
    std::jthread wartender([&] {
        const auto eins = [](std::stop_token) { return std::make_unique<int>(1); };
        EXPECT_EQ(vorrat.Holen(warten.get_token(), eins), nullptr);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    warten.request_stop();
    wartender.join();
    EXPECT_EQ(vorrat.Fertig(), nullptr);
    bauer.request_stop();
    bauer.join();
    const int* wert = vorrat.Holen({}, [](std::stop_token) { return std::make_unique<int>(7); });
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(*wert, 7);
    EXPECT_EQ(vorrat.Holen({}, [](std::stop_token) { return std::make_unique<int>(8); }), wert);
}
