#pragma once
// The texts of the program in the player's language, which the preferences own. Windows listen
// to `spracheGeaendert` and put their captions in place; Qt's own dialogs and buttons follow too.

#include <QObject>
#include <QString>
#include <QTranslator>

#include <memory>

#include "daten/textkatalog.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"

namespace daten {

// The message texts by their catalogue numbers.
namespace text {
// The main window's menus: their titles and entries.
namespace menue {
inline constexpr int Spiel = 0, NeuesSpiel = 1, Bestenliste = 2, WieZuvor = 3, Rueckgaengig = 4, Wiederholen = 5,
    Beenden = 19, Optionen = 20, Pause = 21, Tipp = 22, Loesen = 23, Animation = 24, Ton = 25, Musik = 26, Groesse = 27,
    Sprache = 30, Deutsch = 31, Englisch = 32,  // each in its own language, in every one
    Fragezeichen = 50, Hilfe = 51, Info = 52;
} // namespace menue
inline constexpr int InfoUeber = 100, VersionNummer = 101;  // the about box: "Info über " + the name
// The list of the best and the settings dialog.
namespace bestenliste {
inline constexpr int Titel = 200, Kopfzeile = 201, Loeschen = 202, OK = 203, Teile = 204;
} // namespace bestenliste
namespace einstellungen {
inline constexpr int Titel = 300, Variante = 301, TeileAnzahl = 310, Teile = 311, Motiv = 320, SchwarzWeiss = 321,
    OhneVorschau = 322, FeldZufaellig = 323, OK = 330, Beenden = 331;
} // namespace einstellungen
inline constexpr int KeinEintrag = 503, MaxZuege = 504, MaxZeit = 505, MitHilfe = 506, Zurueck = 332;
inline constexpr int SystemAnforderung = 800, SpeicherFehler = 801, CDRom = 802, DateiFehlt = 803,
                     GrafikFormat = 804, PfadFehlt = 805, KeineBilder = 806,
                     KopierFehler = 807,  // followed by the folder
                     SkalierungZuGross = 808,  // %1 scaling, %2 x %3 logical size, %4 largest scaling
                     BildZuGross = 810, BildBeschaedigt = 811, KeinBild = 812, SpielDefekt = 813,
                     SpielBildFehlt = 814;
// The saved game and the question before one is given up.
inline constexpr int SpielBeiseite = 600,   // %1 the name the damaged file was given
                     ZweiteKopie = 601,
                     NichtAufbewahrt = 602,  // %1 the folder that cannot be written
                     SpielIstOrdner = 603,   // %1 the path of spiel.dat
                     SpielAufgeben = 604, NichtMehrFragen = 605, SpielAufgebenTitel = 606,
                     NeuesSpielKnopf = 607, WeiterspielenKnopf = 608;
inline constexpr int Erscheinungsbild = 28, ErscheinungSystem = 700, ErscheinungHell = 701, ErscheinungDunkel = 702;
inline constexpr int Mittelquadrat = 324, BildSuchen = 325, BildWaehlen = 326, Bilder = 327;
// The desktop's conventions: the list of shortcuts, the about box's licence, the command line.
inline constexpr int MenueTastenkuerzel = 53, Tastenkuerzel = 720, SpalteMenue = 721, SpalteBefehl = 722,
                     SpalteTaste = 723, TasteSchieben = 724, TasteRahmen = 725, TasteReihe = 726, TasteRing = 727,
                     TasteDrehen = 728, TasteGegenDrehen = 729, TasteNummern = 730, Pfeiltasten = 731,
                     UmschaltPfeiltasten = 732, LeerOderEingabe = 733, UmschaltLeerOderRueck = 734,
                     Schliessen = 735;
inline constexpr int Lizenz = 740, Mitwirkende = 741;
inline constexpr int Aufruf = 750, KurzerAufruf = 751, UnbekannteOption = 752, UnerwartetesArgument = 753,
                     Version = 754;
// What screen readers are told: the board's axes and counters, the time spoken, the list of the best.
inline constexpr int Spielfeld = 900, Teil = 901, LeeresFeld = 902, AmPlatz = 903, NichtAmPlatz = 904;
inline constexpr int AchseName = 913, ZuegeZaehler = 914, ZeitZaehler = 915;
// 916 and 918 take the count; the spoken time joins its minutes and its seconds with 950.
inline constexpr int Sekunden = 916, EineSekunde = 917, Minuten = 918, EineMinute = 919, MinutenSekunden = 920,
                     MinutenEineSekunde = 921, EineMinuteSekunden = 922, EineMinuteEineSekunde = 923,
                     ZeitVerbindung = 950;
inline constexpr int SpaltePlatz = 924, SpalteName = 925, NameFuerPlatz = 926, Zuege = 905, Zeit = 906;
inline constexpr int Variante1 = 910;  // variants 2 and 3 follow

// Solve's speed in the Options menu.
namespace loesetempo {
inline constexpr int Menue = 29, ZuegeProSekunde = 400 /* %1 moves, takes the count */, EinZugProSekunde = 401 /* %1 = 1 */;
} // namespace loesetempo

// The statistics window and the journal's messages.
namespace statistik {
inline constexpr int Menue = 6, Titel = 650, Gruppe = 651, Gruppenname = 652 /* %1 variant, %2 side */, Leer = 653,
    Gespielt = 654, Geloest = 655, MitHilfe = 656, Abgebrochen = 657, Grenze = 658, Bestwert = 659, Mittelwert = 660,
    Median = 661, Schnitt5 = 662, Schnitt12 = 663, ZuegeProSekunde = 664, Fussnote = 665,
    LetzteSpiele = 666 /* %1 games */, KurzGeloest = 667, KurzMitHilfe = 668, KurzNichtGeloest = 669,
    Verlaufsbild = 670, Nummer = 671, Ende = 672, Ausgang = 673, Hilfe = 674, Bild = 675, Zuggrenze = 676,
    Zeitgrenze = 677, Ja = 678, EingebautesBild = 679, Spieleliste = 680, CsvSpeichern = 681, Loeschen = 682,
    Schliessen = 683, CsvTitel = 684, CsvFilter = 685, CsvVorschlag = 686, CsvFehler = 687 /* %1 file */,
    LoeschenFrage = 688, LoeschenJa = 689, Abbrechen = 690, LoeschenFehler = 691,
    JournalBeiseite = 692 /* %1 the damaged file's new name */, JournalNichtSchreibbar = 693 /* %1 the file */,
    Kennzahlen = 694;
} // namespace statistik

// The same board again, game codes and today's puzzle.
namespace codes {
inline constexpr int NochEinmal = 8, CodeKopieren = 9, CodeEingeben = 10, Tagesraetsel = 11;
inline constexpr int DialogTitel = 450, DialogText = 451, Spielen = 452, Abbrechen = 453, Fremd = 454,
    Zukunft = 455, Laenge = 456, Pruefung = 457, Variante = 458, Groesse = 459, KeinBrett = 460,
    Unloesbar = 461, Form = 462, BildFehlt = 463 /* %1 the picture's name */,
    Tage = 464 /* %1 days played, %2 days in a row */;
} // namespace codes

// Watching a recorded game again: the menu entry, the bar under the board, the statistics' button.
namespace wiedergabe {
inline constexpr int Menue = 7, Leiste = 410, Abspielen = 411, Anhalten = 412, Zurueck = 413, Vor = 414,
    Zugwahl = 415, Tempo = 416, Ende = 417, ZugVon = 418 /* %1 move, %2 of all */, Ansehen = 419, Unlesbar = 420,
    KeinSpiel = 421, TempoEinheit = 422;
} // namespace wiedergabe
} // namespace text

class Texte : public QObject {
    Q_OBJECT
public:
    // In the player's language from the start, so that even a message before the first window
    // speaks it; follows every change of it.
    Texte(const Umgebung& umgebung, const Vorlieben& vorlieben, QObject* eltern = nullptr);

    ~Texte() override;

    Sprache sprache() const { return katalog_->sprache(); }
    // The places that know only the classic two languages (the counters' lettering, the help
    // window's frame) speak English for every language but German.
    bool englisch() const { return sprache() != Sprache::Deutsch; }
    // Text `id` of the catalogue in the current language; empty when there is none.
    QString operator()(int id) const { return katalog_->text(id); }
    // A text that shows a count, in the form for `anzahl`.
    QString operator()(int id, int anzahl) const { return katalog_->text(id, anzahl); }
    QString hilfeDatei() const { return umgebung_.hilfeDatei(sprache()); }

signals:
    void spracheGeaendert();

private:
    void SpracheLaden();

    const Umgebung& umgebung_;
    const Vorlieben& vorlieben_;
    std::unique_ptr<Katalog> katalog_;
    QTranslator qtTexte_;  // Qt's own, installed in the application while there is one
};

} // namespace daten
