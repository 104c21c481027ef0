// The board geometry: what a point of the window points at, at every edge of the click zones.
#include "main/brettgeometrie.h"

#include <gtest/gtest.h>

using namespace haupt;
using engine::Variante;
using engine::Ziel;
using engine::Zielart;

namespace {

TEST(Brettgeometrie, FeldbereichBeginntEinPixelInnerhalbDerEcke)
{
    for (int n = 3; n <= 6; ++n) {
        const Brettgeometrie g(n, Variante::Schieben);
        const int t = 360 / n;
        EXPECT_EQ(g.ZielBei({57, 100}), Ziel{}) << n;
        EXPECT_EQ(g.ZielBei({100, 56}), Ziel{}) << n;
        EXPECT_EQ(g.ZielBei({58, 57}), (Ziel{Zielart::Feld, 1, 1})) << n;
        EXPECT_EQ(g.ZielBei({416, 415}), (Ziel{Zielart::Feld, n * n, n * n})) << n;
        EXPECT_EQ(g.ZielBei({417, 415}), Ziel{}) << n;
        EXPECT_EQ(g.ZielBei({416, 416}), Ziel{}) << n;
        // The last pixel of field 1 and the first of field n + 2 (one down, one right).
        EXPECT_EQ(g.ZielBei({56 + t, 55 + t}).feld, 1) << n;
        EXPECT_EQ(g.ZielBei({57 + t, 56 + t}).feld, n + 2) << n;
    }
}

TEST(Brettgeometrie, PfeilstreifenNebenDemBrett)
{
    for (int n = 3; n <= 6; ++n) {
        const Brettgeometrie g(n, Variante::Verschieben);
        const int t = 360 / n;
        EXPECT_EQ(g.ZielBei({20, 56}).art, Zielart::StreifenLinks) << n;
        EXPECT_EQ(g.ZielBei({50, 415}), (Ziel{Zielart::StreifenLinks, n})) << n;
        EXPECT_EQ(g.ZielBei({56 + t, 20}), (Ziel{Zielart::StreifenOben, 2})) << n;
        EXPECT_EQ(g.ZielBei({55 + t, 50}), (Ziel{Zielart::StreifenOben, 1})) << n;
        EXPECT_EQ(g.ZielBei({422, 56 + 2 * t}), (Ziel{Zielart::StreifenRechts, 3})) << n;
        EXPECT_EQ(g.ZielBei({415, 452}), (Ziel{Zielart::StreifenUnten, n})) << n;
        for (QPoint daneben : {QPoint(19, 100), QPoint(51, 100), QPoint(30, 55), QPoint(30, 416), QPoint(30, 30),
                               QPoint(100, 19), QPoint(100, 453), QPoint(421, 100), QPoint(453, 100), QPoint(416, 30)})
            EXPECT_EQ(g.ZielBei(daneben).art, Zielart::Nichts) << n << ": " << daneben.x() << "," << daneben.y();
        EXPECT_EQ(g.ZielBei({200, 200}), (Ziel{Zielart::Nichts, 0, g.ZielBei({200, 200}).feld}));
        EXPECT_NE(g.ZielBei({200, 200}).feld, 0);
    }
}

TEST(Brettgeometrie, AchszonenSind21PixelUmDieInnerenKreuzungen)
{
    for (int n = 3; n <= 6; ++n) {
        const Brettgeometrie g(n, Variante::Drehen);
        const int t = 360 / n;
        for (int i = 1; i < n; ++i)
            for (int j = 1; j < n; ++j) {
                const int k = (j - 1) * (n - 1) + i;
                const int x0 = i * t + 47, y0 = j * t + 47;
                EXPECT_EQ(g.ZielBei({x0, y0}).nummer, k);
                EXPECT_EQ(g.ZielBei({x0 + 20, y0 + 20}).nummer, k);
                EXPECT_EQ(g.ZielBei({x0 - 1, y0 + 10}).art, Zielart::Nichts);
                EXPECT_EQ(g.ZielBei({x0 + 10, y0 + 21}).art, Zielart::Nichts);
            }
        // Grid points on the board's border are no axes.
        EXPECT_EQ(g.ZielBei({57, 56 + t}).art, Zielart::Nichts);
        EXPECT_EQ(g.ZielBei({57 + t, 416}).art, Zielart::Nichts);
    }
}

TEST(Brettgeometrie, LagenFuerDasZeichnen)
{
    const Brettgeometrie g(5, Variante::Drehen);
    EXPECT_EQ(g.feld(7), QRect(129, 128, 72, 72));
    EXPECT_EQ(g.teilQuelle(25), QRect(288, 288, 72, 72));
    EXPECT_EQ(g.knopf(1, 1), QPoint(116, 116));
    EXPECT_EQ(g.nummer(1), QPoint(90, 90));
    const Brettgeometrie vier(4, Variante::Verschieben);
    EXPECT_EQ(vier.pfeilRechts(1), QPoint(24, 83));
    EXPECT_EQ(vier.pfeilOben(4), QPoint(354, 424));
    EXPECT_EQ(vier.vorschauZelle(16), QRect(QPoint(653, 189), QPoint(698, 234)));
    const Brettgeometrie doppelt(4, Variante::Schieben, 2.0);
    EXPECT_EQ(doppelt.geraet(vier.feld(6)), QRect(294, 292, 180, 180));
}

} // namespace
