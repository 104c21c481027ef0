#include "engine/spielstand.h"

namespace engine {

int AchsenAnzahl(int n) { return (n - 1) * (n - 1); }

int Spielstand::LeeresFeld() const
{
    for (int p = 1; p <= felder(); ++p)
        if (Spielfeld[p] == 0)
            return p;
    return 0;
}

std::array<int, 4> AchsFelder(int n, int k)
{
    const int i = (k - 1) % (n - 1) + 1;  // axis column
    const int j = (k - 1) / (n - 1) + 1;  // axis row
    const int a = (j - 1) * n + i;
    return {a, a + 1, a + n + 1, a + n};
}

void TeilSchieben(Spielstand& s, int feld, int ziel)
{
    s.Spielfeld[ziel] = s.Spielfeld[feld];
    s.Spielfeld[feld] = 0;
}

void ZeileRechts(Spielstand& s, int zeile)
{
    const int erstes = (zeile - 1) * s.n() + 1, letztes = zeile * s.n();
    const uint8_t gemerkt = s.Spielfeld[letztes];
    for (int p = letztes; p > erstes; --p)
        s.Spielfeld[p] = s.Spielfeld[p - 1];
    s.Spielfeld[erstes] = gemerkt;
}

void ZeileLinks(Spielstand& s, int zeile)
{
    const int erstes = (zeile - 1) * s.n() + 1, letztes = zeile * s.n();
    const uint8_t gemerkt = s.Spielfeld[erstes];
    for (int p = erstes; p < letztes; ++p)
        s.Spielfeld[p] = s.Spielfeld[p + 1];
    s.Spielfeld[letztes] = gemerkt;
}

void SpalteRunter(Spielstand& s, int spalte)
{
    const int n = s.n();
    const uint8_t gemerkt = s.Spielfeld[(n - 1) * n + spalte];
    for (int r = n; r >= 2; --r)
        s.Spielfeld[(r - 1) * n + spalte] = s.Spielfeld[(r - 2) * n + spalte];
    s.Spielfeld[spalte] = gemerkt;
}

void SpalteHoch(Spielstand& s, int spalte)
{
    const int n = s.n();
    const uint8_t gemerkt = s.Spielfeld[spalte];
    for (int r = 1; r <= n - 1; ++r)
        s.Spielfeld[(r - 1) * n + spalte] = s.Spielfeld[r * n + spalte];
    s.Spielfeld[(n - 1) * n + spalte] = gemerkt;
}

void AchseRechts(Spielstand& s, int k)
{
    const auto [a, b, c, d] = AchsFelder(s.n(), k);
    auto& f = s.Spielfeld;
    const uint8_t gemerkt = f[a];
    f[a] = f[d];
    f[d] = f[c];
    f[c] = f[b];
    f[b] = gemerkt;
}

void AchseLinks(Spielstand& s, int k)
{
    const auto [a, b, c, d] = AchsFelder(s.n(), k);
    auto& f = s.Spielfeld;
    const uint8_t gemerkt = f[a];
    f[a] = f[b];
    f[b] = f[c];
    f[c] = f[d];
    f[d] = gemerkt;
}

void Ausfuehren(Spielstand& s, const Zug& zug)
{
    switch (zug.op) {
    case Operation::TeilSchieben: TeilSchieben(s, zug.a, zug.b); break;
    case Operation::ZeileRechts: ZeileRechts(s, zug.a); break;
    case Operation::ZeileLinks: ZeileLinks(s, zug.a); break;
    case Operation::SpalteRunter: SpalteRunter(s, zug.a); break;
    case Operation::SpalteHoch: SpalteHoch(s, zug.a); break;
    case Operation::AchseRechts: AchseRechts(s, zug.a); break;
    case Operation::AchseLinks: AchseLinks(s, zug.a); break;
    }
}

Zug Umkehrung(const Zug& zug)
{
    switch (zug.op) {
    case Operation::TeilSchieben: return {Operation::TeilSchieben, zug.b, zug.a};
    case Operation::ZeileRechts: return {Operation::ZeileLinks, zug.a};
    case Operation::ZeileLinks: return {Operation::ZeileRechts, zug.a};
    case Operation::SpalteRunter: return {Operation::SpalteHoch, zug.a};
    case Operation::SpalteHoch: return {Operation::SpalteRunter, zug.a};
    case Operation::AchseRechts: return {Operation::AchseLinks, zug.a};
    case Operation::AchseLinks: return {Operation::AchseRechts, zug.a};
    }
    return zug;
}

std::vector<int> GeaenderteFelder(int n, const Zug& zug)
{
    std::vector<int> felder;
    switch (zug.op) {
    case Operation::TeilSchieben:
        return {zug.a, zug.b};
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
        for (int i = 1; i <= n; ++i)
            felder.push_back((zug.a - 1) * n + i);
        return felder;
    case Operation::SpalteRunter:
    case Operation::SpalteHoch:
        for (int i = 1; i <= n; ++i)
            felder.push_back((i - 1) * n + zug.a);
        return felder;
    case Operation::AchseRechts:
    case Operation::AchseLinks: {
        const auto a = AchsFelder(n, zug.a);
        return {a.begin(), a.end()};
    }
    }
    return felder;
}

int CheckPosFelder(const Spielstand& s)
{
    int anzahl = 0;
    for (int p = 1; p <= s.felder(); ++p) {
        if (s.Spielfeld[p] == p)
            ++anzahl;
        if (s.variante == Variante::Schieben && s.Spielfeld[p] == 0 && p == s.FreiesFeld)
            ++anzahl;
    }
    return anzahl;
}

bool Geloest(const Spielstand& s) { return CheckPosFelder(s) == s.felder(); }

} // namespace engine
