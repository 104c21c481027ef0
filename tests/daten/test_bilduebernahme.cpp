// Pictures dropped on the game: copied among the own pictures whole or not at all.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <unistd.h>

#include "bildbau.h"
#include "daten/bilduebernahme.h"

using namespace daten;

namespace {

class BildUebernahme : public ::testing::Test {
protected:
    QTemporaryDir wurzel;
    QString ziel = wurzel.filePath("eigene/images");  // not there yet

    void SetUp() override { ASSERT_TRUE(wurzel.isValid()); }

    // A PNG of one colour outside the target folder, in a folder of its colour: pictures of
    // one name and different colours can be dropped one after the other.
    QString Bild(const QString& name, QColor farbe = Qt::red)
    {
        QImage bild(8, 8, QImage::Format_RGB32);
        bild.fill(farbe);
        return Datei(farbe.name().mid(1) + '/' + name, bildbau::Gespeichert(bild, "png"));
    }
    QString Datei(const QString& name, const QByteArray& inhalt)
    {
        const QString pfad = wurzel.filePath("quelle/" + name);
        QDir().mkpath(QFileInfo(pfad).path());
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return pfad;
    }
    static QByteArray Inhalt(const QString& pfad)
    {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    // Everything in the folder, hidden files too: a half copy would show here.
    QStringList ImZiel() const
    {
        return QDir(ziel).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

TEST_F(BildUebernahme, KopiertUnterSeinemNamenInDenNeuAngelegtenOrdner)
{
    const QString quelle = Bild("Katze.png");
    const Uebernahme u = BildUebernehmen(quelle, ziel);
    EXPECT_EQ(u.fehler, Uebernahmefehler::Keiner);
    EXPECT_EQ(u.pfad, ziel + "/Katze.png");
    EXPECT_EQ(ImZiel(), QStringList{"Katze.png"});
    EXPECT_EQ(Inhalt(u.pfad), Inhalt(quelle));
    EXPECT_TRUE(QFile::exists(quelle)) << "the dropped file stays";
    EXPECT_TRUE(QFile::permissions(u.pfad) & QFileDevice::ReadOther);
}

TEST_F(BildUebernahme, NamensgleicheBekommenEineNummerVorDerEndung)
{
    const Uebernahme erste = BildUebernehmen(Bild("Katze.png", Qt::red), ziel);
    const QString blau = Bild("Katze.png", Qt::blue);
    const Uebernahme zweite = BildUebernehmen(blau, ziel);
    const Uebernahme dritte = BildUebernehmen(Bild("Katze.png", Qt::green), ziel);
    EXPECT_EQ(erste.pfad, ziel + "/Katze.png");
    EXPECT_EQ(zweite.pfad, ziel + "/Katze (2).png");
    EXPECT_EQ(dritte.pfad, ziel + "/Katze (3).png");
    EXPECT_EQ(Inhalt(zweite.pfad), Inhalt(blau));

    // A twin of a picture already there is that picture.
    const Uebernahme nochmal = BildUebernehmen(blau, ziel);
    EXPECT_EQ(nochmal.fehler, Uebernahmefehler::Keiner);
    EXPECT_EQ(nochmal.pfad, ziel + "/Katze (2).png");
    EXPECT_EQ(ImZiel(), (QStringList{"Katze (2).png", "Katze (3).png", "Katze.png"}));

    EXPECT_EQ(BildUebernehmen(Bild("foto.alt.JPG.png", Qt::yellow), ziel).pfad, ziel + "/foto.alt.JPG.png");
    EXPECT_EQ(BildUebernehmen(Bild("foto.alt.JPG.png", Qt::black), ziel).pfad, ziel + "/foto.alt.JPG (2).png");
}

TEST_F(BildUebernahme, DateiAusDemOrdnerWirdNurGewaehlt)
{
    const Uebernahme erste = BildUebernehmen(Bild("Katze.png"), ziel);
    const QByteArray vorher = Inhalt(erste.pfad);
    const Uebernahme selbst = BildUebernehmen(erste.pfad, ziel);
    EXPECT_EQ(selbst.fehler, Uebernahmefehler::Keiner);
    EXPECT_EQ(selbst.pfad, erste.pfad);
    // The same file by another way there.
    const Uebernahme umweg = BildUebernehmen(ziel + "/../images/Katze.png", ziel);
    EXPECT_EQ(umweg.pfad, erste.pfad);
    EXPECT_EQ(ImZiel(), QStringList{"Katze.png"});
    EXPECT_EQ(Inhalt(erste.pfad), vorher);
}

TEST_F(BildUebernahme, KeinBildUndFehlendeQuelleHinterlassenNichts)
{
    const Uebernahme text = BildUebernehmen(Datei("brief.png", "Lieber Freund, das ist kein Bild."), ziel);
    EXPECT_EQ(text.fehler, Uebernahmefehler::KeinBild);
    EXPECT_TRUE(text.pfad.isEmpty());
    const QByteArray png = Inhalt(Bild("ganz.png"));
    EXPECT_EQ(BildUebernehmen(Datei("halb.png", png.left(png.size() / 2)), ziel).fehler, Uebernahmefehler::KeinBild);
    EXPECT_EQ(BildUebernehmen(wurzel.filePath("fehlt.png"), ziel).fehler, Uebernahmefehler::NichtGefunden);
    ASSERT_TRUE(QDir(wurzel.path()).mkpath("quelle/ordner.png"));
    EXPECT_EQ(BildUebernehmen(wurzel.filePath("quelle/ordner.png"), ziel).fehler, Uebernahmefehler::NichtGefunden);
    EXPECT_TRUE(ImZiel().isEmpty()) << ImZiel().join(' ').toStdString();
}

// A file where the folder should be made: fails for every user, root too.
TEST_F(BildUebernahme, OrdnerDerNichtAngelegtWerdenKannIstEinSchreibfehler)
{
    const QString quelle = Bild("Katze.png");
    Datei("datei", "kein Ordner");
    const Uebernahme u = BildUebernehmen(quelle, wurzel.filePath("quelle/datei/images"));
    EXPECT_EQ(u.fehler, Uebernahmefehler::Schreibfehler);
    EXPECT_TRUE(u.pfad.isEmpty());
    EXPECT_EQ(Inhalt(wurzel.filePath("quelle/datei")), "kein Ordner");
}

// Write protection holds only where permissions do (not for root).
TEST_F(BildUebernahme, SchreibgeschuetzterOrdnerIstEinSchreibfehler)
{
    const QString quelle = Bild("Katze.png");
    ASSERT_TRUE(QDir().mkpath(ziel));
    const auto alle = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(QFile::encodeName(ziel).constData(), W_OK) == 0) {
        QFile::setPermissions(ziel, alle);
        GTEST_SKIP() << "write protection does not hold for this user";
    }
    const Uebernahme u = BildUebernehmen(quelle, ziel);
    QFile::setPermissions(ziel, alle);
    EXPECT_EQ(u.fehler, Uebernahmefehler::Schreibfehler);
    EXPECT_TRUE(ImZiel().isEmpty());
}

TEST(AbgelegteBilder, NurLokaleDateienMitBildnamen)
{
    const QUrl katze = QUrl::fromLocalFile("/tmp/Katze.PNG"), hund = QUrl::fromLocalFile("/tmp/Hund.jpeg");
    EXPECT_EQ(AbgelegteBilder({katze, hund}), (QStringList{"/tmp/Katze.PNG", "/tmp/Hund.jpeg"}));
    EXPECT_TRUE(AbgelegteBilder({katze, QUrl::fromLocalFile("/tmp/brief.txt")}).isEmpty());
    EXPECT_TRUE(AbgelegteBilder({QUrl("https://example.org/Katze.png")}).isEmpty());
    EXPECT_TRUE(AbgelegteBilder({QUrl::fromLocalFile("/tmp/bild.tiff")}).isEmpty());
    EXPECT_TRUE(AbgelegteBilder({}).isEmpty());
}

} // namespace
