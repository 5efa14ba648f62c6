#pragma once

#include "BGControlSize.h"
#include "BGThemeKeyed.h"

#include <QPainterPath>
#include <QRectF>

class QPainter;

// Painter of the HUD slider: a thin rounded track and a knob that is round
// without tick marks and points at them with. Geometry is in the slider's
// coordinates (y down).
class BGHUDSliderCell : public BGThemeKeyed {
public:
    enum class SliderType { Linear = 0, Circular = 1 };
    struct State {
        bool enabled = true;
        bool highlighted = false;  // the knob is being dragged
        bool showsFocusRing = true;
    };

    SliderType sliderType() const { return sliderType_; }
    void setSliderType(SliderType type) { sliderType_ = type; }
    bool isVertical() const { return vertical_; }
    void setVertical(bool vertical) { vertical_ = vertical; }
    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }
    // No tick marks, or tick marks above/left (true) or below/right (false).
    bool hasTickMarks() const { return hasTickMarks_; }
    bool ticksLeading() const { return ticksLeading_; }
    void setTickMarks(bool shown, bool leading) { hasTickMarks_ = shown, ticksLeading_ = leading; }

    QRectF horizontalTrackRect(const QRectF& frame) const;
    QRectF verticalTrackRect(const QRectF& frame) const;
    QRectF trackRect(const QRectF& frame) const;
    QRectF knobRect(const QRectF& knobFrame) const;
    // The knob's outline (from its rectangle) or face (one point inside).
    QPainterPath knobPath(const QRectF& knob) const;

    // The knob's frame for a position along the track (0 at the minimum,
    // 1 at the maximum) in `bounds`.
    QRectF knobFrame(const QRectF& bounds, qreal fraction) const;
    // The position along the track a point in `bounds` stands for.
    qreal fractionAt(const QRectF& bounds, const QPointF& point) const;

    void drawBar(QPainter& painter, const QRectF& frame, const State& state) const;
    void drawKnob(QPainter& painter, const QRectF& knobFrame, const State& state) const;

private:
    // The knob frame's extent along the track.
    qreal knobLength() const;

    SliderType sliderType_ = SliderType::Linear;
    bool vertical_ = false;
    BGControlSize controlSize_ = BGControlSize::Regular;
    bool hasTickMarks_ = false;
    bool ticksLeading_ = false;
};
