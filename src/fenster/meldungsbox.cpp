#include "fenster/meldungsbox.h"

namespace fenster {

std::unique_ptr<QMessageBox> BaueMeldungsbox(QMessageBox::Icon art, const QString& text, QWidget* eltern)
{
    const QString titel = art == QMessageBox::Critical ? QStringLiteral("Fehler") : QStringLiteral("Information");
    auto box = std::make_unique<QMessageBox>(art, titel, text, QMessageBox::Ok, eltern);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

std::unique_ptr<QMessageBox> BaueMeldungsbox(QMessageBox::Icon art, const QString& text, QPoint ecke, QPoint rahmen,
                                             QWidget* eltern)
{
    auto box = BaueMeldungsbox(art, text, eltern);
    box->move(ecke + rahmen);
    return box;
}

QPoint Rahmenversatz(const QWidget& fenster) { return fenster.geometry().topLeft() - fenster.frameGeometry().topLeft(); }

} // namespace fenster
