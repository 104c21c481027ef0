#include "main/brettgeometrie.h"

#include <cmath>

namespace haupt {

namespace {

bool Zwischen(int wert, int von, int bis) { return wert >= von && wert <= bis; }

// The arrow strips: their inner band (x or y) and their reach along the board (inclusive).
constexpr int StreifenLinks = 20, StreifenRechts = 422, StreifenBreite = 30;
constexpr int StreifenVon = 56, StreifenBis = 415;
// An axis zone is a 21 x 21 square round its grid point, one pixel lower than centred.
constexpr int AchsZone = 47, AchsZonenKante = 21;
constexpr int PfeilLaenge = Brettgeometrie::PfeilQuer.height();

// Rounded up, but not for a product a hair above a whole number.
int Aufgerundet(double wert) { return int(std::ceil(wert - 1e-9)); }
int Abgerundet(double wert) { return int(std::floor(wert + 1e-9)); }

} // namespace

Brettgeometrie::Brettgeometrie(int n, engine::Variante variante, double zoom, double verhaeltnis)
    : n_(n), variante_(variante), t_(BrettKante / n), zoom_(zoom), verhaeltnis_(verhaeltnis)
{
}

QSize Brettgeometrie::client(bool vorschau) const
{
    return {Aufgerundet((vorschau ? ClientBreiteMitVorschau : ClientBreiteOhneVorschau) * zoom_),
            Aufgerundet(ClientHoehe * zoom_)};
}

QSize Brettgeometrie::ganzGeraet() const
{
    const QSize fenster = client(true);
    return {Aufgerundet(fenster.width() * verhaeltnis_), Aufgerundet(fenster.height() * verhaeltnis_)};
}

QRegion Brettgeometrie::fenster(const QRegion& logisch) const
{
    if (zoom_ == 1.0 && verhaeltnis_ == std::round(verhaeltnis_))
        return logisch;
    const int rand = skala() == std::round(skala()) ? 0 : 1;
    QRegion ergebnis;
    for (const QRect& r : logisch) {
        const QPoint oben(Abgerundet(r.left() * zoom_) - rand, Abgerundet(r.top() * zoom_) - rand);
        const QPoint unten(Aufgerundet((r.left() + r.width()) * zoom_) + rand,
                           Aufgerundet((r.top() + r.height()) * zoom_) + rand);
        ergebnis += QRect(oben, unten - QPoint(1, 1));
    }
    return ergebnis;
}

// The device pixel q shows the classic pixel x when x * skala < q + 0.5 <= (x + 1) * skala,
// as `Geraet` rounds the edges.
QPoint Brettgeometrie::klassisch(QPointF fensterpunkt) const
{
    if (skala() == 1.0)
        return fensterpunkt.toPoint();
    const auto achse = [this](double wert) {
        const int pixel = Abgerundet(wert * verhaeltnis_);
        return Aufgerundet((pixel + 0.5) / skala()) - 1;
    };
    return {achse(fensterpunkt.x()), achse(fensterpunkt.y())};
}

QRegion Brettgeometrie::klassisch(const QRegion& fenster) const
{
    if (zoom_ == 1.0)
        return fenster;
    QRegion ergebnis;
    for (const QRect& r : fenster) {
        const QPoint oben(Abgerundet(r.left() / zoom_), Abgerundet(r.top() / zoom_));
        const QPoint unten(Aufgerundet((r.left() + r.width()) / zoom_), Aufgerundet((r.top() + r.height()) / zoom_));
        ergebnis += QRect(oben, unten - QPoint(1, 1));
    }
    return ergebnis;
}

QPoint Brettgeometrie::versatz(QPoint klassisch) const
{
    return {int(std::lround(klassisch.x() * zoom_)), int(std::lround(klassisch.y() * zoom_))};
}

QRect Brettgeometrie::Geraet(const QRect& logisch, double skala)
{
    if (skala == 1.0)
        return logisch;
    const auto k = [skala](int wert) { return int(std::lround(wert * skala)); };
    return QRect(QPoint(k(logisch.left()), k(logisch.top())),
                 QPoint(k(logisch.left() + logisch.width()) - 1, k(logisch.top() + logisch.height()) - 1));
}

QRect Brettgeometrie::feld(int p) const
{
    return {BrettEcke + QPoint((p - 1) % n_ * t_, (p - 1) / n_ * t_), QSize(t_, t_)};
}

QRect Brettgeometrie::teilQuelle(int t) const { return {(t - 1) % n_ * t_, (t - 1) / n_ * t_, t_, t_}; }

// A tile's home field on the screen, so that a solved board is the working picture unchanged.
QRect Brettgeometrie::teilQuelleGeraet(int t) const
{
    return geraet(feld(t)).translated(-geraet(brett()).topLeft());
}

// The lines lie on the first pixel column and row of field column and row k + 1.
QRect Brettgeometrie::senkrechteLinie(int k) const { return {BrettEcke.x() + k * t_, BrettEcke.y(), 1, BrettKante}; }

QRect Brettgeometrie::waagerechteLinie(int k) const
{
    return {BrettEcke.x(), BrettEcke.y() + k * t_, BrettKante, 1};
}

QPoint Brettgeometrie::pfeilRechts(int zeile) const { return {24, BrettEcke.y() + (zeile - 1) * t_ + (t_ - PfeilLaenge) / 2}; }
QPoint Brettgeometrie::pfeilUnten(int spalte) const { return {BrettEcke.x() + (spalte - 1) * t_ + (t_ - PfeilLaenge) / 2, 23}; }
QPoint Brettgeometrie::pfeilLinks(int zeile) const { return {425, pfeilRechts(zeile).y()}; }
QPoint Brettgeometrie::pfeilOben(int spalte) const { return {pfeilUnten(spalte).x(), 424}; }

QRegion Brettgeometrie::pfeilbereich() const
{
    QRegion bereich;
    for (int i = 1; i <= n_; ++i) {
        bereich += QRect(pfeilRechts(i), PfeilQuer);
        bereich += QRect(pfeilLinks(i), PfeilQuer);
        bereich += QRect(pfeilUnten(i), PfeilHoch);
        bereich += QRect(pfeilOben(i), PfeilHoch);
    }
    return bereich;
}

QPoint Brettgeometrie::knopf(int i, int j) const { return {44 + i * t_, 44 + j * t_}; }

QPoint Brettgeometrie::knopfMitte(int achse) const
{
    const int seite = n_ - 1;
    return knopf((achse - 1) % seite + 1, (achse - 1) / seite + 1) + KnopfMitte;
}

QRect Brettgeometrie::achszone(int achse) const
{
    const int seite = n_ - 1, i = (achse - 1) % seite + 1, j = (achse - 1) / seite + 1;
    return {i * t_ + AchsZone, j * t_ + AchsZone, AchsZonenKante, AchsZonenKante};
}

QPoint Brettgeometrie::nummer(int p) const
{
    return {t_ * ((p - 1) % n_ + 1) + 18, t_ * ((p - 1) / n_ + 1) + 18};
}

QRect Brettgeometrie::vorschauZelle(int t) const
{
    const int h = t_ / 2;
    return {Vorschau.x() + (t - 1) % n_ * t_ / 2, Vorschau.y() - 1 + (t - 1) / n_ * t_ / 2, h + 1, h + 1};
}

// The field range starts one pixel inside the board's top-left corner.
int Brettgeometrie::FeldBei(QPoint p) const
{
    if (!Zwischen(p.x(), BrettEcke.x() + 1, BrettEcke.x() + BrettKante - 1)
        || !Zwischen(p.y(), BrettEcke.y() + 1, BrettEcke.y() + BrettKante - 1))
        return 0;
    return (p.y() - BrettEcke.y()) / t_ * n_ + (p.x() - BrettEcke.x()) / t_ + 1;
}

engine::Ziel Brettgeometrie::ZielBei(QPoint p) const
{
    using engine::Zielart;
    engine::Ziel ziel{Zielart::Nichts, 0, FeldBei(p)};
    switch (variante_) {
    case engine::Variante::Schieben:
        if (ziel.feld)
            ziel.art = Zielart::Feld, ziel.nummer = ziel.feld;
        break;
    case engine::Variante::Verschieben: {
        const bool zeilen = Zwischen(p.y(), StreifenVon, StreifenBis), spalten = Zwischen(p.x(), StreifenVon, StreifenBis);
        const int zeile = (p.y() - StreifenVon) / t_ + 1, spalte = (p.x() - StreifenVon) / t_ + 1;
        const auto imStreifen = [](int wert, int anfang) { return Zwischen(wert, anfang, anfang + StreifenBreite); };
        if (imStreifen(p.x(), StreifenLinks) && zeilen)
            ziel.art = Zielart::StreifenLinks, ziel.nummer = zeile;
        else if (imStreifen(p.y(), StreifenLinks) && spalten)
            ziel.art = Zielart::StreifenOben, ziel.nummer = spalte;
        else if (imStreifen(p.x(), StreifenRechts) && zeilen)
            ziel.art = Zielart::StreifenRechts, ziel.nummer = zeile;
        else if (imStreifen(p.y(), StreifenRechts) && spalten)
            ziel.art = Zielart::StreifenUnten, ziel.nummer = spalte;
        break;
    }
    case engine::Variante::Drehen:
        for (int achse = 1; achse <= (n_ - 1) * (n_ - 1); ++achse)
            if (achszone(achse).contains(p))
                return {Zielart::Achse, achse, ziel.feld};
        break;
    }
    return ziel;
}

} // namespace haupt
