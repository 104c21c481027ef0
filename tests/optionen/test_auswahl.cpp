// The choices of the dialog: what a showing loads, what OK writes, what leaving keeps.
#include "hilfen.h"

#include "optionen/bausteine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

class Auswahl : public EinstellungenTest {
protected:
    void SetUp() override
    {
        EinstellungenTest::SetUp();
        LegeBildAn(QStringLiteral("eins.bmp"));
        LegeBildAn(QStringLiteral("zwei.bmp"), Qt::blue);
    }
    static QRadioButton* Item(TfrmEinstellungen& d, int index)
    {
        return static_cast<QRadioButton*>(Teil<QButtonGroup>(d, "rdgTeileAnzahlItems")->button(index));
    }
};

TEST_F(Auswahl, FreiesFeldZufallNurBeiDerSchiebevariante)
{
    for (uint8_t variante : {2, 3}) {
        einstellungen.variante = engine::Variante(variante);
        auto d = Baue();
        Zeige(*d);
        EXPECT_FALSE(Teil<QCheckBox>(*d, "chkPosZufall")->isEnabled()) << "Variante " << int(variante);
    }

    einstellungen.variante = engine::Variante(3);
    auto d = Baue();
    Zeige(*d);
    Teil<QCheckBox>(*d, "chkPosZufall")->setChecked(true);
    QTest::mouseClick(Teil<TKlickbild>(*d, "imgVariante1"), Qt::LeftButton);
    EXPECT_TRUE(Teil<QCheckBox>(*d, "chkPosZufall")->isEnabled());
    EXPECT_EQ(Teil<QWidget>(*d, "shpVariante")->pos(), QPoint(21, 22));
    QTest::mouseClick(Teil<TKlickbild>(*d, "imgVariante2"), Qt::LeftButton);
    EXPECT_FALSE(Teil<QCheckBox>(*d, "chkPosZufall")->isEnabled());
    EXPECT_EQ(Teil<QWidget>(*d, "shpVariante")->pos(), QPoint(141, 22));
    EXPECT_TRUE(Teil<QCheckBox>(*d, "chkPosZufall")->isChecked()) << "the check state is not the variant's to change";

    QTest::mouseClick(Teil<TKlickbild>(*d, "imgVariante1"), Qt::RightButton);
    EXPECT_EQ(Teil<QWidget>(*d, "shpVariante")->pos(), QPoint(141, 22)) << "only a left click chooses";
}

TEST_F(Auswahl, RahmenLaesstKlicksZumBildDurch)
{
    einstellungen.variante = engine::Variante(1);
    auto d = Baue();
    Zeige(*d);
    QSignalSpy klicks(Teil<TKlickbild>(*d, "imgVariante1"), &TKlickbild::geklickt);
    // Through the window, so the click lands on whatever lies on top at that point.
    const QPoint mitte = Teil<TKlickbild>(*d, "imgVariante1")->mapTo(d.get(), Teil<TKlickbild>(*d, "imgVariante1")->rect().center());
    ASSERT_TRUE(Teil<QWidget>(*d, "shpVariante")->geometry().contains(Teil<QWidget>(*d, "shpVariante")->parentWidget()->mapFrom(d.get(), mitte)));
    QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {}, mitte);
    EXPECT_EQ(klicks.count(), 1);
}

TEST_F(Auswahl, OKSchreibtJedenWert)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(Teil<TKlickbild>(*d, "imgVariante3"), Qt::LeftButton);
    Item(*d, 3)->click();
    Teil<QCheckBox>(*d, "chkVorschau")->setChecked(true);
    Teil<QCheckBox>(*d, "chkSWBild")->setChecked(true);
    Teil<QCheckBox>(*d, "chkPosZufall")->setChecked(true);
    Teil<QListWidget>(*d, "FileListBox")->setCurrentRow(1);
    QTest::mouseClick(Teil<QPushButton>(*d, "btnOK"), Qt::LeftButton);

    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(einstellungen.variante, engine::Variante(3));
    EXPECT_EQ(einstellungen.groesse, 6);
    EXPECT_FALSE(einstellungen.vorschau);
    EXPECT_TRUE(einstellungen.swBild);
    EXPECT_TRUE(einstellungen.posZufall) << "taken also from the disabled box";
    EXPECT_EQ(einstellungen.bilddatei, Bilder() + QStringLiteral("/zwei.bmp"));
}

TEST_F(Auswahl, TeileAnzahlUndVorschauAbbilden)
{
    const int groessen[] = {3, 4, 5, 6};
    for (int index = 0; index < 4; ++index) {
        einstellungen.groesse = 3;
        einstellungen.vorschau = index % 2 == 1;
        auto d = Baue();
        Zeige(*d);
        EXPECT_EQ(Teil<QCheckBox>(*d, "chkVorschau")->isChecked(), index % 2 == 0) << "the box asks to hide the preview";
        Item(*d, index)->click();
        Teil<QCheckBox>(*d, "chkVorschau")->setChecked(index % 2 == 1);
        Teil<QPushButton>(*d, "btnOK")->click();
        EXPECT_EQ(einstellungen.groesse, groessen[index]);
        EXPECT_EQ(einstellungen.vorschau, index % 2 == 0);
    }
}

