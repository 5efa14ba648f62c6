#pragma once

#include "BGHUDSliderCell.h"

#include <QSlider>

// A slider in the HUD look. Values, keys, page steps and tick settings stay
// Qt's; the track and knob come from its BGHUDSliderCell, and a press
// anywhere on the slider takes the knob there and drags it.
class BGHUDSlider : public QSlider {
    Q_OBJECT
public:
    explicit BGHUDSlider(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    BGHUDSliderCell& cell() { return cell_; }

    // The knob's frame for the current position.
    QRectF knobFrame() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The values that get a tick mark: every interval from the minimum, at
    // most maximumCount of them (wider ranges are spread evenly).
    static QList<int> tickValues(int minimum, int maximum, int interval, int maximumCount);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void syncCellWithSlider();
    void drawTickMarks(QPainter& painter) const;
    void moveKnobTo(const QPointF& position);

    BGHUDSliderCell cell_;
};
