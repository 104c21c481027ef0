#include "engine/loeser_rahmen.h"

#include "engine/loeser_intern.h"

namespace engine::loeser {

namespace {

// The real move of each of the frame's moves: the one that takes its tiles from the preimages
// of the frame move's sources. False when a move has none (not a frame of this variant).
bool Zuordnen(Rahmen& r, Variante v, int n)
{
    const int zellen = n * n;
    Zellen urbild{};
    for (int c = 0; c < zellen; ++c)
        urbild[r.bild[c]] = uint8_t(c);
    r.zuege = AlleZuege(v, n);
    std::vector<std::array<uint8_t, MaxFelder>> quelle;
    for (const Zug& z : r.zuege)
        quelle.push_back(Herkunft(v, n, z));
    for (size_t b = 0; b < r.zuege.size(); ++b) {
        size_t m = 0;
        for (; m < r.zuege.size(); ++m) {
            bool gleich = true;
            for (int c = 0; c < zellen && gleich; ++c)
                gleich = quelle[m][c] == urbild[quelle[b][r.bild[c]]];
            if (gleich)
                break;
        }
        if (m == r.zuege.size())
            return false;
        r.echt.push_back(r.zuege[m]);
    }
    return true;
}

} // namespace

std::vector<Rahmen> Rahmenliste(Variante v, int n, int symmetrien, bool verschiebungen)
{
    const bool torus = verschiebungen && v == Variante::Verschieben;
    std::vector<Rahmen> liste;
    for (int i = 0; i < symmetrien; ++i) {
        const Symmetrie sym = Symmetrie::Nummer(n, i);
        for (int dz = 0; dz < (torus ? n : 1); ++dz)
            for (int ds = 0; ds < (torus ? n : 1); ++ds) {
                Rahmen r;
                for (int c = 0; c < n * n; ++c) {
                    const int s = sym.Bild(c + 1) - 1;
                    r.bild[c] = uint8_t((s / n + dz) % n * n + (s % n + ds) % n);
                }
                if (Zuordnen(r, v, n))
                    liste.push_back(std::move(r));
            }
    }
    return liste;
}

Spielstand ImRahmen(const Spielstand& s, const Rahmen& r)
{
    Spielstand b = s;
    for (int c = 0; c < s.felder(); ++c)
        b.Spielfeld[r.bild[c] + 1] = uint8_t(r.bild[s.Spielfeld[c + 1] - 1] + 1);
    return b;
}

std::vector<Zug> AusDemRahmen(const std::vector<Zug>& zuege, const Rahmen& r)
{
    std::vector<Zug> echt;
    echt.reserve(zuege.size());
    for (const Zug& z : zuege)
        for (size_t i = 0; i < r.zuege.size(); ++i)
            if (r.zuege[i] == z) {
                echt.push_back(r.echt[i]);
                break;
            }
    return echt;
}

} // namespace engine::loeser
