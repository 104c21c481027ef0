// The journal of games as a player meets it: the statistics window opened over 100,000 recorded
// games until its chart is painted, and one game's record written into that journal.
//
//   ./build/bench/bench_journal
//
// The journal of 100,000 games is made on the first run into build/bench/journal-100000/ and
// kept (as bench/journalmacher makes it). All times are wall times.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "journal/ergebnisbau.h"
#include "journal/journal.h"
#include "statistik/frmstatistik.h"

namespace {

constexpr long Spiele = 100000;

QString Journaldatei()
{
    static const QString datei = [] {
        const QString ordner = QStringLiteral(TAVELOR_BENCHORDNER "/journal-100000");
        const QString pfad = ordner + QStringLiteral("/journal.sqlite");
        if (QFile::exists(ordner + QStringLiteral("/fertig")))
            return pfad;
        QDir(ordner).removeRecursively();
        std::fprintf(stderr, "making a journal of %ld games in %s ...\n", Spiele, qPrintable(ordner));
        journal::Journal journal(pfad, false);
        engine::MtZufall zufall(42);
        for (long i = 0; i < Spiele; ++i)
            journal.Aufzeichnen(ergebnisbau::Gemischt(i, Spiele, zufall));
        QFile(ordner + QStringLiteral("/fertig")).open(QIODevice::WriteOnly);
        return pfad;
    }();
    return datei;
}

struct Umfeld {
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
};

// From the menu command to the window painted: the journal opened and read, the figures
// worked out, the window made, filled, shown and painted with its chart.
void Oeffnen(benchmark::State& state)
{
    const QString datei = Journaldatei();
    Umfeld umfeld;
    for (auto _ : state) {
        journal::Journal journal(datei, false);
        statistik::TfrmStatistik fenster(journal, umfeld.texte, umfeld.vorlieben);
        fenster.Zeigen();
        benchmark::DoNotOptimize(fenster.grab());
    }
}
// The first in a process also loads libsqlite3.
BENCHMARK(Oeffnen)->Name("StatistikOeffnen/erstes")->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Oeffnen)->Name("StatistikOeffnen")->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

void Lesen(benchmark::State& state)
{
    journal::Journal journal(Journaldatei(), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(journal::Auswerten(journal.Lesen().spiele));
}
BENCHMARK(Lesen)->Name("JournalLesenUndAuswerten")->UseRealTime()->Unit(benchmark::kMillisecond);

// A game of 150 moves recorded into a copy of the journal of 100,000, as at the end of a game;
// the journal is open already (the first record opens it).
void Aufzeichnen(benchmark::State& state)
{
    QTemporaryDir ordner;
    const QString kopie = ordner.filePath(QStringLiteral("journal.sqlite"));
    QFile::copy(Journaldatei(), kopie);
    journal::Journal journal(kopie, false);
    const sitzung::Spielergebnis e = ergebnisbau::Ergebnis(engine::Variante::Schieben, 4, 7, 150);
    journal.Aufzeichnen(e);
    double laengste = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        if (!journal.Aufzeichnen(e))
            state.SkipWithError("not written");
        laengste = std::max(laengste, double(uhr.nsecsElapsed()) / 1e6);
    }
    state.counters["max_ms"] = laengste;
}
BENCHMARK(Aufzeichnen)->Name("EinSpielAufzeichnen")->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
