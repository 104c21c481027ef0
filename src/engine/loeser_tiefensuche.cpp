#include "engine/loeser_tiefensuche.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <mutex>

#include "engine/loeser_intern.h"
#include "engine/loeser_muster.h"

namespace engine::loeser {

namespace {

constexpr int Seite = 4, Zellen = 16;

// The patterns in use, by tiles (= home fields, 1-based). Compact blocks interact least.
constexpr int MusterAnzahl = 8;
constexpr std::array<std::array<int, 5>, MusterAnzahl> MusterTeile = {{
    {1, 2, 3, 5, 6},       // top left
    {4, 7, 8, 11, 12},     // right, empty field at home in the corner
    {4, 7, 8, 12, 16},     // right column
    {9, 10, 13, 14, 15},   // bottom left
    {9, 10, 11, 13, 14},   // bottom left, empty field at home on the bottom edge
    {1, 2, 5, 6, 9},       // a second set for that home: left,
    {3, 4, 7, 8, 11},      // right
    {10, 12, 13, 14, 16},  // and bottom
}};

const Musterdatenbank& Muster(int nummer)
{
    static std::once_flag gebaut[MusterAnzahl];
    static std::unique_ptr<Musterdatenbank> db[MusterAnzahl];
    std::call_once(gebaut[nummer], [nummer] {
        std::vector<int> heime;
        for (int teil : MusterTeile[nummer])
            heime.push_back(teil - 1);
        db[nummer] = std::make_unique<Musterdatenbank>(heime);
    });
    return *db[nummer];
}

// Every home of the empty field is turned by a symmetry of the square into a corner (16), a
// middle field (11) or an edge field (15). The bound is the larger of two pattern sets' sums.
// Homes on the main diagonal keep their place when rows and columns swap, so there the same set
// read on the swapped board gives the second sum for free; the edge needs a set of its own.
struct Aufteilung {
    int heim;
    std::array<int, 3> muster, zweite;
    bool zweiteGetauscht;
};
constexpr std::array<Aufteilung, 3> Aufteilungen = {{
    {16, {0, 1, 3}, {0, 1, 3}, true},
    {11, {0, 2, 3}, {0, 2, 3}, true},
    {15, {0, 2, 4}, {5, 6, 7}, false},
}};

int Getauscht(int zelle) { return (zelle % Seite) * Seite + zelle / Seite; }

struct Nachbarliste {
    std::array<std::array<int8_t, 4>, Zellen> zelle;
    std::array<int, Zellen> anzahl;
};

const Nachbarliste& Nachbarn()
{
    static const Nachbarliste liste = [] {
        Nachbarliste l{};
        for (int c = 0; c < Zellen; ++c) {
            auto dazu = [&](int q) { l.zelle[c][l.anzahl[c]++] = int8_t(q); };
            if (c % Seite != Seite - 1) dazu(c + 1);
            if (c + Seite < Zellen) dazu(c + Seite);
            if (c % Seite != 0) dazu(c - 1);
            if (c >= Seite) dazu(c - Seite);
        }
        return l;
    }();
    return liste;
}

// One pattern set read on the board, or on the board with rows and columns swapped: per tile its
// pattern and the place of its nibble in that pattern's index, per cell the cell it is read as.
struct Sicht {
    std::array<const uint8_t*, 3> werte{};
    std::array<uint8_t, Zellen> muster{}, platz{}, zelle{};
    std::array<uint32_t, 3> index{};
    std::array<int, 3> teil{};  // the patterns' values for the current position

    Sicht(const std::array<int, 3>& satz, bool getauscht)
    {
        std::array<int, Zellen> m{}, p{};
        for (int j = 0; j < 3; ++j) {
            werte[j] = Muster(satz[j]).Werte();
            for (int i = 0; i < 5; ++i)
                m[MusterTeile[satz[j]][i] - 1] = j, p[MusterTeile[satz[j]][i] - 1] = 4 * i;
        }
        for (int c = 0; c < Zellen; ++c) {
            zelle[c] = uint8_t(getauscht ? Getauscht(c) : c);
            muster[c] = uint8_t(m[zelle[c]]);  // tile c is read as tile zelle[c]
            platz[c] = uint8_t(p[zelle[c]]);
        }
    }
    void Setzen(int t, int c) { index[muster[t]] += uint32_t(zelle[c]) << platz[t]; }
    void Bewerten()
    {
        for (int j = 0; j < 3; ++j)
            teil[j] = werte[j][index[j]];
    }
    int Summe() const { return teil[0] + teil[1] + teil[2]; }
};

// IDA*: depth-first searches with a growing bound on moves made plus the lower bound. A move
// changes one pattern's index per set, in one nibble, so a step costs a few operations.
class Suche {
public:
    Suche(const Spielstand& s, const Aufteilung& a) : sicht_{Sicht(a.muster, false), Sicht(a.zweite, a.zweiteGetauscht)}
    {
        for (int c = 0; c < Zellen; ++c) {
            const int teil = s.Spielfeld[c + 1];
            if (teil == 0) {
                leer_ = c;
                continue;
            }
            brett_[c] = uint8_t(teil - 1);
            for (Sicht& v : sicht_)
                v.Setzen(teil - 1, c);
        }
        for (Sicht& v : sicht_)
            v.Bewerten();
    }

