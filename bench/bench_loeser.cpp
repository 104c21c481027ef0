// Speed and length of the solver's ways: for seeded scrambles of the game's own kind, every
// variant and side, the mean length and the mean and worst time per solution; first the time
// each table takes on first use. A plain timing program, as the figures are not one loop's.
// ./build/bench/bench_loeser [scrambles per kind, default 100] [home of the empty field for the
// first 4x4 hint, default 16: 11 for a middle home, 15 for an edge home]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/loeser.h"
#include "engine/mischen.h"

using namespace engine;

namespace {

using Uhr = std::chrono::steady_clock;

double Millisekunden(Uhr::time_point seit)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - seit).count();
}

Spielstand Gemischt(int v, int n, unsigned saat)
{
    Spielstand s;
    MtZufall zufall(saat);
    NeuesSpiel(s, zufall, static_cast<Variante>(v), n, true);
    return s;
}

// A board of the kind with the empty field's home on `frei` (variant 1).
Spielstand MitHeim(int v, int n, int frei)
{
    for (unsigned saat = 1;; ++saat) {
        Spielstand s = Gemischt(v, n, saat);
        if (v != 1 || s.FreiesFeld == frei)
            return s;
    }
}

void ErsteNutzung(int heim)
{
    std::printf("First use (tables built on demand, once per run)\n");
    const Spielstand erster = MitHeim(1, 4, heim);
    auto t = Uhr::now();
    const auto tipp = Tipp(erster);
    std::printf("  first hint, 4x4 sliding, home of the empty field on field %2d:   %7.1f ms%s\n", heim,
                Millisekunden(t), tipp ? "" : " (no move!)");
    struct Art {
        const char* name;
        int v, n, frei;
    };
    const Art arten[] = {
        {"4x4 sliding, pattern databases for a middle home", 1, 4, 11},
        {"4x4 sliding, pattern databases for an edge home", 1, 4, 15},
        {"3x3 sliding, table for one home of the empty field", 1, 3, 5},
        {"3x3 shifting, table", 2, 3, 0},
        {"3x3 turning, table", 3, 3, 0},
    };
    for (const Art& a : arten) {
        t = Uhr::now();
        LoeserVorbereiten(MitHeim(a.v, a.n, a.frei));
        std::printf("  %-52s %7.1f ms\n", a.name, Millisekunden(t));
    }
    for (int v : {2, 3})
        for (int n = 4; n <= MaxSeite; ++n) {
            t = Uhr::now();
            LoeserVorbereiten(MitHeim(v, n, 0));
            std::printf("  %dx%d %s, macro library %*s %7.1f ms\n", n, n, v == 2 ? "shifting" : "turning",
                        v == 2 ? 25 : 26, "", Millisekunden(t));
        }
}

} // namespace

int main(int argc, char** argv)
{
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int heim = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 16) : 16;
    ErsteNutzung(heim);
    std::printf("\n%d scrambles per kind (NeuesSpiel, seeds 1..%d, random home of the empty field)\n", anzahl, anzahl);
    std::printf("variant  side   mean length   max length   mean ms    p95 ms  worst ms  unsolved\n");
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= MaxSeite; ++n) {
            std::vector<double> zeiten;
            double laengen = 0;
            size_t laengste = 0;
            int offen = 0;
            for (int i = 1; i <= anzahl; ++i) {
                const Spielstand s = Gemischt(v, n, unsigned(i));
                const auto t = Uhr::now();
                const auto weg = Loesung(s);
                zeiten.push_back(Millisekunden(t));
                Spielstand e = s;
                for (const Zug& z : weg)
                    Ausfuehren(e, z);
                offen += !Geloest(e);
                laengen += double(weg.size());
                laengste = std::max(laengste, weg.size());
            }
            std::sort(zeiten.begin(), zeiten.end());
            double summe = 0;
            for (double z : zeiten)
                summe += z;
            std::printf("   %d      %d   %11.1f   %10zu  %8.2f  %8.2f  %8.2f  %8d\n", v, n, laengen / anzahl, laengste,
                        summe / anzahl, zeiten[size_t(anzahl * 95 / 100) - (anzahl >= 20 ? 1 : 0)], zeiten.back(), offen);
            if (v == 1 && n == 4) {
                const auto unter = std::lower_bound(zeiten.begin(), zeiten.end(), 1000.0) - zeiten.begin();
                std::printf("             4x4 sliding: %.0f %% solved in under 1 s\n", 100.0 * double(unter) / anzahl);
            }
        }
    return 0;
}
