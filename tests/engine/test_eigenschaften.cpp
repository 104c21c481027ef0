// Properties that must hold after any sequence of moves, for every variant and board side.

#include <algorithm>

#include <gtest/gtest.h>

#include "engine/zug.h"
#include "engine/uhr.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

::testing::AssertionResult Gueltig(const Spielstand& s)
{
    const int n2 = s.felder();
    std::array<int, MaxFelder + 1> anzahl{};
    for (int p = 1; p <= n2; ++p) {
        if (s.Spielfeld[p] > n2)
            return ::testing::AssertionFailure() << "field " << p << " holds " << int(s.Spielfeld[p]);
        ++anzahl[s.Spielfeld[p]];
    }
    for (int p = n2 + 1; p <= MaxFelder; ++p)
        if (s.Spielfeld[p] != p)
            return ::testing::AssertionFailure() << "entry " << p << " above the board changed";
    for (int t = 1; t <= n2; ++t) {
        const int erwartet = (s.variante == Variante::Schieben && t == s.FreiesFeld) ? 0 : 1;
        if (anzahl[t] != erwartet)
            return ::testing::AssertionFailure() << "tile " << t << " found " << anzahl[t] << " times";
    }
    const int leere = s.variante == Variante::Schieben ? 1 : 0;
    if (anzahl[0] != leere)
        return ::testing::AssertionFailure() << anzahl[0] << " empty fields";
    return ::testing::AssertionSuccess();
}

// Targets of every kind, mostly ones that exist on the board, some beyond it.
Ziel ZufallsZiel(const Spielstand& s, Zufall& w)
{
    const int n = s.n();
    const auto art = static_cast<Zielart>(w.Random(7));
    const int bereich = art == Zielart::Feld ? n * n : art == Zielart::Achse ? (n - 1) * (n - 1) : n;
    const int feld = w.Random(4) == 0 ? 0 : w.Random(n * n) + 1;
    if (art == Zielart::Feld && s.LeeresFeld() && w.Random(2) == 0) {  // often beside the empty field
        const int nachbar = s.LeeresFeld() + std::array{-1, 1, -n, n}[std::size_t(w.Random(4))];
        return {art, std::clamp(nachbar, 1, n * n), feld};
    }
    return {art, art == Zielart::Nichts ? 0 : w.Random(bereich) + 1, feld};
}

} // namespace

TEST(Eigenschaften, ZufaelligeZieleHaltenDasBrettGueltig)
{
    MtZufall wuerfel(2024);
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            Spielstand s;
            MtZufall zufall(v * 10 + n);
            NeuesSpiel(s, zufall, static_cast<Variante>(v), n, n % 2);
            ASSERT_TRUE(Gueltig(s));

            int zuege = 0;
            for (int i = 0; i < 20000 && s.brettAktiv(); ++i) {
                const Taste taste = static_cast<Taste>(wuerfel.Random(3));
                const int vorher = s.ZugAnzahl;
                if (s.pausiert()) {  // a press on a paused board only resumes
                    PauseUmschalten(s);
                    continue;
                }
                const Absicht absicht = Deute(s, ZufallsZiel(s, wuerfel), taste);
                const bool zug = absicht.art == Absicht::Art::Zug;
                if (zug)
                    Ziehe(s, absicht.zug);
                ASSERT_TRUE(Gueltig(s)) << "variant " << v << " n=" << n << " click " << i;
                ASSERT_EQ(s.ZugAnzahl, vorher + (zug ? 1 : 0));
                zuege += zug;
                if (s.phase == Phase::Laeuft && wuerfel.Random(50) == 0)
                    PauseUmschalten(s);
            }
            EXPECT_GT(zuege, 200) << "variant " << v << " n=" << n << ": random targets should move often";
        }
}
