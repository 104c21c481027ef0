// The board at a zoom: the same drawing at more device pixels, the picture at the resolution
// the zoom needs, whole grid lines, and every device pixel of a field, arrow or axis zone
// answering a click with what it shows.

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "bildvergleich.h"
#include "geordnetesbrett.h"
#include "engine/zug.h"
#include "main/brettbild.h"

using namespace haupt;
using engine::Variante;
using engine::Zielart;

namespace {

// Zoom and device ratio: the menu's sizes, a dragged one, and fractional screens under them.
struct Massstab {
    double zoom, verhaeltnis;
};
const Massstab Massstaebe[] = {{1.25, 1.0}, {1.5, 1.0}, {2.0, 1.0}, {1.37, 1.0}, {1.5, 1.5}, {1.25, 1.25}, {2.0, 1.5}};

std::string Name(const Massstab& m) { return std::to_string(m.zoom) + " x " + std::to_string(m.verhaeltnis); }

// The window point at the centre of device pixel (x, y), as the mouse reports it.
QPointF Mitte(QPoint geraet, double verhaeltnis) { return (QPointF(geraet) + QPointF(0.5, 0.5)) / verhaeltnis; }

QImage Rauschen(int kante)
{
    std::mt19937 zufall(11);
    std::uniform_int_distribution<int> wert(0, 255);
    QImage bild(kante, kante, QImage::Format_RGB32);
    for (int y = 0; y < kante; ++y)
        for (int x = 0; x < kante; ++x)
            bild.setPixel(x, y, qRgb(wert(zufall), wert(zufall) / 2, wert(zufall)));  // never the marking yellow
    return bild;
}

TEST(Zoom, FensterGroessenWachsenMitDemZoom)
{
    const Brettgeometrie klassisch(4, Variante::Schieben);
    EXPECT_EQ(klassisch.client(true), QSize(755, 475));
    EXPECT_EQ(klassisch.client(false), QSize(474, 475));
    EXPECT_EQ(klassisch.ganzGeraet(), QSize(755, 475));
    const Brettgeometrie anderthalb(4, Variante::Schieben, 1.5);
    EXPECT_EQ(anderthalb.client(true), QSize(1133, 713));
    EXPECT_EQ(anderthalb.client(false), QSize(711, 713));
    EXPECT_EQ(anderthalb.versatz({100, 215}), QPoint(150, 323));
    const Brettgeometrie doppelt(4, Variante::Schieben, 2.0, 1.5);
    EXPECT_EQ(doppelt.client(true), QSize(1510, 950));
    EXPECT_EQ(doppelt.ganzGeraet(), QSize(2265, 1425));
    EXPECT_EQ(doppelt.skala(), 3.0);
}

// Every corner pixel of every field's device rectangle hits that field; the board's top row
// and left column of classic pixels hit nothing, as at the classic size.
TEST(Zoom, EckpixelDerFelderTreffenIhrFeld)
{
    for (const Massstab& m : Massstaebe)
        for (int n = 3; n <= 6; ++n) {
            const Brettgeometrie g(n, Variante::Schieben, m.zoom, m.verhaeltnis);
            for (int p = 1; p <= n * n; ++p) {
                const QRect r = g.geraet(g.feld(p));
                for (QPoint ecke : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                    const QPoint klassisch = g.klassisch(Mitte(ecke, m.verhaeltnis));
                    const bool rand = klassisch.x() == 57 || klassisch.y() == 56;
                    ASSERT_EQ(g.ZielBei(klassisch).feld, rand ? 0 : p)
                        << Name(m) << " n=" << n << " field " << p << " pixel " << ecke.x() << "," << ecke.y();
                }
            }
        }
}

TEST(Zoom, EckpixelDerPfeileUndAchszonenTreffenIhrZiel)
{
    for (const Massstab& m : Massstaebe) {
        const Brettgeometrie g(4, Variante::Verschieben, m.zoom, m.verhaeltnis);
        const auto trifft = [&](const QRect& klassisch, Zielart art, int nummer) {
            const QRect r = g.geraet(klassisch);
            for (QPoint ecke : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                const engine::Ziel ziel = g.ZielBei(g.klassisch(Mitte(ecke, m.verhaeltnis)));
                EXPECT_EQ(ziel.art, art) << Name(m) << " pixel " << ecke.x() << "," << ecke.y();
                EXPECT_EQ(ziel.nummer, nummer) << Name(m) << " pixel " << ecke.x() << "," << ecke.y();
            }
        };
        for (int i = 1; i <= 4; ++i) {
            trifft({g.pfeilRechts(i), Brettgeometrie::PfeilQuer}, Zielart::StreifenLinks, i);
            trifft({g.pfeilLinks(i), Brettgeometrie::PfeilQuer}, Zielart::StreifenRechts, i);
            trifft({g.pfeilUnten(i), Brettgeometrie::PfeilHoch}, Zielart::StreifenOben, i);
            trifft({g.pfeilOben(i), Brettgeometrie::PfeilHoch}, Zielart::StreifenUnten, i);
        }
        const Brettgeometrie achsen(4, Variante::Drehen, m.zoom, m.verhaeltnis);
        for (int k = 1; k <= 9; ++k) {
            const QRect zone = achsen.achszone(k);
            ASSERT_TRUE(zone.contains(achsen.knopfMitte(k))) << "the zone lies under the knob";
            const QRect r = achsen.geraet(zone);
            for (QPoint ecke : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                EXPECT_EQ(achsen.ZielBei(achsen.klassisch(Mitte(ecke, m.verhaeltnis))).nummer, k) << Name(m) << " axis " << k;
            // Just outside it: nothing.
            const QPoint daneben = achsen.klassisch(Mitte(r.topLeft() - QPoint(1, 0), m.verhaeltnis));
            EXPECT_EQ(achsen.ZielBei(daneben).art, Zielart::Nichts) << Name(m) << " axis " << k;
        }
    }
}

// The update region of a part covers every device pixel the part is drawn on.
TEST(Zoom, NeuzeichenbereichDecktJedesGeraetepixel)
{
    for (const Massstab& m : Massstaebe) {
        const Brettgeometrie g(5, Variante::Drehen, m.zoom, m.verhaeltnis);
        for (const QRect& teil : {g.feld(7), g.nummernfeld(13), QRect(g.zugZiffer(2), Brettgeometrie::Zifferngroesse)}) {
            const QRect geraet = g.geraet(teil);
            const QRegion fenster = g.fenster(teil);
            for (QPoint ecke : {geraet.topLeft(), geraet.bottomRight()}) {
                const QPointF mitte = Mitte(ecke, m.verhaeltnis);
                EXPECT_TRUE(fenster.contains(QPoint(int(std::floor(mitte.x())), int(std::floor(mitte.y()))))) << Name(m);
            }
            // And the classic region of that window region holds the part again.
            EXPECT_TRUE(g.klassisch(fenster).contains(teil)) << Name(m);
        }
    }
}

// The board is drawn from the picture at the zoom's device size: its detail is there, not a
// 360 board blown up; and every grid line is whole.
TEST(Zoom, BrettZeigtDasBildInGeraeteaufloesungMitGanzenGitterlinien)
{
    const QImage fein = Rauschen(900);
    for (const Massstab& m : Massstaebe) {
        Brettbild bild;
        bild.VerhaeltnisSetzen(m.verhaeltnis);
        bild.ZoomSetzen(m.zoom);
        bild.BildVorbereiten(fein);
        const Brettgeometrie& g = bild.geometrie();
        const QRect brett = g.geraet(g.brett());
        ASSERT_EQ(bild.original().size(), brett.size()) << Name(m);
        const engine::Spielstand s = GeordnetesBrett(2, 4);
        bild.BrettWaehlen(4, s.variante);
        bild.BrettZeichnen(s);
        const QImage k = bild.kopie();
        ASSERT_EQ(k.size(), g.ganzGeraet()) << Name(m);

        const auto gestreckt = [](const QImage& b, QSize groesse) {
            return b.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
        };
        const QImage scharf = gestreckt(fein, brett.size());
        const QImage vergroessert = gestreckt(gestreckt(fein, {360, 360}), brett.size());
        const double nah = MittlererUnterschied(k.copy(brett), scharf);
        const double weit = MittlererUnterschied(k.copy(brett), vergroessert);
        EXPECT_LT(nah * 3, weit) << Name(m) << ": " << nah << " against " << weit;

        for (int j = 1; j < 4; ++j)
            for (const QRect& linie : {g.geraet(g.senkrechteLinie(j)), g.geraet(g.waagerechteLinie(j))}) {
                ASSERT_GE(std::min(linie.width(), linie.height()), int(std::floor(g.skala()))) << Name(m);
                for (int y = linie.top(); y <= linie.bottom(); ++y)
                    for (int x = linie.left(); x <= linie.right(); ++x)
                        ASSERT_EQ(k.pixel(x, y), Markierfarbe) << Name(m) << " line " << j << " at " << x << "," << y;
            }
    }
}

// A zoom and back draws exactly what was drawn before.
TEST(Zoom, ZurueckAufHundertProzentZeichnetWieZuvor)
{
    const engine::Spielstand s = GeordnetesBrett(3, 5);
    const auto zeichne = [&](Brettbild& bild) {
        bild.HintergrundZeichnen();
        bild.ZeigeSchrift(QStringLiteral("en"));
        bild.ZeigeZugNr(42);
        bild.ZeigeZeit(61);
        bild.VorschauZeichnen();
        bild.BrettWaehlen(5, s.variante);
        bild.BrettZeichnen(s);
    };
    Brettbild immer, gewechselt;
    for (Brettbild* bild : {&immer, &gewechselt})
        bild->BildVorbereiten(Rauschen(400));
    zeichne(immer);
    gewechselt.ZoomSetzen(2.0);
    zeichne(gewechselt);
    EXPECT_EQ(gewechselt.kopie().size(), QSize(1510, 950));
    EXPECT_TRUE(gewechselt.ZoomSetzen(1.0));
    zeichne(gewechselt);
    EXPECT_EQ(gewechselt.kopie(), immer.kopie());
}

// A move marks its fields and only the counter digits that change.
TEST(Zoom, ZugMarktSeineFelderUndDieGeaendertenZiffern)
{
    Brettbild bild;
    bild.ZoomSetzen(2.0);
    engine::Spielstand s = GeordnetesBrett(3, 6);
    bild.HintergrundZeichnen();
    bild.ZeigeZugNr(9);
    bild.BrettWaehlen(6, s.variante);
    bild.BrettZeichnen(s);
    bild.NimmVeraendert();
    const engine::Zugfolge folge = engine::Ziehe(s, {engine::Operation::AchseRechts, 25});
    bild.FelderZeichnen(s, folge.felder);
    bild.ZeigeZugNr(10);  // 0009 -> 0010: two digits
    const Brettgeometrie& g = bild.geometrie();
    QRegion erwartet;
    for (int feld : folge.felder)
        erwartet += g.feld(feld);
    erwartet += QRect(Brettgeometrie::zugZiffer(2), Brettgeometrie::Zifferngroesse);
    erwartet += QRect(Brettgeometrie::zugZiffer(3), Brettgeometrie::Zifferngroesse);
    EXPECT_EQ(bild.NimmVeraendert(), erwartet);
}

// Mid-motion at every zoom, the tiles of a move cover its fields to the last device pixel, and
// the empty field's art shows only where a sliding tile uncovers the empty field: a turn's
// corners do not flash it, a shifted row leaves no dark column at either edge.
TEST(Zoom, BewegungDecktIhreFelderGanz)
{
    using engine::Operation;
    const QRgb farbe = qRgb(40, 160, 90);
    QImage einfarbig(400, 400, QImage::Format_RGB32);
    einfarbig.fill(farbe);
    const std::tuple<int, int, engine::Zug> faelle[] = {
        {3, 4, {Operation::AchseRechts, 5}}, {3, 5, {Operation::AchseLinks, 1}},
        {2, 4, {Operation::ZeileRechts, 1}}, {2, 5, {Operation::ZeileLinks, 5}},
        {2, 6, {Operation::SpalteRunter, 1}}, {2, 4, {Operation::SpalteHoch, 4}},
        {1, 4, {Operation::TeilSchieben, 15, 16}},
    };
    for (const Massstab& m : {Massstab{1.0, 1.0}, Massstab{1.25, 1.0}, Massstab{1.5, 1.0}, Massstab{2.0, 1.0},
                              Massstab{1.37, 1.0}, Massstab{2.0, 1.5}}) {
        for (const auto& [variante, n, zug] : faelle) {
            for (const double anteil : {0.23, 0.5, 0.717}) {
                Brettbild bild;
                bild.VerhaeltnisSetzen(m.verhaeltnis);
                bild.ZoomSetzen(m.zoom);
                bild.BildVorbereiten(einfarbig);
                engine::Spielstand s = GeordnetesBrett(variante, n);
                s.Spielfeld[n * n] = variante == 1 ? 0 : s.Spielfeld[n * n];
                bild.HintergrundZeichnen();
                bild.BrettWaehlen(n, s.variante);
                engine::Ziehe(s, zug);
                bild.BrettZeichnen(s);
                QImage k = bild.kopie();
                QPainter p(&k);
                bild.ZeigeBewegung(p, s, zug, anteil);
                p.end();
                const Brettgeometrie& g = bild.geometrie();
                QRegion felder, knoepfe;
                for (int feld : engine::GeaenderteFelder(n, zug))
                    felder += g.geraet(g.feld(feld));
                for (int i = 1; variante == 3 && i < n; ++i)
                    for (int j = 1; j < n; ++j)
                        knoepfe += g.geraet(QRect(g.knopf(i, j), Brettgeometrie::Knopf)).adjusted(-2, -2, 2, 2);
                int fremd = 0;
                for (const QRect& r : felder.subtracted(knoepfe))
                    for (int y = r.top(); y <= r.bottom(); ++y)
                        for (int x = r.left(); x <= r.right(); ++x)
                            fremd += k.pixel(x, y) != farbe;
                // A tile sliding 15 -> 16 leaves one field's worth of the empty field's art uncovered:
                // behind it and ahead of it.
                const QRect eins = g.geraet(g.feld(1));
                EXPECT_NEAR(fremd / eins.width(), variante == 1 ? eins.height() : 0, 2)
                    << Name(m) << " variant " << variante << " n=" << n << " op " << int(zug.op) << " at " << anteil;
            }
        }
    }
}

} // namespace
