// Shared tools of the art generator: colours, fonts, noise, chance and saving.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>

namespace werk {

// Colours every piece of art agrees on.
inline const QColor Markierfarbe(252, 202, 3);
inline const QColor Blaugrau(104, 120, 146);
inline const QColor BlaugrauHell(150, 166, 190);
inline const QColor BlaugrauDunkel(58, 70, 92);
inline const QColor Graugruen(122, 142, 120);
inline const QColor GraugruenHell(170, 188, 164);
inline const QColor GraugruenDunkel(70, 86, 70);
inline const QColor Anzeigerot(255, 36, 24);
inline const QColor Schluessel(255, 0, 255);   // key colour of keyed figures

// Reproducible chance: the same seed gives the same sequence on every build.
class Zufall {
public:
    explicit Zufall(std::uint64_t saat) : zustand(saat ^ 0x9E3779B97F4A7C15ull) {}
    std::uint32_t naechste();
    double gleich(double von, double bis);     // uniform in [von, bis)
    int ganz(int von, int bis);                // uniform in [von, bis]
private:
    std::uint64_t zustand;
};

// Smooth value noise in 0..1 and its fractal sum (octaves halve in size).
double rauschen(double x, double y, std::uint32_t saat);
double wolken(double x, double y, std::uint32_t saat, int oktaven);

// DejaVu, loaded from its file so that every build letters alike.
enum class Schriftart { Sans, SansFett, Serif, SerifFett, MonoFett };
QFont schrift(Schriftart art, double pixel);
bool schriftenGeladen();

// The outline of a text, scaled and centred to fill the box (keeping its aspect
// when `seitenTreu`), so letters have the same size whatever the font's metrics.
QPainterPath textPfad(const QString& text, const QFont& font, const QRectF& box, bool seitenTreu = true);

QColor mische(const QColor& a, const QColor& b, double t);
QImage neuesBild(int breite, int hoehe, const QColor& grund = Qt::black);

// Writes PNG or BMP, chosen by the file name's extension.
bool speichere(const QImage& bild, const QString& pfad, const char* format = nullptr);

} // namespace werk
