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
    const QString eigene = progPfad + QLatin1String("/morvik_%1.hlp").arg(SprachCode(sprache));
    return sprache == Sprache::Deutsch || QFileInfo::exists(eigene) ? eigene : progPfad + QLatin1String("/morvik_en.hlp");
}

void Umgebung::SchreibordnerAnlegen() const
{
    if (installiert())
        QDir().mkpath(nutzerPfad);
}

bool Umgebung::eigeneBilderGetrennt() const
{
    if (!installiert())
        return false;
    const QFileInfo geliefert(bilderordner()), eigene(eigeneBilder());
    if (QDir::cleanPath(geliefert.absoluteFilePath()) == QDir::cleanPath(eigene.absoluteFilePath()))
        return false;
    // the same folder under another name (a link) is still the same folder
    return eigene.canonicalFilePath().isEmpty() || eigene.canonicalFilePath() != geliefert.canonicalFilePath();
}

Umgebung Umgebung::Ermitteln()
{
    return Ermitteln(Arbeitsordner(), QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_HOME"),
                     QCoreApplication::arguments().contains(QLatin1String("--portable")));
}

namespace {

// The data folder of an installed program, or empty: share/tavelor with its pictures beside the
// program's bin/ or games/.
QString GeliefertePfad(const QString& programmordner)
{
    const QString ordnername = QFileInfo(programmordner).fileName();
    if (ordnername != QLatin1String("bin") && ordnername != QLatin1String("games"))
        return {};
    const QString geteilt = QDir::cleanPath(programmordner + QLatin1String("/../share/tavelor"));
    return QFileInfo(geteilt + QLatin1String("/images")).isDir() ? geteilt : QString();
}

} // namespace

Umgebung Umgebung::Ermitteln(const QString& arbeitsordner, const QString& programmordner,
                             const QString& datenHeimat, bool portabelVerlangt)
{
    Umgebung umgebung;
    umgebung.progPfad = arbeitsordner;
    const bool portabel = portabelVerlangt || programmordner.isEmpty()
        || QFileInfo::exists(programmordner + QLatin1String("/tavelor.portable"));
    const QString geteilt = portabel ? QString() : GeliefertePfad(programmordner);
    if (!geteilt.isEmpty()) {
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
