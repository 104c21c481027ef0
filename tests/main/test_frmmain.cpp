// The main window under the offscreen platform: menu, texts, board clicks, clock and pause.

#include <QAction>
#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

#include "daten/textkatalog.h"
#include "hauptfenster.h"
#include "optionen/einstellungen.h"
#include "kunst.h"

using namespace engine;


TEST_F(Hauptfenster, FensterHatFesteGroesseUndKeinMaximieren)
{
    EXPECT_EQ(Spielfeld()->size(), QSize(755, 475));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Tavelor"));
    EXPECT_FALSE(frm.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frm.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(Spielfeld()->isEnabled());  // no board before the first game
}

TEST_F(Hauptfenster, MenuebaumInBeidenSprachen)
{
    const QStringList deutsch{"&Spiel", "&Optionen", "&?"};
    QStringList titel;
    for (QAction* a : frm.menuBar()->actions())
        titel << a->text();
    EXPECT_EQ(titel, deutsch);
    QStringList spielmenue;
    for (QAction* a : Menue("mnuSpiel")->actions())
        spielmenue << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(spielmenue, (QStringList{"&Neues Spiel", "Neues Spiel wie &zuvor", "&Dasselbe Brett noch einmal",
                                       "Spiel&code kopieren", "Spielcode &eingeben …", "Rätsel des &Tages",
                                       "Besten&liste", "&Statistik …",
                                       "Letztes Spiel &ansehen", "-",
                                       "&Rückgängig", "&Wiederholen", "-", "&Beenden"}));
    QStringList optionen;
    for (QAction* a : Menue("mnuOptionen")->actions())
        optionen << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(optionen, (QStringList{"Pa&use", "T&ipp", "&Lösen", "Lö&setempo", "-", "&Ton an", "&Musik", "&Animation",
                                     "&Größe", "&Erscheinungsbild", "-", "S&prache"}));
    EXPECT_FALSE(Eintrag("mnuMusik")->isVisible());
    EXPECT_TRUE(Eintrag("mnuPause")->isCheckable());
    EXPECT_FALSE(Eintrag("mnuPause")->isEnabled());
    EXPECT_FALSE(Eintrag("mnuTon")->isChecked());
    EXPECT_TRUE(Eintrag("mnuDeutsch")->isChecked());
    EXPECT_EQ(Eintrag("mnuHilfe")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(Eintrag("mnuStatistik")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    int statistik = 0;
    Eintrag("mnuStatistik")->trigger();  // nothing set: nothing happens
    frm.StatistikSetzen([&statistik] { ++statistik; });
    Eintrag("mnuStatistik")->trigger();
    EXPECT_EQ(statistik, 1);
    EXPECT_TRUE(Eintrag("mnuErscheinungSystem")->isChecked());
    Eintrag("mnuErscheinungDunkel")->trigger();  // stored, and the mark moves
    EXPECT_EQ(vorlieben.erscheinungsbild(), daten::Erscheinungsbild::Dunkel);
    EXPECT_FALSE(Eintrag("mnuErscheinungSystem")->isChecked());

    Eintrag("mnuEnglish")->trigger();
    EXPECT_TRUE(texte.englisch());
    EXPECT_TRUE(Eintrag("mnuEnglish")->isChecked());
    EXPECT_FALSE(Eintrag("mnuDeutsch")->isChecked());
    EXPECT_EQ(Menue("mnuSpiel")->title(), QStringLiteral("&Game"));
    EXPECT_EQ(Eintrag("mnuBestenliste")->text(), QStringLiteral("&Best results..."));
    EXPECT_EQ(Eintrag("mnuStatistik")->text(), QStringLiteral("&Statistics …"));
    EXPECT_EQ(Eintrag("mnuTon")->text(), QStringLiteral("So&und effects"));
    EXPECT_EQ(Eintrag("mnuInfo")->text(), QStringLiteral("&About"));
    EXPECT_EQ(Menue("mnuGroesse")->title(), QStringLiteral("&Size"));
    EXPECT_EQ(Menue("mnuErscheinungsbild")->title(), QStringLiteral("Appeara&nce"));
    EXPECT_EQ(Eintrag("mnuErscheinungDunkel")->text(), QStringLiteral("&Dark"));
    EXPECT_EQ(Menue("mnuLoesetempo")->title(), QStringLiteral("Solve spee&d"));
    EXPECT_EQ(Eintrag("mnuLoesetempo1")->text(), QStringLiteral("1 move a second"));
    EXPECT_EQ(Eintrag("mnuLoesetempo16")->text(), QStringLiteral("16 moves a second"));
}

TEST_F(Hauptfenster, SprachwechselDerNichtGespeichertWerdenKannBleibtBeimAlten)
{
    umgebung.progPfad = ordner.filePath("gibt/es/nicht");
    Eintrag("mnuEnglish")->trigger();
    EXPECT_FALSE(texte.englisch());
    EXPECT_TRUE(Eintrag("mnuDeutsch")->isChecked());
    EXPECT_EQ(Menue("mnuSpiel")->title(), QStringLiteral("&Spiel"));
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0], QStringLiteral("nach %1/options.ini kann nicht geschrieben werden").arg(umgebung.progPfad));
}

// The check entries show the preferences and switch them, whoever changed them: animation is
// stored, sound is not; a switch that cannot be stored keeps its value and its check mark.
TEST_F(Hauptfenster, SchalterImMenueSindDieVorlieben)
{
    const auto optionen = [this] {
        QFile datei(umgebung.optionsDatei());
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
    };
    const struct {
        const char* eintrag;
        std::function<bool()> an;
        QByteArray gespeichert;
    } schalter[] = {{"mnuAnimation", [this] { return vorlieben.animation(); }, "[Optionen]\nAnimation=1\n"},
                    {"mnuTon", [this] { return vorlieben.ton(); }, "<fehlt>"}};
    for (const auto& s : schalter) {
        SCOPED_TRACE(s.eintrag);
        QFile::remove(umgebung.optionsDatei());
        Eintrag(s.eintrag)->trigger();
        EXPECT_TRUE(s.an());
        EXPECT_TRUE(Eintrag(s.eintrag)->isChecked());
        EXPECT_EQ(optionen(), s.gespeichert);
        Eintrag(s.eintrag)->trigger();
        EXPECT_FALSE(s.an());
        EXPECT_FALSE(Eintrag(s.eintrag)->isChecked());
    }
    vorlieben.AnimationSetzen(true);
    vorlieben.TonSetzen(true);
    EXPECT_TRUE(Eintrag("mnuAnimation")->isChecked());
    EXPECT_TRUE(Eintrag("mnuTon")->isChecked());
    EXPECT_EQ(audioFragen, 1) << "asked once, when sound was first switched on";

    umgebung.progPfad = ordner.filePath("gibt/es/nicht");
    Eintrag("mnuAnimation")->trigger();
    EXPECT_TRUE(vorlieben.animation());
    EXPECT_TRUE(Eintrag("mnuAnimation")->isChecked());
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0], QStringLiteral("nach %1/options.ini kann nicht geschrieben werden").arg(umgebung.progPfad));
    Eintrag("mnuTon")->trigger();
    EXPECT_FALSE(vorlieben.ton());
    EXPECT_EQ(fehler.size(), 1u);
}

