// Picture files dropped on the open dialog: copied among the own pictures, listed, selected and
// previewed; whatever fails is reported and leaves the list as it was.
#include "hilfen.h"

#include "ablage.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

class BilderAblegen : public EinstellungenTest {
protected:
    QTemporaryDir woanders;  // where the player's pictures come from

    void SetUp() override
    {
        EinstellungenTest::SetUp();
        LegeBildAn(QStringLiteral("Anker.bmp"), Qt::green);
        LegeBildAn(QStringLiteral("Zebra.bmp"), Qt::yellow);
    }

    QString Png(const QString& name, QColor farbe = Qt::blue)
    {
        QImage bild(20, 20, QImage::Format_RGB32);
        bild.fill(farbe);
        const QString pfad = woanders.filePath(name);
        EXPECT_TRUE(bild.save(pfad, "PNG"));
        return pfad;
    }

    // Drops the files on the shown dialog and lets it take them once the drop is over.
    Ablage Lege(TfrmEinstellungen& d, const QStringList& dateien)
    {
        const Ablage ablage = Ablegen(d, dateien);
        QCoreApplication::processEvents();
        return ablage;
    }

    static QString Gewaehlt(const TfrmEinstellungen& d)
    {
        const QListWidgetItem* eintrag = Teil<QListWidget>(d, "FileListBox")->currentItem();
        return eintrag ? eintrag->text() : QString();
    }
};

TEST_F(BilderAblegen, BildWirdKopiertEinsortiertGewaehltUndGezeigt)
{
    auto d = Baue();
    Zeige(*d);
    const QString quelle = Png(QStringLiteral("Katze.png"));
    const Ablage ablage = Lege(*d, {quelle});
    EXPECT_TRUE(ablage.abgelegt);
    EXPECT_EQ(ablage.aktion, Qt::CopyAction) << "a move offered by the source becomes a copy";

    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Katze.png", "Zebra.bmp"}));
    EXPECT_EQ(Gewaehlt(*d), QStringLiteral("Katze.png"));
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::blue));
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(quelle));
    Teil<QPushButton>(*d, "btnOK")->click();
    EXPECT_EQ(einstellungen.bilddatei, umgebung.eigeneBilder() + QStringLiteral("/Katze.png"));
    EXPECT_TRUE(QFile::exists(einstellungen.bilddatei));
}

// Several files at once: each is listed, the last one is chosen; one already listed is only
// chosen, not copied again.
TEST_F(BilderAblegen, MehrereUndSchonGelisteteBilder)
{
    auto d = Baue();
    Zeige(*d);
    Lege(*d, {Png(QStringLiteral("Katze.png")), Png(QStringLiteral("Maus.PNG"), Qt::red)});
    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Katze.png", "Maus.PNG", "Zebra.bmp"}));
    EXPECT_EQ(Gewaehlt(*d), QStringLiteral("Maus.PNG"));
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::red));

    Lege(*d, {Bilder() + QStringLiteral("/Anker.bmp")});
    EXPECT_EQ(Gewaehlt(*d), QStringLiteral("Anker.bmp"));
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green));
    EXPECT_EQ(Dateien(*d).size(), 4);
    EXPECT_EQ(QDir(Bilder()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
}

TEST_F(BilderAblegen, NurLokaleBilddateienWerdenAngenommen)
{
    auto d = Baue();
    Zeige(*d);
    QFile text(woanders.filePath(QStringLiteral("brief.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    EXPECT_FALSE(Ablegen(*d, QStringList{text.fileName()}).betretenAngenommen);
    EXPECT_FALSE(Ablegen(*d, QStringList{Png(QStringLiteral("a.png")), text.fileName()}).betretenAngenommen);
    EXPECT_FALSE(Ablegen(*d, QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.png"))}).betretenAngenommen);
    EXPECT_FALSE(Ablegen(*d, QList<QUrl>{}).betretenAngenommen);
    QCoreApplication::processEvents();
    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Zebra.bmp"}));
}

TEST_F(BilderAblegen, DateiOhneBildMeldetDasUndBleibtNichtLiegen)
{
    auto d = Baue();
    Zeige(*d);
    QFile falsch(woanders.filePath(QStringLiteral("falsch.jpg")));
    ASSERT_TRUE(falsch.open(QIODevice::WriteOnly));
    falsch.write("Nur Text, kein JPEG.");
    falsch.close();
    Lege(*d, {falsch.fileName()});
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Die gewählte Datei enthält kein Bild.")});
    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Zebra.bmp"}));
    EXPECT_EQ(Gewaehlt(*d), QStringLiteral("Anker.bmp"));
    EXPECT_EQ(QDir(Bilder()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Anker.bmp", "Zebra.bmp"}));
}

// The own pictures' folder cannot be made where a file has its name: a failure for every user.
TEST_F(BilderAblegen, MisslungeneKopieMeldetDenOrdnerInDerSprache)
{
    umgebung.nutzerPfad = ordner.filePath(QStringLiteral("nutzer"));
    QFile sperre(umgebung.nutzerPfad);
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    auto d = Baue();
    Zeige(*d);
    Lege(*d, {Png(QStringLiteral("Katze.png"))});
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("The image could not be copied into the following folder:\n\n")
                                     + QDir::toNativeSeparators(umgebung.eigeneBilder())});
    EXPECT_EQ(Dateien(*d), (QStringList{"Anker.bmp", "Zebra.bmp"}));

    meldungen.clear();
    vorlieben.SpracheSetzen(daten::Sprache::Deutsch);
    Lege(*d, {Png(QStringLiteral("Katze.png"))});
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("Das Bild konnte nicht in folgenden Ordner kopiert werden :\n\n")));
}

// Installed, a dropped picture goes to the player's folder, made on the first drop.
TEST_F(BilderAblegen, InstalliertLandetDasBildInDenEigenenBildern)
{
    umgebung.nutzerPfad = ordner.filePath(QStringLiteral("nutzer"));
    auto d = Baue();
    Zeige(*d);
    Lege(*d, {Png(QStringLiteral("Katze.png"))});
    EXPECT_EQ(Gewaehlt(*d), QStringLiteral("Katze.png"));
    EXPECT_TRUE(QFile::exists(umgebung.eigeneBilder() + QStringLiteral("/Katze.png")));
    EXPECT_FALSE(QFile::exists(Bilder() + QStringLiteral("/Katze.png")));
}

} // namespace
