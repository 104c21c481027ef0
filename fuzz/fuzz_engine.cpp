// A whole game driven by fuzzed input: a seeded new game, then clicks in and around the board,
// clock ticks and pauses. After every step the board holds each tile once, the solved test
// agrees with the board, the counters stay within their limits and never fall; at the end,
// undoing every move made in reverse gives back the scrambled start.

#include "eingabe.h"

#include "engine/klick.h"
#include "engine/mischen.h"
#include "engine/spielstand.h"
#include "engine/uhr.h"
#include "engine/zufall.h"

#include <algorithm>
#include <array>
#include <vector>

// ---- Adapter: the only part that knows the engine's interface. ---------------------------
namespace adapter {

using Zug = engine::Zug;
using Brett = std::array<int, engine::MaxFelder + 1>;  // [1..n*n], 0 = the empty field
enum class Taste { Links, Rechts, Mitte };

struct Spiel {
    engine::Spielstand s;
};

// A new game as the window starts one; returns the moves of the scramble.
std::vector<Zug> NeuesSpiel(Spiel& spiel, int variante, int seite, bool posZufall, unsigned saat)
{
    spiel.s.Variante = static_cast<uint8_t>(variante);
    spiel.s.Groesse = static_cast<uint8_t>(seite);
    spiel.s.PosZufall = posZufall ? 1 : 0;
    engine::MtZufall zufall(saat);
    std::vector<Zug> mischung;
    engine::NeuesSpiel(spiel.s, zufall, &mischung);
    return mischung;
}

// Returns whether the click counted as a move.
bool Klick(Spiel& spiel, Taste taste, int x, int y)
{
    static constexpr engine::Taste tasten[] = {engine::Taste::Links, engine::Taste::Rechts, engine::Taste::Mitte};
    return engine::Klick(spiel.s, tasten[int(taste)], x, y).gezaehlt;
}

void Tick(Spiel& spiel) { engine::Tick(spiel.s); }
void Pause(Spiel& spiel) { engine::PauseUmschalten(spiel.s); }

int Variante(const Spiel& spiel) { return spiel.s.Variante; }
int Seite(const Spiel& spiel) { return spiel.s.n(); }
int FreiesFeld(const Spiel& spiel) { return spiel.s.FreiesFeld; }  // variant 1: home of the gap
int Zuege(const Spiel& spiel) { return spiel.s.ZugAnzahl; }
int Sekunden(const Spiel& spiel) { return spiel.s.Sekunden; }
bool Geloest(const Spiel& spiel) { return engine::Geloest(spiel.s); }
bool Vorbei(const Spiel& spiel) { return spiel.s.phase == engine::Phase::Vorbei; }
bool Pausiert(const Spiel& spiel) { return spiel.s.pausiert(); }
bool UhrLaeuft(const Spiel& spiel) { return spiel.s.uhrLaeuft(); }

Brett Felder(const Spiel& spiel)
{
    Brett brett{};
    for (int p = 1; p <= spiel.s.felder(); ++p)
        brett[p] = spiel.s.Spielfeld[p];
    return brett;
}

// The board after one move, the game itself untouched.
Brett Angewandt(const Spiel& spiel, const Brett& brett, const Zug& zug)
{
    Spiel kopie;  // only what a move reads: the board and its size
    kopie.s.Variante = spiel.s.Variante;
    kopie.s.Groesse = spiel.s.Groesse;
    kopie.s.Teilgroesse = spiel.s.Teilgroesse;
    kopie.s.FreiesFeld = spiel.s.FreiesFeld;
    for (int p = 1; p <= kopie.s.felder(); ++p)
        kopie.s.Spielfeld[p] = static_cast<uint8_t>(brett[p]);
    engine::Ausfuehren(kopie.s, zug);
    return Felder(kopie);
}

Zug Umkehrung(const Zug& zug) { return engine::Umkehrung(zug); }

// Every move the rules allow on this board: a tile beside the gap, a row or column, an axis.
std::vector<Zug> MoeglicheZuege(const Spiel& spiel, const Brett& brett)
{
    using engine::Operation;
    const int n = Seite(spiel);
    std::vector<Zug> zuege;
    if (Variante(spiel) == 1) {
        const int leer = int(std::find(brett.begin() + 1, brett.begin() + 1 + n * n, 0) - brett.begin());
        const int zeile = (leer - 1) / n, spalte = (leer - 1) % n;
        if (spalte > 0) zuege.push_back({Operation::TeilSchieben, leer - 1, leer});
        if (spalte < n - 1) zuege.push_back({Operation::TeilSchieben, leer + 1, leer});
        if (zeile > 0) zuege.push_back({Operation::TeilSchieben, leer - n, leer});
        if (zeile < n - 1) zuege.push_back({Operation::TeilSchieben, leer + n, leer});
    } else if (Variante(spiel) == 2) {
        for (int a = 1; a <= n; ++a)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter, Operation::SpalteHoch})
                zuege.push_back({op, a});
    } else {
        for (int k = 1; k <= engine::AchsenAnzahl(n); ++k)
            for (Operation op : {Operation::AchseRechts, Operation::AchseLinks})
                zuege.push_back({op, k});
    }
    return zuege;
}

} // namespace adapter
// ---- End of the adapter. -------------------------------------------------------------------

