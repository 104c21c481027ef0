// The picture folder: listing, previews and the four failures of files and folder.
#include "hilfen.h"

#include <QLabel>
#include <QPushButton>

#include <cstdlib>

namespace {

class Bilderordner : public EinstellungenTest {};

TEST_F(Bilderordner, ListetBmpOhneRuecksichtAufGrossschreibung)
{
    LegeBildAn(QStringLiteral("b.BMP"));
    LegeBildAn(QStringLiteral("A.bmp"));
    LegeBildAn(QStringLiteral("C.Bmp"));
    LegeBildAn(QStringLiteral("a2.bmp"));
    LegeDateiAn(QStringLiteral("d.txt"), "kein Bild");
    LegeDateiAn(QStringLiteral("e.bmpx"), "kein Bild");
    ASSERT_TRUE(QDir(Bilder()).mkdir(QStringLiteral("f.bmp")));

    auto d = Baue();
    EXPECT_EQ(Dateien(*d), (QStringList{"A.bmp", "a2.bmp", "b.BMP", "C.Bmp"}));
    EXPECT_EQ(Teil<QListWidget>(*d, "FileListBox")->currentRow(), 0);
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(u'|').toStdString();
}

TEST_F(Bilderordner, GeloeschteDateiMeldet803MitNamen)
{
    LegeBildAn(QStringLiteral("a.bmp"), Qt::green);
    LegeBildAn(QStringLiteral("weg.bmp"), Qt::blue);
    auto d = Baue();
    EXPECT_FALSE(bilder.beschaeftigt()) << "nothing is decoded before the dialog shows";
    EXPECT_TRUE(Teil<QLabel>(*d, "imgVorschau")->pixmap().isNull());
    Zeige(*d);
    EXPECT_EQ(Teil<QLabel>(*d, "imgVorschau")->pixmap().size(), QSize(120, 120));
    ASSERT_TRUE(QFile::remove(Bilder() + QStringLiteral("/weg.bmp")));
    Waehle(*d, 1);

    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Folgende Datei wurde nicht gefunden :\n\nweg.bmp")});
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green)) << "the preview keeps its picture";
    EXPECT_EQ(Teil<QListWidget>(*d, "FileListBox")->currentRow(), 1) << "the selection stays on the faulty file";
    Teil<QPushButton>(*d, "btnOK")->click();
    EXPECT_EQ(einstellungen.bilddatei, Bilder() + QStringLiteral("/weg.bmp"));
}

// Each failure says why: no picture, a damaged one, one of a kind the game does not read (804).
TEST_F(Bilderordner, FremdeUndGekuerzteDateienMeldenWarum)
{
    LegeBildAn(QStringLiteral("a.bmp"), Qt::green);
    LegeDateiAn(QStringLiteral("b_fremd.bmp"), "Das ist Text und kein Bild.");
    LegeBildAn(QStringLiteral("c_kurz.bmp"), Qt::blue);
    QFile kurz(Bilder() + QStringLiteral("/c_kurz.bmp"));
    ASSERT_TRUE(kurz.resize(kurz.size() / 2));
    LegeDateiAn(QStringLiteral("d_leer.bmp"), {});
    LegeDateiAn(QStringLiteral("e_tiff.bmp"), QByteArray("II*\0", 4) + QByteArray(100, '\0'));

    auto d = Baue();
    Zeige(*d);
    const QString keinBild = QStringLiteral("Die gewählte Datei enthält kein Bild.");
    const QStringList erwartet{keinBild, QStringLiteral("Die gewählte Datei ist beschädigt oder unvollständig."), keinBild,
                               QStringLiteral("Die gewählte Datei besitzt das falsche Grafikformat.")};
    for (int zeile = 1; zeile <= 4; ++zeile) {
        meldungen.clear();
        Waehle(*d, zeile);
        EXPECT_EQ(meldungen, QStringList{erwartet[zeile - 1]})
            << Teil<QListWidget>(*d, "FileListBox")->item(zeile)->text().toStdString();
        EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::green));
    }
}

TEST_F(Bilderordner, KaputtesErstesBildMeldetSichOhneDasFensterAufzuhalten)
{
    LegeDateiAn(QStringLiteral("a.bmp"), "BM kaputt");
    vorlieben.SpracheSetzen(daten::Sprache::Englisch);
    auto d = Baue();
    Zeige(*d);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("The file you selected is damaged or incomplete.")});
    EXPECT_TRUE(Teil<QLabel>(*d, "imgVorschau")->pixmap().isNull());
}

