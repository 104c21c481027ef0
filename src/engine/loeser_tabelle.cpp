#include "engine/loeser_tabelle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>

#include "engine/loeser_intern.h"
#include "engine/loeser_vorrat.h"

namespace engine::loeser {

namespace {

constexpr int Zellen = 9;
constexpr uint32_t Stellungen = 362880;  // 9!
constexpr uint8_t Unerreicht = 0xFF;

// Cell (0-based) to label: the home cell of its piece; in variant 1 the empty field carries the
// label of its own home, so every goal is the identity.
using Perm = std::array<uint8_t, Zellen>;

// Bits set in a 9-bit mask, from a table: without -mpopcnt std::popcount is a slow loop.
constexpr std::array<uint8_t, 512> Bitzahlen = [] {
    std::array<uint8_t, 512> t{};
    for (int m = 0; m < 512; ++m)
        t[m] = uint8_t(std::popcount(unsigned(m)));
    return t;
}();

// Lehmer code: the position's number among all 9! orders.
uint32_t Rang(const Perm& p)
{
    static constexpr uint32_t fakultaet[Zellen] = {40320, 5040, 720, 120, 24, 6, 2, 1, 1};
    uint32_t rang = 0, benutzt = 0;
    for (int i = 0; i < Zellen - 1; ++i) {
        const uint32_t v = p[i];
        rang += (v - Bitzahlen[benutzt & ((1u << v) - 1)]) * fakultaet[i];
        benutzt |= 1u << v;
    }
    return rang;
}

// Four bits a cell, for the queue of the breadth-first search.
uint64_t Packen(const Perm& p)
{
    uint64_t w = 0;
    for (int i = 0; i < Zellen; ++i)
        w |= uint64_t(p[i]) << (4 * i);
    return w;
}

Perm Entpacken(uint64_t w)
{
    Perm p;
    for (int i = 0; i < Zellen; ++i)
        p[i] = uint8_t(w >> (4 * i) & 0xF);
    return p;
}

// Variants 2 and 3: after the move, cell i holds what cell quelle[i] held.
struct Tabellenzug {
    Zug zug;
    Perm quelle;
};

std::vector<Tabellenzug> Zuege(Variante v)
{
    std::vector<Tabellenzug> zuege;
    for (const Zug& zug : AlleZuege(v, 3)) {
        const auto herkunft = Herkunft(v, 3, zug);
        Tabellenzug t{zug, {}};
        std::copy_n(herkunft.begin(), Zellen, t.quelle.begin());
        zuege.push_back(t);
    }
    return zuege;
}

Perm Angewandt(const Perm& p, const Tabellenzug& z)
{
    Perm q;
    for (int i = 0; i < Zellen; ++i)
        q[i] = p[z.quelle[i]];
    return q;
}

// Neighbours of a cell, right, below, left, above.
std::vector<int> Nachbarn(int zelle)
{
    std::vector<int> n;
    if (zelle % 3 != 2) n.push_back(zelle + 1);
    if (zelle < 6) n.push_back(zelle + 3);
    if (zelle % 3 != 0) n.push_back(zelle - 1);
    if (zelle >= 3) n.push_back(zelle - 3);
    return n;
}

const std::array<std::vector<int>, Zellen>& AlleNachbarn()
{
    static const auto nachbarn = [] {
        std::array<std::vector<int>, Zellen> n;
        for (int z = 0; z < Zellen; ++z)
            n[z] = Nachbarn(z);
        return n;
    }();
    return nachbarn;
}

Perm Identitaet()
{
    Perm p;
    for (int i = 0; i < Zellen; ++i)
        p[i] = uint8_t(i);
    return p;
}

int Stelle(const Perm& p, int label)
{
    for (int i = 0; i < Zellen; ++i)
        if (p[i] == label)
            return i;
    return -1;
}

// Breadth-first search from the goal over every position; the moves are their own inverses'
// kind, so the distance from the goal is the distance to it. The queue keeps the distance in
// the bits above the position.
// The search stops once it has seen as many positions as the moves can reach: half of all for
// slides and odd-length shifts (parity), all for turns.
using Abstand = std::vector<uint8_t>;

template <typename Nachfolger>
std::unique_ptr<Abstand> Abstaende(size_t erreichbar, std::stop_token halt, Nachfolger nachfolger)
{
    auto tabelle = std::make_unique<Abstand>(Stellungen, Unerreicht);
    Abstand& abstand = *tabelle;
    std::vector<uint64_t> schlange;
    schlange.reserve(Stellungen);
    abstand[Rang(Identitaet())] = 0;
    schlange.push_back(Packen(Identitaet()));
    for (size_t i = 0; i < schlange.size() && schlange.size() < erreichbar; ++i) {
        if ((i & 0xFFF) == 0 && halt.stop_requested())
            return nullptr;
        const Perm p = Entpacken(schlange[i]);
        const uint64_t d = (schlange[i] >> 40) + 1;
        nachfolger(p, [&](const Perm& q) {
            uint8_t& a = abstand[Rang(q)];
            if (a == Unerreicht) {
                a = uint8_t(d);
                schlange.push_back(Packen(q) | d << 40);
            }
        });
    }
    return tabelle;
}

std::unique_ptr<Abstand> SchiebeAbstaende(int leerLabel, std::stop_token halt)
{
    return Abstaende(Stellungen / 2, halt, [leerLabel](const Perm& p, auto&& melde) {
        const int leer = Stelle(p, leerLabel);
        for (int q : AlleNachbarn()[leer]) {
            Perm r = p;
            std::swap(r[leer], r[q]);
            melde(r);
        }
    });
}

std::unique_ptr<Abstand> DrehAbstaende(Variante v, std::stop_token halt)
{
    const auto zuege = Zuege(v);
    const size_t erreichbar = v == Variante::Drehen ? Stellungen : Stellungen / 2;
    return Abstaende(erreichbar, halt, [&zuege](const Perm& p, auto&& melde) {
        for (const Tabellenzug& z : zuege)
            melde(Angewandt(p, z));
    });
}

Vorrat<Abstand>& VorratFuer(const Spielstand& s)
{
    static Vorrat<Abstand> schieben[Zellen], verschieben, drehen;
    if (s.variante == Variante::Schieben)
        return schieben[s.FreiesFeld - 1];
    return s.variante == Variante::Verschieben ? verschieben : drehen;
}

// The table of the board's kind, made on first use; nullptr when the stop token fired first.
const Abstand* TabelleFuer(const Spielstand& s, std::stop_token halt)
{
    return VorratFuer(s).Holen(halt, [&](std::stop_token h) {
        return s.variante == Variante::Schieben ? SchiebeAbstaende(s.FreiesFeld - 1, h) : DrehAbstaende(s.variante, h);
    });
}

Perm AlsPerm(const Spielstand& s)
{
    Perm p;
    for (int i = 0; i < Zellen; ++i) {
        const int teil = s.Spielfeld[i + 1];
        p[i] = uint8_t(teil == 0 ? s.FreiesFeld - 1 : teil - 1);
    }
    return p;
}

} // namespace

bool TabelleVorbereiten(const Spielstand& s, std::stop_token halt) { return TabelleFuer(s, halt) != nullptr; }

bool TabelleFertig(const Spielstand& s) { return VorratFuer(s).Fertig() != nullptr; }

std::vector<Zug> TabellenLoesung(const Spielstand& s, std::stop_token halt)
{
    const Abstand* tabelle = TabelleFuer(s, halt);
    if (!tabelle)
        return {};
    const Abstand& abstand = *tabelle;
    Perm p = AlsPerm(s);
    std::vector<Zug> loesung;
    // Walk downhill: some move always leads one step closer to the goal.
    if (s.variante == Variante::Schieben) {
        const int leerLabel = s.FreiesFeld - 1;
        for (int d = abstand[Rang(p)]; d > 0 && d != Unerreicht; --d) {
            const int leer = Stelle(p, leerLabel);
            for (int q : AlleNachbarn()[leer]) {
                std::swap(p[leer], p[q]);
                if (abstand[Rang(p)] == d - 1) {
                    loesung.push_back(Schiebezug(q + 1, leer + 1));
                    break;
                }
                std::swap(p[leer], p[q]);
            }
        }
        return loesung;
    }
    static const auto verschieben = Zuege(Variante::Verschieben), drehen = Zuege(Variante::Drehen);
    const auto& zuege = s.variante == Variante::Verschieben ? verschieben : drehen;
    for (int d = abstand[Rang(p)]; d > 0 && d != Unerreicht; --d) {
        for (const Tabellenzug& z : zuege) {
            const Perm q = Angewandt(p, z);
            if (abstand[Rang(q)] == d - 1) {
                loesung.push_back(z.zug);
                p = q;
                break;
            }
        }
    }
    return loesung;
}

} // namespace engine::loeser
