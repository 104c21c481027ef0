#pragma once

#include <QLabel>

namespace beste {
// The place numbers beside the rows: the text is wrapped at the label's width
// like any label, but its lines stand a fixed pitch apart, so that each number
// sits on the baseline of its row however high the font is.
class TPlatzierung : public QLabel {
    Q_OBJECT
public:
    explicit TPlatzierung(QWidget* eltern = nullptr);

    // Baseline of the first line in the label, and the distance between lines.
    void SetzeZeilen(int ersteGrundlinie, int abstand);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    int grundlinie_ = 0;
    int zeilenAbstand_ = 0;
};

} // namespace beste
