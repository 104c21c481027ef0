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
        return static_cast<QRadioButton*>(d.rdgTeileAnzahlItems->button(index));
    }
};

TEST_F(Auswahl, FreiesFeldZufallNurBeiDerSchiebevariante)
{
    for (uint8_t variante : {2, 3}) {
        spiel.Variante = variante;
        auto d = Baue();
        Zeige(*d);
        EXPECT_FALSE(d->chkPosZufall->isEnabled()) << "Variante " << int(variante);
    }

    spiel.Variante = 3;
    auto d = Baue();
    Zeige(*d);
    d->chkPosZufall->setChecked(true);
    QTest::mouseClick(d->imgVariante1, Qt::LeftButton);
    EXPECT_TRUE(d->chkPosZufall->isEnabled());
    EXPECT_EQ(d->shpVariante->pos(), QPoint(21, 22));
    QTest::mouseClick(d->imgVariante2, Qt::LeftButton);
    EXPECT_FALSE(d->chkPosZufall->isEnabled());
    EXPECT_EQ(d->shpVariante->pos(), QPoint(141, 22));
    EXPECT_TRUE(d->chkPosZufall->isChecked()) << "the check state is not the variant's to change";

    QTest::mouseClick(d->imgVariante1, Qt::RightButton);
    EXPECT_EQ(d->shpVariante->pos(), QPoint(141, 22)) << "only a left click chooses";
}

TEST_F(Auswahl, RahmenLaesstKlicksZumBildDurch)
{
    spiel.Variante = 1;
    auto d = Baue();
    Zeige(*d);
    QSignalSpy klicks(d->imgVariante1, &TKlickbild::geklickt);
    // Through the window, so the click lands on whatever lies on top at that point.
    const QPoint mitte = d->imgVariante1->mapTo(d.get(), d->imgVariante1->rect().center());
    ASSERT_TRUE(d->shpVariante->geometry().contains(d->shpVariante->parentWidget()->mapFrom(d.get(), mitte)));
    QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {}, mitte);
    EXPECT_EQ(klicks.count(), 1);
}

TEST_F(Auswahl, OKSchreibtJedenWert)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(d->imgVariante3, Qt::LeftButton);
    Item(*d, 3)->click();
    d->chkVorschau->setChecked(true);
    d->chkSWBild->setChecked(true);
    d->chkPosZufall->setChecked(true);
    d->FileListBox->setCurrentRow(1);
    QTest::mouseClick(d->btnOK, Qt::LeftButton);

    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(spiel.Variante, 3);
    EXPECT_EQ(spiel.Groesse, 6);
    EXPECT_EQ(spiel.Vorschau, 0);
    EXPECT_EQ(spiel.SWBild, 1);
    EXPECT_EQ(spiel.PosZufall, 1) << "taken also from the disabled box";
    EXPECT_EQ(QString::fromStdString(spiel.Bilddatei), Bilder() + QStringLiteral("/zwei.bmp"));
}

TEST_F(Auswahl, TeileAnzahlUndVorschauAbbilden)
{
    const int groessen[] = {3, 4, 5, 6};
    for (int index = 0; index < 4; ++index) {
        spiel.Groesse = 3;
        spiel.Vorschau = uint8_t(index % 2);
        auto d = Baue();
        Zeige(*d);
        EXPECT_EQ(d->chkVorschau->isChecked(), index % 2 == 0) << "the box asks to hide the preview";
        Item(*d, index)->click();
        d->chkVorschau->setChecked(index % 2 == 1);
        d->btnOK->click();
        EXPECT_EQ(spiel.Groesse, groessen[index]);
        EXPECT_EQ(spiel.Vorschau, index % 2 == 1 ? 0 : 1);
    }
}

TEST_F(Auswahl, EnterBestaetigt)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(d->imgVariante2, Qt::LeftButton);
    QTest::keyClick(d->FileListBox, Qt::Key_Return);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(spiel.Variante, 2);
}

// Changes every control; returns the picture chosen.
QString AendereAlles(TfrmEinstellungen& d)
{
    QTest::mouseClick(d.imgVariante2, Qt::LeftButton);
    d.rdgTeileAnzahlItems->button(0)->click();
    d.chkVorschau->toggle();
    d.chkSWBild->toggle();
    d.chkPosZufall->toggle();
    d.FileListBox->setCurrentRow(1);
    return d.FileListBox->currentItem()->text();
}

TEST_F(Auswahl, VerlassenOhneOKAendertNichtsUndNaechsteAnzeigeLaedtNeu)
{
    spiel.Variante = 1;
    spiel.Groesse = 5;
    spiel.Vorschau = 1;
    spiel.SWBild = 0;
    spiel.PosZufall = 0;
    spiel.Bilddatei = "vorher.bmp";

    enum class Weg { Zurueck, Escape, Schliessfeld };
    for (Weg weg : {Weg::Zurueck, Weg::Escape, Weg::Schliessfeld}) {
        SCOPED_TRACE(int(weg));
        auto d = Baue();
        d->ZurueckModus();
        Zeige(*d);
        const bool posZufall = !d->chkPosZufall->isChecked();
        const QString gewaehlt = AendereAlles(*d);
        if (weg == Weg::Zurueck)
            QTest::mouseClick(d->btnAbbruch, Qt::LeftButton);
        else if (weg == Weg::Escape)
            QTest::keyClick(d->FileListBox, Qt::Key_Escape);
        else
            d->close();

        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(beendet, 0);
        EXPECT_EQ(spiel.Variante, 1);
        EXPECT_EQ(spiel.Groesse, 5);
        EXPECT_EQ(spiel.Vorschau, 1);
        EXPECT_EQ(spiel.SWBild, 0);
        EXPECT_EQ(spiel.PosZufall, 0);
        EXPECT_EQ(spiel.Bilddatei, "vorher.bmp");

        Zeige(*d);
        EXPECT_EQ(d->shpVariante->x(), 21);
        EXPECT_TRUE(d->chkPosZufall->isEnabled());
        EXPECT_TRUE(Item(*d, 2)->isChecked());
        EXPECT_FALSE(d->chkVorschau->isChecked());
        EXPECT_FALSE(d->chkSWBild->isChecked());
        EXPECT_EQ(d->chkPosZufall->isChecked(), posZufall) << "kept from the last showing";
        EXPECT_EQ(d->FileListBox->currentItem()->text(), gewaehlt) << "kept from the last showing";
    }
}

class Modus : public Auswahl {};

TEST_F(Modus, BeendenKnopfUndEscBeendenDasProgramm)
{
    auto d = Baue();
    Zeige(*d);
    QTest::mouseClick(d->btnAbbruch, Qt::LeftButton);
    EXPECT_EQ(d->result(), TfrmEinstellungen::Abbruch);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(beendet, 1);

    Zeige(*d);
    QTest::keyClick(d->FileListBox, Qt::Key_Escape);
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
            QTest::keyClick(d->FileListBox, Qt::Key_Escape);
        });
    });
    QTimer::singleShot(5000, d.get(), [&] { d->done(-1); });  // a safety net, not a limit
    EXPECT_EQ(d->exec(), TfrmEinstellungen::Abbruch);
    EXPECT_EQ(fokus, d->FileListBox);
    EXPECT_EQ(beendet, 1);
}

} // namespace
