// What start-up decides about its surroundings: the working folder, the CD-ROM, the screen.
#include "daten/umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace daten;

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

TEST(CdRom, GewoehnlicheOrdnerUndFehlendePfade)
{
    EXPECT_FALSE(IstCdRom(QCoreApplication::applicationDirPath()));
    EXPECT_FALSE(IstCdRom(QDir::tempPath()));
    EXPECT_FALSE(IstCdRom("/gibt/es/nicht"));
}

TEST(Umgebung, ProgPfadIstDasArbeitsverzeichnisUndTraegtAlleDateien)
{
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    const Umgebung umgebung = Umgebung::Ermitteln();
    QDir::setCurrent(vorher);
    EXPECT_EQ(QDir(umgebung.progPfad).canonicalPath(), QDir(ordner.path()).canonicalPath());
    EXPECT_FALSE(umgebung.progPfad.endsWith('/'));
    EXPECT_FALSE(umgebung.vonCD);
    EXPECT_EQ(umgebung.optionsDatei(), umgebung.progPfad + "/options.ini");
    EXPECT_EQ(umgebung.listenDatei(), umgebung.progPfad + "/morvik.dat");
    EXPECT_EQ(umgebung.bilderordner(), umgebung.progPfad + "/images");
}

} // namespace
