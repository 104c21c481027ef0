// Photos of any size: read at the size the board needs, made square by stretching or cutting,
// decoded once for the preview and the board, and refused with the reason when they cannot be.
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include "bildbau.h"
#include "bildvergleich.h"
#include "daten/bilddienst.h"
#include "daten/bildquadrat.h"

using namespace daten;

namespace {

QByteArray Be16(int wert)
{
    QByteArray b(2, '\0');
    qToBigEndian<quint16>(quint16(wert), b.data());
    return b;
}

QByteArray Segment(int marke, const QByteArray& inhalt)
{
    return QByteArray(1, char(0xFF)) + char(marke) + Be16(int(inhalt.size()) + 2) + inhalt;
}

// A grey JPEG of any size made by hand: one component and Huffman tables of a single one-bit
// code each, so that every 8 x 8 block is two zero bits. 200 megapixels take 0.8 MB.
QByteArray JpegGrau(int breite, int hoehe)
{
    const QByteArray tabelle = QByteArray(1, '\0') + QByteArray(64, '\1');
    const QByteArray einCode = QByteArray(1, '\1') + QByteArray(15, '\0') + QByteArray(1, '\0');
    const qint64 bloecke = qint64((breite + 7) / 8) * ((hoehe + 7) / 8);
    return QByteArray("\xFF\xD8", 2) + Segment(0xDB, tabelle)
           + Segment(0xC0, QByteArray(1, '\x08') + Be16(hoehe) + Be16(breite) + QByteArray::fromHex("01011100"))
           + Segment(0xC4, QByteArray(1, '\x00') + einCode) + Segment(0xC4, QByteArray(1, '\x10') + einCode)
           + Segment(0xDA, QByteArray::fromHex("010100003f00")) + QByteArray((bloecke * 2 + 7) / 8, '\0')
           + QByteArray("\xFF\xD9", 2);
}

quint32 Crc32(const QByteArray& daten)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : daten) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

// A PNG that claims a size and carries no pixels.
QByteArray PngKopf(quint32 breite, quint32 hoehe)
{
    QByteArray ihdr("IHDR");
    ihdr.resize(4 + 13, '\0');
    qToBigEndian(breite, ihdr.data() + 4);
    qToBigEndian(hoehe, ihdr.data() + 8);
    ihdr[12] = 8;  // bits per sample
    ihdr[13] = 2;  // true colour
    const auto block = [](const QByteArray& inhalt) {
        QByteArray laenge(4, '\0'), pruefsumme(4, '\0');
        qToBigEndian(quint32(inhalt.size() - 4), laenge.data());
        qToBigEndian(Crc32(inhalt), pruefsumme.data());
        return laenge + inhalt + pruefsumme;
    };
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + block(ihdr) + block("IDAT") + block("IEND");
}

// A picture with something to lose in scaling: gradients, circles, a grid.
QImage Motiv(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x)
            zeile[x] = qRgb(255 * x / breite, 255 * y / hoehe, (x / 97 + y / 89) % 2 ? 200 : 40);
    }
    QPainter maler(&bild);
    maler.setPen(QPen(Qt::yellow, breite / 100.0));
    for (int r = breite / 20; r < breite / 2; r += breite / 12)
        maler.drawEllipse(QPoint(breite / 2, hoehe / 2), r, r);
    return bild;
}

// 400 x 300: a red column left and a blue one right, each 50 wide, green between.
QImage VierZuDrei()
{
    QImage bild(400, 300, QImage::Format_RGB32);
    bild.fill(Qt::green);
    QPainter maler(&bild);
    maler.fillRect(0, 0, 50, 300, Qt::red);
    maler.fillRect(350, 0, 50, 300, Qt::blue);
    return bild;
}

class Fotos : public ::testing::Test {
protected:
    QTemporaryDir ordner;

    QString Schreibe(const QString& name, const QByteArray& inhalt)
    {
        const QString pfad = ordner.filePath(name);
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return pfad;
    }
};

TEST(Lesegroesse, DieKuerzereSeiteWirdDieKanteOhneDasSeitenverhaeltnisZuAendern)
{
    struct Fall {
        QSize groesse;
        int kante;
        QSize erwartet;
    };
    for (const Fall& f : {Fall{{4000, 3000}, 360, {480, 360}}, Fall{{3000, 4000}, 360, {360, 480}},
                          Fall{{8000, 4500}, 720, {1280, 720}}, Fall{{1001, 1000}, 100, {101, 100}},
                          Fall{{360, 360}, 360, {360, 360}}, Fall{{200, 100}, 360, {200, 100}},
                          Fall{{4000, 3000}, 0, {4000, 3000}}})
        EXPECT_EQ(Lesegroesse(f.groesse, f.kante), f.erwartet) << f.groesse.width() << "x" << f.groesse.height();
}

