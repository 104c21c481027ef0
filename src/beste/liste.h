#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace beste {
// The table of best results: five places for each of 16 lists, kept as one
// fixed record of 1360 bytes in the high-score file.

inline constexpr int ListenAnzahl = 16;
inline constexpr int PlatzAnzahl = 5;
inline constexpr int NamenLaenge = 12;
inline constexpr std::size_t ListenDateiGroesse = 1360;

// Length byte, then up to 12 Windows-1252 characters. Bytes past the length
// are kept as read, so that a file is written back exactly as it was loaded.
using TNamensFeld = std::array<std::uint8_t, NamenLaenge + 1>;
using TListenBytes = std::array<std::uint8_t, ListenDateiGroesse>;

// The five places of one list, counted from 1 (best) like the rows on screen.
template <typename T>
class TPlaetze {
public:
    T& operator[](int platz) { return werte.at(static_cast<std::size_t>(platz - 1)); }
    const T& operator[](int platz) const { return werte.at(static_cast<std::size_t>(platz - 1)); }
    bool operator==(const TPlaetze&) const = default;

private:
    std::array<T, PlatzAnzahl> werte{};
};

// Index [d][i]: list d = 0..15, place i = 1..5. A place with Zuege 0 is empty.
// List 0 is no list of results: Namen[0][1] is the file header, Zuege[0][1]
// and Zeiten[0][1] the pending result of a just-solved game.
struct TListe {
    std::array<TPlaetze<TNamensFeld>, ListenAnzahl> Namen{};
    std::array<TPlaetze<std::uint16_t>, ListenAnzahl> Zuege{};
    std::array<TPlaetze<std::uint16_t>, ListenAnzahl> Zeiten{};

    bool operator==(const TListe&) const = default;
};

// variante 1..3, groesse 3..6 -> lists 1..4, 6..9, 11..14.
constexpr int ListenIndex(int variante, int groesse)
{
    return 5 * (variante - 1) + (groesse - 2);
}

// All lists empty, header "Morvik 2.0" in Namen[0][1].
TListe StandardListe();

TListe ListeAusBytes(const TListenBytes& bytes);
TListenBytes ListeAlsBytes(const TListe& liste);

} // namespace beste
