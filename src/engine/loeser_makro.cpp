#include "engine/loeser_makro.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace engine::loeser {

namespace {

// Where the tile of every cell ends.
using Perm = std::array<uint8_t, MaxFelder>;

struct Folge {
    std::vector<Zug> zuege;
    Perm nach;
    uint64_t traeger;
    int linie;  // the line (variant 2) or axis (variant 3) it moves
};

Perm Wirkung(const std::vector<Zug>& zuege, Variante v, int n)
{
    Spielstand s;
    s.variante = v;
    s.Groesse = uint8_t(n);
    for (int p = 1; p <= n * n; ++p)
        s.Spielfeld[p] = uint8_t(p);
    for (const Zug& z : zuege)
        Ausfuehren(s, z);
    Perm nach{};
    for (int q = 1; q <= n * n; ++q)
        nach[s.Spielfeld[q] - 1] = uint8_t(q - 1);
    return nach;
}

uint64_t Traeger(const Perm& nach, int zellen)
{
    uint64_t t = 0;
    for (int c = 0; c < zellen; ++c)
        if (nach[c] != c)
            t |= uint64_t(1) << c;
    return t;
}

std::vector<Zug> Rueckwaerts(const std::vector<Zug>& zuege)
{
    std::vector<Zug> r;
    for (auto it = zuege.rbegin(); it != zuege.rend(); ++it)
        r.push_back(Umkehrung(*it));
    return r;
}

// The single shifts of a line by every distance (the shorter way round) or the turns of an axis
// by a quarter either way and by a half.
std::vector<Folge> Grundzuege(Variante v, int n)
{
    std::vector<Folge> grund;
    auto dazu = [&](Zug zug, int anzahl, int linie) {
        Folge f{std::vector<Zug>(size_t(anzahl), zug), {}, 0, linie};
        f.nach = Wirkung(f.zuege, v, n);
        f.traeger = Traeger(f.nach, n * n);
        grund.push_back(f);
    };
    if (v == Variante::Verschieben) {
        for (int i = 1; i <= n; ++i)
            for (int k = 1; k < n; ++k) {
                const bool vor = 2 * k <= n;
                dazu({vor ? Operation::ZeileRechts : Operation::ZeileLinks, i}, vor ? k : n - k, i);
                dazu({vor ? Operation::SpalteRunter : Operation::SpalteHoch, i}, vor ? k : n - k, n + i);
            }
    } else {
        for (int k = 1; k <= AchsenAnzahl(n); ++k) {
            dazu({Operation::AchseRechts, k}, 1, k);
            dazu({Operation::AchseLinks, k}, 1, k);
            dazu({Operation::AchseRechts, k}, 2, k);
        }
    }
    return grund;
}

// First a, then b.
Folge Verkettet(const Folge& a, const Folge& b, int zellen)
{
    Folge f{a.zuege, {}, 0, -1};
    f.zuege.insert(f.zuege.end(), b.zuege.begin(), b.zuege.end());
    for (int i = 0; i < zellen; ++i)
        f.nach[i] = b.nach[a.nach[i]];
    f.traeger = Traeger(f.nach, zellen);
    return f;
}

Folge Umgekehrt(const Folge& a, int zellen)
{
    Folge f{Rueckwaerts(a.zuege), {}, a.traeger, a.linie};
    for (int i = 0; i < zellen; ++i)
        f.nach[a.nach[i]] = uint8_t(i);
    return f;
}

bool Ungerade(const Perm& nach, int zellen)
{
    std::array<bool, MaxFelder> gesehen{};
    bool ungerade = false;
    for (int c = 0; c < zellen; ++c) {
        int laenge = 0;
        for (int d = c; !gesehen[d]; d = nach[d])
            gesehen[d] = true, ++laenge;
        if (laenge % 2 == 0 && laenge > 0)
            ungerade = !ungerade;
    }
    return ungerade;
}

// Collects macros by what they do: of sequences with the same effect the shortest stays.
class Sammlung {
public:
    Sammlung(int zellen, Makrobibliothek& bib) : zellen_(zellen), bib_(bib) {}

