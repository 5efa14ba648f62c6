#include "BGHUDStepperCell.h"

#include "BWFlippedGeometry.h"

#include <QPainter>

namespace {

constexpr qreal Radius = 4.0;

// A quarter circle of radius 4 about `centre`, from `start` degrees
// counter-clockwise (y up), continuing the current subpath.
void arc(QPainterPath& path, const QPointF& centre, qreal start)
{
    const QRectF box(centre.x() - Radius, centre.y() - Radius, 2 * Radius, 2 * Radius);
    // QPainterPath measures angles for y down; with y up they run the other
    // way, so the sweep is negated to keep the same turn.
    path.arcTo(box, -start, -90);
}

QPolygonF toScreen(const QPolygonF& yUp, qreal height)
{
    QPolygonF screen;
    for (const QPointF& point : yUp)
        screen << BWFlippedGeometry::toScreen(point, height);
    return screen;
}

}  // namespace

QRectF BGHUDStepperCell::adjustFrame(const QRectF& frame)
{
    return {frame.x() + 3.5, frame.y() + 2, frame.width() - 7, frame.height() - 4};
}

bool BGHUDStepperCell::canDraw(const QRectF& body)
{
    return body.width() >= 2 * Radius && body.height() >= 2 * Radius;
}

QRectF BGHUDStepperCell::topHalf(const QRectF& bounds)
{
    return {bounds.x(), bounds.y() + bounds.height() / 2, bounds.width(), bounds.height() / 2};
}

QRectF BGHUDStepperCell::bottomHalf(const QRectF& bounds)
{
    return {bounds.x(), bounds.y(), bounds.width(), bounds.height() / 2};
}

QPainterPath BGHUDStepperCell::bodyPath(const QRectF& a)
{
    const qreal x = a.x(), y = a.y(), w = a.width(), h = a.height();
    QPainterPath path({x + w, y + Radius});
    path.lineTo(x + w, y + h - Radius);
    arc(path, {x + w - Radius, y + h - Radius}, 0);
    path.lineTo(x + Radius, y + h);
    arc(path, {x + Radius, y + h - Radius}, 90);
    path.lineTo(x, y + Radius);
    arc(path, {x + Radius, y + Radius}, 180);
    path.lineTo(x + w - Radius, y);
    arc(path, {x + w - Radius, y + Radius}, 270);
    path.closeSubpath();
    return path;
}

QPainterPath BGHUDStepperCell::topHalfPath(const QRectF& a)
{
    const qreal x = a.x(), y = a.y(), w = a.width(), h = a.height();
    QPainterPath path({x + w, y + h / 2});
    path.lineTo(x + w, y + h - Radius);
    arc(path, {x + w - Radius, y + h - Radius}, 0);
    path.lineTo(x + Radius, y + h);
    arc(path, {x + Radius, y + h - Radius}, 90);
    path.lineTo(x, y + h / 2);
    path.closeSubpath();
    return path;
}

QPainterPath BGHUDStepperCell::bottomHalfPath(const QRectF& a)
{
    const qreal x = a.x(), y = a.y(), w = a.width(), h = a.height();
    QPainterPath path({x, y + h / 2});
    path.lineTo(x, y + Radius);
    arc(path, {x + Radius, y + Radius}, 180);
    path.lineTo(x + w - Radius, y);
    arc(path, {x + w - Radius, y + Radius}, 270);
    path.lineTo(x + w, y + h / 2);
    path.closeSubpath();
    return path;
}

QPolygonF BGHUDStepperCell::topArrow(const QRectF& a)
{
    const qreal cx = a.x() + a.width() / 2, cy = a.y() + 3 * a.height() / 4;
    return QPolygonF({{cx, cy + 2}, {cx - 2.5, cy - 2}, {cx + 2.5, cy - 2}});
}

QPolygonF BGHUDStepperCell::bottomArrow(const QRectF& a)
{
    const qreal cx = a.x() + a.width() / 2, cy = a.y() + a.height() / 4;
    return QPolygonF({{cx - 2.5, cy + 2}, {cx + 2.5, cy + 2}, {cx, cy - 2}});
}

bool BGHUDStepperCell::startTracking(const QPointF& point, const QRectF& bounds)
{
    if (topHalf(bounds).contains(point)) {
        isTopDown_ = topPressed_ = true;
        return true;
    }
    if (bottomHalf(bounds).contains(point)) {
        isBottomDown_ = bottomPressed_ = true;
        return true;
    }
    return false;
}

bool BGHUDStepperCell::continueTracking(const QPointF& point, const QRectF& bounds)
{
    // Only the half the press began in can light up, and only while the
    // pointer is inside it.
    const auto follow = [&](bool pressed, bool& down, const QRectF& half) {
        const bool inside = pressed && half.contains(point);
        if (!pressed || down == inside)
            return false;
        down = inside;
        return true;
    };
    const bool topChanged = follow(topPressed_, isTopDown_, topHalf(bounds));
    const bool bottomChanged = follow(bottomPressed_, isBottomDown_, bottomHalf(bounds));
    return topChanged || bottomChanged;
}

bool BGHUDStepperCell::stopTracking()
{
    topPressed_ = bottomPressed_ = isTopDown_ = isBottomDown_ = false;
    return true;
}

void BGHUDStepperCell::draw(QPainter& painter, const QRectF& frame, qreal viewHeight, bool enabled) const
{
    const QRectF body = adjustFrame(frame);
    if (!canDraw(body))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawBody(painter, body, viewHeight, enabled);
    drawArrows(painter, body, viewHeight, enabled);
    painter.restore();
}

void BGHUDStepperCell::drawBody(QPainter& painter, const QRectF& body, qreal viewHeight, bool enabled) const
{
    const auto theme = this->theme();
    const QPainterPath outline = BWFlippedGeometry::toScreen(bodyPath(body), viewHeight);
    (enabled ? theme->normalGradient() : theme->disabledNormalComplexGradient()).fillPathRadially(painter, outline);
    if (enabled && isTopDown_)
        painter.fillPath(BWFlippedGeometry::toScreen(topHalfPath(body), viewHeight), theme->pushedSolidFill());
    else if (enabled && isBottomDown_)
        painter.fillPath(BWFlippedGeometry::toScreen(bottomHalfPath(body), viewHeight), theme->pushedSolidFill());

    const auto strokeDark = [&](QPainter& target) {
        target.setRenderHint(QPainter::Antialiasing);
        target.strokePath(outline, QPen(theme->darkStrokeColor(), 1.0));
    };
    if (enabled)
        theme->dropShadow().castBy(painter, outline.boundingRect().adjusted(-1, -1, 1, 1), strokeDark);
    strokeDark(painter);
    painter.strokePath(outline, QPen(enabled ? theme->strokeColor() : theme->disabledStrokeColor(), 1.0));
}

void BGHUDStepperCell::drawArrows(QPainter& painter, const QRectF& body, qreal viewHeight, bool enabled) const
{
    const auto theme = this->theme();
    const auto colour = [&](bool down) {
        if (!enabled)
            return theme->disabledStrokeColor();
        return down ? theme->darkStrokeColor() : theme->strokeColor();
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(isTopDown_));
    painter.drawPolygon(toScreen(topArrow(body), viewHeight));
    painter.setBrush(colour(isBottomDown_));
    painter.drawPolygon(toScreen(bottomArrow(body), viewHeight));
}
