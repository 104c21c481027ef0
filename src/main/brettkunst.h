#pragma once
// The art of the main window's picture at the device size a scale needs: decoded from the
// compiled-in bitmaps (above a scale of 1 from the double-size ones), the key colour of
// "transparent" art left out once here rather than at every draw.

#include <QImage>
#include <QRect>

class QPainter;

namespace haupt {

// One bitmap of art at the device size for `skala` (device pixels per classic logical pixel),
// with its key colour made transparent when asked, from the dark set when asked and it has one.
QImage Kunst(const char* name, double skala, bool schluessel = false, bool dunkel = false);
// Art drawn "transparent" leaves out the colour of its bottom-left pixel.
QImage OhneSchluessel(const QImage& bild);
// The frame art over the whole client area: `ganz` device pixels (the last column or row a
// rounding leaves over included); `dunkel` its dark set.
QImage Hintergrund(double skala, QSize ganz, bool dunkel = false);
// The block `aus` of a picture to the device rectangle `nach`, painted alike whatever part of it
// a paint reaches.
void Kopiere(QPainter& p, const QRect& nach, const QImage& quelle, const QRect& aus);
// A device rectangle filled with one colour, as straight as `Kopiere` copies.
void Fuelle(QPainter& p, const QRect& wo, QRgb farbe);
// Turns a painter that counts classic pixels into one that counts whole device pixels. Where
// the paint box begins between two device pixels (a menu bar of 19 pixels at a ratio of 1.5),
// the picture moves to the nearer whole one: pictures drawn between pixels take their pixels by
// where a paint's clip begins, and a part painted again would not meet the rest.
void AufGeraetepixel(QPainter& p, double skala);
// The same origin, still counting classic pixels: shapes drawn so come out alike wherever the
// paint box begins, in the window or in a picture of it alone.
void AufGanzenUrsprung(QPainter& p, double skala);

// The art the board draws often, kept ready: the empty field's cross for the board's side, the
// counter digits, the knob and the four arrows.
struct Brettkunst {
    void Laden(double skala, int n);
    // Only the cross, for another side.
    void KreuzLaden(double skala, int n);

    int n = 0;
    QImage kreuz, ziffern, achse;
    QImage pfeilRechts, pfeilLinks, pfeilUnten, pfeilOben;
};

} // namespace haupt
