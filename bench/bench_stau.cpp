// Whether the window's thread keeps answering while hints and solves run: the game session
// (with its helper threads) in an event loop, and on the main thread a 5 ms timer that notes
// the longest gap between its ticks. For every variant and side: a new game (its tables
// start building), three hints each followed by its move, then Solve until its first move
// is played. Prints per kind the longest stall, the slowest hint and the wait for Solve's
// first move, wall clock.
//   ./build/bench/bench_stau [games per kind, default 2]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

#include "engine/zufall.h"
#include "sitzung/spielsitzung.h"

namespace {

// The longest time between two ticks of the probe since the last Zuruecksetzen, in ms.
class Sonde {
public:
    Sonde()
    {
        uhr_.start();
        takt_.setTimerType(Qt::PreciseTimer);
        takt_.setInterval(5);
        QObject::connect(&takt_, &QTimer::timeout, [this] { Tick(); });
        takt_.start();
    }
    void Zuruecksetzen()
    {
        letzte_ = uhr_.nsecsElapsed();
        laengste_ = 0;
    }
    double Laengste() const { return double(laengste_) / 1e6; }

private:
    void Tick()
    {
        const qint64 jetzt = uhr_.nsecsElapsed();
        laengste_ = std::max(laengste_, jetzt - letzte_);
        letzte_ = jetzt;
    }
    QElapsedTimer uhr_;
    QTimer takt_;
    qint64 letzte_ = 0, laengste_ = 0;
};

// Runs the event loop until `fertig` holds or `grenzeMs` has passed; the time taken, in ms,
// or -1 when it ran out.
double Warten(const std::function<bool()>& fertig, int grenzeMs = 60000)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!fertig()) {
        if (uhr.elapsed() > grenzeMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return double(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int spiele = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    engine::MtZufall zufall(17);
    sitzung::Spielsitzung sitzung(zufall);
    std::optional<engine::Zug> tipp;
    int gezogen = 0;
    QObject::connect(&sitzung, &sitzung::Spielsitzung::tippGezeigt, [&](engine::Zug z) { tipp = z; });
    QObject::connect(&sitzung, &sitzung::Spielsitzung::gezogen, [&] { ++gezogen; });
    Sonde sonde;

    std::printf("Window thread while hints and solves run, wall ms (%d games per kind)\n", spiele);
    std::printf("var side  longest stall  slowest hint  Solve's first move\n");
    double schlimmste = 0;
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= engine::MaxSeite; ++n) {
            double stau = 0, hinweis = 0, loesen = 0;
            for (int spiel = 0; spiel < spiele; ++spiel) {
                sitzung::Einstellungen e;
                e.variante = engine::Variante(v);
                e.groesse = n;
                e.posZufall = spiel % 2 == 1;
                sonde.Zuruecksetzen();
                sitzung.NeuesSpiel(e);
                for (int i = 0; i < 3; ++i) {
                    tipp.reset();
                    sitzung.Tipp();
                    hinweis = std::max(hinweis, Warten([&] { return tipp.has_value(); }));
                    if (tipp)
                        sitzung.Ziehe(*tipp);
                }
                const int vorher = gezogen;
                sitzung.Loesen();
                loesen = std::max(loesen, Warten([&] { return gezogen > vorher; }));
                sitzung.HilfeAnhalten();
                stau = std::max(stau, sonde.Laengste());
            }
            schlimmste = std::max(schlimmste, stau);
            std::printf(" %d   %d  %13.1f %13.1f %19.1f\n", v, n, stau, hinweis, loesen);
            std::fflush(stdout);
        }
    std::printf("longest stall of all kinds: %.1f ms\n", schlimmste);
    return 0;
}
