#pragma once
// Variants 2 and 3 close to home: a shortest way of a few moves, if there is one, found by
// iterative deepening bounded by how far the tiles are from home. The piecewise solver is
// short on scrambled boards but can take detours where a player nearly has it.

#include <optional>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way of at most `hoechstens` moves, or nullopt when there is none or the search
// would visit more than `knotenGrenze` positions.
std::optional<std::vector<Zug>> KurzerWeg(const Spielstand& s, int hoechstens, long knotenGrenze);

} // namespace engine::loeser
