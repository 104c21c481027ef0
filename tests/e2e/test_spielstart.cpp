// The real program in a real X server: start, the settings dialog, the board, a move.

#include <gtest/gtest.h>

#include "e2ehilfen.h"

namespace {

constexpr QRgb Markierfarbe = qRgb(252, 202, 3);

// The field of a 4 x 4 board that shows the empty-field cross.
int LeeresFeld(const QImage& schirm, const Spielfenster& f)
{
    static const QImage kreuz = Kunst("imgKreuz4");
    for (int feld = 1; feld <= 16; ++feld) {
        const QPoint ecke = f.punkt(57 + (feld - 1) % 4 * 90, 56 + (feld - 1) / 4 * 90);
        if (schirm.copy(QRect(ecke + QPoint(2, 2), QSize(80, 80))) == kreuz.copy(2, 2, 80, 80))
            return feld;
    }
    return 0;
}

} // namespace

TEST(Ende2Ende, SpielStartetUndEinKlickZiehtEinTeil)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Einstellungen")).isEmpty()) << "no settings dialog";
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.fensterWeg(QStringLiteral("Einstellungen")));

    Spielfenster f;
    f.id = x.warteAufFenster(QStringLiteral("Tavelor"));
    ASSERT_FALSE(f.id.isEmpty());
    ASSERT_TRUE(ClientFinden(x, f)) << "the background art is not on the screen";

    QImage schirm;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        schirm = s;
        return LeeresFeld(s, f) != 0;
    })) << "no empty field on the board";

    // The 4 x 4 grid, the black counter box with its red colon, the counters at zero.
    for (int y = 56; y <= 415; y += 17)
        for (int g : {147, 237, 327})
            ASSERT_EQ(schirm.pixel(f.punkt(g, y)), Markierfarbe) << g << "," << y;
    for (int x2 = 57; x2 <= 416; x2 += 17)
        for (int g : {146, 236, 326})
            ASSERT_EQ(schirm.pixel(f.punkt(x2, g)), Markierfarbe) << x2 << "," << g;
    EXPECT_EQ(schirm.pixel(f.punkt(520, 276)), qRgb(0, 0, 0));
    EXPECT_EQ(schirm.pixel(f.punkt(609, 387)), Kunst("imgHintergrund").pixel(609, 387));
    EXPECT_EQ(Zuganzeige(schirm, f.client), QStringLiteral("0000"));

    // Click the tile left or right of the empty field and watch the move counter.
    const int leer = LeeresFeld(schirm, f);
    const int nachbar = (leer - 1) % 4 == 0 ? leer + 1 : leer - 1;
    x.klick(f.punkt(57 + (nachbar - 1) % 4 * 90 + 45, 56 + (nachbar - 1) / 4 * 90 + 45));
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return Zuganzeige(s, f.client) == QStringLiteral("0001"); }));
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return LeeresFeld(s, f) == nachbar; }));
}
