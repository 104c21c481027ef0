#include "engine/zug.h"

#include "engine/uhr.h"

namespace engine {

namespace {

// Variant 1: the neighbour holding the empty field, tested right, below, left, above.
int LeererNachbar(const Spielstand& s, int feld)
{
    const int n = s.n();
    const auto& f = s.Spielfeld;
    if (feld % n != 0 && f[feld + 1] == 0)
        return feld + 1;
    if (feld + n <= n * n && f[feld + n] == 0)
        return feld + n;
    if ((feld - 1) % n != 0 && f[feld - 1] == 0)
        return feld - 1;
    if (feld > n && f[feld - n] == 0)
        return feld - n;
    return 0;
}

std::optional<Zug> ZugAuf(const Spielstand& s, const Ziel& ziel, Taste taste)
{
    switch (s.variante) {
    case Variante::Schieben:
        if (taste == Taste::Links && ziel.art == Zielart::Feld)
            if (const int leer = LeererNachbar(s, ziel.nummer))
                return Zug{Operation::TeilSchieben, ziel.nummer, leer};
        return std::nullopt;
    case Variante::Verschieben:
        if (taste != Taste::Links)
            return std::nullopt;
        switch (ziel.art) {  // every arrow moves its line away from the side it stands on
        case Zielart::StreifenLinks: return Zug{Operation::ZeileRechts, ziel.nummer};
        case Zielart::StreifenOben: return Zug{Operation::SpalteRunter, ziel.nummer};
        case Zielart::StreifenRechts: return Zug{Operation::ZeileLinks, ziel.nummer};
        case Zielart::StreifenUnten: return Zug{Operation::SpalteHoch, ziel.nummer};
        default: return std::nullopt;
        }
    case Variante::Drehen:
        if (ziel.art == Zielart::Achse && taste == Taste::Links)
            return Zug{Operation::AchseRechts, ziel.nummer};
        if (ziel.art == Zielart::Achse && taste == Taste::Rechts)
            return Zug{Operation::AchseLinks, ziel.nummer};
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

Absicht Deute(const Spielstand& s, const Ziel& ziel, Taste taste)
{
    if (!s.brettAktiv())
        return {};
    if (const auto zug = ZugAuf(s, ziel, taste))
        return {Absicht::Art::Zug, *zug};
    // A right button that hit no axis asks for tile numbers; a middle click on an axis is
    // no call for them either.
    const bool achseGetroffen = s.variante == Variante::Drehen && ziel.art == Zielart::Achse;
    if (taste == Taste::Rechts && !achseGetroffen && ziel.feld != 0)
        return {Absicht::Art::Nummernhilfe, {Operation::TeilSchieben, 0}, ziel.feld};
    return {};
}

Zugfolge Ziehe(Spielstand& s, const Zug& zug)
{
    Zugfolge folge;
    Ausfuehren(s, zug);
    folge.felder = GeaenderteFelder(s.n(), zug);
    if (s.phase == Phase::Aufgebaut)
        s.phase = Phase::Laeuft;
    ++s.ZugAnzahl;
    if (Geloest(s)) {
        SpielBeenden(s);
        folge.ende = Ende::Geloest;
    } else if (s.ZugAnzahl >= MaxZuege) {  // a game taken up at the limit ends at its next move
        SpielBeenden(s);
        folge.ende = Ende::MaxZuege;
    }
    return folge;
}

// The move played on a board whose every field holds its own number.
std::array<uint8_t, MaxFelder> Herkunft(Variante variante, int n, const Zug& zug)
{
    Spielstand t;
    t.variante = variante;
    t.Groesse = uint8_t(n);
    for (int p = 1; p <= n * n; ++p)
        t.Spielfeld[p] = uint8_t(p);
    Ausfuehren(t, zug);
    if (zug.op == Operation::TeilSchieben)
        t.Spielfeld[zug.a] = uint8_t(zug.b);  // the empty field came from the tile's target
    std::array<uint8_t, MaxFelder> herkunft{};
    for (int c = 0; c < n * n; ++c)
        herkunft[c] = uint8_t(t.Spielfeld[c + 1] - 1);
    return herkunft;
}

} // namespace engine
