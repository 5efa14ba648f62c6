#include "BGHUDTextFieldCell.h"

#include "BGHUDPaths.h"

#include <QPainter>

BGHUDTextFieldCell::BGHUDTextFieldCell(bool drawsBackground)
    : fillsBackground_(drawsBackground)
{
}

QRectF BGHUDTextFieldCell::outlineFrame(const QRectF& frame)
{
    return frame.adjusted(0.5, 0.5, -0.5, -0.5);
}

QPainterPath BGHUDTextFieldCell::outlinePath(const QRectF& frame) const
{
    const QRectF outline = outlineFrame(frame);
    if (bezelStyle_ == BezelStyle::Rounded)
        return BGHUDPaths::capsule(outline);
    return BGHUDPaths::roundedRect(outline, 3.0);
}

bool BGHUDTextFieldCell::drawsFocusGlow(const State& state) const
{
    return state.showsFirstResponder && state.inKeyWindow
           && focusRingType_ != FocusRingType::None;
}

QColor BGHUDTextFieldCell::borderColor(const State& state) const
{
    const auto theme = this->theme();
    return state.enabled ? theme->strokeColor() : theme->disabledStrokeColor();
}

QRectF BGHUDTextFieldCell::interiorFrame(const QRectF& frame) const
{
    QRectF interior = outlineFrame(frame);
    const bool rounded = bezelStyle_ == BezelStyle::Rounded;
    if (controlSize_ == BGControlSize::Regular && !rounded)
        interior.translate(0, 1);
    else if (controlSize_ == BGControlSize::Small && rounded)
        interior.translate(0, 1);
    else if (controlSize_ == BGControlSize::Mini && rounded)
        interior.translate(1, 0);
    return interior;
}

void BGHUDTextFieldCell::draw(QPainter& painter, const QRectF& frame, const State& state) const
{
    const QPainterPath outline = outlinePath(frame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (fillsBackground_)
        painter.fillPath(outline, theme()->textFillColor());
    if (bezeled_ || bordered_) {
        const QPen border(borderColor(state), 1.0);
        const auto strokeBorder = [&](QPainter& target) {
            target.setRenderHint(QPainter::Antialiasing);
            target.strokePath(outline, border);
        };
        if (drawsFocusGlow(state))
            theme()->focusRing().castBy(painter, outline.boundingRect().adjusted(-1, -1, 1, 1), strokeBorder);
        strokeBorder(painter);
    }
    painter.restore();
}

QPalette BGHUDTextFieldCell::textPalette(const QPalette& base, const State& state) const
{
    const auto theme = this->theme();
    QPalette palette = base;
    QColor text = theme->textColor();
    if (state.highlighted && !state.enabled)
        text = theme->disabledTextColor();
    else if (state.highlighted)
        text = state.inKeyWindow ? theme->selectionTextActiveColor() : theme->selectionTextInActiveColor();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, theme->disabledTextColor());
    palette.setColor(QPalette::Active, QPalette::Highlight, theme->selectionHighlightActiveColor());
    palette.setColor(QPalette::Inactive, QPalette::Highlight, theme->selectionHighlightInActiveColor());
    palette.setColor(QPalette::Active, QPalette::HighlightedText, theme->selectionTextActiveColor());
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, theme->selectionTextInActiveColor());
    palette.setColor(QPalette::All, QPalette::PlaceholderText, theme->placeholderTextColor());
    // The cell paints its own fill; the platform's background stays clear.
    palette.setColor(QPalette::All, QPalette::Base, Qt::transparent);
    return palette;
}
