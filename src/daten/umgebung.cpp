#include "daten/umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <linux/magic.h>
#include <sys/vfs.h>

namespace daten {

QString Arbeitsordner()
{
    std::error_code fehler;
    const std::filesystem::path pfad = std::filesystem::current_path(fehler);
    return fehler ? QStringLiteral(".") : QFile::decodeName(pfad.c_str());
}

QString Umgebung::hilfeDatei(Sprache sprache) const
{
    return progPfad + (sprache == Sprache::Englisch ? QLatin1String("/morvik_en.hlp") : QLatin1String("/morvik_de.hlp"));
}

void Umgebung::SchreibordnerAnlegen() const
{
    if (installiert())
        QDir().mkpath(nutzerPfad);
}

Umgebung Umgebung::Ermitteln()
{
    return Ermitteln(Arbeitsordner(), QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_HOME"));
}

Umgebung Umgebung::Ermitteln(const QString& arbeitsordner, const QString& programmordner, const QString& datenHeimat)
{
    Umgebung umgebung;
    umgebung.progPfad = arbeitsordner;
    const QString geteilt = QDir::cleanPath(programmordner + QLatin1String("/../share/tavelor"));
    if (!QFileInfo(arbeitsordner + QLatin1String("/images")).isDir() && !programmordner.isEmpty()
        && QFileInfo(geteilt + QLatin1String("/images")).isDir()) {
        umgebung.progPfad = geteilt;
        // The XDG rule: a relative $XDG_DATA_HOME is invalid and ignored.
        const QString heimat = QDir::isAbsolutePath(datenHeimat) ? datenHeimat : QDir::homePath() + QLatin1String("/.local/share");
        umgebung.nutzerPfad = QDir::cleanPath(heimat + QLatin1String("/tavelor"));
    }
    umgebung.vonCD = IstCdRom(umgebung.progPfad) && !umgebung.installiert();
    return umgebung;
}

bool BildschirmGenuegt(int hoehe, int farbtiefe) { return hoehe >= 600 && farbtiefe >= 16; }

bool IstCdRom(const QString& pfad)
{
    struct statfs info {};
    if (statfs(QFile::encodeName(pfad).constData(), &info) != 0)
        return false;
    return info.f_type == ISOFS_SUPER_MAGIC || info.f_type == UDF_SUPER_MAGIC;
}

} // namespace daten
