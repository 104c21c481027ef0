#include "engine/loeser_kurz.h"

#include <array>
#include <cstdlib>

#include "engine/loeser_intern.h"

namespace engine::loeser {

namespace {

struct Kurzzug {
    Zug zug;
    int linie;                       // the line or axis it moves
    bool vor;                        // right, down or clockwise
    std::array<uint8_t, MaxFelder> quelle;  // after the move, cell c holds what quelle[c] held
    std::vector<uint8_t> zellen;     // the cells it changes
};

class Kurzsuche {
public:
    Kurzsuche(const Spielstand& s, long knotenGrenze, std::stop_token halt)
        : n_(s.n()), v_(s.variante), rest_(knotenGrenze), halt_(halt)
    {
        if (v_ == Variante::Verschieben) {
            for (int i = 1; i <= n_; ++i) {
                Dazu({Operation::ZeileRechts, i}, i, true);
                Dazu({Operation::ZeileLinks, i}, i, false);
                Dazu({Operation::SpalteRunter, i}, n_ + i, true);
                Dazu({Operation::SpalteHoch, i}, n_ + i, false);
            }
        } else {
            for (int k = 1; k <= AchsenAnzahl(n_); ++k) {
                Dazu({Operation::AchseRechts, k}, k, true);
                Dazu({Operation::AchseLinks, k}, k, false);
            }
        }
        for (const Kurzzug& a : zuege_)
            for (const Kurzzug& b : zuege_) {
                bool getrennt = true;
                for (uint8_t c : a.zellen)
                    for (uint8_t d : b.zellen)
                        getrennt = getrennt && c != d;
                getrennt_[a.linie][b.linie] = getrennt;
            }
        // A move carries n tiles (a line) or 4 (an axis) one step each: the sum of the tiles'
        // distances over that is a lower bound.
        schritte_ = v_ == Variante::Verschieben ? n_ : 4;
        for (int c = 0; c < n_ * n_; ++c) {
            brett_[c] = uint8_t(s.Spielfeld[c + 1] - 1);
            summe_ += Weite(brett_[c], c);
        }
    }

    std::optional<std::vector<Zug>> Suchen(int hoechstens)
    {
        for (int grenze = Schranke(); grenze <= hoechstens; ++grenze) {
            if (Tiefe(0, grenze, -1))
                return weg_;
            if (rest_ <= 0)
                break;
        }
        return std::nullopt;
    }

private:
    void Dazu(Zug zug, int linie, bool vor)
    {
        Kurzzug k{zug, linie, vor, Herkunft(v_, n_, zug), {}};
        for (int c = 0; c < n_ * n_; ++c) {
            if (k.quelle[c] != c)
                k.zellen.push_back(uint8_t(c));
        }
        zuege_.push_back(k);
    }

    // Steps the tile needs to its home: on the torus for lines, in the plane for axes.
    int Weite(int teil, int zelle) const
    {
        int dz = std::abs(teil / n_ - zelle / n_), ds = std::abs(teil % n_ - zelle % n_);
        if (v_ == Variante::Verschieben)
            dz = std::min(dz, n_ - dz), ds = std::min(ds, n_ - ds);
        return dz + ds;
    }
    int Schranke() const { return (summe_ + schritte_ - 1) / schritte_; }

    // Whether `neu` may follow `alt`, `gleiche` moves of that line in a row: never straight
    // back, a line not more than half way round (the half way only forwards), and moves that
    // commute (parallel lines, axes without a common field) only in one order.
    bool Erlaubt(const Kurzzug& alt, const Kurzzug& neu, int gleiche) const
    {
        if (alt.linie == neu.linie) {
            const int periode = v_ == Variante::Verschieben ? n_ : 4;
            return alt.vor == neu.vor && 2 * (gleiche + 1) <= periode && (2 * (gleiche + 1) < periode || neu.vor);
        }
        return neu.linie > alt.linie || !getrennt_[alt.linie][neu.linie];
    }

    void Anwenden(const Kurzzug& k)
    {
        const auto alt = brett_;
        for (uint8_t c : k.zellen) {
            summe_ -= Weite(alt[c], c);
            brett_[c] = alt[k.quelle[c]];
            summe_ += Weite(brett_[c], c);
        }
    }

