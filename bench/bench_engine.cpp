// Speed of the rules: a whole new game's scramble, and one press that makes a move.

#include <benchmark/benchmark.h>

#include "engine/mischen.h"
#include "engine/zug.h"

using namespace engine;

static void NeuesSpielMischen(benchmark::State& state)
{
    Spielstand s;
    MtZufall zufall(42);
    for (auto _ : state) {
        NeuesSpiel(s, zufall, static_cast<Variante>(state.range(0)), int(state.range(1)), false);
        benchmark::DoNotOptimize(s.Spielfeld);
    }
}
BENCHMARK(NeuesSpielMischen)->ArgsProduct({{1, 2, 3}, {3, 4, 5, 6}})->ArgNames({"variante", "n"});

// Variant 3 on a 6 x 6 board: the last axis turned by the left button.
static void DruckMitZug(benchmark::State& state)
{
    Spielstand s;
    MtZufall zufall(42);
    NeuesSpiel(s, zufall, Variante::Drehen, 6, false);
    const Ziel achse{Zielart::Achse, 25, 29};
    for (auto _ : state) {
        const Absicht absicht = Deute(s, achse, Taste::Links);
        Zugfolge folge = Ziehe(s, absicht.zug);
        benchmark::DoNotOptimize(folge);
        s.ZugAnzahl = 0;  // never reach the move limit
    }
}
BENCHMARK(DruckMitZug);
