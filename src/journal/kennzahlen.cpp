#include "journal/kennzahlen.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <set>

namespace journal {

namespace {

constexpr int Seiten = engine::MaxSeite - 2;  // 3..6

struct Sammlung {
    Kennzahlen zahlen;
    std::vector<int> zeiten, zuege;  // solved without help, oldest first
    std::vector<std::size_t> spiele;  // every game's place in the input
};

std::optional<double> Mittel(std::span<const int> werte)
{
    if (werte.empty())
        return std::nullopt;
    return std::accumulate(werte.begin(), werte.end(), 0.0) / double(werte.size());
}

std::optional<double> Median(std::vector<int> werte)
{
    if (werte.empty())
        return std::nullopt;
    const auto mitte = werte.begin() + std::ptrdiff_t(werte.size() / 2);
    std::ranges::nth_element(werte, mitte);
    if (werte.size() % 2)
        return *mitte;
    return (*std::max_element(werte.begin(), mitte) + *mitte) / 2.0;  // the largest of the lower half
}

Wertepaar Paar(std::optional<double> zeit, std::optional<double> zuege) { return {zeit, zuege}; }

void Zaehle(Kennzahlen& k, const Kurzeintrag& spiel)
{
    ++k.gespielt;
    k.mitHilfe += spiel.hilfe;
    switch (spiel.ausgang) {
    case sitzung::Ausgang::Geloest: ++k.geloest; break;
    case sitzung::Ausgang::Abgebrochen: ++k.abgebrochen; break;
    default: ++k.grenze; break;
    }
}

void Abschliessen(Sammlung& s, std::span<const Kurzeintrag> spiele)
{
    Kennzahlen& k = s.zahlen;
    if (!s.zeiten.empty()) {
        k.beste = Paar(*std::ranges::min_element(s.zeiten), *std::ranges::min_element(s.zuege));
        k.mittel = Paar(Mittel(s.zeiten), Mittel(s.zuege));
        k.median = Paar(Median(s.zeiten), Median(s.zuege));
        const double sekunden = std::accumulate(s.zeiten.begin(), s.zeiten.end(), 0.0);
        if (sekunden > 0)
            k.zuegeProSekunde = std::accumulate(s.zuege.begin(), s.zuege.end(), 0.0) / sekunden;
    }
    k.schnitt5 = Paar(SchnittOhneRaender(s.zeiten, 5), SchnittOhneRaender(s.zuege, 5));
    k.schnitt12 = Paar(SchnittOhneRaender(s.zeiten, 12), SchnittOhneRaender(s.zuege, 12));
    const std::size_t von = s.spiele.size() - std::min(s.spiele.size(), VerlaufLaenge);
    for (std::size_t i = von; i < s.spiele.size(); ++i)
        k.letzte.push_back(spiele[s.spiele[i]]);
}

} // namespace

std::optional<double> SchnittOhneRaender(std::span<const int> werte, std::size_t k)
{
    if (k < 3 || werte.size() < k)
        return std::nullopt;
    std::vector<int> letzte(werte.end() - std::ptrdiff_t(k), werte.end());
    std::ranges::sort(letzte);
    return Mittel(std::span<const int>(letzte).subspan(1, k - 2));
}

std::vector<Kennzahlen> Auswerten(std::span<const Kurzeintrag> spiele)
{
    std::array<Sammlung, 3 * Seiten> gruppen;
    for (std::size_t i = 0; i < spiele.size(); ++i) {
        const Kurzeintrag& spiel = spiele[i];
        const int v = int(spiel.variante) - 1, n = spiel.seite - 3;
        if (v < 0 || v >= 3 || n < 0 || n >= Seiten)
            continue;
        Sammlung& s = gruppen[std::size_t(v * Seiten + n)];
        s.spiele.push_back(i);
        Zaehle(s.zahlen, spiel);
        if (spiel.gewertet()) {
            s.zeiten.push_back(spiel.sekunden);
            s.zuege.push_back(spiel.zuege);
        }
    }
    std::vector<Kennzahlen> ergebnis;
    for (std::size_t g = 0; g < gruppen.size(); ++g) {
        if (gruppen[g].spiele.empty())
            continue;
        gruppen[g].zahlen.variante = engine::Variante(g / Seiten + 1);
        gruppen[g].zahlen.seite = int(g % Seiten) + 3;
        Abschliessen(gruppen[g], spiele);
        ergebnis.push_back(std::move(gruppen[g].zahlen));
    }
    return ergebnis;
}

Tagesfolge Tagesraetsel(std::span<const Kurzeintrag> spiele, std::int32_t heute)
{
    std::set<std::int32_t> tage;
    for (const Kurzeintrag& spiel : spiele)
        if (spiel.tagesraetsel)
            tage.insert(*spiel.tagesraetsel);
    Tagesfolge folge{int(tage.size()), 0};
    std::int32_t tag = tage.contains(heute) ? heute : heute - 1;
    while (tage.contains(tag)) {
        ++folge.serie;
        --tag;
    }
    return folge;
}

} // namespace journal
