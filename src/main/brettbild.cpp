#include "main/brettbild.h"

#include "kunst.h"

#include <QFile>
#include <QPainter>

#include <algorithm>

using engine::Spielstand;

namespace haupt {

namespace {

using G = Brettgeometrie;

void Zeichne(QPainter& p, const QRect& nach, const QImage& bild) { Kopiere(p, nach, bild, bild.rect()); }

std::array<int, 4> Zugziffern(int z) { return {z / 1000 % 10, z / 100 % 10, z / 10 % 10, z % 10}; }

std::array<int, 4> Zeitziffern(int sekunden)
{
    const int m = sekunden / 60, s = sekunden % 60;
    return {m / 10, m % 10, s / 10, s % 10};
}

// The digit cells of a counter whose digits differ from those shown before (all when none were).
QRegion Ziffernzellen(QPoint (*stelle)(int), const std::optional<std::array<int, 4>>& vorher,
                      const std::array<int, 4>& jetzt)
{
    QRegion zellen;
    for (std::size_t i = 0; i < 4; ++i)
        if (!vorher || (*vorher)[i] != jetzt[i])
            zellen += QRect(stelle(int(i)), G::Zifferngroesse);
    return zellen;
}

QRegion AlleZellen(QPoint (*stelle)(int)) { return Ziffernzellen(stelle, std::nullopt, {}); }

// The lettering's art by language code: German and English share the classic strip (English in
// its lower half) and sign; every other language has its own; a code without art gets English.
struct Beschriftungskunst {
    QByteArray streifen;
    int zeile;
    QByteArray schild;
};
Beschriftungskunst KunstFuer(const std::optional<QString>& sprache)
{
    if (!sprache || *sprache == u"de")
        return {"imgSchrift", 0, "imgPause"};
    const QByteArray code = sprache->toLatin1();
    if (QFile::exists(kunst::Kunstpfad(QLatin1String("imgSchrift_" + code))))
        return {"imgSchrift_" + code, 0, "imgPause_" + code};
    return {"imgSchrift", 50, "imgPause"};
}

} // namespace

Brettbild::Brettbild() { kunst_.Laden(skala(), geometrie_.n()); }

bool Brettbild::VerhaeltnisSetzen(double verhaeltnis) { return MassstabSetzen(zoom(), std::max(verhaeltnis, 1.0)); }

bool Brettbild::ZoomSetzen(double zoom) { return MassstabSetzen(std::max(zoom, 1.0), verhaeltnis()); }

bool Brettbild::MassstabSetzen(double zoom, double verhaeltnis)
{
    if (zoom == geometrie_.zoom() && verhaeltnis == geometrie_.verhaeltnis())
        return false;
    geometrie_ = Brettgeometrie(geometrie_.n(), geometrie_.variante(), zoom, verhaeltnis);
    rahmen_ = nummernKunst_ = QImage();
    kunst_.Laden(skala(), geometrie_.n());
    BilddienstSetzen(bilder_);
    arbeitsbild_.NeuAnlegen(skala(), BrettGeraet());
    if (!vorschau_.isNull())
        VorschauZeichnen();
    veraendert_ += G::Ganz;
    return true;
}

void Brettbild::BilddienstSetzen(daten::Bilddienst* bilder)
{
    bilder_ = bilder;
    if (bilder_)
        bilder_->BrettkanteSetzen(BrettGeraet().width());
}

void Brettbild::BildVorbereiten(const sitzung::Spielbild& bild) { arbeitsbild_.Vorbereiten(bild, skala(), BrettGeraet()); }

void Brettbild::BildVorbereiten(const QString& bilddatei, daten::Zuschnitt zuschnitt)
{
    BildVorbereiten(sitzung::Spielbild(bilder_, bilddatei, zuschnitt));
}

void Brettbild::BildVorbereiten(const QImage& bild) { arbeitsbild_.Vorbereiten(bild, skala(), BrettGeraet()); }

void Brettbild::BrettWaehlen(int n, engine::Variante variante)
{
    if (n != kunst_.n)
        kunst_.KreuzLaden(skala(), n);
    geometrie_ = Brettgeometrie(n, variante, zoom(), verhaeltnis());
    arbeitsbild_.SchwarzWoKeins(BrettGeraet());  // a game begun without a picture shows black tiles
}

QImage Brettbild::hintergrund(double verhaeltnis, double zoom, bool dunkel)
{
    const Brettgeometrie g(4, engine::Variante::Schieben, zoom, verhaeltnis);
    return Hintergrund(g.skala(), g.ganzGeraet(), dunkel);
}

void Brettbild::DunkelSetzen(bool dunkel)
{
    if (std::exchange(dunkel_, dunkel) == dunkel)
        return;
    rahmen_ = QImage();
    veraendert_ += G::Ganz;
}

QRect Brettbild::Logisch(QPoint wo, const QImage& kunst) const
{
    return {wo, QSize(qRound(kunst.width() / skala()), qRound(kunst.height() / skala()))};
}

// ---- what is shown ----

void Brettbild::HintergrundZeichnen()
{
    hintergrund_ = true;
    beschriftung_.reset();
    zuege_.reset();
    sekunden_.reset();
    vorschau_ = QImage();
    brett_ = Brettinhalt::Titel;
    pfeile_ = false;
    veraendert_ += G::Ganz;
}

void Brettbild::VorschauZeichnen()
{
    vorschau_ = original().scaled(Geraet(G::Vorschau).size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    veraendert_ += G::Vorschau;
}

void Brettbild::ShowMorvikTeil(const Spielstand& s, int feld)
{
    stand_ = s;
    brett_ = Brettinhalt::Teile;
    veraendert_ += geometrie_.feld(feld);
}

void Brettbild::BrettZeichnen(const Spielstand& s)
{
    stand_ = s;
    brett_ = Brettinhalt::Teile;
    pfeile_ = pfeile_ || s.variante == engine::Variante::Verschieben;
    veraendert_ += geometrie_.brett();
    if (pfeile_)
        veraendert_ += geometrie_.pfeilbereich();
}

void Brettbild::FelderZeichnen(const Spielstand& s, const std::vector<int>& felder)
{
    stand_ = s;
    brett_ = Brettinhalt::Teile;
    for (int feld : felder)
        veraendert_ += geometrie_.feld(feld);
}

void Brettbild::GanzesBild()
{
    brett_ = Brettinhalt::Ganz;
    veraendert_ += geometrie_.brett();
}

void Brettbild::PauseZeigen()
{
    brett_ = Brettinhalt::Pause;
    veraendert_ += geometrie_.brett();
}

void Brettbild::ZeigeSchrift(const QString& sprache)
{
    beschriftung_ = sprache;
    if (brett_ == Brettinhalt::Pause)
        veraendert_ += geometrie_.brett();
    veraendert_ += G::ZugSchrift;
    veraendert_ += G::ZeitSchrift;
}

void Brettbild::ZeigeZugNr(int zuege)
{
    const auto vorher = zuege_ ? std::optional(Zugziffern(*zuege_)) : std::nullopt;
    zuege_ = zuege;
    veraendert_ += Ziffernzellen(G::zugZiffer, vorher, Zugziffern(zuege));
}

void Brettbild::ZeigeZeit(int sekunden)
{
    const auto vorher = sekunden_ ? std::optional(Zeitziffern(*sekunden_)) : std::nullopt;
    sekunden_ = sekunden;
    veraendert_ += Ziffernzellen(G::zeitZiffer, vorher, Zeitziffern(sekunden));
}

QRegion Brettbild::Bedeckt() const
{
    QRegion bedeckt;
    if (beschriftung_) {
        bedeckt += G::ZugSchrift;
        bedeckt += G::ZeitSchrift;
    }
    if (zuege_)
        bedeckt += AlleZellen(G::zugZiffer);
    if (sekunden_)
        bedeckt += AlleZellen(G::zeitZiffer);
    if (!vorschau_.isNull())
        bedeckt += G::Vorschau;
    if (brett_ != Brettinhalt::Titel)
        bedeckt += geometrie_.brett();
    return bedeckt;
}

// ---- painting ----

QImage Brettbild::kopie() const
{
    QImage bild(geometrie_.ganzGeraet(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(skala());
    QPainter p(&bild);
    Malen(p, G::Ganz);
    return bild;
}

void Brettbild::Malen(QPainter& p, const QRegion& bereich) const
{
    p.save();
    AufGeraetepixel(p, skala());  // device pixels from here on, as the art counts them
    if (!hintergrund_)
        p.fillRect(QRect({0, 0}, geometrie_.ganzGeraet()), Qt::black);
    else
        MaleHintergrund(p, bereich.subtracted(Bedeckt()));

    MaleSchrift(p, bereich);
    if (zuege_)  // four digits with leading zeros: 0000 .. 9999
        MaleZiffern(p, bereich, Zugziffern(*zuege_), G::zugZiffer);
    if (sekunden_)
        MaleZiffern(p, bereich, Zeitziffern(*sekunden_), G::zeitZiffer);
    if (!vorschau_.isNull() && bereich.intersects(G::Vorschau))
        Zeichne(p, Geraet(G::Vorschau), vorschau_);
    MaleBrett(p, bereich);
    if (pfeile_)
        MalePfeile(p, bereich);
    p.restore();
}

// Only where nothing else is painted, and a device pixel beyond, as far as a fractional ratio
// may round the region's edge. At the classic scale the art is decoded for each paint that
// needs it, which is cheap; at any other it is scaled from the double-size art, too slow for
// every move beside the board's edge, so it is kept until the scale changes.
void Brettbild::MaleHintergrund(QPainter& p, const QRegion& frei) const
{
    if (frei.isEmpty())
        return;
    QImage kunst = rahmen_;
    if (kunst.isNull()) {
        kunst = hintergrund(verhaeltnis(), zoom(), dunkel_);
        if (skala() != 1.0)
            rahmen_ = kunst;
    }
    for (const QRect& r : frei) {
        const QRect nach = Geraet(r).adjusted(-1, -1, 1, 1) & kunst.rect();
        Kopiere(p, nach, kunst, nach);
    }
}

// Art seldom painted is decoded when a paint reaches it.
void Brettbild::MaleSchrift(QPainter& p, const QRegion& bereich) const
{
    if (!beschriftung_ || !(bereich.intersects(G::ZugSchrift) || bereich.intersects(G::ZeitSchrift)))
        return;
    const Beschriftungskunst art = KunstFuer(beschriftung_);
    const QImage schrift = Kunst(art.streifen.constData(), skala());
    const int b = art.zeile;
    const int h = G::Schriftgroesse.height();
    Kopiere(p, Geraet(G::ZugSchrift), schrift, Geraet({QPoint(0, b), G::Schriftgroesse}));
    Kopiere(p, Geraet(G::ZeitSchrift), schrift, Geraet({QPoint(0, b + h), G::Schriftgroesse}));
}

// Only the fields the paint reaches; a move paints its own few.
void Brettbild::MaleBrett(QPainter& p, const QRegion& bereich) const
{
    switch (brett_) {
    case Brettinhalt::Titel: break;
    case Brettinhalt::Teile:
        for (int feld = 1; feld <= stand_.felder(); ++feld)
            if (bereich.intersects(geometrie_.feld(feld)))
                MaleFeld(p, feld);
        // Each field covers the grid lines along its top and left edges.
        for (int k = 1; k < geometrie_.n(); ++k)
            for (const QRect& linie : {geometrie_.senkrechteLinie(k), geometrie_.waagerechteLinie(k)})
                if (bereich.intersects(linie))
                    Fuelle(p, Geraet(linie), Markierfarbe);
        if (stand_.variante == engine::Variante::Drehen)
            MaleAchsen(p, bereich);
        break;
    case Brettinhalt::Ganz:
    case Brettinhalt::Pause:
        Kopiere(p, Geraet(geometrie_.brett()), original(), original().rect());
        if (brett_ == Brettinhalt::Pause) {
            const QImage pause = Kunst(KunstFuer(beschriftung_).schild.constData(), skala(), true);
            Zeichne(p, Geraet(Logisch(G::PauseEcke, pause)), pause);
        }
        break;
    }
}

void Brettbild::MaleZiffern(QPainter& p, const QRegion& bereich, const std::array<int, 4>& ziffern,
                            QPoint (*stelle)(int)) const
{
    const QSize zelle = G::Zifferngroesse;
    for (std::size_t i = 0; i < 4; ++i)
        if (bereich.intersects(QRect(stelle(int(i)), zelle)))
            Kopiere(p, Geraet({stelle(int(i)), zelle}), kunst_.ziffern, Geraet({QPoint(zelle.width() * ziffern[i], 0), zelle}));
}

void Brettbild::MaleFeld(QPainter& p, int feld) const
{
    const QRect ziel = Geraet(geometrie_.feld(feld));
    const int teil = stand_.Spielfeld[std::size_t(feld)];
    if (teil != 0)
        Kopiere(p, ziel, original(), geometrie_.teilQuelleGeraet(teil));
    else
        MaleKreuz(p, ziel);
}

void Brettbild::MaleKreuz(QPainter& p, const QRect& ziel) const
{
    const int t = geometrie_.teilgroesse();
    Kopiere(p, ziel, kunst_.kreuz, Geraet({0, 0, t, t}));
}

void Brettbild::MalePfeile(QPainter& p, const QRegion& bereich) const
{
    for (int i = 1; i <= geometrie_.n(); ++i) {
        MaleKunst(p, bereich, geometrie_.pfeilRechts(i), kunst_.pfeilRechts);
        MaleKunst(p, bereich, geometrie_.pfeilUnten(i), kunst_.pfeilUnten);
        MaleKunst(p, bereich, geometrie_.pfeilLinks(i), kunst_.pfeilLinks);
        MaleKunst(p, bereich, geometrie_.pfeilOben(i), kunst_.pfeilOben);
    }
}

void Brettbild::MaleAchsen(QPainter& p, const QRegion& bereich) const
{
    for (int i = 1; i < geometrie_.n(); ++i)
        for (int j = 1; j < geometrie_.n(); ++j)
            MaleKunst(p, bereich, geometrie_.knopf(i, j), kunst_.achse);
}

void Brettbild::MaleKunst(QPainter& p, const QRegion& bereich, QPoint wo, const QImage& kunst) const
{
    const QRect logisch = Logisch(wo, kunst);
    if (bereich.intersects(logisch))
        Zeichne(p, Geraet(logisch), kunst);
}

} // namespace haupt
