#include "engine/klick.h"

#include "engine/uhr.h"

namespace engine {

namespace {

bool Zwischen(int wert, int von, int bis) { return wert >= von && wert <= bis; }

bool AufBrett(int x, int y) { return Zwischen(x, 58, 416) && Zwischen(y, 57, 415); }

// Variant 1: the clicked tile slides into the empty neighbour, tested right, below, left, above.
bool Schieben(Spielstand& s, int x, int y, Klickergebnis& ergebnis)
{
    const int n = s.n(), feld = FeldBei(s, x, y);
    const auto& f = s.Spielfeld;
    int ziel = 0;
    if (feld % n != 0 && f[feld + 1] == 0)
        ziel = feld + 1;
    else if (feld + n <= n * n && f[feld + n] == 0)
        ziel = feld + n;
    else if ((feld - 1) % n != 0 && f[feld - 1] == 0)
        ziel = feld - 1;
    else if (feld > n && f[feld - n] == 0)
        ziel = feld - n;
    if (ziel == 0)
        return false;
    TeilSchieben(s, feld, ziel);
    if (!Geloest(s))  // a solved board is shown whole instead
        ergebnis.felder = {feld, ziel};
    return true;
}

// Variant 2: an arrow strip moves its row or column away from the side it stands on.
bool Verschieben(Spielstand& s, int x, int y, Klickergebnis& ergebnis)
{
    const int t = s.Teilgroesse, n = s.n();
    const bool zeilenbereich = Zwischen(y, 56, 415), spaltenbereich = Zwischen(x, 56, 415);
    const int zeile = (y - 56) / t + 1, spalte = (x - 56) / t + 1;
    Zug zug{Operation::ZeileRechts, zeile};
    if (Zwischen(x, 20, 50) && zeilenbereich)
        zug = {Operation::ZeileRechts, zeile};
    else if (Zwischen(y, 20, 50) && spaltenbereich)
        zug = {Operation::SpalteRunter, spalte};
    else if (Zwischen(x, 422, 452) && zeilenbereich)
        zug = {Operation::ZeileLinks, zeile};
    else if (Zwischen(y, 422, 452) && spaltenbereich)
        zug = {Operation::SpalteHoch, spalte};
    else
        return false;
    Ausfuehren(s, zug);
    const bool istZeile = zug.op == Operation::ZeileRechts || zug.op == Operation::ZeileLinks;
    for (int i = 1; i <= n; ++i)
        ergebnis.felder.push_back(istZeile ? (zug.a - 1) * n + i : (i - 1) * n + zug.a);
    return true;
}

// Variant 3: the axis under the click turns, clockwise by the left button, back by the right.
// Returns whether an axis lies under the click.
bool Drehen(Spielstand& s, Taste taste, int x, int y, Klickergebnis& ergebnis, bool& gedreht)
{
    const int t = s.Teilgroesse, n = s.n();
    for (int i = 1; i <= n - 1; ++i)
        for (int j = 1; j <= n - 1; ++j) {
            if (!Zwischen(x, i * t + 47, i * t + 67) || !Zwischen(y, j * t + 47, j * t + 67))
                continue;
            const int k = (j - 1) * (n - 1) + i;
            const auto [a, b, c, d] = AchsFelder(n, k);
            if (taste == Taste::Links) {
                AchseRechts(s, k);
                ergebnis.felder = {a, d, c, b};
                gedreht = true;
            } else if (taste == Taste::Rechts) {
                AchseLinks(s, k);
                ergebnis.felder = {a, b, c, d};
                gedreht = true;
            }
            return true;
        }
    return false;
}

Hilfeschritt Hilfe(Spielstand& s, int x, int y)
{
    switch (s.NummernModus) {
    case 0:
        s.NummernModus = 1;
        s.NummernFeld = static_cast<uint8_t>(FeldBei(s, x, y));
        return Hilfeschritt::EinFeld;
    case 1:
        s.NummernModus = 2;
        return Hilfeschritt::AlleFelder;
    default:
        s.NummernModus = 0;
        return Hilfeschritt::Aus;
    }
}

} // namespace

int FeldBei(const Spielstand& s, int x, int y)
{
    if (!AufBrett(x, y) || s.Teilgroesse == 0)
        return 0;
    return ((y - 56) / s.Teilgroesse) * s.n() + (x - 57) / s.Teilgroesse + 1;
}

Klickergebnis Klick(Spielstand& s, Taste taste, int x, int y)
{
    Klickergebnis ergebnis;
    if (!s.brettAktiv())
        return ergebnis;
    if (s.pausiert()) {
        PauseUmschalten(s);
        ergebnis.pauseBeendet = true;
        return ergebnis;
    }

    bool zug = false, getroffen = false;
    if (s.Variante == 1 && taste == Taste::Links && AufBrett(x, y))
        zug = Schieben(s, x, y, ergebnis);
    else if (s.Variante == 2 && taste == Taste::Links)
        zug = Verschieben(s, x, y, ergebnis);
    else if (s.Variante == 3)
        getroffen = Drehen(s, taste, x, y, ergebnis, zug);

    if (zug) {
        ergebnis.gezaehlt = true;
        if (s.phase == Phase::Aufgebaut) {
            s.phase = Phase::Laeuft;
            ergebnis.uhrStartet = true;
        }
        ++s.ZugAnzahl;
        s.NummernModus = 0;
    }

    if (taste == Taste::Rechts && !zug && !getroffen && AufBrett(x, y))
        ergebnis.hilfe = Hilfe(s, x, y);

    if (Geloest(s)) {
        SpielBeenden(s);
        ergebnis.ende = Ende::Geloest;
    } else if (s.ZugAnzahl == MaxZuege) {
        SpielBeenden(s);
        ergebnis.ende = Ende::MaxZuege;
    }
    return ergebnis;
}

} // namespace engine
