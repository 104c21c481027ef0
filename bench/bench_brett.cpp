// Speed of the board picture: a new game from a 1024 x 1024 BMP (load, stretch, grey, preview,
// scramble, every field), and the redraw of one move.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "engine/klick.h"
#include "engine/mischen.h"
#include "main/brettbild.h"

using namespace engine;

static const std::string GrossesBild = TAVELOR_SPIELORDNER "/images/Mosaik.bmp";

static void NeuesSpielMitBild(benchmark::State& state)
{
    Brettbild bild;
    Spielstand s;
    s.Variante = 3;
    s.Groesse = 6;
    s.SWBild = static_cast<uint8_t>(state.range(0));
    MtZufall zufall(1);
    for (auto _ : state) {
        bild.BildVorbereiten(GrossesBild);
        bild.HintergrundZeichnen();
        bild.ZeigeSchrift(0);
        bild.ZeigeZugNr(0);
        bild.ZeigeZeit(0);
        if (s.SWBild)
            bild.Faerben();
        bild.VorschauZeichnen();
        NeuesSpiel(s, zufall);
        bild.BrettZeichnen(s);
        benchmark::DoNotOptimize(bild.imgKopie.constBits());
    }
}
BENCHMARK(NeuesSpielMitBild)->Arg(0)->Arg(1)->ArgName("grau")->Unit(benchmark::kMillisecond);

static void Faerben(benchmark::State& state)
{
    Brettbild bild;
    bild.BildVorbereiten(GrossesBild);
    for (auto _ : state) {
        bild.Faerben();
        benchmark::DoNotOptimize(bild.imgOriginal.constBits());
    }
}
BENCHMARK(Faerben)->Unit(benchmark::kMicrosecond);

// A turn of the last axis of a 6 x 6 board: four fields, the grid, the knobs, the counter.
static void ZugNeuZeichnen(benchmark::State& state)
{
    Brettbild bild;
    Spielstand s;
    s.Variante = 3;
    s.Groesse = 6;
    MtZufall zufall(1);
    bild.BildVorbereiten(GrossesBild);
    NeuesSpiel(s, zufall);
    bild.BrettZeichnen(s);
    for (auto _ : state) {
        const Klickergebnis e = Klick(s, Taste::Links, 57 + 300, 56 + 300);
        for (int feld : e.felder)
            bild.ShowMorvikTeil(s, feld);
        bild.ZeigeAchsen(s);
        bild.ZeigeZugNr(s.ZugAnzahl);
        s.ZugAnzahl = 0;
        benchmark::DoNotOptimize(bild.imgKopie.constBits());
    }
}
BENCHMARK(ZugNeuZeichnen)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
