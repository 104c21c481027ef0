#include "hilfen.h"
#include "beste/bestenliste.h"
#include "beste/listendatei.h"
#include "beste/rangfolge.h"
#include "daten/umgebung.h"
#include "speicherkreis.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <optional>
#include <random>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace beste;

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

class ListenDatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    const fs::path datei = fs::path(ordner.path().toStdString()) / ListenDateiName;

    void Schreibe(const TBytes& bytes) const
    {
        std::ofstream(datei, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
    }
    TBytes Lese(const fs::path& pfad = {}) const
    {
        std::ifstream ein(pfad.empty() ? datei : pfad, std::ios::binary);
        return TBytes(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> Inhalt() const
    {
        std::vector<std::string> namen;
        for (const fs::directory_entry& eintrag : fs::directory_iterator(datei.parent_path()))
            namen.push_back(eintrag.path().filename().string());
        return namen;
    }
};

TBytes MusterDerLaenge(std::size_t laenge)
{
    TBytes bytes(laenge);
    for (std::size_t k = 0; k < laenge; ++k)
        bytes[k] = static_cast<std::uint8_t>(k * 7 + 3);
    return bytes;
}

TBytes AlsVektor(const TListenBytes& bytes)
{
    return TBytes(bytes.begin(), bytes.end());
}

TEST_F(ListenDatei, FehlendeLeereOderKurzeDateiGibtStandardListe)
{
    EXPECT_EQ(LadeListe(datei), StandardListe());
    for (std::size_t laenge : {0u, 1u, 1359u}) {
        Schreibe(MusterDerLaenge(laenge));
        EXPECT_EQ(LadeListe(datei), StandardListe()) << laenge;
    }
    EXPECT_EQ(LadeListe(datei.parent_path()), StandardListe());
}

TEST_F(ListenDatei, KurzeDateiWirdBeimSpeichernDurchGanzenSatzErsetzt)
{
    Schreibe(MusterDerLaenge(1359));
    ASSERT_EQ(SpeichereListe(LadeListe(datei), datei, false), TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(Lese(), AlsVektor(ListeAlsBytes(StandardListe())));
}

TEST_F(ListenDatei, FremderKopfUndAlleBytesWerdenUnveraendertZurueckGeschrieben)
{
    for (std::size_t laenge : {1360u, 2000u}) {
        const TBytes muster = MusterDerLaenge(laenge);
        Schreibe(muster);
        const TListe liste = LadeListe(datei);
        EXPECT_EQ(AlsVektor(ListeAlsBytes(liste)), TBytes(muster.begin(), muster.begin() + 1360));
        ASSERT_EQ(SpeichereListe(liste, datei, false), TSpeicherErgebnis::Gespeichert);
        EXPECT_EQ(Lese(), TBytes(muster.begin(), muster.begin() + 1360)) << laenge;
    }
}

TEST_F(ListenDatei, NebenlistenUndKopfBleibenBeiEinerAenderungWieGeladen)
{
    Schreibe(MusterDerLaenge(1360));
    TListe liste = LadeListe(datei);
    ErgebnisVormerken(liste, 25, 70);
    Neueintrag(liste, 7);
    NameSetzen(liste, 7, 2, u"Uwe");
    ASSERT_EQ(SpeichereListe(liste, datei, false), TSpeicherErgebnis::Gespeichert);

    const TListe gelesen = LadeListe(datei);
    EXPECT_EQ(gelesen, liste);
    for (int d : {0, 5, 10, 15}) {
        const TListe original = ListeAusBytes(Muster());
        EXPECT_EQ(gelesen.Namen[d], original.Namen[d]) << d;
        if (d != 0) {
            EXPECT_EQ(gelesen.Zuege[d], original.Zuege[d]) << d;
            EXPECT_EQ(gelesen.Zeiten[d], original.Zeiten[d]) << d;
        }
    }
}

TEST_F(ListenDatei, SchreibgeschuetzteDateiWirdUeberschriebenUndDasMerkmalEntfernt)
{
    Schreibe(MusterDerLaenge(1360));
    fs::permissions(datei, fs::perms::owner_read | fs::perms::others_read);
    TListe liste = LadeListe(datei);
    ListeLoeschen(liste, 3);

    ASSERT_EQ(SpeichereListe(liste, datei, false), TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(Lese(), AlsVektor(ListeAlsBytes(liste)));
    EXPECT_EQ(fs::status(datei).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
}

TEST_F(ListenDatei, VonCDWirdNichtsGeschrieben)
{
    EXPECT_EQ(SpeichereListe(StandardListe(), datei, true), TSpeicherErgebnis::CD);
    EXPECT_FALSE(fs::exists(datei));

    const TBytes muster = MusterDerLaenge(1400);
    Schreibe(muster);
    EXPECT_EQ(SpeichereListe(StandardListe(), datei, true), TSpeicherErgebnis::CD);
    EXPECT_EQ(Lese(), muster);
}

TEST_F(ListenDatei, AbbruchMittenImSchreibenLaesstAlteDateiGanzUndKeineReste)
{
    const TBytes alt = MusterDerLaenge(1360);
    Schreibe(alt);
    TListe liste = LadeListe(datei);
    ListeLoeschen(liste, 12);
    const TSchreiber halbSchreiber = [](int fd, std::span<const std::uint8_t> bytes) {
        return SchreibeAlles(fd, bytes.first(680)) && false;
    };

    EXPECT_EQ(SpeichereListe(liste, datei, false, halbSchreiber), TSpeicherErgebnis::Fehler);
    EXPECT_EQ(Lese(), alt);
    EXPECT_EQ(Inhalt(), std::vector<std::string>{ListenDateiName});

    ASSERT_EQ(SpeichereListe(liste, datei, false), TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(LadeListe(datei), liste);
    EXPECT_EQ(Inhalt(), std::vector<std::string>{ListenDateiName});
}

TEST_F(ListenDatei, VolleFestplatteMeldetFehler)
{
    const int voll = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (voll < 0)
        GTEST_SKIP() << "/dev/full fehlt";
    const TSchreiber aufVolleFestplatte = [voll](int, std::span<const std::uint8_t> bytes) {
        return SchreibeAlles(voll, bytes);
    };
    const TBytes alt = MusterDerLaenge(1360);
    Schreibe(alt);

    EXPECT_EQ(SpeichereListe(StandardListe(), datei, false, aufVolleFestplatte), TSpeicherErgebnis::Fehler);
    ::close(voll);
    EXPECT_EQ(Lese(), alt);
    EXPECT_EQ(Inhalt(), std::vector<std::string>{ListenDateiName});
}

TEST_F(ListenDatei, UnschreibbareZieleMeldenFehlerOhneReste)
{
    const fs::path ohneOrdner = datei.parent_path() / "fehlt" / ListenDateiName;
    EXPECT_EQ(SpeichereListe(StandardListe(), ohneOrdner, false), TSpeicherErgebnis::Fehler);
    EXPECT_FALSE(fs::exists(ohneOrdner.parent_path()));

    EXPECT_EQ(SpeichereListe(StandardListe(), "/proc/morvik.dat", false), TSpeicherErgebnis::Fehler);

    // A folder in the file's place fails only at the rename, after the new file was written.
    fs::create_directory(datei);
    EXPECT_EQ(SpeichereListe(StandardListe(), datei, false), TSpeicherErgebnis::Fehler);
    EXPECT_TRUE(fs::is_directory(datei));
    EXPECT_EQ(Inhalt(), std::vector<std::string>{ListenDateiName});
}

TEST_F(ListenDatei, AbgebrochenesSpeichernLaesstGanzeDateiUndDerNaechsteRaeumtSeinenRestAuf)
{
    const TBytes alt = AlsVektor(ListeAlsBytes(StandardListe()));
    const TBytes neu = AlsVektor(Muster());
    ASSERT_EQ(SpeichereListe(StandardListe(), datei, false), TSpeicherErgebnis::Gespeichert);
    std::mt19937 zufall(std::random_device{}());
    int mitRest = 0;
    for (int runde = 0; runde < 100; ++runde) {
        const pid_t kind = SpeichertImKreis([&, b = ListeAusBytes(Muster())](long n) { SpeichereListe(n % 2 ? b : StandardListe(), datei, false); });
        ASSERT_GT(kind, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(zufall() % 2000));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);
        ASSERT_TRUE(Lese() == alt || Lese() == neu) << "round " << runde << ": " << Lese().size() << " bytes";
        mitRest += Inhalt().size() > 1;
    }
    EXPECT_GT(mitRest, 0) << "no kill came between a save's new file and its rename";

    // The next save takes the leftover away; what else lies beside the file is the player's.
    ASSERT_EQ(SpeichereListe(ListeAusBytes(Muster()), datei, false), TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(Lese(), neu);
    EXPECT_EQ(Inhalt(), std::vector<std::string>{ListenDateiName});
}

// Root ignores permissions: as root, this saves as user 65534 in a child process.
// Nothing when that cannot be done.
std::optional<TSpeicherErgebnis> SpeichereAlsNutzer(const TListe& liste, const fs::path& datei)
{
    if (::geteuid() != 0)
        return SpeichereListe(liste, datei, false);
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        ::_exit(static_cast<int>(SpeichereListe(liste, datei, false)));
    }
    int status = 0;
    if (kind < 0 || ::waitpid(kind, &status, 0) != kind || !WIFEXITED(status) || WEXITSTATUS(status) == 99)
        return std::nullopt;
    return static_cast<TSpeicherErgebnis>(WEXITSTATUS(status));
}

TEST_F(ListenDatei, InGeschuetztemOrdnerWirdDieAlteDateiUeberschriebenWennSieEsErlaubt)
{
    const fs::path gesperrt = datei.parent_path() / "gesperrt";
    const fs::path dort = gesperrt / ListenDateiName;
    fs::create_directory(gesperrt);
    std::ofstream(dort, std::ios::binary) << std::string(2000, 'a');
    const bool root = ::geteuid() == 0;
    if (root && (::chown(gesperrt.c_str(), 65534, 65534) != 0 || ::chown(dort.c_str(), 65534, 65534) != 0))
        GTEST_SKIP() << "cannot hand a folder to user 65534";
    ::chmod(datei.parent_path().c_str(), 0701);
    ::chmod(dort.c_str(), 0444);
    ::chmod(gesperrt.c_str(), 0555);
    const auto ergebnis = SpeichereAlsNutzer(ListeAusBytes(Muster()), dort);
    if (!ergebnis)
        GTEST_SKIP() << "running as root without the right to become user 65534";
    EXPECT_EQ(*ergebnis, TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(Lese(dort), AlsVektor(Muster()));
    EXPECT_EQ(fs::status(dort).permissions(), fs::perms(0644));
    EXPECT_EQ(std::distance(fs::directory_iterator(gesperrt), fs::directory_iterator()), 1);

    // A file the user may not write stays as it was, and no file is made where there is none.
    if (root && ::chown(dort.c_str(), 0, 0) == 0 && ::chmod(dort.c_str(), 0444) == 0) {
        EXPECT_EQ(SpeichereAlsNutzer(StandardListe(), dort), TSpeicherErgebnis::Fehler);
        EXPECT_EQ(Lese(dort), AlsVektor(Muster()));
        EXPECT_EQ(fs::status(dort).permissions(), fs::perms(0444));
    }
    ::chmod(gesperrt.c_str(), 0755);
    fs::remove(dort);
    ::chmod(gesperrt.c_str(), 0555);
    EXPECT_EQ(SpeichereAlsNutzer(StandardListe(), dort), TSpeicherErgebnis::Fehler);
    EXPECT_FALSE(fs::exists(dort));
    ::chmod(gesperrt.c_str(), 0755);
}

// Installed, the list lives in the player's folder, which the first save makes.
TEST(Bestenliste, InstalliertSpeichertImNutzerordner)
{
    QTemporaryDir ordner;
    const daten::Umgebung umgebung{ordner.filePath("share"), false, ordner.filePath("nutzer/tavelor")};
    Bestenliste liste(umgebung);
    ASSERT_GT(liste.Eintragen({engine::Variante::Drehen, 4, 77, 60}), 0);
    EXPECT_EQ(liste.Speichern(), TSpeicherErgebnis::Gespeichert);
    EXPECT_EQ(LadeListe(ordner.filePath("nutzer/tavelor/morvik.dat").toStdString()).Zuege[ListenIndex(3, 4)][1], 77);
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath("share")));
}
