#pragma once
// Variants 2 and 3: the board seen in another frame. The symmetries of the square map lines to
// lines and axes to axes, and on the torus of the lines so does every shift of the whole
// board: a way found for the board in such a frame, its moves mapped back, is a way as long
// for the real board. Each frame puts other tiles first for the piecewise solver.

#include <vector>

#include "engine/loeser_einsatz.h"
#include "engine/spielstand.h"

namespace engine::loeser {

struct Rahmen {
    Zellen bild{};           // the real board's cell c is the frame's cell bild[c]
    std::vector<Zug> zuege;  // the frame's moves ...
    std::vector<Zug> echt;   // ... and the real move each of them is
};

// The first `symmetrien` symmetries of the square (at most 8), each with every shift of the
// whole board when `verschiebungen` (variant 2 only); the first frame is the board itself.
std::vector<Rahmen> Rahmenliste(Variante v, int n, int symmetrien, bool verschiebungen);

// The board in the frame: a tile keeps its place and its name relative to the frame.
Spielstand ImRahmen(const Spielstand& s, const Rahmen& r);
// Moves found in the frame, played on the real board.
std::vector<Zug> AusDemRahmen(const std::vector<Zug>& zuege, const Rahmen& r);

} // namespace engine::loeser
