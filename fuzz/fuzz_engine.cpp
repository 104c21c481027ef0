// A whole game driven by fuzzed input: a seeded new game, then clicks in and around the board,
// clock ticks and pauses. After every step the board holds each tile once, the solved test
// agrees with the board, the counters stay within their limits and never fall; at the end,
// undoing every move made in reverse gives back the scrambled start.

#include "eingabe.h"

#include "engine/mischen.h"
#include "engine/spielstand.h"
#include "engine/tastatur.h"
#include "engine/uhr.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "main/brettgeometrie.h"

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
    engine::MtZufall zufall(saat);
    std::vector<Zug> mischung;
    engine::NeuesSpiel(spiel.s, zufall, static_cast<engine::Variante>(variante), seite, posZufall, &mischung);
    return mischung;
}

// Plays a move as the session does; whether it counted.
bool Ziehe(Spiel& spiel, const std::optional<Zug>& zug)
{
    if (!zug || !spiel.s.brettAktiv())
        return false;
    engine::Ziehe(spiel.s, *zug);
    return true;
}

// A press on the board as the window maps it: a paused board only resumes. Whether it counted.
bool Klick(Spiel& spiel, Taste taste, int x, int y)
{
    static constexpr engine::Taste tasten[] = {engine::Taste::Links, engine::Taste::Rechts, engine::Taste::Mitte};
    if (spiel.s.pausiert()) {
        engine::PauseUmschalten(spiel.s);
        return false;
    }
    const haupt::Brettgeometrie geometrie(spiel.s.n(), spiel.s.variante);
    const engine::Absicht absicht = engine::Deute(spiel.s, geometrie.ZielBei({x, y}), tasten[int(taste)]);
    return absicht.art == engine::Absicht::Art::Zug && Ziehe(spiel, absicht.zug);
}

// A key as the window takes it: an arrow (0..3), with Shift (4..7), or a turn (8, 9).
bool Taste_(Spiel& spiel, int welche, int& cursor)
{
    if (!spiel.s.brettAktiv())
        return false;
    if (spiel.s.pausiert()) {
        engine::PauseUmschalten(spiel.s);
        return false;
    }
    const auto richtung = static_cast<engine::Richtung>(welche % 4);
    switch (spiel.s.variante) {
    case engine::Variante::Schieben:
        return welche < 8 && Ziehe(spiel, engine::SchiebeZug(spiel.s, richtung));
    case engine::Variante::Verschieben:
        if (welche >= 4 && welche < 8 && cursor)
            return Ziehe(spiel, engine::VerschiebeZug(spiel.s.n(), cursor, richtung));
        if (welche < 8)
            cursor = engine::CursorSchritt(spiel.s, cursor, richtung);
        return false;
    case engine::Variante::Drehen:
        if (welche >= 8)
            return cursor && Ziehe(spiel, engine::DreheZug(cursor, welche == 8));
        cursor = engine::CursorSchritt(spiel.s, cursor, richtung);
        return false;
    }
    return false;
}

void Tick(Spiel& spiel) { engine::Tick(spiel.s); }
void Pause(Spiel& spiel) { engine::PauseUmschalten(spiel.s); }

int Variante(const Spiel& spiel) { return int(spiel.s.variante); }
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
    kopie.s.variante = spiel.s.variante;
    kopie.s.Groesse = spiel.s.Groesse;
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
            switch (leser.Byte() % 6) {
            case 0: Klicke(1, klicks); break;
            case 1: Ticke(leser.ImBereich(1, 4000)); break;
            case 2: Pause(spiel); Pruefe(); break;
            case 3: Tippe(leser.ImBereich(1, 50), klicks); break;
            case 4: NimmZurueck(); ++klicks; break;
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
            if (Vorbei(spiel) && i > 0)
                break;  // the same click on a finished game again: nothing new to see
            Handle([&] { return Klick(spiel, taste, x, y); });
        }
    }

    // `mal` keys, each an arrow, Shift+arrow or a turn.
    void Tippe(int mal, int& klicks)
    {
        for (int i = 0; i < mal && !leser.Leer(); ++i, ++klicks) {
            const int welche = leser.Byte() % 10;
            Handle([&] { return Taste_(spiel, welche, cursor); });
        }
    }

    // Takes the last move back by its inverse, counted as a move.
    void NimmZurueck()
    {
        if (gemacht.empty() || Pausiert(spiel))
            return;
        Handle([&] { return Ziehe(spiel, adapter::Umkehrung(gemacht.back())); });
    }

    // One action of the player: a paused board only resumes; otherwise the board changes by at
    // most one move of the rules, counted once.
    template <class Aktion>
    void Handle(Aktion aktion)
    {
        const Brett vorher = Felder(spiel);
        const bool warVorbei = Vorbei(spiel), warPausiert = Pausiert(spiel);
        const int zuegeVorher = Zuege(spiel);
        const bool gezaehlt = aktion();
        const Brett nachher = Felder(spiel);
        Pruefe();
        if (warPausiert)
            PRUEFE(!Pausiert(spiel) && nachher == vorher && !gezaehlt);
        if (!gezaehlt) {
            PRUEFE(nachher == vorher && Zuege(spiel) == zuegeVorher);
            return;
        }
        PRUEFE(!warVorbei && !warPausiert && Zuege(spiel) == zuegeVorher + 1);
        const std::vector<Zug> moeglich = MoeglicheZuege(spiel, vorher);
        const auto zug = std::find_if(moeglich.begin(), moeglich.end(),
                                      [&](const Zug& z) { return Angewandt(spiel, vorher, z) == nachher; });
        PRUEFE(zug != moeglich.end());
        gemacht.push_back(*zug);
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
    int cursor = 0;
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
