#pragma once
// The main window's picture: background art, the working picture, the board's tiles, grid,
// arrows and knobs, the counters. It keeps what the picture shows, not its pixels: the
// window's backing store already holds those, so a paint draws the asked part again from the
// art, and the background art, the largest of it, is only decoded when a paint reaches it
// (and kept at a zoom or ratio, where making it takes too long to repeat).
// Every position comes from the board geometry, in the classic window's logical pixels; the
// zoom and the screen's pixel ratio only decide how many device pixels they become. The tile
// numbers and the other passing marks (brettueberlagerung.cpp) are drawn by the window over what
// is painted here.

#include <QImage>
#include <QRegion>
#include <QString>

#include <array>
#include <optional>
#include <utility>

#include "daten/bilddienst.h"
#include "engine/spielstand.h"
#include "main/arbeitsbild.h"
#include "main/brettgeometrie.h"
#include "main/brettkunst.h"
#include "sitzung/spielbild.h"
#include "sitzung/spielsitzung.h"

class QPainter;

namespace haupt {

class Brettbild {
public:
    Brettbild();

    // Paints the part `bereich` of the client area (classic logical pixels) with a painter
    // whose logical pixels are the classic ones (the window scales it by the zoom first).
    void Malen(QPainter& p, const QRegion& bereich) const;
    // The whole client area as a paint shows it, in device pixels (its pixel ratio set to the
    // device pixels per classic pixel).
    QImage kopie() const;
    // What the calls since the last time changed, in classic logical pixels: the part to paint again.
    QRegion NimmVeraendert() { return std::exchange(veraendert_, QRegion()); }

    // The frame art, decoded anew each time: a paint needs it rarely, and keeping it would
    // hold 1.4 MB for that. At a scale above 1 from the double-size art, at the device size
    // of the whole client area.
    static QImage hintergrund(double verhaeltnis = 1.0, double zoom = 1.0, bool dunkel = false);
    // The working picture of the current game, the board's size in device pixels (360 x 360 at
    // ratio 1), in board coordinates; none before the first picture is prepared.
    const QImage& original() const { return arbeitsbild_.bild(); }

    // The screen's device pixel ratio and the player's zoom. A change loads the art anew and
    // prepares the picture again from its source; what is shown stays. Say whether it changed.
    bool VerhaeltnisSetzen(double verhaeltnis);
    bool ZoomSetzen(double zoom);
    double verhaeltnis() const { return geometrie_.verhaeltnis(); }
    double zoom() const { return geometrie_.zoom(); }
    // The dark set of the frame art or the light one; all of the picture is painted again.
    void DunkelSetzen(bool dunkel);
    bool dunkel() const { return dunkel_; }

    // Where pictures are decoded; it learns the board's device size from here.
    void BilddienstSetzen(daten::Bilddienst* bilder);
    // The picture of the next game as the session holds it: its square stretched to the board,
    // the title art for the built-in picture, or its enlarged corner when the file cannot be
    // loaded (silently).
    void BildVorbereiten(const sitzung::Spielbild& bild);
    // A picture file stretched to the board, through the picture service where there is one.
    void BildVorbereiten(const QString& bilddatei, daten::Zuschnitt zuschnitt = daten::Zuschnitt::Strecken);
    void BildVorbereiten(const QImage& bild);
    // Turns the working picture into grey tones.
    void Faerben() { arbeitsbild_.Faerben(); }

    // The geometry of the board to come: side and variant.
    void BrettWaehlen(int n, engine::Variante variante);
    const Brettgeometrie& geometrie() const { return geometrie_; }

    // What is shown. The background art over everything, with the title picture in the board
    // well; then what is drawn over it.
    void HintergrundZeichnen();
    // The working picture as it is now, small in the preview well.
    void VorschauZeichnen();
    void ShowMorvikTeil(const engine::Spielstand& s, int feld);
    // All fields, then the arrows or knobs of the variant.
    void BrettZeichnen(const engine::Spielstand& s);
    // The fields a move changed, with the knobs over them in variant 3.
    void FelderZeichnen(const engine::Spielstand& s, const std::vector<int>& felder);
    // The finished picture over the board (end of game, pause); arrows stay beside it.
    void GanzesBild();
    void PauseZeigen();

