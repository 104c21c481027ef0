// Sample pictures: a city skyline at dusk and a coral reef.
#include "kunstwerk.h"
#include "motive.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace werk;

namespace kunst {
namespace {

void maleHaus(QPainter& p, Zufall& z, double x, double breite, double hoehe, double boden)
{
    const QColor wand = QColor::fromHsvF(z.gleich(0.55, 0.75), z.gleich(0.2, 0.5), z.gleich(0.18, 0.34));
    p.setBrush(wand);
    p.drawRect(QRectF(x, boden - hoehe, breite, hoehe));
    const int art = z.ganz(0, 3);
    if (art == 1) {   // a pointed roof
        QPainterPath dach;
        dach.moveTo(x, boden - hoehe);
        dach.lineTo(x + breite / 2, boden - hoehe - breite * 0.6);
        dach.lineTo(x + breite, boden - hoehe);
        p.drawPath(dach);
    } else if (art == 2) {   // an antenna with a red light
        p.drawRect(QRectF(x + breite / 2 - 1, boden - hoehe - 24, 2, 24));
        p.setBrush(QColor(255, 60, 50));
        p.drawEllipse(QPointF(x + breite / 2, boden - hoehe - 24), 2.5, 2.5);
    }
    const QColor licht = z.ganz(0, 1) ? QColor(255, 214, 110) : QColor(180, 230, 255);
    for (double wy = boden - hoehe + 6; wy < boden - 6; wy += 9)
        for (double wx = x + 4; wx < x + breite - 6; wx += 8) {
            p.setBrush(z.ganz(0, 9) < 6 ? licht : mische(wand, Qt::black, 0.3));
            p.drawRect(QRectF(wx, wy, 4, 5));
        }
}

// A coral branch that forks until its twigs end in round polyps.
void verzweige(QPainter& p, Zufall& z, QPointF fuss, double winkel, double laenge, double breite, int tiefe,
               const QColor& farbe)
{
    const QPointF ende = fuss + QPointF(std::cos(winkel) * laenge, std::sin(winkel) * laenge);
    p.setPen(QPen(mische(farbe, Qt::black, 0.12 * tiefe), breite, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(fuss, ende);
    if (tiefe == 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(farbe.lighter(130));
        p.drawEllipse(ende, breite * 0.9, breite * 0.9);
        return;
    }
    for (double seite : {-1.0, 1.0})
        verzweige(p, z, ende, winkel + seite * z.gleich(0.25, 0.6), laenge * z.gleich(0.6, 0.8), breite * 0.7,
                  tiefe - 1, farbe);
}

} // namespace

QImage bildSkyline()
{
    QImage bild = neuesBild(900, 300);
    // evening sky with bands of cloud lit from below by the set sun
    for (int y = 0; y < 222; ++y) {
        const double t = y / 220.0;
        const QColor grund = t < 0.55 ? mische(QColor(56, 44, 120), QColor(170, 70, 120), t / 0.55)
                                      : mische(QColor(170, 70, 120), QColor(255, 170, 80), (t - 0.55) / 0.45);
        for (int x = 0; x < 900; ++x) {
            const double wolke = wolken(x / 70.0, y / 12.0, 19, 5);
            const QColor licht = mische(QColor(255, 170, 160), QColor(150, 90, 170), 1 - t);
            bild.setPixelColor(x, y, wolke > 0.5 ? mische(grund, licht, (wolke - 0.5) * 4.0) : grund);
        }
    }
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 180));
    p.drawEllipse(QPointF(720, 170), 30, 30);
    Zufall z(42);
    for (int i = 0; i < 90; ++i) {
        p.setBrush(QColor(255, 255, 255, 120 + z.ganz(0, 120)));
        p.drawEllipse(QPointF(z.gleich(0, 900), z.gleich(0, 90)), 1, 1);
    }
    // a crescent moon and a plane with blinking lights
    QPainterPath mond;
    mond.addEllipse(QPointF(150, 40), 16, 16);
    QPainterPath schatten;
    schatten.addEllipse(QPointF(158, 34), 14, 14);
    p.setBrush(QColor(255, 246, 210));
    p.drawPath(mond.subtracted(schatten));
    p.setBrush(QColor(40, 40, 60));
    p.drawRect(QRectF(560, 30, 26, 3));
    p.drawPolygon(QPolygonF({QPointF(570, 31), QPointF(580, 31), QPointF(572, 40)}));
    p.setBrush(QColor(255, 60, 60));
    p.drawEllipse(QPointF(572, 40), 1.6, 1.6);
    p.setBrush(QColor(120, 255, 120));
    p.drawEllipse(QPointF(586, 31), 1.6, 1.6);
    // the evening star, and a flock of birds heading home
    QRadialGradient stern(QPointF(830, 34), 12);
    stern.setColorAt(0, QColor(255, 255, 240));
    stern.setColorAt(1, QColor(255, 255, 240, 0));
    p.setBrush(stern);
    p.drawEllipse(QPointF(830, 34), 12, 12);
    p.setPen(QPen(QColor(40, 20, 50), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const QPointF v(640 + i * 16, 18 + std::abs(i - 3) * 6);
        p.drawLine(v, v + QPointF(-6, -4));
        p.drawLine(v, v + QPointF(6, -4));
    }
    p.setPen(Qt::NoPen);
    // far buildings pale, near ones dark with lit windows
    p.setBrush(QColor(120, 70, 120));
    for (double x = 0; x < 900; x += 26)
        p.drawRect(QRectF(x, 220 - 40 - 30 * rauschen(x / 40, 0, 4), 24, 80));
    double x = -10;
    while (x < 900) {
        const double breite = z.gleich(34, 70);
        maleHaus(p, z, x, breite, z.gleich(60, 170), 222);
        x += breite + z.gleich(2, 8);
    }
    // the tower of the city
    p.setBrush(QColor(50, 50, 70));
    p.drawRect(QRectF(440, 40, 8, 182));
    p.drawEllipse(QPointF(444, 70), 16, 9);
    p.setBrush(QColor(255, 220, 120));
    p.drawRect(QRectF(430, 68, 28, 3));
    // the river, mirroring the lights in strokes
    QLinearGradient wasser(0, 222, 0, 300);
    wasser.setColorAt(0, QColor(60, 40, 80));
    wasser.setColorAt(1, QColor(15, 15, 40));
    p.fillRect(QRectF(0, 222, 900, 78), wasser);
    const QImage stadt = bild.copy(0, 150, 900, 72).mirrored(false, true);
    p.setOpacity(0.35);
    p.drawImage(QPointF(0, 222), stadt);
    p.setOpacity(1);
    for (int i = 0; i < 160; ++i) {
        const double wx = z.gleich(0, 900), wy = z.gleich(226, 298);
        p.setBrush(QColor(255, 210, 120, 90 + z.ganz(0, 100)));
        p.drawRect(QRectF(wx, wy, z.gleich(6, 18), 1.2));
    }
    // a bridge with lamps across the river
    p.setPen(QPen(QColor(30, 26, 40), 5));
    p.drawLine(QPointF(0, 250), QPointF(330, 250));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 26, 40), 3));
    for (double b = 0; b < 330; b += 110)
        p.drawArc(QRectF(b, 246, 110, 60), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    for (double b = 10; b < 330; b += 30) {
        p.setBrush(QColor(30, 26, 40));
        p.drawRect(QRectF(b, 236, 2, 14));
        p.setBrush(QColor(255, 236, 160));
        p.drawEllipse(QPointF(b + 1, 235), 2.5, 2.5);
    }
    return bild;
}

