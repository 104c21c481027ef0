#pragma once
// The game session: owns the whole game in progress: the settings, the board with its history,
// the one-second clock and the pause, the keyboard cursor, the helped flag, and hint and solve.
// Mouse, keyboard and solver all reach the rules through it, and the views learn from its
// signals what to draw. It hands out the game as one value and takes it back (saving, resuming),
// and every game ends with one result value: solved, at a limit, or given up for another.

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
#include "sitzung/spielergebnis.h"

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
    bool mitHilfe() const { return stand_.mitHilfe; }
    // The keyboard cursor: a field (variant 2) or an axis (variant 3); 0 while hidden.
    int cursor() const { return stand_.cursor; }
    // A solution is being looked for or played.
    bool loest() const { return helfer_.loest(); }
    // A game with at least one move that has not ended: another board would give it up.
    bool unvollendet() const { return spiel_.brettAktiv() && spiel_.ZugAnzahl > 0; }

    // A new game with these settings: scrambled, counters at 0, clock off until the first move.
    // `zuschnitt` is how its picture is made square. An unfinished game ends as given up first.
    void NeuesSpiel(const Einstellungen& einstellungen, daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken);
    // Goes on with a game as it stands (a board laid out by hand, a retry, a code, today's
    // puzzle): board, counters and phase, and where the board came from. A board without moves
    // is its game's start board; one with moves has none known.
    void Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand, const Herkunft& herkunft = {},
                    daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken);
    // Input on the board, a button on a target or a key: stops a solution being played; ends a
    // pause and nothing else; or does what the rules make of it (a move, the cursor, the tile
    // numbers). Nothing before a game and after its end.
    void Eingabe(const engine::Eingabe& eingabe);
    void Druecke(const engine::Ziel& ziel, engine::Taste taste) { Eingabe(engine::Eingabe::Zeiger(ziel, taste)); }
    // Plays a move as a click would (keyboard, solver). False when the board takes no move.
    bool Ziehe(const engine::Zug& zug);
    void PauseUmschalten();
    // Ends an unfinished game as given up (quitting without keeping it); any other stays.
    void Aufgeben();

    // The next move home, marked through `tippGezeigt`; the game then enters no list.
    void Tipp();
    // Plays the way home, at the speed set (four moves a second unless set); any input or
    // command stops it.
    void Loesen();
    void LoesetempoSetzen(int zuegeProSekunde) { helfer_.TempoSetzen(zuegeProSekunde); }
    // The time between two of Solve's moves, in milliseconds.
    int loesetakt() const { return helfer_.takt(); }
    // Stops a solution being looked for or played (a menu opened, a command).
    void HilfeAnhalten() { helfer_.Abbrechen(); }

    // The game in progress as one value, and the same game put back from one: board, counters,
    // seconds, history, helped flag, cursor, phase, its picture's checksum and cut, its start
    // board and course. A running game comes back paused. An unfinished game ends as given up
    // first.
    Schnappschuss schnappschuss() const { return stand_; }
    void Wiederherstellen(const Schnappschuss& stand);
    // The checksum of the game's picture file, once it is known; for another file it is ignored.
    void BildPruefsummeSetzen(const QString& bilddatei, const QByteArray& pruefsumme);
    // Holds the clock while a replay covers the board, without a pause: nothing the game keeps
    // changes. Let go, it runs on if the game's did.
    void UhrHalten(bool halten)
    {
        if (halten)
            uhr_.stop();
        else if (spiel_.uhrLaeuft() && !uhr_.isActive())
            uhr_.start();
    }
    // One second of the game clock; the timer calls it, tests may too.
    void Sekunde();

    // The moves of the current game, and those taken back. Taking back plays the inverse move,
    // counted like any other, so the list of best results stays honest.
    const std::vector<engine::Zug>& verlauf() const { return stand_.verlauf; }
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
    // The game has ended: solved, at a limit, or given up for another board or at quitting.
    void spielZuEnde(const sitzung::Spielergebnis& ergebnis);
    void cursorGeaendert();
    void tippGezeigt(engine::Zug zug);
    // Solve is thinking longer than a moment (true), or done (false).
    void denkt(bool an);
    // What a saved game keeps has changed: a move, undo, redo, the pause, help used, a new game,
    // the end. Not the clock's seconds nor the cursor alone: they go with the next change.
    void geaendert();

private:
    void Uebernehmen(const Schnappschuss& stand);
    bool Spiele(const engine::Zug& zug, bool merken);
    void CursorSetzen(int cursor);
    void NummernSchritt(int feld);
    void Beende(Ausgang ausgang);
    void SetzePhase(engine::Phase vorher);
    Spielergebnis Ergebnis(Ausgang ausgang) const;

    engine::Zufall& zufall_;
    Schnappschuss stand_;  // the whole game; the two below are its parts used most
    Einstellungen& einstellungen_ = stand_.einstellungen;
    engine::Spielstand& spiel_ = stand_.spiel;
    Nummernmodus nummernmodus_ = Nummernmodus::Keine;
    int nummernfeld_ = 0;
    QTimer uhr_;
    Helfer helfer_;
};

} // namespace sitzung
