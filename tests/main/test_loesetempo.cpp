// Solve in the main window: its speed from the Options menu, and any key stops it.

#include "hauptfenster.h"

namespace {

// Every key stops a solution being played: the board's keys may still do their own work, but no
// move of Solve's follows.
TEST_F(Hauptfenster, JedeTasteHaeltLoesenAn)
{
    Eintrag("mnuLoesetempo16")->trigger();
    const Qt::Key tasten[] = {Qt::Key_A,      Qt::Key_Z,     Qt::Key_Escape, Qt::Key_Left, Qt::Key_Down, Qt::Key_Space,
                              Qt::Key_Return, Qt::Key_Enter, Qt::Key_F3,     Qt::Key_F12,  Qt::Key_Shift, Qt::Key_N};
    for (Qt::Key taste : tasten) {
        SCOPED_TRACE(QKeySequence(taste).toString().toStdString());
        Spiel(3, 6);
        Eintrag("mnuLoesen")->trigger();
        for (int i = 0; i < 500 && spiel().ZugAnzahl == 0; ++i)
            QTest::qWait(10);
        ASSERT_GT(spiel().ZugAnzahl, 0) << "Solve did not begin";
        QTest::keyClick(Spielfeld(), taste);
        EXPECT_FALSE(sitzung.loest());
        const int zuege = spiel().ZugAnzahl;
        QTest::qWait(200);  // three beats at 16 moves a second
        EXPECT_EQ(spiel().ZugAnzahl, zuege);
    }
}

// The speed chosen sets the session's beat, is marked, stored, and taken up by a window started later.
TEST_F(Hauptfenster, LoesetempoAusDemMenue)
{
    EXPECT_EQ(sitzung.loesetakt(), 250);
    for (int tempo : {1, 2, 8, 16, 4}) {
        QAction* eintrag = Eintrag(QStringLiteral("mnuLoesetempo%1").arg(tempo).toLatin1().constData());
        eintrag->trigger();
        EXPECT_TRUE(eintrag->isChecked());
        EXPECT_EQ(vorlieben.loesetempo(), tempo);
        EXPECT_EQ(sitzung.loesetakt(), 1000 / tempo);
    }
    Eintrag("mnuLoesetempo8")->trigger();
    daten::Vorlieben gelesen{umgebung};
    sitzung::Spielsitzung spaeter{zufall};
    sitzung::Spielleitung leitung2{spaeter, nullptr, gelesen, nullptr};
    haupt::TfrmMain zweites{texte, gelesen, leitung2};
    EXPECT_EQ(spaeter.loesetakt(), 125);
}

} // namespace
