#include "journal/tabelle.h"

#include <QDate>

#include <algorithm>

#include "journal/verlauf.h"

namespace journal::tabelle {

using sitzung::Ausgang;
using sitzung::Spielergebnis;

namespace {

constexpr char Tabellen[] = R"(
CREATE TABLE spiel (
  id INTEGER PRIMARY KEY,
  beginn INTEGER NOT NULL,
  ende INTEGER NOT NULL,
  variante INTEGER NOT NULL CHECK (variante BETWEEN 1 AND 3),
  seite INTEGER NOT NULL CHECK (seite BETWEEN 3 AND 6),
  ausgang INTEGER NOT NULL CHECK (ausgang BETWEEN 0 AND 3),
  zuege INTEGER NOT NULL CHECK (zuege BETWEEN 0 AND 9999),
  sekunden INTEGER NOT NULL CHECK (sekunden BETWEEN 0 AND 3599),
  hilfe INTEGER NOT NULL CHECK (hilfe IN (0, 1)),
  bild TEXT NOT NULL,
  pruefsumme BLOB NOT NULL,
  zuschnitt INTEGER NOT NULL CHECK (zuschnitt IN (0, 1)),
  vorschau INTEGER NOT NULL CHECK (vorschau IN (0, 1)),
  zufallsfeld INTEGER NOT NULL CHECK (zufallsfeld IN (0, 1)),
  grau INTEGER NOT NULL CHECK (grau IN (0, 1)),
  wiederholung_von INTEGER,
  spielcode TEXT,
  tagesraetsel TEXT
);
CREATE TABLE verlauf (
  spiel INTEGER PRIMARY KEY,
  brett BLOB,
  heimfeld INTEGER NOT NULL,
  zuege BLOB NOT NULL,
  zeiten BLOB NOT NULL
);
PRAGMA application_id = 1415673418;
PRAGMA user_version = 1;
)";
static_assert(Anwendungskennung == 1415673418 && Schemaversion == 1, "the numbers in Tabellen");


bool Im(std::int64_t wert, std::int64_t von, std::int64_t bis) { return wert >= von && wert <= bis; }

std::optional<QDate> Tag(const Anweisung& zeile, int spalte)
{
    if (zeile.IstNull(spalte))
        return QDate();
    const QString text = zeile.Text(spalte);
    const QDate tag = QDate::fromString(text, Qt::ISODate);
    return tag.isValid() && tag.toString(Qt::ISODate) == text ? std::optional(tag) : std::nullopt;
}

// Variant, side, outcome, moves, seconds and help, read from column `erste` on.
struct Kern {
    std::int64_t variante, seite, ausgang, zuege, sekunden, hilfe;

    explicit Kern(const Anweisung& z, int erste)
        : variante(z.Zahl(erste)), seite(z.Zahl(erste + 1)), ausgang(z.Zahl(erste + 2)), zuege(z.Zahl(erste + 3)),
          sekunden(z.Zahl(erste + 4)), hilfe(z.Zahl(erste + 5))
    {
    }
    bool gueltig() const
    {
        return Im(variante, 1, 3) && Im(seite, 3, 6) && Im(ausgang, 0, 3) && Im(zuege, 0, engine::MaxZuege)
            && Im(sekunden, 0, engine::MaxSekunden) && Im(hilfe, 0, 1);
    }
};

void VerlaufAus(const Anweisung& z, Eintrag& eintrag)
{
    Spielergebnis& e = eintrag.ergebnis;
    Verlaufsbytes bytes;
    if (!z.IstNull(18))
        bytes.brett = z.Bytes(18).toByteArray();
    bytes.heimfeld = int(std::clamp<std::int64_t>(z.Zahl(19), -1, engine::MaxFelder + 1));
    bytes.zuege = z.Bytes(20).toByteArray();
    bytes.zeiten = z.Bytes(21).toByteArray();
    const std::optional<Verlauf> verlauf = VerlaufDekodieren(e.einstellungen.variante, e.einstellungen.groesse, bytes);
    eintrag.verlaufLesbar = verlauf.has_value() && !z.IstNull(20);
    if (eintrag.verlaufLesbar) {
        e.start = verlauf->start;
        e.gespielt = verlauf->zuege;
        e.zugSekunden = verlauf->sekunden;
    }
}

} // namespace

