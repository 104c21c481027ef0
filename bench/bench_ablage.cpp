// What one save of the game in progress costs the window's thread: before, the file was written
// and synced there (the game as bytes, a temporary file, two fsync calls and a rename); now the
// window's thread hands a copy of the game to the ablage's thread. Games of 30 and of 9000
// counted moves (the course grows with every move). The folder is the one given by
// TAVELOR_ABLAGE (a disk, not a memory file system, for the figures that matter), else the
// system's temporary folder.

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "daten/sicherung.h"
#include "engine/mischen.h"
#include "sitzung/spielablage.h"
#include "sitzung/spieldatei.h"

namespace {

// A game of rows and columns on a 6 x 6 board after `zuege` moves.
sitzung::Schnappschuss Spiel(int zuege)
{
    sitzung::Schnappschuss x;
    x.einstellungen.variante = engine::Variante::Verschieben;
    x.einstellungen.groesse = 6;
    x.einstellungen.bilddatei = QStringLiteral("/home/spieler/Bilder/Urlaub 2024/IMG_0815.jpg");
    x.bildPruefsumme = QByteArray(32, 'p');
    engine::MtZufall zufall(7);
    engine::NeuesSpiel(x.spiel, zufall, engine::Variante::Verschieben, 6, false);
    x.start = x.spiel;
    for (int i = 0; i < zuege; ++i) {
        const engine::Zug zug{engine::Operation(1 + zufall.Random(4)), 1 + zufall.Random(6)};
        engine::Ausfuehren(x.spiel, zug);
        x.verlauf.push_back(zug);
        x.gespielt.push_back(zug);
    }
    x.spiel.ZugAnzahl = std::uint16_t(zuege);
    x.spiel.phase = engine::Phase::Laeuft;
    return x;
}

QString Ordner(const QTemporaryDir& temp)
{
    const QString gegeben = qEnvironmentVariable("TAVELOR_ABLAGE");
    return gegeben.isEmpty() ? temp.path() : gegeben;
}

// Before: the save as the window's thread did it.
void SichernVorher(benchmark::State& state)
{
    QTemporaryDir temp;
    const std::string datei = (Ordner(temp) + QStringLiteral("/spiel.dat")).toStdString();
    const sitzung::Schnappschuss stand = Spiel(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray bytes = sitzung::SpielAlsBytes(stand);
        daten::SpeichereDatei(datei, {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    }
}
BENCHMARK(SichernVorher)->Arg(30)->Arg(9000)->Unit(benchmark::kMicrosecond);

// Now: the copy of the game and its handing over; the ablage's thread writes meanwhile.
void SichernJetzt(benchmark::State& state)
{
    QTemporaryDir temp;
    sitzung::Spielablage ablage(Ordner(temp), false);
    ablage.Laden();
    const sitzung::Schnappschuss stand = Spiel(int(state.range(0)));
    for (auto _ : state)
        ablage.Sichern({stand, {}});
    ablage.Warten();
}
BENCHMARK(SichernJetzt)->Arg(30)->Arg(9000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
