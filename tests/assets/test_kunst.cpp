// The compiled-in art: sizes, the fixed marks of the background, keys and digits.
#include "bildpruefung.h"

#include <QMap>
#include <QSize>
#include <gtest/gtest.h>

using namespace pruefung;

namespace {

// The languages beside German and English, each with its own lettering.
const char* const Sprachen[] = {"fr", "es", "it", "pt_BR", "nl", "pl", "cs", "sv", "ru", "uk"};

const QMap<QString, QSize>& sollGroessen()
{
    static const QMap<QString, QSize> groessen = [] {
        QMap<QString, QSize> g{
        {"imgHintergrund", {755, 475}}, {"imgKreuz3", {120, 120}},     {"imgKreuz4", {90, 90}},
        {"imgKreuz5", {72, 72}},        {"imgKreuz6", {60, 60}},       {"imgZiffern", {220, 30}},
        {"imgZiffernHilfe", {160, 30}}, {"imgSchrift", {180, 100}},    {"imgPause", {220, 60}},
        {"imgAchse", {25, 26}},         {"imgPfeilRechts", {26, 36}},  {"imgPfeilLinks", {26, 36}},
        {"imgPfeilUnten", {36, 26}},    {"imgPfeilOben", {36, 26}},    {"imgVariante1", {100, 100}},
        {"imgVariante2", {100, 100}},   {"imgVariante3", {100, 100}},  {"glyphAbbruch", {18, 18}},
        {"glyphAbbruchAus", {18, 18}},  {"glyphLoeschen", {18, 18}},   {"glyphLoeschenAus", {18, 18}},
        {"imgSymbol", {120, 40}},       {"imgUeberschrift", {250, 25}}, {"symbol", {64, 64}},
        {"imgHintergrundDunkel", {755, 475}}, {"imgVariante1Dunkel", {100, 100}}, {"imgVariante2Dunkel", {100, 100}},
        {"imgVariante3Dunkel", {100, 100}}, {"glyphAbbruchAusDunkel", {18, 18}}, {"glyphLoeschenAusDunkel", {18, 18}},
        {"imgUeberschriftDunkel", {250, 25}}};
        for (const char* sprache : Sprachen) {
            g.insert(QStringLiteral("imgSchrift_") + sprache, {180, 50});
            g.insert(QStringLiteral("imgPause_") + sprache, {220, 60});
        }
        return g;
    }();
    return groessen;
}

bool darfAlphaHaben(const QString& name)
{
    return name.startsWith("glyph") || name == "symbol";
}

const QRgb Markierfarbe = qRgb(252, 202, 3);

bool istRot(QRgb c) { return qRed(c) >= 200 && qGreen(c) <= 80 && qBlue(c) <= 80; }

} // namespace

TEST(KunstRessourcen, JedesBildLaedtOhneWeiterenAufrufInSeinerGenauenGroesse)
{
    EXPECT_EQ(kunst::Kunstnamen().size(), sollGroessen().size());
    for (const QString& name : kunst::Kunstnamen()) {
        ASSERT_TRUE(sollGroessen().contains(name)) << qPrintable(name);
        const QImage bild = lade(name);
        ASSERT_FALSE(bild.isNull()) << qPrintable(kunst::Kunstpfad(name));
        EXPECT_EQ(bild.size(), sollGroessen().value(name)) << qPrintable(name);
    }
}

