#include "main/brettbild.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

#include "daten/bilddatei.h"
#include "kunst.h"

using engine::Spielstand;

namespace haupt {

namespace {

using G = Brettgeometrie;

QImage Kunst(const char* name)
{
    return kunst::Bild(QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
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
    : kopie_(G::ClientBreiteMitVorschau, G::ClientHoehe, QImage::Format_RGB32),
      kreuz_{Kunst("imgKreuz3"), Kunst("imgKreuz4"), Kunst("imgKreuz5"), Kunst("imgKreuz6")},
      ziffern_(Kunst("imgZiffern")),
      ziffernHilfe_(OhneSchluessel(Kunst("imgZiffernHilfe"))),
      schrift_(Kunst("imgSchrift")),
      pause_(OhneSchluessel(Kunst("imgPause"))),
      achse_(OhneSchluessel(Kunst("imgAchse"))),
      pfeilRechts_(OhneSchluessel(Kunst("imgPfeilRechts"))),
      pfeilLinks_(OhneSchluessel(Kunst("imgPfeilLinks"))),
      pfeilUnten_(OhneSchluessel(Kunst("imgPfeilUnten"))),
      pfeilOben_(OhneSchluessel(Kunst("imgPfeilOben")))
{
    kopie_.fill(Qt::black);
}

void Brettbild::BildVorbereiten(const QString& bilddatei)
{
    if (bilddatei.isEmpty()) {
        original_ = hintergrund().copy(G::Titelbild);
        return;
    }
    QImage geladen;
    if (daten::LadeBild(bilddatei, geladen) == daten::Ladefehler::Keiner)
        BildVorbereiten(geladen);
    else
        original_ = Gestreckt(hintergrund().copy(G::Titelecke), {G::BrettKante, G::BrettKante});
}

void Brettbild::BildVorbereiten(const QImage& bild) { original_ = Gestreckt(bild, {G::BrettKante, G::BrettKante}); }

void Brettbild::Faerben()
{
    // One pass over the whole picture: RGB32 rows of 360 pixels have no padding, and a plain
    // loop over a pointer lets the compiler work on several pixels at once.
    const qsizetype anzahl = original_.sizeInBytes() / qsizetype(sizeof(QRgb));
    auto* pixel = reinterpret_cast<QRgb*>(original_.bits());
    for (qsizetype i = 0; i < anzahl; ++i) {
        const QRgb farbe = pixel[i];
        // The weights add up to 256, so the sum fits 16 bits: eight pixels per vector.
        const auto summe = std::uint16_t(77 * qRed(farbe) + 151 * qGreen(farbe) + 28 * qBlue(farbe));
        const QRgb grau = summe >> 8;
        pixel[i] = 0xff000000u | grau << 16 | grau << 8 | grau;
    }
}

void Brettbild::BrettWaehlen(int n, engine::Variante variante)
{
    geometrie_ = Brettgeometrie(n, variante);
    if (original_.isNull()) {  // a game begun without a picture shows black tiles
        original_ = QImage(G::BrettKante, G::BrettKante, QImage::Format_RGB32);
        original_.fill(Qt::black);
    }
}

QImage Brettbild::hintergrund() { return Kunst("imgHintergrund"); }

void Brettbild::HintergrundZeichnen()
{
    const QImage bild = hintergrund();
    Kopiere(kopie_, {0, 0}, bild, bild.rect());
}

void Brettbild::VorschauZeichnen()
{
    Kopiere(kopie_, G::Vorschau.topLeft(), Gestreckt(original_, G::Vorschau.size()), {QPoint(0, 0), G::Vorschau.size()});
}

void Brettbild::ShowMorvikTeil(const Spielstand& s, int feld)
{
    const QPoint ziel = geometrie_.feld(feld).topLeft();
    const int teil = s.Spielfeld[feld];
    if (teil != 0)
        Kopiere(kopie_, ziel, original_, geometrie_.teilQuelle(teil));
    else
        Kopiere(kopie_, ziel, kreuz_[s.n() - 3], {0, 0, geometrie_.teilgroesse(), geometrie_.teilgroesse()});

    // The field just drawn covered the grid lines along its top and left edges.
    QPainter p(&kopie_);
    for (int k = 1; k < s.n(); ++k) {
        p.fillRect(geometrie_.senkrechteLinie(k), Markierfarbe);
        p.fillRect(geometrie_.waagerechteLinie(k), Markierfarbe);
    }
}

void Brettbild::PfeileZeichnen()
{
    for (int i = 1; i <= geometrie_.n(); ++i) {
        Zeichne(kopie_, geometrie_.pfeilRechts(i), pfeilRechts_);
        Zeichne(kopie_, geometrie_.pfeilUnten(i), pfeilUnten_);
        Zeichne(kopie_, geometrie_.pfeilLinks(i), pfeilLinks_);
        Zeichne(kopie_, geometrie_.pfeilOben(i), pfeilOben_);
    }
}

void Brettbild::ZeigeAchsen()
{
    QPainter p(&kopie_);
    for (int i = 1; i < geometrie_.n(); ++i)
        for (int j = 1; j < geometrie_.n(); ++j)
            p.drawImage(geometrie_.knopf(i, j), achse_);
}

void Brettbild::BrettZeichnen(const Spielstand& s)
{
    for (int feld = 1; feld <= s.felder(); ++feld)
        ShowMorvikTeil(s, feld);
    if (s.variante == engine::Variante::Verschieben)
        PfeileZeichnen();
    if (s.variante == engine::Variante::Drehen)
        ZeigeAchsen();
}

void Brettbild::FelderZeichnen(const Spielstand& s, const std::vector<int>& felder)
{
    for (int feld : felder)
        ShowMorvikTeil(s, feld);
    if (s.variante == engine::Variante::Drehen)
        ZeigeAchsen();
}

void Brettbild::GanzesBild() { Kopiere(kopie_, G::BrettEcke, original_, original_.rect()); }

void Brettbild::PauseZeigen()
{
    GanzesBild();
    Zeichne(kopie_, G::PauseEcke, pause_);
}

void Brettbild::ZeigeSchrift(bool englisch)
{
    const int b = englisch ? 50 : 0;
    Kopiere(kopie_, G::ZugSchrift, schrift_, {0, b, 180, 25});
    Kopiere(kopie_, G::ZeitSchrift, schrift_, {0, b + 25, 180, 25});
}

void Brettbild::Ziffer(int ziffer, QPoint wo) { Kopiere(kopie_, wo, ziffern_, {22 * ziffer, 0, 22, 30}); }

void Brettbild::ZeigeZugNr(int zuege)
{
    // Four digits with leading zeros: 0000 .. 9999.
    for (int stelle = 0, teiler = 1000; stelle < 4; ++stelle, teiler /= 10)
        Ziffer(zuege / teiler % 10, G::zugZiffer(stelle));
}

void Brettbild::ZeigeZeit(int sekunden)
{
    const int m = sekunden / 60, s = sekunden % 60;
    const int ziffern[] = {m / 10, m % 10, s / 10, s % 10};
    for (int stelle = 0; stelle < 4; ++stelle)
        Ziffer(ziffern[stelle], G::zeitZiffer(stelle));
}

void Brettbild::ZeigeNummern(QPainter& p, const Spielstand& s, sitzung::Nummernmodus modus, int feld) const
{
    if (modus == sitzung::Nummernmodus::EinFeld)
        ZeigeTeileNr(p, s, feld, true);
    else if (modus == sitzung::Nummernmodus::Alle)
        for (int f = 1; f <= s.felder(); ++f)
            ZeigeTeileNr(p, s, f, false);
}

void Brettbild::ZeigeTeileNr(QPainter& p, const Spielstand& s, int feld, bool mitUmriss) const
{
    // The empty field shows the number of the missing tile.
    const int nummer = s.Spielfeld[feld] == 0 ? s.FreiesFeld : s.Spielfeld[feld];

    // Always two digits, 01 .. 36, in the lower right of the field.
    const QPoint ecke = geometrie_.nummer(feld);
    p.drawImage(ecke, ziffernHilfe_, {16 * (nummer / 10), 0, 16, 30});
    p.drawImage(ecke + QPoint(16, 0), ziffernHilfe_, {16 * (nummer % 10), 0, 16, 30});

    if (mitUmriss) {  // the tile's home square on the preview
        const QRect zelle = geometrie_.vorschauZelle(nummer);
        p.fillRect(zelle.left(), zelle.top(), zelle.width(), 1, Markierfarbe);
        p.fillRect(zelle.left(), zelle.bottom(), zelle.width(), 1, Markierfarbe);
        p.fillRect(zelle.left(), zelle.top(), 1, zelle.height(), Markierfarbe);
        p.fillRect(zelle.right(), zelle.top(), 1, zelle.height(), Markierfarbe);
    }
}

QPoint Brettbild::KnopfMitte(int achse) const
{
    const int seite = geometrie_.n() - 1;
    return geometrie_.knopf((achse - 1) % seite + 1, (achse - 1) / seite + 1) + QPoint(12, 13);
}

namespace {

// A frame two pixels wide inside the rectangle, in the marking colour.
void Rahmen(QPainter& p, const QRect& r)
{
    p.save();
    p.setPen(QPen(QColor(Markierfarbe), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.restore();
}

void Ring(QPainter& p, QPoint mitte)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(Markierfarbe), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, 17, 17);
    p.restore();
}

// A small mouse whose left or right button is filled: the button that makes the turn.
void Maus(QPainter& p, QPoint ecke, bool links)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QRect koerper(ecke, QSize(16, 22));
    p.drawRoundedRect(koerper, 7, 7);
    p.setBrush(QColor(Markierfarbe));
    const QRect taste = links ? QRect(ecke, QSize(8, 10)) : QRect(ecke + QPoint(8, 0), QSize(8, 10));
    p.drawRect(taste);
    p.drawLine(ecke + QPoint(8, 0), ecke + QPoint(8, 10));
    p.drawLine(ecke + QPoint(0, 10), ecke + QPoint(16, 10));
    p.restore();
}

} // namespace

void Brettbild::ZeigeCursor(QPainter& p, engine::Variante variante, int cursor) const
{
    if (cursor == 0)
        return;
    if (variante == engine::Variante::Verschieben)
        Rahmen(p, geometrie_.feld(cursor));
    else if (variante == engine::Variante::Drehen)
        Ring(p, KnopfMitte(cursor));
}

void Brettbild::ZeigeTipp(QPainter& p, const engine::Zug& zug) const
{
    using engine::Operation;
    switch (zug.op) {
    case Operation::TeilSchieben: Rahmen(p, geometrie_.feld(zug.a)); break;
    case Operation::ZeileRechts: Rahmen(p, {geometrie_.pfeilRechts(zug.a), QSize(26, 36)}); break;
    case Operation::ZeileLinks: Rahmen(p, {geometrie_.pfeilLinks(zug.a), QSize(26, 36)}); break;
    case Operation::SpalteRunter: Rahmen(p, {geometrie_.pfeilUnten(zug.a), QSize(36, 26)}); break;
    case Operation::SpalteHoch: Rahmen(p, {geometrie_.pfeilOben(zug.a), QSize(36, 26)}); break;
    case Operation::AchseRechts:
    case Operation::AchseLinks: {
        const QPoint mitte = KnopfMitte(zug.a);
        Ring(p, mitte);
        Maus(p, mitte + QPoint(14, -34), zug.op == Operation::AchseRechts);
        break;
    }
    }
}

void Brettbild::ZeigeBewegung(QPainter& p, const Spielstand& nachher, const engine::Zug& zug, double anteil) const
{
    using engine::Operation;
    const int t = geometrie_.teilgroesse(), n = nachher.n();
    const double rest = 1.0 - anteil;
    // Tile `teil` drawn at `feld` shifted by (dx, dy) field widths.
    auto teil = [&](int teilnummer, int feld, double dx, double dy) {
        const QRect ziel = geometrie_.feld(feld);
        p.drawImage(QPointF(ziel.x() + dx * t, ziel.y() + dy * t), original_, geometrie_.teilQuelle(teilnummer));
    };
    const std::vector<int> felder = engine::GeaenderteFelder(n, zug);
    QRect bereich;
    for (int feld : felder)
        bereich |= geometrie_.feld(feld);
    p.save();
    p.setClipRect(bereich);
    p.fillRect(bereich, Qt::black);
    switch (zug.op) {
    case Operation::TeilSchieben: {  // from zug.a into zug.b
        p.drawImage(geometrie_.feld(zug.a).topLeft(), kreuz_[n - 3], {0, 0, t, t});
        const QPoint von = geometrie_.feld(zug.a).topLeft(), nach = geometrie_.feld(zug.b).topLeft();
        const QPointF weg = QPointF(von - nach) / t * rest;
        teil(nachher.Spielfeld[zug.b], zug.b, weg.x(), weg.y());
        break;
    }
    case Operation::ZeileRechts:
    case Operation::ZeileLinks:
    case Operation::SpalteRunter:
    case Operation::SpalteHoch: {
        // Every tile comes from the neighbouring field; the one that wrapped round also leaves
        // at the far end.
        const bool zeile = zug.op == Operation::ZeileRechts || zug.op == Operation::ZeileLinks;
        const double richtung = (zug.op == Operation::ZeileRechts || zug.op == Operation::SpalteRunter) ? 1 : -1;
        for (int feld : felder) {
            const double versatz = -richtung * rest;
            teil(nachher.Spielfeld[feld], feld, zeile ? versatz : 0, zeile ? 0 : versatz);
        }
        const int eingang = richtung > 0 ? felder.front() : felder.back();
        const int ausgang = richtung > 0 ? felder.back() : felder.front();
        const double weiter = richtung * anteil;
        teil(nachher.Spielfeld[eingang], ausgang, zeile ? weiter : 0, zeile ? 0 : weiter);
        break;
    }
    case Operation::AchseRechts:
    case Operation::AchseLinks: {
        // The four fields clockwise from the top left; each tile came from the field before it.
        const auto ring = engine::AchsFelder(n, zug.a);
        for (int i = 0; i < 4; ++i) {
            const int feld = ring[std::size_t(i)];
            const int herkunft = ring[std::size_t(zug.op == Operation::AchseRechts ? (i + 3) % 4 : (i + 1) % 4)];
            const QPointF weg = QPointF(geometrie_.feld(herkunft).topLeft() - geometrie_.feld(feld).topLeft()) / t * rest;
            teil(nachher.Spielfeld[feld], feld, weg.x(), weg.y());
        }
        break;
    }
    }
    p.restore();
}

void Brettbild::ZeigeGlanz(QPainter& p, double staerke) const
{
    QColor licht(Markierfarbe);
    licht.setAlphaF(0.55 * std::clamp(staerke, 0.0, 1.0));
    p.fillRect(geometrie_.brett(), licht);
}

} // namespace haupt
