#pragma once
// Sliding games of side 4 to 6: the board shrinks line by line, the top row or the left
// column at a time, each tile or pair of tiles brought home by a shortest way that leaves the
// finished fields alone, until 3 x 3 fields remain for the exact table.

#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// The shortest of the ways of the first `symmetrien` orders of lines; empty when stopped.
std::vector<Zug> SchiebeLoesungReihenweise(const Spielstand& s, std::stop_token halt = {}, int symmetrien = 8);

// Sides 5 and 6, shorter: lines until 4 x 4 cells remain, which the pattern databases of side 4
// solve in the fewest moves, or nearly so when that would take long; empty when stopped.
std::vector<Zug> SchiebeLoesungUeberVier(const Spielstand& s, std::stop_token halt = {});

} // namespace engine::loeser
