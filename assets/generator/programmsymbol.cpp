// The program icon: a sunflower cut into 3 x 3 tiles, the corner tile missing, in a metal frame.
// It is laid out anew for every size, so that frame, board and grid fall on whole pixels and
// small icons leave out what would only blur; the same shapes also make the scalable SVG.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <vector>

using namespace werk;

namespace kunst {
namespace {

struct Form {
    QPainterPath pfad;
    QBrush fuellung;
    QPen stift = Qt::NoPen;
    bool imBrett = false;   // clipped to the board
};

QBrush verlauf(QPointF von, QPointF bis, const QColor& a, const QColor& b)
{
    QLinearGradient g(von, bis);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QPainterPath ellipse(QPointF mitte, double rx, double ry)
{
    QPainterPath pfad;
    pfad.addEllipse(mitte, rx, ry);
    return pfad;
}

QPainterPath rechteck(const QRectF& r)
{
    QPainterPath pfad;
    pfad.addRect(r);
    return pfad;
}

// The sunflower of the sample pictures on its 100 x 100 canvas, with less detail when small.
void sonnenblume(std::vector<Form>& formen, const QTransform& leinwand, int seite)
{
    auto dazu = [&](const QPainterPath& pfad, const QBrush& fuellung) {
        formen.push_back({leinwand.map(pfad), fuellung, Qt::NoPen, true});
    };
    auto punkt = [&](double x, double y) { return leinwand.map(QPointF(x, y)); };
    dazu(rechteck(QRectF(0, 0, 100, 100)), verlauf(punkt(0, 0), punkt(0, 100), QColor(40, 110, 200), QColor(160, 210, 245)));
    if (seite >= 48) {
        const double teile[][3] = {{-1.0, 0.2, 0.55}, {-0.4, -0.25, 0.75}, {0.35, -0.1, 0.65}, {0.95, 0.25, 0.5}, {0.0, 0.3, 0.6}};
        for (const auto& [m, g] : {std::pair{QPointF(16, 14), 9.0}, std::pair{QPointF(80, 10), 7.0}})
            for (const auto& t : teile)
                dazu(ellipse(m + QPointF(t[0] * g, t[1] * g), t[2] * g, t[2] * g * 0.8), QColor(255, 255, 255, 235));
    }
    if (seite >= 32) {   // below, a stem thinner than a pixel only blurs the sky
        dazu(rechteck(QRectF(48, 60, 4, 40)), QColor(52, 120, 40));
        for (int s : {-1, 1}) {
            QPainterPath blatt(QPointF(50, 84));
            blatt.quadTo(50 + s * 14, 70, 50 + s * 30, 80);
            blatt.quadTo(50 + s * 16, 92, 50, 84);
            dazu(blatt, QColor(60, 140, 50));
        }
    }
    const QPointF mitte(50, 44);
    if (seite < 32) {
        dazu(ellipse(mitte, 30, 30), QColor(250, 196, 30));
    } else {
        // two rings of petals, one when there is room for only a few
        const int ringe = seite >= 64 ? 2 : 1, blaetter = seite >= 64 ? 21 : 13;
        for (int ring = 0; ring < ringe; ++ring)
            for (int i = 0; i < blaetter; ++i) {
                QTransform dreh;
                dreh.translate(mitte.x(), mitte.y());
                dreh.rotate(i * 360.0 / blaetter + ring * 8.5);
                const double spitze = -34 + ring * 3;
                QPainterPath blatt(QPointF(0, 0));
                blatt.quadTo(5, -18, 0, spitze);
                blatt.quadTo(-5, -18, 0, 0);
                const QTransform ganz = dreh * leinwand;
                formen.push_back({ganz.map(blatt),
                                  verlauf(ganz.map(QPointF(0, 0)), ganz.map(QPointF(0, spitze)),
                                          ring ? QColor(250, 190, 20) : QColor(230, 150, 10),
                                          ring ? QColor(255, 224, 70) : QColor(250, 200, 40)),
                                  Qt::NoPen, true});
            }
    }
    dazu(ellipse(mitte, 15, 15), QColor(70, 40, 16));
    if (seite >= 128)
        for (int i = 1; i < 260; i += 2) {   // the lighter seeds of the golden angle spiral
            const double w = i * 2.39996323, rad = 0.9 * std::sqrt(double(i)), r = 0.55 + i / 900.0;
            dazu(ellipse(mitte + QPointF(std::cos(w) * rad, std::sin(w) * rad), r, r), QColor(120, 76, 30));
        }
}

// The empty field: black, with the blue-grey cross of the board once it can be told apart.
void leeresFeld(std::vector<Form>& formen, const QRectF& feld)
{
    formen.push_back({rechteck(feld), QColor(Qt::black)});
    const double s = feld.width();
    if (s < 8)
        return;
    QPainterPath balken;
    const double a = s * 0.24, b = s * 0.76;
    for (const QLineF& l : {QLineF(a, a, b, b), QLineF(b, a, a, b)}) {
        QPainterPathStroker stift;
        stift.setWidth(s * 0.15);
        QPainterPath linie(l.p1());
        linie.lineTo(l.p2());
        balken = balken.united(stift.createStroke(linie));
    }
    balken = balken.simplified().translated(feld.topLeft());
    formen.push_back({balken, verlauf(feld.topLeft(), feld.bottomRight(), BlaugrauHell, BlaugrauDunkel),
                      QPen(QColor(34, 40, 58), std::max(0.5, s / 90))});
}

std::vector<Form> symbolFormen(int seite)
{
    const double s = seite;
    const int rand = seite / 8, brett = seite - 2 * rand, teil = brett / 3, linie = std::max(1, seite / 64);
    std::vector<Form> formen;
    const double stift = std::max(1.0, s / 48);
    QPainterPath rahmen;
    rahmen.addRoundedRect(QRectF(stift / 2, stift / 2, s - stift, s - stift), s * 0.16, s * 0.16);
    formen.push_back({rahmen, verlauf({0, 0}, {s, s}, BlaugrauHell, BlaugrauDunkel), QPen(QColor(34, 40, 58), stift)});
    // the picture is 1.25 times the board, shifted so the flower's head fills the upper tiles
    QTransform leinwand;
    leinwand.translate(rand - brett * 0.125, rand - brett / 6.0);
    leinwand.scale(brett * 1.25 / 100, brett * 1.25 / 100);
    sonnenblume(formen, leinwand, seite);
    leeresFeld(formen, QRectF(rand + 2 * teil, rand + 2 * teil, teil, teil));
    for (int k = 1; k <= 2; ++k) {
        const int lage = rand + k * teil - linie / 2;
        formen.push_back({rechteck(QRectF(lage, rand, linie, brett)), Markierfarbe});
        formen.push_back({rechteck(QRectF(rand, lage, brett, linie)), Markierfarbe});
    }
    QPainterPath kante = rechteck(QRectF(rand - linie, rand - linie, brett + 2 * linie, brett + 2 * linie));
    kante.addRect(QRectF(rand, rand, brett, brett));   // odd-even fill: only the ring
    formen.push_back({kante, QColor(30, 34, 50)});
    return formen;
}

QRectF brettVon(int seite)
{
    const int rand = seite / 8;
    return QRectF(rand, rand, seite - 2 * rand, seite - 2 * rand);
}

QString zahl(double wert) { return QString::number(wert, 'g', 6); }

QString farbe(const QColor& c) { return c.name(QColor::HexRgb); }

QString pfadDaten(const QPainterPath& pfad)
{
    QString d;
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element e = pfad.elementAt(i);
        if (e.type == QPainterPath::CurveToElement) {
            const auto b = pfad.elementAt(i + 1), c = pfad.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(zahl(e.x), zahl(e.y), zahl(b.x), zahl(b.y), zahl(c.x), zahl(c.y));
            i += 2;
        } else {
            d += QStringLiteral("%1%2 %3").arg(e.type == QPainterPath::MoveToElement ? QStringLiteral("M") : QStringLiteral("L"), zahl(e.x), zahl(e.y));
        }
    }
    return d;
}

// The fill attribute of a shape; a gradient goes to the definitions, numbered in order.
QString svgFuellung(const QBrush& fuellung, QString& verlaeufe)
{
    const QGradient* g = fuellung.gradient();
    if (!g) {
        const QColor c = fuellung.color();
        return c.alpha() < 255 ? farbe(c) + QStringLiteral("\" fill-opacity=\"%1").arg(zahl(c.alphaF())) : farbe(c);
    }
    const auto* linear = static_cast<const QLinearGradient*>(g);   // the icon uses no other kind
    const QString id = QStringLiteral("v%1").arg(verlaeufe.count(QStringLiteral("<linearGradient")));
    verlaeufe += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                     .arg(id, zahl(linear->start().x()), zahl(linear->start().y()), zahl(linear->finalStop().x()),
                          zahl(linear->finalStop().y()));
    for (const auto& [lage, c] : g->stops())
        verlaeufe += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>").arg(zahl(lage), farbe(c));
    verlaeufe += QStringLiteral("</linearGradient>\n");
    return QStringLiteral("url(#%1)").arg(id);
}

} // namespace

QImage programmsymbol(int seite)
{
    QImage bild(seite, seite, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Form& form : symbolFormen(seite)) {
        if (form.imBrett)
            p.setClipRect(brettVon(seite));
        else
            p.setClipping(false);
        p.setPen(form.stift);
        p.setBrush(form.fuellung);
        p.drawPath(form.pfad);
    }
    return bild;
}

QByteArray programmsymbolSvg()
{
    constexpr int Seite = 256;
    const QRectF brett = brettVon(Seite);
    QString verlaeufe, koerper;
    bool imBrett = false;
    for (const Form& form : symbolFormen(Seite)) {
        if (form.imBrett != imBrett)
            koerper += form.imBrett ? QStringLiteral("<g clip-path=\"url(#brett)\">\n") : QStringLiteral("</g>\n");
        imBrett = form.imBrett;
        const QString fuellung = svgFuellung(form.fuellung, verlaeufe);
        QString strich;
        if (form.stift.style() != Qt::NoPen)
            strich = QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(farbe(form.stift.color()), zahl(form.stift.widthF()));
        koerper += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\"%3 d=\"%4\"/>\n")
                       .arg(fuellung, form.pfad.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero"), strich,
                            pfadDaten(form.pfad));
    }
    if (imBrett)
        koerper += QStringLiteral("</g>\n");
    const QString svg = QStringLiteral(
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                            "<defs>\n<clipPath id=\"brett\"><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\"/></clipPath>\n%6</defs>\n%7"
                            "</svg>\n")
                            .arg(QString::number(Seite), zahl(brett.x()), zahl(brett.y()), zahl(brett.width()),
                                 zahl(brett.height()), verlaeufe, koerper);
    return svg.toUtf8();
}

} // namespace kunst
