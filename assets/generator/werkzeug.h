// Shared tools of the art generator: colours, fonts, noise, chance and saving.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cmath>
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

// Art drawn pixel by pixel at `skala` times its size: sets every device pixel of the logical
// rectangle `r` to `farbe(x, y)`, where x and y are logical coordinates of the pixel's centre,
// counted as the single-size art counts them (the whole numbers there, so it stays as it was).
template <typename Farbe>
void jedesPixel(QImage& bild, const QRect& r, double skala, Farbe farbe)
{
    const auto geraet = [skala](int wert) { return int(std::lround(wert * skala)); };
    for (int y = geraet(r.top()); y < geraet(r.top() + r.height()); ++y)
        for (int x = geraet(r.left()); x < geraet(r.left() + r.width()); ++x)
            bild.setPixelColor(x, y, farbe((x + 0.5) / skala - 0.5, (y + 0.5) / skala - 0.5));
}

// Writes PNG or BMP, chosen by the file name's extension.
bool speichere(const QImage& bild, const QString& pfad, const char* format = nullptr);

} // namespace werk
