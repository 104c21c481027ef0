#pragma once
// Where everything of the main window's picture lies, for one board side and variant: the
// fields, the grid, the arrow strips, the axis knobs, the tile numbers, the preview, the counter
// panel and the places of the dialogs; and what a point of the window points at. Drawing and
// hit-testing both ask here, so every position is written once.
//
// Positions are in the classic window's logical pixels (755 x 475). Two factors take them to
// the screen: the zoom the player chose (the window is that much larger in logical pixels) and
// the screen's device pixel ratio. Their product `skala` maps to device pixels for drawing, the
// zoom alone maps to the window's logical pixels for update regions and the mouse.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <QSize>

#include "engine/spielstand.h"
#include "engine/zug.h"

namespace haupt {

// The colour of the grid, the cursor, the hint and the outlines on the preview.
inline constexpr QRgb Markierfarbe = qRgb(252, 202, 3);

class Brettgeometrie {
public:
    static constexpr int ClientHoehe = 475;
    static constexpr int ClientBreiteMitVorschau = 755;
    static constexpr int ClientBreiteOhneVorschau = 474;
    static constexpr QRect Ganz{0, 0, ClientBreiteMitVorschau, ClientHoehe};
    static constexpr QPoint BrettEcke{57, 56};
    static constexpr int BrettKante = 360;
    static constexpr QRect Vorschau{518, 55, 180, 180};
    // The title picture in the background art's board well, one row above the board, and the
    // corner of it that stands in for a picture that cannot be loaded.
    static constexpr QRect Titelbild{BrettEcke.x(), BrettEcke.y() - 1, BrettKante, BrettKante};
    static constexpr QRect Titelecke{BrettEcke.x(), BrettEcke.y() - 1, 260, 260};
    static constexpr QPoint PauseEcke{127, 206};
    // The arrows of variant 2 beside a row (upright ones turn it round), the knob of an axis
    // and where its centre lies from its corner.
    static constexpr QSize PfeilQuer{26, 36}, PfeilHoch{36, 26};
    static constexpr QSize Knopf{25, 26};
    static constexpr QPoint KnopfMitte{12, 13};
    // The two-digit tile numbers of the help mode: one digit cell.
    static constexpr QSize NummernZiffer{16, 30};

    // The counter panel: labels and digit cells.
    static constexpr QSize Schriftgroesse{180, 25}, Zifferngroesse{22, 30};
    static constexpr QRect ZugSchrift{518, 280, 180, 25};
    static constexpr QRect ZeitSchrift{518, 350, 180, 25};
    static QPoint zugZiffer(int stelle) { return {565 + 22 * stelle, 310}; }
    static QPoint zeitZiffer(int stelle) { return {stelle < 2 ? 559 + 22 * stelle : 615 + 22 * (stelle - 2), 380}; }

    // Where dialogs and message boxes go, from the main window's outer top-left corner at the
    // classic size; at a zoom the offsets grow with the window, so each stays over the same part
    // of the board.
    static constexpr QPoint MeldungMaxZuege{100, 215}, MeldungMaxZeit{95, 215}, MeldungSpielende{100, 235};
    static constexpr QPoint Bestenliste{69, 110};
    // Dialogs centred over the window, by their outer size: the settings and the about box (its
    // inside, and its outer size with the frame; taller than the classic 277 x 293 by the room
    // for the licence and the credits).
    static constexpr QSize EinstellungenRahmen{428, 485};
    static constexpr int InfoBoxZusatz = 72;
    static constexpr QSize InfoBox{277, 293 + InfoBoxZusatz}, InfoBoxRahmen{285, 320 + InfoBoxZusatz};

    // The zoom the player may choose from the menu, in percent; a dragged frame may give any
    // whole percentage between the first and what the screen holds.
    static constexpr int Zoomstufen[] = {100, 125, 150, 200};

    Brettgeometrie(int n, engine::Variante variante, double zoom = 1.0, double verhaeltnis = 1.0);

    int n() const { return n_; }
    engine::Variante variante() const { return variante_; }
    int teilgroesse() const { return t_; }
    double zoom() const { return zoom_; }
    double verhaeltnis() const { return verhaeltnis_; }
    // Device pixels per classic logical pixel.
    double skala() const { return zoom_ * verhaeltnis_; }
    // A rectangle in device pixels: both edges rounded alike, so rectangles that touch in
    // logical pixels touch in device pixels too, with no gap and no overlap at any ratio.
    QRect geraet(const QRect& logisch) const { return Geraet(logisch, skala()); }
    static QRect Geraet(const QRect& logisch, double skala);

    // The paint box in the window's logical pixels, and the whole of it in device pixels (the
    // last column and row a fractional ratio leaves over included).
    QSize client(bool vorschau) const;
    QSize ganzGeraet() const;
    // A part of the picture as the window's update region: every window pixel it touches, and one
    // more all round, since a fractional device ratio may round a device pixel into the next.
    QRegion fenster(const QRegion& logisch) const;
    // The classic logical pixel a point of the paint box lies in: that of the device pixel under
    // it, so that a click hits what that pixel shows.
    QPoint klassisch(QPointF fensterpunkt) const;
    // The classic pixels a region of the paint box reaches.
    QRegion klassisch(const QRegion& fenster) const;
    // A dialog's offset from the window's corner at this zoom.
    QPoint versatz(QPoint klassisch) const;

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
    // Every arrow's rectangle.
    QRegion pfeilbereich() const;
    // Top-left corner of the knob of axis (i, j) (variant 3), and the centre of axis k.
    QPoint knopf(int i, int j) const;
    QPoint knopfMitte(int achse) const;
    // Where a click turns axis k: 21 pixels square round its grid point, one pixel lower.
    QRect achszone(int achse) const;
    // Top-left corner of the two-digit tile number of field p, and both digits' rectangle.
    QPoint nummer(int p) const;
    QRect nummernfeld(int p) const { return {nummer(p), QSize(2 * NummernZiffer.width(), NummernZiffer.height())}; }
    // Outline of tile t's home square on the preview, both corners inclusive.
    QRect vorschauZelle(int t) const;

    // What the point at (x, y) points at for the variant, and the field under it.
    engine::Ziel ZielBei(QPoint p) const;

private:
    int FeldBei(QPoint p) const;

    int n_;
    engine::Variante variante_;
    int t_;
    double zoom_, verhaeltnis_;
};

} // namespace haupt
