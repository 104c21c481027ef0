#pragma once
// The game state and the seven board operations. Plain data: no windows, no drawing, no files.

#include <array>
#include <cstdint>
#include <string>

namespace engine {

constexpr int MaxSeite = 6;
constexpr int MaxFelder = MaxSeite * MaxSeite;
constexpr int BrettLinks = 57;   // client position of the board's top-left corner
constexpr int BrettOben = 56;
constexpr int BrettKante = 360;  // the board is always 360 x 360 pixels
constexpr uint16_t MaxZuege = 9999;
constexpr uint16_t MaxSekunden = 3599;

// What the window mirrors into its board input, clock and pause entry.
enum class Phase : uint8_t {
    KeinSpiel,   // before the first game: the board takes no clicks
    Aufgebaut,   // new game, no move yet: clock off, pause unavailable
    Laeuft,      // clock on, pause available
    Pausiert,    // clock off, pause checked
    Vorbei       // solved or a limit reached: board locked
};

struct Spielstand {
    uint8_t Variante = 1;       // 1 sliding, 2 shifting rows and columns, 3 turning axes
    uint8_t Groesse = 4;        // board side n, 3..6
    uint8_t Teilgroesse = 0;    // 360 div n
    std::array<uint8_t, MaxFelder + 1> Spielfeld{};  // [1..36]; [0] is unused, 0 = empty field
    int32_t FreiesFeld = 0;     // variant 1: the field where the empty field belongs
    uint16_t ZugAnzahl = 0;
    uint16_t Sekunden = 0;
    uint8_t Vorschau = 1;
    uint8_t PosZufall = 0;
    uint8_t SWBild = 0;
    std::string Bilddatei;      // empty = the built-in picture
    uint8_t NummernModus = 0;   // 0 none, 1 one field's number, 2 all numbers
    uint8_t NummernFeld = 0;
    uint8_t NeuerEintrag = 0;
    Phase phase = Phase::KeinSpiel;

    int n() const { return Groesse; }
    int felder() const { return Groesse * Groesse; }
    bool brettAktiv() const { return phase != Phase::KeinSpiel && phase != Phase::Vorbei; }
    bool uhrLaeuft() const { return phase == Phase::Laeuft; }
    bool pauseVerfuegbar() const { return phase == Phase::Laeuft || phase == Phase::Pausiert; }
    bool pausiert() const { return phase == Phase::Pausiert; }
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

// One board operation with its arguments (TeilSchieben: a = field, b = target; the others: a).
enum class Operation : uint8_t { TeilSchieben, ZeileRechts, ZeileLinks, SpalteRunter, SpalteHoch, AchseRechts, AchseLinks };
struct Zug {
    Operation op;
    int a;
    int b = 0;
    bool operator==(const Zug&) const = default;
};
void Ausfuehren(Spielstand& s, const Zug& zug);
Zug Umkehrung(const Zug& zug);

// Number of fields holding their own tile; in variant 1 the empty field counts on its home field.
int CheckPosFelder(const Spielstand& s);
bool Geloest(const Spielstand& s);

} // namespace engine
