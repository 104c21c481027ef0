#include "main/spielfeldanzeige.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace haupt {

Spielfeldanzeige::Spielfeldanzeige(const Brettbild& bild, const sitzung::Spielsitzung& sitzung, QWidget* eltern)
    : QWidget(eltern), bild_(bild), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("ptbSpielfeld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture counts in the classic window's pixels: the painter is scaled by the zoom. While a
// drag rests between two sizes, the part past the picture is black.
void Spielfeldanzeige::paintEvent(QPaintEvent* ereignis)
{
    QPainter p(this);
    const Brettgeometrie& g = bild_.geometrie();
    const QRegion aussen = ereignis->region().subtracted(QRect(QPoint(0, 0), g.client(true)));
    for (const QRect& r : aussen)
        p.fillRect(r, Qt::black);
    p.scale(g.zoom(), g.zoom());
    const QRegion bereich = g.klassisch(ereignis->region());
    bild_.Malen(p, bereich);
    const engine::Spielstand& s = sitzung_.spiel();
    if (bereich.intersects(bild_.NummernBereich(s, sitzung_.nummernmodus(), sitzung_.nummernfeld())))
        bild_.ZeigeNummern(p, s, sitzung_.nummernmodus(), sitzung_.nummernfeld());
    if (ueberlagerung_)
        ueberlagerung_(p);
}

void Spielfeldanzeige::mousePressEvent(QMouseEvent* ereignis)
{
    emit MouseDown(ereignis->button(), bild_.geometrie().klassisch(ereignis->position()));
}

void Spielfeldanzeige::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    emit GroesseGeaendert();
}

void Spielfeldanzeige::keyPressEvent(QKeyEvent* ereignis)
{
    emit TasteGedrueckt(ereignis->key(), ereignis->modifiers());
}

} // namespace haupt
