#pragma once
// Pattern databases for sliding games of side 4: for a few tiles, the fewest moves of those
// tiles that bring them home from any places, wherever the empty field is and whatever the
// other tiles do. Tiles of disjoint patterns never move together, so their values add up to a
// lower bound of the distance home.

#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

namespace engine::loeser {

class Musterdatenbank {
public:
    static constexpr int Zellen = 16;
    static constexpr int MaxTeile = 6;

    // The pattern's tiles by their home cells (0-based), at most six; nullptr when the stop
    // token fired first. Six tiles take 16!/10! bytes, 5.8 MB.
    static std::unique_ptr<Musterdatenbank> Bauen(const std::vector<int>& heime, std::stop_token halt);

    int Teile() const { return teile_; }
    // The number of a placing: the cells of the tiles in the pattern's order, each counted
    // among the cells the tiles before it leave free.
    static uint32_t Rang(const uint8_t* zellen, int teile)
    {
        uint32_t rang = 0;
        for (int i = 0; i < teile; ++i) {
            int ziffer = zellen[i];
            for (int j = 0; j < i; ++j)
                ziffer -= zellen[j] < zellen[i];
            rang = rang * uint32_t(Zellen - i) + uint32_t(ziffer);
        }
        return rang;
    }
    uint8_t Wert(uint32_t rang) const { return werte_[rang]; }
    const uint8_t* Werte() const { return werte_.data(); }

private:
    explicit Musterdatenbank(int teile) : teile_(teile) {}
    int teile_;
    std::vector<uint8_t> werte_;
};

} // namespace engine::loeser
