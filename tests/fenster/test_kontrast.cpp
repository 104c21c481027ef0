// Every text of every window stands at 4.5 : 1 on its ground, in light and in dark, whether the
// window was made in that scheme or the scheme turned while it was open.
#include <QApplication>
#include <QMenuBar>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "kontrastmessung.h"
#include "beste/bestenliste.h"
#include "beste/frmbestenliste.h"
#include "beste/hilfen.h"
#include "beste/listendatei.h"
#include "daten/bilddienst.h"
#include "daten/texte.h"
#include "engine/zufall.h"
#include "fenster/desktopschema.h"
#include "fenster/erscheinungsbild.h"
#include "fenster/meldungsbox.h"
#include "main/frmmain.h"
#include "main/hilfefenster.h"
#include "main/infobox.h"
#include "optionen/einstellungen.h"
#include "sitzung/spielsitzung.h"

using fenster::Schema;
using Pruefung = std::function<void(QWidget&)>;

// The palette Qt's GTK theme makes of Adwaita dark: a desktop that says dark only by its palette.
QPalette AdwaitaDunkel()
{
    QPalette p(QColor(0xf0, 0xf0, 0xf0), QColor(0x32, 0x32, 0x32), QColor(0x4b, 0x4b, 0x4b), QColor(0x21, 0x21, 0x21),
               QColor(0x26, 0x26, 0x26), QColor(0xf0, 0xf0, 0xf0), QColor(0x4b, 0x4b, 0x4b), QColor(0x24, 0x24, 0x24),
               QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    p.setColor(QPalette::HighlightedText, QColor(0xf0, 0xf0, 0xf0));
    return p;
}

class Kontrast : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("images")));
        for (const char* name : {"Abend.bmp", "Berge.bmp", "Meer.bmp"}) {
            QImage bild(32, 32, QImage::Format_RGB32);
            bild.fill(Qt::darkCyan);
            ASSERT_TRUE(bild.save(ordner.filePath(QStringLiteral("images/") + QLatin1String(name)), "BMP"));
        }
        QApplication::setPalette(AdwaitaDunkel());
        desktop.emplace(QDBusConnection(QStringLiteral("kein Bus")));
        erscheinung.emplace(vorlieben, *desktop);
    }
    void TearDown() override
    {
        erscheinung.reset();
        QApplication::setPalette(QPalette());
    }

    void Waehle(daten::Erscheinungsbild wahl)
    {
        vorlieben.ErscheinungsbildSetzen(wahl);
        QApplication::processEvents();  // the windows take their colours once the palette rests
    }

    // Every text of the window in the scheme in force.
    void Miss(QWidget& fenster, const char* name, Schema schema)
    {
        ASSERT_EQ(fenster::AktuellesSchema(), schema);
        const std::vector<Textmessung> messungen = TexteMessen(fenster);
        EXPECT_FALSE(messungen.empty()) << name << ": no text found";
        for (const Textmessung& m : messungen)
            EXPECT_GE(m.kontrast, 4.5) << name << (schema == Schema::Dunkel ? " dark: " : " light: ")
                                       << m.wo.toStdString() << ", text " << m.text.name().toStdString()
                                       << " on " << m.grund.name().toStdString();
    }

    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
    daten::Texte texte{umgebung, vorlieben};
    std::optional<fenster::Desktopschema> desktop;
    std::optional<fenster::Erscheinungsbild> erscheinung;
};

namespace {

void Hauptfenster(const daten::Texte& texte, daten::Vorlieben& vorlieben, const Pruefung& pruefe)
{
    engine::MtZufall zufall{3};
    sitzung::Spielsitzung sitzung{zufall};
    haupt::TfrmMain frm(texte, vorlieben, sitzung, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }});
    frm.show();
    pruefe(frm);
    for (QMenu* menue : frm.menuBar()->findChildren<QMenu*>()) {
        menue->popup(frm.mapToGlobal(QPoint(0, 0)));
        pruefe(*menue);
        menue->hide();
    }
}

void Einstellungen(const daten::Umgebung& umgebung, const daten::Texte& texte, daten::Vorlieben& vorlieben,
                   const Pruefung& pruefe)
{
    daten::Bilddienst bilder;
    optionen::TfrmEinstellungen dialog(umgebung, texte, vorlieben, bilder, {[](auto...) {}, [] {}});
    dialog.show();
    dialog.findChild<QListWidget*>(QStringLiteral("FileListBox"))->setCurrentRow(1);
    pruefe(dialog);
}

