#include "optionen/bausteine.h"

#include <QMouseEvent>
#include <QPainter>

namespace optionen {

TKlickbild::TKlickbild(QWidget* eltern) : QLabel(eltern) {}

void TKlickbild::mousePressEvent(QMouseEvent* ereignis)
{
    gedrueckt_ = ereignis->button() == Qt::LeftButton;
    QLabel::mousePressEvent(ereignis);
}

// A click is a left press and release on the picture; releasing elsewhere cancels it.
void TKlickbild::mouseReleaseEvent(QMouseEvent* ereignis)
{
    const bool klick = gedrueckt_ && ereignis->button() == Qt::LeftButton
                       && rect().contains(ereignis->position().toPoint());
    gedrueckt_ = false;
    QLabel::mouseReleaseEvent(ereignis);
    if (klick)
        emit geklickt(this);
}

TRahmen::TRahmen(const QColor& farbe, int stiftbreite, QWidget* eltern)
    : QWidget(eltern), farbe_(farbe), stiftbreite_(stiftbreite)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TRahmen::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const int b = stiftbreite_;
    maler.fillRect(0, 0, width(), b, farbe_);
    maler.fillRect(0, height() - b, width(), b, farbe_);
    maler.fillRect(0, b, b, height() - 2 * b, farbe_);
    maler.fillRect(width() - b, b, b, height() - 2 * b, farbe_);
}

} // namespace optionen
