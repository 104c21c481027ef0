#pragma once
// What a record keeps for a replay (the start board, every move played and the clock's second at
// each) as the journal stores it, and back. Plain functions, no database.
//
//   brett     the start board: n·n bytes, the tile on fields 1..n·n in order. Variant 1: every
//             tile 1..n·n but the home field's own once and one 0 (the empty field); variants 2
//             and 3: every tile 1..n·n once. The board must be one its variant can solve.
//             Absent when the start is not known.
//   heimfeld  variant 1 with a board: the field where the empty field belongs, 1..n·n; else 0.
//   zuege     one byte per move, in the order played (taken-back moves included):
//               variant 1: 4·(f−1) + r, the tile on field f slides r: 0 up, 1 right, 2 down,
//                          3 left, onto a field of the board; with a start board known, onto
//                          the empty field
//               variant 2: 6·k + (l−1), row or column l (1..n) shifted k: 0 row right,
//                          1 row left, 2 column down, 3 column up
//               variant 3: 2·(a−1) + d, axis a (1..(n−1)²) turned d: 0 clockwise,
//                          1 counter-clockwise
//             at most 100000 moves.
//   zeiten    the clock's second at each move, 2 bytes little-endian per move, 0..3599 and
//             never less than the one before; empty when not known.
//
// Reading refuses anything else; writing and reading back gives the same bytes.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/spielstand.h"

namespace journal {

inline constexpr std::size_t ZuegeHoechstens = 100000;

struct Verlauf {
    std::optional<engine::Spielstand> start;  // as a new game leaves it: no move, no second
    std::vector<engine::Zug> zuege;
    std::vector<std::uint16_t> sekunden;      // as many as zuege, or none
    bool operator==(const Verlauf&) const = default;
};

struct Verlaufsbytes {
    std::optional<QByteArray> brett;
    int heimfeld = 0;
    QByteArray zuege;
    QByteArray zeiten;
    bool operator==(const Verlaufsbytes&) const = default;
};

// What cannot be stored is left out: a start of another kind of board, moves of another
// variant (then all moves), seconds not matching the moves.
Verlaufsbytes VerlaufKodieren(engine::Variante variante, int n, const Verlauf& verlauf);
std::optional<Verlauf> VerlaufDekodieren(engine::Variante variante, int n, const Verlaufsbytes& bytes);

} // namespace journal
