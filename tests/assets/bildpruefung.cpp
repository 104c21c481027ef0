#include "bildpruefung.h"

#include <QSet>
#include <vector>

namespace pruefung {

int eingeschlosseneSchluesselpixel(const QImage& bild, QRgb schluessel)
{
    const int w = bild.width(), h = bild.height();
    auto istSchluessel = [&](int x, int y) { return (bild.pixel(x, y) & 0xFFFFFF) == (schluessel & 0xFFFFFF); };
    std::vector<char> erreicht(std::size_t(w) * h, 0);
    std::vector<QPoint> offen;
    for (int x = 0; x < w; ++x)
        for (int y : {0, h - 1})
            offen.emplace_back(x, y);
    for (int y = 0; y < h; ++y)
        for (int x : {0, w - 1})
            offen.emplace_back(x, y);
    while (!offen.empty()) {
        const QPoint p = offen.back();
        offen.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
            continue;
        char& marke = erreicht[std::size_t(p.y()) * w + p.x()];
        if (marke || !istSchluessel(p.x(), p.y()))
            continue;
        marke = 1;
        offen.insert(offen.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    int eingeschlossen = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (istSchluessel(x, y) && !erreicht[std::size_t(y) * w + x])
                ++eingeschlossen;
    return eingeschlossen;
}

int anzahlFarben(const QImage& bild)
{
    QSet<QRgb> farben;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            farben.insert(bild.pixel(x, y));
    return farben.size();
}

QStringList unklareTeile(const QImage& bild)
{
    QStringList befund;
    QList<QImage> teile;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            teile.append(bild.copy(c * 60, r * 60, 60, 60));
    for (int i = 0; i < 36; ++i) {
        const QImage& teil = teile[i];
        const double mittel = mittlereHelligkeit(teil, teil.rect());
        double streuung = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                streuung += std::abs(helligkeit(teil.pixel(x, y)) - mittel);
        if (streuung / 3600 <= 2.0)
            befund << QString("tile %1 is nearly plain").arg(i + 1);
        for (int j = i + 1; j < 36; ++j)
            if (MittlererUnterschied(teil, teile[j]) <= 3.0)
                befund << QString("tiles %1 and %2 look alike").arg(i + 1).arg(j + 1);
    }
    return befund;
}

} // namespace pruefung
