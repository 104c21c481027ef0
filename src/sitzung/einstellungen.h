#pragma once
// What the player chooses before a game; the settings dialog edits a copy of it.

#include <QString>

#include "engine/spielstand.h"

namespace sitzung {

struct Einstellungen {
    engine::Variante variante = engine::Variante::Schieben;
    int groesse = 4;         // board side n, 3..6
    bool vorschau = true;    // the preview beside the board (the window is then 755 wide)
    bool posZufall = false;  // variant 1: the empty field belongs in a random field
    bool swBild = false;     // the picture turned to grey tones
    QString bilddatei;       // full path; empty for the built-in picture
    bool operator==(const Einstellungen&) const = default;
};

} // namespace sitzung
