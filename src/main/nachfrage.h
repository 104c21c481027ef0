#pragma once
// The question before a game in progress is given up for a new board.

#include <QMessageBox>

#include <memory>

#include "daten/texte.h"

namespace haupt {

struct Aufgabeantwort {
    bool aufgeben = false;         // the player chose the new game
    bool nichtMehrFragen = false;  // and ticked "Do not ask again"
};

// The box: the question, "Do not ask again", and the buttons "New game" (the default: Return
// gives up the game) and "Keep playing" (also Escape and the close box), over `eltern`.
std::unique_ptr<QMessageBox> BaueAufgabefrage(const daten::Texte& texte, QWidget* eltern);
// Shows the box and reads the answer.
Aufgabeantwort Fragen(QMessageBox& box);

} // namespace haupt
