// Speed of the board picture: a new game from a 1024 x 1024 BMP (load, stretch, grey, preview,
// scramble, every field), the redraw of one move, and a change of the zoom.

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "engine/mischen.h"
#include "engine/zug.h"
#include "daten/texte.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"
#include "main/brettbild.h"
#include "main/frmmain.h"
#include "sitzung/spielleitung.h"
#include "sitzung/spielsitzung.h"

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
        bild.ZeigeSchrift(QStringLiteral("de"));
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
// fields and the counter digits the move changed, with the knobs over them, through the
// window's update region and back; at a zoom of 100 %, 150 % and 200 % (four times the device
// pixels). The goal: 200 % at most twice the cost of 100 %.
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
        const QRegion fenster = bild.geometrie().fenster(bild.NimmVeraendert());
        QPainter p(&schirm);
        p.setClipRegion(fenster);
        p.scale(bild.zoom(), bild.zoom());
        bild.Malen(p, bild.geometrie().klassisch(fenster));
        p.end();
        benchmark::DoNotOptimize(schirm.constBits());
    }
}
BENCHMARK(ZugNeuZeichnen)->Arg(100)->Arg(150)->Arg(200)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

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
        bild.ZeigeSchrift(QStringLiteral("de"));
        bild.ZeigeZugNr(0);
        bild.ZeigeZeit(0);
        bild.VorschauZeichnen();
        bild.BrettZeichnen(s);
        benchmark::DoNotOptimize(bild.kopie().constBits());
    }
}
BENCHMARK(ZoomWechsel)->Unit(benchmark::kMillisecond);

// The size menu's 200 % in the main window (offscreen) during a game of a 1024 x 1024 picture,
// from the click until the window has painted itself at the new size: the size stored in
// options.ini, the art and the picture made at the new size (decoded each time, as at the first
// change of a run: no picture service keeps it), the whole window painted. The goal: at most 50 ms.
static void ZoomImFenster(benchmark::State& state)
{
    QTemporaryDir ordner;
    const daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    const daten::Texte texte{umgebung, vorlieben};
    MtZufall zufall(1);
    sitzung::Spielsitzung sitzung{zufall};
    sitzung::Spielleitung leitung{sitzung, nullptr, vorlieben, nullptr};
    haupt::TfrmMain frm{texte, vorlieben, leitung, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }, {}}};
    frm.show();
    sitzung::Einstellungen einstellungen;
    einstellungen.variante = Variante::Drehen;
    einstellungen.groesse = 6;
    einstellungen.bilddatei = GrossesBild;
    sitzung.NeuesSpiel(einstellungen);
    const auto eintrag = [&](const char* name) { return frm.findChild<QAction*>(QLatin1String(name)); };
    eintrag("mnuNeuesSpielWieZuvor")->trigger();
    QWidget* feld = frm.findChild<QWidget*>(QStringLiteral("ptbSpielfeld"));
    for (auto _ : state) {
        state.PauseTiming();
        eintrag("mnuGroesse100")->trigger();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        eintrag("mnuGroesse200")->trigger();
        QCoreApplication::processEvents();  // the update the change asked for: the paint
    }
    if (feld->width() != 1510)
        state.SkipWithError("the window did not grow");
}
BENCHMARK(ZoomImFenster)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
