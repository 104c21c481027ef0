// The main window's menu tree, its captions in the current language, and its commands that
// are the window's own: language, switches, hint and solve, the dialogs and quitting.

#include <QActionGroup>
#include <QMenuBar>

#include "beste/frmbestenliste.h"
#include "main/erscheinungsmenue.h"
#include "main/frmmain.h"
#include "main/hilfefenster.h"
#include "main/tastenfenster.h"

namespace haupt {

void TfrmMain::BaueMenue()
{
    // Every command stops a solution being played, before it does its own work.
    auto eintrag = [this](QMenu* menue, const char* name, auto handler) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, &TfrmMain::AbspielenStoppen);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto menue = [this](QMenu* eltern, const char* name) {
        QMenu* m = eltern ? eltern->addMenu(QString()) : menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        connect(m, &QMenu::aboutToShow, this, &TfrmMain::AbspielenStoppen);  // an open menu stops it too
        return m;
    };

    mnuSpiel_ = menue(nullptr, "mnuSpiel");
    mnuNeuesSpiel_ = eintrag(mnuSpiel_, "mnuNeuesSpiel", [this] { mnuNeuesSpielClick(false); });
    mnuNeuesSpielWieZuvor_ = eintrag(mnuSpiel_, "mnuNeuesSpielWieZuvor", &TfrmMain::mnuNeuesSpielWieZuvorClick);
    mnuNeuesSpielWieZuvor_->setShortcut(Qt::Key_F2);
    BrettMenueAnlegen([&](const char* name, std::function<void()> handler) { return eintrag(mnuSpiel_, name, handler); });
    mnuBestenliste_ = eintrag(mnuSpiel_, "mnuBestenliste", &TfrmMain::mnuBestenlisteClick);
    mnuStatistik_ = eintrag(mnuSpiel_, "mnuStatistik", [this] { if (statistik_) statistik_(); });
    mnuStatistik_->setShortcut(Qt::CTRL | Qt::Key_I);
    mnuLetztesSpiel_ = eintrag(mnuSpiel_, "mnuLetztesSpiel", &TfrmMain::mnuLetztesSpielClick);
    mnuLetztesSpiel_->setEnabled(false);
    connect(mnuSpiel_, &QMenu::aboutToShow, this, [this] {  // the journal is asked only here
        mnuLetztesSpiel_->setEnabled(letztesSpiel_ || (aufzeichnungVorhanden_ && aufzeichnungVorhanden_()));
    });
    mnuSpiel_->addSeparator();
    mnuRueckgaengig_ = eintrag(mnuSpiel_, "mnuRueckgaengig", [this] { sitzung_.Rueckgaengig(); });
    mnuRueckgaengig_->setShortcut(QKeySequence::Undo);
    mnuWiederholen_ = eintrag(mnuSpiel_, "mnuWiederholen", [this] { sitzung_.Wiederholen(); });
    mnuWiederholen_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuSpiel_->addSeparator();
    mnuBeenden_ = eintrag(mnuSpiel_, "mnuBeenden", [this] { close(); });

