#include "daten/dateizugriff.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace daten {

namespace {

Dateiart Art(const struct stat& info)
{
    return S_ISREG(info.st_mode) ? Dateiart::Datei : S_ISDIR(info.st_mode) ? Dateiart::Ordner : Dateiart::Andere;
}

// Reads up to `hoechstens` + 1 bytes through `verarbeiten`; false on a failed read or more.
template <class Verarbeiten>
bool LiesBloecke(int fd, qint64 hoechstens, Verarbeiten verarbeiten, Dateiart& art)
{
    char block[64 * 1024];
    for (qint64 gelesen = 0;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            art = Dateiart::Unlesbar;
            return false;
        }
        if (n == 0)
            return true;
        gelesen += n;
        if (gelesen > hoechstens) {
            art = Dateiart::ZuGross;
            return false;
        }
        verarbeiten(block, qsizetype(n));
    }
}

} // namespace

int OeffneRegulaer(const QString& pfad, Dateiart& art)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (pfad.isEmpty() || ::stat(name.constData(), &info) != 0) {
        art = errno == ENOENT || errno == ENOTDIR || pfad.isEmpty() ? Dateiart::Fehlt : Dateiart::Unlesbar;
        return -1;
    }
    if ((art = Art(info)) != Dateiart::Datei)
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        art = Dateiart::Unlesbar;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || (art = Art(info)) != Dateiart::Datei) {
        ::close(fd);
        return -1;
    }
    return fd;
}

Dateiinhalt LiesRegulaer(const QString& pfad, qint64 hoechstens)
{
    Dateiinhalt inhalt;
    const int fd = OeffneRegulaer(pfad, inhalt.art);
    if (fd < 0)
        return inhalt;
    const bool ganz = LiesBloecke(
        fd, hoechstens, [&](const char* block, qsizetype n) { inhalt.bytes.append(block, n); }, inhalt.art);
    ::close(fd);
    if (!ganz)
        inhalt.bytes.clear();
    return inhalt;
}

QByteArray Pruefsumme(const QString& pfad, qint64 hoechstens)
{
    Dateiart art = Dateiart::Fehlt;
    const int fd = OeffneRegulaer(pfad, art);
    if (fd < 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const bool ganz = LiesBloecke(
        fd, hoechstens, [&](const char* block, qsizetype n) { hash.addData(QByteArrayView(block, n)); }, art);
    ::close(fd);
    return ganz ? hash.result() : QByteArray();
}

} // namespace daten
