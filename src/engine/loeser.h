#pragma once
// Ways home for every board: the automatic solution and the hint. Boards of side 3 in every
// variant and sliding games of side 4 are solved in the fewest possible moves; everything
// larger piece by piece, short but not always shortest, except that shifting and turning games
// a few moves from home get a shortest way.

#include <optional>
#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine {

// Moves that bring the board home, each legal when its turn comes; empty when the board is
// solved or could never be (a board the game did not make).
std::vector<Zug> Loesung(const Spielstand& s, std::stop_token halt = {});
// A good way home, ready at once: the hint's first answer while the best search goes on.
std::vector<Zug> SchnelleLoesung(const Spielstand& s, std::stop_token halt = {});

// The next move of the way the hint follows: a plan once made is followed while the board stays
// on it, so repeated hints lead home. nullopt when there is nothing to do.
std::optional<Zug> Tipp(const Spielstand& s);

// Builds the tables a board of this kind needs, so that the first hint need not wait for them.
void LoeserVorbereiten(const Spielstand& s);

// Whether the board holds every tile once and can be brought home by its variant's moves.
bool Loesbar(const Spielstand& s);

} // namespace engine
