#include "daten/vorlieben.h"

#include "daten/inidatei.h"

namespace daten {

namespace {

constexpr char Abschnitt[] = "Optionen";
constexpr char Schluessel[] = "Animation";

} // namespace

bool AnimationGespeichert(const Umgebung& umgebung)
{
    return LiesIniZahl(umgebung.optionsDatei(), Abschnitt, Schluessel) == 1;
}

void AnimationSpeichern(const Umgebung& umgebung, bool an)
{
    if (!umgebung.vonCD) {
        umgebung.SchreibordnerAnlegen();  // a failure shows as the failed write
        SchreibeIniWert(umgebung.optionsDatei(), Abschnitt, Schluessel, an ? "1" : "0");
    }
}

} // namespace daten
