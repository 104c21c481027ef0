#pragma once
// A player's ways into the program: the settings dialog before a game, the keyboard focus,
// the menu by its access keys.

#include "e2ehilfen.h"

#include "engine/spielstand.h"
#include "engine/zug.h"

#include <vector>

// Waits for the settings dialog, picks the variant picture (1..3) and the board side (3..6)
// with the mouse, confirms with Enter and finds the game window that follows.
void SpielEinstellen(XSitzung& x, int variante, int seite, Spielfenster& f);

// With no window manager a closed dialog leaves the keyboard focus nowhere; a click on the
// window's margin, where no click does anything, brings it back like a player would.
void FokusHolen(XSitzung& x, const Spielfenster& f);

// Opens a menu with Alt and its access key and picks an entry by its access key.
void Menuebefehl(XSitzung& x, const Spielfenster& f, const QString& menue, const QString& eintrag);

// The game of side `n` in `variante` with the tiles of `brett` ([1..n*n] as read off the screen),
// ready to be solved; the empty field's home is the last field.
engine::Spielstand Stand(int variante, int n, const std::vector<int>& brett);

// The keys of one move on a board of side `n`, walking the keyboard cursor from where it stands
// (0: not shown yet) to the move's row, column or axis.
void Tasten(XSitzung& x, const engine::Zug& zug, int& cursor, int n);
