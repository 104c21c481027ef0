// The solver: every way it gives leads home by legal moves, and where it promises the fewest
// moves, an independent breadth-first search agrees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <thread>
#include <unordered_map>

#include "engine/loeser.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

Spielstand Gemischt(int variante, int n, unsigned saat, bool posZufall = true)
{
    Spielstand s;
    MtZufall zufall(saat);
    NeuesSpiel(s, zufall, static_cast<Variante>(variante), n, posZufall);
    return s;
}

bool Nachbarn(int n, int a, int b)
{
    const int dz = std::abs((a - 1) / n - (b - 1) / n), ds = std::abs((a - 1) % n - (b - 1) % n);
    return dz + ds == 1;
}

// Whether the move is one the player could make here.
bool Erlaubt(const Spielstand& s, const Zug& z)
{
    const int n = s.n();
    switch (z.op) {
    case Operation::TeilSchieben:
        return s.variante == Variante::Schieben && z.a >= 1 && z.a <= s.felder() &&
               s.Spielfeld[z.b] == 0 && s.Spielfeld[z.a] != 0 && Nachbarn(n, z.a, z.b);
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
    case Operation::SpalteRunter:
    case Operation::SpalteHoch:
        return s.variante == Variante::Verschieben && z.a >= 1 && z.a <= n;
    case Operation::AchseRechts:
    case Operation::AchseLinks:
        return s.variante == Variante::Drehen && z.a >= 1 && z.a <= AchsenAnzahl(n);
    }
    return false;
}

// Plays the moves one by one; fails the test at the first illegal one.
Spielstand Gespielt(Spielstand s, const std::vector<Zug>& zuege)
{
    for (size_t i = 0; i < zuege.size(); ++i) {
        if (!Erlaubt(s, zuege[i])) {
            ADD_FAILURE() << "move " << i << " is not legal here";
            break;
        }
        Ausfuehren(s, zuege[i]);
    }
    return s;
}

// Every move a player has on the board.
std::vector<Zug> AlleZuege(const Spielstand& s)
{
    std::vector<Zug> zuege;
    const int n = s.n();
    if (s.variante == Variante::Schieben) {
        const int leer = s.LeeresFeld();
        for (int p = 1; p <= s.felder(); ++p)
            if (Nachbarn(n, p, leer))
                zuege.push_back({Operation::TeilSchieben, p, leer});
    } else if (s.variante == Variante::Verschieben) {
        for (int i = 1; i <= n; ++i)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter,
                                 Operation::SpalteHoch})
                zuege.push_back({op, i});
    } else {
        for (int k = 1; k <= AchsenAnzahl(n); ++k) {
            zuege.push_back({Operation::AchseRechts, k});
            zuege.push_back({Operation::AchseLinks, k});
        }
    }
    return zuege;
}

uint64_t Schluessel(const Spielstand& s)
{
    uint64_t w = 0;
    for (int p = 1; p <= s.felder(); ++p)
        w = w * 37 + s.Spielfeld[p];
    return w;
}

// Plain breadth-first search from the solved board: the distance of every position it reaches
// within `tiefe` moves.
std::unordered_map<uint64_t, int> AbstaendeVomZiel(const Spielstand& ziel, int tiefe = 99)
{
    std::unordered_map<uint64_t, int> abstand{{Schluessel(ziel), 0}};
    std::deque<Spielstand> schlange{ziel};
    while (!schlange.empty()) {
        const Spielstand s = schlange.front();
        schlange.pop_front();
        const int d = abstand[Schluessel(s)];
        if (d == tiefe)
            continue;
        for (const Zug& z : AlleZuege(s)) {
            Spielstand t = s;
            Ausfuehren(t, z);
            if (abstand.emplace(Schluessel(t), d + 1).second)
                schlange.push_back(t);
        }
    }
    return abstand;
}

} // namespace

TEST(Loesung, GeloestesBrettBrauchtKeinenZugUndKeinenTipp)
{
    for (int v : {1, 2, 3})
        for (int n : {3, 4, 6}) {
            const Spielstand s = GeloestesBrett(v, n, v == 1 ? 2 : 0);
            EXPECT_TRUE(Loesung(s).empty());
            EXPECT_FALSE(Tipp(s));
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
        EXPECT_FALSE(Tipp(s));
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
    EXPECT_TRUE(Geloest(Gespielt(weitGerade, Loesung(weitGerade))));
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
                // The hint starts a shortest way.
                const auto tipp = Tipp(s);
                ASSERT_TRUE(tipp);
                Spielstand t = s;
                Ausfuehren(t, *tipp);
                EXPECT_EQ(abstand.at(Schluessel(t)), abstand.at(Schluessel(s)) - 1);
            }
        }
    }
}

