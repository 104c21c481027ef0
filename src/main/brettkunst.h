#pragma once
// The art of the main window's picture at the device size a scale needs: decoded from the
// compiled-in bitmaps (above a scale of 1 from the double-size ones), the key colour of
// "transparent" art left out once here rather than at every draw.

#include <QImage>

namespace haupt {

// One bitmap of art at the device size for `skala` (device pixels per classic logical pixel),
// with its key colour made transparent when asked.
QImage Kunst(const char* name, double skala, bool schluessel = false);
// Art drawn "transparent" leaves out the colour of its bottom-left pixel.
QImage OhneSchluessel(const QImage& bild);
// The frame art over the whole client area: `ganz` device pixels (the last column or row a
// rounding leaves over included).
QImage Hintergrund(double skala, QSize ganz);

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
