#pragma once

#include <QMessageBox>
#include <QPoint>

#include <memory>

class QWidget;

// A message about saving the list: caption "Fehler" for an error, "Information"
// otherwise, one OK button, the frame's top-left corner at `ecke` (screen pixels).
// Under a window manager QMessageBox::move places the inside of the window, so
// the frame width is added; `rahmen` is that offset, taken from a framed window.
std::unique_ptr<QMessageBox> BaueMeldung(QMessageBox::Icon art, const QString& text, QPoint ecke,
                                         QPoint rahmen, QWidget* eltern = nullptr);

// Offset from a window's frame to its inside; zero without a window manager.
QPoint Rahmenversatz(const QWidget& fenster);
