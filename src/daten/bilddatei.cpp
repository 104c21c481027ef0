#include "daten/bilddatei.h"

#include <QFile>
#include <QDir>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace daten {

namespace {

quint32 U32(QByteArrayView d, qsizetype at) { return qFromLittleEndian<quint32>(d.data() + at); }
qint32 I32(QByteArrayView d, qsizetype at) { return qFromLittleEndian<qint32>(d.data() + at); }
quint16 U16(QByteArrayView d, qsizetype at) { return qFromLittleEndian<quint16>(d.data() + at); }

constexpr qsizetype DateiKopf = 14;
constexpr qsizetype KernKopf = 12;  // the old core header: 16-bit width and height, never compressed
constexpr quint32 KompressionRle8 = 1, KompressionRle4 = 2;

// Whether a run-length stream reaches its end-of-bitmap mark inside the file. Every step takes
// at least two bytes, so the walk ends with the file.
bool RleVollstaendig(QByteArrayView datei, qint64 pos, bool vierBit)
{
    while (pos + 2 <= datei.size()) {
        const auto anzahl = quint8(datei[pos]), code = quint8(datei[pos + 1]);
        pos += 2;
        if (anzahl > 0 || code == 0)  // a run, or the end of a line
            continue;
        if (code == 1)
            return true;
        if (code == 2) {  // delta: two more bytes
            pos += 2;
            continue;
        }
        const qint64 bytes = vierBit ? (code + 1) / 2 : code;  // literal pixels, padded to words
        pos += bytes + (bytes & 1);
    }
    return false;
}

// Rows of uncompressed pixels padded to four bytes; -1 when the size is beyond all reason.
qint64 Rasterbytes(qint64 breite, qint64 hoehe, qint64 bits)
{
    constexpr qint64 Grenze = qint64(1) << 40;
    if (breite <= 0 || hoehe <= 0 || bits <= 0 || breite > Grenze / 64 || hoehe > Grenze)
        return -1;
    const qint64 zeile = (breite * bits + 31) / 32 * 4;
    return zeile > Grenze / hoehe ? -1 : zeile * hoehe;
}

// Pixels a file leaves out (run-length skips, early ends) get the colour of index 0, or black,
// instead of whatever memory the reader was given. Refuses pictures whose true-colour form is
// above the reader's limit.
bool VorbelegtesBild(const QImageReader& leser, QImage& bild)
{
    // A bitmap stored top-down reports a negative height; the picture it makes is the same.
    const QSize groesse(leser.size().width(), std::abs(leser.size().height()));
    const QImage::Format format = leser.imageFormat();
    if (!groesse.isValid() || format == QImage::Format_Invalid)
        return true;  // the reader allocates on its own, within its limit
    // The limit holds for the true-colour picture the game makes of it, not only for what the
    // file decodes into: a few hundred bytes of run-length data may unpack to a palette picture
    // within the limit whose colour form is four times larger and takes seconds to scale.
    const qint64 grenze = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 echtfarbe = Rasterbytes(groesse.width(), groesse.height(), 32);
    if (echtfarbe < 0 || (grenze > 0 && echtfarbe > grenze))
        return false;
    bild = QImage(groesse, format);
    if (bild.isNull())
        return false;
    bild.fill(0);
    return true;
}

} // namespace

bool BmpGekuerzt(QByteArrayView datei)
{
    if (datei.size() < 2 || !datei.startsWith("BM"))
        return false;
    if (datei.size() < DateiKopf + 4)
        return true;
    const quint32 datenBeginn = U32(datei, 10);
    const quint32 infoLaenge = U32(datei, DateiKopf);
    const bool kern = infoLaenge == KernKopf;
    if (!kern && infoLaenge < 40)
        return false;  // no header this check knows: the reader judges it
    if (datei.size() < DateiKopf + (kern ? KernKopf : 40))
        return true;
    const qint64 breite = kern ? U16(datei, 18) : I32(datei, 18);
    const qint64 hoehe = kern ? U16(datei, 20) : std::llabs(I32(datei, 22));
    const qint64 bits = kern ? U16(datei, 24) : U16(datei, 28);
    const quint32 kompression = kern ? 0 : U32(datei, 30);
    // An offset of 0 names no place: the reader goes on right after the headers, the colour
    // masks and the palette.
    const qint64 palette = bits > 8 ? 0 : qint64(1) << bits;
    const qint64 farben = !kern && U32(datei, 46) ? std::min<qint64>(U32(datei, 46), palette) : palette;
    const qint64 kopfEnde = DateiKopf + infoLaenge + (kompression == 3 && infoLaenge == 40 ? 12 : 0)
                            + farben * (kern ? 3 : 4);
    const qint64 beginn = datenBeginn != 0 ? qint64(datenBeginn) : kopfEnde;
    if (kompression == KompressionRle8 || kompression == KompressionRle4)
        return !RleVollstaendig(datei, beginn, kompression == KompressionRle4);
    if (kompression != 0 && kompression != 3)
        return false;  // other codings: the reader decides
    const qint64 pixelbytes = Rasterbytes(breite, hoehe, bits);
    return pixelbytes < 0 || datei.size() < beginn + pixelbytes;
}

QStringList Bilddateien(const QString& ordner)
{
    // Matched by hand: a name filter would bring in the regular expression engine at start-up.
    QStringList namen = QDir(ordner).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    namen.removeIf([](const QString& name) { return !name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive); });
    return namen;
}

Ladefehler LadeBild(const QString& pfad, QImage& bild)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return Ladefehler::NichtGefunden;
    if (const uchar* inhalt = datei.size() > 0 ? datei.map(0, datei.size()) : nullptr) {
        const bool gekuerzt = BmpGekuerzt(QByteArrayView(inhalt, datei.size()));
        datei.unmap(const_cast<uchar*>(inhalt));
        if (gekuerzt)
            return Ladefehler::KeinBild;
    }
    QImageReader leser(&datei);
    // Told that a file is a bitmap, Qt reads it itself instead of loading every image plugin first
    // to ask whether one of them knows better.
    if (datei.peek(2) == "BM") {
        leser.setFormat("bmp");
        leser.setAutoDetectImageFormat(false);
    }
    QImage gelesen;
    if (!VorbelegtesBild(leser, gelesen))
        return Ladefehler::KeinBild;
    if (!leser.read(&gelesen) || gelesen.isNull())
        return leser.error() == QImageReader::FileNotFoundError ? Ladefehler::NichtGefunden
                                                                : Ladefehler::KeinBild;
    // Palette and one-bit pictures scale smoothly only from true colour.
    bild = gelesen.convertToFormat(gelesen.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return Ladefehler::Keiner;
}

} // namespace daten
