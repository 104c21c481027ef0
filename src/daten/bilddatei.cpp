#include "daten/bilddatei.h"

#include "daten/dateizugriff.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMutex>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include <unistd.h>

namespace daten {

namespace {

// The suffixes beyond BMP, and the reader each one needs.
struct Endung {
    QLatin1StringView endung;
    const char* format;
};
constexpr std::array WeitereEndungen{
    Endung{QLatin1StringView("png"), "png"},   Endung{QLatin1StringView("jpg"), "jpeg"},
    Endung{QLatin1StringView("jpeg"), "jpeg"}, Endung{QLatin1StringView("gif"), "gif"},
    Endung{QLatin1StringView("webp"), "webp"},
};

// Asked once a format, and only when a name needs it. Qt's list of every readable format loads
// every image plugin and its libraries, which cost the start a good part of its time when a
// photo stood in the picture list; a reader told the format loads that plugin alone and says
// whether it found one.
bool FormatLesbar(const char* format)
{
    static QMutex sperre;
    static QHash<QByteArray, bool> bekannt;
    const QMutexLocker halt(&sperre);
    const auto da = bekannt.constFind(format);
    if (da != bekannt.cend())
        return *da;
    QBuffer leer;
    leer.open(QIODevice::ReadOnly);
    QImageReader leser(&leer, format);
    leser.setAutoDetectImageFormat(false);
    leser.canRead();
    return bekannt[format] = leser.error() != QImageReader::UnsupportedFormatError;
}

// The memory the picture takes as true colour, four bytes a pixel.
qint64 Echtfarbbytes(QSize groesse) { return qint64(groesse.width()) * groesse.height() * 4; }

// libjpeg decodes at 1/2, 1/4 or 1/8 of the sides; Qt takes the smallest that still gives `ziel`.
int JpegTeiler(QSize quelle, QSize ziel)
{
    int teiler = 8;
    while (teiler > 1 && (quelle.width() / teiler < ziel.width() || quelle.height() / teiler < ziel.height()))
        teiler /= 2;
    return teiler;
}

// Whether decoding a picture of `quelle` for `ziel` takes more than the reader's limit.
bool UeberDerGrenze(QSize quelle, QSize ziel, Bildart art)
{
    const qint64 grenze = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 teiler = art == Bildart::Jpeg ? JpegTeiler(quelle, ziel) : 1;
    return grenze > 0 && Echtfarbbytes(quelle) / (teiler * teiler) > grenze;
}

// A bitmap stored top-down reports a negative height; the picture it makes is the same.
QSize Kopfgroesse(const QImageReader& leser) { return {leser.size().width(), std::abs(leser.size().height())}; }

// A file whose reading can be stopped from another thread: once told, it ends where it is.
class Abbrechbar : public QFile {
public:
    Abbrechbar(const QString& pfad, const std::atomic_bool* abbruch) : QFile(pfad), abbruch_(abbruch) {}
    bool abgebrochen() const { return abbruch_ && abbruch_->load(std::memory_order_relaxed); }

protected:
    qint64 readData(char* daten, qint64 hoechstens) override
    {
        return abgebrochen() ? -1 : QFile::readData(daten, hoechstens);
    }

private:
    const std::atomic_bool* abbruch_;
};

// Pixels a file leaves out (run-length skips, early ends) get the colour of index 0, or black,
// instead of whatever memory the reader was given. Only for a picture the reader fills whole:
// a JPEG read smaller makes its own.
bool VorbelegtesBild(QImageReader& leser, QSize groesse, QImage& bild)
{
    const QImage::Format format = leser.imageFormat();
    if (format == QImage::Format_Invalid)
        return true;
    bild = QImage(groesse, format);
    if (bild.isNull())
        return false;
    bild.fill(0);
    return true;
}

// The format by the file's content; Unbekannt for an empty or foreign file. `gekuerzt` tells a
// file cut short. A JPEG, the kind of large photos, is walked in blocks rather than mapped: a
// mapping would count the whole file into the program's memory.
Bildart PruefeInhalt(QFile& datei, bool& gekuerzt, bool& fremd)
{
    const qint64 groesse = datei.size();
    const uchar* inhalt = groesse > 0 ? datei.map(0, groesse) : nullptr;
    if (!inhalt)
        return Bildart::Unbekannt;
    const QByteArrayView bytes(inhalt, groesse);
    const Bildart art = ErkenneBildart(bytes);
    gekuerzt = art != Bildart::Jpeg && Gekuerzt(art, bytes);
    fremd = art == Bildart::Unbekannt && FremdesBildformat(bytes);
    datei.unmap(const_cast<uchar*>(inhalt));
    if (art == Bildart::Jpeg)
        gekuerzt = !datei.seek(0) || JpegGekuerzt(datei) || !datei.seek(0);
    return art;
}

// What the reader's failure means.
Ladefehler Lesefehler(const QImageReader& leser)
{
    switch (leser.error()) {
    case QImageReader::FileNotFoundError: return Ladefehler::NichtGefunden;
    case QImageReader::UnsupportedFormatError: return Ladefehler::FremdesFormat;  // no reader here for it
    default: return Ladefehler::Beschaedigt;
    }
}

// True colour in sRGB: palette and one-bit pictures scale smoothly only from true colour, and
// the board is drawn without colour management.
QImage Echtfarbe(QImage bild)
{
    bild = bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (bild.colorSpace().isValid() && bild.colorSpace() != QColorSpace::SRgb)
        bild.convertToColorSpace(QColorSpace::SRgb);
    return bild;
}

} // namespace

bool IstBildname(const QString& name)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0)
        return false;
    const QStringView endung = QStringView(name).sliced(punkt + 1);
    // Qt reads BMP itself: listing the shipped pictures loads no plugin.
    if (endung.compare(QLatin1StringView("bmp"), Qt::CaseInsensitive) == 0)
        return true;
    for (const Endung& e : WeitereEndungen)
        if (endung.compare(e.endung, Qt::CaseInsensitive) == 0)
            return FormatLesbar(e.format);
    return false;
}

