// The end of a game in the main window with the real dialogs: the high-score entry, the
// message when a result is not good enough, the move limit, and the clock behind dialogs.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "beste/bestenliste.h"
#include "beste/frmbestenliste.h"
#include "daten/textkatalog.h"
#include "hauptfenster.h"
#include "main/hilfefenster.h"
#include "optionen/einstellungen.h"

namespace {

// Runs `schritt` on the modal dialog as soon as it is open.
void WennModal(std::function<void(QWidget*)> schritt)
{
    QTimer::singleShot(0, [schritt] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            WennModal(schritt);  // not open yet
            return;
        }
        schritt(dialog);
    });
}

class Spielende : public Hauptfenster {
protected:
    Spielende()
    {
        frm.DialogeSetzen(&einstellungen, &dialog);
        // Once shown, the offscreen platform knows the dialog's frame, as a window manager would.
        dialog.show();
        dialog.hide();
    }

    // A 3 x 3 board one slide from solved: tile 8 in field 9, field 8 empty.
    void FastGeloest(uint16_t sekunden = 0) { Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8}, false, 0, sekunden); }
    // Five results of one move each in the 3 x 3 list of variant 1: nothing enters any more.
    void VolleListe()
    {
        for (int platz = 1; platz <= 5; ++platz)
            bestenliste.Eintragen({Variante::Schieben, 3, 1, 0});
    }
    void LoesenderKlick() { Klick(Qt::LeftButton, 57 + 240 + 60, 56 + 240 + 60); }

    QByteArray Datei() const
    {
        QFile f(ordner.filePath("morvik.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    daten::Bilddienst bilder;
    optionen::TfrmEinstellungen einstellungen{umgebung, texte, vorlieben, bilder, {[](QWidget*, const QString&) {}, [] {}}, &frm};
    beste::Bestenliste bestenliste{umgebung};
    beste::TfrmBestenListe dialog{bestenliste, texte, &frm};
};

} // namespace

TEST_F(Spielende, GeloestesSpielNimmtDenNamenInDieBestenlisteAuf)
{
    FastGeloest(42);
    QPoint dialogLage, feldLage;
    bool feldSichtbar = false;
    WennModal([&](QWidget* dialog) {
        dialogLage = dialog->frameGeometry().topLeft() - frm.frameGeometry().topLeft();
        auto* eintrag = dialog->findChild<QLineEdit*>(QStringLiteral("Eintrag"));
        ASSERT_NE(eintrag, nullptr);
        feldSichtbar = eintrag->isVisible();
        feldLage = eintrag->pos();
        QTest::keyClicks(eintrag, QStringLiteral("Sonnenkind Nummer 1"));  // 19 characters, 12 kept
        QTest::keyClick(eintrag, Qt::Key_Return);
    });
    LoesenderKlick();

    EXPECT_EQ(spiel().phase, Phase::Vorbei);
    EXPECT_FALSE(Spielfeld()->isEnabled());
    EXPECT_EQ(Spielfeld()->width(), 755);
    EXPECT_EQ(Kopie().copy(57, 56, 360, 360), Original());  // the missing tile too
    EXPECT_TRUE(feldSichtbar);
    EXPECT_EQ(feldLage.y(), 70);
    EXPECT_EQ(dialogLage, QPoint(69, 110));
    EXPECT_TRUE(meldungen.empty());

    const QByteArray datei = Datei();
    ASSERT_EQ(datei.size(), 1360);
    EXPECT_EQ(datei.mid(65, 13), QByteArray("\x0c" "Sonnenkind N", 13));
    EXPECT_EQ(uint8_t(datei[1050]), 1);  // list 1, place 1: one move
    EXPECT_EQ(uint8_t(datei[1210]), 42);
}

TEST_F(Spielende, ZuSchwachesErgebnisBekommtNurEineMeldung)
{
    VolleListe();
    FastGeloest(5);
    LoesenderKlick();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, daten::LadeText(503, 0));
    EXPECT_EQ(meldungen[0].second, frm.frameGeometry().topLeft() + QPoint(100, 235));
    EXPECT_EQ(spiel().phase, Phase::Vorbei);
    EXPECT_TRUE(Datei().isEmpty());  // nothing saved
}

TEST_F(Spielende, Zug9999OhneLoesungBeendetDasSpielMitMeldung)
{
    Spiel(2, 4, {2, 1}, false, 9998);
    Klick(Qt::LeftButton, 30, 300);  // row 3: still unsolved
    ASSERT_NE(spiel().phase, Phase::Laeuft);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, daten::LadeText(504, 0));
    EXPECT_EQ(meldungen[0].second, frm.frameGeometry().topLeft() + QPoint(100, 215));
    EXPECT_FALSE(Spielfeld()->isEnabled());
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_EQ(Spielfeld()->width(), 755);
    EXPECT_EQ(Kopie().copy(57, 56, 360, 360), Original());
}

