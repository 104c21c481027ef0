#pragma once
// A folder the test can fill and then protect from writing, for root too: a small tmpfs mounted
// for the test and mounted again read-only; where nothing can be mounted (not root) the folder
// loses its write permission instead.

#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class SchreibgeschuetzterOrdner {
public:
    SchreibgeschuetzterOrdner() { gemountet_ = ::mount("tmpfs", Pfad().constData(), "tmpfs", 0, "size=1m") == 0; }
    ~SchreibgeschuetzterOrdner()
    {
        ::chmod(Pfad().constData(), 0700);
        if (gemountet_)
            ::umount2(Pfad().constData(), MNT_DETACH);
    }
    QString pfad() const { return ordner_.path(); }

    // From now on nothing can be written there; false when that could not be done.
    bool Schuetzen()
    {
        if (gemountet_)
            return ::mount("tmpfs", Pfad().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m") == 0;
        return ::chmod(Pfad().constData(), 0500) == 0 && ::access(Pfad().constData(), W_OK) != 0;
    }

private:
    QByteArray Pfad() const { return QFile::encodeName(ordner_.path()); }

    QTemporaryDir ordner_;
    bool gemountet_ = false;
};
