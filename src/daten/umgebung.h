#pragma once
// Where the program runs, decided once at start-up and handed to everything that builds a path
// or writes a file.

#include <QString>

namespace daten {

enum class Sprache { Deutsch, Englisch };

// The game runs in one of two ways, decided once at start-up:
// - portable: the working folder holds images/ (a build's spiel/ folder, a copied folder, a CD);
//   everything is read from and written to that folder.
// - installed: otherwise, when the folder share/tavelor/images lies beside the program's bin/;
//   pictures, sounds and help are read from share/tavelor, and the options, the list of the
//   best and the player's own pictures live in $XDG_DATA_HOME/tavelor, made on the first write.
// A program that is neither runs portable in its working folder, which then lacks its pictures.
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
    QString hilfeDatei(Sprache sprache) const;
    // Makes the player's folder when installed; a folder that cannot be made shows when the
    // write into it fails.
    void SchreibordnerAnlegen() const;

    // From the working folder, the program's own folder and $XDG_DATA_HOME.
    static Umgebung Ermitteln();
    // The rule itself; datenHeimat is $XDG_DATA_HOME, or empty for ~/.local/share.
    static Umgebung Ermitteln(const QString& arbeitsordner, const QString& programmordner, const QString& datenHeimat);
};

// The working directory; "." when it has been removed (it has no name then, "." still reaches it).
QString Arbeitsordner();

// The board needs the height, not the width: the width is not tested.
bool BildschirmGenuegt(int hoehe, int farbtiefe);

// True when the folder lies on an ISO 9660 or UDF file system; false when unknown.
bool IstCdRom(const QString& pfad);

} // namespace daten
