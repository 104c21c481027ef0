// The board drawing on screens with more device pixels than logical ones: the picture holds
// device pixels, the board shows the picture's own detail, lines stay sharp and tiles close up.

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "bildvergleich.h"
#include "geordnetesbrett.h"
#include "main/brettbild.h"

using engine::Spielstand;
using haupt::Brettbild;
using haupt::Markierfarbe;

namespace {

// Fine detail down to the single pixel: noise in all three channels.
QImage Rauschen(int kante)
{
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> wert(0, 255);
    QImage bild(kante, kante, QImage::Format_RGB32);
    for (int y = 0; y < kante; ++y)
        for (int x = 0; x < kante; ++x)
            bild.setPixel(x, y, qRgb(wert(zufall), wert(zufall) / 2, wert(zufall)));  // never the marking yellow
    return bild;
}

int Geraet(double wert, double r) { return int(std::lround(wert * r)); }

} // namespace

TEST(BrettbildDichte, KopieHatGeraetepixelUndDasVerhaeltnis)
{
    Brettbild bild;
    EXPECT_FALSE(bild.VerhaeltnisSetzen(1.0));  // nothing to do
    EXPECT_TRUE(bild.VerhaeltnisSetzen(1.5));
    EXPECT_EQ(bild.kopie().size(), QSize(1133, 713));
    EXPECT_EQ(bild.kopie().devicePixelRatio(), 1.5);
    EXPECT_EQ(bild.kopie().deviceIndependentSize(), QSizeF(755.3333333333334, 475.3333333333333));
    EXPECT_TRUE(bild.VerhaeltnisSetzen(2.0));
    EXPECT_EQ(bild.kopie().size(), QSize(1510, 950));
    bild.HintergrundZeichnen();
    // The background fills it to the last pixel, and the board well lies twice as far in.
    EXPECT_NE(bild.kopie().pixel(1509, 949), qRgb(0, 0, 0));
    EXPECT_EQ(Brettbild::hintergrund(2.0).size(), QSize(1510, 950));
}

