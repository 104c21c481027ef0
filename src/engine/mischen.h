#pragma once
// A new game: the per-game state reset and the board scrambled by random legal moves.

#include <vector>

#include "engine/spielstand.h"
#include "engine/zufall.h"

namespace engine {

// A new game of that variant and side: counters reset, the board filled and scrambled in
// passes of L = Random(1000) + 50 moves until fewer than n fields are in place. In variant 1 the
// empty field belongs in field n·n, or in a random one with posZufall. Leads to the phase
// Aufgebaut. `protokoll`, when given, receives every move of the scramble in order.
void NeuesSpiel(Spielstand& s, Zufall& zufall, Variante variante, int groesse, bool posZufall,
               std::vector<Zug>* protokoll = nullptr);

} // namespace engine
