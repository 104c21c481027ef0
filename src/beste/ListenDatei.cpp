#include "beste/ListenDatei.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The old file's permissions with owner write set; a new file gets the usual ones.
mode_t RechteDerNeuenDatei(const std::filesystem::path& datei)
{
    struct stat alt {};
    if (::stat(datei.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        return (alt.st_mode & 07777) | S_IWUSR;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// Makes the rename itself durable; the file is already in place, so a failure changes nothing.
void OrdnerSynchronisieren(const std::filesystem::path& datei)
{
    std::filesystem::path ordner = datei.parent_path();
    if (ordner.empty())
        ordner = ".";
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool SchreibeUndSchliesse(int fd, const TListenBytes& bytes, mode_t rechte, const TSchreiber& schreiber)
{
    bool gut = schreiber(fd, bytes) && ::fchmod(fd, rechte) == 0 && ::fsync(fd) == 0;
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

TListe LadeListe(const std::filesystem::path& datei)
{
    TListenBytes bytes{};
    std::ifstream ein(datei, std::ios::binary);
    ein.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (ein.gcount() != static_cast<std::streamsize>(bytes.size()))
        return StandardListe();
    return ListeAusBytes(bytes);
}

TSpeicherErgebnis SpeichereListe(const TListe& liste, const std::filesystem::path& datei, bool vonCD,
                                 const TSchreiber& schreiber)
{
    if (vonCD)
        return TSpeicherErgebnis::CD;

    // Written beside the old file and renamed over it: truncating the old file
    // first would lose every list if the program died while writing.
    const mode_t rechte = RechteDerNeuenDatei(datei);
    std::string neu = datei.string() + ".XXXXXX";
    const int fd = ::mkostemp(neu.data(), O_CLOEXEC);
    if (fd < 0)
        return TSpeicherErgebnis::Fehler;

    if (!SchreibeUndSchliesse(fd, ListeAlsBytes(liste), rechte, schreiber)
        || std::rename(neu.c_str(), datei.c_str()) != 0) {
        ::unlink(neu.c_str());
        return TSpeicherErgebnis::Fehler;
    }
    OrdnerSynchronisieren(datei);
    return TSpeicherErgebnis::Gespeichert;
}