// Read small by the decoder (JPEG) or read whole and scaled (PNG): the board differs from the
// one made from the full picture by no more than scaling twice does.
TEST_F(Fotos, KleinGelesenGibtDasselbeBrettWieGanzGelesen)
{
    const QImage motiv = Motiv(2400, 1800);
    for (const char* format : {"jpeg", "png"}) {
        const QString pfad = Schreibe(QStringLiteral("motiv.") + QLatin1String(format), bildbau::Gespeichert(motiv, format));
        QImage ganz, klein;
        ASSERT_EQ(LadeBild(pfad, ganz), Ladefehler::Keiner) << format;
        ASSERT_EQ(LadeBild(pfad, klein, 360), Ladefehler::Keiner) << format;
        EXPECT_EQ(ganz.size(), QSize(2400, 1800)) << format;
        EXPECT_EQ(klein.size(), QSize(480, 360)) << format;
        for (Zuschnitt z : {Zuschnitt::Strecken, Zuschnitt::Mitte})
            EXPECT_LT(MittlererUnterschied(Quadrat(ganz, 360, z), Quadrat(klein, 360, z)), 2.0) << format;
    }
}

// Read small, a photo still stands as its tag says and comes in sRGB.
TEST_F(Fotos, KleinGelesenAufrechtUndInSrgb)
{
    const QByteArray jpeg = bildbau::Gespeichert(VierZuDrei(), "jpeg");
    QImage bild;
    ASSERT_EQ(LadeBild(Schreibe(QStringLiteral("hoch.jpg"), bildbau::MitOrientierung(jpeg, 6)), bild, 150),
              Ladefehler::Keiner);
    ASSERT_EQ(bild.size(), QSize(150, 200)) << "stored 400 x 300, shown turned a quarter";
    EXPECT_GT(qRed(bild.pixel(75, 5)), 200) << "the red left column is now on top";
    EXPECT_GT(qBlue(bild.pixel(75, 195)), 200);

    QImage p3(300, 200, QImage::Format_RGB32);
    p3.fill(qRgb(200, 100, 50));
    p3.setColorSpace(QColorSpace::DisplayP3);
    ASSERT_EQ(LadeBild(Schreibe(QStringLiteral("p3.png"), bildbau::Gespeichert(p3, "png")), bild, 100), Ladefehler::Keiner);
    EXPECT_EQ(bild.colorSpace(), QColorSpace(QColorSpace::SRgb));
    EXPECT_NE(bild.pixel(50, 50), qRgb(200, 100, 50)) << "converted, not taken as it was";
    EXPECT_EQ(bild.pixel(50, 50), p3.convertedToColorSpace(QColorSpace::SRgb).pixel(50, 50));
}

TEST_F(Fotos, ZweihundertMegapixelKommenKleinGelesen)
{
    const QString pfad = Schreibe(QStringLiteral("riesig.jpg"), JpegGrau(16384, 12288));
    QImage bild;
    ASSERT_EQ(LadeBild(pfad, bild, 720), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(960, 720));
    EXPECT_EQ(bild.pixel(480, 360), qRgb(128, 128, 128));
}

// The limit is what the decoder takes: a JPEG read at an eighth of its sides needs a 64th.
TEST_F(Fotos, UeberDerGrenzeIstZuGross)
{
    const int vorher = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(8);  // 2 megapixels read whole
    const QString jpeg = Schreibe(QStringLiteral("gross.jpg"), JpegGrau(4096, 4096));
    const QString png = Schreibe(QStringLiteral("gross.png"), bildbau::Gespeichert(Motiv(1600, 1600), "png"));
    QImage bild;
    const Ladefehler jpegKlein = LadeBild(jpeg, bild, 360), jpegGanz = LadeBild(jpeg, bild);
    const Ladefehler pngKlein = LadeBild(png, bild, 360);
    QImageReader::setAllocationLimit(vorher);
    EXPECT_EQ(jpegKlein, Ladefehler::Keiner) << "16 MP at an eighth: 0.25 MP";
    EXPECT_EQ(jpegGanz, Ladefehler::ZuGross);
    EXPECT_EQ(pngKlein, Ladefehler::ZuGross) << "read whole before scaling";
    EXPECT_EQ(LadeBild(Schreibe(QStringLiteral("kopf.png"), PngKopf(100000, 100000)), bild, 360), Ladefehler::ZuGross);
}

