#pragma once
// The main window: a view of the game. It maps the mouse and the keys to the session's input
// through the board geometry, draws what the session reports, runs the menu, and shows what the
// game's leader decides at the start and the end of a game.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

#include "daten/texte.h"
#include "daten/vorlieben.h"
#include "main/brettbild.h"
#include "main/infobox.h"
#include "main/nachfrage.h"
#include "sitzung/spielleitung.h"
#include "sitzung/spielsitzung.h"
#include "sitzung/wiedergabe.h"

class QAction;
class QActionGroup;
class QMenu;

namespace beste {
class TfrmBestenListe;
struct Ergebnis;
}
namespace optionen {
class TfrmEinstellungen;
}

namespace haupt {

class Hilfefenster;
class Spielfeldanzeige;
class Wiedergabeleiste;
class Tastenfenster;

// A game's result as the list of best results takes it.
beste::Ergebnis Listenergebnis(const sitzung::Spielergebnis& ergebnis);

// A recorded game as the journal gives it, and whether its board and moves could be read.
struct Aufzeichnung {
    sitzung::Spielergebnis ergebnis;
    bool lesbar = true;
};

// What the main window needs of the world outside; tests put recorders in. An empty message,
// question or error report stands for the real one; the sound comes from main.cpp, and without
// it the window stays silent.
struct Hauptfensterdienste {
    std::function<void(QMessageBox::Icon, const QString&, QPoint)> Meldung;  // message box at a screen point
    std::function<void(const QString&)> Ton;            // plays a sound file by its bare name
    std::function<void(const QString&)> Fehlerbericht;  // the general error report
    std::function<bool()> AudioVorhanden;               // whether the machine has an audio output
    std::function<Aufgabeantwort()> Aufgabefrage;       // asks before a game is given up
    // Asks for a game code, offering the clipboard's text; none when cancelled.
    std::function<std::optional<QString>(const QString& vorschlag)> Codefrage = {};
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(const daten::Texte& texte, daten::Vorlieben& vorlieben, sitzung::Spielleitung& leitung,
             Hauptfensterdienste dienste = {});
    ~TfrmMain() override;

    // The two dialogs are created after the main window; they are handed in once they exist.
    void DialogeSetzen(optionen::TfrmEinstellungen* einstellungen, beste::TfrmBestenListe* bestenliste);
    // Where the pictures of the games are decoded; it learns the board's size from here.
    void BilddienstSetzen(daten::Bilddienst& bilder) { bild_.BilddienstSetzen(&bilder); }
    // What Game → Statistics opens; without it the entry does nothing.
    void StatistikSetzen(std::function<void()> zeigen) { statistik_ = std::move(zeigen); }

    // Where Game → Watch last game finds the last recorded game when none has ended in this run,
    // and whether there is one (asked as the Game menu opens).
    void AufzeichnungenSetzen(std::function<std::optional<Aufzeichnung>()> letzte, std::function<bool()> vorhanden);
    // Shows a recorded game on the board, from its start, until any other command returns to the
    // game as it was; one that cannot be shown gets a message.
    void Ansehen(const Aufzeichnung& aufzeichnung);
    bool siehtAn() const { return siehtAn_; }

    // Whether a new board may replace the game in progress: at once when it has no move or has
    // ended, else as the player answers (unless told never to ask). Every command that starts
    // a board without the settings dialog asks here first.
    bool SpielAufgeben();

