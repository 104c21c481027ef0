#include "beste/listendatei.h"

#include "daten/sicherung.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace beste {
namespace fs = std::filesystem;

std::optional<TListe> LiesListe(const fs::path& datei)
{
    TListenBytes bytes{};
    // Not blocking: a pipe in the list's place must not stall the start.
    const int fd = ::open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
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
    if (gelesen != bytes.size())
        return std::nullopt;
    return ListeAusBytes(bytes);
}

TListe LadeListe(const fs::path& datei)
{
    return LiesListe(datei).value_or(StandardListe());
}

TSpeicherErgebnis SpeichereListe(const TListe& liste, const fs::path& datei, bool vonCD, const TSchreiber& schreiber)
{
    if (vonCD)
        return TSpeicherErgebnis::CD;
    const TListenBytes bytes = ListeAlsBytes(liste);
    return daten::SpeichereDatei(datei, bytes, schreiber) ? TSpeicherErgebnis::Gespeichert : TSpeicherErgebnis::Fehler;
}

} // namespace beste
