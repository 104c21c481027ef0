#include "engine/loeser_muster.h"

#include <bit>
#include <cstddef>

namespace engine::loeser {

namespace {

constexpr int Zellen = 16;
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

} // namespace

// Breadth-first search backwards from the goal over the pattern tiles' cells and the region of
// the empty field: moves of the empty field among other tiles cost nothing, so a state is the
// placing plus the region (named by its lowest cell), and every step moves one pattern tile
// into the region.
Musterdatenbank::Musterdatenbank(const std::vector<int>& heime)
{
    const int k = int(heime.size());
    const std::vector<uint64_t> namen = Gebietsnamen(Zellen - k);
    werte_.assign(std::size_t(1) << (4 * k), Unbekannt);
    std::vector<uint64_t> gesehen((std::size_t(1) << (4 * k + 4)) / 64);
    auto besuchen = [&](uint32_t schluessel) {
        uint64_t& wort = gesehen[schluessel >> 6];
        const uint64_t bit = uint64_t(1) << (schluessel & 63);
        const bool neu = !(wort & bit);
        wort |= bit;
        return neu;
    };

    uint32_t ziel = 0, belegt = 0;
    for (int i = 0; i < k; ++i) {
        ziel |= uint32_t(heime[i]) << (4 * i);
        belegt |= 1u << heime[i];
    }
    std::vector<uint32_t> ebene, naechste;
    for (uint32_t rest = Brett & ~belegt; rest != 0;) {
        const uint32_t g = Gebiet(std::countr_zero(rest), Brett & ~belegt);
        const uint32_t schluessel = ziel << 4 | uint32_t(std::countr_zero(g));
        besuchen(schluessel);
        ebene.push_back(schluessel);
        rest &= ~g;
    }
    werte_[ziel] = 0;

    for (uint8_t tiefe = 1; !ebene.empty(); ++tiefe) {
        naechste.clear();
        for (const uint32_t schluessel : ebene) {
            const uint32_t index = schluessel >> 4;
            belegt = 0;
            for (int i = 0; i < k; ++i)
                belegt |= 1u << (index >> (4 * i) & 0xF);
            const uint32_t frei = Brett & ~belegt;
            const uint32_t gebiet = Gebiet(int(schluessel & 0xF), frei);
            for (int i = 0; i < k; ++i) {
                const uint32_t von = index >> (4 * i) & 0xF;
                for (uint32_t ziele = Nachbarschaft(1u << von) & gebiet; ziele != 0; ziele &= ziele - 1) {
                    const uint32_t nach = uint32_t(std::countr_zero(ziele));
                    const uint32_t neuIndex = index - (von << (4 * i)) + (nach << (4 * i));
                    const uint32_t neuFrei = (frei & ~(1u << nach)) | (1u << von);
                    const uint32_t neu = neuIndex << 4 | uint32_t(namen[neuFrei] >> (4 * von) & 0xF);
                    if (!besuchen(neu))
                        continue;
                    naechste.push_back(neu);
                    if (werte_[neuIndex] == Unbekannt)
                        werte_[neuIndex] = tiefe;
                }
            }
        }
        ebene.swap(naechste);
    }
}

} // namespace engine::loeser
