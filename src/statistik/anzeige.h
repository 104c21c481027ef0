#pragma once
// Figures, dates and the journal's messages as the statistics window and the main window show
// them, in the language of the texts.

#include <QLocale>
#include <QString>

#include "daten/texte.h"
#include "journal/journal.h"

namespace statistik {

QLocale Gebietsschema(const daten::Texte& texte);
// m:ss, with a tenth where the figure has one (a mean).
QString ZeitText(const QLocale& ort, double sekunden);
// Whole numbers without decimals, others with `stellen`.
QString ZahlText(const QLocale& ort, double wert, int stellen = 1);
// The local date and time of a moment in milliseconds since 1970.
QString DatumText(const QLocale& ort, qint64 millisekunden);
// "Variante 1: leeres Feld, 4 × 4"
QString Gruppenname(const daten::Texte& texte, engine::Variante variante, int seite);
// What the player is told when the journal is set aside or cannot be written.
QString Hinweistext(const daten::Texte& texte, journal::Hinweis hinweis, const QString& datei);

} // namespace statistik
