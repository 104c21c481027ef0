#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace haupt {

// The desktop's style, without its habit of reading its own PNG files by their contents at
// start: each such read makes Qt load every image plugin first, about 1.2 MB of libraries the
// game needs only when a picture of that format is chosen. The overflow buttons' icons are made
// when first drawn rather than when a widget asks for them (the menu bar asks when it is built;
// this window never shows its overflow button), and Fusion's group-box frame is read as the PNG
// it is.
class Stil : public QProxyStyle {
public:
    // The style of that name (the one the desktop or the player chose) underneath.
    explicit Stil(const QString& grundstil);

    QIcon standardIcon(StandardPixmap art, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    QPixmap gruppenrahmen_;  // Fusion's group-box frame, when the desktop's style is Fusion
};

} // namespace haupt
