// Pixel checks of the board drawing, on the rendered picture alone.

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "geordnetesbrett.h"
#include "main/brettbild.h"
#include "kunst.h"

using engine::Spielstand;
using haupt::Brettbild;
using haupt::Markierfarbe;

namespace {

// Every pixel of the working picture tells where it came from.
QImage Muster()
{
    QImage bild(360, 360, QImage::Format_RGB32);
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 360; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256) * 64 + 1));
    return bild;
}

QImage Kunst(const char* name) { return kunst::Bild(QLatin1String(name)).convertToFormat(QImage::Format_RGB32); }

bool GleicherBereich(const QImage& a, QPoint pa, const QImage& b, QPoint pb, QSize groesse)
{
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            if (a.pixel(pa + QPoint(x, y)) != b.pixel(pb + QPoint(x, y)))
                return false;
    return true;
}

} // namespace

TEST(Brettbild, KunstIstGeladen)
{
    Brettbild bild;
    EXPECT_EQ(bild.hintergrund().size(), QSize(755, 475));
    EXPECT_EQ(bild.kopie().size(), QSize(755, 475));
    EXPECT_TRUE(bild.original().isNull());  // no picture before the first game
}

TEST(Brettbild, GitterlinienLiegenAufDerErstenPixelreiheJederFeldreihe)
{
    for (int n = 3; n <= 6; ++n) {
        Brettbild bild;
        bild.BildVorbereiten(Muster());
        const Spielstand s = GeordnetesBrett(2, n);
        bild.BrettWaehlen(n, s.variante);
        bild.BrettZeichnen(s);
        const QImage k = bild.kopie();
        const int t = 360 / n;
        for (int j = 1; j < n; ++j) {
            const int g = 57 + j * t;
            for (int y = 56; y <= 415; ++y)
                ASSERT_EQ(k.pixel(g, y), Markierfarbe) << "n=" << n << " x=" << g << " y=" << y;
            for (int x = 57; x <= 416; ++x)
                ASSERT_EQ(k.pixel(x, g - 1), Markierfarbe) << "n=" << n << " y=" << g - 1;
            EXPECT_NE(k.pixel(g + 1, 100 + j), Markierfarbe);
        }
        // No line on the board's outer edge.
        EXPECT_NE(k.pixel(57, 300), Markierfarbe);
        EXPECT_NE(k.pixel(300, 56), Markierfarbe);
    }
    Brettbild drei;
    drei.BrettWaehlen(3, engine::Variante(1));
    drei.BrettZeichnen(GeordnetesBrett(1, 3));
    const QImage k = drei.kopie();
    for (int y = 56; y <= 415; y += 359)
        for (int x : {177, 297})
            EXPECT_EQ(k.pixel(x, y), Markierfarbe);
    for (int x = 57; x <= 416; x += 359)
        for (int y : {176, 296})
            EXPECT_EQ(k.pixel(x, y), Markierfarbe);
}

TEST(Brettbild, TeilWirdOhneSkalierungAusDemBildGeschnitten)
{
    Brettbild bild;
    bild.BildVorbereiten(Muster());
    Spielstand s = GeordnetesBrett(2, 5);
    bild.BrettWaehlen(5, s.variante);
    s.Spielfeld[7] = 25;
    bild.ShowMorvikTeil(s, 7);
    // Field 7 is (129,128)-(201,200); its first row and column carry grid lines.
    EXPECT_TRUE(GleicherBereich(bild.kopie(), {130, 129}, bild.original(), {289, 289}, {71, 71}));
    EXPECT_EQ(bild.kopie().pixel(129, 150), Markierfarbe);
    EXPECT_EQ(bild.kopie().pixel(150, 128), Markierfarbe);
}

