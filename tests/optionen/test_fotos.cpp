// Photos in the settings dialog: the crop choice shown and stored, pictures picked from anywhere,
// previews that come late for a file no longer selected dropped, and the "too large" message.
#include "hilfen.h"

#include "daten/vorlieben.h"
#include "optionen/bildsuche.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImageReader>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

class Fotos : public EinstellungenTest {
protected:
    QTemporaryDir woanders;  // where the player's photos lie

    // 400 x 300: a red column left and a blue one right, each 50 wide, green between.
    static QImage VierZuDrei()
    {
        QImage bild(400, 300, QImage::Format_RGB32);
        bild.fill(Qt::green);
        QPainter maler(&bild);
        maler.fillRect(0, 0, 50, 300, Qt::red);
        maler.fillRect(350, 0, 50, 300, Qt::blue);
        return bild;
    }

    static QColor Ecke(const TfrmEinstellungen& d)
    {
        WarteAufVorschau(d);
        return Teil<QLabel>(d, "imgVorschau")->pixmap().toImage().pixelColor(0, 0);
    }

    // Clicks a file in the chooser's list, as the player does, once the list has it.
    static void KlickeAufDatei(QFileDialog& waehler, const QString& pfad)
    {
        auto* liste = waehler.findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(liste, nullptr);
        auto* modell = qobject_cast<QFileSystemModel*>(liste->model());
        ASSERT_NE(modell, nullptr);
        QModelIndex eintrag;
        for (int i = 0; i < 500 && !(eintrag = modell->index(pfad)).isValid(); ++i)
            QTest::qWait(10);
        for (int i = 0; i < 500 && liste->visualRect(eintrag).isEmpty(); ++i)
            QTest::qWait(10);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(eintrag).center());
    }

    // The chooser's preview once it shows a picture other than `vorher` (at most five seconds).
    static QImage Suchvorschau(const QFileDialog& waehler, QColor vorher = {})
    {
        auto* vorschau = waehler.findChild<QLabel*>(QStringLiteral("imgSuchvorschau"));
        for (int i = 0; i < 500 && vorschau; ++i) {
            const QImage bild = vorschau->pixmap().toImage();
            if (!bild.isNull() && bild.pixelColor(bild.width() / 2, bild.height() / 2) != vorher)
                return bild;
            QTest::qWait(10);
        }
        return {};
    }

    // Runs `schritt` on the file chooser once it is open.
    static void ImWaehler(std::function<void(QFileDialog*)> schritt)
    {
        QTimer::singleShot(10, [schritt] {
            auto* waehler = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!waehler)
                return ImWaehler(schritt);
            schritt(waehler);
        });
    }
};

TEST_F(Fotos, ZuschnittZeigtDieMitteUndWirdGespeichert)
{
    LegeBilderordnerAn();
    ASSERT_TRUE(VierZuDrei().save(Bilder() + QStringLiteral("/foto.png")));
    umgebung.vonCD = false;
    auto d = Baue();
    Zeige(*d);
    auto* zuschnitt = Teil<QCheckBox>(*d, "chkZuschnitt");
    EXPECT_FALSE(zuschnitt->isChecked()) << "stretching is the default";
    EXPECT_EQ(Ecke(*d), QColor(Qt::red));
    zuschnitt->setChecked(true);
    EXPECT_EQ(Ecke(*d), QColor(Qt::green)) << "the preview shows the board's square at once";
    EXPECT_EQ(bilder.zuschnitt(), daten::Zuschnitt::Strecken) << "only OK takes it";
    Teil<QPushButton>(*d, "btnOK")->click();
    EXPECT_EQ(bilder.zuschnitt(), daten::Zuschnitt::Mitte);
    EXPECT_EQ(vorlieben.zuschnitt(), daten::Zuschnitt::Mitte);
    EXPECT_EQ(daten::Vorlieben(umgebung).zuschnitt(), daten::Zuschnitt::Mitte) << "stored";
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();

    // A new dialog (the next start) takes the stored choice.
    bilder.ZuschnittSetzen(daten::Zuschnitt::Strecken);
    auto neu = Baue();
    Zeige(*neu);
    EXPECT_TRUE(Teil<QCheckBox>(*neu, "chkZuschnitt")->isChecked());
    EXPECT_EQ(Ecke(*neu), QColor(Qt::green));
}

