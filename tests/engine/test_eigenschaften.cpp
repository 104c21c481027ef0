// Properties that must hold after any sequence of clicks, for every variant and board side.

#include <algorithm>

#include <gtest/gtest.h>

#include "engine/klick.h"
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
        const int erwartet = (s.Variante == 1 && t == s.FreiesFeld) ? 0 : 1;
        if (anzahl[t] != erwartet)
            return ::testing::AssertionFailure() << "tile " << t << " found " << anzahl[t] << " times";
    }
    const int leere = s.Variante == 1 ? 1 : 0;
    if (anzahl[0] != leere)
        return ::testing::AssertionFailure() << anzahl[0] << " empty fields";
    return ::testing::AssertionSuccess();
}

// Half the clicks land near something that can move (a field, an axis, an arrow strip),
// half anywhere in the window.
std::pair<int, int> Klickpunkt(const Spielstand& s, Zufall& w)
{
    const int t = s.Teilgroesse, n = s.n();
    const int wackeln = w.Random(21) - 10;
    switch (w.Random(4)) {
    case 0: {
        const auto [x, y] = FeldMitte(s, w.Random(s.felder()) + 1);
        return {x + wackeln, y - wackeln};
    }
    case 1: {
        const auto [x, y] = AchsPunkt(s, w.Random(n - 1) + 1, w.Random(n - 1) + 1);
        return {x + wackeln, y + wackeln / 2};
    }
    case 2: {
        const int streifen = w.Random(4), lage = 56 + w.Random(n) * t + t / 2;
        const int quer = (streifen % 2 ? 35 : 437) + wackeln;
        return streifen < 2 ? std::pair{quer, lage} : std::pair{lage, quer};
    }
    default:
        return {w.Random(480), w.Random(475)};
    }
}

} // namespace

TEST(Eigenschaften, ZufaelligeKlicksHaltenDasBrettGueltig)
{
    MtZufall wuerfel(2024);
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            Spielstand s;
            s.Variante = static_cast<uint8_t>(v);
            s.Groesse = static_cast<uint8_t>(n);
            s.PosZufall = static_cast<uint8_t>(n % 2);
            MtZufall zufall(v * 10 + n);
            NeuesSpiel(s, zufall);
            ASSERT_TRUE(Gueltig(s));

            int zuege = 0;
            for (int i = 0; i < 20000 && s.brettAktiv(); ++i) {
                const Taste taste = static_cast<Taste>(wuerfel.Random(3));
                const int vorher = s.ZugAnzahl;
                const auto [x, y] = Klickpunkt(s, wuerfel);
                const Klickergebnis e = Klick(s, taste, x, y);
                ASSERT_TRUE(Gueltig(s)) << "variant " << v << " n=" << n << " click " << i;
                ASSERT_EQ(s.ZugAnzahl, vorher + (e.gezaehlt ? 1 : 0));
                zuege += e.gezaehlt;
                if (e.gezaehlt) {
                    ASSERT_EQ(s.NummernModus, 0);
                }
                if (s.phase == Phase::Laeuft && wuerfel.Random(50) == 0)
                    PauseUmschalten(s);
            }
            EXPECT_GT(zuege, 200) << "variant " << v << " n=" << n << ": random clicks should move often";
        }
}
