#include <algorithm>

#include <gtest/gtest.h>

#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

// Remembers the first draw, which sets the pass length L.
class MerkenderZufall : public Zufall {
public:
    explicit MerkenderZufall(unsigned saat) : quelle_(saat) {}
    int Random(int m) override
    {
        const int w = quelle_.Random(m);
        if (erster_ < 0)
            erster_ = w;
        return w;
    }
    int passlaenge() const { return erster_ + 50; }

private:
    MtZufall quelle_;
    int erster_ = -1;
};

void Neu(Spielstand& s, Zufall& zufall, int variante, int n, bool posZufall = false,
         std::vector<Zug>* protokoll = nullptr)
{
    NeuesSpiel(s, zufall, static_cast<Variante>(variante), n, posZufall, protokoll);
}

} // namespace

TEST(NeuesSpiel, SetztZaehlerZurueckUndStartetOhneUhr)
{
    Spielstand s;
    s.ZugAnzahl = 77;
    s.Sekunden = 500;
    s.phase = Phase::Vorbei;
    MtZufall zufall(7);
    Neu(s, zufall, 3, 5);
    EXPECT_EQ(s.ZugAnzahl, 0);
    EXPECT_EQ(s.Sekunden, 0);
    EXPECT_EQ(s.variante, Variante::Drehen);
    EXPECT_EQ(s.n(), 5);
    EXPECT_EQ(s.phase, Phase::Aufgebaut);
    EXPECT_FALSE(s.uhrLaeuft());
    EXPECT_FALSE(s.pauseVerfuegbar());
    EXPECT_TRUE(s.brettAktiv());
}

TEST(NeuesSpiel, LeeresFeldGehoertUntenRechtsOderAufEinZufallsfeld)
{
    Spielstand fest;
    SkriptZufall zufall({0});
    Neu(fest, zufall, 1, 4);
    EXPECT_EQ(fest.FreiesFeld, 16);

    Spielstand beliebig;
    SkriptZufall ersterPlatz({0, 0});  // L = 50, then field 0 + 1
    Neu(beliebig, ersterPlatz, 1, 4, true);
    EXPECT_EQ(beliebig.FreiesFeld, 1);
    EXPECT_EQ(std::count(beliebig.Spielfeld.begin() + 1, beliebig.Spielfeld.begin() + 17, 0), 1);
}

TEST(NeuesSpiel, VerbotenerSchiebeweg)
{
    // L = 50; the empty field sits in the corner 9: "from the right" (1) and "from below" (2)
    // are off the board and are drawn again without counting; "from the left" (3) is taken.
    Spielstand s;
    SkriptZufall zufall({0, 0, 1, 2});
    std::vector<Zug> protokoll;
    Neu(s, zufall, 1, 3, false, &protokoll);
    ASSERT_FALSE(protokoll.empty());
    EXPECT_EQ(protokoll.front(), (Zug{Operation::TeilSchieben, 8, 9}));
    EXPECT_EQ(protokoll.size() % 50, 0u);
}

TEST(NeuesSpiel, JederDurchgangHatGenauLZuege)
{
    for (int v = 1; v <= 3; ++v)
        for (unsigned saat = 1; saat <= 20; ++saat) {
            Spielstand s;
            MerkenderZufall zufall(saat);
            std::vector<Zug> protokoll;
            Neu(s, zufall, v, 3 + saat % 4, false, &protokoll);
            EXPECT_EQ(protokoll.size() % zufall.passlaenge(), 0u) << "variant " << v << " seed " << saat;
            EXPECT_LT(CheckPosFelder(s), s.n());
        }
}

TEST(NeuesSpiel, BrettIstGemischtUndLoesbar)
{
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n)
            for (unsigned saat = 1; saat <= 25; ++saat) {
                Spielstand s;
                MtZufall zufall(saat * 31 + n);
                std::vector<Zug> protokoll;
                Neu(s, zufall, v, n, saat % 2, &protokoll);
                ASSERT_LT(CheckPosFelder(s), n) << "variant " << v << " n=" << n;
                ASSERT_EQ(s.ZugAnzahl, 0);

                // Every slide of the record moved a neighbour into the empty field.
                if (v == 1)
                    for (const Zug& z : protokoll) {
                        const int abstand = std::abs(z.a - z.b);
                        ASSERT_TRUE(abstand == n || (abstand == 1 && (std::min(z.a, z.b) % n) != 0));
                    }

                for (auto it = protokoll.rbegin(); it != protokoll.rend(); ++it)
                    Ausfuehren(s, Umkehrung(*it));
                ASSERT_TRUE(Geloest(s)) << "variant " << v << " n=" << n << " seed " << saat;
            }
}
