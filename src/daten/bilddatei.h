#pragma once

#include "daten/bildformate.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <ostream>

namespace daten {

// Why a picture could not be loaded; each gets its own message.
enum class Ladefehler {
    Keiner,
    NichtGefunden,  // missing or unreadable
    KeinBild,       // empty, or no picture of any kind
    FremdesFormat,  // a picture, but of a kind the game does not read
    Beschaedigt,    // of a kind the game reads, but cut short or broken
    ZuGross,        // more than the decoder may take
};

// The name of the failure, for messages in tests and logs.
const char* Name(Ladefehler fehler);
inline void PrintTo(Ladefehler fehler, std::ostream* aus) { *aus << Name(fehler); }

// The memory a decode may take, in MB, set as the image reader's allocation limit when the
// program starts: room for pictures of 268 megapixels that no decoder reads at a reduced size
// (PNG, BMP, GIF, WebP). Hostile headers asking for more are still refused.
inline constexpr int Decodiergrenze = 1024;

// Loads a BMP, PNG, JPEG, GIF (its first picture) or WebP file as true colour (RGB32, or ARGB32
// with alpha), by its content, whatever its name; a JPEG is turned as its orientation tag says
// and a picture with a colour profile converted to sRGB. With `kante` above 0 a picture whose
// shorter side is longer comes at the size that makes that side `kante` pixels, decoded at that
// size where the reader can (JPEG in the decoder, PNG row by row), else read whole and scaled,
// so at most one full-size copy is held; 0 gives the full size. Once `abbruch` is set the file
// reads as ending there and the picture is given up as Beschaedigt.
// The reader's error counts, and since readers show some cut-off files without one, the file's
// length is checked against what its structure promises. Pixels a BMP itself leaves unset get
// the colour of palette entry 0 (black without a palette), the same on every load. A picture
// whose decode would exceed the image reader's allocation limit (four bytes a pixel; a JPEG
// read at an eighth of its sides needs a 64th) is ZuGross before it is decoded.
Ladefehler LadeBild(const QString& pfad, QImage& bild, int kante = 0, const std::atomic_bool* abbruch = nullptr);

// The size a picture of `groesse` is read at for a shorter side of `kante` (0: the full size).
QSize Lesegroesse(QSize groesse, int kante);

// Whether a file name has the suffix of a picture the game can read here (.bmp, .png, .jpg,
// .jpeg, .gif, .webp in any case; all but BMP only where Qt has their reader).
bool IstBildname(const QString& name);

// The names of the picture files in a folder (IstBildname), sorted by name without regard to
// case; empty when the folder is missing.
QStringList Bilddateien(const QString& ordner);

} // namespace daten
