#pragma once
// The chart of the last games of a board: their time above, their moves below, one mark per game
// from the oldest on the left; a filled dot for a game solved without help, a ring for one with
// help, a cross for one not solved. Painted by the program itself, at any size of the font.

#include <QWidget>

#include <vector>

#include "daten/texte.h"
#include "journal/kennzahlen.h"

namespace statistik {

class Verlaufsbild : public QWidget {
    Q_OBJECT
public:
    Verlaufsbild(const daten::Texte& texte, QWidget* eltern = nullptr);

    void Zeigen(std::vector<journal::Kurzeintrag> spiele);
    void TexteSetzen();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    struct Reihe;
    void ZeichneReihe(QPainter& p, const QRectF& feld, const Reihe& reihe) const;
    void ZeichneLegende(QPainter& p, const QRectF& zeile) const;
    void ZeichneMarke(QPainter& p, QPointF mitte, const journal::Kurzeintrag& spiel, const QColor& farbe) const;

    const daten::Texte& texte_;
    std::vector<journal::Kurzeintrag> spiele_;
};

} // namespace statistik
