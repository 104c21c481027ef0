// Length and speed of the solver's ways. A plain timing program, as the figures are not one
// loop's; times are the solving thread's CPU time, so other work on the machine counts less.
//   ./build/bench/bench_loeser [boards per kind, default 100] [folder of korf100.txt] [schwer]
// Prints: the fast plan and the tables on first use; Korf's 100 sliding games of side 4 and
// Korf and Felner's 50 of side 5 against their published optimal lengths; one of the hardest
// positions of side 4 (with "schwer": it takes a minute or more); then for uniformly random boards of every variant and side the mean and
// largest length, the mean ratio to a lower bound, and mean, 99th percentile and worst time of
// Loesung and of SchnelleLoesung. Every way is replayed: an illegal move or a way that does not
// end at home is counted as unsolved.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "engine/loeser.h"

using namespace engine;

namespace {

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Messung {
    std::vector<double> ms, laenge, verhaeltnis;
    int ungueltig = 0;
    double Mittel(const std::vector<double>& v) const { return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size()); }
    double Perzentil(std::vector<double> v, double p) const
    {
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
    }
    double Max(const std::vector<double>& v) const { return *std::max_element(v.begin(), v.end()); }
};

bool Nachbarn(int n, int a, int b)
{
    return std::abs((a - 1) / n - (b - 1) / n) + std::abs((a - 1) % n - (b - 1) % n) == 1;
}

// Plays the way move by move, each checked against the rules.
bool FuehrtHeim(Spielstand s, const std::vector<Zug>& weg)
{
    for (const Zug& z : weg) {
        if (z.op == Operation::TeilSchieben &&
            (s.Spielfeld[z.b] != 0 || s.Spielfeld[z.a] == 0 || !Nachbarn(s.n(), z.a, z.b)))
            return false;
        Ausfuehren(s, z);
    }
    return Geloest(s);
}

// A lower bound of the way home: every move carries one tile (sliding), n tiles (a line) or
// four (an axis) one step, on the torus for lines.
int Schranke(const Spielstand& s)
{
    const int n = s.n();
    int summe = 0;
    for (int p = 1; p <= s.felder(); ++p) {
        const int t = s.Spielfeld[p];
        if (t == 0)
            continue;
        int dz = std::abs((t - 1) / n - (p - 1) / n), ds = std::abs((t - 1) % n - (p - 1) % n);
        if (s.variante == Variante::Verschieben)
            dz = std::min(dz, n - dz), ds = std::min(ds, n - ds);
        summe += dz + ds;
    }
    const int schritte = s.variante == Variante::Schieben ? 1 : s.variante == Variante::Verschieben ? n : 4;
    return std::max(1, (summe + schritte - 1) / schritte);
}

// A uniformly random board the variant's moves can solve: random home of the empty field,
// random order, two tiles swapped where the parity forbids it.
Spielstand Zufallsbrett(int v, int n, std::mt19937& zufall)
{
    Spielstand s;
    s.variante = Variante(v);
    s.Groesse = uint8_t(n);
    s.phase = Phase::Aufgebaut;
    std::vector<uint8_t> teile(size_t(n * n));
    std::iota(teile.begin(), teile.end(), uint8_t(1));
    std::shuffle(teile.begin(), teile.end(), zufall);
    for (int p = 1; p <= n * n; ++p)
        s.Spielfeld[p] = teile[size_t(p - 1)];
    if (v == 1) {
        s.FreiesFeld = std::uniform_int_distribution<int>(1, n * n)(zufall);
        for (int p = 1; p <= n * n; ++p)
            if (s.Spielfeld[p] == s.FreiesFeld)
                s.Spielfeld[p] = 0;
    }
    if (!Loesbar(s)) {  // swap two tiles that are not the empty field
        int a = 1, b = 2;
        while (s.Spielfeld[a] == 0 || s.Spielfeld[b] == 0 || a == b)
            (s.Spielfeld[a] == 0 ? a : b) += 1;
        std::swap(s.Spielfeld[a], s.Spielfeld[b]);
    }
    return s;
}

// A published instance in Korf's notation (blank 0, tile t home on cell t, goal blank top
// left), turned by half a turn into the game's board with the empty field's home last.
Spielstand AusKorf(const std::vector<int>& zellen, int n)
{
    Spielstand s;
    s.variante = Variante::Schieben;
    s.Groesse = uint8_t(n);
    s.FreiesFeld = n * n;
    s.phase = Phase::Aufgebaut;
    for (int c = 0; c < n * n; ++c)
        s.Spielfeld[n * n - c] = uint8_t(zellen[size_t(c)] == 0 ? 0 : n * n - zellen[size_t(c)]);
    return s;
}

