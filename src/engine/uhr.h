#pragma once
// The game clock and the pause.

#include "engine/spielstand.h"

namespace engine {

struct Tickergebnis {
    bool gezaehlt = false;         // Sekunden grew: the time display must be redrawn
    bool zeitAbgelaufen = false;   // 3599 reached: the game is over
};

// One second of a running game; a clock that does not run counts nothing.
Tickergebnis Tick(Spielstand& s);

// Running -> paused and paused -> running; other phases stay.
// Returns whether the game is paused afterwards.
bool PauseUmschalten(Spielstand& s);

// Any of the three ends: board locked, clock stopped.
void SpielBeenden(Spielstand& s);

} // namespace engine
