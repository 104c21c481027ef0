#pragma once
// The help: a window of the program's own showing the help file of the current language.

#include <QDialog>

class QTextBrowser;

namespace haupt {

class Hilfefenster : public QDialog {
    Q_OBJECT
public:
    explicit Hilfefenster(QWidget* eltern = nullptr);
    // Shows the file, or says plainly that it is missing.
    void Zeige(const QString& datei, bool englisch);
    QTextBrowser* anzeige() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace haupt
