#pragma once
// Where everything of the main window's picture lies, for one board side and variant: the
// fields, the grid, the arrow strips, the axis knobs, the tile numbers, the preview and the
// counter panel; and what a point of the window points at. Drawing and hit-testing both ask
// here, so every position is written once. Positions are in the window's logical pixels;
// `skala` maps them to device pixels for drawing on screens with a higher pixel ratio.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/spielstand.h"
#include "engine/zug.h"

namespace haupt {

class Brettgeometrie {
public:
    static constexpr int ClientHoehe = 475;
    static constexpr int ClientBreiteMitVorschau = 755;
    static constexpr int ClientBreiteOhneVorschau = 474;
    static constexpr QPoint BrettEcke{57, 56};
    static constexpr int BrettKante = 360;
    static constexpr QRect Vorschau{518, 55, 180, 180};
    // The title picture in the background art's board well, one row above the board, and the
    // corner of it that stands in for a picture that cannot be loaded.
    static constexpr QRect Titelbild{BrettEcke.x(), BrettEcke.y() - 1, BrettKante, BrettKante};
    static constexpr QRect Titelecke{BrettEcke.x(), BrettEcke.y() - 1, 260, 260};
    static constexpr QPoint PauseEcke{127, 206};

    Brettgeometrie(int n, engine::Variante variante, double skala = 1.0);

    int n() const { return n_; }
    engine::Variante variante() const { return variante_; }
    int teilgroesse() const { return t_; }
    double skala() const { return skala_; }
    // A rectangle in device pixels: both edges rounded alike, so rectangles that touch in
    // logical pixels touch in device pixels too, with no gap and no overlap at any ratio.
    QRect geraet(const QRect& logisch) const { return Geraet(logisch, skala_); }
    static QRect Geraet(const QRect& logisch, double skala);

    QRect brett() const { return {BrettEcke, QSize(BrettKante, BrettKante)}; }
    QRect feld(int p) const;
    // Where tile t is cut from the working picture (board coordinates).
    QRect teilQuelle(int t) const;
    // The same in device pixels, in a working picture of the board's device size.
    QRect teilQuelleGeraet(int t) const;
    // The grid line k = 1 .. n-1, vertical and horizontal, one pixel wide.
    QRect senkrechteLinie(int k) const;
    QRect waagerechteLinie(int k) const;
    // Top-left corners of the arrows beside row or column i (variant 2).
    QPoint pfeilRechts(int zeile) const;
    QPoint pfeilUnten(int spalte) const;
    QPoint pfeilLinks(int zeile) const;
    QPoint pfeilOben(int spalte) const;
    // Top-left corner of the knob of axis (i, j) (variant 3).
    QPoint knopf(int i, int j) const;
    // Top-left corner of the two-digit tile number of field p.
    QPoint nummer(int p) const;
    // Outline of tile t's home square on the preview, both corners inclusive.
    QRect vorschauZelle(int t) const;

    // The counter panel: labels and digit cells.
    static constexpr QPoint ZugSchrift{518, 280};
    static constexpr QPoint ZeitSchrift{518, 350};
    static QPoint zugZiffer(int stelle) { return {565 + 22 * stelle, 310}; }
    static QPoint zeitZiffer(int stelle) { return {stelle < 2 ? 559 + 22 * stelle : 615 + 22 * (stelle - 2), 380}; }

    // What the point at (x, y) points at for the variant, and the field under it.
    engine::Ziel ZielBei(QPoint p) const;

private:
    int FeldBei(QPoint p) const;

    int n_;
    engine::Variante variante_;
    int t_;
    double skala_;
};

} // namespace haupt
