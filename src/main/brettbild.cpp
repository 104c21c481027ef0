#include "main/brettbild.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
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

// Art for a ratio above 1: the double-size art (the single one where there is none), without
// its key colour if asked, brought to the device size once here rather than at every draw.
QImage Kunst(const char* name, double verhaeltnis, bool schluessel = false)
{
    if (verhaeltnis == 1.0)
        return schluessel ? OhneSchluessel(Kunst(name)) : Kunst(name);
    QImage doppelt = kunst::Bild(QLatin1String(name) + QLatin1String("@2x"));
    doppelt.setDevicePixelRatio(1.0);  // the reader takes one of 2 from the name; here pixels are counted
    const bool hatDoppelt = !doppelt.isNull();
    QImage bild = hatDoppelt ? doppelt : kunst::Bild(QLatin1String(name));
    const QSize logisch = hatDoppelt ? bild.size() / 2 : bild.size();
    bild = schluessel ? OhneSchluessel(bild).convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      : bild.convertToFormat(QImage::Format_RGB32);
    const QSize geraet = Brettgeometrie::Geraet({QPoint(0, 0), logisch}, verhaeltnis).size();
    if (bild.size() != geraet)
        bild = bild.scaled(geraet, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bild;
}

// A view of an image's own pixels with a ratio of 1: painting into it places in device pixels.
QImage Geraetepixel(QImage& bild)
{
    return QImage(bild.bits(), bild.width(), bild.height(), bild.bytesPerLine(), bild.format());
}

// Block copy of a rectangle, as the art is laid out on strips.
void Kopiere(QImage& ziel, QPoint wohin, const QImage& quelle, const QRect& aus)
{
    QPainter p(&ziel);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(wohin, quelle, aus);
}

// The same between device rectangles; at a fractional ratio the two may differ by a pixel.
void Kopiere(QImage& ziel, const QRect& nach, const QImage& quelle, const QRect& aus)
{
    QImage pixel = Geraetepixel(ziel);
    if (nach.size() == aus.size()) {
        Kopiere(pixel, nach.topLeft(), quelle, aus);
        return;
    }
    QPainter p(&pixel);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(nach, quelle, aus);
}

void Zeichne(QImage& ziel, const QRect& nach, const QImage& bild)
{
    QImage pixel = Geraetepixel(ziel);
    QPainter p(&pixel);
    if (nach.size() == bild.size())
        p.drawImage(nach.topLeft(), bild);
    else
        p.drawImage(nach, bild);
}

QImage Gestreckt(const QImage& bild, QSize groesse)
{
    return bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Brettbild::Brettbild() : kopie_(G::ClientBreiteMitVorschau, G::ClientHoehe, QImage::Format_RGB32)
{
    KunstLaden();
    kopie_.fill(Qt::black);
}

void Brettbild::KunstLaden()
{
    const double r = verhaeltnis_;
    kreuz_ = {Kunst("imgKreuz3", r), Kunst("imgKreuz4", r), Kunst("imgKreuz5", r), Kunst("imgKreuz6", r)};
    ziffern_ = Kunst("imgZiffern", r);
    ziffernHilfe_ = Kunst("imgZiffernHilfe", r, true);
    schrift_ = Kunst("imgSchrift", r);
    pause_ = Kunst("imgPause", r, true);
    achse_ = Kunst("imgAchse", r, true);
    pfeilRechts_ = Kunst("imgPfeilRechts", r, true);
    pfeilLinks_ = Kunst("imgPfeilLinks", r, true);
    pfeilUnten_ = Kunst("imgPfeilUnten", r, true);
    pfeilOben_ = Kunst("imgPfeilOben", r, true);
}

bool Brettbild::VerhaeltnisSetzen(double verhaeltnis)
{
    verhaeltnis = std::max(verhaeltnis, 1.0);
    if (verhaeltnis == verhaeltnis_)
        return false;
    verhaeltnis_ = verhaeltnis;
    KunstLaden();
    kopie_ = QImage(int(std::ceil(G::ClientBreiteMitVorschau * verhaeltnis)), int(std::ceil(G::ClientHoehe * verhaeltnis)),
                    QImage::Format_RGB32);
    kopie_.fill(Qt::black);
    kopie_.setDevicePixelRatio(verhaeltnis);
    geometrie_ = Brettgeometrie(geometrie_.n(), geometrie_.variante(), verhaeltnis);
    if (quelle_) {
        const bool grau = grau_;
        Vorbereiten(quelle_);
        if (grau)
            Faerben();
    } else if (!original_.isNull()) {  // the black tiles of a game begun without a picture
        original_ = QImage(Geraet(geometrie_.brett()).size(), QImage::Format_RGB32);
        original_.fill(Qt::black);
    }
    return true;
}

void Brettbild::Vorbereiten(std::function<QImage(double, QSize)> quelle)
{
    quelle_ = std::move(quelle);
    grau_ = false;
    original_ = quelle_(verhaeltnis_, Geraet(geometrie_.brett()).size());
}

void Brettbild::BildVorbereiten(const QString& bilddatei)
{
    if (bilddatei.isEmpty()) {
        Vorbereiten([](double r, QSize groesse) {
            return hintergrund(r).copy({G::Geraet(G::Titelbild, r).topLeft(), groesse});
        });
        return;
    }
    Vorbereiten([bilddatei](double r, QSize groesse) {
        QImage geladen;
        if (daten::LadeBild(bilddatei, geladen) == daten::Ladefehler::Keiner)
            return Gestreckt(geladen, groesse);
        return Gestreckt(hintergrund(r).copy(G::Geraet(G::Titelecke, r)), groesse);
    });
}

void Brettbild::BildVorbereiten(const QImage& bild)
{
    Vorbereiten([bild](double, QSize groesse) { return Gestreckt(bild, groesse); });
}

void Brettbild::Faerben()
{
    // One pass over the whole picture: RGB32 rows have no padding, and a plain loop over a
    // pointer lets the compiler work on several pixels at once.
    grau_ = true;
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
    geometrie_ = Brettgeometrie(n, variante, verhaeltnis_);
    if (original_.isNull()) {  // a game begun without a picture shows black tiles
        original_ = QImage(Geraet(geometrie_.brett()).size(), QImage::Format_RGB32);
        original_.fill(Qt::black);
    }
}

QImage Brettbild::hintergrund(double verhaeltnis)
{
    QImage bild = Kunst("imgHintergrund", verhaeltnis);
    const QSize ganz(int(std::ceil(G::ClientBreiteMitVorschau * verhaeltnis)), int(std::ceil(G::ClientHoehe * verhaeltnis)));
    if (bild.size() != ganz)  // the last device column or row a rounding left out
        bild = Gestreckt(bild, ganz);
    return bild;
}

QRect Brettbild::Ziel(QPoint wo, const QImage& kunst) const
{
    const QSize logisch(qRound(kunst.width() / verhaeltnis_), qRound(kunst.height() / verhaeltnis_));
    return Geraet({wo, logisch});
}

void Brettbild::HintergrundZeichnen()
{
    const QImage bild = hintergrund(verhaeltnis_);
    Kopiere(kopie_, bild.rect(), bild, bild.rect());
}

void Brettbild::VorschauZeichnen()
{
    const QRect ziel = Geraet(G::Vorschau);
    Kopiere(kopie_, ziel, Gestreckt(original_, ziel.size()), {QPoint(0, 0), ziel.size()});
}

void Brettbild::ShowMorvikTeil(const Spielstand& s, int feld)
{
    const QRect ziel = Geraet(geometrie_.feld(feld));
    const int teil = s.Spielfeld[feld], t = geometrie_.teilgroesse();
    if (teil != 0)
        Kopiere(kopie_, ziel, original_, geometrie_.teilQuelleGeraet(teil));
    else
        Kopiere(kopie_, ziel, kreuz_[s.n() - 3], G::Geraet({0, 0, t, t}, verhaeltnis_));

    // The field just drawn covered the grid lines along its top and left edges.
    QImage pixel = Geraetepixel(kopie_);
    QPainter p(&pixel);
    for (int k = 1; k < s.n(); ++k) {
        p.fillRect(Geraet(geometrie_.senkrechteLinie(k)), Markierfarbe);
        p.fillRect(Geraet(geometrie_.waagerechteLinie(k)), Markierfarbe);
    }
}

void Brettbild::PfeileZeichnen()
{
    for (int i = 1; i <= geometrie_.n(); ++i) {
        Zeichne(kopie_, Ziel(geometrie_.pfeilRechts(i), pfeilRechts_), pfeilRechts_);
        Zeichne(kopie_, Ziel(geometrie_.pfeilUnten(i), pfeilUnten_), pfeilUnten_);
        Zeichne(kopie_, Ziel(geometrie_.pfeilLinks(i), pfeilLinks_), pfeilLinks_);
        Zeichne(kopie_, Ziel(geometrie_.pfeilOben(i), pfeilOben_), pfeilOben_);
    }
}

void Brettbild::ZeigeAchsen()
{
    QImage pixel = Geraetepixel(kopie_);
    QPainter p(&pixel);
    for (int i = 1; i < geometrie_.n(); ++i)
        for (int j = 1; j < geometrie_.n(); ++j) {
            const QRect ziel = Ziel(geometrie_.knopf(i, j), achse_);
            if (ziel.size() == achse_.size())
                p.drawImage(ziel.topLeft(), achse_);
            else
                p.drawImage(ziel, achse_);
        }
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

void Brettbild::GanzesBild() { Kopiere(kopie_, Geraet(geometrie_.brett()), original_, original_.rect()); }

void Brettbild::PauseZeigen()
{
    GanzesBild();
    Zeichne(kopie_, Ziel(G::PauseEcke, pause_), pause_);
}

void Brettbild::ZeigeSchrift(bool englisch)
{
    const int b = englisch ? 50 : 0;
    const auto kunst = [this](const QRect& r) { return G::Geraet(r, verhaeltnis_); };
    Kopiere(kopie_, Geraet({G::ZugSchrift, QSize(180, 25)}), schrift_, kunst({0, b, 180, 25}));
    Kopiere(kopie_, Geraet({G::ZeitSchrift, QSize(180, 25)}), schrift_, kunst({0, b + 25, 180, 25}));
}

void Brettbild::Ziffer(int ziffer, QPoint wo)
{
    Kopiere(kopie_, Geraet({wo, QSize(22, 30)}), ziffern_, G::Geraet({22 * ziffer, 0, 22, 30}, verhaeltnis_));
}

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
    // The painter counts in logical pixels, the art in device pixels.
    for (int stelle = 0; stelle < 2; ++stelle) {
        const int ziffer = stelle == 0 ? nummer / 10 : nummer % 10;
        const QRect aus = G::Geraet({16 * ziffer, 0, 16, 30}, verhaeltnis_);
        const QPoint wo = ecke + QPoint(16 * stelle, 0);
        if (verhaeltnis_ == 1.0)
            p.drawImage(wo, ziffernHilfe_, aus);
        else
            p.drawImage(QRect(wo, QSize(16, 30)), ziffernHilfe_, aus);
    }

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
        const QPointF wo(ziel.x() + dx * t, ziel.y() + dy * t);
        if (verhaeltnis_ == 1.0)
            p.drawImage(wo, original_, geometrie_.teilQuelle(teilnummer));
        else
            p.drawImage(QRectF(wo, QSizeF(t, t)), original_, geometrie_.teilQuelleGeraet(teilnummer));
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
        if (verhaeltnis_ == 1.0)
            p.drawImage(geometrie_.feld(zug.a).topLeft(), kreuz_[n - 3], {0, 0, t, t});
        else
            p.drawImage(geometrie_.feld(zug.a), kreuz_[n - 3], G::Geraet({0, 0, t, t}, verhaeltnis_));
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