namespace {

using namespace adapter;

Brett GeloestesBrett(const Spiel& spiel)
{
    Brett brett{};
    for (int p = 1; p <= Seite(spiel) * Seite(spiel); ++p)
        brett[p] = p;
    if (Variante(spiel) == 1)
        brett[FreiesFeld(spiel)] = 0;
    return brett;
}

// Variant 1: tiles 1..n*n except the gap's home, and one gap; the others: tiles 1..n*n.
void PruefeBrett(const Spiel& spiel)
{
    const int felder = Seite(spiel) * Seite(spiel);
    const Brett brett = Felder(spiel), geloest = GeloestesBrett(spiel);
    std::array<int, engine::MaxFelder + 1> anzahl{};  // how often each tile is on the board
    for (int p = 1; p <= felder; ++p) {
        PRUEFE(brett[p] >= 0 && brett[p] <= felder);
        ++anzahl[brett[p]];
        --anzahl[geloest[p]];
    }
    PRUEFE(anzahl == decltype(anzahl){});
    PRUEFE(Geloest(spiel) == (brett == geloest));
    PRUEFE(!Geloest(spiel) || Vorbei(spiel));  // a solved board ends the game
}

struct Stand {
    int zuege, sekunden;
};

void PruefeZaehler(const Spiel& spiel, Stand& vorher)
{
    const int zuege = Zuege(spiel), sekunden = Sekunden(spiel);
    PRUEFE(zuege <= 9999 && sekunden <= 3599);
    PRUEFE(zuege >= vorher.zuege && sekunden >= vorher.sekunden);
    PRUEFE((zuege < 9999 && sekunden < 3599) || Vorbei(spiel));  // a limit ends the game
    vorher = {zuege, sekunden};
}

class Partie {
public:
    explicit Partie(fuzz::Leser& leser) : leser(leser)
    {
        const int variante = leser.ImBereich(1, 3), seite = leser.ImBereich(3, 6);
        const bool posZufall = leser.Ja();
        const std::vector<Zug> mischung = NeuesSpiel(spiel, variante, seite, posZufall, leser.Zahl());
        start = Felder(spiel);
        // The scramble's moves lead from the solved board to the start.
        Brett brett = GeloestesBrett(spiel);
        for (const Zug& zug : mischung)
            brett = Angewandt(spiel, brett, zug);
        PRUEFE(brett == start);
        PRUEFE(!Geloest(spiel) && !Vorbei(spiel) && Zuege(spiel) == 0 && Sekunden(spiel) == 0);
        Pruefe();
    }

    void Spiele()
    {
        // Enough clicks to reach the move limit, few enough to keep every input quick.
        int klicks = 0;
        while (!leser.Leer() && klicks < 12000) {
            switch (leser.Byte() % 4) {
            case 0: Klicke(1, klicks); break;
            case 1: Ticke(leser.ImBereich(1, 4000)); break;
            case 2: Pause(spiel); Pruefe(); break;
            default: Klicke(leser.ImBereich(1, 1000), klicks); break;
            }
        }
    }

    // Undoing the moves made, last first, gives back the scrambled start.
    void PruefeRueckweg() const
    {
        Brett brett = Felder(spiel);
        for (auto zug = gemacht.rbegin(); zug != gemacht.rend(); ++zug)
            brett = Angewandt(spiel, brett, adapter::Umkehrung(*zug));
        PRUEFE(brett == start);
    }

private:
    void Pruefe()
    {
        PruefeBrett(spiel);
        PruefeZaehler(spiel, stand);
    }

    // `mal` clicks at one point, as a player clicking an arrow again and again.
    void Klicke(int mal, int& klicks)
    {
        const auto taste = static_cast<Taste>(leser.Byte() % 3);
        const int x = leser.ImBereich(0, 755), y = leser.ImBereich(0, 475);
        for (int i = 0; i < mal; ++i, ++klicks) {
            const Brett vorher = Felder(spiel);
            const bool warVorbei = Vorbei(spiel), warPausiert = Pausiert(spiel);
            if (warVorbei && i > 0)
                break;  // the same click on a finished game again: nothing new to see
            const int zuegeVorher = Zuege(spiel);
            const bool gezaehlt = Klick(spiel, taste, x, y);
            const Brett nachher = Felder(spiel);
            Pruefe();
            if (warPausiert)  // a click on a paused board only ends the pause
                PRUEFE(!Pausiert(spiel) && nachher == vorher && !gezaehlt);
            if (nachher == vorher) {
                PRUEFE(!gezaehlt && Zuege(spiel) == zuegeVorher);
                continue;
            }
            // The board changed: by exactly one move of the rules, counted once.
            PRUEFE(!warVorbei && !warPausiert && gezaehlt && Zuege(spiel) == zuegeVorher + 1);
            const std::vector<Zug> moeglich = MoeglicheZuege(spiel, vorher);
            const auto zug = std::find_if(moeglich.begin(), moeglich.end(),
                                          [&](const Zug& z) { return Angewandt(spiel, vorher, z) == nachher; });
            PRUEFE(zug != moeglich.end());
            gemacht.push_back(*zug);
        }
    }

    // One step of `mal` seconds; the clock counts only while it runs and moves no tile.
    void Ticke(int mal)
    {
        const Brett brett = Felder(spiel);
        for (int i = 0; i < mal; ++i) {
            const bool lief = UhrLaeuft(spiel);
            const int sekunden = Sekunden(spiel);
            Tick(spiel);
            PRUEFE(Sekunden(spiel) == sekunden + (lief ? 1 : 0));
            PRUEFE(Sekunden(spiel) < 3599 || Vorbei(spiel));
        }
        PRUEFE(Felder(spiel) == brett);
        Pruefe();
    }

    fuzz::Leser& leser;
    Spiel spiel;
    Brett start{};
    Stand stand{0, 0};
    std::vector<Zug> gemacht;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    Partie partie(leser);
    partie.Spiele();
    partie.PruefeRueckweg();
    return 0;
}
