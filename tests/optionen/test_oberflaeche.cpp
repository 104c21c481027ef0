// Captions in both languages, the window itself, the error box and what the player sees.
#include "hilfen.h"

#include "optionen/bausteine.h"
#include "optionen/fehlermeldung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

class Oberflaeche : public EinstellungenTest {
protected:
    void SetUp() override
    {
        EinstellungenTest::SetUp();
        LegeBildAn(QStringLiteral("a.bmp"));
    }
    static QStringList Beschriftungen(const TfrmEinstellungen& d)
    {
        QStringList texte{d.windowTitle(), d.gpbVariante->title(), d.rdgTeileAnzahl->title()};
        for (QAbstractButton* item : d.rdgTeileAnzahlItems->buttons())
            texte << item->text();
        texte << d.gpbMotiv->title() << d.chkSWBild->text() << d.chkVorschau->text() << d.chkPosZufall->text()
              << d.btnOK->text() << d.btnAbbruch->text();
        return texte;
    }
};

TEST_F(Oberflaeche, BeschriftungenFolgenDerSprache)
{
    auto d = Baue();
    const QStringList deutsch{"Einstellungen", "Variante", "Anzahl Teile", "9 Teile", "16 Teile", "25 Teile",
                              "36 Teile", "Bildmotiv", "Bild in schwarzweiß umwandeln",
                              "Vorschaubild im Spiel ausblenden", "Freies Feld durch Zufall bestimmen", "&OK",
                              "Spiel &beenden"};
    EXPECT_EQ(Beschriftungen(*d), deutsch);

    SetzeSprache(1000);
    EXPECT_EQ(Beschriftungen(*d),
              (QStringList{"Settings", "Version", "Number of pieces", "9 pieces", "16 pieces", "25 pieces",
                           "36 pieces", "Image subject", "Convert image into a black-and-white image",
                           "Hide preview display during the game", "Select empty field randomly", "&OK",
                           "E&xit game"}));

    SetzeSprache(0);
    EXPECT_EQ(Beschriftungen(*d), deutsch);
}

TEST_F(Oberflaeche, JedeBeschriftungPasstInIhrFeld)
{
    auto d = Baue();
    for (bool zurueck : {false, true}) {
        if (zurueck)
            d->ZurueckModus();
        for (int sprache : {0, 1000}) {
            SetzeSprache(sprache);
            for (const QAbstractButton* knopf : d->findChildren<QAbstractButton*>())
                EXPECT_LE(knopf->sizeHint().width(), knopf->width())
                    << sprache << " " << knopf->text().toStdString();
        }
    }
}

TEST_F(Oberflaeche, SprachwechselBehaeltDenZurueckModus)
{
    auto d = Baue();
    d->ZurueckModus();
    SetzeSprache(1000);
    EXPECT_EQ(d->btnAbbruch->text(), QStringLiteral("&Back to the game"));
    SetzeSprache(0);
    EXPECT_EQ(d->btnAbbruch->text(), QStringLiteral("&Zurück zum Spiel"));
    Zeige(*d);
    d->btnAbbruch->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(beendet, 0);
}

TEST_F(Oberflaeche, FensterMitSchliessfeldOhneMinimierenUndFesteGroesse)
{
    auto d = Baue();
    const Qt::WindowFlags flags = d->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(d->minimumSize(), QSize(420, 430));
    EXPECT_EQ(d->maximumSize(), QSize(420, 430));
}

TEST_F(Oberflaeche, TabFolge)
{
    spiel.Groesse = 6;
    auto d = Baue();
    Zeige(*d);
    QApplication::setActiveWindow(d.get());
    d->rdgTeileAnzahlItems->button(3)->setFocus();
    const QList<QWidget*> erwartet{d->chkVorschau, d->FileListBox, d->chkPosZufall, d->chkSWBild, d->btnOK,
                                   d->btnAbbruch};
    for (QWidget* naechstes : erwartet) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes) << naechstes->objectName().toStdString();
    }
}

// Tab and Shift+Tab enter the size group on its checked item; Space there keeps the size,
// the arrow keys choose another.
TEST_F(Oberflaeche, TabInDieGroessenwahlTrifftDasGewaehlteTeil)
{
    spiel.Groesse = 5;
    auto d = Baue();
    Zeige(*d);
    QApplication::setActiveWindow(d.get());
    QAbstractButton* gewaehlt = d->rdgTeileAnzahlItems->button(2);
    d->btnAbbruch->setFocus();
    QTest::keyClick(d->btnAbbruch, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), gewaehlt);
    d->chkVorschau->setFocus();
    QTest::keyClick(d->chkVorschau, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), gewaehlt);
    QTest::keyClick(gewaehlt, Qt::Key_Space);
    EXPECT_EQ(d->rdgTeileAnzahlItems->checkedId(), 2);
    QTest::keyClick(gewaehlt, Qt::Key_Right);
    EXPECT_EQ(d->rdgTeileAnzahlItems->checkedId(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d->chkVorschau);
}

TEST_F(Oberflaeche, FehlermeldungIstFehlerboxMitOKMittigAufDemSchirm)
{
    const QRect schirm(100, 50, 1000, 700);
    auto box = BaueFehlermeldung(nullptr, QStringLiteral("Zeile 1\n\nZeile 2"), schirm);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Fehler"));
    EXPECT_EQ(box->text(), QStringLiteral("Zeile 1\n\nZeile 2"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    const QPoint mitte = box->geometry().center();
    EXPECT_LE((mitte - schirm.center()).manhattanLength(), 2);
}

// The yellow frame shows around the chosen picture. With TAVELOR_BILD set, the dialog is
// also saved in both languages as PNGs with that prefix, to look at.
TEST_F(Oberflaeche, RahmenUmDieGewaehlteVariante)
{
    spiel.Variante = 2;
    auto d = Baue();
    d->ZurueckModus();
    Zeige(*d);
    const QImage bild = d->grab().toImage();
    if (const QString datei = qEnvironmentVariable("TAVELOR_BILD"); !datei.isEmpty()) {
        bild.save(datei + QStringLiteral("_de.png"));
        SetzeSprache(1000);
        d->grab().save(datei + QStringLiteral("_en.png"));
    }

    const QColor gelb(255, 255, 0);
    const QPoint ecke = d->gpbVariante->mapTo(d.get(), QPoint(141, 22));
    for (const QPoint p : {QPoint(0, 0), QPoint(2, 50), QPoint(103, 103), QPoint(50, 101)})
        EXPECT_EQ(bild.pixelColor(ecke + p), gelb) << p.x() << "," << p.y();
    const QPoint alteEcke = d->gpbVariante->mapTo(d.get(), QPoint(21, 22));
    EXPECT_NE(bild.pixelColor(alteEcke + QPoint(1, 50)), gelb);
}

} // namespace
