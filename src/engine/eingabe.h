#pragma once
// The one place where input becomes play: a button pressed on a target, or a key with the
// keyboard cursor, turned into what should happen. The window only names the target (through
// the board geometry) or the key; it knows no rule of play.

#include <optional>

#include "engine/spielstand.h"
#include "engine/tastatur.h"
#include "engine/zug.h"

namespace engine {

// The board's keys, whatever keyboard they come from: the four arrows, a turn (Space, Return),
// a turn against the clock (Backspace) and the tile-number help (N).
enum class Spieltaste : uint8_t { Links, Rechts, Hoch, Runter, Drehen, GegenDrehen, Nummern };

struct Eingabe {
    // A button pressed on a target of the board.
    static Eingabe Zeiger(const Ziel& ziel, Taste taste) { return {ziel, taste, {}, false}; }
    // A key, with Shift or without.
    static Eingabe Tastatur(Spieltaste taste, bool umschalt) { return {{}, Taste::Links, taste, umschalt}; }

    Ziel ziel;
    Taste taste = Taste::Links;
    std::optional<Spieltaste> spieltaste;  // set for a key
    bool umschalt = false;
};

// What should happen: a move to play, where the cursor goes (0: hidden), a step of the tile
// number help pointing at a field. Anything not set: nothing.
struct Handlung {
    std::optional<Zug> zug;
    int cursor = 0;
    std::optional<int> nummernfeld;
};

// The input in the running game `s` with the keyboard cursor `cursor`. A pointer hides the
// cursor; the keys walk it (variants 2 and 3), push a tile (variant 1), shift the cursor's line
// with Shift (variant 2), turn its axis (variant 3).
Handlung Interpretiere(const Spielstand& s, int cursor, const Eingabe& eingabe);

} // namespace engine
