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

// A block of art or picture to a device rectangle; at a fractional ratio the two may differ by
// a pixel.
void Kopiere(QPainter& p, const QRect& nach, const QImage& quelle, const QRect& aus)
{
    if (nach.size() == aus.size())
        p.drawImage(nach.topLeft(), quelle, aus);
    else
        p.drawImage(nach, quelle, aus);
}

void Zeichne(QPainter& p, const QRect& nach, const QImage& bild)
{
    Kopiere(p, nach, bild, bild.rect());
}

// The client area in device pixels; the last column and row a ratio leaves over are included.
QSize GanzGeraet(double r)
{
    return {int(std::ceil(G::ClientBreiteMitVorschau * r)), int(std::ceil(G::ClientHoehe * r))};
}

constexpr QRect Ganz{0, 0, G::ClientBreiteMitVorschau, G::ClientHoehe};
constexpr QSize Schriftgroesse{180, 25}, Zifferngroesse{22, 30};
const QRect ZugSchrift{G::ZugSchrift, Schriftgroesse}, ZeitSchrift{G::ZeitSchrift, Schriftgroesse};

// The four digit cells of a counter.
QRegion Ziffernzellen(QPoint (*stelle)(int))
{
    QRegion zellen;
    for (int i = 0; i < 4; ++i)
        zellen += QRect(stelle(i), Zifferngroesse);
    return zellen;
}

// The empty field's art for a board of side n.
QImage Kreuz(int n, double r)
{
    static const char* const namen[] = {"imgKreuz3", "imgKreuz4", "imgKreuz5", "imgKreuz6"};
    return Kunst(namen[n - 3], r);
}

