#include "BGHUDComboBoxCell.h"

#include "BGHUDPaths.h"

#include <QPainter>

namespace {

constexpr qreal CornerRadius = 3.0;

qreal narrowing(BGControlSize size)
{
    switch (size) {
    case BGControlSize::Regular: return 21;
    case BGControlSize::Small: return 18;
    case BGControlSize::Mini: return 15;
    }
    return 0;
}

}  // namespace

QRectF BGHUDComboBoxCell::insetFrame(const QRectF& frame)
{
    return frame.adjusted(1.5, 1.5, -1.5, -1.5);
}

QPainterPath BGHUDComboBoxCell::framePath(const QRectF& frame) const
{
    const QRectF inset = insetFrame(frame);
    if (bezelStyle() == BezelStyle::Rounded)
        return BGHUDPaths::capsule(inset);
    return BGHUDPaths::roundedRect(inset, CornerRadius);
}

qreal BGHUDComboBoxCell::buttonWidth(BGControlSize size)
{
    return narrowing(size) - 1;
}

QRectF BGHUDComboBoxCell::buttonRect(const QRectF& f) const
{
    const qreal width = buttonWidth(controlSize());
    return {f.x() + f.width() - width, f.y(), width, f.height()};
}

QPainterPath BGHUDComboBoxCell::buttonPath(const QRectF& f) const
{
    const QRectF button = buttonRect(f);
    QPainterPath path = BGHUDPaths::roundedRect(button, CornerRadius);
    QPainterPath leftHalf;
    leftHalf.addRect(button.x(), button.y(), button.width() / 2, button.height());
    return path.united(leftHalf);
}

QPolygonF BGHUDComboBoxCell::arrow(const QRectF& f) const
{
    const bool mini = controlSize() == BGControlSize::Mini;
    const qreal origin = f.x() + f.width() - narrowing(controlSize());
    const qreal cx = origin + narrowing(controlSize()) / 2;
    const qreal halfWidth = mini ? 2.5 : 3.5, halfHeight = mini ? 1.5 : 2.5;
    const qreal cy = f.y() + f.height() / 2;
    return QPolygonF({{cx - halfWidth, cy - halfHeight}, {cx + halfWidth, cy - halfHeight}, {cx, cy + halfHeight}});
}

QRectF BGHUDComboBoxCell::textFrame(const QRectF& frame) const
{
    const QRectF inset = insetFrame(frame);
    return {inset.x(), inset.y(), inset.width() - narrowing(controlSize()), inset.height()};
}

void BGHUDComboBoxCell::draw(QPainter& painter, const QRectF& frame, const State& state) const
{
    const auto theme = this->theme();
    const QPainterPath outline = framePath(frame);
    const QRectF inset = insetFrame(frame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (fillsBackground())
        painter.fillPath(outline, theme->textFillColor());
    if (isBezeled() || isBordered()) {
        // The border keeps its colour when disabled; only the arrow dims.
        const QPen border(theme->strokeColor(), 1.0);
        const auto strokeBorder = [&](QPainter& target) {
            target.setRenderHint(QPainter::Antialiasing);
            target.strokePath(outline, border);
        };
        if (drawsFocusGlow(state))
            theme->focusRing().castBy(painter, outline.boundingRect().adjusted(-1, -1, 1, 1), strokeBorder);
        strokeBorder(painter);
    }
    theme->normalGradient().fillPath(painter, buttonPath(inset), 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(state.enabled ? theme->strokeColor() : theme->disabledStrokeColor());
    painter.drawPolygon(arrow(inset));
    painter.restore();
}
