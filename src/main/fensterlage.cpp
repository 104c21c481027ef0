#include "main/fensterlage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "daten/inidatei.h"

namespace haupt {

std::optional<QPoint> Wiederherstellbar(const daten::Fensterlage& lage, QSize rahmen, const QList<QRect>& bildschirme)
{
    const QRect fenster(lage.ecke, lage.maximiert ? QSize(1, 1) : rahmen);
    const bool gehalten = std::any_of(bildschirme.begin(), bildschirme.end(),
                                      [&fenster](const QRect& frei) { return frei.contains(fenster); });
    return gehalten ? std::optional(lage.ecke) : std::nullopt;
}

namespace {

// Where the start put the window: it stays unstored while it stands there.
constexpr char Startplatz[] = "tavelorStartplatz";

QPoint Mittig(const QWidget& fenster)
{
    const QScreen* bildschirm = fenster.screen();
    const QSize rahmen = fenster.frameGeometry().size();
    return bildschirm ? bildschirm->geometry().center() - QPoint(rahmen.width() / 2, rahmen.height() / 2) : fenster.pos();
}

} // namespace

void FensterPlatzieren(QWidget& fenster, const daten::Vorlieben& vorlieben)
{
    const std::optional<daten::Fensterlage> lage = vorlieben.fensterlage();
    QList<QRect> bildschirme;
    for (const QScreen* bildschirm : QGuiApplication::screens())
        bildschirme.append(bildschirm->availableGeometry());
    const std::optional<QPoint> ecke = lage ? Wiederherstellbar(*lage, fenster.frameGeometry().size(), bildschirme) : std::nullopt;
    fenster.move(ecke.value_or(Mittig(fenster)));
    fenster.setProperty(Startplatz, fenster.pos());
    if (ecke && lage->maximiert)
        fenster.setWindowState(fenster.windowState() | Qt::WindowMaximized);
}

void FensterlageMerken(const QWidget& fenster, daten::Vorlieben& vorlieben)
{
    const bool maximiert = fenster.isMaximized();
    if (!vorlieben.fensterlage() && !maximiert && fenster.pos() == fenster.property(Startplatz).toPoint())
        return;
    // A maximised window keeps the corner it goes back to.
    const QPoint ecke = maximiert && vorlieben.fensterlage() ? vorlieben.fensterlage()->ecke : fenster.pos();
    try {
        vorlieben.FensterlageSetzen({ecke, maximiert});
    } catch (const daten::Schreibfehler&) {
    }
}

} // namespace haupt