QImage Gestreckt(const QImage& bild, QSize groesse)
{
    return bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Brettbild::Brettbild() { KunstLaden(); }

void Brettbild::KunstLaden()
{
    const double r = verhaeltnis_;
    if (!kreuz_.isNull())
        kreuz_ = Kreuz(geometrie_.n(), r);
    ziffern_ = Kunst("imgZiffern", r);
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
    geometrie_ = Brettgeometrie(geometrie_.n(), geometrie_.variante(), verhaeltnis);
    BilddienstSetzen(bilder_);
    KunstLaden();
    if (quelle_) {
        const bool grau = grau_;
        Vorbereiten(quelle_);
        if (grau)
            Faerben();
    } else if (!original_.isNull()) {  // the black tiles of a game begun without a picture
        original_ = QImage(Geraet(geometrie_.brett()).size(), QImage::Format_RGB32);
        original_.fill(Qt::black);
    }
    if (!vorschau_.isNull())
        VorschauZeichnen();
    veraendert_ += Ganz;
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
    const auto zuschnitt = bilder_ ? bilder_->zuschnitt() : daten::Zuschnitt::Strecken;
    Vorbereiten([bilddatei, zuschnitt, bilder = bilder_](double r, QSize groesse) {
        daten::Geladen geladen{bilddatei, daten::Ladefehler::Keiner, {}};
        if (bilder)
            geladen = bilder->Quadrat(bilddatei, groesse.width(), zuschnitt);
        else if ((geladen.fehler = daten::LadeBild(bilddatei, geladen.bild, groesse.width())) == daten::Ladefehler::Keiner)
            geladen.bild = daten::Quadrat(geladen.bild, groesse.width(), zuschnitt);
        if (geladen.fehler == daten::Ladefehler::Keiner)
            return geladen.bild;
        return Gestreckt(hintergrund(r).copy(G::Geraet(G::Titelecke, r)), groesse);
    });
}

void Brettbild::BilddienstSetzen(daten::Bilddienst* bilder)
{
    bilder_ = bilder;
    if (bilder_)
        bilder_->BrettkanteSetzen(Geraet(geometrie_.brett()).width());
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
    if (kreuz_.isNull() || n != geometrie_.n())
        kreuz_ = Kreuz(n, verhaeltnis_);
    geometrie_ = Brettgeometrie(n, variante, verhaeltnis_);
    if (original_.isNull()) {  // a game begun without a picture shows black tiles
        original_ = QImage(Geraet(geometrie_.brett()).size(), QImage::Format_RGB32);
        original_.fill(Qt::black);
    }
}

QImage Brettbild::hintergrund(double verhaeltnis)
{
    QImage bild = Kunst("imgHintergrund", verhaeltnis);
    const QSize ganz = GanzGeraet(verhaeltnis);
    if (bild.size() != ganz)  // the last device column or row a rounding left out
        bild = Gestreckt(bild, ganz);
    return bild;
}

QRect Brettbild::Ziel(QPoint wo, const QImage& kunst) const
{
    const QSize logisch(qRound(kunst.width() / verhaeltnis_), qRound(kunst.height() / verhaeltnis_));
    return Geraet({wo, logisch});
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
    veraendert_ += Ganz;
}

void Brettbild::VorschauZeichnen()
{
    vorschau_ = Gestreckt(original_, Geraet(G::Vorschau).size());
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
        veraendert_ += Pfeilbereich();
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

void Brettbild::ZeigeSchrift(bool englisch)
{
    beschriftung_ = englisch;
    veraendert_ += ZugSchrift;
    veraendert_ += ZeitSchrift;
}

void Brettbild::ZeigeZugNr(int zuege)
{
    zuege_ = zuege;
    veraendert_ += Ziffernzellen(G::zugZiffer);
}

void Brettbild::ZeigeZeit(int sekunden)
{
    sekunden_ = sekunden;
    veraendert_ += Ziffernzellen(G::zeitZiffer);
}

QRegion Brettbild::Bedeckt() const
{
    QRegion bedeckt;
    if (beschriftung_) {
        bedeckt += ZugSchrift;
        bedeckt += ZeitSchrift;
    }
    if (zuege_)
        bedeckt += Ziffernzellen(G::zugZiffer);
    if (sekunden_)
        bedeckt += Ziffernzellen(G::zeitZiffer);
    if (!vorschau_.isNull())
        bedeckt += G::Vorschau;
    if (brett_ != Brettinhalt::Titel)
        bedeckt += geometrie_.brett();
    return bedeckt;
}

QRegion Brettbild::Pfeilbereich() const
{
    QRegion bereich;
    for (int i = 1; i <= geometrie_.n(); ++i) {
        bereich += QRect(geometrie_.pfeilRechts(i), QSize(26, 36));
        bereich += QRect(geometrie_.pfeilLinks(i), QSize(26, 36));
        bereich += QRect(geometrie_.pfeilUnten(i), QSize(36, 26));
        bereich += QRect(geometrie_.pfeilOben(i), QSize(36, 26));
    }
    return bereich;
}

// ---- painting ----

QImage Brettbild::kopie() const
{
    QImage bild(GanzGeraet(verhaeltnis_), QImage::Format_RGB32);
    bild.setDevicePixelRatio(verhaeltnis_);
    QPainter p(&bild);
    Malen(p, Ganz);
    return bild;
}

void Brettbild::Malen(QPainter& p, const QRegion& bereich) const
{
    p.save();
    p.scale(1 / verhaeltnis_, 1 / verhaeltnis_);  // device pixels from here on, as the art counts them
    if (!hintergrund_)
        p.fillRect(QRect({0, 0}, GanzGeraet(verhaeltnis_)), Qt::black);
    else if (!bereich.subtracted(Bedeckt()).isEmpty())
        p.drawImage(0, 0, hintergrund(verhaeltnis_));

    const auto kunst = [this](const QRect& r) { return G::Geraet(r, verhaeltnis_); };
    // Art seldom painted is decoded when a paint reaches it.
    if (beschriftung_ && (bereich.intersects(ZugSchrift) || bereich.intersects(ZeitSchrift))) {
        const QImage schrift = Kunst("imgSchrift", verhaeltnis_);
        const int b = *beschriftung_ ? 50 : 0;
        Kopiere(p, Geraet(ZugSchrift), schrift, kunst({0, b, 180, 25}));
        Kopiere(p, Geraet(ZeitSchrift), schrift, kunst({0, b + 25, 180, 25}));
    }
    if (zuege_) {
        // Four digits with leading zeros: 0000 .. 9999.
        const int z = *zuege_;
        MaleZiffern(p, {z / 1000 % 10, z / 100 % 10, z / 10 % 10, z % 10}, G::zugZiffer);
    }
    if (sekunden_) {
        const int m = *sekunden_ / 60, s = *sekunden_ % 60;
        MaleZiffern(p, {m / 10, m % 10, s / 10, s % 10}, G::zeitZiffer);
    }
    if (!vorschau_.isNull())
        p.drawImage(Geraet(G::Vorschau).topLeft(), vorschau_);

    switch (brett_) {
    case Brettinhalt::Titel: break;
    case Brettinhalt::Teile:
        for (int feld = 1; feld <= stand_.felder(); ++feld)
            MaleFeld(p, feld);
        // Each field covers the grid lines along its top and left edges.
        for (int k = 1; k < geometrie_.n(); ++k) {
            p.fillRect(Geraet(geometrie_.senkrechteLinie(k)), Markierfarbe);
            p.fillRect(Geraet(geometrie_.waagerechteLinie(k)), Markierfarbe);
        }
        if (stand_.variante == engine::Variante::Drehen)
            MaleAchsen(p);
        break;
    case Brettinhalt::Ganz:
    case Brettinhalt::Pause:
        Kopiere(p, Geraet(geometrie_.brett()), original_, original_.rect());
        if (brett_ == Brettinhalt::Pause) {
            const QImage pause = Kunst("imgPause", verhaeltnis_, true);
            Zeichne(p, Ziel(G::PauseEcke, pause), pause);
        }
        break;
    }
    if (pfeile_)
        MalePfeile(p);
    p.restore();
}

void Brettbild::MaleZiffern(QPainter& p, const std::array<int, 4>& ziffern, QPoint (*stelle)(int)) const
{
    for (int i = 0; i < 4; ++i)
        Kopiere(p, Geraet({stelle(i), Zifferngroesse}), ziffern_,
                G::Geraet({22 * ziffern[std::size_t(i)], 0, 22, 30}, verhaeltnis_));
}

void Brettbild::MaleFeld(QPainter& p, int feld) const
{
    const QRect ziel = Geraet(geometrie_.feld(feld));
    const int teil = stand_.Spielfeld[std::size_t(feld)], t = geometrie_.teilgroesse();
    if (teil != 0)
        Kopiere(p, ziel, original_, geometrie_.teilQuelleGeraet(teil));
    else
        Kopiere(p, ziel, kreuz_, G::Geraet({0, 0, t, t}, verhaeltnis_));
}

void Brettbild::MalePfeile(QPainter& p) const
{
    for (int i = 1; i <= geometrie_.n(); ++i) {
        Zeichne(p, Ziel(geometrie_.pfeilRechts(i), pfeilRechts_), pfeilRechts_);
        Zeichne(p, Ziel(geometrie_.pfeilUnten(i), pfeilUnten_), pfeilUnten_);
        Zeichne(p, Ziel(geometrie_.pfeilLinks(i), pfeilLinks_), pfeilLinks_);
        Zeichne(p, Ziel(geometrie_.pfeilOben(i), pfeilOben_), pfeilOben_);
    }
}

void Brettbild::MaleAchsen(QPainter& p) const
{
    for (int i = 1; i < geometrie_.n(); ++i)
        for (int j = 1; j < geometrie_.n(); ++j)
            Zeichne(p, Ziel(geometrie_.knopf(i, j), achse_), achse_);
}

void Brettbild::ZeigeNummern(QPainter& p, const Spielstand& s, sitzung::Nummernmodus modus, int feld) const
{
    if (modus == sitzung::Nummernmodus::Keine)
        return;
    const QImage ziffern = Kunst("imgZiffernHilfe", verhaeltnis_, true);
    if (modus == sitzung::Nummernmodus::EinFeld)
        ZeigeTeileNr(p, ziffern, s, feld, true);
    else
        for (int f = 1; f <= s.felder(); ++f)
            ZeigeTeileNr(p, ziffern, s, f, false);
}

void Brettbild::ZeigeTeileNr(QPainter& p, const QImage& ziffern, const Spielstand& s, int feld, bool mitUmriss) const
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
            p.drawImage(wo, ziffern, aus);
        else
            p.drawImage(QRect(wo, QSize(16, 30)), ziffern, aus);
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

QRect Brettbild::TippBereich(const engine::Zug& zug) const
{
    using engine::Operation;
    switch (zug.op) {
    case Operation::TeilSchieben: return geometrie_.feld(zug.a);
    case Operation::ZeileRechts: return {geometrie_.pfeilRechts(zug.a), QSize(26, 36)};
    case Operation::ZeileLinks: return {geometrie_.pfeilLinks(zug.a), QSize(26, 36)};
    case Operation::SpalteRunter: return {geometrie_.pfeilUnten(zug.a), QSize(36, 26)};
    case Operation::SpalteHoch: return {geometrie_.pfeilOben(zug.a), QSize(36, 26)};
    case Operation::AchseRechts:
    case Operation::AchseLinks: break;
    }
    // The ring with its pen, and the mouse above it to the right.
    const QPoint mitte = KnopfMitte(zug.a);
    return QRect(mitte - QPoint(19, 19), QSize(39, 39)) | QRect(mitte + QPoint(13, -35), QSize(18, 24));
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
            p.drawImage(geometrie_.feld(zug.a).topLeft(), kreuz_, {0, 0, t, t});
        else
            p.drawImage(geometrie_.feld(zug.a), kreuz_, G::Geraet({0, 0, t, t}, verhaeltnis_));
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
