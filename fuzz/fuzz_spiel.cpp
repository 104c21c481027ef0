// The saved game, any bytes: whatever reads as a game is one the session can go on with. Its
// board holds each tile once, its counters and cursor are in range, it is not over, and every
// move of its history is the move a click makes on the board where it stands: undo from the
// board back to the oldest move and redo forward again stay possible, and its course leads from
// its start board to the board. Written again, the file reads back as the same game.
// The same bytes then go through the store as spiel.dat, as a FIFO, a folder or a link to
// /dev/zero in its place, beside an earlier damaged file or with a picture whose checksum
// matches or not: the start finds the game with the right resume decision or sets the file
// aside under a number of its own, never hangs; saving writes the game with its checksum,
// removes the file at the end and leaves neither lock nor temporary file.

#include "eingabe.h"

#include "daten/dateizugriff.h"
#include "engine/loeser.h"
#include "engine/mischen.h"
#include "engine/zufall.h"
#include "engine/zug.h"
#include "sitzung/spielablage.h"
#include "sitzung/spieldatei.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <future>
#include <sys/stat.h>

using namespace engine;
using sitzung::Schnappschuss;

namespace {

// The click that makes the move, asked of the rules below; the file's reader knows nothing of it.
std::pair<Ziel, Taste> Klick(const Zug& zug)
{
    switch (zug.op) {
    case Operation::TeilSchieben: return {{Zielart::Feld, zug.a}, Taste::Links};
    case Operation::ZeileRechts: return {{Zielart::StreifenLinks, zug.a}, Taste::Links};
    case Operation::ZeileLinks: return {{Zielart::StreifenRechts, zug.a}, Taste::Links};
    case Operation::SpalteRunter: return {{Zielart::StreifenOben, zug.a}, Taste::Links};
    case Operation::SpalteHoch: return {{Zielart::StreifenUnten, zug.a}, Taste::Links};
    case Operation::AchseRechts: return {{Zielart::Achse, zug.a}, Taste::Links};
    case Operation::AchseLinks: return {{Zielart::Achse, zug.a}, Taste::Rechts};
    }
    return {{}, Taste::Mitte};
}

void PruefeZug(Spielstand& s, const Zug& zug)
{
    const auto [ziel, taste] = Klick(zug);
    const Absicht absicht = Deute(s, ziel, taste);
    PRUEFE(absicht.art == Absicht::Art::Zug && absicht.zug == zug);
    Ausfuehren(s, zug);
}

void PruefeBrett(const Spielstand& s)
{
    const bool schieben = s.variante == Variante::Schieben;
    PRUEFE(s.Groesse >= 3 && s.Groesse <= MaxSeite);
    PRUEFE(schieben ? s.FreiesFeld >= 1 && s.FreiesFeld <= s.felder() : s.FreiesFeld == 0);
    std::array<int, MaxFelder + 1> anzahl{};
    for (int p = 1; p <= s.felder(); ++p) {
        PRUEFE(s.Spielfeld[p] <= s.felder());
        ++anzahl[s.Spielfeld[p]];
    }
    for (int teil = 0; teil <= s.felder(); ++teil) {
        const bool gehoertDazu = schieben ? teil != s.FreiesFeld : teil != 0;
        PRUEFE(anzahl[teil] == (gehoertDazu ? 1 : 0));
    }
    PRUEFE(s.Spielfeld[0] == 0);
    for (int p = s.felder() + 1; p <= MaxFelder; ++p)
        PRUEFE(s.Spielfeld[p] == p);
}

void PruefeSpiel(const Schnappschuss& x)
{
    const Spielstand& s = x.spiel;
    PRUEFE(s.variante == Variante::Schieben || s.variante == Variante::Verschieben || s.variante == Variante::Drehen);
    PRUEFE(x.einstellungen.variante == s.variante && x.einstellungen.groesse == s.n());
    PruefeBrett(s);
    PRUEFE(s.ZugAnzahl <= MaxZuege && s.Sekunden <= MaxSekunden);
    PRUEFE(s.phase == Phase::Aufgebaut || s.phase == Phase::Laeuft || s.phase == Phase::Pausiert);
    const int cursorBis = s.variante == Variante::Verschieben ? s.felder()
                          : s.variante == Variante::Drehen     ? AchsenAnzahl(s.n())
                                                               : 0;
    PRUEFE(x.cursor >= 0 && x.cursor <= cursorBis);
    PRUEFE(x.bildPruefsumme.isEmpty() || x.bildPruefsumme.size() == 32);
    PRUEFE(x.verlauf.size() + x.zurueckgenommen.size() <= s.ZugAnzahl);
    PRUEFE(Loesbar(s));
    // The course: from the start board exactly the moves counted, each one a click makes.
    PRUEFE(x.gespielt.size() <= s.ZugAnzahl && x.zugSekunden.size() == x.gespielt.size());
    PRUEFE(std::is_sorted(x.zugSekunden.begin(), x.zugSekunden.end()));
    PRUEFE(x.zugSekunden.empty() || x.zugSekunden.back() <= s.Sekunden);
    if (x.start) {
        PRUEFE(x.gespielt.size() == s.ZugAnzahl && Loesbar(*x.start) && x.start->ZugAnzahl == 0);
        Spielstand weg = *x.start;
        weg.phase = Phase::Laeuft;
        for (const Zug& zug : x.gespielt)
            PruefeZug(weg, zug);
        PRUEFE(weg.Spielfeld == s.Spielfeld);
    }

    Spielstand zurueck = s;
    for (auto zug = x.verlauf.rbegin(); zug != x.verlauf.rend(); ++zug)
        PruefeZug(zurueck, Umkehrung(*zug));
    for (const Zug& zug : x.verlauf)  // and forward again to the board as saved
        PruefeZug(zurueck, zug);
    PRUEFE(zurueck == s);
    Spielstand vor = s;
    for (auto zug = x.zurueckgenommen.rbegin(); zug != x.zurueckgenommen.rend(); ++zug)
        PruefeZug(vor, *zug);
}

} // namespace

