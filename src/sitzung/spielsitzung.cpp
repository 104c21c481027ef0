#include "sitzung/spielsitzung.h"

#include "engine/mischen.h"
#include "engine/uhr.h"

namespace sitzung {

using engine::Phase;

namespace {

// Times of a game are kept to the second: the file and the journal hold no more.
QDateTime Jetzt()
{
    const QDateTime jetzt = QDateTime::currentDateTimeUtc();
    return jetzt.addMSecs(-jetzt.time().msec());
}

} // namespace

Spielsitzung::Spielsitzung(engine::Zufall& zufall, QObject* eltern) : QObject(eltern), zufall_(zufall)
{
    uhr_.setInterval(1000);
    connect(&uhr_, &QTimer::timeout, this, &Spielsitzung::Sekunde);
    connect(&helfer_, &Helfer::tipp, this, [this](engine::Zug zug) {
        if (!spiel_.brettAktiv() || spiel_.pausiert())
            return;
        emit tippGezeigt(zug);
        if (!std::exchange(stand_.mitHilfe, true))
            emit geaendert();
    });
    connect(&helfer_, &Helfer::zugFaellig, this, [this](engine::Zug zug) {
        if (!spiel_.brettAktiv() || spiel_.pausiert()) {
            helfer_.Abbrechen();
            return;
        }
        stand_.mitHilfe = true;
        stand_.zurueckgenommen.clear();
        Spiele(zug, true);
    });
    connect(&helfer_, &Helfer::denkt, this, &Spielsitzung::denkt);
}

void Spielsitzung::NeuesSpiel(const Einstellungen& einstellungen, daten::Zuschnitt zuschnitt)
{
    Schnappschuss neu;
    neu.einstellungen = einstellungen;
    neu.zuschnitt = zuschnitt;
    engine::NeuesSpiel(neu.spiel, zufall_, einstellungen.variante, einstellungen.groesse, einstellungen.posZufall);
    neu.start = neu.spiel;
    neu.beginn = Jetzt();
    Uebernehmen(neu);
}

void Spielsitzung::Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand,
                              const Herkunft& herkunft, daten::Zuschnitt zuschnitt)
{
    Schnappschuss neu;
    neu.einstellungen = einstellungen;
    neu.spiel = stand;
    neu.herkunft = herkunft;
    neu.zuschnitt = zuschnitt;
    if (stand.ZugAnzahl == 0)
        neu.start = stand;
    neu.beginn = Jetzt();
    Uebernehmen(neu);
}

void Spielsitzung::Wiederherstellen(const Schnappschuss& stand)
{
    Schnappschuss wartend = stand;
    if (wartend.spiel.phase == Phase::Laeuft)
        wartend.spiel.phase = Phase::Pausiert;  // a game put back waits for the player
    if (!wartend.beginn.isValid())
        wartend.beginn = Jetzt();  // saved without it: its time counts from now
    Uebernehmen(wartend);
}

void Spielsitzung::BildPruefsummeSetzen(const QString& bilddatei, const QByteArray& pruefsumme)
{
    if (bilddatei == einstellungen_.bilddatei)
        stand_.bildPruefsumme = pruefsumme;
}

void Spielsitzung::Uebernehmen(const Schnappschuss& stand)
{
    helfer_.Abbrechen();
    if (unvollendet())
        emit spielZuEnde(Ergebnis(Ausgang::Abgebrochen));
    const Phase vorher = spiel_.phase;
    stand_ = stand;
    nummernmodus_ = Nummernmodus::Keine;
    uhr_.stop();
    helfer_.Vorbereiten(spiel_);
    emit neuesSpielBegonnen();
    SetzePhase(vorher);
    emit geaendert();
}

void Spielsitzung::Aufgeben()
{
    if (!unvollendet())
        return;
    uhr_.stop();
    helfer_.Abbrechen();
    const Spielergebnis ergebnis = Ergebnis(Ausgang::Abgebrochen);
    engine::SpielBeenden(spiel_);
    emit phaseGeaendert(spiel_.phase);
    emit spielZuEnde(ergebnis);
    emit geaendert();
}

void Spielsitzung::Eingabe(const engine::Eingabe& eingabe)
{
    helfer_.Abbrechen();
    if (!spiel_.brettAktiv())
        return;
    if (spiel_.pausiert()) {
        PauseUmschalten();
        return;
    }
    const engine::Handlung handlung = engine::Interpretiere(spiel_, stand_.cursor, eingabe);
    CursorSetzen(handlung.cursor);
    if (handlung.zug) {
        stand_.zurueckgenommen.clear();
        Spiele(*handlung.zug, true);
    } else if (handlung.nummernfeld) {
        NummernSchritt(*handlung.nummernfeld);
    }
}

// The cursor goes into the file with the next change of the game.
void Spielsitzung::CursorSetzen(int cursor)
{
    if (std::exchange(stand_.cursor, cursor) != cursor)
        emit cursorGeaendert();
}

