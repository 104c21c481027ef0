// The main window at a zoom: the size menu, a dragged frame, the size kept in options.ini, and
// clicks through the zoomed window.

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "engine/zug.h"
#include "hauptfenster.h"

namespace {

QByteArray Optionen(const daten::Umgebung& umgebung)
{
    QFile datei(umgebung.optionsDatei());
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

TEST_F(Hauptfenster, GroessenmenueSkaliertDasFensterUndMerktSichDieWahl)
{
    EXPECT_TRUE(Eintrag("mnuGroesse100")->isChecked());
    const struct {
        const char* eintrag;
        QSize mitVorschau, ohneVorschau;
    } stufen[] = {{"mnuGroesse125", {944, 594}, {593, 594}},
                  {"mnuGroesse150", {1133, 713}, {711, 713}},
                  {"mnuGroesse200", {1510, 950}, {948, 950}},
                  {"mnuGroesse100", {755, 475}, {474, 475}}};
    for (const auto& stufe : stufen) {
        Spiel(1, 4, {}, true);
        Eintrag(stufe.eintrag)->trigger();
        EXPECT_TRUE(Eintrag(stufe.eintrag)->isChecked()) << stufe.eintrag;
        EXPECT_EQ(Spielfeld()->size(), stufe.mitVorschau) << stufe.eintrag;
        EXPECT_EQ(frm.size().width(), stufe.mitVorschau.width()) << "the window takes the paint box's size";
        Spiel(1, 4, {}, false);
        EXPECT_EQ(Spielfeld()->size(), stufe.ohneVorschau) << stufe.eintrag;
        const QByteArray erwartet = "Groesse=" + QByteArray(stufe.eintrag).mid(10);
        EXPECT_TRUE(Optionen(umgebung).contains(erwartet)) << Optionen(umgebung).toStdString();
    }
}

TEST_F(Hauptfenster, GespeicherteGroesseGiltNachDemNeustart)
{
    Eintrag("mnuGroesse150")->trigger();
    {
        daten::Vorlieben gelesen{umgebung};  // a restart reads the options file again
        MtZufall z{1};
        sitzung::Spielsitzung zweite{z};
        sitzung::Spielleitung leitung2{zweite, nullptr, gelesen, nullptr};
        haupt::TfrmMain neu{texte, gelesen, leitung2, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }, {}}};
        EXPECT_EQ(neu.bild().zoom(), 1.5);
        EXPECT_TRUE(neu.findChild<QAction*>(QStringLiteral("mnuGroesse150"))->isChecked());
        EXPECT_EQ(neu.findChild<QWidget*>(QStringLiteral("ptbSpielfeld"))->size(), QSize(1133, 713));
    }
    // What is not a size from 100 to 400 percent gives the classic size.
    for (const char* falsch : {"Groesse=abc", "Groesse=99", "Groesse=401", "Groesse="}) {
        QFile datei(umgebung.optionsDatei());
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(QByteArray("[Optionen]\r\n") + falsch + "\r\n");
        datei.close();
        daten::Vorlieben gelesen{umgebung};  // a restart reads the options file again
        MtZufall z{1};
        sitzung::Spielsitzung zweite{z};
        sitzung::Spielleitung leitung2{zweite, nullptr, gelesen, nullptr};
        haupt::TfrmMain neu{texte, gelesen, leitung2, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }, {}}};
        EXPECT_EQ(neu.bild().zoom(), 1.0) << falsch;
        EXPECT_EQ(neu.findChild<QWidget*>(QStringLiteral("ptbSpielfeld"))->size(), QSize(755, 475)) << falsch;
    }
}

// A dragged frame takes the largest whole percentage that fits, in proportion; a frame dragged
// smaller than the classic size snaps back to it.
TEST_F(Hauptfenster, GezogenerRahmenRastetInDenProportionenEin)
{
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    Spiel(2, 4);
    frm.resize(frm.size() + QSize(30, 10));  // wider than high: the height decides
    QTest::qWait(300);
    EXPECT_EQ(frm.bild().zoom(), 1.02);
    EXPECT_EQ(Spielfeld()->size(), QSize(771, 485));
    EXPECT_FALSE(Eintrag("mnuGroesse100")->isChecked());
    EXPECT_TRUE(Optionen(umgebung).contains("Groesse=102"));
    frm.resize(frm.size() - QSize(40, 40));
    QTest::qWait(300);
    EXPECT_EQ(frm.bild().zoom(), 1.0);
    EXPECT_EQ(Spielfeld()->size(), QSize(755, 475));
    EXPECT_TRUE(Eintrag("mnuGroesse100")->isChecked());
}

