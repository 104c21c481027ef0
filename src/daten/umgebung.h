#pragma once
// Where the program runs, decided once at start-up and handed to everything that builds a path
// or writes a file.

#include <QString>

namespace daten {

enum class Sprache { Deutsch, Englisch };

struct Umgebung {
    QString progPfad = QStringLiteral(".");  // working directory at start-up: the base of every path
    bool vonCD = false;                       // started from a CD-ROM: no file is written

    QString optionsDatei() const { return progPfad + QLatin1String("/options.ini"); }
    QString bilderordner() const { return progPfad + QLatin1String("/images"); }
    QString listenDatei() const { return progPfad + QLatin1String("/morvik.dat"); }
    QString hilfeDatei(Sprache sprache) const;

    // The working directory and its file system.
    static Umgebung Ermitteln();
};

// The working directory; "." when it has been removed (it has no name then, "." still reaches it).
QString Arbeitsordner();

// The board needs the height, not the width: the width is not tested.
bool BildschirmGenuegt(int hoehe, int farbtiefe);

// True when the folder lies on an ISO 9660 or UDF file system; false when unknown.
bool IstCdRom(const QString& pfad);

} // namespace daten
