#pragma once
// Sliding games of side 5 and 6: the board shrinks line by line, the top row or the left
// column at a time, each tile or pair of tiles brought home by a shortest way that leaves the
// finished fields alone, until 3 x 3 fields remain for the exact table.

#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

std::vector<Zug> SchiebeLoesungReihenweise(const Spielstand& s);

} // namespace engine::loeser
