#include "MAAttachedBubble.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

using Side = MAAttachedSide;

enum class Edge { Top, Right, Bottom, Left, None };
enum class ArrowSpot { Middle, StartEnd, FarEnd };

// Which edge carries the arrow, and where along it (walking the outline
// clockwise: the top edge rightwards, the right edge downwards and so on).
Edge arrowEdge(Side side)
{
    switch (side) {
    case Side::Below: case Side::BelowLeftwards: case Side::BelowRightwards: return Edge::Top;
    case Side::Left: case Side::LeftUpwards: case Side::LeftDownwards: return Edge::Right;
    case Side::Above: case Side::AboveLeftwards: case Side::AboveRightwards: return Edge::Bottom;
    case Side::Right: case Side::RightUpwards: case Side::RightDownwards: return Edge::Left;
    case Side::Automatic: break;
    }
    return Edge::None;
}

ArrowSpot arrowSpot(Side side)
{
    switch (side) {
    case Side::BelowRightwards: case Side::LeftDownwards: case Side::AboveLeftwards: case Side::RightUpwards:
        return ArrowSpot::StartEnd;
    case Side::BelowLeftwards: case Side::LeftUpwards: case Side::AboveRightwards: case Side::RightDownwards:
        return ArrowSpot::FarEnd;
    default:
        return ArrowSpot::Middle;
    }
}

// The side on the other side of the point, up and down or left and right.
Side acrossVertically(Side side)
{
    switch (side) {
    case Side::Below: return Side::Above;
    case Side::Above: return Side::Below;
    case Side::BelowRightwards: return Side::AboveRightwards;
    case Side::AboveRightwards: return Side::BelowRightwards;
    case Side::BelowLeftwards: return Side::AboveLeftwards;
    case Side::AboveLeftwards: return Side::BelowLeftwards;
    case Side::LeftUpwards: return Side::LeftDownwards;
    case Side::LeftDownwards: return Side::LeftUpwards;
    case Side::RightUpwards: return Side::RightDownwards;
    case Side::RightDownwards: return Side::RightUpwards;
    default: return side;
    }
}

Side acrossHorizontally(Side side)
{
    switch (side) {
    case Side::Left: return Side::Right;
    case Side::Right: return Side::Left;
    case Side::BelowRightwards: return Side::BelowLeftwards;
    case Side::BelowLeftwards: return Side::BelowRightwards;
    case Side::AboveRightwards: return Side::AboveLeftwards;
    case Side::AboveLeftwards: return Side::AboveRightwards;
    case Side::LeftUpwards: return Side::RightUpwards;
    case Side::RightUpwards: return Side::LeftUpwards;
    case Side::LeftDownwards: return Side::RightDownwards;
    case Side::RightDownwards: return Side::LeftDownwards;
    default: return side;
    }
}

enum Corner { TopLeft, TopRight, BottomRight, BottomLeft };

bool isCornerBesideArrow(Corner corner, Side side)
{
    switch (corner) {
    case TopLeft: return side == Side::RightDownwards || side == Side::BelowRightwards;
    case TopRight: return side == Side::LeftDownwards || side == Side::BelowLeftwards;
    case BottomRight: return side == Side::LeftUpwards || side == Side::AboveLeftwards;
    case BottomLeft: return side == Side::RightUpwards || side == Side::AboveRightwards;
    }
    return false;
}

// A quarter circle of radius r tangent to the line from the current point to
// `corner` and to the line from `corner` to `towards`, as a cubic curve.
void appendCornerArc(QPainterPath& path, const QPointF& corner, const QPointF& towards, qreal r)
{
    constexpr qreal kappa = 0.5522847498;
    const QPointF current = path.currentPosition();
    const auto unit = [](const QPointF& v) {
        const qreal length = std::hypot(v.x(), v.y());
        return length > 0 ? v / length : QPointF();
    };
    const QPointF start = corner + unit(current - corner) * r;
    const QPointF end = corner + unit(towards - corner) * r;
    path.lineTo(start);
    path.cubicTo(start + (corner - start) * kappa, end + (corner - end) * kappa, end);
}

}  // namespace

MAAttachedBubble::MAAttachedBubble(const QSizeF& viewSize)
    : m_viewSize(viewSize), m_fill(QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.75f))
{
}

qreal MAAttachedBubble::smallerViewSide() const
{
    return std::min(m_viewSize.width(), m_viewSize.height());
}

void MAAttachedBubble::setBorderWidth(qreal width)
{
    m_borderWidth = std::min(width, m_viewMargin);
}

void MAAttachedBubble::setViewMargin(qreal margin)
{
    m_viewMargin = std::max(margin, 0.0);
    setCornerRadius(m_cornerRadius);
}

void MAAttachedBubble::setCornerRadius(qreal radius)
{
    const qreal largest = (smallerViewSide() + 2 * m_viewMargin - m_arrowBaseWidth) * 0.5;
    m_cornerRadius = std::max(0.0, std::min(radius, largest));
    setArrowBaseWidth(m_arrowBaseWidth);
}

