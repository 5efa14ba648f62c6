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
