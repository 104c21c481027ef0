#include "main/stil.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

#include <functional>
#include <optional>
#include <utility>

namespace haupt {

namespace {

class SpaeteIkone : public QIconEngine {
public:
    explicit SpaeteIkone(std::function<QIcon()> machen) : machen_(std::move(machen)) {}

    void paint(QPainter* p, const QRect& rechteck, QIcon::Mode modus, QIcon::State zustand) override
    {
        Ikone().paint(p, rechteck, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return Ikone().pixmap(groesse, modus, zustand);
    }
    QPixmap scaledPixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand, qreal faktor) override
    {
        return Ikone().pixmap(groesse, faktor, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return Ikone().actualSize(groesse, modus, zustand);
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override
    {
        return Ikone().availableSizes(modus, zustand);
    }
    QIconEngine* clone() const override { return new SpaeteIkone(machen_); }

private:
    const QIcon& Ikone()
    {
        if (!ikone_)
            ikone_ = machen_();
        return *ikone_;
    }

    std::function<QIcon()> machen_;
    std::optional<QIcon> ikone_;
};

} // namespace

Stil::Stil(const QString& grundstil) : QProxyStyle(grundstil)
{
    if (baseStyle()->name() != QLatin1String("fusion"))
        return;
    QImageReader leser(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
    leser.setAutoDetectImageFormat(false);
    gruppenrahmen_ = QPixmap::fromImage(leser.read());
}

// Fusion's own drawing of the frame, with the frame's picture read here; without it, Fusion's.
void Stil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || gruppenrahmen_.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    constexpr int RandOben = 3;
    const auto* kasten = qobject_cast<const QGroupBox*>(widget);
    const int oben = kasten && !kasten->isCheckable() && kasten->title().isEmpty()
                         ? RandOben
                         : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + RandOben;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, oben, 0, 0), QMargins(6, 6, 6, 6), gruppenrahmen_);
}

// Only the overflow buttons' icons wait: every widget asks for them when it is built, and
// the style has them always.
QIcon Stil::standardIcon(StandardPixmap art, const QStyleOption* option, const QWidget* widget) const
{
    if (art != SP_ToolBarHorizontalExtensionButton && art != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(art, option, widget);
    // The option lives only during this call, and the style may be gone by the first paint.
    QPointer<Stil> stil(const_cast<Stil*>(this));
    return QIcon(new SpaeteIkone([stil, art] { return stil ? stil->QProxyStyle::standardIcon(art) : QIcon(); }));
}

} // namespace haupt
