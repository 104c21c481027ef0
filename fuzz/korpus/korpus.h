#pragma once
// Seed inputs for the fuzz targets, made by code: valid files of every kind the game reads and
// broken ones that stop at each step a reader takes.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

namespace korpus {

// Stores one seed under its name in the target's folder.
using Ablage = std::function<void(const QString& name, const QByteArray& bytes)>;

void Bilder(const Ablage& ablage);   // fuzz_bild: BMP of every depth and compression, OS/2, PNG, JPEG, GIF, WebP
void Toene(const Ablage& ablage);    // fuzz_ton: WAVE files
void Ini(const Ablage& ablage);      // fuzz_ini: options files with section, key and value
void Listen(const Ablage& ablage);   // fuzz_liste: high-score files and results to enter
void Partien(const Ablage& ablage);  // fuzz_engine: games, some played to their end
void Spieldateien(const Ablage& ablage);  // fuzz_spiel: saved games of every variant and side
void Journale(const Ablage& ablage);      // fuzz_journal: stored moves and boards, journal files
void Codes(const Ablage& ablage);         // fuzz_code: game codes of every variant and side, and damaged ones

// Little-endian building blocks of the binary formats.
inline void U16(QByteArray& b, std::uint16_t w) { b.append(char(w & 0xFF)).append(char(w >> 8)); }
inline void U32(QByteArray& b, std::uint32_t z) { U16(b, z & 0xFFFF); U16(b, z >> 16); }

} // namespace korpus