void Spielsitzung::NummernSchritt(int feld)
{
    if (nummernmodus_ == Nummernmodus::Keine) {
        nummernmodus_ = Nummernmodus::EinFeld;
        nummernfeld_ = feld;
    } else {
        nummernmodus_ = nummernmodus_ == Nummernmodus::EinFeld ? Nummernmodus::Alle : Nummernmodus::Keine;
    }
    emit nummernGeaendert();
}

void Spielsitzung::Tipp()
{
    if (spiel_.brettAktiv() && !spiel_.pausiert() && !helfer_.loest())
        helfer_.TippAnfordern(spiel_);
}

void Spielsitzung::Loesen()
{
    if (spiel_.brettAktiv() && !spiel_.pausiert())
        helfer_.LoesungAnfordern(spiel_);
}

bool Spielsitzung::Ziehe(const engine::Zug& zug)
{
    if (!spiel_.brettAktiv() || spiel_.pausiert())
        return false;
    helfer_.Abbrechen();
    stand_.zurueckgenommen.clear();
    return Spiele(zug, true);
}

// Every move counted is kept in the game's course; `merken` also gives undo a move to take back.
bool Spielsitzung::Spiele(const engine::Zug& zug, bool merken)
{
    const Phase vorher = spiel_.phase;
    const engine::Zugfolge folge = engine::Ziehe(spiel_, zug);
    stand_.gespielt.push_back(zug);
    stand_.zugSekunden.push_back(spiel_.Sekunden);
    if (merken)
        stand_.verlauf.push_back(zug);
    nummernmodus_ = Nummernmodus::Keine;
    if (spiel_.uhrLaeuft() && !uhr_.isActive())
        uhr_.start();
    emit gezogen(zug, folge.felder);
    if (folge.ende == engine::Ende::Geloest)
        Beende(Ausgang::Geloest);
    else if (folge.ende == engine::Ende::MaxZuege)
        Beende(Ausgang::MaxZuege);
    else if (spiel_.phase != vorher)
        SetzePhase(vorher);  // tells the change with the phase
    else
        emit geaendert();
    return true;
}

void Spielsitzung::PauseUmschalten()
{
    helfer_.Abbrechen();
    const Phase vorher = spiel_.phase;
    if (engine::PauseUmschalten(spiel_))
        nummernmodus_ = Nummernmodus::Keine;
    SetzePhase(vorher);
}

// Seconds alone are not saved: they go with the next change, or the end.
void Spielsitzung::Sekunde()
{
    if (!engine::Tick(spiel_).gezaehlt)
        return;
    emit sekundeVergangen(spiel_.Sekunden);
    if (spiel_.phase == Phase::Vorbei)
        Beende(Ausgang::MaxZeit);
}

bool Spielsitzung::KannRueckgaengig() const
{
    return spiel_.brettAktiv() && !spiel_.pausiert() && !stand_.verlauf.empty();
}

bool Spielsitzung::KannWiederholen() const
{
    return spiel_.brettAktiv() && !spiel_.pausiert() && !stand_.zurueckgenommen.empty();
}

void Spielsitzung::Rueckgaengig()
{
    helfer_.Abbrechen();
    if (!KannRueckgaengig())
        return;
    const engine::Zug zug = stand_.verlauf.back();
    stand_.verlauf.pop_back();
    stand_.zurueckgenommen.push_back(zug);
    Spiele(engine::Umkehrung(zug), false);
}

void Spielsitzung::Wiederholen()
{
    helfer_.Abbrechen();
    if (!KannWiederholen())
        return;
    const engine::Zug zug = stand_.zurueckgenommen.back();
    stand_.zurueckgenommen.pop_back();
    Spiele(zug, true);
}

// Every end stops the clock and shows the preview again, whatever the settings said; the
// result keeps the settings the game was played with.
void Spielsitzung::Beende(Ausgang ausgang)
{
    uhr_.stop();
    helfer_.Abbrechen();
    const Spielergebnis ergebnis = Ergebnis(ausgang);
    einstellungen_.vorschau = true;
    CursorSetzen(0);  // the keyboard frame leaves the finished picture
    emit phaseGeaendert(spiel_.phase);
    emit geaendert();
    emit spielZuEnde(ergebnis);
}

void Spielsitzung::SetzePhase(Phase vorher)
{
    if (spiel_.uhrLaeuft()) {
        if (!uhr_.isActive())
            uhr_.start();
    } else {
        uhr_.stop();
    }
    if (spiel_.phase != vorher) {
        emit phaseGeaendert(spiel_.phase);
        emit geaendert();
    }
}

Spielergebnis Spielsitzung::Ergebnis(Ausgang ausgang) const
{
    Spielergebnis e;
    e.ausgang = ausgang;
    e.einstellungen = einstellungen_;
    e.zuschnitt = stand_.zuschnitt;
    e.bildPruefsumme = stand_.bildPruefsumme;
    e.zuege = spiel_.ZugAnzahl;
    e.sekunden = spiel_.Sekunden;
    e.mitHilfe = stand_.mitHilfe;
    e.start = stand_.start;
    e.gespielt = stand_.gespielt;
    e.zugSekunden = stand_.zugSekunden;
    e.beginn = stand_.beginn;
    e.ende = Jetzt();
    e.herkunft = stand_.herkunft;
    return e;
}

} // namespace sitzung
