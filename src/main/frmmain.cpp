#include "main/frmmain.h"

#include <QApplication>
#include <QCursor>
#include <QDropEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
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
#include "main/hilfefenster.h"
#include "main/meldung.h"
#include "optionen/einstellungen.h"
#include "kunst.h"

namespace haupt {

using engine::Phase;
using G = Brettgeometrie;

// ---- paint box ----

Spielfeldanzeige::Spielfeldanzeige(const Brettbild& bild, const sitzung::Spielsitzung& sitzung, QWidget* eltern)
    : QWidget(eltern), bild_(bild), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("ptbSpielfeld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture counts in the classic window's pixels: the painter is scaled by the zoom. While a
// drag rests between two sizes, the part past the picture is black.
void Spielfeldanzeige::paintEvent(QPaintEvent* ereignis)
{
    QPainter p(this);
    const Brettgeometrie& g = bild_.geometrie();
    const QRegion aussen = ereignis->region().subtracted(QRect(QPoint(0, 0), g.client(true)));
    for (const QRect& r : aussen)
        p.fillRect(r, Qt::black);
    p.scale(g.zoom(), g.zoom());
    const QRegion bereich = g.klassisch(ereignis->region());
    bild_.Malen(p, bereich);
    const engine::Spielstand& s = sitzung_.spiel();
    if (bereich.intersects(bild_.NummernBereich(s, sitzung_.nummernmodus(), sitzung_.nummernfeld())))
        bild_.ZeigeNummern(p, s, sitzung_.nummernmodus(), sitzung_.nummernfeld());
    if (ueberlagerung_)
        ueberlagerung_(p);
}

void Spielfeldanzeige::mousePressEvent(QMouseEvent* ereignis)
{
    emit MouseDown(ereignis->button(), bild_.geometrie().klassisch(ereignis->position()));
}

void Spielfeldanzeige::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    emit GroesseGeaendert();
}

void Spielfeldanzeige::keyPressEvent(QKeyEvent* ereignis)
{
    emit TasteGedrueckt(ereignis->key(), ereignis->modifiers());
}

// ---- creation ----

TfrmMain::TfrmMain(const daten::Texte& texte, daten::Vorlieben& vorlieben, sitzung::Spielsitzung& sitzung,
                   Hauptfensterdienste dienste)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      texte_(texte), vorlieben_(vorlieben), sitzung_(sitzung), dienste_(std::move(dienste))
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    if (!dienste_.Meldung)
        dienste_.Meldung = [this](QMessageBox::Icon art, const QString& text, QPoint wo) {
            fenster::BaueMeldungsbox(art, text, wo, fenster::Rahmenversatz(*this), this)->exec();
        };
    if (!dienste_.Fehlerbericht)
        dienste_.Fehlerbericht = FehlerMelden;

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
    connect(&sitzung_, &sitzung::Spielsitzung::spielBeendet, this, &TfrmMain::SpielBeendet);
    connect(&sitzung_, &sitzung::Spielsitzung::cursorGeaendert, this, &TfrmMain::ptbSpielfeldPaint);
    connect(&sitzung_, &sitzung::Spielsitzung::tippGezeigt, this, &TfrmMain::TippZeigen);
    connect(&sitzung_, &sitzung::Spielsitzung::denkt, this, [](bool an) {
        if (an)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QApplication::restoreOverrideCursor();
    });

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

void TfrmMain::FormActivate()
{
    (texte_.englisch() ? mnuEnglish_ : mnuDeutsch_)->setChecked(true);
    bild_.HintergrundZeichnen();
    bild_.ZeigeSchrift(texte_.englisch());
    bild_.ZeigeZugNr(sitzung_.spiel().ZugAnzahl);
    bild_.ZeigeZeit(sitzung_.spiel().Sekunden);
    ptbSpielfeldPaint();
    setWindowTitle(QStringLiteral("Tavelor"));
    if (GespeichertesSpielFortsetzen())
        frmEinstellungen_->ZurueckModus();
    else
        mnuNeuesSpielClick(true);
}

// The game the player left, shown paused; its picture only where it is still the same file.
bool TfrmMain::GespeichertesSpielFortsetzen()
{
    if (!ablage_ || !frmEinstellungen_)
        return false;
    const sitzung::Spielablage::Fund fund = ablage_->Laden();
    if (fund.beiseitegelegt)
        dienste_.Meldung(QMessageBox::Information, texte_(daten::text::SpielDefekt), Fensterpunkt(G::MeldungSpielende));
    if (!fund.spiel)
        return false;
    sitzung::Schnappschuss stand = *fund.spiel;
    const bool bildFehlt = !stand.einstellungen.bilddatei.isEmpty()
                           && sitzung::Spielablage::Pruefsumme(stand.einstellungen.bilddatei) != stand.bildPruefsumme;
    if (bildFehlt) {
        stand.einstellungen.bilddatei.clear();
        stand.bildPruefsumme.clear();
    }
    bild_.BildVorbereiten(stand.einstellungen.bilddatei);
    sitzung_.Wiederherstellen(stand);
    if (bildFehlt)
        dienste_.Meldung(QMessageBox::Information, texte_(daten::text::SpielBildFehlt), Fensterpunkt(G::MeldungSpielende));
    return true;
}

void TfrmMain::mnuNeuesSpielClick(bool beimStart)
{
    if (!frmEinstellungen_)
        return;
    const QRect fenster = frameGeometry();
    const QSize dialog = G::EinstellungenRahmen;
    frmEinstellungen_->move(fenster.left() + (fenster.width() - dialog.width()) / 2,
                            fenster.top() + (fenster.height() - dialog.height()) / 2);
    frmEinstellungen_->Vorlegen(sitzung_.einstellungen());
    if (frmEinstellungen_->exec() == QDialog::Accepted) {
        const sitzung::Einstellungen neu = frmEinstellungen_->Gewaehlt();
        bild_.BildVorbereiten(neu.bilddatei);
        sitzung_.NeuesSpiel(neu);  // drawn by InitSpielfeld
    }
    if (beimStart)
        frmEinstellungen_->ZurueckModus();
    // The keys to the board however the dialog closed: a window manager may give the focus
    // elsewhere, and without one nothing gives it back at all.
    activateWindow();
    ptbSpielfeld_->setFocus();
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

// ---- what the session reports ----

// A new game: everything of the last one is drawn over, from the background on.
// A new game with the settings of the last one, without asking.
void TfrmMain::mnuNeuesSpielWieZuvorClick()
{
    if (sitzung_.spiel().phase == Phase::KeinSpiel)
        return;
    bild_.BildVorbereiten(sitzung_.einstellungen().bilddatei);
    sitzung_.NeuesSpiel(sitzung_.einstellungen());
}

void TfrmMain::InitSpielfeld()
{
    const engine::Spielstand& s = sitzung_.spiel();
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
    bild_.HintergrundZeichnen();
    bild_.ZeigeSchrift(texte_.englisch());
    bild_.ZeigeZugNr(s.ZugAnzahl);
    bild_.ZeigeZeit(s.Sekunden);
    if (sitzung_.einstellungen().swBild) {
        ptbSpielfeld_->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCursor::setPos(QCursor::pos() + QPoint(1, 0));  // makes the busy cursor appear at once
        bild_.Faerben();
        QApplication::restoreOverrideCursor();
    }
    bild_.VorschauZeichnen();
    bild_.BrettWaehlen(s.n(), s.variante);
    bild_.BrettZeichnen(s);
    pauseGezeigt_ = false;
    bewegung_.reset();
    glanz_ = false;
    tipp_.reset();
    ++spielNummer_;
    PhaseUebernehmen(s.phase);
    ptbSpielfeldPaint();
    ptbSpielfeld_->setFocus();
}

namespace {

constexpr int BewegungMs = 120;
constexpr int GlanzMs = 450;

} // namespace

void TfrmMain::Gezogen(const engine::Zug& zug, const std::vector<int>& felder)
{
    if (vorlieben_.animation()) {  // a move still in motion simply gives way to this one
        bewegung_ = zug;
        bewegungsUhr_.start();
        bildTakt_.start();
    }
    Spiele("ton1.wav");
    bild_.ZeigeZugNr(sitzung_.spiel().ZugAnzahl);
    bild_.FelderZeichnen(sitzung_.spiel(), felder);
    AktionenAktualisieren();
    ptbSpielfeldPaint();
}

// Transient pictures over the board picture: a move in motion, the glow of a solved board, the
// keyboard cursor. With animation off only the cursor is ever drawn here.
void TfrmMain::Ueberlagern(QPainter& p)
{
    if (bewegung_) {
        const double anteil = double(bewegungsUhr_.elapsed()) / BewegungMs;
        if (anteil < 1)
            bild_.ZeigeBewegung(p, sitzung_.spiel(), *bewegung_, anteil);
        else
            bewegung_.reset();
    }
    if (glanz_)
        bild_.ZeigeGlanz(p, 1.0 - double(glanzUhr_.elapsed()) / GlanzMs);
    if (!bewegung_ && !glanz_)
        bildTakt_.stop();
    bild_.ZeigeCursor(p, sitzung_.spiel().variante, sitzung_.cursor());
    if (tipp_)
        bild_.ZeigeTipp(p, *tipp_);
}

void TfrmMain::Zeit(int sekunden)
{
    bild_.ZeigeZeit(sekunden);
    Neuzeichnen(bild_.NimmVeraendert());
}

void TfrmMain::PhaseUebernehmen(Phase phase)
{
    ptbSpielfeld_->setEnabled(sitzung_.spiel().brettAktiv());
    mnuPause_->setEnabled(sitzung_.spiel().pauseVerfuegbar());
    mnuPause_->setChecked(sitzung_.spiel().pausiert());
    AktionenAktualisieren();
    if (phase == Phase::Pausiert) {
        bewegung_.reset();
        bild_.PauseZeigen();
        pauseGezeigt_ = true;
        ptbSpielfeldPaint();
    } else if (std::exchange(pauseGezeigt_, false) && phase == Phase::Laeuft) {
        bild_.BrettZeichnen(sitzung_.spiel());
        ptbSpielfeldPaint();
    }
}

void TfrmMain::SpielBeendet(engine::Ende ende)
{
    switch (ende) {
    case engine::Ende::Geloest:
        if (vorlieben_.animation()) {  // the solved board glows before the list opens
            glanz_ = true;
            glanzUhr_.start();
            bildTakt_.start();
            QTimer::singleShot(GlanzMs, this, [this, spiel = spielNummer_] {
                if (spiel != spielNummer_)
                    return;
                glanz_ = false;
                bewegung_.reset();
                SpielGeloest();
            });
        } else {
            SpielGeloest();
        }
        break;
    case engine::Ende::MaxZuege: GrenzeErreicht(daten::text::MaxZuege, Fensterpunkt(G::MeldungMaxZuege)); break;
    case engine::Ende::MaxZeit: GrenzeErreicht(daten::text::MaxZeit, Fensterpunkt(G::MeldungMaxZeit)); break;
    case engine::Ende::Keins: break;
    }
}

// ---- the window's state ----

// Undo and redo only while the session has something to take back or do again; a quick new
// game once a game has been set up.
void TfrmMain::AktionenAktualisieren()
{
    const bool spielbar = sitzung_.spiel().brettAktiv() && !sitzung_.spiel().pausiert();
    mnuTipp_->setEnabled(spielbar);
    mnuLoesen_->setEnabled(spielbar);
    mnuRueckgaengig_->setEnabled(sitzung_.KannRueckgaengig());
    mnuWiederholen_->setEnabled(sitzung_.KannWiederholen());
    mnuNeuesSpielWieZuvor_->setEnabled(sitzung_.spiel().phase != Phase::KeinSpiel);
}

void TfrmMain::Neuzeichnen(const QRegion& klassisch) { ptbSpielfeld_->update(bild_.geometrie().fenster(klassisch)); }

// Where the passing marks lie now: tile numbers, cursor, hint, a move in motion, the glow.
QRegion TfrmMain::Ueberlagert() const
{
    const engine::Spielstand& s = sitzung_.spiel();
    QRegion bereich = bild_.NummernBereich(s, sitzung_.nummernmodus(), sitzung_.nummernfeld());
    bereich += bild_.CursorBereich(s.variante, sitzung_.cursor());
    if (tipp_)
        bereich += bild_.TippBereich(*tipp_);
    if (bewegung_)
        bereich += bild_.BewegungsBereich(*bewegung_);
    if (glanz_)
        bereich += bild_.geometrie().brett();
    return bereich;
}

// What the picture changed, and where the passing marks lie, now and before.
void TfrmMain::ptbSpielfeldPaint()
{
    const QRegion vorher = std::exchange(ueberlagert_, Ueberlagert());
    Neuzeichnen(bild_.NimmVeraendert() + vorher + ueberlagert_);
}

// Another screen or scale: the picture is painted again at the new ratio, showing what it showed.
void TfrmMain::VerhaeltnisUebernehmen()
{
    if (bild_.VerhaeltnisSetzen(devicePixelRatioF()))
        ptbSpielfeldPaint();
}

QPoint TfrmMain::Fensterpunkt(QPoint klassisch) const
{
    return frameGeometry().topLeft() + bild_.geometrie().versatz(klassisch);
}

void TfrmMain::Spiele(const char* datei)
{
    if (vorlieben_.ton() && audioVorhanden_.value_or(false) && dienste_.Ton)
        dienste_.Ton(QLatin1String(datei));
}

// ---- play ----

void TfrmMain::ptbSpielfeldMouseDown(Qt::MouseButton taste, QPoint punkt)
{
    const engine::Taste t = taste == Qt::LeftButton    ? engine::Taste::Links
                            : taste == Qt::RightButton ? engine::Taste::Rechts
                                                       : engine::Taste::Mitte;
    sitzung_.Eingabe(engine::Eingabe::Zeiger(bild_.geometrie().ZielBei(punkt), t));
}

// The board's keys as the rules know them; any other key is not the board's.
void TfrmMain::SpielfeldTaste(int taste, Qt::KeyboardModifiers umschalter)
{
    using engine::Spieltaste;
    static const std::map<int, Spieltaste> tasten = {
        {Qt::Key_Left, Spieltaste::Links},      {Qt::Key_Right, Spieltaste::Rechts},
        {Qt::Key_Up, Spieltaste::Hoch},         {Qt::Key_Down, Spieltaste::Runter},
        {Qt::Key_Space, Spieltaste::Drehen},    {Qt::Key_Return, Spieltaste::Drehen},
        {Qt::Key_Enter, Spieltaste::Drehen},    {Qt::Key_Backspace, Spieltaste::GegenDrehen},
        {Qt::Key_N, Spieltaste::Nummern}};
    if (const auto t = tasten.find(taste); t != tasten.end())
        sitzung_.Eingabe(engine::Eingabe::Tastatur(t->second, umschalter & Qt::ShiftModifier));
}

// The finished picture over the board, and the preview shown whatever the settings said.
void TfrmMain::BrettSchliessen()
{
    bild_.GanzesBild();
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
    ptbSpielfeldPaint();
}

void TfrmMain::SpielGeloest()
{
    BrettSchliessen();
    if (!frmBestenListe_)
        return;
    const engine::Spielstand& s = sitzung_.spiel();
    const beste::Ergebnis ergebnis{s.variante, s.n(), s.ZugAnzahl, s.Sekunden};
    if (sitzung_.mitHilfe()) {
        Spiele("ton3.wav");
        dienste_.Meldung(QMessageBox::Information, texte_(daten::text::MitHilfe), Fensterpunkt(G::MeldungSpielende));
    } else if (frmBestenListe_->KommtInListe(ergebnis)) {
        Spiele("ton2.wav");
        frmBestenListe_->move(Fensterpunkt(G::Bestenliste));
        frmBestenListe_->NimmAuf(ergebnis);
    } else {
        Spiele("ton3.wav");
        dienste_.Meldung(QMessageBox::Information, texte_(daten::text::KeinEintrag), Fensterpunkt(G::MeldungSpielende));
    }
}

// The move and time limits: sound and message first, then the board closes.
void TfrmMain::GrenzeErreicht(int textId, QPoint wo)
{
    Spiele("ton3.wav");
    dienste_.Meldung(QMessageBox::Information, texte_(textId), wo);
    BrettSchliessen();
}

// ---- menu commands ----

void TfrmMain::mnuPauseClick() { sitzung_.PauseUmschalten(); }

void TfrmMain::mnuSprachAuswahlClick(QAction* eintrag)
{
    const auto sprache = eintrag == mnuEnglish_ ? daten::Sprache::Englisch : daten::Sprache::Deutsch;
    try {
        vorlieben_.SpracheSetzen(sprache);
    } catch (const daten::Schreibfehler& fehler) {
        // The texts stay in the old language, and so does the check mark.
        (texte_.englisch() ? mnuEnglish_ : mnuDeutsch_)->setChecked(true);
        dienste_.Fehlerbericht(fehler.text());
        return;
    }
    eintrag->setChecked(true);
    bild_.ZeigeSchrift(texte_.englisch());
    ptbSpielfeldPaint();
}

void TfrmMain::mnuAnimationClick()
{
    try {
        vorlieben_.AnimationSetzen(mnuAnimation_->isChecked());
    } catch (const daten::Schreibfehler& fehler) {
        mnuAnimation_->setChecked(vorlieben_.animation());
        dienste_.Fehlerbericht(fehler.text());
    }
}

// The check marks show the preferences, whoever changed them. The audio system is asked once,
// when sound is first switched on.
void TfrmMain::VorliebeUebernehmen(daten::Vorlieben::Schluessel schluessel)
{
    using S = daten::Vorlieben::Schluessel;
    if (schluessel == S::Animation)
        mnuAnimation_->setChecked(vorlieben_.animation());
    if (schluessel != S::Ton)
        return;
    mnuTon_->setChecked(vorlieben_.ton());
    if (vorlieben_.ton() && !audioVorhanden_)
        audioVorhanden_ = dienste_.AudioVorhanden && dienste_.AudioVorhanden();
}

void TfrmMain::mnuTippClick() { sitzung_.Tipp(); }

// The best next move, marked for a moment and only on the screen.
void TfrmMain::TippZeigen(engine::Zug zug)
{
    tipp_ = zug;
    ptbSpielfeldPaint();
    QTimer::singleShot(1500, this, [this, nummer = ++tippNummer_] {
        if (nummer == tippNummer_ && tipp_) {
            tipp_.reset();
            ptbSpielfeldPaint();
        }
    });
}

void TfrmMain::mnuLoesenClick()
{
    tipp_.reset();
    sitzung_.Loesen();
}

void TfrmMain::AbspielenStoppen() { sitzung_.HilfeAnhalten(); }

void TfrmMain::mnuBestenlisteClick()
{
    if (!frmBestenListe_)
        return;
    frmBestenListe_->move(Fensterpunkt(G::Bestenliste));
    frmBestenListe_->Zeige(sitzung_.einstellungen().variante, sitzung_.einstellungen().groesse);
}

void TfrmMain::mnuHilfeClick()
{
    if (!hilfe_)
        hilfe_ = new Hilfefenster(this);
    hilfe_->Zeige(texte_.hilfeDatei(), texte_.englisch());
}

void TfrmMain::mnuInfoClick()
{
    infoBox_.Zentrieren(frameGeometry());
    infoBox_.Execute(this);
}

void TfrmMain::mnuBeendenClick() { close(); }

} // namespace haupt
