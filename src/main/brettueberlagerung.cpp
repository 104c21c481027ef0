// The passing marks over the board picture: tile numbers, the keyboard cursor, a hint, a move
// in motion and the glow of a solved board; each with the area it covers, which the window
// paints again when the mark comes and goes. Pictures are placed in device pixels, as the board
// below them, so no mark reaches a device pixel outside its area at any zoom or ratio.

#include <QPainter>

#include <algorithm>

#include "main/brettbild.h"

using engine::Spielstand;

namespace haupt {

namespace {

using G = Brettgeometrie;

// The cursor and the hint are drawn in classic pixels from a whole device pixel (see
// AufGanzenUrsprung).

// A frame two pixels wide inside the rectangle, in the marking colour.
void Rahmen(QPainter& p, const QRect& r)
{
    p.save();
    p.setPen(QPen(QColor(Markierfarbe), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.restore();
}

// A ring of radius 17 and its pen, and the area both cover.
constexpr int RingRadius = 17, RingReichweite = 19;

void Ring(QPainter& p, QPoint mitte)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(Markierfarbe), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, RingRadius, RingRadius);
    p.restore();
}

QRect Ringbereich(QPoint mitte)
{
    return {mitte - QPoint(RingReichweite, RingReichweite), QSize(2 * RingReichweite + 1, 2 * RingReichweite + 1)};
}

// A small mouse above the ring to the right, whose left or right button is filled: the button
// that makes the turn.
constexpr QPoint MausVersatz{14, -34};
constexpr QSize MausGroesse{16, 22};

void Maus(QPainter& p, QPoint ecke, bool links)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRect(ecke, MausGroesse), 7, 7);
    p.setBrush(QColor(Markierfarbe));
    const int halb = MausGroesse.width() / 2, taste = 10;
    p.drawRect(links ? QRect(ecke, QSize(halb, taste)) : QRect(ecke + QPoint(halb, 0), QSize(halb, taste)));
    p.drawLine(ecke + QPoint(halb, 0), ecke + QPoint(halb, taste));
    p.drawLine(ecke + QPoint(0, taste), ecke + QPoint(MausGroesse.width(), taste));
    p.restore();
}

QRect Mausbereich(QPoint mitte)
{
    return QRect(mitte + MausVersatz, MausGroesse).adjusted(-1, -1, 2, 2);
}

} // namespace

// ---- tile numbers ----

void Brettbild::ZeigeNummern(QPainter& p, const Spielstand& s, sitzung::Nummernmodus modus, int feld) const
{
    if (modus == sitzung::Nummernmodus::Keine)
        return;
    // Decoded when first shown, then kept while the scale holds: a paint with the numbers on
    // comes with every move.
    if (nummernKunst_.isNull())
        nummernKunst_ = Kunst("imgZiffernHilfe", skala(), true);
    const QImage& ziffern = nummernKunst_;
    if (modus == sitzung::Nummernmodus::EinFeld)
        ZeigeTeileNr(p, ziffern, s, feld, true);
    else
        for (int f = 1; f <= s.felder(); ++f)
            ZeigeTeileNr(p, ziffern, s, f, false);
}

QRegion Brettbild::NummernBereich(const Spielstand& s, sitzung::Nummernmodus modus, int feld) const
{
    QRegion bereich;
    if (modus == sitzung::Nummernmodus::EinFeld) {
        const int nummer = s.Spielfeld[feld] == 0 ? s.FreiesFeld : s.Spielfeld[feld];
        bereich += geometrie_.nummernfeld(feld);
        bereich += geometrie_.vorschauZelle(nummer);
    } else if (modus == sitzung::Nummernmodus::Alle) {
        for (int f = 1; f <= s.felder(); ++f)
            bereich += geometrie_.nummernfeld(f);
    }
    return bereich;
}

void Brettbild::ZeigeTeileNr(QPainter& p, const QImage& ziffern, const Spielstand& s, int feld, bool mitUmriss) const
{
    // The empty field shows the number of the missing tile.
    const int nummer = s.Spielfeld[feld] == 0 ? s.FreiesFeld : s.Spielfeld[feld];

    // Always two digits, 01 .. 36, in the lower right of the field, in device pixels.
    p.save();
    AufGeraetepixel(p, skala());
    const QPoint ecke = geometrie_.nummer(feld);
    const int breite = G::NummernZiffer.width();
    for (int stelle = 0; stelle < 2; ++stelle) {
        const int ziffer = stelle == 0 ? nummer / 10 : nummer % 10;
        const QRect aus = Geraet({QPoint(breite * ziffer, 0), G::NummernZiffer});
        const QRect nach = Geraet({ecke + QPoint(breite * stelle, 0), G::NummernZiffer});
        Kopiere(p, nach, ziffern, aus);
    }

    if (mitUmriss) {  // the tile's home square on the preview, each side a line one pixel wide
        const QRect zelle = geometrie_.vorschauZelle(nummer);
        const auto linie = [&](int x, int y, int b, int h) { p.fillRect(Geraet({x, y, b, h}), Markierfarbe); };
        linie(zelle.left(), zelle.top(), zelle.width(), 1);
        linie(zelle.left(), zelle.bottom(), zelle.width(), 1);
        linie(zelle.left(), zelle.top(), 1, zelle.height());
        linie(zelle.right(), zelle.top(), 1, zelle.height());
    }
    p.restore();
}

