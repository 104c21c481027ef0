#pragma once
// The main window's picture, composed off screen: background art, the working picture, the
// board's tiles, grid, arrows and knobs, the counters. Pure QImage work, so every pixel can be
// checked without a window. Every position comes from the board geometry. The tile numbers
// are transient and go straight to the painter.

#include <QImage>
#include <QString>

#include <array>
#include <optional>

#include "engine/spielstand.h"
#include "main/brettgeometrie.h"
#include "sitzung/spielsitzung.h"

class QPainter;

namespace haupt {

inline constexpr QRgb Markierfarbe = qRgb(252, 202, 3);

class Brettbild {
public:
    Brettbild();

    // The whole client area, as the paint box shows it.
    const QImage& kopie() const { return kopie_; }
    // The frame art, decoded anew each time: it is drawn once per game, and keeping it would
    // hold 1.4 MB for that.
    static QImage hintergrund();
    // The working picture of the current game, 360 x 360, in board coordinates; none before the
    // first picture is prepared.
    const QImage& original() const { return original_; }

    // The picture of the next game: the file stretched to the board, the title art when the
    // name is empty, or its enlarged corner when the file cannot be loaded (silently).
    void BildVorbereiten(const QString& bilddatei);
    void BildVorbereiten(const QImage& bild);
    // Turns the working picture into grey tones.
    void Faerben();

    // The geometry of the board to come: side and variant.
    void BrettWaehlen(int n, engine::Variante variante);
    const Brettgeometrie& geometrie() const { return geometrie_; }

    void HintergrundZeichnen();
    void VorschauZeichnen();
    void ShowMorvikTeil(const engine::Spielstand& s, int feld);
    void PfeileZeichnen();
    void ZeigeAchsen();
    // All fields, then the arrows or knobs of the variant.
    void BrettZeichnen(const engine::Spielstand& s);
    // The fields a move changed, and the knobs again over them in variant 3.
    void FelderZeichnen(const engine::Spielstand& s, const std::vector<int>& felder);
    // The finished picture over the board (end of game, pause).
    void GanzesBild();
    void PauseZeigen();

    void ZeigeSchrift(bool englisch);
    void ZeigeZugNr(int zuege);
    void ZeigeZeit(int sekunden);

    // The tile numbers of the help mode, drawn over the shown composite.
    void ZeigeNummern(QPainter& p, const engine::Spielstand& s, sitzung::Nummernmodus modus, int feld) const;

    // The keyboard cursor: a frame round its field (variant 2) or a ring round its knob (variant 3).
    void ZeigeCursor(QPainter& p, engine::Variante variante, int cursor) const;
    // A hint: the field, arrow or knob of the move marked, in variant 3 with the mouse button
    // that makes the turn.
    void ZeigeTipp(QPainter& p, const engine::Zug& zug) const;

    // One frame of a move in motion, `anteil` 0..1 of the way: the tiles of the board after the
    // move drawn where they are on their way, inside the fields the move changes.
    void ZeigeBewegung(QPainter& p, const engine::Spielstand& nachher, const engine::Zug& zug, double anteil) const;
    // The glow of a solved board, `staerke` 1 fading to 0.
    void ZeigeGlanz(QPainter& p, double staerke) const;

private:
    QPoint KnopfMitte(int achse) const;
    void ZeigeTeileNr(QPainter& p, const engine::Spielstand& s, int feld, bool mitUmriss) const;
    void Ziffer(int ziffer, QPoint wo);

    Brettgeometrie geometrie_{4, engine::Variante::Schieben};
    QImage kopie_, original_;
    std::array<QImage, 4> kreuz_;  // n = 3 .. 6
    QImage ziffern_, ziffernHilfe_, schrift_, pause_, achse_;
    QImage pfeilRechts_, pfeilLinks_, pfeilUnten_, pfeilOben_;
};

} // namespace haupt
