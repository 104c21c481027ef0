#include "daten/bilduebernahme.h"

#include "daten/bilddatei.h"
#include "daten/sicherung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace daten {

namespace {

constexpr qint64 Block = 1 << 20;
constexpr int Pruefkante = 16;

// "name.png", "name (2).png", "name (3).png" …
QString Kopiename(const QFileInfo& quelle, int nummer)
{
    if (nummer == 1)
        return quelle.fileName();
    const QString endung = quelle.suffix();
    return QStringLiteral("%1 (%2)").arg(quelle.completeBaseName()).arg(nummer)
           + (endung.isEmpty() ? QString() : QLatin1Char('.') + endung);
}

bool GleicherInhalt(QFile& quelle, const QString& pfad)
{
    QFile andere(pfad);
    if (!andere.open(QIODevice::ReadOnly) || andere.size() != quelle.size() || !quelle.seek(0))
        return false;
    while (!quelle.atEnd())
        if (quelle.read(Block) != andere.read(Block))
            return false;
    return true;
}

// The whole source into the new file, synced; the failure that stopped it, if any.
Uebernahmefehler Kopiere(QFile& quelle, NeueDatei& ziel)
{
    if (!quelle.seek(0))
        return Uebernahmefehler::NichtGefunden;
    while (!quelle.atEnd()) {
        const QByteArray block = quelle.read(Block);
        if (block.isEmpty())
            return Uebernahmefehler::NichtGefunden;
        if (!SchreibeAlles(ziel.fd(), {reinterpret_cast<const std::uint8_t*>(block.constData()), std::size_t(block.size())}))
            return Uebernahmefehler::Schreibfehler;
    }
    return ziel.Abschliessen() ? Uebernahmefehler::Keiner : Uebernahmefehler::Schreibfehler;
}

bool NameBelegt(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();  // a dangling link holds its name too
}

} // namespace

Uebernahme BildUebernehmen(const QString& quelle, const QString& ordner)
{
    const QFileInfo info(quelle);
    QFile ein(quelle);
    if (!info.isFile() || !ein.open(QIODevice::ReadOnly))
        return {Uebernahmefehler::NichtGefunden, {}};
    if (!QDir().mkpath(ordner))
        return {Uebernahmefehler::Schreibfehler, {}};
    const QDir ziel(ordner);
    if (info.absoluteDir().canonicalPath() == ziel.canonicalPath())
        return {Uebernahmefehler::Keiner, ziel.filePath(info.fileName())};

    RaeumeResteAuf(QFile::encodeName(ziel.path()).toStdString());
    NeueDatei kopie(QFile::encodeName(ziel.filePath(info.fileName())).toStdString());
    if (!kopie.offen())
        return {Uebernahmefehler::Schreibfehler, {}};
    if (const Uebernahmefehler fehler = Kopiere(ein, kopie); fehler != Uebernahmefehler::Keiner)
        return {fehler, {}};
    QImage bild;
    if (const Ladefehler fehler = LadeBild(QFile::decodeName(kopie.pfad().c_str()), bild, Pruefkante);
        fehler != Ladefehler::Keiner)
        return {Uebernahmefehler::KeinBild, {}, fehler};

    for (int nummer = 1;; ++nummer) {
        const QString pfad = ziel.filePath(Kopiename(info, nummer));
        if (NameBelegt(pfad)) {
            if (GleicherInhalt(ein, pfad))
                return {Uebernahmefehler::Keiner, pfad};
            continue;
        }
        // Taking the name never replaces a file: one that appeared meanwhile only moves us on.
        if (kopie.LegeAn(QFile::encodeName(pfad).toStdString()))
            return {Uebernahmefehler::Keiner, pfad};
        if (!NameBelegt(pfad))
            return {Uebernahmefehler::Schreibfehler, {}};
    }
}

QStringList AbgelegteBilder(const QList<QUrl>& urls)
{
    QStringList dateien;
    for (const QUrl& url : urls) {
        const QString datei = url.isLocalFile() ? url.toLocalFile() : QString();
        if (datei.isEmpty() || !IstBildname(QFileInfo(datei).fileName()))
            return {};
        dateien << datei;
    }
    return dateien;
}

} // namespace daten
