#include "engine/loeser_platzieren.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <queue>

#include "engine/loeser_einsatz.h"
#include "engine/loeser_intern.h"
#include "engine/loeser_makro.h"
#include "engine/loeser_rahmen.h"
#include "engine/loeser_tabelle.h"

namespace engine::loeser {

namespace {

// The board in cells 0..n²-1, tiles named by their home cell, and the way so far.
class Platzierer {
public:
    Platzierer(const Spielstand& s, int rahmen)
        : n_(s.n()), v_(s.variante), bib_(&Makros(s.variante, s.n())), rahmen_(rahmen)
    {
        for (int c = 0; c < n_ * n_; ++c)
            brett_[c] = uint8_t(s.Spielfeld[c + 1] - 1);
    }

    // The cells in the order they are filled, from which one on the parity is kept, and the
    // last cells, solved together.
    struct Plan {
        std::vector<int> reihenfolge;
        size_t paritaetAb = SIZE_MAX;
        size_t spaetAb = 0;  // where the last phase begins
        std::vector<int> rest;
    };

    Plan Planen() const
    {
        const int n = n_;
        auto zelle = [n](int z, int sp) { return z * n + sp; };
        Plan plan;
        if (v_ == Variante::Verschieben) {
            // The top left (n-1) x (n-1) block row by row, with the last column and row free to
            // move; then that column and row down to five cells round the corner. With even n a
            // shift is odd: from the first tile on the last column, the board's parity is kept
            // even, so the five cells end in an even order, which commutators can undo.
            for (int z = 0; z < n - 1; ++z)
                for (int sp = 0; sp < n - 1; ++sp)
                    plan.reihenfolge.push_back(zelle(z, sp));
            if (n % 2 == 0)
                plan.paritaetAb = plan.reihenfolge.size();
            plan.spaetAb = plan.reihenfolge.size();
            for (int z = 0; z < n - 3; ++z)
                plan.reihenfolge.push_back(zelle(z, n - 1));
            for (int sp = 0; sp < n - 3; ++sp)
                plan.reihenfolge.push_back(zelle(n - 1, sp));
            plan.rest = {zelle(n - 3, n - 1), zelle(n - 2, n - 1), zelle(n - 1, n - 1), zelle(n - 1, n - 2),
                         zelle(n - 1, n - 3)};
        } else {
            // Rows from the top down to the last three, then those three column by column, then
            // the last 3 x 3 cells in the fewest moves, by the table of side 3.
            for (int z = 0; z < n - 3; ++z)
                for (int sp = 0; sp < n; ++sp)
                    plan.reihenfolge.push_back(zelle(z, sp));
            plan.spaetAb = plan.reihenfolge.size();
            for (int sp = 0; sp < n - 3; ++sp)
                for (int z = n - 3; z < n; ++z)
                    plan.reihenfolge.push_back(zelle(z, sp));
            for (int z = n - 3; z < n; ++z)
                for (int sp = n - 3; sp < n; ++sp)
                    plan.rest.push_back(zelle(z, sp));
        }
        return plan;
    }

    void ParitaetHalten() { paritaetHalten_ = true; }

    // The ways of bringing tile `ziel` home next, each a copy of this one with the way played:
    // the cheapest chain of macros, and the shortest ways of single moves the search finds.
    void Varianten(int ziel, const Einsatzgrenzen& grenzen, const std::stop_token& halt, std::vector<Platzierer>& neu) const
    {
        Platzierer kette = *this;
        if (kette.Platzieren(ziel))
            neu.push_back(std::move(kette));
        Gesucht(uint64_t(1) << ziel, grenzen, halt, neu);
    }

    // The ways of single moves that bring the tiles of `ziele` home, the finished ones kept.
    void Gesucht(uint64_t ziele, const Einsatzgrenzen& grenzen, const std::stop_token& halt, std::vector<Platzierer>& neu) const
    {
        if (grenzen.tiefe <= 0)
            return;
        for (Einsatz& e : Einsaetze(v_, n_, brett_, fest_ | ziele, grenzen, halt)) {
            Platzierer p = *this;
            p.brett_ = e.brett;
            if (paritaetHalten_ && p.BrettUngerade())
                continue;
            p.fest_ |= ziele;
            p.Dazu(e.zuege);
            neu.push_back(std::move(p));
        }
    }

