// Art of the dialogs and the program icon.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

using namespace werk;

namespace kunst {
namespace {

constexpr int Leiste = 14;     // frame width in the variant pictures
constexpr int Teil = 40;       // tile size in the variant pictures

// The frame of the variant pictures lies deeper in dark, as the main window's frames do.
QColor leistenTon(const QColor& farbe, bool dunkel) { return dunkel ? farbe.darker(210) : farbe; }

void maleGraugruenLeiste(QPainter& p, const QRectF& r, bool waagrecht, bool dunkel)
{
    QLinearGradient g(r.topLeft(), waagrecht ? r.bottomLeft() : r.topRight());
    g.setColorAt(0, leistenTon(GraugruenHell, dunkel));
    g.setColorAt(0.5, leistenTon(Graugruen, dunkel));
    g.setColorAt(1, leistenTon(GraugruenDunkel, dunkel));
    p.fillRect(r, g);
}

QPainterPath chevron(const QPointF& mitte, double laenge, double breite, bool nachUnten)
{
    // a right-pointing chevron about the origin, turned down when asked
    QPolygonF form({QPointF(-breite / 2, -laenge / 2), QPointF(-breite / 2 + 3, -laenge / 2),
                    QPointF(breite / 2, 0), QPointF(-breite / 2 + 3, laenge / 2),
                    QPointF(-breite / 2, laenge / 2), QPointF(breite / 2 - 3, 0)});
    QTransform t;
    t.translate(mitte.x(), mitte.y());
    if (nachUnten)
        t.rotate(90);
    QPainterPath pfad;
    pfad.addPolygon(t.map(form));
    pfad.closeSubpath();
    return pfad;
}

void maleKnopf(QPainter& p, const QPointF& m, double r)
{
    p.setPen(QPen(QColor(30, 36, 52), 1));
    QRadialGradient g(m - QPointF(r / 3, r / 3), r * 1.3);
    g.setColorAt(0, QColor(222, 230, 244));
    g.setColorAt(1, BlaugrauDunkel);
    p.setBrush(g);
    p.drawEllipse(m, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Markierfarbe);
    p.drawEllipse(m, r / 3, r / 3);
}

void maleKleinesKreuz(QPainter& p, const QRectF& feld)
{
    p.drawImage(feld, kreuz(int(feld.width())));
}

} // namespace

QImage variante(int nummer, bool dunkel)
{
    QImage bild = neuesBild(100, 100);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // the board corner: a sunflower cut into tiles
    const QRectF brett(Leiste, Leiste, 100 - Leiste, 100 - Leiste);
    p.save();
    p.setClipRect(brett);
    maleSonnenblume(p, QRectF(-13, -15, 150, 150));
    p.restore();
    if (nummer == 1)
        maleKleinesKreuz(p, QRectF(Leiste + Teil, Leiste + Teil, Teil, Teil));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Markierfarbe);
    for (int k = 1; k <= 2; ++k) {
        p.drawLine(Leiste + k * Teil, Leiste, Leiste + k * Teil, 99);
        p.drawLine(Leiste, Leiste + k * Teil, 99, Leiste + k * Teil);
    }
    p.setRenderHint(QPainter::Antialiasing);
    maleGraugruenLeiste(p, QRectF(0, 0, 100, Leiste), true, dunkel);
    maleGraugruenLeiste(p, QRectF(0, 0, Leiste, 100), false, dunkel);
    p.setPen(QPen(leistenTon(GraugruenDunkel, dunkel), 1));
    p.drawLine(QPointF(Leiste - 0.5, Leiste - 0.5), QPointF(99.5, Leiste - 0.5));
    p.drawLine(QPointF(Leiste - 0.5, Leiste - 0.5), QPointF(Leiste - 0.5, 99.5));
    if (nummer == 2) {
        p.setPen(QPen(QColor(30, 38, 30), 1.2));
        p.setBrush(QColor(246, 250, 240));
        for (int i = 0; i < 3; ++i) {
            const double mitte = Leiste + Teil / 2.0 + i * Teil;
            p.drawPath(chevron(QPointF(mitte, Leiste / 2.0), 14, 10, true));
            p.drawPath(chevron(QPointF(Leiste / 2.0, mitte), 14, 10, false));
        }
    }
    if (nummer == 3) {
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j)
                maleKnopf(p, QPointF(Leiste + i * Teil + 0.5, Leiste + j * Teil + 0.5), 6.5);
    }
    return bild;
}

