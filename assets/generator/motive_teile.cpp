#include "motive.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace werk;

namespace kunst::motiv {

void wolke(QPainter& p, const QPointF& m, double g)
{
    p.save();
    p.setPen(Qt::NoPen);
    const double teile[][3] = {{-1.0, 0.2, 0.55}, {-0.4, -0.25, 0.75}, {0.35, -0.1, 0.65}, {0.95, 0.25, 0.5},
                               {0.0, 0.3, 0.6}};
    p.setBrush(QColor(180, 196, 220, 200));
    for (const auto& t : teile)
        p.drawEllipse(m + QPointF(t[0] * g + g * 0.08, t[1] * g + g * 0.12), t[2] * g, t[2] * g * 0.8);
    p.setBrush(QColor(255, 255, 255, 235));
    for (const auto& t : teile)
        p.drawEllipse(m + QPointF(t[0] * g, t[1] * g), t[2] * g, t[2] * g * 0.8);
    p.restore();
}

void biene(QPainter& p, const QPointF& m, double s)
{
    p.save();
    p.translate(m);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 240, 255, 190));
    p.drawEllipse(QPointF(-4, -10), 7, 10);
    p.drawEllipse(QPointF(5, -9), 6, 9);
    p.setBrush(QColor(250, 190, 20));
    p.drawEllipse(QPointF(0, 0), 14, 9);
    p.setBrush(QColor(30, 20, 10));
    for (double x : {-6.0, 1.0, 8.0})
        p.drawRect(QRectF(x - 2, -8.5, 3.5, 17));
    p.drawEllipse(QPointF(-14, -1), 6, 6);
    p.setPen(QPen(QColor(30, 20, 10), 1.2));
    p.drawLine(QPointF(-17, -5), QPointF(-22, -12));
    p.restore();
}

void schmetterling(QPainter& p, const QPointF& m, double s)
{
    p.save();
    p.translate(m);
    p.scale(s, s);
    p.setPen(QPen(QColor(40, 20, 30), 0.8));
    for (int seite : {-1, 1}) {
        p.setBrush(QColor(230, 80, 140));
        p.drawEllipse(QPointF(seite * 9, -6), 9, 8);
        p.setBrush(QColor(250, 160, 60));
        p.drawEllipse(QPointF(seite * 7, 6), 6, 5);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(seite * 11, -8), 2.5, 2.5);
    }
    p.setBrush(QColor(40, 20, 30));
    p.drawEllipse(QPointF(0, 0), 2, 10);
    p.drawLine(QPointF(0, -9), QPointF(-4, -16));
    p.drawLine(QPointF(0, -9), QPointF(4, -16));
    p.restore();
}

void segelboot(QPainter& p, const QPointF& k, double s)
{
    p.save();
    p.translate(k);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    QPainterPath rumpf;
    rumpf.moveTo(-40, 0);
    rumpf.lineTo(44, 0);
    rumpf.lineTo(32, 14);
    rumpf.lineTo(-32, 14);
    rumpf.closeSubpath();
    p.setBrush(QColor(150, 40, 30));
    p.drawPath(rumpf);
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(QRectF(-40, 0, 84, 3));
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(-2, -78, 3, 78));
    QPainterPath segel;
    segel.moveTo(3, -74);
    segel.quadTo(30, -40, 38, -4);
    segel.lineTo(3, -4);
    segel.closeSubpath();
    p.setBrush(QColor(250, 246, 230));
    p.drawPath(segel);
    QPainterPath fock;
    fock.moveTo(-4, -68);
    fock.lineTo(-4, -6);
    fock.lineTo(-34, -6);
    fock.closeSubpath();
    p.setBrush(QColor(240, 200, 90));
    p.drawPath(fock);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(-1, -86, 12, 6));
    p.restore();
}