TEST(BrettbildDichte, BrettZeigtDieFeinheitenDesBildesStattEinesVergroessertenBrettes)
{
    const QImage fein = Rauschen(720);
    for (double r : {2.0, 1.5}) {
        Brettbild bild;
        bild.VerhaeltnisSetzen(r);
        bild.BildVorbereiten(fein);
        const int kante = Geraet(417, r) - Geraet(57, r);
        ASSERT_EQ(bild.original().size(), QSize(kante, kante)) << r;
        const Spielstand s = GeordnetesBrett(1, 4);
        bild.BrettWaehlen(4, s.variante);
        bild.BrettZeichnen(s);

        const QPoint ecke(Geraet(57, r), Geraet(56, r));
        const QImage scharf = fein.scaled(kante, kante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage vergroessert = fein.scaled(360, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        .scaled(kante, kante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double nah = MittlererUnterschied(bild.kopie().copy(QRect(ecke, scharf.size())), scharf);
        const double weit = MittlererUnterschied(bild.kopie().copy(QRect(ecke, vergroessert.size())), vergroessert);
        EXPECT_LT(nah, 6.0) << r;  // only the grid lines differ
        EXPECT_GT(weit, 15.0) << r;
        EXPECT_LT(nah * 4, weit) << r << ": " << nah << " against " << weit;
    }
}

TEST(BrettbildDichte, GitterlinienSindBeiVerhaeltnisZweiZweiPixelBreit)
{
    for (int n = 3; n <= 6; ++n) {
        Brettbild bild;
        bild.VerhaeltnisSetzen(2.0);
        bild.BildVorbereiten(Rauschen(360));
        const Spielstand s = GeordnetesBrett(2, n);
        bild.BrettWaehlen(n, s.variante);
        bild.BrettZeichnen(s);
        const QImage k = bild.kopie();
        const int t = 360 / n;
        for (int j = 1; j < n; ++j) {
            const int x = 2 * (57 + j * t), y = 2 * (56 + j * t);
            for (int v = 112; v < 832; ++v) {
                ASSERT_EQ(k.pixel(x, v), Markierfarbe) << "n=" << n << " x=" << x << " y=" << v;
                ASSERT_EQ(k.pixel(x + 1, v), Markierfarbe) << "n=" << n << " x=" << x + 1 << " y=" << v;
            }
            for (int u = 114; u < 834; ++u) {
                ASSERT_EQ(k.pixel(u, y), Markierfarbe) << "n=" << n << " y=" << y;
                ASSERT_EQ(k.pixel(u, y + 1), Markierfarbe) << "n=" << n << " y=" << y + 1;
            }
            // Beside the line: picture, not marking.
            EXPECT_NE(k.pixel(x - 1, 301), Markierfarbe);
            EXPECT_NE(k.pixel(x + 2, 301), Markierfarbe);
            EXPECT_NE(k.pixel(301, y - 1), Markierfarbe);
            EXPECT_NE(k.pixel(301, y + 2), Markierfarbe);
        }
    }
}

// Each tile of a shuffled board fills its field in device pixels, edge to edge: no gap shows
// the background, and no tile's neighbour bleeds in.
TEST(BrettbildDichte, TeileSchliessenBeiGebrochenemVerhaeltnisLueckenlos)
{
    for (double r : {1.5, 1.25}) {
        for (int n : {4, 5}) {
            Brettbild bild;
            bild.VerhaeltnisSetzen(r);
            const int t = 360 / n;
            const auto kante = [&](int i) { return Geraet(57 + i * t, r) - Geraet(57, r); };
            const auto zeile = [&](int i) { return Geraet(56 + i * t, r); };
            const auto spalte = [&](int i) { return Geraet(57 + i * t, r); };
            // A picture of the board's device size, each tile's home square in a colour of its own.
            const int seite = kante(n);
            QImage bloecke(seite, seite, QImage::Format_RGB32);
            const auto farbe = [](int teil) { return qRgb(teil * 7, 255 - teil * 5, teil * 3); };
            for (int y = 0; y < seite; ++y)
                for (int x = 0; x < seite; ++x) {
                    int i = 0, j = 0;
                    while (kante(i + 1) <= x)
                        ++i;
                    while (kante(j + 1) <= y)
                        ++j;
                    bloecke.setPixel(x, y, farbe(j * n + i + 1));
                }
            bild.HintergrundZeichnen();
            bild.BildVorbereiten(bloecke);
            Spielstand s = GeordnetesBrett(1, n);
            for (int p = 1; p <= n * n; ++p)  // reversed: every tile far from home
                s.Spielfeld[p] = static_cast<uint8_t>(n * n + 1 - p);
            bild.BrettWaehlen(n, s.variante);
            bild.BrettZeichnen(s);
            const QImage k = bild.kopie();
            for (int p = 1; p <= n * n; ++p) {
                const int i = (p - 1) % n, j = (p - 1) / n;
                for (int y = zeile(j); y < zeile(j + 1); ++y)
                    for (int x = spalte(i); x < spalte(i + 1); ++x) {
                        const QRgb c = k.pixel(x, y);
                        ASSERT_TRUE(c == farbe(s.Spielfeld[p]) || c == Markierfarbe)
                            << "r=" << r << " n=" << n << " field " << p << " at " << x << "," << y;
                    }
            }
        }
    }
}

TEST(BrettbildDichte, WechselZurueckAufEinsZeichnetWieZuvor)
{
    const QImage fein = Rauschen(500);
    const Spielstand s = GeordnetesBrett(3, 5);
    const auto zeichne = [&](Brettbild& bild) {
        bild.HintergrundZeichnen();
        bild.ZeigeSchrift(QStringLiteral("de"));
        bild.ZeigeZugNr(1234);
        bild.ZeigeZeit(754);
        bild.VorschauZeichnen();
        bild.BrettWaehlen(5, s.variante);
        bild.BrettZeichnen(s);
    };
    Brettbild immer;
    immer.BildVorbereiten(fein);
    immer.Faerben();
    zeichne(immer);

    Brettbild gewechselt;
    gewechselt.BildVorbereiten(fein);
    gewechselt.Faerben();
    gewechselt.VerhaeltnisSetzen(2.0);
    // The picture is made again from its source at the new size, still grey.
    ASSERT_EQ(gewechselt.original().size(), QSize(720, 720));
    const QRgb grau = gewechselt.original().pixel(333, 444);
    EXPECT_TRUE(qRed(grau) == qGreen(grau) && qGreen(grau) == qBlue(grau));
    zeichne(gewechselt);
    gewechselt.VerhaeltnisSetzen(1.0);
    zeichne(gewechselt);
    EXPECT_EQ(gewechselt.kopie().devicePixelRatio(), 1.0);
    EXPECT_EQ(gewechselt.kopie(), immer.kopie());
}

// Counters, labels, knobs and the pause sign come from art at the device size, in place.
TEST(BrettbildDichte, KunstSitztBeiVerhaeltnisZweiAnDerDoppeltenStelle)
{
    Brettbild einfach, doppelt;
    doppelt.VerhaeltnisSetzen(2.0);
    for (Brettbild* bild : {&einfach, &doppelt}) {
        bild->HintergrundZeichnen();
        bild->ZeigeZugNr(8);
        bild->BildVorbereiten(Rauschen(360));
        bild->BrettWaehlen(4, engine::Variante::Drehen);
        bild->PauseZeigen();
    }
    // Each pixel of the single picture has its like among the four it became: same art, same place.
    const auto aehnlich = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
    };
    int fern = 0, geprueft = 0;
    const QImage k1 = einfach.kopie(), k2 = doppelt.kopie();
    const QRect bereiche[] = {{565 + 66, 310, 22, 30}, {127, 206, 220, 60}, {518, 280, 180, 25}};
    for (const QRect& bereich : bereiche)
        for (int y = bereich.top() + 2; y < bereich.bottom() - 1; ++y)
            for (int x = bereich.left() + 2; x < bereich.right() - 1; ++x) {
                const QRgb c = k1.pixel(x, y);
                bool gefunden = false;
                for (int dy = 0; dy < 2 && !gefunden; ++dy)
                    for (int dx = 0; dx < 2 && !gefunden; ++dx)
                        gefunden = aehnlich(k2.pixel(2 * x + dx, 2 * y + dy), c);
                fern += !gefunden;
                ++geprueft;
            }
    EXPECT_LT(fern, geprueft / 20) << fern << " of " << geprueft;
}
