#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;

// The fill colour of a coloured button.
enum KBButtonType : std::int32_t {
    KBButtonTypeLightGrey = 0,
    KBButtonTypeBlue = 1,
    KBButtonTypeTeal = 2,
    KBButtonTypeGreen = 3,
    KBButtonTypeOrange = 4,
    KBButtonTypeRed = 5,
    KBButtonTypeNearBlack = 6,
};

// Painter of the flat, rounded coloured buttons: a one-point darker rim round
// a light-to-base gradient, flat dark while pressed, with a black or white
// title chosen by the colour's lightness.
class KBButtonCell {
public:
    KBButtonType kbButtonType() const { return kbButtonType_; }
    // Takes effect at the next paint. Values outside the seven colours are
    // refused and the current colour stays.
    void setKBButtonType(std::int32_t type);

    QColor getColorForButtonType() const;
    QColor titleColor() const;

    void drawBezel(QPainter& painter, const QRectF& frame, bool highlighted) const;
    void drawTitle(QPainter& painter, const QString& title, const QRectF& frame, Qt::Alignment alignment) const;

    static constexpr qreal CornerRadius = 3.0;
    static constexpr float Shade = 0.12f;

private:
    KBButtonType kbButtonType_ = KBButtonTypeLightGrey;
};
