// Speed of the rules: a whole new game's scramble, and one click that makes a move.

#include <benchmark/benchmark.h>

#include "engine/klick.h"
#include "engine/mischen.h"

using namespace engine;

static void NeuesSpielMischen(benchmark::State& state)
{
    Spielstand s;
    s.Variante = static_cast<uint8_t>(state.range(0));
    s.Groesse = static_cast<uint8_t>(state.range(1));
    MtZufall zufall(42);
    for (auto _ : state) {
        NeuesSpiel(s, zufall);
        benchmark::DoNotOptimize(s.Spielfeld);
    }
}
BENCHMARK(NeuesSpielMischen)->ArgsProduct({{1, 2, 3}, {3, 4, 5, 6}})->ArgNames({"variante", "n"});

// Variant 3 on a 6 x 6 board: the last axis, the farthest the click search has to look.
static void KlickMitZug(benchmark::State& state)
{
    Spielstand s;
    s.Variante = 3;
    s.Groesse = 6;
    MtZufall zufall(42);
    NeuesSpiel(s, zufall);
    for (auto _ : state) {
        Klickergebnis e = Klick(s, Taste::Links, 57 + 5 * 60, 56 + 5 * 60);
        benchmark::DoNotOptimize(e);
        s.ZugAnzahl = 0;  // never reach the move limit
    }
}
BENCHMARK(KlickMitZug);
