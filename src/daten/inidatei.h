#pragma once

#include "daten/sicherung.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <stdexcept>

namespace daten {

// A small INI reader and writer over the file's bytes: sections in brackets, lines
// "name=value", names matched without regard to case. Writing changes only the one key
// line, so comments, other sections and keys and their spelling stay as they were.

// Raised when an INI file cannot be written; the message names the file's full path.
class Schreibfehler : public std::runtime_error {
public:
    explicit Schreibfehler(const QString& datei);
    QString text() const { return QString::fromUtf8(what()); }
};

// The value of the first key of that name in the first section of that name, trimmed.
std::optional<QByteArray> IniWert(const QByteArray& inhalt, QByteArrayView abschnitt,
                                  QByteArrayView schluessel);

// The content with the key set to wert: the key line replaced, or the key added at the
// end of the section, or the section appended with the key.
QByteArray IniMitWert(const QByteArray& inhalt, QByteArrayView abschnitt,
                      QByteArrayView schluessel, QByteArrayView wert);

// "0x"/"0X" followed by at least one character reads as hexadecimal, anything else as
// decimal; a value that is no integer gives 0.
int IniZahl(const QByteArray& wert);

// 0 when the file, section or key is missing or cannot be read.
int LiesIniZahl(const QString& datei, QByteArrayView abschnitt, QByteArrayView schluessel);

// Creates the file when missing and replaces it whole through SpeichereDatei, so a failed
// write leaves the old file as it was; a read-only mark is cleared. Throws Schreibfehler.
void SchreibeIniWert(const QString& datei, QByteArrayView abschnitt, QByteArrayView schluessel,
                     QByteArrayView wert, const Schreiber& schreiber = SchreibeAlles);
// Several keys of one section in one write: all of them or, when it fails, none.
void SchreibeIniWerte(const QString& datei, QByteArrayView abschnitt,
                      std::initializer_list<std::pair<QByteArrayView, QByteArrayView>> werte,
                      const Schreiber& schreiber = SchreibeAlles);

} // namespace daten
