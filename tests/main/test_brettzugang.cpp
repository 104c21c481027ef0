// The board as a screen reader reads it: one child per field, named by tile and place and
// checked when in place, and the two counters with their values.
#include "hauptfenster.h"

#include <QAccessible>
#include <QAccessibleValueInterface>

namespace {

class Brettzugang : public Hauptfenster {
protected:
    QAccessibleInterface* Brett() { return QAccessible::queryAccessibleInterface(Spielfeld()); }
    QAccessibleInterface* Kind(int index) { return Brett()->child(index); }
    QString Name(int index) { return Kind(index)->text(QAccessible::Name); }
    bool AmPlatz(int index) { return Kind(index)->state().checked; }
};

TEST_F(Brettzugang, FelderNachTeilUndPlatzZaehlerMitWerten)
{
    ASSERT_TRUE(Brett());
    EXPECT_EQ(Brett()->text(QAccessible::Name), "Spielfeld");
    EXPECT_EQ(Brett()->childCount(), 2) << "no game yet: the counters only";

    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, true, 12, 75);
    ASSERT_EQ(Brett()->childCount(), 9 + 2);
    const struct {
        int index;
        const char* name;
        bool amPlatz;
    } felder[] = {
        {0, "Teil 1 auf Zeile 1, Spalte 1", true},
        {5, "Teil 6 auf Zeile 2, Spalte 3", true},
        {7, "Leeres Feld auf Zeile 3, Spalte 2", false},
        {8, "Teil 8 auf Zeile 3, Spalte 3", false},
    };
    for (const auto& f : felder) {
        EXPECT_EQ(Name(f.index), f.name);
        EXPECT_EQ(Kind(f.index)->role(), QAccessible::Cell) << f.name;
        EXPECT_TRUE(Kind(f.index)->state().checkable) << f.name;
        EXPECT_EQ(AmPlatz(f.index), f.amPlatz) << f.name;
        EXPECT_EQ(Kind(f.index)->text(QAccessible::Description), f.amPlatz ? "an seinem Platz" : "nicht an seinem Platz");
        EXPECT_EQ(Kind(f.index)->parent(), Brett());
        EXPECT_EQ(Brett()->indexOfChild(Kind(f.index)), f.index);
    }
    // Where a field lies on the screen, there the board says it is.
    const QRect feld9 = Kind(8)->rect();
    EXPECT_TRUE(QRect(Spielfeld()->mapToGlobal(QPoint(0, 0)), Spielfeld()->size()).contains(feld9));
    EXPECT_EQ(Brett()->childAt(feld9.center().x(), feld9.center().y()), Kind(8));

    const struct {
        int index;
        const char* name;
        const char* text;
        int wert;
    } zaehler[] = {{9, "Züge", "12", 12}, {10, "Zeit", "01:15", 75}};
    for (const auto& z : zaehler) {
        EXPECT_EQ(Name(z.index), z.name);
        EXPECT_EQ(Kind(z.index)->text(QAccessible::Value), z.text);
        ASSERT_TRUE(Kind(z.index)->valueInterface()) << z.name;
        EXPECT_EQ(Kind(z.index)->valueInterface()->currentValue().toInt(), z.wert);
        EXPECT_EQ(Kind(z.index)->valueInterface()->minimumValue().toInt(), 0);
    }
    EXPECT_EQ(Kind(9)->valueInterface()->maximumValue().toInt(), 9999);
    EXPECT_EQ(Kind(10)->valueInterface()->maximumValue().toInt(), 3599);
}

TEST_F(Brettzugang, EinZugAendertNamenZustandUndZaehler)
{
    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, true, 12, 75);
    QAccessibleInterface* zuege = Kind(9);
    ASSERT_TRUE(sitzung.Ziehe(Zug{Operation::TeilSchieben, 9, 8}));
    EXPECT_EQ(Name(7), "Teil 8 auf Zeile 3, Spalte 2");
    EXPECT_TRUE(AmPlatz(7));
    EXPECT_EQ(Name(8), "Leeres Feld auf Zeile 3, Spalte 3");
    EXPECT_TRUE(AmPlatz(8)) << "the empty field on its home field";
    EXPECT_EQ(zuege->valueInterface()->currentValue().toInt(), 13);

    // A larger board has more fields; the counters follow them, in the current language.
    Spiel(2, 4);
    EXPECT_EQ(Brett()->childCount(), 16 + 2);
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(Name(16), "Moves");
    EXPECT_EQ(Name(17), "Time");
    EXPECT_EQ(Brett()->text(QAccessible::Name), "Board");
    const int teil = spiel().Spielfeld[1];
    EXPECT_EQ(Name(0), QString("Tile %1 at row 1, column 1").arg(teil));
    EXPECT_EQ(AmPlatz(0), teil == 1);
}

} // namespace
