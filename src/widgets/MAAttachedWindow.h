#pragma once

#include "MAAttachedBubble.h"
#include "MAAttachedSide.h"

#include <QPointer>
#include <QWidget>

// A borderless, see-through window that shows one view inside a bubble whose
// arrow points at a point of another window (or of the screen). It sizes
// itself around the view, places itself so that the arrow touches the point
// and follows the other window when that moves. The owner shows and hides it.
class MAAttachedWindow : public QWidget
{
    Q_OBJECT

public:
    // The view moves into the bubble. `point` is in `window`'s coordinates,
    // or in screen coordinates without a window; the bubble becomes a tool
    // window of `window`'s top-level window, which then owns it. Without a
    // view there is no bubble: the answer is null.
    static MAAttachedWindow* create(QWidget* view, const QPointF& point, QWidget* window, MAAttachedSide side,
                                    qreal distance = 0);
    static MAAttachedWindow* create(QWidget* view, const QPointF& point, QWidget* window = nullptr,
                                    qreal distance = 0);

    QWidget* view() const { return m_view; }
    QPointF point() const { return m_point; }
    MAAttachedSide side() const { return m_side; }
    qreal distance() const { return m_distance; }
    // Moves the bubble; the automatic side is not resolved here.
    void setPoint(const QPointF& point, MAAttachedSide side);
    // Moves the bubble to `side` of the point, or across to `pointAcross`
    // (both in the window's coordinates) where only that has room on the
    // screen (MAAttachedBubble::aimWithin), and from then on keeps it inside
    // the screen's available area.
    void setPointWithinScreen(const QPointF& point, const QPointF& pointAcross, MAAttachedSide side);

    QColor windowBackgroundColor() const { return m_bubble.fill().color(); }
    void setBackgroundColor(const QColor& color);
    // Fills the bubble with the image as a pattern; a null image changes nothing.
    void setBackgroundImage(const QImage& image);
    QColor borderColor() const { return m_bubble.borderColor(); }
    void setBorderColor(const QColor& color);
    qreal borderWidth() const { return m_bubble.borderWidth(); }
    void setBorderWidth(qreal width);
    qreal viewMargin() const { return m_bubble.viewMargin(); }
    void setViewMargin(qreal margin);
    qreal cornerRadius() const { return m_bubble.cornerRadius(); }
    void setCornerRadius(qreal radius);
    qreal arrowBaseWidth() const { return m_bubble.arrowBaseWidth(); }
    void setArrowBaseWidth(qreal width);
    qreal arrowHeight() const { return m_bubble.arrowHeight(); }
    void setArrowHeight(qreal height);
    bool hasArrow() const { return m_bubble.hasArrow(); }
    void setHasArrow(bool hasArrow);
    bool drawsRoundCornerBesideArrow() const { return m_bubble.drawsRoundCornerBesideArrow(); }
    void setDrawsRoundCornerBesideArrow(bool round);

    // The popovers' look: the dark HUD fill, nearly opaque, a thin border in
    // the theme's stroke colour and rounded corners.
    void useHUDLook();

    const MAAttachedBubble& bubble() const { return m_bubble; }
    // The current placement, y up (window frame in screen space).
    MAAttachedBubble::Placement placement() const { return m_placement; }
    // The point in screen space, y up.
    QPointF screenPoint() const;
    // A point of the window (of the screen without one) in screen space, y up.
    QPointF screenPointOf(const QPointF& point) const;
    // The bubble as painted, at the window's device pixel ratio.
    QImage bubbleImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MAAttachedWindow(QWidget* view, const QPointF& point, QWidget* window, MAAttachedSide side, qreal distance);

    MAAttachedSide bestSideForAutomaticPosition() const;
    QRect availableScreenArea() const;
    void placeWindow();
    void updateShape();
    void redisplay();

    MAAttachedBubble m_bubble;
    MAAttachedBubble::Placement m_placement;
    QWidget* m_view;
    QPointer<QWidget> m_window;
    QPointF m_point;
    MAAttachedSide m_side;
    qreal m_distance;
    bool m_resizing = false;
    bool m_keptOnScreen = false;
};
