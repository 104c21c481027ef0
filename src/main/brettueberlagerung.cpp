// The passing marks over the board picture: tile numbers, the keyboard cursor, a hint, a move
// in motion and the glow of a solved board; each with the area it covers, which the window
// paints again when the mark comes and goes. Pictures are placed in device pixels, as the board
// below them, so no mark reaches a device pixel outside its area at any zoom or ratio.

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

// Every tile of the move travels from the field the engine says it comes from. Both edges of
// a tile on its way are rounded alike from the fields' device rectangles, so tiles moving side by
// side keep touching at any scale: a shifted row covers its fields to the last pixel. A tile that
// wraps round enters from beyond one edge and leaves over the other, a field's width per move.
// Under the tiles lies the board as it was: the empty field's art only where the empty field is
// or was, so the corners a turn uncovers keep their tiles instead of flashing that art.
void Brettbild::ZeigeBewegung(QPainter& p, const Spielstand& nachher, const engine::Zug& zug, double anteil) const
{
    const int n = nachher.n();
    const auto herkunft = engine::Herkunft(nachher.variante, n, zug);
    std::array<uint8_t, engine::MaxFelder + 1> vorher{};
    QRegion bereich;
    for (int feld = 1; feld <= n * n; ++feld) {
        vorher[herkunft[feld - 1] + 1] = nachher.Spielfeld[feld];
        if (herkunft[feld - 1] + 1 != feld)
            bereich += Geraet(geometrie_.feld(feld));
    }
    p.save();
    AufGeraetepixel(p, skala());  // device pixels, as the fields below
    p.setClipRegion(bereich);
    for (int feld = 1; feld <= n * n; ++feld) {
        if (herkunft[feld - 1] + 1 == feld)
            continue;
        const QRect ziel = Geraet(geometrie_.feld(feld));
        if (nachher.Spielfeld[feld] == 0 || vorher[feld] == 0)
            MaleKreuz(p, ziel);
        else
            Kopiere(p, ziel, original(), geometrie_.teilQuelleGeraet(vorher[feld]));
    }
    for (int feld = 1; feld <= n * n; ++feld)
        if (const int von = herkunft[feld - 1] + 1; von != feld && nachher.Spielfeld[feld] != 0)
            ZeigeTeilUnterwegs(p, nachher.Spielfeld[feld], von, feld, anteil);
    if (nachher.variante == engine::Variante::Drehen)
        MaleAchsen(p, BewegungsBereich(zug));  // the turning knob and its neighbours stay over the tiles
    p.restore();
}

namespace {

// Rectangle `von` moved `anteil` of the way to `nach`, each edge rounded on its own.
QRect Unterwegs(const QRect& von, const QRect& nach, double anteil)
{
    const auto kante = [anteil](int a, int b) { return int(std::lround(a + (b - a) * anteil)); };
    const QPoint oben(kante(von.left(), nach.left()), kante(von.top(), nach.top()));
    const QPoint unten(kante(von.right() + 1, nach.right() + 1), kante(von.bottom() + 1, nach.bottom() + 1));
    return {oben, unten - QPoint(1, 1)};
}

// The rectangle one of its own sizes further in direction (dx, dy).
QRect Daneben(const QRect& r, int dx, int dy) { return r.translated(dx * r.width(), dy * r.height()); }

int Vorzeichen(int x) { return (x > 0) - (x < 0); }

} // namespace

void Brettbild::ZeigeTeilUnterwegs(QPainter& p, int teil, int von, int nach, double anteil) const
{
    const int n = geometrie_.n();
    const QRect quelle = geometrie_.teilQuelleGeraet(teil);
    const QRect a = Geraet(geometrie_.feld(von)), b = Geraet(geometrie_.feld(nach));
    const int ds = (nach - 1) % n - (von - 1) % n, dz = (nach - 1) / n - (von - 1) / n;
    if (std::abs(ds) <= 1 && std::abs(dz) <= 1) {
        Kopiere(p, Unterwegs(a, b, anteil), original(), quelle);
        return;
    }
    // Round the edge: the way runs against the long jump, one field out and one field in.
    const int rs = std::abs(ds) > 1 ? -Vorzeichen(ds) : Vorzeichen(ds);
    const int rz = std::abs(dz) > 1 ? -Vorzeichen(dz) : Vorzeichen(dz);
    Kopiere(p, Unterwegs(a, Daneben(a, rs, rz), anteil), original(), quelle);
    Kopiere(p, Unterwegs(Daneben(b, -rs, -rz), b, anteil), original(), quelle);
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
