#include "engine/loeser_reihen.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>

#include "engine/loeser_gruppe.h"
#include "engine/loeser_intern.h"
#include "engine/loeser_tabelle.h"
#include "engine/loeser_tiefensuche.h"

namespace engine::loeser {

namespace {

constexpr uint8_t Leer = 0xFF;
// The searches over whole lines tried, by side: weight (percent), budget of states, and whether
// the rows go first. A weight of 2.5 mostly finds a line's way within the budget; lower weights
// take far more states for little. Side 6 also tries both rows before the columns, which
// shortens its ways by about 2 %.
struct Linienversuch {
    int gewicht;
    long knoten;
    bool zeilenZuerst;
};
const std::vector<Linienversuch>& Linienversuche(int n)
{
    static const std::vector<Linienversuch> fuenf{{250, 30000, false}},
        sechs{{250, 100000, false}, {250, 100000, true}};
    return n == 5 ? fuenf : sechs;
}

// The lines of home cells in the order they are finished: the top row or the left column of
// what is left, the longer side first (or all rows first), until `rest` x `rest` cells remain.
std::vector<std::vector<int>> Linien(int n, int rest, bool zeilenZuerst)
{
    std::vector<std::vector<int>> linien;
    int z0 = 0, s0 = 0;
    while (n - z0 > rest || n - s0 > rest) {
        std::vector<int> linie;
        if (zeilenZuerst ? n - z0 > rest : n - z0 >= n - s0) {
            for (int sp = s0; sp < n; ++sp)
                linie.push_back(z0 * n + sp);
            ++z0;
        } else {
            for (int z = z0; z < n; ++z)
                linie.push_back(z * n + s0);
            ++s0;
        }
        linien.push_back(linie);
    }
    return linien;
}

// A line tile by tile: its end cell has one free neighbour once the rest of the line is home,
// so its last two tiles go home together; so do the others, two at a time, for shorter ways.
std::vector<std::vector<int>> Gruppen(const std::vector<int>& linie)
{
    std::vector<std::vector<int>> gruppen;
    size_t i = 0;
    if (linie.size() % 2 == 1)
        gruppen.push_back({linie[i++]});
    for (; i < linie.size(); i += 2)
        gruppen.push_back({linie[i], linie[i + 1]});
    return gruppen;
}

// Buffers of the breadth-first searches, shared by all positions of one solution.
struct Puffer {
    std::vector<int> vorgaenger, schlange;
};

// The board in cells 0..n²-1, tiles named by their home cell; a position of the solution.
class Stellung {
public:
    explicit Stellung(const Spielstand& s) : n_(s.n()), heimLeer_(s.FreiesFeld - 1)
    {
        for (int c = 0; c < n_ * n_; ++c) {
            const int teil = s.Spielfeld[c + 1];
            brett_[c] = teil == 0 ? Leer : uint8_t(teil - 1);
            if (teil == 0)
                leer_ = c;
        }
    }

    const std::vector<Zug>& Zuege() const { return zuege_; }

    // Every shortest way that brings the group's tiles home through the cells not finished yet,
    // as the empty field's places, one way per place where the empty field ends.
    std::vector<std::vector<int>> Wege(const std::vector<int>& heime, Puffer& p) const
    {
        const int zellen = n_ * n_, k = int(heime.size());
        const auto nachbarn = Nachbarn();
        std::array<int, 2> stelle{0, 0};
        for (int i = 0; i < k; ++i)
            stelle[i] = int(std::find(brett_.begin(), brett_.end(), heime[i]) - brett_.begin());
        auto schluessel = [&](int leer, int a, int b) { return (leer * zellen + a) * zellen + b; };
        const int start = schluessel(leer_, stelle[0], stelle[1]);
        const int ziel = schluessel(0, heime[0], k == 2 ? heime[1] : 0);

        p.vorgaenger.assign(size_t(zellen) * zellen * zellen, -1);
        p.schlange.assign(1, start);
        p.vorgaenger[start] = start;
        std::vector<int> ziele;
        for (size_t anfang = 0; anfang < p.schlange.size() && ziele.empty();) {
            const size_t ende = p.schlange.size();
            for (size_t i = anfang; i < ende; ++i)
                if (p.schlange[i] % (zellen * zellen) == ziel)
                    ziele.push_back(p.schlange[i]);
            for (size_t i = anfang; i < ende && ziele.empty(); ++i) {
                const int w = p.schlange[i];
                const int leer = w / (zellen * zellen), a = w / zellen % zellen, b = w % zellen;
                for (int j = 0; j < 4 && nachbarn[leer][j] >= 0; ++j) {
                    const int q = nachbarn[leer][j];
                    const int neu = schluessel(q, a == q ? leer : a, k == 2 && b == q ? leer : b);
                    if (p.vorgaenger[neu] < 0) {
                        p.vorgaenger[neu] = w;
                        p.schlange.push_back(neu);
                    }
                }
            }
            anfang = ende;
        }
        std::vector<std::vector<int>> wege;
        for (int z : ziele) {
            std::vector<int> weg;
            for (int w = z; w != start; w = p.vorgaenger[w])
                weg.push_back(w / (zellen * zellen));
            std::reverse(weg.begin(), weg.end());
            wege.push_back(weg);
        }
        return wege;
    }

