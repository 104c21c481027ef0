#pragma once
// Where a board came from when not from a scramble of its own.

#include <QDate>
#include <QString>

#include <cstdint>

namespace sitzung {

// Empty for an ordinary game; the journal of games and the game codes fill it.
struct Herkunft {
    std::int64_t wiederholungVon = 0;  // the journal's number of the game this one plays again; 0 none
    QString spielcode;                 // the game code the board was started from
    QDate tagesraetsel;                // the day whose puzzle this board is
    bool operator==(const Herkunft&) const = default;
};

} // namespace sitzung
