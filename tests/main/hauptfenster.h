#pragma once
// The main window with its game state, in a temporary working folder, with message boxes
// recorded instead of shown.

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "daten/daten.h"
#include "main/frmmain.h"

using namespace engine;


class Hauptfenster : public ::testing::Test {
protected:
    Hauptfenster() : zufall(5), frm(spiel, zufall)
    {
        ProgPfad = ordner.path();
        LadeSprache();
        frm.Meldung = [this](QMessageBox::Icon, const QString& text, QPoint wo) { meldungen.push_back({text, wo}); };
        frm.Fehlerbericht = [this](const QString& text) { fehler.push_back(text); };
    }
    ~Hauptfenster() override { AktSprache = 0; }

    // A game of the given variant and side whose board is then laid out by hand.
    void Spiel(int variante, int n, std::initializer_list<int> felder = {})
    {
        spiel.Variante = static_cast<uint8_t>(variante);
        spiel.Groesse = static_cast<uint8_t>(n);
        frm.InitSpielfeld();
        if (felder.size()) {
            int p = 1;
            for (int teil : felder)
                spiel.Spielfeld[p++] = static_cast<uint8_t>(teil);
            if (variante == 1)
                spiel.FreiesFeld = n * n;
            frm.bild.BrettZeichnen(spiel);
        }
    }

    void Klick(Qt::MouseButton taste, int x, int y) { QTest::mouseClick(frm.ptbSpielfeld, taste, {}, QPoint(x, y)); }

    QAction* Eintrag(const char* name) { return frm.findChild<QAction*>(QLatin1String(name)); }

    QTemporaryDir ordner;
    Spielstand spiel;
    MtZufall zufall;
    TfrmMain frm;
    std::vector<std::pair<QString, QPoint>> meldungen;
    std::vector<QString> fehler;
};

