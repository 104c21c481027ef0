#pragma once
// Picking a picture from anywhere: the desktop's file chooser for the kinds the game reads.

#include "daten/bilddienst.h"
#include "daten/texte.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace optionen {

// The name filter for the picture kinds readable here, each suffix in both cases (phones and
// cameras write ".JPG"), e.g. "Bilder (*.bmp *.BMP *.png *.PNG …)".
QString Bildfilter(const daten::Texte& texte);

// Opens the file chooser in `ordner` (the desktop's pictures folder when empty): the platform's
// own where it has one, else Qt's, which then shows a preview of the file under the cursor,
// decoded by the picture service. Returns the chosen file, or nothing; `ordner` becomes its
// folder.
QString BildSuchen(QWidget* eltern, const daten::Texte& texte, daten::Bilddienst& bilder, QString& ordner);

} // namespace optionen
