#pragma once

#include "BGHUDTextFieldCell.h"

#include <QPolygonF>

// Painter of the HUD combo box: the text field's frame drawn 1.5 points in,
// a dark button with a downward arrow at its right end, and the text kept
// clear of the button. Geometry is in the control's coordinates (y down).
class BGHUDComboBoxCell : public BGHUDTextFieldCell {
public:
    using BGHUDTextFieldCell::BGHUDTextFieldCell;

    static QRectF insetFrame(const QRectF& frame);
    QPainterPath framePath(const QRectF& frame) const;
    static qreal buttonWidth(BGControlSize size);
    QRectF buttonRect(const QRectF& insetFrame) const;
    QPainterPath buttonPath(const QRectF& insetFrame) const;
    QPolygonF arrow(const QRectF& insetFrame) const;
    // The text ends where the button begins, less a point.
    QRectF textFrame(const QRectF& frame) const;

    void draw(QPainter& painter, const QRectF& frame, const State& state) const;
};
