// Tavelor: a picture puzzle in three variants.

#include <QImageReader>
#include <QStyle>
#include <QTimer>

#include "beste/bestenliste.h"
#include "beste/frmbestenliste.h"
#include "daten/bilddienst.h"
#include "daten/texte.h"
#include "daten/ton.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"
#include "engine/zufall.h"
#include "fenster/desktopschema.h"
#include "fenster/erscheinungsbild.h"
#include "fenster/meldungsbox.h"
#include "journal/journal.h"
#include "main/anwendung.h"
#include "main/befehlszeile.h"
#include "main/fensterlage.h"
#include "main/frmmain.h"
#include "main/signalwache.h"
#include "main/start.h"
#include "main/stil.h"
#include "optionen/einstellungen.h"
#include "sitzung/spielablage.h"
#include "sitzung/spielleitung.h"
#include "sitzung/spielsitzung.h"
#include "statistik/anzeige.h"
#include "statistik/frmstatistik.h"

#include <QSessionManager>

#include <malloc.h>

namespace {

// Set before the first thread starts. The start works on several threads at once (the saved
// game, the first picture, X's events, D-Bus), and each would get a malloc arena of its own that
// keeps what it freed; the program's few threads share one, as nothing of theirs allocates
// often. A fixed threshold for mapping a block on its own keeps the start's decoded art and
// pictures out of the heap: freed, their pages go back at once. glibc would otherwise raise the
// threshold to the largest block freed so far, and what came next would stay in the heap.
void SpeicherSparsamVerwalten()
{
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

// Once games are played, each new picture is best made in the pages the one before left in the
// heap: fresh mapped pages cost a new game from a 1024 x 1024 picture half as much CPU again.
void SpeicherFuerSpiele()
{
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // glibc's own upper bound for its threshold
}

} // namespace

int main(int argc, char** argv)
{
    // --help and --version answer even where there is no display to open.
    if (const std::optional<int> ende = haupt::AuskunftGeben(argc, argv))
        return *ende;
    SpeicherSparsamVerwalten();
    haupt::Anwendung app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelor"));
    app.setApplicationDisplayName(QString());
    // The window's app id (Wayland) names the menu entry, so docks show its icon and group them.
    app.setDesktopFileName(QStringLiteral("io.github.tavelor.tavelor"));
    app.setStyle(new haupt::Stil(app.style()->name()));

    // The services, each built once here and handed to the windows that need them. The texts
    // come before any window: the screen test and a broken first picture speak the stored language.
    const daten::Umgebung umgebung = daten::Umgebung::Ermitteln();
    daten::Vorlieben vorlieben(umgebung);
    const daten::Texte texte(umgebung, vorlieben);
    if (const std::optional<int> ende = haupt::AufrufPruefen(QCoreApplication::arguments(), texte))
        return *ende;
    // Light or dark before the first window, which takes its colours from the palette.
    const fenster::Desktopschema desktopschema(fenster::Desktopschema::Sitzungsbus());
    const fenster::Erscheinungsbild erscheinungsbild(vorlieben, desktopschema);
    if (!haupt::SystemanforderungErfuellt(texte))
        return 0;

    // Photos of up to 268 megapixels that no decoder reads at a reduced size fit; hostile
    // headers asking for more are refused.
    QImageReader::setAllocationLimit(daten::Decodiergrenze);
    daten::Bilddienst bilder;

    engine::MtZufall zufall;  // seeded once per run
    sitzung::Spielsitzung sitzung(zufall);
    QObject::connect(&sitzung, &sitzung::Spielsitzung::neuesSpielBegonnen, &sitzung, &SpeicherFuerSpiele,
                     Qt::SingleShotConnection);
    sitzung::Spielablage ablage(umgebung.schreibPfad(), umgebung.vonCD);
    sitzung::Spielleitung leitung(sitzung, &bilder, vorlieben, &ablage);
    beste::Bestenliste bestenliste(umgebung);
    leitung.ListeSetzen([&bestenliste](const sitzung::Spielergebnis& ergebnis) {
        return bestenliste.KommtInListe(haupt::Listenergebnis(ergebnis));
    });
    // Quitting, a signal to end and the end of the desktop session keep the game for the next
    // start, or end it as given up where it cannot be kept.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &leitung, &sitzung::Spielleitung::Beenden);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &leitung,
                     [&leitung](QSessionManager&) { leitung.SichernUndWarten(); });
    haupt::Signalwache signalwache([&leitung] {
        leitung.SichernUndWarten();
        QCoreApplication::exit(0);  // every loop ends, a dialog's too
    });
    daten::Tonspieler ton(umgebung.progPfad);  // touches the audio system only with the first sound
    haupt::Hauptfensterdienste dienste;
    dienste.Ton = [&ton](const QString& datei) { ton.Spiele(datei); };
    dienste.AudioVorhanden = daten::AudioAusgabeVorhanden;
    haupt::TfrmMain frmMain(texte, vorlieben, leitung, std::move(dienste));
    // Every game that ends goes into the journal, opened by its first record or the statistics window.
    journal::Journal journal(umgebung);
    QObject::connect(&sitzung, &sitzung::Spielsitzung::spielZuEnde, &journal, &journal::Journal::Aufzeichnen);
    // A retry names the record of the game it plays again: the one the journal added last.
    leitung.JournalSetzen([&journal] { return journal.letzteNummer(); });
    // A code's picture and today's are looked for among the shipped pictures and the player's own.
    leitung.BilderordnerSetzen({umgebung.bilderordner(), umgebung.eigeneBilder()});
    statistik::TfrmStatistik* frmStatistik = nullptr;  // made when first asked for, owned by the main window
    // A record watched again on the board: what the statistics window picks, or the last one.
    const auto aufzeichnung = [&journal](std::int64_t id) -> std::optional<haupt::Aufzeichnung> {
        if (auto eintrag = journal.EintragLesen(id))
            return haupt::Aufzeichnung{std::move(eintrag->ergebnis), eintrag->verlaufLesbar};
        return std::nullopt;
    };
    frmMain.StatistikSetzen([&] {
        if (!frmStatistik) {
            frmStatistik = new statistik::TfrmStatistik(journal, texte, vorlieben, &frmMain);
            QObject::connect(frmStatistik, &statistik::TfrmStatistik::spielGewaehlt, &frmMain, [&](qint64 id) {
                frmStatistik->hide();  // the board shows it
                frmMain.Ansehen(aufzeichnung(id).value_or(haupt::Aufzeichnung{{}, false}));
            });
        }
        frmStatistik->Zeigen();
    });
    frmMain.AufzeichnungenSetzen(
        [&] {
            const auto spiele = journal.Lesen().spiele;
            return spiele.empty() ? std::nullopt : aufzeichnung(spiele.back().id);
        },
        [&journal] { return !journal.Lesen().spiele.empty(); });
    journal.MelderSetzen([&frmMain, &texte](journal::Hinweis hinweis, const QString& datei) {
        // Told after what the end of a game shows, not in the middle of it.
        QTimer::singleShot(0, &frmMain, [&frmMain, text = statistik::Hinweistext(texte, hinweis, datei)] {
            fenster::BaueMeldungsbox(QMessageBox::Information, text, &frmMain)->exec();
        });
    });
    // After the game's leader: a game given up at quitting is recorded before what waits is written.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &journal, &journal::Journal::Nachtragen);
    frmMain.BilddienstSetzen(bilder);  // before the dialog asks for its first picture
    optionen::TfrmEinstellungen frmEinstellungen(umgebung, texte, vorlieben, bilder, {}, &frmMain);
    beste::TfrmBestenListe frmBestenListe(bestenliste, texte, &frmMain);
    frmMain.DialogeSetzen(&frmEinstellungen, &frmBestenListe);
    // However the program ends (the menu, the window's close box, the settings dialog's quit).
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &frmMain,
                     [&frmMain, &vorlieben] { haupt::FensterlageMerken(frmMain, vorlieben); });
    // Decoding the art and the first picture went through large temporary buffers; the heap
    // gives their pages back now, before the windows take memory of their own.
    malloc_trim(0);
    frmMain.show();
    return app.exec();
}
