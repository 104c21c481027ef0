#pragma once
// Sliding games of side 4 solved in the fewest moves: iterative deepening (IDA*) bounded by
// additive pattern databases of 5 + 5 + 5 tiles.

#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way home for a solvable sliding game of side 4.
std::vector<Zug> KuerzesteSchiebeLoesung(const Spielstand& s);
// Builds the three pattern databases this board's home of the empty field needs.
void SchiebeMusterVorbereiten(const Spielstand& s);

} // namespace engine::loeser
