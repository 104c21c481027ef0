#include "main/frmmain.h"

#include <QApplication>
#include <QCursor>
#include <QDropEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <map>
#include <utility>

#include "beste/frmbestenliste.h"
#include "daten/inidatei.h"
#include "engine/eingabe.h"
#include "fenster/farbschema.h"
#include "fenster/meldungsbox.h"
#include "main/brettzugang.h"
#include "main/fensterlage.h"
#include "main/meldung.h"
#include "main/spielfeldanzeige.h"
#include "optionen/einstellungen.h"
#include "kunst.h"

namespace haupt {

using engine::Phase;
using G = Brettgeometrie;

beste::Ergebnis Listenergebnis(const sitzung::Spielergebnis& e)
{
    return {e.einstellungen.variante, e.einstellungen.groesse, std::uint16_t(e.zuege), std::uint16_t(e.sekunden)};
}

// ---- creation ----

TfrmMain::TfrmMain(const daten::Texte& texte, daten::Vorlieben& vorlieben, sitzung::Spielleitung& leitung,
                   Hauptfensterdienste dienste)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      texte_(texte), vorlieben_(vorlieben), leitung_(leitung), sitzung_(leitung.sitzung()), dienste_(std::move(dienste))
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    if (!dienste_.Meldung)
        dienste_.Meldung = [this](QMessageBox::Icon art, const QString& text, QPoint wo) {
            fenster::BaueMeldungsbox(art, text, wo, fenster::Rahmenversatz(*this), this)->exec();
        };
    if (!dienste_.Fehlerbericht)
        dienste_.Fehlerbericht = FehlerMelden;
    if (!dienste_.Aufgabefrage)
        dienste_.Aufgabefrage = [this] { return Fragen(*BaueAufgabefrage(texte_, this)); };

    ptbSpielfeld_ = new Spielfeldanzeige(bild_, sitzung_, this);
    BrettzugangEinrichten(ptbSpielfeld_, bild_, sitzung_, texte_);
    ptbSpielfeld_->setEnabled(false);  // no board before the first game
    ptbSpielfeld_->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(ptbSpielfeld_);
    connect(ptbSpielfeld_, &Spielfeldanzeige::MouseDown, this, &TfrmMain::ptbSpielfeldMouseDown);
    connect(ptbSpielfeld_, &Spielfeldanzeige::TasteGedrueckt, this, &TfrmMain::SpielfeldTaste);
    ptbSpielfeld_->SetzeUeberlagerung([this](QPainter& p) { Ueberlagern(p); });
    bildTakt_.setInterval(15);
    connect(&bildTakt_, &QTimer::timeout, this, [this] { Neuzeichnen(Ueberlagert()); });
    ziehTakt_.setSingleShot(true);
    ziehTakt_.setInterval(200);
    connect(&ziehTakt_, &QTimer::timeout, this, &TfrmMain::GezogeneGroesseUebernehmen);
    connect(ptbSpielfeld_, &Spielfeldanzeige::GroesseGeaendert, this, [this] {
        if (ptbSpielfeld_->size() != bild_.geometrie().client(sitzung_.einstellungen().vorschau))
            ziehTakt_.start();
    });

