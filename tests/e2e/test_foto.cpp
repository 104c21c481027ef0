// A 48-megapixel photo first in the list: the program starts with it, shows it on the board and
// plays a game with it to the end.

#include <QPainter>

#include <gtest/gtest.h>

#include "bildvergleich.h"
#include "brettleser.h"
#include "schiebeloeser.h"
#include "spielablauf.h"

#include <random>

namespace {

constexpr int N = 3;

// Big enough to tell the tiles apart after any scaling: coloured blocks, a circle, a grain.
QImage Motiv(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter maler(&bild);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            maler.fillRect(QRectF(breite * i / 6.0, hoehe * j / 6.0, breite / 6.0 + 1, hoehe / 6.0 + 1),
                           QColor::fromHsv((i * 6 + j) * 10, 200, 120 + 20 * ((i + j) % 5)));
    maler.setPen(QPen(Qt::white, breite / 60.0));
    maler.drawEllipse(QPointF(breite / 2.0, hoehe / 2.0), breite / 3.0, hoehe / 3.0);
    return bild;
}

// The photo of 8000 x 6000 pixels as a camera makes it: the motif with a fine grain, JPEG at
// quality 90.
bool FotoSchreiben(const QString& pfad)
{
    QImage foto = Motiv(8000, 6000);
    std::mt19937 zufall(19);
    for (int y = 0; y < foto.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(foto.scanLine(y));
        for (int x = 0; x < foto.width(); ++x) {
            const int d = int(zufall() % 9) - 4;
            const QRgb p = zeile[x];
            zeile[x] = qRgb(qBound(0, qRed(p) + d, 255), qBound(0, qGreen(p) + d, 255), qBound(0, qBlue(p) + d, 255));
        }
    }
    return foto.save(pfad, "JPEG", 90);
}

} // namespace

TEST(Ende2Ende, FotoMitAchtundvierzigMegapixelnWirdGespielt)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    SpielordnerAnlegen(ordner);
    ASSERT_TRUE(FotoSchreiben(ordner.filePath(QStringLiteral("images/0_Foto.jpg"))));
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));

    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 1, N, f));
    std::vector<int> brett;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        brett = SchiebebrettLesen(s, f, N);
        return !brett.empty();
    })) << "the 3 x 3 board cannot be read" << x.bildschirmSichern("foto-brett");
    // The preview well shows the whole photo, stretched into the square.
    const QImage erwartet = Motiv(800, 600).scaled(180, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage vorschau = x.bildschirm().copy(QRect(f.punkt(518, 55), QSize(180, 180)));
    EXPECT_LT(MittlererUnterschied(vorschau.copy(4, 4, 172, 172), erwartet.copy(4, 4, 172, 172)), 12.0)
        << x.bildschirmSichern("foto-vorschau");

    const std::vector<int> weg = Loesungsweg(brett);
    ASSERT_FALSE(weg.empty()) << x.bildschirmSichern("foto-weg");
    for (size_t k = 0; k < weg.size(); ++k) {
        x.klick(Feldmitte(f, N, weg[k]));
        const QString stand = QStringLiteral("%1").arg(k + 1, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == stand; }))
            << "move " << k + 1 << " does not show" << x.bildschirmSichern("foto-zug");
    }
    // Solved: the list of the best opens for the name.
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Hier sind die Besten")).isEmpty()) << x.bildschirmSichern("foto-ende");
    x.taste(QStringLiteral("Return"));
}
