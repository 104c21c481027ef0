#pragma once
// The main window: a view of the game session. It maps the mouse to targets through the board
// geometry, draws what the session reports, and runs the menu.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

#include "daten/texte.h"
#include "daten/vorlieben.h"
#include "main/brettbild.h"
#include "main/infobox.h"
#include "sitzung/spielablage.h"
#include "sitzung/spielsitzung.h"

class QAction;
class QActionGroup;
class QMenu;

namespace beste {
class TfrmBestenListe;
}
namespace optionen {
class TfrmEinstellungen;
}

namespace haupt {

class Hilfefenster;
class Tastenfenster;

// What the main window needs of the world outside; tests put recorders in. An empty message or
// error report stands for the real one; the sound comes from main.cpp, and without it the
// window stays silent.
struct Hauptfensterdienste {
    std::function<void(QMessageBox::Icon, const QString&, QPoint)> Meldung;  // message box at a screen point
    std::function<void(const QString&)> Ton;            // plays a sound file by its bare name
    std::function<void(const QString&)> Fehlerbericht;  // the general error report
    std::function<bool()> AudioVorhanden;               // whether the machine has an audio output
};

// The paint box: paints the board picture and the tile numbers, and hands mouse presses on.
class Spielfeldanzeige : public QWidget {
    Q_OBJECT
public:
    Spielfeldanzeige(const Brettbild& bild, const sitzung::Spielsitzung& sitzung, QWidget* eltern);

    // What the window lays over the picture besides the tile numbers (cursor, hint).
    void SetzeUeberlagerung(std::function<void(QPainter&)> ueberlagerung) { ueberlagerung_ = std::move(ueberlagerung); }

signals:
    // The point in the classic window's logical pixels, whatever the zoom.
    void MouseDown(Qt::MouseButton taste, QPoint punkt);
    void TasteGedrueckt(int taste, Qt::KeyboardModifiers umschalter);
    void GroesseGeaendert();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    const Brettbild& bild_;
    const sitzung::Spielsitzung& sitzung_;
    std::function<void(QPainter&)> ueberlagerung_;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(const daten::Texte& texte, daten::Vorlieben& vorlieben, sitzung::Spielsitzung& sitzung,
             Hauptfensterdienste dienste = {});
    ~TfrmMain() override;

    // The two dialogs are created after the main window; they are handed in once they exist.
    void DialogeSetzen(optionen::TfrmEinstellungen* einstellungen, beste::TfrmBestenListe* bestenliste);
    // Where the game in progress is kept; with it the window starts with a saved game, paused.
    void AblageSetzen(sitzung::Spielablage* ablage) { ablage_ = ablage; }
    // Where the pictures of the games are decoded.
    void BilddienstSetzen(daten::Bilddienst& bilder) { bild_.BilddienstSetzen(&bilder); }
    // What Game → Statistics opens; without it the entry does nothing.
    void StatistikSetzen(std::function<void()> zeigen) { statistik_ = std::move(zeigen); }

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
    bool GespeichertesSpielFortsetzen();
    void mnuNeuesSpielClick(bool beimStart);
    void BilderAbgelegt(const QStringList& dateien);
    void mnuNeuesSpielWieZuvorClick();
    void SpielfeldTaste(int taste, Qt::KeyboardModifiers umschalter);
    void mnuAnimationClick();
    void VorliebeUebernehmen(daten::Vorlieben::Schluessel schluessel);
    void mnuTippClick();
    void TippZeigen(engine::Zug zug);
    void mnuLoesenClick();
    void AbspielenStoppen();
    void ptbSpielfeldMouseDown(Qt::MouseButton taste, QPoint punkt);
    void ptbSpielfeldPaint();
    void VerhaeltnisUebernehmen();
    // The size menu and a dragged frame: the zoom in percent, stored and applied.
    void mnuGroesseClick(int prozent);
    void GezogeneGroesseUebernehmen();
    void ZoomAnwenden(int prozent);
    int GroessterZoom() const;
    void mnuPauseClick();
    void mnuSprachAuswahlClick(QAction* eintrag);
    void mnuBestenlisteClick();
    void mnuHilfeClick();
    void mnuTastenkuerzelClick();
    void mnuInfoClick();
    void mnuBeendenClick();

    // What the session reports.
    void InitSpielfeld();
    void Gezogen(const engine::Zug& zug, const std::vector<int>& felder);
    void Ueberlagern(QPainter& p);
    QRegion Ueberlagert() const;
    void Zeit(int sekunden);
    void PhaseUebernehmen(engine::Phase phase);
    void SpielBeendet(engine::Ende ende);

    void AktionenAktualisieren();
    void ClientBreiteSetzen(bool vorschau);
    void Neuzeichnen(const QRegion& klassisch);
    void Spiele(const char* datei);
    // A point at a classic offset from the window's outer corner, grown with the zoom.
    QPoint Fensterpunkt(QPoint klassisch) const;
    void BrettSchliessen();
    void SpielGeloest();
    void GrenzeErreicht(int textId, QPoint wo);

    const daten::Texte& texte_;
    daten::Vorlieben& vorlieben_;
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
    QAction *mnuPause_, *mnuTipp_, *mnuLoesen_, *mnuTon_, *mnuMusik_, *mnuAnimation_, *mnuDeutsch_, *mnuEnglish_;
    QAction *mnuHilfe_, *mnuTastenkuerzel_, *mnuInfo_, *mnuStatistik_;
    QActionGroup *sprachgruppe_, *groessengruppe_;
    std::vector<std::pair<int, QAction*>> mnuGroessen_;  // by zoom in percent
    optionen::TfrmEinstellungen* frmEinstellungen_ = nullptr;
    beste::TfrmBestenListe* frmBestenListe_ = nullptr;
    sitzung::Spielablage* ablage_ = nullptr;
    Hilfefenster* hilfe_ = nullptr;
    Tastenfenster* tasten_ = nullptr;
    std::function<void()> statistik_;
    bool aktiviert_ = false;
};

} // namespace haupt