// Without a sound service (a test's window) sound switched on plays nothing and fails nowhere.
TEST_F(Hauptfenster, OhneTondienstBleibtEsStill)
{
    MtZufall z{2};
    sitzung::Spielsitzung zweite{z};
    sitzung::Spielleitung leitung2{zweite, nullptr, vorlieben, nullptr};
    haupt::TfrmMain still{texte, vorlieben, leitung2,
                          {[this](QMessageBox::Icon, const QString& text, QPoint wo) { meldungen.push_back({text, wo}); },
                           {}, [this](const QString& text) { fehler.push_back(text); }, {}, {}}};
    still.findChild<QAction*>(QStringLiteral("mnuTon"))->trigger();
    EXPECT_TRUE(vorlieben.ton());
    sitzung::Einstellungen e;
    e.variante = Variante::Verschieben;
    zweite.NeuesSpiel(e);
    const double zoom = still.bild().zoom();  // row 1 shifted by its arrow
    QTest::mouseClick(still.findChild<QWidget*>(QStringLiteral("ptbSpielfeld")), Qt::LeftButton, {},
                      QPoint(int(30 * zoom), int(100 * zoom)));
    EXPECT_EQ(zweite.spiel().ZugAnzahl, 1);
    EXPECT_TRUE(fehler.empty());
}

