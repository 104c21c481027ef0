// The main window's size: the zoom from the size menu or a dragged frame, kept in options.ini,
// and the window and its picture brought to it.

#include <QLayout>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "daten/inidatei.h"
#include "main/frmmain.h"
#include "main/spielfeldanzeige.h"

namespace haupt {

using G = Brettgeometrie;

// The paint box at the zoom's size: held there while the window takes it, then free to be
// dragged between the classic size and what the screen holds.
void TfrmMain::ClientBreiteSetzen(bool vorschau)
{
    const QSize groesse = bild_.geometrie().client(vorschau);
    ptbSpielfeld_->setFixedSize(groesse);
    layout()->activate();
    resize(minimumSize());  // the paint box's size with the menu bar above it
    const auto bei = [&](int prozent) {
        return Brettgeometrie(4, engine::Variante::Schieben, prozent / 100.0).client(vorschau);
    };
    ptbSpielfeld_->setMinimumSize(bei(G::Zoomstufen[0]));
    ptbSpielfeld_->setMaximumSize(bei(GroessterZoom()).expandedTo(groesse));
    layout()->activate();
}

void TfrmMain::mnuGroesseClick(int prozent)
{
    try {
        vorlieben_.GroesseSetzen(prozent);
    } catch (const daten::Schreibfehler& fehler) {
        dienste_.Fehlerbericht(fehler.text());  // the size applies all the same, for this run
    }
    ZoomAnwenden(prozent);
}

// A frame dragged to a size: the largest zoom in whole percent that fits it, the window then
// snapped to that zoom's proportions.
void TfrmMain::GezogeneGroesseUebernehmen()
{
    const bool vorschau = sitzung_.einstellungen().vorschau;
    const QSize ist = ptbSpielfeld_->size();
    const int breite = vorschau ? G::ClientBreiteMitVorschau : G::ClientBreiteOhneVorschau;
    const int prozent = std::clamp(std::min(ist.width() * 100 / breite, ist.height() * 100 / G::ClientHoehe),
                                   G::Zoomstufen[0], std::max(GroessterZoom(), int(std::lround(bild_.zoom() * 100))));
    mnuGroesseClick(prozent);
}

void TfrmMain::ZoomAnwenden(int prozent)
{
    for (auto [stufe, eintrag] : mnuGroessen_)
        eintrag->setChecked(stufe == prozent);
    if (bild_.ZoomSetzen(prozent / 100.0))
        ptbSpielfeldPaint();  // the picture shows what it showed, all of it to be painted again
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
}

// The largest zoom whose window the screen's free area holds, the frame counted as now, within
// what the options file keeps.
int TfrmMain::GroessterZoom() const
{
    const QScreen* bildschirm = screen();
    if (!bildschirm)
        return G::Zoomstufen[std::size(G::Zoomstufen) - 1];
    // The frame and the menu bar; not the window's size minus the paint box, which during a
    // drag counts the room the box does not fill yet.
    const QSize rand = frameGeometry().size() - size() + QSize(0, menuWidget() ? menuWidget()->height() : 0);
    const QSize frei = bildschirm->availableGeometry().size() - rand;
    const int breite = sitzung_.einstellungen().vorschau ? G::ClientBreiteMitVorschau : G::ClientBreiteOhneVorschau;
    const int passt = std::min(frei.width() * 100 / breite, frei.height() * 100 / G::ClientHoehe);
    return std::clamp(passt, G::Zoomstufen[0], daten::Vorlieben::GroessteGroesse);  // what is kept is what a restart shows
}

} // namespace haupt
