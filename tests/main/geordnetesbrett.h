#pragma once

#include "engine/spielstand.h"

// A board of the given variant and side with every tile at home and no empty field.
inline engine::Spielstand GeordnetesBrett(int variante, int n)
{
    engine::Spielstand s;
    s.variante = static_cast<engine::Variante>(variante);
    s.Groesse = static_cast<uint8_t>(n);
    for (int p = 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[p] = static_cast<uint8_t>(p);
    s.phase = engine::Phase::Aufgebaut;
    return s;
}