// The window's icon at every size the build draws for the desktop, each drawn for its size.
TEST(KunstRessourcen, ProgrammsymbolInJederGebautenGroesse)
{
    const QIcon symbol = kunst::Programmsymbol();
    const QList<QSize> groessen{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(symbol.availableSizes(), groessen);
    for (const QSize& groesse : groessen)
        EXPECT_EQ(symbol.pixmap(groesse).size(), groesse);
}

TEST(KunstRessourcen, NurGlyphenUndProgrammsymbolHabenAlpha)
{
    for (const QString& name : kunst::Kunstnamen()) {
        const QImage bild = lade(name);
        if (darfAlphaHaben(name)) {
            EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << qPrintable(name) << ": corner should be transparent";
            int deckend = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    deckend += qAlpha(bild.pixel(x, y)) > 128;
            EXPECT_GT(deckend, bild.width() * bild.height() / 10) << qPrintable(name);
        } else {
            EXPECT_FALSE(bild.hasAlphaChannel()) << qPrintable(name);
        }
    }
}

TEST(Hintergrund, DoppelpunktIstRotUndZaehlerkastenSonstSchwarz)
{
    const QImage bild = lade("imgHintergrund");
    const QRect oben(606, 384, 7, 7), unten(606, 398, 7, 7);
    for (int y = 274; y < 416; ++y)
        for (int x = 518; x < 698; ++x) {
            const QRgb c = bild.pixel(x, y);
            if (oben.contains(x, y) || unten.contains(x, y))
                ASSERT_TRUE(istRot(c)) << x << "," << y;
            else
                ASSERT_EQ(c & 0xFFFFFF, 0u) << x << "," << y;
        }
    // the colon squares end where the digits begin
    EXPECT_EQ(bild.pixel(605, 387) & 0xFFFFFF, 0u);
    EXPECT_EQ(bild.pixel(613, 401) & 0xFFFFFF, 0u);
}

TEST(Hintergrund, BrettbrunnenIstDunkelBisAnSeineRaender)
{
    const QImage bild = lade("imgHintergrund");
    EXPECT_LT(mittlereHelligkeit(bild, QRect(57, 55, 360, 361)), 100);
    EXPECT_LT(mittlereHelligkeit(bild, QRect(57, 55, 360, 1)), 80);
    EXPECT_LT(mittlereHelligkeit(bild, QRect(57, 415, 360, 1)), 110);
    EXPECT_LT(mittlereHelligkeit(bild, QRect(57, 55, 1, 361)), 100);
    EXPECT_LT(mittlereHelligkeit(bild, QRect(416, 55, 1, 361)), 100);
}

TEST(Hintergrund, TitelbildTaugtAlsEingebautesPuzzlebild)
{
    const QImage bild = lade("imgHintergrund");
    EXPECT_EQ(unklareTeile(bild.copy(57, 55, 360, 360)), QStringList());
    // the fallback: the 260 x 260 corner enlarged
    EXPECT_EQ(unklareTeile(bild.copy(57, 55, 260, 260).scaled(360, 360, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation)),
              QStringList());
}

TEST(Hintergrund, RahmenleistenNebenDemBrettSindBlaugrau)
{
    const QImage bild = lade("imgHintergrund");
    const QRect leisten[] = {QRect(QPoint(24, 56), QPoint(49, 415)), QRect(QPoint(57, 23), QPoint(416, 48)),
                             QRect(QPoint(425, 56), QPoint(450, 415)), QRect(QPoint(57, 424), QPoint(416, 449))};
    for (const QRect& r : leisten)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ASSERT_TRUE(istBlaugrau(bild.pixel(x, y)))
                    << x << "," << y << " is " << qPrintable(QColor(bild.pixel(x, y)).name());
}

TEST(Hintergrund, UmgebungIstHellUndDerRahmenEndetAnSeinenLeisten)
{
    const QImage bild = lade("imgHintergrund");
    EXPECT_GT(mittlereHelligkeit(bild, QRect(0, 0, 755, 18)), 180);
    EXPECT_GT(mittlereHelligkeit(bild, QRect(0, 0, 18, 475)), 180);
    EXPECT_GT(mittlereHelligkeit(bild, QRect(457, 30, 24, 380)), 160);   // between board and panel
    EXPECT_FALSE(istBlaugrau(bild.pixel(10, 240)));
}

TEST(Schluesselbilder, SchluesselfarbeLiegtUntenLinksUndNieInDerFigur)
{
    for (const char* name : {"imgAchse", "imgPfeilRechts", "imgPfeilLinks", "imgPfeilUnten", "imgPfeilOben",
                             "imgPause"}) {
        const QImage bild = lade(name);
        const QRgb schluessel = bild.pixel(0, bild.height() - 1);
        int figur = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                figur += (bild.pixel(x, y) & 0xFFFFFF) != (schluessel & 0xFFFFFF);
        EXPECT_GT(figur, bild.width() * bild.height() / 6) << name << ": figure too small";
        EXPECT_EQ(eingeschlosseneSchluesselpixel(bild, schluessel), 0) << name;
    }
    EXPECT_EQ(lade("imgPause").pixel(0, 59) & 0xFFFFFF, 0u) << "the pause banner's key is black";
}

TEST(Schluesselbilder, AchsknopfSitztMittigAufDemGitterkreuz)
{
    const QImage bild = lade("imgAchse");
    const QRgb schluessel = bild.pixel(0, 25);
    // the crossing lies at (13, 12); the knob covers it and reaches evenly to all sides
    for (int d = 0; d <= 9; ++d)
        for (QPoint p : {QPoint(13 + d, 12), QPoint(13 - d, 12), QPoint(13, 12 + d), QPoint(13, 12 - d)})
            EXPECT_NE(bild.pixel(p), schluessel) << p.x() << "," << p.y();
}

// A chevron's tip lies in its middle band, its open ends in the outer bands: the
// middle band's figure therefore sits further towards the side the arrow points to.
static double spitzenVorsprung(const QImage& bild, bool quer)
{
    const QRgb schluessel = bild.pixel(0, bild.height() - 1);
    const int laenge = quer ? bild.height() : bild.width();
    double summe[2] = {0, 0};
    int anzahl[2] = {0, 0};
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) == schluessel)
                continue;
            const int quer_lage = quer ? y : x;
            const bool mitte = quer_lage > laenge / 3 && quer_lage < laenge * 2 / 3;
            summe[mitte] += quer ? x : y;
            ++anzahl[mitte];
        }
    return summe[1] / std::max(1, anzahl[1]) - summe[0] / std::max(1, anzahl[0]);
}