void kuesteMitLeuchtturm(QPainter& p, const QRectF& r)
{
    p.save();
    p.translate(r.topLeft());
    p.setPen(Qt::NoPen);
    const double w = r.width(), h = r.height();
    // rocks, layer on layer
    Zufall z(3);
    for (int schicht = 0; schicht < 3; ++schicht) {
        QPainterPath fels(QPointF(w * 0.1 * schicht - 20, h));
        for (double x = w * 0.1 * schicht - 20; x <= w + 10; x += 12)
            fels.lineTo(x, h * (0.62 + 0.1 * schicht) - 40 * std::sin((x + 30) / w * 3.0) + z.gleich(-6, 6));
        fels.lineTo(w + 10, h);
        fels.closeSubpath();
        const QColor stein = mische(QColor(90, 70, 70), QColor(40, 30, 40), schicht / 2.0);
        p.setBrush(stein);
        p.drawPath(fels);
        // cracks and lichen, so that no part of the cliff is plain
        p.save();
        p.setClipPath(fels);
        for (int i = 0; i < 90; ++i) {
            const QPointF m(z.gleich(0, w), z.gleich(h * 0.4, h));
            const int art = z.ganz(0, 2);
            p.setBrush(art == 0 ? stein.lighter(135) : art == 1 ? stein.darker(140) : QColor(150, 150, 70, 150));
            p.drawEllipse(m, z.gleich(2, 9), z.gleich(1.5, 4));
        }
        p.restore();
    }
    // the tower: white and red rings, narrowing to the top
    const double fuss = h * 0.55, kopf = h * 0.12, mx = w * 0.55;
    for (int i = 0; i < 6; ++i) {
        const double y0 = fuss - (fuss - kopf) * i / 6.0, y1 = fuss - (fuss - kopf) * (i + 1) / 6.0;
        const double b0 = 26 - 10 * i / 6.0, b1 = 26 - 10 * (i + 1) / 6.0;
        QPainterPath ring;
        ring.moveTo(mx - b0, y0);
        ring.lineTo(mx + b0, y0);
        ring.lineTo(mx + b1, y1);
        ring.lineTo(mx - b1, y1);
        ring.closeSubpath();
        p.setBrush(i % 2 ? QColor(240, 236, 228) : QColor(200, 40, 40));
        p.drawPath(ring);
    }
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(mx - 20, kopf - 4, 40, 5));
    QRadialGradient licht(QPointF(mx, kopf - 14), 30);
    licht.setColorAt(0, QColor(255, 250, 200));
    licht.setColorAt(1, QColor(255, 230, 120, 0));
    p.setBrush(licht);
    p.drawEllipse(QPointF(mx, kopf - 14), 30, 30);
    QPainterPath strahl;
    strahl.moveTo(mx, kopf - 14);
    strahl.lineTo(-r.left() * 0.9, kopf - 70);
    strahl.lineTo(-r.left() * 0.9, kopf + 30);
    strahl.closeSubpath();
    QLinearGradient strahlFarbe(mx, 0, -r.left(), 0);
    strahlFarbe.setColorAt(0, QColor(255, 250, 200, 140));
    strahlFarbe.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(strahlFarbe);
    p.drawPath(strahl);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(mx - 10, kopf - 24, 20, 20));
    p.setBrush(QColor(255, 240, 160));
    p.drawRect(QRectF(mx - 7, kopf - 21, 14, 14));
    QPainterPath dach;
    dach.moveTo(mx - 14, kopf - 24);
    dach.lineTo(mx, kopf - 40);
    dach.lineTo(mx + 14, kopf - 24);
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(dach);
    // the keeper's house with lit windows
    p.setBrush(QColor(230, 220, 200));
    p.drawRect(QRectF(mx + 30, fuss - 30, 56, 32));
    QPainterPath hausDach;
    hausDach.moveTo(mx + 26, fuss - 30);
    hausDach.lineTo(mx + 58, fuss - 52);
    hausDach.lineTo(mx + 90, fuss - 30);
    p.setBrush(QColor(60, 70, 110));
    p.drawPath(hausDach);
    p.setBrush(QColor(255, 210, 90));
    p.drawRect(QRectF(mx + 38, fuss - 22, 10, 10));
    p.drawRect(QRectF(mx + 66, fuss - 22, 10, 10));
    p.restore();
}

