#include "main/frmmain.h"

#include <QApplication>
#include <QCursor>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "beste/Rangfolge.h"
#include "beste/BestenListe.h"
#include "daten/daten.h"
#include "daten/meldungsbox.h"
#include "daten/ton.h"
#include "engine/mischen.h"
#include "engine/uhr.h"
#include "main/hilfefenster.h"
#include "main/meldung.h"
#include "optionen/einstellungen.h"

using namespace engine;

namespace {

constexpr int ClientHoehe = 475;
constexpr QRect ZeitRechteck{550, 380, 110, 30};

} // namespace

// ---- paint box ----

Spielfeldanzeige::Spielfeldanzeige(const Brettbild& bild, const Spielstand& spiel, QWidget* eltern)
    : QWidget(eltern), bild(bild), spiel(spiel)
{
    setObjectName(QStringLiteral("ptbSpielfeld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Spielfeldanzeige::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0), bild.imgKopie, QRect(0, 0, width(), ClientHoehe));
    bild.ZeigeNummern(p, spiel);
}

void Spielfeldanzeige::mousePressEvent(QMouseEvent* ereignis)
{
    const QPoint punkt = ereignis->position().toPoint();
    emit MouseDown(ereignis->button(), punkt.x(), punkt.y());
}

// ---- creation ----

TfrmMain::TfrmMain(Spielstand& spiel, Zufall& zufall)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      spiel(spiel), zufall(zufall)
{
    setObjectName(QStringLiteral("frmMain"));
    InitProgramm();
    ton = std::make_unique<Tonspieler>(ProgPfad);
    Tonausgabe = [this](const QString& datei) { ton->Spiele(datei); };

    spiel.Variante = 1;
    spiel.Groesse = 4;
    spiel.ZugAnzahl = 0;
    spiel.Sekunden = 0;
    spiel.Vorschau = 1;
    spiel.SWBild = 0;

    ptbSpielfeld = new Spielfeldanzeige(bild, spiel, this);
    ptbSpielfeld->setEnabled(false);  // no board before the first game
    setCentralWidget(ptbSpielfeld);
    connect(ptbSpielfeld, &Spielfeldanzeige::MouseDown, this, &TfrmMain::ptbSpielfeldMouseDown);

    tmrUhr = new QTimer(this);
    tmrUhr->setInterval(1000);
    connect(tmrUhr, &QTimer::timeout, this, &TfrmMain::tmrUhrTimer);

    BaueMenue();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ClientBreiteSetzen();
    setWindowTitle(QStringLiteral("Tavelor"));
    setWindowIcon(QIcon(QStringLiteral(":/kunst/symbol.png")));

    Meldung = [this](QMessageBox::Icon art, const QString& text, QPoint wo) {
        BaueMeldungsbox(art, text, wo, Rahmenversatz(*this), this)->exec();
    };
    Fehlerbericht = FehlerMelden;
    TextempfaengerAnmelden(this, [this] { TexteSetzen(); });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::DialogeSetzen(TfrmEinstellungen* einstellungen, TfrmBestenListe* bestenliste)
{
    frmEinstellungen = einstellungen;
    frmBestenListe = bestenliste;
}

void TfrmMain::showEvent(QShowEvent* ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (aktiviert)
        return;
    aktiviert = true;
    if (const QScreen* bildschirm = screen())
        move(bildschirm->geometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    QTimer::singleShot(0, this, &TfrmMain::FormActivate);
}

// ---- start-up and new game ----

void TfrmMain::FormActivate()
{
    LadeSprache();
    if (AktSprache == 0)
        mnuDeutsch->setChecked(true);
    else if (AktSprache == 1000)
        mnuEnglish->setChecked(true);
    bild.HintergrundZeichnen();
    bild.ZeigeSchrift(AktSprache);
    bild.ZeigeZugNr(spiel.ZugAnzahl);
    bild.ZeigeZeit(spiel.Sekunden);
    ptbSpielfeldPaint();
    setWindowTitle(QStringLiteral("Tavelor"));
    mnuNeuesSpielClick(this);
}

void TfrmMain::mnuNeuesSpielClick(QObject* sender)
{
    if (!frmEinstellungen)
        return;
    const QRect fenster = frameGeometry();
    frmEinstellungen->move(fenster.left() + (fenster.width() - 428) / 2, fenster.top() + (fenster.height() - 457) / 2);
    const int ergebnis = frmEinstellungen->exec();
    if (ergebnis == QDialog::Accepted) {
        ClientBreiteSetzen();
        spiel.NummernModus = 0;
        bild.BildVorbereiten(spiel.Bilddatei);
        InitSpielfeld();
    }
    if (sender == this)
        frmEinstellungen->ZurueckModus();
}

void TfrmMain::InitSpielfeld()
{
    tmrUhr->stop();
    bild.HintergrundZeichnen();
    bild.ZeigeSchrift(AktSprache);
    bild.ZeigeZugNr(0);
    bild.ZeigeZeit(0);
    if (spiel.SWBild == 1) {
        ptbSpielfeld->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCursor::setPos(QCursor::pos() + QPoint(1, 0));  // makes the busy cursor appear at once
        bild.Faerben();
        QApplication::restoreOverrideCursor();
    }
    bild.VorschauZeichnen();
    NeuesSpiel(spiel, zufall);
    bild.BrettZeichnen(spiel);
    PhaseUebernehmen();
    ptbSpielfeldPaint();
}

// ---- the window's state ----

void TfrmMain::ClientBreiteSetzen()
{
    ptbSpielfeld->setFixedSize(spiel.Vorschau == 1 ? 755 : 474, ClientHoehe);
}

void TfrmMain::PhaseUebernehmen()
{
    ptbSpielfeld->setEnabled(spiel.brettAktiv());
    if (!spiel.uhrLaeuft())
        tmrUhr->stop();
    else if (!tmrUhr->isActive())
        tmrUhr->start();
    mnuPause->setEnabled(spiel.pauseVerfuegbar());
    mnuPause->setChecked(spiel.pausiert());
}

void TfrmMain::ptbSpielfeldPaint() { ptbSpielfeld->update(); }

QPoint TfrmMain::Fensterpunkt(int dx, int dy) const { return frameGeometry().topLeft() + QPoint(dx, dy); }

void TfrmMain::Spiele(const char* datei)
{
    if (WaveVorhanden == 1 && mnuTon->isChecked())
        Tonausgabe(QLatin1String(datei));
}

// ---- play ----

void TfrmMain::ptbSpielfeldMouseDown(Qt::MouseButton taste, int x, int y)
{
    const Taste t = taste == Qt::LeftButton ? Taste::Links : taste == Qt::RightButton ? Taste::Rechts : Taste::Mitte;
    const Klickergebnis e = Klick(spiel, t, x, y);
    if (e.pauseBeendet) {
        PauseDarstellen();
        return;
    }
    if (e.gezaehlt) {
        Spiele("ton1.wav");
        bild.ZeigeZugNr(spiel.ZugAnzahl);
    }
    for (int feld : e.felder)
        bild.ShowMorvikTeil(spiel, feld);
    if (e.gezaehlt && spiel.Variante == 3)
        bild.ZeigeAchsen(spiel);
    PhaseUebernehmen();
    if (e.gezaehlt || e.hilfe != Hilfeschritt::Keiner)
        ptbSpielfeldPaint();

    if (e.ende == Ende::Geloest)
        SpielGeloest();
    else if (e.ende == Ende::MaxZuege)
        ZuggrenzeErreicht();
}

void TfrmMain::BrettSchliessen()
{
    PhaseUebernehmen();
    bild.GanzesBild();
    ClientBreiteSetzen();
    ptbSpielfeldPaint();
}

void TfrmMain::SpielGeloest()
{
    BrettSchliessen();
    if (!frmBestenListe)
        return;
    TListe& liste = frmBestenListe->Liste;
    const int d = ListenIndex(spiel.Variante, spiel.Groesse);
    if (KommtInListe(liste, d, spiel.ZugAnzahl, spiel.Sekunden)) {
        Spiele("ton2.wav");
        spiel.NeuerEintrag = 1;
        ErgebnisVormerken(liste, spiel.ZugAnzahl, spiel.Sekunden);
        mnuBestenlisteClick();
        spiel.NeuerEintrag = 0;
    } else {
        Spiele("ton3.wav");
        Meldung(QMessageBox::Information, TxtKeinEintrag, Fensterpunkt(100, 235));
    }
}

void TfrmMain::ZuggrenzeErreicht()
{
    PhaseUebernehmen();
    Spiele("ton3.wav");
    Meldung(QMessageBox::Information, TxtMaxZuege, Fensterpunkt(100, 215));
    BrettSchliessen();
}

// ---- clock and pause ----

void TfrmMain::tmrUhrTimer()
{
    const Tickergebnis e = Tick(spiel);
    if (!e.gezaehlt)
        return;
    bild.ZeigeZeit(spiel.Sekunden);
    ptbSpielfeld->update(ZeitRechteck);
    if (!e.zeitAbgelaufen)
        return;
    PhaseUebernehmen();
    Spiele("ton3.wav");
    Meldung(QMessageBox::Information, TxtMaxZeit, Fensterpunkt(95, 215));
    BrettSchliessen();
}

void TfrmMain::mnuPauseClick()
{
    PauseUmschalten(spiel);
    PauseDarstellen();
}

void TfrmMain::PauseDarstellen()
{
    if (spiel.pausiert()) {
        bild.PauseZeigen();
    } else {
        for (int feld = 1; feld <= spiel.felder(); ++feld)
            bild.ShowMorvikTeil(spiel, feld);
        if (spiel.Variante == 3)
            bild.ZeigeAchsen(spiel);
    }
    PhaseUebernehmen();
    ptbSpielfeldPaint();
}

// ---- other menu commands ----

void TfrmMain::mnuSprachAuswahlClick(QAction* eintrag)
{
    try {
        SetzeSprache(eintrag->data().toInt());
    } catch (const Schreibfehler& fehler) {
        // The texts stay in the old language, and so does the check mark.
        (AktSprache == 1000 ? mnuEnglish : mnuDeutsch)->setChecked(true);
        Fehlerbericht(fehler.text());
        return;
    }
    eintrag->setChecked(true);
    bild.ZeigeSchrift(AktSprache);
    ptbSpielfeldPaint();
}

void TfrmMain::mnuBestenlisteClick()
{
    if (!frmBestenListe)
        return;
    frmBestenListe->move(Fensterpunkt(69, 110));
    frmBestenListe->exec();
}

void TfrmMain::mnuHilfeClick()
{
    if (!hilfe)
        hilfe = new Hilfefenster(this);
    hilfe->Zeige(HilfeDatei, AktSprache);
}

void TfrmMain::mnuInfoClick()
{
    InfoBox.Zentrieren(frameGeometry());
    InfoBox.Execute(this);
}

void TfrmMain::mnuTonClick()
{
    // The entry is a check entry: Qt has flipped it already.
}

void TfrmMain::mnuBeendenClick() { close(); }
