#include "engine/loeser_tiefensuche.h"

#include <algorithm>
#include <array>
#include <climits>

#include "engine/loeser_intern.h"
#include "engine/loeser_muster.h"

namespace engine::loeser {

namespace {

constexpr int Seite = 4, Zellen = 16;

using Teile = Musterteile;

int Anzahl(const Teile& t) { return int(std::count_if(t.begin(), t.end(), [](int x) { return x != 0; })); }

// The tables come with the program (made at build time), so the first search waits for none.
const Musterdatenbank* Muster(int nummer)
{
    static const std::vector<Musterdatenbank> tafeln = [] {
        std::vector<Musterdatenbank> v;
        const uint8_t* daten = MustertafelnDaten();
        for (const Teile& teile : MusterTeile) {
            v.emplace_back(Anzahl(teile), daten);
            daten += Musterdatenbank::Platzierungen(Anzahl(teile));
        }
        return v;
    }();
    return &tafeln[std::size_t(nummer)];
}

Teile Sortiert(Teile t)
{
    std::sort(t.begin(), t.end());
    return t;
}

// Which built table, read through which symmetry, holds the pattern of these tiles.
std::pair<int, Symmetrie> Quelle(const Teile& teile)
{
    for (int q = 0; q < MusterAnzahl; ++q)
        for (int i = 0; i < 8; ++i) {
            const Symmetrie sym = Symmetrie::Nummer(Seite, i);
            Teile bild{};
            for (int k = 0; k < Anzahl(MusterTeile[q]); ++k)
                bild[k] = sym.Bild(MusterTeile[q][k]);
            if (Sortiert(bild) == Sortiert(teile))
                return {q, sym};
        }
    return {0, Symmetrie::Nummer(Seite, 0)};  // unreachable: every set below is such an image
}

// Every home of the empty field is turned by a symmetry of the square into a corner (16), a
// middle field (11) or an edge field (15); six, six and three tiles each. The bound is the
// larger of the pattern sets' sums: for homes on the diagonal the second set is the first with
// rows and columns swapped.
using Satz = std::array<Teile, 3>;
struct Aufteilung {
    int heim;
    int saetze;
    std::array<Satz, 2> satz;
};
const std::array<Aufteilung, 3> Aufteilungen = {{
    {16, 2, {{{{{1, 2, 5, 6, 9, 10}, {3, 4, 7, 8, 11, 12}, {13, 14, 15}}},
              {{{1, 2, 3, 5, 6, 7}, {9, 10, 11, 13, 14, 15}, {4, 8, 12}}}}}},
    {11, 2, {{{{{1, 2, 5, 6, 9, 10}, {3, 4, 7, 8, 12, 16}, {13, 14, 15}}},
              {{{1, 2, 3, 5, 6, 7}, {9, 10, 13, 14, 15, 16}, {4, 8, 12}}}}}},
    {15, 1, {{{{{1, 2, 5, 6, 9, 10}, {3, 4, 7, 8, 11, 12}, {13, 14, 16}}}}}},
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

// One pattern set: per tile its pattern and its place in that pattern's order, per pattern and
// cell the cell its table reads (the table may be a mirror image), and the tiles' cells as the
// tables see them.
struct Sicht {
    std::array<const uint8_t*, 3> werte{};
    std::array<int, 3> teile{};
    std::array<uint8_t, Zellen> muster{}, platz{};
    std::array<std::array<uint8_t, Zellen>, 3> zelle{};
    std::array<std::array<uint8_t, Musterdatenbank::MaxTeile>, 3> stelle{};
    std::array<int, 3> teil{};  // the patterns' values for the current position

    void Laden(const Satz& satz)
    {
        for (int j = 0; j < 3; ++j) {
            const auto [q, sym] = Quelle(satz[j]);
            const Musterdatenbank* db = Muster(q);
            werte[j] = db->Werte();
            teile[j] = db->Teile();
            for (int i = 0; i < teile[j]; ++i) {
                const int t = sym.Bild(MusterTeile[q][i]) - 1;
                muster[t] = uint8_t(j), platz[t] = uint8_t(i);
            }
            for (int c = 0; c < Zellen; ++c)
                zelle[j][c] = uint8_t(sym.Urbild(c + 1) - 1);
        }
    }
    void Setzen(int t, int c) { stelle[muster[t]][platz[t]] = zelle[muster[t]][c]; }
    int Bewerten(int j) const { return werte[j][Musterdatenbank::Rang(stelle[j].data(), teile[j])]; }
    void AllesBewerten()
    {
        for (int j = 0; j < 3; ++j)
            teil[j] = Bewerten(j);
    }
    int Summe() const { return teil[0] + teil[1] + teil[2]; }
};

// IDA*: depth-first searches with a growing bound on moves made plus the lower bound. A move
// changes one pattern per set, so a step reads two tables.
class Suche {
public:
    Suche(std::stop_token halt, long knotenGrenze, int gewicht)
        : halt_(halt), rest_(knotenGrenze), gewicht_(gewicht)
    {
    }

    void Laden(const Spielstand& s, const Aufteilung& a)
    {
        saetze_ = a.saetze;
        for (int k = 0; k < saetze_; ++k)
            sicht_[k].Laden(a.satz[k]);
        for (int c = 0; c < Zellen; ++c) {
            const int teil = s.Spielfeld[c + 1];
            if (teil == 0) {
                leer_ = c;
                continue;
            }
            brett_[c] = uint8_t(teil - 1);
            for (int k = 0; k < saetze_; ++k)
                sicht_[k].Setzen(teil - 1, c);
        }
        for (int k = 0; k < saetze_; ++k)
            sicht_[k].AllesBewerten();
    }

    std::optional<std::vector<Zug>> Loesen()
    {
        int grenze = Gewichtet(Schranke());
        const int start = leer_;
        pfad_.reserve(100);
        while (grenze > 0) {
            naechsteGrenze_ = INT_MAX;
            if (Tiefe(0, grenze, -1))
                break;
            if (abgebrochen_ || naechsteGrenze_ == INT_MAX)
                return std::nullopt;
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

    int Schranke() const
    {
        int h = 0;
        for (int k = 0; k < saetze_; ++k)
            h = std::max(h, sicht_[k].Summe());
        return h;
    }

private:
    // The bound as the search weighs it: above 100 % it is no longer a lower bound, and the way
    // found is no longer sure to be shortest, but found much sooner.
    int Gewichtet(int h) const { return gewicht_ == 100 ? h : h * gewicht_ / 100; }

    // Stops every few thousand positions when told to or when the positions allowed are used.
    bool Abbrechen()
    {
        if ((++knoten_ & 0xFFF) != 0)
            return false;
        if (halt_.stop_requested() || (rest_ >= 0 && (rest_ -= 0x1000) < 0))
            abgebrochen_ = true;
        return abgebrochen_;
    }

    // A move of the tile on `von` into the empty field `leer`, as the pattern sets see it.
    struct Schritt {
        int von = 0, h = 0;
        std::array<int, 2> teil{};  // the new value of the pattern the tile belongs to, per set
    };
    void Setzen(int t, int zelle, const std::array<int, 2>& teil)
    {
        for (int k = 0; k < saetze_; ++k) {
            Sicht& v = sicht_[k];
            const int m = v.muster[t];
            v.stelle[m][v.platz[t]] = v.zelle[m][zelle];
            v.teil[m] = teil[k];
        }
    }
    // The bound after the move; a set whose bound already exceeds `genug` spares the others.
    Schritt Bewerten(int von, int leer, int genug)
    {
        Schritt z{von, 0, {}};
        const int t = brett_[von];
        for (int k = 0; k < saetze_ && z.h <= genug; ++k) {
            Sicht& v = sicht_[k];
            const int m = v.muster[t];
            const int alt = v.teil[m];
            v.stelle[m][v.platz[t]] = v.zelle[m][leer];
            z.teil[k] = v.Bewerten(m);
            v.teil[m] = z.teil[k];
            z.h = std::max(z.h, v.Summe());
            v.stelle[m][v.platz[t]] = v.zelle[m][von];
            v.teil[m] = alt;
        }
        return z;
    }

    // Searches on below a position whose bound is within the limit, the children with the
    // smallest bound first, so the last round meets the goal early; children over the limit
    // are not entered, only their bound is noted for the next round.
    bool Tiefe(int g, int grenze, int vorher)
    {
        if (Abbrechen())
            return false;
        const int leer = leer_;
        std::array<Schritt, 4> kinder;
        int anzahl = 0;
        for (int i = 0; i < nachbarn_.anzahl[leer]; ++i) {
            const int von = nachbarn_.zelle[leer][i];
            if (von == vorher)
                continue;
            const Schritt z = Bewerten(von, leer, (grenze - g - 1) * 100 / gewicht_);
            if (g + 1 + Gewichtet(z.h) > grenze)
                naechsteGrenze_ = std::min(naechsteGrenze_, g + 1 + Gewichtet(z.h));
            else
                kinder[anzahl++] = z;
        }
        for (int i = 1; i < anzahl; ++i)  // at most three: sorted by insertion
            for (int j = i; j > 0 && kinder[j].h < kinder[j - 1].h; --j)
                std::swap(kinder[j], kinder[j - 1]);
        for (int i = 0; i < anzahl; ++i) {
            const Schritt& z = kinder[i];
            const int t = brett_[z.von];
            std::array<int, 2> alt{};
            for (int k = 0; k < saetze_; ++k)
                alt[k] = sicht_[k].teil[sicht_[k].muster[t]];
            Setzen(t, leer, z.teil);
            brett_[leer] = uint8_t(t);
            leer_ = z.von;
            pfad_.push_back(z.von);
            if (z.h == 0 || Tiefe(g + 1, grenze, leer))
                return true;  // with every tile home, the empty field is too
            pfad_.pop_back();
            brett_[z.von] = uint8_t(t);
            leer_ = leer;
            Setzen(t, z.von, alt);
            if (abgebrochen_)
                return false;
        }
        return false;
    }

    std::stop_token halt_;
    long rest_;
    int gewicht_;
    long knoten_ = 0;
    bool abgebrochen_ = false;
    int saetze_ = 1;
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

std::optional<std::vector<Zug>> KuerzesteSchiebeLoesung(const Spielstand& s, std::stop_token halt, long knotenGrenze,
                                                        int gewicht)
{
    const auto [sym, aufteilung] = Einordnung(s.FreiesFeld);
    Suche suche(halt, knotenGrenze, gewicht);
    suche.Laden(Abgebildet(s, sym), *aufteilung);
    auto weg = suche.Loesen();
    if (!weg)
        return std::nullopt;
    return Zurueckgebildet(*weg, sym);
}

int SchiebeSchranke(const Spielstand& s, std::stop_token halt)
{
    const auto [sym, aufteilung] = Einordnung(s.FreiesFeld);
    Suche suche(halt, -1, 100);
    suche.Laden(Abgebildet(s, sym), *aufteilung);
    return suche.Schranke();
}

} // namespace engine::loeser
