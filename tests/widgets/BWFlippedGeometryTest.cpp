#include "widgets/BGGradient.h"
#include "widgets/BGShadow.h"
#include "widgets/BWFlippedGeometry.h"
#include "WidgetPixels.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace BWFlippedGeometry;

TEST(BWFlippedGeometry, RectanglesMirrorAboutTheViewsMiddle)
{
    // A 10-high band at the bottom of a 100-high view is at the top of Qt's.
    EXPECT_EQ(toScreen(QRectF(5, 0, 20, 10), 100), QRectF(5, 90, 20, 10));
    EXPECT_EQ(toScreen(QRectF(0, 90, 20, 10), 100), QRectF(0, 0, 20, 10));
    EXPECT_EQ(fromScreen(toScreen(QRectF(1.5, 2.5, 3, 4), 30), 30), QRectF(1.5, 2.5, 3, 4));
}

TEST(BWFlippedGeometry, PointsAndLines)
{
    EXPECT_EQ(toScreen(QPointF(3, 0.5), 40), QPointF(3, 39.5));
    EXPECT_EQ(toScreen(QLineF(0.5, 0.5, 9.5, 0.5), 10), QLineF(0.5, 9.5, 9.5, 9.5));
}

TEST(BWFlippedGeometry, OffsetsOnlyChangeTheirVerticalSign)
{
    EXPECT_EQ(offsetToScreen(QPointF(0, -1)), QPointF(0, 1));
    EXPECT_EQ(offsetToScreen(QPointF(1, 0)), QPointF(1, 0));
}

TEST(BWFlippedGeometry, AnglesAreMirrored)
{
    EXPECT_DOUBLE_EQ(angleToScreen(90), 270);
    EXPECT_DOUBLE_EQ(angleToScreen(270), 90);
    EXPECT_DOUBLE_EQ(angleToScreen(0), 0);
    EXPECT_DOUBLE_EQ(angleToScreen(45), 315);
}

TEST(BGGradient, RampSpansTheRectangleAtRightAngles)
{
    const BGGradient gradient(Qt::black, Qt::white);
    const QRectF rect(10, 20, 40, 30);
    const QLinearGradient down = gradient.linearGradient(rect, 90);
    EXPECT_EQ(down.start(), QPointF(30, 20));
    EXPECT_EQ(down.finalStop(), QPointF(30, 50));
    const QLinearGradient up = gradient.linearGradient(rect, 270);
    EXPECT_EQ(up.start(), QPointF(30, 50));
    const QLinearGradient across = gradient.linearGradient(rect, 0);
    EXPECT_EQ(across.start(), QPointF(10, 35));
    EXPECT_EQ(across.finalStop(), QPointF(50, 35));
}

TEST(BGGradient, DiagonalRampReachesTheCorners)
{
    const QLinearGradient diagonal = BGGradient(Qt::black, Qt::white).linearGradient(QRectF(0, 0, 10, 10), 45);
    EXPECT_NEAR(diagonal.start().x(), 0, 1e-9);
    EXPECT_NEAR(diagonal.start().y(), 0, 1e-9);
    EXPECT_NEAR(diagonal.finalStop().x(), 10, 1e-9);
    EXPECT_NEAR(diagonal.finalStop().y(), 10, 1e-9);
}

TEST(BGGradient, BevelKeepsBothMiddleColoursForAHardStep)
{
    const BGGradient bevel(QColor(200, 0, 0), QColor(100, 0, 0), QColor(0, 0, 100), QColor(0, 0, 200));
    QImage image(4, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        bevel.fillRect(painter, QRectF(0, 0, 4, 20), 90);
    }
    // Rows 9 and 10 meet at the middle: one ends the upper ramp, the other
    // starts the lower one.
    EXPECT_TRUE(WidgetPixels::near(image.pixelColor(1, 9), QColor(105, 0, 0), 3));
    EXPECT_TRUE(WidgetPixels::near(image.pixelColor(1, 10), QColor(0, 0, 105), 3));
    EXPECT_TRUE(WidgetPixels::near(image.pixelColor(1, 0), QColor(195, 0, 0), 3));
}

TEST(BGShadow, BlurKeepsTheTotalAndSpreadsIt)
{
    QImage image(21, 21, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixel(10, 10, qRgba(255, 255, 255, 255));
    BGShadow::blur(image, 2.0);
    long total = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            total += qAlpha(image.pixel(x, y));
    EXPECT_NEAR(total, 255, 25);  // rounding of many small values
    EXPECT_LT(qAlpha(image.pixel(10, 10)), 255);
    EXPECT_GT(qAlpha(image.pixel(11, 10)), 0);
    EXPECT_EQ(qAlpha(image.pixel(10, 10 + 5)), 0);
}

TEST(BGShadow, FallsBelowTheShapeForANegativeYOffset)
{
    QImage image(30, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const BGShadow shadow(Qt::black, 0.5, QPointF(0, -4));
        shadow.castBy(painter, QRectF(10, 10, 10, 2),
                      [](QPainter& p) { p.fillRect(QRectF(10, 10, 10, 2), Qt::white); });
    }
    EXPECT_EQ(qAlpha(image.pixel(15, 10)), 0);
    EXPECT_GT(qAlpha(image.pixel(15, 14)), 200);
    EXPECT_EQ(qRed(image.pixel(15, 14)), 0);
}
