// Empty-field crosses and the art of the dialogs.
#include "bildpruefung.h"

#include <gtest/gtest.h>

using namespace pruefung;

TEST(Kreuz, BlaugrauesKreuzAufSchwarzInJederGroesse)
{
    for (int n = 3; n <= 6; ++n) {
        const QImage bild = lade(QString("imgKreuz%1").arg(n));
        const int s = 360 / n;
        EXPECT_EQ(bild.pixel(0, 0) & 0xFFFFFF, 0u) << n;
        EXPECT_EQ(bild.pixel(s - 1, s - 1) & 0xFFFFFF, 0u) << n;
        EXPECT_EQ(bild.pixel(s / 2, 1) & 0xFFFFFF, 0u) << n << ": the edges stay black";
        // both bars run through the middle and along the diagonals
        for (QPoint p : {QPoint(s / 2, s / 2), QPoint(s * 3 / 10, s * 3 / 10), QPoint(s * 7 / 10, s * 3 / 10),
                         QPoint(s * 3 / 10, s * 7 / 10), QPoint(s * 7 / 10, s * 7 / 10)})
            EXPECT_TRUE(istBlaugrau(bild.pixel(p))) << n << " at " << p.x() << "," << p.y();
    }
}

TEST(Einstellungsdialog, DreiVerschiedeneVariantenbilderMitGraugruenemRahmen)
{
    QImage bilder[3];
    for (int v = 1; v <= 3; ++v) {
        bilder[v - 1] = lade(QString("imgVariante%1").arg(v));
        const QRgb rahmen = bilder[v - 1].pixel(3, 60);
        EXPECT_GT(qGreen(rahmen), qRed(rahmen)) << v;
        EXPECT_GT(qGreen(rahmen), qBlue(rahmen)) << v;
    }
    EXPECT_GT(MittlererUnterschied(bilder[0], bilder[1]), 1.0);
    EXPECT_GT(MittlererUnterschied(bilder[1], bilder[2]), 1.0);
    EXPECT_GT(MittlererUnterschied(bilder[0], bilder[2]), 1.0);
    // variant 2 has its arrows on the frame, the others a plain frame there
    EXPECT_GT(MittlererUnterschied(bilder[1].copy(0, 0, 100, 14), bilder[0].copy(0, 0, 100, 14)), 3.0);
    EXPECT_LT(MittlererUnterschied(bilder[2].copy(0, 0, 100, 14), bilder[0].copy(0, 0, 100, 14)), 0.5);
}

TEST(Einstellungsdialog, GlyphenSindFarbigUndIhreAusFormGrau)
{
    auto buntestes = [](const QImage& bild) {
        int spanne = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb c = bild.pixel(x, y);
                if (qAlpha(c) > 128)
                    spanne = std::max(spanne, std::max({qRed(c), qGreen(c), qBlue(c)})
                                                  - std::min({qRed(c), qGreen(c), qBlue(c)}));
            }
        return spanne;
    };
    const QImage abbruch = lade("glyphAbbruch"), loeschen = lade("glyphLoeschen");
    EXPECT_GT(buntestes(abbruch), 100);
    EXPECT_GT(buntestes(loeschen), 100);
    const QRgb mitte = abbruch.pixel(9, 9);
    EXPECT_GT(qRed(mitte), qGreen(mitte) + 60) << "the cancel cross is red";
    EXPECT_LT(buntestes(lade("glyphAbbruchAus")), 12);
    EXPECT_LT(buntestes(lade("glyphLoeschenAus")), 12);
}

TEST(Bestenliste, DreiSymboleInGraugruenAufSchwarz)
{
    const QImage bild = lade("imgSymbol");
    for (int i = 0; i < 3; ++i) {
        const QImage zelle = bild.copy(40 * i, 0, 40, 40);
        EXPECT_EQ(zelle.pixel(0, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(zelle.pixel(39, 39) & 0xFFFFFF, 0u);
        int gruen = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const QRgb c = zelle.pixel(x, y);
                gruen += qGreen(c) > 60 && qGreen(c) >= qRed(c) && qGreen(c) >= qBlue(c);
            }
        EXPECT_GT(gruen, 120) << "symbol " << i;
        for (int j = i + 1; j < 3; ++j)
            EXPECT_GT(MittlererUnterschied(zelle, bild.copy(40 * j, 0, 40, 40)), 5.0);
    }
}

TEST(Bestenliste, UeberschriftIstEinWaagrechterGrauverlauf)
{
    const QImage bild = lade("imgUeberschrift");
    for (int x = 0; x < 250; x += 7) {
        const QRgb c = bild.pixel(x, 12);
        EXPECT_EQ(qRed(c), qGreen(c));
        EXPECT_EQ(qGreen(c), qBlue(c));
    }
    EXPECT_GT(helligkeit(bild.pixel(5, 12)), helligkeit(bild.pixel(125, 12)));
    EXPECT_GT(helligkeit(bild.pixel(125, 12)), helligkeit(bild.pixel(245, 12)));
}
