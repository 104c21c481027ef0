#pragma once
// How a picture of any shape becomes the square board: stretched into it, or the largest
// centred square cut out of it.

#include <QColor>
#include <QImage>

namespace daten {

enum class Zuschnitt { Strecken, Mitte };

// The picture as a square of `kante` pixels (RGB32), transparent parts over `grund`. Stretched,
// a square picture of that size comes back pixel for pixel.
QImage Quadrat(const QImage& bild, int kante, Zuschnitt zuschnitt, QColor grund = Qt::black);

} // namespace daten
