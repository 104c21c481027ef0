#pragma once

#include "daten/bildformate.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace daten {

// Why a picture could not be loaded: the settings dialog names the two cases differently.
enum class Ladefehler { Keiner, NichtGefunden, KeinBild };

// Loads a BMP, PNG, JPEG, GIF (its first picture) or WebP file as true colour (RGB32, or ARGB32
// with alpha), by its content, whatever its name; a JPEG is turned as its orientation tag says.
// A missing or unreadable file is NichtGefunden; an empty, foreign, damaged, truncated or
// absurdly large file is KeinBild: the reader's error counts, and since readers show some cut-off
// files without one, the file's length is checked against what its structure promises. Pixels
// a BMP itself leaves unset get the colour of palette entry 0 (black without a palette), the
// same on every load. A picture whose true-colour form exceeds the image reader's allocation
// limit is refused before it is decoded.
Ladefehler LadeBild(const QString& pfad, QImage& bild);

// Whether a file name has the suffix of a picture the game can read here (.bmp, .png, .jpg,
// .jpeg, .gif, .webp in any case; all but BMP only where Qt has their reader).
bool IstBildname(const QString& name);

// The names of the picture files in a folder (IstBildname), sorted by name without regard to
// case; empty when the folder is missing.
QStringList Bilddateien(const QString& ordner);

} // namespace daten
