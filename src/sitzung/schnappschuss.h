#pragma once
// A game in progress as one value: what the session needs to put back exactly the same game
// (board, counters, seconds, history, helped flag, phase, cursor) and what the picture was.

#include <QByteArray>

#include <vector>

#include "engine/spielstand.h"
#include "sitzung/einstellungen.h"

namespace sitzung {

struct Schnappschuss {
    Einstellungen einstellungen;       // variant, side, picture path and its options
    engine::Spielstand spiel;          // board, counters, phase (Aufgebaut, Laeuft or Pausiert)
    std::vector<engine::Zug> verlauf;  // moves that undo takes back, oldest first
    std::vector<engine::Zug> zurueckgenommen;  // moves that redo plays again, next last
    bool mitHilfe = false;             // hint or solve used: the game enters no list
    int cursor = 0;                    // keyboard cursor: field (variant 2) or axis (variant 3), 0 = none
    QByteArray bildPruefsumme;         // SHA-256 of the picture file's bytes; empty for the built-in picture

    bool operator==(const Schnappschuss&) const = default;
};

} // namespace sitzung
