#include "daten/bildformate.h"

#include <QBuffer>
#include <QChar>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace daten {

namespace {

quint32 U32(QByteArrayView d, qsizetype at) { return qFromLittleEndian<quint32>(d.data() + at); }
qint32 I32(QByteArrayView d, qsizetype at) { return qFromLittleEndian<qint32>(d.data() + at); }
quint16 U16(QByteArrayView d, qsizetype at) { return qFromLittleEndian<quint16>(d.data() + at); }
qint16 I16(QByteArrayView d, qsizetype at) { return qFromLittleEndian<qint16>(d.data() + at); }
quint8 Byte(QByteArrayView d, qsizetype at) { return quint8(d[at]); }

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

// JPEG markers without a length: restart marks 0xD0-0xD7, TEM 0x01 and the start of image.
bool OhneLaenge(quint8 marke) { return (marke >= 0xD0 && marke <= 0xD8) || marke == 0x01; }

// Skips a GIF's chain of sub-blocks (a length byte, that many bytes; a zero ends it). The
// position after the closing zero, or -1 when the file ends first.
qsizetype NachDenUnterbloecken(QByteArrayView d, qsizetype pos)
{
    while (pos < d.size()) {
        const quint8 laenge = Byte(d, pos);
        pos += 1 + laenge;
        if (laenge == 0)
            return pos;
    }
    return -1;
}

qsizetype GifFarbtabelle(quint8 schalter) { return schalter & 0x80 ? 3 * (qsizetype(2) << (schalter & 7)) : 0; }

} // namespace

Bildart ErkenneBildart(QByteArrayView d)
{
    if (d.startsWith("BM"))
        return Bildart::Bmp;
    if (d.startsWith("\x89PNG\r\n\x1a\n"))
        return Bildart::Png;
    if (d.startsWith("\xFF\xD8\xFF"))
        return Bildart::Jpeg;
    if (d.startsWith("GIF87a") || d.startsWith("GIF89a"))
        return Bildart::Gif;
    if (d.size() >= 12 && d.startsWith("RIFF") && d.sliced(8, 4) == "WEBP")
        return Bildart::Webp;
    return Bildart::Unbekannt;
}

bool FremdesBildformat(QByteArrayView d)
{
    static constexpr std::string_view anfaenge[] = {
        std::string_view("II*\0", 4), std::string_view("MM\0*", 4),         // TIFF
        std::string_view("\0\0\1\0", 4), std::string_view("\0\0\2\0", 4),  // icon, cursor
        "8BPS", "qoif", "\x76\x2f\x31\x01", "#?RADIANCE", "\xFF\x0A", "\xFF\x4F\xFF\x51",
        std::string_view("\0\0\0\x0CJXL ", 8), std::string_view("\0\0\0\x0CjP  ", 8),
    };
    for (std::string_view anfang : anfaenge)
        if (d.startsWith(QByteArrayView(anfang.data(), qsizetype(anfang.size()))))
            return true;
    // HEIF and AVIF: an ISO box "ftyp" naming the brand.
    if (d.size() >= 12 && d.sliced(4, 4) == "ftyp") {
        const QByteArrayView marke = d.sliced(8, 4);
        for (const char* m : {"heic", "heix", "hevc", "mif1", "msf1", "avif", "avis"})
            if (marke == m)
                return true;
    }
    // Netpbm: P1 to P7 and a blank.
    if (d.size() >= 3 && d[0] == 'P' && d[1] >= '1' && d[1] <= '7' && QChar::isSpace(uchar(d[2])))
        return true;
    return d.first(std::min<qsizetype>(d.size(), 1024)).indexOf("<svg") >= 0;
}

const char* Formatname(Bildart art)
{
    switch (art) {
    case Bildart::Bmp: return "bmp";
    case Bildart::Png: return "png";
    case Bildart::Jpeg: return "jpeg";
    case Bildart::Gif: return "gif";
    case Bildart::Webp: return "webp";
    case Bildart::Unbekannt: break;
    }
    return nullptr;
}

// Qt reads the sizes 40, 64, 108 and 124 as a full header and every other one as the old core
// header: 16-bit signed sizes, no compression, a palette of three bytes a colour only at 12.
bool BmpGekuerzt(QByteArrayView datei)
{
    if (datei.size() < 2 || !datei.startsWith("BM"))
        return false;
    if (datei.size() < DateiKopf + 4)
        return true;
    const quint32 datenBeginn = U32(datei, 10);
    const quint32 infoLaenge = U32(datei, DateiKopf);
    const bool voll = infoLaenge == 40 || infoLaenge == 64 || infoLaenge == 108 || infoLaenge == 124;
    if (datei.size() < DateiKopf + (voll ? 40 : KernKopf))
        return true;
    const qint64 breite = voll ? I32(datei, 18) : I16(datei, 18);
    const qint64 hoehe = std::llabs(voll ? I32(datei, 22) : I16(datei, 20));
    const qint64 bits = voll ? U16(datei, 28) : U16(datei, 24);
    const quint32 kompression = voll ? U32(datei, 30) : 0;
    const qint64 palette = bits > 8 ? 0 : qint64(1) << bits;
    const qint64 farben = voll && U32(datei, 46) ? std::min<qint64>(U32(datei, 46), palette) : palette;
    const qint64 kopfEnde = DateiKopf + infoLaenge + (kompression == 3 && infoLaenge == 40 ? 12 : 0)
                            + farben * (infoLaenge == KernKopf ? 3 : 4);
    // The reader goes to the data offset only when it lies beyond the headers, the colour masks
    // and the palette (0 names no place); otherwise it reads on from there.
    const qint64 beginn = std::max<qint64>(datenBeginn, kopfEnde);
    if (kompression == KompressionRle8 || kompression == KompressionRle4)
        return !RleVollstaendig(datei, beginn, kompression == KompressionRle4);
    if (kompression != 0 && kompression != 3)
        return false;  // other codings: the reader decides
    const qint64 pixelbytes = Rasterbytes(breite, hoehe, bits);
    return pixelbytes < 0 || datei.size() < beginn + pixelbytes;
}

