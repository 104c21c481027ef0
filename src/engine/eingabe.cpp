#include "engine/eingabe.h"

namespace engine {

namespace {

std::optional<Richtung> AlsRichtung(Spieltaste taste)
{
    switch (taste) {
    case Spieltaste::Links: return Richtung::Links;
    case Spieltaste::Rechts: return Richtung::Rechts;
    case Spieltaste::Hoch: return Richtung::Hoch;
    case Spieltaste::Runter: return Richtung::Runter;
    default: return std::nullopt;
    }
}

Handlung Zeiger(const Spielstand& s, const Eingabe& e)
{
    const Absicht absicht = Deute(s, e.ziel, e.taste);
    Handlung h;  // the mouse takes over from the keys: the cursor goes
    if (absicht.art == Absicht::Art::Zug)
        h.zug = absicht.zug;
    else if (absicht.art == Absicht::Art::Nummernhilfe)
        h.nummernfeld = absicht.feld;
    return h;
}

} // namespace

Handlung Interpretiere(const Spielstand& s, int cursor, const Eingabe& e)
{
    if (!e.spieltaste)
        return Zeiger(s, e);
    Handlung h{std::nullopt, cursor, std::nullopt};
    const Spieltaste taste = *e.spieltaste;
    if (taste == Spieltaste::Nummern) {
        h.nummernfeld = NummernFeldFuerTaste(s, cursor);
        return h;
    }
    const std::optional<Richtung> richtung = AlsRichtung(taste);
    switch (s.variante) {
    case Variante::Schieben:
        if (richtung)
            h.zug = SchiebeZug(s, *richtung);
        break;
    case Variante::Verschieben:
        if (richtung && e.umschalt && cursor)
            h.zug = VerschiebeZug(s.n(), cursor, *richtung);
        else if (richtung)
            h.cursor = CursorSchritt(s, cursor, *richtung);
        break;
    case Variante::Drehen:
        if (richtung)
            h.cursor = CursorSchritt(s, cursor, *richtung);
        else if (cursor)
            h.zug = DreheZug(cursor, taste == Spieltaste::Drehen && !e.umschalt);
        break;
    }
    return h;
}

} // namespace engine
