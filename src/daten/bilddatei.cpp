#include "daten/bilddatei.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace {

quint32 U32(const QByteArray& d, int at) { return qFromLittleEndian<quint32>(d.constData() + at); }
qint32 I32(const QByteArray& d, int at) { return qFromLittleEndian<qint32>(d.constData() + at); }
quint16 U16(const QByteArray& d, int at) { return qFromLittleEndian<quint16>(d.constData() + at); }

constexpr int KopfLaenge = 54;  // file header (14) and the common part of the info header (40)

} // namespace

bool BmpGekuerzt(const QByteArray& kopf, qint64 dateigroesse)
{
    if (kopf.size() < 2 || !kopf.startsWith("BM"))
        return false;
    if (kopf.size() < KopfLaenge)
        return true;
    const quint32 datenBeginn = U32(kopf, 10);
    const quint32 infoLaenge = U32(kopf, 14);
    if (infoLaenge < 40)  // the old core header: let the reader judge it
        return false;
    const qint64 breite = I32(kopf, 18), hoehe = std::llabs(I32(kopf, 22));
    const quint16 bits = U16(kopf, 28);
    const quint32 kompression = U32(kopf, 30), bildgroesse = U32(kopf, 34);
    qint64 pixelbytes = 0;
    if (kompression == 0 || kompression == 3)  // uncompressed rows, padded to 4 bytes
        pixelbytes = (breite * bits + 31) / 32 * 4 * hoehe;
    else
        pixelbytes = bildgroesse;  // run-length data: the header says how much
    return dateigroesse < qint64(datenBeginn) + pixelbytes;
}

Ladefehler LadeBild(const QString& pfad, QImage& bild)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return Ladefehler::NichtGefunden;
    if (BmpGekuerzt(datei.peek(KopfLaenge), datei.size()))
        return Ladefehler::KeinBild;
    QImageReader leser(&datei);
    QImage gelesen = leser.read();
    if (gelesen.isNull())
        return leser.error() == QImageReader::FileNotFoundError ? Ladefehler::NichtGefunden
                                                                : Ladefehler::KeinBild;
    bild = std::move(gelesen);
    return Ladefehler::Keiner;
}