TEST_F(Fotos, JederFehlerHatSeinenGrund)
{
    const QByteArray png = bildbau::Gespeichert(Motiv(64, 48), "png");
    struct Fall {
        const char* name;
        QByteArray inhalt;
        Ladefehler erwartet;
    };
    const Fall faelle[] = {
        {"leer.jpg", {}, Ladefehler::KeinBild},
        {"brief.png", "Lieber Brief, dies ist kein Bild.", Ladefehler::KeinBild},
        {"tiff.png", bildbau::Gespeichert(Motiv(64, 48), "tiff"), Ladefehler::FremdesFormat},
        {"netpbm.bmp", "P6\n2 2\n255\n" + QByteArray(12, '\x7f'), Ladefehler::FremdesFormat},
        {"heic.jpg", QByteArray::fromHex("00000018") + "ftypheic" + QByteArray(12, '\0'), Ladefehler::FremdesFormat},
        {"kurz.png", png.left(png.size() / 2), Ladefehler::Beschaedigt},
        {"kurz.jpg", JpegGrau(64, 64).chopped(2), Ladefehler::Beschaedigt},
        {"gut.png", png, Ladefehler::Keiner},
    };
    QImage bild;
    for (const Fall& f : faelle) {
        if (f.inhalt.isEmpty() && f.erwartet != Ladefehler::KeinBild)
            continue;  // a kind Qt cannot write here
        EXPECT_EQ(LadeBild(Schreibe(QLatin1String(f.name), f.inhalt), bild, 360), f.erwartet) << f.name;
    }
    EXPECT_EQ(LadeBild(ordner.filePath(QStringLiteral("fehlt.jpg")), bild, 360), Ladefehler::NichtGefunden);
}

TEST(Quadrat, StreckenZeigtDieRaenderSchneidenDieMitte)
{
    const QImage bild = VierZuDrei();
    const QImage gestreckt = Quadrat(bild, 360, Zuschnitt::Strecken);
    const QImage mitte = Quadrat(bild, 360, Zuschnitt::Mitte);
    ASSERT_EQ(gestreckt.size(), QSize(360, 360));
    ASSERT_EQ(mitte.size(), QSize(360, 360));
    for (QPoint ecke : {QPoint(0, 0), QPoint(0, 359)})
        EXPECT_EQ(gestreckt.pixel(ecke), qRgb(255, 0, 0));
    for (QPoint ecke : {QPoint(359, 0), QPoint(359, 359)})
        EXPECT_EQ(gestreckt.pixel(ecke), qRgb(0, 0, 255));
    for (QPoint ecke : {QPoint(0, 0), QPoint(359, 0), QPoint(0, 359), QPoint(359, 359)})
        EXPECT_EQ(mitte.pixel(ecke), qRgb(0, 255, 0));
    // Cut from a picture turned upright, the square is the same.
    EXPECT_EQ(Quadrat(bild.transformed(QTransform().rotate(90)), 360, Zuschnitt::Mitte).pixel(0, 0), qRgb(0, 255, 0));
}

TEST(Quadrat, EinQuadratDerKanteBleibtPixelGleichUndDurchsichtigesLiegtAufDemGrund)
{
    const QImage muster = Motiv(360, 360);
    EXPECT_EQ(Quadrat(muster, 360, Zuschnitt::Strecken), muster);
    EXPECT_EQ(Quadrat(muster, 360, Zuschnitt::Mitte), muster);
    QImage durchsichtig(40, 40, QImage::Format_ARGB32);
    durchsichtig.fill(qRgba(200, 100, 50, 0));
    const QImage quadrat = Quadrat(durchsichtig, 20, Zuschnitt::Strecken, QColor(10, 20, 30));
    EXPECT_EQ(quadrat.format(), QImage::Format_RGB32);
    EXPECT_EQ(quadrat.pixel(10, 10), qRgb(10, 20, 30));
}

// The preview's decode serves the board: the same pixels, not a second decode.
TEST_F(Fotos, EinBestelltesBildDientDemBrett)
{
    const QString pfad = Schreibe(QStringLiteral("foto.jpg"), bildbau::Gespeichert(Motiv(1600, 1200), "jpeg"));
    Bilddienst dienst;
    dienst.BrettkanteSetzen(300);
    QSignalSpy geladen(&dienst, &Bilddienst::geladen);
    dienst.Bestellen(pfad);
    EXPECT_TRUE(dienst.beschaeftigt());
    ASSERT_TRUE(geladen.wait(5000));
    EXPECT_FALSE(dienst.beschaeftigt());
    const auto bestellt = geladen.first().first().value<Geladen>();
    ASSERT_EQ(bestellt.fehler, Ladefehler::Keiner);
    EXPECT_EQ(bestellt.bild.size(), QSize(400, 300));
    EXPECT_EQ(dienst.Laden(pfad, 300).bild.cacheKey(), bestellt.bild.cacheKey());
    EXPECT_EQ(dienst.Laden(pfad, 200).bild.cacheKey(), bestellt.bild.cacheKey()) << "smaller is served too";
    EXPECT_EQ(dienst.Laden(pfad, 600).bild.size(), QSize(800, 600)) << "larger is decoded anew";
    EXPECT_EQ(dienst.Quadrat(pfad, 300, Zuschnitt::Mitte).bild.size(), QSize(300, 300));
}

