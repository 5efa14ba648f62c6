#include "BGHUDGradientLook.h"

#include "BGShadow.h"
#include "BWFlippedGeometry.h"

#include <QPainter>

BGGradient BGHUDGradientLook::ownGradient() const
{
    return customGradient_ ? *customGradient_ : BGGradient(color1_, color2_);
}

QLineF BGHUDGradientLook::edgeLine(Edge edge, const QRectF& r)
{
    const qreal minX = r.x(), maxX = r.x() + r.width();
    const qreal minY = r.y(), maxY = r.y() + r.height();
    switch (edge) {
    case Edge::Top:
        return {minX, maxY, maxX, maxY};
    case Edge::Bottom:
        return {minX, minY, maxX, minY};
    case Edge::Left:
        return {minX, minY, minX, maxY};
    case Edge::Right:
        break;
    }
    return {maxX, minY, maxX, maxY};
}

QPointF BGHUDGradientLook::shadowOffset(Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return {0, -1};
    case Edge::Bottom:
        return {0, 1};
    case Edge::Left:
        return {1, 0};
    case Edge::Right:
        break;
    }
    return {-1, 0};
}

void BGHUDGradientLook::drawEdges(QPainter& painter, const QRectF& rect, qreal viewHeight) const
{
    const QRectF inset = BWFlippedGeometry::fromScreen(rect, viewHeight).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPen pen(borderColor_, 1.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Edge edge : {Edge::Top, Edge::Bottom, Edge::Left, Edge::Right}) {
        if (!borders_[int(edge)])
            continue;
        const QLineF line = BWFlippedGeometry::toScreen(edgeLine(edge, inset), viewHeight);
        const auto stroke = [&](QPainter& target) {
            target.setPen(pen);
            target.drawLine(line);
        };
        if (shadows_[int(edge)]) {
            const BGShadow shadow(shadowColor_, EdgeShadowBlur, shadowOffset(edge));
            shadow.castBy(painter, QRectF(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1), stroke);
        }
        stroke(painter);
    }
    painter.restore();
}

void BGHUDGradientLook::strokeFrame(QPainter& painter, const QRectF& r, const QColor& color)
{
    // The frame replaces what lies beneath it rather than blending with the
    // fill, so its colour is exactly the stroke colour.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRectF(r.x(), r.y(), r.width(), 1), color);
    painter.fillRect(QRectF(r.x(), r.bottom() - 1, r.width(), 1), color);
    painter.fillRect(QRectF(r.x(), r.y() + 1, 1, r.height() - 2), color);
    painter.fillRect(QRectF(r.right() - 1, r.y() + 1, 1, r.height() - 2), color);
    painter.restore();
}
