#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "daten/bilddatei.h"

namespace {

QByteArray BmpBytes(int breite, int hoehe, QImage::Format format = QImage::Format_RGB888)
{
    QImage bild(breite, hoehe, format);
    bild.fill(Qt::darkCyan);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "BMP");
    return daten;
}

QString Schreibe(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt)
{
    const QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(inhalt);
    return pfad;
}

} // namespace

TEST(LadeBild, UnterscheidetFehlendeUndKaputteDateien)
{
    QTemporaryDir ordner;
    QImage bild;
    EXPECT_EQ(LadeBild(ordner.filePath("fehlt.bmp"), bild), Ladefehler::NichtGefunden);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "leer.bmp", {}), bild), Ladefehler::KeinBild);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "text.bmp", "Dies ist kein Bild."), bild), Ladefehler::KeinBild);
    EXPECT_EQ(LadeBild(ordner.path(), bild), Ladefehler::NichtGefunden);  // a folder cannot be opened
    EXPECT_TRUE(bild.isNull());

    const QString gut = Schreibe(ordner, "gut.bmp", BmpBytes(100, 50));
    EXPECT_EQ(LadeBild(gut, bild), Ladefehler::Keiner);
    EXPECT_EQ(bild.size(), QSize(100, 50));
}

TEST(LadeBild, GekuerzteBmpIstKeinBild)
{
    QTemporaryDir ordner;
    const QByteArray ganz = BmpBytes(64, 64);
    QImage bild;
    EXPECT_EQ(LadeBild(Schreibe(ordner, "ganz.bmp", ganz), bild), Ladefehler::Keiner);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kurz.bmp", ganz.left(ganz.size() - 1)), bild), Ladefehler::KeinBild);
    EXPECT_EQ(LadeBild(Schreibe(ordner, "kopf.bmp", ganz.left(30)), bild), Ladefehler::KeinBild);

    QByteArray ohneGroesse = ganz;  // many writers leave the file size field at 0
    ohneGroesse.replace(2, 4, QByteArray(4, '\0'));
    EXPECT_EQ(LadeBild(Schreibe(ordner, "null.bmp", ohneGroesse), bild), Ladefehler::Keiner);

    const QByteArray palette = BmpBytes(33, 17, QImage::Format_Indexed8);
    EXPECT_FALSE(BmpGekuerzt(palette, palette.size()));
    EXPECT_TRUE(BmpGekuerzt(palette, palette.size() - 4));
}
