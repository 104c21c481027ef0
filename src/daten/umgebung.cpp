#include "daten/umgebung.h"

#include <QFile>

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

Umgebung Umgebung::Ermitteln()
{
    Umgebung umgebung;
    umgebung.progPfad = Arbeitsordner();
    umgebung.vonCD = IstCdRom(umgebung.progPfad);
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