void MAAttachedBubble::setArrowBaseWidth(qreal width)
{
    qreal widest = smallerViewSide() + 2 * m_viewMargin - m_cornerRadius;
    if (m_roundCornerBesideArrow)
        widest -= m_cornerRadius;
    m_arrowBaseWidth = std::max(0.0, std::min(width, widest));
}

void MAAttachedBubble::setArrowHeight(qreal height)
{
    m_arrowHeight = std::max(height, 0.0);
}

qreal MAAttachedBubble::arrowInset() const
{
    return (m_roundCornerBesideArrow ? m_cornerRadius : 0.0) + m_arrowBaseWidth * 0.5;
}

MAAttachedBubble::Placement MAAttachedBubble::place(Side side, const QPointF& point, qreal distance) const
{
    const qreal m = m_viewMargin;
    const qreal a = m_arrowHeight;
    QRectF view(m, m, m_viewSize.width(), m_viewSize.height());
    qreal w = m_viewSize.width() + 2 * m;
    qreal h = m_viewSize.height() + 2 * m;
    switch (arrowEdge(side)) {
    case Edge::Right: w += a; break;
    case Edge::Top: h += a; break;
    case Edge::Left: view.moveLeft(view.left() + a); w += a; break;
    case Edge::Bottom: view.moveTop(view.top() + a); h += a; break;
    case Edge::None: break;
    }

    const qreal px = point.x();
    const qreal py = point.y();
    const qreal i = arrowInset();
    const qreal d = distance;
    QPointF origin = point;
    switch (side) {
    case Side::Left: origin = {px - w - d, py - h / 2}; break;
    case Side::LeftUpwards: origin = {px - w - d, py - i}; break;
    case Side::LeftDownwards: origin = {px - w - d, py - (h - i)}; break;
    case Side::Right: origin = {px + d, py - h / 2}; break;
    case Side::RightUpwards: origin = {px + d, py - i}; break;
    case Side::RightDownwards: origin = {px + d, py - h + i}; break;
    case Side::Below: origin = {px - w / 2, py - h - d}; break;
    case Side::BelowRightwards: origin = {px - i, py - h - d}; break;
    case Side::BelowLeftwards: origin = {px - (w - i), py - h - d}; break;
    case Side::Above: origin = {px - w / 2, py + d}; break;
    case Side::AboveRightwards: origin = {px - i, py + d}; break;
    case Side::AboveLeftwards: origin = {px - (w - i), py + d}; break;
    case Side::Automatic: break;
    }
    return {QRectF(origin, QSizeF(w, h)), view};
}

MAAttachedSide MAAttachedBubble::automaticSide(const QPointF& point, qreal distance, const QRectF& screenArea,
                                               const QRectF& reference) const
{
    const qreal px = point.x();
    const qreal py = point.y();
    const qreal sx = screenArea.x();
    const qreal sy = screenArea.y();
    const qreal sw = screenArea.width();
    const qreal sh = screenArea.height();
    const qreal w = m_viewSize.width() + 2 * m_viewMargin;
    const qreal h = m_viewSize.height() + 2 * m_viewMargin;
    const qreal reach = distance + m_arrowHeight;

    Side side = Side::Below;
    if (sy <= py - h - reach)
        side = Side::Below;
    else if (px + w + reach < sx + sw)
        side = Side::Right;
    else if (sx <= px - w - reach)
        side = Side::Left;
    else if (py + h + reach < sy + sh)
        side = Side::Above;

    const qreal i = arrowInset();
    const qreal rx = reference.x();
    const qreal ry = reference.y();
    if (side == Side::Left || side == Side::Right) {
        const bool left = side == Side::Left;
        if (ry > py - h / 2) {
            if (sy + sh > py + h - i)
                return left ? Side::LeftUpwards : Side::RightUpwards;
        } else if (py + h / 2 >= ry + reference.height() && py - h + i >= sy) {
            return left ? Side::LeftDownwards : Side::RightDownwards;
        }
        return side;
    }
    const bool below = side == Side::Below;
    if (rx > px - w / 2) {
        if (sx + sw > px + w - i)
            return below ? Side::BelowRightwards : Side::AboveRightwards;
    } else if (px + w / 2 >= rx + reference.width() && px - w + i >= sx) {
        return below ? Side::BelowLeftwards : Side::AboveLeftwards;
    }
    return side;
}

