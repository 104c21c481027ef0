#include "daten/inidatei.h"
#include "dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace daten;

namespace {

TEST(IniZahl, HexadezimalNurMitPraefixUndZiffern)
{
    EXPECT_EQ(IniZahl("0x3E8"), 1000);
    EXPECT_EQ(IniZahl("0X3e8"), 1000);
    EXPECT_EQ(IniZahl("0x"), 0);
    EXPECT_EQ(IniZahl("0xZZ"), 0);
    EXPECT_EQ(IniZahl("0x-1"), 0);
    EXPECT_EQ(IniZahl("0x0x10"), 0);
}

TEST(IniZahl, DezimalSonstNull)
{
    EXPECT_EQ(IniZahl("1000"), 1000);
    EXPECT_EQ(IniZahl(" 1000 "), 1000);
    EXPECT_EQ(IniZahl("-5"), -5);
    EXPECT_EQ(IniZahl(""), 0);
    EXPECT_EQ(IniZahl("Englisch"), 0);
    EXPECT_EQ(IniZahl("12abc"), 0);
    EXPECT_EQ(IniZahl("99999999999"), 0);
}

TEST(IniWert, NamenOhneRuecksichtAufGrossKlein)
{
    const QByteArray inhalt = "[Andere]\nAktuell=7\n[sPRACHE]\n  aktuell = 1000 \n";
    EXPECT_EQ(IniWert(inhalt, "Sprache", "Aktuell"), QByteArray("1000"));
    EXPECT_EQ(IniWert(inhalt, "Andere", "AKTUELL"), QByteArray("7"));
}

TEST(IniWert, FehlenderAbschnittOderSchluessel)
{
    EXPECT_FALSE(IniWert("", "Sprache", "Aktuell"));
    EXPECT_FALSE(IniWert("Aktuell=1000\n[Sprache]\n", "Sprache", "Aktuell")); // before any section
    EXPECT_FALSE(IniWert("[Sprache]\n;Aktuell=1000\n[X]\nAktuell=1\n", "Sprache", "Aktuell"));
    EXPECT_EQ(IniWert("[Sprache]\nAktuell=\n", "Sprache", "Aktuell"), QByteArray(""));
}

TEST(IniWert, ErsterTrefferZaehltUndWindowsZeilenenden)
{
    EXPECT_EQ(IniWert("[Sprache]\r\nAktuell=1000\r\nAktuell=0\r\n[Sprache]\r\nAktuell=5\r\n", "Sprache", "Aktuell"),
              QByteArray("1000"));
    EXPECT_EQ(IniWert("\xEF\xBB\xBF[Sprache]\nAktuell=1000", "Sprache", "Aktuell"), QByteArray("1000"));
}

TEST(IniMitWert, ErsetztNurDieSchluesselzeile)
{
    const QByteArray alt = "; Kommentar\n[ANDERE]\nZahl=3\n\n[sprache]\nFarbe=Rot\naktuell=0\nRest=x\n";
    EXPECT_EQ(IniMitWert(alt, "Sprache", "Aktuell", "1000"),
              "; Kommentar\n[ANDERE]\nZahl=3\n\n[sprache]\nFarbe=Rot\nAktuell=1000\nRest=x\n");
}

TEST(IniMitWert, FuegtSchluesselInVorhandenenAbschnittEin)
{
    EXPECT_EQ(IniMitWert("[Sprache]\nFarbe=Rot\n\n[Andere]\nA=1\n", "Sprache", "Aktuell", "1000"),
              "[Sprache]\nFarbe=Rot\nAktuell=1000\n\n[Andere]\nA=1\n");
    EXPECT_EQ(IniMitWert("[Sprache]", "Sprache", "Aktuell", "0"), "[Sprache]\nAktuell=0\n");
}

TEST(IniMitWert, HaengtAbschnittAnUndBehaeltZeilenende)
{
    EXPECT_EQ(IniMitWert("", "Sprache", "Aktuell", "1000"), "[Sprache]\nAktuell=1000\n");
    EXPECT_EQ(IniMitWert("[A]\nB=1", "Sprache", "Aktuell", "0"), "[A]\nB=1\n[Sprache]\nAktuell=0\n");
    EXPECT_EQ(IniMitWert("[A]\r\nB=1\r\n", "Sprache", "Aktuell", "0"), "[A]\r\nB=1\r\n[Sprache]\r\nAktuell=0\r\n");
    EXPECT_EQ(IniMitWert("[Sprache]\r\nAktuell=0\r\n", "Sprache", "Aktuell", "1000"), "[Sprache]\r\nAktuell=1000\r\n");
}

class IniDatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString datei = ordner.filePath("options.ini");
};

TEST_F(IniDatei, FehlendeOderUnlesbareDateiGibtNull)
{
    EXPECT_EQ(LiesIniZahl(datei, "Sprache", "Aktuell"), 0);
    ASSERT_TRUE(QDir(ordner.path()).mkdir("options.ini"));
    EXPECT_EQ(LiesIniZahl(datei, "Sprache", "Aktuell"), 0);
}

TEST_F(IniDatei, GeschriebenerWertWirdGelesen)
{
    SchreibeIniWert(datei, "Sprache", "Aktuell", "1000");
    EXPECT_EQ(Lies(datei), "[Sprache]\nAktuell=1000\n");
    EXPECT_EQ(LiesIniZahl(datei, "SPRACHE", "aktuell"), 1000);
    Schreibe(datei, "[Sprache]\nAktuell=0x3E8\n");
    EXPECT_EQ(LiesIniZahl(datei, "Sprache", "Aktuell"), 1000);
}

TEST_F(IniDatei, SchreibgeschuetzteDateiWirdFreigegebenUndGeschrieben)
{
    Schreibe(datei, "[Sprache]\nAktuell=0\n[Andere]\nX=1\n");
    QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    SchreibeIniWert(datei, "Sprache", "Aktuell", "1000");
    EXPECT_EQ(Lies(datei), "[Sprache]\nAktuell=1000\n[Andere]\nX=1\n");
    EXPECT_TRUE(QFile::permissions(datei) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(datei) & QFileDevice::ReadGroup);
}

TEST_F(IniDatei, FehlenderOrdnerMeldetDenVollenPfad)
{
    const QString ziel = ordner.filePath("fehlt/options.ini");
    try {
        SchreibeIniWert(ziel, "Sprache", "Aktuell", "1000");
        FAIL() << "kein Fehler";
    } catch (const Schreibfehler& fehler) {
        EXPECT_EQ(fehler.text(), "nach " + ziel + " kann nicht geschrieben werden");
        EXPECT_STREQ(fehler.what(), fehler.text().toUtf8().constData());
    }
}

TEST_F(IniDatei, OrdnerStattDateiBleibtUnberuehrt)
{
    ASSERT_TRUE(QDir(ordner.path()).mkpath("options.ini/innen"));
    EXPECT_THROW(SchreibeIniWert(datei, "Sprache", "Aktuell", "1000"), Schreibfehler);
    EXPECT_TRUE(QDir(ordner.filePath("options.ini/innen")).exists());
}

TEST_F(IniDatei, SchreibgeschuetzterOrdnerWirft)
{
    QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(QFile::encodeName(ordner.path()).constData(), W_OK) == 0) {
        QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "write protection does not hold for this user";
    }
    EXPECT_THROW(SchreibeIniWert(datei, "Sprache", "Aktuell", "1000"), Schreibfehler);
    QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(QFile::exists(datei));
}

} // namespace
