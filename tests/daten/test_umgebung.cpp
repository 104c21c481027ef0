// What start-up decides about its surroundings: the working folder, the CD-ROM, the screen.
#include "daten/umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

namespace {

// One rule, decided at start: a working folder with images/ is played portable; otherwise a
// program beside share/tavelor plays installed and writes into the player's data folder.
TEST(Umgebung, PortabelMitBilderordnerSonstInstalliertNebenShareTavelor)
{
    QTemporaryDir wurzel;
    const QString prefix = wurzel.filePath("usr"), arbeit = wurzel.filePath("arbeit"),
                  heimat = wurzel.filePath("heimat");
    ASSERT_TRUE(QDir().mkpath(prefix + "/bin") && QDir().mkpath(prefix + "/share/tavelor/images"));
    ASSERT_TRUE(QDir().mkpath(arbeit));

    Umgebung u = Umgebung::Ermitteln(arbeit, prefix + "/bin", heimat);
    EXPECT_TRUE(u.installiert());
    EXPECT_EQ(u.progPfad, prefix + "/share/tavelor");
    EXPECT_EQ(u.bilderordner(), prefix + "/share/tavelor/images");
    EXPECT_EQ(u.optionsDatei(), heimat + "/tavelor/options.ini");
    EXPECT_EQ(u.listenDatei(), heimat + "/tavelor/morvik.dat");
    EXPECT_EQ(u.eigeneBilder(), heimat + "/tavelor/images");
    EXPECT_EQ(u.hilfeDatei(Sprache::Englisch), prefix + "/share/tavelor/morvik_en.hlp");
    EXPECT_FALSE(QFileInfo::exists(heimat + "/tavelor"));  // made on the first write only
    u.SchreibordnerAnlegen();
    EXPECT_TRUE(QFileInfo(heimat + "/tavelor").isDir());

    // $XDG_DATA_HOME unset or relative: ~/.local/share
    EXPECT_EQ(Umgebung::Ermitteln(arbeit, prefix + "/bin", "relativ").nutzerPfad,
              QDir::homePath() + "/.local/share/tavelor");

    ASSERT_TRUE(QDir().mkpath(arbeit + "/images"));
    u = Umgebung::Ermitteln(arbeit, prefix + "/bin", heimat);
    EXPECT_FALSE(u.installiert());
    EXPECT_EQ(u.progPfad, arbeit);
    EXPECT_EQ(u.optionsDatei(), arbeit + "/options.ini");
    EXPECT_EQ(u.eigeneBilder(), arbeit + "/images");

    // Neither: portable in a folder without pictures, which the settings dialog reports.
    u = Umgebung::Ermitteln(wurzel.filePath("leer"), wurzel.filePath("anderswo/bin"), heimat);
    EXPECT_FALSE(u.installiert());
    EXPECT_EQ(u.progPfad, wurzel.filePath("leer"));
}

} // namespace