// ---- cursor and hint ----

void Brettbild::ZeigeCursor(QPainter& p, engine::Variante variante, int cursor) const
{
    if (cursor == 0)
        return;
    p.save();
    AufGanzenUrsprung(p, skala());
    if (variante == engine::Variante::Verschieben)
        Rahmen(p, geometrie_.feld(cursor));
    else if (variante == engine::Variante::Drehen)
        Ring(p, geometrie_.knopfMitte(cursor));
    p.restore();
}

QRect Brettbild::CursorBereich(engine::Variante variante, int cursor) const
{
    if (cursor == 0)
        return {};
    if (variante == engine::Variante::Verschieben)
        return geometrie_.feld(cursor);
    if (variante == engine::Variante::Drehen)
        return Ringbereich(geometrie_.knopfMitte(cursor));
    return {};
}

void Brettbild::ZeigeTipp(QPainter& p, const engine::Zug& zug) const
{
    p.save();
    AufGanzenUrsprung(p, skala());
    if (zug.op == engine::Operation::AchseRechts || zug.op == engine::Operation::AchseLinks) {
        const QPoint mitte = geometrie_.knopfMitte(zug.a);
        Ring(p, mitte);
        Maus(p, mitte + MausVersatz, zug.op == engine::Operation::AchseRechts);
    } else {
        Rahmen(p, TippBereich(zug));
    }
    p.restore();
}

QRect Brettbild::TippBereich(const engine::Zug& zug) const
{
    using engine::Operation;
    switch (zug.op) {
    case Operation::TeilSchieben: return geometrie_.feld(zug.a);
    case Operation::ZeileRechts: return {geometrie_.pfeilRechts(zug.a), G::PfeilQuer};
    case Operation::ZeileLinks: return {geometrie_.pfeilLinks(zug.a), G::PfeilQuer};
    case Operation::SpalteRunter: return {geometrie_.pfeilUnten(zug.a), G::PfeilHoch};
    case Operation::SpalteHoch: return {geometrie_.pfeilOben(zug.a), G::PfeilHoch};
    case Operation::AchseRechts:
    case Operation::AchseLinks: break;
    }
    const QPoint mitte = geometrie_.knopfMitte(zug.a);
    return Ringbereich(mitte) | Mausbereich(mitte);
}

// ---- motion and glow ----

QRegion Brettbild::BewegungsBereich(const engine::Zug& zug) const
{
    QRegion bereich;
    for (int feld : engine::GeaenderteFelder(geometrie_.n(), zug))
        bereich += geometrie_.feld(feld);
    return bereich;
}

void Brettbild::ZeigeBewegung(QPainter& p, const Spielstand& nachher, const engine::Zug& zug, double anteil) const
{
    using engine::Operation;
    const int n = nachher.n();
    const double rest = 1.0 - anteil;
    const std::vector<int> felder = engine::GeaenderteFelder(n, zug);
    p.save();
    AufGeraetepixel(p, skala());  // device pixels, as the fields below
    QRegion bereich;
    for (int feld : felder)
        bereich += Geraet(geometrie_.feld(feld));
    p.setClipRegion(bereich);
    // What a moving tile uncovers: the empty field's art, as where the tiles have gone.
    for (int feld : felder)
        MaleKreuz(p, Geraet(geometrie_.feld(feld)));
    // Tile `teil` drawn at `feld` shifted by (dx, dy) fields, in device pixels.
    const auto teil = [&](int teilnummer, int feld, double dx, double dy) {
        const QRect ziel = Geraet(geometrie_.feld(feld));
        p.drawImage(QRectF(ziel).translated(dx * ziel.width(), dy * ziel.height()), original(),
                    QRectF(geometrie_.teilQuelleGeraet(teilnummer)));
    };
    const auto weg = [&](int von, int nach) {  // from field `von` to `nach`, in fields, the rest of the way
        const int t = geometrie_.teilgroesse();
        return QPointF(geometrie_.feld(von).topLeft() - geometrie_.feld(nach).topLeft()) / t * rest;
    };
    switch (zug.op) {
    case Operation::TeilSchieben: {  // from zug.a into zug.b
        const QPointF w = weg(zug.a, zug.b);
        teil(nachher.Spielfeld[zug.b], zug.b, w.x(), w.y());
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
        for (std::size_t i = 0; i < 4; ++i) {
            const int feld = ring[i];
            const int herkunft = ring[zug.op == Operation::AchseRechts ? (i + 3) % 4 : (i + 1) % 4];
            const QPointF w = weg(herkunft, feld);
            teil(nachher.Spielfeld[feld], feld, w.x(), w.y());
        }
        MaleAchsen(p, BewegungsBereich(zug));  // the turning knob and its neighbours stay over the tiles
        break;
    }
    }
    p.restore();
}

void Brettbild::ZeigeGlanz(QPainter& p, double staerke) const
{
    QColor licht(Markierfarbe);
    licht.setAlphaF(0.55 * std::clamp(staerke, 0.0, 1.0));
    p.save();
    AufGeraetepixel(p, skala());
    p.fillRect(Geraet(geometrie_.brett()), licht);
    p.restore();
}

} // namespace haupt
