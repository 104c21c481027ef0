#include "daten/bildquadrat.h"

#include <QPainter>

#include <algorithm>

namespace daten {

namespace {

QRect Mittelquadrat(QSize groesse)
{
    const int seite = std::min(groesse.width(), groesse.height());
    return {(groesse.width() - seite) / 2, (groesse.height() - seite) / 2, seite, seite};
}

} // namespace

QImage Quadrat(const QImage& bild, int kante, Zuschnitt zuschnitt, QColor grund)
{
    if (bild.isNull() || kante <= 0)
        return {};
    const QImage ausschnitt = zuschnitt == Zuschnitt::Mitte ? bild.copy(Mittelquadrat(bild.size())) : bild;
    // Scaled first, then laid on the ground: smooth scaling works premultiplied, so the colour
    // of invisible pixels never bleeds into the edge of what is seen.
    const QImage skaliert = ausschnitt.scaled(kante, kante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!skaliert.hasAlphaChannel())
        return skaliert.convertToFormat(QImage::Format_RGB32);
    QImage quadrat(kante, kante, QImage::Format_RGB32);
    quadrat.fill(grund);
    QPainter maler(&quadrat);
    maler.drawImage(0, 0, skaliert);
    return quadrat;
}

} // namespace daten
