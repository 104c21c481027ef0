#pragma once
// The main window: menu, board paint box, clock, and the wiring from events to the engine.

#include <QMainWindow>
#include <QMessageBox>

#include <functional>
#include <memory>

#include "engine/klick.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"
#include "main/brettbild.h"
#include "main/infobox.h"

class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class Hilfefenster;
class TfrmBestenListe;
class TfrmEinstellungen;
class Tonspieler;

// The paint box: shows the composite and hands mouse-downs on.
class Spielfeldanzeige : public QWidget {
    Q_OBJECT
public:
    Spielfeldanzeige(const Brettbild& bild, const engine::Spielstand& spiel, QWidget* eltern);

signals:
    void MouseDown(Qt::MouseButton taste, int x, int y);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    const Brettbild& bild;
    const engine::Spielstand& spiel;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(engine::Spielstand& spiel, engine::Zufall& zufall);
    ~TfrmMain() override;

    // The two dialogs are created after the main window; they are handed in once they exist.
    void DialogeSetzen(TfrmEinstellungen* einstellungen, TfrmBestenListe* bestenliste);

    // Shows a message box at a screen position; tests replace it.
    std::function<void(QMessageBox::Icon, const QString&, QPoint)> Meldung;
    // Plays a sound file by its bare name; tests replace it.
    std::function<void(const QString&)> Tonausgabe;
    // The general error report for failures a handler catches itself; tests replace it.
    std::function<void(const QString&)> Fehlerbericht;

    // Event handlers, named after their components.
    void FormActivate();
    void mnuNeuesSpielClick(QObject* sender);
    void InitSpielfeld();
    void ptbSpielfeldMouseDown(Qt::MouseButton taste, int x, int y);
    void ptbSpielfeldPaint();
    void tmrUhrTimer();
    void mnuPauseClick();
    void mnuSprachAuswahlClick(QAction* eintrag);
    void mnuBestenlisteClick();
    void mnuHilfeClick();
    void mnuInfoClick();
    void mnuTonClick();
    void mnuBeendenClick();

    engine::Spielstand& spiel;
    Brettbild bild;
    InfoBoxDlg InfoBox;

    Spielfeldanzeige* ptbSpielfeld;
    QTimer* tmrUhr;
    QMenu *mnuSpiel, *mnuOptionen, *mnuSprache, *mnuProgInfos;
    QAction *mnuNeuesSpiel, *mnuBestenliste, *mnuBeenden;
    QAction *mnuPause, *mnuTon, *mnuMusik, *mnuDeutsch, *mnuEnglish;
    QAction *mnuHilfe, *mnuInfo;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void BaueMenue();
    void TexteSetzen();
    void ClientBreiteSetzen();
    void PhaseUebernehmen();
    void Spiele(const char* datei);
    QPoint Fensterpunkt(int dx, int dy) const;
    void BrettSchliessen();
    void PauseDarstellen();
    void SpielGeloest();
    void ZuggrenzeErreicht();

    engine::Zufall& zufall;
    TfrmEinstellungen* frmEinstellungen = nullptr;
    TfrmBestenListe* frmBestenListe = nullptr;
    std::unique_ptr<Tonspieler> ton;
    Hilfefenster* hilfe = nullptr;
    QActionGroup* sprachgruppe;
    bool aktiviert = false;
};
