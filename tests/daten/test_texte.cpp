// The language: read from the options file, switched and stored, told to whoever listens.
#include "daten/inidatei.h"
#include "daten/texte.h"
#include "daten/textkatalog.h"

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace daten;

namespace {

class TexteTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Umgebung umgebung{ordner.path(), false, {}};
    Texte texte{umgebung};
    QString datei = ordner.filePath("options.ini");

    void Speichere(const QByteArray& inhalt)
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray Gespeichert()
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    void ErwarteTexteIn(int versatz)
    {
        for (int id : {text::SystemAnforderung, text::KeineBilder, text::KeinEintrag, text::MaxZeit, text::Zurueck, 200})
            EXPECT_EQ(texte(id), LadeText(id, versatz)) << "id " << id;
    }
};

TEST(DesktopSprache, DeutschFuerDeutschSonstEnglisch)
{
    const struct {
        QStringList sprachen;
        Sprache erwartet;
    } faelle[] = {
        {{"de-DE"}, Sprache::Deutsch},     {{"de-AT", "en-US"}, Sprache::Deutsch},
        {{"de"}, Sprache::Deutsch},        {{"de_CH"}, Sprache::Deutsch},
        {{"en-US", "de-DE"}, Sprache::Englisch}, {{"fr-FR"}, Sprache::Englisch},
        {{"C"}, Sprache::Englisch},        {{}, Sprache::Englisch},
        {{"nl-NL"}, Sprache::Englisch},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SpracheDesDesktops(f.sprachen), f.erwartet) << f.sprachen.join(':').toStdString();
}

// The tests run on a German desktop (tests/testmain.cpp); what it is decides with nothing stored.
TEST_F(TexteTest, OhneGespeicherteSpracheDieDesDesktopsUndKeineDateiAngelegt)
{
    ASSERT_EQ(SpracheDesDesktops(QLocale::system().uiLanguages()), Sprache::Deutsch);
    texte.Laden();
    EXPECT_EQ(texte.sprache(), Sprache::Deutsch);
    ErwarteTexteIn(0);
    EXPECT_EQ(texte.hilfeDatei(), ordner.path() + "/morvik_de.hlp");
    EXPECT_FALSE(QFile::exists(datei));
}

TEST_F(TexteTest, GespeichertesEnglischWirdGeladenAndereWerteGeltenAlsDeutsch)
{
    Speichere("[sprache]\nAKTUELL=0x3E8\n");
    texte.Laden();
    EXPECT_EQ(texte.sprache(), Sprache::Englisch);
    ErwarteTexteIn(1000);
    EXPECT_EQ(texte(text::Zurueck), "&Back to the game");
    EXPECT_EQ(texte.hilfeDatei(), ordner.path() + "/morvik_en.hlp");

    for (const QByteArray wert : {"5", "2000", "-1000", "Englisch", ""}) {
        Speichere("[Sprache]\nAktuell=" + wert + "\n");
        texte.Laden();
        EXPECT_EQ(texte.sprache(), Sprache::Deutsch) << wert.constData();
    }
}

TEST_F(TexteTest, UmschaltenSpeichertMeldetUndLaesstAndereZeilenStehen)
{
    Speichere("[Fenster]\nLinks=10\n");
    QSignalSpy gemeldet(&texte, &Texte::spracheGeaendert);
    texte.Setzen(Sprache::Englisch);
    EXPECT_EQ(gemeldet.size(), 1);
    ErwarteTexteIn(1000);
    EXPECT_EQ(Gespeichert(), "[Fenster]\nLinks=10\n[Sprache]\nAktuell=1000\n");
    texte.Setzen(Sprache::Deutsch);
    EXPECT_EQ(Gespeichert(), "[Fenster]\nLinks=10\n[Sprache]\nAktuell=0\n");

    Speichere("[Sprache]\nAktuell=0\n");
    QFile::setPermissions(datei, QFileDevice::ReadOwner);  // a read-only file is written all the same
    texte.Setzen(Sprache::Englisch);
    EXPECT_EQ(Gespeichert(), "[Sprache]\nAktuell=1000\n");
}

TEST_F(TexteTest, VonCDSchaltetOhneZuSchreiben)
{
    umgebung.vonCD = true;
    texte.Setzen(Sprache::Englisch);
    EXPECT_TRUE(texte.englisch());
    ErwarteTexteIn(1000);
    EXPECT_FALSE(QFile::exists(datei));
}

TEST_F(TexteTest, FehlgeschlagenesSchreibenLaesstAlteSpracheStehen)
{
    umgebung.progPfad = ordner.filePath("fehlt");
    QSignalSpy gemeldet(&texte, &Texte::spracheGeaendert);
    try {
        texte.Setzen(Sprache::Englisch);
        FAIL() << "kein Fehler";
    } catch (const Schreibfehler& fehler) {
        EXPECT_EQ(fehler.text(), "nach " + ordner.path() + "/fehlt/options.ini kann nicht geschrieben werden");
    }
    EXPECT_EQ(texte.sprache(), Sprache::Deutsch);
    EXPECT_EQ(gemeldet.size(), 0);
}

} // namespace
