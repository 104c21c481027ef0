#include "daten/inidatei.h"
#include "daten/programm.h"
#include "daten/sprache.h"
#include "daten/textkatalog.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

// Every stored text with its id, to check that a load fills each of them from the right id.
const std::vector<std::pair<const QString*, int>> gespeicherteTexte{
    {&TxtSystemAnforderung, 800}, {&TxtSpeicherFehler, 801}, {&TxtCDRom, 802},
    {&TxtDateiFehlt, 803},        {&TxtGrafikFormat, 804},   {&TxtPfadFehlt, 805},
    {&TxtKeineBilder, 806},       {&TxtKeinEintrag, 503},    {&TxtMaxZuege, 504},
    {&TxtMaxZeit, 505},           {&TxtZurueck, 332}};

void ErwarteAlleTexteIn(int sprache)
{
    for (const auto& [text, id] : gespeicherteTexte) {
        EXPECT_FALSE(text->isEmpty()) << "id " << id;
        EXPECT_EQ(*text, LadeText(id, sprache)) << "id " << id;
    }
}

class Sprache : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString altProgPfad = ProgPfad;
    int altVonCD = VonCD;
    QString datei = ordner.filePath("options.ini");

    void SetUp() override
    {
        ProgPfad = ordner.path();
        VonCD = 0;
        AktSprache = 0;
    }
    void TearDown() override
    {
        ProgPfad = altProgPfad;
        VonCD = altVonCD;
        AktSprache = 0;
    }
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
};

TEST_F(Sprache, OhneOptionsdateiDeutschUndKeineDateiAngelegt)
{
    AktSprache = 1000;
    LadeSprache();
    EXPECT_EQ(AktSprache, 0);
    ErwarteAlleTexteIn(0);
    EXPECT_EQ(HilfeDatei, ordner.path() + "/morvik_de.hlp");
    EXPECT_FALSE(QFile::exists(datei));
}

TEST_F(Sprache, GespeichertesEnglischWirdGeladen)
{
    Speichere("[sprache]\nAKTUELL=0x3E8\n");
    LadeSprache();
    EXPECT_EQ(AktSprache, 1000);
    ErwarteAlleTexteIn(1000);
    EXPECT_EQ(TxtZurueck, "&Back to the game");
    EXPECT_EQ(HilfeDatei, ordner.path() + "/morvik_en.hlp");
}

TEST_F(Sprache, AndererGespeicherterWertGiltAlsDeutsch)
{
    for (const QByteArray wert : {"5", "2000", "-1000", "Englisch", ""}) {
        Speichere("[Sprache]\nAktuell=" + wert + "\n");
        AktSprache = 1000;
        LadeSprache();
        EXPECT_EQ(AktSprache, 0) << wert.constData();
        EXPECT_EQ(TxtMaxZuege, LadeText(504, 0));
        EXPECT_EQ(HilfeDatei, ordner.path() + "/morvik_de.hlp");
    }
}

TEST_F(Sprache, UmschaltenSpeichertUndLaedtAlleTexte)
{
    Speichere("[Fenster]\nLinks=10\n");
    SetzeSprache(1000);
    EXPECT_EQ(AktSprache, 1000);
    ErwarteAlleTexteIn(1000);
    EXPECT_EQ(HilfeDatei, ordner.path() + "/morvik_en.hlp");
    EXPECT_EQ(Gespeichert(), "[Fenster]\nLinks=10\n[Sprache]\nAktuell=1000\n");

    SetzeSprache(0);
    ErwarteAlleTexteIn(0);
    EXPECT_EQ(Gespeichert(), "[Fenster]\nLinks=10\n[Sprache]\nAktuell=0\n");
}

TEST_F(Sprache, SchreibgeschuetzteOptionsdateiWirdUeberschrieben)
{
    Speichere("[Sprache]\nAktuell=0\n");
    QFile::setPermissions(datei, QFileDevice::ReadOwner);
    SetzeSprache(1000);
    EXPECT_EQ(Gespeichert(), "[Sprache]\nAktuell=1000\n");
    AktSprache = 0;
    LadeSprache();
    EXPECT_EQ(AktSprache, 1000);
}

TEST_F(Sprache, VonCDSchaltetOhneZuSchreiben)
{
    VonCD = 1;
    SetzeSprache(1000);
    EXPECT_EQ(AktSprache, 1000);
    ErwarteAlleTexteIn(1000);
    EXPECT_FALSE(QFile::exists(datei));
}

TEST_F(Sprache, FehlgeschlagenesSchreibenLaesstAlteSpracheStehen)
{
    LadeSprache();
    int aufrufe = 0;
    QObject besitzer;
    TextempfaengerAnmelden(&besitzer, [&] { ++aufrufe; });
    ProgPfad = ordner.filePath("fehlt");
    try {
        SetzeSprache(1000);
        FAIL() << "kein Fehler";
    } catch (const Schreibfehler& fehler) {
        EXPECT_EQ(fehler.text(), "nach " + ordner.path() + "/fehlt/options.ini kann nicht geschrieben werden");
    }
    EXPECT_EQ(AktSprache, 0);
    ErwarteAlleTexteIn(0);
    EXPECT_EQ(HilfeDatei, ordner.path() + "/morvik_de.hlp");
    EXPECT_EQ(aufrufe, 0);
}

TEST_F(Sprache, EmpfaengerSehenDieNeuenTexte)
{
    QString gesehen;
    int aufrufe = 0;
    auto besitzer = std::make_unique<QObject>();
    TextempfaengerAnmelden(besitzer.get(), [&] {
        ++aufrufe;
        gesehen = LadeText(200, AktSprache) + "|" + TxtZurueck;
    });
    SetzeSprache(1000);
    EXPECT_EQ(aufrufe, 1);
    EXPECT_EQ(gesehen, "Hall of fame|&Back to the game");
    LadeSprache();
    EXPECT_EQ(aufrufe, 2);

    besitzer.reset();
    SetzeSprache(0);
    EXPECT_EQ(aufrufe, 2);
}

TEST_F(Sprache, EmpfaengerDarfWeitereAnmelden)
{
    QObject besitzer;
    bool angemeldet = false;
    int innere = 0;
    TextempfaengerAnmelden(&besitzer, [&] {
        if (!angemeldet)
            TextempfaengerAnmelden(&besitzer, [&] { ++innere; });
        angemeldet = true;
    });
    LadeSprache();
    EXPECT_EQ(innere, 0); // joins from the next load on
    LadeSprache();
    EXPECT_EQ(innere, 1);
}

} // namespace
