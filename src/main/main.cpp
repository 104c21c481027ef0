// Tavelor: a picture puzzle in three variants.

#include <QStyle>

#include "beste/bestenliste.h"
#include "beste/frmbestenliste.h"
#include "daten/texte.h"
#include "daten/umgebung.h"
#include "engine/zufall.h"
#include "main/anwendung.h"
#include "main/frmmain.h"
#include "main/start.h"
#include "main/stil.h"
#include "optionen/einstellungen.h"
#include "sitzung/spielsitzung.h"

#include <malloc.h>

int main(int argc, char** argv)
{
    haupt::Anwendung app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelor"));
    app.setApplicationDisplayName(QString());
    // The window's app id (Wayland) names the menu entry, so docks show its icon and group them.
    app.setDesktopFileName(QStringLiteral("io.github.tavelor.Tavelor"));
    app.setStyle(new haupt::Stil(app.style()->name()));

    const daten::Umgebung umgebung = daten::Umgebung::Ermitteln();
    if (!haupt::SystemanforderungErfuellt(umgebung))
        return 0;
    // Before any window: a broken first picture is reported in the stored language too.
    daten::Texte texte(umgebung);

    engine::MtZufall zufall;  // seeded once per run
    sitzung::Spielsitzung sitzung(zufall);
    beste::Bestenliste bestenliste(umgebung);
    haupt::TfrmMain frmMain(umgebung, texte, sitzung);
    optionen::TfrmEinstellungen frmEinstellungen(umgebung, texte, {}, &frmMain);
    beste::TfrmBestenListe frmBestenListe(bestenliste, texte, &frmMain);
    frmMain.DialogeSetzen(&frmEinstellungen, &frmBestenListe);
    // Decoding the art and the first picture went through large temporary buffers; the heap
    // gives their pages back now, before the windows take memory of their own.
    malloc_trim(0);
    frmMain.show();
    return app.exec();
}
