#pragma once

#include <QLabel>
#include <QWidget>

namespace optionen {

// A picture that reports a left click, like the variant pictures of the settings dialog.
class TKlickbild : public QLabel {
    Q_OBJECT
public:
    explicit TKlickbild(QWidget* eltern = nullptr);

signals:
    void geklickt(QWidget* sender);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool gedrueckt_ = false;
};

// An unfilled rectangle frame drawn with a pen of the given width inside its own bounds.
// It lies over the pictures it marks, so it lets every mouse click through to them.
class TRahmen : public QWidget {
    Q_OBJECT
public:
    TRahmen(const QColor& farbe, int stiftbreite, QWidget* eltern = nullptr);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QColor farbe_;
    int stiftbreite_;
};

} // namespace optionen
