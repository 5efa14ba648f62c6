#include "BGHUDSegmentedCell.h"

#include "BGHUDPaths.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr qreal OutlineRadius = 4.0;
constexpr qreal SegmentRadius = 3.0;
constexpr qreal ImageLabelGap = 5.0;
constexpr qreal LabelMinimumX = 3.0;

}  // namespace

void BGHUDSegmentedCell::setSegmentStyle(int style)
{
    if (style == Rounded || style == SmallSquare)
        segmentStyle_ = style;
}

bool BGHUDSegmentedCell::hasText() const
{
    return std::any_of(segments_.begin(), segments_.end(),
                       [](const Segment& segment) { return segment.label && !segment.label->isEmpty(); });
}

QFont BGHUDSegmentedCell::labelFont(const QFont& base) const
{
    QFont font = base;
    font.setPixelSize(bgSystemFontPixelSize(controlSize_));
    return font;
}

QRectF BGHUDSegmentedCell::outlineFrame(const QRectF& f)
{
    return {f.x() + 1.5, f.y() + 0.5, f.width() - 3, f.height() - 3};
}

QPainterPath BGHUDSegmentedCell::outlinePath(const QRectF& outline) const
{
    if (segmentStyle_ == Rounded)
        return BGHUDPaths::roundedRect(outline, OutlineRadius);
    QPainterPath path;
    path.addRect(outline);
    return path;
}

QRectF BGHUDSegmentedCell::segmentRect(int index, const QRectF& outline) const
{
    const qsizetype count = std::max<qsizetype>(1, segments_.size());
    const qreal width = outline.width() / count;
    QRectF rect(outline.x() + index * width, outline.y(), width, outline.height());
    const bool last = index == segments_.size() - 1;
    const bool singleRounded = segmentStyle_ == Rounded && index == 0;
    if (last && !hasText() && !singleRounded)
        rect.setWidth(rect.width() - 3);
    return rect;
}

QPainterPath BGHUDSegmentedCell::segmentPath(int index, const QRectF& r) const
{
    QPainterPath path;
    const bool last = index == segments_.size() - 1;
    if (segmentStyle_ == Rounded && index == 0) {
        path = BGHUDPaths::roundedRect(r, SegmentRadius);
        QPainterPath square;
        square.addRect(r.x() + 4, r.y(), r.width() - 4, r.height());
        return path.united(square);
    }
    if (segmentStyle_ == Rounded && last) {
        path = BGHUDPaths::roundedRect(r, SegmentRadius);
        QPainterPath square;
        square.addRect(r.x(), r.y(), r.width() - 4, r.height());
        return path.united(square);
    }
    path.addRect(r);
    return path;
}

QSizeF BGHUDSegmentedCell::imageSize(const Segment& segment, const QRectF& rect) const
{
    const QSizeF own = segment.image.deviceIndependentSize();
    if (segment.imageScaling != ProportionallyDown)
        return own;
    // An image without height, or a segment too low for one, shows nothing.
    const qreal height = rect.height() - 4;
    if (own.height() <= 0 || height <= 0)
        return {};
    return {own.width() * height / own.height(), height};
}

BGHUDSegmentedCell::Interior BGHUDSegmentedCell::interior(int index, const QRectF& r, const QSizeF& t) const
{
    const Segment& segment = segments_.at(index);
    const QString label = segment.label.value_or(QString());
    const qreal cx = r.x() + r.width() / 2, cy = r.y() + r.height() / 2;
    Interior placed;
    if (segment.image.isNull()) {
        placed.label = QRectF(std::max(cx - t.width() / 2, LabelMinimumX), cy - t.height() / 2, t.width(), t.height());
        return placed;
    }
    const QSizeF i = imageSize(segment, r);
    if (label.isEmpty()) {
        placed.image = QRectF(cx - i.width() / 2, cy - i.height() / 2, i.width(), i.height());
        return placed;
    }
    const qreal group = i.width() + ImageLabelGap + t.width();
    placed.image = QRectF(cx - group / 2, cy - i.height() / 2, i.width(), i.height());
    placed.label = QRectF(placed.image.x() + i.width() + ImageLabelGap, cy - t.height() / 2, t.width(), t.height());
    return placed;
}

void BGHUDSegmentedCell::draw(QPainter& painter, const QRectF& frame, const QFont& font, bool enabled) const
{
    const auto theme = this->theme();
    const QRectF outline = outlineFrame(frame);
    const QPainterPath path = outlinePath(outline);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto stroke = [&](QPainter& target) {
        target.setRenderHint(QPainter::Antialiasing);
        target.strokePath(path, QPen(theme->strokeColor(), 1.0));
    };
    if (enabled)
        theme->dropShadow().castBy(painter, outline.adjusted(-1, -1, 1, 1), stroke);
    stroke(painter);
    for (int index = 0; index < segments_.size(); ++index)
        drawSegment(painter, index, outline, font, enabled);
    painter.restore();
}

void BGHUDSegmentedCell::drawSegment(QPainter& painter, int index, const QRectF& outline, const QFont& font,
                                     bool enabled) const
{
    const auto theme = this->theme();
    const QRectF r = segmentRect(index, outline);
    const BGGradient fill = !enabled ? theme->disabledNormalGradient()
                            : index == selected_ ? theme->highlightGradient()
                                                 : theme->normalGradient();
    fill.fillPath(painter, segmentPath(index, r), 90);
    if (index != segments_.size() - 1) {
        painter.setPen(QPen(theme->strokeColor(), 1.0));
        painter.drawLine(QPointF(r.right(), r.y()), QPointF(r.right(), r.bottom()));
    }
    drawInterior(painter, index, r, font, enabled);
}

void BGHUDSegmentedCell::drawInterior(QPainter& painter, int index, const QRectF& r, const QFont& font,
                                      bool enabled) const
{
    const auto theme = this->theme();
    const Segment& segment = segments_.at(index);
    const QString label = segment.label.value_or(QString());
    const QFont shown = labelFont(font);
    const QFontMetricsF metrics(shown);
    const QSizeF textSize(metrics.horizontalAdvance(label), metrics.height());
    const Interior placed = interior(index, r, textSize);
    if (!placed.image.isEmpty()) {
        painter.save();
        // The image shows only over the segment's fill.
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.setOpacity(theme->alphaValue());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(placed.image, segment.image);
        painter.restore();
    }
    if (!label.isEmpty()) {
        painter.setFont(shown);
        painter.setPen(enabled ? segment.labelColor.value_or(theme->textColor()) : theme->disabledTextColor());
        painter.drawText(placed.label, Qt::AlignLeft | Qt::AlignVCenter, label);
    }
}
