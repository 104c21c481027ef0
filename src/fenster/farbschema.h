#pragma once
// Light and dark: the application's palette for each, and the colours the windows paint
// themselves (the dialogs' silver, the list of best results, the About box's name). The palette
// in force says which set a window takes, so a window made at any time matches the rest.

#include <QColor>
#include <QPalette>

#include <functional>

class QWidget;

namespace fenster {

enum class Schema { Hell, Dunkel };

// Relative luminance (WCAG) of an opaque colour, 0 black to 1 white, and the contrast of two
// colours, 1 to 21.
double Leuchtdichte(const QColor& farbe);
double Kontrast(const QColor& a, const QColor& b);

// Dark where the palette's text is lighter than its windows.
Schema SchemaDerPalette(const QPalette& palette);
// The scheme of the application's palette.
Schema AktuellesSchema();

// The whole palette of a scheme, every role of every group set.
QPalette Palette(Schema schema);

// What the windows paint on their own.
struct Fensterfarben {
    QColor dialog;          // the dialogs' background: silver in light
    QColor gesperrt;        // disabled text on it
    QColor liste;           // the picture list's ground
    QColor programmname;    // the About box's name
    QColor tafel;           // the panel of the list of best results
    QColor tafelRandHell, tafelRandDunkel;  // its sunken edge
    QColor ueberschrift;    // the column heads on their bar
    QColor namen;           // names, moves and times
    QColor tafelText;       // places and the board size
};
const Fensterfarben& Farben(Schema schema);
inline const Fensterfarben& Farben() { return Farben(AktuellesSchema()); }

// Calls `umfaerben` whenever the application's palette turns to the other scheme, for as long as
// `fenster` lives; windows that paint their own colours take them again there.
void BeiSchemawechsel(QWidget* fenster, std::function<void(Schema)> umfaerben);

} // namespace fenster
