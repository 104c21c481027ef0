#pragma once
// What the solver's tests share: the game's scrambles, the rules' check of a move, ways played
// move by move, and a plain breadth-first search that knows true distances near home.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <unordered_map>

#include "engine/loeser.h"
#include "hilfen.h"

namespace engine::test {

inline Spielstand Gemischt(int variante, int n, unsigned saat, bool posZufall = true)
{
    Spielstand s;
    MtZufall zufall(saat);
    NeuesSpiel(s, zufall, static_cast<Variante>(variante), n, posZufall);
    return s;
}

inline bool Nachbarn(int n, int a, int b)
{
    const int dz = std::abs((a - 1) / n - (b - 1) / n), ds = std::abs((a - 1) % n - (b - 1) % n);
    return dz + ds == 1;
}

// Whether the move is one the player could make here.
inline bool Erlaubt(const Spielstand& s, const Zug& z)
{
    const int n = s.n();
    switch (z.op) {
    case Operation::TeilSchieben:
        return s.variante == Variante::Schieben && z.a >= 1 && z.a <= s.felder() &&
               s.Spielfeld[z.b] == 0 && s.Spielfeld[z.a] != 0 && Nachbarn(n, z.a, z.b);
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
    case Operation::SpalteRunter:
    case Operation::SpalteHoch:
        return s.variante == Variante::Verschieben && z.a >= 1 && z.a <= n;
    case Operation::AchseRechts:
    case Operation::AchseLinks:
        return s.variante == Variante::Drehen && z.a >= 1 && z.a <= AchsenAnzahl(n);
    }
    return false;
}

// Plays the moves one by one; fails the test at the first illegal one.
inline Spielstand Gespielt(Spielstand s, const std::vector<Zug>& zuege)
{
    for (size_t i = 0; i < zuege.size(); ++i) {
        if (!Erlaubt(s, zuege[i])) {
            ADD_FAILURE() << "move " << i << " is not legal here";
            break;
        }
        Ausfuehren(s, zuege[i]);
    }
    return s;
}

// Every move a player has on the board.
inline std::vector<Zug> AlleZuege(const Spielstand& s)
{
    std::vector<Zug> zuege;
    const int n = s.n();
    if (s.variante == Variante::Schieben) {
        const int leer = s.LeeresFeld();
        for (int p = 1; p <= s.felder(); ++p)
            if (Nachbarn(n, p, leer))
                zuege.push_back({Operation::TeilSchieben, p, leer});
    } else if (s.variante == Variante::Verschieben) {
        for (int i = 1; i <= n; ++i)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter,
                                 Operation::SpalteHoch})
                zuege.push_back({op, i});
    } else {
        for (int k = 1; k <= AchsenAnzahl(n); ++k) {
            zuege.push_back({Operation::AchseRechts, k});
            zuege.push_back({Operation::AchseLinks, k});
        }
    }
    return zuege;
}

inline uint64_t Schluessel(const Spielstand& s)
{
    uint64_t w = 0;
    for (int p = 1; p <= s.felder(); ++p)
        w = w * 37 + s.Spielfeld[p];
    return w;
}

// Plain breadth-first search from the solved board: the distance of every position it reaches
// within `tiefe` moves.
inline std::unordered_map<uint64_t, int> AbstaendeVomZiel(const Spielstand& ziel, int tiefe = 99)
{
    std::unordered_map<uint64_t, int> abstand{{Schluessel(ziel), 0}};
    std::deque<Spielstand> schlange{ziel};
    while (!schlange.empty()) {
        const Spielstand s = schlange.front();
        schlange.pop_front();
        const int d = abstand[Schluessel(s)];
        if (d == tiefe)
            continue;
        for (const Zug& z : AlleZuege(s)) {
            Spielstand t = s;
            Ausfuehren(t, z);
            if (abstand.emplace(Schluessel(t), d + 1).second)
                schlange.push_back(t);
        }
    }
    return abstand;
}

} // namespace engine::test
