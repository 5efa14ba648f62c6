#pragma once

#include "BGHUDGradientLook.h"

#include <QFrame>

// A box that, as a custom box, paints its content area with the theme's
// gradient and frame, or with its own gradient: rounded with an outline, or
// square with edge lines. Other box types draw as a plain frame.
class BGHUDBox : public QFrame, public BGHUDGradientLook {
    Q_OBJECT
public:
    enum BoxType { Primary = 0, Secondary = 1, Separator = 2, OldStyle = 3, Custom = 4 };
    enum BorderType { NoBorder = 0, LineBorder = 1, BezelBorder = 2, GrooveBorder = 3 };

    explicit BGHUDBox(QWidget* parent = nullptr);

    BoxType boxType() const { return boxType_; }
    void setBoxType(BoxType type);
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool transparent) { transparent_ = transparent; }
    qreal cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(qreal radius) { cornerRadius_ = radius; }
    BorderType borderType() const { return borderType_; }
    void setBorderType(BorderType type) { borderType_ = type; }
    qreal borderWidth() const { return borderWidth_; }
    void setBorderWidth(qreal width) { borderWidth_ = width; }
    // Kept for callers that store a second border colour; drawing uses
    // borderColor().
    QColor borderColor2() const { return borderColor2_; }
    void setBorderColor2(const QColor& color) { borderColor2_ = color; }

    // The own gradient's angle in screen terms: color1 at the top unless
    // flipped.
    qreal ownGradientAngle() const;
    // The outline width of a rounded own-look box.
    qreal outlineWidth() const { return borderWidth_ > 0 ? borderWidth_ : 1.0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawThemed(QPainter& painter, const QRectF& area) const;
    void drawRounded(QPainter& painter, const QRectF& area) const;
    void drawSquare(QPainter& painter, const QRectF& area) const;

    BoxType boxType_ = Primary;
    bool transparent_ = false;
    qreal cornerRadius_ = 0;
    BorderType borderType_ = LineBorder;
    qreal borderWidth_ = 1;
    QColor borderColor2_;
};
