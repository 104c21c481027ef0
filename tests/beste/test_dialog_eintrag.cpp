// A new result: its place, the name field, saving and its failures.
#include "dialoghilfen.h"

#include "beste/namen.h"

namespace {

constexpr int ListeV1G4 = ListenIndex(1, 4);
constexpr int ListeV1G5 = ListenIndex(1, 5);
constexpr int ListeV2G4 = ListenIndex(2, 4);

QString NameIn(const TListe& liste, int d, int platz)
{
    return NameAlsText(liste.Namen[d][platz]);
}

} // namespace

TEST_F(BestenDialog, ErsterEintragInLeereListeUndNameAufDerPlatte)
{
    auto dialog = NeuesErgebnis(77, 123);
    QLineEdit* feld = dialog->Feld();
    EXPECT_EQ(dialog->Platz(), 1);
    EXPECT_TRUE(feld->isVisible());
    EXPECT_EQ(feld->geometry(), QRect(70, 70, 137, 13));
    EXPECT_EQ(dialog->focusWidget(), feld);
    EXPECT_EQ(dialog->Text("S1"), "77");
    EXPECT_EQ(dialog->Text("Z1"), "02:03");
    EXPECT_EQ(dialog->Text("S2"), "0");
    EXPECT_EQ(dialog->Text("Z2"), "00:00");

    Tippe(feld, QStringLiteral("Jürgen€"));
    QTest::keyClicks(feld, "abcdefghij");
    EXPECT_EQ(feld->text(), QStringLiteral("Jürgen€abcde"));

    QTest::keyClick(feld, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    const TListe gespeichert = Gespeichert();
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 1), QStringLiteral("Jürgen€abcde"));
    EXPECT_EQ(gespeichert.Zuege[ListeV1G4][1], 77);
    EXPECT_EQ(gespeichert.Zeiten[ListeV1G4][1], 123);
    EXPECT_EQ(gespeichert, dialog->liste());
    EXPECT_TRUE(dialog->meldungen.empty());
}

TEST_F(BestenDialog, NeuerPlatzDreiLiegtUeberDemVerschobenenNamen)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{20, 10, u"Erster"}, {30, 80, u"Zweiter"}, {40, 10, u"Dritter"}, {50, 10, u"Vierter"}});
    Speichere(liste);

    auto dialog = NeuesErgebnis(30, 100);
    EXPECT_EQ(dialog->Platz(), 3);
    EXPECT_EQ(dialog->Feld()->geometry(), QRect(70, 138, 137, 13));
    EXPECT_EQ(dialog->Feld()->text(), "");
    EXPECT_EQ(dialog->Text("Name3"), "Dritter");
    EXPECT_EQ(dialog->Text("S3"), "30");
    EXPECT_EQ(dialog->Text("Z3"), "01:40");
    EXPECT_EQ(dialog->Text("Name4"), "Dritter");
    EXPECT_EQ(dialog->Text("S4"), "40");
    EXPECT_EQ(dialog->Text("Name5"), "Vierter");
    EXPECT_EQ(dialog->Text("S5"), "50");

    QTest::keyClicks(dialog->Feld(), "Neu");
    QTest::mouseClick(dialog->Knopf("btnOK"), Qt::LeftButton);
    const TListe gespeichert = Gespeichert();
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 2), "Zweiter");
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 3), "Neu");
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 4), "Dritter");
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 5), "Vierter");
}

