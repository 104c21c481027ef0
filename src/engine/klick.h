#pragma once
// What a mouse click on the board does, as one call: state and click in, what changed out.

#include <vector>

#include "engine/spielstand.h"

namespace engine {

enum class Taste { Links, Rechts, Mitte };

// The step of the tile-number help a right click made.
enum class Hilfeschritt {
    Keiner,
    EinFeld,     // 0 -> 1: the number of NummernFeld
    AlleFelder,  // 1 -> 2: the numbers of all fields
    Aus          // 2 -> 0: numbers gone
};

enum class Ende { Keins, Geloest, MaxZuege };

struct Klickergebnis {
    bool pauseBeendet = false;   // the click only ended the pause
    std::vector<int> felder;     // fields to redraw, in drawing order
    bool gezaehlt = false;       // a move was made: count shown anew, "ton1.wav" asked for
    bool uhrStartet = false;     // the first move: clock on, pause available
    Hilfeschritt hilfe = Hilfeschritt::Keiner;
    Ende ende = Ende::Keins;     // the game ended with this click (phase Vorbei)
};

// x, y are client coordinates of the main window.
Klickergebnis Klick(Spielstand& s, Taste taste, int x, int y);

// The field under (x, y), or 0 outside the board's field range.
int FeldBei(const Spielstand& s, int x, int y);

} // namespace engine
