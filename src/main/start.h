#pragma once
// The screen test at start-up, before any window exists.

#include <QString>

#include "daten/umgebung.h"

#include <memory>

class QMessageBox;
class QRect;

namespace haupt {

// A screen below 600 pixels or 16 bits gets text 800 in the stored language (also on standard
// error) and false; the program then ends without showing or painting anything else.
bool SystemanforderungErfuellt(const daten::Umgebung& umgebung);

// The error box for a screen that fails the test, with its top-left corner at the screen's
// centre (not centred on it).
std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm);

} // namespace haupt
