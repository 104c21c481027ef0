#pragma once
// Sliding games of side 4 solved in the fewest moves: iterative deepening (IDA*) bounded by
// additive pattern databases of 6 + 6 + 3 tiles, the larger of two such sums where the empty
// field's home lies on a diagonal.

#include <optional>
#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way home for a solvable sliding game of side 4; nullopt when the stop token fired
// or the search would visit more than `knotenGrenze` positions (no limit when negative). A
// `gewicht` above 100 weighs the bound by that many percent: the way is found far sooner and
// is at most that much longer than the shortest.
std::optional<std::vector<Zug>> KuerzesteSchiebeLoesung(const Spielstand& s, std::stop_token halt = {},
                                                        long knotenGrenze = -1, int gewicht = 100);
// The pattern databases' lower bound of the way home.
int SchiebeSchranke(const Spielstand& s, std::stop_token halt = {});

} // namespace engine::loeser
