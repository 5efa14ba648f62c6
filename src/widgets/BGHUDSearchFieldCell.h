#pragma once

#include "BGHUDTextFieldCell.h"

#include <QImage>
#include <QSizeF>

// Painter of the HUD search field: the text field's frame, fill and focus
// glow, a white magnifier at the left and a white cancel disc at the right.
// Geometry is in the field's coordinates (y down).
class BGHUDSearchFieldCell : public BGHUDTextFieldCell {
public:
    explicit BGHUDSearchFieldCell(bool drawsBackground = false);

    // The two icons, made once and handed out as copies.
    static QImage searchButtonImage();
    static QImage cancelButtonImage();
    static constexpr qreal ImageSide = 14.0;

    // Small and mini sizes shrink both icons; the regular size leaves them
    // as they are.
    void setControlSize(BGControlSize size);
    QSizeF iconSize() const { return iconSize_; }

    // Where the buttons sit, each a square of the field's height less two.
    QRectF searchButtonRect(const QRectF& bounds) const;
    QRectF cancelButtonRect(const QRectF& bounds) const;
    // The text between the buttons; drawing and editing share it.
    QRectF textFrame(const QRectF& bounds) const;
    // An icon of iconSize() centred in a button rectangle.
    QRectF iconRect(const QRectF& buttonRect) const;

    // Frame, fill, border and glow, then the icons (the cancel icon only
    // while the field holds text).
    void draw(QPainter& painter, const QRectF& frame, const State& state, bool showsCancel) const;

private:
    QRectF baseSearchButtonRect(const QRectF& bounds) const;
    QRectF baseCancelButtonRect(const QRectF& bounds) const;

    QImage searchImage_;
    QImage cancelImage_;
    QSizeF iconSize_{ImageSide, ImageSide};
};