// With two names in the list and a third being entered.
void BestenlisteZeigen(const daten::Umgebung& umgebung, const daten::Texte& texte, const Pruefung& pruefe)
{
    TListe liste{};
    Belege(liste, beste::ListenIndex(engine::Variante::Schieben, 4), {{80, 95, u"Ada"}, {120, 200, u"Grace"}});
    ASSERT_EQ(SpeichereListe(liste, umgebung.schreibPfad().toStdString() + "/morvik.dat", false),
              TSpeicherErgebnis::Gespeichert);
    beste::Bestenliste bestenliste(umgebung);
    beste::TfrmBestenListe dialog(bestenliste, texte, nullptr, [](auto...) {});
    dialog.Vorbereiten(engine::Variante::Schieben, 4, beste::Ergebnis{engine::Variante::Schieben, 4, 90, 100});
    dialog.show();
    dialog.findChild<QLineEdit*>(QStringLiteral("Eintrag"))->setText(QStringLiteral("Linus"));
    pruefe(dialog);
}

void Hilfe(const daten::Texte&, const Pruefung& pruefe)
{
    haupt::Hilfefenster hilfe;
    hilfe.Zeige(QStringLiteral(TAVELOR_SPIELORDNER "/morvik_en.hlp"), true);
    pruefe(hilfe);
}

// A modal box, looked at while it waits for the player.
void Modal(const std::function<void()>& zeigen, const Pruefung& pruefe)
{
    QTimer::singleShot(0, [&pruefe] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        pruefe(*box);
        box->close();
    });
    zeigen();
}

void Info(const Pruefung& pruefe)
{
    haupt::InfoBoxDlg info;
    info.FensterTitel = QStringLiteral("Info über Tavelor");
    info.Version = QStringLiteral("Version :");
    info.Beschreibung = QStringLiteral("Ein Bilderpuzzle in drei Varianten.");
    Modal([&info] { info.Execute(nullptr); }, pruefe);
}

void MeldungZeigen(const daten::Texte& texte, const Pruefung& pruefe)
{
    auto box = fenster::BaueMeldungsbox(QMessageBox::Critical, texte(daten::text::BildBeschaedigt));
    Modal([&box] { box->exec(); }, pruefe);
}

} // namespace

// A row for every window; each is made in one scheme, measured, turned to the other and measured
// again.
TEST_F(Kontrast, JederTextJedesFenstersInHellUndDunkel)
{
    using Zeigen = std::function<void(const Pruefung&)>;
    const std::pair<const char*, Zeigen> fensterliste[] = {
        {"main window", [this](const Pruefung& p) { Hauptfenster(texte, vorlieben, p); }},
        {"settings", [this](const Pruefung& p) { Einstellungen(umgebung, texte, vorlieben, p); }},
        {"best results", [this](const Pruefung& p) { BestenlisteZeigen(umgebung, texte, p); }},
        {"help", [this](const Pruefung& p) { Hilfe(texte, p); }},
        {"about", [](const Pruefung& p) { Info(p); }},
        {"message", [this](const Pruefung& p) { MeldungZeigen(texte, p); }},
    };
    using W = daten::Erscheinungsbild;
    // System on this dark desktop is dark; Light is chosen over it.
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

// The main window's art turns with the scheme while the window is open: the stone round the
// frames is light in light and dark in dark.
TEST_F(Kontrast, HauptfensterTauschtSeineKunst)
{
    Waehle(daten::Erscheinungsbild::Hell);
    engine::MtZufall zufall{3};
    sitzung::Spielsitzung sitzung{zufall};
    haupt::TfrmMain frm(texte, vorlieben, sitzung, {[](auto...) {}, [](auto...) {}, [](auto...) {}, [] { return false; }});
    frm.show();
    QApplication::processEvents();
    const auto stein = [&frm] { return frm.bild().kopie().pixelColor(5, 5).lightness(); };
    EXPECT_GT(stein(), 180);
    Waehle(daten::Erscheinungsbild::Dunkel);
    EXPECT_LT(stein(), 80);
    Waehle(daten::Erscheinungsbild::Hell);
    EXPECT_GT(stein(), 180);
}
