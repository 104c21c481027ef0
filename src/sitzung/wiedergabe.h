#pragma once
// A recorded game watched again: its start board and every move, stepped through forwards and
// back, or played at 1 to 20 moves a second. It only shows: nothing is counted, entered or
// saved, and the game in progress is not touched. Every board is worked out once when the record
// is taken, so a step back or a jump to any move costs nothing.

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

#include "engine/spielstand.h"
#include "sitzung/spielergebnis.h"

namespace sitzung {

class Wiedergabe : public QObject {
    Q_OBJECT
public:
    static constexpr int TempoHoechstens = 20;

    explicit Wiedergabe(QObject* eltern = nullptr);

    // Takes a record and shows its start. False, and nothing taken, when it has no start board
    // or a move that does not fit the board it is played on.
    bool Laden(const Spielergebnis& ergebnis);
    bool geladen() const { return !bretter_.empty(); }
    const Spielergebnis& ergebnis() const { return ergebnis_; }

    // The moves of the record, the one shown (0 the start board) and the board after it, with
    // the move and the game clock's second at that move as its counters.
    int anzahl() const { return int(ergebnis_.gespielt.size()); }
    int zug() const { return zug_; }
    const engine::Spielstand& brett() const { return bretter_[std::size_t(zug_)]; }

    // Shows the board after k moves (held to 0..anzahl).
    void Springen(int k);
    void Vor() { Springen(zug_ + 1); }
    void Zurueck() { Springen(zug_ - 1); }
    // Playing forward at the speed set; it stops by itself at the last move.
    void Abspielen();
    void Anhalten();
    bool spielt() const { return takt_.isActive(); }
    int tempo() const { return tempo_; }
    void TempoSetzen(int zuegeProSekunde);

signals:
    // Another board is shown; `bewegung` is the move that led to it when it is one step forward.
    void gezeigt(int zug, std::optional<engine::Zug> bewegung);
    void spieltGeaendert(bool spielt);

private:
    Spielergebnis ergebnis_;
    std::vector<engine::Spielstand> bretter_;  // the board after 0..anzahl moves
    int zug_ = 0;
    int tempo_ = 4;
    QTimer takt_;
};

// Whether a move can be played on the board as it stands (fields, lines and axes inside the
// board, a tile sliding into the empty field next to it).
bool Spielbar(const engine::Spielstand& s, const engine::Zug& zug);

} // namespace sitzung
