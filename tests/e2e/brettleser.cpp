#include "brettleser.h"

#include "bildvergleich.h"

#include <cstdlib>
#include <limits>

namespace {

constexpr QPoint Vorschau{518, 55};

int Seite(int n) { return 360 / n; }

// Sum of absolute colour differences, leaving out an edge of two pixels: there the field has
// its grid lines and the preview blends its neighbours.
long long Abstand(const QImage& a, const QImage& b)
{
    long long summe = 0;
    for (int y = 2; y < a.height() - 2; ++y)
        for (int x = 2; x < a.width() - 2; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return summe;
}

int AehnlichsteZelle(const QImage& feld, const std::vector<QImage>& zellen)
{
    int beste = 0;
    long long kleinster = std::numeric_limits<long long>::max();
    for (size_t k = 0; k < zellen.size(); ++k)
        if (const long long a = Abstand(feld, zellen[k]); a < kleinster) {
            kleinster = a;
            beste = int(k) + 1;
        }
    return beste;
}

} // namespace

QRect Feldrechteck(const Spielfenster& f, int n, int feld)
{
    const int t = Seite(n);
    return {f.punkt(57 + (feld - 1) % n * t, 56 + (feld - 1) / n * t), QSize(t, t)};
}

QPoint Feldmitte(const Spielfenster& f, int n, int feld) { return Feldrechteck(f, n, feld).center(); }

QPoint Gitterpunkt(const Spielfenster& f, int n, int i, int j) { return f.punkt(57 + i * Seite(n), 56 + j * Seite(n)); }

QImage Feldinneres(const QImage& schirm, const Spielfenster& f, int n, int feld, int rand)
{
    return schirm.copy(Feldrechteck(f, n, feld).adjusted(rand, rand, -rand, -rand));
}

// Nearly equal rather than equal, so that a board drawn at twice the size and halved again is
// read as well.
int LeeresFeld(const QImage& schirm, const Spielfenster& f, int n)
{
    const QImage kreuz = Kunst(QStringLiteral("imgKreuz%1").arg(n).toLatin1().constData());
    const QRect innen = kreuz.rect().adjusted(2, 2, -2, -2);
    for (int feld = 1; feld <= n * n; ++feld) {
        const QImage dort = schirm.copy(innen.translated(Feldrechteck(f, n, feld).topLeft())).convertToFormat(QImage::Format_RGB32);
        if (MittlererUnterschied(dort, kreuz.copy(innen)) < 4.0)
            return feld;
    }
    return 0;
}

std::vector<int> SchiebebrettLesen(const QImage& schirm, const Spielfenster& f, int n)
{
    const int leer = LeeresFeld(schirm, f, n);
    if (leer == 0)
        return {};
    const int h = Seite(n) / 2;
    std::vector<QImage> zellen;
    for (int teil = 1; teil <= n * n; ++teil)
        zellen.push_back(schirm.copy(QRect(f.client + Vorschau + QPoint((teil - 1) % n * h, (teil - 1) / n * h), QSize(h, h))));

    std::vector<int> brett(n * n + 1, 0);
    std::vector<bool> gesehen(n * n + 1, false);
    for (int feld = 1; feld <= n * n; ++feld) {
        if (feld == leer)
            continue;
        const QImage halb = schirm.copy(Feldrechteck(f, n, feld)).scaled(h, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int teil = AehnlichsteZelle(halb, zellen);
        if (teil == n * n || gesehen[teil])  // the missing tile, or one seen twice
            return {};
        gesehen[teil] = true;
        brett[feld] = teil;
    }
    return brett;
}

std::vector<int> BrettLesen(const QImage& schirm, const Spielfenster& f, int n)
{
    const int h = Seite(n) / 2, rand = 8;  // half size, as on the preview
    std::vector<QImage> zellen;
    for (int teil = 1; teil <= n * n; ++teil) {
        const QPoint ecke = f.client + Vorschau + QPoint((teil - 1) % n * h, (teil - 1) / n * h);
        zellen.push_back(schirm.copy(QRect(ecke + QPoint(rand, rand), QSize(h - 2 * rand, h - 2 * rand))));
    }
    std::vector<int> brett(n * n + 1, 0);
    std::vector<bool> gesehen(n * n + 1, false);
    for (int feld = 1; feld <= n * n; ++feld) {
        const QImage halb = schirm.copy(Feldrechteck(f, n, feld)).scaled(h, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int teil = AehnlichsteZelle(halb.copy(rand, rand, h - 2 * rand, h - 2 * rand), zellen);
        if (gesehen[teil])
            return {};
        gesehen[teil] = true;
        brett[feld] = teil;
    }
    return brett;
}
