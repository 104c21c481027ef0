// Small checks on pictures that several asset tests share.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "bildvergleich.h"
#include "kunst.h"

namespace pruefung {

inline QImage lade(const QString& name)
{
    return kunst::Bild(name);
}

inline int helligkeit(QRgb c)
{
    return (77 * qRed(c) + 151 * qGreen(c) + 28 * qBlue(c)) / 256;
}

// Blue-grey: blue leads, little colour, neither black nor white.
inline bool istBlaugrau(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    const int spanne = std::max({r, g, b}) - std::min({r, g, b});
    return b > r && b >= g && spanne >= 8 && spanne <= 90 && helligkeit(c) >= 35 && helligkeit(c) <= 235;
}

inline double mittlereHelligkeit(const QImage& bild, const QRect& r)
{
    double summe = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            summe += helligkeit(bild.pixel(x, y));
    return summe / (r.width() * r.height());
}

// Key-coloured pixels that cannot be reached from the border through key colour:
// holes inside the figure, which would turn transparent by mistake.
int eingeschlosseneSchluesselpixel(const QImage& bild, QRgb schluessel);

int anzahlFarben(const QImage& bild);

// Cuts a 360 x 360 picture into 6 x 6 tiles as the game does and names every tile that
// is nearly plain and every pair of tiles that look alike; empty when all can be told apart.
QStringList unklareTeile(const QImage& bild);

} // namespace pruefung
