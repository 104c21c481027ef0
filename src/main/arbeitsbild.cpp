#include "main/arbeitsbild.h"

#include <cstdint>

#include "main/brettgeometrie.h"
#include "main/brettkunst.h"

namespace haupt {

namespace {

using G = Brettgeometrie;

QImage Gestreckt(const QImage& bild, QSize groesse)
{
    return bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

// The frame art at a scale, enough of it for the board well.
QImage Rahmenkunst(double skala)
{
    return Hintergrund(skala, Brettgeometrie(4, engine::Variante::Schieben, 1.0, skala).ganzGeraet());
}

} // namespace

void Arbeitsbild::Vorbereiten(Quelle quelle, double skala, QSize groesse)
{
    quelle_ = std::move(quelle);
    grau_ = false;
    bild_ = quelle_(skala, groesse);
}

void Arbeitsbild::Vorbereiten(const sitzung::Spielbild& bild, double skala, QSize groesse)
{
    if (bild.eingebaut()) {
        Vorbereiten([](double r, QSize g) { return Rahmenkunst(r).copy({G::Geraet(G::Titelbild, r).topLeft(), g}); },
                    skala, groesse);
        return;
    }
    Vorbereiten(
        [bild](double r, QSize g) {
            const daten::Geladen geladen = bild.Quadrat(g.width());
            if (geladen.fehler == daten::Ladefehler::Keiner)
                return Gestreckt(geladen.bild, g);
            return Gestreckt(Rahmenkunst(r).copy(G::Geraet(G::Titelecke, r)), g);
        },
        skala, groesse);
}

void Arbeitsbild::Vorbereiten(const QImage& bild, double skala, QSize groesse)
{
    Vorbereiten([bild](double, QSize g) { return Gestreckt(bild, g); }, skala, groesse);
}

void Arbeitsbild::NeuAnlegen(double skala, QSize groesse)
{
    if (quelle_) {
        const bool grau = grau_;
        bild_ = quelle_(skala, groesse);
        if (grau)
            Faerben();
    } else if (!bild_.isNull()) {
        bild_ = QImage();
        SchwarzWoKeins(groesse);
    }
}

void Arbeitsbild::SchwarzWoKeins(QSize groesse)
{
    if (!bild_.isNull())
        return;
    bild_ = QImage(groesse, QImage::Format_RGB32);
    bild_.fill(Qt::black);
}

void Arbeitsbild::Faerben()
{
    // One pass over the whole picture: RGB32 rows have no padding, and a plain loop over a
    // pointer lets the compiler work on several pixels at once.
    grau_ = true;
    const qsizetype anzahl = bild_.sizeInBytes() / qsizetype(sizeof(QRgb));
    auto* pixel = reinterpret_cast<QRgb*>(bild_.bits());
    for (qsizetype i = 0; i < anzahl; ++i) {
        const QRgb farbe = pixel[i];
        // The weights add up to 256, so the sum fits 16 bits: eight pixels per vector.
        const auto summe = std::uint16_t(77 * qRed(farbe) + 151 * qGreen(farbe) + 28 * qBlue(farbe));
        const QRgb grau = summe >> 8;
        pixel[i] = 0xff000000u | grau << 16 | grau << 8 | grau;
    }
}

} // namespace haupt
