#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>

#include "daten/bilddatei.h"

using namespace daten;

namespace {

QByteArray BmpBytes(int breite, int hoehe, QImage::Format format = QImage::Format_RGB888)
{
    QImage bild(breite, hoehe, format);
    bild.fill(Qt::darkCyan);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "BMP");
    return daten;
}

QString Schreibe(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt)
{
    const QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(inhalt);
    return pfad;
}

} // namespace

TEST(LadeBild, UnterscheidetFehlendeUndKaputteDateien)
{
    QTemporaryDir ordner;
    QImage bild;
    EXPECT_EQ(LadeBild(ordner.filePath("fehlt.bmp"), bild), Ladefehler::NichtGefunden);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "leer.bmp", {}), bild), Ladefehler::KeinBild);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "text.bmp", "Dies ist kein Bild."), bild), Ladefehler::KeinBild);
    EXPECT_EQ(LadeBild(ordner.path(), bild), Ladefehler::NichtGefunden);  // a folder cannot be opened
    // A FIFO without a writer and the endless devices hold no picture, and never hold the reader.
    const QString fifo = ordner.filePath("fifo.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& geraet : {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom")})
        EXPECT_EQ(LadeBild(geraet, bild), Ladefehler::KeinBild) << geraet.toStdString();
    EXPECT_TRUE(bild.isNull());

    const QString gut = Schreibe(ordner, "gut.bmp", BmpBytes(100, 50));
    EXPECT_EQ(LadeBild(gut, bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(100, 50));
}

TEST(LadeBild, GekuerzteBmpIstBeschaedigt)
{
    QTemporaryDir ordner;
    const QByteArray ganz = BmpBytes(64, 64);
    QImage bild;
    EXPECT_EQ(LadeBild(Schreibe(ordner, "ganz.bmp", ganz), bild), Ladefehler::Keiner);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kurz.bmp", ganz.left(ganz.size() - 1)), bild), Ladefehler::Beschaedigt);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kopf.bmp", ganz.left(30)), bild), Ladefehler::Beschaedigt);

    QByteArray ohneGroesse = ganz;  // many writers leave the file size field at 0
    ohneGroesse.replace(2, 4, QByteArray(4, '\0'));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "null.bmp", ohneGroesse), bild), Ladefehler::Keiner);

    QImage farbig(33, 17, QImage::Format_Indexed8);
    farbig.setColorTable({qRgb(1, 2, 3), qRgb(0, 128, 128)});
    farbig.fill(1);
    QByteArray palette;
    QBuffer puffer(&palette);
    puffer.open(QIODevice::WriteOnly);
    farbig.save(&puffer, "BMP");
    EXPECT_FALSE(BmpGekuerzt(palette));
    EXPECT_TRUE(BmpGekuerzt(palette.chopped(4)));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "palette.bmp", palette), bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.pixel(32, 0), qRgb(0, 128, 128));

    // Without colours Qt writes 4 bits and no palette; its reader then takes the first 64 bytes
    // of pixels for the 16 colours it expects and runs out of rows.
    EXPECT_TRUE(BmpGekuerzt(BmpBytes(33, 17, QImage::Format_Indexed8)));
}

namespace {

QByteArray Le32(quint32 wert)
{
    char bytes[4];
    qToLittleEndian(wert, bytes);
    return QByteArray(bytes, 4);
}

QByteArray Le16(quint16 wert)
{
    char bytes[2];
    qToLittleEndian(wert, bytes);
    return QByteArray(bytes, 2);
}

// An 8-bit BMP with a grey palette whose entry 0 is a dark red; `rle` is the pixel stream
// (compression 1) or, when empty, `roh` holds uncompressed rows. The image-size field is 0,
// as many writers leave it.
QByteArray Bmp8(int breite, int hoehe, const QByteArray& pixel, bool rle)
{
    QByteArray palette;
    for (int i = 0; i < 256; ++i)
        palette += i == 0 ? QByteArray::fromHex("102080") + '\0' : QByteArray(3, char(i)) + '\0';
    const QByteArray info = Le32(40) + Le32(quint32(breite)) + Le32(quint32(hoehe)) + Le16(1) + Le16(8)
                            + Le32(rle ? 1 : 0) + Le32(0) + Le32(0) + Le32(0) + Le32(256) + Le32(0);
    const quint32 beginn = 14 + 40 + quint32(palette.size());
    return "BM" + Le32(beginn + quint32(pixel.size())) + Le32(0) + Le32(beginn) + info + palette + pixel;
}

// Rows of a 64 x 64 picture as runs of two colours, closed by the end-of-bitmap mark.
QByteArray RleStreifen()
{
    QByteArray strom;
    for (int zeile = 0; zeile < 64; ++zeile)
        strom += QByteArray::fromHex("20") + char(zeile + 1) + QByteArray::fromHex("20") + char(200) + QByteArray::fromHex("0000");
    return strom + QByteArray::fromHex("0001");
}

// Leaves freed blocks of that size full of a pattern, so that memory a reader forgets to
// write does not happen to be zero.
void VerschmutzeSpeicher(std::size_t bytes)
{
    std::vector<void*> bloecke;
    for (int i = 0; i < 8; ++i) {
        bloecke.push_back(std::malloc(bytes));
        std::memset(bloecke.back(), 0xA5, bytes);
    }
    for (void* block : bloecke)
        std::free(block);
}

} // namespace

