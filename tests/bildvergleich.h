#pragma once
// Comparing pictures in tests.

#include <QImage>

#include <cstdlib>

// Mean absolute difference per colour channel of two equally sized pictures, 0 … 255.
inline double MittlererUnterschied(const QImage& a, const QImage& b)
{
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return summe / (3.0 * a.width() * a.height());
}
