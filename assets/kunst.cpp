#include "kunst.h"

#include <QDir>
#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QMap>
#include <QPainter>

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

namespace {

// The program icon's sizes are known from its files' names; a size is decoded when asked for
// and not kept. The window system takes each once when the window is made, and keeping all
// seven (the largest alone 256 KB) would hold them for the whole run.
class Symbolmaschine : public QIconEngine {
public:
    explicit Symbolmaschine(QMap<int, QString> dateien) : dateien_(std::move(dateien)) {}

    QPixmap pixmap(const QSize& groesse, QIcon::Mode, QIcon::State) override
    {
        if (dateien_.isEmpty() || groesse.isEmpty())
            return {};
        // The smallest drawing that is large enough, else the largest, fitted to the size asked for.
        const int seite = std::max(groesse.width(), groesse.height());
        auto datei = dateien_.lowerBound(seite);
        const QImage bild = Lies(datei == dateien_.end() ? dateien_.last() : datei.value());
        if (bild.isNull() || bild.size() == groesse)
            return QPixmap::fromImage(bild);
        return QPixmap::fromImage(bild.scaled(groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    void paint(QPainter* maler, const QRect& rechteck, QIcon::Mode modus, QIcon::State zustand) override
    {
        maler->drawPixmap(rechteck, pixmap(rechteck.size(), modus, zustand));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> groessen;
        for (const int seite : dateien_.keys())
            groessen.push_back({seite, seite});
        return groessen;
    }
    QString key() const override { return QStringLiteral("tavelor-symbol"); }
    QIconEngine* clone() const override { return new Symbolmaschine(dateien_); }
    bool isNull() override { return dateien_.isEmpty(); }

private:
    QMap<int, QString> dateien_;  // by side, smallest first
};

} // namespace

QIcon Programmsymbol()
{
    // "tavelor_16.png" … "tavelor_256.png": the side follows the last underscore.
    QMap<int, QString> dateien;
    const QDir ordner(QStringLiteral(":/symbole"));
    for (const QString& datei : ordner.entryList(QDir::Files)) {
        bool zahl = false;
        const int seite = datei.section(u'_', -1).section(u'.', 0, 0).toInt(&zahl);
        if (zahl && seite > 0)
            dateien.insert(seite, ordner.filePath(datei));
    }
    return QIcon(new Symbolmaschine(std::move(dateien)));
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