    void Aufnehmen(const Folge& f)
    {
        if (f.traeger == 0)
            return;
        std::string schluessel;
        for (int c = 0; c < zellen_; ++c)
            if (f.traeger >> c & 1)
                schluessel += char(c), schluessel += char(f.nach[c]);
        const auto [it, neu] = bekannt_.emplace(schluessel, bib_.makros.size());
        if (!neu) {
            if (bib_.makros[it->second].zuege.size() > f.zuege.size())
                bib_.makros[it->second].zuege = f.zuege;
            return;
        }
        Makro m{f.zuege, f.traeger, {}, Ungerade(f.nach, zellen_)};
        for (int c = 0; c < zellen_; ++c)
            if (f.traeger >> c & 1)
                m.wirkung.push_back({uint8_t(c), f.nach[c]});
        bib_.makros.push_back(std::move(m));
    }

private:
    int zellen_;
    Makrobibliothek& bib_;
    std::unordered_map<std::string, size_t> bekannt_;
};

// The single moves; x y x⁻¹ for moves x, y that share cells (y carried to where x takes its
// cells); the commutators x y x⁻¹ y⁻¹, which move only the cells near the crossing; and those
// commutators carried elsewhere by one more move and its undoing.
std::unique_ptr<Makrobibliothek> Bauen(Variante v, int n)
{
    const int zellen = n * n;
    const std::vector<Folge> grund = Grundzuege(v, n);
    std::vector<Folge> umgekehrt;
    for (const Folge& x : grund)
        umgekehrt.push_back(Umgekehrt(x, zellen));
    auto bib = std::make_unique<Makrobibliothek>();
    Sammlung sammlung(zellen, *bib);

    std::vector<Folge> kommutatoren;
    for (size_t i = 0; i < grund.size(); ++i) {
        sammlung.Aufnehmen(grund[i]);
        for (size_t j = 0; j < grund.size(); ++j) {
            if (grund[i].linie == grund[j].linie || !(grund[i].traeger & grund[j].traeger))
                continue;
            const Folge xy = Verkettet(grund[i], grund[j], zellen);
            sammlung.Aufnehmen(Verkettet(xy, umgekehrt[i], zellen));
            kommutatoren.push_back(Verkettet(xy, Verkettet(umgekehrt[i], umgekehrt[j], zellen), zellen));
            sammlung.Aufnehmen(kommutatoren.back());
        }
    }
    for (const Folge& k : kommutatoren)
        for (size_t i = 0; i < grund.size(); ++i)
            if (grund[i].traeger & k.traeger)
                sammlung.Aufnehmen(Verkettet(Verkettet(grund[i], k, zellen), umgekehrt[i], zellen));

    bib->ab.resize(size_t(zellen));
    for (size_t i = 0; i < bib->makros.size(); ++i)
        for (const auto& [von, nach] : bib->makros[i].wirkung)
            bib->ab[von].push_back({int(i), nach});
    for (auto& liste : bib->ab)
        std::stable_sort(liste.begin(), liste.end(), [&](const auto& a, const auto& b) {
            return bib->makros[a.first].kosten() < bib->makros[b.first].kosten();
        });
    return bib;
}

// Moves as (line or axis, +1 or -1) for the simplifier: a line's moves add up modulo its
// period, parallel lines commute, and so do axes that share no field.
struct Linien {
    bool schieben;
    int n;

    struct Stueck {
        int linie, menge;
    };
    Stueck Als(const engine::Zug& z) const
    {
        switch (z.op) {
        case Operation::ZeileRechts: return {z.a, 1};
        case Operation::ZeileLinks: return {z.a, -1};
        case Operation::SpalteRunter: return {n + z.a, 1};
        case Operation::SpalteHoch: return {n + z.a, -1};
        case Operation::AchseRechts: return {z.a, 1};
        case Operation::AchseLinks: return {z.a, -1};
        default: return {0, 0};
        }
    }
    bool Vertauschbar(int a, int b) const
    {
        if (schieben)
            return (a > n) == (b > n);
        const int za = (a - 1) / (n - 1), sa = (a - 1) % (n - 1), zb = (b - 1) / (n - 1), sb = (b - 1) % (n - 1);
        return std::abs(za - zb) >= 2 || std::abs(sa - sb) >= 2;
    }
    engine::Zug AlsZug(int linie, bool vor) const
    {
        if (!schieben)
            return {vor ? Operation::AchseRechts : Operation::AchseLinks, linie};
        if (linie <= n)
            return {vor ? Operation::ZeileRechts : Operation::ZeileLinks, linie};
        return {vor ? Operation::SpalteRunter : Operation::SpalteHoch, linie - n};
    }
};

} // namespace

std::vector<Zug> Vereinfacht(const std::vector<Zug>& zuege, Variante v, int n)
{
    const Linien linien{v == Variante::Verschieben, n};
    const int periode = linien.schieben ? n : 4;
    std::vector<Zug> ergebnis = zuege;
    for (size_t vorher = SIZE_MAX; ergebnis.size() < vorher;) {
        vorher = ergebnis.size();
        std::vector<Linien::Stueck> bloecke;
        for (const Zug& z : ergebnis) {
            const Linien::Stueck b = linien.Als(z);
            int j = int(bloecke.size()) - 1;
            while (j >= 0 && bloecke[j].linie != b.linie && linien.Vertauschbar(bloecke[j].linie, b.linie))
                --j;
            if (j >= 0 && bloecke[j].linie == b.linie) {
                bloecke[j].menge = (bloecke[j].menge + b.menge + periode) % periode;
                if (bloecke[j].menge == 0)
                    bloecke.erase(bloecke.begin() + j);
            } else {
                bloecke.push_back({b.linie, (b.menge + periode) % periode});
            }
        }
        ergebnis.clear();
        for (const Linien::Stueck& b : bloecke) {
            const bool vor = 2 * b.menge <= periode;
            ergebnis.insert(ergebnis.end(), size_t(vor ? b.menge : periode - b.menge), linien.AlsZug(b.linie, vor));
        }
    }
    return ergebnis;
}

const Makrobibliothek& Makros(Variante v, int n)
{
    static std::once_flag gebaut[2][MaxSeite + 1];
    static std::unique_ptr<Makrobibliothek> bib[2][MaxSeite + 1];
    const int i = v == Variante::Verschieben ? 0 : 1;
    std::call_once(gebaut[i][n], [&] { bib[i][n] = Bauen(v, n); });
    return *bib[i][n];
}

} // namespace engine::loeser
