#pragma once
// The picture of a game as the session chose it: which file, cut how, and its square for the
// board, decoded through the picture service at the size the board asks for. A value: the
// board keeps a copy to draw from, and the square it was prepared at travels with it.

#include <QString>

#include "daten/bilddienst.h"
#include "daten/bildquadrat.h"

namespace sitzung {

class Spielbild {
public:
    Spielbild() = default;  // the built-in picture
    Spielbild(daten::Bilddienst* bilder, const QString& pfad, daten::Zuschnitt zuschnitt);

    const QString& pfad() const { return pfad_; }
    daten::Zuschnitt zuschnitt() const { return zuschnitt_; }
    bool eingebaut() const { return pfad_.isEmpty(); }

    // Decodes the square the board needs now, so that drawing it takes what is held.
    void Vorbereiten(int kante);
    // The square of `kante` pixels a side; for the built-in picture none and no failure, for a
    // file that cannot be shown none and the reason.
    daten::Geladen Quadrat(int kante) const;

private:
    daten::Bilddienst* bilder_ = nullptr;
    QString pfad_;
    daten::Zuschnitt zuschnitt_ = daten::Zuschnitt::Strecken;
    daten::Geladen gehalten_;  // the square last prepared
    int kante_ = 0;
};

} // namespace sitzung
