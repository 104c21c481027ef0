// The settings dialog by the keyboard alone: from the picture list Shift+Tab reaches the chosen
// variant, the arrows choose another, Return starts the game with it.

#include <gtest/gtest.h>

#include <QFile>

#include "spielablauf.h"

TEST(Ende2Ende, JedeVarianteAlleinMitDerTastaturGewaehlt)
{
    for (int variante = 1; variante <= 3; ++variante) {
        XSitzung x;
        QTemporaryDir ordner;
        ASSERT_NO_FATAL_FAILURE(ProgrammStarten(x, ordner));
        const QString dialog = x.warteAufFenster(QStringLiteral("Einstellungen"));
        ASSERT_FALSE(dialog.isEmpty()) << x.bildschirmSichern("einstellungen");
        ASSERT_TRUE(x.warteAufFokus(dialog));
        const QPoint d = x.fensterLage(dialog);
        // list -> preview box -> board size -> the chosen variant (1 at the first start)
        for (int i = 0; i < 3; ++i)
            x.taste(QStringLiteral("shift+Tab"));
        for (int i = 1; i < variante; ++i)
            x.taste(QStringLiteral("Right"));
        // The yellow frame lies round the chosen picture, 2 pixels outside it.
        const QPoint rahmen = d + QPoint(17 + 23 + (variante - 1) * 120 - 1, 8 + 24 + 36);
        ASSERT_TRUE(x.warteBis([&](const QImage& s) { return s.pixel(rahmen) == qRgb(255, 255, 0); }))
            << "no frame round variant " << variante << x.bildschirmSichern("rahmen");
        x.taste(QStringLiteral("Return"));
        ASSERT_TRUE(x.fensterWeg(QStringLiteral("Einstellungen")));
        // The game that began is kept within a second, with its variant.
        const QString datei = ordner.filePath(QStringLiteral("spiel.dat"));
        QByteArray inhalt;
        x.warteBis([&](const QImage&) {
            QFile f(datei);
            inhalt = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return inhalt.contains("\nende");
        }, 5000);
        EXPECT_TRUE(inhalt.contains("\nvariante=" + QByteArray::number(variante) + "\n"))
            << "variant " << variante << ": " << inhalt.constData();
    }
}
