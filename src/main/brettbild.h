#pragma once
// The main window's picture, composed off screen: background art, the working picture, the
// board's tiles, grid, arrows and knobs, the counters. Pure QImage work, so every pixel can be
// checked without a window. The tile numbers are transient and go straight to the painter.

#include <QImage>

#include <array>
#include <string>

#include "engine/spielstand.h"

class QPainter;

inline constexpr QRgb Markierfarbe = qRgb(252, 202, 3);

class Brettbild {
public:
    Brettbild();

    // The whole client area; the paint box shows it.
    QImage imgKopie;
    QImage imgHintergrund;
    // The working picture of the current game, 360 x 360, in board coordinates.
    QImage imgOriginal;

    // Loads and stretches the picture, or takes the title art when there is none (empty name)
    // or it cannot be loaded (its enlarged corner, silently).
    void BildVorbereiten(const std::string& bilddatei);
    // Turns the working picture into grey tones.
    void Faerben();

    void HintergrundZeichnen();
    void VorschauZeichnen();
    void ShowMorvikTeil(const engine::Spielstand& s, int feld);
    void PfeileZeichnen(const engine::Spielstand& s);
    void ZeigeAchsen(const engine::Spielstand& s);
    // All fields, then the arrows or knobs of the variant.
    void BrettZeichnen(const engine::Spielstand& s);
    // The finished picture over the board (end of game, pause).
    void GanzesBild();
    void PauseZeigen();

    void ZeigeSchrift(int aktSprache);
    void ZeigeZugNr(int zuege);
    void ZeigeZeit(int sekunden);

    // The tile numbers of the current help mode, drawn over the shown composite.
    void ZeigeNummern(QPainter& p, const engine::Spielstand& s) const;
    void ZeigeTeileNr(QPainter& p, const engine::Spielstand& s, int feld) const;

private:
    void Ziffer(const QImage& streifen, int breite, int ziffer, int x, int y);

    std::array<QImage, 4> imgKreuz;  // n = 3 .. 6
    QImage imgZiffern, imgZiffernHilfe, imgSchrift, imgPause, imgAchse;
    QImage imgPfeilRechts, imgPfeilLinks, imgPfeilUnten, imgPfeilOben;
};
