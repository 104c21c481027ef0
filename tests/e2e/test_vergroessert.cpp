// The real program at 200 % (options.ini [Optionen] Groesse=200): a 4 x 4 game of each variant
// played to the end, its moves alternately by mouse on the zoomed window and by keys, the
// board read off the screen.

#include <QFile>

#include <gtest/gtest.h>

#include "brettleser.h"
#include "engine/loeser.h"
#include "spielablauf.h"

namespace {

constexpr int N = 4, T = 360 / N;

// The client area halved, to be read as the classic window is.
QImage Halbiert(const QImage& schirm, const Spielfenster& f)
{
    return schirm.copy(QRect(f.client, QSize(1510, 950)))
        .scaled(755, 475, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

std::vector<int> Lesen(const QImage& schirm, const Spielfenster& f, int variante)
{
    const QImage halb = Halbiert(schirm, f);
    Spielfenster klassisch;
    klassisch.client = {0, 0};
    return variante == 1 ? SchiebebrettLesen(halb, klassisch, N) : BrettLesen(halb, klassisch, N);
}

// The move counter in the double-size digits.
QString Zuganzeige(const QImage& schirm, const Spielfenster& f)
{
    static const QImage streifen = Kunst("imgZiffern@2x");
    QString text;
    for (int x : {565, 587, 609, 631}) {
        const QImage zelle = schirm.copy(QRect(f.punkt(x, 310), QSize(44, 60)));
        int ziffer = -1;
        for (int d = 0; d <= 9 && ziffer < 0; ++d)
            if (zelle == streifen.copy(44 * d, 0, 44, 60))
                ziffer = d;
        text += ziffer < 0 ? QStringLiteral("?") : QString::number(ziffer);
    }
    return text;
}

// A move by mouse: the field beside the empty one, the arrow of a row or column, an axis's
// grid point with the button that turns.
void Klicken(XSitzung& x, const Spielfenster& f, const engine::Zug& zug)
{
    using engine::Operation;
    const auto mitte = [](int feld) { return QPoint(57 + (feld - 1) % N * T + T / 2, 56 + (feld - 1) / N * T + T / 2); };
    const int quer = 56 + (zug.a - 1) * T + T / 2;  // the middle of row or column a
    QPoint wo;
    int taste = 1;
    switch (zug.op) {
    case Operation::TeilSchieben: wo = mitte(zug.a); break;
    case Operation::ZeileRechts: wo = {37, quer}; break;
    case Operation::ZeileLinks: wo = {438, quer}; break;
    case Operation::SpalteRunter: wo = {quer + 1, 36}; break;
    case Operation::SpalteHoch: wo = {quer + 1, 437}; break;
    case Operation::AchseRechts:
    case Operation::AchseLinks:
        wo = {57 + ((zug.a - 1) % (N - 1) + 1) * T, 57 + ((zug.a - 1) / (N - 1) + 1) * T};
        taste = zug.op == Operation::AchseRechts ? 1 : 3;
        break;
    }
    x.klick(f.punkt(wo.x(), wo.y()), taste);
}

class Vergroessert : public ::testing::TestWithParam<int> {};

TEST_P(Vergroessert, SpielMitMausUndTastenBisZumBild)
{
    const int variante = GetParam();
    XSitzung x(QStringLiteral("1920x1200x24"));
    QTemporaryDir ordner;
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    SpielordnerAnlegen(ordner);
    QFile optionen(ordner.filePath(QStringLiteral("options.ini")));
    ASSERT_TRUE(optionen.open(QIODevice::WriteOnly));
    optionen.write("[Optionen]\r\nGroesse=200\r\n");
    optionen.close();
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    Spielfenster f;
    f.faktor = 2;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, variante, N, f));
    EXPECT_TRUE(x.xdotool({"getwindowgeometry", "--shell", f.id}).contains(QStringLiteral("WIDTH=1510")));
    ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));

    std::vector<int> brett;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        brett = Lesen(s, f, variante);
        return !brett.empty();
    })) << "the board cannot be read" << x.bildschirmSichern("brett200");
    const std::vector<engine::Zug> weg = engine::Loesung(Stand(variante, N, brett));
    ASSERT_FALSE(weg.empty());

    int cursor = 0, zuege = 0;
    for (const engine::Zug& zug : weg) {
        if (zuege % 2 == 0) {
            Klicken(x, f, zug);
            cursor = 0;  // a click hides the keyboard's frame or ring
        } else {
            Tasten(x, zug, cursor, N);
        }
        // X delivers the input in order: the counter is checked every few moves and at the end.
        if (++zuege % 8 != 0 && zuege != int(weg.size()))
            continue;
        const QString zaehler = QStringLiteral("%1").arg(zuege, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f) == zaehler; }))
            << "move " << zuege << " of " << weg.size() << " not made" << x.bildschirmSichern("zug200");
    }
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Hier sind die Besten")).isEmpty()) << x.bildschirmSichern("liste200");
    x.taste(QStringLiteral("Return"));
}

INSTANTIATE_TEST_SUITE_P(Varianten, Vergroessert, ::testing::Values(1, 2, 3));

} // namespace
