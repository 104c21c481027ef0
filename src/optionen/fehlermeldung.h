#pragma once

#include "daten/bilddatei.h"
#include "daten/texte.h"

#include <QString>

#include <memory>

class QMessageBox;
class QRect;
class QWidget;

namespace optionen {

// The error box of the picture checks: error icon, caption "Fehler", one OK button, placed
// centred on the given screen area (it is not placed over the dialog that shows it).
std::unique_ptr<QMessageBox> BaueFehlermeldung(QWidget* eltern, const QString& text, const QRect& bildschirm);

// Shows that box modally, centred on the screen of `eltern` (or the primary screen).
void ZeigeFehlermeldung(QWidget* eltern, const QString& text);

// Why the picture file `name` could not be loaded, in the current language; empty for Keiner.
QString Ladefehlertext(const daten::Texte& texte, daten::Ladefehler fehler, const QString& name);

// Asks the message loop to end the program; also works before the loop runs.
void BeendeProgramm();

} // namespace optionen
