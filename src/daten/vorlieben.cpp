#include "daten/vorlieben.h"

#include "daten/inidatei.h"

namespace daten {

namespace {

constexpr char Abschnitt[] = "Optionen";
constexpr char Schluessel[] = "Animation";
constexpr char GroesseSchluessel[] = "Groesse";
constexpr int KleinsteGroesse = 100, GroessteGroesse = 400;
constexpr char ZuschnittSchluessel[] = "Zuschnitt";

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

Zuschnitt ZuschnittGespeichert(const Umgebung& umgebung)
{
    const bool mitte = LiesIniZahl(umgebung.optionsDatei(), Abschnitt, ZuschnittSchluessel) == 1;
    return mitte ? Zuschnitt::Mitte : Zuschnitt::Strecken;
}

void ZuschnittSpeichern(const Umgebung& umgebung, Zuschnitt zuschnitt)
{
    if (!umgebung.vonCD) {
        umgebung.SchreibordnerAnlegen();
        SchreibeIniWert(umgebung.optionsDatei(), Abschnitt, ZuschnittSchluessel, zuschnitt == Zuschnitt::Mitte ? "1" : "0");
    }
}

} // namespace daten
