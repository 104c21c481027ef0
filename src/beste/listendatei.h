#pragma once

#include "beste/liste.h"
#include "daten/sicherung.h"

#include <filesystem>
#include <optional>

namespace beste {
inline constexpr char ListenDateiName[] = "morvik.dat";

enum class TSpeicherErgebnis {
    Gespeichert,
    CD,      // started from a CD-ROM: nothing written
    Fehler,  // the file could not be written; the old file is unchanged unless rewriting it in place failed
};

using TSchreiber = daten::Schreiber;
using daten::SchreibeAlles;

// The first 1360 bytes of the file; nothing when it is missing, unreadable or shorter. The
// header is not checked.
std::optional<TListe> LiesListe(const std::filesystem::path& datei);
// The same, with StandardListe() for nothing.
TListe LadeListe(const std::filesystem::path& datei);

// Replaces the file with the whole table through daten::SpeichereDatei: a crash or a failed
// write leaves the old file as it was, a read-only mark is cleared, and in a folder that takes
// no new file an existing file is rewritten in place.
TSpeicherErgebnis SpeichereListe(const TListe& liste, const std::filesystem::path& datei, bool vonCD,
                                 const TSchreiber& schreiber = SchreibeAlles);

} // namespace beste
