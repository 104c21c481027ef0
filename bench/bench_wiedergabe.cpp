// How long a replay of 10,000 moves takes to start: the record taken (every board worked out
// once), and with it the window's part, the record's picture prepared and its start board drawn.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "engine/mischen.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "main/brettbild.h"
#include "sitzung/wiedergabe.h"

namespace {

// A record of `zuege` random legal moves on a scrambled board of that variant and side 6.
sitzung::Spielergebnis Aufzeichnung(engine::Variante variante, int zuege)
{
    engine::MtZufall zufall(3);
    engine::Spielstand s;
    engine::NeuesSpiel(s, zufall, variante, 6, false);
    sitzung::Spielergebnis e;
    e.einstellungen.variante = variante;
    e.einstellungen.groesse = 6;
    e.start = s;
    while (int(e.gespielt.size()) < zuege) {
        engine::Zug zug{engine::Operation::AchseRechts, zufall.Random(25) + 1};
        if (variante == engine::Variante::Verschieben)
            zug = {engine::Operation::ZeileRechts, zufall.Random(6) + 1};
        if (variante == engine::Variante::Schieben) {
            static constexpr int schritt[] = {1, -1, 6, -6};
            const int leer = s.LeeresFeld(), ziel = leer + schritt[zufall.Random(4)];
            const bool quer = ziel == leer + 1 || ziel == leer - 1;
            if (ziel < 1 || ziel > 36 || (quer && (ziel - 1) / 6 != (leer - 1) / 6))
                continue;
            zug = {engine::Operation::TeilSchieben, ziel, leer};
        }
        engine::Ausfuehren(s, zug);
        e.gespielt.push_back(zug);
        e.zugSekunden.push_back(uint16_t(e.gespielt.size() / 4));
    }
    return e;
}

void Laden(benchmark::State& state)
{
    const auto e = Aufzeichnung(engine::Variante(state.range(0)), 10000);
    for (auto _ : state) {
        sitzung::Wiedergabe w;
        benchmark::DoNotOptimize(w.Laden(e));
    }
}
BENCHMARK(Laden)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// What the window does besides: the record's picture (the built-in one) and its start board.
void LadenUndZeichnen(benchmark::State& state)
{
    const auto e = Aufzeichnung(engine::Variante(state.range(0)), 10000);
    haupt::Brettbild bild;
    QImage bildschirm(bild.kopie().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        sitzung::Wiedergabe w;
        w.Laden(e);
        bild.BildVorbereiten(QString());
        bild.VorschauZeichnen();
        bild.BrettWaehlen(w.brett().n(), w.brett().variante);
        bild.BrettZeichnen(w.brett());
        QPainter p(&bildschirm);
        bild.Malen(p, bild.NimmVeraendert());
    }
}
BENCHMARK(LadenUndZeichnen)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}