    bool RestLoesen(const std::vector<int>& zellen, const std::stop_token& halt)
    {
        if (v_ == Variante::Drehen ? !Ecke(halt) : !Rest(zellen))
            return false;
        zuege_ = Vereinfacht(zuege_, v_, n_);
        return true;
    }

    const std::vector<Zug>& Zuege() const { return zuege_; }
    int Rahmen() const { return rahmen_; }
    const Zellen& Brett() const { return brett_; }

    // How far the tiles not yet home are from it, to choose between ways of equal length.
    int Unordnung() const
    {
        int summe = 0;
        for (int c = 0; c < n_ * n_; ++c)
            if (!(fest_ >> c & 1)) {
                const int t = brett_[c];
                int dz = std::abs(t / n_ - c / n_), ds = std::abs(t % n_ - c % n_);
                if (v_ == Variante::Verschieben)
                    dz = std::min(dz, n_ - dz), ds = std::min(ds, n_ - ds);
                summe += dz + ds;
            }
        return summe;
    }

private:
    // Moves added to the way, which is kept as short as merging lines makes it.
    void Dazu(const std::vector<Zug>& zuege)
    {
        zuege_.insert(zuege_.end(), zuege.begin(), zuege.end());
        zuege_ = Vereinfacht(zuege_, v_, n_);
    }

    bool BrettUngerade() const
    {
        std::array<bool, MaxFelder> gesehen{};
        bool ungerade = false;
        for (int c = 0; c < n_ * n_; ++c) {
            int laenge = 0;
            for (int d = c; !gesehen[d]; d = brett_[d])
                gesehen[d] = true, ++laenge;
            if (laenge % 2 == 0 && laenge > 0)
                ungerade = !ungerade;
        }
        return ungerade;
    }

    void Anwenden(const Makro& m)
    {
        const auto alt = brett_;
        for (const auto& [von, nach] : m.wirkung)
            brett_[nach] = alt[von];
        zuege_.insert(zuege_.end(), m.zuege.begin(), m.zuege.end());
    }

    // Dijkstra over the places of the tile (and, while the parity is kept, the parity of what
    // was done), along macros that leave the finished cells alone.
    bool Platzieren(int ziel)
    {
        const int start = int(std::find(brett_.begin(), brett_.end(), uint8_t(ziel)) - brett_.begin());
        const bool ungerade = paritaetHalten_ && BrettUngerade();
        auto fertig = [&](int knoten) {
            return knoten / 2 == ziel && (!paritaetHalten_ || (knoten % 2 == 1) == ungerade);
        };
        auto kanten = [&](int knoten, int grenze, auto&& kante) {
            const int c = knoten / 2, par = knoten % 2;
            for (const auto& [m, nach] : bib_->ab[c]) {
                if (bib_->makros[m].kosten() >= grenze)
                    break;
                if (!(bib_->makros[m].traeger & fest_))
                    kante(2 * nach + (par ^ int(bib_->makros[m].ungerade)), m);
            }
            if (paritaetHalten_)  // an odd macro elsewhere changes the parity only
                if (const int m = UngeraderMakroOhne(fest_ | uint64_t(1) << c); m >= 0)
                    kante(2 * c + 1 - par, m);
        };
        if (!KuerzesteKette(2 * n_ * n_, 2 * start, fertig, kanten))
            return false;
        fest_ |= uint64_t(1) << ziel;
        zuege_ = Vereinfacht(zuege_, v_, n_);
        return true;
    }

    int UngeraderMakroOhne(uint64_t belegt) const
    {
        int beste = -1;
        for (size_t m = 0; m < bib_->makros.size(); ++m) {
            const Makro& mk = bib_->makros[m];
            if (mk.ungerade && !(mk.traeger & belegt) && (beste < 0 || mk.kosten() < bib_->makros[beste].kosten()))
                beste = int(m);
        }
        return beste;
    }

