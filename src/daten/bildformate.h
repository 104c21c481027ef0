#pragma once
// What a picture file's bytes say before any decoder sees them: which of the game's formats it
// is, and whether it ends before its picture does. Qt's readers show a cut-off BMP with garbage
// rows, a cut-off JPEG with grey ones and a cut-off GIF with background, all without an error.

#include <QByteArrayView>
#include <QIODevice>

namespace daten {

enum class Bildart { Unbekannt, Bmp, Png, Jpeg, Gif, Webp };

// By the first bytes (the file's signature), not by its name.
Bildart ErkenneBildart(QByteArrayView datei);

// True when the data starts like a picture of a kind the game does not read (TIFF, icons, HEIF
// and AVIF, JPEG XL and 2000, Photoshop, the netpbm family, QOI, OpenEXR, Radiance, SVG): the
// player is told the format is wrong rather than that the file holds no picture.
bool FremdesBildformat(QByteArrayView datei);

// The name Qt's image reader knows the format by; nullptr for Unbekannt.
const char* Formatname(Bildart art);

// True when the data starts like a BMP but is shorter than its pixels need: uncompressed rows
// that do not fit, a run-length stream without its end mark, or sizes beyond all reason.
bool BmpGekuerzt(QByteArrayView datei);

// True when a JPEG stream ends before its end-of-image mark. The device is read from where it
// stands in blocks, so that a photo's check holds only one block.
bool JpegGekuerzt(QByteArrayView datei);
bool JpegGekuerzt(QIODevice& datei);

// True when a GIF ends before the data of its first picture does.
bool GifGekuerzt(QByteArrayView datei);

// Whichever of the checks above fits the format; PNG and WebP readers report cut-off data
// themselves.
bool Gekuerzt(Bildart art, QByteArrayView datei);

} // namespace daten
