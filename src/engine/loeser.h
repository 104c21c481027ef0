#pragma once
// Ways home for every board, for the automatic solution and the hint (the game session keeps
// the way and follows it). Boards of side 3 in every
// variant and sliding games of side 4 are solved in the fewest possible moves, and so is every
// board a few moves from home; everything larger piece by piece, short but not always
// shortest.
//
// Every function may be called from any thread, also several at once: the tables are built
// once, by the first call that needs them, and shared (those of sliding games of side 4 are
// built with the program). Loesung, SchnelleLoesung, LoesungBeginnen and LoeserVorbereiten take
// a stop token: once a stop is requested they return within a few milliseconds, the first
// three with an empty way (never a part of one). A table
// left half built by a stop is built again by the next call that needs it.

#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine {

// The best way the solver knows: moves that bring the board home, each legal when its turn
// comes; empty when the board is solved, could never be (a board the game did not make) or the
// stop token fired. May take a second for a hard sliding game of side 4, a few hundred
// milliseconds for shifting and turning games of side 6. Nothing but the tables is kept
// between calls.
std::vector<Zug> Loesung(const Spielstand& s, std::stop_token halt = {});

// A good way home at once: well under 100 ms for every variant and side, tables built or not
// (a board of side 3 builds its small table, tens of milliseconds). Not always as short as
// Loesung's; for a hint to show while Loesung works.
std::vector<Zug> SchnelleLoesung(const Spielstand& s, std::stop_token halt = {});

// How Solve begins: where Loesung's way is the shortest there is (side 3, sliding games of
// side 4, a board near home) that way (`bester`), elsewhere SchnelleLoesung's way, whose first
// moves Solve plays while Loesung looks for a better way from a board further along it. Well
// under 300 ms for every kind, tables built or not, but for the hardest sliding games of side
// 4, whose shortest way may take the search up to a second.
struct Loesungsbeginn {
    std::vector<Zug> zuege;
    bool bester = true;
};
Loesungsbeginn LoesungBeginnen(const Spielstand& s, std::stop_token halt = {});

// Builds the tables a board of this kind needs, so that the first Loesung need not wait for
// them: tens of milliseconds for side 3 and for the moves of shifting and turning games (the
// pattern databases of sliding games come with the program). Meant for a worker thread when a
// game begins.
void LoeserVorbereiten(const Spielstand& s, std::stop_token halt = {});

// Whether the board holds every tile once and can be brought home by its variant's moves.
bool Loesbar(const Spielstand& s);

} // namespace engine
