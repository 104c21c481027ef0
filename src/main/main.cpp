// Tavelor: a picture puzzle in three variants.

#include "beste/BestenListe.h"
#include "daten/programm.h"
#include "engine/spielstand.h"
#include "engine/zufall.h"
#include "main/anwendung.h"
#include "main/frmmain.h"
#include "optionen/einstellungen.h"

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelor"));
    app.setApplicationDisplayName(QString());

    if (!SystemanforderungErfuellt())
        return 0;

    engine::Spielstand spiel;
    engine::MtZufall zufall;  // seeded once per run
    TfrmMain frmMain(spiel, zufall);
    TfrmEinstellungen frmEinstellungen(spiel, &frmMain);
    TfrmBestenListe frmBestenListe(spiel, &frmMain);
    frmMain.DialogeSetzen(&frmEinstellungen, &frmBestenListe);
    frmMain.show();
    return app.exec();
}