    // The counters' lettering and the pause sign in the language of that code ("de", "en", "fr", …).
    void ZeigeSchrift(const QString& sprache);
    // The counters; only the digits that change are painted again.
    void ZeigeZugNr(int zuege);
    void ZeigeZeit(int sekunden);

    // ---- passing marks over the picture (brettueberlagerung.cpp) ----
    // The tile numbers of the help mode, and where they are drawn.
    void ZeigeNummern(QPainter& p, const engine::Spielstand& s, sitzung::Nummernmodus modus, int feld) const;
    QRegion NummernBereich(const engine::Spielstand& s, sitzung::Nummernmodus modus, int feld) const;
    // The keyboard cursor: a frame round its field (variant 2) or a ring round its knob (variant 3).
    void ZeigeCursor(QPainter& p, engine::Variante variante, int cursor) const;
    QRect CursorBereich(engine::Variante variante, int cursor) const;
    // A hint: the field, arrow or knob of the move marked, in variant 3 with the mouse button
    // that makes the turn.
    void ZeigeTipp(QPainter& p, const engine::Zug& zug) const;
    QRect TippBereich(const engine::Zug& zug) const;
    // One frame of a move in motion, `anteil` 0..1 of the way: the tiles of the board after the
    // move drawn where they are on their way, inside the fields the move changes, over what they
    // uncover (the empty field's art, the knobs).
    void ZeigeBewegung(QPainter& p, const engine::Spielstand& nachher, const engine::Zug& zug, double anteil) const;
    QRegion BewegungsBereich(const engine::Zug& zug) const;
    // The glow of a solved board, `staerke` 1 fading to 0.
    void ZeigeGlanz(QPainter& p, double staerke) const;

private:
    // What the board shows.
    enum class Brettinhalt { Titel, Teile, Ganz, Pause };

    bool MassstabSetzen(double zoom, double verhaeltnis);
    double skala() const { return geometrie_.skala(); }
    QRect Geraet(const QRect& logisch) const { return geometrie_.geraet(logisch); }
    QSize BrettGeraet() const { return Geraet(geometrie_.brett()).size(); }
    // Where art drawn at the logical point `wo` lies, in logical pixels.
    QRect Logisch(QPoint wo, const QImage& kunst) const;
    // Tile `teil` `anteil` of the way from field `von` to `nach`, round the edge where they are
    // not neighbours.
    void ZeigeTeilUnterwegs(QPainter& p, int teil, int von, int nach, double anteil) const;
    void ZeigeTeileNr(QPainter& p, const QImage& ziffern, const engine::Spielstand& s, int feld, bool mitUmriss) const;
    // What is painted over the background art without letting it through.
    QRegion Bedeckt() const;
    // The parts, painted in device pixels.
    void MaleHintergrund(QPainter& p, const QRegion& frei) const;
    void MaleSchrift(QPainter& p, const QRegion& bereich) const;
    void MaleBrett(QPainter& p, const QRegion& bereich) const;
    void MaleFeld(QPainter& p, int feld) const;
    void MaleKreuz(QPainter& p, const QRect& ziel) const;
    // The arrows, knobs and digit cells the region reaches.
    void MalePfeile(QPainter& p, const QRegion& bereich) const;
    void MaleAchsen(QPainter& p, const QRegion& bereich) const;
    void MaleKunst(QPainter& p, const QRegion& bereich, QPoint wo, const QImage& kunst) const;
    void MaleZiffern(QPainter& p, const QRegion& bereich, const std::array<int, 4>& ziffern, QPoint (*stelle)(int)) const;

    Brettgeometrie geometrie_{4, engine::Variante::Schieben};
    Brettkunst kunst_;
    Arbeitsbild arbeitsbild_;
    daten::Bilddienst* bilder_ = nullptr;
    // What is shown: nothing at all (black) until the background comes.
    bool hintergrund_ = false;
    bool dunkel_ = false;
    std::optional<QString> beschriftung_;  // the labels' language code
    std::optional<int> zuege_, sekunden_;
    QImage vorschau_;  // the preview as drawn, or none
    mutable QImage rahmen_;  // the background art, kept at a scale other than the classic one
    mutable QImage nummernKunst_;  // the tile numbers' digits, once shown
    Brettinhalt brett_ = Brettinhalt::Titel;
    engine::Spielstand stand_;  // the board shown as tiles
    bool pfeile_ = false;
    QRegion veraendert_;
};

} // namespace haupt