    std::vector<Zug> Loesen()
    {
        int grenze = std::max(sicht_[0].Summe(), sicht_[1].Summe());
        const int start = leer_;
        pfad_.reserve(100);
        for (;;) {
            naechsteGrenze_ = INT_MAX;
            if (Tiefe(0, grenze, -1))
                break;
            grenze = naechsteGrenze_;
        }
        std::vector<Zug> zuege;
        int leer = start;
        for (int feld : pfad_) {
            zuege.push_back(Schiebezug(feld + 1, leer + 1));
            leer = feld;
        }
        return zuege;
    }

private:
    // Searches on below a position whose bound is within the limit; children over the limit are
    // not entered, only their bound is noted for the next round.
    bool Tiefe(int g, int grenze, int vorher)
    {
        const int leer = leer_;
        for (int i = 0; i < nachbarn_.anzahl[leer]; ++i) {
            const int von = nachbarn_.zelle[leer][i];
            if (von == vorher)
                continue;
            const int t = brett_[von];
            std::array<uint32_t, 2> altIndex;
            std::array<int, 2> altTeil;
            int h = 0;
            for (int k = 0; k < 2; ++k) {
                Sicht& v = sicht_[k];
                const int m = v.muster[t];
                altIndex[k] = v.index[m], altTeil[k] = v.teil[m];
                v.index[m] += (uint32_t(v.zelle[leer]) << v.platz[t]) - (uint32_t(v.zelle[von]) << v.platz[t]);
                v.teil[m] = v.werte[m][v.index[m]];
                h = std::max(h, v.Summe());
            }
            brett_[leer] = uint8_t(t);
            leer_ = von;
            pfad_.push_back(von);
            if (h == 0)
                return true;  // every tile home, so the empty field is too
            if (g + 1 + h > grenze)
                naechsteGrenze_ = std::min(naechsteGrenze_, g + 1 + h);
            else if (Tiefe(g + 1, grenze, leer))
                return true;
            pfad_.pop_back();
            brett_[von] = uint8_t(t);
            leer_ = leer;
            for (int k = 0; k < 2; ++k) {
                const int m = sicht_[k].muster[t];
                sicht_[k].index[m] = altIndex[k], sicht_[k].teil[m] = altTeil[k];
            }
        }
        return false;
    }

    std::array<Sicht, 2> sicht_;
    std::array<uint8_t, Zellen> brett_{};
    const Nachbarliste& nachbarn_ = Nachbarn();
    int leer_ = 0;
    int naechsteGrenze_ = INT_MAX;
    std::vector<int> pfad_;
};

// The symmetry that takes the empty field's home to its kind's representative.
std::pair<Symmetrie, const Aufteilung*> Einordnung(int heim)
{
    for (int i = 0; i < 8; ++i) {
        const Symmetrie sym = Symmetrie::Nummer(Seite, i);
        for (const Aufteilung& a : Aufteilungen)
            if (sym.Bild(heim) == a.heim)
                return {sym, &a};
    }
    return {Symmetrie::Nummer(Seite, 0), &Aufteilungen[0]};  // unreachable: every field has a kind
}

} // namespace

std::vector<Zug> KuerzesteSchiebeLoesung(const Spielstand& s)
{
    const auto [sym, aufteilung] = Einordnung(s.FreiesFeld);
    Suche suche(Abgebildet(s, sym), *aufteilung);
    return Zurueckgebildet(suche.Loesen(), sym);
}

void SchiebeMusterVorbereiten(const Spielstand& s)
{
    const Aufteilung& a = *Einordnung(s.FreiesFeld).second;
    for (int j = 0; j < 3; ++j)
        Muster(a.muster[j]), Muster(a.zweite[j]);
}

} // namespace engine::loeser