TEST_F(BestenDialog, LoeschenWaehrendEinesEintragsLeertDieListeUndOKSpeichertErneut)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{20, 10, u"Erster"}, {30, 80, u"Zweiter"}});
    Belege(liste, ListeV2G4, {{5, 5, u"Andere"}});
    Speichere(liste);

    auto dialog = NeuesErgebnis(25, 30);
    QTest::keyClicks(dialog->Feld(), "Xaver");
    QTest::mouseClick(dialog->Knopf("btnLoeschen"), Qt::LeftButton);
    EXPECT_FALSE(dialog->Feld()->isVisible());
    EXPECT_EQ(dialog->Feld()->text(), "");
    for (const char* name : {"Name1", "Name2", "Name3"})
        EXPECT_EQ(dialog->Text(name), "") << name;
    EXPECT_EQ(dialog->Text("S2"), "0");
    EXPECT_TRUE(dialog->isVisible());

    TListe gespeichert = Gespeichert();
    for (int platz = 1; platz <= 5; ++platz)
        EXPECT_EQ(gespeichert.Zuege[ListeV1G4][platz], 0) << "place " << platz;
    EXPECT_EQ(NameIn(gespeichert, ListeV2G4, 1), "Andere");

    // OK saves once more: the file comes back.
    ASSERT_TRUE(QFile::remove(DateiPfad()));
    dialog->Knopf("btnOK")->click();
    gespeichert = Gespeichert();
    EXPECT_TRUE(QFile::exists(DateiPfad()));
    EXPECT_EQ(gespeichert.Zuege[ListeV1G4][1], 0);
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 1), "");
    EXPECT_EQ(gespeichert.Zuege[ListeV2G4][1], 5);
    EXPECT_TRUE(dialog->meldungen.empty());
}

TEST_F(BestenDialog, VonCDMeldetUndLaesstDieDateiUnberuehrt)
{
    TListe liste = StandardListe();
    Belege(liste, ListeV1G4, {{20, 10, u"Erster"}});
    Speichere(liste);
    const QByteArray vorher = DateiBytes();
    umgebung.vonCD = true;

    auto dialog = Dialog();
    dialog->move(200, 150);
    dialog->Oeffne(10, 5);
    QTest::keyClicks(dialog->Feld(), "Neu");
    QTest::keyClick(dialog->Feld(), Qt::Key_Return);

    ASSERT_EQ(dialog->meldungen.size(), 1u);
    EXPECT_EQ(dialog->meldungen[0].art, QMessageBox::Information);
    EXPECT_EQ(dialog->meldungen[0].text, LadeText(802, 0));
    EXPECT_EQ(dialog->meldungen[0].ecke, dialog->pos() + QPoint(15, 100));
    EXPECT_EQ(DateiBytes(), vorher);
    EXPECT_EQ(NameIn(dialog->liste(), ListeV1G4, 1), "Neu");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BestenDialog, SchreibfehlerMeldetUndDerNaechsteSpeichervorgangHoltIhnNach)
{
    const QString blockiert = ordner.filePath("blockiert");
    QFile platzhalter(blockiert);
    ASSERT_TRUE(platzhalter.open(QIODevice::WriteOnly));
    platzhalter.close();

    auto dialog = Dialog();
    dialog->move(300, 120);
    umgebung.progPfad = blockiert;  // a file where the folder should be: nobody can write there
    dialog->Oeffne(40, 50);
    QTest::keyClicks(dialog->Feld(), "Ida");
    QTest::keyClick(dialog->Feld(), Qt::Key_Return);

    ASSERT_EQ(dialog->meldungen.size(), 1u);
    EXPECT_EQ(dialog->meldungen[0].art, QMessageBox::Critical);
    EXPECT_EQ(dialog->meldungen[0].text, LadeText(801, 0));
    EXPECT_EQ(dialog->meldungen[0].ecke, dialog->pos() + QPoint(20, 60));
    EXPECT_EQ(NameIn(dialog->liste(), ListeV1G4, 1), "Ida");
    EXPECT_FALSE(dialog->isVisible());

    umgebung.progPfad = ordner.path();
    groesse = 5;
    dialog->Oeffne(90, 95);
    QTest::keyClicks(dialog->Feld(), "Jan");
    QTest::keyClick(dialog->Feld(), Qt::Key_Return);
    const TListe gespeichert = Gespeichert();
    EXPECT_EQ(NameIn(gespeichert, ListeV1G4, 1), "Ida");
    EXPECT_EQ(gespeichert.Zuege[ListeV1G4][1], 40);
    EXPECT_EQ(NameIn(gespeichert, ListeV1G5, 1), "Jan");
    EXPECT_EQ(dialog->meldungen.size(), 1u);
}
