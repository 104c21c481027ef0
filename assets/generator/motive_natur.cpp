// Sample pictures from nature: sunflower, lighthouse, balloons.
#include "kunstwerk.h"
#include "motive.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

using namespace werk;

namespace kunst {

void maleSonnenblume(QPainter& p, const QRectF& r, bool mitHimmel)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);   // drawn on a 100 x 100 canvas
    p.setRenderHint(QPainter::Antialiasing);
    if (mitHimmel) {
        QLinearGradient himmel(0, 0, 0, 100);
        himmel.setColorAt(0, QColor(40, 110, 200));
        himmel.setColorAt(1, QColor(160, 210, 245));
        p.fillRect(QRectF(0, 0, 100, 100), himmel);
        motiv::wolke(p, QPointF(16, 14), 9);
        motiv::wolke(p, QPointF(80, 10), 7);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 120, 40));
    p.drawRect(QRectF(48, 60, 4, 40));
    for (int seite : {-1, 1}) {
        QPainterPath blatt;
        blatt.moveTo(50, 84);
        blatt.quadTo(50 + seite * 14, 70, 50 + seite * 30, 80);
        blatt.quadTo(50 + seite * 16, 92, 50, 84);
        p.setBrush(QColor(60, 140, 50));
        p.drawPath(blatt);
        p.setPen(QPen(QColor(30, 90, 30), 0.6));
        p.drawLine(QPointF(50, 84), QPointF(50 + seite * 26, 80));
        p.setPen(Qt::NoPen);
    }
    const QPointF mitte(50, 44);
    for (int ring = 0; ring < 2; ++ring) {
        for (int i = 0; i < 21; ++i) {
            p.save();
            p.translate(mitte);
            p.rotate(i * 360.0 / 21 + ring * 8.5);
            QPainterPath blatt;
            blatt.moveTo(0, 0);
            blatt.quadTo(5, -18, 0, -34 + ring * 3);
            blatt.quadTo(-5, -18, 0, 0);
            QLinearGradient g(0, 0, 0, -34);
            g.setColorAt(0, ring ? QColor(250, 190, 20) : QColor(230, 150, 10));
            g.setColorAt(1, ring ? QColor(255, 224, 70) : QColor(250, 200, 40));
            p.setBrush(g);
            p.drawPath(blatt);
            p.restore();
        }
    }
    p.setBrush(QColor(70, 40, 16));
    p.drawEllipse(mitte, 15, 15);
    // seeds in the golden angle spiral
    for (int i = 1; i < 260; ++i) {
        const double w = i * 2.39996323, rad = 0.9 * std::sqrt(double(i));
        const QPointF s = mitte + QPointF(std::cos(w) * rad, std::sin(w) * rad);
        p.setBrush(i % 2 ? QColor(120, 76, 30) : QColor(44, 24, 10));
        p.drawEllipse(s, 0.55 + i / 900.0, 0.55 + i / 900.0);
    }
    p.restore();
}

QImage bildSonnenblume()
{
    QImage bild = neuesBild(480, 480);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, 330);
    himmel.setColorAt(0, QColor(40, 110, 200));
    himmel.setColorAt(1, QColor(170, 215, 245));
    p.fillRect(QRectF(0, 0, 480, 480), himmel);
    motiv::wolke(p, QPointF(70, 62), 40);
    motiv::wolke(p, QPointF(400, 48), 30);
    motiv::wolke(p, QPointF(240, 24), 18);
    // rolling hills, a red-roofed farm, then a field of sunflowers in rows
    p.setPen(Qt::NoPen);
    QPainterPath huegel(QPointF(0, 480));
    for (int x = 0; x <= 480; x += 8)
        huegel.lineTo(x, 300 - 36 * std::sin(x / 70.0) - 14 * std::sin(x / 23.0));
    huegel.lineTo(480, 480);
    p.setBrush(QColor(110, 160, 70));
    p.drawPath(huegel);
    p.setBrush(QColor(240, 230, 210));
    p.drawRect(QRectF(372, 268, 36, 24));
    QPainterPath dach;
    dach.moveTo(366, 268);
    dach.lineTo(390, 250);
    dach.lineTo(414, 268);
    p.setBrush(QColor(190, 50, 40));
    p.drawPath(dach);
    p.setBrush(QColor(70, 110, 50));
    for (double x : {30.0, 52.0, 330.0, 440.0})
        p.drawEllipse(QPointF(x, 300 - 36 * std::sin(x / 70.0) - 14 * std::sin(x / 23.0) - 8), 12, 14);
    Zufall z(5);
    for (int reihe = 0; reihe < 3; ++reihe) {
        const double groesse = 46 + reihe * 22, y = 318 + reihe * 44;
        for (double x = -20 + reihe * 17; x < 500; x += groesse * 0.8) {
            if (reihe < 2 && x > 150 && x < 300)
                continue;   // the stem of the big flower stands here
            maleSonnenblume(p, QRectF(x + z.gleich(-6, 6), y + z.gleich(-6, 6), groesse, groesse), false);
        }
    }
    maleSonnenblume(p, QRectF(40, 0, 400, 400), false);
    motiv::wolke(p, QPointF(448, 200), 22);
    motiv::schmetterling(p, QPointF(40, 196), 1.3);
    motiv::biene(p, QPointF(390, 150), 1.4);
    motiv::biene(p, QPointF(92, 250), 1.0);
    return bild;
}

