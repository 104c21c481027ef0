#pragma once
// A game in progress as one value: what the session needs to put back exactly the same game
// (board, counters, seconds, history, helped flag, phase, cursor), what the picture was and how
// it was cut, and the game's course from its start board for the result at its end.

#include <QByteArray>
#include <QDateTime>

#include <optional>
#include <vector>

#include "daten/bildquadrat.h"
#include "engine/spielstand.h"
#include "sitzung/einstellungen.h"
#include "sitzung/herkunft.h"

namespace sitzung {

struct Schnappschuss {
    Einstellungen einstellungen;       // variant, side, picture path and its options
    engine::Spielstand spiel;          // board, counters, phase (Aufgebaut, Laeuft or Pausiert)
    std::vector<engine::Zug> verlauf;  // moves that undo takes back, oldest first
    std::vector<engine::Zug> zurueckgenommen;  // moves that redo plays again, next last
    bool mitHilfe = false;             // hint or solve used: the game enters no list
    int cursor = 0;                    // keyboard cursor: field (variant 2) or axis (variant 3), 0 = none
    QByteArray bildPruefsumme;         // SHA-256 of the picture file's bytes; empty for the built-in picture
    daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken;  // how the picture was made square
    // The board as the game began, and every move played since in order, undo's inverse moves
    // and the solver's included: played on `start` they give `spiel`, and there are as many as
    // the move counter says. A game saved by the first version of the file has no start board;
    // its `gespielt` then holds only the moves since it was taken up again.
    std::optional<engine::Spielstand> start;
    std::vector<engine::Zug> gespielt;
    std::vector<std::uint16_t> zugSekunden;  // the clock's second at each move of `gespielt`
    QDateTime beginn;                  // UTC, whole seconds: when the board was set up
    Herkunft herkunft;

    bool operator==(const Schnappschuss&) const = default;
};

} // namespace sitzung
