#include "BWFlippedGeometry.h"

#include <QTransform>
#include <cmath>

namespace BWFlippedGeometry {

QPointF toScreen(const QPointF& yUpPoint, qreal height)
{
    return {yUpPoint.x(), height - yUpPoint.y()};
}

QRectF toScreen(const QRectF& yUpRect, qreal height)
{
    return {yUpRect.x(), height - yUpRect.y() - yUpRect.height(), yUpRect.width(), yUpRect.height()};
}

QLineF toScreen(const QLineF& yUpLine, qreal height)
{
    return {toScreen(yUpLine.p1(), height), toScreen(yUpLine.p2(), height)};
}

QPainterPath toScreen(const QPainterPath& yUpPath, qreal height)
{
    return QTransform(1, 0, 0, -1, 0, height).map(yUpPath);
}

QRectF fromScreen(const QRectF& screenRect, qreal height)
{
    // Mirroring about the middle of the view is its own inverse.
    return toScreen(screenRect, height);
}

QPointF offsetToScreen(const QPointF& yUpOffset)
{
    return {yUpOffset.x(), -yUpOffset.y() + 0.0};
}

qreal angleToScreen(qreal yUpDegrees)
{
    const qreal turned = std::fmod(360.0 - yUpDegrees, 360.0);
    return turned < 0 ? turned + 360.0 : turned;
}

}  // namespace BWFlippedGeometry
