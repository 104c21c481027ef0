#pragma once
// Picture files made by code for tests and fuzz seeds: what Qt writes (PNG, JPEG, WebP), and
// what it cannot write: GIF, and a JPEG with an EXIF orientation tag.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QtEndian>

namespace bildbau {

// The picture in a format Qt writes; empty when it cannot.
inline QByteArray Gespeichert(const QImage& bild, const char* format)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, format);
    return schreiber.write(bild) ? daten : QByteArray();
}

// Colour indices as GIF's LZW codes without compressing: a clear code comes before the table
// could grow to a wider code, so every code has the width the minimum code size gives.
inline QByteArray GifDaten(const QByteArray& indizes, int mindestBits)
{
    const int loeschen = 1 << mindestBits, ende = loeschen + 1, breite = mindestBits + 1;
    const int jeBlock = (1 << mindestBits) - 2;
    QByteArray codes;
    quint32 sammler = 0;
    int bits = 0;
    const auto schreibe = [&](int code) {
        sammler |= quint32(code) << bits;
        for (bits += breite; bits >= 8; bits -= 8, sammler >>= 8)
            codes.append(char(sammler & 0xFF));
    };
    for (qsizetype i = 0; i < indizes.size(); ++i) {
        if (i % jeBlock == 0)
            schreibe(loeschen);
        schreibe(quint8(indizes[i]));
    }
    schreibe(ende);
    if (bits > 0)
        codes.append(char(sammler & 0xFF));
    QByteArray daten(1, char(mindestBits));
    for (qsizetype i = 0; i < codes.size(); i += 255) {  // sub-blocks of at most 255 bytes
        const QByteArray stueck = codes.mid(i, 255);
        daten.append(char(stueck.size())).append(stueck);
    }
    return daten.append('\0');
}

inline void Le16(QByteArray& b, int wert) { b.append(char(wert & 0xFF)).append(char((wert >> 8) & 0xFF)); }

// A GIF89a of the given frames, each a full-size picture of indices into the four colours
// red, blue, green, white.
inline QByteArray Gif(int breite, int hoehe, const QList<QByteArray>& bilder)
{
    QByteArray gif("GIF89a");
    Le16(gif, breite);
    Le16(gif, hoehe);
    gif.append(char(0x81)).append('\0').append('\0');  // a global table of 4 colours
    gif += QByteArray::fromHex("ff0000" "0000ff" "00ff00" "ffffff");
    for (const QByteArray& bild : bilder) {
        gif += QByteArray::fromHex("21f904" "000a00" "0000");  // graphic control: 0.1 s
        gif.append(',');
        Le16(gif, 0);
        Le16(gif, 0);
        Le16(gif, breite);
        Le16(gif, hoehe);
        gif.append('\0');
        gif += GifDaten(bild, 2);
    }
    return gif.append(';');
}

// The JPEG with an APP1 segment right after its start that holds only the EXIF orientation
// (1 upright … 6 turned a quarter clockwise for showing … 8).
inline QByteArray MitOrientierung(const QByteArray& jpeg, int orientierung)
{
    QByteArray tiff("II*\0", 4);
    const auto le32 = [&tiff](quint32 wert) {
        char b[4];
        qToLittleEndian(wert, b);
        tiff.append(b, 4);
    };
    le32(8);  // the first directory follows the header
    Le16(tiff, 1);       // one entry:
    Le16(tiff, 0x0112);  // orientation,
    Le16(tiff, 3);       // a SHORT,
    le32(1);             // one of it,
    Le16(tiff, orientierung);
    Le16(tiff, 0);
    le32(0);  // no further directory
    const QByteArray nutzlast = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment = QByteArray::fromHex("ffe1");
    segment.append(char((nutzlast.size() + 2) >> 8)).append(char((nutzlast.size() + 2) & 0xFF));
    return jpeg.left(2) + segment + nutzlast + jpeg.mid(2);
}

} // namespace bildbau