    mnuOptionen_ = menue(nullptr, "mnuOptionen");
    mnuPause_ = eintrag(mnuOptionen_, "mnuPause", [this] { sitzung_.PauseUmschalten(); });
    mnuPause_->setCheckable(true);
    mnuPause_->setEnabled(false);
    mnuTipp_ = eintrag(mnuOptionen_, "mnuTipp", [this] { sitzung_.Tipp(); });
    mnuTipp_->setShortcut(Qt::Key_H);
    mnuLoesen_ = mnuOptionen_->addAction(QString());  // the one command that does not stop it
    mnuLoesen_->setObjectName(QStringLiteral("mnuLoesen"));
    connect(mnuLoesen_, &QAction::triggered, this, &TfrmMain::mnuLoesenClick);
    LoesetempoMenueAnlegen(mnuOptionen_);
    mnuOptionen_->addSeparator();
    mnuTon_ = mnuOptionen_->addAction(QString());  // a check entry: it flips itself
    mnuTon_->setObjectName(QStringLiteral("mnuTon"));
    connect(mnuTon_, &QAction::triggered, this, &TfrmMain::AbspielenStoppen);
    mnuTon_->setCheckable(true);
    connect(mnuTon_, &QAction::toggled, &vorlieben_, &daten::Vorlieben::TonSetzen);
    mnuMusik_ = mnuOptionen_->addAction(QString());
    mnuMusik_->setObjectName(QStringLiteral("mnuMusik"));
    mnuMusik_->setVisible(false);
    mnuAnimation_ = eintrag(mnuOptionen_, "mnuAnimation", &TfrmMain::mnuAnimationClick);
    mnuAnimation_->setCheckable(true);
    mnuGroesse_ = menue(mnuOptionen_, "mnuGroesse");
    groessengruppe_ = new QActionGroup(this);
    // Only a dragged frame leaves all of them unchecked, at a size between them.
    groessengruppe_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int prozent : Brettgeometrie::Zoomstufen) {
        QAction* a = eintrag(mnuGroesse_, "mnuGroesse", [this, prozent] { mnuGroesseClick(prozent); });
        a->setObjectName(QStringLiteral("mnuGroesse%1").arg(prozent));
        a->setText(QStringLiteral("%1 %").arg(prozent));
        a->setCheckable(true);
        groessengruppe_->addAction(a);
        mnuGroessen_.emplace_back(prozent, a);
    }
    ErscheinungsmenueAnlegen(mnuOptionen_, vorlieben_, texte_, [this](const QString& text) { dienste_.Fehlerbericht(text); });
    mnuOptionen_->addSeparator();
    mnuSprache_ = menue(mnuOptionen_, "mnuSprache");
    sprachgruppe_ = new QActionGroup(this);
    for (daten::Sprache sprache : daten::AlleSprachen) {
        QAction* a = eintrag(mnuSprache_, "", [this, sprache] { mnuSprachAuswahlClick(sprache); });
        a->setObjectName(sprache == daten::Sprache::Deutsch    ? QStringLiteral("mnuDeutsch")
                         : sprache == daten::Sprache::Englisch ? QStringLiteral("mnuEnglish")
                                                               : QStringLiteral("mnuSprache_") + daten::SprachCode(sprache));
        a->setCheckable(true);
        sprachgruppe_->addAction(a);
        mnuSprachen_.emplace_back(sprache, a);
    }
    SprachhakenSetzen();

    mnuProgInfos_ = menue(nullptr, "mnuProgInfos");
    mnuHilfe_ = eintrag(mnuProgInfos_, "mnuHilfe", &TfrmMain::mnuHilfeClick);
    mnuHilfe_->setShortcut(Qt::Key_F1);
    mnuHilfe_->setShortcutContext(Qt::ApplicationShortcut);
    mnuTastenkuerzel_ = eintrag(mnuProgInfos_, "mnuTastenkuerzel", &TfrmMain::mnuTastenkuerzelClick);
    mnuProgInfos_->addSeparator();
    mnuInfo_ = eintrag(mnuProgInfos_, "mnuInfo", &TfrmMain::mnuInfoClick);
    TexteSetzen();
    AktionenAktualisieren();
}

void TfrmMain::TexteSetzen()
{
    namespace m = daten::text::menue;
    const std::pair<QMenu*, int> menues[] = {{mnuSpiel_, m::Spiel},       {mnuOptionen_, m::Optionen},
                                             {mnuGroesse_, m::Groesse},    {mnuSprache_, m::Sprache},
                                             {mnuProgInfos_, m::Fragezeichen}};
    for (auto [menue, id] : menues)
        menue->setTitle(texte_(id));
    const std::pair<QAction*, int> eintraege[] = {
        {mnuNeuesSpiel_, m::NeuesSpiel}, {mnuNeuesSpielWieZuvor_, m::WieZuvor}, {mnuBestenliste_, m::Bestenliste},
        {mnuRueckgaengig_, m::Rueckgaengig}, {mnuWiederholen_, m::Wiederholen}, {mnuBeenden_, m::Beenden},
        {mnuPause_, m::Pause}, {mnuTipp_, m::Tipp}, {mnuLoesen_, m::Loesen}, {mnuTon_, m::Ton}, {mnuMusik_, m::Musik},
        {mnuAnimation_, m::Animation}, {mnuHilfe_, m::Hilfe}, {mnuInfo_, m::Info},
        {mnuTastenkuerzel_, daten::text::MenueTastenkuerzel}, {mnuStatistik_, daten::text::statistik::Menue},
        {mnuNochEinmal_, daten::text::codes::NochEinmal}, {mnuCodeKopieren_, daten::text::codes::CodeKopieren},
        {mnuCodeEingeben_, daten::text::codes::CodeEingeben}, {mnuTagesraetsel_, daten::text::codes::Tagesraetsel},
        {mnuLetztesSpiel_, daten::text::wiedergabe::Menue}};
    for (auto [a, id] : eintraege)
        a->setText(texte_(id));
    // Every language in its own name; German and English with their classic entries.
    for (auto [sprache, a] : mnuSprachen_)
        a->setText(sprache == daten::Sprache::Deutsch    ? texte_(m::Deutsch)
                   : sprache == daten::Sprache::Englisch ? texte_(m::Englisch)
                                                         : daten::SprachName(sprache));
    infoBox_.FensterTitel = texte_(daten::text::InfoUeber) + QStringLiteral("Tavelor");
    infoBox_.Version = texte_(daten::text::VersionNummer);
    infoBox_.Lizenz = texte_(daten::text::Lizenz);
    infoBox_.Mitwirkende = texte_(daten::text::Mitwirkende);
    infoBox_.Beschreibung = texte_.englisch()  // German in a German game, else English
        ? QStringLiteral("A picture puzzle in three variants: slide the tiles into the empty field, "
                         "shift rows and columns, or turn four tiles round an axis.")
        : QStringLiteral("Ein Bilderpuzzle in drei Varianten: Teile ins freie Feld schieben, "
                         "Reihen und Spalten verschieben oder vier Teile um eine Achse drehen.");
}

