#pragma once
// Variants 2 and 3 on boards of side 4 and more: tile after tile goes home by the cheapest chain
// of macros that leaves the tiles already home alone; the last few cells are solved exactly.

#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// The shortest of the ways found through the first `symmetrien` symmetries of the square (at
// most 8); empty when the stop token fired.
std::vector<Zug> PlatzierendeLoesung(const Spielstand& s, std::stop_token halt = {}, int symmetrien = 8);
void MakrosVorbereiten(const Spielstand& s);

} // namespace engine::loeser
