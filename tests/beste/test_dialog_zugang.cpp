// The list of best results as a screen reader reads it: a table of places with their heads,
// though the dialog draws loose labels; the name being entered is named by its place.
#include "dialoghilfen.h"

#include <QAccessible>

namespace {

TEST_F(BestenDialog, ListeIstEineTabelleMitKoepfen)
{
    TListe liste = StandardListe();
    Belege(liste, ListenIndex(1, 4), {{20, 10, u"Erster"}, {30, 80, u"Zweiter"}, {40, 10, u"Dritter"}});
    Speichere(liste);
    auto dialog = NeuesErgebnis(30, 100);  // place 3, the others move down
    QAccessibleInterface* tafel = QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>("tafBeste"));
    ASSERT_TRUE(tafel);
    QAccessibleTableInterface* tabelle = tafel->tableInterface();
    ASSERT_TRUE(tabelle);
    EXPECT_EQ(tafel->role(), QAccessible::Table);
    EXPECT_EQ(tafel->text(QAccessible::Name), "Hier sind die Besten");
    ASSERT_EQ(tabelle->rowCount(), 5);
    ASSERT_EQ(tabelle->columnCount(), 4);
    EXPECT_EQ(tafel->childCount(), 4 + 5 * 4) << "heads and cells, no loose labels";

    const QStringList koepfe{"Platz", "Name", "Züge", "Zeit"};
    const QList<QStringList> zeilen{{"1", "Erster", "20", "10 Sekunden"},
                                    {"2", "Zweiter", "30", "1 Minute 20 Sekunden"},
                                    {"3", "", "30", "1 Minute 40 Sekunden"},
                                    {"4", "Dritter", "40", "10 Sekunden"}};
    for (int spalte = 0; spalte < 4; ++spalte) {
        EXPECT_EQ(tabelle->columnDescription(spalte), koepfe[spalte]);
        for (int zeile = 0; zeile < zeilen.size(); ++zeile) {
            QAccessibleInterface* zelle = tabelle->cellAt(zeile, spalte);
            ASSERT_TRUE(zelle && zelle->tableCellInterface());
            EXPECT_EQ(zelle->text(QAccessible::Name), zeilen[zeile][spalte]) << zeile << "," << spalte;
            EXPECT_EQ(zelle->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), koepfe[spalte]);
            EXPECT_EQ(tafel->indexOfChild(zelle), 4 + zeile * 4 + spalte);
        }
    }
    // The name field says whose place it is; what is typed shows in its cell.
    EXPECT_EQ(dialog->Feld()->accessibleName(), "Name für Platz 3");
    QTest::keyClicks(dialog->Feld(), "Neu");
    EXPECT_EQ(tabelle->cellAt(2, 1)->text(QAccessible::Name), "Neu");
    const QRect feld(dialog->Feld()->mapToGlobal(QPoint(0, 0)), dialog->Feld()->size());
    EXPECT_EQ(tabelle->cellAt(2, 1)->rect(), feld) << "the cell lies where the field is";
}

} // namespace
