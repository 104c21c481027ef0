#include "statistik/verlaufsbild.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>

#include "statistik/anzeige.h"

namespace statistik {

namespace tx = daten::text::statistik;
using journal::Kurzeintrag;

namespace {

// Two hues told apart in light and dark palettes alike; the marks' shapes carry the outcome.
const QColor Zeitfarbe(0x2f, 0x7e, 0xd8);
const QColor Zugfarbe(0xe0, 0x7b, 0x1a);

} // namespace

struct Verlaufsbild::Reihe {
    QString name;
    QColor farbe;
    std::function<int(const Kurzeintrag&)> wert;
    std::function<QString(int)> beschriftung;
};

Verlaufsbild::Verlaufsbild(const daten::Texte& texte, QWidget* eltern) : QWidget(eltern), texte_(texte)
{
    setObjectName(QStringLiteral("Verlaufsbild"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    TexteSetzen();
}

void Verlaufsbild::Zeigen(std::vector<Kurzeintrag> spiele)
{
    spiele_ = std::move(spiele);
    setAccessibleDescription(texte_(tx::LetzteSpiele, int(spiele_.size())).arg(spiele_.size()));
    update();
}

void Verlaufsbild::TexteSetzen()
{
    setAccessibleName(texte_(tx::Verlaufsbild));
    setAccessibleDescription(texte_(tx::LetzteSpiele, int(spiele_.size())).arg(spiele_.size()));
    update();
}

QSize Verlaufsbild::sizeHint() const
{
    const int em = fontMetrics().height();
    return {30 * em, 15 * em};
}

QSize Verlaufsbild::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return {20 * em, 11 * em};
}

void Verlaufsbild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().color(QPalette::Text));
    const double em = fontMetrics().height();
    const QRectF innen = QRectF(rect()).adjusted(em / 2, em / 4, -em / 2, -em / 2);
    if (spiele_.empty()) {
        p.drawText(innen, Qt::AlignCenter | Qt::TextWordWrap, texte_(tx::Leer));
        return;
    }
    const QRectF kopf(innen.left(), innen.top(), innen.width(), em * 1.3);
    p.drawText(kopf, Qt::AlignLeft | Qt::AlignVCenter, texte_(tx::LetzteSpiele, int(spiele_.size())).arg(spiele_.size()));
    ZeichneLegende(p, QRectF(innen.left(), kopf.bottom(), innen.width(), em * 1.3));
    const double oben = kopf.bottom() + em * 1.6, hoehe = (innen.bottom() - oben - em / 2) / 2;
    const QLocale ort = Gebietsschema(texte_);
    const Reihe reihen[] = {
        {texte_(daten::text::Zeit), Zeitfarbe, [](const Kurzeintrag& s) { return int(s.sekunden); },
         [&ort](int w) { return ZeitText(ort, w); }},
        {texte_(daten::text::Zuege), Zugfarbe, [](const Kurzeintrag& s) { return int(s.zuege); },
         [](int w) { return QString::number(w); }},
    };
    ZeichneReihe(p, QRectF(innen.left(), oben, innen.width(), hoehe), reihen[0]);
    ZeichneReihe(p, QRectF(innen.left(), oben + hoehe + em / 2, innen.width(), hoehe), reihen[1]);
}

// A panel: its name and largest value on the left, a frame, and one mark per game joined by a line.
void Verlaufsbild::ZeichneReihe(QPainter& p, const QRectF& feld, const Reihe& reihe) const
{
    const QFontMetricsF fm(font());
    // A game ended by a limit would squeeze all others to the floor: it is drawn at the top.
    int hoechstens = 1, mitGrenzen = 1;
    for (const Kurzeintrag& spiel : spiele_) {
        const bool grenze = spiel.ausgang == sitzung::Ausgang::MaxZeit || spiel.ausgang == sitzung::Ausgang::MaxZuege;
        int& bisher = grenze ? mitGrenzen : hoechstens;
        bisher = std::max(bisher, reihe.wert(spiel));
    }
    if (hoechstens == 1)
        hoechstens = mitGrenzen;
    const double links = std::max({fm.horizontalAdvance(reihe.name), fm.horizontalAdvance(reihe.beschriftung(hoechstens)),
                                   fm.horizontalAdvance(QStringLiteral("0"))}) + fm.height() / 2;
    const QRectF flaeche = feld.adjusted(links, fm.height() / 2, -fm.height() / 2, -fm.height() / 3);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRectF(feld.left(), feld.top(), links, fm.height()), Qt::AlignLeft | Qt::AlignTop, reihe.name);
    p.drawText(QRectF(feld.left(), flaeche.top() + fm.height() / 2, links - fm.height() / 4, fm.height()),
               Qt::AlignRight | Qt::AlignTop, reihe.beschriftung(hoechstens));
    p.drawText(QRectF(feld.left(), flaeche.bottom() - fm.height(), links - fm.height() / 4, fm.height()),
               Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flaeche);

    const double schritt = spiele_.size() > 1 ? flaeche.width() / double(spiele_.size() - 1) : 0;
    const auto punkt = [&](std::size_t i) {
        const double x = spiele_.size() > 1 ? flaeche.left() + schritt * double(i) : flaeche.center().x();
        return QPointF(x, flaeche.bottom() - flaeche.height() * std::min(reihe.wert(spiele_[i]), hoechstens) / hoechstens);
    };
    QPainterPath linie(punkt(0));
    for (std::size_t i = 1; i < spiele_.size(); ++i)
        linie.lineTo(punkt(i));
    QColor blass = reihe.farbe;
    blass.setAlphaF(0.45f);
    p.setPen(QPen(blass, std::max(1.0, fm.height() / 14)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(linie);
    for (std::size_t i = 0; i < spiele_.size(); ++i)
        ZeichneMarke(p, punkt(i), spiele_[i], reihe.farbe);
}

void Verlaufsbild::ZeichneMarke(QPainter& p, QPointF mitte, const Kurzeintrag& spiel, const QColor& farbe) const
{
    const double r = fontMetrics().height() / 5.0;
    p.setPen(QPen(farbe, std::max(1.0, r / 2)));
    if (spiel.hilfe) {
        p.setBrush(palette().base());
        p.drawEllipse(mitte, r, r);
    } else if (spiel.ausgang == sitzung::Ausgang::Geloest) {
        p.setBrush(farbe);
        p.drawEllipse(mitte, r, r);
    } else {
        p.drawLine(mitte + QPointF(-r, -r), mitte + QPointF(r, r));
        p.drawLine(mitte + QPointF(-r, r), mitte + QPointF(r, -r));
    }
}

void Verlaufsbild::ZeichneLegende(QPainter& p, const QRectF& zeile) const
{
    const QFontMetricsF fm(font());
    Kurzeintrag beispiel[3];
    beispiel[0].ausgang = sitzung::Ausgang::Geloest;
    beispiel[1].hilfe = true;
    const int texte[] = {tx::KurzGeloest, tx::KurzMitHilfe, tx::KurzNichtGeloest};
    double x = zeile.left() + fm.height() / 4;
    for (int i = 0; i < 3; ++i) {
        ZeichneMarke(p, QPointF(x, zeile.center().y()), beispiel[i], palette().color(QPalette::Text));
        x += fm.height() * 0.6;
        p.setPen(palette().color(QPalette::Text));
        const QString text = texte_(texte[i]);
        p.drawText(QRectF(x, zeile.top(), fm.horizontalAdvance(text) + 1, zeile.height()), Qt::AlignVCenter, text);
        x += fm.horizontalAdvance(text) + fm.height();
    }
}

} // namespace statistik
