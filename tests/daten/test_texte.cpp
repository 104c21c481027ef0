// The texts speak the player's language, as the preferences hold it, and say when it changed.
#include "daten/texte.h"
#include "daten/textkatalog.h"
#include "daten/zeitansage.h"

#include "dateihilfen.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace daten;

namespace {

class TexteTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Umgebung umgebung{ordner.path(), false, {}};

    void ErwarteTexteIn(const Texte& texte, int versatz)
    {
        for (int id : {text::SystemAnforderung, text::KeineBilder, text::KeinEintrag, text::MaxZeit, text::Zurueck, 200})
            EXPECT_EQ(texte(id), LadeText(id, versatz)) << "id " << id;
    }
};

// The tests run on a German desktop (tests/testmain.cpp).
TEST_F(TexteTest, VonAnfangAnInDerSpracheDerVorlieben)
{
    const struct {
        QByteArray datei;  // empty: no options file
        int versatz;
        const char* hilfe;
    } faelle[] = {{{}, 0, "/morvik_de.hlp"},
                  {"[Sprache]\nAktuell=1000\n", 1000, "/morvik_en.hlp"},
                  {"[Sprache]\nAktuell=7\n", 0, "/morvik_de.hlp"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.datei.constData());
        QFile::remove(ordner.filePath("options.ini"));
        if (!f.datei.isEmpty())
            Schreibe(ordner.filePath("options.ini"), f.datei);
        const Vorlieben vorlieben(umgebung);
        const Texte texte(umgebung, vorlieben);
        ErwarteTexteIn(texte, f.versatz);
        EXPECT_EQ(texte.englisch(), f.versatz == 1000);
        EXPECT_EQ(texte.hilfeDatei(), ordner.path() + f.hilfe);
    }
}

// Told once for each switch of the language, never for another preference or a failed switch.
TEST_F(TexteTest, FolgtDemSprachwechsel)
{
    Vorlieben vorlieben(umgebung);
    const Texte texte(umgebung, vorlieben);
    QSignalSpy gemeldet(&texte, &Texte::spracheGeaendert);
    vorlieben.SpracheSetzen(Sprache::Englisch);
    EXPECT_EQ(gemeldet.size(), 1);
    ErwarteTexteIn(texte, 1000);
    EXPECT_EQ(texte(text::Zurueck), "&Back to the game");
    vorlieben.AnimationSetzen(true);
    vorlieben.TonSetzen(true);
    EXPECT_EQ(gemeldet.size(), 1);

    umgebung.progPfad = ordner.filePath("fehlt");
    EXPECT_THROW(vorlieben.SpracheSetzen(Sprache::Deutsch), Schreibfehler);
    EXPECT_EQ(gemeldet.size(), 1);
    ErwarteTexteIn(texte, 1000);

    umgebung.vonCD = true;
    vorlieben.SpracheSetzen(Sprache::Deutsch);
    EXPECT_EQ(gemeldet.size(), 2);
    ErwarteTexteIn(texte, 0);
}

// Minutes and seconds each take the plural form of their own count, joined as the language joins
// them; German and English say what they always said.
TEST_F(TexteTest, ZeitInWortenMitDenPluralformenDerSprache)
{
    const QByteArray de = "Aktuell=0", en = "Aktuell=1000", pl = "Aktuell=1000\nCode=pl", ru = "Aktuell=1000\nCode=ru";
    const struct {
        QByteArray sprache;
        int sekunden;
        const char* erwartet;
    } faelle[] = {
        {de, 61, "1 Minute 1 Sekunde"}, {de, 125, "2 Minuten 5 Sekunden"}, {de, 120, "2 Minuten"},
        {en, 62, "1 minute 2 seconds"}, {en, 121, "2 minutes 1 second"},   {en, 1, "1 second"},
        {pl, 1, "1 sekunda"},           {pl, 2, "2 sekundy"},              {pl, 5, "5 sekund"},
        {pl, 22, "22 sekundy"},         {pl, 125, "2 minuty i 5 sekund"},  {ru, 1, "1 секунда"},
        {ru, 2, "2 секунды"},           {ru, 5, "5 секунд"},               {ru, 22, "22 секунды"},
        {ru, 21 * 60 + 22, "21 минута 22 секунды"},
    };
    for (const auto& f : faelle) {
        Schreibe(ordner.filePath("options.ini"), "[Sprache]\n" + f.sprache + "\n");
        const Vorlieben vorlieben(umgebung);
        EXPECT_EQ(Zeitansage(Texte(umgebung, vorlieben), f.sekunden), QString::fromUtf8(f.erwartet)) << f.sprache.constData();
    }
}

} // namespace
