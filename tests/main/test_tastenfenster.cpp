// Help → Keyboard shortcuts: built from the menu's own entries, so a shortcut the menu gains
// shows; the board's keys after them; a table to screen readers.
#include "hauptfenster.h"

#include <QAccessible>
#include <QMenuBar>
#include <QTableWidget>

#include "main/tastenfenster.h"

namespace haupt {
void PrintTo(const Kuerzel& k, std::ostream* os) { *os << (k.menue + " | " + k.befehl + " | " + k.taste).toStdString(); }
} // namespace haupt

namespace {

using haupt::Kuerzel;

TEST_F(Hauptfenster, TastenkuerzelAusDenEintraegenDesMenues)
{
    // The keys' names are Qt's, in the game's language (qt6-translations-l10n).
    QList<Kuerzel> kuerzel = haupt::AlleKuerzel(*frm.menuBar(), texte);
    const QList<Kuerzel> menue{{"Spiel", "Neues Spiel wie zuvor", "F2"},
                               {"Spiel", "Dasselbe Brett noch einmal", "Strg+R"},
                               {"Spiel", "Spielcode kopieren", "Strg+Umschalt+C"},
                               {"Spiel", "Spielcode eingeben …", "Strg+Umschalt+V"},
                               {"Spiel", "Statistik …", "Strg+I"},
                               {"Spiel", "Rückgängig", "Strg+Z"},
                               {"Spiel", "Wiederholen", "Strg+Y; Strg+Umschalt+Z"},
                               {"Optionen", "Tipp", "H"},
                               {"?", "Hilfe", "F1"}};
    EXPECT_EQ(kuerzel.mid(0, menue.size()), menue);
    ASSERT_EQ(kuerzel.size(), menue.size() + 7) << "then the board's seven keys";
    EXPECT_EQ(kuerzel.last(), (Kuerzel{"Spielfeld", "Teilenummern weiterschalten", "N"}));

    // A shortcut the menu gains is listed; the list follows the language.
    Eintrag("mnuPause")->setShortcut(Qt::Key_P);
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    kuerzel = haupt::AlleKuerzel(*frm.menuBar(), texte);
    EXPECT_TRUE(kuerzel.contains(Kuerzel{"Options", "Pause", "P"}));
    EXPECT_TRUE(kuerzel.contains(Kuerzel{"Game", "Undo", "Ctrl+Z"}));
    EXPECT_TRUE(kuerzel.contains(Kuerzel{"Board", "Variant 3: turn counter-clockwise", "Shift+Space or Backspace"}));

    Eintrag("mnuTastenkuerzel")->trigger();
    auto* fenster = frm.findChild<haupt::Tastenfenster*>();
    ASSERT_TRUE(fenster && fenster->isVisible());
    QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(fenster->tabelle());
    ASSERT_TRUE(tabelle && tabelle->tableInterface());
    EXPECT_EQ(tabelle->tableInterface()->rowCount(), kuerzel.size());
    EXPECT_EQ(tabelle->tableInterface()->columnDescription(2), "Key");
    EXPECT_EQ(tabelle->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), "New game as before");
}

} // namespace
