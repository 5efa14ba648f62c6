#include "BGHUDSliderCell.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr qreal TrackRadius = 2.0;
constexpr qreal PointCut = 2.0;

struct TrackRow {
    qreal cross;      // offset of the track across the slider
    qreal thickness;  // track height (horizontal) or width (vertical)
    qreal shift;      // along the slider
    qreal shrink;     // of the length
};

}  // namespace

// Without tick marks the track is centred on the frame's middle, y + h / 2.
QRectF BGHUDSliderCell::horizontalTrackRect(const QRectF& f) const
{
    const qreal y = f.y(), h = f.height();
    TrackRow row{};
    switch (controlSize_) {
    case BGControlSize::Regular:
        row = {!hasTickMarks_ ? y + h / 2 - 2.5 : ticksLeading_ ? y + h - 10 : y + 4, 5, 2.5, 5};
        break;
    case BGControlSize::Small:
        row = {!hasTickMarks_ ? y + h / 2 - 2.5 : ticksLeading_ ? y + h - 8 : y + 2, 5, 0.5, 1};
        break;
    case BGControlSize::Mini:
        row = {!hasTickMarks_ ? y + h / 2 - 2 : ticksLeading_ ? y + h - 6 : y + 2, 3, 0.5, 1};
        break;
    default:
        return f;
    }
    return {f.x() + row.shift, row.cross + 0.5, f.width() - row.shrink, row.thickness};
}

QRectF BGHUDSliderCell::verticalTrackRect(const QRectF& f) const
{
    const qreal x = f.x(), w = f.width();
    TrackRow row{};
    qreal nudge = 0.5;
    switch (controlSize_) {
    case BGControlSize::Regular:
        row = {!hasTickMarks_ ? x + w / 2 - 2.5 : ticksLeading_ ? x + w - 9 : x + 4, 5, 2.5, 6};
        break;
    case BGControlSize::Small:
        row = {!hasTickMarks_ ? x + w / 2 - 2.5 : ticksLeading_ ? x + w - 8 : x + 3, 5, 0.5, 1};
        break;
    case BGControlSize::Mini:
        row = {!hasTickMarks_ ? x + w / 2 - 2 : ticksLeading_ ? x + w - 6.5 : x + 2.5, 3, 0.5, 1};
        nudge = 1;
        break;
    default:
        return f;
    }
    return {row.cross + nudge, f.y() + row.shift, row.thickness, f.height() - row.shrink};
}

QRectF BGHUDSliderCell::trackRect(const QRectF& frame) const
{
    return vertical_ ? verticalTrackRect(frame) : horizontalTrackRect(frame);
}

QRectF BGHUDSliderCell::knobRect(const QRectF& k) const
{
    qreal x = k.x(), y = k.y(), w = k.width(), h = k.height();
    const bool ticks = hasTickMarks_;
    switch (controlSize_) {
    case BGControlSize::Regular:
        if (!ticks)
            return {x + 3, y + 3, 15, 15};
        if (!vertical_)
            return {x + 2, ticksLeading_ ? y + 2 : y, 15, 19};
        return {(ticksLeading_ ? x : x - 3) + 3, y + 2, 19, 15};
    case BGControlSize::Small:
        if (!ticks)
            return {x + 2, y + 2, 11, 11};
        if (!vertical_)
            return {x + 1, ticksLeading_ ? y + 1 : y, 11, 13};
        return {x + 1, y + 1, 13, 11};
    case BGControlSize::Mini:
        if (!ticks)
            return vertical_ ? QRectF(x + 1, y + 1, 9, 9) : QRectF(x + 2, y + 1, 9, 9);
        return vertical_ ? QRectF(x, y + 1, 11, 9) : QRectF(x + 1, y, 9, 11);
    }
    return {x, y, w, h};
}

