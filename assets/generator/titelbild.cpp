// The title picture in the board well: a night over a lake, the name on sliding tiles.
// It is also the built-in puzzle picture, so every part of it carries its own detail.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace werk;

namespace kunst {
namespace {

constexpr int Breite = 360;
constexpr int Hoehe = 361;
constexpr double Horizont = 232;

QColor himmelFarbe(double y)
{
    const QColor oben(8, 10, 38), mitte(34, 26, 84), unten(150, 74, 112), rand(236, 140, 96);
    const double t = y / Horizont;
    if (t < 0.55)
        return mische(oben, mitte, t / 0.55);
    if (t < 0.9)
        return mische(mitte, unten, (t - 0.55) / 0.35);
    return mische(unten, rand, (t - 0.9) / 0.1);
}

void maleHimmel(QImage& bild, double skala)
{
    jedesPixel(bild, QRect(0, 0, Breite, int(Horizont) + 1), skala, [](double x, double y) {
            // a diagonal band of haze: the milky way
            const double band = std::exp(-std::pow((x * 0.55 + y - 170) / 40.0, 2));
            const double dunst = band * (0.35 + 0.65 * wolken(x / 22.0, y / 22.0, 7, 4));
            QColor c = mische(himmelFarbe(y), QColor(170, 160, 230), dunst * 0.45);
            // thin clouds drifting below the stars, lit by the moon
            const double wolke = wolken(x / 46.0, y / 11.0, 29, 4) * std::exp(-std::pow((y - 158) / 24.0, 2));
            if (wolke > 0.42)
                c = mische(c, QColor(150, 130, 190), std::min(1.0, (wolke - 0.42) * 3.0));
            return c;
    });
}

void maleSterne(QPainter& p)
{
    Zufall z(1234);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double x = z.gleich(0, Breite), y = z.gleich(0, Horizont - 40);
        const double r = std::pow(z.gleich(0, 1), 3) * 1.6 + 0.45;
        const QColor farben[] = {QColor(255, 255, 255), QColor(255, 236, 180), QColor(190, 210, 255),
                                 QColor(255, 200, 200)};
        QColor c = farben[z.ganz(0, 3)];
        c.setAlphaF(std::min(1.0, 0.45 + r * 0.4));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
        if (r > 1.4) {   // the brightest twinkle
            p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
            p.drawLine(QPointF(x - 4 * r, y), QPointF(x + 4 * r, y));
            p.drawLine(QPointF(x, y - 4 * r), QPointF(x, y + 4 * r));
            p.setPen(Qt::NoPen);
        }
    }
}

// A small constellation of its own, a kite with a tail, where the sky has least.
void maleSternbild(QPainter& p)
{
    const QPointF sterne[] = {{136, 30}, {164, 20}, {190, 36}, {172, 62}, {146, 56}, {200, 76}, {226, 70}};
    p.setPen(QPen(QColor(200, 210, 255, 110), 0.9));
    const int linien[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {3, 5}, {5, 6}};
    for (const auto& l : linien)
        p.drawLine(sterne[l[0]], sterne[l[1]]);
    p.setPen(Qt::NoPen);
    for (const QPointF& s : sterne) {
        QRadialGradient schein(s, 5);
        schein.setColorAt(0, QColor(255, 255, 255));
        schein.setColorAt(1, QColor(200, 220, 255, 0));
        p.setBrush(schein);
        p.drawEllipse(s, 5, 5);
    }
}

void maleSternschnuppe(QPainter& p)
{
    QLinearGradient schweif(QPointF(12, 14), QPointF(104, 54));
    schweif.setColorAt(0, QColor(255, 255, 255, 0));
    schweif.setColorAt(1, QColor(255, 250, 220, 230));
    p.setPen(QPen(QBrush(schweif), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 14), QPointF(104, 54));
    QRadialGradient kopf(QPointF(104, 54), 7);
    kopf.setColorAt(0, QColor(255, 255, 240));
    kopf.setColorAt(1, QColor(255, 255, 240, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kopf);
    p.drawEllipse(QPointF(104, 54), 7, 7);
}

void maleMond(QPainter& p)
{
    const QPointF m(300, 70);
    QRadialGradient schein(m, 80);
    schein.setColorAt(0, QColor(255, 240, 200, 120));
    schein.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(schein);
    p.drawEllipse(m, 80, 80);
    QRadialGradient scheibe(m - QPointF(8, 8), 40);
    scheibe.setColorAt(0, QColor(255, 252, 232));
    scheibe.setColorAt(1, QColor(236, 214, 160));
    p.setBrush(scheibe);
    p.drawEllipse(m, 32, 32);
    p.setBrush(QColor(196, 172, 128, 120));
    const double krater[][3] = {{-10, -8, 7}, {9, 5, 9}, {-4, 14, 5}, {14, -14, 4}, {-17, 7, 3.5}};
    for (const auto& k : krater)
        p.drawEllipse(m + QPointF(k[0], k[1]), k[2], k[2]);
}

void maleRingplanet(QPainter& p)
{
    const QPointF m(58, 118);
    p.setPen(Qt::NoPen);
    QRadialGradient kugel(m - QPointF(4, 4), 16);
    kugel.setColorAt(0, QColor(140, 220, 230));
    kugel.setColorAt(1, QColor(40, 110, 150));
    p.setBrush(kugel);
    p.drawEllipse(m, 12, 12);
    p.save();
    p.translate(m);
    p.rotate(-18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 200, 150, 220), 2.2));
    p.drawEllipse(QPointF(0, 0), 24, 6);
    p.restore();
}

