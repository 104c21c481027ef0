#pragma once
// The game state and the seven board operations. Plain data: no windows, no drawing, no files.

#include <array>
#include <cstdint>
#include <vector>

namespace engine {

constexpr int MaxSeite = 6;
constexpr int MaxFelder = MaxSeite * MaxSeite;
constexpr uint16_t MaxZuege = 9999;
constexpr uint16_t MaxSekunden = 3599;

enum class Variante : uint8_t {
    Schieben = 1,     // tiles slide into the one empty field
    Verschieben = 2,  // rows and columns shift with wrap-around
    Drehen = 3        // four tiles turn round an axis
};

// What the window mirrors into its board input, clock and pause entry.
enum class Phase : uint8_t {
    KeinSpiel,   // before the first game: the board takes no clicks
    Aufgebaut,   // new game, no move yet: clock off, pause unavailable
    Laeuft,      // clock on, pause available
    Pausiert,    // clock off, pause checked
    Vorbei       // solved or a limit reached: board locked
};

// One game: the board, its counters and its phase.
struct Spielstand {
    Variante variante = Variante::Schieben;
    uint8_t Groesse = 4;        // board side n, 3..6
    std::array<uint8_t, MaxFelder + 1> Spielfeld{};  // [1..36]; [0] is unused, 0 = empty field
    int32_t FreiesFeld = 0;     // variant 1: the field where the empty field belongs
    uint16_t ZugAnzahl = 0;
    uint16_t Sekunden = 0;
    Phase phase = Phase::KeinSpiel;

    int n() const { return Groesse; }
    int felder() const { return Groesse * Groesse; }
    bool brettAktiv() const { return phase != Phase::KeinSpiel && phase != Phase::Vorbei; }
    bool uhrLaeuft() const { return phase == Phase::Laeuft; }
    bool pauseVerfuegbar() const { return phase == Phase::Laeuft || phase == Phase::Pausiert; }
    bool pausiert() const { return phase == Phase::Pausiert; }
    // The field that holds no tile (variant 1), or 0.
    int LeeresFeld() const;
    bool operator==(const Spielstand&) const = default;
};

// The four fields round axis k of board side n, clockwise from the top left.
std::array<int, 4> AchsFelder(int n, int k);
int AchsenAnzahl(int n);

void TeilSchieben(Spielstand& s, int feld, int ziel);
void ZeileRechts(Spielstand& s, int zeile);
void ZeileLinks(Spielstand& s, int zeile);
void SpalteRunter(Spielstand& s, int spalte);
void SpalteHoch(Spielstand& s, int spalte);
void AchseRechts(Spielstand& s, int k);
void AchseLinks(Spielstand& s, int k);

// One board operation with its arguments (TeilSchieben: a = field, b = target; the others: a):
// a move as data, the same whether it comes from the mouse, the keyboard or the scramble.
enum class Operation : uint8_t { TeilSchieben, ZeileRechts, ZeileLinks, SpalteRunter, SpalteHoch, AchseRechts, AchseLinks };
struct Zug {
    Operation op;
    int a;
    int b = 0;
    bool operator==(const Zug&) const = default;
};
// Applies the board operation only: nothing is counted.
void Ausfuehren(Spielstand& s, const Zug& zug);
Zug Umkehrung(const Zug& zug);
// The fields a move changes.
std::vector<int> GeaenderteFelder(int n, const Zug& zug);

// Number of fields holding their own tile; in variant 1 the empty field counts on its home field.
int CheckPosFelder(const Spielstand& s);
bool Geloest(const Spielstand& s);

} // namespace engine
