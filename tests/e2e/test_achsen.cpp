// Variant 3 on a 3 x 3 board: the knobs on the grid, a left click turns four tiles clockwise,
// a right click on the same axis turns them back.

#include <gtest/gtest.h>

#include <cstdlib>

#include "brettleser.h"
#include "spielablauf.h"

namespace {

constexpr QRgb Markierfarbe = qRgb(252, 202, 3);
constexpr int N = 3;

// The knob art at its place wherever its key colour does not leave the tile showing.
bool KnopfDa(const QImage& schirm, const Spielfenster& f, int i, int j)
{
    static const QImage knopf = Kunst("imgAchse");
    const QRgb schluessel = knopf.pixel(0, knopf.height() - 1);
    const QPoint ecke = f.punkt(44 + i * 120, 44 + j * 120);
    for (int y = 0; y < knopf.height(); ++y)
        for (int x = 0; x < knopf.width(); ++x)
            if (knopf.pixel(x, y) != schluessel && schirm.pixel(ecke + QPoint(x, y)) != knopf.pixel(x, y))
                return false;
    return true;
}

bool AlleKnoepfeDa(const QImage& schirm, const Spielfenster& f)
{
    for (int i = 1; i < N; ++i)
        for (int j = 1; j < N; ++j)
            if (!KnopfDa(schirm, f, i, j))
                return false;
    return true;
}

// The grid lines of a 3 x 3 board, away from the knobs that cover the crossings.
bool GitterDa(const QImage& schirm, const Spielfenster& f)
{
    for (int k = 56; k <= 415; k += 5) {
        if (std::abs(k - 176) < 15 || std::abs(k - 296) < 15)
            continue;
        for (int g : {177, 297})
            if (schirm.pixel(f.punkt(g, k + 1)) != Markierfarbe)
                return false;
        for (int g : {176, 296})
            if (schirm.pixel(f.punkt(k + 1, g)) != Markierfarbe)
                return false;
    }
    return true;
}

QImage Brett(const QImage& schirm, const Spielfenster& f) { return schirm.copy(QRect(f.punkt(57, 56), QSize(360, 360))); }

} // namespace

TEST(Ende2Ende, AchseDrehtVierTeileRechtsUndRechtsklickZurueck)
{
    XSitzung x;
    QTemporaryDir ordner;
    ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));

    Spielfenster f;
    ASSERT_NO_FATAL_FAILURE(SpielEinstellen(x, 3, N, f));

    QImage vorher;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        vorher = s;
        return AlleKnoepfeDa(s, f) && GitterDa(s, f);
    })) << "no 3 x 3 board with knobs" << x.bildschirmSichern("achsenbrett");
    EXPECT_EQ(Zuganzeige(vorher, f.client), QStringLiteral("0000"));

    // The four tiles round the first axis must be told apart, or a turn would not show.
    const int runde[] = {1, 2, 5, 4};  // clockwise from the top left
    for (int a : runde)
        for (int b : runde) {
            if (a < b) {
                ASSERT_NE(Feldinneres(vorher, f, N, a), Feldinneres(vorher, f, N, b)) << "fields " << a << ", " << b;
            }
        }

    x.klick(Gitterpunkt(f, N, 1, 1), 1);
    QImage nachher;
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        nachher = s;
        return Zuganzeige(s, f.client) == QStringLiteral("0001") && Feldinneres(s, f, N, 2) == Feldinneres(vorher, f, N, 1);
    })) << "a left click on the axis does not turn it" << x.bildschirmSichern("achse-links");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Feldinneres(nachher, f, N, runde[(k + 1) % 4]), Feldinneres(vorher, f, N, runde[k]))
            << "the tile of field " << runde[k] << " is not on field " << runde[(k + 1) % 4];
    for (int feld : {3, 6, 7, 8, 9})
        EXPECT_EQ(Feldinneres(nachher, f, N, feld), Feldinneres(vorher, f, N, feld)) << "field " << feld << " changed";
    EXPECT_TRUE(AlleKnoepfeDa(nachher, f)) << "the knobs are not drawn again over the turned tiles";

    x.klick(Gitterpunkt(f, N, 1, 1), 3);
    ASSERT_TRUE(x.warteBis([&](const QImage& s) {
        nachher = s;
        return Zuganzeige(s, f.client) == QStringLiteral("0002");
    })) << "a right click on the axis counts no move" << x.bildschirmSichern("achse-rechts");
    EXPECT_TRUE(x.warteBis([&](const QImage& s) { return Brett(s, f) == Brett(vorher, f); }))
        << "the right click does not turn the tiles back" << x.bildschirmSichern("achse-zurueck");
}
