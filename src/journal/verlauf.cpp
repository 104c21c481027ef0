#include "journal/verlauf.h"

#include "engine/loeser.h"

#include <algorithm>
#include <array>

namespace journal {

using engine::Operation;
using engine::Spielstand;
using engine::Variante;
using engine::Zug;

namespace {

constexpr std::array<Operation, 4> Linienzuege = {Operation::ZeileRechts, Operation::ZeileLinks,
                                                  Operation::SpalteRunter, Operation::SpalteHoch};

// Where a slide from field a in direction r lands (0 up, 1 right, 2 down, 3 left); 0 off the board.
int Nachbar(int n, int a, int r)
{
    const int zeile = (a - 1) / n, spalte = (a - 1) % n;
    switch (r) {
    case 0: return zeile > 0 ? a - n : 0;
    case 1: return spalte < n - 1 ? a + 1 : 0;
    case 2: return zeile < n - 1 ? a + n : 0;
    default: return spalte > 0 ? a - 1 : 0;
    }
}

std::optional<std::uint8_t> ZugKodieren(Variante variante, int n, const Zug& zug)
{
    switch (variante) {
    case Variante::Schieben:
        if (zug.op != Operation::TeilSchieben || zug.a < 1 || zug.a > n * n)
            return std::nullopt;
        for (int r = 0; r < 4; ++r)
            if (Nachbar(n, zug.a, r) == zug.b)
                return std::uint8_t(4 * (zug.a - 1) + r);
        return std::nullopt;
    case Variante::Verschieben:
        for (int k = 0; k < 4; ++k)
            if (zug.op == Linienzuege[std::size_t(k)] && zug.a >= 1 && zug.a <= n)
                return std::uint8_t(engine::MaxSeite * k + zug.a - 1);
        return std::nullopt;
    case Variante::Drehen:
        if ((zug.op != Operation::AchseRechts && zug.op != Operation::AchseLinks) || zug.a < 1
            || zug.a > engine::AchsenAnzahl(n))
            return std::nullopt;
        return std::uint8_t(2 * (zug.a - 1) + (zug.op == Operation::AchseLinks));
    }
    return std::nullopt;
}

std::optional<Zug> ZugDekodieren(Variante variante, int n, std::uint8_t code)
{
    switch (variante) {
    case Variante::Schieben: {
        const int a = code / 4 + 1, b = a <= n * n ? Nachbar(n, a, code % 4) : 0;
        return b ? std::optional<Zug>(Zug{Operation::TeilSchieben, a, b}) : std::nullopt;
    }
    case Variante::Verschieben: {
        const int k = code / engine::MaxSeite, l = code % engine::MaxSeite + 1;
        return k < 4 && l <= n ? std::optional<Zug>(Zug{Linienzuege[std::size_t(k)], l}) : std::nullopt;
    }
    case Variante::Drehen: {
        const int a = code / 2 + 1;
        return a <= engine::AchsenAnzahl(n)
            ? std::optional<Zug>(Zug{code % 2 ? Operation::AchseLinks : Operation::AchseRechts, a})
            : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Spielstand> BrettDekodieren(Variante variante, int n, int heimfeld, QByteArrayView bytes)
{
    if (bytes.size() != n * n || (variante != Variante::Schieben && heimfeld != 0))
        return std::nullopt;
    Spielstand s;
    s.variante = variante;
    s.Groesse = std::uint8_t(n);
    s.FreiesFeld = heimfeld;
    s.phase = engine::Phase::Aufgebaut;
    for (int p = 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[std::size_t(p)] = p <= n * n ? std::uint8_t(bytes[p - 1]) : std::uint8_t(p);
    // Every tile once, the empty field's place and the board's parity.
    return engine::Loesbar(s) ? std::optional<Spielstand>(s) : std::nullopt;
}

// Variant 1: every slide from the start goes into the empty field.
bool Spielbar(Spielstand s, const std::vector<Zug>& zuege)
{
    for (const Zug& zug : zuege) {
        if (s.variante == Variante::Schieben && s.Spielfeld[std::size_t(zug.b)] != 0)
            return false;
        engine::Ausfuehren(s, zug);
    }
    return true;
}

} // namespace

Verlaufsbytes VerlaufKodieren(Variante variante, int n, const Verlauf& verlauf)
{
    Verlaufsbytes bytes;
    if (verlauf.start && verlauf.start->variante == variante && verlauf.start->n() == n) {
        bytes.brett.emplace();
        for (int p = 1; p <= n * n; ++p)
            bytes.brett->append(char(verlauf.start->Spielfeld[std::size_t(p)]));
        bytes.heimfeld = variante == Variante::Schieben ? verlauf.start->FreiesFeld : 0;
    }
    for (const Zug& zug : verlauf.zuege) {
        const std::optional<std::uint8_t> code = ZugKodieren(variante, n, zug);
        if (!code || std::size_t(bytes.zuege.size()) >= ZuegeHoechstens)
            return {bytes.brett, bytes.heimfeld, {}, {}};
        bytes.zuege.append(char(*code));
    }
    if (verlauf.sekunden.size() == verlauf.zuege.size() && std::ranges::is_sorted(verlauf.sekunden)
        && (verlauf.sekunden.empty() || verlauf.sekunden.back() <= engine::MaxSekunden))
        for (std::uint16_t s : verlauf.sekunden)
            bytes.zeiten.append(char(s & 0xFF)).append(char(s >> 8));
    return bytes;
}

std::optional<Verlauf> VerlaufDekodieren(Variante variante, int n, const Verlaufsbytes& bytes)
{
    if (n < 3 || n > engine::MaxSeite || std::size_t(bytes.zuege.size()) > ZuegeHoechstens)
        return std::nullopt;
    Verlauf verlauf;
    if (bytes.brett) {
        verlauf.start = BrettDekodieren(variante, n, bytes.heimfeld, *bytes.brett);
        if (!verlauf.start)
            return std::nullopt;
    } else if (bytes.heimfeld != 0) {
        return std::nullopt;
    }
    verlauf.zuege.reserve(std::size_t(bytes.zuege.size()));
    for (char code : bytes.zuege) {
        const std::optional<Zug> zug = ZugDekodieren(variante, n, std::uint8_t(code));
        if (!zug)
            return std::nullopt;
        verlauf.zuege.push_back(*zug);
    }
    if (verlauf.start && !Spielbar(*verlauf.start, verlauf.zuege))
        return std::nullopt;
    if (!bytes.zeiten.isEmpty() && bytes.zeiten.size() != 2 * bytes.zuege.size())
        return std::nullopt;
    for (qsizetype i = 0; i < bytes.zeiten.size(); i += 2) {
        const auto s = std::uint16_t(std::uint8_t(bytes.zeiten[i]) | std::uint8_t(bytes.zeiten[i + 1]) << 8);
        if (s > engine::MaxSekunden || (!verlauf.sekunden.empty() && s < verlauf.sekunden.back()))
            return std::nullopt;
        verlauf.sekunden.push_back(s);
    }
    return verlauf;
}

} // namespace journal
