// PNG, JPEG, GIF and WebP pictures: loaded by content, JPEGs turned as their tag says, GIFs by
// their first frame, and every kind cut short refused instead of shown half.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "bildbau.h"
#include "daten/bilddatei.h"

using namespace daten;

namespace {

// 64 x 32, white with a red square top left and a blue one bottom right.
QImage Muster()
{
    QImage bild(64, 32, QImage::Format_RGB32);
    bild.fill(Qt::white);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            bild.setPixel(x, y, qRgb(255, 0, 0));
            bild.setPixel(63 - x, 31 - y, qRgb(0, 0, 255));
        }
    return bild;
}

// Close enough for a JPEG.
bool Aehnlich(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 && std::abs(qBlue(a) - qBlue(b)) < 40;
}

class Bildformate : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QImage bild;

    QString Schreibe(const QString& name, const QByteArray& inhalt)
    {
        const QString pfad = ordner.filePath(name);
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return pfad;
    }
    Ladefehler Lade(const QString& name, const QByteArray& inhalt) { return LadeBild(Schreibe(name, inhalt), bild); }
};

TEST_F(Bildformate, PngMitAlphaKommtVerlustfreiAlsEchtfarbe)
{
    QImage durchsichtig = Muster().convertToFormat(QImage::Format_ARGB32);
    durchsichtig.setPixel(30, 16, qRgba(10, 20, 30, 0));
    ASSERT_EQ(Lade("bild.png", bildbau::Gespeichert(Muster(), "png")), Ladefehler::Keiner);
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild, Muster());
    ASSERT_EQ(Lade("alpha.png", bildbau::Gespeichert(durchsichtig, "png")), Ladefehler::Keiner);
    EXPECT_EQ(bild.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(bild.pixel(30, 16)), 0);
}

TEST_F(Bildformate, DerInhaltEntscheidetNichtDerName)
{
    ASSERT_EQ(Lade("eigentlich_png.bmp", bildbau::Gespeichert(Muster(), "png")), Ladefehler::Keiner);
    EXPECT_EQ(bild, Muster());
    ASSERT_EQ(Lade("eigentlich_bmp.jpg", bildbau::Gespeichert(Muster(), "bmp")), Ladefehler::Keiner);
    EXPECT_EQ(bild, Muster());
    EXPECT_EQ(Lade("text.png", "Das ist Text und kein Bild."), Ladefehler::KeinBild);
    EXPECT_EQ(Lade("tiff.png", bildbau::Gespeichert(Muster(), "tiff")), Ladefehler::FremdesFormat) << "a picture, but not of a listed kind";
    EXPECT_EQ(Lade("leer.gif", {}), Ladefehler::KeinBild);
}

TEST_F(Bildformate, JpegWirdNachSeinerOrientierungGedreht)
{
    const QByteArray jpeg = bildbau::Gespeichert(Muster(), "jpeg");
    ASSERT_EQ(Lade("gerade.jpg", jpeg), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(64, 32));
    EXPECT_TRUE(Aehnlich(bild.pixel(4, 4), qRgb(255, 0, 0)));

    // 6: to be shown turned a quarter clockwise; the red corner goes to the top right.
    ASSERT_EQ(Lade("gedreht.jpg", bildbau::MitOrientierung(jpeg, 6)), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(32, 64));
    EXPECT_TRUE(Aehnlich(bild.pixel(27, 4), qRgb(255, 0, 0)));
    EXPECT_TRUE(Aehnlich(bild.pixel(4, 59), qRgb(0, 0, 255)));
    EXPECT_TRUE(Aehnlich(bild.pixel(4, 4), qRgb(255, 255, 255)));

    // 3: upside down.
    ASSERT_EQ(Lade("kopf.jpg", bildbau::MitOrientierung(jpeg, 3)), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(64, 32));
    EXPECT_TRUE(Aehnlich(bild.pixel(59, 27), qRgb(255, 0, 0)));
}

TEST_F(Bildformate, GifZeigtSeinErstesBild)
{
    QByteArray rot(10 * 6, '\0'), blau(10 * 6, '\1');
    rot[10 * 5 + 9] = '\3';  // the last pixel white
    ASSERT_EQ(Lade("zwei.gif", bildbau::Gif(10, 6, {rot, blau})), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(10, 6));
    EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(9, 4), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(9, 5), qRgb(255, 255, 255));
}

// Each reader's own behaviour with a cut file, and the one the game wants: no picture.
TEST_F(Bildformate, GekuerzteDateienJederArtSindBeschaedigt)
{
    const QByteArray png = bildbau::Gespeichert(Muster(), "png");
    for (qsizetype laenge : {png.size() * 3 / 4, png.size() / 2, qsizetype(30), qsizetype(8)})
        EXPECT_EQ(Lade("kurz.png", png.left(laenge)), Ladefehler::Beschaedigt) << laenge;

    // libjpeg fills a cut scan with grey and only warns.
    const QByteArray jpeg = bildbau::MitOrientierung(bildbau::Gespeichert(Muster(), "jpeg"), 6);
    EXPECT_FALSE(JpegGekuerzt(jpeg));
    for (qsizetype laenge : {jpeg.size() - 1, jpeg.size() * 3 / 4, jpeg.size() / 2, qsizetype(20), qsizetype(3)}) {
        EXPECT_TRUE(JpegGekuerzt(jpeg.left(laenge))) << laenge;
        EXPECT_EQ(Lade("kurz.jpg", jpeg.left(laenge)), Ladefehler::Beschaedigt) << laenge;
    }

    // Qt paints the GIF's background and decodes what there is, without an error.
    QByteArray indizes(40 * 30, '\0');
    for (int i = 0; i < indizes.size(); ++i)
        indizes[i] = char(i % 3);
    const QByteArray gif = bildbau::Gif(40, 30, {indizes});
    EXPECT_EQ(Lade("ganz.gif", gif), Ladefehler::Keiner);
    for (qsizetype laenge : {gif.size() - 3, gif.size() * 2 / 3, qsizetype(40), qsizetype(12)}) {
        EXPECT_TRUE(GifGekuerzt(gif.left(laenge))) << laenge;
        EXPECT_EQ(Lade("kurz.gif", gif.left(laenge)), Ladefehler::Beschaedigt) << laenge;
    }
    EXPECT_EQ(Lade("ohne_schluss.gif", gif.chopped(1)), Ladefehler::Keiner) << "only the trailer is missing";

    const QByteArray webp = bildbau::Gespeichert(Muster(), "webp");
    if (webp.isEmpty())
        GTEST_SKIP() << "no WebP plugin here";
    EXPECT_EQ(Lade("ganz.webp", webp), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(64, 32));
    for (qsizetype laenge : {webp.size() - 1, webp.size() / 2, qsizetype(20)})
        EXPECT_EQ(Lade("kurz.webp", webp.left(laenge)), Ladefehler::Beschaedigt) << laenge;
}