const char* const SpielEinfuegen =
    "INSERT INTO spiel (beginn, ende, variante, seite, ausgang, zuege, sekunden, hilfe, bild, pruefsumme, "
    "zuschnitt, vorschau, zufallsfeld, grau, wiederholung_von, spielcode, tagesraetsel) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)";
const char* const VerlaufEinfuegen = "INSERT INTO verlauf (spiel, brett, heimfeld, zuege, zeiten) VALUES (?1, ?2, ?3, ?4, ?5)";
const char* const KurzAlle =
    "SELECT id, ende, variante, seite, ausgang, zuege, sekunden, hilfe, bild, tagesraetsel FROM spiel ORDER BY id";

#define TAVELOR_SPIELSPALTEN                                                                         \
    "SELECT s.id, s.beginn, s.ende, s.variante, s.seite, s.ausgang, s.zuege, s.sekunden, s.hilfe, s.bild, " \
    "s.pruefsumme, s.zuschnitt, s.vorschau, s.zufallsfeld, s.grau, s.wiederholung_von, s.spielcode, "     \
    "s.tagesraetsel"
const char* const EintragEiner = TAVELOR_SPIELSPALTEN
    ", v.brett, v.heimfeld, v.zuege, v.zeiten FROM spiel s LEFT JOIN verlauf v ON v.spiel = s.id WHERE s.id = ?1";
const char* const EintraegeAlle = TAVELOR_SPIELSPALTEN " FROM spiel s ORDER BY s.id";
#undef TAVELOR_SPIELSPALTEN

Zustand Pruefe(Verbindung& db)
{
    // Empty is decided in one statement, so on one snapshot: read apart, another copy creating
    // the journal in between showed its tables without its numbers, and it was set aside.
    if (db.Zahl("SELECT (SELECT count(*) FROM sqlite_master) = 0"
                " AND (SELECT application_id FROM pragma_application_id()) = 0"
                " AND (SELECT user_version FROM pragma_user_version()) = 0"))
        return Zustand::Leer;
    // The tables and both numbers are written in one transaction: once there, they stay.
    const std::int64_t kennung = db.Zahl("PRAGMA application_id");
    const std::int64_t version = db.Zahl("PRAGMA user_version");
    // A later version's journal would be migrated here once there is an earlier one to migrate.
    return kennung == Anwendungskennung && version == Schemaversion ? Zustand::Eigen : Zustand::Fremd;
}

void Einrichten(Verbindung& db)
{
    Zustand zustand = Pruefe(db);
    if (zustand == Zustand::Leer) {
        db.Ausfuehren("PRAGMA journal_mode = WAL");  // outside a transaction; stays with the file
        db.Ausfuehren("BEGIN IMMEDIATE");
        zustand = Pruefe(db);  // another copy may have been first
        if (zustand == Zustand::Leer)
            db.Ausfuehren(Tabellen);
        db.Ausfuehren("COMMIT");
        zustand = zustand == Zustand::Leer ? Zustand::Eigen : zustand;
    }
    if (zustand == Zustand::Fremd)
        throw SqlFehler{SQLITE_NOTADB, QStringLiteral("not a journal of this version")};
}

