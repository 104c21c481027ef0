#include "engine/mischen.h"

namespace engine {

namespace {

// Variant 1: a random neighbour slides into the empty field; directions off the board are
// drawn again and do not count.
Zug SchiebeZug(const Spielstand& s, Zufall& zufall, int& leer)
{
    const int n = s.n();
    for (;;) {
        switch (zufall.Random(4) + 1) {
        case 1: if (leer % n != 0) return {Operation::TeilSchieben, leer + 1, leer}; break;
        case 2: if (leer + n <= n * n) return {Operation::TeilSchieben, leer + n, leer}; break;
        case 3: if ((leer - 1) % n != 0) return {Operation::TeilSchieben, leer - 1, leer}; break;
        case 4: if (leer > n) return {Operation::TeilSchieben, leer - n, leer}; break;
        }
    }
}

Zug ZufallsZug(const Spielstand& s, Zufall& zufall, int& leer)
{
    if (s.variante == Variante::Schieben) {
        Zug zug = SchiebeZug(s, zufall, leer);
        leer = zug.a;
        return zug;
    }
    if (s.variante == Variante::Verschieben) {
        static constexpr Operation art[] = {Operation::ZeileRechts, Operation::SpalteRunter,
                                            Operation::ZeileLinks, Operation::SpalteHoch};
        const int d = zufall.Random(4);
        return {art[d], zufall.Random(s.n()) + 1};
    }
    const int k = zufall.Random(AchsenAnzahl(s.n())) + 1;
    return {zufall.Random(2) == 0 ? Operation::AchseRechts : Operation::AchseLinks, k};
}

} // namespace

void NeuesSpiel(Spielstand& s, Zufall& zufall, Variante variante, int groesse, bool posZufall,
               std::vector<Zug>* protokoll)
{
    s.variante = variante;
    s.Groesse = static_cast<uint8_t>(groesse);
    s.ZugAnzahl = 0;
    s.Sekunden = 0;
    for (int p = 1; p <= MaxFelder; ++p)
        s.Spielfeld[p] = static_cast<uint8_t>(p);

    const int n = s.n();
    const int laenge = zufall.Random(1000) + 50;
    int leer = 0;
    s.FreiesFeld = 0;
    if (variante == Variante::Schieben) {
        s.FreiesFeld = posZufall ? zufall.Random(n * n) + 1 : n * n;
        s.Spielfeld[s.FreiesFeld] = 0;
        leer = s.FreiesFeld;
    }
    do {
        for (int i = 0; i < laenge; ++i) {
            const Zug zug = ZufallsZug(s, zufall, leer);
            Ausfuehren(s, zug);
            if (protokoll)
                protokoll->push_back(zug);
        }
    } while (CheckPosFelder(s) >= n);

    s.phase = Phase::Aufgebaut;
}

} // namespace engine
