#pragma once
// A settings dialog over a picture folder of its own, with its error boxes and end
// requests recorded instead of shown.

#include "optionen/bausteine.h"
#include "optionen/einstellungen.h"

#include "daten/bilddienst.h"
#include "daten/texte.h"
#include "daten/umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace optionen;

// A control of the dialog, found by its name.
template <class T>
T* Teil(const QObject& dialog, const char* name)
{
    T* teil = dialog.findChild<T*>(QLatin1String(name));
    if (!teil)
        ADD_FAILURE() << "no control " << name;
    return teil;
}

class EinstellungenTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), true, {}};  // from a CD: a language switch writes nothing
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    daten::Bilddienst bilder;
    // The game's settings as the main window keeps them: the dialog's choice replaces them on OK.
    sitzung::Einstellungen einstellungen;
    QStringList meldungen;
    int beendet = 0;

    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

    QString Bilder() const { return ordner.filePath(QStringLiteral("images")); }
    void LegeBilderordnerAn() { ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("images"))); }

    // A small one-coloured BMP in the picture folder.
    void LegeBildAn(const QString& name, QColor farbe = Qt::red)
    {
        LegeBilderordnerAn();
        QImage bild(16, 16, QImage::Format_RGB32);
        bild.fill(farbe);
        ASSERT_TRUE(bild.save(Bilder() + QLatin1Char('/') + name, "BMP"));
    }
    void LegeDateiAn(const QString& name, const QByteArray& inhalt)
    {
        LegeBilderordnerAn();
        QFile datei(Bilder() + QLatin1Char('/') + name);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }

    std::unique_ptr<TfrmEinstellungen> Baue()
    {
        Einstellungsdienste dienste{[this](QWidget*, const QString& text) { meldungen << text; },
                                    [this] { ++beendet; }};
        auto dialog = std::make_unique<TfrmEinstellungen>(umgebung, texte, vorlieben, bilder, std::move(dienste));
        QObject::connect(dialog.get(), &QDialog::finished, [this, d = dialog.get()](int ergebnis) {
            if (ergebnis == QDialog::Accepted)
                einstellungen = d->Gewaehlt();
        });
        return dialog;  // the first picture's preview is asked for when the dialog shows
    }

    // Shows the dialog with the current settings and lets the activation after the showing run.
    void Zeige(TfrmEinstellungen& dialog)
    {
        dialog.Vorlegen(einstellungen);
        dialog.show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        WarteAufVorschau(dialog);
    }

    // Until the picture service has reported the selected picture (at most five seconds).
    static void WarteAufVorschau(const TfrmEinstellungen& dialog)
    {
        for (int i = 0; i < 500 && dialog.VorschauKommt(); ++i)
            QTest::qWait(10);
        QCoreApplication::processEvents();
    }

    // Selects a row of the picture list and waits for its preview or its message.
    static void Waehle(TfrmEinstellungen& dialog, int zeile)
    {
        Teil<QListWidget>(dialog, "FileListBox")->setCurrentRow(zeile);
        WarteAufVorschau(dialog);
    }

    // The colour in the middle of the preview, once it came.
    static QColor VorschauFarbe(const TfrmEinstellungen& dialog)
    {
        WarteAufVorschau(dialog);
        const QImage bild = Teil<QLabel>(dialog, "imgVorschau")->pixmap().toImage();
        return bild.isNull() ? QColor() : bild.pixelColor(bild.width() / 2, bild.height() / 2);
    }

    static QStringList Dateien(const TfrmEinstellungen& dialog)
    {
        const QListWidget* liste = Teil<QListWidget>(dialog, "FileListBox");
        QStringList namen;
        for (int i = 0; i < liste->count(); ++i)
            namen << liste->item(i)->text();
        return namen;
    }
};