    // The whole line at once (see GruppeHeimbringen), as the empty field's places.
    std::optional<std::vector<int>> Linie(const std::vector<int>& heime, int gewicht, long knoten,
                                          std::stop_token halt) const
    {
        std::vector<int> stellen;
        for (int h : heime)
            stellen.push_back(int(std::find(brett_.begin(), brett_.end(), h) - brett_.begin()));
        return GruppeHeimbringen(n_, stellen, leer_, fest_, heime, gewicht, knoten, halt);
    }

    void Gehen(const std::vector<int>& weg, const std::vector<int>& heime)
    {
        for (int von : weg)
            Schieben(von);
        for (int h : heime)
            fest_ |= uint64_t(1) << h;
    }

    // The last r x r cells, bottom right, which hold the empty field's home, as a board of
    // their own.
    Spielstand Restbrett(int r) const
    {
        Spielstand rest;
        rest.variante = Variante::Schieben;
        rest.Groesse = uint8_t(r);
        rest.FreiesFeld = Lokal(heimLeer_, r) + 1;
        for (int l = 0; l < r * r; ++l) {
            const uint8_t teil = brett_[Global(l, r)];
            rest.Spielfeld[l + 1] = teil == Leer ? 0 : uint8_t(Lokal(teil, r) + 1);
        }
        return rest;
    }
    // The last 3 x 3 cells by the table.
    std::vector<Zug> Rest() const { return TabellenLoesung(Restbrett(3)); }
    // The moves of the remaining board, played on the whole one.
    void RestGehen(const std::vector<Zug>& lokal, int r)
    {
        for (const Zug& z : lokal)
            Schieben(Global(z.a - 1, r));
    }

private:
    int Lokal(int c, int r) const { return (c / n_ - (n_ - r)) * r + c % n_ - (n_ - r); }
    int Global(int l, int r) const { return (n_ - r + l / r) * n_ + n_ - r + l % r; }

    // The free neighbours of every cell, right, below, left, above; -1 ends a list.
    std::array<std::array<int8_t, 4>, MaxFelder> Nachbarn() const
    {
        std::array<std::array<int8_t, 4>, MaxFelder> nb;
        for (int c = 0; c < n_ * n_; ++c) {
            int k = 0;
            const int z = c / n_, sp = c % n_;
            for (int q : {sp + 1 < n_ ? c + 1 : -1, z + 1 < n_ ? c + n_ : -1, sp > 0 ? c - 1 : -1,
                          z > 0 ? c - n_ : -1})
                if (q >= 0 && !(fest_ >> q & 1))
                    nb[c][k++] = int8_t(q);
            if (k < 4)
                nb[c][k] = -1;
        }
        return nb;
    }

    void Schieben(int von)
    {
        zuege_.push_back(Schiebezug(von + 1, leer_ + 1));
        brett_[leer_] = brett_[von];
        brett_[von] = Leer;
        leer_ = von;
    }