TEST_F(Fotos, AbbrechenLaesstDenZuschnitt)
{
    LegeBildAn(QStringLiteral("a.bmp"));
    auto d = Baue();
    d->ZurueckModus();
    Zeige(*d);
    Teil<QCheckBox>(*d, "chkZuschnitt")->setChecked(true);
    Teil<QPushButton>(*d, "btnAbbruch")->click();
    EXPECT_EQ(bilder.zuschnitt(), daten::Zuschnitt::Strecken);
    Zeige(*d);
    EXPECT_FALSE(Teil<QCheckBox>(*d, "chkZuschnitt")->isChecked()) << "the next showing starts from what holds";
}

// The chooser (Qt's own here: the offscreen platform has no other) lists the picture kinds,
// shows a preview of the file under the cursor, and its choice joins the own pictures.
TEST_F(Fotos, BildSuchenNimmtDasBildAufWieEinAbgelegtes)
{
    LegeBildAn(QStringLiteral("Anker.bmp"), Qt::green);
    QImage katze(64, 48, QImage::Format_RGB32);
    katze.fill(Qt::blue);
    const QString pfad = woanders.filePath(QStringLiteral("Katze.JPG"));
    ASSERT_TRUE(katze.save(pfad, "JPEG"));
    // The desktop's Pictures folder, as user-dirs.dirs names it.
    QTemporaryDir konfiguration, bilderordner;
    QFile benutzerordner(konfiguration.filePath("user-dirs.dirs"));
    ASSERT_TRUE(benutzerordner.open(QIODevice::WriteOnly));
    benutzerordner.write("XDG_PICTURES_DIR=\"" + bilderordner.path().toUtf8() + "\"\n");
    benutzerordner.close();
    const QByteArray vorher = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toUtf8());
    umgebung.vonCD = false;
    auto d = Baue();
    Zeige(*d);
    QStringList filter;
    QColor suchvorschau;
    QString erster;
    ImWaehler([&](QFileDialog* waehler) {
        erster = waehler->directory().absolutePath();
        filter = waehler->nameFilters();
        waehler->setDirectory(woanders.path());
        KlickeAufDatei(*waehler, pfad);
        suchvorschau = Suchvorschau(*waehler).pixelColor(80, 80);
        for (int i = 0; i < 500 && waehler->isVisible(); ++i) {
            QMetaObject::invokeMethod(waehler, "accept");  // as the Open button does
            QTest::qWait(10);
        }
        if (waehler->isVisible())
            waehler->reject();  // fails below rather than hanging
    });
    Teil<QPushButton>(*d, "btnSuchen")->click();
    WarteAufVorschau(*d);
    vorher.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", vorher);

    EXPECT_EQ(erster, bilderordner.path()) << "the first time in the Pictures folder";
    EXPECT_EQ(daten::Vorlieben(umgebung).suchordner(), woanders.path()) << "then where the picture came from";
    ASSERT_EQ(filter.size(), 1);
    for (const char* muster : {"*.bmp", "*.png", "*.jpg", "*.JPG", "*.jpeg"})
        EXPECT_TRUE(filter[0].contains(QLatin1String(muster))) << muster;
    EXPECT_LT(std::abs(suchvorschau.blue() - 255) + suchvorschau.red() + suchvorschau.green(), 30) << "preview in the chooser";
    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Katze.JPG"}));
    EXPECT_EQ(Teil<QListWidget>(*d, "FileListBox")->currentItem()->text(), QStringLiteral("Katze.JPG"));
    EXPECT_TRUE(QFile::exists(Bilder() + QStringLiteral("/Katze.JPG"))) << "copied among the own pictures";
    EXPECT_TRUE(QFile::exists(pfad)) << "the original stays";
    EXPECT_GT(VorschauFarbe(*d).blue(), 200);
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
}

