#pragma once
// What screen readers learn of the paint box: it is one picture to Qt, so its fields, axes and
// counters are told through an accessible interface of its own. Each field is named by its
// tile and place ("Teil 5 auf Zeile 2, Spalte 1") and checked when the tile is in its place;
// in variant 3 each axis by the rows and columns it turns; the keyboard's frame and ring give
// the focus to the field or axis under them. The two counters are read-only texts
// ("Zeit: 2 Minuten 5 Sekunden").

class QWidget;

namespace daten {
class Texte;
}
namespace sitzung {
class Spielsitzung;
}

namespace haupt {

class Brettbild;

// Makes the paint box readable from now on and tells listeners what each move changes.
void BrettzugangEinrichten(QWidget* anzeige, const Brettbild& bild, const sitzung::Spielsitzung& sitzung,
                           const daten::Texte& texte);

} // namespace haupt
