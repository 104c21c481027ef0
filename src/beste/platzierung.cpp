#include "beste/platzierung.h"

#include <QPainter>
#include <QTextLayout>

namespace beste {
TPlatzierung::TPlatzierung(QWidget* eltern)
    : QLabel(eltern)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void TPlatzierung::SetzeZeilen(int ersteGrundlinie, int abstand)
{
    grundlinie_ = ersteGrundlinie;
    zeilenAbstand_ = abstand;
    update();
}

void TPlatzierung::paintEvent(QPaintEvent* /*ereignis*/)
{
    QTextLayout satz(text(), font());
    QTextOption umbruch(alignment());
    umbruch.setWrapMode(QTextOption::WordWrap);
    satz.setTextOption(umbruch);

    satz.beginLayout();
    for (int nummer = 0;; ++nummer) {
        QTextLine zeile = satz.createLine();
        if (!zeile.isValid())
            break;
        zeile.setLineWidth(width());
        zeile.setPosition(QPointF(0, grundlinie_ + nummer * zeilenAbstand_ - zeile.ascent()));
    }
    satz.endLayout();

    QPainter maler(this);
    maler.setPen(palette().color(foregroundRole()));
    satz.draw(&maler, QPointF(0, 0));
}

} // namespace beste
