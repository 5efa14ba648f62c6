#pragma once

#include "BGThemeKeyed.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// Painter of the HUD stepper: a rounded body with a radial gradient, the
// pressed half lit with a light fill, and an up and a down arrow. It also
// tracks a press to know which half to light. Geometry is given with y up
// (origin at the bottom-left of the stepper), as the stepper was designed;
// drawing turns it the right way up once.
class BGHUDStepperCell : public BGThemeKeyed {
public:
    // The body inside the frame; everything is drawn in it.
    static QRectF adjustFrame(const QRectF& frame);
    // A body too small for its rounded corners is not drawn at all.
    static bool canDraw(const QRectF& body);
    static QRectF topHalf(const QRectF& bounds);
    static QRectF bottomHalf(const QRectF& bounds);

    static QPainterPath bodyPath(const QRectF& body);
    static QPainterPath topHalfPath(const QRectF& body);
    static QPainterPath bottomHalfPath(const QRectF& body);
    static QPolygonF topArrow(const QRectF& body);
    static QPolygonF bottomArrow(const QRectF& body);

    bool topPressed() const { return topPressed_; }
    bool bottomPressed() const { return bottomPressed_; }
    bool isTopDown() const { return isTopDown_; }
    bool isBottomDown() const { return isBottomDown_; }

    // The press in `bounds` (y up) as it begins, moves and ends; each step
    // answers whether the look changed.
    bool startTracking(const QPointF& point, const QRectF& bounds);
    bool continueTracking(const QPointF& point, const QRectF& bounds);
    bool stopTracking();

    // Draws into `frame`, a stepper `viewHeight` high, in y-down coordinates.
    void draw(QPainter& painter, const QRectF& frame, qreal viewHeight, bool enabled) const;

private:
    void drawBody(QPainter& painter, const QRectF& body, qreal viewHeight, bool enabled) const;
    void drawArrows(QPainter& painter, const QRectF& body, qreal viewHeight, bool enabled) const;

    bool topPressed_ = false;
    bool bottomPressed_ = false;
    bool isTopDown_ = false;
    bool isBottomDown_ = false;
};
