// Passing marks leave no trace on the real screen at any zoom and device pixel ratio: the tile
// numbers stepped through (N, N, N) and a hint coming and going give back the very screen of
// before, pixel for pixel.

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include "e2ehilfen.h"

namespace {

struct Massstab {
    const char* verhaeltnis;  // QT_SCALE_FACTOR
    int groesse;              // the zoom in options.ini, in percent
};

void PrintTo(const Massstab& m, std::ostream* aus) { *aus << m.verhaeltnis << " x " << m.groesse << " %"; }

class Spuren : public ::testing::TestWithParam<Massstab> {};

int Unterschiede(const QImage& a, const QImage& b)
{
    int anzahl = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            anzahl += a.pixel(x, y) != b.pixel(x, y);
    return anzahl;
}

// The board with its arrows and the preview, from the window's corner, menu bar included; not
// the counters, whose clock may run.
QImage OhneZaehler(const QImage& schirm, QPoint fenster, double skala)
{
    const auto r = [&](int x, int y, int b, int h) {
        return QRectF(x * skala, y * skala, b * skala, h * skala).toRect().translated(fenster);
    };
    QImage teil(schirm.size(), QImage::Format_RGB32);
    teil.fill(Qt::black);
    QPainter p(&teil);
    for (const QRect& bereich : {r(0, 0, 470, 500), r(500, 0, 255, 255)})
        p.drawImage(bereich.topLeft(), schirm, bereich);
    return teil;
}

TEST_P(Spuren, NummernUndTippGehenOhneSpur)
{
    const Massstab m = GetParam();
    XSitzung x(QStringLiteral("1920x1200x24"));
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    x.setzeVariable(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(m.verhaeltnis));
    QTemporaryDir ordner;
    SpielordnerAnlegen(ordner);
    QFile optionen(ordner.filePath(QStringLiteral("options.ini")));
    ASSERT_TRUE(optionen.open(QIODevice::WriteOnly));
    optionen.write("[Optionen]\r\nGroesse=" + QByteArray::number(m.groesse) + "\r\n");
    optionen.close();
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Einstellungen")).isEmpty()) << "no settings dialog";
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(QStringLiteral("Einstellungen")));
    const QString id = x.warteAufFenster(QStringLiteral("Tavelor"));
    ASSERT_FALSE(id.isEmpty());
    x.xdotool({"windowfocus", id});
    ASSERT_TRUE(x.warteAufFokus(id));

    const QPoint fenster = x.fensterLage(id);
    const double skala = QByteArray(m.verhaeltnis).toDouble() * m.groesse / 100;
    // The game before any mark: the same screen twice running.
    QImage vorher;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        const QImage jetzt = OhneZaehler(s, fenster, skala);
        const bool ruhig = !vorher.isNull() && jetzt == vorher;
        vorher = jetzt;
        return ruhig;
    }));
    // The hint is worked out first: on a busy machine that takes a while.
    const auto wieVorher = [&](const char* schritt, int ms) {
        QImage nachher;
        const bool gleich = x.warteBis([&](const QImage& s) { return (nachher = OhneZaehler(s, fenster, skala)) == vorher; }, ms);
        EXPECT_TRUE(gleich) << schritt << ": " << Unterschiede(nachher, vorher) << " pixels differ"
                            << x.bildschirmSichern("spur");
    };
    for (int i = 0; i < 3; ++i) {  // one number, all numbers, none
        x.taste(QStringLiteral("n"));
        Pause(250);
    }
    wieVorher("N, N, N", 3000);
    x.taste(QStringLiteral("h"));
    Pause(1500);  // shown for 1.5 s
    wieVorher("hint come and gone", 10000);
}

INSTANTIATE_TEST_SUITE_P(Massstaebe, Spuren,
                         ::testing::Values(Massstab{"1.5", 100}, Massstab{"1.25", 150}, Massstab{"1", 150},
                                           Massstab{"1.5", 125}),
                         [](const ::testing::TestParamInfo<Massstab>& info) {
                             return "Verhaeltnis" + QByteArray(info.param.verhaeltnis).replace('.', '_').toStdString()
                                    + "Zoom" + std::to_string(info.param.groesse);
                         });

} // namespace
