// The counters and labels of the right-hand panel, cell by cell against the digit strip.

#include <gtest/gtest.h>

#include "main/brettbild.h"
#include "kunst.h"

using haupt::Brettbild;

namespace {

QImage Kunst(const char* name) { return kunst::Bild(QLatin1String(name)).convertToFormat(QImage::Format_RGB32); }

// Which digit of the strip the 22 x 30 cell at (x, y) shows, or -1.
int ZifferBei(const QImage& bild, int x, int y)
{
    static const QImage streifen = Kunst("imgZiffern");
    for (int d = 0; d <= 9; ++d)
        if (bild.copy(x, y, 22, 30) == streifen.copy(22 * d, 0, 22, 30))
            return d;
    return -1;
}

QString Zuganzeige(const QImage& bild)
{
    QString text;
    for (int x : {565, 587, 609, 631})
        text += QString::number(ZifferBei(bild, x, 310));
    return text;
}

QString Zeitanzeige(const QImage& bild)
{
    QString text;
    for (int x : {559, 581})
        text += QString::number(ZifferBei(bild, x, 380));
    text += QLatin1Char(':');
    for (int x : {615, 637})
        text += QString::number(ZifferBei(bild, x, 380));
    return text;
}

} // namespace

TEST(Zaehler, ZuegeVierstelligMitFuehrendenNullen)
{
    Brettbild bild;
    bild.HintergrundZeichnen();
    const std::pair<int, const char*> faelle[] = {{0, "0000"}, {7, "0007"}, {42, "0042"}, {1234, "1234"}, {9999, "9999"}};
    for (auto [zuege, text] : faelle) {
        bild.ZeigeZugNr(zuege);
        EXPECT_EQ(Zuganzeige(bild.kopie()), QLatin1String(text));
    }
}

TEST(Zaehler, ZeitAlsMinutenUndSekunden)
{
    Brettbild bild;
    bild.HintergrundZeichnen();
    const std::pair<int, const char*> faelle[] = {{0, "00:00"}, {65, "01:05"}, {600, "10:00"}, {3599, "59:59"}};
    for (auto [sekunden, text] : faelle) {
        bild.ZeigeZeit(sekunden);
        EXPECT_EQ(Zeitanzeige(bild.kopie()), QLatin1String(text));
    }
    // The colon belongs to the background and is never overdrawn.
    EXPECT_EQ(bild.kopie().pixel(609, 387), bild.hintergrund().pixel(609, 387));
}

TEST(Zaehler, BeschriftungNachSprache)
{
    const QImage schrift = Kunst("imgSchrift");
    Brettbild bild;
    bild.ZeigeSchrift(QStringLiteral("de"));
    EXPECT_EQ(bild.kopie().copy(518, 280, 180, 25), schrift.copy(0, 0, 180, 25));
    EXPECT_EQ(bild.kopie().copy(518, 350, 180, 25), schrift.copy(0, 25, 180, 25));
    bild.ZeigeSchrift(QStringLiteral("en"));
    EXPECT_EQ(bild.kopie().copy(518, 280, 180, 25), schrift.copy(0, 50, 180, 25));
    EXPECT_EQ(bild.kopie().copy(518, 350, 180, 25), schrift.copy(0, 75, 180, 25));
}
