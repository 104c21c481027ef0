#pragma once
// The game session: owns the settings, the current game with its history, the one-second
// clock and the pause. Mouse, keyboard and solver all reach the rules through it, and the
// views learn from its signals what to draw.

#include <QObject>
#include <QTimer>

#include <vector>

#include "engine/spielstand.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "sitzung/einstellungen.h"

namespace sitzung {

// The tile-number help of the right button: one field's number, all numbers, none.
enum class Nummernmodus : uint8_t { Keine, EinFeld, Alle };

class Spielsitzung : public QObject {
    Q_OBJECT
public:
    explicit Spielsitzung(engine::Zufall& zufall, QObject* eltern = nullptr);

    const Einstellungen& einstellungen() const { return einstellungen_; }
    const engine::Spielstand& spiel() const { return spiel_; }
    Nummernmodus nummernmodus() const { return nummernmodus_; }
    int nummernfeld() const { return nummernfeld_; }
    bool uhrLaeuft() const { return uhr_.isActive(); }
    // Hint or solver used in this game: a solved board then enters no list.
    bool mitHilfe() const { return mitHilfe_; }
    void HilfeGenutzt() { mitHilfe_ = true; }

    // A new game with these settings: scrambled, counters at 0, clock off until the first move.
    void NeuesSpiel(const Einstellungen& einstellungen);
    // Goes on with a game as it stands (a board laid out by hand): board, counters and phase.
    void Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand);
    // A button pressed on the board: ends a pause and nothing else, or makes the target's move,
    // or steps the tile numbers.
    void Druecke(const engine::Ziel& ziel, engine::Taste taste);
    // Plays a move as a click would (keyboard, solver). False when the board takes no move.
    bool Ziehe(const engine::Zug& zug);
    void PauseUmschalten();
    // One second of the game clock; the timer calls it, tests may too.
    void Sekunde();

    // The moves of the current game, and those taken back. Taking back plays the inverse move,
    // counted like any other, so the list of best results stays honest.
    const std::vector<engine::Zug>& verlauf() const { return verlauf_; }
    bool KannRueckgaengig() const;
    bool KannWiederholen() const;
    void Rueckgaengig();
    void Wiederholen();

signals:
    void neuesSpielBegonnen();
    void gezogen(const engine::Zug& zug, const std::vector<int>& felder);
    void sekundeVergangen(int sekunden);
    void phaseGeaendert(engine::Phase phase);
    void nummernGeaendert();
    void spielBeendet(engine::Ende ende);

private:
    bool Spiele(const engine::Zug& zug, bool merken);
    void Beende(engine::Ende ende);
    void SetzePhase(engine::Phase vorher);

    engine::Zufall& zufall_;
    Einstellungen einstellungen_;
    engine::Spielstand spiel_;
    Nummernmodus nummernmodus_ = Nummernmodus::Keine;
    int nummernfeld_ = 0;
    bool mitHilfe_ = false;
    std::vector<engine::Zug> verlauf_, zurueckgenommen_;
    QTimer uhr_;
};

} // namespace sitzung
