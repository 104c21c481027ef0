#pragma once
// What the solver's parts share: moves of variant 1 as field pairs, and the symmetries of the
// square, which let one table or pattern set serve every home of the empty field.

#include <array>
#include <utility>
#include <vector>

#include "engine/zug.h"

namespace engine::loeser {

// The tile on `feld` slides into the empty field `leer`.
inline Zug Schiebezug(int feld, int leer) { return {Operation::TeilSchieben, feld, leer}; }

// One of the eight symmetries of the n x n square: mirror rows, mirror columns, then swap rows
// and columns. Tiles are numbered by their home field, so a tile's number moves with its home.
struct Symmetrie {
    int n = 0;
    bool zeilenSpiegeln = false;
    bool spaltenSpiegeln = false;
    bool tauschen = false;

    int Bild(int feld) const
    {
        int z = (feld - 1) / n, sp = (feld - 1) % n;
        if (zeilenSpiegeln) z = n - 1 - z;
        if (spaltenSpiegeln) sp = n - 1 - sp;
        if (tauschen) std::swap(z, sp);
        return z * n + sp + 1;
    }
    int Urbild(int feld) const
    {
        int z = (feld - 1) / n, sp = (feld - 1) % n;
        if (tauschen) std::swap(z, sp);
        if (zeilenSpiegeln) z = n - 1 - z;
        if (spaltenSpiegeln) sp = n - 1 - sp;
        return z * n + sp + 1;
    }
    static Symmetrie Nummer(int n, int i) { return {n, (i & 1) != 0, (i & 2) != 0, (i & 4) != 0}; }
};

// Variant 1: the board seen through the symmetry, its empty field's home moved along.
inline Spielstand Abgebildet(const Spielstand& s, const Symmetrie& sym)
{
    Spielstand b = s;
    for (int p = 1; p <= s.felder(); ++p) {
        const int teil = s.Spielfeld[p];
        b.Spielfeld[sym.Bild(p)] = static_cast<uint8_t>(teil == 0 ? 0 : sym.Bild(teil));
    }
    b.FreiesFeld = sym.Bild(s.FreiesFeld);
    return b;
}

// Moves found on the mirrored board, played on the real one.
inline std::vector<Zug> Zurueckgebildet(const std::vector<Zug>& zuege, const Symmetrie& sym)
{
    std::vector<Zug> echt;
    echt.reserve(zuege.size());
    for (const Zug& z : zuege)
        echt.push_back(Schiebezug(sym.Urbild(z.a), sym.Urbild(z.b)));
    return echt;
}

// Every move of variant 2 (lines) or 3 (axes) on a board of side n.
inline std::vector<Zug> AlleZuege(Variante v, int n)
{
    std::vector<Zug> alle;
    if (v == Variante::Verschieben) {
        for (int i = 1; i <= n; ++i)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter, Operation::SpalteHoch})
                alle.push_back({op, i});
    } else {
        for (int k = 1; k <= AchsenAnzahl(n); ++k)
            for (Operation op : {Operation::AchseRechts, Operation::AchseLinks})
                alle.push_back({op, k});
    }
    return alle;
}

} // namespace engine::loeser
