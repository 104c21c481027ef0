#include "engine/loeser.h"

#include <array>
#include <cstdlib>
#include <optional>

#include "engine/loeser_kurz.h"
#include "engine/loeser_platzieren.h"
#include "engine/loeser_reihen.h"
#include "engine/loeser_tabelle.h"
#include "engine/loeser_tiefensuche.h"

namespace engine {

namespace {

// Near home, every kind of board looks for a shortest way of up to this many moves first, within
// a few milliseconds' worth of positions; the fast plan looks at fewer.
constexpr int KurzeWege = 8;
constexpr long KurzeKnoten = 400000;
constexpr long SchnelleKnoten = 100000;
// No board of side 3 is farther from home (sliding: 31 moves).
constexpr int DreierWege = 31;

// Parity of the board read as a permutation of the fields (the empty field as its home's tile).
bool UngeradePermutation(const Spielstand& s)
{
    std::array<int, MaxFelder + 1> label{};
    for (int p = 1; p <= s.felder(); ++p)
        label[p] = s.Spielfeld[p] == 0 ? s.FreiesFeld : s.Spielfeld[p];
    bool ungerade = false;
    std::array<bool, MaxFelder + 1> gesehen{};
    for (int p = 1; p <= s.felder(); ++p) {
        int laenge = 0;
        for (int q = p; !gesehen[q]; q = label[q]) {
            gesehen[q] = true;
            ++laenge;
        }
        if (laenge > 0 && laenge % 2 == 0)
            ungerade = !ungerade;
    }
    return ungerade;
}

} // namespace

bool Loesbar(const Spielstand& s)
{
    const int n = s.n();
    if (n < 3 || n > MaxSeite)
        return false;
    const bool schieben = s.variante == Variante::Schieben;
    if (schieben && (s.FreiesFeld < 1 || s.FreiesFeld > s.felder()))
        return false;
    std::array<bool, MaxFelder + 1> da{};
    int leer = 0;
    for (int p = 1; p <= s.felder(); ++p) {
        const int teil = s.Spielfeld[p];
        if (schieben && teil == 0) {
            if (leer != 0)
                return false;
            leer = p;
            continue;
        }
        if (teil < 1 || teil > s.felder() || da[teil] || (schieben && teil == s.FreiesFeld))
            return false;
        da[teil] = true;
    }
    if (schieben) {
        // Every slide swaps two fields and moves the empty field by one.
        if (leer == 0)
            return false;
        const int weg = std::abs((leer - 1) / n - (s.FreiesFeld - 1) / n) +
                        std::abs((leer - 1) % n - (s.FreiesFeld - 1) % n);
        return UngeradePermutation(s) == (weg % 2 == 1);
    }
    // Shifting a line of odd length is an even permutation; turns and even lines give all.
    if (s.variante == Variante::Verschieben && n % 2 == 1)
        return !UngeradePermutation(s);
    return true;
}

namespace {

// Close to home every variant and side gets a shortest way, searched within a bounded number of
// positions (a few milliseconds' worth).
std::optional<std::vector<Zug>> NaherWeg(const Spielstand& s, long knoten, std::stop_token halt,
                                         int hoechstens = KurzeWege)
{
    if (s.variante == Variante::Schieben)
        return loeser::KurzerSchiebeWeg(s, hoechstens, knoten, halt);
    return loeser::KurzerWeg(s, hoechstens, knoten, halt);
}

// Shifting and turning boards of side 4 to 6: how hard Loesung looks, chosen so that it takes
// well under a second; a wider beam or a deeper search gains less and less. Weighing how far
// the other tiles are shortens larger boards by 2 to 6 %; on shifting boards of side 4 neither
// that nor a wider beam helps, a deeper search for one tile does.
loeser::Aufwand BesterAufwand(const Spielstand& s)
{
    if (s.variante == Variante::Verschieben && s.n() == 4)
        return {8, 32, {5, 4, 20000}, true, {5, 2, 6000}, 0};
    if (s.variante == Variante::Verschieben)
        return {8, 64, {4, 4, 20000}, true, {5, 2, 6000}, 30};
    if (s.n() == 6)  // turning: pairs searched deeper pay most here
        return {8, 32, {5, 4, 20000}, false, {6, 2, 10000}, 30};
    return {8, 32, {5, 4, 20000}, false, {5, 4, 6000}, 30};
}

std::vector<Zug> BesterWeg(const Spielstand& s, std::stop_token halt)
{
    if (s.n() == 3)
        return loeser::TabellenLoesung(s, halt);
    if (auto kurz = NaherWeg(s, KurzeKnoten, halt))
        return *kurz;
    if (s.variante == Variante::Schieben && s.n() == 4)
        return loeser::KuerzesteSchiebeLoesung(s, halt).value_or(std::vector<Zug>{});
    if (s.variante == Variante::Schieben)
        return loeser::SchiebeLoesungUeberVier(s, halt);
    return loeser::PlatzierendeLoesung(s, halt, BesterAufwand(s));
}

// `nahGesucht`: a shortest way near home was looked for already, with more positions.
std::vector<Zug> SchnellerWeg(const Spielstand& s, std::stop_token halt, bool nahGesucht = false)
{
    if (s.n() == 3) {
        if (!loeser::TabelleFertig(s))  // a search is quicker than the table's making
            if (auto weg = NaherWeg(s, SchnelleKnoten, halt, DreierWege))
                return *weg;
        return loeser::TabellenLoesung(s, halt);
    }
    if (!nahGesucht)
        if (auto kurz = NaherWeg(s, SchnelleKnoten, halt))
            return *kurz;
    if (s.variante != Variante::Schieben)
        return loeser::PlatzierendeLoesung(s, halt, {1, 1, {0, 0, 0}});
    if (s.n() == 4)
        if (auto weg = loeser::KuerzesteSchiebeLoesung(s, halt, SchnelleKnoten))
            return *weg;
    return loeser::SchiebeLoesungReihenweise(s, halt, 1);
}

} // namespace

std::vector<Zug> Loesung(const Spielstand& s, std::stop_token halt)
{
    if (!Loesbar(s) || Geloest(s))
        return {};
    std::vector<Zug> zuege = BesterWeg(s, halt);
    if (halt.stop_requested())
        return {};
    return zuege;
}

std::vector<Zug> SchnelleLoesung(const Spielstand& s, std::stop_token halt)
{
    if (!Loesbar(s) || Geloest(s))
        return {};
    std::vector<Zug> zuege = SchnellerWeg(s, halt);
    if (halt.stop_requested())
        return {};
    return zuege;
}

Loesungsbeginn LoesungBeginnen(const Spielstand& s, std::stop_token halt)
{
    if (!Loesbar(s) || Geloest(s))
        return {};
    Loesungsbeginn beginn;
    if (s.n() == 3 || (s.variante == Variante::Schieben && s.n() == 4))
        beginn.zuege = BesterWeg(s, halt);
    else if (auto kurz = NaherWeg(s, KurzeKnoten, halt))
        beginn.zuege = std::move(*kurz);
    else {
        beginn.zuege = SchnellerWeg(s, halt, true);
        beginn.bester = false;
    }
    if (halt.stop_requested())
        return {};
    return beginn;
}

void LoeserVorbereiten(const Spielstand& s, std::stop_token halt)
{
    if (!Loesbar(s))
        return;
    if (s.n() == 3)
        loeser::TabelleVorbereiten(s, halt);
    else if (s.variante != Variante::Schieben)
        loeser::MakrosVorbereiten(s);  // tens of milliseconds, not worth a stop
    // Sliding games of side 4 and more use the tables the program ships.
}

} // namespace engine
