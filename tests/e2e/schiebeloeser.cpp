#include "schiebeloeser.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <unordered_map>

namespace {

using Stellung = uint64_t;  // four bits per field, field 1 lowest

constexpr int Seite = 3;
constexpr int Felder = Seite * Seite;

int Teil(Stellung s, int feld) { return int(s >> (4 * (feld - 1)) & 0xF); }

Stellung Setze(Stellung s, int feld, int teil)
{
    const int schub = 4 * (feld - 1);
    return (s & ~(Stellung{0xF} << schub)) | Stellung(teil) << schub;
}

int Leer(Stellung s)
{
    for (int feld = 1; feld <= Felder; ++feld)
        if (Teil(s, feld) == 0)
            return feld;
    return 0;
}

std::vector<int> Nachbarn(int feld)
{
    std::vector<int> n;
    const int spalte = (feld - 1) % Seite;
    if (spalte > 0)
        n.push_back(feld - 1);
    if (spalte < Seite - 1)
        n.push_back(feld + 1);
    if (feld > Seite)
        n.push_back(feld - Seite);
    if (feld + Seite <= Felder)
        n.push_back(feld + Seite);
    return n;
}

Stellung Ziel()
{
    Stellung s = 0;
    for (int feld = 1; feld < Felder; ++feld)
        s = Setze(s, feld, feld);
    return s;
}

} // namespace

std::vector<int> Loesungsweg(const std::vector<int>& brett)
{
    if (brett.size() != Felder + 1)
        return {};
    Stellung start = 0;
    for (int feld = 1; feld <= Felder; ++feld)
        start = Setze(start, feld, brett[feld]);

    // For every stellung reached: the one before it and the field clicked there.
    std::unordered_map<Stellung, std::pair<Stellung, int>> herkunft{{start, {start, 0}}};
    std::deque<Stellung> offen{start};
    const Stellung ziel = Ziel();
    while (!offen.empty() && !herkunft.contains(ziel)) {
        const Stellung s = offen.front();
        offen.pop_front();
        const int leer = Leer(s);
        for (int klick : Nachbarn(leer)) {
            const Stellung weiter = Setze(Setze(s, leer, Teil(s, klick)), klick, 0);
            if (herkunft.try_emplace(weiter, s, klick).second)
                offen.push_back(weiter);
        }
    }
    std::vector<int> weg;
    if (!herkunft.contains(ziel))
        return weg;
    for (Stellung s = ziel; s != start; s = herkunft.at(s).first)
        weg.push_back(herkunft.at(s).second);
    std::reverse(weg.begin(), weg.end());
    return weg;
}
