#include "main/brettbild.h"

#include <QPainter>

#include "daten/bilddatei.h"

using engine::Spielstand;

namespace {

constexpr QPoint BrettEcke{engine::BrettLinks, engine::BrettOben};
constexpr QRect VorschauRechteck{518, 55, 180, 180};

QImage Kunst(const char* name)
{
    return QImage(QStringLiteral(":/kunst/%1.png").arg(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

// Art drawn "transparent" leaves out the colour of its bottom-left pixel.
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

// Block copy of a rectangle, as the art is laid out on strips.
void Kopiere(QImage& ziel, QPoint wohin, const QImage& quelle, const QRect& aus)
{
    QPainter p(&ziel);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(wohin, quelle, aus);
}

void Zeichne(QImage& ziel, QPoint wohin, const QImage& bild)
{
    QPainter p(&ziel);
    p.drawImage(wohin, bild);
}

QImage Gestreckt(const QImage& bild, QSize groesse)
{
    return bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Brettbild::Brettbild()
    : imgKopie(755, 475, QImage::Format_RGB32),
      imgHintergrund(Kunst("imgHintergrund")),
      imgOriginal(360, 360, QImage::Format_RGB32),
      imgKreuz{Kunst("imgKreuz3"), Kunst("imgKreuz4"), Kunst("imgKreuz5"), Kunst("imgKreuz6")},
      imgZiffern(Kunst("imgZiffern")),
      imgZiffernHilfe(OhneSchluessel(Kunst("imgZiffernHilfe"))),
      imgSchrift(Kunst("imgSchrift")),
      imgPause(OhneSchluessel(Kunst("imgPause"))),
      imgAchse(OhneSchluessel(Kunst("imgAchse"))),
      imgPfeilRechts(OhneSchluessel(Kunst("imgPfeilRechts"))),
      imgPfeilLinks(OhneSchluessel(Kunst("imgPfeilLinks"))),
      imgPfeilUnten(OhneSchluessel(Kunst("imgPfeilUnten"))),
      imgPfeilOben(OhneSchluessel(Kunst("imgPfeilOben")))
{
    imgKopie.fill(Qt::black);
    imgOriginal.fill(Qt::black);
}

void Brettbild::BildVorbereiten(const std::string& bilddatei)
{
    if (bilddatei.empty()) {
        imgOriginal = imgHintergrund.copy(57, 55, 360, 360);
        return;
    }
    QImage geladen;
    if (LadeBild(QString::fromStdString(bilddatei), geladen) == Ladefehler::Keiner)
        imgOriginal = Gestreckt(geladen, {360, 360});
    else
        imgOriginal = Gestreckt(imgHintergrund.copy(57, 55, 260, 260), {360, 360});
}

void Brettbild::Faerben()
{
    for (int y = 0; y < imgOriginal.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(imgOriginal.scanLine(y));
        for (int x = 0; x < imgOriginal.width(); ++x) {
            const int grau = (77 * qRed(zeile[x]) + 151 * qGreen(zeile[x]) + 28 * qBlue(zeile[x])) / 256;
            zeile[x] = qRgb(grau, grau, grau);
        }
    }
}

void Brettbild::HintergrundZeichnen() { Kopiere(imgKopie, {0, 0}, imgHintergrund, imgHintergrund.rect()); }

void Brettbild::VorschauZeichnen()
{
    Kopiere(imgKopie, VorschauRechteck.topLeft(), Gestreckt(imgOriginal, VorschauRechteck.size()), {0, 0, 180, 180});
}

void Brettbild::ShowMorvikTeil(const Spielstand& s, int feld)
{
    const int n = s.n(), t = s.Teilgroesse;
    const QPoint ziel = BrettEcke + QPoint((feld - 1) % n * t, (feld - 1) / n * t);
    const int teil = s.Spielfeld[feld];
    if (teil != 0)
        Kopiere(imgKopie, ziel, imgOriginal, {(teil - 1) % n * t, (teil - 1) / n * t, t, t});
    else
        Kopiere(imgKopie, ziel, imgKreuz[n - 3], {0, 0, t, t});

    // The field just drawn covered the grid lines along its top and left edges.
    QPainter p(&imgKopie);
    for (int k = 1; k < n; ++k) {
        const int g = 57 + k * t;
        p.fillRect(g, 56, 1, 360, Markierfarbe);
        p.fillRect(57, g - 1, 360, 1, Markierfarbe);
    }
}

void Brettbild::PfeileZeichnen(const Spielstand& s)
{
    const int t = s.Teilgroesse;
    for (int i = 1; i <= s.n(); ++i) {
        const int lage = (i - 1) * t + (t - 36) / 2;
        Zeichne(imgKopie, {24, 56 + lage}, imgPfeilRechts);
        Zeichne(imgKopie, {57 + lage, 23}, imgPfeilUnten);
        Zeichne(imgKopie, {425, 56 + lage}, imgPfeilLinks);
        Zeichne(imgKopie, {57 + lage, 424}, imgPfeilOben);
    }
}

void Brettbild::ZeigeAchsen(const Spielstand& s)
{
    const int t = s.Teilgroesse;
    QPainter p(&imgKopie);
    for (int i = 1; i < s.n(); ++i)
        for (int j = 1; j < s.n(); ++j)
            p.drawImage(44 + i * t, 44 + j * t, imgAchse);
}

void Brettbild::BrettZeichnen(const Spielstand& s)
{
    for (int feld = 1; feld <= s.felder(); ++feld)
        ShowMorvikTeil(s, feld);
    if (s.Variante == 2)
        PfeileZeichnen(s);
    if (s.Variante == 3)
        ZeigeAchsen(s);
}

void Brettbild::GanzesBild() { Kopiere(imgKopie, BrettEcke, imgOriginal, imgOriginal.rect()); }

void Brettbild::PauseZeigen()
{
    GanzesBild();
    Zeichne(imgKopie, {127, 206}, imgPause);
}

void Brettbild::ZeigeSchrift(int aktSprache)
{
    const int b = 50 * (aktSprache / 1000);
    Kopiere(imgKopie, {518, 280}, imgSchrift, {0, b, 180, 25});
    Kopiere(imgKopie, {518, 350}, imgSchrift, {0, b + 25, 180, 25});
}

void Brettbild::Ziffer(const QImage& streifen, int breite, int ziffer, int x, int y)
{
    Kopiere(imgKopie, {x, y}, streifen, {breite * ziffer, 0, breite, 30});
}

void Brettbild::ZeigeZugNr(int zuege)
{
    // Four digits with leading zeros: 0000 .. 9999.
    for (int stelle = 0, teiler = 1000; stelle < 4; ++stelle, teiler /= 10)
        Ziffer(imgZiffern, 22, zuege / teiler % 10, 565 + 22 * stelle, 310);
}

void Brettbild::ZeigeZeit(int sekunden)
{
    const int m = sekunden / 60, s = sekunden % 60;
    Ziffer(imgZiffern, 22, m / 10, 559, 380);
    Ziffer(imgZiffern, 22, m % 10, 581, 380);
    Ziffer(imgZiffern, 22, s / 10, 615, 380);
    Ziffer(imgZiffern, 22, s % 10, 637, 380);
}

void Brettbild::ZeigeNummern(QPainter& p, const Spielstand& s) const
{
    if (s.NummernModus == 1)
        ZeigeTeileNr(p, s, s.NummernFeld);
    else if (s.NummernModus == 2)
        for (int feld = 1; feld <= s.felder(); ++feld)
            ZeigeTeileNr(p, s, feld);
}

void Brettbild::ZeigeTeileNr(QPainter& p, const Spielstand& s, int feld) const
{
    const int n = s.n(), t = s.Teilgroesse;
    const int c = (feld - 1) % n, r = (feld - 1) / n;
    const int nummer = (s.Variante == 1 && s.Spielfeld[feld] == 0) ? s.FreiesFeld : s.Spielfeld[feld];

    // Always two digits, 01 .. 36, in the lower right of the field.
    const QPoint ecke(t * (c + 1) + 18, t * (r + 1) + 18);
    p.drawImage(ecke, imgZiffernHilfe, {16 * (nummer / 10), 0, 16, 30});
    p.drawImage(ecke + QPoint(16, 0), imgZiffernHilfe, {16 * (nummer % 10), 0, 16, 30});

    if (s.NummernModus == 1) {  // the tile's home square on the preview
        const int x0 = 518 + (nummer - 1) % n * t / 2, y0 = 54 + (nummer - 1) / n * t / 2, h = t / 2;
        p.fillRect(x0, y0, h + 1, 1, Markierfarbe);
        p.fillRect(x0, y0 + h, h + 1, 1, Markierfarbe);
        p.fillRect(x0, y0, 1, h + 1, Markierfarbe);
        p.fillRect(x0 + h, y0, 1, h + 1, Markierfarbe);
    }
}
