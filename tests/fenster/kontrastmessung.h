#pragma once
// The contrast of every text a window shows, measured from its rendering: each widget is
// rendered with its text colours and once with them transparent; the pixels that differ are its
// text. The text's colour is the one that stands out most from what lies beneath it, and its
// contrast that against the worst of its backgrounds. Disabled texts, which need not be read, keep
// their colours and are not measured.

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

struct Textmessung {
    QString wo;       // class and object name of the widget, or the list item's text
    double kontrast;  // 1 to 21
    QColor text, grund;
};

std::vector<Textmessung> TexteMessen(QWidget& fenster);
