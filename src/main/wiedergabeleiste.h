#pragma once
// The controls of a replay under the board: back, play or pause, forward, a slider to any move,
// the speed and the way back to the game. Each reachable by keyboard and named for screen
// readers; Escape anywhere in the bar ends the replay as the button does.

#include <QToolBar>

#include "daten/texte.h"
#include "sitzung/wiedergabe.h"

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace haupt {

class Wiedergabeleiste : public QToolBar {
    Q_OBJECT
public:
    Wiedergabeleiste(sitzung::Wiedergabe& wiedergabe, const daten::Texte& texte, QWidget* eltern = nullptr);

    // The record's moves taken over (slider's range), the keyboard's focus on play.
    void Beginnen();

signals:
    // Back to the game: the button or Escape.
    void beenden();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void TexteSetzen();
    void Zeigen(int zug);

    sitzung::Wiedergabe& wiedergabe_;
    const daten::Texte& texte_;
    QPushButton *btnZurueck_, *btnSpielen_, *btnVor_, *btnEnde_;
    QSlider* sldZug_;
    QLabel* lblZug_;
    QSpinBox* spnTempo_;
};

} // namespace haupt
