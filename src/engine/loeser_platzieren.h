#pragma once
// Variants 2 and 3 on boards of side 4 and more: tile after tile goes home by the cheapest chain
// of macros that leaves the tiles already home alone; the last few cells are solved exactly.

#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

std::vector<Zug> PlatzierendeLoesung(const Spielstand& s);
void MakrosVorbereiten(const Spielstand& s);

} // namespace engine::loeser
