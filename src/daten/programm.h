#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QRect;

// Program-wide flags, set once by InitProgramm.
extern QString ProgPfad;  // working directory at start-up: the base of every file path
extern int VonCD;         // 1: started from a CD-ROM, so no file is written
extern int WaveVorhanden; // 1: at least one audio output exists

// The width is not tested: the board needs the height, not the width.
bool BildschirmGenuegt(int hoehe, int farbtiefe);

// True when the folder lies on an ISO 9660 or UDF file system; false when unknown.
bool IstCdRom(const QString& pfad);

// The error box for a screen that fails the test, with its top-left corner at the
// screen's centre (not centred on it).
std::unique_ptr<QMessageBox> BaueAnforderungsmeldung(const QString& text, const QRect& bildschirm);

// The screen test, before any window exists: a screen below 600 pixels or 16 bits gets
// text 800 in the stored language (also on standard error) and false; the program then ends
// without showing or painting anything else.
bool SystemanforderungErfuellt();

// ProgPfad, VonCD and WaveVorhanden, then the texts in the stored language.
void InitProgramm();
