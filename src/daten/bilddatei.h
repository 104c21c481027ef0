#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>

namespace daten {

// Why a picture could not be loaded: the settings dialog names the two cases differently.
enum class Ladefehler { Keiner, NichtGefunden, KeinBild };

// Loads a picture file as true colour (RGB32, or ARGB32 with alpha). A missing or unreadable
// file is NichtGefunden; an empty, foreign, damaged, truncated or absurdly large file is
// KeinBild (the image reader would show a truncated BMP with garbage rows, so its size is
// checked against what its header promises). Pixels the file itself leaves unset get the
// colour of palette entry 0 (black without a palette), the same on every load.
Ladefehler LadeBild(const QString& pfad, QImage& bild);

// The names of the picture files in a folder (.bmp in any case), sorted by name without regard
// to case; empty when the folder is missing.
QStringList Bilddateien(const QString& ordner);

// True when the data starts like a BMP but is shorter than its pixels need: uncompressed rows
// that do not fit, a run-length stream without its end mark, or sizes beyond all reason.
bool BmpGekuerzt(QByteArrayView datei);

} // namespace daten
