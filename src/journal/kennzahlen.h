#pragma once
// The figures of the statistics window, from the short form of every recorded game: plain
// functions over plain data, no database.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/spielstand.h"
#include "sitzung/spielergebnis.h"

namespace journal {

// A recorded game as the statistics need it.
struct Kurzeintrag {
    std::int64_t id = 0;
    std::int64_t ende = 0;  // milliseconds since 1970, UTC
    engine::Variante variante = engine::Variante::Schieben;
    std::uint8_t seite = 4;
    sitzung::Ausgang ausgang = sitzung::Ausgang::Abgebrochen;
    bool hilfe = false;
    std::uint16_t zuege = 0, sekunden = 0;
    std::int32_t bild = -1;                   // the picture's number in the list of names; -1 built in
    std::optional<std::int32_t> tagesraetsel; // the day of the daily puzzle, days since 1970
    bool operator==(const Kurzeintrag&) const = default;

    bool gewertet() const { return ausgang == sitzung::Ausgang::Geloest && !hilfe; }
};

// A figure of the time (seconds) and of the moves; none where there is no game to give it.
struct Wertepaar {
    std::optional<double> zeit, zuege;
    bool operator==(const Wertepaar&) const = default;
};

inline constexpr std::size_t VerlaufLaenge = 50;  // games in the chart

struct Kennzahlen {
    engine::Variante variante = engine::Variante::Schieben;
    int seite = 4;
    int gespielt = 0, geloest = 0, mitHilfe = 0, abgebrochen = 0, grenze = 0;
    // Of the games solved without help:
    Wertepaar beste, mittel, median;
    Wertepaar schnitt5, schnitt12;  // the last 5 and 12, each without its best and its worst
    std::optional<double> zuegeProSekunde;  // all their moves over all their seconds
    std::vector<Kurzeintrag> letzte;        // the last games of every outcome, oldest first
};

// One entry per variant and side that has games, by variant, then side; `spiele` oldest first.
std::vector<Kennzahlen> Auswerten(std::span<const Kurzeintrag> spiele);

// The mean of the last k values without the best and the worst; none for fewer than k.
std::optional<double> SchnittOhneRaender(std::span<const int> werte, std::size_t k);

// The days with a daily puzzle played, and the days in a row up to today, or up to yesterday
// while today's is not played yet.
struct Tagesfolge {
    int tage = 0;
    int serie = 0;
    bool operator==(const Tagesfolge&) const = default;
};
Tagesfolge Tagesraetsel(std::span<const Kurzeintrag> spiele, std::int32_t heute);

} // namespace journal
