#pragma once
// A new game: the per-game state reset and the board scrambled by random legal moves.

#include <vector>

#include "engine/spielstand.h"
#include "engine/zufall.h"

namespace engine {

// Resets counters and help, fills the board and scrambles it in passes of L = Random(1000) + 50
// moves until fewer than n fields are in place. Leads to the phase Aufgebaut.
// `protokoll`, when given, receives every move of the scramble in order.
void NeuesSpiel(Spielstand& s, Zufall& zufall, std::vector<Zug>* protokoll = nullptr);

} // namespace engine
