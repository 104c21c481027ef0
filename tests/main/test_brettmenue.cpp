// The same board again and game codes through the menu: asked as F2 asks, and a code that
// cannot be played is said and changes nothing.
#include "hauptfenster.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

TEST_F(Hauptfenster, DasselbeBrettUndSpielcodeAusDemMenue)
{
    EXPECT_FALSE(Eintrag("mnuNochEinmal")->isEnabled());
    Spiel(2, 4, {2, 1});
    const Spielstand start = spiel();
    EXPECT_TRUE(Eintrag("mnuNochEinmal")->isEnabled());
    EXPECT_EQ(Eintrag("mnuNochEinmal")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    Klick(Qt::LeftButton, 30, 100);
    ASSERT_EQ(spiel().ZugAnzahl, 1);
    Eintrag("mnuNochEinmal")->trigger();
    EXPECT_EQ(fragen, 1);
    EXPECT_EQ(spiel(), start);

    Eintrag("mnuCodeKopieren")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    ASSERT_TRUE(text.startsWith(QStringLiteral("TAV1-24")));
    Klick(Qt::LeftButton, 30, 100);
    const Spielstand vorher = spiel();
    code = text;
    (*code)[7] = text[7] == u'0' ? u'1' : u'0';  // a typo in the first field
    Eintrag("mnuCodeEingeben")->trigger();
    EXPECT_EQ(codevorschlaege, QStringList{text});
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, texte(daten::text::codes::Pruefung));
    EXPECT_EQ(spiel(), vorher);
    EXPECT_EQ(fragen, 1);
    code = text;
    Eintrag("mnuCodeEingeben")->trigger();
    EXPECT_EQ(fragen, 2);
    EXPECT_EQ(spiel(), start);
    EXPECT_EQ(sitzung.schnappschuss().herkunft.spielcode, text);
}

} // namespace
