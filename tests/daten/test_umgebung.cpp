// What start-up decides about its surroundings: the working folder, the CD-ROM, the screen.
#include "daten/umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

// Installed, the program reads share/tavelor and writes into the player's data folder.
// A language without its own help shows the English one; German's is the classic file, always.
TEST(Umgebung, HilfeDerSpracheSonstEnglisch)
{
    QTemporaryDir ordner;
    const Umgebung u{ordner.path(), false, {}};
    QFile(ordner.filePath("morvik_pl.hlp")).open(QIODevice::WriteOnly);
    EXPECT_EQ(u.hilfeDatei(Sprache::Polnisch), ordner.filePath("morvik_pl.hlp"));
    EXPECT_EQ(u.hilfeDatei(Sprache::Franzoesisch), ordner.filePath("morvik_en.hlp"));
    EXPECT_EQ(u.hilfeDatei(Sprache::Deutsch), ordner.filePath("morvik_de.hlp"));
}

TEST(Umgebung, InstalliertLiestShareTavelorUndSchreibtInsDatenheim)
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

}

// Where the program lies decides: beside share/tavelor in bin/ or games/ it is installed even when
// started from a folder with images/ (a home folder often has one); asked to, or anywhere else, it
// plays portable in its working folder.
TEST(Umgebung, InstalliertNachLageDesProgrammsPortabelNurAufVerlangen)
{
    QTemporaryDir wurzel;
    const QString prefix = wurzel.filePath("usr"), arbeit = wurzel.filePath("arbeit"),
                  heimat = wurzel.filePath("heimat"), leer = wurzel.filePath("leer");
    for (const char* ordner : {"bin", "games", "lib/tavelor", "share/tavelor/images"})
        ASSERT_TRUE(QDir().mkpath(prefix + "/" + ordner));
    ASSERT_TRUE(QDir().mkpath(arbeit + "/images") && QDir().mkpath(leer));
    ASSERT_TRUE(QDir().mkpath(wurzel.filePath("markiert/bin")) && QDir().mkpath(wurzel.filePath("markiert/share/tavelor/images")));
    QFile marke(wurzel.filePath("markiert/bin/tavelor.portable"));
    ASSERT_TRUE(marke.open(QIODevice::WriteOnly));

    const struct {
        const char* fall;
        QString arbeitsordner, programmordner;
        bool portabelVerlangt;
        QString progPfad;  // where it reads; installed when it is share/tavelor
    } faelle[] = {
        {"bin, started from a folder with images/", arbeit, prefix + "/bin", false, prefix + "/share/tavelor"},
        {"games, started from a folder with images/", arbeit, prefix + "/games", false, prefix + "/share/tavelor"},
        {"games, started from an empty folder", leer, prefix + "/games", false, prefix + "/share/tavelor"},
        {"installed, but --portable", arbeit, prefix + "/bin", true, arbeit},
        {"installed, but a marker file beside it", arbeit, wurzel.filePath("markiert/bin"), false, arbeit},
        {"another folder beside share/", arbeit, prefix + "/lib/tavelor", false, arbeit},
        {"a build's spiel/ folder", arbeit, arbeit, false, arbeit},
        {"not installed, no pictures anywhere", leer, wurzel.filePath("anderswo/bin"), false, leer},
    };
    for (const auto& f : faelle) {
        const Umgebung u = Umgebung::Ermitteln(f.arbeitsordner, f.programmordner, heimat, f.portabelVerlangt);
        EXPECT_EQ(u.progPfad, f.progPfad) << f.fall;
        const bool installiert = f.progPfad.endsWith("/share/tavelor");
        EXPECT_EQ(u.installiert(), installiert) << f.fall;
        EXPECT_EQ(u.optionsDatei(), (installiert ? heimat + "/tavelor" : f.arbeitsordner) + "/options.ini") << f.fall;
        EXPECT_EQ(u.eigeneBilder(), (installiert ? heimat + "/tavelor" : f.arbeitsordner) + "/images") << f.fall;
    }
}

// Installed into ~/.local the shipped pictures and the player's own share one folder: the list
// reads it once. Portable there is only one folder anyway.
TEST(Umgebung, EigeneBilderGetrenntNurWennEsZweiOrdnerSind)
{
    QTemporaryDir wurzel;
    const QString lokal = wurzel.filePath(".local"), heimat = wurzel.filePath("heimat");
    ASSERT_TRUE(QDir().mkpath(lokal + "/bin") && QDir().mkpath(lokal + "/share/tavelor/images"));
    ASSERT_TRUE(QFile::link(lokal + "/share", wurzel.filePath("verweis")));

    EXPECT_TRUE(Umgebung::Ermitteln(wurzel.path(), lokal + "/bin", heimat).eigeneBilderGetrennt());
    EXPECT_FALSE(Umgebung::Ermitteln(wurzel.path(), lokal + "/bin", lokal + "/share").eigeneBilderGetrennt());
    EXPECT_FALSE(Umgebung::Ermitteln(wurzel.path(), lokal + "/bin", lokal + "/share/").eigeneBilderGetrennt());
    EXPECT_FALSE(Umgebung::Ermitteln(wurzel.path(), lokal + "/bin", wurzel.filePath("verweis")).eigeneBilderGetrennt());
    EXPECT_FALSE(Umgebung::Ermitteln(wurzel.path(), lokal + "/bin", heimat, true).eigeneBilderGetrennt());
}

} // namespace