MAAttachedBubble::Aim MAAttachedBubble::aimWithin(Side side, const QPointF& point, const QPointF& pointAcross,
                                                  qreal distance, const QRectF& screenArea) const
{
    const auto fitsUpAndDown = [&](Side tried, const QPointF& at) {
        const QRectF frame = place(tried, at, distance).windowFrame;
        return frame.top() >= screenArea.top() && frame.bottom() <= screenArea.bottom();
    };
    const auto fitsAcross = [&](Side tried, const QPointF& at) {
        const QRectF frame = place(tried, at, distance).windowFrame;
        return frame.left() >= screenArea.left() && frame.right() <= screenArea.right();
    };
    Aim aim{side, false};
    if (!fitsUpAndDown(side, point) && fitsUpAndDown(acrossVertically(side), pointAcross))
        aim = {acrossVertically(side), true};
    const QPointF& at = aim.atPointAcross ? pointAcross : point;
    if (!fitsAcross(aim.side, at) && fitsAcross(acrossHorizontally(aim.side), at))
        aim.side = acrossHorizontally(aim.side);
    return aim;
}

QPainterPath MAAttachedBubble::outline(Side side, const QRectF& viewFrame) const
{
    const qreal r = m_cornerRadius;
    const qreal aw = m_arrowBaseWidth;
    const qreal haw = aw * 0.5;
    const qreal ah = m_arrowHeight;
    const QRectF content = viewFrame.adjusted(-m_viewMargin, -m_viewMargin, m_viewMargin, m_viewMargin);
    const qreal minX = std::ceil(content.left() + 0.5);
    const qreal maxX = std::floor(content.right() - 0.5);
    const qreal minY = std::ceil(content.top() + 0.5);
    const qreal maxY = std::floor(content.bottom() - 0.5);
    const qreal midX = content.center().x();
    const qreal midY = content.center().y();
    const auto rounded = [&](Corner corner) {
        return r > 0 && (m_roundCornerBesideArrow || !isCornerBesideArrow(corner, side));
    };
    const Edge edge = arrowEdge(side);
    const ArrowSpot spot = arrowSpot(side);

    QPainterPath path;
    const auto appendArrow = [&] {
        if (!m_hasArrow)
            return;
        const QPointF c = path.currentPosition();
        switch (edge) {
        case Edge::Top: path.lineTo(c.x() + haw, c.y() + ah); path.lineTo(c.x() + aw, c.y()); break;
        case Edge::Right: path.lineTo(c.x() + ah, c.y() - haw); path.lineTo(c.x(), c.y() - aw); break;
        case Edge::Bottom: path.lineTo(c.x() - haw, c.y() - ah); path.lineTo(c.x() - aw, c.y()); break;
        case Edge::Left: path.lineTo(c.x() - ah, c.y() + haw); path.lineTo(c.x(), c.y() + aw); break;
        case Edge::None: break;
        }
    };
    // One edge of the walk: the arrow (when it sits on this edge) at the
    // start, before the far end or around the middle, then on to the edge's
    // end and round the corner.
    const auto walkEdge = [&](Edge thisEdge, const QPointF& beforeFarEnd, const QPointF& beforeMiddle,
                              const QPointF& end, bool roundCorner, const QPointF& corner, const QPointF& towards) {
        if (edge == thisEdge) {
            if (spot == ArrowSpot::FarEnd)
                path.lineTo(beforeFarEnd);
            else if (spot == ArrowSpot::Middle)
                path.lineTo(beforeMiddle);
            appendArrow();
        }
        path.lineTo(end);
        if (roundCorner)
            appendCornerArc(path, corner, towards, r);
    };

    path.moveTo(rounded(TopLeft) ? minX + r : minX, maxY);

    const qreal topEnd = rounded(TopRight) ? maxX - r : maxX;
    walkEdge(Edge::Top, {topEnd - aw, maxY}, {midX - haw, maxY}, {topEnd, maxY}, rounded(TopRight),
             {maxX, maxY}, {maxX, maxY - r});

    const qreal rightEnd = rounded(BottomRight) ? minY + r : minY;
    walkEdge(Edge::Right, {maxX, rightEnd + aw}, {maxX, midY + haw}, {maxX, rightEnd}, rounded(BottomRight),
             {maxX, minY}, {maxX - r, minY});

    const qreal bottomEnd = rounded(BottomLeft) ? minX + r : minX;
    walkEdge(Edge::Bottom, {bottomEnd + aw, minY}, {midX + haw, minY}, {bottomEnd, minY}, rounded(BottomLeft),
             {minX, minY}, {minX, minY + r});

    const qreal leftEnd = rounded(TopLeft) ? maxY - r : maxY;
    walkEdge(Edge::Left, {minX, leftEnd - aw}, {minX, midY - haw}, {minX, leftEnd}, rounded(TopLeft),
             {minX, maxY}, {minX + r, maxY});

    path.closeSubpath();
    return path;
}

QImage MAAttachedBubble::render(Side side, const Placement& placement, qreal devicePixelRatio) const
{
    const QSize size = placement.windowFrame.size().toSize();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (image.isNull())
        return image;
    const QTransform yDown(1, 0, 0, -1, 0, size.height());
    const QPainterPath shape = yDown.map(outline(side, placement.viewFrame));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(shape);
    painter.fillPath(shape, m_fill);
    if (m_borderWidth > 0)
        painter.strokePath(shape, QPen(m_borderColor, m_borderWidth * 2));
    return image;
}
