#pragma once

#include <QImage>
#include <QString>

// Why a picture could not be loaded: the settings dialog names the two cases differently.
enum class Ladefehler { Keiner, NichtGefunden, KeinBild };

// Loads a picture file. A missing or unreadable file is NichtGefunden; an empty, foreign,
// damaged or truncated file is KeinBild (the image reader would show a truncated BMP
// with garbage rows, so its size is checked against what its header promises).
Ladefehler LadeBild(const QString& pfad, QImage& bild);

// True when the data starts like a BMP but is shorter than its header says it must be.
bool BmpGekuerzt(const QByteArray& kopf, qint64 dateigroesse);
