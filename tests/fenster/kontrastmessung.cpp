#include "kontrastmessung.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <optional>

#include "fenster/farbschema.h"

namespace {

constexpr QPalette::ColorRole Textrollen[] = {
    QPalette::WindowText, QPalette::Text,     QPalette::ButtonText,  QPalette::HighlightedText, QPalette::BrightText,
    QPalette::Link,       QPalette::LinkVisited, QPalette::ToolTipText, QPalette::PlaceholderText};

QImage Bild(QWidget& fenster)
{
    QApplication::processEvents();
    return fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The widget once with its texts transparent, its palette restored after.
QImage OhneText(QWidget& fenster, QWidget& teil)
{
    const bool eigene = teil.testAttribute(Qt::WA_SetPalette);
    const QPalette vorher = teil.palette();
    QPalette leer = vorher;
    for (QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole rolle : Textrollen)
            leer.setColor(gruppe, rolle, Qt::transparent);
    teil.setPalette(leer);
    const QImage bild = Bild(fenster);
    teil.setPalette(eigene ? vorher : QPalette());
    return bild;
}

std::optional<Textmessung> Messen(const QImage& mit, const QImage& ohne, const QRegion& bereich, const QString& wo)
{
    std::vector<QPoint> schrift;
    for (const QRect& r : bereich)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (mit.rect().contains(x, y) && mit.pixel(x, y) != ohne.pixel(x, y))
                    schrift.emplace_back(x, y);
    if (schrift.empty())
        return std::nullopt;

    QColor text;
    double staerkste = 0;
    for (QPoint p : schrift)
        if (const double k = fenster::Kontrast(mit.pixelColor(p), ohne.pixelColor(p)); k > staerkste) {
            staerkste = k;
            text = mit.pixelColor(p);
        }
    Textmessung messung{wo, 21, text, {}};
    for (QPoint p : schrift)
        if (const double k = fenster::Kontrast(text, ohne.pixelColor(p)); k < messung.kontrast) {
            messung.kontrast = k;
            messung.grund = ohne.pixelColor(p);
        }
    return messung;
}

QString Name(const QWidget& teil)
{
    return QString::fromLatin1(teil.metaObject()->className()) + QLatin1Char(' ') + teil.objectName();
}

// Each item alone: a selected one stands on another ground than the rest.
void ListeMessen(QWidget& fenster, QAbstractItemView& liste, std::vector<Textmessung>& messungen)
{
    const QImage mit = Bild(fenster);
    const QImage ohne = OhneText(fenster, liste);
    const QAbstractItemModel* modell = liste.model();
    for (int zeile = 0; modell && zeile < modell->rowCount(); ++zeile) {
        const QModelIndex index = modell->index(zeile, 0);
        const QRect r = liste.visualRect(index) & liste.viewport()->rect();
        if (r.isEmpty())
            continue;
        const QRect imFenster(liste.viewport()->mapTo(&fenster, r.topLeft()), r.size());
        if (auto m = Messen(mit, ohne, imFenster, index.data().toString()))
            messungen.push_back(*m);
    }
}

} // namespace

std::vector<Textmessung> TexteMessen(QWidget& fenster)
{
    std::vector<Textmessung> messungen;
    QList<QWidget*> teile = fenster.findChildren<QWidget*>();
    teile.prepend(&fenster);
    for (QWidget* teil : teile) {
        if (!teil->isVisible() || !teil->isEnabled() || qobject_cast<QScrollBar*>(teil)
            || qobject_cast<QAbstractScrollArea*>(teil->parentWidget()))
            continue;  // scroll bars carry no text, a viewport is measured with its area
        if (auto* liste = qobject_cast<QAbstractItemView*>(teil)) {
            ListeMessen(fenster, *liste, messungen);
            continue;
        }
        // Its own pixels: its children are measured on their own, except a scroll area's view.
        const QPoint ursprung = teil->mapTo(&fenster, QPoint(0, 0));
        QRegion bereich(QRect(ursprung, teil->size()));
        auto* flaeche = qobject_cast<QAbstractScrollArea*>(teil);
        for (QWidget* kind : teil->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (kind->isVisible() && !kind->isWindow() && (!flaeche || kind != flaeche->viewport()))
                bereich -= QRect(kind->mapTo(&fenster, QPoint(0, 0)), kind->size());
        const QImage mit = Bild(fenster);
        const QImage ohne = OhneText(fenster, *teil);
        if (auto m = Messen(mit, ohne, bereich, Name(*teil)))
            messungen.push_back(*m);
    }
    return messungen;
}
