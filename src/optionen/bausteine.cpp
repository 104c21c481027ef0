#include "optionen/bausteine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace optionen {

namespace {

// A picture of a row of choices, to a screen reader: a radio button that a press chooses.
class Klickbildzugang : public QAccessibleWidget {
public:
    explicit Klickbildzugang(TKlickbild* bild) : QAccessibleWidget(bild, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.checkable = true;
        zustand.checked = bild()->gewaehlt();
        return zustand;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& aktion) override
    {
        if (aktion == pressAction())
            emit bild()->geklickt(bild());
    }

private:
    TKlickbild* bild() const { return static_cast<TKlickbild*>(widget()); }
};

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    auto* bild = qobject_cast<TKlickbild*>(objekt);
    return bild ? new Klickbildzugang(bild) : nullptr;
}

} // namespace

TKlickbild::TKlickbild(QWidget* eltern) : QLabel(eltern)
{
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    Q_UNUSED(eingerichtet);
    // Tab reaches only the chosen one (SetzeGewaehlt), as in a group of radio buttons; a mouse
    // click leaves the focus where it was.
    setFocusPolicy(Qt::NoFocus);
}

void TKlickbild::SetzeGewaehlt(bool gewaehlt)
{
    setFocusPolicy(gewaehlt ? Qt::TabFocus : Qt::NoFocus);
    if (gewaehlt == gewaehlt_)
        return;
    gewaehlt_ = gewaehlt;
    QAccessible::State geaendert;
    geaendert.checked = true;
    QAccessibleStateChangeEvent ereignis(this, geaendert);
    QAccessible::updateAccessibility(&ereignis);
}

void TKlickbild::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Space: emit geklickt(this); break;
    case Qt::Key_Left:
    case Qt::Key_Up: emit schritt(this, -1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: emit schritt(this, +1); break;
    default: QLabel::keyPressEvent(ereignis); return;
    }
    ereignis->accept();
}

// The picture as ever; with the keyboard's focus, a dotted frame inside it, black on white so
// that it shows on any picture.
void TKlickbild::paintEvent(QPaintEvent* ereignis)
{
    QLabel::paintEvent(ereignis);
    if (!hasFocus())
        return;
    QPainter maler(this);
    const QRect rahmen = rect().adjusted(5, 5, -6, -6);
    maler.setPen(QPen(Qt::white, 1));
    maler.drawRect(rahmen);
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.drawRect(rahmen);
}

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
