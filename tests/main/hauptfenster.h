#pragma once
// The main window with its session and the player's preferences in a temporary working folder,
// with message boxes, sounds and error reports recorded instead of shown.

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "daten/texte.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"
#include "main/frmmain.h"
#include "sitzung/spielleitung.h"
#include "sitzung/spielsitzung.h"

using namespace engine;

class Hauptfenster : public ::testing::Test {
protected:
    // A game of the given variant and side; with `felder` its board laid out by hand (in
    // variant 1 the empty field then belongs in field n·n).
    void Spiel(int variante, int n, std::initializer_list<int> felder = {}, bool vorschau = true,
               uint16_t zuege = 0, uint16_t sekunden = 0)
    {
        sitzung::Einstellungen e;
        e.variante = static_cast<Variante>(variante);
        e.groesse = n;
        e.vorschau = vorschau;
        if (!felder.size()) {
            sitzung.NeuesSpiel(e);
            return;
        }
        Spielstand s;
        s.variante = e.variante;
        s.Groesse = static_cast<uint8_t>(n);
        for (int p = 1; p <= MaxFelder; ++p)
            s.Spielfeld[p] = static_cast<uint8_t>(p);
        int p = 1;
        for (int teil : felder)
            s.Spielfeld[p++] = static_cast<uint8_t>(teil);
        s.FreiesFeld = variante == 1 ? n * n : 0;
        s.ZugAnzahl = zuege;
        s.Sekunden = sekunden;
        s.phase = zuege ? Phase::Laeuft : Phase::Aufgebaut;
        sitzung.Fortsetzen(e, s);
    }

    const Spielstand& spiel() const { return sitzung.spiel(); }
    QWidget* Spielfeld() { return frm.findChild<QWidget*>(QStringLiteral("ptbSpielfeld")); }
    // A click on the classic pixel (x, y), wherever the zoom puts it.
    void Klick(Qt::MouseButton taste, int x, int y)
    {
        const double z = frm.bild().zoom();
        QTest::mouseClick(Spielfeld(), taste, {}, QPoint(int((x + 0.5) * z), int((y + 0.5) * z)));
    }
    QAction* Eintrag(const char* name) { return frm.findChild<QAction*>(QLatin1String(name)); }
    QMenu* Menue(const char* name) { return frm.findChild<QMenu*>(QLatin1String(name)); }
    QImage Kopie() const { return frm.bild().kopie(); }
    const QImage& Original() const { return frm.bild().original(); }

    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    MtZufall zufall{5};
    sitzung::Spielsitzung sitzung{zufall};
    // Without a picture service the board decodes its picture itself; nothing is kept between runs.
    sitzung::Spielleitung leitung{sitzung, nullptr, vorlieben, nullptr};
    std::vector<std::pair<QString, QPoint>> meldungen;
    int fragen = 0;                   // how often the player was asked before a game was given up
    haupt::Aufgabeantwort antwort{true, false};  // and what they answer
    std::vector<QString> fehler, toene;
    bool audioVorhanden = true;  // what the machine is said to offer when sound is switched on
    int audioFragen = 0;
    std::optional<QString> code;  // what the player enters as a game code; none: cancelled
    QStringList codevorschlaege;  // what the code dialog was offered
    haupt::TfrmMain frm{texte, vorlieben, leitung,
                        {[this](QMessageBox::Icon, const QString& text, QPoint wo) { meldungen.push_back({text, wo}); },
                         [this](const QString& datei) { toene.push_back(datei); },
                         [this](const QString& text) { fehler.push_back(text); },
                         [this] {
                             ++audioFragen;
                             return audioVorhanden;
                         },
                         [this] {
                             ++fragen;
                             return antwort;
                         },
                         [this](const QString& vorschlag) {
                             codevorschlaege << vorschlag;
                             return code;
                         }}};
};
