#pragma once
// How a game ended, as one value: what the list of best results, the sound, the views and the
// journal of games learn at every end, whether the board was solved, ran into a limit or was
// given up for another.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "daten/bildquadrat.h"
#include "engine/spielstand.h"
#include "sitzung/einstellungen.h"

namespace sitzung {

enum class Ausgang : std::uint8_t {
    Geloest,     // every tile home
    MaxZuege,    // the move limit ended it
    MaxZeit,     // the time limit ended it
    Abgebrochen  // given up: a new game, or quitting without it being kept for later
};

// Where a board came from when not from a scramble of its own; empty for an ordinary game.
struct Herkunft {
    std::int64_t wiederholungVon = 0;  // the journal's number of the game this one plays again; 0 none
    QString spielcode;                 // the game code the board was started from
    QDate tagesraetsel;                // the day whose puzzle this board is
    bool operator==(const Herkunft&) const = default;
};

struct Spielergebnis {
    Ausgang ausgang = Ausgang::Abgebrochen;
    Einstellungen einstellungen;       // variant, side, picture and its options
    daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken;  // how the picture was cut
    QByteArray bildPruefsumme;         // SHA-256 of the picture file; empty for the built-in picture
    int zuege = 0;
    int sekunden = 0;
    bool mitHilfe = false;             // hint or solve used
    // The board as the game began; none for a game saved by a version that did not keep it.
    std::optional<engine::Spielstand> start;
    std::vector<engine::Zug> gespielt;  // every move in order, taken-back ones included
    // The game clock's second at each move of `gespielt`, as long as it: a replay shows the time
    // with the move. Empty where it is not known (a game saved by an older version).
    std::vector<std::uint16_t> zugSekunden;
    QDateTime beginn, ende;            // UTC
    Herkunft herkunft;
    bool operator==(const Spielergebnis&) const = default;
};

} // namespace sitzung
