// A recorded game watched again on the board, from Game → Watch last game or the statistics
// window. The game in progress is left as it is, its clock held; the replay draws its own boards
// and counters, and any other command (a menu, a click or key on the board) ends it and draws
// the game again as it stands.

#include <QLayout>

#include "main/frmmain.h"
#include "main/spielfeldanzeige.h"
#include "main/wiedergabeleiste.h"

namespace haupt {

namespace text = daten::text::wiedergabe;

void TfrmMain::AufzeichnungenSetzen(std::function<std::optional<Aufzeichnung>()> letzte, std::function<bool()> vorhanden)
{
    letzteAufzeichnung_ = std::move(letzte);
    aufzeichnungVorhanden_ = std::move(vorhanden);
}

void TfrmMain::mnuLetztesSpielClick()
{
    if (letztesSpiel_)
        return Ansehen({*letztesSpiel_, true});
    if (const auto aufzeichnung = letzteAufzeichnung_ ? letzteAufzeichnung_() : std::nullopt)
        return Ansehen(*aufzeichnung);
    dienste_.Meldung(QMessageBox::Information, texte_(text::KeinSpiel), Fensterpunkt(Brettgeometrie::MeldungSpielende));
}

void TfrmMain::Ansehen(const Aufzeichnung& aufzeichnung)
{
    AbspielenStoppen();  // a replay already running ends too
    if (!aufzeichnung.lesbar || !wiedergabe_.Laden(aufzeichnung.ergebnis)) {
        dienste_.Meldung(QMessageBox::Warning, texte_(text::Unlesbar), Fensterpunkt(Brettgeometrie::MeldungSpielende));
        return;
    }
    sitzung_.UhrHalten(true);
    bewegung_.reset();
    tipp_.reset();
    glanz_ = false;
    if (!leiste_) {
        leiste_ = new Wiedergabeleiste(wiedergabe_, texte_, this);
        addToolBar(Qt::BottomToolBarArea, leiste_);
        connect(leiste_, &Wiedergabeleiste::beenden, this, [this] { WiedergabeBeenden(); });
        connect(&wiedergabe_, &sitzung::Wiedergabe::gezeigt, this, &TfrmMain::WiedergabeZeigen);
    }
    siehtAn_ = true;
    leiste_->show();
    ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
    WiedergabeBildVorbereiten(aufzeichnung.ergebnis);
    leiste_->Beginnen();
}

// The record's picture as its game had it, and its start board.
void TfrmMain::WiedergabeBildVorbereiten(const sitzung::Spielergebnis& e)
{
    const engine::Spielstand& s = wiedergabe_.brett();
    bild_.BildVorbereiten(e.einstellungen.bilddatei, e.zuschnitt);
    if (e.einstellungen.swBild)
        bild_.Faerben();
    bild_.VorschauZeichnen();
    bild_.BrettWaehlen(s.n(), s.variante);
    bild_.BrettZeichnen(s);
    bild_.ZeigeZugNr(s.ZugAnzahl);
    bild_.ZeigeZeit(s.Sekunden);
    ptbSpielfeldPaint();
}

void TfrmMain::WiedergabeZeigen(int, std::optional<engine::Zug> bewegung)
{
    if (!siehtAn_)
        return;
    const engine::Spielstand& s = wiedergabe_.brett();
    bewegung_.reset();
    if (bewegung && vorlieben_.animation()) {
        bewegung_ = bewegung;
        bewegungsUhr_.start();
        bildTakt_.start();
    }
    bild_.ZeigeZugNr(s.ZugAnzahl);
    bild_.ZeigeZeit(s.Sekunden);
    bild_.BrettZeichnen(s);
    ptbSpielfeldPaint();
}

bool TfrmMain::WiedergabeBeenden()
{
    if (!std::exchange(siehtAn_, false))
        return false;
    wiedergabe_.Anhalten();
    leiste_->hide();
    SpielWiederZeigen();
    sitzung_.UhrHalten(false);
    return true;
}

// The game as it stands, drawn as a new one is, then as its phase shows it.
void TfrmMain::SpielWiederZeigen()
{
    const engine::Phase phase = sitzung_.spiel().phase;
    if (phase == engine::Phase::KeinSpiel) {
        bild_.HintergrundZeichnen();
        ClientBreiteSetzen(sitzung_.einstellungen().vorschau);
        ptbSpielfeldPaint();
        return;
    }
    InitSpielfeld();
    if (phase == engine::Phase::Vorbei)
        BrettSchliessen();
}

} // namespace haupt
