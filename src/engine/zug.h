#pragma once
// Input in the rules' own terms: what the player points at, which move that makes, and the
// move played with everything that follows from it. No pixels: the board geometry of the
// window turns a point into a target, the keyboard and a solver name moves directly.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/spielstand.h"

namespace engine {

enum class Taste : uint8_t { Links, Rechts, Mitte };

enum class Zielart : uint8_t {
    Nichts,
    Feld,                 // variant 1: a field of the board
    StreifenLinks,        // variant 2: the arrow strips beside rows (nummer = row)
    StreifenOben,         // ... above columns (nummer = column)
    StreifenRechts,
    StreifenUnten,
    Achse                 // variant 3: the knob of axis nummer
};

struct Ziel {
    Zielart art = Zielart::Nichts;
    int nummer = 0;
    int feld = 0;  // the field under the point for the tile-number help, 0 off the field range
    bool operator==(const Ziel&) const = default;
};

// What a button pressed on a target does in the current game.
struct Absicht {
    enum class Art : uint8_t { Nichts, Zug, Nummernhilfe };
    Art art = Art::Nichts;
    engine::Zug zug{Operation::TeilSchieben, 0};
    int feld = 0;  // Nummernhilfe: the field pointed at
};
Absicht Deute(const Spielstand& s, const Ziel& ziel, Taste taste);

enum class Ende : uint8_t { Keins, Geloest, MaxZuege, MaxZeit };

struct Zugfolge {
    std::vector<int> felder;  // the fields the move changed
    Ende ende = Ende::Keins;  // the game ended with this move (phase Vorbei)
};

// Plays a move of the running game: the board changes, the move is counted, the first move
// starts the clock, and a solved board or the 9999th move ends the game. The move must be one
// the rules allow here (Deute or a solver gives such moves).
Zugfolge Ziehe(Spielstand& s, const Zug& zug);

// What a move does to every field of a board of side n: after it, field c + 1 holds what field
// herkunft[c] + 1 held (counted from 0). In variant 1 the empty field trades places with the
// tile, so every move is a permutation. The solver and the animation read moves here, so
// neither keeps a rule of its own.
std::array<uint8_t, MaxFelder> Herkunft(Variante variante, int n, const Zug& zug);

} // namespace engine
