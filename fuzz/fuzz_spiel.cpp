// The saved game, any bytes: whatever reads as a game is one the session can go on with. Its
// board holds each tile once, its counters and cursor are in range, it is not over, and every
// move of its history is the move a click makes on the board where it stands: undo from the
// board back to the oldest move and redo forward again stay possible. Written again, the file
// reads back as the same game.

#include "eingabe.h"

#include "engine/zug.h"
#include "sitzung/spieldatei.h"

#include <array>

using namespace engine;
using sitzung::Schnappschuss;

namespace {

// The click that makes the move, asked of the rules below; the file's reader knows nothing of it.
std::pair<Ziel, Taste> Klick(const Zug& zug)
{
    switch (zug.op) {
    case Operation::TeilSchieben: return {{Zielart::Feld, zug.a}, Taste::Links};
    case Operation::ZeileRechts: return {{Zielart::StreifenLinks, zug.a}, Taste::Links};
    case Operation::ZeileLinks: return {{Zielart::StreifenRechts, zug.a}, Taste::Links};
    case Operation::SpalteRunter: return {{Zielart::StreifenOben, zug.a}, Taste::Links};
    case Operation::SpalteHoch: return {{Zielart::StreifenUnten, zug.a}, Taste::Links};
    case Operation::AchseRechts: return {{Zielart::Achse, zug.a}, Taste::Links};
    case Operation::AchseLinks: return {{Zielart::Achse, zug.a}, Taste::Rechts};
    }
    return {{}, Taste::Mitte};
}

void PruefeZug(Spielstand& s, const Zug& zug)
{
    const auto [ziel, taste] = Klick(zug);
    const Absicht absicht = Deute(s, ziel, taste);
    PRUEFE(absicht.art == Absicht::Art::Zug && absicht.zug == zug);
    Ausfuehren(s, zug);
}

void PruefeBrett(const Spielstand& s)
{
    const bool schieben = s.variante == Variante::Schieben;
    PRUEFE(s.Groesse >= 3 && s.Groesse <= MaxSeite);
    PRUEFE(schieben ? s.FreiesFeld >= 1 && s.FreiesFeld <= s.felder() : s.FreiesFeld == 0);
    std::array<int, MaxFelder + 1> anzahl{};
    for (int p = 1; p <= s.felder(); ++p) {
        PRUEFE(s.Spielfeld[p] <= s.felder());
        ++anzahl[s.Spielfeld[p]];
    }
    for (int teil = 0; teil <= s.felder(); ++teil) {
        const bool gehoertDazu = schieben ? teil != s.FreiesFeld : teil != 0;
        PRUEFE(anzahl[teil] == (gehoertDazu ? 1 : 0));
    }
    PRUEFE(s.Spielfeld[0] == 0);
    for (int p = s.felder() + 1; p <= MaxFelder; ++p)
        PRUEFE(s.Spielfeld[p] == p);
}

void PruefeSpiel(const Schnappschuss& x)
{
    const Spielstand& s = x.spiel;
    PRUEFE(s.variante == Variante::Schieben || s.variante == Variante::Verschieben || s.variante == Variante::Drehen);
    PRUEFE(x.einstellungen.variante == s.variante && x.einstellungen.groesse == s.n());
    PruefeBrett(s);
    PRUEFE(s.ZugAnzahl <= MaxZuege && s.Sekunden <= MaxSekunden);
    PRUEFE(s.phase == Phase::Aufgebaut || s.phase == Phase::Laeuft || s.phase == Phase::Pausiert);
    const int cursorBis = s.variante == Variante::Verschieben ? s.felder()
                          : s.variante == Variante::Drehen     ? AchsenAnzahl(s.n())
                                                               : 0;
    PRUEFE(x.cursor >= 0 && x.cursor <= cursorBis);
    PRUEFE(x.bildPruefsumme.isEmpty() || x.bildPruefsumme.size() == 32);
    PRUEFE(x.verlauf.size() + x.zurueckgenommen.size() <= sitzung::VerlaufHoechstens);

    Spielstand zurueck = s;
    for (auto zug = x.verlauf.rbegin(); zug != x.verlauf.rend(); ++zug)
        PruefeZug(zurueck, Umkehrung(*zug));
    for (const Zug& zug : x.verlauf)  // and forward again to the board as saved
        PruefeZug(zurueck, zug);
    PRUEFE(zurueck == s);
    Spielstand vor = s;
    for (auto zug = x.zurueckgenommen.rbegin(); zug != x.zurueckgenommen.rend(); ++zug)
        PruefeZug(vor, *zug);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const sitzung::Spiellesung gelesen = sitzung::LiesSpiel(datei);
    PRUEFE(gelesen.spiel.has_value() == (gelesen.mangel == sitzung::Spielmangel::Keiner));
    if (!gelesen.spiel)
        return 0;
    PruefeSpiel(*gelesen.spiel);
    const QByteArray wieder = sitzung::SpielAlsBytes(*gelesen.spiel);
    PRUEFE(sitzung::SpielAusBytes(wieder) == gelesen.spiel);
    // Only one spelling is read, apart from the order of the lines.
    PRUEFE(wieder.size() == datei.size());
    return 0;
}
