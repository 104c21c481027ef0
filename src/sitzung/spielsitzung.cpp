#include "sitzung/spielsitzung.h"

#include "engine/mischen.h"
#include "engine/uhr.h"

namespace sitzung {

using engine::Phase;

Spielsitzung::Spielsitzung(engine::Zufall& zufall, QObject* eltern) : QObject(eltern), zufall_(zufall)
{
    uhr_.setInterval(1000);
    connect(&uhr_, &QTimer::timeout, this, &Spielsitzung::Sekunde);
    connect(&helfer_, &Helfer::tipp, this, [this](engine::Zug zug) {
        if (!spiel_.brettAktiv() || spiel_.pausiert())
            return;
        mitHilfe_ = true;
        emit tippGezeigt(zug);
        emit geaendert();
    });
    connect(&helfer_, &Helfer::zugFaellig, this, [this](engine::Zug zug) {
        if (!spiel_.brettAktiv() || spiel_.pausiert()) {
            helfer_.Abbrechen();
            return;
        }
        mitHilfe_ = true;
        zurueckgenommen_.clear();
        Spiele(zug, true);
    });
    connect(&helfer_, &Helfer::denkt, this, &Spielsitzung::denkt);
}

void Spielsitzung::NeuesSpiel(const Einstellungen& einstellungen)
{
    engine::Spielstand neu;
    engine::NeuesSpiel(neu, zufall_, einstellungen.variante, einstellungen.groesse, einstellungen.posZufall);
    Fortsetzen(einstellungen, neu);
}

void Spielsitzung::Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand)
{
    Schnappschuss neu;
    neu.einstellungen = einstellungen;
    neu.spiel = stand;
    Uebernehmen(neu);
}

Schnappschuss Spielsitzung::schnappschuss() const
{
    return {einstellungen_, spiel_, verlauf_, zurueckgenommen_, mitHilfe_, cursor_, {}};
}

void Spielsitzung::Wiederherstellen(const Schnappschuss& stand)
{
    Schnappschuss wartend = stand;
    if (wartend.spiel.phase == Phase::Laeuft)
        wartend.spiel.phase = Phase::Pausiert;  // a game put back waits for the player
    Uebernehmen(wartend);
}

void Spielsitzung::Uebernehmen(const Schnappschuss& stand)
{
    helfer_.Abbrechen();
    const Phase vorher = spiel_.phase;
    einstellungen_ = stand.einstellungen;
    spiel_ = stand.spiel;
    nummernmodus_ = Nummernmodus::Keine;
    mitHilfe_ = stand.mitHilfe;
    cursor_ = stand.cursor;
    verlauf_ = stand.verlauf;
    zurueckgenommen_ = stand.zurueckgenommen;
    uhr_.stop();
    helfer_.Vorbereiten(spiel_);
    emit neuesSpielBegonnen();
    SetzePhase(vorher);
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
    const engine::Handlung handlung = engine::Interpretiere(spiel_, cursor_, eingabe);
    CursorSetzen(handlung.cursor);
    if (handlung.zug) {
        zurueckgenommen_.clear();
        Spiele(*handlung.zug, true);
    } else if (handlung.nummernfeld) {
        NummernSchritt(*handlung.nummernfeld);
    }
}

void Spielsitzung::CursorSetzen(int cursor)
{
    if (std::exchange(cursor_, cursor) != cursor) {
        emit cursorGeaendert();
        emit geaendert();
    }
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
    zurueckgenommen_.clear();
    return Spiele(zug, true);
}

bool Spielsitzung::Spiele(const engine::Zug& zug, bool merken)
{
    const Phase vorher = spiel_.phase;
    const engine::Zugfolge folge = engine::Ziehe(spiel_, zug);
    if (merken)
        verlauf_.push_back(zug);
    nummernmodus_ = Nummernmodus::Keine;
    if (spiel_.uhrLaeuft() && !uhr_.isActive())
        uhr_.start();
    emit gezogen(zug, folge.felder);
    emit geaendert();
    if (folge.ende != engine::Ende::Keins)
        Beende(folge.ende);
    else
        SetzePhase(vorher);
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

void Spielsitzung::Sekunde()
{
    if (!engine::Tick(spiel_).gezaehlt)
        return;
    emit sekundeVergangen(spiel_.Sekunden);
    emit geaendert();
    if (spiel_.phase == Phase::Vorbei)
        Beende(engine::Ende::MaxZeit);
}

bool Spielsitzung::KannRueckgaengig() const { return spiel_.brettAktiv() && !spiel_.pausiert() && !verlauf_.empty(); }

bool Spielsitzung::KannWiederholen() const
{
    return spiel_.brettAktiv() && !spiel_.pausiert() && !zurueckgenommen_.empty();
}

void Spielsitzung::Rueckgaengig()
{
    helfer_.Abbrechen();
    if (!KannRueckgaengig())
        return;
    const engine::Zug zug = verlauf_.back();
    verlauf_.pop_back();
    zurueckgenommen_.push_back(zug);
    Spiele(engine::Umkehrung(zug), false);
}

void Spielsitzung::Wiederholen()
{
    helfer_.Abbrechen();
    if (!KannWiederholen())
        return;
    const engine::Zug zug = zurueckgenommen_.back();
    zurueckgenommen_.pop_back();
    Spiele(zug, true);
}

// Every end stops the clock and shows the preview again, whatever the settings said.
void Spielsitzung::Beende(engine::Ende ende)
{
    uhr_.stop();
    helfer_.Abbrechen();
    einstellungen_.vorschau = true;
    CursorSetzen(0);  // the keyboard frame leaves the finished picture
    emit phaseGeaendert(spiel_.phase);
    emit spielBeendet(ende);
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

} // namespace sitzung