TEST_F(Spielende, UhrTicktWeiterWaehrendEinModalerDialogOffenIst)
{
    Spiel(3, 4);
    Klick(Qt::LeftButton, 57 + 90, 56 + 90);
    ASSERT_TRUE(sitzung.uhrLaeuft());
    WennModal([](QWidget* dialog) { QTimer::singleShot(2600, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); }); });
    Eintrag("mnuBestenliste")->trigger();
    EXPECT_GE(spiel().Sekunden, 2);
}

TEST_F(Spielende, EinstellungenOhneVorschauMachenDasFensterSchmal)
{
    WennModal([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("chkVorschau"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    Eintrag("mnuNeuesSpiel")->trigger();
    EXPECT_FALSE(sitzung.einstellungen().vorschau);
    EXPECT_EQ(Spielfeld()->width(), 474);
    EXPECT_EQ(spiel().phase, Phase::Aufgebaut);
    EXPECT_TRUE(Spielfeld()->isEnabled());

    // Cancelling the next dialog changes nothing.
    const auto brett = spiel().Spielfeld;
    WennModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    Eintrag("mnuNeuesSpiel")->trigger();
    EXPECT_EQ(spiel().Spielfeld, brett);
    EXPECT_EQ(Spielfeld()->width(), 474);
}

// However the settings close, the keys go to the board, for the keyboard and for screen readers.
TEST_F(Spielende, NachDenEinstellungenHatDasBrettDieTasten)
{
    const auto brettHatDieTasten = [this] {
        for (int i = 0; i < 200 && QApplication::focusWidget() != Spielfeld(); ++i)
            QTest::qWait(10);
        return QApplication::focusWidget() == Spielfeld();
    };
    WennModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click(); });
    frm.show();  // the first showing opens the settings dialog
    EXPECT_TRUE(brettHatDieTasten());

    frm.menuBar()->setFocus();
    WennModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    Eintrag("mnuNeuesSpiel")->trigger();
    EXPECT_TRUE(brettHatDieTasten());
}

TEST_F(Spielende, StartdialogWirdDanachZumRueckweg)
{
    EXPECT_FALSE(einstellungen.IstZurueckModus());
    WennModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });  // the close box
    frm.show();  // the first showing opens the settings dialog
    for (int i = 0; i < 200 && !einstellungen.IstZurueckModus(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(einstellungen.IstZurueckModus());
    EXPECT_FALSE(Spielfeld()->isEnabled());  // no game was set up
}

TEST_F(Spielende, InfoBoxUndHilfe)
{
    QPoint lage;
    QString titel, lizenz, mitwirkende;
    WennModal([&](QWidget* box) {
        lage = box->pos();
        titel = box->windowTitle();
        lizenz = box->findChild<QLabel*>("lblLizenz")->text();
        mitwirkende = box->findChild<QLabel*>("lblMitwirkende")->text();
        static_cast<QDialog*>(box)->accept();
    });
    Eintrag("mnuInfo")->trigger();
    const QRect fenster = frm.frameGeometry();
    EXPECT_EQ(lage, haupt::InfoBoxDlg::Lage({fenster.left() + (fenster.width() - 285) / 2, fenster.top() + (fenster.height() - 392) / 2},
                                     frm.screen()->size()));
    EXPECT_EQ(titel, QStringLiteral("Info über Tavelor"));
    // The licence beside the classic texts, linked to its text, and whose the art is.
    EXPECT_TRUE(lizenz.contains("GPL-3.0-or-later")) << lizenz.toStdString();
    EXPECT_TRUE(lizenz.contains("href=\"https://www.gnu.org/licenses/gpl-3.0.html\""));
    EXPECT_EQ(mitwirkende, QStringLiteral("Bilder, Töne und Übersetzungen sind eigene Werke des Projekts."));

    QFile hilfe(ordner.filePath("morvik_de.hlp"));
    ASSERT_TRUE(hilfe.open(QIODevice::WriteOnly));
    hilfe.write("<html><body><h1>Hilfe zu Tavelor</h1><p>Schieben, drehen, gewinnen.</p></body></html>");
    hilfe.close();
    Eintrag("mnuHilfe")->trigger();
    auto* fensterHilfe = frm.findChild<haupt::Hilfefenster*>();
    ASSERT_NE(fensterHilfe, nullptr);
    EXPECT_TRUE(fensterHilfe->isVisible());
    EXPECT_TRUE(fensterHilfe->anzeige()->toPlainText().contains(QStringLiteral("Schieben, drehen, gewinnen.")));

    vorlieben.SpracheSetzen(daten::Sprache::Englisch);  // there is no English help in this folder
    Eintrag("mnuHilfe")->trigger();
    EXPECT_TRUE(fensterHilfe->anzeige()->toPlainText().contains(QStringLiteral("morvik_en.hlp could not be found")));
}

TEST_F(Spielende, ToeneNurMitAudioausgabeUndEingeschaltetemTon)
{
    Spiel(2, 4);
    Klick(Qt::LeftButton, 30, 100);  // sound switched off: silent, and no question to the audio system
    EXPECT_TRUE(toene.empty());
    EXPECT_EQ(audioFragen, 0);
    Eintrag("mnuTon")->trigger();
    ASSERT_TRUE(Eintrag("mnuTon")->isChecked());
    EXPECT_EQ(audioFragen, 1);
    Klick(Qt::LeftButton, 30, 100);
    EXPECT_EQ(toene, std::vector<QString>{QStringLiteral("ton1.wav")});
    Eintrag("mnuTon")->trigger();
    Eintrag("mnuTon")->trigger();
    EXPECT_EQ(audioFragen, 1);  // asked once per run

    VolleListe();
    FastGeloest();
    toene.clear();
    LoesenderKlick();  // solved, but not good enough
    EXPECT_EQ(toene, (std::vector<QString>{QStringLiteral("ton1.wav"), QStringLiteral("ton3.wav")}));

    bestenliste.Loeschen(beste::ListenIndex(Variante::Schieben, 3));
    FastGeloest();
    toene.clear();
    WennModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click(); });
    LoesenderKlick();
    EXPECT_EQ(toene, (std::vector<QString>{QStringLiteral("ton1.wav"), QStringLiteral("ton2.wav")}));
}

