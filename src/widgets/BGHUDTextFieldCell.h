#pragma once

#include "BGControlSize.h"
#include "BGThemeKeyed.h"

#include <QPainterPath>
#include <QPalette>
#include <QRectF>

class QPainter;

// Painter of the HUD text field: a thin rounded frame, an optional dark fill
// and a light one-point border that glows white while the field has focus.
// The text itself is left to the host widget, whose colours come from
// textPalette().
class BGHUDTextFieldCell : public BGThemeKeyed {
public:
    enum class BezelStyle { Square = 0, Rounded = 1 };
    enum class FocusRingType { Default = 0, None = 1, Exterior = 2 };

    // What the host knows at drawing time.
    struct State {
        bool enabled = true;
        bool highlighted = false;
        bool showsFirstResponder = false;  // the field has keyboard focus
        bool inKeyWindow = true;           // its window is the active one
    };

    // The field's own background switch becomes the cell's fill switch: the
    // platform background is never painted, the theme's dark fill is.
    explicit BGHUDTextFieldCell(bool drawsBackground = false);

    bool fillsBackground() const { return fillsBackground_; }
    void setFillsBackground(bool fills) { fillsBackground_ = fills; }
    BezelStyle bezelStyle() const { return bezelStyle_; }
    void setBezelStyle(BezelStyle style) { bezelStyle_ = style; }
    bool isBezeled() const { return bezeled_; }
    void setBezeled(bool bezeled) { bezeled_ = bezeled; }
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered) { bordered_ = bordered; }
    BGControlSize controlSize() const { return controlSize_; }
    void setControlSize(BGControlSize size) { controlSize_ = size; }
    FocusRingType focusRingType() const { return focusRingType_; }
    void setFocusRingType(FocusRingType type) { focusRingType_ = type; }

    // Drawing steps, each checkable on its own.
    static QRectF outlineFrame(const QRectF& frame);
    QPainterPath outlinePath(const QRectF& frame) const;
    bool drawsFocusGlow(const State& state) const;
    QColor borderColor(const State& state) const;
    QRectF interiorFrame(const QRectF& frame) const;

    // Fill, border and focus glow for `frame`.
    void draw(QPainter& painter, const QRectF& frame, const State& state) const;

    // `base` with the text, caret, selection and placeholder colours of the
    // theme; the host's text is painted with it.
    QPalette textPalette(const QPalette& base, const State& state) const;

private:
    bool fillsBackground_;
    BezelStyle bezelStyle_ = BezelStyle::Square;
    bool bezeled_ = true;
    bool bordered_ = false;
    BGControlSize controlSize_ = BGControlSize::Regular;
    FocusRingType focusRingType_ = FocusRingType::Default;
};
