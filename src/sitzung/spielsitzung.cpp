#include "sitzung/spielsitzung.h"

#include "engine/mischen.h"
#include "engine/uhr.h"

namespace sitzung {

using engine::Phase;

Spielsitzung::Spielsitzung(engine::Zufall& zufall, QObject* eltern) : QObject(eltern), zufall_(zufall)
{
    uhr_.setInterval(1000);
    connect(&uhr_, &QTimer::timeout, this, &Spielsitzung::Sekunde);
}

void Spielsitzung::NeuesSpiel(const Einstellungen& einstellungen)
{
    engine::Spielstand neu;
    engine::NeuesSpiel(neu, zufall_, einstellungen.variante, einstellungen.groesse, einstellungen.posZufall);
    Fortsetzen(einstellungen, neu);
}

void Spielsitzung::Fortsetzen(const Einstellungen& einstellungen, const engine::Spielstand& stand)
{
    const Phase vorher = spiel_.phase;
    einstellungen_ = einstellungen;
    spiel_ = stand;
    nummernmodus_ = Nummernmodus::Keine;
    mitHilfe_ = false;
    verlauf_.clear();
    zurueckgenommen_.clear();
    uhr_.stop();
    emit neuesSpielBegonnen();
    SetzePhase(vorher);
}

void Spielsitzung::Druecke(const engine::Ziel& ziel, engine::Taste taste)
{
    if (spiel_.pausiert()) {
        PauseUmschalten();
        return;
    }
    const engine::Absicht absicht = engine::Deute(spiel_, ziel, taste);
    if (absicht.art == engine::Absicht::Art::Zug) {
        zurueckgenommen_.clear();
        Spiele(absicht.zug, true);
    } else if (absicht.art == engine::Absicht::Art::Nummernhilfe) {
        if (nummernmodus_ == Nummernmodus::Keine) {
            nummernmodus_ = Nummernmodus::EinFeld;
            nummernfeld_ = absicht.feld;
        } else {
            nummernmodus_ = nummernmodus_ == Nummernmodus::EinFeld ? Nummernmodus::Alle : Nummernmodus::Keine;
        }
        emit nummernGeaendert();
    }
}

bool Spielsitzung::Ziehe(const engine::Zug& zug)
{
    if (!spiel_.brettAktiv() || spiel_.pausiert())
        return false;
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
    if (folge.ende != engine::Ende::Keins)
        Beende(folge.ende);
    else
        SetzePhase(vorher);
    return true;
}

void Spielsitzung::PauseUmschalten()
{
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
    if (!KannRueckgaengig())
        return;
    const engine::Zug zug = verlauf_.back();
    verlauf_.pop_back();
    zurueckgenommen_.push_back(zug);
    Spiele(engine::Umkehrung(zug), false);
}

void Spielsitzung::Wiederholen()
{
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
    einstellungen_.vorschau = true;
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
    if (spiel_.phase != vorher)
        emit phaseGeaendert(spiel_.phase);
}

} // namespace sitzung
