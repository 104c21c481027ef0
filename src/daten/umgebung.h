#pragma once
// Where the program runs, decided once at start-up and handed to everything that builds a path
// or writes a file.

#include <QString>

#include "daten/sprache.h"

namespace daten {

// The game runs in one of two ways, decided once at start-up by where the program lies:
// - installed: the program lies in <prefix>/bin or <prefix>/games with <prefix>/share/tavelor/images
//   beside, wherever it is started from; pictures, sounds and help are read from share/tavelor,
//   and the options, the list of the best and the player's own pictures live in
//   $XDG_DATA_HOME/tavelor, made on the first write.
// - portable: any other program, or one asked to (--portable, or a file tavelor.portable beside
//   it), reads and writes its working folder, which holds images/ (a build's spiel/ folder, a
//   copied folder, a CD); without images/ the settings dialog reports the missing pictures.
struct Umgebung {
    QString progPfad = QStringLiteral(".");  // where the game's own files are read
    bool vonCD = false;                       // started from a CD-ROM: no file is written
    QString nutzerPfad;                       // installed: the player's folder; empty when portable

    bool installiert() const { return !nutzerPfad.isEmpty(); }
    // Where options, the list and own pictures are written.
    QString schreibPfad() const { return installiert() ? nutzerPfad : progPfad; }
    QString optionsDatei() const { return schreibPfad() + QLatin1String("/options.ini"); }
    QString listenDatei() const { return schreibPfad() + QLatin1String("/morvik.dat"); }
    QString bilderordner() const { return progPfad + QLatin1String("/images"); }
    // Where pictures the player adds go: images/ of the player's folder, or of the portable folder.
    QString eigeneBilder() const { return schreibPfad() + QLatin1String("/images"); }
    // Installed, with the player's pictures apart from the shipped ones: not so after an install
    // into ~/.local, where both are ~/.local/share/tavelor/images and are listed once.
    bool eigeneBilderGetrennt() const;
    // The help in that language; in English for a language without its own.
    QString hilfeDatei(Sprache sprache) const;
    // Makes the player's folder when installed; a folder that cannot be made shows when the
    // write into it fails.
    void SchreibordnerAnlegen() const;

    // From the working folder, the program's own folder, $XDG_DATA_HOME and --portable.
    static Umgebung Ermitteln();
    // The rule itself; datenHeimat is $XDG_DATA_HOME, or empty for ~/.local/share.
    static Umgebung Ermitteln(const QString& arbeitsordner, const QString& programmordner,
                              const QString& datenHeimat, bool portabelVerlangt = false);
};

// The working directory; "." when it has been removed (it has no name then, "." still reaches it).
QString Arbeitsordner();

// The board needs the height, not the width: the width is not tested.
bool BildschirmGenuegt(int hoehe, int farbtiefe);

// True when the folder lies on an ISO 9660 or UDF file system; false when unknown.
bool IstCdRom(const QString& pfad);

} // namespace daten
