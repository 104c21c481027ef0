#include "werkzeug.h"

#include <QFontDatabase>
#include <QImageWriter>
#include <QStringList>
#include <cmath>

namespace werk {

std::uint32_t Zufall::naechste()
{
    // splitmix64: tiny, fast and the same everywhere, unlike the standard distributions
    zustand += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = zustand;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

double Zufall::gleich(double von, double bis)
{
    return von + (bis - von) * (naechste() / 4294967296.0);
}

int Zufall::ganz(int von, int bis)
{
    return von + static_cast<int>(naechste() % static_cast<std::uint32_t>(bis - von + 1));
}

namespace {

double gitterwert(int x, int y, std::uint32_t saat)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u
                      + saat * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double glatt(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

double rauschen(double x, double y, std::uint32_t saat)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = glatt(x - x0);
    const double fy = glatt(y - y0);
    const double a = gitterwert(x0, y0, saat), b = gitterwert(x0 + 1, y0, saat);
    const double c = gitterwert(x0, y0 + 1, saat), d = gitterwert(x0 + 1, y0 + 1, saat);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double wolken(double x, double y, std::uint32_t saat, int oktaven)
{
    double summe = 0, gewicht = 0, amplitude = 1, frequenz = 1;
    for (int i = 0; i < oktaven; ++i) {
        summe += amplitude * rauschen(x * frequenz, y * frequenz, saat + 31u * i);
        gewicht += amplitude;
        amplitude *= 0.5;
        frequenz *= 2.0;
    }
    return summe / gewicht;
}

namespace {

struct Schriften {
    QString sans, serif, mono;
    bool ok = false;
};

const Schriften& geladeneSchriften()
{
    static const Schriften s = [] {
        const QString ordner = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
        Schriften ergebnis;
        auto lade = [&](const char* datei) {
            const int id = QFontDatabase::addApplicationFont(ordner + QLatin1String(datei));
            const QStringList familien = QFontDatabase::applicationFontFamilies(id);
            return familien.isEmpty() ? QString() : familien.first();
        };
        ergebnis.sans = lade("DejaVuSans.ttf");
        lade("DejaVuSans-Bold.ttf");
        ergebnis.serif = lade("DejaVuSerif.ttf");
        lade("DejaVuSerif-Bold.ttf");
        ergebnis.mono = lade("DejaVuSansMono-Bold.ttf");
        ergebnis.ok = !ergebnis.sans.isEmpty() && !ergebnis.serif.isEmpty() && !ergebnis.mono.isEmpty();
        return ergebnis;
    }();
    return s;
}

} // namespace

bool schriftenGeladen() { return geladeneSchriften().ok; }

QFont schrift(Schriftart art, double pixel)
{
    const Schriften& s = geladeneSchriften();
    QFont f;
    switch (art) {
    case Schriftart::Sans: f = QFont(s.sans); break;
    case Schriftart::SansFett: f = QFont(s.sans); f.setBold(true); break;
    case Schriftart::Serif: f = QFont(s.serif); break;
    case Schriftart::SerifFett: f = QFont(s.serif); f.setBold(true); break;
    case Schriftart::MonoFett: f = QFont(s.mono); f.setBold(true); break;
    }
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    return f;
}

QPainterPath textPfad(const QString& text, const QFont& font, const QRectF& box, bool seitenTreu)
{
    QPainterPath roh;
    roh.addText(0, 0, font, text);
    const QRectF r = roh.boundingRect();
    if (r.isEmpty())
        return roh;
    double sx = box.width() / r.width();
    double sy = box.height() / r.height();
    if (seitenTreu)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(roh);
}

QColor mische(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QImage neuesBild(int breite, int hoehe, const QColor& grund)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(grund);
    return bild;
}

bool speichere(const QImage& bild, const QString& pfad, const char* format)
{
    QImageWriter schreiber(pfad, format);
    return schreiber.write(bild);
}

} // namespace werk
