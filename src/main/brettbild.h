#pragma once
// The main window's picture, composed off screen: background art, the working picture, the
// board's tiles, grid, arrows and knobs, the counters. Pure QImage work, so every pixel can be
// checked without a window. Every position comes from the board geometry. The tile numbers
// are transient and go straight to the painter.

#include <QImage>
#include <QString>

#include <array>
#include <functional>
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

    // The whole client area, as the paint box shows it, in device pixels (its pixel ratio set).
    const QImage& kopie() const { return kopie_; }
    // The frame art, decoded anew each time: it is drawn once per game, and keeping it would
    // hold 1.4 MB for that. At a ratio above 1 from the double-size art, at the device size
    // of the whole client area.
    static QImage hintergrund(double verhaeltnis = 1.0);
    // The working picture of the current game, the board's size in device pixels (360 x 360 at
    // ratio 1), in board coordinates; none before the first picture is prepared.
    const QImage& original() const { return original_; }

    // The screen's device pixel ratio. A change loads the art anew, prepares the picture again
    // from its source and clears the composite: the caller draws it all again. Says whether it
    // changed.
    bool VerhaeltnisSetzen(double verhaeltnis);
    double verhaeltnis() const { return verhaeltnis_; }

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
    void KunstLaden();
    void Vorbereiten(std::function<QImage(double, QSize)> quelle);
    QRect Geraet(const QRect& logisch) const { return geometrie_.geraet(logisch); }
    // Where art drawn at the logical point `wo` lands on the composite.
    QRect Ziel(QPoint wo, const QImage& kunst) const;
    QPoint KnopfMitte(int achse) const;
    void ZeigeTeileNr(QPainter& p, const engine::Spielstand& s, int feld, bool mitUmriss) const;
    void Ziffer(int ziffer, QPoint wo);

    double verhaeltnis_ = 1.0;
    Brettgeometrie geometrie_{4, engine::Variante::Schieben};
    QImage kopie_, original_;
    // Where the working picture came from, to make it again at another ratio; and whether it
    // was turned grey.
    std::function<QImage(double, QSize)> quelle_;
    bool grau_ = false;
    std::array<QImage, 4> kreuz_;  // n = 3 .. 6
    QImage ziffern_, ziffernHilfe_, schrift_, pause_, achse_;
    QImage pfeilRechts_, pfeilLinks_, pfeilUnten_, pfeilOben_;
};

} // namespace haupt
