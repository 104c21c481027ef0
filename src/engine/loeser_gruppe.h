#pragma once
// Sliding games of side 5 and 6: a whole line of tiles brought home together by a best-first
// search over the places of those tiles and of the empty field (the other tiles are all alike
// to it), bounded by the tiles' distances home. Together the tiles of a line share the empty
// field's trips, which tile by tile they would make again and again.

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace engine::loeser {

// The cells (0-based, side n) the empty field moves into, one a move, so that the tiles now on
// `stellen` reach `heime`; no move enters a cell of `fest`. The bound is weighed by `gewicht`
// percent (100: the fewest moves). nullopt when more than `knoten` states would be taken up or
// the stop token fired.
std::optional<std::vector<int>> GruppeHeimbringen(int n, const std::vector<int>& stellen, int leer, uint64_t fest,
                                                  const std::vector<int>& heime, int gewicht, long knoten,
                                                  std::stop_token halt);

} // namespace engine::loeser
