#include "BGHUDPaths.h"

namespace BGHUDPaths {

QPainterPath capsule(const QRectF& rect, qreal centreDrop)
{
    const qreal radius = rect.height() / 2.0;
    const qreal top = rect.y() + centreDrop;
    QPainterPath path;
    // Left end from its top point round through the left, then the right end
    // from its bottom point round through the right; closing joins the tops.
    path.arcMoveTo(QRectF(rect.x(), top, 2 * radius, 2 * radius), 90);
    path.arcTo(QRectF(rect.x(), top, 2 * radius, 2 * radius), 90, 180);
    path.arcTo(QRectF(rect.right() - 2 * radius, top, 2 * radius, 2 * radius), 270, 180);
    path.closeSubpath();
    return path;
}

QPainterPath roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

}  // namespace BGHUDPaths
