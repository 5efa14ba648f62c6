#include "BGGradient.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

BGGradient::BGGradient(const QColor& start, const QColor& end)
    : stops_{{0.0, start}, {1.0, end}}
{
}

BGGradient::BGGradient(const QColor& c1, const QColor& c2, const QColor& c3, const QColor& c4)
    : stops_{{0.0, c1}, {0.5, c2}, {0.5, c3}, {1.0, c4}}
{
}

namespace {

// cos/sin of right angles come out as tiny non-zero numbers; snapping them
// keeps axis-aligned ramps exactly on the rectangle's edges.
qreal snapped(qreal value)
{
    return std::abs(value) < 1e-9 ? 0.0 : value;
}

// Qt keeps only one colour per location, so the second of two stops at the
// same location (the bevel's hard step) moves a hair further along.
QGradientStops distinctStops(QGradientStops stops)
{
    for (qsizetype i = 1; i < stops.size(); ++i) {
        if (stops[i].first <= stops[i - 1].first)
            stops[i].first = std::min(1.0, stops[i - 1].first + 1e-6);
    }
    return stops;
}

}  // namespace

QLinearGradient BGGradient::linearGradient(const QRectF& bounds, qreal angle) const
{
    const qreal radians = qDegreesToRadians(angle);
    const QPointF direction(snapped(std::cos(radians)), snapped(std::sin(radians)));
    const qreal halfLength = (bounds.width() * std::abs(direction.x())
                              + bounds.height() * std::abs(direction.y())) / 2.0;
    const QPointF centre = bounds.center();
    QLinearGradient gradient(centre - direction * halfLength, centre + direction * halfLength);
    gradient.setStops(distinctStops(stops_));
    return gradient;
}

void BGGradient::fillRect(QPainter& painter, const QRectF& rect, qreal angle) const
{
    painter.fillRect(rect, linearGradient(rect, angle));
}

void BGGradient::fillPath(QPainter& painter, const QPainterPath& path, qreal angle) const
{
    painter.fillPath(path, linearGradient(path.boundingRect(), angle));
}

void BGGradient::fillPathRadially(QPainter& painter, const QPainterPath& path) const
{
    const QRectF bounds = path.boundingRect();
    const qreal radius = std::hypot(bounds.width(), bounds.height()) / 2.0;
    QRadialGradient gradient(bounds.center(), radius);
    gradient.setStops(distinctStops(stops_));
    painter.fillPath(path, gradient);
}
