// Every text of every window stands at 4.5 : 1 on its ground, in light and in dark, whether the
// window was made in that scheme or the scheme turned while it was open.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "kontrastmessung.h"
#include "beste/frmbestenliste.h"
#include "engine/zufall.h"
#include "fenster/erscheinungsbild.h"
#include "fenster/meldungsbox.h"
#include "journal/ergebnisbau.h"
#include "main/frmmain.h"
#include "main/hilfefenster.h"
#include "main/infobox.h"
#include "main/tastenfenster.h"
#include "optionen/einstellungen.h"
#include "statistik/frmstatistik.h"

using fenster::Schema;
using W = daten::Erscheinungsbild;
using Pruefung = std::function<void(QWidget&)>;

// On a desktop that says dark only by its palette (Qt derives light text from the dark ground),
// with the game's pictures and help; nothing is written, as from a CD.
class Kontrast : public ::testing::Test {
protected:
    void TearDown() override { QApplication::setPalette(QPalette()); }

    void Waehle(W wahl)
    {
        vorlieben.ErscheinungsbildSetzen(wahl);
        QApplication::processEvents();  // the windows take their colours once the palette rests
    }
    void Miss(QWidget& fenster, const char* name, Schema schema)
    {
        ASSERT_EQ(fenster::AktuellesSchema(), schema);
        const char* wie = schema == Schema::Dunkel ? "dunkel" : "hell";
        if (const QString ablage = qEnvironmentVariable("TAVELOR_BILDER"); !ablage.isEmpty())  // for looking
            fenster.grab().save(QStringLiteral("%1/%2_%3_%4.png").arg(ablage, name, fenster.objectName(), wie));
        const std::vector<Textmessung> messungen = TexteMessen(fenster);
        EXPECT_FALSE(messungen.empty()) << name << ": no text";
        for (const Textmessung& m : messungen)
            EXPECT_GE(m.kontrast, 4.5) << name << ' ' << wie << ": " << m.wo.toStdString() << ", "
                                       << m.text.name().toStdString() << " on " << m.grund.name().toStdString();
    }

    const bool dunklerDesktop = (QApplication::setPalette(QPalette(QColor(50, 50, 50))), true);  // before all
    daten::Umgebung umgebung{QStringLiteral(TAVELOR_SPIELORDNER), true, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    fenster::Desktopschema desktop{QDBusConnection(QStringLiteral("kein Bus"))};
    fenster::Erscheinungsbild erscheinung{vorlieben, desktop};
    engine::MtZufall zufall{3};
    sitzung::Spielsitzung sitzung{zufall};
    sitzung::Spielleitung leitung{sitzung, nullptr, vorlieben, nullptr};
    haupt::TfrmMain frm{texte, vorlieben, leitung, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }, {}}};
};

