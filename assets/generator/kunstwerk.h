// Everything the art generator makes: bitmaps of the windows, sample pictures, sounds.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace kunst {

// Main window. Art with a `skala` is drawn by the same code at that many times its size, for
// screens with more device pixels than logical ones.
QImage titelbild(double skala = 1);   // 360 x 361, the picture inside the board well
QImage hintergrund(double skala = 1, bool dunkel = false); // 755 x 475, in dark deeper stone and metal
QImage kreuz(int seite);            // empty field, 120 / 90 / 72 / 60
QImage ziffern(double skala = 1);     // 220 x 30, counter digits
QImage ziffernHilfe(double skala = 1); // 160 x 30, tile-number digits
QImage schriftStreifen(double skala = 1); // 180 x 100, ZUG ZEIT MOVE TIME
QImage pauseSchild(double skala = 1);  // 220 x 60
// The languages beside German and English ("fr", "ru", …), each with its own lettering: the
// counters' two words (180 x 50) and the pause sign (220 x 60), in a font that holds its script.
QStringList beschriftungsSprachen();
QImage schriftStreifen(const QString& sprache, double skala = 1);
QImage pauseSchild(const QString& sprache, double skala = 1);
QImage achse(double skala = 1);       // 25 x 26
enum class Richtung { Rechts, Links, Unten, Oben };
QImage pfeil(Richtung richtung, double skala = 1);  // 26 x 36 or 36 x 26

// Dialogs and program icon
// Art with `dunkel` has a second set for the dark scheme, drawn to stand on its dialogs.
QImage variante(int nummer, bool dunkel = false);  // 100 x 100, 1..3
QImage glyphAbbruch(bool aktiv, bool dunkel = false);   // 18 x 18, with alpha
QImage glyphLoeschen(bool aktiv, bool dunkel = false);  // 18 x 18, with alpha
QImage symbolLeiste();              // 120 x 40
QImage ueberschrift(bool dunkel = false);  // 250 x 25
QImage programmsymbol(int seite);   // seite x seite, with alpha, laid out for this size
QByteArray programmsymbolSvg();     // the same shapes as a scalable SVG

// Motifs, drawn into any rectangle so that icons and dialog pictures can share them
void maleSonnenblume(QPainter& p, const QRectF& r, bool mitHimmel = true);

// Sample pictures of the picture folder
QImage bildSonnenblume();
QImage bildLeuchtturm();
QImage bildBallonfahrt();
QImage bildMosaik();
QImage bildKorallenriff();
QImage bildFlickenteppich();        // Indexed8: stored as a palette BMP
QImage bildBuntstifte();
QImage bildSkyline();

// Sounds: complete WAVE files, 16-bit PCM mono 44100 Hz
QByteArray tonKlick();
QByteArray tonFanfare();
QByteArray tonTief();

} // namespace kunst
