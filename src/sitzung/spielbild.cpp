#include "sitzung/spielbild.h"

#include "daten/bilddatei.h"

namespace sitzung {

Spielbild::Spielbild(daten::Bilddienst* bilder, const QString& pfad, daten::Zuschnitt zuschnitt)
    : bilder_(bilder), pfad_(pfad), zuschnitt_(zuschnitt)
{
}

void Spielbild::Vorbereiten(int kante)
{
    gehalten_ = Quadrat(kante);
    kante_ = kante;
}

daten::Geladen Spielbild::Quadrat(int kante) const
{
    if (eingebaut())
        return {pfad_, daten::Ladefehler::Keiner, {}};
    if (kante == kante_)
        return gehalten_;
    if (bilder_)
        return bilder_->Quadrat(pfad_, kante, zuschnitt_);
    daten::Geladen geladen{pfad_, daten::Ladefehler::Keiner, {}};
    if ((geladen.fehler = daten::LadeBild(pfad_, geladen.bild, kante)) == daten::Ladefehler::Keiner)
        geladen.bild = daten::Quadrat(geladen.bild, kante, zuschnitt_);
    return geladen;
}

} // namespace sitzung