namespace {

// Reads a device byte by byte through a block of its own, so that a file of any length is
// walked without being held.
class Bytestrom {
public:
    explicit Bytestrom(QIODevice& geraet) : geraet_(geraet) {}
    bool Lies(quint8& byte)
    {
        if (pos_ == block_.size() && !Nachladen())
            return false;
        byte = quint8(block_[pos_++]);
        return true;
    }
    // Reads past the next 0xFF; the coded data of a photo between its marks is passed over a
    // block at a time instead of byte by byte.
    bool HinterDasNaechsteFF()
    {
        while (pos_ < block_.size() || Nachladen()) {
            const char* anfang = block_.constData() + pos_;
            if (const void* ff = std::memchr(anfang, 0xFF, std::size_t(block_.size() - pos_))) {
                pos_ += static_cast<const char*>(ff) - anfang + 1;
                return true;
            }
            pos_ = block_.size();
        }
        return false;
    }
    bool Ueberspringen(qint64 anzahl)
    {
        const qint64 imBlock = std::min<qint64>(anzahl, block_.size() - pos_);
        pos_ += imBlock;
        anzahl -= imBlock;
        if (anzahl == 0)
            return true;
        const qint64 ziel = geraet_.pos() + anzahl;
        return ziel <= geraet_.size() && geraet_.seek(ziel);
    }

private:
    bool Nachladen()
    {
        block_ = geraet_.read(1 << 16);
        pos_ = 0;
        return !block_.isEmpty();
    }

    QIODevice& geraet_;
    QByteArray block_;
    qsizetype pos_ = 0;
};

} // namespace

// libjpeg fills what is missing with grey and only warns. Segments are skipped by their length
// (so a thumbnail in the EXIF data does not count), scans up to the next marker (0xFF 0x00 is a
// stuffed byte, 0xFF 0xD0-D7 a restart mark inside the data, a run of 0xFF fill); bytes between
// segments are skipped, as libjpeg does.
bool JpegGekuerzt(QIODevice& datei)
{
    Bytestrom s(datei);
    quint8 byte = 0, zweites = 0;
    if (!s.Lies(byte) || !s.Lies(zweites) || byte != 0xFF || zweites != 0xD8)
        return false;
    bool inDaten = false;  // inside a scan's entropy-coded data
    while (true) {
        if (!s.HinterDasNaechsteFF())
            return true;
        do {
            if (!s.Lies(byte))
                return true;
        } while (byte == 0xFF);
        const quint8 marke = byte;
        if (inDaten && (marke == 0x00 || (marke >= 0xD0 && marke <= 0xD7)))
            continue;
        inDaten = false;
        if (marke == 0xD9)
            return false;
        if (OhneLaenge(marke))
            continue;
        quint8 hoch = 0, tief = 0;
        if (!s.Lies(hoch) || !s.Lies(tief))
            return true;
        const int laenge = hoch << 8 | tief;
        if (laenge < 2)
            return false;  // nonsense: the reader refuses it
        if (!s.Ueberspringen(laenge - 2))
            return true;
        inDaten = marke == 0xDA;
    }
}

bool JpegGekuerzt(QByteArrayView d)
{
    QByteArray bytes = QByteArray::fromRawData(d.data(), d.size());
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    return JpegGekuerzt(puffer);
}

// Qt paints the background first and leaves whatever the data did not reach: the first
// picture's data has to end inside the file. What follows it (further frames) does not count.
bool GifGekuerzt(QByteArrayView d)
{
    if (!d.startsWith("GIF87a") && !d.startsWith("GIF89a"))
        return false;
    constexpr qsizetype Kopf = 13;
    if (d.size() < Kopf)
        return true;
    qsizetype pos = Kopf + GifFarbtabelle(Byte(d, 10));
    while (pos < d.size()) {
        switch (Byte(d, pos)) {
        case 0x21:  // an extension: its label, then sub-blocks
            pos = NachDenUnterbloecken(d, pos + 2);
            if (pos < 0)
                return true;
            break;
        case 0x2C: {  // a picture: descriptor, colour table, code size, data
            if (pos + 10 > d.size())
                return true;
            pos += 10 + GifFarbtabelle(Byte(d, pos + 9)) + 1;
            return NachDenUnterbloecken(d, pos) < 0;
        }
        default:  // the trailer, or a block the reader refuses anyway
            return false;
        }
    }
    return true;
}

bool Gekuerzt(Bildart art, QByteArrayView datei)
{
    switch (art) {
    case Bildart::Bmp: return BmpGekuerzt(datei);
    case Bildart::Jpeg: return JpegGekuerzt(datei);
    case Bildart::Gif: return GifGekuerzt(datei);
    default: return false;
    }
}

} // namespace daten
