#pragma once
// How a game ended, as one value: what the list of best results, the sound, the views and the
// journal of games learn at every end, whether the board was solved, ran into a limit or was
// given up for another.

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>

#include <cstdint>
#include <optional>
#include <vector>

#include "daten/bildquadrat.h"
#include "engine/spielstand.h"
#include "sitzung/einstellungen.h"
#include "sitzung/herkunft.h"

namespace sitzung {

enum class Ausgang : std::uint8_t {
    Geloest,     // every tile home
    MaxZuege,    // the move limit ended it
    MaxZeit,     // the time limit ended it
    Abgebrochen  // given up: a new game, or quitting without it being kept for later
};

struct Spielergebnis {
    Ausgang ausgang = Ausgang::Abgebrochen;
    Einstellungen einstellungen;       // variant, side, picture and its options as the game had them
    daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken;  // how the picture was cut
    QByteArray bildPruefsumme;         // SHA-256 of the picture file; empty for the built-in picture
                                       // or where it was not known yet
    int zuege = 0;
    int sekunden = 0;
    bool mitHilfe = false;             // hint or solve used
    // The board as the game began (phase Aufgebaut, counters 0). None for a game saved by the
    // first version of spiel.dat, which did not keep it: `gespielt` then holds only the moves
    // since that game was taken up again.
    std::optional<engine::Spielstand> start;
    // Every move in order, undo's inverse moves and the solver's included: played on `start`
    // they give the board at the end, and there are `zuege` of them.
    std::vector<engine::Zug> gespielt;
    // The game clock's second at each move of `gespielt`, as long as it: a replay shows the time
    // with the move. For a game saved by the first version of spiel.dat, those of the moves since
    // it was taken up.
    std::vector<std::uint16_t> zugSekunden;
    QDateTime beginn, ende;            // UTC, whole seconds
    Herkunft herkunft;
    bool operator==(const Spielergebnis&) const = default;
};

} // namespace sitzung

Q_DECLARE_METATYPE(sitzung::Spielergebnis)
