#include "main/meldung.h"

void MeldungZeigen(QWidget* bezug, QMessageBox::Icon art, const QString& text, QPoint obenLinks)
{
    const QString titel = art == QMessageBox::Critical ? QStringLiteral("Fehler") : QStringLiteral("Information");
    QMessageBox box(art, titel, text, QMessageBox::Ok, bezug);
    // QMessageBox::move places the inside of the box, so the frame is added back.
    if (bezug)
        obenLinks += bezug->geometry().topLeft() - bezug->frameGeometry().topLeft();
    box.move(obenLinks);
    box.exec();
}

void FehlerMelden(const QString& nachricht)
{
    QMessageBox::critical(nullptr, QStringLiteral("Tavelor"), nachricht + QLatin1Char('.'));
}
