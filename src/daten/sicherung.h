#pragma once
// The one way the game writes a file: the new content goes into a hidden temporary file beside
// the target, every write and the sync are checked, and only a whole file takes the target's
// name. A failure leaves the old file as it was. Temporary files of saves that were killed are
// recognised by their name alone, ".<target>.tavelor-XXXXXX.tmp", which no player would choose,
// and removed at the next save into that folder; nothing else is ever deleted.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace daten {

// Writes all bytes to the open file descriptor; false on any failure. Tests put a writer that
// fails in its place.
using Schreiber = std::function<bool(int fd, std::span<const std::uint8_t> bytes)>;
bool SchreibeAlles(int fd, std::span<const std::uint8_t> bytes);

// Whether a file name is that of a temporary file of a save.
bool IstSicherungsrest(const std::string& name);

// Removes the temporary files that killed saves left in the folder. A save still running in
// another copy of the game holds a lock on its file, so only unlocked files are taken away.
void RaeumeResteAuf(const std::filesystem::path& ordner);

// A hidden temporary file beside `ziel`, locked while it lives, removed unless it was put in
// place. Write into `fd()`, then `Abschliessen` syncs it and gives it its rights.
class NeueDatei {
public:
    explicit NeueDatei(const std::filesystem::path& ziel);
    ~NeueDatei();
    NeueDatei(const NeueDatei&) = delete;
    NeueDatei& operator=(const NeueDatei&) = delete;

    // False when the folder takes no new file.
    bool offen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& pfad() const { return pfad_; }

    // Syncs the content and sets the rights (those of the file it replaces, with the owner's
    // write bit, or the usual ones).
    bool Abschliessen();
    // Takes the target's name, replacing a file of that name.
    bool Ersetze();
    // Takes the name `name` in the same folder only where no file holds it yet.
    bool LegeAn(const std::filesystem::path& name);

private:
    std::filesystem::path ziel_;
    std::string pfad_;
    int fd_ = -1;
};

// Sets a damaged file aside under the first free name of `datei`.defekt, .defekt.1, .defekt.2 …,
// so that no earlier one is ever overwritten; files beside it named `datei` + a suffix of
// `begleiter` go along under the new name + that suffix. The new name, or empty when the file
// could not be renamed.
std::filesystem::path LegeBeiseite(const std::filesystem::path& datei,
                                   std::span<const std::string_view> begleiter = {});

// Replaces `datei` with `bytes` in one step. Where the folder takes no new file but holds a
// writable old one (a write-protected folder), that file is written in place instead; that is
// not one step. A read-only mark on the old file is cleared. False on any failure: the old
// file is then unchanged, unless writing it in place failed.
bool SpeichereDatei(const std::filesystem::path& datei, std::span<const std::uint8_t> bytes,
                    const Schreiber& schreiber = SchreibeAlles);

} // namespace daten
