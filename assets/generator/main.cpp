// Makes every asset of the game from code.
//   tavelor_kunstwerk --kunst DIR      the bitmaps of the windows, named without an extension:
//                                      binary PPM where opaque, PNG where they need alpha
//   tavelor_kunstwerk --laufzeit DIR   sample pictures (DIR/images/*.bmp) and the sounds
//   tavelor_kunstwerk --symbole DIR    the program icon for the desktop: DIR/tavelor_N.png for
//                                      N = 16 24 32 48 64 128 256, and DIR/tavelor.svg
#include "kunstwerk.h"
#include "werkzeug.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Erzeuger = std::function<QImage()>;

std::vector<std::pair<QString, Erzeuger>> kunstListe()
{
    using namespace kunst;
    return {
        {"imgHintergrund", [] { return hintergrund(); }},
        {"imgKreuz3", [] { return kreuz(120); }},
        {"imgKreuz4", [] { return kreuz(90); }},
        {"imgKreuz5", [] { return kreuz(72); }},
        {"imgKreuz6", [] { return kreuz(60); }},
        {"imgZiffern", [] { return ziffern(); }},
        {"imgZiffernHilfe", [] { return ziffernHilfe(); }},
        {"imgSchrift", [] { return schriftStreifen(); }},
        {"imgPause", [] { return pauseSchild(); }},
        {"imgAchse", [] { return achse(); }},
        {"imgPfeilRechts", [] { return pfeil(Richtung::Rechts); }},
        {"imgPfeilLinks", [] { return pfeil(Richtung::Links); }},
        {"imgPfeilUnten", [] { return pfeil(Richtung::Unten); }},
        {"imgPfeilOben", [] { return pfeil(Richtung::Oben); }},
        {"imgVariante1", [] { return variante(1); }},
        {"imgVariante2", [] { return variante(2); }},
        {"imgVariante3", [] { return variante(3); }},
        {"glyphAbbruch", [] { return glyphAbbruch(true); }},
        {"glyphAbbruchAus", [] { return glyphAbbruch(false); }},
        {"glyphLoeschen", [] { return glyphLoeschen(true); }},
        {"glyphLoeschenAus", [] { return glyphLoeschen(false); }},
        {"imgSymbol", symbolLeiste},
        {"imgUeberschrift", [] { return ueberschrift(); }},
        {"symbol", [] { return programmsymbol(64); }},   // the window icon
        // the dark set, by the light one's name and "Dunkel"
        {"imgHintergrundDunkel", [] { return hintergrund(1, true); }},
        {"imgVariante1Dunkel", [] { return variante(1, true); }},
        {"imgVariante2Dunkel", [] { return variante(2, true); }},
        {"imgVariante3Dunkel", [] { return variante(3, true); }},
        {"glyphAbbruchAusDunkel", [] { return glyphAbbruch(false, true); }},
        {"glyphLoeschenAusDunkel", [] { return glyphLoeschen(false, true); }},
        {"imgUeberschriftDunkel", [] { return ueberschrift(true); }},
    };
}

// The main window's art at twice its size, drawn by the same code, for screens with two device
// pixels to a logical one (and, scaled down once by the program, for those in between).
std::vector<std::pair<QString, Erzeuger>> doppelteKunstListe()
{
    using namespace kunst;
    return {
        {"imgHintergrund@2x", [] { return hintergrund(2); }},
        {"imgHintergrundDunkel@2x", [] { return hintergrund(2, true); }},
        {"imgKreuz3@2x", [] { return kreuz(240); }},
        {"imgKreuz4@2x", [] { return kreuz(180); }},
        {"imgKreuz5@2x", [] { return kreuz(144); }},
        {"imgKreuz6@2x", [] { return kreuz(120); }},
        {"imgZiffern@2x", [] { return ziffern(2); }},
        {"imgZiffernHilfe@2x", [] { return ziffernHilfe(2); }},
        {"imgSchrift@2x", [] { return schriftStreifen(2); }},
        {"imgPause@2x", [] { return pauseSchild(2); }},
        {"imgAchse@2x", [] { return achse(2); }},
        {"imgPfeilRechts@2x", [] { return pfeil(Richtung::Rechts, 2); }},
        {"imgPfeilLinks@2x", [] { return pfeil(Richtung::Links, 2); }},
        {"imgPfeilUnten@2x", [] { return pfeil(Richtung::Unten, 2); }},
        {"imgPfeilOben@2x", [] { return pfeil(Richtung::Oben, 2); }},
    };
}