// ---- commands ----

void TfrmMain::SprachhakenSetzen()
{
    for (auto [sprache, a] : mnuSprachen_)
        a->setChecked(sprache == texte_.sprache());
}

void TfrmMain::mnuSprachAuswahlClick(daten::Sprache sprache)
{
    try {
        vorlieben_.SpracheSetzen(sprache);
    } catch (const daten::Schreibfehler& fehler) {
        // The texts stay in the old language, and so does the check mark.
        SprachhakenSetzen();
        dienste_.Fehlerbericht(fehler.text());
        return;
    }
    SprachhakenSetzen();
    bild_.ZeigeSchrift(daten::SprachCode(texte_.sprache()));
    ptbSpielfeldPaint();
}

void TfrmMain::mnuAnimationClick()
{
    try {
        vorlieben_.AnimationSetzen(mnuAnimation_->isChecked());
    } catch (const daten::Schreibfehler& fehler) {
        mnuAnimation_->setChecked(vorlieben_.animation());
        dienste_.Fehlerbericht(fehler.text());
    }
}

// The check marks show the preferences, whoever changed them. The audio system is asked once,
// when sound is first switched on.
void TfrmMain::VorliebeUebernehmen(daten::Vorlieben::Schluessel schluessel)
{
    using S = daten::Vorlieben::Schluessel;
    if (schluessel == S::Animation)
        mnuAnimation_->setChecked(vorlieben_.animation());
    if (schluessel != S::Ton)
        return;
    mnuTon_->setChecked(vorlieben_.ton());
    if (vorlieben_.ton() && !audioVorhanden_)
        audioVorhanden_ = dienste_.AudioVorhanden && dienste_.AudioVorhanden();
}

// The best next move, marked for a moment and only on the screen.
void TfrmMain::TippZeigen(engine::Zug zug)
{
    tipp_ = zug;
    ptbSpielfeldPaint();
    QTimer::singleShot(1500, this, [this, nummer = ++tippNummer_] {
        if (nummer == tippNummer_ && tipp_) {
            tipp_.reset();
            ptbSpielfeldPaint();
        }
    });
}

void TfrmMain::mnuLoesenClick()
{
    WiedergabeBeenden();
    tipp_.reset();
    sitzung_.Loesen();
}

void TfrmMain::AbspielenStoppen()
{
    sitzung_.HilfeAnhalten();
    WiedergabeBeenden();
}

void TfrmMain::mnuBestenlisteClick()
{
    if (!frmBestenListe_)
        return;
    frmBestenListe_->move(Fensterpunkt(Brettgeometrie::Bestenliste));
    frmBestenListe_->Zeige(sitzung_.einstellungen().variante, sitzung_.einstellungen().groesse);
}

void TfrmMain::mnuHilfeClick()
{
    if (!hilfe_)
        hilfe_ = new Hilfefenster(this);
    hilfe_->Zeige(texte_.hilfeDatei(), texte_.englisch());
}

void TfrmMain::mnuInfoClick()
{
    infoBox_.Zentrieren(frameGeometry());
    infoBox_.Execute(this);
}

// Built from the menu as it stands, so the list shows the shortcuts the menu has.
void TfrmMain::mnuTastenkuerzelClick()
{
    if (!tasten_)
        tasten_ = new Tastenfenster(*menuBar(), texte_, this);
    tasten_->Zeige();
}

} // namespace haupt
