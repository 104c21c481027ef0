#include "daten/vorlieben.h"

#include "daten/inidatei.h"

namespace daten {

namespace {

constexpr char Abschnitt[] = "Optionen";
constexpr char Schluessel[] = "Animation";
constexpr char GroesseSchluessel[] = "Groesse";
constexpr int KleinsteGroesse = 100, GroessteGroesse = 400;

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

int GroesseGespeichert(const Umgebung& umgebung)
{
    const int prozent = LiesIniZahl(umgebung.optionsDatei(), Abschnitt, GroesseSchluessel);
    return prozent >= KleinsteGroesse && prozent <= GroessteGroesse ? prozent : KleinsteGroesse;
}

void GroesseSpeichern(const Umgebung& umgebung, int prozent)
{
    if (!umgebung.vonCD) {
        umgebung.SchreibordnerAnlegen();
        SchreibeIniWert(umgebung.optionsDatei(), Abschnitt, GroesseSchluessel, QByteArray::number(prozent));
    }
}

} // namespace daten
