#pragma once
// Help → Keyboard shortcuts: every shortcut of the menu, read from the menu's own entries, and
// the keys of the board, as a table a screen reader reads row by row.

#include <QDialog>
#include <QList>
#include <QString>

class QMenuBar;
class QPushButton;
class QTableWidget;

namespace daten {
class Texte;
}

namespace haupt {

struct Kuerzel {
    QString menue, befehl, taste;
    bool operator==(const Kuerzel&) const = default;
};

// Each menu entry with a shortcut, in the menu's order: its menu and its text without the
// access key's ampersand, its shortcuts in the desktop's own words; then the board's keys.
QList<Kuerzel> AlleKuerzel(const QMenuBar& leiste, const daten::Texte& texte);

class Tastenfenster : public QDialog {
    Q_OBJECT
public:
    Tastenfenster(const QMenuBar& leiste, const daten::Texte& texte, QWidget* eltern = nullptr);
    void Zeige();
    QTableWidget* tabelle() const { return tabelle_; }

private:
    void Fuellen();

    const QMenuBar& leiste_;
    const daten::Texte& texte_;
    QTableWidget* tabelle_;
    QPushButton* schliessen_;
};

} // namespace haupt
