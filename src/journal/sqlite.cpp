#include "journal/sqlite.h"

#include <QLibrary>

#include <optional>
#include <utility>

namespace journal {

namespace {

std::optional<Sqlitefunktionen> LadeSqlite()
{
    QLibrary bibliothek(QStringLiteral("sqlite3"), 0);
    if (!bibliothek.load())
        return std::nullopt;
    Sqlitefunktionen sq;
    bool vollstaendig = true;
#define TAVELOR_SQLITESUCHE(name)                                                                     \
    sq.name = reinterpret_cast<decltype(sq.name)>(bibliothek.resolve("sqlite3_" #name));              \
    vollstaendig = vollstaendig && sq.name;
    TAVELOR_SQLITEFUNKTIONEN(TAVELOR_SQLITESUCHE)
#undef TAVELOR_SQLITESUCHE
    if (!vollstaendig)
        return std::nullopt;
    return sq;
}

const Sqlitefunktionen& Geladen()
{
    if (const Sqlitefunktionen* sq = Sqlite())
        return *sq;
    throw SqlFehler{SQLITE_CANTOPEN, QStringLiteral("libsqlite3.so.0 cannot be loaded")};
}

} // namespace

const Sqlitefunktionen* Sqlite()
{
    static const std::optional<Sqlitefunktionen> sq = LadeSqlite();
    return sq ? &*sq : nullptr;
}

Verbindung::Verbindung(const QByteArray& datei, int flags) : sqlite_(Geladen())
{
    const int rc = sqlite_.open_v2(datei.constData(), &db_, flags, nullptr);
    if (!db_)
        throw SqlFehler{SQLITE_NOMEM, QStringLiteral("out of memory")};
    sqlite_.extended_result_codes(db_, 1);
    if (rc != SQLITE_OK) {
        SqlFehler fehler{sqlite_.extended_errcode(db_), QString::fromUtf8(sqlite_.errmsg(db_))};
        sqlite_.close_v2(db_);
        throw fehler;
    }
}

Verbindung::~Verbindung() { sqlite_.close_v2(db_); }

void Verbindung::Wirf(int code) const { throw SqlFehler{code, QString::fromUtf8(sqlite_.errmsg(db_))}; }

void Verbindung::Ausfuehren(const char* sql)
{
    if (const int rc = sqlite_.exec(db_, sql, nullptr, nullptr, nullptr); rc != SQLITE_OK)
        Wirf(sqlite_.extended_errcode(db_));
}

Anweisung Verbindung::Vorbereiten(const char* sql)
{
    sqlite3_stmt* anweisung = nullptr;
    if (sqlite_.prepare_v2(db_, sql, -1, &anweisung, nullptr) != SQLITE_OK)
        Wirf(sqlite_.extended_errcode(db_));
    return Anweisung(*this, sqlite_, anweisung);
}

std::int64_t Verbindung::Zahl(const char* sql)
{
    Anweisung anfrage = Vorbereiten(sql);
    return anfrage.Schritt() ? anfrage.Zahl(0) : 0;
}

Anweisung::~Anweisung()
{
    if (anweisung_)
        sqlite_->finalize(anweisung_);
}

Anweisung::Anweisung(Anweisung&& andere) noexcept
    : verbindung_(andere.verbindung_), sqlite_(andere.sqlite_), anweisung_(std::exchange(andere.anweisung_, nullptr))
{
}

Anweisung& Anweisung::Zahl(int stelle, std::int64_t wert)
{
    if (const int rc = sqlite_->bind_int64(anweisung_, stelle, wert); rc != SQLITE_OK)
        verbindung_->Wirf(rc);
    return *this;
}

Anweisung& Anweisung::Text(int stelle, const QString& wert)
{
    const QByteArray utf8 = wert.toUtf8();
    if (const int rc = sqlite_->bind_text(anweisung_, stelle, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        verbindung_->Wirf(rc);
    return *this;
}

Anweisung& Anweisung::Blob(int stelle, QByteArrayView wert)
{
    // A null pointer would store NULL: an empty blob points at a byte of its own.
    static const char leer = 0;
    const char* daten = wert.isEmpty() ? &leer : wert.data();
    if (const int rc = sqlite_->bind_blob(anweisung_, stelle, daten, int(wert.size()), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        verbindung_->Wirf(rc);
    return *this;
}

Anweisung& Anweisung::Null(int stelle)
{
    if (const int rc = sqlite_->bind_null(anweisung_, stelle); rc != SQLITE_OK)
        verbindung_->Wirf(rc);
    return *this;
}

bool Anweisung::Schritt()
{
    const int rc = sqlite_->step(anweisung_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    verbindung_->Wirf(rc);
}

void Anweisung::Zuruecksetzen()
{
    sqlite_->reset(anweisung_);
    sqlite_->clear_bindings(anweisung_);
}

QByteArrayView Anweisung::Bytes(int spalte) const
{
    // The blob first, then its size, as SQLite asks.
    const auto* daten = static_cast<const char*>(sqlite_->column_blob(anweisung_, spalte));
    return QByteArrayView(daten, sqlite_->column_bytes(anweisung_, spalte));
}

} // namespace journal
