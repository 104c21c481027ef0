// The search for the next tile's way: every way it gives, played move by move, leaves the
// board it names, with the finished cells and the tile's cell home, and none is longer than
// the moves that took the board away from there.
#include <gtest/gtest.h>

#include "engine/loeser_einsatz.h"
#include "loeser_hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

loeser::Zellen Zellen(const Spielstand& s)
{
    loeser::Zellen z{};
    for (int c = 0; c < s.felder(); ++c)
        z[c] = uint8_t(s.Spielfeld[c + 1] - 1);
    return z;
}

} // namespace

TEST(Einsatz, WegeLassenFertigeZellenUndBringenDasTeilHeim)
{
    struct Fall {
        int v, n, fertig, zuege;  // the first `fertig` cells finished, the board `zuege` moves away
    };
    for (const Fall f : {Fall{2, 4, 5, 3}, Fall{2, 5, 12, 3}, Fall{2, 6, 20, 2}, Fall{3, 4, 6, 3},
                         Fall{3, 5, 10, 3}, Fall{3, 6, 14, 3}}) {
        MtZufall zufall{unsigned(10 * f.v + f.n)};
        const int ziel = f.fertig;  // and the next cell's tile to bring home
        const uint64_t muss = (uint64_t(1) << (ziel + 1)) - 1;
        int gesucht = 0;  // cases where the finished cells were disturbed
        for (int versuch = 0; versuch < 4; ++versuch) {
            Spielstand s = GeloestesBrett(f.v, f.n);
            for (int i = 0; i < f.zuege; ++i) {
                const auto alle = AlleZuege(s);
                Ausfuehren(s, alle[zufall.Random(int(alle.size()))]);
            }
            const auto wege = loeser::Einsaetze(s.variante, f.n, Zellen(s), muss, {f.zuege, 3, 200000});
            ASSERT_FALSE(wege.empty()) << "variant " << f.v << " side " << f.n;
            gesucht += !wege.front().zuege.empty();
            for (const loeser::Einsatz& e : wege) {
                const Spielstand t = Gespielt(s, e.zuege);
                EXPECT_EQ(Zellen(t), e.brett);
                for (int c = 0; c <= ziel; ++c)
                    EXPECT_EQ(e.brett[c], c) << "variant " << f.v << " side " << f.n << " cell " << c;
                EXPECT_LE(int(e.zuege.size()), f.zuege);
                EXPECT_EQ(e.zuege.size(), wege.front().zuege.size());
            }
        }
        EXPECT_GT(gesucht, 0) << "variant " << f.v << " side " << f.n;
    }
}

// Nothing within the limits, or a stop: no way at all.
TEST(Einsatz, OhneWegInnerhalbDerGrenzenNichts)
{
    Spielstand s = GeloestesBrett(2, 6);
    std::swap(s.Spielfeld[1], s.Spielfeld[36]);  // three line moves cannot swap two tiles
    const uint64_t alle = (uint64_t(1) << 36) - 1;
    EXPECT_TRUE(loeser::Einsaetze(s.variante, 6, Zellen(s), alle, {3, 4, 100000}).empty());
    std::stop_source quelle;
    quelle.request_stop();
    const Spielstand nah = GeloestesBrett(3, 5);
    Spielstand weg = nah;
    Ausfuehren(weg, {Operation::AchseRechts, 1});
    EXPECT_EQ(loeser::Einsaetze(weg.variante, 5, Zellen(weg), 1, {2, 4, 1000}).size(), 1u);
    EXPECT_TRUE(loeser::Einsaetze(weg.variante, 5, Zellen(weg), 1, {2, 4, 1000}, quelle.get_token()).empty());
}
