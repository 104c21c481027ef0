#pragma once
// Message boxes of the program: one OK button, placed where the caller says.

#include <QMessageBox>
#include <QPoint>
#include <QString>

// Shows a modal box with its top-left corner at `obenLinks` (screen coordinates) and waits.
// `bezug` is the window whose frame offset corrects the placement under a window manager.
void MeldungZeigen(QWidget* bezug, QMessageBox::Icon art, const QString& text, QPoint obenLinks);

// The application's general error report: caption "Tavelor", the message and a full stop.
void FehlerMelden(const QString& nachricht);
