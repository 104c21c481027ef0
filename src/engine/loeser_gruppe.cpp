#include "engine/loeser_gruppe.h"

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <unordered_map>

namespace engine::loeser {

namespace {

// A state: the empty field's cell and the group's tiles' cells, six bits each, the empty field
// lowest.
using Schluessel = uint64_t;

class Gruppensuche {
public:
    Gruppensuche(int n, const std::vector<int>& stellen, int leer, uint64_t fest, const std::vector<int>& heime)
        : n_(n), k_(int(heime.size())), fest_(fest), heime_(heime)
    {
        start_ = Packen(leer, stellen);
    }

    std::optional<std::vector<int>> Suchen(int gewicht, long knoten, std::stop_token halt)
    {
        struct Offen {
            int f, g;
            Schluessel s;
            bool operator>(const Offen& o) const { return f != o.f ? f > o.f : g < o.g; }
        };
        std::priority_queue<Offen, std::vector<Offen>, std::greater<>> offen;
        bekannt_.clear();
        bekannt_[start_] = {0, start_};
        offen.push({Gewichtet(Schranke(start_), gewicht), 0, start_});
        for (long besucht = 0; !offen.empty(); ++besucht) {
            if (besucht > knoten || ((besucht & 0x3FF) == 0 && halt.stop_requested()))
                return std::nullopt;
            const Offen o = offen.top();
            offen.pop();
            if (o.g > bekannt_[o.s].g)
                continue;
            if (Schranke(o.s) == 0)
                return Weg(o.s);
            Nachfolger(o.s, [&](Schluessel t) {
                auto [it, neu] = bekannt_.try_emplace(t, Eintrag{o.g + 1, o.s});
                if (!neu && it->second.g <= o.g + 1)
                    return;
                it->second = {o.g + 1, o.s};
                offen.push({o.g + 1 + Gewichtet(Schranke(t), gewicht), o.g + 1, t});
            });
        }
        return std::nullopt;
    }

private:
    struct Eintrag {
        int g;
        Schluessel vorher;
    };

    static int Gewichtet(int h, int gewicht) { return h * gewicht / 100; }
    static int Zelle(Schluessel s, int i) { return int(s >> (6 * i) & 63); }  // 0: the empty field

    Schluessel Packen(int leer, const std::vector<int>& stellen) const
    {
        Schluessel s = Schluessel(leer);
        for (int i = 0; i < k_; ++i)
            s |= Schluessel(stellen[size_t(i)]) << (6 * (i + 1));
        return s;
    }
    int Weite(int a, int b) const { return std::abs(a / n_ - b / n_) + std::abs(a % n_ - b % n_); }

    // The tiles' distances home, and the empty field's way to beside the nearest tile not home.
    int Schranke(Schluessel s) const
    {
        int summe = 0, naechste = 0;
        for (int i = 0; i < k_; ++i) {
            const int c = Zelle(s, i + 1), d = Weite(c, heime_[size_t(i)]);
            summe += d;
            if (d > 0 && (naechste == 0 || Weite(Zelle(s, 0), c) < naechste))
                naechste = Weite(Zelle(s, 0), c);
        }
        return summe + std::max(0, naechste - 1);
    }

    template <typename Melden>
    void Nachfolger(Schluessel s, Melden melden) const
    {
        const int leer = Zelle(s, 0), z = leer / n_, sp = leer % n_;
        for (const int q : {sp + 1 < n_ ? leer + 1 : -1, z + 1 < n_ ? leer + n_ : -1, sp > 0 ? leer - 1 : -1,
                            z > 0 ? leer - n_ : -1}) {
            if (q < 0 || (fest_ >> q & 1))
                continue;
            Schluessel t = (s & ~Schluessel(63)) | Schluessel(q);
            for (int i = 1; i <= k_; ++i)
                if (Zelle(s, i) == q)
                    t = (t & ~(Schluessel(63) << (6 * i))) | Schluessel(leer) << (6 * i);
            melden(t);
        }
    }

    std::vector<int> Weg(Schluessel ziel) const
    {
        std::vector<int> weg;
        for (Schluessel s = ziel; s != start_; s = bekannt_.at(s).vorher)
            weg.push_back(Zelle(s, 0));
        std::reverse(weg.begin(), weg.end());
        return weg;
    }

    int n_, k_;
    uint64_t fest_;
    std::vector<int> heime_;
    Schluessel start_ = 0;
    std::unordered_map<Schluessel, Eintrag> bekannt_;
};

} // namespace

std::optional<std::vector<int>> GruppeHeimbringen(int n, const std::vector<int>& stellen, int leer, uint64_t fest,
                                                  const std::vector<int>& heime, int gewicht, long knoten,
                                                  std::stop_token halt)
{
    return Gruppensuche(n, stellen, leer, fest, heime).Suchen(gewicht, knoten, halt);
}

} // namespace engine::loeser
