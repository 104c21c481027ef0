#include "engine/loeser_makro.h"

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

Perm Nacheinander(const Perm& a, const Perm& b, int zellen)
{
    Perm c{};
    for (int i = 0; i < zellen; ++i)
        c[i] = b[a[i]];
    return c;
}

Perm Invers(const Perm& a, int zellen)
{
    Perm c{};
    for (int i = 0; i < zellen; ++i)
        c[a[i]] = uint8_t(i);
    return c;
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

std::unique_ptr<Makrobibliothek> Bauen(Variante v, int n)
{
    const int zellen = n * n;
    const std::vector<Folge> grund = Grundzuege(v, n);
    auto bib = std::make_unique<Makrobibliothek>();
    std::unordered_map<std::string, size_t> bekannt;  // effect -> macro: the cheapest one stays

    auto aufnehmen = [&](std::vector<Zug> zuege, const Perm& nach) {
        const uint64_t traeger = Traeger(nach, zellen);
        if (traeger == 0)
            return;
        std::string schluessel;
        for (int c = 0; c < zellen; ++c)
            if (traeger >> c & 1)
                schluessel += char(c), schluessel += char(nach[c]);
        const auto [it, neu] = bekannt.emplace(schluessel, bib->makros.size());
        if (!neu) {
            if (bib->makros[it->second].zuege.size() > zuege.size())
                bib->makros[it->second].zuege = std::move(zuege);
            return;
        }
        Makro m;
        m.zuege = std::move(zuege);
        m.traeger = traeger;
        for (int c = 0; c < zellen; ++c)
            if (traeger >> c & 1)
                m.wirkung.push_back({uint8_t(c), nach[c]});
        m.ungerade = Ungerade(nach, zellen);
        bib->makros.push_back(std::move(m));
    };
    auto verbunden = [](const Folge& a, const Folge& b) { return a.linie != b.linie && (a.traeger & b.traeger); };
    auto folge = [](std::initializer_list<const std::vector<Zug>*> teile) {
        std::vector<Zug> z;
        for (const auto* t : teile)
            z.insert(z.end(), t->begin(), t->end());
        return z;
    };

    std::vector<Folge> kommutatoren;
    for (const Folge& x : grund) {
        aufnehmen(x.zuege, x.nach);
        const auto xr = Rueckwaerts(x.zuege);
        const Perm xi = Invers(x.nach, zellen);
        for (const Folge& y : grund) {
            if (!verbunden(x, y))
                continue;
            // x y x⁻¹: y moved to where x takes its cells.
            aufnehmen(folge({&x.zuege, &y.zuege, &xr}), Nacheinander(Nacheinander(x.nach, y.nach, zellen), xi, zellen));
            // x y x⁻¹ y⁻¹: only the cells near the crossing move.
            const auto yr = Rueckwaerts(y.zuege);
            Folge k{folge({&x.zuege, &y.zuege, &xr, &yr}), {}, 0, -1};
            k.nach = Nacheinander(Nacheinander(Nacheinander(x.nach, y.nach, zellen), xi, zellen),
                                  Invers(y.nach, zellen), zellen);
            k.traeger = Traeger(k.nach, zellen);
            aufnehmen(k.zuege, k.nach);
            kommutatoren.push_back(std::move(k));
        }
    }
    // Commutators carried elsewhere by one more move and its undoing.
    for (const Folge& k : kommutatoren)
        for (const Folge& z : grund) {
            if (!(z.traeger & k.traeger))
                continue;
            const auto zr = Rueckwaerts(z.zuege);
            aufnehmen(folge({&z.zuege, &k.zuege, &zr}),
                      Nacheinander(Nacheinander(z.nach, k.nach, zellen), Invers(z.nach, zellen), zellen));
        }

    bib->ab.resize(size_t(zellen));
    for (size_t i = 0; i < bib->makros.size(); ++i)
        for (const auto& [von, nach] : bib->makros[i].wirkung)
            bib->ab[von].push_back({int(i), nach});
    return bib;
}

} // namespace

std::vector<Zug> Vereinfacht(const std::vector<Zug>& zuege, Variante v, int n)
{
    // A move as (line or axis, +1 or -1); a line's moves add up modulo its period.
    const bool schieben = v == Variante::Verschieben;
    const int periode = schieben ? n : 4;
    struct Block {
        int linie, menge;
    };
    auto block = [&](const Zug& z) -> Block {
        switch (z.op) {
        case Operation::ZeileRechts: return {z.a, 1};
        case Operation::ZeileLinks: return {z.a, -1};
        case Operation::SpalteRunter: return {n + z.a, 1};
        case Operation::SpalteHoch: return {n + z.a, -1};
        case Operation::AchseRechts: return {z.a, 1};
        case Operation::AchseLinks: return {z.a, -1};
        default: return {0, 0};
        }
    };
    // Parallel lines commute, and so do axes that share no field.
    auto vertauschbar = [&](int a, int b) {
        if (schieben)
            return (a > n) == (b > n);
        const int za = (a - 1) / (n - 1), sa = (a - 1) % (n - 1), zb = (b - 1) / (n - 1), sb = (b - 1) % (n - 1);
        return std::abs(za - zb) >= 2 || std::abs(sa - sb) >= 2;
    };
    auto zug = [&](int linie, bool vor) -> Zug {
        if (!schieben)
            return {vor ? Operation::AchseRechts : Operation::AchseLinks, linie};
        if (linie <= n)
            return {vor ? Operation::ZeileRechts : Operation::ZeileLinks, linie};
        return {vor ? Operation::SpalteRunter : Operation::SpalteHoch, linie - n};
    };

    std::vector<Zug> ergebnis = zuege;
    for (size_t vorher = SIZE_MAX; ergebnis.size() < vorher;) {
        vorher = ergebnis.size();
        std::vector<Block> bloecke;
        for (const Zug& z : ergebnis) {
            const Block b = block(z);
            int j = int(bloecke.size()) - 1;
            while (j >= 0 && bloecke[j].linie != b.linie && vertauschbar(bloecke[j].linie, b.linie))
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
        for (const Block& b : bloecke) {
            const bool vor = 2 * b.menge <= periode;
            ergebnis.insert(ergebnis.end(), size_t(vor ? b.menge : periode - b.menge), zug(b.linie, vor));
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
