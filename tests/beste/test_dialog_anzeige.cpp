// Showing the list: what a player sees when opening the dialog from the menu.
#include "dialoghilfen.h"

#include <QImage>
#include <QRegularExpression>

#include "kunst.h"

namespace {

constexpr int ListeV1G4 = ListenIndex(1, 4);
constexpr int ListeV2G4 = ListenIndex(2, 4);
constexpr int ListeV1G5 = ListenIndex(1, 5);

void ErwarteZeile(const TPruefDialog& dialog, int platz, const QString& name, const QString& zuege,
                  const QString& zeit)
{
    const std::string n = std::to_string(platz);
    EXPECT_EQ(dialog.Text(("Name" + n).c_str()), name) << "place " << platz;
    EXPECT_EQ(dialog.Text(("S" + n).c_str()), zuege) << "place " << platz;
    EXPECT_EQ(dialog.Text(("Z" + n).c_str()), zeit) << "place " << platz;
}

} // namespace

TEST_F(BestenDialog, ZeigtNurDieListeDerAktuellenVarianteUndGroesse)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{12, 65, u"Anna"}, {15, 600, u"Bernd"}});
    Belege(liste, ListeV2G4, {{40, 3599, u"Carla"}});
    Belege(liste, ListeV1G5, {{7, 5, u"Dora"}});
    Speichere(liste);

    auto dialog = Dialog();
    dialog->Oeffne();
    ErwarteZeile(*dialog, 1, "Anna", "12", "01:05");
    ErwarteZeile(*dialog, 2, "Bernd", "15", "10:00");
    for (int platz = 3; platz <= 5; ++platz)
        ErwarteZeile(*dialog, platz, "", "0", "00:00");
    EXPECT_FALSE(dialog->Feld()->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->Knopf("btnOK"));
    dialog->Knopf("btnOK")->click();

    variante = engine::Variante(2);
    dialog->Oeffne();
    ErwarteZeile(*dialog, 1, "Carla", "40", "59:59");
    ErwarteZeile(*dialog, 2, "", "0", "00:00");
}

