#pragma once

#include "MAAttachedSide.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

// The shape of an attached window: a rounded bubble around a view with an
// arrow on one edge. It knows the view's size and the bubble's measures and
// answers where the window goes, which side suits a point and what the
// bubble looks like. All geometry here is measured with y growing upwards:
// window frames in screen space, paths and view frames in the window.
//
// The setters keep the measures consistent: no negative lengths, a border no
// wider than the margin, corners and arrow that fit the bubble's edge.
class MAAttachedBubble
{
public:
    struct Placement
    {
        QRectF windowFrame;  // in screen space
        QRectF viewFrame;    // in the window
    };

    explicit MAAttachedBubble(const QSizeF& viewSize = {});

    QSizeF viewSize() const { return m_viewSize; }
    void setViewSize(const QSizeF& size) { m_viewSize = size; }

    QBrush fill() const { return m_fill; }
    void setFill(const QBrush& fill) { m_fill = fill; }
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color) { m_borderColor = color; }
    qreal borderWidth() const { return m_borderWidth; }
    void setBorderWidth(qreal width);
    qreal viewMargin() const { return m_viewMargin; }
    void setViewMargin(qreal margin);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);
    qreal arrowBaseWidth() const { return m_arrowBaseWidth; }
    void setArrowBaseWidth(qreal width);
    qreal arrowHeight() const { return m_arrowHeight; }
    void setArrowHeight(qreal height);
    bool hasArrow() const { return m_hasArrow; }
    void setHasArrow(bool hasArrow) { m_hasArrow = hasArrow; }
    bool drawsRoundCornerBesideArrow() const { return m_roundCornerBesideArrow; }
    void setDrawsRoundCornerBesideArrow(bool round) { m_roundCornerBesideArrow = round; }

    // From a bubble edge's end to the middle of an arrow at that end.
    qreal arrowInset() const;

    // The window frame that puts the arrow's tip `distance` away from
    // `point`, and the view's frame inside it. The arrow's room is reserved
    // whether or not the arrow is drawn.
    Placement place(MAAttachedSide side, const QPointF& point, qreal distance) const;

    // The side with room for the bubble inside `screenArea`, preferring below,
    // then right, left and above; a bubble centred beside the point that
    // would reach past `reference` (the attached-to window, or the screen
    // area) runs from the point the other way instead.
    MAAttachedSide automaticSide(const QPointF& point, qreal distance, const QRectF& screenArea,
                                 const QRectF& reference) const;
    // Where a bubble that prefers `side` of `point` goes to stay inside
    // `screenArea`: across, above for below and the other way round,
    // pointing at `pointAcross` (the other edge of what it points at), where
    // only that has room up and down; then leftwards for rightwards and the
    // other way round where only that has room across.
    struct Aim
    {
        MAAttachedSide side;
        bool atPointAcross = false;
    };
    Aim aimWithin(MAAttachedSide side, const QPointF& point, const QPointF& pointAcross, qreal distance,
                  const QRectF& screenArea) const;

    // The bubble's outline inside a window whose view sits at `viewFrame`,
    // edges on pixel centres.
    QPainterPath outline(MAAttachedSide side, const QRectF& viewFrame) const;
    // The bubble as the window shows it (y downwards, transparent outside):
    // filled, and its border stroked twice as wide as `borderWidth` so that
    // the half inside the outline remains. Drawn at `devicePixelRatio`
    // device pixels to a window pixel, as sharp as the screen shows.
    QImage render(MAAttachedSide side, const Placement& placement, qreal devicePixelRatio = 1) const;

private:
    qreal smallerViewSide() const;

    QSizeF m_viewSize;
    QBrush m_fill;
    QColor m_borderColor = Qt::white;
    qreal m_borderWidth = 2.0;
    qreal m_viewMargin = 2.0;
    qreal m_arrowBaseWidth = 20.0;
    qreal m_arrowHeight = 16.0;
    bool m_hasArrow = true;
    qreal m_cornerRadius = 8.0;
    bool m_roundCornerBesideArrow = true;
};
