#pragma once
// Variants 2 and 3 on boards of side 4 and more: tile after tile goes home by the cheapest chain
// of macros that leaves the tiles already home alone; the last few cells are solved exactly.

#include <stop_token>
#include <vector>

#include "engine/loeser_einsatz.h"
#include "engine/spielstand.h"

namespace engine::loeser {

// How hard to look: in how many symmetries of the square (at most 8), keeping how many ways at
// each tile, searching single moves how far for one tile (depth 0: macros only), for lines
// also with the whole board shifted every way, and how far for two tiles at once.
struct Aufwand {
    int symmetrien = 8;
    int breite = 1;
    Einsatzgrenzen grenzen{0, 0, 0};
    bool verschiebungen = false;
    Einsatzgrenzen paar{0, 0, 0};   // for two tiles at once (depth 0: never)
    // Which ways stay: each step a tile not yet home is from it adds this many hundredths of a
    // move to a way's length. Ways as short but further from done are rarely the better ones.
    int unordnung = 0;
};

// The shortest way found, the board seen in each of those frames; empty when the stop token
// fired.
std::vector<Zug> PlatzierendeLoesung(const Spielstand& s, std::stop_token halt = {}, const Aufwand& aufwand = {});
void MakrosVorbereiten(const Spielstand& s);

} // namespace engine::loeser
