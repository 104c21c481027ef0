#include "kontrastmessung.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTransform>

#include "fenster/farbschema.h"

namespace {

QImage Bild(QWidget& fenster)
{
    QApplication::processEvents();
    return fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window as it is and with the part's texts transparent, its palette restored after.
std::pair<QImage, QImage> MitUndOhne(QWidget& fenster, QWidget& teil)
{
    const QImage mit = Bild(fenster);
    const QPalette vorher = teil.palette();
    const bool eigene = teil.testAttribute(Qt::WA_SetPalette);
    QPalette leer = vorher;
    for (auto gruppe : {QPalette::Active, QPalette::Inactive})
        for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText,
                           QPalette::BrightText, QPalette::Link, QPalette::LinkVisited, QPalette::PlaceholderText})
            leer.setColor(gruppe, rolle, Qt::transparent);
    teil.setPalette(leer);
    QImage ohne = Bild(fenster);
    teil.setPalette(eigene ? vorher : QPalette());
    // A link takes its colour from the palette in force when its text was set: it is made
    // transparent in the text itself, which keeps its place.
    if (auto* label = qobject_cast<QLabel*>(&teil); label && label->text().contains(QLatin1String("<a "))) {
        const QString text = label->text();
        label->setText(QString(text).replace(QLatin1String("<a "), QLatin1String("<span style=\"color:transparent\" "))
                           .replace(QLatin1String("</a>"), QLatin1String("</span>")));
        ohne = Bild(fenster);
        label->setText(text);
    }
    return {mit, ohne};
}

void Messen(const std::pair<QImage, QImage>& bilder, const QRegion& bereich, const QString& wo,
            std::vector<Textmessung>& messungen)
{
    const auto& [mit, ohne] = bilder;
    // The regions are in the window's points; at a scaling above 1 the image holds more pixels.
    const QRegion pixel = QTransform::fromScale(mit.devicePixelRatio(), mit.devicePixelRatio()).map(bereich);
    std::vector<QPoint> schrift;
    for (const QRect& r : pixel & mit.rect())
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (mit.pixel(x, y) != ohne.pixel(x, y))
                    schrift.emplace_back(x, y);
    if (schrift.empty())
        return;
    Textmessung m{wo, 21, {}, {}};
    double staerkste = 0;
    for (QPoint p : schrift)
        if (const double k = fenster::Kontrast(mit.pixelColor(p), ohne.pixelColor(p)); k > staerkste)
            std::tie(staerkste, m.text) = std::pair(k, mit.pixelColor(p));
    if (staerkste < 1.1)
        return;  // differences too faint to be text
    for (QPoint p : schrift)
        if (const double k = fenster::Kontrast(m.text, ohne.pixelColor(p)); k < m.kontrast)
            std::tie(m.kontrast, m.grund) = std::pair(k, ohne.pixelColor(p));
    messungen.push_back(m);
}

} // namespace

std::vector<Textmessung> TexteMessen(QWidget& fenster)
{
    std::vector<Textmessung> messungen;
    QList<QWidget*> teile = fenster.findChildren<QWidget*>();
    teile.prepend(&fenster);
    for (QWidget* teil : teile) {
        // Scroll bars carry no text; a scroll area's view and bars are measured with the area.
        if (!teil->isVisible() || !teil->isEnabled() || qobject_cast<QScrollBar*>(teil)
            || qobject_cast<QAbstractScrollArea*>(teil->parentWidget()))
            continue;
        QApplication::processEvents();  // a text set again is laid out anew
        QRegion bereich(QRect(teil->mapTo(&fenster, QPoint(0, 0)), teil->size()));
        const auto bilder = MitUndOhne(fenster, *teil);
        if (auto* liste = qobject_cast<QAbstractItemView*>(teil)) {
            // Each item alone: a selected one stands on another ground than the rest. The heads
            // of a table lie outside its view.
            const QAbstractItemModel& modell = *liste->model();
            for (int zeile = 0; zeile < modell.rowCount(); ++zeile)
                for (int spalte = 0; spalte < modell.columnCount(); ++spalte) {
                    const QModelIndex index = modell.index(zeile, spalte);
                    const QRect r = liste->visualRect(index) & liste->viewport()->rect();
                    Messen(bilder, QRect(liste->viewport()->mapTo(&fenster, r.topLeft()), r.size()),
                           index.data().toString(), messungen);
                }
            const QRect ganz(liste->mapTo(&fenster, QPoint(0, 0)), liste->size());
            Messen(bilder, QRegion(ganz) - QRect(liste->viewport()->mapTo(&fenster, QPoint(0, 0)), liste->viewport()->size()),
                   QStringLiteral("heads"), messungen);
            continue;
        }
        // Its own pixels; its children are measured on their own.
        auto* flaeche = qobject_cast<QAbstractScrollArea*>(teil);
        for (QWidget* kind : teil->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (kind->isVisible() && !kind->isWindow() && (!flaeche || kind != flaeche->viewport()))
                bereich -= QRect(kind->mapTo(&fenster, QPoint(0, 0)), kind->size());
        // A combo box's arrow is a sign, not text: measured with the text it would lend its
        // colour to the lettering and its own darker ground to the text's.
        if (auto* auswahl = qobject_cast<QComboBox*>(teil)) {
            QStyleOptionComboBox option;
            option.initFrom(auswahl);
            const QRect pfeil = auswahl->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, auswahl);
            bereich -= QRect(auswahl->mapTo(&fenster, pfeil.topLeft()), pfeil.size());
        }
        Messen(bilder, bereich, QString::fromLatin1(teil->metaObject()->className()) + ' ' + teil->objectName(),
               messungen);
    }
    return messungen;
}
