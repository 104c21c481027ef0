#pragma once
// The shortest way home for a 3 x 3 sliding game, found by breadth-first search.

#include <vector>

// brett[1..9] holds the tile on each field, 0 on the empty field ([0] unused). The result is
// the fields to click in order: each is next to the empty field and slides its tile there.
// Empty when the board is home already or cannot get there.
std::vector<int> Loesungsweg(const std::vector<int>& brett);
