#include "engine/loeser_einsatz.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "engine/loeser_intern.h"

namespace engine::loeser {

namespace {

struct Einzelzug {
    Zug zug;
    int linie;     // line (rows 0..n-1, columns n..2n-1) or axis
    bool vor;      // right, down, clockwise
    uint64_t traeger = 0;  // the cells it changes
    int umkehrung; // index of the move that undoes it
    std::vector<std::pair<uint8_t, uint8_t>> paare;  // after the move, cell .first holds what .second held
};

struct Zugsatz {
    std::vector<Einzelzug> zuege;
    std::vector<std::vector<char>> vertauschbar;  // by line or axis
    std::vector<uint8_t> abstand;                 // [von * zellen + nach]: one move carries a tile one step
    int hoechstensVor = 0, hoechstensZurueck = 0;  // the same move this often in a row, no more
    std::vector<std::vector<int>> durch;  // by cell: the moves that change it
};

std::unique_ptr<Zugsatz> ZugsatzBauen(Variante v, int n)
{
    auto satz = std::make_unique<Zugsatz>();
    const bool linien = v == Variante::Verschieben;
    const int anzahl = linien ? 2 * n : AchsenAnzahl(n);
    for (int l = 0; l < anzahl; ++l)
        for (bool vor : {true, false}) {
            Zug zug{vor ? Operation::AchseRechts : Operation::AchseLinks, l + 1};
            if (linien && l < n)
                zug = {vor ? Operation::ZeileRechts : Operation::ZeileLinks, l + 1};
            else if (linien)
                zug = {vor ? Operation::SpalteRunter : Operation::SpalteHoch, l - n + 1};
            Einzelzug e{zug, l, vor, 0, int(satz->zuege.size()) + (vor ? 1 : -1), {}};
            const auto herkunft = Herkunft(v, n, zug);
            for (int c = 0; c < n * n; ++c)
                if (herkunft[c] != c) {
                    e.paare.push_back({uint8_t(c), herkunft[c]});
                    e.traeger |= uint64_t(1) << c;
                }
            satz->zuege.push_back(std::move(e));
        }
    satz->durch.resize(size_t(n * n));
    for (size_t m = 0; m < satz->zuege.size(); ++m)
        for (const auto& [zelle, quelle] : satz->zuege[m].paare)
            satz->durch[zelle].push_back(int(m));
    satz->vertauschbar.assign(size_t(anzahl), std::vector<char>(size_t(anzahl), 0));
    for (int a = 0; a < anzahl; ++a)
        for (int b = 0; b < anzahl; ++b) {
            if (linien)
                satz->vertauschbar[a][b] = (a < n) == (b < n);
            else
                satz->vertauschbar[a][b] =
                    std::abs(a / (n - 1) - b / (n - 1)) >= 2 || std::abs(a % (n - 1) - b % (n - 1)) >= 2;
        }
    const int zellen = n * n;
    satz->abstand.resize(size_t(zellen * zellen));
    for (int a = 0; a < zellen; ++a)
        for (int b = 0; b < zellen; ++b) {
            int dz = std::abs(a / n - b / n), ds = std::abs(a % n - b % n);
            if (linien)
                dz = std::min(dz, n - dz), ds = std::min(ds, n - ds);
            satz->abstand[size_t(a * zellen + b)] = uint8_t(dz + ds);
        }
    satz->hoechstensVor = linien ? n / 2 : 2;
    satz->hoechstensZurueck = linien ? (n - 1) / 2 : 1;
    return satz;
}

const Zugsatz& Zugsaetze(Variante v, int n)
{
    static std::once_flag gebaut[2][MaxSeite + 1];
    static std::unique_ptr<Zugsatz> satz[2][MaxSeite + 1];
    const int i = v == Variante::Verschieben ? 0 : 1;
    std::call_once(gebaut[i][n], [&] { satz[i][n] = ZugsatzBauen(v, n); });
    return *satz[i][n];
}

class Suche {
public:
    Suche(const Zugsatz& satz, int n, const Zellen& brett, uint64_t muss, const Einsatzgrenzen& grenzen,
          std::stop_token halt)
        : satz_(satz), zellen_(n * n), proZug_(int(satz.zuege.front().paare.size())), brett_(brett), muss_(muss),
          grenzen_(grenzen), halt_(std::move(halt))
    {
        for (int c = 0; c < zellen_; ++c)
            falsch_ |= uint64_t(Falsch(c)) << c;
    }