    // What the window shows, for those who check its pixels.
    const Brettbild& bild() const { return bild_; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    // Picture files dropped on the window go to the settings dialog, as "New game" opens it.
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void BaueMenue();
    void TexteSetzen();

    void FormActivate();
    void Begonnen(bool fortgesetzt, const QList<sitzung::Hinweis>& hinweise);
    void mnuNeuesSpielClick(bool beimStart);
    void BilderAbgelegt(const QStringList& dateien);
    void mnuNeuesSpielWieZuvorClick();
    // The same board again, game codes and today's puzzle.
    void BrettMenueAnlegen(const std::function<QAction*(const char*, std::function<void()>)>& eintrag);
    void mnuNochEinmalClick();
    void mnuCodeKopierenClick();
    void mnuCodeEingebenClick();
    void mnuTagesraetselClick();
    void Melden(const QString& text);
    void SpielfeldTaste(int taste, Qt::KeyboardModifiers umschalter);
    void mnuAnimationClick();
    void VorliebeUebernehmen(daten::Vorlieben::Schluessel schluessel);
    void TippZeigen(engine::Zug zug);
    void mnuLoesenClick();
    void LoesetempoMenueAnlegen(QMenu* optionen);
    void AbspielenStoppen();
    void ptbSpielfeldMouseDown(Qt::MouseButton taste, QPoint punkt);
    void ptbSpielfeldPaint();
    void VerhaeltnisUebernehmen();
    // The size menu and a dragged frame: the zoom in percent, stored and applied.
    void mnuGroesseClick(int prozent);
    void GezogeneGroesseUebernehmen();
    void ZoomAnwenden(int prozent);
    int GroessterZoom() const;
    void mnuSprachAuswahlClick(daten::Sprache sprache);
    void SprachhakenSetzen();
    void mnuBestenlisteClick();
    void mnuHilfeClick();
    void mnuTastenkuerzelClick();
    void mnuInfoClick();
    void mnuLetztesSpielClick();

    // The replay (frmmain_wiedergabe.cpp): true when one was running and has ended.
    bool WiedergabeBeenden();
    void WiedergabeZeigen(int zug, std::optional<engine::Zug> bewegung);
    void WiedergabeBildVorbereiten(const sitzung::Spielergebnis& e);
    void SpielWiederZeigen();
    // The board shown: the replay's while one runs, else the game's.
    const engine::Spielstand& gezeigt() const { return siehtAn() ? wiedergabe_.brett() : sitzung_.spiel(); }

    // What the session reports.
    void InitSpielfeld();
    void Gezogen(const engine::Zug& zug, const std::vector<int>& felder);
    void Ueberlagern(QPainter& p);
    QRegion Ueberlagert() const;
    void Zeit(int sekunden);
    void PhaseUebernehmen(engine::Phase phase);
    void Abgeschlossen(const sitzung::Abschluss& abschluss);

    void AktionenAktualisieren();
    void ClientBreiteSetzen(bool vorschau);
    void Neuzeichnen(const QRegion& klassisch);
    void Spiele(const QString& datei);
    // A point at a classic offset from the window's outer corner, grown with the zoom.
    QPoint Fensterpunkt(QPoint klassisch) const;
    void BrettSchliessen();
    void SpielGeloest(const sitzung::Abschluss& abschluss);

    static constexpr int BewegungMs = 120;  // a move in motion
    static constexpr int GlanzMs = 450;     // the glow of a solved board

    const daten::Texte& texte_;
    daten::Vorlieben& vorlieben_;
    sitzung::Spielleitung& leitung_;
    sitzung::Spielsitzung& sitzung_;
    Hauptfensterdienste dienste_;
    Brettbild bild_;
    InfoBoxDlg infoBox_;
    std::optional<bool> audioVorhanden_;  // asked when sound is first switched on, not at start
    bool pauseGezeigt_ = false;  // the pause picture covers the board
    // The move in motion while animation is on; the picture already shows where it ends.
    std::optional<engine::Zug> bewegung_;
    QElapsedTimer bewegungsUhr_, glanzUhr_;
    bool glanz_ = false;
    int spielNummer_ = 0;  // tells a late glow or hint that its game has been replaced
    std::optional<engine::Zug> tipp_;    // shown for a moment
    int tippNummer_ = 0;                 // tells a hint's timer that a newer hint replaced it
    QRegion ueberlagert_;                // where passing marks were drawn last
    QTimer bildTakt_;
    QTimer ziehTakt_;  // a dragged frame is taken once the drag rests

    Spielfeldanzeige* ptbSpielfeld_;
    QMenu *mnuSpiel_, *mnuOptionen_, *mnuGroesse_, *mnuSprache_, *mnuProgInfos_;
    QAction *mnuNeuesSpiel_, *mnuNeuesSpielWieZuvor_, *mnuBestenliste_, *mnuRueckgaengig_, *mnuWiederholen_, *mnuBeenden_;
    QAction *mnuPause_, *mnuTipp_, *mnuLoesen_, *mnuTon_, *mnuMusik_, *mnuAnimation_;
    QAction *mnuHilfe_, *mnuTastenkuerzel_, *mnuInfo_, *mnuStatistik_;
    QAction *mnuNochEinmal_, *mnuCodeKopieren_, *mnuCodeEingeben_, *mnuTagesraetsel_;
    QActionGroup *sprachgruppe_, *groessengruppe_;
    std::vector<std::pair<int, QAction*>> mnuGroessen_;  // by zoom in percent
    std::vector<std::pair<daten::Sprache, QAction*>> mnuSprachen_;  // in the menu's order
    optionen::TfrmEinstellungen* frmEinstellungen_ = nullptr;
    beste::TfrmBestenListe* frmBestenListe_ = nullptr;
    Hilfefenster* hilfe_ = nullptr;
    Tastenfenster* tasten_ = nullptr;
    std::function<void()> statistik_;
    sitzung::Wiedergabe wiedergabe_;
    Wiedergabeleiste* leiste_ = nullptr;  // made for the first replay
    bool siehtAn_ = false;
    std::optional<sitzung::Spielergebnis> letztesSpiel_;  // the last game ended in this run
    std::function<std::optional<Aufzeichnung>()> letzteAufzeichnung_;
    std::function<bool()> aufzeichnungVorhanden_;
    QAction* mnuLetztesSpiel_ = nullptr;
    bool aktiviert_ = false;
};

} // namespace haupt
