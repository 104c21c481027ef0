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
constexpr int MusterAnzahl = 5;
constexpr std::array<std::array<int, 5>, MusterAnzahl> MusterTeile = {{
    {1, 2, 3, 5, 6},       // top left
    {4, 7, 8, 11, 12},     // right, empty field at home in the corner
    {4, 7, 8, 12, 16},     // right column
    {9, 10, 13, 14, 15},   // bottom left
    {9, 10, 11, 13, 14},   // bottom left, empty field at home on the bottom edge
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
// middle field (11) or an edge field (15). Homes on the main diagonal keep their place when rows
// and columns swap, so there the pattern set read on the swapped board gives a second bound.
struct Aufteilung {
    int heim;
    std::array<int, 3> muster;
    bool spiegeln;
};
constexpr std::array<Aufteilung, 3> Aufteilungen = {{
    {16, {0, 1, 3}, true},
    {11, {0, 2, 3}, true},
    {15, {0, 2, 4}, false},
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

// IDA*: depth-first searches with a growing bound on moves made plus the lower bound. The
// bound's index per pattern changes in one nibble per move, so a step costs a few operations.
class Suche {
public:
    Suche(const Spielstand& s, const Aufteilung& a) : spiegeln_(a.spiegeln)
    {
        for (int j = 0; j < 3; ++j)
            werte_[j] = Muster(a.muster[j]).Werte();
        std::array<int, Zellen> muster{}, platz{};
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 5; ++i) {
                muster[MusterTeile[a.muster[j]][i] - 1] = j;
                platz[MusterTeile[a.muster[j]][i] - 1] = 4 * i;
            }
        for (int c = 0; c < Zellen; ++c) {
            const int teil = s.Spielfeld[c + 1];
            if (teil == 0) {
                leer_ = c;
                continue;
            }
            const int t = teil - 1, gt = Getauscht(t);
            muster_[t] = uint8_t(muster[t]);
            platz_[t] = uint8_t(platz[t]);
            spiegelMuster_[t] = uint8_t(muster[gt]);
            spiegelPlatz_[t] = uint8_t(platz[gt]);
            brett_[c] = uint8_t(t);
            index_[muster_[t]] += uint32_t(c) << platz_[t];
            spiegelIndex_[spiegelMuster_[t]] += uint32_t(Getauscht(c)) << spiegelPlatz_[t];
        }
    }

    std::vector<Zug> Loesen()
    {
        int grenze = Schranke();
        startLeer_ = leer_;
        pfad_.reserve(100);
        for (;;) {
            naechsteGrenze_ = INT_MAX;
            if (Tiefe(0, grenze, -1))
                break;
            grenze = naechsteGrenze_;
        }
        std::vector<Zug> zuege;
        int leer = startLeer_;
        for (int feld : pfad_) {
            zuege.push_back(Schiebezug(feld + 1, leer + 1));
            leer = feld;
        }
        return zuege;
    }

private:
    int Summe(const std::array<uint32_t, 3>& index) const
    {
        return werte_[0][index[0]] + werte_[1][index[1]] + werte_[2][index[2]];
    }
    int Schranke() const
    {
        const int h = Summe(index_);
        return spiegeln_ ? std::max(h, Summe(spiegelIndex_)) : h;
    }

    // Moves the tile on `von` into the empty field, or back.
    void Schieben(int von, int nach)
    {
        const int t = brett_[von];
        brett_[nach] = uint8_t(t);
        index_[muster_[t]] += (uint32_t(nach) << platz_[t]) - (uint32_t(von) << platz_[t]);
        spiegelIndex_[spiegelMuster_[t]] += (uint32_t(Getauscht(nach)) << spiegelPlatz_[t]) -
                                            (uint32_t(Getauscht(von)) << spiegelPlatz_[t]);
        leer_ = von;
    }

    bool Tiefe(int g, int grenze, int vorher)
    {
        const int h = Schranke();
        if (h == 0)
            return true;  // every tile home, so the empty field is too
        if (g + h > grenze) {
            naechsteGrenze_ = std::min(naechsteGrenze_, g + h);
            return false;
        }
        const Nachbarliste& nb = Nachbarn();
        const int leer = leer_;
        for (int i = 0; i < nb.anzahl[leer]; ++i) {
            const int von = nb.zelle[leer][i];
            if (von == vorher)
                continue;
            Schieben(von, leer);
            pfad_.push_back(von);
            if (Tiefe(g + 1, grenze, leer))
                return true;
            pfad_.pop_back();
            Schieben(leer, von);
        }
        return false;
    }

    bool spiegeln_;
    std::array<const uint8_t*, 3> werte_{};
    std::array<uint8_t, Zellen> brett_{}, muster_{}, platz_{}, spiegelMuster_{}, spiegelPlatz_{};
    std::array<uint32_t, 3> index_{}, spiegelIndex_{};
    int leer_ = 0, startLeer_ = 0;
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
    for (int m : Einordnung(s.FreiesFeld).second->muster)
        Muster(m);
}

} // namespace engine::loeser
