#pragma once
// Variants 2 and 3: the few single moves that bring the next tile to its cell while every
// finished cell ends as it was, found by iterative deepening. Finished tiles may be moved on
// the way, which the macros (each leaving them alone) cannot; several such ways are given, so
// that a search over whole solutions can choose among the boards they leave.

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

#include "engine/spielstand.h"

namespace engine::loeser {

using Zellen = std::array<uint8_t, MaxFelder>;  // cell c (from 0) holds the tile whose home is Zellen[c]

struct Einsatz {
    std::vector<Zug> zuege;
    Zellen brett;
};

struct Einsatzgrenzen {
    int tiefe = 5;       // longest way looked at
    int anzahl = 4;      // most ways given back, all of the shortest length found
    long knoten = 20000; // positions looked at, at most
};

// Ways that leave every cell of `muss` (bit c: cell c) holding its own tile, the shortest that
// exist up to the limits; empty when there is none within them or the stop token fired.
std::vector<Einsatz> Einsaetze(Variante v, int n, const Zellen& brett, uint64_t muss, const Einsatzgrenzen& grenzen,
                               std::stop_token halt = {});

} // namespace engine::loeser
