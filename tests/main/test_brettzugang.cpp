// The board as a screen reader reads it: one child per field, named by tile and place and
// checked when in place, the axes of variant 3, the two counters as read-only texts, and the
// focus following the keyboard's frame and ring.
#include "hauptfenster.h"

#include <QAccessible>
#include <QApplication>

namespace {

class Brettzugang : public Hauptfenster {
protected:
    QAccessibleInterface* Brett() { return QAccessible::queryAccessibleInterface(Spielfeld()); }
    QAccessibleInterface* Kind(int index) { return Brett()->child(index); }
    QString Name(int index) { return Kind(index)->text(QAccessible::Name); }
    bool AmPlatz(int index) { return Kind(index)->state().checked; }
};

TEST_F(Brettzugang, FelderNachTeilUndPlatzZaehlerAlsText)
{
    ASSERT_TRUE(Brett());
    EXPECT_EQ(Brett()->text(QAccessible::Name), "Spielfeld");
    ASSERT_EQ(Brett()->childCount(), 2) << "no game yet: the counters only";
    QAccessibleInterface* zaehlerVorher = Kind(0);

    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, true, 12, 75);
    ASSERT_EQ(Brett()->childCount(), 9 + 2);
    EXPECT_NE(Kind(0), zaehlerVorher) << "a child that was a counter never becomes a field";
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
        EXPECT_FALSE(Kind(f.index)->valueInterface()) << f.name;
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

    // The counters are texts to read, with nothing to set or step, the time in words.
    EXPECT_EQ(Name(9), "Züge: 12");
    for (int index : {9, 10}) {
        EXPECT_EQ(Kind(index)->role(), QAccessible::StaticText);
        EXPECT_TRUE(Kind(index)->state().readOnly);
        EXPECT_FALSE(Kind(index)->valueInterface());
        EXPECT_FALSE(Kind(index)->actionInterface());
    }
    const struct {
        int sekunden;
        const char* name;
    } zeiten[] = {{1, "Zeit: 1 Sekunde"}, {59, "Zeit: 59 Sekunden"}, {60, "Zeit: 1 Minute"},
                  {61, "Zeit: 1 Minute 1 Sekunde"}, {75, "Zeit: 1 Minute 15 Sekunden"}, {121, "Zeit: 2 Minuten 1 Sekunde"}};
    for (const auto& z : zeiten) {
        Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, true, 12, uint16_t(z.sekunden));
        EXPECT_EQ(Name(10), z.name);
    }
}

TEST_F(Brettzugang, EinZugAendertNamenUndZustand)
{
    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, true, 12, 75);
    ASSERT_TRUE(sitzung.Ziehe(Zug{Operation::TeilSchieben, 9, 8}));
    EXPECT_EQ(Name(7), "Teil 8 auf Zeile 3, Spalte 2");
    EXPECT_TRUE(AmPlatz(7));
    EXPECT_EQ(Name(8), "Leeres Feld auf Zeile 3, Spalte 3");
    EXPECT_TRUE(AmPlatz(8)) << "the empty field on its home field";
    EXPECT_EQ(Name(9), "Züge: 13");

    // A larger board has more fields; the counters follow them, in the current language.
    Spiel(2, 4);
    EXPECT_EQ(Brett()->childCount(), 16 + 2);
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(Name(16), "Moves: 0");
    EXPECT_EQ(Name(17), "Time: 0 seconds");
    EXPECT_EQ(Brett()->text(QAccessible::Name), "Board");
    const int teil = spiel().Spielfeld[1];
    EXPECT_EQ(Name(0), QString("Tile %1 at row 1, column 1").arg(teil));
    EXPECT_EQ(AmPlatz(0), teil == 1);
}

// Where Shift+arrow or Space will act, a blind player hears: the field in the frame, the axis in
// the ring is the board's focused child. (Qt 6.4 passes accessibility events on only to a
// platform bridge, which the offscreen platform lacks: the events themselves are checked through
// AT-SPI in tests/install/zugang.py.)
TEST_F(Brettzugang, RahmenUndRingGebenDemFeldOderDerAchseDenFokus)
{
    const struct {
        int variante;
        std::vector<Qt::Key> tasten;
        QStringList gehoert;  // after each key
        int achsen;
    } faelle[] = {
        {2, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down},
         {"auf Zeile 1, Spalte 1", "auf Zeile 1, Spalte 2", "auf Zeile 2, Spalte 2"}, 0},
        {3, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down},
         {"Achse 1: Zeilen 1–2, Spalten 1–2", "Achse 2: Zeilen 1–2, Spalten 2–3", "Achse 4: Zeilen 2–3, Spalten 2–3"}, 4},
    };
    frm.show();
    QApplication::setActiveWindow(&frm);
    for (const auto& f : faelle) {
        Spiel(f.variante, 3);
        ASSERT_EQ(Brett()->childCount(), 9 + f.achsen + 2);
        Spielfeld()->setFocus();
        ASSERT_TRUE(Spielfeld()->hasFocus());
        EXPECT_FALSE(Brett()->focusChild()) << "no frame or ring before the first key";
        for (int i = 0; i < int(f.tasten.size()); ++i) {
            QTest::keyClick(Spielfeld(), f.tasten[size_t(i)]);
            QAccessibleInterface* ziel = Brett()->focusChild();
            ASSERT_TRUE(ziel) << i;
            EXPECT_TRUE(ziel->text(QAccessible::Name).endsWith(f.gehoert[i])) << ziel->text(QAccessible::Name).toStdString();
            EXPECT_TRUE(ziel->state().focused);
        }
        Klick(Qt::LeftButton, 600, 300);  // a click hides the frame or ring
        EXPECT_FALSE(Brett()->focusChild());
    }
}

} // namespace