TEST_F(Hauptfenster, LinksklickNebenDemLeerenFeldSchiebtZaehltUndStartetDieUhr)
{
    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 0, 7, 8});
    const QImage vorher = Kopie().copy();
    Klick(Qt::LeftButton, 57 + 60, 56 + 240 + 60);  // field 7: the empty field
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    Klick(Qt::LeftButton, 57 + 120 + 60, 56 + 240 + 60);  // field 8 slides left
    EXPECT_EQ(spiel().ZugAnzahl, 1);
    EXPECT_EQ(spiel().Spielfeld[7], 7);
    EXPECT_EQ(spiel().Spielfeld[8], 0);
    EXPECT_TRUE(sitzung.uhrLaeuft());
    EXPECT_TRUE(Eintrag("mnuPause")->isEnabled());
    // Field 7 now shows tile 7, field 8 the cross; the move counter reads 0001.
    EXPECT_EQ(Kopie().copy(58, 297, 119, 119), Original().copy(1, 241, 119, 119));
    EXPECT_EQ(Kopie().copy(178, 297, 119, 119), kunst::Bild(QStringLiteral("imgKreuz3")).convertToFormat(QImage::Format_RGB32).copy(1, 1, 119, 119));
    EXPECT_NE(Kopie().copy(631, 310, 22, 30), vorher.copy(631, 310, 22, 30));
    EXPECT_EQ(Kopie().copy(565, 310, 66, 30), vorher.copy(565, 310, 66, 30));
}

TEST_F(Hauptfenster, KlicksOhneZugLassenAllesWieEsWar)
{
    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8});
    const auto brett = spiel().Spielfeld;
    const QImage vorher = Kopie().copy();
    Klick(Qt::LeftButton, 57, 300);              // the board's first pixel column
    Klick(Qt::LeftButton, 100, 100);             // a tile without an empty neighbour
    Klick(Qt::MiddleButton, 57 + 300, 56 + 300); // the middle button never moves
    Klick(Qt::LeftButton, 600, 300);             // the right-hand panel
    EXPECT_EQ(spiel().Spielfeld, brett);
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_FALSE(Eintrag("mnuPause")->isEnabled());
    EXPECT_EQ(Kopie(), vorher);
}

TEST_F(Hauptfenster, RechtsklickZeigtKachelnummernUndEinZugNimmtSieWeg)
{
    Spiel(2, 3, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    Klick(Qt::RightButton, 100, 100);
    EXPECT_EQ(sitzung.nummernmodus(), sitzung::Nummernmodus::EinFeld);
    EXPECT_EQ(sitzung.nummernfeld(), 1);
    const QImage eins = Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(eins.copy(138, 138, 32, 30), Kopie().copy(138, 138, 32, 30));
    Klick(Qt::RightButton, 100, 100);
    EXPECT_EQ(sitzung.nummernmodus(), sitzung::Nummernmodus::Alle);
    Klick(Qt::LeftButton, 30, 100);  // shift row 1
    EXPECT_EQ(sitzung.nummernmodus(), sitzung::Nummernmodus::Keine);
    const QImage ohne = Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ohne, Kopie());
}

TEST_F(Hauptfenster, PauseZeigtDasGanzeBildUndStelltDasBrettWiederHer)
{
    Spiel(3, 4);
    Klick(Qt::LeftButton, 57 + 90, 56 + 90);  // turn axis 1: the clock starts
    ASSERT_TRUE(sitzung.uhrLaeuft());
    const QImage brett = Kopie().copy();

    Eintrag("mnuPause")->trigger();
    EXPECT_TRUE(Eintrag("mnuPause")->isChecked());
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_EQ(Kopie().copy(57, 56, 70, 150), Original().copy(0, 0, 70, 150));
    EXPECT_NE(Kopie().copy(127, 206, 220, 60), Original().copy(70, 150, 220, 60));

    const auto felder = spiel().Spielfeld;
    Klick(Qt::LeftButton, 57 + 90, 56 + 90);  // a click on the board only resumes
    EXPECT_EQ(spiel().Spielfeld, felder);
    EXPECT_FALSE(Eintrag("mnuPause")->isChecked());
    EXPECT_TRUE(sitzung.uhrLaeuft());
    EXPECT_EQ(Kopie(), brett);
}

