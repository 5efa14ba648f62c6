#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

// Rendering helpers for the widget tests: a widget is painted onto a fully
// transparent image (no window background), so semi-transparent theme colours
// can be read back exactly.
namespace WidgetPixels {

inline QImage render(QWidget& widget)
{
    widget.ensurePolished();
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags(QWidget::DrawChildren));
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// 8-bit channels of both colours (alpha included) within `tolerance`.
inline ::testing::AssertionResult near(const QColor& actual, const QColor& expected, int tolerance = 2)
{
    const int deltas[4] = {actual.red() - expected.red(), actual.green() - expected.green(),
                           actual.blue() - expected.blue(), actual.alpha() - expected.alpha()};
    for (int delta : deltas) {
        if (std::abs(delta) > tolerance)
            return ::testing::AssertionFailure()
                   << "got rgba(" << actual.red() << ", " << actual.green() << ", " << actual.blue() << ", "
                   << actual.alpha() << ") expected rgba(" << expected.red() << ", " << expected.green() << ", "
                   << expected.blue() << ", " << expected.alpha() << ")";
    }
    return ::testing::AssertionSuccess();
}

// A colour between two stops, as a linear gradient paints it.
inline QColor mix(const QColor& from, const QColor& to, double t)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t),
                            float(from.alphaF() + (to.alphaF() - from.alphaF()) * t));
}

}  // namespace WidgetPixels
