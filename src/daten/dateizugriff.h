#pragma once
// Reading files that anyone may have put anything in place of: only a regular file is read,
// opened without blocking (a FIFO without a writer, a device, would hold the reader for good)
// and only up to a cap. Safe from any thread.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace daten {

enum class Dateiart : std::uint8_t {
    Datei,     // a regular file, read
    Fehlt,     // no file of that name
    Ordner,    // a folder
    Andere,    // a FIFO, a device, a socket: never read
    Unlesbar,  // a regular file that cannot be opened or read
    ZuGross,   // a regular file larger than the cap
};

// A regular file opened for reading, or -1 with the reason in `art`. The name is looked at
// before anything is opened, and the opened file again: one swapped in between is refused too.
int OeffneRegulaer(const QString& pfad, Dateiart& art);

struct Dateiinhalt {
    Dateiart art = Dateiart::Fehlt;
    QByteArray bytes;  // the whole file when `art` is Datei
};
// The bytes of a regular file of at most `hoechstens` bytes.
Dateiinhalt LiesRegulaer(const QString& pfad, qint64 hoechstens);

// Pictures of 200 megapixels and more stay below; a larger file has no checksum.
inline constexpr qint64 PruefsummeHoechstens = qint64(1) << 30;
// SHA-256 of a regular file's bytes; empty for an empty name and for any file that is not
// regular, cannot be read or is larger than `hoechstens`.
QByteArray Pruefsumme(const QString& pfad, qint64 hoechstens = PruefsummeHoechstens);

} // namespace daten
