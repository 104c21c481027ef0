#pragma once
// Shared helpers of the engine tests: scripted chance and ready-made boards.

#include <deque>
#include <initializer_list>

#include "engine/mischen.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"

namespace engine::test {

// Gives the scripted values first, then falls back to a seeded generator.
class SkriptZufall : public Zufall {
public:
    SkriptZufall(std::initializer_list<int> werte, unsigned saat = 1) : werte_(werte), rest_(saat) {}
    int Random(int m) override
    {
        if (werte_.empty())
            return rest_.Random(m);
        const int w = werte_.front();
        werte_.pop_front();
        return w;
    }

private:
    std::deque<int> werte_;
    MtZufall rest_;
};

// A solved board of the given variant and side; in variant 1 the empty field is on `frei`.
inline Spielstand GeloestesBrett(int variante, int n, int frei = 0)
{
    Spielstand s;
    s.variante = static_cast<Variante>(variante);
    s.Groesse = static_cast<uint8_t>(n);
    for (int p = 1; p <= MaxFelder; ++p)
        s.Spielfeld[p] = static_cast<uint8_t>(p);
    if (variante == 1) {
        s.FreiesFeld = frei ? frei : n * n;
        s.Spielfeld[s.FreiesFeld] = 0;
    }
    s.phase = Phase::Aufgebaut;
    return s;
}

} // namespace engine::test