TEST_F(Hauptfenster, UhrZaehltUndZeitgrenzeBeendetDasSpiel)
{
    Spiel(2, 4, {2, 1}, false, 1, 3597);
    EXPECT_EQ(Spielfeld()->width(), 474);
    sitzung.Sekunde();
    EXPECT_EQ(spiel().Sekunden, 3598);
    sitzung.Sekunde();
    EXPECT_EQ(spiel().Sekunden, 3599);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, daten::LadeText(505, 0));
    EXPECT_EQ(meldungen[0].second, frm.frameGeometry().topLeft() + QPoint(95, 215));
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_FALSE(Spielfeld()->isEnabled());
    EXPECT_FALSE(Eintrag("mnuPause")->isEnabled());
    EXPECT_TRUE(sitzung.einstellungen().vorschau);
    EXPECT_EQ(Spielfeld()->width(), 755);
    EXPECT_EQ(Kopie().copy(57, 56, 360, 360), Original());
    sitzung.Sekunde();
    EXPECT_EQ(spiel().Sekunden, 3599);
}

// The windows are built in the program's order in a folder whose options file says English:
// the settings dialog's complaint about a broken first picture, once it shows, is English too.
TEST(Programmstart, MeldungenSchonBeimStartInDerGespeichertenSprache)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("images")));
    QFile ini(ordner.filePath(QStringLiteral("options.ini"))), bild(ordner.filePath(QStringLiteral("images/a.bmp")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("[Sprache]\nAktuell=1000\n") > 0);
    ASSERT_TRUE(bild.open(QIODevice::WriteOnly) && bild.write("BM kaputt") > 0);
    ini.close();
    bild.close();

    QStringList meldungen;
    const daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben(umgebung);
    const daten::Texte texte(umgebung, vorlieben);
    daten::Bilddienst bilder;
    optionen::TfrmEinstellungen einstellungen(umgebung, texte, vorlieben, bilder, {[&](QWidget*, const QString& text) { meldungen << text; }, [] {}});
    einstellungen.show();  // the first picture is read once the dialog shows
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    for (int i = 0; i < 500 && einstellungen.VorschauKommt(); ++i)
        QTest::qWait(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen, QStringList{daten::LadeText(daten::text::BildBeschaedigt, 1000)});
}

// Keys move as clicks do; while paused a key only resumes.
TEST_F(Hauptfenster, PfeiltastenSchiebenUndPauseNimmtNurDieTasteAuf)
{
    Spiel(1, 3, {1, 2, 3, 4, 5, 6, 7, 0, 8});
    QTest::keyClick(Spielfeld(), Qt::Key_Up);  // nothing below the empty field
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    QTest::keyClick(Spielfeld(), Qt::Key_Right);  // tile 7 moves right into field 8
    EXPECT_EQ(spiel().Spielfeld[8], 7);
    EXPECT_EQ(spiel().ZugAnzahl, 1);
    EXPECT_TRUE(sitzung.uhrLaeuft());
    Eintrag("mnuPause")->trigger();
    QTest::keyClick(Spielfeld(), Qt::Key_Left);
    EXPECT_EQ(spiel().ZugAnzahl, 1);
    EXPECT_FALSE(spiel().pausiert());
    QTest::keyClick(Spielfeld(), Qt::Key_N);
    EXPECT_EQ(sitzung.nummernmodus(), sitzung::Nummernmodus::EinFeld);
    EXPECT_EQ(sitzung.nummernfeld(), 8) << "the field right of the empty one";
}