TEST(Brettbild, LeeresFeldZeigtDasKreuzSeinerGroesse)
{
    const char* kreuz[] = {"imgKreuz3", "imgKreuz4", "imgKreuz5", "imgKreuz6"};
    for (int n = 3; n <= 6; ++n) {
        Brettbild bild;
        Spielstand s = GeordnetesBrett(1, n);
        s.FreiesFeld = n * n;
        s.Spielfeld[1] = 0;  // the empty field wherever it lies
        bild.BrettWaehlen(n, s.variante);
        bild.ShowMorvikTeil(s, 1);
        const int t = 360 / n;
        EXPECT_TRUE(GleicherBereich(bild.kopie(), {57, 56}, Kunst(kreuz[n - 3]), {0, 0}, {t, t})) << "n=" << n;
    }
}

// The art at `ort` with its key colour left out: figure pixels from the art, the rest as before.
::testing::AssertionResult TransparentGezeichnet(const QImage& kopie, QPoint ort, const QImage& kunst, const QImage& vorher)
{
    const QRgb schluessel = kunst.pixel(0, kunst.height() - 1);
    int figur = 0;
    for (int y = 0; y < kunst.height(); ++y)
        for (int x = 0; x < kunst.width(); ++x) {
            const QPoint p = ort + QPoint(x, y);
            const bool istFigur = kunst.pixel(x, y) != schluessel;
            figur += istFigur;
            if (kopie.pixel(p) != (istFigur ? kunst.pixel(x, y) : vorher.pixel(p)))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " of the art at " << ort.x() << "," << ort.y();
        }
    if (figur == 0)
        return ::testing::AssertionFailure() << "the art has no figure";
    return ::testing::AssertionSuccess();
}

TEST(Brettbild, PfeileUndAchsenSitzenAmRahmenUndAufDenKreuzungen)
{
    const QImage achse = Kunst("imgAchse");
    Brettbild bild;
    bild.BildVorbereiten(Muster());
    const Spielstand s = GeordnetesBrett(3, 6);
    Spielstand ohne = s;  // the same tiles in a variant without knobs
    ohne.variante = engine::Variante::Schieben;
    bild.BrettWaehlen(6, s.variante);
    bild.BrettZeichnen(ohne);
    const QImage ohneAchsen = bild.kopie();
    bild.BrettZeichnen(s);
    const QImage mitAchsen = bild.kopie();
    for (int x = 104; x <= 344; x += 60)
        for (int y = 104; y <= 344; y += 60)
            ASSERT_TRUE(TransparentGezeichnet(mitAchsen, {x, y}, achse, ohneAchsen));

    const QImage rechts = Kunst("imgPfeilRechts"), unten = Kunst("imgPfeilUnten");
    const QImage links = Kunst("imgPfeilLinks"), oben = Kunst("imgPfeilOben");
    Brettbild pfeile;
    pfeile.HintergrundZeichnen();
    const QImage rahmen = pfeile.kopie().copy();
    pfeile.BrettWaehlen(4, engine::Variante(2));
    pfeile.BrettZeichnen(GeordnetesBrett(2, 4));
    const QImage mitPfeilen = pfeile.kopie();
    for (int i = 1; i <= 4; ++i) {
        const int lage = (i - 1) * 90 + 27;
        EXPECT_TRUE(TransparentGezeichnet(mitPfeilen, {24, 56 + lage}, rechts, rahmen));
        EXPECT_TRUE(TransparentGezeichnet(mitPfeilen, {57 + lage, 23}, unten, rahmen));
        EXPECT_TRUE(TransparentGezeichnet(mitPfeilen, {425, 56 + lage}, links, rahmen));
        EXPECT_TRUE(TransparentGezeichnet(mitPfeilen, {57 + lage, 424}, oben, rahmen));
    }
}

TEST(Brettbild, FaerbenNachDerGanzzahlformel)
{
    Brettbild bild;
    const QRgb farben[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0),
                           qRgb(0, 0, 255), qRgb(90, 90, 90), qRgb(10, 200, 30)};
    QImage bunt(360, 360, QImage::Format_RGB32);
    bunt.fill(Qt::black);
    for (int i = 0; i < 7; ++i)
        bunt.setPixel(i, 0, farben[i]);
    bild.BildVorbereiten(bunt);
    bild.Faerben();
    const int grau[] = {0, 255, 76, 150, 27, 90, (77 * 10 + 151 * 200 + 28 * 30) / 256};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(bild.original().pixel(i, 0), qRgb(grau[i], grau[i], grau[i])) << i;
}