    std::vector<Einsatz> Los()
    {
        for (int grenze = Schranke(); grenze <= grenzen_.tiefe && gefunden_.empty() && !abbruch_; ++grenze)
            Tief(0, grenze, -1, 0);
        if (halt_.stop_requested())
            return {};
        return std::move(gefunden_);
    }

private:
    // The farthest any tile that must end home is from it: no way is shorter.
    int Schranke() const
    {
        int h = 0;
        for (uint64_t f = falsch_; f != 0; f &= f - 1) {
            const int c = std::countr_zero(f);
            h = std::max(h, int(satz_.abstand[size_t(c * zellen_ + brett_[c])]));
        }
        return h;
    }

    // Whether one move changes every cell of `zellen`.
    bool EinZugReicht(uint64_t zellen) const
    {
        if (zellen == 0)
            return true;
        for (const int m : satz_.durch[size_t(std::countr_zero(zellen))])
            if (!(zellen & ~satz_.zuege[size_t(m)].traeger))
                return true;
        return false;
    }

    bool Falsch(int c) const { return (muss_ >> brett_[c] & 1) && brett_[c] != c; }

    void Anwenden(const Einzelzug& z)
    {
        std::array<uint8_t, MaxSeite> alt{};
        for (size_t i = 0; i < z.paare.size(); ++i)
            alt[i] = brett_[z.paare[i].second];
        falsch_ &= ~z.traeger;
        for (size_t i = 0; i < z.paare.size(); ++i) {
            brett_[z.paare[i].first] = alt[i];
            falsch_ |= uint64_t(Falsch(z.paare[i].first)) << z.paare[i].first;
        }
    }

    bool Erlaubt(int m, int vorher, int gleiche) const
    {
        if (vorher < 0)
            return true;
        const Einzelzug &z = satz_.zuege[size_t(m)], &v = satz_.zuege[size_t(vorher)];
        if (z.linie == v.linie)
            return z.vor == v.vor && gleiche < (z.vor ? satz_.hoechstensVor : satz_.hoechstensZurueck);
        // Moves that commute are tried in one order only.
        return !(satz_.vertauschbar[size_t(z.linie)][size_t(v.linie)] && z.linie < v.linie);
    }

    // Most positions are looked at with one move left or none: there the cells whose tiles
    // are not home decide, kept up to date by every move (a move changes one line or axis);
    // the farthest tile's distance only where more moves are left.
    void Tief(int tiefe, int grenze, int vorher, int gleiche)
    {
        if (falsch_ == 0) {
            Merken();
            return;
        }
        const int rest = grenze - tiefe;
        if (rest <= 0 || std::popcount(falsch_) > rest * proZug_ || (rest > 1 && Schranke() > rest) || abbruch_)
            return;
        if (++besucht_ > grenzen_.knoten || ((besucht_ & 1023) == 0 && halt_.stop_requested())) {
            abbruch_ = true;
            return;
        }
        // The last move must reach every tile not home, so it is one of those through the
        // first of them; the one before it must reach all but those one move can reach.
        const std::vector<int>* nur = rest == 1 ? &satz_.durch[size_t(std::countr_zero(falsch_))] : nullptr;
        const int zahl = nur ? int(nur->size()) : int(satz_.zuege.size());
        for (int i = 0; i < zahl && !abbruch_; ++i) {
            const int m = nur ? (*nur)[size_t(i)] : i;
            const Einzelzug& z = satz_.zuege[size_t(m)];
            if ((rest == 1 && (falsch_ & ~z.traeger)) || (rest == 2 && !EinZugReicht(falsch_ & ~z.traeger)) ||
                !Erlaubt(m, vorher, gleiche))
                continue;
            Anwenden(z);
            pfad_.push_back(z.zug);
            Tief(tiefe + 1, grenze, m, vorher >= 0 && satz_.zuege[size_t(vorher)].linie == z.linie ? gleiche + 1 : 1);
            pfad_.pop_back();
            Anwenden(satz_.zuege[size_t(z.umkehrung)]);
        }
    }

    void Merken()
    {
        for (const Einsatz& e : gefunden_)
            if (e.brett == brett_)
                return;
        gefunden_.push_back({pfad_, brett_});
        if (int(gefunden_.size()) >= grenzen_.anzahl)
            abbruch_ = true;
    }

    const Zugsatz& satz_;
    int zellen_;
    int proZug_;  // cells a move changes
    Zellen brett_;
    uint64_t falsch_ = 0;  // cells holding a tile that must end home and is not
    uint64_t muss_;
    Einsatzgrenzen grenzen_;
    std::stop_token halt_;
    std::vector<Zug> pfad_;
    std::vector<Einsatz> gefunden_;
    long besucht_ = 0;
    bool abbruch_ = false;
};

} // namespace

std::vector<Einsatz> Einsaetze(Variante v, int n, const Zellen& brett, uint64_t muss, const Einsatzgrenzen& grenzen,
                               std::stop_token halt)
{
    return Suche(Zugsaetze(v, n), n, brett, muss, grenzen, std::move(halt)).Los();
}

} // namespace engine::loeser