QStringList Bilddateien(const QString& ordner)
{
    // Matched by hand: a name filter would bring in the regular expression engine at start-up.
    QStringList namen = QDir(ordner).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    namen.removeIf([](const QString& name) { return !IstBildname(name); });
    return namen;
}

const char* Name(Ladefehler fehler)
{
    switch (fehler) {
    case Ladefehler::Keiner: return "Keiner";
    case Ladefehler::NichtGefunden: return "NichtGefunden";
    case Ladefehler::KeinBild: return "KeinBild";
    case Ladefehler::FremdesFormat: return "FremdesFormat";
    case Ladefehler::Beschaedigt: return "Beschaedigt";
    case Ladefehler::ZuGross: return "ZuGross";
    }
    return "?";
}

QSize Lesegroesse(QSize groesse, int kante)
{
    const qint64 breite = groesse.width(), hoehe = groesse.height();
    if (kante <= 0 || breite <= 0 || hoehe <= 0 || std::min(breite, hoehe) <= kante)
        return groesse;
    // The longer side rounded up, so that neither side falls short.
    if (breite <= hoehe)
        return {kante, int((hoehe * kante + breite - 1) / breite)};
    return {int((breite * kante + hoehe - 1) / hoehe), kante};
}

Ladefehler LadeBild(const QString& pfad, QImage& bild, int kante, const std::atomic_bool* abbruch)
{
    // A FIFO or a device named as a picture would hold the reader for good: only a regular
    // file is opened, without blocking.
    Dateiart dateiart = Dateiart::Fehlt;
    const int fd = OeffneRegulaer(pfad, dateiart);
    if (fd < 0)
        return dateiart == Dateiart::Andere ? Ladefehler::KeinBild : Ladefehler::NichtGefunden;
    Abbrechbar datei(pfad, abbruch);
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Ladefehler::NichtGefunden;
    }
    bool gekuerzt = false, fremd = false;
    const Bildart art = PruefeInhalt(datei, gekuerzt, fremd);
    if (art == Bildart::Unbekannt)
        return fremd ? Ladefehler::FremdesFormat : Ladefehler::KeinBild;
    if (gekuerzt)
        return Ladefehler::Beschaedigt;
    // Told the format, Qt asks only that reader instead of loading every image plugin first to
    // ask whether one of them knows better; BMP and PNG it reads itself.
    QImageReader leser(&datei, Formatname(art));
    leser.setAutoDetectImageFormat(false);
    leser.setAutoTransform(true);
    const QSize quelle = Kopfgroesse(leser);
    QImage gelesen;
    if (quelle.isValid()) {  // otherwise the reader allocates on its own, within its limit
        if (quelle.isEmpty())
            return Ladefehler::Beschaedigt;
        const QSize ziel = Lesegroesse(quelle, kante);
        if (UeberDerGrenze(quelle, ziel, art))
            return Ladefehler::ZuGross;
        if (ziel != quelle)
            leser.setScaledSize(ziel);
        // A reader that scales as it reads makes its own picture; one that reads whole gets it.
        const bool ganz = ziel == quelle || !leser.supportsOption(QImageIOHandler::ScaledSize);
        if (ganz && !VorbelegtesBild(leser, quelle, gelesen))
            return Ladefehler::ZuGross;
    }
    // A reader that stopped early may hand over what it had: an error means no picture.
    const bool gelungen = leser.read(&gelesen);
    if (datei.abgebrochen())  // the rest read as missing: what came is not the picture
        return Ladefehler::Beschaedigt;
    if (!gelungen || leser.error() != QImageReader::UnknownError || gelesen.isNull())
        return gelungen ? Ladefehler::Beschaedigt : Lesefehler(leser);
    if (!quelle.isValid() && UeberDerGrenze(gelesen.size(), gelesen.size(), Bildart::Unbekannt))
        return Ladefehler::ZuGross;
    bild = Echtfarbe(std::move(gelesen));
    return Ladefehler::Keiner;
}

} // namespace daten
