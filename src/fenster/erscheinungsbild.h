#pragma once
// The scheme in force, light or dark, and the application's palette for it: the player's choice,
// or where that is "System" the desktop's. Set at once when either changes; the windows follow
// the palette (farbschema.h).

#include <QObject>

#include "daten/vorlieben.h"
#include "fenster/desktopschema.h"
#include "fenster/farbschema.h"

namespace fenster {

// The scheme a choice makes on a desktop of `desktop`.
Schema WirksamesSchema(daten::Erscheinungsbild wahl, Schema desktop);

class Erscheinungsbild : public QObject {
    Q_OBJECT
public:
    // Sets the palette of the scheme in force now.
    Erscheinungsbild(const daten::Vorlieben& vorlieben, const Desktopschema& desktop, QObject* eltern = nullptr);

    Schema schema() const { return WirksamesSchema(vorlieben_.erscheinungsbild(), desktop_.schema()); }

private:
    void Anwenden();

    const daten::Vorlieben& vorlieben_;
    const Desktopschema& desktop_;
};

} // namespace fenster