namespace {

QPainterPath kreuzForm()
{
    QPainterPathStroker stift;
    stift.setWidth(3.6);
    stift.setCapStyle(Qt::RoundCap);
    QPainterPath linien;
    linien.moveTo(4.5, 4.5);
    linien.lineTo(13.5, 13.5);
    linien.moveTo(13.5, 4.5);
    linien.lineTo(4.5, 13.5);
    return stift.createStroke(linien).simplified();
}

QPainterPath kreisPfeile()
{
    // two arcs of a circle, each ending in an arrow head, chasing each other clockwise
    QPainterPath form;
    const QRectF kreis(3, 3, 12, 12);
    for (double start : {100.0, -80.0}) {
        QPainterPath bogen;
        bogen.arcMoveTo(kreis, start);
        bogen.arcTo(kreis, start, -130);
        QPainterPathStroker stift;
        stift.setWidth(2.6);
        stift.setCapStyle(Qt::FlatCap);
        form = form.united(stift.createStroke(bogen));
        const QPointF ende = bogen.currentPosition();
        const double winkel = qDegreesToRadians(start - 130);
        const QPointF tangente(std::sin(winkel), std::cos(winkel));   // clockwise direction on screen
        const QPointF normale(std::cos(winkel), -std::sin(winkel));
        QPolygonF spitze({ende + normale * 3.2, ende + tangente * 3.8, ende - normale * 3.2});
        QPainterPath kopf;
        kopf.addPolygon(spitze);
        kopf.closeSubpath();
        form = form.united(kopf);
    }
    return form.simplified();
}

QImage glyph(const QPainterPath& form, const QColor& farbe, const QColor& rand, bool aktiv, bool dunkel)
{
    QImage bild(18, 18, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    if (aktiv) {
        p.setPen(QPen(rand, 1.2));
        QLinearGradient licht(0, 0, 18, 18);
        licht.setColorAt(0, mische(farbe, Qt::white, 0.45));
        licht.setColorAt(1, farbe);
        p.setBrush(licht);
        p.drawPath(form);
    } else {
        // the disabled form: an engraved outline, lit below right and grey above left; on a
        // dark dialog the light edge would glare, the shadow stands there instead
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(dunkel ? QColor(20, 21, 24) : Qt::white, 1.0));
        p.drawPath(form.translated(1, 1));
        p.setPen(QPen(dunkel ? QColor(140, 142, 148) : QColor(128, 128, 128), 1.0));
        p.drawPath(form);
    }
    return bild;
}

} // namespace

QImage glyphAbbruch(bool aktiv, bool dunkel)
{
    return glyph(kreuzForm(), QColor(214, 28, 24), QColor(110, 0, 0), aktiv, dunkel);
}

QImage glyphLoeschen(bool aktiv, bool dunkel)
{
    return glyph(kreisPfeile(), QColor(34, 160, 48), QColor(0, 80, 10), aktiv, dunkel);
}

QImage symbolLeiste()
{
    QImage bild = neuesBild(120, 40);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient licht(0, 0, 0, 40);
    licht.setColorAt(0, GraugruenHell);
    licht.setColorAt(1, GraugruenDunkel);
    p.setPen(QPen(mische(GraugruenDunkel, Qt::black, 0.4), 1));
    p.setBrush(licht);
    QPainterPathStroker stift;
    stift.setWidth(7);
    QPainterPath linien;
    linien.moveTo(10, 10);
    linien.lineTo(30, 30);
    linien.moveTo(30, 10);
    linien.lineTo(10, 30);
    p.drawPath(stift.createStroke(linien).simplified());
    QPainterPath pfeilForm;
    pfeilForm.addPolygon(QPolygonF({QPointF(52, 6), QPointF(60, 6), QPointF(72, 20), QPointF(60, 34),
                                    QPointF(52, 34), QPointF(64, 20)}));
    pfeilForm.closeSubpath();
    p.drawPath(pfeilForm);
    QRadialGradient kuppel(QPointF(95, 15), 18);
    kuppel.setColorAt(0, mische(GraugruenHell, Qt::white, 0.4));
    kuppel.setColorAt(1, GraugruenDunkel);
    p.setBrush(kuppel);
    p.drawEllipse(QPointF(100, 20), 13, 13);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(100, 20), 6, 6);
    return bild;
}

// A silver bar under the column heads; in dark a graphite one, under which the heads' light
// colour keeps 5 : 1 to its darker end.
QImage ueberschrift(bool dunkel)
{
    QImage bild = neuesBild(250, 25);
    const QColor links = dunkel ? QColor(76, 78, 84) : QColor(238, 238, 238);
    const QColor rechts = dunkel ? QColor(30, 31, 34) : QColor(150, 150, 150);
    for (int x = 0; x < 250; ++x) {
        const QColor c = mische(links, rechts, x / 249.0);
        for (int y = 0; y < 25; ++y) {
            const double rund = 1.0 - 0.18 * std::pow((y - 11.0) / 13.0, 2);   // a slight cylinder
            bild.setPixelColor(x, y, mische(Qt::black, c, rund));
        }
    }
    QPainter p(&bild);
    p.setPen(dunkel ? QColor(110, 112, 118) : QColor(255, 255, 255));
    p.drawLine(0, 0, 249, 0);
    p.setPen(dunkel ? QColor(12, 12, 14) : QColor(96, 96, 96));
    p.drawLine(0, 24, 249, 24);
    return bild;
}

} // namespace kunst
