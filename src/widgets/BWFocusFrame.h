#pragma once

class QColor;
class QPainter;
class QRectF;
class QWidget;

// The HUD theme's focus frame: the ring a self-painted control shows while
// it has the keyboard focus, so that a keyboard user sees where the keys go.
// It is two lines: the theme's focusFrameColor() outside, which stands out
// from the HUD's dark and mid-grey backgrounds, and a dark line inside it,
// which stands out from a light (pressed) fill.
namespace BWFocusFrame {

QColor innerColor();

// Draws the frame just inside `bounds` when `control` has the focus.
void paint(QPainter& painter, const QWidget& control, const QRectF& bounds);
// The same around the whole control.
void paint(QPainter& painter, const QWidget& control);

}  // namespace BWFocusFrame
