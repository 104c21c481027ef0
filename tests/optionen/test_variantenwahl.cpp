// The variant choice by keyboard and as screen readers see it: three radio buttons in a row.
#include "hilfen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

class Variantenwahl : public EinstellungenTest {
protected:
    void SetUp() override
    {
        EinstellungenTest::SetUp();
        LegeBildAn(QStringLiteral("eins.bmp"));
    }
    static TKlickbild* Bild(TfrmEinstellungen& d, int variante)
    {
        return Teil<TKlickbild>(d, ("imgVariante" + std::to_string(variante)).c_str());
    }
    static QWidget* Fokus() { return QApplication::focusWidget(); }
};

// From the picture list, Shift+Tab walks back to the chosen variant; the arrows step and choose
// (wrapping round), Space chooses, Return takes the dialog's choice.
TEST_F(Variantenwahl, JedeVarianteAlleinMitDerTastatur)
{
    const struct {
        int start;
        std::vector<int> tasten;
        int erwartet;
    } faelle[] = {
        {1, {Qt::Key_Right}, 2},
        {1, {Qt::Key_Right, Qt::Key_Down}, 3},
        {1, {Qt::Key_Left}, 3},
        {3, {Qt::Key_Right}, 1},
        {2, {Qt::Key_Up, Qt::Key_Space}, 1},
        {3, {Qt::Key_Space}, 3},
        {2, {}, 2},
    };
    for (const auto& f : faelle) {
        einstellungen.variante = engine::Variante(f.start);
        auto d = Baue();
        Zeige(*d);
        QApplication::setActiveWindow(d.get());
        Teil<QListWidget>(*d, "FileListBox")->setFocus();
        for (int schritte = 0; schritte < 12 && !qobject_cast<TKlickbild*>(Fokus()); ++schritte)
            QTest::keyClick(Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(Fokus(), Bild(*d, f.start)) << "Shift+Tab reaches the chosen variant, from " << f.start;
        for (int taste : f.tasten)
            QTest::keyClick(Fokus(), Qt::Key(taste));
        EXPECT_EQ(Fokus(), Bild(*d, f.erwartet)) << "the focus goes with the choice, from " << f.start;
        EXPECT_EQ(Teil<QWidget>(*d, "shpVariante")->pos(), QPoint(21 + 120 * (f.erwartet - 1), 22));
        QTest::keyClick(Fokus(), Qt::Key_Return);
        EXPECT_EQ(int(einstellungen.variante), f.erwartet) << "from " << f.start;
    }
}

TEST_F(Variantenwahl, DreiBenannteOptionsfelderNurDasGewaehlteAngekreuzt)
{
    einstellungen.variante = engine::Variante(2);
    auto d = Baue();
    Zeige(*d);
    const char* namen[] = {"Variante 1: leeres Feld", "Variante 2: Zeilen und Spalten", "Variante 3: Achsen"};
    for (int v = 1; v <= 3; ++v) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(Bild(*d, v));
        ASSERT_TRUE(zugang);
        EXPECT_EQ(zugang->role(), QAccessible::RadioButton);
        EXPECT_EQ(zugang->text(QAccessible::Name), namen[v - 1]);
        EXPECT_TRUE(zugang->state().checkable);
        EXPECT_EQ(bool(zugang->state().checked), v == 2) << v;
        EXPECT_EQ(bool(zugang->state().focusable), v == 2) << "Tab reaches only the chosen one, not " << v;
    }

    // A screen reader's press chooses as a click does.
    QAccessibleActionInterface* aktion = QAccessible::queryAccessibleInterface(Bild(*d, 3))->actionInterface();
    ASSERT_TRUE(aktion);
    aktion->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Bild(*d, 3))->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(Bild(*d, 2))->state().checked);

    EXPECT_EQ(QAccessible::queryAccessibleInterface(Teil<QListWidget>(*d, "FileListBox"))->text(QAccessible::Name),
              "Bildmotiv");
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Bild(*d, 3))->text(QAccessible::Name), "Variant 3: axes");
}

} // namespace
