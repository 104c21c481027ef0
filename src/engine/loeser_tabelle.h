#pragma once
// 3 x 3 boards of every variant solved optimally: the distance of every position to the goal,
// one table per variant (in variant 1 one per home of the empty field), made on first use.

#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

// A shortest way home for a board of side 3; empty when solved or when the stop token fired
// while the table was being made.
std::vector<Zug> TabellenLoesung(const Spielstand& s, std::stop_token halt = {});
// Makes the table the board needs, if it is not there yet; false when stopped first.
bool TabelleVorbereiten(const Spielstand& s, std::stop_token halt = {});
// Whether it is there.
bool TabelleFertig(const Spielstand& s);

} // namespace engine::loeser