void felder(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QColor farben[] = {QColor(120, 170, 60), QColor(210, 190, 80), QColor(90, 140, 50),
                             QColor(170, 120, 70), QColor(150, 190, 90), QColor(230, 210, 120)};
    Zufall z(21);
    const int spalten = 7, reihen = 6;
    for (int j = 0; j < reihen; ++j) {
        for (int i = 0; i < spalten; ++i) {
            // rows get narrower towards the horizon
            const double y0 = r.top() + r.height() * std::pow(double(j) / reihen, 1.4);
            const double y1 = r.top() + r.height() * std::pow(double(j + 1) / reihen, 1.4);
            const double x0 = r.left() + r.width() * i / spalten, x1 = r.left() + r.width() * (i + 1) / spalten;
            const QColor c = farben[z.ganz(0, 5)];
            p.setBrush(c);
            p.drawRect(QRectF(x0, y0, x1 - x0 + 0.5, y1 - y0 + 0.5));
            p.setPen(QPen(mische(c, Qt::black, 0.2), 0.8));
            for (double fy = y0 + 3; fy < y1; fy += 2 + j)
                p.drawLine(QPointF(x0, fy), QPointF(x1, fy + (i % 2 ? 2 : -2)));
            p.setPen(Qt::NoPen);
            if (z.ganz(0, 3) == 0) {   // a tree at a corner of the field
                p.setBrush(QColor(40, 90, 40));
                p.drawEllipse(QPointF(x0 + 4, y0 + 2), 3 + j, 3 + j);
            }
        }
    }
    // a river winding through
    QPainterPath fluss(QPointF(r.left() + r.width() * 0.6, r.top()));
    fluss.cubicTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.3, r.left() + r.width() * 0.9,
                  r.top() + r.height() * 0.6, r.left() + r.width() * 0.35, r.bottom());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 130, 200), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fluss);
    p.setPen(QPen(QColor(150, 200, 240), 2));
    p.drawPath(fluss);
    p.restore();
}

void ballon(QPainter& p, const QPointF& m, double s, const QColor& a, const QColor& b, int muster)
{
    p.save();
    p.translate(m);
    p.scale(s, s);
    QPainterPath huelle;
    huelle.moveTo(0, 60);
    huelle.cubicTo(-30, 40, -54, 10, -50, -22);
    huelle.cubicTo(-46, -56, 46, -56, 50, -22);
    huelle.cubicTo(54, 10, 30, 40, 0, 60);
    p.setClipPath(huelle);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const double x0 = -55 + i * 11;
        p.setBrush(i % 2 ? a : b);
        if (muster == 0)
            p.drawRect(QRectF(x0, -60, 11, 130));
        else if (muster == 1)
            p.drawRect(QRectF(-60, -60 + i * 13, 120, 13));
        else
            for (int j = 0; j < 10; ++j)
                if ((i + j) % 2)
                    p.drawRect(QRectF(x0, -60 + j * 13, 11, 13));
    }
    QRadialGradient glanz(QPointF(-20, -25), 70);
    glanz.setColorAt(0, QColor(255, 255, 255, 90));
    glanz.setColorAt(0.5, QColor(255, 255, 255, 0));
    glanz.setColorAt(1, QColor(0, 0, 40, 90));
    p.setBrush(glanz);
    p.drawRect(QRectF(-60, -60, 120, 130));
    p.setClipping(false);
    p.setPen(QPen(QColor(70, 50, 30), 1));
    p.drawLine(QPointF(-12, 54), QPointF(-8, 72));
    p.drawLine(QPointF(12, 54), QPointF(8, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 90, 50));
    p.drawRect(QRectF(-9, 72, 18, 13));
    p.setBrush(QColor(100, 66, 36));
    p.drawRect(QRectF(-9, 72, 18, 3));
    p.restore();
}

void fisch(QPainter& p, const QPointF& m, double s, const QColor& farbe, bool nachLinks)
{
    p.save();
    p.translate(m);
    p.scale(nachLinks ? -s : s, s);
    p.setPen(QPen(mische(farbe, Qt::black, 0.5), 1));
    QPainterPath koerper;
    koerper.moveTo(22, 0);
    koerper.cubicTo(12, -14, -10, -12, -18, 0);
    koerper.cubicTo(-10, 12, 12, 14, 22, 0);
    QPainterPath schwanz;
    schwanz.moveTo(-16, 0);
    schwanz.lineTo(-30, -10);
    schwanz.lineTo(-27, 0);
    schwanz.lineTo(-30, 10);
    schwanz.closeSubpath();
    p.setBrush(mische(farbe, Qt::black, 0.2));
    p.drawPath(schwanz);
    QLinearGradient g(0, -12, 0, 12);
    g.setColorAt(0, mische(farbe, Qt::white, 0.35));
    g.setColorAt(1, farbe);
    p.setBrush(g);
    p.drawPath(koerper);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.5));
    p.drawLine(QPointF(2, -9), QPointF(2, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13, -3), 3.5, 3.5);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(14, -3), 1.8, 1.8);
    p.restore();
}

} // namespace kunst::motiv
