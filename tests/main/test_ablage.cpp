// A picture file dropped on the main window opens the settings dialog with it chosen, as
// "New game" does; while the dialog is open, the dialog takes it.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ablage.h"
#include "hauptfenster.h"
#include "optionen/einstellungen.h"

namespace {

// Runs `schritt` on the modal dialog as soon as it is open.
void WennModal(std::function<void(QWidget*)> schritt)
{
    QTimer::singleShot(0, [schritt] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            WennModal(schritt);
            return;
        }
        schritt(dialog);
    });
}

struct Dialogstand {
    QStringList liste;
    QString gewaehlt;
    QColor vorschau;
};

// The dialog's state once the picture service has brought the selected picture's preview.
Dialogstand Stand(const QWidget* dialog)
{
    const auto* einstellungen = qobject_cast<const optionen::TfrmEinstellungen*>(dialog);
    for (int i = 0; i < 500 && einstellungen && einstellungen->VorschauKommt(); ++i)
        QTest::qWait(10);
    Dialogstand stand;
    const auto* liste = dialog->findChild<QListWidget*>(QStringLiteral("FileListBox"));
    for (int i = 0; i < liste->count(); ++i)
        stand.liste << liste->item(i)->text();
    if (liste->currentItem())
        stand.gewaehlt = liste->currentItem()->text();
    const QImage vorschau = dialog->findChild<QLabel*>(QStringLiteral("imgVorschau"))->pixmap().toImage();
    if (!vorschau.isNull())
        stand.vorschau = vorschau.pixelColor(60, 60);
    return stand;
}

class Fensterablage : public Hauptfenster {
protected:
    Fensterablage()
    {
        QDir(ordner.path()).mkpath(QStringLiteral("images"));
        Bild(ordner.filePath(QStringLiteral("images/Anker.bmp")), Qt::green);
        einstellungen = std::make_unique<optionen::TfrmEinstellungen>(
            umgebung, texte, vorlieben, bilder, optionen::Einstellungsdienste{[this](QWidget*, const QString& text) { dialogMeldungen << text; }, [] {}},
            &frm);
        frm.DialogeSetzen(einstellungen.get(), nullptr);
    }

    static QString Bild(const QString& pfad, QColor farbe)
    {
        QImage bild(30, 30, QImage::Format_RGB32);
        bild.fill(farbe);
        EXPECT_TRUE(bild.save(pfad));
        return pfad;
    }

    QTemporaryDir woanders;
    daten::Bilddienst bilder;
    QStringList dialogMeldungen;
    std::unique_ptr<optionen::TfrmEinstellungen> einstellungen;
};

} // namespace

TEST_F(Fensterablage, BildAufsFensterOeffnetDieEinstellungenMitIhmGewaehlt)
{
    const QString katze = Bild(woanders.filePath(QStringLiteral("Katze.png")), Qt::blue);
    Dialogstand stand;
    int geoeffnet = 0;
    WennModal([&](QWidget* dialog) {
        ++geoeffnet;
        // The dialog takes the files once it is on the screen, as it makes its checks.
        QTimer::singleShot(0, dialog, [&, dialog] {
            stand = Stand(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    });
    const Ablage ablage = Ablegen(frm, QStringList{katze});
    EXPECT_TRUE(ablage.abgelegt);
    EXPECT_EQ(ablage.aktion, Qt::CopyAction);
    QTest::qWait(50);  // the drop is taken after it ended; the dialog runs its own loop

    EXPECT_EQ(geoeffnet, 1);
    EXPECT_EQ(stand.liste, (QStringList{"Anker.bmp", "Katze.png"}));
    EXPECT_EQ(stand.gewaehlt, QStringLiteral("Katze.png"));
    EXPECT_EQ(stand.vorschau, QColor(Qt::blue));
    EXPECT_TRUE(dialogMeldungen.isEmpty()) << dialogMeldungen.join(u'|').toStdString();
    // OK starts a game with the dropped picture, as after "New game".
    EXPECT_EQ(sitzung.einstellungen().bilddatei, umgebung.eigeneBilder() + QStringLiteral("/Katze.png"));
    EXPECT_EQ(spiel().phase, Phase::Aufgebaut);
    EXPECT_EQ(Original().pixelColor(100, 100), QColor(Qt::blue));
}

TEST_F(Fensterablage, OffenerDialogNimmtDasBildSelbst)
{
    const QString katze = Bild(woanders.filePath(QStringLiteral("Maus.png")), Qt::red);
    Dialogstand vorher, nachher;
    int geoeffnet = 0;
    WennModal([&](QWidget* dialog) {
        ++geoeffnet;
        vorher = Stand(dialog);
        EXPECT_TRUE(Ablegen(frm, QStringList{katze}).abgelegt);
        QTimer::singleShot(0, dialog, [&, dialog] {
            nachher = Stand(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
    });
    Eintrag("mnuNeuesSpiel")->trigger();
    QTest::qWait(50);

    EXPECT_EQ(geoeffnet, 1) << "no second dialog";
    EXPECT_EQ(vorher.liste, QStringList{"Anker.bmp"});
    EXPECT_EQ(nachher.liste, (QStringList{"Anker.bmp", "Maus.png"}));
    EXPECT_EQ(nachher.gewaehlt, QStringLiteral("Maus.png"));
    EXPECT_EQ(nachher.vorschau, QColor(Qt::red));
    EXPECT_EQ(spiel().phase, Phase::KeinSpiel) << "cancelled: no game";
}

TEST_F(Fensterablage, AnderesAlsBilddateienWirdAbgewiesen)
{
    QFile text(woanders.filePath(QStringLiteral("brief.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    EXPECT_FALSE(Ablegen(frm, QStringList{text.fileName()}).betretenAngenommen);
    EXPECT_FALSE(Ablegen(frm, QList<QUrl>{QUrl(QStringLiteral("https://example.org/Katze.png"))}).betretenAngenommen);
    QTest::qWait(20);
    EXPECT_FALSE(einstellungen->isVisible());
    EXPECT_FALSE(QFile::exists(umgebung.eigeneBilder() + QStringLiteral("/brief.txt")));

    // Without a settings dialog there is nowhere to put a picture.
    frm.DialogeSetzen(nullptr, nullptr);
    EXPECT_FALSE(Ablegen(frm, QStringList{Bild(woanders.filePath(QStringLiteral("a.png")), Qt::red)}).betretenAngenommen);
}
