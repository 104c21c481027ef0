#pragma once
// The small dialog that takes a game code: one line, prefilled with what the clipboard holds,
// Return plays it.

#include <QDialog>

#include "daten/texte.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace haupt {

class Codedialog : public QDialog {
    Q_OBJECT
public:
    Codedialog(const daten::Texte& texte, const QString& vorschlag, QWidget* eltern = nullptr);
    QString code() const;

private:
    QLabel* lblCode_;
    QLineEdit* edtCode_;
    QPushButton *btnSpielen_, *btnAbbrechen_;
};

// Asks for a code; none when the player cancels.
std::optional<QString> CodeErfragen(const daten::Texte& texte, const QString& vorschlag, QWidget* eltern);

} // namespace haupt