// Bytes that look like the end inside a segment (an EXIF thumbnail ends with one) do not end
// the file, and what follows the real end does not matter.
TEST_F(Bildformate, JpegEndeZaehltNurAusserhalbDerSegmente)
{
    const QByteArray jpeg = bildbau::Gespeichert(Muster(), "jpeg");
    QByteArray vorschau = QByteArray::fromHex("ffe1") + QByteArray::fromHex("000a") + QByteArray::fromHex("ffd8ffd9ffd9ffd9");
    const QByteArray mitVorschau = jpeg.left(2) + vorschau + jpeg.mid(2);
    EXPECT_FALSE(JpegGekuerzt(mitVorschau));
    EXPECT_TRUE(JpegGekuerzt(mitVorschau.left(mitVorschau.size() / 2)));
    EXPECT_FALSE(JpegGekuerzt(jpeg + "Anhang einer Kamera"));
    EXPECT_EQ(Lade("anhang.jpg", jpeg + "Anhang"), Ladefehler::Keiner);
    EXPECT_FALSE(JpegGekuerzt("kein JPEG")) << "other files are for other checks";
}

// The check reads 64 kB blocks and passes over coded data a block at a time: an end mark split
// by a block's edge still ends the file, and a cut at an edge is still a cut.
TEST_F(Bildformate, JpegEndeUeberBlockgrenzenGefunden)
{
    constexpr qsizetype Block = 1 << 16;
    QImage rauschen(400, 300, QImage::Format_RGB32);
    std::minstd_rand zufall(3);
    for (int y = 0; y < rauschen.height(); ++y)
        for (int x = 0; x < rauschen.width(); ++x)
            rauschen.setPixel(x, y, qRgb(int(zufall() % 256), int(zufall() % 256), int(zufall() % 256)));
    const QByteArray roh = bildbau::Gespeichert(rauschen, "jpeg");
    ASSERT_GT(roh.size(), Block);
    // A segment after the start that puts the final 0xFF last in a block and 0xD9 first in the next.
    qsizetype laenge = (roh.size() / Block + 1) * Block - 1 - roh.size();
    if (laenge < 4)
        laenge += Block;
    ASSERT_LE(laenge, 0xFFFF);
    const QByteArray segment = QByteArray::fromHex("ffe1") + char(laenge >> 8) + char(laenge & 0xFF) + QByteArray(laenge - 2, '\0');
    const QByteArray jpeg = roh.left(2) + segment + roh.mid(2);
    ASSERT_EQ(jpeg.size() % Block, 1);
    EXPECT_FALSE(JpegGekuerzt(jpeg));
    EXPECT_EQ(Lade("ganz.jpg", jpeg), Ladefehler::Keiner);
    for (qsizetype schnitt : {jpeg.size() - 1, jpeg.size() - 2, Block, Block + 1})
        EXPECT_TRUE(JpegGekuerzt(jpeg.left(schnitt))) << schnitt;
}

// The limit counts four bytes a pixel, whatever the file stores: 600 x 600 is 1.4 MB as true
// colour, though the palette picture needs only 0.35 MB.
TEST_F(Bildformate, SpeichergrenzeGiltFuerDieEchtfarbform)
{
    const int vorher = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QImage palette(600, 600, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgb(200, 100, 0)});
    palette.fill(1);
    QImage klein = palette.copy(0, 0, 400, 400);
    QByteArray gifIndizes(600 * 600, '\1');
    const Ladefehler pngGross = Lade("gross.png", bildbau::Gespeichert(palette, "png"));
    const Ladefehler bmpGross = Lade("gross.bmp", bildbau::Gespeichert(palette, "bmp"));
    const Ladefehler jpegGross = Lade("gross.jpg", bildbau::Gespeichert(palette, "jpeg"));
    const Ladefehler gifGross = Lade("gross.gif", bildbau::Gif(600, 600, {gifIndizes}));
    const Ladefehler pngKlein = Lade("klein.png", bildbau::Gespeichert(klein, "png"));
    QImageReader::setAllocationLimit(vorher);
    EXPECT_EQ(pngGross, Ladefehler::ZuGross);
    EXPECT_EQ(bmpGross, Ladefehler::ZuGross);
    EXPECT_EQ(jpegGross, Ladefehler::ZuGross);
    EXPECT_EQ(gifGross, Ladefehler::ZuGross);
    EXPECT_EQ(pngKlein, Ladefehler::Keiner);
    EXPECT_EQ(bild.pixel(399, 399), qRgb(200, 100, 0));
}

} // namespace
