#include "kunst.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace kunst {

QStringList Kunstnamen()
{
    QStringList namen{"imgHintergrund", "imgKreuz3",       "imgKreuz4",      "imgKreuz5",      "imgKreuz6",
            "imgZiffern",     "imgZiffernHilfe", "imgSchrift",     "imgPause",       "imgAchse",
            "imgPfeilRechts", "imgPfeilLinks",   "imgPfeilUnten",  "imgPfeilOben",   "imgVariante1",
            "imgVariante2",   "imgVariante3",    "glyphAbbruch",   "glyphAbbruchAus", "glyphLoeschen",
            "glyphLoeschenAus", "imgSymbol",     "imgUeberschrift", "symbol",
            "imgHintergrundDunkel", "imgVariante1Dunkel", "imgVariante2Dunkel", "imgVariante3Dunkel",
            "glyphAbbruchAusDunkel", "glyphLoeschenAusDunkel", "imgUeberschriftDunkel"};
    // the lettering of every language beside German and English
    for (const char* sprache : {"fr", "es", "it", "pt_BR", "nl", "pl", "cs", "sv", "ru", "uk"})
        namen << QStringLiteral("imgSchrift_") + QLatin1String(sprache) << QStringLiteral("imgPause_") + QLatin1String(sprache);
    return namen;
}

QString Kunstpfad(const QString& name)
{
    return QStringLiteral(":/kunst/") + name;
}

namespace {

QImage Lies(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QImageReader leser(&datei, datei.peek(2) == "P6" ? "ppm" : "png");
    leser.setAutoDetectImageFormat(false);  // with it, every image plugin is loaded and asked first
    return leser.read();
}

} // namespace

QImage Bild(const QString& name)
{
    return Lies(Kunstpfad(name));
}

QIcon Programmsymbol()
{
    QIcon symbol;
    const QDir ordner(QStringLiteral(":/symbole"));
    QStringList dateien = ordner.entryList(QDir::Files);
    // Smallest first, as the desktop lists them: "tavelor_16.png" before "tavelor_128.png".
    std::sort(dateien.begin(), dateien.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const QString& datei : dateien)
        symbol.addPixmap(QPixmap::fromImage(Lies(ordner.filePath(datei))));
    return symbol;
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
