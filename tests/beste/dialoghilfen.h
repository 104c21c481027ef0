#pragma once

#include "hilfen.h"
#include "beste/bestenliste.h"
#include "beste/frmbestenliste.h"
#include "beste/listendatei.h"
#include "beste/rangfolge.h"
#include "daten/texte.h"
#include "daten/textkatalog.h"
#include "daten/umgebung.h"
#include "engine/spielstand.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using daten::LadeText;

struct TMeldung {
    QMessageBox::Icon art;
    QString text;
    QPoint ecke;
};

// The dialog with its message boxes recorded instead of shown, opened on the board the test
// chose, as the main window opens it.
class TPruefDialog : public TfrmBestenListe {
public:
    TPruefDialog(Bestenliste& bestenliste, const daten::Texte& texte, const engine::Variante& variante,
                 const int& groesse)
        : TfrmBestenListe(bestenliste, texte, nullptr,
                          [this](QMessageBox::Icon art, const QString& text, QPoint ecke) {
                              meldungen.push_back({art, text, ecke});
                          }),
          bestenliste_(bestenliste), variante_(variante), groesse_(groesse)
    {
    }
    std::vector<TMeldung> meldungen;

    const TListe& liste() const { return bestenliste_.liste(); }
    // Shows the list only to look.
    void Oeffne()
    {
        Vorbereiten(variante_, groesse_);
        show();
    }
    // Shows it as the end of a solved game does, with the result to enter.
    void Oeffne(std::uint16_t zuege, std::uint16_t sekunden)
    {
        Vorbereiten(variante_, groesse_, Ergebnis{variante_, groesse_, zuege, sekunden});
        show();
    }

    QString Text(const char* name) const { return findChild<QLabel*>(name)->text(); }
    QLineEdit* Feld() const { return findChild<QLineEdit*>("Eintrag"); }
    QPushButton* Knopf(const char* name) const { return findChild<QPushButton*>(name); }

private:
    Bestenliste& bestenliste_;
    const engine::Variante& variante_;
    const int& groesse_;
};

// Each test runs in a folder of its own, in German, with nothing written yet.
class BestenDialog : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    engine::Variante variante = engine::Variante::Schieben;
    int groesse = 4;
    std::optional<Bestenliste> bestenliste;

    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

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

    // The service loads the file as it is now.
    std::unique_ptr<TPruefDialog> Dialog()
    {
        bestenliste.emplace(umgebung);
        return std::make_unique<TPruefDialog>(*bestenliste, texte, variante, groesse);
    }

    // Shows the dialog as the end of a solved game does.
    std::unique_ptr<TPruefDialog> NeuesErgebnis(std::uint16_t zuege, std::uint16_t sekunden)
    {
        auto dialog = Dialog();
        dialog->Oeffne(zuege, sekunden);
        return dialog;
    }
};

// Typed on the keyboard character by character; QTest::keyClicks knows ASCII only.
inline void Tippe(QWidget* ziel, const QString& text)
{
    for (QChar zeichen : text)
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}
