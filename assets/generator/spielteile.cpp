// The small pieces of the main window: empty field, digits, labels, pause banner,
// axis knob and arrows. Keyed and lettered pieces are drawn without antialiasing,
// so that the key colour and the marking colour stay exact.
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <cstring>

using namespace werk;

namespace kunst {

namespace {

// A blank image of the logical size at `skala`, and a painter that counts in logical pixels.
QImage skaliertesBild(int breite, int hoehe, double skala, const QColor& grund = Qt::black)
{
    return neuesBild(int(std::lround(breite * skala)), int(std::lround(hoehe * skala)), grund);
}

void skaliere(QPainter& p, double skala)
{
    if (skala != 1)
        p.scale(skala, skala);
}

} // namespace

QImage kreuz(int seite)
{
    QImage bild = neuesBild(seite, seite);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = seite;
    p.setPen(QPen(mische(BlaugrauDunkel, Qt::black, 0.35), std::max(1.0, s / 60)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
    QPainterPath balken;
    const double a = s * 0.24, b = s * 0.76, d = s * 0.075;
    for (const QLineF& l : {QLineF(a, a, b, b), QLineF(b, a, a, b)}) {
        QPainterPathStroker stift;
        stift.setWidth(2 * d);
        stift.setCapStyle(Qt::FlatCap);
        QPainterPath linie(l.p1());
        linie.lineTo(l.p2());
        balken = balken.united(stift.createStroke(linie));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 22, 32));
    p.drawPath(balken.translated(s / 40, s / 30));
    QLinearGradient licht(0, 0, s, s);
    licht.setColorAt(0, BlaugrauHell);
    licht.setColorAt(1, BlaugrauDunkel);
    p.setBrush(licht);
    p.drawPath(balken);
    p.setPen(QPen(QColor(34, 40, 58), std::max(1.0, s / 90)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(balken);
    return bild;
}

namespace {

// Seven segments a..g of a 22 x 30 display cell, as hexagons with pointed ends.
std::array<QPolygonF, 7> segmente()
{
    const double l = 4, r = 18, o = 2, m = 15, u = 28, w = 2;   // w: half the stroke
    auto waagrecht = [&](double y) {
        return QPolygonF({QPointF(l + 1, y), QPointF(l + 1 + w, y - w), QPointF(r - 1 - w, y - w),
                          QPointF(r - 1, y), QPointF(r - 1 - w, y + w), QPointF(l + 1 + w, y + w)});
    };
    auto senkrecht = [&](double x, double y0, double y1) {
        return QPolygonF({QPointF(x, y0 + 1), QPointF(x + w, y0 + 1 + w), QPointF(x + w, y1 - 1 - w),
                          QPointF(x, y1 - 1), QPointF(x - w, y1 - 1 - w), QPointF(x - w, y0 + 1 + w)});
    };
    return {waagrecht(o + w), senkrecht(r, o + w, m), senkrecht(r, m, u - w), waagrecht(u - w),
            senkrecht(l, m, u - w), senkrecht(l, o + w, m), waagrecht(m)};
}

} // namespace

QImage ziffern(double skala)
{
    // which of the segments a..g light up, per digit
    static const char* const muster[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                                           "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    QImage bild = skaliertesBild(220, 30, skala);
    QPainter p(&bild);
    skaliere(p, skala);
    p.setPen(Qt::NoPen);
    const auto seg = segmente();
    for (int d = 0; d < 10; ++d) {
        p.save();
        p.translate(22 * d, 0);
        for (int s = 0; s < 7; ++s) {
            const bool an = std::strchr(muster[d], 'a' + s) != nullptr;
            p.setBrush(an ? Anzeigerot : QColor(46, 8, 6));   // unlit segments glow faintly
            p.drawPolygon(seg[s]);
        }
        p.restore();
    }
    return bild;
}

QImage ziffernHilfe(double skala)
{
    QImage bild = skaliertesBild(160, 30, skala, Qt::white);
    QPainter p(&bild);
    skaliere(p, skala);
    const QFont f = schrift(Schriftart::SansFett, 40);
    // one scale for all digits, taken from the 0, so the 1 stays narrow
    QPainterPath null;
    null.addText(0, 0, f, QStringLiteral("0"));
    const QRectF n = null.boundingRect();
    const double sy = 21.0 / n.height(), sx = std::min(sy, 11.0 / n.width());
    for (int d = 0; d < 10; ++d) {
        QPainterPath roh;
        roh.addText(0, 0, f, QString::number(d));
        QTransform t;
        t.translate(16 * d + 8, 15);
        t.scale(sx, sy);
        t.translate(-roh.boundingRect().center().x(), -n.center().y());
        const QPainterPath zeichen = t.map(roh);
        p.setPen(QPen(QColor(70, 40, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(70, 40, 0));
        p.drawPath(zeichen);   // a dark rim keeps the number readable on light tiles
        p.setPen(Qt::NoPen);
        p.setBrush(Markierfarbe);
        p.drawPath(zeichen);
    }
    return bild;
}

namespace {

// The counters' words and the pause sign's word in every language of the game, by its code.
struct Beschriftung {
    const char* sprache;
    const char16_t* zug;
    const char16_t* zeit;
    const char16_t* pause;
};
constexpr Beschriftung Beschriftungen[] = {
    {"de", u"ZUG", u"ZEIT", u"PAUSE"},     {"en", u"MOVE", u"TIME", u"PAUSE"},
    {"fr", u"COUPS", u"TEMPS", u"PAUSE"},  {"es", u"MOVS", u"RELOJ", u"PAUSA"},
    {"it", u"MOSSE", u"TEMPO", u"PAUSA"},  {"pt_BR", u"MOV.", u"TEMPO", u"PAUSA"},
    {"nl", u"ZET", u"TIJD", u"PAUZE"},     {"pl", u"RUCH", u"CZAS", u"PAUZA"},
    {"cs", u"TAH", u"ČAS", u"PAUZA"},      {"sv", u"DRAG", u"TID", u"PAUS"},
    {"ru", u"ХОДЫ", u"ВРЕМЯ", u"ПАУЗА"},   {"uk", u"ХОДИ", u"ЧАС", u"ПАУЗА"},
};

const Beschriftung& beschriftung(const QString& sprache)
{
    for (const Beschriftung& b : Beschriftungen)
        if (sprache == QLatin1String(b.sprache))
            return b;
    return Beschriftungen[1];
}

// One word to a row of 25, all in one cap height; the width follows the word, narrowed only
// where a long word would not fit the row.
QImage worteStreifen(const QStringList& worte, double skala)
{
    QImage bild = skaliertesBild(180, 25 * int(worte.size()), skala);
    QPainter p(&bild);
    skaliere(p, skala);
    p.setPen(Qt::NoPen);
    p.setBrush(Markierfarbe);
    QFont f = schrift(Schriftart::SansFett, 40);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 8);
    QPainterPath mass;
    mass.addText(0, 0, f, QStringLiteral("Z"));
    const double hoehe = 15.0 / mass.boundingRect().height();
    for (int i = 0; i < worte.size(); ++i) {
        QPainterPath roh;
        roh.addText(0, 0, f, worte[i]);
        const double breite = std::min(hoehe, 172.0 / roh.boundingRect().width());
        QTransform t;
        t.translate(90, 25 * i + 12.5);
        t.scale(breite, hoehe);
        t.translate(-roh.boundingRect().center().x(), -roh.boundingRect().center().y());
        p.drawPath(t.map(roh));
    }
    return bild;
}

} // namespace

QStringList beschriftungsSprachen()
{
    QStringList sprachen;
    for (const Beschriftung& b : Beschriftungen)
        sprachen << QLatin1String(b.sprache);
    return sprachen.mid(2);
}

QImage schriftStreifen(double skala)
{
    const Beschriftung& de = beschriftung(QStringLiteral("de"));
    const Beschriftung& en = beschriftung(QStringLiteral("en"));
    return worteStreifen({QString::fromUtf16(de.zug), QString::fromUtf16(de.zeit), QString::fromUtf16(en.zug),
                          QString::fromUtf16(en.zeit)},
                         skala);
}

QImage schriftStreifen(const QString& sprache, double skala)
{
    const Beschriftung& b = beschriftung(sprache);
    return worteStreifen({QString::fromUtf16(b.zug), QString::fromUtf16(b.zeit)}, skala);
}

QImage pauseSchild(const QString& sprache, double skala)
{
    QImage bild = skaliertesBild(220, 60, skala);
    QPainter p(&bild);
    skaliere(p, skala);
    const QRectF tafel(1, 1, 217, 57);
    QLinearGradient grund(0, 0, 0, 60);
    grund.setColorAt(0, QColor(64, 76, 104));
    grund.setColorAt(1, QColor(22, 26, 44));
    p.setBrush(grund);
    p.setPen(QPen(Markierfarbe, 2));
    p.drawRoundedRect(tafel.adjusted(1, 1, -1, -1), 12, 12);
    p.setPen(QPen(QColor(120, 92, 10), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tafel.adjusted(5, 5, -5, -5), 8, 8);
    QFont f = schrift(Schriftart::SansFett, 60);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 10);
    const QPainterPath wort = textPfad(QString::fromUtf16(beschriftung(sprache).pause), f, QRectF(30, 17, 160, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 10, 24));   // shadow: dark, but never the key's pure black
    p.drawPath(wort.translated(2, 2));
    p.setBrush(Markierfarbe);
    p.drawPath(wort);
    return bild;
}

QImage pauseSchild(double skala) { return pauseSchild(QStringLiteral("de"), skala); }

QImage achse(double skala)
{
    QImage bild = skaliertesBild(25, 26, skala, Schluessel);
    QPainter p(&bild);
    skaliere(p, skala);
    p.setPen(Qt::NoPen);
    // the knob's centre is the grid crossing, at (13, 12) of the bitmap
    p.setBrush(QColor(30, 36, 52));
    p.drawEllipse(QRect(2, 1, 23, 23));
    QRadialGradient kuppel(QPointF(9.5, 8), 14);
    kuppel.setColorAt(0, QColor(222, 230, 244));
    kuppel.setColorAt(0.45, Blaugrau);
    kuppel.setColorAt(1, BlaugrauDunkel);
    p.setBrush(kuppel);
    p.drawEllipse(QRect(3, 2, 21, 21));
    p.setPen(QColor(44, 52, 72));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(8, 7, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Markierfarbe);
    p.drawEllipse(QRect(10, 9, 7, 7));
    return bild;
}

QImage pfeil(Richtung richtung, double skala)
{
    const bool quer = richtung == Richtung::Rechts || richtung == Richtung::Links;
    const int breite = quer ? 26 : 36, hoehe = quer ? 36 : 26;
    QImage bild = skaliertesBild(breite, hoehe, skala, Schluessel);
    // the right-pointing chevron, turned into place; light always falls from the top left
    const QPolygonF rechts({QPointF(5, 5), QPointF(12, 5), QPointF(21, 18), QPointF(12, 31), QPointF(5, 31),
                            QPointF(14, 18)});
    QTransform t;
    switch (richtung) {
    case Richtung::Rechts: break;
    case Richtung::Links: t = QTransform(-1, 0, 0, 1, 26, 0); break;
    case Richtung::Unten: t = QTransform(0, 1, 1, 0, 0, 0); break;
    case Richtung::Oben: t = QTransform(0, -1, 1, 0, 0, 26); break;
    }
    const QPolygonF form = t.map(rechts);
    QPainter p(&bild);
    skaliere(p, skala);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(26, 32, 48));
    p.drawPolygon(form.translated(1, 1));
    QLinearGradient licht(0, 0, breite, hoehe);
    licht.setColorAt(0, QColor(226, 234, 248));
    licht.setColorAt(1, QColor(112, 128, 158));
    p.setBrush(licht);
    p.setPen(QColor(36, 44, 64));
    p.drawPolygon(form);
    return bild;
}

} // namespace kunst
