#include "BesteHilfen.h"
#include "beste/ListenDatei.h"
#include "beste/Rangfolge.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

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
    TBytes Lese() const
    {
        std::ifstream ein(datei, std::ios::binary);
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
