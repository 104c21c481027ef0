#pragma once
// Variants 2 and 3 on boards of side 4 and more: short move sequences (macros) and what they
// do. Next to the single shifts and turns the library holds their conjugates (setup, move,
// undo) and commutators, which move only a few tiles and leave the rest of the board alone.

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

struct Makro {
    std::vector<Zug> zuege;
    uint64_t traeger = 0;  // the cells whose tiles it moves (cell c = field c + 1)
    std::vector<std::pair<uint8_t, uint8_t>> wirkung;  // the tile on .first ends on .second
    bool ungerade = false;  // an odd permutation of the cells
    int kosten() const { return int(zuege.size()); }
};

struct Makrobibliothek {
    std::vector<Makro> makros;
    // For every cell, the macros that move its tile, with the cell it ends on, cheapest first.
    std::vector<std::vector<std::pair<int, uint8_t>>> ab;
};

// Built on first use, once per variant and side; safe to call from several threads.
const Makrobibliothek& Makros(Variante v, int n);

// The same moves, shorter: moves of one line or axis merge across moves they commute with.
std::vector<Zug> Vereinfacht(const std::vector<Zug>& zuege, Variante v, int n);

} // namespace engine::loeser
