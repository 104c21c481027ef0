#include "engine/tagesraetsel.h"

#include <array>

#include "engine/loeser.h"

namespace engine {

namespace {

struct Wochentag {
    Variante variante;
    int seite;
};

// Monday first: the week grows from the easiest board to the hardest.
constexpr std::array<Wochentag, 7> Woche = {{{Variante::Schieben, 3},
                                             {Variante::Schieben, 4},
                                             {Variante::Verschieben, 4},
                                             {Variante::Schieben, 5},
                                             {Variante::Drehen, 4},
                                             {Variante::Verschieben, 5},
                                             {Variante::Drehen, 6}}};

// The shipped pictures; new ones go at the end only, or earlier days change their picture.
constexpr std::array<std::string_view, 8> Bilder = {"Ballonfahrt.bmp", "Buntstifte.bmp", "Flickenteppich.bmp",
                                                    "Korallenriff.bmp", "Leuchtturm.bmp", "Mosaik.bmp",
                                                    "Skyline.bmp",     "Sonnenblume.bmp"};

// A uniform shuffle (Fisher-Yates) of the tiles; an unsolvable board gets two tiles swapped,
// which changes its parity and so makes it solvable. Drawn again while it is nearly home.
void Mischen(Spielstand& s, SplitMix64& zufall)
{
    const int felder = s.felder();
    do {
        for (int p = 1; p <= MaxFelder; ++p)
            s.Spielfeld[p] = std::uint8_t(p);  // beyond the board as a new game leaves them
        if (s.variante == Variante::Schieben)
            s.Spielfeld[s.FreiesFeld] = 0;
        for (int p = felder; p > 1; --p)
            std::swap(s.Spielfeld[p], s.Spielfeld[zufall.Zahl(p) + 1]);
        if (!Loesbar(s)) {
            const int a = s.Spielfeld[1] != 0 ? 1 : 3, b = s.Spielfeld[2] != 0 ? 2 : 3;
            std::swap(s.Spielfeld[a], s.Spielfeld[b]);
        }
    } while (CheckPosFelder(s) >= s.n());
}

} // namespace

std::uint64_t SplitMix64::Naechste()
{
    std::uint64_t z = (zustand_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::int64_t JulianischerTag(int jahr, int monat, int tag)
{
    const std::int64_t a = (14 - monat) / 12;
    const std::int64_t y = jahr + 4800 - a, m = monat + 12 * a - 3;
    return tag + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

Tagesraetsel RaetselDesTages(int jahr, int monat, int tag)
{
    const std::int64_t jd = JulianischerTag(jahr, monat, tag);
    const Wochentag art = Woche[std::size_t(jd % 7)];  // Julian day numbers count Monday as 0
    SplitMix64 zufall{std::uint64_t(jd)};
    Tagesraetsel raetsel;
    Spielstand& s = raetsel.brett;
    s.variante = art.variante;
    s.Groesse = std::uint8_t(art.seite);
    s.FreiesFeld = art.variante == Variante::Schieben ? s.felder() : 0;
    Mischen(s, zufall);
    s.phase = Phase::Aufgebaut;
    raetsel.bild = Bilder[std::size_t(zufall.Zahl(int(Bilder.size())))];
    return raetsel;
}

} // namespace engine
