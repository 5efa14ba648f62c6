#include "BGHUDTableViewHeaderCell.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Size and right margin of the sort triangle's area before it is trimmed.
constexpr qreal IndicatorSide = 9.0;
constexpr qreal IndicatorRightMargin = 4.0;

}  // namespace

QRectF BGHUDTableViewHeaderCell::fillFrame(const QRectF& frame)
{
    return {frame.x(), frame.y() + 1, frame.width() - 1, frame.height() - 2};
}

QRectF BGHUDTableViewHeaderCell::titleFrame(const QRectF& frame) const
{
    const qreal fontSize = QFontInfo(font_).pixelSize();
    return {frame.x() + 2, frame.y() + frame.height() / 2 - fontSize / 2 - 2, frame.width(), frame.height()};
}

QRectF BGHUDTableViewHeaderCell::sortIndicatorRect(const QRectF& frame)
{
    // The triangle's area is laid out in the header taken one point higher
    // and two taller, then trimmed by 2 in width and 1 in height.
    const QRectF bounds(frame.x(), frame.y() - 1, frame.width(), frame.height() + 2);
    const QRectF area(bounds.right() - IndicatorRightMargin - IndicatorSide,
                      bounds.y() + (bounds.height() - IndicatorSide) / 2, IndicatorSide, IndicatorSide);
    return {area.x(), area.y(), area.width() - 2, area.height() - 1};
}

QPolygonF BGHUDTableViewHeaderCell::sortIndicator(const QRectF& s, bool ascending)
{
    const qreal x = s.x(), y = s.y(), w = s.width(), h = s.height();
    if (ascending)
        return QPolygonF({{x, y + h - 2}, {x + w, y + h - 2}, {x + w / 2, y}});
    return QPolygonF({{x, y}, {x + w, y}, {x + w / 2, y + h - 2}});
}

void BGHUDTableViewHeaderCell::drawBackground(QPainter& painter, const QRectF& frame, bool highlighted) const
{
    const auto theme = this->theme();
    painter.fillRect(frame, theme->tableHeaderCellBorderColor());
    const BGGradient fill = highlighted ? theme->tableHeaderCellSelectedFill() : theme->tableHeaderCellNormalFill();
    fill.fillRect(painter, fillFrame(frame), 90);
}

void BGHUDTableViewHeaderCell::drawTitle(QPainter& painter, const QRectF& frame) const
{
    const QRectF titleArea = titleFrame(frame);
    painter.save();
    painter.setClipRect(frame);
    painter.setFont(font_);
    painter.setPen(textColor());
    const QString shown = QFontMetricsF(font_).elidedText(title_, Qt::ElideRight, frame.width() - 4);
    const Qt::Alignment horizontal = alignment_ & Qt::AlignHorizontal_Mask;
    painter.drawText(titleArea.adjusted(0, 0, -4, 0), int(horizontal ? horizontal : Qt::AlignLeft) | Qt::AlignTop,
                     shown);
    painter.restore();
}

void BGHUDTableViewHeaderCell::drawSortIndicator(QPainter& painter, const QRectF& frame, bool ascending, int priority,
                                                 bool enabled) const
{
    if (priority != 0)
        return;
    const auto theme = this->theme();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled ? theme->textColor() : theme->disabledTextColor());
    painter.drawPolygon(sortIndicator(sortIndicatorRect(frame), ascending));
    painter.restore();
}
