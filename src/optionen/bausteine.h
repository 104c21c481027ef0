#pragma once

#include <QLabel>
#include <QWidget>

namespace optionen {

// A picture that reports a left click, like the variant pictures of the settings dialog. As one
// of a row of choices it is told to screen readers as a radio button, checked when chosen; with
// the focus, Space chooses it and the arrow keys step to its neighbours.
class TKlickbild : public QLabel {
    Q_OBJECT
public:
    explicit TKlickbild(QWidget* eltern = nullptr);

    bool gewaehlt() const { return gewaehlt_; }
    void SetzeGewaehlt(bool gewaehlt);

signals:
    void geklickt(QWidget* sender);
    void schritt(QWidget* sender, int richtung);  // -1 left or up, +1 right or down

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    bool gedrueckt_ = false;
    bool gewaehlt_ = false;
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