QPainterPath BGHUDSliderCell::knobPath(const QRectF& k) const
{
    QPainterPath path;
    if (!hasTickMarks_) {
        path.addEllipse(k);
        return path;
    }
    const qreal x = k.x(), y = k.y(), w = k.width(), h = k.height(), c = PointCut;
    QPolygonF points;
    if (!vertical_ && ticksLeading_)
        points = {{x + w / 2, y}, {x + w, y + h / 2 - c}, {x + w, y + h - c}, {x + w - c, y + h},
                  {x + c, y + h}, {x, y + h - c}, {x, y + h / 2 - c}};
    else if (!vertical_)
        points = {{x + c, y}, {x + w - c, y}, {x + w, y + c}, {x + w, y + h / 2 + c},
                  {x + w / 2, y + h}, {x, y + h / 2 + c}, {x, y + c}};
    else if (ticksLeading_)
        points = {{x, y + h / 2}, {x + w / 2 - c, y}, {x + w - c, y}, {x + w, y + c},
                  {x + w, y + h - c}, {x + w - c, y + h}, {x + w / 2 - c, y + h}};
    else
        points = {{x, y + c}, {x + c, y}, {x + w / 2 + c, y}, {x + w, y + h / 2},
                  {x + w / 2 + c, y + h}, {x + c, y + h}, {x, y + h - c}};
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

qreal BGHUDSliderCell::knobLength() const
{
    switch (controlSize_) {
    case BGControlSize::Regular: return 21;
    case BGControlSize::Small: return 15;
    case BGControlSize::Mini: return 12;
    }
    return 21;
}

QRectF BGHUDSliderCell::knobFrame(const QRectF& bounds, qreal fraction) const
{
    const qreal length = knobLength();
    const qreal along = std::clamp(fraction, 0.0, 1.0);
    // With tick marks the knob keeps to the side away from them, leaving
    // room for the marks.
    const qreal thickness = hasTickMarks_ ? length + 3 : length;
    const auto across = [&](qreal start, qreal extent) {
        if (!hasTickMarks_)
            return start + (extent - thickness) / 2;
        return ticksLeading_ ? start + extent - thickness : start;
    };
    if (vertical_) {
        // The minimum is at the bottom.
        const qreal y = bounds.bottom() - length - along * (bounds.height() - length);
        return {across(bounds.x(), bounds.width()), y, thickness, length};
    }
    const qreal x = bounds.x() + along * (bounds.width() - length);
    return {x, across(bounds.y(), bounds.height()), length, thickness};
}

qreal BGHUDSliderCell::fractionAt(const QRectF& bounds, const QPointF& point) const
{
    const qreal length = knobLength();
    const qreal travel = (vertical_ ? bounds.height() : bounds.width()) - length;
    if (travel <= 0)
        return 0;
    const qreal offset = vertical_ ? bounds.bottom() - length / 2 - point.y() : point.x() - bounds.x() - length / 2;
    return std::clamp(offset / travel, 0.0, 1.0);
}

void BGHUDSliderCell::drawBar(QPainter& painter, const QRectF& frame, const State& state) const
{
    if (sliderType_ != SliderType::Linear)
        return;
    const auto theme = this->theme();
    // A vertical track keeps its colours when disabled.
    const bool dimmed = !state.enabled && !vertical_;
    QPainterPath track;
    track.addRoundedRect(trackRect(frame), TrackRadius, TrackRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(track, dimmed ? theme->disabledSliderTrackColor() : theme->sliderTrackColor());
    painter.strokePath(track, QPen(dimmed ? theme->disabledStrokeColor() : theme->strokeColor(), 1.0));
    painter.restore();
}

void BGHUDSliderCell::drawKnob(QPainter& painter, const QRectF& frame, const State& state) const
{
    if (sliderType_ != SliderType::Linear)
        return;
    const auto theme = this->theme();
    const QRectF knob = knobRect(frame);
    const QPainterPath outline = knobPath(knob);
    const QPainterPath face = knobPath(knob.adjusted(1, 1, -1, -1));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame);
    if (state.enabled) {
        const BGShadow shadow = state.highlighted && state.showsFocusRing ? theme->focusRing() : theme->dropShadow();
        const auto fillOutline = [&](QPainter& target) {
            target.setRenderHint(QPainter::Antialiasing);
            target.fillPath(outline, theme->strokeColor());
        };
        shadow.castBy(painter, knob.adjusted(-1, -1, 1, 1), fillOutline);
        fillOutline(painter);
    } else {
        painter.fillPath(outline, theme->disabledStrokeColor());
    }
    const BGGradient fill = !state.enabled     ? theme->disabledKnobColor()
                            : state.highlighted ? theme->highlightKnobColor()
                                                : theme->knobColor();
    fill.fillPath(painter, face, 90);
    painter.restore();
}