TEST(Schluesselbilder, PfeileZeigenInIhreRichtung)
{
    EXPECT_GT(spitzenVorsprung(lade("imgPfeilRechts"), true), 2.0);
    EXPECT_LT(spitzenVorsprung(lade("imgPfeilLinks"), true), -2.0);
    EXPECT_GT(spitzenVorsprung(lade("imgPfeilUnten"), false), 2.0);
    EXPECT_LT(spitzenVorsprung(lade("imgPfeilOben"), false), -2.0);
}

TEST(Ziffern, JedeZiffernzelleUnterscheidetSichVonJederAnderen)
{
    for (auto [name, breite] : {std::pair{"imgZiffern", 22}, std::pair{"imgZiffernHilfe", 16}}) {
        const QImage bild = lade(name);
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_GT(MittlererUnterschied(bild.copy(a * breite, 0, breite, 30), bild.copy(b * breite, 0, breite, 30)), 2.0)
                    << name << ": digits " << a << " and " << b;
    }
}

TEST(Ziffern, ZaehlerziffernSindRotAufSchwarzUndBerührenIhreNachbarnNicht)
{
    const QImage bild = lade("imgZiffern");
    for (int d = 0; d < 10; ++d) {
        int rot = 0;
        for (int y = 0; y < 30; ++y) {
            EXPECT_EQ(bild.pixel(22 * d, y) & 0xFFFFFF, 0u) << "digit " << d << " left edge";
            EXPECT_EQ(bild.pixel(22 * d + 21, y) & 0xFFFFFF, 0u) << "digit " << d << " right edge";
            for (int x = 22 * d; x < 22 * d + 22; ++x)
                rot += istRot(bild.pixel(x, y));
        }
        EXPECT_GT(rot, 40) << "digit " << d;
    }
    EXPECT_EQ(bild.pixel(0, 0) & 0xFFFFFF, 0u);
}

TEST(Ziffern, HilfsziffernSindMarkierfarbeAufWeissOhneZwischentoene)
{
    const QImage bild = lade("imgZiffernHilfe");
    // white, the marking colour and one dark rim: antialiasing would add more
    EXPECT_LE(anzahlFarben(bild), 3);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(bild.pixel(16 * d, 29) & 0xFFFFFF, 0xFFFFFFu) << "cell " << d << " must key out white";
        int markiert = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 16 * d; x < 16 * d + 16; ++x)
                markiert += bild.pixel(x, y) == (Markierfarbe | 0xFF000000);
        EXPECT_GT(markiert, 25) << "digit " << d;
    }
}

namespace {

// Each word in its row of 25, in the marking colour on black, touching neither edge, and each
// different from the others.
void PruefeStreifen(const QImage& bild, int streifen)
{
    EXPECT_EQ(anzahlFarben(bild), 2);
    for (int s = 0; s < streifen; ++s) {
        int markiert = 0;
        for (int y = 25 * s; y < 25 * s + 25; ++y)
            for (int x = 0; x < 180; ++x)
                markiert += bild.pixel(x, y) == (Markierfarbe | 0xFF000000);
        EXPECT_GT(markiert, 100) << "strip " << s;
        for (int y = 25 * s; y < 25 * s + 25; ++y)   // no word reaches the sides
            EXPECT_EQ((bild.pixel(0, y) | bild.pixel(179, y)) & 0xFFFFFF, 0u);
        for (int x = 0; x < 180; ++x) {   // nothing spills over into the next strip
            EXPECT_EQ(bild.pixel(x, 25 * s) & 0xFFFFFF, 0u);
            EXPECT_EQ(bild.pixel(x, 25 * s + 24) & 0xFFFFFF, 0u);
        }
        for (int t = s + 1; t < streifen; ++t)
            EXPECT_GT(MittlererUnterschied(bild.copy(0, 25 * s, 180, 25), bild.copy(0, 25 * t, 180, 25)), 5.0);
    }
}

} // namespace

// The classic strip holds German and English; every other language has a strip of its two words.
TEST(Beschriftung, JedesWortInMarkierfarbeAufSchwarzInSeinemStreifen)
{
    QStringList namen{"imgSchrift"};
    for (const char* sprache : Sprachen)
        namen << QStringLiteral("imgSchrift_") + sprache << QStringLiteral("imgSchrift_%1@2x").arg(sprache);
    for (const QString& name : namen) {
        SCOPED_TRACE(name.toStdString());
        QImage bild = lade(name);
        bild.setDevicePixelRatio(1);
        if (name.endsWith("@2x"))  // the edge checks count in logical pixels
            bild = bild.scaled(bild.size() / 2);
        PruefeStreifen(bild, bild.height() / 25);
    }
}

// Every sign bears its word in the marking colour; one that says PAUSE is the classic sign.
TEST(Beschriftung, PauseschildJederSpracheTraegtSeinWort)
{
    const auto rgb = [](const QString& name) { return lade(name).convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(rgb("imgPause_fr"), rgb("imgPause"));
    for (const char* sprache : Sprachen) {
        const QImage wort = rgb(QStringLiteral("imgPause_") + sprache).copy(30, 17, 160, 27);
        const auto* pixel = reinterpret_cast<const QRgb*>(wort.constBits());
        EXPECT_GT(std::count(pixel, pixel + 160 * 27, Markierfarbe | 0xFF000000), 1000) << sprache;
    }
}
