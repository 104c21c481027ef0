// Screens that fail the start-up test: the message, then a clean end without any other window.

#include <gtest/gtest.h>

#include "e2ehilfen.h"

namespace {

class ZuKleinerBildschirm : public ::testing::TestWithParam<const char*> {};

TEST_P(ZuKleinerBildschirm, MeldungDannSauberesEndeOhneWeiteresFenster)
{
    XSitzung x(QString::fromLatin1(GetParam()));
    QTemporaryDir ordner;
    // Every window mapped on the screen is logged.
    QProcess xev;
    xev.setProcessEnvironment(x.umgebungFuerProgramme());
    xev.start(QStringLiteral("xev"), {"-root", "-event", "substructure"});
    ASSERT_TRUE(xev.waitForStarted(5000));
    Pause(300);
    ASSERT_TRUE(x.laeuft()) << x.fehler().toStdString();
    SpielordnerAnlegen(ordner);
    // A broken first picture: a settings dialog, had it been created, would complain about it.
    QFile kaputt(ordner.filePath(QStringLiteral("images/0_kaputt.bmp")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly) && kaputt.write("BM kaputt") > 0);
    kaputt.close();
    ASSERT_TRUE(x.starte(QStringLiteral(TAVELOR_PROGRAMM), ordner.path()));
    ASSERT_FALSE(x.warteAufFenster(QStringLiteral("Fehler")).isEmpty()) << "no message";
    Pause(1500);  // a player reads the message; the box is painted meanwhile
    EXPECT_TRUE(x.warteAufFenster(QStringLiteral("Einstellungen"), 200).isEmpty());
    x.taste(QStringLiteral("Return"));
    ASSERT_TRUE(x.warteAufEnde(10000)) << "the program did not end";
    EXPECT_EQ(x.ende(), 0);
    Pause(300);
    xev.kill();
    xev.waitForFinished(2000);
    EXPECT_EQ(xev.readAllStandardOutput().count("MapNotify"), 1) << "only the message is shown";
}

INSTANTIATE_TEST_SUITE_P(Tiefen, ZuKleinerBildschirm, ::testing::Values("1024x768x8", "800x599x16"));

} // namespace
