#include "kunst.h"

#include <QFile>
#include <QImageReader>

namespace kunst {

QStringList Kunstnamen()
{
    return {"imgHintergrund", "imgKreuz3",       "imgKreuz4",      "imgKreuz5",      "imgKreuz6",
            "imgZiffern",     "imgZiffernHilfe", "imgSchrift",     "imgPause",       "imgAchse",
            "imgPfeilRechts", "imgPfeilLinks",   "imgPfeilUnten",  "imgPfeilOben",   "imgVariante1",
            "imgVariante2",   "imgVariante3",    "glyphAbbruch",   "glyphAbbruchAus", "glyphLoeschen",
            "glyphLoeschenAus", "imgSymbol",     "imgUeberschrift", "symbol",
            "imgHintergrundDunkel", "imgVariante1Dunkel", "imgVariante2Dunkel", "imgVariante3Dunkel",
            "glyphAbbruchAusDunkel", "glyphLoeschenAusDunkel", "imgUeberschriftDunkel"};
}

QString Kunstpfad(const QString& name)
{
    return QStringLiteral(":/kunst/") + name;
}

QImage Bild(const QString& name)
{
    QFile datei(Kunstpfad(name));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QImageReader leser(&datei, datei.peek(2) == "P6" ? "ppm" : "png");
    leser.setAutoDetectImageFormat(false);  // with it, every image plugin is loaded and asked first
    return leser.read();
}

QImage Bild(const QString& name, bool dunkel)
{
    if (!dunkel)
        return Bild(name);
    QString dunkelname = name;
    const qsizetype doppelt = name.endsWith(QLatin1String("@2x")) ? name.size() - 3 : name.size();
    dunkelname.insert(doppelt, QLatin1String("Dunkel"));
    return QFile::exists(Kunstpfad(dunkelname)) ? Bild(dunkelname) : Bild(name);
}

} // namespace kunst
