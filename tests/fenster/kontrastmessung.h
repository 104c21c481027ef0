#pragma once
// The contrast of every text a window shows, measured from its rendering: each widget is drawn
// with its text colours and again with them transparent, and the pixels that differ are its text.
// Its colour is the pixel that stands out most from the ground beneath; the contrast is that
// colour's against the worst of its grounds. Disabled texts, which need not be read, keep their
// colours and are not measured.

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

struct Textmessung {
    QString wo;       // class and name of the widget, or the list item's text
    double kontrast;  // 1 to 21
    QColor text, grund;
};

std::vector<Textmessung> TexteMessen(QWidget& fenster);
