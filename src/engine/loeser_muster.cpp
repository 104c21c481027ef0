#include "engine/loeser_muster.h"

#include <array>
#include <bit>
#include <cstddef>

namespace engine::loeser {

namespace {

constexpr int Zellen = Musterdatenbank::Zellen;
constexpr uint32_t Brett = 0xFFFF;
constexpr uint32_t ErsteSpalte = 0x1111, LetzteSpalte = 0x8888;
constexpr uint8_t Unbekannt = 0xFF;

// Cells next to a set of cells, as 16-bit masks (cell 0 top left, rows of four).
uint32_t Nachbarschaft(uint32_t m)
{
    return (((m << 1) & ~ErsteSpalte) | ((m >> 1) & ~LetzteSpalte) | (m << 4) | (m >> 4)) & Brett;
}

// The cells the empty field reaches from `start` without moving a pattern tile.
uint32_t Gebiet(int start, uint32_t frei)
{
    uint32_t r = 1u << start;
    for (;;) {
        const uint32_t weiter = (r | Nachbarschaft(r)) & frei;
        if (weiter == r)
            return r;
        r = weiter;
    }
}

// For every set of free cells with as many cells as the pattern leaves, the lowest cell of the
// region of each cell, a nibble per cell: the search asks for it at every step.
std::vector<uint64_t> Gebietsnamen(int freieZellen)
{
    std::vector<uint64_t> namen(std::size_t(1) << Zellen);
    for (uint32_t frei = 0; frei <= Brett; ++frei) {
        if (std::popcount(frei) != freieZellen)
            continue;
        for (uint32_t rest = frei; rest != 0;) {
            const uint32_t g = Gebiet(std::countr_zero(rest), frei);
            for (uint32_t c = g; c != 0; c &= c - 1)
                namen[frei] |= uint64_t(std::countr_zero(g)) << (4 * std::countr_zero(c));
            rest &= ~g;
        }
    }
    return namen;
}

// A state of the search: the tiles' cells, four bits each, and the name of the empty field's
// region in the lowest four bits.
struct Zustand {
    std::array<uint8_t, Musterdatenbank::MaxTeile> zelle{};
    uint32_t Packen(int k, uint32_t name) const
    {
        uint32_t w = name;
        for (int i = 0; i < k; ++i)
            w |= uint32_t(zelle[i]) << (4 * i + 4);
        return w;
    }
    static Zustand Entpacken(uint32_t w, int k)
    {
        Zustand z;
        for (int i = 0; i < k; ++i)
            z.zelle[i] = uint8_t(w >> (4 * i + 4) & 0xF);
        return z;
    }
};

} // namespace

std::size_t Musterdatenbank::Platzierungen(int teile)
{
    std::size_t platzierungen = 1;
    for (int i = 0; i < teile; ++i)
        platzierungen *= std::size_t(Zellen - i);
    return platzierungen;
}

// Breadth-first search backwards from the goal over the pattern tiles' cells and the region of
// the empty field: moves of the empty field among other tiles cost nothing, so a state is the
// placing plus the region (named by its lowest cell), and every step moves one pattern tile
// into the region. A placing's value is the depth where the search first meets it.
std::unique_ptr<Musterdatenbank> Musterdatenbank::Bauen(const std::vector<int>& heime, std::stop_token halt)
{
    const int k = int(heime.size());
    std::unique_ptr<Musterdatenbank> db(new Musterdatenbank(k));
    const std::size_t platzierungen = Platzierungen(k);
    db->eigene_.assign(platzierungen, Unbekannt);
    db->werte_ = db->eigene_.data();
    uint8_t* werte = db->eigene_.data();
    const std::vector<uint64_t> namen = Gebietsnamen(Zellen - k);
    // Per placing, the regions of the empty field already met, one bit each: the first one met
    // gives the placing its value.
    std::vector<uint16_t> gesehen(platzierungen);
    auto besuchen = [&](uint32_t rang, uint32_t name, uint8_t tiefe) {
        uint16_t& maske = gesehen[rang];
        if (maske >> name & 1)
            return false;
        if (maske == 0)
            werte[rang] = tiefe;
        maske = uint16_t(maske | 1u << name);
        return true;
    };

    Zustand ziel;
    uint32_t belegt = 0;
    for (int i = 0; i < k; ++i) {
        ziel.zelle[i] = uint8_t(heime[i]);
        belegt |= 1u << heime[i];
    }
    std::vector<uint32_t> ebene, naechste;
    const uint32_t zielRang = Rang(ziel.zelle.data(), k);
    for (uint32_t rest = Brett & ~belegt; rest != 0;) {
        const uint32_t g = Gebiet(std::countr_zero(rest), Brett & ~belegt);
        besuchen(zielRang, uint32_t(std::countr_zero(g)), 0);
        ebene.push_back(ziel.Packen(k, uint32_t(std::countr_zero(g))));
        rest &= ~g;
    }

    for (uint8_t tiefe = 1; !ebene.empty(); ++tiefe) {
        naechste.clear();
        for (std::size_t e = 0; e < ebene.size(); ++e) {
            if ((e & 0xFFF) == 0 && halt.stop_requested())
                return nullptr;
            Zustand z = Zustand::Entpacken(ebene[e], k);
            belegt = 0;
            for (int i = 0; i < k; ++i)
                belegt |= 1u << z.zelle[i];
            const uint32_t frei = Brett & ~belegt;
            const uint32_t gebiet = Gebiet(int(ebene[e] & 0xF), frei);
            for (int i = 0; i < k; ++i) {
                const uint8_t von = z.zelle[i];
                for (uint32_t ziele = Nachbarschaft(1u << von) & gebiet; ziele != 0; ziele &= ziele - 1) {
                    const int nach = std::countr_zero(ziele);
                    z.zelle[i] = uint8_t(nach);
                    const uint32_t neuFrei = (frei & ~(1u << nach)) | (1u << von);
                    const uint32_t name = uint32_t(namen[neuFrei] >> (4 * von) & 0xF);
                    const uint32_t rang = Rang(z.zelle.data(), k);
                    if (besuchen(rang, name, tiefe))
                        naechste.push_back(z.Packen(k, name));
                }
                z.zelle[i] = von;
            }
        }
        ebene.swap(naechste);
    }
    return db;
}

} // namespace engine::loeser
