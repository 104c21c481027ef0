// Speed of the board picture: a new game from a 1024 x 1024 BMP (load, stretch, grey, preview,
// scramble, every field), and the redraw of one move.

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "engine/mischen.h"
#include "engine/zug.h"
#include "main/brettbild.h"

using namespace engine;
using haupt::Brettbild;

static const QString GrossesBild = QStringLiteral(TAVELOR_SPIELORDNER "/images/Mosaik.bmp");

static void NeuesSpielMitBild(benchmark::State& state)
{
    Brettbild bild;
    Spielstand s;
    const bool grau = state.range(0) != 0;
    MtZufall zufall(1);
    for (auto _ : state) {
        bild.BildVorbereiten(GrossesBild);
        bild.HintergrundZeichnen();
        bild.ZeigeSchrift(false);
        bild.ZeigeZugNr(0);
        bild.ZeigeZeit(0);
        if (grau)
            bild.Faerben();
        bild.VorschauZeichnen();
        NeuesSpiel(s, zufall, Variante::Drehen, 6, false);
        bild.BrettWaehlen(6, Variante::Drehen);
        bild.BrettZeichnen(s);
        benchmark::DoNotOptimize(bild.kopie().constBits());
    }
}
BENCHMARK(NeuesSpielMitBild)->Arg(0)->Arg(1)->ArgName("grau")->Unit(benchmark::kMillisecond);

static void Faerben(benchmark::State& state)
{
    Brettbild bild;
    bild.BildVorbereiten(GrossesBild);
    for (auto _ : state) {
        bild.Faerben();
        benchmark::DoNotOptimize(bild.original().constBits());
    }
}
BENCHMARK(Faerben)->Unit(benchmark::kMicrosecond);

// A turn of the last axis of a 6 x 6 board painted as the window paints it: only the four
// fields and the counter digits the move changed, with the knobs over them; at a zoom of
// 100 % and 200 % (four times the device pixels).
static void ZugNeuZeichnen(benchmark::State& state)
{
    Brettbild bild;
    bild.ZoomSetzen(state.range(0) / 100.0);
    Spielstand s;
    MtZufall zufall(1);
    bild.BildVorbereiten(GrossesBild);
    bild.HintergrundZeichnen();
    bild.ZeigeZugNr(0);
    NeuesSpiel(s, zufall, Variante::Drehen, 6, false);
    bild.BrettWaehlen(6, Variante::Drehen);
    bild.BrettZeichnen(s);
    QImage schirm = bild.kopie();
    schirm.setDevicePixelRatio(bild.verhaeltnis());  // the window's logical pixels, grown by the zoom
    bild.NimmVeraendert();
    for (auto _ : state) {
        const Zugfolge folge = Ziehe(s, {Operation::AchseRechts, 25});
        bild.FelderZeichnen(s, folge.felder);
        bild.ZeigeZugNr(s.ZugAnzahl);  // mostly one digit changes
        s.ZugAnzahl %= 9000;
        const QRegion bereich = bild.NimmVeraendert();
        QPainter p(&schirm);
        p.setClipRegion(bild.geometrie().fenster(bereich));
        p.scale(bild.zoom(), bild.zoom());
        bild.Malen(p, bereich);
        p.end();
        benchmark::DoNotOptimize(schirm.constBits());
    }
}
BENCHMARK(ZugNeuZeichnen)->Arg(100)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

// The size menu's 200 % on a game of a 1024 x 1024 picture: the art and the picture made again
// at the new size, and the whole window painted.
static void ZoomWechsel(benchmark::State& state)
{
    Spielstand s;
    MtZufall zufall(1);
    NeuesSpiel(s, zufall, Variante::Drehen, 6, false);
    for (auto _ : state) {
        state.PauseTiming();
        Brettbild bild;
        bild.BildVorbereiten(GrossesBild);
        bild.BrettWaehlen(6, Variante::Drehen);
        state.ResumeTiming();
        bild.ZoomSetzen(2.0);
        bild.HintergrundZeichnen();
        bild.ZeigeSchrift(false);
        bild.ZeigeZugNr(0);
        bild.ZeigeZeit(0);
        bild.VorschauZeichnen();
        bild.BrettZeichnen(s);
        benchmark::DoNotOptimize(bild.kopie().constBits());
    }
}
BENCHMARK(ZoomWechsel)->Unit(benchmark::kMillisecond);

// What the main window pays at start for its art: every bitmap of the board decoded and prepared.
static void BrettbildAnlegen(benchmark::State& state)
{
    for (auto _ : state) {
        Brettbild bild;
        benchmark::DoNotOptimize(bild.kopie().constBits());
    }
}
BENCHMARK(BrettbildAnlegen)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