TEST_F(Fotos, EineGeaenderteDateiWirdNeuGelesen)
{
    QImage rot(300, 200, QImage::Format_RGB32), blau(200, 300, QImage::Format_RGB32);
    rot.fill(Qt::red);
    blau.fill(Qt::blue);
    const QString pfad = Schreibe(QStringLiteral("wechsel.png"), bildbau::Gespeichert(rot, "png"));
    Bilddienst dienst;
    EXPECT_EQ(dienst.Laden(pfad, 100).bild.pixel(0, 0), qRgb(255, 0, 0));
    Schreibe(QStringLiteral("wechsel.png"), bildbau::Gespeichert(blau, "png"));
    EXPECT_EQ(dienst.Laden(pfad, 100).bild.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(dienst.Laden(ordner.filePath(QStringLiteral("fehlt.png")), 100).fehler, Ladefehler::NichtGefunden);
}

// Walking down a list: a request not begun gives way to the next, a decode under way for a file
// left behind is given up; only the last is reported.
TEST_F(Fotos, NurDieLetzteBestellungZaehlt)
{
    QStringList pfade;
    for (int i = 0; i < 6; ++i)
        pfade << Schreibe(QStringLiteral("foto%1.jpg").arg(i), bildbau::Gespeichert(Motiv(2400, 1800), "jpeg"));
    Bilddienst dienst;
    QStringList gemeldet;
    QObject::connect(&dienst, &Bilddienst::geladen, [&](const Geladen& g) { gemeldet << g.pfad; });
    for (const QString& pfad : pfade)
        dienst.Bestellen(pfad);
    for (int i = 0; i < 500 && dienst.beschaeftigt(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(dienst.beschaeftigt());
    EXPECT_EQ(gemeldet, QStringList{pfade.last()});
}

// The board asks while the preview's decode runs or waits: it gets that very decode, and what
// was under way for another file is given up. Asked small, the picture comes small.
TEST_F(Fotos, DasBrettWartetAufDieLaufendeDecodierung)
{
    const QString foto = Schreibe(QStringLiteral("foto.jpg"), bildbau::Gespeichert(Motiv(3200, 2400), "jpeg"));
    const QString anderes = Schreibe(QStringLiteral("anderes.jpg"), bildbau::Gespeichert(Motiv(3200, 2400), "jpeg"));
    struct Fall {
        const char* name;
        QStringList bestellt;
    };
    for (const Fall& f : {Fall{"under way", {foto}}, Fall{"waiting", {anderes, foto}}}) {
        Bilddienst dienst;
        dienst.BrettkanteSetzen(300);
        QList<Geladen> gemeldet;
        QObject::connect(&dienst, &Bilddienst::geladen, [&](const Geladen& g) { gemeldet << g; });
        for (const QString& pfad : f.bestellt)
            dienst.Bestellen(pfad);
        const Geladen brett = dienst.Laden(foto, 300);
        for (int i = 0; i < 500 && dienst.beschaeftigt(); ++i)
            QTest::qWait(10);
        ASSERT_EQ(gemeldet.size(), 1) << f.name;
        EXPECT_EQ(gemeldet[0].pfad, foto) << f.name;
        EXPECT_EQ(brett.bild.cacheKey(), gemeldet[0].bild.cacheKey()) << f.name << ": one decode for both";
        EXPECT_EQ(brett.bild.size(), QSize(400, 300)) << f.name;
    }
    Bilddienst dienst;
    QSignalSpy geladen(&dienst, &Bilddienst::geladen);
    EXPECT_EQ(dienst.Laden(anderes, 300).bild.size(), QSize(400, 300));
    QTest::qWait(20);
    EXPECT_TRUE(geladen.isEmpty()) << "what the board asked for is its own: no preview comes of it";
    EXPECT_FALSE(dienst.beschaeftigt());
    dienst.Bestellen(foto, 150);
    ASSERT_TRUE(geladen.wait(5000));
    EXPECT_EQ(geladen.first().first().value<Geladen>().bild.size(), QSize(200, 150)) << "the size asked for";
    EXPECT_EQ(dienst.Laden(foto, 600).bild.size(), QSize(800, 600)) << "the small one does not serve the board";
}

} // namespace
