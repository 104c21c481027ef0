#pragma once
// The main window's paint box: paints the board picture and the tile numbers, and hands mouse
// presses and keys on.

#include <QWidget>

#include <functional>

#include "main/brettbild.h"
#include "sitzung/spielsitzung.h"

namespace haupt {

class Spielfeldanzeige : public QWidget {
    Q_OBJECT
public:
    Spielfeldanzeige(const Brettbild& bild, const sitzung::Spielsitzung& sitzung, QWidget* eltern);

    // What the window lays over the picture besides the tile numbers (cursor, hint).
    void SetzeUeberlagerung(std::function<void(QPainter&)> ueberlagerung) { ueberlagerung_ = std::move(ueberlagerung); }

signals:
    // The point in the classic window's logical pixels, whatever the zoom.
    void MouseDown(Qt::MouseButton taste, QPoint punkt);
    void TasteGedrueckt(int taste, Qt::KeyboardModifiers umschalter);
    void GroesseGeaendert();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    const Brettbild& bild_;
    const sitzung::Spielsitzung& sitzung_;
    std::function<void(QPainter&)> ueberlagerung_;
};

} // namespace haupt
