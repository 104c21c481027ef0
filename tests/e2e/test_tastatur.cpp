// A 3 x 3 game of each variant solved with the keyboard alone, the board read off the screen.

#include <gtest/gtest.h>

#include "brettleser.h"
#include "engine/loeser.h"
#include "spielablauf.h"

namespace {

constexpr int N = 3;

class MitTastatur : public ::testing::TestWithParam<int> {};

TEST_P(MitTastatur, SpielBisZumBildUndInDieBestenliste)
{
    const int variante = GetParam();
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, variante, N, f));
    ASSERT_NO_FATAL_FAILURE(FokusHolen(x, f));

    std::vector<int> brett;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        brett = variante == 1 ? SchiebebrettLesen(s, f, N) : BrettLesen(s, f, N);
        return !brett.empty();
    })) << "the board cannot be read" << x.bildschirmSichern("brett");
    const std::vector<engine::Zug> weg = engine::Loesung(Stand(variante, N, brett));
    ASSERT_FALSE(weg.empty());

    int cursor = 0, zuege = 0;
    for (const engine::Zug& zug : weg) {
        Tasten(x, zug, cursor, N);
        ++zuege;
        const QString zaehler = QStringLiteral("%1").arg(zuege, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == zaehler; }))
            << "move " << zuege << " of " << weg.size() << " not made" << x.bildschirmSichern("zug");
    }
    // The first result of an empty list: the list opens for the name.
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Hier sind die Besten")).isEmpty()) << x.bildschirmSichern("liste");
    x.taste(QStringLiteral("Return"));
}

INSTANTIATE_TEST_SUITE_P(Varianten, MitTastatur, ::testing::Values(1, 2, 3));

} // namespace