QImage bildKorallenriff()
{
    QImage bild = neuesBild(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const double strahl = std::pow(std::max(0.0, std::sin((x + y * 0.35) / 37.0)), 12) * (1 - y / 600.0);
            QColor c = mische(QColor(40, 170, 210), QColor(8, 40, 90), y / 600.0);
            bild.setPixelColor(x, y, mische(c, QColor(200, 250, 255), strahl * 0.35));
        }
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QPainterPath sand(QPointF(0, 600));
    for (int x = 0; x <= 800; x += 10)
        sand.lineTo(x, 500 + 30 * std::sin(x / 90.0) + 10 * rauschen(x / 20.0, 1, 2));
    sand.lineTo(800, 600);
    p.setBrush(QColor(230, 200, 140));
    p.drawPath(sand);
    Zufall z(17);
    // domes of brain coral on the sand
    for (const QPointF& m : {QPointF(120, 560), QPointF(470, 545), QPointF(720, 575)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 170, 110));
        p.drawChord(QRectF(m.x() - 50, m.y() - 40, 100, 80), 0, 180 * 16);
        p.setPen(QPen(QColor(150, 110, 70), 2));
        p.setBrush(Qt::NoBrush);
        for (int r = 10; r < 50; r += 8)
            p.drawArc(QRectF(m.x() - r, m.y() - r * 0.8, 2 * r, 1.6 * r), 10 * 16, 160 * 16);
    }
    // branching corals, each in its own colour
    const QColor korallen[] = {QColor(250, 110, 90), QColor(250, 180, 60), QColor(200, 80, 170),
                               QColor(120, 210, 120), QColor(250, 240, 200), QColor(240, 70, 70)};
    for (int i = 0; i < 9; ++i) {
        const QPointF fuss(40 + i * 90 + z.gleich(-20, 20), 540 + z.gleich(0, 40));
        verzweige(p, z, fuss, -M_PI / 2 + z.gleich(-0.3, 0.3), z.gleich(50, 80), 12, 4, korallen[i % 6]);
    }
    p.setPen(Qt::NoPen);
    // sea weed swaying, a starfish and bubbles
    for (int i = 0; i < 7; ++i) {
        const double x = z.gleich(0, 800);
        QPainterPath tang(QPointF(x, 590));
        tang.cubicTo(x - 30, 480, x + 30, 420, x - 10, 330 + z.gleich(0, 60));
        p.setPen(QPen(QColor(40, 140, 70), 6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tang);
    }
    p.setPen(QPen(QColor(180, 60, 20), 1.5));
    p.setBrush(QColor(250, 120, 50));
    QPolygonF stern;
    for (int i = 0; i < 10; ++i) {
        const double w = -M_PI / 2 + i * M_PI / 5, rad = i % 2 ? 10 : 26;
        stern << QPointF(610 + std::cos(w) * rad, 560 + std::sin(w) * rad);
    }
    p.drawPolygon(stern);
    const QColor fische[] = {QColor(250, 140, 20), QColor(250, 220, 40), QColor(60, 120, 240), QColor(230, 60, 120),
                             QColor(120, 220, 200), QColor(250, 90, 40)};
    // one fish in every part of the open water, so that no two parts look alike
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 6; ++i)
            motiv::fisch(p, QPointF(60 + i * 133 + z.gleich(-30, 30), 45 + j * 90 + z.gleich(-20, 20)),
                         z.gleich(0.8, 2.2), fische[(i + 2 * j) % 6], z.ganz(0, 1));
    p.setPen(QPen(QColor(220, 250, 255, 200), 1.2));
    p.setBrush(QColor(220, 250, 255, 50));
    for (int i = 0; i < 30; ++i) {
        const double r = z.gleich(2, 7);
        p.drawEllipse(QPointF(z.gleich(0, 800), z.gleich(0, 480)), r, r);
    }
    return bild;
}

} // namespace kunst
