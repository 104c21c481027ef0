// Saving a file: a full disk, a killed save, and the player's own files beside ours.

#include "daten/inidatei.h"
#include "dateihilfen.h"
#include "daten/sicherung.h"
#include "speicherkreis.h"
#include "vollerordner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace daten;
namespace fs = std::filesystem;

namespace {

QStringList Inhalt(const QString& ordner)
{
    QStringList namen = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    namen.removeAll(QLatin1String(VollerOrdner::Fueller));
    namen.sort();
    return namen;
}

std::vector<std::uint8_t> Bytes(const char* text)
{
    return {text, text + std::strlen(text)};
}

// The options file and any other file behave alike on a full disk: the old bytes stay, nothing
// is left behind, and the caller hears of it.
TEST(Sicherung, VolleFestplatteLaesstAlteDateiUndMeldetEs)
{
    VollerOrdner voll;
    if (!voll.da())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString optionen = voll.pfad() + "/options.ini";
    const QString liste = voll.pfad() + "/morvik.dat";
    const QByteArray altOptionen = "[Sprache]\nAktuell=1000\n[Optionen]\nAnimation=0\n";
    const QByteArray altListe(1360, 'm');
    Schreibe(optionen, altOptionen);
    Schreibe(liste, altListe);
    voll.Fuellen();

    EXPECT_THROW(SchreibeIniWert(optionen, "Optionen", "Animation", "1"), Schreibfehler);
    EXPECT_FALSE(SpeichereDatei(QFile::encodeName(liste).toStdString(), std::vector<std::uint8_t>(1360, 'n')));
    EXPECT_EQ(Lies(optionen), altOptionen);
    EXPECT_EQ(Lies(liste), altListe);
    EXPECT_EQ(Inhalt(voll.pfad()), (QStringList{"morvik.dat", "options.ini"}));
    EXPECT_EQ(LiesIniZahl(optionen, "Sprache", "Aktuell"), 1000);
}

TEST(Sicherung, SchreiberDerScheitertLaesstAlteDateiUndKeinenRest)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("options.ini");
    Schreibe(datei, "[Sprache]\nAktuell=1000\n");
    const Schreiber halb = [](int fd, std::span<const std::uint8_t> bytes) {
        return SchreibeAlles(fd, bytes.first(bytes.size() / 2)) && false;
    };
    EXPECT_THROW(SchreibeIniWert(datei, "Sprache", "Aktuell", "0", halb), Schreibfehler);
    EXPECT_EQ(Lies(datei), "[Sprache]\nAktuell=1000\n");
    EXPECT_EQ(Inhalt(ordner.path()), QStringList{"options.ini"});
}

// Only the temporary files of our own saves go; a player's files of any similar name stay, and
// so do a folder, a link and the file of a save another copy of the game is running.
TEST(Sicherung, AufraeumenNimmtNurUnsereResteWeg)
{
    QTemporaryDir ordner;
    const fs::path pfad = ordner.path().toStdString();
    const QStringList eigene = {"morvik.dat.backup", "morvik.dat.bak", "morvik.dat.2024ab", "morvik.dat.a1B2c3",
                                "options.ini.Xy12ab", ".morvik.dat.tavelor-abcde.tmp", ".morvik.dat.tavelor-abcdef.tmpx",
                                "morvik.dat.tavelor-abcdef.tmp", ".tavelor-abcdef.tmp", ".morvik.dat.tavelor-ab-def.tmp"};
    for (const QString& name : eigene)
        Schreibe(ordner.filePath(name), "x");
    fs::create_directory(pfad / ".morvik.dat.tavelor-Ordner.tmp");
    fs::create_symlink("morvik.dat.bak", pfad / ".morvik.dat.tavelor-Link12.tmp");
    const fs::path laeuft = pfad / ".morvik.dat.tavelor-Laeuft.tmp";
    std::ofstream(laeuft) << "x";
    const int gesperrt = ::open(laeuft.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(gesperrt, LOCK_EX), 0);
    for (const char* rest : {".morvik.dat.tavelor-a1B2c3.tmp", ".options.ini.tavelor-zzzzzz.tmp", ".Bild.jpg.tavelor-000000.tmp"})
        std::ofstream(pfad / rest) << "rest";

    ASSERT_TRUE(SpeichereDatei(pfad / "morvik.dat", Bytes("neu")));
    ::close(gesperrt);
    QStringList erwartet = eigene;
    erwartet << "morvik.dat" << ".morvik.dat.tavelor-Ordner.tmp" << ".morvik.dat.tavelor-Link12.tmp"
             << ".morvik.dat.tavelor-Laeuft.tmp";
    erwartet.sort();
    EXPECT_EQ(Inhalt(ordner.path()), erwartet);
    EXPECT_EQ(Lies(ordner.filePath("morvik.dat")), "neu");
}

TEST(Sicherung, GetoeteteSpeicherungLaesstGanzeDateiUndHoechstensEinenRest)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("options.ini");
    std::mt19937 zufall(std::random_device{}());
    int mitRest = 0;
    for (int runde = 0; runde < 100; ++runde) {
        const pid_t kind = SpeichertImKreis([&](long n) { SchreibeIniWert(datei, "Sprache", "Aktuell", n % 2 ? "1000" : "0"); });
        ASSERT_GT(kind, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(zufall() % 2000));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);
        const QByteArray inhalt = Lies(datei);
        ASSERT_TRUE(inhalt == "[Sprache]\nAktuell=0\n" || inhalt == "[Sprache]\nAktuell=1000\n") << inhalt.constData();
        const qsizetype reste = Inhalt(ordner.path()).size() - 1;
        ASSERT_LE(reste, 1) << "round " << runde;
        mitRest += reste;
    }
    EXPECT_GT(mitRest, 0) << "no kill came between a save's new file and its rename";
    SchreibeIniWert(datei, "Sprache", "Aktuell", "1000");
    EXPECT_EQ(Inhalt(ordner.path()), QStringList{"options.ini"});
}

} // namespace
