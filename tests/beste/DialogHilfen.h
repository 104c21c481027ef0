#pragma once

#include "BesteHilfen.h"
#include "beste/BestenListe.h"
#include "beste/ListenDatei.h"
#include "beste/Rangfolge.h"
#include "daten/programm.h"
#include "daten/sprache.h"
#include "daten/textkatalog.h"
#include "engine/spielstand.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct TMeldung {
    QMessageBox::Icon art;
    QString text;
    QPoint ecke;
};

// The dialog with its message boxes recorded instead of shown.
class TPruefDialog : public TfrmBestenListe {
public:
    using TfrmBestenListe::TfrmBestenListe;
    std::vector<TMeldung> meldungen;

    QString Text(const char* name) const { return findChild<QLabel*>(name)->text(); }
    QLineEdit* Feld() const { return findChild<QLineEdit*>("Eintrag"); }
    QPushButton* Knopf(const char* name) const { return findChild<QPushButton*>(name); }

protected:
    void Melde(QMessageBox::Icon art, const QString& text, QPoint ecke) override
    {
        meldungen.push_back({art, text, ecke});
    }
};

// Each test runs in a folder of its own, in German, with nothing written yet.
class BestenDialog : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString altProgPfad = ProgPfad;
    int altVonCD = VonCD;
    engine::Spielstand spiel;

    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ProgPfad = ordner.path();
        VonCD = 0;
        LadeSprache();
    }
    void TearDown() override
    {
        ProgPfad = altProgPfad;
        VonCD = altVonCD;
        AktSprache = 0;
    }

    QString DateiPfad() const { return ordner.filePath("morvik.dat"); }
    void Speichere(const TListe& liste) const
    {
        ASSERT_EQ(SpeichereListe(liste, DateiPfad().toStdString(), false), TSpeicherErgebnis::Gespeichert);
    }
    TListe Gespeichert() const { return LadeListe(DateiPfad().toStdString()); }
    QByteArray DateiBytes() const
    {
        QFile datei(DateiPfad());
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    std::unique_ptr<TPruefDialog> Dialog() { return std::make_unique<TPruefDialog>(spiel); }

    // Shows the dialog as the end of a solved game does.
    std::unique_ptr<TPruefDialog> NeuesErgebnis(std::uint16_t zuege, std::uint16_t sekunden)
    {
        auto dialog = Dialog();
        ErgebnisVormerken(dialog->Liste, zuege, sekunden);
        spiel.NeuerEintrag = 1;
        dialog->show();
        return dialog;
    }
};

// Typed on the keyboard character by character; QTest::keyClicks knows ASCII only.
inline void Tippe(QWidget* ziel, const QString& text)
{
    for (QChar zeichen : text)
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}
