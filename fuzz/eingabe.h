#pragma once
// What every fuzz target shares: reading its values from the fuzz bytes (and the corpus
// generator writing them in the same layout), a check that stops the run, and a scratch folder.

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <unistd.h>

// A broken rule aborts, so libFuzzer keeps the input and reports it as a crash.
#define PRUEFE(bedingung) \
    ((bedingung) ? void(0) : ::fuzz::RegelVerletzt(#bedingung, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] inline void RegelVerletzt(const char* regel, const char* datei, int zeile)
{
    std::fprintf(stderr, "\n%s:%d: rule broken: %s\n", datei, zeile, regel);
    std::abort();
}

// Values from the front of the input. A value past the end reads as zero, so every input,
// however short, describes one whole run.
class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse) : rest(daten, groesse) {}

    std::uint8_t Byte()
    {
        if (rest.empty())
            return 0;
        const std::uint8_t b = rest.front();
        rest = rest.subspan(1);
        return b;
    }
    std::uint16_t Wort() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
    std::uint32_t Zahl() { return Wort() | (std::uint32_t(Wort()) << 16); }
    bool Ja() { return (Byte() & 1) != 0; }
    // von..bis, from one word: bis - von must stay below 65536.
    int ImBereich(int von, int bis) { return von + Wort() % (bis - von + 1); }
    // A length byte (up to `hoechstens`), then the bytes.
    QByteArray Text(std::size_t hoechstens = 255)
    {
        const std::size_t laenge = std::min<std::size_t>(Byte() % (hoechstens + 1), rest.size());
        QByteArray text(reinterpret_cast<const char*>(rest.data()), static_cast<qsizetype>(laenge));
        rest = rest.subspan(laenge);
        return text;
    }
    QByteArray Rest()
    {
        QByteArray alles(reinterpret_cast<const char*>(rest.data()), static_cast<qsizetype>(rest.size()));
        rest = {};
        return alles;
    }
    bool Leer() const { return rest.empty(); }

private:
    std::span<const std::uint8_t> rest;
};

// The counterpart for the corpus generator: what it writes, Leser reads back.
class Schreiber {
public:
    Schreiber& Byte(std::uint8_t b) { daten.append(char(b)); return *this; }
    Schreiber& Wort(std::uint16_t w) { return Byte(w & 0xFF).Byte(w >> 8); }
    Schreiber& Zahl(std::uint32_t z) { return Wort(z & 0xFFFF).Wort(z >> 16); }
    Schreiber& Ja(bool ja) { return Byte(ja ? 1 : 0); }
    Schreiber& ImBereich(int von, int wert) { return Wort(static_cast<std::uint16_t>(wert - von)); }
    Schreiber& Text(const QByteArray& text) { Byte(static_cast<std::uint8_t>(text.size())); daten += text; return *this; }
    Schreiber& Rest(const QByteArray& rest) { daten += rest; return *this; }
    const QByteArray& Bytes() const { return daten; }

private:
    QByteArray daten;
};

// A folder of this process's own, in TMPDIR when set (fuzz/run.sh points it to a folder it
// removes afterwards, since a crash skips the clean-up), else on a memory file system where
// there is one: the high-score file is synced on every save, which costs nothing there.
inline const std::filesystem::path& Arbeitsordner()
{
    static const std::filesystem::path ordner = [] {
        std::error_code fehler;
        std::filesystem::path basis = "/dev/shm";
        if (std::getenv("TMPDIR") || !std::filesystem::is_directory(basis, fehler)
            || ::access(basis.c_str(), W_OK) != 0)
            basis = std::filesystem::temp_directory_path();
        std::string muster = (basis / "tavelor-fuzz-XXXXXX").string();
        if (!::mkdtemp(muster.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return std::filesystem::path(muster);
    }();
    return ordner;
}

// Removes the scratch folder when the process ends normally (libFuzzer's -runs, merges).
struct Aufraeumen {
    Aufraeumen() { Arbeitsordner(); }  // made first, so it is still there for the destructor
    ~Aufraeumen()
    {
        std::error_code fehler;
        std::filesystem::remove_all(Arbeitsordner(), fehler);
    }
};

} // namespace fuzz
