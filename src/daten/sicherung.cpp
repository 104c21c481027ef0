#include "daten/sicherung.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace daten {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view Marke = ".tavelor-";
constexpr std::string_view Endung = ".tmp";
constexpr std::string_view Alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

fs::path Ordner(const fs::path& datei)
{
    return datei.has_parent_path() ? datei.parent_path() : fs::path(".");
}

// The old file's rights with the owner's write bit; a new file gets the usual ones.
mode_t RechteDerNeuenDatei(const fs::path& datei)
{
    struct stat alt {};
    if (::stat(datei.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        return (alt.st_mode & 07777) | S_IWUSR;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// A rename that never replaces a file of the new name.
bool UmbenennenOhneErsetzen(const fs::path& von, const fs::path& nach)
{
    int ergebnis = ::renameat2(AT_FDCWD, von.c_str(), AT_FDCWD, nach.c_str(), RENAME_NOREPLACE);
    if (ergebnis != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without that kind of rename: a hard link never replaces either.
        ergebnis = ::link(von.c_str(), nach.c_str());
        if (ergebnis == 0)
            ::unlink(von.c_str());
    }
    return ergebnis == 0;
}

// Makes a rename durable; the file is in place already, so a failure changes nothing.
void OrdnerSynchronisieren(const fs::path& datei)
{
    const int fd = ::open(Ordner(datei).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Whether the name still leads to the open file, and not to one that has taken its place.
bool NameZeigtAuf(const fs::path& name, int fd)
{
    struct stat perName {};
    struct stat offen {};
    return ::lstat(name.c_str(), &perName) == 0 && ::fstat(fd, &offen) == 0 && perName.st_dev == offen.st_dev
        && perName.st_ino == offen.st_ino;
}

// The fallback for a folder that takes no new file but holds a writable old one. Not one step:
// a crash while writing can leave old and new bytes mixed.
bool SchreibeAnOrtUndStelle(const fs::path& datei, std::span<const std::uint8_t> bytes, const Schreiber& schreiber)
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

bool IstSicherungsrest(const std::string& name)
{
    const std::size_t marke = name.rfind(Marke);
    return name.size() > 1 && name.front() == '.' && marke != std::string::npos && marke > 1
        && name.size() == marke + Marke.size() + 6 + Endung.size() && name.ends_with(Endung)
        && std::all_of(name.begin() + std::ptrdiff_t(marke + Marke.size()), name.end() - std::ptrdiff_t(Endung.size()),
                       [](char z) { return Alphabet.find(z) != Alphabet.npos; });
}

void RaeumeResteAuf(const fs::path& ordner)
{
    std::vector<fs::path> reste;
    std::error_code fehler;
    for (const fs::directory_entry& eintrag : fs::directory_iterator(ordner, fehler)) {
        if (IstSicherungsrest(eintrag.path().filename().string())
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

NeueDatei::NeueDatei(const fs::path& ziel) : ziel_(ziel)
{
    const std::string vorlage = (Ordner(ziel) / ("." + ziel.filename().string())).string()
                                + std::string(Marke) + "XXXXXX" + std::string(Endung);
    // Another copy's clean-up may take the file before it is locked: then again.
    for (int versuch = 0; versuch < 3; ++versuch) {
        pfad_ = vorlage;
        fd_ = ::mkostemps(pfad_.data(), int(Endung.size()), O_CLOEXEC);
        if (fd_ < 0)
            return;
        // Where the file system has no locks, saving goes on without one.
        ::flock(fd_, LOCK_EX);
        if (NameZeigtAuf(pfad_, fd_))
            return;
        ::close(fd_);
        fd_ = -1;
    }
}

NeueDatei::~NeueDatei()
{
    if (fd_ < 0)
        return;
    if (!pfad_.empty())
        ::unlink(pfad_.c_str());
    // Closed only now, so that the lock keeps other copies' clean-up away until the rename.
    ::close(fd_);
}

bool NeueDatei::Abschliessen()
{
    return fd_ >= 0 && ::fchmod(fd_, RechteDerNeuenDatei(ziel_)) == 0 && ::fsync(fd_) == 0;
}

bool NeueDatei::Ersetze()
{
    if (fd_ < 0 || std::rename(pfad_.c_str(), ziel_.c_str()) != 0)
        return false;
    pfad_.clear();
    OrdnerSynchronisieren(ziel_);
    return true;
}

bool NeueDatei::LegeAn(const fs::path& name)
{
    if (fd_ < 0 || !UmbenennenOhneErsetzen(pfad_, name))
        return false;
    pfad_.clear();
    OrdnerSynchronisieren(name);
    return true;
}

fs::path LegeBeiseite(const fs::path& datei, std::span<const std::string_view> begleiter)
{
    const auto frei = [&](const fs::path& name) {
        std::error_code fehler;
        if (fs::exists(fs::symlink_status(name, fehler)))
            return false;
        return std::ranges::none_of(begleiter, [&](std::string_view endung) {
            return fs::exists(fs::symlink_status(name.string() + std::string(endung), fehler));
        });
    };
    for (int nummer = 0; nummer < 1000; ++nummer) {
        fs::path name = datei.string() + ".defekt" + (nummer ? "." + std::to_string(nummer) : std::string());
        if (!frei(name))
            continue;
        if (!UmbenennenOhneErsetzen(datei, name)) {
            if (errno == EEXIST)  // another copy of the game took the name meanwhile
                continue;
            return {};
        }
        for (std::string_view endung : begleiter)
            UmbenennenOhneErsetzen(datei.string() + std::string(endung), name.string() + std::string(endung));
        OrdnerSynchronisieren(name);
        return name;
    }
    return {};
}

bool SpeichereDatei(const fs::path& datei, std::span<const std::uint8_t> bytes, const Schreiber& schreiber)
{
    RaeumeResteAuf(Ordner(datei));
    NeueDatei neu(datei);
    if (!neu.offen())
        return SchreibeAnOrtUndStelle(datei, bytes, schreiber);
    return schreiber(neu.fd(), bytes) && neu.Abschliessen() && neu.Ersetze();
}

} // namespace daten