// The preview follows the selection, made by a click, by the keys or by typing the name, and
// is decoded at its own small size.
TEST_F(Fotos, SuchvorschauFolgtDerAuswahl)
{
    LegeBildAn(QStringLiteral("Anker.bmp"), Qt::green);
    QImage rot(3200, 2400, QImage::Format_RGB32), gelb(64, 48, QImage::Format_RGB32);
    rot.fill(Qt::red);
    gelb.fill(Qt::yellow);
    ASSERT_TRUE(rot.save(woanders.filePath(QStringLiteral("a_rot.jpg")), "JPEG"));
    ASSERT_TRUE(gelb.save(woanders.filePath(QStringLiteral("b_gelb.png")), "PNG"));
    auto d = Baue();
    Zeige(*d);
    QList<QColor> farben;
    QSize vorschaugroesse;
    ImWaehler([&](QFileDialog* waehler) {
        waehler->setDirectory(woanders.path());
        KlickeAufDatei(*waehler, woanders.filePath(QStringLiteral("a_rot.jpg")));
        const QImage erste = Suchvorschau(*waehler);
        farben << erste.pixelColor(80, 80);
        vorschaugroesse = erste.size();
        auto* liste = waehler->findChild<QListView*>(QStringLiteral("listView"));
        QTest::keyClick(liste, Qt::Key_Down);
        farben << Suchvorschau(*waehler, farben.last()).pixelColor(80, 80);
        auto* name = waehler->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setFocus();
        name->clear();
        QTest::keyClicks(name, QStringLiteral("a_rot.jpg"));
        farben << Suchvorschau(*waehler, farben.last()).pixelColor(80, 80);
        waehler->reject();
    });
    Teil<QPushButton>(*d, "btnSuchen")->click();
    WarteAufVorschau(*d);
    ASSERT_EQ(farben.size(), 3);
    EXPECT_GT(farben[0].red(), 200) << "clicked";
    EXPECT_GT(farben[1].green(), 200) << "walked onto with the keys";
    EXPECT_LT(farben[1].blue(), 60);
    EXPECT_GT(farben[2].red(), 200) << "named";
    EXPECT_LT(farben[2].green(), 60);
    EXPECT_EQ(vorschaugroesse.width(), 160) << "a 4 : 3 picture fills the preview's width";
    EXPECT_EQ(bilder.Laden(woanders.filePath(QStringLiteral("a_rot.jpg")), 100).bild.height(), 160)
        << "decoded for the chooser's preview, not for the board";
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green)) << "the dialog's own preview stays";
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
}

TEST_F(Fotos, AbgebrochenesSuchenAendertNichts)
{
    LegeBildAn(QStringLiteral("Anker.bmp"), Qt::green);
    auto d = Baue();
    Zeige(*d);
    ImWaehler([](QFileDialog* waehler) { waehler->reject(); });
    Teil<QPushButton>(*d, "btnSuchen")->click();
    WarteAufVorschau(*d);
    EXPECT_EQ(Dateien(*d), QStringList{"Anker.bmp"});
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green));
}

// What the service reports for a file the list has left behind changes nothing, not even by a
// message.
TEST_F(Fotos, SpaeteVorschauEinerVerlassenenDateiFaelltWeg)
{
    LegeBildAn(QStringLiteral("a.bmp"), Qt::green);
    LegeBildAn(QStringLiteral("b.bmp"), Qt::blue);
    auto d = Baue();
    Zeige(*d);
    Waehle(*d, 1);
    ASSERT_EQ(VorschauFarbe(*d), QColor(Qt::blue));
    QImage rot(16, 16, QImage::Format_RGB32);
    rot.fill(Qt::red);
    emit bilder.geladen({Bilder() + QStringLiteral("/a.bmp"), daten::Ladefehler::Keiner, rot});
    emit bilder.geladen({Bilder() + QStringLiteral("/a.bmp"), daten::Ladefehler::Beschaedigt, {}});
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::blue));
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
    // Moving on before the first preview came: only the last selection is shown.
    for (int zeile : {0, 1, 0, 1})
        Teil<QListWidget>(*d, "FileListBox")->setCurrentRow(zeile);
    for (int i = 0; i < 500 && bilder.beschaeftigt(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::blue));
}

TEST_F(Fotos, ZuGrossesBildMeldetDas)
{
    LegeBildAn(QStringLiteral("a.bmp"), Qt::green);
    QImage gross(1600, 1600, QImage::Format_RGB32);
    gross.fill(Qt::white);
    ASSERT_TRUE(gross.save(Bilder() + QStringLiteral("/b.png")));
    const int vorher = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(8);  // 2 megapixels read whole
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    auto d = Baue();
    Zeige(*d);
    Waehle(*d, 1);
    QImageReader::setAllocationLimit(vorher);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("The picture you selected is too large to be loaded.")});
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green));
}

} // namespace
