// Options → Appearance: the radio group shows the stored choice and stores the player's.
#include <QActionGroup>
#include <QDir>
#include <QFile>

#include "daten/inidatei.h"
#include "hauptfenster.h"

TEST_F(Hauptfenster, ErscheinungsbildWirdGewaehltGespeichertUndBeschriftet)
{
    QMenu* menue = Menue("mnuErscheinungsbild");
    ASSERT_NE(menue, nullptr);
    QStringList eintraege;
    for (QAction* a : menue->actions())
        eintraege << a->text();
    EXPECT_EQ(eintraege, (QStringList{"&System", "&Hell", "&Dunkel"}));
    EXPECT_TRUE(Eintrag("mnuErscheinungSystem")->isChecked());
    ASSERT_NE(Eintrag("mnuErscheinungSystem")->actionGroup(), nullptr);

    Eintrag("mnuErscheinungDunkel")->trigger();
    EXPECT_EQ(vorlieben.erscheinungsbild(), daten::Erscheinungsbild::Dunkel);
    EXPECT_EQ(daten::LiesIniZahl(umgebung.optionsDatei(), "Optionen", "Erscheinungsbild"), 2);
    EXPECT_FALSE(Eintrag("mnuErscheinungSystem")->isChecked());
    Eintrag("mnuEnglish")->trigger();
    EXPECT_EQ(menue->title(), QStringLiteral("Appeara&nce"));
    EXPECT_EQ(Eintrag("mnuErscheinungHell")->text(), QStringLiteral("&Light"));

    // A choice the file does not take: reported, and the mark stays on the stored one.
    ASSERT_TRUE(QFile::remove(umgebung.optionsDatei()));
    ASSERT_TRUE(QDir(umgebung.optionsDatei()).mkpath(QStringLiteral(".")));
    Eintrag("mnuErscheinungHell")->trigger();
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_TRUE(Eintrag("mnuErscheinungDunkel")->isChecked());
    EXPECT_EQ(vorlieben.erscheinungsbild(), daten::Erscheinungsbild::Dunkel);
}
