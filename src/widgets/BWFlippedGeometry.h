#pragma once

#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Several of the HUD views describe their geometry with y growing upwards
// (origin at the bottom-left corner). Qt paints with y growing downwards;
// every such coordinate goes through these functions, so the conversion lives
// in one place. `height` is the height of the view the geometry belongs to.
namespace BWFlippedGeometry {

QPointF toScreen(const QPointF& yUpPoint, qreal height);
QRectF toScreen(const QRectF& yUpRect, qreal height);
QLineF toScreen(const QLineF& yUpLine, qreal height);
QPainterPath toScreen(const QPainterPath& yUpPath, qreal height);
// The way back, for a rectangle Qt hands out (a widget's rect).
QRectF fromScreen(const QRectF& screenRect, qreal height);

// A shadow offset or other displacement: only the sign of y changes.
QPointF offsetToScreen(const QPointF& yUpOffset);

// A gradient angle measured counter-clockwise with y up becomes the same
// direction measured with y down: 90 (ramp starts at the bottom) becomes 270.
qreal angleToScreen(qreal yUpDegrees);

}  // namespace BWFlippedGeometry