void BindeSpiel(Anweisung& a, const Spielergebnis& e)
{
    const QDateTime jetzt = QDateTime::currentDateTimeUtc();
    const QDateTime ende = e.ende.isValid() ? e.ende : jetzt;
    a.Zahl(1, (e.beginn.isValid() ? e.beginn : ende).toMSecsSinceEpoch()).Zahl(2, ende.toMSecsSinceEpoch());
    a.Zahl(3, int(e.einstellungen.variante)).Zahl(4, e.einstellungen.groesse).Zahl(5, int(e.ausgang));
    a.Zahl(6, std::clamp<int>(e.zuege, 0, engine::MaxZuege)).Zahl(7, std::clamp<int>(e.sekunden, 0, engine::MaxSekunden));
    a.Zahl(8, e.mitHilfe).Text(9, e.einstellungen.bilddatei).Blob(10, e.bildPruefsumme);
    a.Zahl(11, e.zuschnitt == daten::Zuschnitt::Mitte).Zahl(12, e.einstellungen.vorschau);
    a.Zahl(13, e.einstellungen.posZufall).Zahl(14, e.einstellungen.swBild);
    e.herkunft.wiederholungVon ? a.Zahl(15, e.herkunft.wiederholungVon) : a.Null(15);
    e.herkunft.spielcode.isEmpty() ? a.Null(16) : a.Text(16, e.herkunft.spielcode);
    e.herkunft.tagesraetsel.isValid() ? a.Text(17, e.herkunft.tagesraetsel.toString(Qt::ISODate)) : a.Null(17);
}

void BindeVerlauf(Anweisung& a, std::int64_t id, const Spielergebnis& e)
{
    const Verlaufsbytes bytes =
        VerlaufKodieren(e.einstellungen.variante, e.einstellungen.groesse, {e.start, e.gespielt, e.zugSekunden});
    a.Zahl(1, id);
    bytes.brett ? a.Blob(2, *bytes.brett) : a.Null(2);
    a.Zahl(3, bytes.heimfeld).Blob(4, bytes.zuege).Blob(5, bytes.zeiten);
}

std::optional<Kurzeintrag> KurzAus(const Anweisung& z)
{
    const Kern kern(z, 2);
    const std::optional<QDate> tag = Tag(z, 9);
    if (!kern.gueltig() || !tag)
        return std::nullopt;
    Kurzeintrag k;
    k.id = z.Zahl(0);
    k.ende = z.Zahl(1);
    k.variante = engine::Variante(kern.variante);
    k.seite = std::uint8_t(kern.seite);
    k.ausgang = Ausgang(kern.ausgang);
    k.zuege = std::uint16_t(kern.zuege);
    k.sekunden = std::uint16_t(kern.sekunden);
    k.hilfe = kern.hilfe != 0;
    if (tag->isValid())
        k.tagesraetsel = std::int32_t(tag->toJulianDay() - QDate(1970, 1, 1).toJulianDay());
    return k;
}

std::optional<Eintrag> EintragAus(const Anweisung& z, bool mitVerlauf)
{
    const Kern kern(z, 3);
    const std::optional<QDate> tag = Tag(z, 17);
    if (!kern.gueltig() || !tag || !Im(z.Zahl(11), 0, 1))
        return std::nullopt;
    Eintrag eintrag;
    eintrag.id = z.Zahl(0);
    Spielergebnis& e = eintrag.ergebnis;
    e.beginn = QDateTime::fromMSecsSinceEpoch(z.Zahl(1), Qt::UTC);
    e.ende = QDateTime::fromMSecsSinceEpoch(z.Zahl(2), Qt::UTC);
    e.einstellungen.variante = engine::Variante(kern.variante);
    e.einstellungen.groesse = int(kern.seite);
    e.ausgang = Ausgang(kern.ausgang);
    e.zuege = int(kern.zuege);
    e.sekunden = int(kern.sekunden);
    e.mitHilfe = kern.hilfe != 0;
    e.einstellungen.bilddatei = z.Text(9);
    e.bildPruefsumme = z.Bytes(10).toByteArray();
    e.zuschnitt = z.Zahl(11) ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    e.einstellungen.vorschau = z.Zahl(12) != 0;
    e.einstellungen.posZufall = z.Zahl(13) != 0;
    e.einstellungen.swBild = z.Zahl(14) != 0;
    e.herkunft.wiederholungVon = z.Zahl(15);
    e.herkunft.spielcode = z.IstNull(16) ? QString() : z.Text(16);
    e.herkunft.tagesraetsel = *tag;
    if (mitVerlauf)
        VerlaufAus(z, eintrag);
    return eintrag;
}

} // namespace journal::tabelle
