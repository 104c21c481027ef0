#include "engine/loeser_reihen.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "engine/loeser_intern.h"
#include "engine/loeser_tabelle.h"

namespace engine::loeser {

namespace {

constexpr uint8_t Leer = 0xFF;

// The home cells in the order they are finished: the top row or the left column of what is
// left, the longer side first, until 3 x 3 cells remain. A line's end cell has one free
// neighbour once the rest of the line is home, so its last two tiles go home together; so do the
// others, two at a time, for shorter ways.
std::vector<std::vector<int>> Gruppen(int n)
{
    std::vector<std::vector<int>> gruppen;
    int z0 = 0, s0 = 0;
    while (n - z0 > 3 || n - s0 > 3) {
        std::vector<int> linie;
        if (n - z0 >= n - s0) {
            for (int sp = s0; sp < n; ++sp)
                linie.push_back(z0 * n + sp);
            ++z0;
        } else {
            for (int z = z0; z < n; ++z)
                linie.push_back(z * n + s0);
            ++s0;
        }
        size_t i = 0;
        if (linie.size() % 2 == 1)
            gruppen.push_back({linie[i++]});
        for (; i < linie.size(); i += 2)
            gruppen.push_back({linie[i], linie[i + 1]});
    }
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

    void Gehen(const std::vector<int>& weg, const std::vector<int>& heime)
    {
        for (int von : weg)
            Schieben(von);
        for (int h : heime)
            fest_ |= uint64_t(1) << h;
    }

    // The last 3 x 3 cells, bottom right, hold the empty field's home: the table solves them.
    std::vector<Zug> Rest() const
    {
        const int basis = n_ - 3;
        Spielstand rest;
        rest.variante = Variante::Schieben;
        rest.Groesse = 3;
        rest.FreiesFeld = Lokal(heimLeer_) + 1;
        for (int l = 0; l < 9; ++l) {
            const uint8_t teil = brett_[(basis + l / 3) * n_ + basis + l % 3];
            rest.Spielfeld[l + 1] = teil == Leer ? 0 : uint8_t(Lokal(teil) + 1);
        }
        return TabellenLoesung(rest);
    }
    void RestGehen()
    {
        const int basis = n_ - 3;
        for (const Zug& z : Rest())
            Schieben((basis + (z.a - 1) / 3) * n_ + basis + (z.a - 1) % 3);
    }

private:
    int Lokal(int c) const { return (c / n_ - (n_ - 3)) * 3 + c % n_ - (n_ - 3); }

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

// Group after group; where several shortest ways end with the empty field in different places,
// the one that leaves the next group (or the last 3 x 3) the shortest way is taken.
std::vector<Zug> Reduktion(const Spielstand& s)
{
    const auto gruppen = Gruppen(s.n());
    Puffer puffer;
    Stellung stellung(s);
    for (size_t g = 0; g < gruppen.size(); ++g) {
        const auto wege = stellung.Wege(gruppen[g], puffer);
        size_t wahl = 0;
        for (size_t i = 0, beste = SIZE_MAX; i < wege.size() && wege.size() > 1; ++i) {
            Stellung probe = stellung;
            probe.Gehen(wege[i], gruppen[g]);
            const size_t danach = g + 1 < gruppen.size() ? probe.Wege(gruppen[g + 1], puffer).front().size()
                                                         : probe.Rest().size();
            if (danach < beste)
                beste = danach, wahl = i;
        }
        stellung.Gehen(wege[wahl], gruppen[g]);
    }
    stellung.RestGehen();
    return stellung.Zuege();
}

} // namespace

std::vector<Zug> SchiebeLoesungReihenweise(const Spielstand& s, std::stop_token halt, int symmetrien)
{
    // Every symmetry that brings the empty field's home into the last 3 x 3 cells gives its own
    // order of lines; the shortest way wins.
    const int n = s.n();
    std::vector<Zug> beste;
    for (int i = 0, versucht = 0; i < 8 && versucht < symmetrien; ++i) {
        const Symmetrie sym = Symmetrie::Nummer(n, i);
        const int heim = sym.Bild(s.FreiesFeld) - 1;
        if (heim / n < n - 3 || heim % n < n - 3)
            continue;
        if (halt.stop_requested())
            return {};
        ++versucht;
        std::vector<Zug> zuege = Reduktion(Abgebildet(s, sym));
        if (beste.empty() || zuege.size() < beste.size())
            beste = Zurueckgebildet(zuege, sym);
    }
    return beste;  // mirrors bring every field into the last half, so there was a candidate
}

} // namespace engine::loeser
