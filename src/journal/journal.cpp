#include "journal/journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <string_view>

#include "daten/sicherung.h"
#include "journal/sqlite.h"
#include "journal/tabelle.h"

namespace journal {

using sitzung::Spielergebnis;

namespace {

// A journal's connection is used by one thread at a time: no lock around every call.
constexpr int EinFaden = SQLITE_OPEN_NOMUTEX;

// SQLite opens a file whose header asks for a later way of writing read-only, which would read
// as a folder that cannot be written; it is no journal of this program.
bool SpaeteresFormat(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray kopf = f.read(20);
    return kopf.size() == 20 && kopf.startsWith(QByteArrayView("SQLite format 3\0", 16))
        && (std::uint8_t(kopf[18]) > 2 || std::uint8_t(kopf[19]) > 2);
}

} // namespace

struct Journal::Offen {
    Offen(const QByteArray& datei, int flags) : db(datei, flags) {}
    Verbindung db;
    std::optional<Anweisung> spiel, verlauf;  // prepared once for every record
};

Journal::Journal(QString datei, bool nurLesen, QObject* eltern)
    : QObject(eltern), datei_(std::move(datei)), nurLesen_(nurLesen)
{
}

Journal::Journal(const daten::Umgebung& umgebung, QObject* eltern)
    : Journal(umgebung.schreibPfad() + QLatin1Char('/') + QLatin1String(Dateiname), umgebung.vonCD, eltern)
{
}

Journal::~Journal() = default;

// Opened on first use and kept open; a failure throws, and the next use tries again.
Journal::Offen& Journal::Oeffnen()
{
    if (offen_)
        return *offen_;
    const QFileInfo info(datei_);
    // A folder, a pipe or a device of that name is nothing SQLite should open: it could block.
    if (info.exists() && !info.isFile())
        throw SqlFehler{SQLITE_CANTOPEN, QStringLiteral("not a regular file")};
    if (SpaeteresFormat(datei_))
        throw SqlFehler{SQLITE_NOTADB, QStringLiteral("a later SQLite file format")};
    QDir().mkpath(info.absolutePath());
    auto offen = std::make_unique<Offen>(QFile::encodeName(datei_), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | EinFaden);
    // Another copy of the game writes for a millisecond or so; a longer wait keeps the record back.
    offen->db.Ausfuehren("PRAGMA busy_timeout = 250");
    tabelle::Einrichten(offen->db);
    // In the write-ahead log, a power cut may lose the last record but never damages the file.
    offen->db.Ausfuehren("PRAGMA synchronous = NORMAL");
    offen->spiel.emplace(offen->db.Vorbereiten(tabelle::SpielEinfuegen));
    offen->verlauf.emplace(offen->db.Vorbereiten(tabelle::VerlaufEinfuegen));
    offen_ = std::move(offen);
    return *offen_;
}

template <class Arbeit>
bool Journal::Versuche(Arbeit&& arbeit, bool schreibend)
{
    if (nurLesen_)
        return !schreibend && LiesNurLesend(arbeit);
    if (!schreibend && !offen_ && !QFileInfo::exists(datei_))
        return false;  // no journal yet: nothing to read, and reading makes none
    for (int versuch = 0; versuch < 2; ++versuch) {
        try {
            arbeit(Oeffnen());
            return true;
        } catch (const SqlFehler& fehler) {
            offen_.reset();  // rolls back what was begun
            if (fehler.beschaedigt() && versuch == 0 && BeiseiteLegen())
                continue;  // once more with a fresh journal
            if (fehler.besetzt())
                return false;
            NichtSchreibbar();
            return !schreibend && LiesNurLesend(arbeit);
        }
    }
    return false;
}

// A journal that cannot be opened for writing (a write-protected folder, a CD) is still read:
// with its log where the log can be read or made, else as the main file alone holds it.
bool Journal::LiesNurLesend(const std::function<void(Offen&)>& arbeit)
{
    const QFileInfo info(datei_);
    if (!info.isFile())
        return false;
    const QByteArray uri = "file:" + QFile::encodeName(info.absoluteFilePath()).toPercentEncoding("/");
    for (const char* art : {"?mode=ro", "?mode=ro&immutable=1"}) {
        try {
            Offen offen(uri + art, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | EinFaden);
            if (tabelle::Pruefe(offen.db) != tabelle::Zustand::Eigen)
                return false;
            arbeit(offen);
            return true;
        } catch (const SqlFehler&) {
        }
    }
    return false;
}

bool Journal::BeiseiteLegen()
{
    offen_.reset();
    // The log and the rollback journal belong to the damaged file: beside a fresh one they
    // would be played into it. The shared-memory index is made anew from the log.
    constexpr std::string_view begleiter[] = {"-wal", "-journal"};
    const std::filesystem::path name = daten::LegeBeiseite(QFile::encodeName(datei_).toStdString(), begleiter);
    if (name.empty())
        return false;
    QFile::remove(datei_ + QLatin1String("-shm"));
    // Said, not signalled: the call under way goes on with the fresh journal and gives its
    // answer; a reader woken now would read in the middle of it.
    if (melder_)
        melder_(Hinweis::Beiseitegelegt, QFile::decodeName(name.c_str()));
    return true;
}

void Journal::NichtSchreibbar()
{
    if (std::exchange(nichtSchreibbarGesagt_, true))
        return;
    if (melder_)
        melder_(Hinweis::NichtSchreibbar, datei_);
}

std::int64_t Journal::Schreibe(Offen& offen, const Spielergebnis& ergebnis)
{
    tabelle::BindeSpiel(*offen.spiel, ergebnis);
    offen.spiel->Schritt();
    offen.spiel->Zuruecksetzen();
    const std::int64_t nummer = offen.db.LetzteZeile();
    tabelle::BindeVerlauf(*offen.verlauf, nummer, ergebnis);
    offen.verlauf->Schritt();
    offen.verlauf->Zuruecksetzen();
    return nummer;
}

bool Journal::Aufzeichnen(const Spielergebnis& ergebnis)
{
    letzteNummer_ = 0;
    if (nurLesen_)
        return false;
    if (wartend_.size() >= WartendeHoechstens)
        wartend_.erase(wartend_.begin());
    wartend_.push_back(ergebnis);
    return Nachtragen();
}

bool Journal::Nachtragen()
{
    if (wartend_.empty())
        return true;
    std::int64_t nummer = 0;
    const bool geschrieben = Versuche(
        [this, &nummer](Offen& offen) {
            offen.db.Ausfuehren("BEGIN IMMEDIATE");
            for (const Spielergebnis& e : wartend_)
                nummer = Schreibe(offen, e);
            offen.db.Ausfuehren("COMMIT");
        },
        true);
    if (geschrieben) {
        letzteNummer_ = nummer;
        wartend_.clear();
        emit geaendert();
    }
    return geschrieben;
}

Uebersicht Journal::Lesen()
{
    Uebersicht uebersicht;
    Versuche(
        [&uebersicht](Offen& offen) {
            uebersicht = {};
            QHash<QByteArray, int> nummern;
            QByteArray letztes;
            int nummer = -1;
            Anweisung zeilen = offen.db.Vorbereiten(tabelle::KurzAlle);
            while (zeilen.Schritt()) {
                std::optional<Kurzeintrag> spiel = tabelle::KurzAus(zeilen);
                if (!spiel)
                    continue;
                // Games in a row mostly share their picture: the list is looked up on a change.
                if (const QByteArrayView bild = zeilen.Bytes(8); bild != letztes) {
                    letztes = bild.toByteArray();
                    nummer = letztes.isEmpty() ? -1 : nummern.value(letztes, -1);
                    if (nummer < 0 && !letztes.isEmpty()) {
                        nummer = nummern.insert(letztes, int(uebersicht.bilder.size())).value();
                        uebersicht.bilder.append(QString::fromUtf8(letztes));
                    }
                }
                spiel->bild = nummer;
                uebersicht.spiele.push_back(*spiel);
            }
        },
        false);
    return uebersicht;
}

std::optional<Eintrag> Journal::EintragLesen(std::int64_t id)
{
    std::optional<Eintrag> eintrag;
    Versuche(
        [&](Offen& offen) {
            Anweisung zeile = offen.db.Vorbereiten(tabelle::EintragEiner);
            zeile.Zahl(1, id);
            eintrag = zeile.Schritt() ? tabelle::EintragAus(zeile, true) : std::nullopt;
        },
        false);
    return eintrag;
}

std::vector<Eintrag> Journal::AlleLesen()
{
    std::vector<Eintrag> eintraege;
    Versuche(
        [&eintraege](Offen& offen) {
            eintraege.clear();
            Anweisung zeilen = offen.db.Vorbereiten(tabelle::EintraegeAlle);
            while (zeilen.Schritt())
                if (std::optional<Eintrag> eintrag = tabelle::EintragAus(zeilen, false))
                    eintraege.push_back(std::move(*eintrag));
        },
        false);
    return eintraege;
}

bool Journal::Loeschen()
{
    wartend_.clear();
    if (nurLesen_)
        return false;
    const bool geloescht = Versuche(
        [](Offen& offen) { offen.db.Ausfuehren("BEGIN IMMEDIATE; DELETE FROM verlauf; DELETE FROM spiel; COMMIT"); },
        true);
    if (geloescht)
        emit geaendert();
    return geloescht;
}

} // namespace journal