TEST_F(Auswahl, EnterBestaetigt)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(Teil<TKlickbild>(*d, "imgVariante2"), Qt::LeftButton);
    QTest::keyClick(Teil<QListWidget>(*d, "FileListBox"), Qt::Key_Return);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(einstellungen.variante, engine::Variante(2));
}

// Changes every control; returns the picture chosen.
QString AendereAlles(TfrmEinstellungen& d)
{
    QTest::mouseClick(Teil<TKlickbild>(d, "imgVariante2"), Qt::LeftButton);
    Teil<QButtonGroup>(d, "rdgTeileAnzahlItems")->button(0)->click();
    Teil<QCheckBox>(d, "chkVorschau")->toggle();
    Teil<QCheckBox>(d, "chkSWBild")->toggle();
    Teil<QCheckBox>(d, "chkPosZufall")->toggle();
    Teil<QListWidget>(d, "FileListBox")->setCurrentRow(1);
    return Teil<QListWidget>(d, "FileListBox")->currentItem()->text();
}

TEST_F(Auswahl, VerlassenOhneOKAendertNichtsUndNaechsteAnzeigeLaedtNeu)
{
    einstellungen.variante = engine::Variante(1);
    einstellungen.groesse = 5;
    einstellungen.vorschau = true;
    einstellungen.swBild = false;
    einstellungen.posZufall = false;
    einstellungen.bilddatei = "vorher.bmp";

    enum class Weg { Zurueck, Escape, Schliessfeld };
    for (Weg weg : {Weg::Zurueck, Weg::Escape, Weg::Schliessfeld}) {
        SCOPED_TRACE(int(weg));
        auto d = Baue();
        d->ZurueckModus();
        Zeige(*d);
        const bool posZufall = !Teil<QCheckBox>(*d, "chkPosZufall")->isChecked();
        const QString gewaehlt = AendereAlles(*d);
        if (weg == Weg::Zurueck)
            QTest::mouseClick(Teil<QPushButton>(*d, "btnAbbruch"), Qt::LeftButton);
        else if (weg == Weg::Escape)
            QTest::keyClick(Teil<QListWidget>(*d, "FileListBox"), Qt::Key_Escape);
        else
            d->close();

        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(beendet, 0);
        EXPECT_EQ(einstellungen.variante, engine::Variante(1));
        EXPECT_EQ(einstellungen.groesse, 5);
        EXPECT_TRUE(einstellungen.vorschau);
        EXPECT_FALSE(einstellungen.swBild);
        EXPECT_FALSE(einstellungen.posZufall);
        EXPECT_EQ(einstellungen.bilddatei, "vorher.bmp");

        Zeige(*d);
        EXPECT_EQ(Teil<QWidget>(*d, "shpVariante")->x(), 21);
        EXPECT_TRUE(Teil<QCheckBox>(*d, "chkPosZufall")->isEnabled());
        EXPECT_TRUE(Item(*d, 2)->isChecked());
        EXPECT_FALSE(Teil<QCheckBox>(*d, "chkVorschau")->isChecked());
        EXPECT_FALSE(Teil<QCheckBox>(*d, "chkSWBild")->isChecked());
        EXPECT_EQ(Teil<QCheckBox>(*d, "chkPosZufall")->isChecked(), posZufall) << "kept from the last showing";
        EXPECT_EQ(Teil<QListWidget>(*d, "FileListBox")->currentItem()->text(), gewaehlt) << "kept from the last showing";
    }
}

class Modus : public Auswahl {};

TEST_F(Modus, BeendenKnopfUndEscBeendenDasProgramm)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(Teil<QPushButton>(*d, "btnAbbruch"), Qt::LeftButton);
    EXPECT_EQ(d->result(), TfrmEinstellungen::Abbruch);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(beendet, 1);

    Zeige(*d);
    QTest::keyClick(Teil<QListWidget>(*d, "FileListBox"), Qt::Key_Escape);
    EXPECT_EQ(d->result(), TfrmEinstellungen::Abbruch);
    EXPECT_EQ(beendet, 2);

    Zeige(*d);
    d->close();
    EXPECT_EQ(d->result(), QDialog::Rejected) << "the close box never ends the program";
    EXPECT_EQ(beendet, 2);
}

// The real modal loop: the activation puts the focus on the list, and Esc there ends the
// loop with the exit result.
TEST_F(Modus, ModalerLaufEndetMitAbbruch)
{
    auto d = Baue();
    QWidget* fokus = nullptr;
    QTimer::singleShot(0, d.get(), [&] {
        QTimer::singleShot(0, d.get(), [&] {
            fokus = d->focusWidget();
            QTest::keyClick(Teil<QListWidget>(*d, "FileListBox"), Qt::Key_Escape);
        });
    });
    QTimer::singleShot(5000, d.get(), [&] { d->done(-1); });  // a safety net, not a limit
    EXPECT_EQ(d->exec(), TfrmEinstellungen::Abbruch);
    EXPECT_EQ(fokus, Teil<QListWidget>(*d, "FileListBox"));
    EXPECT_EQ(beendet, 1);
}

} // namespace