    // Turning: the last 3 x 3 cells, bottom right, are a board of side 3 of their own, its
    // four axes the corner's.
    bool Ecke(const std::stop_token& halt)
    {
        const int n = n_, o = n - 3;
        Spielstand drei;
        drei.variante = Variante::Drehen;
        drei.Groesse = 3;
        for (int z = 0; z < 3; ++z)
            for (int sp = 0; sp < 3; ++sp) {
                const int teil = brett_[(o + z) * n + o + sp], tz = teil / n - o, ts = teil % n - o;
                if (tz < 0 || ts < 0)
                    return false;
                drei.Spielfeld[z * 3 + sp + 1] = uint8_t(tz * 3 + ts + 1);
            }
        std::vector<Zug> weg = TabellenLoesung(drei, halt);
        if (weg.empty() && !Geloest(drei))
            return false;
        Spielstand gross;
        gross.variante = v_;
        gross.Groesse = uint8_t(n);
        for (int c = 0; c < n * n; ++c)
            gross.Spielfeld[c + 1] = uint8_t(brett_[c] + 1);
        for (Zug& z : weg) {
            z.a = (o + (z.a - 1) / 2) * (n - 1) + o + (z.a - 1) % 2 + 1;
            Ausfuehren(gross, z);
        }
        for (int c = 0; c < n * n; ++c)
            brett_[c] = uint8_t(gross.Spielfeld[c + 1] - 1);
        zuege_.insert(zuege_.end(), weg.begin(), weg.end());
        return true;
    }

    // The last cells: Dijkstra over every order of their tiles (the tiles' places, a digit in
    // base k each), along the macros that move nothing else.
    bool Rest(const std::vector<int>& zellen)
    {
        const int k = int(zellen.size());
        uint64_t maske = 0;
        std::array<int, MaxFelder> lokal{};
        for (int i = 0; i < k; ++i) {
            maske |= uint64_t(1) << zellen[i];
            lokal[zellen[i]] = i;
        }
        std::vector<int> makros;  // cheapest first
        for (size_t m = 0; m < bib_->makros.size(); ++m)
            if (!(bib_->makros[m].traeger & ~maske))
                makros.push_back(int(m));
        std::stable_sort(makros.begin(), makros.end(),
                         [&](int a, int b) { return bib_->makros[a].kosten() < bib_->makros[b].kosten(); });
        int stellen = 1, start = 0, ziel = 0;
        for (int i = 0; i < k; ++i, stellen *= k)
            start += stellen * lokal[brett_[zellen[i]]], ziel += stellen * i;

        auto kanten = [&](int w, int grenze, auto&& kante) {
            std::array<int, MaxFelder> ordnung{};
            for (int i = 0, r = w; i < k; ++i, r /= k)
                ordnung[i] = r % k;
            for (int m : makros) {
                if (bib_->makros[m].kosten() >= grenze)
                    break;
                auto neu = ordnung;
                for (const auto& [von, nach] : bib_->makros[m].wirkung)
                    neu[lokal[nach]] = ordnung[lokal[von]];
                int nw = 0;
                for (int i = k - 1; i >= 0; --i)
                    nw = nw * k + neu[i];
                kante(nw, m);
            }
        };
        return KuerzesteKette(stellen, start, [ziel](int w) { return w == ziel; }, kanten);
    }

    // Dijkstra from `start` to the first node `fertig` accepts; `kanten(knoten, grenze, kante)`
    // calls kante(nach, makro) for every macro usable there, and may leave out those costing
    // `grenze` or more, which could not beat the best way found so far. The macros of the way
    // are played.
    template <typename Fertig, typename Kanten>
    bool KuerzesteKette(int knoten, int start, Fertig fertig, Kanten kanten)
    {
        const auto zahl = static_cast<size_t>(knoten);
        std::vector<int> abstand(zahl, INT_MAX), vorgaenger(zahl), makro(zahl);
        using Eintrag = std::pair<int, int>;
        std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<>> offen;
        abstand[start] = 0;
        offen.push({0, start});
        int bisher = fertig(start) ? 0 : INT_MAX;
        while (!offen.empty()) {
            // Plain names, not a structured binding: a lambda below uses them (clang 14).
            const int d = offen.top().first, k = offen.top().second;
            offen.pop();
            if (d > abstand[k])
                continue;
            if (fertig(k)) {
                std::vector<int> kette;
                for (int w = k; w != start; w = vorgaenger[w])
                    kette.push_back(makro[w]);
                for (auto it = kette.rbegin(); it != kette.rend(); ++it)
                    Anwenden(bib_->makros[*it]);
                return true;
            }
            kanten(k, bisher == INT_MAX ? INT_MAX : bisher - d, [&](int nach, int m) {
                if (d + bib_->makros[m].kosten() < abstand[nach]) {
                    abstand[nach] = d + bib_->makros[m].kosten(), vorgaenger[nach] = k, makro[nach] = m;
                    offen.push({abstand[nach], nach});
                    if (fertig(nach))
                        bisher = std::min(bisher, abstand[nach]);
                }
            });
        }
        return false;
    }

