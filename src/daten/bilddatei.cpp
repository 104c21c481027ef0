#include "daten/bilddatei.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <array>
#include <cstdlib>

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

// Asked once, and only when a name needs it: the question loads every image plugin.
bool FormatLesbar(const char* format)
{
    static const QList<QByteArray> lesbar = QImageReader::supportedImageFormats();
    return lesbar.contains(QByteArray(format));
}

// The memory the picture takes as true colour, four bytes a pixel.
qint64 Echtfarbbytes(QSize groesse) { return qint64(groesse.width()) * groesse.height() * 4; }

bool UeberDerGrenze(QSize groesse)
{
    const qint64 grenze = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return grenze > 0 && Echtfarbbytes(groesse) > grenze;
}

// Pixels a file leaves out (run-length skips, early ends) get the colour of index 0, or black,
// instead of whatever memory the reader was given. Refuses pictures whose true-colour form is
// above the reader's limit.
bool VorbelegtesBild(QImageReader& leser, QImage& bild)
{
    // A bitmap stored top-down reports a negative height; the picture it makes is the same.
    const QSize groesse(leser.size().width(), std::abs(leser.size().height()));
    if (!groesse.isValid())
        return true;  // the reader allocates on its own, within its limit; checked after reading
    if (groesse.isEmpty() || UeberDerGrenze(groesse))
        return false;
    const QImage::Format format = leser.imageFormat();
    if (format == QImage::Format_Invalid)
        return true;
    bild = QImage(groesse, format);
    if (bild.isNull())
        return false;
    bild.fill(0);
    return true;
}

// The format by the file's content; Unbekannt for an empty or foreign file and for a file cut
// short.
Bildart PruefeInhalt(QFile& datei)
{
    const qint64 groesse = datei.size();
    const uchar* inhalt = groesse > 0 ? datei.map(0, groesse) : nullptr;
    if (!inhalt)
        return Bildart::Unbekannt;
    const QByteArrayView bytes(inhalt, groesse);
    Bildart art = ErkenneBildart(bytes);
    if (Gekuerzt(art, bytes))
        art = Bildart::Unbekannt;
    datei.unmap(const_cast<uchar*>(inhalt));
    return art;
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

Ladefehler LadeBild(const QString& pfad, QImage& bild)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return Ladefehler::NichtGefunden;
    const Bildart art = PruefeInhalt(datei);
    if (art == Bildart::Unbekannt)
        return Ladefehler::KeinBild;
    // Told the format, Qt asks only that reader instead of loading every image plugin first to
    // ask whether one of them knows better; BMP and PNG it reads itself.
    QImageReader leser(&datei, Formatname(art));
    leser.setAutoDetectImageFormat(false);
    leser.setAutoTransform(true);
    QImage gelesen;
    if (!VorbelegtesBild(leser, gelesen))
        return Ladefehler::KeinBild;
    // A reader that stopped early may hand over what it had: an error means no picture.
    const bool gelungen = leser.read(&gelesen);
    if (leser.error() == QImageReader::FileNotFoundError)
        return Ladefehler::NichtGefunden;
    if (!gelungen || leser.error() != QImageReader::UnknownError || gelesen.isNull() || UeberDerGrenze(gelesen.size()))
        return Ladefehler::KeinBild;
    // Palette and one-bit pictures scale smoothly only from true colour.
    bild = gelesen.convertToFormat(gelesen.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return Ladefehler::Keiner;
}

} // namespace daten