    bool Tiefe(int g, int grenze, int letzter, int gleiche = 0)
    {
        if (summe_ == 0)
            return true;
        if (g + Schranke() > grenze || --rest_ < 0)
            return false;
        if ((rest_ & 0xFFF) == 0 && halt_.stop_requested())
            rest_ = -1;
        for (int i = 0; i < int(zuege_.size()); ++i) {
            const Kurzzug& k = zuege_[i];
            if (letzter >= 0 && !Erlaubt(zuege_[letzter], k, gleiche))
                continue;
            const auto vorher = brett_;
            const int summeVorher = summe_;
            Anwenden(k);
            weg_.push_back(k.zug);
            const bool weiter = letzter >= 0 && zuege_[letzter].linie == k.linie;
            if (Tiefe(g + 1, grenze, i, weiter ? gleiche + 1 : 1))
                return true;
            weg_.pop_back();
            brett_ = vorher;
            summe_ = summeVorher;
        }
        return false;
    }

    int n_;
    Variante v_;
    long rest_;
    std::stop_token halt_;
    int schritte_ = 1, summe_ = 0;
    std::array<uint8_t, MaxFelder> brett_{};
    std::vector<Kurzzug> zuege_;
    std::array<std::array<bool, MaxFelder + 1>, MaxFelder + 1> getrennt_{};  // by line or axis
    std::vector<Zug> weg_;
};

// Variant 1: IDA* bounded by the tiles' distances from home, every slide moving one tile one
// step; the empty field's way is the way.
class Schiebesuche {
public:
    Schiebesuche(const Spielstand& s, long knotenGrenze, std::stop_token halt)
        : n_(s.n()), heim_(s.FreiesFeld - 1), rest_(knotenGrenze), halt_(halt)
    {
        for (int c = 0; c < n_ * n_; ++c) {
            brett_[c] = s.Spielfeld[c + 1];
            if (brett_[c] == 0)
                leer_ = c;
            else
                summe_ += Weite(brett_[c] - 1, c);
        }
    }

    std::optional<std::vector<Zug>> Suchen(int hoechstens)
    {
        // Parity: every slide moves the empty field one step, so the length's parity is known.
        const int z = leer_ / n_ - heim_ / n_, sp = leer_ % n_ - heim_ % n_;
        const int paritaet = std::abs(z + sp) % 2;
        for (int grenze = summe_ + (summe_ % 2 != paritaet); grenze <= hoechstens && rest_ > 0; grenze += 2)
            if (Tiefe(0, grenze, -1))
                return weg_;
        return std::nullopt;
    }

private:
    int Weite(int teil, int zelle) const
    {
        return std::abs(teil / n_ - zelle / n_) + std::abs(teil % n_ - zelle % n_);
    }

    bool Tiefe(int g, int grenze, int vorher)
    {
        if (summe_ == 0 && leer_ == heim_)
            return true;
        if (g + summe_ > grenze || --rest_ < 0)
            return false;
        if ((rest_ & 0xFFF) == 0 && halt_.stop_requested())
            rest_ = -1;
        const int leer = leer_, z = leer / n_, sp = leer % n_;
        for (const int von : {sp + 1 < n_ ? leer + 1 : -1, z + 1 < n_ ? leer + n_ : -1, sp > 0 ? leer - 1 : -1,
                              z > 0 ? leer - n_ : -1}) {
            if (von < 0 || von == vorher)
                continue;
            const int teil = brett_[von] - 1;
            const int aenderung = Weite(teil, leer) - Weite(teil, von);
            summe_ += aenderung;
            brett_[leer] = brett_[von], brett_[von] = 0, leer_ = von;
            weg_.push_back(Schiebezug(von + 1, leer + 1));
            if (Tiefe(g + 1, grenze, leer))
                return true;
            weg_.pop_back();
            brett_[von] = brett_[leer], brett_[leer] = 0, leer_ = leer;
            summe_ -= aenderung;
        }
        return false;
    }

    int n_, heim_, leer_ = 0, summe_ = 0;
    long rest_;
    std::stop_token halt_;
    std::array<uint8_t, MaxFelder> brett_{};
    std::vector<Zug> weg_;
};

} // namespace

std::optional<std::vector<Zug>> KurzerSchiebeWeg(const Spielstand& s, int hoechstens, long knotenGrenze,
                                                 std::stop_token halt)
{
    return Schiebesuche(s, knotenGrenze, halt).Suchen(hoechstens);
}

std::optional<std::vector<Zug>> KurzerWeg(const Spielstand& s, int hoechstens, long knotenGrenze,
                                          std::stop_token halt)
{
    return Kurzsuche(s, knotenGrenze, halt).Suchen(hoechstens);
}

} // namespace engine::loeser
