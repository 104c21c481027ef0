#include "engine/tastatur.h"

#include <algorithm>

namespace engine {

std::optional<Zug> SchiebeZug(const Spielstand& s, Richtung richtung)
{
    const int n = s.n(), leer = s.LeeresFeld();
    if (leer == 0)
        return std::nullopt;
    const int spalte = (leer - 1) % n, zeile = (leer - 1) / n;
    int feld = 0;
    switch (richtung) {
    case Richtung::Links: feld = spalte < n - 1 ? leer + 1 : 0; break;
    case Richtung::Rechts: feld = spalte > 0 ? leer - 1 : 0; break;
    case Richtung::Hoch: feld = zeile < n - 1 ? leer + n : 0; break;
    case Richtung::Runter: feld = zeile > 0 ? leer - n : 0; break;
    }
    if (feld == 0)
        return std::nullopt;
    return Zug{Operation::TeilSchieben, feld, leer};
}

int CursorSchritt(const Spielstand& s, int cursor, Richtung richtung)
{
    if (cursor == 0)
        return 1;
    const int seite = s.variante == Variante::Drehen ? s.n() - 1 : s.n();
    int spalte = (cursor - 1) % seite, zeile = (cursor - 1) / seite;
    switch (richtung) {
    case Richtung::Links: spalte = std::max(spalte - 1, 0); break;
    case Richtung::Rechts: spalte = std::min(spalte + 1, seite - 1); break;
    case Richtung::Hoch: zeile = std::max(zeile - 1, 0); break;
    case Richtung::Runter: zeile = std::min(zeile + 1, seite - 1); break;
    }
    return zeile * seite + spalte + 1;
}

Zug VerschiebeZug(int n, int feld, Richtung richtung)
{
    const int zeile = (feld - 1) / n + 1, spalte = (feld - 1) % n + 1;
    switch (richtung) {
    case Richtung::Links: return {Operation::ZeileLinks, zeile};
    case Richtung::Rechts: return {Operation::ZeileRechts, zeile};
    case Richtung::Hoch: return {Operation::SpalteHoch, spalte};
    case Richtung::Runter: return {Operation::SpalteRunter, spalte};
    }
    return {Operation::ZeileLinks, zeile};
}

Zug DreheZug(int achse, bool imUhrzeigersinn)
{
    return {imUhrzeigersinn ? Operation::AchseRechts : Operation::AchseLinks, achse};
}

int NummernFeldFuerTaste(const Spielstand& s, int cursor)
{
    switch (s.variante) {
    case Variante::Schieben: {
        const int leer = s.LeeresFeld();
        return leer && leer % s.n() != 0 ? leer + 1 : 1;
    }
    case Variante::Verschieben:
        return cursor ? cursor : 1;
    case Variante::Drehen:
        return cursor ? AchsFelder(s.n(), cursor)[0] : 1;
    }
    return 1;
}

} // namespace engine
