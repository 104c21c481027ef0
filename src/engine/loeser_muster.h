#pragma once
// Pattern databases for sliding games of side 4: for a few tiles, the fewest moves of those
// tiles that bring them home from any places, wherever the empty field is and whatever the
// other tiles do. Tiles of disjoint patterns never move together, so their values add up to a
// lower bound of the distance home.

#include <array>
#include <cstdint>
#include <vector>

namespace engine::loeser {

class Musterdatenbank {
public:
    static constexpr int Zellen = 16;
    // The pattern's tiles by their home cells (0-based), at most five.
    explicit Musterdatenbank(const std::vector<int>& heime);
    // Index of a placing: cell of the i-th tile in the bits 4i..4i+3.
    uint8_t Wert(uint32_t index) const { return werte_[index]; }
    const uint8_t* Werte() const { return werte_.data(); }

private:
    std::vector<uint8_t> werte_;
};

} // namespace engine::loeser
