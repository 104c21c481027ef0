#pragma once
// Where the main window stood when the program last ended, kept in the options file and taken
// up at the next start on a screen that still holds it.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

#include "daten/vorlieben.h"

class QWidget;

namespace haupt {

// The outer top-left corner for a window of outer size `rahmen` that stood at `lage`, or none
// when no screen's free area holds it there (a screen gone, another arrangement): the window
// is then centred as on a first start. A maximised window needs only its corner on a screen.
std::optional<QPoint> Wiederherstellbar(const daten::Fensterlage& lage, QSize rahmen, const QList<QRect>& bildschirme);

// Puts the window where it stood, or centres it on its screen.
void FensterPlatzieren(QWidget& fenster, const daten::Vorlieben& vorlieben);
// Stores where the window stands now; nothing while it stands where a first start puts it. A
// failed write keeps the old place: it is no loss of a game.
void FensterlageMerken(const QWidget& fenster, daten::Vorlieben& vorlieben);

} // namespace haupt
