#include "engine/uhr.h"

namespace engine {

Tickergebnis Tick(Spielstand& s)
{
    Tickergebnis ergebnis;
    if (!s.uhrLaeuft())
        return ergebnis;
    ++s.Sekunden;
    ergebnis.gezaehlt = true;
    if (s.Sekunden >= MaxSekunden) {  // a game taken up at the limit ends at its next second
        SpielBeenden(s);
        ergebnis.zeitAbgelaufen = true;
    }
    return ergebnis;
}

bool PauseUmschalten(Spielstand& s)
{
    if (s.phase == Phase::Laeuft)
        s.phase = Phase::Pausiert;
    else if (s.phase == Phase::Pausiert)
        s.phase = Phase::Laeuft;
    return s.pausiert();
}

void SpielBeenden(Spielstand& s) { s.phase = Phase::Vorbei; }

} // namespace engine
