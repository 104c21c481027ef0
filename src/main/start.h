#pragma once
// The screen test at start-up, before any window exists.

#include <QSize>
#include <QString>

#include <memory>

class QMessageBox;
namespace daten { class Texte; }
class QRect;

namespace haupt {

// A screen below 600 pixels or 16 bits gets text 800 in the player's language (also on standard
// error) and false; the program then ends without showing or painting anything else.
bool SystemanforderungErfuellt(const daten::Texte& texte);

// The text for a screen that fails the test. A scaled screen that would do unscaled is told in
// what the player set, the scaling, and what would do (1920 x 1080 at 200 %: at most 180 %).
QString Anforderungstext(const daten::Texte& texte, QSize logisch, qreal skalierung, int farbtiefe);

// The error box for a screen that fails the test, with its top-left corner at the screen's
// centre (not centred on it).
std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm);

} // namespace haupt
