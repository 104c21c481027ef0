#pragma once
// Pattern databases for sliding games of side 4: for a few tiles, the fewest moves of those
// tiles that bring them home from any places, wherever the empty field is and whatever the
// other tiles do. Tiles of disjoint patterns never move together, so their values add up to a
// lower bound of the distance home.

#include <array>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

namespace engine::loeser {

// The patterns whose tables the game ships, by tiles (= home fields, 1-based; 0 ends a short
// one). A pattern that is a mirror or turn of one of these reads its table through that
// symmetry, so few tables serve every home of the empty field.
constexpr int MusterAnzahl = 4;
using Musterteile = std::array<int, 6>;
constexpr std::array<Musterteile, MusterAnzahl> MusterTeile = {{
    {1, 2, 5, 6, 9, 10},   // two columns of three in a corner
    {3, 4, 7, 8, 12, 16},  // a corner block of four and two more down the side
    {13, 14, 15},          // three of the bottom row, from the corner
    {13, 14, 16},          // the bottom row without its third field
}};

class Musterdatenbank {
public:
    static constexpr int Zellen = 16;
    static constexpr int MaxTeile = 6;

    // The pattern's tiles by their home cells (0-based), at most six; nullptr when the stop
    // token fired first. Six tiles take 16!/10! bytes, 5.8 MB.
    static std::unique_ptr<Musterdatenbank> Bauen(const std::vector<int>& heime, std::stop_token halt);
    // A table built before (by the build, which ships them): `werte` must outlive it.
    Musterdatenbank(int teile, const uint8_t* werte) : teile_(teile), werte_(werte) {}
    // The number of placings of so many tiles: the table's size in bytes.
    static std::size_t Platzierungen(int teile);

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
    const uint8_t* Werte() const { return werte_; }

private:
    explicit Musterdatenbank(int teile) : teile_(teile) {}
    int teile_;
    std::vector<uint8_t> eigene_;  // a table built here; a shipped one is not owned
    const uint8_t* werte_ = nullptr;
};

// The tables of MusterTeile one after another, as the build made them (loeser_muster_macher).
const uint8_t* MustertafelnDaten();

} // namespace engine::loeser
