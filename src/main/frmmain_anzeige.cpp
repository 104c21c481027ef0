// The main window's picture of the game: a new game drawn from the background on, moves, the
// clock, the pause, and the passing marks over the board (a move in motion, the glow of a
// solved board, the keyboard cursor, a hint), each painted again only where it changed.

#include <QApplication>
#include <QCursor>

#include "main/frmmain.h"
#include "main/spielfeldanzeige.h"

namespace haupt {

using engine::Phase;
using G = Brettgeometrie;

// ---- what the session reports ----

// A new game: everything of the last one is drawn over, from the background on, with the
// picture the game's leader chose.
void TfrmMain::InitSpielfeld()
{
    const engine::Spielstand& s = sitzung_.spiel();
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
    bild_.BildVorbereiten(leitung_.bild());
    bild_.HintergrundZeichnen();
    bild_.ZeigeSchrift(daten::SprachCode(texte_.sprache()));
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

void TfrmMain::Gezogen(const engine::Zug& zug, const std::vector<int>& felder)
{
    if (vorlieben_.animation()) {  // a move still in motion simply gives way to this one
        bewegung_ = zug;
        bewegungsUhr_.start();
        bildTakt_.start();
    }
    Spiele(QStringLiteral("ton1.wav"));
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
            bild_.ZeigeBewegung(p, gezeigt(), *bewegung_, anteil);
        else
            bewegung_.reset();
    }
    if (glanz_)
        bild_.ZeigeGlanz(p, 1.0 - double(glanzUhr_.elapsed()) / GlanzMs);
    if (!bewegung_ && !glanz_)
        bildTakt_.stop();
    if (siehtAn_)
        return;
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
    mnuNochEinmal_->setEnabled(leitung_.KannNochEinmal());
    mnuCodeKopieren_->setEnabled(leitung_.KannNochEinmal());
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

void TfrmMain::Spiele(const QString& datei)
{
    if (vorlieben_.ton() && audioVorhanden_.value_or(false) && dienste_.Ton)
        dienste_.Ton(datei);
}

} // namespace haupt