TEST_F(Spielende, OhneAudioausgabeBleibtEsStillWasDerSchalterAuchSagt)
{
    audioVorhanden = false;
    Spiel(2, 4);
    Eintrag("mnuTon")->trigger();
    ASSERT_TRUE(Eintrag("mnuTon")->isChecked());
    Klick(Qt::LeftButton, 30, 100);
    EXPECT_TRUE(toene.empty());
    EXPECT_EQ(audioFragen, 1);
}

// A hint marks the move for a moment; a game solved with help enters no list.
TEST_F(Spielende, TippZeigtDenZugUndMitHilfeGibtEsKeinenEintrag)
{
    FastGeloest();
    Eintrag("mnuTipp")->trigger();
    // The solver answers from a thread of its own: the window goes on meanwhile.
    const auto markiert = [this] {
        return Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(57 + 240 + 1, 56 + 240 + 60);
    };
    for (int i = 0; i < 500 && markiert() != haupt::Markierfarbe; ++i)
        QTest::qWait(10);
    EXPECT_EQ(markiert(), haupt::Markierfarbe) << "frame round field 9";
    QTest::qWait(1700);
    EXPECT_EQ(Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32), Kopie().copy(0, 0, 474, 475))
        << "gone again";
    LoesenderKlick();
    EXPECT_EQ(spiel().phase, Phase::Vorbei);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, daten::LadeText(506, 0));
    EXPECT_EQ(Datei(), QByteArray()) << "no entry was saved";
}

// Solve plays every move, counted; a click stops it.
TEST_F(Spielende, LoesenSpieltZugUmZugUndEinKlickHaeltAn)
{
    Spiel(2, 3);
    Eintrag("mnuLoesen")->trigger();
    for (int i = 0; i < 500 && spiel().ZugAnzahl == 0; ++i)
        QTest::qWait(10);
    Klick(Qt::LeftButton, 600, 300);  // beside the board: stops the solution
    const int gemacht = spiel().ZugAnzahl;
    EXPECT_GE(gemacht, 1);
    QTest::qWait(600);
    EXPECT_EQ(spiel().ZugAnzahl, gemacht);

    Eintrag("mnuLoesen")->trigger();
    for (int i = 0; i < 200 && spiel().phase != Phase::Vorbei; ++i)
        QTest::qWait(50);
    EXPECT_EQ(spiel().phase, Phase::Vorbei);
    EXPECT_TRUE(engine::Geloest(spiel()));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, daten::LadeText(506, 0));
}