QPainterPath bergKette(double basis, double hoehe, double welle, std::uint32_t saat)
{
    // the range ends at the shore line; the lake below stays free
    QPainterPath pfad(QPointF(0, Horizont + 2));
    for (int x = 0; x <= Breite; x += 3)
        pfad.lineTo(x, basis - hoehe * wolken(x / welle, 0.5, saat, 4));
    pfad.lineTo(Breite, Horizont + 2);
    pfad.closeSubpath();
    return pfad;
}

void maleLandschaft(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(74, 52, 112));
    p.drawPath(bergKette(Horizont, 70, 60, 11));
    p.setBrush(QColor(44, 32, 78));
    p.drawPath(bergKette(Horizont + 2, 40, 34, 23));
    // a small town on the left hill, windows lit
    Zufall z(77);
    for (int i = 0; i < 9; ++i) {
        const double x = 8 + i * 15 + z.gleich(-2, 2);
        const double h = z.gleich(14, 30);
        const double w = z.gleich(10, 14);
        p.setBrush(QColor(30, 22, 54));
        p.drawRect(QRectF(x, Horizont - h, w, h + 2));
        QPainterPath dach;
        dach.moveTo(x - 2, Horizont - h);
        dach.lineTo(x + w / 2, Horizont - h - 8);
        dach.lineTo(x + w + 2, Horizont - h);
        p.drawPath(dach);
        p.setBrush(QColor(255, 208, 96));
        for (double wy = Horizont - h + 4; wy < Horizont - 4; wy += 7)
            if (z.ganz(0, 2) > 0)
                p.drawRect(QRectF(x + 3, wy, 3, 3));
    }
    // church tower in the middle of the town
    p.setBrush(QColor(30, 22, 54));
    p.drawRect(QRectF(150, Horizont - 52, 12, 54));
    QPainterPath spitze;
    spitze.moveTo(148, Horizont - 52);
    spitze.lineTo(156, Horizont - 76);
    spitze.lineTo(164, Horizont - 52);
    p.drawPath(spitze);
    p.setBrush(QColor(255, 224, 130));
    p.drawEllipse(QPointF(156, Horizont - 42), 3, 3);
}

void maleSee(QImage& bild, double skala)
{
    const int oben = int(Horizont) + 1;
    jedesPixel(bild, QRect(0, oben, Breite, Hoehe - oben), skala, [](double x, double y) {
            const double tiefe = (y - Horizont) / (Hoehe - Horizont);
            const double welle = std::sin(x * 0.09 + y * 0.7 + 3 * wolken(x / 30.0, y / 6.0, 5, 3));
            const double spiegelY = std::max(0.0, Horizont - (y - Horizont) * 1.4 - welle * 5);
            QColor c = mische(himmelFarbe(spiegelY), QColor(10, 12, 40), 0.2 + 0.5 * tiefe);
            if (welle > 0.8)   // light on the crests of the ripples
                c = mische(c, QColor(190, 150, 200), (welle - 0.8) * 1.2);
            // the moon's path of light, widening towards the shore
            const double pfad = std::exp(-std::pow((x - 300) / (10 + 46 * tiefe), 2));
            const double glitzer = std::max(0.0, welle - 0.1) / 0.9;
            c = mische(c, QColor(255, 236, 180), pfad * glitzer * 0.95);
            return c;
    });
}

// The town's lights, broken into dashes by the water.
void maleLichterImWasser(QPainter& p)
{
    Zufall z(61);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 11; ++i) {
        const double x = 12 + i * 13 + z.gleich(-3, 3);
        for (double y = Horizont + 4; y < Horizont + 26 + z.gleich(0, 24); y += 3.5) {
            p.setBrush(QColor(255, 208, 96, 70 + z.ganz(0, 90)));
            p.drawRect(QRectF(x + z.gleich(-2, 2), y, z.gleich(3, 7), 1.3));
        }
    }
}

