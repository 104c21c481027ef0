// The real program at a device pixel ratio of 2: the window twice the size, the picture shown
// at the screen's own resolution.

#include <gtest/gtest.h>

#include <cmath>

#include "e2ehilfen.h"

namespace {

// The client origin of a window drawn at twice the size: where the double-size background's
// left margin shows below the window's origin.
QPoint DoppelterClientUrsprung(const QImage& schirm, QPoint fenster)
{
    static const QImage hintergrund = Kunst("imgHintergrund@2x");
    for (int dy = 0; dy < 160; ++dy) {
        bool gleich = true;
        for (int y = 120; y < 920 && gleich; y += 13)
            for (int x = 4; x < 44 && gleich; x += 5) {
                const QPoint p = fenster + QPoint(x, y + dy);
                gleich = schirm.rect().contains(p) && schirm.pixel(p) == hintergrund.pixel(x, y);
            }
        if (gleich)
            return fenster + QPoint(0, dy);
    }
    return {-1, -1};
}

double MittlererAbstand(const QImage& a, const QImage& b)
{
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return summe / (3.0 * a.width() * a.height());
}

} // namespace

TEST(Ende2Ende, BeiDoppeltemVerhaeltnisZeigtDieVorschauDasBildInGeraeteaufloesung)
{
    XSitzung x(QStringLiteral("1920x1200x24"));
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    x.setzeVariable(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    QTemporaryDir ordner;
    SpielordnerAnlegen(ordner, {QStringLiteral("Mosaik.bmp")});
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Einstellungen")).isEmpty()) << "no settings dialog";
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(QStringLiteral("Einstellungen")));

    const QString id = x.warteAufFenster(QStringLiteral("Tavelor"));
    ASSERT_FALSE(id.isEmpty());
    EXPECT_TRUE(x.xdotool({"getwindowgeometry", "--shell", id}).contains(QStringLiteral("WIDTH=1510")));
    const QPoint lage = x.fensterLage(id);
    QPoint client{-1, -1};
    ASSERT_TRUE(x.warteBis([&](const QImage& schirm) {
        client = DoppelterClientUrsprung(schirm, lage);
        return client.x() >= 0;
    })) << "the double-size background art is not on the screen" << x.bildschirmSichern("hidpi");

    // The preview, 180 x 180 logical pixels, made from the picture at 360 x 360 device pixels.
    const QImage bild(QStringLiteral(TAVELOR_SPIELORDNER "/images/Mosaik.bmp"));
    ASSERT_FALSE(bild.isNull());
    const auto gestreckt = [](const QImage& b, int kante) {
        return b.scaled(kante, kante, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    };
    const QImage scharf = gestreckt(gestreckt(bild, 720), 360);
    const QImage vergroessert = gestreckt(gestreckt(gestreckt(bild, 360), 180), 360);
    double nah = 0, weit = 0;
    ASSERT_TRUE(x.warteBis([&](const QImage& schirm) {
        const QImage vorschau = schirm.copy(QRect(client + QPoint(1036, 110), QSize(360, 360))).convertToFormat(QImage::Format_RGB32);
        nah = MittlererAbstand(vorschau, scharf);
        weit = MittlererAbstand(vorschau, vergroessert);
        return nah < 2.0;
    })) << nah << " against " << weit << x.bildschirmSichern("hidpi");
    EXPECT_LT(nah * 3, weit) << nah << " against " << weit;
}
