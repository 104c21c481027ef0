// A picture on its whole way into a game: any bytes dropped as a picture file are taken among the
// player's own pictures or refused, and what was taken becomes the board's working picture
// through the picture service (stretched or cut, in colour or grey, at a zoom and pixel ratio),
// then the tiles of a scrambled board and the settings dialog's preview.
//
// The rules: a refused file leaves nothing behind and never reaches the board; a taken one lies
// there byte for byte, once, however often it is dropped; the working picture has the board's
// device size, a grey one only grey pixels; every tile shows its part of the working picture; the
// preview has its size; the same bytes give the same pixels every time.

#include "eingabe.h"

#include "daten/bilddienst.h"
#include "daten/bildquadrat.h"
#include "daten/bilduebernahme.h"
#include "engine/mischen.h"
#include "engine/zufall.h"
#include "main/brettbild.h"
#include "sitzung/spielbild.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

namespace {

namespace fs = std::filesystem;
using daten::Zuschnitt;

const fuzz::Aufraeumen aufraeumen;

constexpr const char* Endungen[] = {"bmp", "png", "jpg", "gif", "webp", "PNG"};
constexpr double Skalen[] = {1.0, 1.25, 1.5, 2.0};
constexpr int VorschauKante = 120;  // the settings dialog's preview, in logical pixels

struct Wahl {
    QString endung;
    Zuschnitt zuschnitt;
    bool grau;
    double verhaeltnis, zoom;
    int seite;
    unsigned saat;
};

QString Pfad(const fs::path& pfad) { return QString::fromStdString(pfad.string()); }

QStringList Dateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Dropped twice: taken once, byte for byte, or refused with nothing left behind.
QString Uebernehmen(const QString& quelle, const QString& ordner, const QByteArray& bytes)
{
    const daten::Uebernahme erste = daten::BildUebernehmen(quelle, ordner);
    PRUEFE(erste.fehler == daten::Uebernahmefehler::Keiner || erste.fehler == daten::Uebernahmefehler::KeinBild);
    if (erste.fehler != daten::Uebernahmefehler::Keiner) {
        PRUEFE(erste.ladefehler != daten::Ladefehler::Keiner && erste.pfad.isEmpty());
        PRUEFE(Dateien(ordner).isEmpty());
        return {};
    }
    QFile kopie(erste.pfad);
    PRUEFE(kopie.open(QIODevice::ReadOnly) && kopie.readAll() == bytes);
    const daten::Uebernahme zweite = daten::BildUebernehmen(quelle, ordner);
    PRUEFE(zweite.fehler == daten::Uebernahmefehler::Keiner && zweite.pfad == erste.pfad);
    PRUEFE(Dateien(ordner) == QStringList{QFileInfo(erste.pfad).fileName()});
    return erste.pfad;
}

struct Ergebnis {
    QImage arbeitsbild, brett, vorschau;
};

// The picture into a game as the game's leader chooses it and the window draws it, and the
// dialog's preview of it.
Ergebnis Spielbild(const QString& pfad, const Wahl& wahl, const engine::Spielstand& stand)
{
    daten::Bilddienst dienst;
    haupt::Brettbild brettbild;
    brettbild.VerhaeltnisSetzen(wahl.verhaeltnis);
    brettbild.ZoomSetzen(wahl.zoom);
    brettbild.BilddienstSetzen(&dienst);
    brettbild.BrettWaehlen(stand.n(), stand.variante);
    sitzung::Spielbild bild(&dienst, pfad, wahl.zuschnitt);  // as the game's leader prepares it
    bild.Vorbereiten(dienst.brettkante());
    brettbild.BildVorbereiten(bild);
    if (wahl.grau)
        brettbild.Faerben();
    brettbild.BrettZeichnen(stand);

    Ergebnis e{brettbild.original(), brettbild.kopie(), {}};
    const int vorschauKante = qRound(VorschauKante * wahl.verhaeltnis);
    const daten::Geladen geladen = dienst.Laden(pfad, vorschauKante);
    PRUEFE(geladen.fehler == daten::Ladefehler::Keiner);
    e.vorschau = daten::Quadrat(geladen.bild, vorschauKante, wahl.zuschnitt);
    PRUEFE(e.vorschau.size() == QSize(vorschauKante, vorschauKante));

    const haupt::Brettgeometrie& g = brettbild.geometrie();
    PRUEFE(e.arbeitsbild.size() == g.geraet(g.brett()).size());
    if (wahl.grau)
        for (int y = 0; y < e.arbeitsbild.height(); ++y)
            for (int x = 0; x < e.arbeitsbild.width(); ++x) {
                const QRgb farbe = e.arbeitsbild.pixel(x, y);
                PRUEFE(qRed(farbe) == qGreen(farbe) && qGreen(farbe) == qBlue(farbe));
            }
    // Each tile where it lies, inside the grid lines drawn over its edges.
    for (int feld = 1; feld <= stand.felder(); ++feld) {
        const QRect ziel = g.geraet(g.feld(feld)), quelle = g.teilQuelleGeraet(stand.Spielfeld[std::size_t(feld)]);
        if (ziel.size() != quelle.size())
            continue;  // a scale whose tile edges round differently
        const int rand = 2 * int(wahl.verhaeltnis * wahl.zoom + 1);
        for (int y = rand; y < ziel.height() - rand; ++y)
            for (int x = rand; x < ziel.width() - rand; ++x)
                PRUEFE(e.brett.pixel(ziel.topLeft() + QPoint(x, y)) == e.arbeitsbild.pixel(quelle.topLeft() + QPoint(x, y)));
    }
    return e;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QGuiApplication app(*argc, *argv);
    // As in the picture target: a low limit keeps every input quick; the unit tests check the
    // limit the game itself sets.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    Wahl wahl;
    wahl.endung = QString::fromLatin1(Endungen[leser.Byte() % std::size(Endungen)]);
    const int schalter = leser.Byte();
    wahl.zuschnitt = schalter & 1 ? Zuschnitt::Mitte : Zuschnitt::Strecken;
    wahl.grau = schalter & 2;
    wahl.verhaeltnis = Skalen[(schalter >> 2) & 3];
    wahl.zoom = Skalen[(schalter >> 4) & 3];
    wahl.seite = leser.ImBereich(3, 6);
    wahl.saat = leser.Zahl();
    const QByteArray bytes = leser.Rest();

    const fs::path ordner = fuzz::Arbeitsordner() / "weg";
    std::error_code fehler;
    fs::remove_all(ordner, fehler);
    fs::create_directories(ordner / "abgelegt");
    const QString quelle = Pfad(ordner / "abgelegt" / ("foto." + wahl.endung.toStdString()));
    {
        QFile datei(quelle);
        PRUEFE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
    }
    const QString eigene = Pfad(ordner / "eigene");
    const QString pfad = Uebernehmen(quelle, eigene, bytes);
    if (pfad.isEmpty()) {
        daten::Bilddienst dienst;
        PRUEFE(dienst.Quadrat(quelle, 360, wahl.zuschnitt).fehler != daten::Ladefehler::Keiner);
        return 0;
    }

    engine::Spielstand stand;
    engine::MtZufall zufall(wahl.saat);
    engine::NeuesSpiel(stand, zufall, engine::Variante::Verschieben, wahl.seite, false);
    const Ergebnis eins = Spielbild(pfad, wahl, stand), zwei = Spielbild(pfad, wahl, stand);
    PRUEFE(eins.arbeitsbild == zwei.arbeitsbild && eins.brett == zwei.brett && eins.vorschau == zwei.vorschau);
    return 0;
}
