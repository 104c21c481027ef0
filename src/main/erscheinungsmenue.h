#pragma once
// Options → Appearance: System, Light, Dark as a radio group that shows the stored choice.

#include <QString>

#include <functional>

#include "daten/texte.h"
#include "daten/vorlieben.h"

class QMenu;

namespace haupt {

// Adds the submenu to `optionen`, in the current language and following its changes. A choice
// that cannot be stored is reported through `fehlerbericht`, and the mark stays on the old one.
QMenu* ErscheinungsmenueAnlegen(QMenu* optionen, daten::Vorlieben& vorlieben, const daten::Texte& texte,
                                std::function<void(const QString&)> fehlerbericht);

} // namespace haupt
