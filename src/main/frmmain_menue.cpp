// The main window's menu tree and its captions in the current language.

#include <QActionGroup>
#include <QMenuBar>

#include "daten/daten.h"
#include "main/frmmain.h"

void TfrmMain::BaueMenue()
{
    auto eintrag = [this](QMenu* menue, const char* name, auto handler) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto menue = [this](QMenu* eltern, const char* name) {
        QMenu* m = eltern ? eltern->addMenu(QString()) : menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        return m;
    };

    mnuSpiel = menue(nullptr, "mnuSpiel");
    mnuNeuesSpiel = eintrag(mnuSpiel, "mnuNeuesSpiel", [this] { mnuNeuesSpielClick(mnuNeuesSpiel); });
    mnuBestenliste = eintrag(mnuSpiel, "mnuBestenliste", &TfrmMain::mnuBestenlisteClick);
    mnuSpiel->addSeparator();
    mnuBeenden = eintrag(mnuSpiel, "mnuBeenden", &TfrmMain::mnuBeendenClick);

    mnuOptionen = menue(nullptr, "mnuOptionen");
    mnuPause = eintrag(mnuOptionen, "mnuPause", &TfrmMain::mnuPauseClick);
    mnuPause->setCheckable(true);
    mnuPause->setEnabled(false);
    mnuOptionen->addSeparator();
    mnuTon = eintrag(mnuOptionen, "mnuTon", &TfrmMain::mnuTonClick);
    mnuTon->setCheckable(true);
    mnuMusik = mnuOptionen->addAction(QString());
    mnuMusik->setObjectName(QStringLiteral("mnuMusik"));
    mnuMusik->setVisible(false);
    mnuOptionen->addSeparator();
    mnuSprache = menue(mnuOptionen, "mnuSprache");
    sprachgruppe = new QActionGroup(this);
    mnuDeutsch = eintrag(mnuSprache, "mnuDeutsch", [this] { mnuSprachAuswahlClick(mnuDeutsch); });
    mnuEnglish = eintrag(mnuSprache, "mnuEnglish", [this] { mnuSprachAuswahlClick(mnuEnglish); });
    for (QAction* a : {mnuDeutsch, mnuEnglish}) {
        a->setCheckable(true);
        sprachgruppe->addAction(a);
    }
    mnuDeutsch->setData(0);
    mnuEnglish->setData(1000);
    mnuDeutsch->setChecked(true);

    mnuProgInfos = menue(nullptr, "mnuProgInfos");
    mnuHilfe = eintrag(mnuProgInfos, "mnuHilfe", &TfrmMain::mnuHilfeClick);
    mnuHilfe->setShortcut(Qt::Key_F1);
    mnuHilfe->setShortcutContext(Qt::ApplicationShortcut);
    mnuProgInfos->addSeparator();
    mnuInfo = eintrag(mnuProgInfos, "mnuInfo", &TfrmMain::mnuInfoClick);
    TexteSetzen();
}

void TfrmMain::TexteSetzen()
{
    const std::pair<QMenu*, int> menues[] = {{mnuSpiel, 0}, {mnuOptionen, 20}, {mnuSprache, 30}, {mnuProgInfos, 50}};
    for (auto [m, id] : menues)
        m->setTitle(LadeText(id, AktSprache));
    const std::pair<QAction*, int> eintraege[] = {{mnuNeuesSpiel, 1}, {mnuBestenliste, 2}, {mnuBeenden, 19},
                                                  {mnuPause, 21},      {mnuTon, 25},         {mnuMusik, 26},
                                                  {mnuDeutsch, 31},    {mnuEnglish, 32},     {mnuHilfe, 51},
                                                  {mnuInfo, 52}};
    for (auto [a, id] : eintraege)
        a->setText(LadeText(id, AktSprache));
    InfoBox.FensterTitel = LadeText(100, AktSprache) + QStringLiteral("Tavelor");
    InfoBox.Version = LadeText(101, AktSprache);
    InfoBox.Beschreibung = AktSprache == 1000
        ? QStringLiteral("A picture puzzle in three variants: slide the tiles into the empty field, "
                         "shift rows and columns, or turn four tiles round an axis.")
        : QStringLiteral("Ein Bilderpuzzle in drei Varianten: Teile ins freie Feld schieben, "
                         "Reihen und Spalten verschieben oder vier Teile um eine Achse drehen.");
}
