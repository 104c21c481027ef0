#include "sitzung/wiedergabe.h"

#include <algorithm>
#include <cstdlib>

#include "engine/zug.h"

namespace sitzung {

bool Spielbar(const engine::Spielstand& s, const engine::Zug& zug)
{
    using engine::Operation;
    const int n = s.n();
    const auto innen = [](int x, int bis) { return x >= 1 && x <= bis; };
    switch (zug.op) {
    case Operation::TeilSchieben: {
        if (s.variante != engine::Variante::Schieben || !innen(zug.a, n * n) || !innen(zug.b, n * n))
            return false;
        const int ds = std::abs((zug.a - 1) % n - (zug.b - 1) % n), dz = std::abs((zug.a - 1) / n - (zug.b - 1) / n);
        return ds + dz == 1 && s.Spielfeld[zug.b] == 0 && s.Spielfeld[zug.a] != 0;
    }
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
    case Operation::SpalteRunter:
    case Operation::SpalteHoch: return s.variante == engine::Variante::Verschieben && innen(zug.a, n);
    case Operation::AchseRechts:
    case Operation::AchseLinks: return s.variante == engine::Variante::Drehen && innen(zug.a, engine::AchsenAnzahl(n));
    }
    return false;
}

Wiedergabe::Wiedergabe(QObject* eltern) : QObject(eltern)
{
    TempoSetzen(tempo_);
    connect(&takt_, &QTimer::timeout, this, [this] {
        Vor();
        if (zug_ >= anzahl())
            Anhalten();
    });
}

bool Wiedergabe::Laden(const Spielergebnis& ergebnis)
{
    if (!ergebnis.start || ergebnis.start->n() < 3 || ergebnis.start->n() > engine::MaxSeite)
        return false;
    std::vector<engine::Spielstand> bretter;
    bretter.reserve(ergebnis.gespielt.size() + 1);
    engine::Spielstand s = *ergebnis.start;
    s.ZugAnzahl = 0;
    s.Sekunden = 0;
    s.phase = engine::Phase::Aufgebaut;
    bretter.push_back(s);
    s.phase = engine::Phase::Laeuft;
    for (std::size_t i = 0; i < ergebnis.gespielt.size(); ++i) {
        if (!Spielbar(s, ergebnis.gespielt[i]))
            return false;
        engine::Ausfuehren(s, ergebnis.gespielt[i]);
        s.ZugAnzahl = uint16_t(std::min<std::size_t>(i + 1, engine::MaxZuege));
        // A record of the first saved-game format knows no second for each move.
        s.Sekunden = i < ergebnis.zugSekunden.size() ? ergebnis.zugSekunden[i] : 0;
        bretter.push_back(s);
    }
    Anhalten();
    ergebnis_ = ergebnis;
    bretter_ = std::move(bretter);
    zug_ = 0;
    emit gezeigt(0, std::nullopt);
    return true;
}

void Wiedergabe::Springen(int k)
{
    if (!geladen())
        return;
    k = std::clamp(k, 0, anzahl());
    if (k == zug_)
        return;
    const bool schritt = k == zug_ + 1;
    zug_ = k;
    emit gezeigt(zug_, schritt ? std::optional(ergebnis_.gespielt[std::size_t(k - 1)]) : std::nullopt);
}

void Wiedergabe::Abspielen()
{
    if (!geladen() || spielt())
        return;
    if (zug_ >= anzahl())
        Springen(0);  // at the end, play starts over
    takt_.start();
    emit spieltGeaendert(true);
}

void Wiedergabe::Anhalten()
{
    if (!spielt())
        return;
    takt_.stop();
    emit spieltGeaendert(false);
}

void Wiedergabe::TempoSetzen(int zuegeProSekunde)
{
    tempo_ = std::clamp(zuegeProSekunde, 1, TempoHoechstens);
    takt_.setInterval(1000 / tempo_);
}

} // namespace sitzung
