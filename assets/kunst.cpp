#include "kunst.h"

namespace kunst {

QStringList Kunstnamen()
{
    return {"imgHintergrund", "imgKreuz3",       "imgKreuz4",      "imgKreuz5",      "imgKreuz6",
            "imgZiffern",     "imgZiffernHilfe", "imgSchrift",     "imgPause",       "imgAchse",
            "imgPfeilRechts", "imgPfeilLinks",   "imgPfeilUnten",  "imgPfeilOben",   "imgVariante1",
            "imgVariante2",   "imgVariante3",    "glyphAbbruch",   "glyphAbbruchAus", "glyphLoeschen",
            "glyphLoeschenAus", "imgSymbol",     "imgUeberschrift", "symbol"};
}

QString Kunstpfad(const QString& name)
{
    return QStringLiteral(":/kunst/") + name + QStringLiteral(".png");
}

} // namespace kunst
