#pragma once
// The journal's way to SQLite: libsqlite3 is loaded on the first use and never linked, so the
// program starts without it, and a thin owner of a connection and of a statement each. Every
// failure throws SqlFehler with SQLite's extended result code.

#include <sqlite3.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace journal {

#define TAVELOR_SQLITEFUNKTIONEN(X)                                                                   \
    X(open_v2) X(close_v2) X(extended_result_codes) X(extended_errcode) X(errmsg)                    \
    X(exec) X(prepare_v2) X(step) X(reset) X(finalize) X(clear_bindings) X(bind_int64) X(bind_text)   \
    X(bind_blob) X(bind_null) X(column_int64) X(column_text) X(column_blob) X(column_bytes)           \
    X(column_type) X(last_insert_rowid)

struct Sqlitefunktionen {
#define TAVELOR_SQLITEZEIGER(name) decltype(&::sqlite3_##name) name = nullptr;
    TAVELOR_SQLITEFUNKTIONEN(TAVELOR_SQLITEZEIGER)
#undef TAVELOR_SQLITEZEIGER
};

// libsqlite3.so.0, loaded on the first call and kept; null when it is missing or incomplete.
const Sqlitefunktionen* Sqlite();

struct SqlFehler {
    int code;  // extended result code; SQLITE_CANTOPEN when the library is missing
    QString text;
    int grundcode() const { return code & 0xFF; }
    // Not SQLite's file, one whose pages do not fit together, or tables that refuse what the
    // journal's own statements write and read: they are not the journal's.
    bool beschaedigt() const
    {
        switch (grundcode()) {
        case SQLITE_NOTADB: case SQLITE_CORRUPT: case SQLITE_ERROR: case SQLITE_CONSTRAINT: case SQLITE_MISMATCH:
        case SQLITE_FORMAT: case SQLITE_RANGE: return true;
        default: return false;
        }
    }
    bool besetzt() const { return grundcode() == SQLITE_BUSY || grundcode() == SQLITE_LOCKED; }
};

class Anweisung;

class Verbindung {
public:
    // Opens the file (its name as the file system has it, QFile::encodeName) with SQLite's
    // flags; a file: URI when SQLITE_OPEN_URI is among them.
    Verbindung(const QByteArray& datei, int flags);
    ~Verbindung();
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    void Ausfuehren(const char* sql);
    Anweisung Vorbereiten(const char* sql);
    // The first column of the first row of a query that gives one number.
    std::int64_t Zahl(const char* sql);
    std::int64_t LetzteZeile() const { return sqlite_.last_insert_rowid(db_); }
    [[noreturn]] void Wirf(int code) const;

private:
    const Sqlitefunktionen& sqlite_;
    sqlite3* db_ = nullptr;
};

class Anweisung {
public:
    Anweisung(const Verbindung& verbindung, const Sqlitefunktionen& sqlite, sqlite3_stmt* anweisung)
        : verbindung_(&verbindung), sqlite_(&sqlite), anweisung_(anweisung) {}
    ~Anweisung();
    Anweisung(Anweisung&& andere) noexcept;
    Anweisung& operator=(Anweisung&&) = delete;

    // Parameters count from 1, as in SQL.
    Anweisung& Zahl(int stelle, std::int64_t wert);
    Anweisung& Text(int stelle, const QString& wert);  // UTF-8
    Anweisung& Blob(int stelle, QByteArrayView wert);  // an empty one is stored empty, not as NULL
    Anweisung& Null(int stelle);
    // One step: true while it gives a row, false when done.
    bool Schritt();
    // Ready to run again, its parameters cleared.
    void Zuruecksetzen();

    // Columns count from 0. The views live until the next step.
    std::int64_t Zahl(int spalte) const { return sqlite_->column_int64(anweisung_, spalte); }
    bool IstNull(int spalte) const { return sqlite_->column_type(anweisung_, spalte) == SQLITE_NULL; }
    QByteArrayView Bytes(int spalte) const;
    QString Text(int spalte) const { return QString::fromUtf8(Bytes(spalte)); }

private:
    const Verbindung* verbindung_;
    const Sqlitefunktionen* sqlite_;
    sqlite3_stmt* anweisung_;
};

} // namespace journal
