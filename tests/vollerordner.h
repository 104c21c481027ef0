#pragma once
// A folder on a file system that is full: a small tmpfs mounted for the test, filled up once the
// test has put its files there. Mounting needs root (as in CI); elsewhere `da()` is false.

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

class VollerOrdner {
public:
    static constexpr char Fueller[] = "fueller";

    VollerOrdner() { da_ = ::mount("tmpfs", Pfad().constData(), "tmpfs", 0, "size=64k") == 0; }
    ~VollerOrdner()
    {
        if (da_)
            ::umount2(Pfad().constData(), MNT_DETACH);
    }
    bool da() const { return da_; }
    QString pfad() const { return ordner_.path(); }

    // Writes the file `Fueller` until no byte more fits.
    void Fuellen() const
    {
        const int fd = ::open((Pfad() + '/' + Fueller).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::vector<char> block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        while (fd >= 0 && ::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    }

private:
    QByteArray Pfad() const { return QFile::encodeName(ordner_.path()); }

    QTemporaryDir ordner_;
    bool da_ = false;
};
