#pragma once
// Playing with the keys: which move an arrow key makes, and how the keyboard cursor walks.
// Variant 1 needs no cursor: the arrows push a tile into the empty field. Variant 2 has a
// cursor on a field, variant 3 on an axis; it appears on the first arrow key at number 1.

#include <optional>

#include "engine/spielstand.h"

namespace engine {

enum class Richtung : uint8_t { Links, Rechts, Hoch, Runter };

// Variant 1: the tile beside the empty field that moves in that direction into it (Links: the
// tile right of the empty field moves left). Nothing at the board's edge.
std::optional<Zug> SchiebeZug(const Spielstand& s, Richtung richtung);

// The cursor one step further (field in variant 2, axis in variant 3); it stops at the edges.
// 0 stands for no cursor yet: the first step puts it on number 1.
int CursorSchritt(const Spielstand& s, int cursor, Richtung richtung);

// Variant 2: the shift of the cursor's row (Links, Rechts) or column (Hoch, Runter).
Zug VerschiebeZug(int n, int feld, Richtung richtung);

// Variant 3: the turn of the cursor's axis.
Zug DreheZug(int achse, bool imUhrzeigersinn);

// The field whose tile number the N key shows: the cursor's field (variant 3: the top-left
// field of its axis), in variant 1 the field right of the empty one; field 1 otherwise.
int NummernFeldFuerTaste(const Spielstand& s, int cursor);

} // namespace engine