    int n_;
    Variante v_;
    const Makrobibliothek* bib_;
    int rahmen_;
    Zellen brett_{};
    uint64_t fest_ = 0;
    bool paritaetHalten_ = false;
    std::vector<Zug> zuege_;
};

// Keeps the `breite` best ways (boards alike once): the shortest, counting the distance of the
// tiles not yet home by `gewicht` hundredths of a move a step; of ways as good, those whose
// other tiles are nearer home.
void Auslesen(std::vector<Platzierer>& strahl, int breite, int gewicht)
{
    std::vector<std::pair<std::pair<long, int>, size_t>> rang;
    for (size_t k = 0; k < strahl.size(); ++k) {
        const int unordnung = strahl[k].Unordnung();
        rang.push_back({{long(strahl[k].Zuege().size()) * 100 + long(gewicht) * unordnung, unordnung}, k});
    }
    std::sort(rang.begin(), rang.end());
    std::vector<Platzierer> beste;
    for (const auto& eintrag : rang) {
        const size_t k = eintrag.second;  // a plain name: lambdas may not capture a structured binding before clang 16
        if (int(beste.size()) >= breite)
            break;
        const bool schonDa = std::any_of(beste.begin(), beste.end(),
                                         [&](const Platzierer& p) { return p.Brett() == strahl[k].Brett(); });
        if (!schonDa)
            beste.push_back(std::move(strahl[k]));
    }
    strahl = std::move(beste);
}

// Tile after tile, or two at once, keeping the shortest ways of each number of tiles home;
// the shortest whole way wins, with the frame it was found in (-1 when stopped).
std::pair<int, std::vector<Zug>> Strahlsuche(std::vector<Platzierer> start, const Aufwand& aufwand,
                                             const std::stop_token& halt)
{
    const Platzierer::Plan plan = start.front().Planen();
    const size_t schritte = plan.reihenfolge.size();
    std::vector<std::vector<Platzierer>> stufe(schritte + 1);
    stufe[0] = std::move(start);
    for (size_t i = 0; i < schritte; ++i) {
        if (i > 0)
            Auslesen(stufe[i], aufwand.breite, aufwand.unordnung);
        const bool spaet = i >= plan.spaetAb;
        // Two tiles at once only within one phase.
        const bool paar = aufwand.paar.tiefe > 0 && i + 1 < schritte && (i + 1 < plan.spaetAb || spaet) &&
                          (i + 1 < plan.paritaetAb || i >= plan.paritaetAb);
        for (Platzierer& p : stufe[i]) {
            if (halt.stop_requested())
                return {-1, {}};
            if (i >= plan.paritaetAb)
                p.ParitaetHalten();
            p.Varianten(plan.reihenfolge[i], aufwand.grenzen, halt, stufe[i + 1]);
            if (paar)
                p.Gesucht(uint64_t(1) << plan.reihenfolge[i] | uint64_t(1) << plan.reihenfolge[i + 1], aufwand.paar,
                          halt, stufe[i + 2]);
        }
        if (halt.stop_requested() || stufe[i + 1].empty())
            return {-1, {}};
        stufe[i].clear();
    }
    std::vector<Platzierer>& strahl = stufe[schritte];
    Auslesen(strahl, aufwand.breite, aufwand.unordnung);
    std::pair<int, std::vector<Zug>> beste{-1, {}};
    for (Platzierer& p : strahl)
        if (p.RestLoesen(plan.rest, halt) && (beste.first < 0 || p.Zuege().size() < beste.second.size()))
            beste = {p.Rahmen(), p.Zuege()};
    return beste;
}

} // namespace

// One beam over the board in every frame: the frames whose first tiles come cheapest stay.
std::vector<Zug> PlatzierendeLoesung(const Spielstand& s, std::stop_token halt, const Aufwand& aufwand)
{
    const auto rahmen = Rahmenliste(s.variante, s.n(), aufwand.symmetrien, aufwand.verschiebungen);
    std::vector<Platzierer> start;
    for (size_t i = 0; i < rahmen.size(); ++i)
        start.emplace_back(ImRahmen(s, rahmen[i]), int(i));
    const auto [i, weg] = Strahlsuche(std::move(start), aufwand, halt);
    if (halt.stop_requested() || i < 0)
        return {};
    return AusDemRahmen(weg, rahmen[size_t(i)]);
}

void MakrosVorbereiten(const Spielstand& s) { Makros(s.variante, s.n()); }

} // namespace engine::loeser