TEST_F(Bilderordner, VorschauZeigtPalettenbilderWieSieSind)
{
    LegeBilderordnerAn();
    QImage muster(360, 360, QImage::Format_RGB32);
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 360; ++x)
            muster.setPixel(x, y, (x / 60 + y / 90) % 2 ? qRgb(0, 0, 128) : qRgb(255, 255, 0));
    ASSERT_TRUE(muster.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 128), qRgb(255, 255, 0)})
                    .save(Bilder() + QStringLiteral("/einbit.bmp"), "BMP"));
    auto d = Baue();
    Zeige(*d);
    const QImage vorschau = Teil<QLabel>(*d, "imgVorschau")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage erwartet = muster.scaled(vorschau.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(vorschau.size(), QSize(120, 120));
    double summe = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb a = vorschau.pixel(x, y), b = erwartet.pixel(x, y);
            summe += (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))) / 3.0;
        }
    EXPECT_LT(summe / (120 * 120), 3.0);
}

TEST_F(Bilderordner, FehlenderOrdnerMeldet805UndBeendet)
{
    auto d = Baue();
    EXPECT_TRUE(meldungen.isEmpty()) << "reported when shown, not when created";
    d->ZurueckModus();  // the folder is checked at every showing, in either mode
    Zeige(*d);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Kann Pfad \\images nicht finden. \n\nProgramm wird beendet.")});
    EXPECT_EQ(beendet, 1);
    EXPECT_EQ(d->result(), TfrmEinstellungen::Abbruch);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(Bilderordner, OrdnerOhneBilderMeldet806UndGibtLeereBilddatei)
{
    LegeDateiAn(QStringLiteral("notiz.txt"), "kein Bild");
    einstellungen.bilddatei = "alt.bmp";
    auto d = Baue();
    EXPECT_TRUE(meldungen.isEmpty());
    for (int anzeige = 0; anzeige < 2; ++anzeige) {
        Zeige(*d);
        EXPECT_EQ(meldungen.size(), anzeige + 1) << "once per showing";
        EXPECT_EQ(meldungen.back(), QStringLiteral("Es wurden keine Bilder im Pfad \\images gefunden."));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(beendet, 0);
        Teil<QPushButton>(*d, "btnOK")->click();
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(einstellungen.bilddatei, "");
    }
}

} // namespace

namespace {

// Installed, the list holds the shipped pictures and the player's own, sorted together.
TEST_F(Bilderordner, InstalliertStehenEigeneBilderMitInDerListe)
{
    LegeBildAn(QStringLiteral("Mosaik.bmp"), Qt::green);
    LegeBildAn(QStringLiteral("Sonne.bmp"));
    umgebung.nutzerPfad = ordner.filePath(QStringLiteral("nutzer"));
    ASSERT_TRUE(QDir().mkpath(umgebung.eigeneBilder()));
    QImage eigenes(8, 8, QImage::Format_RGB32);
    eigenes.fill(Qt::blue);
    ASSERT_TRUE(eigenes.save(umgebung.eigeneBilder() + QStringLiteral("/Nordlicht.bmp"), "BMP"));

    auto d = Baue();
    EXPECT_EQ(Dateien(*d), (QStringList{"Mosaik.bmp", "Nordlicht.bmp", "Sonne.bmp"}));
    Zeige(*d);
    Waehle(*d, 1);
    EXPECT_EQ(VorschauFarbe(*d), QColor(Qt::blue));
    Teil<QPushButton>(*d, "btnOK")->click();
    EXPECT_EQ(einstellungen.bilddatei, umgebung.eigeneBilder() + QStringLiteral("/Nordlicht.bmp"));
}

// Installed into ~/.local, the shipped pictures and the player's own are one folder: listed once,
// however the player's folder is spelled.
TEST_F(Bilderordner, InstalliertImGemeinsamenOrdnerJedesBildEinmal)
{
    LegeBildAn(QStringLiteral("Mosaik.bmp"), Qt::green);
    LegeBildAn(QStringLiteral("Sonne.bmp"));
    ASSERT_TRUE(QFile::link(ordner.path(), ordner.filePath(QStringLiteral("verweis"))));
    for (const QString& nutzer : {ordner.path(), ordner.path() + QStringLiteral("/."), ordner.filePath(QStringLiteral("verweis"))}) {
        umgebung.nutzerPfad = nutzer;
        auto d = Baue();
        EXPECT_EQ(Dateien(*d), (QStringList{"Mosaik.bmp", "Sonne.bmp"})) << nutzer.toStdString();
    }
}

} // namespace
