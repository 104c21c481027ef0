#pragma once
// The game session: owns the whole game in progress: the settings, the board with its history,
// the one-second clock and the pause, the keyboard cursor, the helped flag, and hint and solve.
// Mouse, keyboard and solver all reach the rules through it, and the views learn from its
// signals what to draw. It hands out the game as one value and takes it back (saving, resuming).

#include <QObject>
#include <QTimer>

#include <vector>

#include "engine/eingabe.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "sitzung/einstellungen.h"
#include "sitzung/helfer.h"
#include "sitzung/schnappschuss.h"

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
    // The keyboard cursor: a field (variant 2) or an axis (variant 3); 0 while hidden.
    int cursor() const { return cursor_; }
    // A solution is being looked for or played.
    bool loest() const { return helfer_.loest(); }

    // A new game with these settings: scrambled, counters at 0, clock off until the first move.
    void NeuesSpiel(const Einstellungen& einstellungen);
    // Goes on with a game as it stands (a board laid out by hand): board, counters and phase.
    void Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand);
    // Input on the board, a button on a target or a key: stops a solution being played; ends a
    // pause and nothing else; or does what the rules make of it (a move, the cursor, the tile
    // numbers). Nothing before a game and after its end.
    void Eingabe(const engine::Eingabe& eingabe);
    void Druecke(const engine::Ziel& ziel, engine::Taste taste) { Eingabe(engine::Eingabe::Zeiger(ziel, taste)); }
    // Plays a move as a click would (keyboard, solver). False when the board takes no move.
    bool Ziehe(const engine::Zug& zug);
    void PauseUmschalten();

    // The next move home, marked through `tippGezeigt`; the game then enters no list.
    void Tipp();
    // Plays the way home, four moves a second; any input or command stops it.
    void Loesen();
    // Stops a solution being looked for or played (a menu opened, a command).
    void HilfeAnhalten() { helfer_.Abbrechen(); }

    // The game in progress as one value, and the same game put back from one: board, counters,
    // seconds, history, helped flag, cursor and phase. A running game comes back paused.
    Schnappschuss schnappschuss() const;
    void Wiederherstellen(const Schnappschuss& stand);
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
    void cursorGeaendert();
    void tippGezeigt(engine::Zug zug);
    // Solve is thinking longer than a moment (true), or done (false).
    void denkt(bool an);
    // Anything of the game in progress a snapshot holds has changed.
    void geaendert();

private:
    void Uebernehmen(const Schnappschuss& stand);
    bool Spiele(const engine::Zug& zug, bool merken);
    void CursorSetzen(int cursor);
    void NummernSchritt(int feld);
    void Beende(engine::Ende ende);
    void SetzePhase(engine::Phase vorher);

    engine::Zufall& zufall_;
    Einstellungen einstellungen_;
    engine::Spielstand spiel_;
    Nummernmodus nummernmodus_ = Nummernmodus::Keine;
    int nummernfeld_ = 0;
    bool mitHilfe_ = false;
    int cursor_ = 0;
    std::vector<engine::Zug> verlauf_, zurueckgenommen_;
    QTimer uhr_;
    Helfer helfer_;
};

} // namespace sitzung