TEST(Brettbild, BildVorbereitenMitRueckfallAufDasTitelbild)
{
    Brettbild bild;
    bild.BildVorbereiten(QString());
    EXPECT_TRUE(GleicherBereich(bild.original(), {0, 0}, bild.hintergrund(), {57, 55}, {360, 360}));

    QTemporaryDir ordner;
    Brettbild fehlt;
    fehlt.BildVorbereiten(ordner.filePath("weg.bmp"));
    EXPECT_EQ(fehlt.original().size(), QSize(360, 360));
    const QImage ecke = bild.hintergrund().copy(57, 55, 260, 260).scaled(360, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(fehlt.original().pixel(180, 180), ecke.convertToFormat(QImage::Format_RGB32).pixel(180, 180));

    QImage klein(100, 50, QImage::Format_RGB32);
    klein.fill(qRgb(200, 30, 40));
    const QString pfad = ordner.filePath("klein.bmp");
    ASSERT_TRUE(klein.save(pfad, "BMP"));
    Brettbild gestreckt;
    gestreckt.BildVorbereiten(pfad);
    EXPECT_EQ(gestreckt.original().pixel(0, 0), qRgb(200, 30, 40));
    EXPECT_EQ(gestreckt.original().pixel(359, 359), qRgb(200, 30, 40));
}

TEST(Brettbild, KachelnummernUndUmrissAufDerVorschau)
{
    Brettbild bild;
    Spielstand s = GeordnetesBrett(1, 4);
    s.FreiesFeld = 16;
    s.Spielfeld[16] = 0;
    std::swap(s.Spielfeld[1], s.Spielfeld[16]);  // the empty field now lies on field 1
    bild.BrettWaehlen(4, s.variante);
    QImage schirm = bild.kopie().copy();
    {
        QPainter p(&schirm);
        bild.ZeigeNummern(p, s, sitzung::Nummernmodus::EinFeld, 1);
    }
    const QImage ziffern = Kunst("imgZiffernHilfe");
    // "16" for the missing tile at (T + 18, T + 18); the digits' marking colour is kept.
    const QPoint ecke(90 + 18, 90 + 18);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 16; ++x) {
            if (ziffern.pixel(16 + x, y) == Markierfarbe) {
                ASSERT_EQ(schirm.pixel(ecke + QPoint(x, y)), Markierfarbe);
            }
            if (ziffern.pixel(16 * 6 + x, y) == Markierfarbe) {
                ASSERT_EQ(schirm.pixel(ecke + QPoint(16 + x, y)), Markierfarbe);
            }
        }
    // The outline of tile 16's home on the preview: (653,189) to (698,234).
    for (QPoint punkt : {QPoint(653, 189), QPoint(698, 189), QPoint(653, 234), QPoint(698, 234), QPoint(675, 189), QPoint(653, 210)})
        EXPECT_EQ(schirm.pixel(punkt), Markierfarbe) << punkt.x() << "," << punkt.y();
    EXPECT_NE(schirm.pixel(699, 234), Markierfarbe);
    EXPECT_NE(schirm.pixel(675, 210), Markierfarbe);

    // Mode 2: every field's number, no outline.
    const QImage ohneNummern = bild.kopie();
    QImage alle = ohneNummern;
    {
        QPainter p(&alle);
        bild.ZeigeNummern(p, s, sitzung::Nummernmodus::Alle, 0);
    }
    EXPECT_NE(alle.pixel(653, 189), Markierfarbe);
    int felderMitZiffern = 0;
    for (int feld = 1; feld <= 16; ++feld) {
        const QPoint e(90 * ((feld - 1) % 4 + 1) + 18, 90 * ((feld - 1) / 4 + 1) + 18);
        felderMitZiffern += alle.copy(QRect(e, QSize(32, 30))) != ohneNummern.copy(QRect(e, QSize(32, 30)));
    }
    EXPECT_EQ(felderMitZiffern, 16);
}
