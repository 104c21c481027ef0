#pragma once
// The journal's tables and how a record maps onto them. Schema version 1 (PRAGMA user_version),
// marked as this program's by PRAGMA application_id:
//
//   spiel    id INTEGER PRIMARY KEY; beginn, ende: milliseconds since 1970, UTC; variante 1..3;
//            seite 3..6; ausgang 0 solved, 1 move limit, 2 time limit, 3 abandoned; zuege
//            0..9999; sekunden 0..3599; hilfe 0/1; bild: the picture's path, '' for the built-in
//            one; pruefsumme: its SHA-256 (32 bytes, or none); zuschnitt 0 stretched, 1 the
//            middle square; vorschau, zufallsfeld, grau 0/1: the settings; and the marks of a
//            board's origin, NULL for none: wiederholung_von (the record played again),
//            spielcode (TEXT), tagesraetsel ('YYYY-MM-DD').
//   verlauf  spiel (the record's id) INTEGER PRIMARY KEY; brett, heimfeld, zuege, zeiten as
//            journal/verlauf.h writes them (brett NULL when the start is not known).
//
// The moves live apart so that reading the statistics passes over small rows only.

#include <optional>

#include "journal/journal.h"
#include "journal/sqlite.h"

namespace journal::tabelle {

inline constexpr std::int64_t Anwendungskennung = 0x5461764A;  // "TavJ"
inline constexpr std::int64_t Schemaversion = 1;

// Empty: a new file. Fremd: damaged, another program's, or a later version's.
enum class Zustand { Leer, Eigen, Fremd };
Zustand Pruefe(Verbindung& db);
// Makes the tables in an empty file, unless another copy of the game has just made them.
// Throws SqlFehler (SQLITE_NOTADB) for a file that is no journal of this version.
void Einrichten(Verbindung& db);

extern const char* const SpielEinfuegen;   // ?1..?17 as BindeSpiel binds them
extern const char* const VerlaufEinfuegen; // ?1..?5 as BindeVerlauf binds them
extern const char* const KurzAlle;         // rows for KurzAus, oldest first
extern const char* const EintragEiner;     // ?1 the id; rows for EintragAus with the moves
extern const char* const EintraegeAlle;    // rows for EintragAus without them, oldest first

void BindeSpiel(Anweisung& a, const sitzung::Spielergebnis& e);
void BindeVerlauf(Anweisung& a, std::int64_t id, const sitzung::Spielergebnis& e);
// None for a row out of range. Kurzeintrag::bild is left to the caller (column 8: the path).
std::optional<Kurzeintrag> KurzAus(const Anweisung& zeile);
std::optional<Eintrag> EintragAus(const Anweisung& zeile, bool mitVerlauf);

} // namespace journal::tabelle
