#pragma once

#include <QRectF>

class QPropertyAnimation;
class QWidget;

// Placement of a view inside its parent: at a corner, flush with the top or
// bottom edge, just outside one of the four edges, or stretched to the
// parent's full height or width; at once or slid there over 0.4 seconds. A
// view that slides out of sight is hidden when its slide ends.
//
// Frames and distances here are measured with y growing upwards from the
// parent's bottom edge, the way the window's pane layout is described. A view
// without a parent measures against an all-zero parent frame.
//
// One view runs at most one slide: any new placement stops the running one,
// whose end then neither completes the move nor hides the view.
namespace BWAnimatingView {

inline constexpr int animationDurationMs = 400;

qreal defaultPadding(const QWidget* view);
qreal topDistance(const QWidget* view);
qreal leftDistance(const QWidget* view);
qreal rightDistance(const QWidget* view);
qreal bottomDistance(const QWidget* view);
qreal flushTop(const QWidget* view);
qreal flushBottom(const QWidget* view);
qreal offTop(const QWidget* view);
qreal offBottom(const QWidget* view);
qreal offLeft(const QWidget* view);
qreal offRight(const QWidget* view);

// The view's frame in its parent, y up.
QRectF frame(const QWidget* view);

void setLocationTopLeftAnimated(QWidget* view, bool animated, qreal padding);
// x follows the parent's own position in its parent.
void setAbsoluteLocationTopLeftAnimated(QWidget* view, bool animated, qreal padding);
void setLocationTopRightAnimated(QWidget* view, bool animated, qreal padding);
void setLocationBottomLeftAnimated(QWidget* view, bool animated);
void setLocationBottomRightAnimated(QWidget* view, bool animated);
void setLocationFlushTopAnimated(QWidget* view, bool animated);
void setLocationFlushBottomAnimated(QWidget* view, bool animated);
// Off-screen placements hide the view at the end of an animated slide.
void setLocationOffScreenTopAnimated(QWidget* view, bool animated);
void setLocationOffScreenBottomAnimated(QWidget* view, bool animated);
void setAbsoluteLocationOffScreenBottomAnimated(QWidget* view, bool animated);
void setLocationOffScreenLeftAnimated(QWidget* view, bool animated);
void setLocationOffScreenRightAnimated(QWidget* view, bool animated);
void maximizeItemHeightAnimated(QWidget* view, bool animated, qreal padding);
void maximizeItemWidthAnimated(QWidget* view, bool animated, qreal padding);

// Shows the view and slides it to `yUpFrame` over `durationMs`; hides it at
// the end when `remove` is set.
void setFrameAnimated(QWidget* view, const QRectF& yUpFrame, bool remove, int durationMs = animationDurationMs);

// The slide the view is running, or null.
QPropertyAnimation* runningAnimation(const QWidget* view);

}  // namespace BWAnimatingView