namespace store {

namespace fs = std::filesystem;
using sitzung::Spielablage;

sitzung::Schnappschuss Neues()
{
    sitzung::Schnappschuss x;
    x.einstellungen.variante = Variante::Drehen;
    x.einstellungen.groesse = 3;
    engine::MtZufall zufall(1);
    engine::NeuesSpiel(x.spiel, zufall, Variante::Drehen, 3, false);
    x.start = x.spiel;
    return x;
}

// What stands where spiel.dat belongs; chosen by the input's length, so the whole input stays the file.
enum class Art { Datei, NebenAltemSchaden, BildGleich, BildAnders, Fifo, Ordner, NullGeraet, Nochmals };

QByteArray Lies(const fs::path& pfad)
{
    QFile datei(QString::fromStdString(pfad.string()));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreibe(const fs::path& pfad, const QByteArray& bytes)
{
    QFile datei(QString::fromStdString(pfad.string()));
    PRUEFE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
}

void Pruefe(const QByteArray& eingabe)
{
    const Art art = Art(eingabe.size() % 8);
    const fs::path ordner = fuzz::Arbeitsordner() / "ablage", datei = ordner / "spiel.dat";
    std::error_code fehler;
    fs::remove_all(ordner, fehler);
    fs::create_directories(ordner);
    QByteArray bytes = eingabe;
    std::optional<sitzung::Schnappschuss> spiel = sitzung::SpielAusBytes(bytes);
    bool bildGeaendert = false;
    // The picture is kept in this folder: a path from the input could name any file of the machine.
    if (spiel && !spiel->einstellungen.bilddatei.isEmpty()) {
        spiel->einstellungen.bilddatei = QString::fromStdString((ordner / "bild.png").string());
        bildGeaendert = !spiel->bildPruefsumme.isEmpty();  // no such file yet
        if (art == Art::BildGleich || art == Art::BildAnders) {
            Schreibe(ordner / "bild.png", eingabe.left(64));
            spiel->bildPruefsumme = QCryptographicHash::hash(eingabe.left(art == Art::BildGleich ? 64 : 63), QCryptographicHash::Sha256);
            bildGeaendert = art == Art::BildAnders;
        }
        bytes = sitzung::SpielAlsBytes(*spiel);
        spiel = sitzung::SpielAusBytes(bytes);  // as the file holds it: a first version's game comes back as the second
    }
    if (art == Art::Fifo)
        PRUEFE(::mkfifo(datei.c_str(), 0600) == 0);
    else if (art == Art::Ordner)
        fs::create_directory(datei);
    else if (art == Art::NullGeraet)
        fs::create_symlink("/dev/zero", datei);
    else
        Schreibe(datei, bytes);
    if (art == Art::NebenAltemSchaden)
        Schreibe(ordner / "spiel.dat.defekt", "alt");
    const bool regulaer = art != Art::Fifo && art != Art::Ordner && art != Art::NullGeraet;
    {
        Spielablage ablage(QString::fromStdString(ordner.string()), false);
        const Spielablage::Fund fund = ablage.Laden();
        PRUEFE(fund.lage == (art == Art::Ordner ? Spielablage::Lage::Ordner : Spielablage::Lage::Zustaendig));
        if (regulaer && spiel) {
            PRUEFE(fund.spiel == spiel && fund.bildGeaendert == bildGeaendert && fund.beiseitegelegt.isEmpty());
            PRUEFE(Lies(datei) == bytes);
        } else if (art == Art::Ordner) {
            PRUEFE(!fund.spiel && fund.beiseitegelegt.isEmpty() && fs::is_directory(datei));
        } else {
            const fs::path beiseite = ordner / (art == Art::NebenAltemSchaden ? "spiel.dat.defekt.1" : "spiel.dat.defekt");
            PRUEFE(!fund.spiel && fund.beiseitegelegt.toStdString() == beiseite.string());
            PRUEFE(!fs::exists(fs::symlink_status(datei)));
            PRUEFE(!regulaer || Lies(beiseite) == bytes);
            PRUEFE(art != Art::NebenAltemSchaden || Lies(ordner / "spiel.dat.defekt") == "alt");
        }
        // Saving: the game with the checksum made meanwhile, then nothing once it is over.
        sitzung::Schnappschuss neu = fund.spiel.value_or(Neues());
        std::promise<QByteArray> pruefsumme;
        neu.bildPruefsumme.clear();
        ablage.Sichern({neu, pruefsumme.get_future().share()});
        pruefsumme.set_value(neu.einstellungen.bilddatei.isEmpty() ? QByteArray() : QByteArray(32, 's'));
        ablage.Warten();
        if (art == Art::Ordner) {
            PRUEFE(fs::is_directory(datei));
        } else {
            neu.bildPruefsumme = neu.einstellungen.bilddatei.isEmpty() ? QByteArray() : QByteArray(32, 's');
            PRUEFE(Lies(datei) == sitzung::SpielAlsBytes(neu));
            ablage.Sichern({});
            ablage.Warten();
            PRUEFE(!fs::exists(datei));
        }
    }
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner))
        PRUEFE(eintrag.path().filename().string().rfind(".spiel.dat", 0) != 0);  // no lock, no temporary file
}

} // namespace store

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static fuzz::Aufraeumen aufraeumen;
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const sitzung::Spiellesung gelesen = sitzung::LiesSpiel(datei);
    PRUEFE(gelesen.spiel.has_value() == (gelesen.mangel == sitzung::Spielmangel::Keiner));
    if (gelesen.spiel) {
        PruefeSpiel(*gelesen.spiel);
        const QByteArray wieder = sitzung::SpielAlsBytes(*gelesen.spiel);
        PRUEFE(sitzung::SpielAusBytes(wieder) == gelesen.spiel);
        // Only one spelling is read, apart from the order of the lines; a first version's file
        // is written as the second.
        PRUEFE(gelesen.version != 2 || wieder.size() == datei.size());
    }
    store::Pruefe(datei);
    return 0;
}