// Variants 2 and 3 walk a cursor; Shift+arrow shifts, Space and Backspace turn; a click hides it.
TEST_F(Hauptfenster, CursorZeigtSichUndSpieltDieVarianten)
{
    Spiel(2, 3, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    const QImage ohne = Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTest::keyClick(Spielfeld(), Qt::Key_Down);  // appears on field 1
    QTest::keyClick(Spielfeld(), Qt::Key_Down);  // field 4
    const QImage mit = Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(mit.pixel(57 + 60, 56 + 120 + 1), haupt::Markierfarbe) << "frame round field 4";
    EXPECT_NE(ohne.pixel(57 + 60, 56 + 120 + 1), haupt::Markierfarbe);
    QTest::keyClick(Spielfeld(), Qt::Key_Left, Qt::ShiftModifier);  // row 2 to the left
    EXPECT_EQ(spiel().Spielfeld[6], 4);
    Klick(Qt::LeftButton, 600, 300);
    EXPECT_EQ(Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(57 + 60, 56 + 120 + 1),
              Kopie().pixel(57 + 60, 56 + 120 + 1)) << "a click hides the cursor";

    Spiel(3, 3, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    const auto brett = spiel().Spielfeld;
    QTest::keyClick(Spielfeld(), Qt::Key_Space);  // no cursor yet: nothing
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    QTest::keyClick(Spielfeld(), Qt::Key_Right);
    QTest::keyClick(Spielfeld(), Qt::Key_Right);  // axis 2
    QTest::keyClick(Spielfeld(), Qt::Key_Space);
    EXPECT_EQ(spiel().Spielfeld[3], 1) << "field 2's tile turned clockwise to field 3";
    QTest::keyClick(Spielfeld(), Qt::Key_Backspace);
    EXPECT_EQ(spiel().Spielfeld, brett);
    EXPECT_EQ(spiel().ZugAnzahl, 2);
}

TEST_F(Hauptfenster, RueckgaengigWiederholenUndNeuesSpielWieZuvor)
{
    EXPECT_FALSE(Eintrag("mnuRueckgaengig")->isEnabled());
    EXPECT_FALSE(Eintrag("mnuNeuesSpielWieZuvor")->isEnabled()) << "no game yet";
    Spiel(2, 4, {2, 1}, false);
    Klick(Qt::LeftButton, 30, 300);
    ASSERT_TRUE(Eintrag("mnuRueckgaengig")->isEnabled());
    EXPECT_EQ(Eintrag("mnuRueckgaengig")->shortcut(), QKeySequence(QKeySequence::Undo));
    Eintrag("mnuRueckgaengig")->trigger();
    EXPECT_EQ(spiel().ZugAnzahl, 2);
    EXPECT_FALSE(Eintrag("mnuRueckgaengig")->isEnabled());
    EXPECT_TRUE(Eintrag("mnuWiederholen")->isEnabled());

    Eintrag("mnuNeuesSpielWieZuvor")->trigger();
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    EXPECT_EQ(spiel().variante, Variante::Verschieben);
    EXPECT_EQ(spiel().n(), 4);
    EXPECT_EQ(Spielfeld()->width(), 474);
    EXPECT_FALSE(Eintrag("mnuWiederholen")->isEnabled());
}

// With animation on, a move is seen in motion for a moment and ends exactly where it would
// without; a move during the motion is taken at once. A solved board glows before the end.
TEST_F(Hauptfenster, AnimationZeigtDenWegUndEndetImGewohntenBild)
{
    Eintrag("mnuAnimation")->trigger();
    ASSERT_TRUE(Eintrag("mnuAnimation")->isChecked());
    Spiel(2, 3, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    auto schirm = [this] { return Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    Klick(Qt::LeftButton, 30, 300);  // row 3 to the right
    EXPECT_NE(schirm(), Kopie()) << "the row is on its way";
    Klick(Qt::LeftButton, 30, 300);  // taken at once, the first move's motion gives way
    EXPECT_EQ(spiel().ZugAnzahl, 2);
    QTest::qWait(200);
    EXPECT_EQ(schirm(), Kopie());
    if (const QString datei = qEnvironmentVariable("TAVELOR_BILD"); !datei.isEmpty()) {
        Klick(Qt::LeftButton, 30, 100);
        QTest::qWait(50);
        schirm().save(datei + QStringLiteral("_bewegung.png"));
    }

    Spiel(2, 3, {2, 3, 1, 4, 5, 6, 7, 8, 9});
    Klick(Qt::LeftButton, 30, 100);  // row 1 to the right: solved
    EXPECT_EQ(spiel().phase, Phase::Vorbei);
    EXPECT_NE(schirm().pixel(200, 200), Kopie().pixel(200, 200)) << "the glow";
    QTest::qWait(600);
    EXPECT_EQ(schirm(), Kopie());
    EXPECT_EQ(Kopie().copy(57, 56, 360, 360), Original());
}

// How many pixels of two pictures differ, and where.
std::string Unterschiede(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes " + std::to_string(a.width()) + "x" + std::to_string(a.height()) + " and "
               + std::to_string(b.width()) + "x" + std::to_string(b.height());
    int anzahl = 0;
    QRect wo;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++anzahl;
                wo |= QRect(x, y, 1, 1);
            }
    return std::to_string(anzahl) + " pixels in " + std::to_string(wo.x()) + "," + std::to_string(wo.y()) + " "
           + std::to_string(wo.width()) + "x" + std::to_string(wo.height());
}

// What the window's backing store holds of the paint box, in device pixels: what the partial
// paints left there. The paint box begins at the device pixel its picture is moved to when the
// menu bar's height falls between two (AufGeraetepixel).
QImage Schirm(QWidget& fenster, const QWidget& feld, QSize groesse)
{
    auto* speicher = fenster.backingStore() ? dynamic_cast<QImage*>(fenster.backingStore()->paintDevice()) : nullptr;
    if (!speicher)
        return {};
    const QPointF ecke = QPointF(feld.mapTo(&fenster, QPoint(0, 0))) * fenster.devicePixelRatioF();
    return speicher->copy(QRect(QPoint(int(std::round(ecke.x())), int(std::round(ecke.y()))), groesse))
        .convertToFormat(QImage::Format_RGB32);
}

// The window paints again only what changed; after moves, tile numbers, a hint coming and
// going, the clock, the cursor, a pause and a move in motion, the screen shows what painting it
// whole shows: at every size of the menu and a dragged one. CTest runs this again at screen
// ratios 1.25 and 1.5.
TEST_F(Hauptfenster, TeilweisesNeuzeichnenZeigtWasGanzesZeichnenZeigt)
{
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    const auto vergleiche = [this](const char* schritt) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        // The device pixels wholly inside the paint box; at a fractional ratio its last row and
        // column are cut by the window's edge.
        const QSizeF geraet = QSizeF(Spielfeld()->size()) * frm.devicePixelRatioF();
        const QRect innen(0, 0, int(geraet.width()), int(geraet.height()));
        const QImage ganz = Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(innen);
        const QImage schirm = Schirm(frm, *Spielfeld(), ganz.size());
        EXPECT_TRUE(schirm == ganz) << schritt << ": " << Unterschiede(schirm, ganz);
    };
    for (const char* groesse : {"mnuGroesse100", "mnuGroesse125", "mnuGroesse150", "mnuGroesse200", ""}) {
        SCOPED_TRACE(*groesse ? groesse : "dragged");
        if (*groesse) {
            Eintrag(groesse)->trigger();
        } else {  // a frame dragged a little larger, within what the offscreen screen holds
            if (frm.screen()->availableGeometry().width() < 800)
                continue;  // at a ratio above 1 the offscreen screen of 800 device pixels holds no more
            Eintrag("mnuGroesse100")->trigger();
            frm.resize(frm.size() + QSize(25, 20));
            QTest::qWait(300);
            ASSERT_EQ(frm.bild().zoom(), 1.03);
        }
        vorlieben.AnimationSetzen(false);
        Spiel(2, 4, {2, 1});
        vergleiche("new game");
        Klick(Qt::LeftButton, 30, 100);
        vergleiche("row 1 shifted");
        Klick(Qt::RightButton, 100, 100);
        vergleiche("one tile number");
        Klick(Qt::RightButton, 100, 100);
        vergleiche("all tile numbers");
        Eintrag("mnuTipp")->trigger();
        vergleiche("hint");
        QTest::qWait(1700);
        vergleiche("hint gone, clock on");
        QTest::keyClick(Spielfeld(), Qt::Key_Down);
        vergleiche("cursor");
        for (const char* nummern : {"N: one", "N: all", "N: none"}) {
            QTest::keyClick(Spielfeld(), Qt::Key_N);
            vergleiche(nummern);
        }
        Eintrag("mnuPause")->trigger();
        vergleiche("pause");
        Eintrag("mnuPause")->trigger();
        vergleiche("on again");

        Spiel(3, 4, {2, 1});
        vergleiche("variant 3");
        Klick(Qt::LeftButton, 57 + 90, 56 + 90);
        vergleiche("axis turned");
        Spiel(1, 3, {1, 2, 3, 4, 5, 6, 0, 7, 8});
        Klick(Qt::LeftButton, 57 + 120 + 60, 56 + 240 + 60);
        vergleiche("tile slid");

        vorlieben.AnimationSetzen(true);
        Spiel(3, 4, {2, 1});
        Klick(Qt::LeftButton, 57 + 180, 56 + 180);
        QTest::qWait(200);
        vergleiche("axis turned in motion");
    }
}

// F2 over a game with a move asks first: "Keep playing" keeps it, "New game" gives it up with a
// result; "Do not ask again" ticked with "New game" is stored, and F2 asks no more.
TEST_F(Hauptfenster, NeuesSpielWieZuvorFragtVorDemAufgeben)
{
    QSignalSpy enden(&sitzung, &sitzung::Spielsitzung::spielZuEnde);
    Spiel(2, 4, {2, 1});
    Eintrag("mnuNeuesSpielWieZuvor")->trigger();  // no move yet: nothing is given up
    EXPECT_EQ(fragen, 0);
    Klick(Qt::LeftButton, 30, 100);
    const auto brett = spiel().Spielfeld;
    antwort = {false, true};
    Eintrag("mnuNeuesSpielWieZuvor")->trigger();
    EXPECT_EQ(fragen, 1);
    EXPECT_EQ(spiel().Spielfeld, brett);
    EXPECT_TRUE(vorlieben.nachfragen()) << "the tick counts only with the new game";
    antwort = {true, true};
    Eintrag("mnuNeuesSpielWieZuvor")->trigger();
    EXPECT_EQ(fragen, 2);
    EXPECT_EQ(spiel().ZugAnzahl, 0);
    ASSERT_EQ(enden.size(), 1);
    EXPECT_EQ(enden[0][0].value<sitzung::Spielergebnis>().ausgang, sitzung::Ausgang::Abgebrochen);
    EXPECT_EQ(daten::Vorlieben(umgebung).nachfragen(), false) << "stored";
    Klick(Qt::LeftButton, 30, 100);
    Eintrag("mnuNeuesSpielWieZuvor")->trigger();
    EXPECT_EQ(fragen, 2) << "not asked again";
    EXPECT_EQ(enden.size(), 2);
}

// The question's own box: Return takes "New game", Escape "Keep playing"; the tick is read.
TEST_F(Hauptfenster, AufgabefrageReturnGibtAufEscapeSpieltWeiter)
{
    const struct {
        Qt::Key taste;
        bool haken;
        bool aufgeben, nichtMehrFragen;
    } faelle[] = {{Qt::Key_Return, false, true, false}, {Qt::Key_Return, true, true, true}, {Qt::Key_Escape, true, false, false}};
    for (const auto& f : faelle) {
        auto box = haupt::BaueAufgabefrage(texte, &frm);
        box->checkBox()->setChecked(f.haken);
        QTimer::singleShot(0, box.get(), [&box, &f] { QTest::keyClick(box.get(), f.taste); });
        const haupt::Aufgabeantwort a = haupt::Fragen(*box);
        EXPECT_EQ(a.aufgeben, f.aufgeben) << f.taste;
        EXPECT_EQ(a.nichtMehrFragen, f.nichtMehrFragen) << f.taste;
    }
}
