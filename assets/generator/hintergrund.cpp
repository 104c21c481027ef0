// The main window's background: textured surround, the board's frame with its well,
// and the right-hand panel with the preview well and the counter box.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <cmath>

using namespace werk;

namespace kunst {
namespace {

const QRect RahmenBrett(24, 23, 427, 427);      // x 24..450, y 23..449
const QRect Brunnen(57, 55, 360, 361);          // (57,55)-(417,416)
const QRect RahmenTafel(486, 23, 245, 427);
const QRect Vorschau(518, 55, 180, 180);        // (518,55)-(698,235)
const QRect Zaehler(518, 274, 180, 142);        // (518,274)-(698,416)

// The metal of the frames and the stone round them; in dark both lie deeper, the wells and the
// counter box stay as they are.
struct Toene {
    QColor metall, metallHell, metallDunkel;
    double stein;            // the stone's lightness
    QColor schatten;         // one of the six layers of the panels' shadow
};

Toene toene(bool dunkel)
{
    if (!dunkel)
        return {Blaugrau, BlaugrauHell, BlaugrauDunkel, 0.86, QColor(40, 36, 30, 14)};
    return {QColor(58, 66, 82), QColor(86, 96, 116), QColor(28, 33, 44), 0.215, QColor(0, 0, 0, 34)};
}

void skaliere(QPainter& p, double skala)
{
    if (skala != 1)
        p.scale(skala, skala);
}

// A stone with fine veins; the panels cast a soft shadow onto it.
void maleUmgebung(QImage& bild, double skala, const Toene& t)
{
    const double tiefe = t.stein / 0.86;  // veins and grain shrink with the stone's light
    jedesPixel(bild, QRect(0, 0, 755, 475), skala, [&t, tiefe](double x, double y) {
            const double stein = wolken(x / 60.0, y / 60.0, 3, 5);
            const double ader = std::abs(std::sin((x + y * 0.6) / 18.0 + stein * 9.0));
            const double korn = rauschen(x * 0.9, y * 0.9, 41) - 0.5;
            const double hell = t.stein + tiefe * (0.06 * stein - 0.05 * std::pow(1 - ader, 8) + 0.025 * korn);
            return QColor::fromRgbF(std::clamp(hell * 0.99, 0.0, 1.0), std::clamp(hell * 0.965, 0.0, 1.0),
                                    std::clamp(hell * 0.91, 0.0, 1.0));
    });
}

void maleSchatten(QPainter& p, const QRect& r, const QColor& schicht)
{
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(schicht);
        p.drawRoundedRect(QRectF(r).adjusted(i, i, 2 * i + 1, 2 * i + 1), i, i);
    }
}

// Brushed blue-grey metal with a raised edge: light above and left, dark below and right.
void maleRahmen(QImage& bild, const QRect& r, double skala, const Toene& t)
{
    jedesPixel(bild, r, skala, [&r, &t](double x, double y) {
            const double strich = rauschen(x * 0.05, y * 1.3, 17) - 0.5;
            const double schimmer = 0.06 * std::sin((x - r.left()) * 0.018 + (y - r.top()) * 0.011);
            return mische(t.metall, strich + schimmer > 0 ? t.metallHell : t.metallDunkel,
                          std::abs(strich) * 0.28 + std::abs(schimmer));
    });
    QPainter p(&bild);
    skaliere(p, skala);
    for (int i = 0; i < 3; ++i) {
        const QRect k = r.adjusted(i, i, -i, -i);
        p.setPen(mische(t.metallHell, t.metall, i / 3.0));
        p.drawLine(k.topLeft(), k.topRight());
        p.drawLine(k.topLeft(), k.bottomLeft());
        p.setPen(mische(t.metallDunkel, t.metall, i / 3.0));
        p.drawLine(k.bottomLeft(), k.bottomRight());
        p.drawLine(k.topRight(), k.bottomRight());
    }
}

// Steel rivets: lighter blue-grey, so they keep to the frame's colour.
void maleNiete(QPainter& p, QPointF m)
{
    p.setPen(Qt::NoPen);
    p.setBrush(BlaugrauDunkel);
    p.drawEllipse(m + QPointF(0.6, 0.8), 4.2, 4.2);
    QRadialGradient kopf(m - QPointF(1.5, 1.5), 5);
    kopf.setColorAt(0, QColor(214, 224, 240));
    kopf.setColorAt(1, QColor(112, 128, 154));
    p.setBrush(kopf);
    p.drawEllipse(m, 3.6, 3.6);
}

// A well sunk into the frame: the slope darkens towards the opening.
void maleMulde(QPainter& p, const QRect& innen, int tiefe, const Toene& toene)
{
    for (int i = tiefe; i >= 1; --i) {
        const double t = double(i) / tiefe;
        const QRect k = innen.adjusted(-i, -i, i, i);
        p.setPen(mische(QColor(10, 12, 20), toene.metallDunkel, t));
        p.drawLine(k.topLeft(), k.topRight());
        p.drawLine(k.topLeft(), k.bottomLeft());
        p.setPen(mische(QColor(60, 70, 92), toene.metallHell, t));
        p.drawLine(k.bottomLeft(), k.bottomRight());
        p.drawLine(k.topRight(), k.bottomRight());
    }
}

void maleVorschauGrund(QImage& bild, double skala)
{
    jedesPixel(bild, Vorschau, skala, [](double x, double y) {
            const double u = x - Vorschau.left(), v = y - Vorschau.top();
            const bool raute = (int(std::floor((u + v) / 15)) + int(std::floor((u - v + 180) / 15))) % 2 == 0;
            const double licht = 1.0 - std::hypot(u - 90, v - 90) / 140.0;
            const QColor muster = raute ? QColor(40, 46, 80) : QColor(28, 32, 60);
            return mische(QColor(10, 12, 28), muster, licht);
    });
}

void maleZaehlerkasten(QImage& bild, double skala)
{
    QPainter p(&bild);
    skaliere(p, skala);
    p.fillRect(Zaehler, Qt::black);
    // the colon of the time display
    p.fillRect(QRect(606, 384, 7, 7), Anzeigerot);
    p.fillRect(QRect(606, 398, 7, 7), Anzeigerot);
}

} // namespace

