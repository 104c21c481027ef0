// Sample pictures made of patterns: a rose window, a patchwork quilt, coloured pencils.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QPainterPath>
#include <QSet>
#include <cmath>

using namespace werk;

namespace kunst {
namespace {

// Rings of the rose window: outer radius and number of panes.
struct Ring { double aussen; int scheiben; };
constexpr Ring Ringe[] = {{70, 6}, {150, 12}, {240, 18}, {330, 24}, {410, 32}, {480, 40}};

QColor glasFarbe(double winkel, int ring, double textur)
{
    // the hue runs once round the window, so no two panes at different angles look alike
    const double ton = std::fmod(winkel / (2 * M_PI) + ring * 0.09, 1.0);
    const double hell = (ring % 2 ? 0.78 : 0.95) * (0.82 + 0.18 * textur);
    return QColor::fromHsvF(ton, ring % 2 ? 0.85 : 0.6, hell);
}

QColor rosettenPixel(int x, int y)
{
    const double dx = x - 512.0, dy = y - 512.0;
    const double r = std::hypot(dx, dy);
    double w = std::atan2(dy, dx);
    if (w < 0)
        w += 2 * M_PI;
    const double textur = wolken(x / 9.0, y / 9.0, 12, 3);
    const QColor blei(28, 24, 30);
    double innen = 0;
    for (int i = 0; i < 6; ++i) {
        const Ring& ring = Ringe[i];
        if (r < ring.aussen) {
            if (ring.aussen - r < 5 || (i > 0 && r - innen < 2))
                return blei;
            const double teil = 2 * M_PI / ring.scheiben;
            const double versatz = (i % 2) * teil / 2;
            const double lage = std::fmod(w + versatz, teil);
            if (std::min(lage, teil - lage) * r < 2.5)
                return blei;
            // each pane holds a small round jewel
            const double mitteW = std::floor((w + versatz) / teil) * teil + teil / 2 - versatz;
            const double mitteR = (innen + ring.aussen) / 2;
            const double abstand = std::hypot(dx - std::cos(mitteW) * mitteR, dy - std::sin(mitteW) * mitteR);
            if (i > 0 && abstand < (ring.aussen - innen) * 0.18)
                return glasFarbe(mitteW + M_PI, i + 3, textur).lighter(125);
            return glasFarbe(mitteW, i, textur);
        }
        innen = ring.aussen;
    }
    // the corners: square panes whose colour follows their place
    const int gx = x / 64, gy = y / 64;
    if (x % 64 < 3 || y % 64 < 3)
        return blei;
    return QColor::fromHsvF(std::fmod(0.55 + gx * 0.03 + gy * 0.05, 1.0), 0.55, 0.35 + 0.2 * textur);
}

void maleEckmotive(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(28, 24, 30), 5));
    // sun, moon, star and leaf, one per corner
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(90, 90), 50, 50);
    for (int i = 0; i < 12; ++i) {
        const double w = i * M_PI / 6;
        p.drawLine(QPointF(90 + std::cos(w) * 56, 90 + std::sin(w) * 56),
                   QPointF(90 + std::cos(w) * 80, 90 + std::sin(w) * 80));
    }
    QPainterPath mond;
    mond.addEllipse(QPointF(934, 90), 56, 56);
    QPainterPath schatten;
    schatten.addEllipse(QPointF(960, 70), 50, 50);
    p.setBrush(QColor(230, 236, 255));
    p.drawPath(mond.subtracted(schatten));
    QPolygonF stern;
    for (int i = 0; i < 10; ++i) {
        const double w = -M_PI / 2 + i * M_PI / 5, rad = i % 2 ? 26 : 64;
        stern << QPointF(90 + std::cos(w) * rad, 934 + std::sin(w) * rad);
    }
    p.setBrush(QColor(240, 80, 60));
    p.drawPolygon(stern);
    QPainterPath blatt;
    blatt.moveTo(880, 990);
    blatt.cubicTo(870, 920, 930, 880, 995, 870);
    blatt.cubicTo(990, 940, 950, 990, 880, 990);
    p.setBrush(QColor(80, 180, 70));
    p.drawPath(blatt);
    p.drawLine(QPointF(880, 990), QPointF(960, 910));
}

} // namespace

QImage bildMosaik()
{
    QImage bild = neuesBild(1024, 1024);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            bild.setPixelColor(x, y, rosettenPixel(x, y));
    QPainter p(&bild);
    maleEckmotive(p);
    return bild;
}

