#include "daten/programm.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Bildschirm, HoeheUndFarbtiefeEntscheiden)
{
    EXPECT_TRUE(BildschirmGenuegt(600, 16));   // 1024 x 600 x 16
    EXPECT_FALSE(BildschirmGenuegt(599, 16));  // 800 x 599
    EXPECT_FALSE(BildschirmGenuegt(480, 32));  // 640 x 480
    EXPECT_FALSE(BildschirmGenuegt(768, 8));
    EXPECT_FALSE(BildschirmGenuegt(768, 15));
    EXPECT_TRUE(BildschirmGenuegt(1024, 32));  // 600 wide but tall: the width is not tested
}

TEST(Bildschirm, MeldungBeginntInDerBildschirmmitte)
{
    const auto box = BaueAnforderungsmeldung("Text", QRect(0, 0, 1025, 599));
    EXPECT_EQ(box->pos(), QPoint(512, 299));
    EXPECT_EQ(box->windowTitle(), "Fehler");
    EXPECT_EQ(box->text(), "Text");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons().front()->text(), "OK");

    EXPECT_EQ(BaueAnforderungsmeldung("", QRect(1920, 100, 800, 480))->pos(), QPoint(2320, 340));
}

TEST(CdRom, GewoehnlicheOrdnerUndFehlendePfade)
{
    EXPECT_FALSE(IstCdRom(QCoreApplication::applicationDirPath()));
    EXPECT_FALSE(IstCdRom(QDir::tempPath()));
    EXPECT_FALSE(IstCdRom("/gibt/es/nicht"));
}

TEST(InitProgramm, ProgPfadIstDasArbeitsverzeichnis)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (bildschirm && !BildschirmGenuegt(bildschirm->geometry().height(), bildschirm->depth()))
        GTEST_SKIP() << "this screen would stop on the requirement message";
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    const QString altProgPfad = ProgPfad;
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    VonCD = 1;
    InitProgramm();
    QDir::setCurrent(vorher);
    EXPECT_EQ(QDir(ProgPfad).canonicalPath(), QDir(ordner.path()).canonicalPath());
    EXPECT_FALSE(ProgPfad.endsWith('/'));
    EXPECT_EQ(VonCD, 0);
    ProgPfad = altProgPfad;
}

} // namespace
