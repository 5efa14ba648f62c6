#pragma once

#include <QPainterPath>
#include <QRectF>

// Outline shapes shared by the HUD cells.
namespace BGHUDPaths {

// A pill over `rect`: a half circle of radius h/2 at each end joined by
// straight lines. `centreDrop` moves both arc centres down (the buttons sit
// their capsule half a point low).
QPainterPath capsule(const QRectF& rect, qreal centreDrop = 0.0);

QPainterPath roundedRect(const QRectF& rect, qreal radius);

}  // namespace BGHUDPaths
