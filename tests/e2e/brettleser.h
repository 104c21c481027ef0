#pragma once
// Reading the board of an n x n game off the screen, as a player sees it.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

#include "e2ehilfen.h"

// Field p (1..n*n, reading order) on the screen.
QRect Feldrechteck(const Spielfenster& f, int n, int feld);
QPoint Feldmitte(const Spielfenster& f, int n, int feld);
// The grid point where the fields round axis (i, j) meet, i and j = 1..n-1.
QPoint Gitterpunkt(const Spielfenster& f, int n, int i, int j);

// The field's picture without its edge, where grid lines and axis knobs may lie.
QImage Feldinneres(const QImage& schirm, const Spielfenster& f, int n, int feld, int rand = 16);

// The field that shows the empty-field cross, or 0.
int LeeresFeld(const QImage& schirm, const Spielfenster& f, int n);

// The tile on every field of a sliding game ([1..n*n], 0 = the empty field, [0] unused),
// told by matching each field against the cells of the preview; empty when the board cannot
// be read as one empty field and n*n-1 different tiles.
std::vector<int> SchiebebrettLesen(const QImage& schirm, const Spielfenster& f, int n);

// The tile on every field of a game without an empty field (variants 2 and 3), told by the
// inside of each field, away from the grid and the knobs; empty when the fields do not show
// n*n different tiles.
std::vector<int> BrettLesen(const QImage& schirm, const Spielfenster& f, int n);