struct Instanz {
    Spielstand brett;
    int optimal;
};

std::vector<Instanz> Lesen(const std::string& datei, int n)
{
    std::vector<Instanz> liste;
    std::ifstream ein(datei);
    for (std::string zeile; std::getline(ein, zeile);) {
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::istringstream z(zeile);
        int optimal = 0;
        z >> optimal;
        std::vector<int> zellen(size_t(n * n));
        for (int& c : zellen)
            z >> c;
        liste.push_back({AusKorf(zellen, n), optimal});
    }
    if (liste.empty())
        std::printf("  (no instances read from %s)\n", datei.c_str());
    return liste;
}

template <typename Loeser>
void Messen(Messung& m, const Spielstand& s, Loeser loeser, int vergleich)
{
    const double t = CpuMs();
    const std::vector<Zug> weg = loeser(s);
    m.ms.push_back(CpuMs() - t);
    m.ungueltig += !FuehrtHeim(s, weg);
    m.laenge.push_back(double(weg.size()));
    m.verhaeltnis.push_back(double(weg.size()) / double(vergleich));
}

void Veroeffentlicht(const char* name, const std::string& datei, int n)
{
    const std::vector<Instanz> liste = Lesen(datei, n);
    if (liste.empty())
        return;
    Messung m;
    int optimal = 0;
    for (const Instanz& i : liste) {
        Messen(m, i.brett, [](const Spielstand& s) { return Loesung(s); }, i.optimal);
        optimal += m.laenge.back() == i.optimal;
    }
    std::printf("%s: %zu boards, %d optimal, %d unsolved; length / optimal mean %.3f, max %.3f;\n"
                "  CPU ms mean %.1f, p99 %.1f, max %.1f, all %.0f\n",
                name, liste.size(), optimal, m.ungueltig, m.Mittel(m.verhaeltnis), m.Max(m.verhaeltnis),
                m.Mittel(m.ms), m.Perzentil(m.ms, 0.99), m.Max(m.ms), m.Mittel(m.ms) * double(m.ms.size()));
}

// One of the hardest sliding games of side 4: 80 moves from home (the game's fields 1 to 16).
Spielstand Schwer()
{
    Spielstand s = AusKorf(std::vector<int>(16, 0), 4);
    const int felder[16] = {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 2, 5, 4, 8, 6, 1};
    for (int p = 1; p <= 16; ++p)
        s.Spielfeld[p] = uint8_t(felder[p - 1]);
    return s;
}

void ErsteNutzung()
{
    std::printf("First use (each kind once, tables not built yet), CPU ms\n");
    std::printf("  kind              fast plan   tables (LoeserVorbereiten)   then Loesung\n");
    std::mt19937 zufall(7);
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= MaxSeite; ++n) {
            const Spielstand s = Zufallsbrett(v, n, zufall);
            double t = CpuMs();
            const bool schnell = FuehrtHeim(s, SchnelleLoesung(s));
            const double schnellMs = CpuMs() - t;
            t = CpuMs();
            LoeserVorbereiten(s);
            const double tabellen = CpuMs() - t;
            t = CpuMs();
            const bool gut = FuehrtHeim(s, Loesung(s));
            std::printf("  variant %d side %d %9.1f%s %18.1f %20.1f%s\n", v, n, schnellMs, schnell ? " " : "!", tabellen,
                        CpuMs() - t, gut ? "" : " (unsolved!)");
        }
}

// The time from a stop request to the solver's return, wall clock, the stop coming 30 ms
// into the call.
void Anhalten()
{
    std::printf("\nStop: request 30 ms into Loesung, then wall ms until it returns\n");
    std::mt19937 zufall(11);
    struct Fall {
        const char* name;
        Spielstand brett;
    };
    Spielstand mitte = Zufallsbrett(1, 4, zufall);
    const int alt = mitte.FreiesFeld;
    mitte.FreiesFeld = 11;  // a home in the middle, whose second table is built only for it
    for (int p = 1; p <= 16 && alt != 11; ++p)
        if (mitte.Spielfeld[p] == 0 || mitte.Spielfeld[p] == 11)
            mitte.Spielfeld[p] = uint8_t(mitte.Spielfeld[p] == 0 ? alt : 0);
    if (!Loesbar(mitte))
        std::swap(mitte.Spielfeld[mitte.Spielfeld[1] == 0 ? 3 : 1], mitte.Spielfeld[mitte.Spielfeld[2] == 0 ? 3 : 2]);
    const Fall faelle[] = {{"4x4 sliding, tables being built", mitte},
                           {"4x4 sliding, the 80-move position", Schwer()},
                           {"6x6 sliding", Zufallsbrett(1, 6, zufall)},
                           {"6x6 shifting", Zufallsbrett(2, 6, zufall)},
                           {"6x6 turning", Zufallsbrett(3, 6, zufall)}};
    for (const Fall& f : faelle) {
        std::chrono::steady_clock::time_point angehalten;
        bool leer = false;
        {
            std::jthread loeser([&](std::stop_token halt) { leer = Loesung(f.brett, halt).empty(); });
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            angehalten = std::chrono::steady_clock::now();
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - angehalten).count();
        std::printf("  %-36s %6.2f ms%s\n", f.name, ms, leer ? "" : " (finished before the stop)");
    }
}

double WandMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// What Solve waits for before its first move: the engine call behind Helfer::LoesungAnfordern.
std::size_t ErsterZugBekannt(const Spielstand& s) { return LoesungBeginnen(s).zuege.size(); }

// The time from Solve to its first move known, for every kind in a process of its own so that
// its first board meets no table built before (first use), then `anzahl` more random boards.
void Beginn(int anzahl)
{
    std::printf("Solve to first move known, wall ms (CPU ms), each kind in a fresh process\n");
    std::printf("var side   first use            p99                 max\n");
    std::fflush(stdout);
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= MaxSeite; ++n) {
            if (fork() != 0) {
                wait(nullptr);
                continue;
            }
            std::mt19937 zufall(unsigned(300 * v + n));
            Messung wand, cpu;
            for (int i = 0; i <= anzahl; ++i) {
                const Spielstand s = Zufallsbrett(v, n, zufall);
                const double w = WandMs(), c = CpuMs();
                ErsterZugBekannt(s);
                wand.ms.push_back(WandMs() - w);
                cpu.ms.push_back(CpuMs() - c);
            }
            std::printf(" %d   %d  %8.1f (%7.1f) %8.1f (%7.1f) %8.1f (%7.1f)\n", v, n, wand.ms[0], cpu.ms[0],
                        wand.Perzentil(wand.ms, 0.99), cpu.Perzentil(cpu.ms, 0.99), wand.Max(wand.ms), cpu.Max(cpu.ms));
            std::fflush(stdout);
            std::_Exit(0);
        }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "beginn") {
        Beginn(argc > 2 ? std::max(1, std::atoi(argv[2])) : 100);
        return 0;
    }
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::string ordner = argc > 2 ? argv[2] : TAVELOR_BENCHDATEN;
    ErsteNutzung();
    Anhalten();

    std::printf("\n");
    Veroeffentlicht("4x4 sliding, Korf's 100", ordner + "/korf100.txt", 4);
    Veroeffentlicht("5x5 sliding, Korf and Felner's 50", ordner + "/korf_felner50.txt", 5);
    std::printf("\n%d uniformly random solvable boards per kind (seeded); lengths, ratio to the lower bound\n"
                "(sliding: tiles' distances; lines: distances on the torus / n; axes: distances / 4), CPU ms\n",
                anzahl);
    std::printf("                    Loesung                                         SchnelleLoesung\n");
    std::printf("var side    mean    max  /bound    mean ms   p99 ms   max ms  bad     mean  p99 ms   max ms  bad\n");
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= MaxSeite; ++n) {
            std::mt19937 zufall(unsigned(100 * v + n));
            Messung gut, schnell;
            for (int i = 0; i < anzahl; ++i) {
                const Spielstand s = Zufallsbrett(v, n, zufall);
                LoeserVorbereiten(s);  // a new home of the empty field may need its tables
                Messen(gut, s, [](const Spielstand& b) { return Loesung(b); }, Schranke(s));
                Messen(schnell, s, [](const Spielstand& b) { return SchnelleLoesung(b); }, Schranke(s));
            }
            std::printf(" %d   %d  %7.1f %6.0f %7.2f %10.2f %8.1f %8.1f %4d  %7.1f %7.2f %8.2f %4d\n", v, n,
                        gut.Mittel(gut.laenge), gut.Max(gut.laenge), gut.Mittel(gut.verhaeltnis), gut.Mittel(gut.ms),
                        gut.Perzentil(gut.ms, 0.99), gut.Max(gut.ms), gut.ungueltig, schnell.Mittel(schnell.laenge),
                        schnell.Perzentil(schnell.ms, 0.99), schnell.Max(schnell.ms), schnell.ungueltig);
            std::fflush(stdout);
        }
    if (argc > 3 && std::string(argv[3]) == "schwer") {
        const double t = CpuMs();
        const size_t laenge = Loesung(Schwer()).size();
        std::printf("4x4 sliding, an 80-move position: %zu moves, %.0f CPU ms\n", laenge, CpuMs() - t);
    }
    return 0;
}