TEST_F(BestenDialog, NurOKSchliesstDenDialog)
{
    auto dialog = NeuesErgebnis(10, 20);
    QTest::keyClick(dialog->Feld(), Qt::Key_Escape);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);

    QTest::keyClick(dialog->Feld(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(BestenDialog, EnterAufLoeschenBestaetigtStattZuLoeschen)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{12, 65, u"Anna"}});
    Speichere(liste);
    const QByteArray vorher = DateiBytes();

    auto dialog = Dialog();
    dialog->Oeffne();
    dialog->Knopf("btnLoeschen")->setFocus();
    QTest::keyClick(dialog->Knopf("btnLoeschen"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(DateiBytes(), vorher);
    EXPECT_EQ(dialog->liste().Zuege[ListeV1G4][1], 12);
    EXPECT_TRUE(dialog->meldungen.empty());
}

TEST_F(BestenDialog, BrettgroesseVorDemTextUndTexteInBeidenSprachen)
{
    auto dialog = Dialog();
    dialog->Oeffne();
    EXPECT_EQ(dialog->windowTitle(), "Hier sind die Besten");
    EXPECT_EQ(dialog->Knopf("btnLoeschen")->text(), "&Löschen");
    EXPECT_EQ(dialog->Text("lblUeberschrift"), "Name" + QString(27, ' ') + "Züge" + QString(6, ' ') + "Zeit");
    EXPECT_EQ(dialog->Text("lblTeileAnzahl"), "4x4 Teile");
    dialog->Knopf("btnOK")->click();
    groesse = 6;
    dialog->Oeffne();
    EXPECT_EQ(dialog->Text("lblTeileAnzahl"), "6x6 Teile");
    dialog->Knopf("btnOK")->click();

    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    EXPECT_EQ(dialog->windowTitle(), "Hall of fame");
    EXPECT_EQ(dialog->Knopf("btnLoeschen")->text(), "&Delete");
    EXPECT_EQ(dialog->Knopf("btnOK")->text(), "&OK");
    EXPECT_EQ(dialog->Text("lblUeberschrift"), "Name" + QString(25, ' ') + "Moves" + QString(4, ' ') + "Time");
    EXPECT_EQ(dialog->Text("lblTeileAnzahl"), "    Pieces");
    dialog->Oeffne();
    EXPECT_EQ(dialog->Text("lblTeileAnzahl"), "6x6 Pieces");
}

// The dialog builds its widgets when first opened; a language chosen before that still counts.
TEST_F(BestenDialog, SpracheVorDemErstenOeffnenGiltBeimOeffnen)
{
    auto dialog = Dialog();
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    dialog->Oeffne();
    EXPECT_EQ(dialog->windowTitle(), "Hall of fame");
    EXPECT_EQ(dialog->Text("lblTeileAnzahl"), "4x4 Pieces");
}

TEST_F(BestenDialog, SymbolDerVarianteAusDerSymbolleiste)
{
    const QImage leiste = kunst::Bild(QStringLiteral("imgSymbol"));
    if (leiste.isNull())
        GTEST_SKIP() << "art not built";
    auto dialog = Dialog();
    for (int nummer : {3, 1, 2}) {
        variante = engine::Variante(nummer);
        dialog->Oeffne();
        const QImage gezeigt = dialog->findChild<QLabel*>("imgForm")->pixmap().toImage();
        EXPECT_EQ(gezeigt.convertToFormat(QImage::Format_ARGB32),
                  leiste.copy(40 * (nummer - 1), 0, 40, 40).convertToFormat(QImage::Format_ARGB32))
            << "variant " << nummer;
        dialog->Knopf("btnOK")->click();
    }
}

// The place numbers are painted by the program itself: each must stand in its row.
TEST_F(BestenDialog, PlatznummernStehenInIhrenZeilen)
{
    auto dialog = Dialog();
    dialog->Oeffne();
    const QImage bild = dialog->findChild<QWidget*>("pnlHintergrund")->grab().toImage();
    for (int platz = 1; platz <= 5; ++platz) {
        const int oben = 70 + 34 * (platz - 1);
        int weissOben = -1;
        int weissUnten = -1;
        for (int y = oben - 17; y < oben + 30; ++y)
            for (int x = 25; x < 44; ++x)
                if (qGray(bild.pixel(x, y)) > 200) {
                    if (weissOben < 0)
                        weissOben = y;
                    weissUnten = y;
                }
        ASSERT_GE(weissOben, 0) << "no number for place " << platz;
        EXPECT_GE(weissOben, oben - 3) << "place " << platz;
        EXPECT_LE(weissUnten, oben + 13) << "place " << platz;
    }
}

// Hand-made files can hold values the program never writes: each row still shows them on its line.
TEST_F(BestenDialog, HandgemachteZahlenStehenGanzInIhrerZelleUeblicheWieImmer)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{65535, 65535, u"Anna"}, {9999, 3599, u"Bernd"}, {10000, 6000, u"Carla"}});
    Speichere(liste);
    auto dialog = Dialog();
    dialog->Oeffne();
    ErwarteZeile(*dialog, 1, "Anna", "65535", "1092:15");
    ErwarteZeile(*dialog, 3, "Carla", "10000", "100:00");
    const QFont zeilenschrift = dialog->findChild<QLabel*>("Name1")->font();
    for (const QLabel* zelle : dialog->findChildren<QLabel*>(QRegularExpression("^[SZ]\\d$"))) {
        const std::string name = zelle->objectName().toStdString();
        EXPECT_LE(QFontMetrics(zelle->font()).horizontalAdvance(zelle->text()), zelle->contentsRect().width()) << name;
        EXPECT_EQ(zelle->size(), QSize(name[0] == 'S' ? 30 : 33, 13)) << name;
        EXPECT_EQ(zelle->font() == zeilenschrift, name[1] != '1' && name[1] != '3') << name;
    }
    dialog->Knopf("btnLoeschen")->click();
    EXPECT_EQ(dialog->findChild<QLabel*>("S1")->font(), zeilenschrift);
    EXPECT_EQ(dialog->findChild<QLabel*>("Z1")->font(), zeilenschrift);
}

TEST_F(BestenDialog, HandgemachteSteuerzeichenImNamenErscheinenAlsZeichenAufEinerZeile)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{12, 65, u""}, {15, 70, u"Bernd"}});
    liste.Namen[ListeV1G4][1] = {8, 'A', '\n', 'B', '\t', 'C', '\r', 0x7F, 0x00, 'x'};
    Speichere(liste);
    const QByteArray vorher = DateiBytes();
    auto dialog = Dialog();
    dialog->Oeffne();
    const auto* name = dialog->findChild<QLabel*>("Name1");
    const QString text = name->text();
    ASSERT_EQ(text.size(), 8);
    EXPECT_EQ(QString(text[0]) + text[2] + text[4], "ABC");
    for (int k : {1, 3, 5, 6, 7}) {
        EXPECT_TRUE(text[k] >= u' ' && text[k] != u'\x7F') << k;
        EXPECT_FALSE(ZeichenErlaubt(text[k].unicode())) << k << ": a sign a player could have typed";
        EXPECT_TRUE(QFontMetrics(name->font()).inFont(text[k])) << k << ": not in the font";
    }
    EXPECT_EQ(name->height(), dialog->findChild<QLabel*>("Name2")->height());
    EXPECT_EQ(dialog->liste(), liste);
    dialog->Knopf("btnOK")->click();
    EXPECT_EQ(DateiBytes(), vorher);
}
