#pragma once
// The list of best results as screen readers read it: a table of the five places with the
// columns place, name, moves and time, and the columns' heads, though on the screen it is loose
// labels drawn where the classic art wants them. The widget given becomes the table; the labels
// it holds are not read one by one.

#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace beste {

struct Listenquelle {
    int zeilen = 0, spalten = 0;
    std::function<QString()> name;                       // the table's name
    std::function<QString(int spalte)> kopf;             // a column's head
    std::function<QString(int zeile, int spalte)> zelle;  // what a cell says, rows and columns from 0
    std::function<QRect(int zeile, int spalte)> platz;    // where it shows, in the table widget
};

void ListenzugangEinrichten(QWidget* tafel, Listenquelle quelle);
// The cells say something new (another list, a name entered).
void ListeGeaendert(QWidget* tafel);

} // namespace beste