    connect(&sitzung_, &sitzung::Spielsitzung::neuesSpielBegonnen, this, &TfrmMain::InitSpielfeld);
    connect(&sitzung_, &sitzung::Spielsitzung::gezogen, this, &TfrmMain::Gezogen);
    connect(&sitzung_, &sitzung::Spielsitzung::sekundeVergangen, this, &TfrmMain::Zeit);
    connect(&sitzung_, &sitzung::Spielsitzung::phaseGeaendert, this, &TfrmMain::PhaseUebernehmen);
    connect(&sitzung_, &sitzung::Spielsitzung::nummernGeaendert, this, [this] {
        // A tile's home square is outlined there, reaching one pixel past the preview's top and right.
        Neuzeichnen(G::Vorschau.adjusted(0, -1, 1, 0));
        ptbSpielfeldPaint();
    });
    connect(&sitzung_, &sitzung::Spielsitzung::cursorGeaendert, this, &TfrmMain::ptbSpielfeldPaint);
    connect(&sitzung_, &sitzung::Spielsitzung::tippGezeigt, this, &TfrmMain::TippZeigen);
    connect(&sitzung_, &sitzung::Spielsitzung::denkt, this, [](bool an) {
        if (an)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    connect(&sitzung_, &sitzung::Spielsitzung::spielZuEnde, this, [this](const sitzung::Spielergebnis& e) {
        letztesSpiel_ = e;  // Game → Watch last game shows it
        mnuLetztesSpiel_->setEnabled(true);
    });
    connect(&leitung_, &sitzung::Spielleitung::begonnen, this, &TfrmMain::Begonnen);
    connect(&leitung_, &sitzung::Spielleitung::abgeschlossen, this, &TfrmMain::Abgeschlossen);

    bild_.VerhaeltnisSetzen(devicePixelRatioF());
    bild_.DunkelSetzen(fenster::AktuellesSchema() == fenster::Schema::Dunkel);
    fenster::BeiSchemawechsel(this, [this](fenster::Schema schema) {
        bild_.DunkelSetzen(schema == fenster::Schema::Dunkel);
        ptbSpielfeldPaint();
    });
    BaueMenue();
    for (auto schluessel : {daten::Vorlieben::Schluessel::Animation, daten::Vorlieben::Schluessel::Ton})
        VorliebeUebernehmen(schluessel);
    connect(&vorlieben_, &daten::Vorlieben::geaendert, this, &TfrmMain::VorliebeUebernehmen);
    // The window takes the limits of its paint box: a frame may be dragged between them.
    layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
    const int prozent = vorlieben_.groesse();
    bild_.ZoomSetzen(prozent / 100.0);  // nothing is shown yet: the start draws it
    ZoomAnwenden(prozent);
    setWindowTitle(QStringLiteral("Tavelor"));
    setWindowIcon(kunst::Programmsymbol());
    connect(&texte_, &daten::Texte::spracheGeaendert, this, &TfrmMain::TexteSetzen);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::DialogeSetzen(optionen::TfrmEinstellungen* einstellungen, beste::TfrmBestenListe* bestenliste)
{
    frmEinstellungen_ = einstellungen;
    frmBestenListe_ = bestenliste;
}

void TfrmMain::showEvent(QShowEvent* ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (aktiviert_)
        return;
    aktiviert_ = true;
    if (QWindow* fenster = windowHandle())
        connect(fenster, &QWindow::screenChanged, this, &TfrmMain::VerhaeltnisUebernehmen);
    VerhaeltnisUebernehmen();
    FensterPlatzieren(*this, vorlieben_);
    QTimer::singleShot(0, this, &TfrmMain::FormActivate);
}

// ---- start-up and new game ----

// The title picture shows while the saved game is looked for.
void TfrmMain::FormActivate()
{
    SprachhakenSetzen();
    bild_.HintergrundZeichnen();
    bild_.ZeigeSchrift(daten::SprachCode(texte_.sprache()));
    bild_.ZeigeZugNr(sitzung_.spiel().ZugAnzahl);
    bild_.ZeigeZeit(sitzung_.spiel().Sekunden);
    ptbSpielfeldPaint();
    setWindowTitle(QStringLiteral("Tavelor"));
    leitung_.Beginnen();
}

// A saved game, taken up, shows paused; without one the settings dialog opens.
void TfrmMain::Begonnen(bool fortgesetzt, const QList<sitzung::Hinweis>& hinweise)
{
    for (const sitzung::Hinweis& h : hinweise) {
        const QString text = h.argument.isEmpty() ? texte_(h.text) : texte_(h.text).arg(h.argument);
        dienste_.Meldung(QMessageBox::Information, text, Fensterpunkt(G::MeldungSpielende));
    }
    if (!frmEinstellungen_)
        return;
    if (fortgesetzt)
        frmEinstellungen_->ZurueckModus();
    else
        mnuNeuesSpielClick(true);
}

bool TfrmMain::SpielAufgeben()
{
    if (!sitzung_.unvollendet() || !vorlieben_.nachfragen())
        return true;
    const Aufgabeantwort antwort = dienste_.Aufgabefrage();
    if (antwort.aufgeben && antwort.nichtMehrFragen) {
        try {
            vorlieben_.NachfragenSetzen(false);
        } catch (const daten::Schreibfehler& fehler) {
            dienste_.Fehlerbericht(fehler.text());  // asked again at the next start
        }
    }
    return antwort.aufgeben;
}

// The dialog's own Cancel keeps the game: it asks nothing more.
void TfrmMain::mnuNeuesSpielClick(bool beimStart)
{
    if (!frmEinstellungen_)
        return;
    const QRect fenster = frameGeometry();
    const QSize dialog = G::EinstellungenRahmen;
    frmEinstellungen_->move(fenster.left() + (fenster.width() - dialog.width()) / 2,
                            fenster.top() + (fenster.height() - dialog.height()) / 2);
    frmEinstellungen_->Vorlegen(sitzung_.einstellungen());
    if (frmEinstellungen_->exec() == QDialog::Accepted)
        leitung_.NeuesSpiel(frmEinstellungen_->Gewaehlt());  // drawn by InitSpielfeld
    if (beimStart)
        frmEinstellungen_->ZurueckModus();
    // The keys to the board however the dialog closed: a window manager may give the focus
    // elsewhere, and without one nothing gives it back at all.
    activateWindow();
    ptbSpielfeld_->setFocus();
}

// A new game with the settings of the last one, without the dialog.
void TfrmMain::mnuNeuesSpielWieZuvorClick()
{
    if (sitzung_.spiel().phase != Phase::KeinSpiel && SpielAufgeben())
        leitung_.NeuesSpiel(sitzung_.einstellungen());
}

// Another modal window (the list of the best, a message) keeps the drop out.
void TfrmMain::dragEnterEvent(QDragEnterEvent* ereignis)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!frmEinstellungen_ || (modal && modal != frmEinstellungen_))
        ereignis->ignore();
    else
        optionen::BilderAnnehmen(ereignis);
}

// Handled once the drop has ended, so that the source is not kept waiting by the dialog.
void TfrmMain::dropEvent(QDropEvent* ereignis)
{
    const QStringList dateien = frmEinstellungen_ ? optionen::BilderAnnehmen(ereignis) : QStringList();
    if (!dateien.isEmpty())
        QTimer::singleShot(0, this, [this, dateien] { BilderAbgelegt(dateien); });
}

// An open settings dialog takes the pictures itself; otherwise it opens with them, as "New game".
void TfrmMain::BilderAbgelegt(const QStringList& dateien)
{
    frmEinstellungen_->BilderAufnehmen(dateien);
    if (frmEinstellungen_->isVisible() || QApplication::activeModalWidget())
        return;
    AbspielenStoppen();
    mnuNeuesSpielClick(false);
}

// ---- the end of a game ----

// A solved board (glowing first with animation on) opens the list or tells why not; a limit is
// told with its sound before the board closes.
void TfrmMain::Abgeschlossen(const sitzung::Abschluss& abschluss)
{
    switch (abschluss.ergebnis.ausgang) {
    case sitzung::Ausgang::Geloest:
        if (!vorlieben_.animation()) {
            SpielGeloest(abschluss);
            return;
        }
        glanz_ = true;
        glanzUhr_.start();
        bildTakt_.start();
        QTimer::singleShot(GlanzMs, this, [this, abschluss, spiel = spielNummer_] {
            if (spiel != spielNummer_)
                return;
            glanz_ = false;
            bewegung_.reset();
            SpielGeloest(abschluss);
        });
        return;
    case sitzung::Ausgang::MaxZuege:
    case sitzung::Ausgang::MaxZeit: {
        const bool zuege = abschluss.ergebnis.ausgang == sitzung::Ausgang::MaxZuege;
        Spiele(abschluss.ton);
        dienste_.Meldung(QMessageBox::Information, texte_(abschluss.meldung),
                         Fensterpunkt(zuege ? G::MeldungMaxZuege : G::MeldungMaxZeit));
        BrettSchliessen();
        return;
    }
    case sitzung::Ausgang::Abgebrochen: return;
    }
}

void TfrmMain::SpielGeloest(const sitzung::Abschluss& abschluss)
{
    BrettSchliessen();
    if (!frmBestenListe_)
        return;
    Spiele(abschluss.ton);
    if (abschluss.eintrag) {
        frmBestenListe_->move(Fensterpunkt(G::Bestenliste));
        frmBestenListe_->NimmAuf(Listenergebnis(abschluss.ergebnis));
    } else {
        dienste_.Meldung(QMessageBox::Information, texte_(abschluss.meldung), Fensterpunkt(G::MeldungSpielende));
    }
}

// The finished picture over the board, and the preview shown whatever the settings said.
void TfrmMain::BrettSchliessen()
{
    bild_.GanzesBild();
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
    ptbSpielfeldPaint();
}

// ---- play ----

void TfrmMain::ptbSpielfeldMouseDown(Qt::MouseButton taste, QPoint punkt)
{
    if (WiedergabeBeenden())  // a click on a replay only ends it
        return;
    const engine::Taste t = taste == Qt::LeftButton    ? engine::Taste::Links
                            : taste == Qt::RightButton ? engine::Taste::Rechts
                                                       : engine::Taste::Mitte;
    sitzung_.Eingabe(engine::Eingabe::Zeiger(bild_.geometrie().ZielBei(punkt), t));
}

// The board's keys as the rules know them; any other key is not the board's. Every key stops a
// solution being played: the board's keys then do their work, as a click does, the others no more.
void TfrmMain::SpielfeldTaste(int taste, Qt::KeyboardModifiers umschalter)
{
    using engine::Spieltaste;
    static const std::map<int, Spieltaste> tasten = {
        {Qt::Key_Left, Spieltaste::Links},      {Qt::Key_Right, Spieltaste::Rechts},
        {Qt::Key_Up, Spieltaste::Hoch},         {Qt::Key_Down, Spieltaste::Runter},
        {Qt::Key_Space, Spieltaste::Drehen},    {Qt::Key_Return, Spieltaste::Drehen},
        {Qt::Key_Enter, Spieltaste::Drehen},    {Qt::Key_Backspace, Spieltaste::GegenDrehen},
        {Qt::Key_N, Spieltaste::Nummern}};
    if (WiedergabeBeenden())  // as any key on the board during a replay
        return;
    if (const auto t = tasten.find(taste); t != tasten.end())
        sitzung_.Eingabe(engine::Eingabe::Tastatur(t->second, umschalter & Qt::ShiftModifier));
    else if (sitzung_.loest())
        AbspielenStoppen();
}

} // namespace haupt
