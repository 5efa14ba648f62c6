#pragma once

#include <QColor>
#include <QGradientStops>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// A colour ramp of the HUD look: either two colours (at 0 and 1) or the
// four-stop "bevel" form (0, 0.5, 0.5, 1) whose doubled middle stop gives a
// hard step across the shape.
class BGGradient {
public:
    BGGradient() = default;
    BGGradient(const QColor& start, const QColor& end);
    BGGradient(const QColor& c1, const QColor& c2, const QColor& c3, const QColor& c4);

    QGradientStops stops() const { return stops_; }
    bool operator==(const BGGradient& other) const { return stops_ == other.stops_; }

    // The gradient laid across `bounds` at `angle` degrees in the painter's own
    // coordinates (y down): the ramp runs along (cos a, sin a), so 90 puts
    // location 0 at the top edge. The end points are the projections of the
    // rectangle's corners, so the ramp spans the whole rectangle at any angle.
    QLinearGradient linearGradient(const QRectF& bounds, qreal angle) const;

    void fillRect(QPainter& painter, const QRectF& rect, qreal angle) const;
    // Fills the path, laying the ramp across the path's bounding rectangle.
    void fillPath(QPainter& painter, const QPainterPath& path, qreal angle) const;
    // Fills the path with the ramp running outwards from the centre of its
    // bounding rectangle to the rectangle's corners.
    void fillPathRadially(QPainter& painter, const QPainterPath& path) const;

private:
    QGradientStops stops_;
};
