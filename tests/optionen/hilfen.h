#pragma once
// A settings dialog over a picture folder of its own, with its error boxes and end
// requests recorded instead of shown.

#include "optionen/einstellungen.h"

#include "daten/programm.h"
#include "daten/sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class EinstellungenTest : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString altProgPfad = ProgPfad;
    int altVonCD = VonCD;
    engine::Spielstand spiel;
    QStringList meldungen;
    int beendet = 0;

    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ProgPfad = ordner.path();
        VonCD = 1;  // a language switch then writes no options file
        SetzeSprache(0);
    }
    void TearDown() override
    {
        SetzeSprache(0);
        ProgPfad = altProgPfad;
        VonCD = altVonCD;
    }

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
        return std::make_unique<TfrmEinstellungen>(spiel, std::move(dienste));
    }

    // Shows the dialog and lets the activation after the showing run.
    static void Zeige(TfrmEinstellungen& dialog)
    {
        dialog.show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    static QStringList Dateien(const TfrmEinstellungen& dialog)
    {
        QStringList namen;
        for (int i = 0; i < dialog.FileListBox->count(); ++i)
            namen << dialog.FileListBox->item(i)->text();
        return namen;
    }
};