// Side 4, sliding: boards up to 12 moves from home, where the plain search still knows the
// distance, for every home of the empty field; the hint starts a shortest way too.
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
            const auto tipp = Tipp(s);
            ASSERT_TRUE(tipp);
            Ausfuehren(s, *tipp);
            EXPECT_EQ(abstand.at(Schluessel(s)), d - 1) << "home " << frei;
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

// The game's own scrambles: every way leads home by legal moves, and the hints, followed one
// by one, walk the same way.
TEST(Loesung, GemischteSpieleKommenNachHause)
{
    for (int v : {1, 2, 3})
        for (int n = 3; n <= MaxSeite; ++n)
            for (unsigned saat = 1; saat <= 3; ++saat) {
                const Spielstand s = Gemischt(v, n, saat);
                const auto weg = Loesung(s);
                EXPECT_TRUE(Geloest(Gespielt(s, weg))) << "variant " << v << " side " << n << " seed " << saat;
                Spielstand t = s;
                for (size_t i = 0; i < weg.size() && !Geloest(t); ++i) {
                    const auto tipp = Tipp(t);
                    ASSERT_TRUE(tipp);
                    ASSERT_EQ(*tipp, weg[i]);
                    Ausfuehren(t, *tipp);
                }
                EXPECT_TRUE(Geloest(t));
            }
}

// A player who leaves the plan gets hints from a new one, and they still lead home.
TEST(Loesung, TippsNachEinemAbwegFuehrenNachHause)
{
    for (int v : {1, 2, 3}) {
        Spielstand s = Gemischt(v, 5, 11);
        const auto plan = Loesung(s);
        ASSERT_FALSE(plan.empty());
        auto andere = AlleZuege(s);
        std::erase(andere, plan.front());
        Ausfuehren(s, andere.front());
        int zuege = 0;
        for (; !Geloest(s) && zuege < 1000; ++zuege) {
            const auto tipp = Tipp(s);
            ASSERT_TRUE(tipp);
            ASSERT_TRUE(Erlaubt(s, *tipp));
            Ausfuehren(s, *tipp);
        }
        EXPECT_TRUE(Geloest(s)) << "variant " << v;
    }
}

// Tables and libraries are made on first use; solvers running at once in several threads get
// the same ways as one after the other.
TEST(Loesung, MehrereThreadsGleichzeitig)
{
    std::vector<Spielstand> bretter;
    for (int v : {1, 2, 3})
        for (int n : {3, 4, 6})
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

// The piecewise ways stay short: over ten of the game's scrambles at side 6 the mean stays
// within 250 moves for sliding and shifting and 300 for turning, and no way wastes moves on a
// move undone at once or a line turned more than half way round in a row.
TEST(Loesung, WegeBleibenKurz)
{
    const int grenze[] = {0, 250, 250, 300};
    for (int v : {1, 2, 3}) {
        int summe = 0;
        for (unsigned saat = 1; saat <= 10; ++saat) {
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
        EXPECT_LE(summe / 10, grenze[v]) << "variant " << v;
    }
}

// Hints for several games taken in turns (more games than plans are kept) still lead each
// game home, each by legal moves.
TEST(Loesung, TippsFuerAbwechselndeSpieleFuehrenNachHause)
{
    std::vector<Spielstand> spiele;
    for (int v : {1, 2, 3})
        for (int n : {3, 5})
            spiele.push_back(Gemischt(v, n, 21));
    for (int runde = 0; runde < 400; ++runde)
        for (Spielstand& s : spiele)
            if (!Geloest(s)) {
                const auto tipp = Tipp(s);
                ASSERT_TRUE(tipp);
                ASSERT_TRUE(Erlaubt(s, *tipp));
                Ausfuehren(s, *tipp);
            }
    for (const Spielstand& s : spiele)
        EXPECT_TRUE(Geloest(s)) << "variant " << int(s.variante) << " side " << s.n();
}
