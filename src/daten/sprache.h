#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <functional>

class QObject;

// The current language as the offset added to every text id: 0 German, 1000 English.
extern int AktSprache;

// Help file suffix, indexed by AktSprache / 1000.
inline constexpr std::array<QLatin1StringView, 2> HilfeSuffix{QLatin1StringView("de"),
                                                              QLatin1StringView("en")};

// The help file of the current language: a bare name until the first load, then a full path.
extern QString HilfeDatei;

// Message texts kept for the windows that show them; empty until the first load.
extern QString TxtSystemAnforderung; // 800
extern QString TxtSpeicherFehler;    // 801
extern QString TxtCDRom;             // 802
extern QString TxtDateiFehlt;        // 803, a file name follows
extern QString TxtGrafikFormat;      // 804
extern QString TxtPfadFehlt;         // 805
extern QString TxtKeineBilder;       // 806
extern QString TxtKeinEintrag;       // 503
extern QString TxtMaxZuege;          // 504
extern QString TxtMaxZeit;           // 505
extern QString TxtZurueck;           // 332

// ProgPfad + "/options.ini"
QString OptionsDatei();

// The language stored in the options file; anything but 0 or 1000 counts as German.
int GespeicherteSprache();

// Reads the stored language, then loads every text.
void LadeSprache();

// Stores the language (not when started from a CD-ROM), makes it current and loads every
// text. Throws Schreibfehler when the options file cannot be written; the language and
// all texts then stay as they were.
void SetzeSprache(int wert);

// A window hands in the routine that puts its captions in place; every load calls it
// after the stored texts are set. It is dropped when the owner is destroyed; without an
// owner it stays for the whole run.
void TextempfaengerAnmelden(QObject* besitzer, std::function<void()> empfaenger);
