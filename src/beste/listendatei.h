#pragma once

#include "beste/liste.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace beste {
inline constexpr char ListenDateiName[] = "morvik.dat";

enum class TSpeicherErgebnis {
    Gespeichert,
    CD,      // started from a CD-ROM: nothing written
    Fehler,  // the file could not be written; the old file is unchanged unless rewriting it in place failed
};

// Writes all bytes to the open file descriptor; false on any failure.
using TSchreiber = std::function<bool(int fd, std::span<const std::uint8_t> bytes)>;
bool SchreibeAlles(int fd, std::span<const std::uint8_t> bytes);

// The first 1360 bytes of the file. A missing, unreadable or shorter file
// gives StandardListe(); the header is not checked.
TListe LadeListe(const std::filesystem::path& datei);

// Replaces the file with the whole table in one step: a crash or a failed
// write leaves the old file as it was. A read-only mark is cleared. New files
// that earlier saves left beside it when they were killed are removed.
// Where the folder takes no new file, an existing file is rewritten in place
// (not in one step); only when that fails too is the result Fehler.
TSpeicherErgebnis SpeichereListe(const TListe& liste, const std::filesystem::path& datei, bool vonCD,
                                 const TSchreiber& schreiber = SchreibeAlles);

} // namespace beste