// Run-length pictures: gaps are filled with palette entry 0, streams must reach their end mark.
TEST(LadeBild, RleLueckenZeigenPaletteNullUndGekuerzteStroemeSindBeschaedigt)
{
    QTemporaryDir ordner;
    // Four pixels of index 7, then a jump far below the picture: everything else is left out.
    const QByteArray sprung = Bmp8(64, 64, QByteArray::fromHex("0407" "00020040" "0001"), true);
    const QString pfad = Schreibe(ordner, "sprung.bmp", sprung);
    QImage erstes, zweites;
    VerschmutzeSpeicher(64 * 64);
    ASSERT_EQ(LadeBild(pfad, erstes), Ladefehler::Keiner);
    VerschmutzeSpeicher(64 * 64);
    ASSERT_EQ(LadeBild(pfad, zweites), Ladefehler::Keiner);
    EXPECT_EQ(erstes.format(), QImage::Format_RGB32);
    EXPECT_EQ(erstes.pixel(0, 63), qRgb(7, 7, 7)) << "bottom row first";
    EXPECT_EQ(erstes.pixel(10, 63), qRgb(0x80, 0x20, 0x10));
    EXPECT_EQ(erstes.pixel(63, 0), qRgb(0x80, 0x20, 0x10));
    EXPECT_EQ(erstes, zweites);

    const QByteArray ganz = Bmp8(64, 64, RleStreifen(), true);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "ganz.bmp", ganz), erstes), Ladefehler::Keiner);
    EXPECT_EQ(erstes.pixel(5, 63), qRgb(1, 1, 1));
    for (qsizetype laenge : {ganz.size() - 2, ganz.size() / 2, qsizetype(14 + 40 + 1024 + 1)})
        EXPECT_EQ(LadeBild(Schreibe(ordner, "kurz.bmp", ganz.left(laenge)), erstes), Ladefehler::Beschaedigt) << laenge;
}

// Header values that overflow any naive size computation, and the old 12-byte header.
TEST(LadeBild, AbsurdeKoepfeUndGekuerzteKernkoepfeSindBeschaedigt)
{
    QTemporaryDir ordner;
    QImage bild;
    for (quint32 seite : {0x7fffffffu, 0x80000000u, 0x10000u}) {
        QByteArray riesig = Bmp8(1, 1, QByteArray(4, '\0'), false);
        riesig.replace(18, 8, Le32(seite) + Le32(seite));
        riesig.replace(28, 2, Le16(32));
        EXPECT_TRUE(BmpGekuerzt(riesig)) << seite;
        EXPECT_EQ(LadeBild(Schreibe(ordner, "riesig.bmp", riesig), bild), Ladefehler::Beschaedigt) << seite;
    }

    // 40 x 20 pixels at 24 bits under the core header: 20 rows of 120 bytes.
    const QByteArray kern = "BM" + Le32(14 + 12 + 2400) + Le32(0) + Le32(26) + Le32(12) + Le16(40) + Le16(20)
                            + Le16(1) + Le16(24) + QByteArray(2400, char(0x40));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kern.bmp", kern), bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.pixel(39, 19), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kern_kurz.bmp", kern.chopped(5)), bild), Ladefehler::Beschaedigt);
}

// Found by fuzzing: a data offset of 0 lets the pixels start right after the header, so a file
// that ends early was taken for whole and the reader showed memory it never wrote.
TEST(LadeBild, DatenAnfangNullZaehltAbDemKopfende)
{
    QTemporaryDir ordner;
    QImage bild;
    // 5 x 3 pixels, top-down, 24 bits: three rows of 16 bytes after the 54 header bytes.
    const QByteArray kopf = "BM" + Le32(0) + Le32(0) + Le32(0) + Le32(40) + Le32(5) + Le32(quint32(-3)) + Le16(1)
                            + Le16(24) + Le32(0) + Le32(48) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "ganz.bmp", kopf + QByteArray(48, char(0x33))), bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.pixel(4, 2), qRgb(0x33, 0x33, 0x33));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kurz.bmp", kopf + QByteArray(20, char(0x33))), bild), Ladefehler::Beschaedigt);
}

