#include "main/brettkunst.h"

#include <QPainter>

#include <cmath>

#include "main/brettgeometrie.h"
#include "kunst.h"

namespace haupt {

namespace {

QImage Einfach(const char* name, bool dunkel)
{
    return kunst::Bild(QLatin1String(name), dunkel).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage OhneSchluessel(const QImage& bild)
{
    QImage ergebnis = bild.convertToFormat(QImage::Format_ARGB32);
    if (ergebnis.isNull())
        return ergebnis;
    const QRgb schluessel = ergebnis.pixel(0, ergebnis.height() - 1);
    for (int y = 0; y < ergebnis.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
        for (int x = 0; x < ergebnis.width(); ++x)
            if (zeile[x] == schluessel)
                zeile[x] = 0;
    }
    return ergebnis;
}

// Above a scale of 1 the double-size art (the single one where there is none) is brought to the
// device size once here.
QImage Kunst(const char* name, double skala, bool schluessel, bool dunkel)
{
    if (skala == 1.0)
        return schluessel ? OhneSchluessel(Einfach(name, dunkel)) : Einfach(name, dunkel);
    QImage doppelt = kunst::Bild(QLatin1String(name) + QLatin1String("@2x"), dunkel);
    doppelt.setDevicePixelRatio(1.0);  // the reader takes one of 2 from the name; here pixels are counted
    const bool hatDoppelt = !doppelt.isNull();
    QImage bild = hatDoppelt ? doppelt : kunst::Bild(QLatin1String(name), dunkel);
    const QSize logisch = hatDoppelt ? bild.size() / 2 : bild.size();
    bild = schluessel ? OhneSchluessel(bild).convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      : bild.convertToFormat(QImage::Format_RGB32);
    const QSize geraet = Brettgeometrie::Geraet({QPoint(0, 0), logisch}, skala).size();
    if (bild.size() != geraet)
        bild = bild.scaled(geraet, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bild;
}

QImage Hintergrund(double skala, QSize ganz, bool dunkel)
{
    QImage bild = Kunst("imgHintergrund", skala, false, dunkel);
    if (bild.size() != ganz)  // the last device column or row a rounding left out
        bild = bild.scaled(ganz, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    return bild;
}

// A block of art or picture to a device rectangle; at a fractional ratio the two may differ by
// a pixel. Then the block is brought to size first: a scaled draw picks its pixels by where
// the paint's clip begins, and a part painted again would not meet the rest.
// The clip narrowed to the block: under a clip of several rectangles (a move's fields and
// digits) the raster engine draws line by line, and past about a hundred lines hands them to
// other threads; under one rectangle it copies the block straight.
void Kopiere(QPainter& p, const QRect& nach, const QImage& quelle, const QRect& aus)
{
    p.save();
    p.setClipRect(nach, Qt::IntersectClip);
    if (nach.size() == aus.size())
        p.drawImage(nach.topLeft(), quelle, aus);
    else
        p.drawImage(nach.topLeft(), quelle.copy(aus).scaled(nach.size()));
    p.restore();
}

void Fuelle(QPainter& p, const QRect& wo, QRgb farbe)
{
    p.save();
    p.setClipRect(wo, Qt::IntersectClip);
    p.fillRect(wo, QColor(farbe));
    p.restore();
}

void AufGeraetepixel(QPainter& p, double skala)
{
    p.scale(1 / skala, 1 / skala);
    const QPointF ursprung = p.deviceTransform().map(QPointF(0, 0));
    p.translate(std::round(ursprung.x()) - ursprung.x(), std::round(ursprung.y()) - ursprung.y());
}

void AufGanzenUrsprung(QPainter& p, double skala)
{
    AufGeraetepixel(p, skala);
    p.scale(skala, skala);
}

void Brettkunst::KreuzLaden(double skala, int seite)
{
    static const char* const namen[] = {"imgKreuz3", "imgKreuz4", "imgKreuz5", "imgKreuz6"};
    n = seite;
    kreuz = Kunst(namen[seite - 3], skala);
}

void Brettkunst::Laden(double skala, int seite)
{
    if (n)  // the cross only once a board has been chosen
        KreuzLaden(skala, seite);
    ziffern = Kunst("imgZiffern", skala);
    achse = Kunst("imgAchse", skala, true);
    pfeilRechts = Kunst("imgPfeilRechts", skala, true);
    pfeilLinks = Kunst("imgPfeilLinks", skala, true);
    pfeilUnten = Kunst("imgPfeilUnten", skala, true);
    pfeilOben = Kunst("imgPfeilOben", skala, true);
}

} // namespace haupt