QImage hintergrund(double skala, bool dunkel)
{
    const Toene t = toene(dunkel);
    QImage bild = neuesBild(int(std::lround(755 * skala)), int(std::lround(475 * skala)));
    maleUmgebung(bild, skala, t);
    {
        QPainter p(&bild);
        skaliere(p, skala);
        p.setRenderHint(QPainter::Antialiasing);
        maleSchatten(p, RahmenBrett, t.schatten);
        maleSchatten(p, RahmenTafel, t.schatten);
    }
    maleRahmen(bild, RahmenBrett, skala, t);
    maleRahmen(bild, RahmenTafel, skala, t);
    maleVorschauGrund(bild, skala);
    {
        QPainter p(&bild);
        skaliere(p, skala);
        maleMulde(p, Brunnen, 6, t);
        maleMulde(p, Vorschau, 6, t);
        maleMulde(p, Zaehler, 6, t);
        const QImage titel = titelbild(skala);
        if (skala == 1)
            p.drawImage(Brunnen.topLeft(), titel);
        else  // the painter counts logical pixels, the title picture has device pixels
            p.drawImage(QRectF(Brunnen.topLeft(), QSizeF(360, 361)), titel);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QPointF& m : {QPointF(36.5, 35.5), QPointF(437.5, 35.5), QPointF(36.5, 436.5),
                                 QPointF(437.5, 436.5), QPointF(500.5, 35.5), QPointF(716.5, 35.5),
                                 QPointF(500.5, 436.5), QPointF(716.5, 436.5), QPointF(500.5, 254.5),
                                 QPointF(716.5, 254.5)})
            maleNiete(p, m);
        // an engraved groove between preview and counters
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(t.metallDunkel);
        p.drawLine(514, 254, 702, 254);
        p.setPen(t.metallHell);
        p.drawLine(514, 255, 702, 255);
    }
    maleZaehlerkasten(bild, skala);
    return bild;
}

} // namespace kunst
