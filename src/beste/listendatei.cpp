#include "beste/listendatei.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace beste {
namespace fs = std::filesystem;

namespace {

// The old file's permissions with owner write set; a new file gets the usual ones.
mode_t RechteDerNeuenDatei(const fs::path& datei)
{
    struct stat alt {};
    if (::stat(datei.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        return (alt.st_mode & 07777) | S_IWUSR;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

fs::path Ordner(const fs::path& datei)
{
    return datei.has_parent_path() ? datei.parent_path() : fs::path(".");
}

// Makes the rename itself durable; the file is already in place, so a failure changes nothing.
void OrdnerSynchronisieren(const fs::path& datei)
{
    const int fd = ::open(Ordner(datei).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Whether name still leads to the open file, and not to one that has taken its place.
bool NameZeigtAuf(const fs::path& name, int fd)
{
    struct stat perName {};
    struct stat offen {};
    return ::lstat(name.c_str(), &perName) == 0 && ::fstat(fd, &offen) == 0 && perName.st_dev == offen.st_dev
        && perName.st_ino == offen.st_ino;
}

// The name mkostemp gives a new file beside datei: ".XXXXXX" with X from its alphabet.
bool IstNeueDateiVon(const std::string& name, const std::string& datei)
{
    constexpr std::string_view alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    return name.size() == datei.size() + 7 && name.starts_with(datei + '.')
        && std::all_of(name.end() - 6, name.end(), [&](char z) { return alphabet.find(z) != alphabet.npos; });
}

// A save killed before its rename leaves its new file behind. A save still running in
// another instance holds a lock on its file, so only unlocked files are taken away.
void RaeumeResteAuf(const fs::path& datei)
{
    std::vector<fs::path> reste;
    std::error_code fehler;
    for (const fs::directory_entry& eintrag : fs::directory_iterator(Ordner(datei), fehler)) {
        if (IstNeueDateiVon(eintrag.path().filename().string(), datei.filename().string())
            && eintrag.symlink_status(fehler).type() == fs::file_type::regular)
            reste.push_back(eintrag.path());
    }
    for (const fs::path& rest : reste) {
        const int fd = ::open(rest.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && NameZeigtAuf(rest, fd))
            ::unlink(rest.c_str());
        ::close(fd);
    }
}

// The new file beside datei, locked until it has its final name, or -1 when the folder
// takes no new file. Another instance's cleanup may take it before the lock: then again.
int NeueDatei(const fs::path& datei, std::string& name)
{
    for (int versuch = 0; versuch < 3; ++versuch) {
        name = datei.string() + ".XXXXXX";
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        // Where the file system has no locks, saving goes on without one.
        ::flock(fd, LOCK_EX);
        if (NameZeigtAuf(name, fd))
            return fd;
        ::close(fd);
    }
    return -1;
}

// The fallback for a folder that takes no new file but holds a writable old one. Not
// atomic: a crash while writing can leave old and new bytes mixed.
bool SchreibeAnOrtUndStelle(const fs::path& datei, const TListenBytes& bytes, const TSchreiber& schreiber)
{
    struct stat alt {};
    if (::stat(datei.c_str(), &alt) != 0 || !S_ISREG(alt.st_mode))
        return false;
    // Clears the read-only mark as a new file would; put back if the file still cannot be opened.
    const bool markiert = (alt.st_mode & S_IWUSR) == 0 && ::chmod(datei.c_str(), (alt.st_mode & 07777) | S_IWUSR) == 0;
    const int fd = ::open(datei.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        if (markiert)
            ::chmod(datei.c_str(), alt.st_mode & 07777);
        return false;
    }
    bool gut = schreiber(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    gut = ::close(fd) == 0 && gut;
    return gut;
}

} // namespace

bool SchreibeAlles(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t geschrieben = ::write(fd, bytes.data(), bytes.size());
        if (geschrieben < 0 && errno == EINTR)
            continue;
        if (geschrieben <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(geschrieben));
    }
    return true;
}

TListe LadeListe(const fs::path& datei)
{
    TListenBytes bytes{};
    // Not blocking: a pipe in the list's place must not stall the start.
    const int fd = ::open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return StandardListe();
    std::size_t gelesen = 0;
    while (gelesen < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + gelesen, bytes.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return gelesen == bytes.size() ? ListeAusBytes(bytes) : StandardListe();
}

TSpeicherErgebnis SpeichereListe(const TListe& liste, const fs::path& datei, bool vonCD, const TSchreiber& schreiber)
{
    if (vonCD)
        return TSpeicherErgebnis::CD;

    RaeumeResteAuf(datei);
    const TListenBytes bytes = ListeAlsBytes(liste);
    // Written beside the old file and renamed over it: truncating the old file
    // first would lose every list if the program died while writing.
    const mode_t rechte = RechteDerNeuenDatei(datei);
    std::string neu;
    const int fd = NeueDatei(datei, neu);
    if (fd < 0)
        return SchreibeAnOrtUndStelle(datei, bytes, schreiber) ? TSpeicherErgebnis::Gespeichert
                                                               : TSpeicherErgebnis::Fehler;

    const bool geschrieben = schreiber(fd, bytes) && ::fchmod(fd, rechte) == 0 && ::fsync(fd) == 0;
    if (!geschrieben || std::rename(neu.c_str(), datei.c_str()) != 0) {
        ::unlink(neu.c_str());
        ::close(fd);
        return TSpeicherErgebnis::Fehler;
    }
    // Closed only now, so that the lock keeps other instances' cleanup away until the rename.
    // The bytes are synced already: a late close error loses nothing.
    ::close(fd);
    OrdnerSynchronisieren(datei);
    return TSpeicherErgebnis::Gespeichert;
}

} // namespace beste