// The lettering of the other languages, at both sizes. Only one language's is ever decoded, so
// these are kept small as PNG.
std::vector<std::pair<QString, Erzeuger>> sprachKunstListe()
{
    using namespace kunst;
    std::vector<std::pair<QString, Erzeuger>> liste;
    for (const QString& sprache : beschriftungsSprachen())
        for (const double skala : {1.0, 2.0}) {
            const QString doppelt = skala == 2 ? QStringLiteral("@2x") : QString();
            liste.push_back({"imgSchrift_" + sprache + doppelt, [=] { return schriftStreifen(sprache, skala); }});
            liste.push_back({"imgPause_" + sprache + doppelt, [=] { return pauseSchild(sprache, skala); }});
        }
    return liste;
}

std::vector<std::pair<QString, Erzeuger>> bilderListe()
{
    using namespace kunst;
    return {
        {"Ballonfahrt.bmp", bildBallonfahrt},   {"Buntstifte.bmp", bildBuntstifte},
        {"Flickenteppich.bmp", bildFlickenteppich}, {"Korallenriff.bmp", bildKorallenriff},
        {"Leuchtturm.bmp", bildLeuchtturm},     {"Mosaik.bmp", bildMosaik},
        {"Skyline.bmp", bildSkyline},           {"Sonnenblume.bmp", bildSonnenblume},
    };
}

bool ordnerBereit(const QString& pfad)
{
    if (QDir().mkpath(pfad))
        return true;
    std::fprintf(stderr, "tavelor_kunstwerk: cannot create folder %s\n", qPrintable(pfad));
    return false;
}

bool schreibe(const QImage& bild, const QString& pfad, const char* format = nullptr)
{
    if (werk::speichere(bild, pfad, format))
        return true;
    std::fprintf(stderr, "tavelor_kunstwerk: cannot write %s\n", qPrintable(pfad));
    return false;
}

bool schreibe(const QByteArray& daten, const QString& pfad)
{
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(daten) == daten.size())
        return true;
    std::fprintf(stderr, "tavelor_kunstwerk: cannot write %s\n", qPrintable(pfad));
    return false;
}

// The program decodes its art at every start. Uncompressed PPM decodes about ten times faster
// than PNG; only the few images with transparency stay PNG.
bool macheKunst(const QString& ordner)
{
    if (!ordnerBereit(ordner))
        return false;
    for (const auto& liste : {kunstListe(), doppelteKunstListe()})
        for (const auto& [name, erzeuge] : liste) {
            const QImage bild = erzeuge();
            if (!schreibe(bild, ordner + '/' + name, bild.hasAlphaChannel() ? "png" : "ppm"))
                return false;
        }
    for (const auto& [name, erzeuge] : sprachKunstListe())
        if (!schreibe(erzeuge(), ordner + '/' + name, "png"))
            return false;
    return true;
}

bool macheLaufzeit(const QString& ordner)
{
    const QString bilder = ordner + "/images";
    if (!ordnerBereit(bilder))
        return false;
    for (const auto& [name, erzeuge] : bilderListe())
        if (!schreibe(erzeuge(), bilder + '/' + name))
            return false;
    return schreibe(kunst::tonKlick(), ordner + "/ton1.wav") && schreibe(kunst::tonFanfare(), ordner + "/ton2.wav")
           && schreibe(kunst::tonTief(), ordner + "/ton3.wav");
}

// Each size is drawn for itself, not scaled from one bitmap, so that small icons stay sharp.
bool macheSymbole(const QString& ordner)
{
    if (!ordnerBereit(ordner))
        return false;
    for (int seite : {16, 24, 32, 48, 64, 128, 256})
        if (!schreibe(kunst::programmsymbol(seite), QStringLiteral("%1/tavelor_%2.png").arg(ordner).arg(seite)))
            return false;
    return schreibe(kunst::programmsymbolSvg(), ordner + "/tavelor.svg");
}

int nutzung()
{
    std::fprintf(stderr, "usage: tavelor_kunstwerk [--kunst DIR] [--laufzeit DIR] [--symbole DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // drawing needs no screen; the same output everywhere
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (!werk::schriftenGeladen()) {
        std::fprintf(stderr, "tavelor_kunstwerk: the DejaVu fonts (package fonts-dejavu-core) are missing\n");
        return 1;
    }
    // pairs of switch and folder, at least one
    if (argumente.size() < 3 || argumente.size() % 2 == 0)
        return nutzung();
    for (int i = 1; i < argumente.size(); i += 2)
        if (argumente[i] != "--kunst" && argumente[i] != "--laufzeit" && argumente[i] != "--symbole")
            return nutzung();
    for (int i = 1; i < argumente.size(); i += 2) {
        const QString& ordner = argumente[i + 1];
        const bool ok = argumente[i] == "--kunst"      ? macheKunst(ordner)
                        : argumente[i] == "--laufzeit" ? macheLaufzeit(ordner)
                                                       : macheSymbole(ordner);
        if (!ok)
            return 1;
    }
    return 0;
}
