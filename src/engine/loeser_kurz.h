#pragma once
// Close to home: a shortest way of a few moves, if there is one, found by iterative deepening
// bounded by how far the tiles are from home. The piecewise solvers are short on scrambled
// boards but can take detours where a player nearly has it.

#include <optional>
#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way of at most `hoechstens` moves, or nullopt when there is none, the search
// would visit more than `knotenGrenze` positions or the stop token fired.
std::optional<std::vector<Zug>> KurzerWeg(const Spielstand& s, int hoechstens, long knotenGrenze,
                                          std::stop_token halt = {});

// The same for variant 1, bounded by the tiles' distances from home.
std::optional<std::vector<Zug>> KurzerSchiebeWeg(const Spielstand& s, int hoechstens, long knotenGrenze,
                                                 std::stop_token halt = {});

} // namespace engine::loeser
