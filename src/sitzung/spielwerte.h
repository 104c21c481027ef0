#pragma once
// The values of spiel.dat's lines as bytes and back: numbers, switches, texts, checksums,
// times, boards and moves. Each is read only in the one spelling the writer makes; the first
// fault found stops the reading with its reason.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

#include "engine/spielstand.h"
#include "sitzung/spieldatei.h"

namespace sitzung::spielwerte {

struct Abbruch {
    Spielmangel mangel;
};
[[noreturn]] void Verwirf(Spielmangel mangel);

// A decimal number without sign or leading zeros, at most `hoechstens`.
std::int64_t Zahl(QByteArrayView text, std::int64_t hoechstens, Spielmangel mangel = Spielmangel::Wert);
bool Schalter(QByteArrayView text);
QByteArray SchalterText(bool ja);
// Any text as UTF-8, percent-encoded: every byte but A-Z a-z 0-9 - . _ ~ as %XX, capitals.
QString Text(QByteArrayView text);
QByteArray TextAlsWert(const QString& text);
// 32 bytes as 64 lower-case hex digits, or empty.
QByteArray Pruefsumme(QByteArrayView text);
// A UTC time to the second as "2024-05-01T12:00:00Z", or empty for none.
QDateTime Zeitpunkt(QByteArrayView text);
QByteArray ZeitpunktText(const QDateTime& zeit);
// A date as "2024-05-01", or empty for none.
QDate Datum(QByteArrayView text);
// Exactly `anzahl` seconds, comma-separated, each at most `hoechstens` and none below the one before.
std::vector<std::uint16_t> Sekundenfolge(QByteArrayView text, std::size_t anzahl, int hoechstens);
QByteArray SekundenfolgeText(const std::vector<std::uint16_t>& sekunden);

// The tiles of fields 1..n·n, comma-separated, into the board `s` of its variant and side (and
// home field); the fields past n·n get their own numbers.
void LiesBrett(engine::Spielstand& s, QByteArrayView text);
QByteArray BrettText(const engine::Spielstand& s);

// Moves of the board's variant with their numbers on it, comma-separated; at most `hoechstens`.
std::vector<engine::Zug> LiesZuege(const engine::Spielstand& s, QByteArrayView text, std::size_t hoechstens);
QByteArray ZuegeText(const std::vector<engine::Zug>& zuege);

} // namespace sitzung::spielwerte