// A modal box, looked at while it waits for the player.
void Modal(const std::function<void()>& zeigen, const Pruefung& pruefe)
{
    QTimer::singleShot(0, [&pruefe] {
        pruefe(*QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
    });
    zeigen();
}

// A row for every window; each is made in one scheme, measured, turned to the other and measured
// again. System on this desktop is dark; Light is chosen over it.
TEST_F(Kontrast, JederTextJedesFenstersInHellUndDunkel)
{
    const std::pair<const char*, std::function<void(const Pruefung&)>> fensterliste[] = {
        {"haupt", [this](const Pruefung& pruefe) {
             frm.show();
             pruefe(frm);
             for (QMenu* menue : frm.menuBar()->findChildren<QMenu*>()) {
                 menue->popup(frm.pos());
                 pruefe(*menue);
                 menue->hide();
             }
         }},
        {"einstellungen", [this](const Pruefung& pruefe) {
             daten::Bilddienst bilder;
             optionen::TfrmEinstellungen dialog(umgebung, texte, vorlieben, bilder, {[](auto...) {}, [] {}});
             dialog.show();
             dialog.findChild<QListWidget*>(QStringLiteral("FileListBox"))->setCurrentRow(1);
             pruefe(dialog);
         }},
        {"bestenliste", [this](const Pruefung& pruefe) {  // a name being entered
             beste::Bestenliste bestenliste(umgebung);
             beste::TfrmBestenListe dialog(bestenliste, texte, nullptr, [](auto...) {});
             dialog.Vorbereiten(engine::Variante::Schieben, 4, beste::Ergebnis{engine::Variante::Schieben, 4, 90, 100});
             dialog.show();
             dialog.findChild<QLineEdit*>(QStringLiteral("Eintrag"))->setText(QStringLiteral("Linus"));
             pruefe(dialog);
         }},
        {"hilfe", [](const Pruefung& pruefe) {
             haupt::Hilfefenster hilfe;
             hilfe.Zeige(QStringLiteral(TAVELOR_SPIELORDNER "/morvik_de.hlp"), false);
             pruefe(hilfe);
         }},
        {"tasten", [this](const Pruefung& pruefe) {
             haupt::Tastenfenster tasten(*frm.menuBar(), texte);
             tasten.Zeige();
             tasten.tabelle()->selectRow(1);
             pruefe(tasten);
         }},
        {"info", [this](const Pruefung& pruefe) {
             haupt::InfoBoxDlg info;
             info.Version = texte(101);
             info.Beschreibung = QStringLiteral("Ein Bilderpuzzle in drei Varianten.");
             info.Lizenz = texte(daten::text::Lizenz);
             info.Mitwirkende = texte(daten::text::Mitwirkende);
             Modal([&info] { info.Execute(nullptr); }, pruefe);
         }},
        {"aufgeben", [this](const Pruefung& pruefe) {  // the question before a game is given up
             auto box = haupt::BaueAufgabefrage(texte, nullptr);
             Modal([&box] { box->exec(); }, pruefe);
         }},
        {"statistik", [this](const Pruefung& pruefe) {  // figures, chart and list of a few games
             QTemporaryDir ordner;
             journal::Journal journal(ordner.filePath(QStringLiteral("journal.sqlite")), false);
             for (std::uint32_t saat = 1; saat <= 4; ++saat)
                 journal.Aufzeichnen(ergebnisbau::Ergebnis(engine::Variante::Schieben, 4, saat, 20,
                                                           saat == 4 ? sitzung::Ausgang::Abgebrochen : sitzung::Ausgang::Geloest));
             statistik::TfrmStatistik fenster(journal, texte, vorlieben);
             fenster.Zeigen();
             pruefe(fenster);
         }},
        {"meldung", [this](const Pruefung& pruefe) {
             auto box = fenster::BaueMeldungsbox(QMessageBox::Critical, texte(daten::text::BildBeschaedigt));
             Modal([&box] { box->exec(); }, pruefe);
         }},
    };
    const struct {
        W zuerst, dann;
        Schema vorher, nachher;
    } wechsel[] = {{W::System, W::Hell, Schema::Dunkel, Schema::Hell}, {W::Hell, W::Dunkel, Schema::Hell, Schema::Dunkel}};
    for (const auto& [name, zeigen] : fensterliste)
        for (const auto& w : wechsel) {
            Waehle(w.zuerst);
            zeigen([&](QWidget& fenster) {
                Miss(fenster, name, w.vorher);
                Waehle(w.dann);
                Miss(fenster, name, w.nachher);
                Waehle(w.zuerst);
            });
        }
}

// The main window's art turns with the scheme while it is open: the stone round the frames.
TEST_F(Kontrast, HauptfensterTauschtSeineKunst)
{
    frm.show();
    for (auto [wahl, hell] : {std::pair(W::Hell, true), std::pair(W::Dunkel, false), std::pair(W::Hell, true)}) {
        Waehle(wahl);
        EXPECT_EQ(frm.bild().kopie().pixelColor(5, 5).lightness() > 128, hell);
    }
}