// Found by fuzzing: Qt reads every header size but 40, 64, 108 and 124 as the old core header
// (16-bit signed sizes), so a 42-byte header promising 517 x 1 pixels at 24 bits in a file of
// 102 bytes was taken for whole and shown with rows the reader never wrote.
TEST(LadeBild, UngewohnteKopfgroessenZaehlenAlsKernkopf)
{
    QTemporaryDir ordner;
    QImage bild;
    const QByteArray fund = QByteArray::fromBase64(
        "Qk1mAAAAAAAAADYAAAAqAAAABQL//wEAGAAAAAAAMAAAABMLAAATCwAAAAAAAAAAAAAANGQAADJkFU6HKmqqP4bNVKLwACdmpTx5N65h"
        "FJlF8XvWMQBOmuZjtgl40iyN7k+iCnIA");
    EXPECT_TRUE(BmpGekuerzt(fund));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "fund.bmp", fund), bild), Ladefehler::Beschaedigt);

    // 5 x 3 pixels, rows from the top (height -3), after a 42-byte header: three rows of 16 bytes.
    for (quint32 laenge : {13u, 42u, 200u}) {
        const QByteArray kopf = "BM" + Le32(0) + Le32(0) + Le32(0) + Le32(laenge) + Le16(5) + Le16(quint16(-3)) + Le16(1)
                                + Le16(24) + QByteArray(laenge - 12, '\0');
        const QByteArray ganz = kopf + QByteArray(48, char(0x21));
        ASSERT_EQ(LadeBild(Schreibe(ordner, "ganz.bmp", ganz), bild), Ladefehler::Keiner) << laenge;
        EXPECT_EQ(bild.size(), QSize(5, 3));
        EXPECT_EQ(bild.pixel(4, 2), qRgb(0x21, 0x21, 0x21));
        EXPECT_EQ(LadeBild(Schreibe(ordner, "kurz.bmp", ganz.chopped(1)), bild), Ladefehler::Beschaedigt) << laenge;
    }
}

// Every listed suffix in any case; a format Qt reads but the game does not list (TIFF) stays out.
TEST(Bilddateien, BilderJederGelistetenArtUndSchreibweiseNachNamenOhneRuecksichtAufGrossKlein)
{
    QTemporaryDir ordner;
    for (const char* name : {"b.BMP", "A.bmp", "c.png", "e.bmpx", "C.Bmp", "f.JPG", "g.jpeg", "H.Gif", "i.WebP",
                             "j.tiff", "k.txt", "l", "png"}) {
        QFile datei(ordner.filePath(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(ordner.path()).mkdir("d.bmp"));  // a folder is no picture
    QStringList erwartet{"A.bmp", "b.BMP", "C.Bmp", "c.png", "f.JPG", "g.jpeg", "H.Gif"};
    if (QImageReader::supportedImageFormats().contains("webp"))
        erwartet << "i.WebP";
    EXPECT_EQ(daten::Bilddateien(ordner.path()), erwartet);
    EXPECT_TRUE(daten::Bilddateien(ordner.filePath("fehlt")).isEmpty());
    EXPECT_TRUE(IstBildname("x.y.JPEG"));
    EXPECT_FALSE(IstBildname("jpeg"));
    EXPECT_FALSE(IstBildname("x.jpeg.txt"));
}

// Found by fuzzing: 16 bytes of run-length data for a palette picture of 8 x 8388612 pixels. Its
// palette form kept within the reader's limit, its colour form (268 MB) did not, and scaling it
// took a minute.
TEST(LadeBild, KleineDateiFuerRiesigesBildIstZuGross)
{
    QTemporaryDir ordner;
    QImage bild;
    const quint32 hoehe = 8388612;
    const QByteArray rle = QByteArray::fromHex("0811" "0000" "0811" "0001");  // two rows, end of bitmap
    const QByteArray kopf = "BM" + Le32(14 + 40 + 64 + quint32(rle.size())) + Le32(0) + Le32(14 + 40 + 64) + Le32(40)
                            + Le32(8) + Le32(hoehe) + Le16(1) + Le16(4) + Le32(2) + Le32(quint32(rle.size()))
                            + Le32(0) + Le32(0) + Le32(16) + Le32(0) + QByteArray(64, char(0x7f));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "bombe.bmp", kopf + rle), bild), Ladefehler::ZuGross);
    // The same data for 8 x 2 pixels is a picture.
    QByteArray klein = kopf + rle;
    klein.replace(22, 4, Le32(2));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "klein.bmp", klein), bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(8, 2));
}

// Found by fuzzing: a header the reader takes as the old core form, 5 x 2564 pixels stored
// top-down, with almost none of its rows in the file: no picture, not rows of stray memory.
TEST(LadeBild, KernkopfMitNegativerHoeheUndFehlendenZeilenIstBeschaedigt)
{
    QTemporaryDir ordner;
    const QString pfad = Schreibe(ordner, "kopfueber.bmp",
                                  QByteArray::fromHex("424d5a0000000000009ae663b60978d22c000500fcf501001800004e9ae663b6"
                                                      "0978d22c8dee4fa20a720075ce2701004a9f066db42290c900b300"));
    QImage bild;
    EXPECT_EQ(LadeBild(pfad, bild), Ladefehler::Beschaedigt);
}
