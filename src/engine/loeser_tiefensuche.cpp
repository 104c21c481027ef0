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

// The patterns whose tables are built, by tiles (= home fields, 1-based). Compact blocks
// interact least. A pattern that is a mirror or turn of one of these reads its table through
// that symmetry, so few tables serve every home of the empty field.
constexpr int MusterAnzahl = 4;
using Teile = std::array<int, 5>;
constexpr std::array<Teile, MusterAnzahl> MusterTeile = {{
    {1, 2, 3, 5, 6},      // a corner block
    {4, 7, 8, 11, 12},    // a staircase
    {4, 7, 8, 12, 16},    // a column with one more
    {9, 10, 11, 13, 14},  // a row of three over two
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

// Which built table, read through which symmetry, holds the pattern of these tiles.
std::pair<int, Symmetrie> Quelle(const Teile& teile)
{
    auto sortiert = [](Teile t) {
        std::sort(t.begin(), t.end());
        return t;
    };
    for (int q = 0; q < MusterAnzahl; ++q)
        for (int i = 0; i < 8; ++i) {
            const Symmetrie sym = Symmetrie::Nummer(Seite, i);
            Teile bild{};
            for (int k = 0; k < 5; ++k)
                bild[k] = sym.Bild(MusterTeile[q][k]);
            if (sortiert(bild) == sortiert(teile))
                return {q, sym};
        }
    return {0, Symmetrie::Nummer(Seite, 0)};  // unreachable: every set below is such an image
}

// Every home of the empty field is turned by a symmetry of the square into a corner (16), a
// middle field (11) or an edge field (15). The bound is the larger of two pattern sets' sums;
// for homes on the diagonal the second set is the first with rows and columns swapped.
using Satz = std::array<Teile, 3>;
struct Aufteilung {
    int heim;
    std::array<Satz, 2> saetze;
};
const std::array<Aufteilung, 3> Aufteilungen = {{
    {16, {{{{{1, 2, 3, 5, 6}, {4, 7, 8, 11, 12}, {9, 10, 13, 14, 15}}},
           {{{1, 2, 5, 6, 9}, {10, 11, 13, 14, 15}, {3, 4, 7, 8, 12}}}}}},
    {11, {{{{{1, 2, 3, 5, 6}, {4, 7, 8, 12, 16}, {9, 10, 13, 14, 15}}},
           {{{1, 2, 5, 6, 9}, {10, 13, 14, 15, 16}, {3, 4, 7, 8, 12}}}}}},
    {15, {{{{{1, 2, 3, 5, 6}, {4, 7, 8, 12, 16}, {9, 10, 11, 13, 14}}},
           {{{1, 2, 3, 4, 6}, {7, 8, 11, 12, 16}, {5, 9, 10, 13, 14}}}}}},
}};

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

// One pattern set: per tile its pattern and the place of its nibble in that pattern's index,
// per pattern and cell the cell its table reads (the table may be a mirror image).
struct Sicht {
    std::array<const uint8_t*, 3> werte{};
    std::array<uint8_t, Zellen> muster{}, platz{};
    std::array<std::array<uint8_t, Zellen>, 3> zelle{};
    std::array<uint32_t, 3> index{};
    std::array<int, 3> teil{};  // the patterns' values for the current position

    explicit Sicht(const Satz& satz)
    {
        for (int j = 0; j < 3; ++j) {
            const auto [q, sym] = Quelle(satz[j]);
            werte[j] = Muster(q).Werte();
            for (int i = 0; i < 5; ++i) {
                const int t = sym.Bild(MusterTeile[q][i]) - 1;
                muster[t] = uint8_t(j), platz[t] = uint8_t(4 * i);
            }
            for (int c = 0; c < Zellen; ++c)
                zelle[j][c] = uint8_t(sym.Urbild(c + 1) - 1);
        }
    }
    void Setzen(int t, int c) { index[muster[t]] += uint32_t(zelle[muster[t]][c]) << platz[t]; }
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
    Suche(const Spielstand& s, const Aufteilung& a) : sicht_{Sicht(a.saetze[0]), Sicht(a.saetze[1])}
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
                v.index[m] += (uint32_t(v.zelle[m][leer]) << v.platz[t]) - (uint32_t(v.zelle[m][von]) << v.platz[t]);
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
    for (const Satz& satz : Einordnung(s.FreiesFeld).second->saetze)
        for (const Teile& teile : satz)
            Muster(Quelle(teile).first);
}

} // namespace engine::loeser
