#pragma once
// The main window: a view of the game session. It maps the mouse to targets through the board
// geometry, draws what the session reports, and runs the menu.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include "daten/texte.h"
#include "daten/umgebung.h"
#include "main/brettbild.h"
#include "main/infobox.h"
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
namespace daten {
class Tonspieler;
}

namespace haupt {

class Hilfefenster;

// What the main window needs of the world outside; tests put recorders in. An empty entry
// stands for the real one.
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
    void MouseDown(Qt::MouseButton taste, QPoint punkt);
    void TasteGedrueckt(int taste, Qt::KeyboardModifiers umschalter);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
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
    TfrmMain(const daten::Umgebung& umgebung, daten::Texte& texte, sitzung::Spielsitzung& sitzung,
             Hauptfensterdienste dienste = {});
    ~TfrmMain() override;

    // The two dialogs are created after the main window; they are handed in once they exist.
    void DialogeSetzen(optionen::TfrmEinstellungen* einstellungen, beste::TfrmBestenListe* bestenliste);
    // Where the pictures of the games are decoded.
    void BilddienstSetzen(daten::Bilddienst& bilder) { bild_.BilddienstSetzen(&bilder); }

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
    void mnuNeuesSpielClick(bool beimStart);
    void BilderAbgelegt(const QStringList& dateien);
    void mnuNeuesSpielWieZuvorClick();
    void SpielfeldTaste(int taste, Qt::KeyboardModifiers umschalter);
    void mnuAnimationClick();
    void mnuTippClick();
    void mnuLoesenClick();
    void LoesungWeiter();
    void AbspielenStoppen();
    void ptbSpielfeldMouseDown(Qt::MouseButton taste, QPoint punkt);
    void ptbSpielfeldPaint();
    void VerhaeltnisUebernehmen();
    void mnuPauseClick();
    void mnuSprachAuswahlClick(QAction* eintrag);
    void mnuBestenlisteClick();
    void mnuHilfeClick();
    void mnuInfoClick();
    void mnuBeendenClick();

    // What the session reports.
    void InitSpielfeld();
    void Gezogen(const engine::Zug& zug, const std::vector<int>& felder);
    void Ueberlagern(QPainter& p);
    void Zeit(int sekunden);
    void PhaseUebernehmen(engine::Phase phase);
    void SpielBeendet(engine::Ende ende);

    void AktionenAktualisieren();
    void ClientBreiteSetzen(bool vorschau);
    void Spiele(const char* datei);
    QPoint Fensterpunkt(int dx, int dy) const;
    void BrettSchliessen();
    void SpielGeloest();
    void GrenzeErreicht(int textId, QPoint wo);

    const daten::Umgebung& umgebung_;
    daten::Texte& texte_;
    sitzung::Spielsitzung& sitzung_;
    Hauptfensterdienste dienste_;
    Brettbild bild_;
    InfoBoxDlg infoBox_;
    std::unique_ptr<daten::Tonspieler> ton_;
    std::optional<bool> audioVorhanden_;  // asked when sound is first switched on, not at start
    engine::Phase phase_ = engine::Phase::KeinSpiel;
    int cursor_ = 0;  // keyboard cursor: field (variant 2) or axis (variant 3), 0 = hidden
    // The move in motion while animation is on; the picture already shows where it ends.
    std::optional<engine::Zug> bewegung_;
    QElapsedTimer bewegungsUhr_, glanzUhr_;
    bool glanz_ = false;
    int spielNummer_ = 0;  // tells a late glow or hint that its game has been replaced
    std::optional<engine::Zug> tipp_;    // shown for a moment
    int tippNummer_ = 0;                 // tells a hint's timer that a newer hint replaced it
    QRect tippBereich_;                  // where the hint was drawn last
    std::vector<engine::Zug> plan_;      // the rest of a solution being played
    QTimer loesenTakt_;
    QTimer bildTakt_;

    Spielfeldanzeige* ptbSpielfeld_;
    QMenu *mnuSpiel_, *mnuOptionen_, *mnuSprache_, *mnuProgInfos_;
    QAction *mnuNeuesSpiel_, *mnuNeuesSpielWieZuvor_, *mnuBestenliste_, *mnuRueckgaengig_, *mnuWiederholen_, *mnuBeenden_;
    QAction *mnuPause_, *mnuTipp_, *mnuLoesen_, *mnuTon_, *mnuMusik_, *mnuAnimation_, *mnuDeutsch_, *mnuEnglish_;
    QAction *mnuHilfe_, *mnuInfo_;
    QActionGroup* sprachgruppe_;
    optionen::TfrmEinstellungen* frmEinstellungen_ = nullptr;
    beste::TfrmBestenListe* frmBestenListe_ = nullptr;
    Hilfefenster* hilfe_ = nullptr;
    bool aktiviert_ = false;
};

} // namespace haupt
