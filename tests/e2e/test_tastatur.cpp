// A 3 x 3 game of each variant solved with the keyboard alone, the board read off the screen.

#include <gtest/gtest.h>

#include "brettleser.h"
#include "engine/loeser.h"
#include "spielablauf.h"

namespace {

constexpr int N = 3;

engine::Spielstand Stand(int variante, const std::vector<int>& brett)
{
    engine::Spielstand s;
    s.variante = engine::Variante(variante);
    s.Groesse = N;
    for (int p = 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[p] = uint8_t(p <= N * N ? brett[p] : p);
    s.FreiesFeld = variante == 1 ? N * N : 0;  // the empty field's home is the last field
    s.phase = engine::Phase::Aufgebaut;
    return s;
}

// Walks the keyboard cursor from `von` to `nach` in a grid of `seite` columns; the first arrow
// only shows it.
void Cursor(XSitzung& x, int& von, int nach, int seite)
{
    if (von == 0) {
        x.taste(QStringLiteral("Left"));
        von = 1;
    }
    for (; (von - 1) % seite < (nach - 1) % seite; ++von)
        x.taste(QStringLiteral("Right"));
    for (; (von - 1) % seite > (nach - 1) % seite; --von)
        x.taste(QStringLiteral("Left"));
    for (; (von - 1) / seite < (nach - 1) / seite; von += seite)
        x.taste(QStringLiteral("Down"));
    for (; (von - 1) / seite > (nach - 1) / seite; von -= seite)
        x.taste(QStringLiteral("Up"));
}

// The keys of one move, for the cursor where it stands.
void Tasten(XSitzung& x, const engine::Zug& zug, int& cursor)
{
    using engine::Operation;
    switch (zug.op) {
    case Operation::TeilSchieben: {  // the tile at a moves into the empty field b
        const int d = zug.a - zug.b;
        x.taste(d == 1 ? "Left" : d == -1 ? "Right" : d == N ? "Up" : "Down");
        return;
    }
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
        Cursor(x, cursor, (zug.a - 1) * N + 1, N);
        x.taste(zug.op == Operation::ZeileRechts ? "shift+Right" : "shift+Left");
        return;
    case Operation::SpalteRunter:
    case Operation::SpalteHoch:
        Cursor(x, cursor, zug.a, N);
        x.taste(zug.op == Operation::SpalteRunter ? "shift+Down" : "shift+Up");
        return;
    case Operation::AchseRechts:
    case Operation::AchseLinks:
        Cursor(x, cursor, zug.a, N - 1);
        x.taste(zug.op == Operation::AchseRechts ? "space" : "BackSpace");
        return;
    }
}

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
    const std::vector<engine::Zug> weg = engine::Loesung(Stand(variante, brett));
    ASSERT_FALSE(weg.empty());

    int cursor = 0, zuege = 0;
    for (const engine::Zug& zug : weg) {
        Tasten(x, zug, cursor);
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
