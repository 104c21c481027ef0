#pragma once
// 3 x 3 boards of every variant solved optimally: the distance of every position to the goal,
// one table per variant (in variant 1 one per home of the empty field), made on first use.

#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way home for a board of side 3; empty when solved.
std::vector<Zug> TabellenLoesung(const Spielstand& s);
// Makes the table the board needs, if it is not there yet.
void TabelleVorbereiten(const Spielstand& s);

} // namespace engine::loeser
