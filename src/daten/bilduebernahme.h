#pragma once
// Pictures the player brings: files dropped on a window are copied among the own pictures.

#include "daten/bilddatei.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace daten {

enum class Uebernahmefehler {
    Keiner,
    NichtGefunden,  // the dropped file cannot be read
    KeinBild,       // it can, but holds no picture the game can show
    Schreibfehler,  // the folder cannot be made or written (write-protected, disk full)
};

struct Uebernahme {
    Uebernahmefehler fehler = Uebernahmefehler::Keiner;
    QString pfad;  // where the picture now lies; empty unless fehler is Keiner
    Ladefehler ladefehler = Ladefehler::Keiner;  // why it is KeinBild
};

// Copies a picture file into `ordner`, made when missing, under its own name, or with " (2)",
// " (3)" … before the suffix when a different file has that name. A file already in the folder,
// or one whose twin lies there under its name, is taken as it is. The copy is written under a
// hidden temporary name, checked with LadeBild (at a small size: a photo's check is quick) and
// renamed only when whole and a picture: a failure leaves nothing behind.
Uebernahme BildUebernehmen(const QString& quelle, const QString& ordner);

// The local picture files (IstBildname) among dropped URLs; empty unless every one is such a file.
QStringList AbgelegteBilder(const QList<QUrl>& urls);

} // namespace daten
