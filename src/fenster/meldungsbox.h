#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QString>

#include <memory>

namespace fenster {
// The program's message boxes: the error or information symbol, caption "Fehler" or
// "Information", one OK button. The caller places the box and shows it.
std::unique_ptr<QMessageBox> BaueMeldungsbox(QMessageBox::Icon art, const QString& text, QWidget* eltern = nullptr);

// The same, with the frame's top-left corner at `ecke` (screen pixels). Under a window manager
// QMessageBox::move places the inside of the box, so the frame offset `rahmen` of a framed
// window is added.
std::unique_ptr<QMessageBox> BaueMeldungsbox(QMessageBox::Icon art, const QString& text, QPoint ecke, QPoint rahmen,
                                             QWidget* eltern = nullptr);

// Offset from a window's frame to its inside; zero without a window manager.
QPoint Rahmenversatz(const QWidget& fenster);

} // namespace fenster
