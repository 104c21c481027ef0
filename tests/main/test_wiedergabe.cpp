// A recorded game watched on the main window: the bar steps through it on the board, and any
// other command ends it and leaves the game in progress as it was, its clock going on.
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include "geordnetesbrett.h"
#include "hauptfenster.h"

namespace {

using Wiedergabe = Hauptfenster;

TEST_F(Wiedergabe, JederAndereBefehlBeendetSieUndDasSpielBleibtWieEsWar)
{
    haupt::Aufzeichnung aufzeichnung;
    aufzeichnung.ergebnis.start = GeordnetesBrett(3, 3);
    aufzeichnung.ergebnis.gespielt = {{Operation::AchseRechts, 1}, {Operation::AchseLinks, 4}, {Operation::AchseRechts, 2}};
    aufzeichnung.ergebnis.zugSekunden = {1, 2, 2};
    const std::pair<const char*, std::function<void()>> befehle[] = {
        {"menu opened", [&] { emit Menue("mnuOptionen")->aboutToShow(); }},
        {"board clicked", [&] { Klick(Qt::LeftButton, 150, 150); }},
        {"key on the board", [&] { QTest::keyClick(Spielfeld(), Qt::Key_Left); }},
        {"Escape in the bar", [&] { QTest::keyClick(frm.findChild<QToolBar*>("wiedergabeleiste"), Qt::Key_Escape); }},
        {"back to the game", [&] { frm.findChild<QPushButton*>("btnEnde")->click(); }},
    };
    Spiel(2, 4);
    sitzung.Ziehe({Operation::ZeileRechts, 2});  // the clock runs
    QSignalSpy enden(&sitzung, &sitzung::Spielsitzung::spielZuEnde);
    const sitzung::Schnappschuss vorher = sitzung.schnappschuss();
    const QImage bild = Kopie();
    for (const auto& [name, befehl] : befehle) {
        frm.Ansehen(aufzeichnung);
        ASSERT_TRUE(frm.siehtAn()) << name;
        frm.findChild<QPushButton*>("btnVor")->click();
        EXPECT_EQ(frm.bild().geometrie().n(), 3) << name;  // the record's board, after its first move
        EXPECT_FALSE(sitzung.uhrLaeuft()) << name;
        befehl();
        EXPECT_FALSE(frm.siehtAn()) << name;
        EXPECT_TRUE(sitzung.uhrLaeuft()) << name;
        EXPECT_EQ(sitzung.schnappschuss(), vorher) << name;
        EXPECT_EQ(Kopie(), bild) << name;
    }
    EXPECT_EQ(enden.count(), 0);  // nothing ended, so nothing is recorded
    aufzeichnung.lesbar = false;
    frm.Ansehen(aufzeichnung);
    EXPECT_FALSE(frm.siehtAn());
    EXPECT_EQ(meldungen.size(), 1u);  // said, not shown
}

} // namespace