QImage bildLeuchtturm()
{
    QImage bild = neuesBild(640, 400);
    const double horizont = 250;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 640; ++x) {
            QColor c;
            if (y < horizont) {
                const double t = y / horizont;
                c = mische(QColor(40, 50, 120), QColor(250, 150, 90), std::pow(t, 1.6));
                const double streifen = wolken(x / 90.0, y / 14.0, 3, 4);
                if (streifen > 0.58)
                    c = mische(c, QColor(255, 120, 110), (streifen - 0.58) * 3);
            } else {
                const double t = (y - horizont) / 150.0;
                const double welle = std::sin(x * 0.08 + y * 0.9 + 4 * wolken(x / 40.0, y / 8.0, 8, 3));
                c = mische(QColor(60, 70, 130), QColor(10, 40, 70), t);
                const double glanz = std::exp(-std::pow((x - 160) / (30 + 120 * t), 2));
                if (welle > 0.3)
                    c = mische(c, QColor(255, 200, 120), glanz * (welle - 0.3));
            }
            bild.setPixelColor(x, y, c);
        }
    }
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 120));
    p.drawEllipse(QPointF(160, 236), 26, 26);
    p.fillRect(QRectF(120, 250, 80, 2), QColor(255, 190, 120));
    motiv::kuesteMitLeuchtturm(p, QRectF(380, 80, 260, 320));
    motiv::segelboot(p, QPointF(70, 290), 1.0);
    motiv::segelboot(p, QPointF(262, 262), 0.5);
    Zufall z(14);
    p.setPen(QPen(QColor(40, 30, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const QPointF m(z.gleich(40, 360), z.gleich(40, 180));
        const double s = z.gleich(5, 11);
        QPainterPath moewe(m - QPointF(s, 0));
        moewe.quadTo(m - QPointF(s / 2, s * 0.6), m);
        moewe.quadTo(m + QPointF(s / 2, -s * 0.6), m + QPointF(s, 0));
        p.drawPath(moewe);
    }
    return bild;
}

QImage bildBallonfahrt()
{
    QImage bild = neuesBild(400, 600);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, 400);
    himmel.setColorAt(0, QColor(70, 140, 220));
    himmel.setColorAt(1, QColor(200, 230, 250));
    p.fillRect(QRectF(0, 0, 400, 420), himmel);
    for (const auto& w : {QPointF(60, 60), QPointF(300, 40), QPointF(200, 170), QPointF(40, 300), QPointF(340, 260)})
        motiv::wolke(p, w, 26);
    motiv::felder(p, QRectF(0, 400, 400, 200));
    const struct { double x, y, s; QColor a, b; int muster; } ballone[] = {
        {120, 150, 1.5, QColor(220, 40, 40), QColor(250, 220, 60), 0},
        {300, 120, 1.0, QColor(40, 90, 200), QColor(250, 250, 250), 1},
        {250, 330, 1.25, QColor(60, 170, 80), QColor(250, 140, 30), 2},
        {70, 400, 0.75, QColor(140, 60, 170), QColor(250, 200, 220), 1},
        {350, 470, 0.6, QColor(250, 170, 20), QColor(200, 30, 90), 0},
        {190, 60, 0.5, QColor(20, 160, 170), QColor(250, 240, 200), 2},
    };
    for (const auto& b : ballone)
        motiv::ballon(p, QPointF(b.x, b.y), b.s, b.a, b.b, b.muster);
    return bild;
}

} // namespace kunst