namespace {

const QColor Stoffe[] = {QColor(200, 40, 50),  QColor(240, 140, 30), QColor(250, 210, 60), QColor(90, 160, 60),
                         QColor(40, 120, 170), QColor(120, 70, 160), QColor(230, 120, 160), QColor(110, 200, 200),
                         QColor(150, 90, 50),  QColor(30, 60, 110),  QColor(246, 240, 220), QColor(60, 60, 60)};

void maleFlicken(QPainter& p, const QRect& r, int art, const QColor& a, const QColor& b)
{
    p.fillRect(r, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    const int x = r.left(), y = r.top(), s = r.width();
    switch (art) {
    case 0: for (int i = 0; i < s; i += 12) p.drawRect(x + i, y, 6, s); break;           // stripes
    case 1: for (int i = 0; i < s; i += 16) for (int j = 0; j < s; j += 16)             // checks
                if ((i + j) / 16 % 2) p.drawRect(x + i, y + j, 16, 16);
        break;
    case 2: for (int i = 6; i < s; i += 14) for (int j = 6; j < s; j += 14)             // dots
                p.drawEllipse(QPoint(x + i, y + j), 4, 4);
        break;
    case 3: p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + s, y), QPoint(x, y + s)})); break;
    case 4: {                                                                         // star
        QPolygon stern;
        for (int i = 0; i < 10; ++i) {
            const double w = -M_PI / 2 + i * M_PI / 5, rad = i % 2 ? s * 0.18 : s * 0.42;
            stern << QPoint(x + s / 2 + int(std::cos(w) * rad), y + s / 2 + int(std::sin(w) * rad));
        }
        p.drawPolygon(stern);
        break;
    }
    case 5: {                                                                         // heart
        p.drawEllipse(QPoint(x + s * 3 / 8, y + s * 3 / 8), s / 6, s / 6);
        p.drawEllipse(QPoint(x + s * 5 / 8, y + s * 3 / 8), s / 6, s / 6);
        p.drawPolygon(QPolygon({QPoint(x + s / 5, y + s * 7 / 16), QPoint(x + s * 4 / 5, y + s * 7 / 16),
                                QPoint(x + s / 2, y + s * 13 / 16)}));
        break;
    }
    case 6: for (int i = -s; i < s; i += 12)                                          // diagonals
                p.drawPolygon(QPolygon({QPoint(x + i, y), QPoint(x + i + 6, y), QPoint(x + i + 6 + s, y + s),
                                        QPoint(x + i + s, y + s)}));
        break;
    default: p.drawRect(x + s / 4, y + s / 4, s / 2, s / 2);                             // square in square
        p.setBrush(a);
        p.drawRect(x + s * 3 / 8, y + s * 3 / 8, s / 4, s / 4);
        break;
    }
}

} // namespace

QImage bildFlickenteppich()
{
    QImage bild = neuesBild(512, 384);
    {
        QPainter p(&bild);
        p.setClipRect(bild.rect());
        Zufall z(8);
        for (int j = 0; j < 6; ++j) {
            for (int i = 0; i < 8; ++i) {
                const QRect r(i * 64, j * 64, 64, 64);
                p.setClipRect(r);
                const int a = z.ganz(0, 11);
                const int b = (a + z.ganz(2, 9)) % 12;
                maleFlicken(p, r, (i * 3 + j * 5) % 8, Stoffe[a], Stoffe[b]);
            }
        }
        // the seams: dashed stitches along every edge
        p.setClipping(false);
        p.setPen(QPen(QColor(250, 246, 230), 1, Qt::DashLine));
        for (int i = 0; i <= 8; ++i)
            p.drawLine(i * 64 + 2, 0, i * 64 + 2, 383);
        for (int j = 0; j <= 6; ++j)
            p.drawLine(0, j * 64 + 2, 511, j * 64 + 2);
    }
    // the quilt has few colours: a palette of exactly those makes the 8-bit picture lossless
    QList<QRgb> farben;
    QSet<QRgb> gesehen;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (!gesehen.contains(bild.pixel(x, y))) {
                gesehen.insert(bild.pixel(x, y));
                farben.append(bild.pixel(x, y));
            }
    // a full table of 256, so that the file is a true 8-bit one and not packed to 4 bits
    for (int g = 0; farben.size() < 256; ++g)
        if (!gesehen.contains(qRgb(g, g, g)))
            farben.append(qRgb(g, g, g));
    return bild.convertToFormat(QImage::Format_Indexed8, farben, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage bildBuntstifte()
{
    QImage bild = neuesBild(100, 50);
    // squared paper behind, with a rainbow arching over the pencils
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x) {
            QColor c = (x % 5 == 0 || y % 5 == 0) ? QColor(170, 200, 235) : QColor(236, 242, 250);
            const double bogen = std::hypot(x - 40.0, (y - 60.0) * 1.3) - 66;
            if (bogen > 0 && bogen < 9)
                c = mische(c, QColor::fromHsvF(bogen / 10.0, 0.75, 1.0), 0.75);
            bild.setPixelColor(x, y, c);
        }
    QPainter p(&bild);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPoint(90, 6), 5, 5);
    const QColor stifte[] = {QColor(220, 30, 30),  QColor(250, 130, 20), QColor(250, 220, 30), QColor(140, 200, 40),
                             QColor(30, 140, 60),  QColor(30, 180, 200), QColor(30, 80, 200),  QColor(120, 50, 170),
                             QColor(230, 90, 170), QColor(110, 60, 30)};
    for (int i = 0; i < 10; ++i) {
        const int x = 1 + i * 10, oben = 2 + ((i * 7) % 10) * 2;
        p.setBrush(QColor(236, 200, 150));   // sharpened wood
        p.drawPolygon(QPolygon({QPoint(x, oben + 8), QPoint(x + 4, oben), QPoint(x + 8, oben + 8)}));
        p.setBrush(stifte[i]);
        p.drawPolygon(QPolygon({QPoint(x + 3, oben + 2), QPoint(x + 4, oben), QPoint(x + 5, oben + 2)}));
        p.drawRect(x, oben + 8, 8, 42 - oben);
        p.setBrush(stifte[i].lighter(140));
        p.drawRect(x + 1, oben + 8, 2, 42 - oben);
        p.setBrush(stifte[i].darker(150));
        p.drawRect(x + 6, oben + 8, 2, 42 - oben);
    }
    // the box they stand in
    p.setBrush(QColor(40, 60, 120));
    p.drawRect(0, 38, 100, 12);
    p.setBrush(QColor(250, 210, 60));
    p.drawRect(0, 38, 100, 2);
    for (int i = 0; i < 10; ++i) {
        p.setBrush(stifte[i]);
        p.drawEllipse(QPoint(5 + i * 10, 45), 2, 2);
    }
    return bild;
}

} // namespace kunst
