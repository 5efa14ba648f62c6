#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <functional>

class QImage;
class QPainter;

// A soft shadow cast by whatever a drawing step paints. The offset is given
// with y pointing up, the way the theme values are defined: (0, -1) falls one
// point below the shape on screen.
class BGShadow {
public:
    BGShadow() = default;
    BGShadow(const QColor& color, qreal blurRadius, const QPointF& offset);

    QColor color() const { return color_; }
    qreal blurRadius() const { return blurRadius_; }
    QPointF offset() const { return offset_; }

    // Paints the blurred, offset shadow of what `drawShape` paints inside
    // `shapeBounds` (painter coordinates); the caller then draws the shape
    // itself on top. `drawShape` runs on an offscreen image and must only paint.
    void castBy(QPainter& painter, const QRectF& shapeBounds,
                const std::function<void(QPainter&)>& drawShape) const;

    // Gaussian blur of every channel of a premultiplied image; the standard
    // deviation is half the blur radius, the usual reading of a shadow's blur.
    static void blur(QImage& image, qreal blurRadius);

private:
    QColor color_ = QColor(0, 0, 0);
    qreal blurRadius_ = 0;
    QPointF offset_;
};