// On a screen that holds more than the options file keeps (CTest runs this on a 4000 x 2600
// one), a frame dragged to the screen's size stops at the largest kept zoom, and a restart
// shows that size.
TEST_F(Hauptfenster, GezogenerRahmenBleibtBeiDerGroesstenGespeichertenGroesse)
{
    const QSize frei = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (frei.height() < 5 * 475)
        GTEST_SKIP() << "needs a screen over 2375 pixels high";
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    Spiel(2, 4);
    frm.resize(frei);
    QTest::qWait(300);
    EXPECT_EQ(frm.bild().zoom(), 4.0);
    EXPECT_TRUE(Optionen(umgebung).contains("Groesse=400"));
    EXPECT_EQ(daten::Vorlieben(umgebung).groesse(), 400);
}

// At 200 % a click on a zoomed arrow, axis or field makes the move it shows; the dialogs keep
// their place over the board.
TEST_F(Hauptfenster, KlicksImVergroessertenFensterTreffenWasSieZeigen)
{
    Eintrag("mnuGroesse200")->trigger();
    Spiel(2, 4, {2, 1});
    // The first device pixel of the left arrow of row 1, and the last of the same arrow.
    const QRect pfeil = frm.bild().geometrie().geraet({frm.bild().geometrie().pfeilRechts(1), QSize(26, 36)});
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, pfeil.topLeft());
    EXPECT_EQ(spiel().ZugAnzahl, 1);
    EXPECT_EQ(spiel().Spielfeld[1], 4);  // row 1 shifted right: the last tile comes in front
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, pfeil.bottomRight());
    EXPECT_EQ(spiel().ZugAnzahl, 2);

    Spiel(3, 4, {2, 1});
    const QRect zone = frm.bild().geometrie().geraet(frm.bild().geometrie().achszone(1));
    QTest::mouseClick(Spielfeld(), Qt::RightButton, {}, zone.bottomRight());
    EXPECT_EQ(spiel().ZugAnzahl, 1);

    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 0, 7, 8}, false, 9998);
    const QRect feld = frm.bild().geometrie().geraet(frm.bild().geometrie().feld(8));
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, feld.bottomRight());  // field 8 into the empty field 7
    EXPECT_EQ(spiel().Spielfeld[7], 7);
    ASSERT_EQ(meldungen.size(), 1u) << "move 9999 ends the game";
    EXPECT_EQ(meldungen[0].second, frm.frameGeometry().topLeft() + QPoint(200, 430)) << "(100, 215) grown twice";
}

// What the paint box is asked to paint, all regions together.
class Malbereich : public QObject {
public:
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint)
            bereich += static_cast<QPaintEvent*>(ereignis)->region();
        return false;
    }
    QRegion bereich;
};

// A move paints again its four fields and the counter digit it changed, nothing of the rest of
// the board, at every zoom of the menu.
TEST_F(Hauptfenster, ZugMaltNurSeineFelderUndDieGeaenderteZiffer)
{
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    const auto gemalt = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    };
    for (const char* groesse : {"mnuGroesse100", "mnuGroesse150", "mnuGroesse200"}) {
        Eintrag(groesse)->trigger();
        Spiel(3, 6, {2, 1});
        gemalt();
        Malbereich faenger;
        Spielfeld()->installEventFilter(&faenger);
        const haupt::Brettgeometrie& g = frm.bild().geometrie();
        Klick(Qt::LeftButton, g.knopfMitte(25).x(), g.knopfMitte(25).y());
        gemalt();
        ASSERT_EQ(spiel().ZugAnzahl, 1) << groesse;
        QRegion erwartet(QRect(g.zugZiffer(3), g.Zifferngroesse));  // 0000 -> 0001
        for (int feld : engine::GeaenderteFelder(6, {engine::Operation::AchseRechts, 25}))
            erwartet += g.feld(feld);
        EXPECT_EQ(faenger.bereich, g.fenster(erwartet)) << groesse;
    }
}

} // namespace
