#include "beste/Meldung.h"

#include <QPushButton>
#include <QWidget>

std::unique_ptr<QMessageBox> BaueMeldung(QMessageBox::Icon art, const QString& text, QPoint ecke,
                                         QPoint rahmen, QWidget* eltern)
{
    const QString titel = art == QMessageBox::Critical ? QStringLiteral("Fehler") : QStringLiteral("Information");
    auto box = std::make_unique<QMessageBox>(art, titel, text, QMessageBox::NoButton, eltern);
    box->setDefaultButton(box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box->move(ecke + rahmen);
    return box;
}

QPoint Rahmenversatz(const QWidget& fenster)
{
    return fenster.geometry().topLeft() - fenster.frameGeometry().topLeft();
}