void maleUfer(QPainter& p)
{
    p.setPen(Qt::NoPen);
    // reeds in the corners, each blade its own length
    Zufall z(99);
    for (int i = 0; i < 26; ++i) {
        const bool links = i < 14;
        const double x = links ? z.gleich(0, 70) : z.gleich(300, 360);
        const double h = z.gleich(26, 70);
        const double neigung = z.gleich(-10, 10);
        QPainterPath halm;
        halm.moveTo(x - 1.5, Hoehe);
        halm.quadTo(x, Hoehe - h * 0.6, x + neigung, Hoehe - h);
        halm.quadTo(x + 0.5, Hoehe - h * 0.6, x + 1.5, Hoehe);
        p.setBrush(QColor(16, 26, 30));
        p.drawPath(halm);
        if (z.ganz(0, 2) == 0) {
            p.setBrush(QColor(60, 40, 30));
            p.drawRoundedRect(QRectF(x + neigung * 0.8 - 2, Hoehe - h * 0.95, 4, 12), 2, 2);
        }
    }
    // a boat with a lantern out on the lake, small in the distance
    p.save();
    p.translate(205, 262);
    p.scale(0.6, 0.6);
    p.translate(-205, -318);
    QPainterPath boot;
    boot.moveTo(178, 318);
    boot.lineTo(232, 318);
    boot.quadTo(226, 330, 206, 330);
    boot.lineTo(194, 330);
    boot.quadTo(182, 330, 178, 318);
    p.setBrush(QColor(40, 24, 22));
    p.drawPath(boot);
    p.setPen(QPen(QColor(40, 24, 22), 1.5));
    p.drawLine(QPointF(200, 318), QPointF(200, 294));
    p.setPen(Qt::NoPen);
    QRadialGradient licht(QPointF(200, 292), 14);
    licht.setColorAt(0, QColor(255, 230, 140, 230));
    licht.setColorAt(1, QColor(255, 200, 80, 0));
    p.setBrush(licht);
    p.drawEllipse(QPointF(200, 292), 14, 14);
    p.setBrush(QColor(255, 240, 180));
    p.drawRect(QRectF(198, 289, 4, 6));
    p.restore();
    // fireflies over the water
    for (int i = 0; i < 9; ++i) {
        const QPointF f(z.gleich(70, 280), z.gleich(238, 276));
        QRadialGradient g(f, 3.5);
        g.setColorAt(0, QColor(220, 255, 140, 230));
        g.setColorAt(1, QColor(220, 255, 140, 0));
        p.setBrush(g);
        p.drawEllipse(f, 3.5, 3.5);
    }
}

void maleTitelKachel(QPainter& p, const QRectF& r, QChar buchstabe)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 20, 120));
    p.drawRoundedRect(r.translated(3, 4), 6, 6);
    QLinearGradient gold(r.topLeft(), r.bottomRight());
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(246, 190, 52));
    gold.setColorAt(1, QColor(176, 112, 20));
    p.setBrush(gold);
    p.drawRoundedRect(r, 6, 6);
    p.setBrush(QColor(255, 250, 220, 110));
    p.drawRoundedRect(QRectF(r.left() + 3, r.top() + 2, r.width() - 6, 6), 3, 3);
    p.setPen(QPen(QColor(120, 70, 10), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRectF innen = r.adjusted(8, 9, -8, -9);
    QPainterPath zeichen = textPfad(QString(buchstabe), schrift(Schriftart::SerifFett, 60), innen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 200, 160));
    p.drawPath(zeichen.translated(0.8, 1.0));
    p.setBrush(QColor(40, 24, 70));
    p.drawPath(zeichen);
}

void maleTitel(QPainter& p)
{
    const QString name = QStringLiteral("Tavelor");
    const double kachel = 44, abstand = 4;
    const double start = (Breite - (7 * kachel + 6 * abstand)) / 2;
    for (int i = 0; i < name.size(); ++i) {
        // one tile sits out of line, half slid, as in a game under way
        const double versatz = (i == 4) ? 10 : 0;
        maleTitelKachel(p, QRectF(start + i * (kachel + abstand), 282 + versatz, kachel, 48), name[i]);
    }
    // a golden ornament line below the name
    p.setPen(QPen(QColor(236, 190, 80, 200), 1.4));
    p.drawLine(QPointF(70, 349), QPointF(162, 349));
    p.drawLine(QPointF(198, 349), QPointF(290, 349));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 202, 3));
    QPainterPath raute;
    raute.moveTo(180, 342);
    raute.lineTo(188, 349);
    raute.lineTo(180, 356);
    raute.lineTo(172, 349);
    raute.closeSubpath();
    p.drawPath(raute);
    for (double x : {166.0, 194.0})
        p.drawEllipse(QPointF(x, 349), 2.2, 2.2);
}

} // namespace

QImage titelbild(double skala)
{
    QImage bild = neuesBild(int(std::lround(Breite * skala)), int(std::lround(Hoehe * skala)));
    maleHimmel(bild, skala);
    maleSee(bild, skala);
    QPainter p(&bild);
    if (skala != 1)
        p.scale(skala, skala);
    p.setRenderHint(QPainter::Antialiasing);
    maleSterne(p);
    maleSternbild(p);
    maleSternschnuppe(p);
    maleMond(p);
    maleRingplanet(p);
    maleLandschaft(p);
    maleLichterImWasser(p);
    maleUfer(p);
    maleTitel(p);
    return bild;
}

} // namespace kunst