    int n_, heimLeer_, leer_ = 0;
    std::array<uint8_t, MaxFelder> brett_{};
    uint64_t fest_ = 0;
    std::vector<Zug> zuege_;
};

// How a line is brought home: by the search over the whole line with this weight and budget,
// or (weight 0, or when the budget runs out) group after group.
struct Linienart {
    int gewicht = 0;
    long knoten = 0;
    std::stop_token halt;
    bool zeilenZuerst = false;
};

// Line after line until r x r cells remain. Group after group, where several shortest ways end
// with the empty field in different places, the one that leaves the next group the shortest way
// (the rest the smallest `restKosten`) is taken.
template <typename RestKosten>
Stellung Reduziert(const Spielstand& s, int r, RestKosten restKosten, const Linienart& art = {})
{
    std::vector<std::vector<int>> gruppen;
    std::vector<size_t> linienende;
    for (const auto& linie : Linien(s.n(), r, art.zeilenZuerst)) {
        for (auto& g : Gruppen(linie))
            gruppen.push_back(g);
        linienende.push_back(gruppen.size());
    }
    Puffer puffer;
    Stellung stellung(s);
    for (size_t g = 0, l = 0; g < gruppen.size(); ++g) {
        const bool anfang = g == (l == 0 ? 0 : linienende[l - 1]);  // of a line
        if (art.gewicht > 0 && anfang) {
            std::vector<int> linie;
            for (size_t i = g; i < linienende[l]; ++i)
                linie.insert(linie.end(), gruppen[i].begin(), gruppen[i].end());
            if (const auto weg = stellung.Linie(linie, art.gewicht, art.knoten, art.halt)) {
                stellung.Gehen(*weg, linie);
                g = linienende[l++] - 1;
                continue;
            }
        }
        if (g + 1 == linienende[l])
            ++l;
        const auto wege = stellung.Wege(gruppen[g], puffer);
        size_t wahl = 0;
        for (size_t i = 0, beste = SIZE_MAX; i < wege.size() && wege.size() > 1; ++i) {
            Stellung probe = stellung;
            probe.Gehen(wege[i], gruppen[g]);
            const size_t danach = g + 1 < gruppen.size() ? probe.Wege(gruppen[g + 1], puffer).front().size()
                                                         : size_t(restKosten(probe));
            if (danach < beste)
                beste = danach, wahl = i;
        }
        stellung.Gehen(wege[wahl], gruppen[g]);
    }
    return stellung;
}

std::vector<Zug> Reduktion(const Spielstand& s)
{
    Stellung stellung = Reduziert(s, 3, [](const Stellung& p) { return p.Rest().size(); });
    stellung.RestGehen(stellung.Rest(), 3);
    return stellung.Zuege();
}

// The symmetries that bring the empty field's home into the last r x r cells.
std::vector<Symmetrie> Ordnungen(const Spielstand& s, int r)
{
    std::vector<Symmetrie> liste;
    const int n = s.n();
    for (int i = 0; i < 8; ++i) {
        const Symmetrie sym = Symmetrie::Nummer(n, i);
        const int heim = sym.Bild(s.FreiesFeld) - 1;
        if (heim / n >= n - r && heim % n >= n - r)
            liste.push_back(sym);
    }
    return liste;  // mirrors bring every field into the last half, so there is one
}

constexpr size_t DreiBeste = 3;

// The last 4 x 4: the fewest moves if found within a budget, else a weighted search, else line
// by line.
std::optional<std::vector<Zug>> ViererRest(const Spielstand& rest, std::stop_token halt)
{
    constexpr long Knoten = 150000;
    if (auto weg = KuerzesteSchiebeLoesung(rest, halt, Knoten))
        return weg;
    if (auto weg = KuerzesteSchiebeLoesung(rest, halt, Knoten, 140))
        return weg;
    if (halt.stop_requested())
        return std::nullopt;
    return SchiebeLoesungReihenweise(rest, halt, 1);
}

} // namespace

std::vector<Zug> SchiebeLoesungReihenweise(const Spielstand& s, std::stop_token halt, int symmetrien)
{
    // Every symmetry gives its own order of lines; the shortest way wins.
    std::vector<Zug> beste;
    const auto ordnungen = Ordnungen(s, 3);
    for (int i = 0; i < int(ordnungen.size()) && i < symmetrien; ++i) {
        if (halt.stop_requested())
            return {};
        std::vector<Zug> zuege = Reduktion(Abgebildet(s, ordnungen[size_t(i)]));
        if (beste.empty() || zuege.size() < beste.size())
            beste = Zurueckgebildet(zuege, ordnungen[size_t(i)]);
    }
    return beste;
}

std::vector<Zug> SchiebeLoesungUeberVier(const Spielstand& s, std::stop_token halt)
{
    // Of the orders of lines, the three whose moves and the bound of the rest add up least are
    // finished, the shortest kept: the bound often misjudges the rest by a move or two.
    struct Kandidat {
        Symmetrie sym;
        Stellung stellung;
        int schaetzung;
    };
    std::vector<Kandidat> kandidaten;
    auto kosten = [&](const Stellung& p) { return SchiebeSchranke(p.Restbrett(4), halt); };
    for (const Symmetrie& sym : Ordnungen(s, 4))
        for (const Linienversuch& v : Linienversuche(s.n())) {
            Stellung stellung = Reduziert(Abgebildet(s, sym), 4, kosten, {v.gewicht, v.knoten, halt, v.zeilenZuerst});
            const int schaetzung = int(stellung.Zuege().size()) + kosten(stellung);
            kandidaten.push_back(Kandidat{sym, stellung, schaetzung});
        }
    if (halt.stop_requested())
        return {};
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [](const Kandidat& a, const Kandidat& b) { return a.schaetzung < b.schaetzung; });
    std::vector<Zug> beste;
    for (size_t i = 0; i < kandidaten.size() && i < DreiBeste; ++i) {
        Kandidat& k = kandidaten[i];
        const auto rest = ViererRest(k.stellung.Restbrett(4), halt);
        if (!rest)
            return {};
        k.stellung.RestGehen(*rest, 4);
        if (beste.empty() || k.stellung.Zuege().size() < beste.size())
            beste = Zurueckgebildet(k.stellung.Zuege(), k.sym);
    }
    return beste;
}

} // namespace engine::loeser
