// The real program at a device pixel ratio of 2: the window twice the size, the picture shown
// at the screen's own resolution.

#include <gtest/gtest.h>

#include "bildvergleich.h"
#include "e2ehilfen.h"

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
        client = ClientUrsprung(schirm, lage, 2);
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
        nah = MittlererUnterschied(vorschau, scharf);
        weit = MittlererUnterschied(vorschau, vergroessert);
        return nah < 2.0;
    })) << nah << " against " << weit << x.bildschirmSichern("hidpi");
    EXPECT_LT(nah * 3, weit) << nah << " against " << weit;
}
