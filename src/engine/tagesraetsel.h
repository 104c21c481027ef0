#pragma once
// Today's puzzle: a board made from the date alone, the same on every machine and in every
// later version. Its chance is a generator of the program's own (SplitMix64 seeded from the
// day's Julian day number) and its scramble is the program's own too; neither may ever change,
// or yesterday's puzzle would be another board today.

#include <cstdint>
#include <string_view>

#include "engine/spielstand.h"

namespace engine {

// SplitMix64 (Steele, Lea, Flood 2014): a fixed algorithm with the same output everywhere.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t saat) : zustand_(saat) {}
    std::uint64_t Naechste();
    // 0 .. m-1 by the remainder: its tiny bias does not matter, its sameness does.
    int Zahl(int m) { return int(Naechste() % std::uint64_t(m)); }

private:
    std::uint64_t zustand_;
};

// The Julian day number of a day of the Gregorian calendar (2000-01-01 is 2451545).
std::int64_t JulianischerTag(int jahr, int monat, int tag);

struct Tagesraetsel {
    Spielstand brett;         // counters at 0, phase Aufgebaut; variant 1 has its empty field home last
    std::string_view bild;    // one of the pictures the game ships, by file name
};

// Monday 3 × 3 sliding … Sunday 6 × 6 turning, by the weekday of that UTC date.
Tagesraetsel RaetselDesTages(int jahr, int monat, int tag);

} // namespace engine
