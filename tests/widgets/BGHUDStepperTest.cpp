#include "widgets/BGHUDStepper.h"
#include "widgets/BGHUDStepperCell.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using Cell = BGHUDStepperCell;

namespace {

QImage drawn(const Cell& cell, const QSize& size, bool enabled = true)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    cell.draw(painter, QRectF(QPointF(0, 0), size), size.height(), enabled);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(BGHUDStepperCell, Geometry)
{
    const QRectF bounds(0, 0, 19, 27);
    EXPECT_EQ(Cell::adjustFrame(bounds), QRectF(3.5, 2, 12, 23));
    EXPECT_EQ(Cell::topHalf(bounds), QRectF(0, 13.5, 19, 13.5));
    EXPECT_EQ(Cell::bottomHalf(bounds), QRectF(0, 0, 19, 13.5));
    const QRectF body(0, 0, 12, 20);
    EXPECT_EQ(Cell::topArrow(body), QPolygonF({{6, 17}, {3.5, 13}, {8.5, 13}}));
    EXPECT_EQ(Cell::bottomArrow(body), QPolygonF({{3.5, 7}, {8.5, 7}, {6, 3}}));
    EXPECT_EQ(Cell::bodyPath(body).boundingRect(), body);
}

TEST(BGHUDStepperCell, PressLightsOnlyTheHalfItBeganIn)
{
    const QRectF bounds(0, 0, 19, 27);
    const QPointF top(9, 20), bottom(9, 5), outside(40, 40);
    struct Step {
        const char* what;
        QPointF point;
        bool topDown, bottomDown;
    };
    const Step steps[] = {
        {"press top", top, true, false},
        {"drag into bottom", bottom, false, false},
        {"drag outside", outside, false, false},
        {"back into top", top, true, false},
    };
    Cell cell;
    for (const Step& step : steps) {
        if (&step == &steps[0])
            EXPECT_TRUE(cell.startTracking(step.point, bounds));
        else
            cell.continueTracking(step.point, bounds);
        EXPECT_EQ(cell.isTopDown(), step.topDown) << step.what;
        EXPECT_EQ(cell.isBottomDown(), step.bottomDown) << step.what;
    }
    cell.stopTracking();
    EXPECT_FALSE(cell.isTopDown() || cell.topPressed() || cell.isBottomDown() || cell.bottomPressed());

    EXPECT_FALSE(cell.startTracking(outside, bounds));
    EXPECT_FALSE(cell.topPressed() || cell.bottomPressed());
}

TEST(BGHUDStepperCell, PressedHalfIsLitAndOnlyThatOne)
{
    const QSize size(19, 27);
    Cell cell;
    cell.startTracking(QPointF(9, 5), QRectF(0, 0, 19, 27));  // bottom half, y up
    const QImage pressed = drawn(cell, size);
    // Screen y 22 is in the bottom half, y 5 in the top half; the light
    // fill shows in the pressed half only, and never while disabled.
    EXPECT_GT(pressed.pixelColor(6, 22).lightness(), 170);
    EXPECT_LT(pressed.pixelColor(6, 5).lightness(), 100);
    EXPECT_LT(drawn(cell, size, false).pixelColor(6, 22).lightness(), 100);
}

TEST(BGHUDStepperCell, FramesTooSmallDrawNothing)
{
    Cell cell;
    for (const QSize size : {QSize(10, 27), QSize(19, 8), QSize(2, 2)}) {
        const QImage image = drawn(cell, size);
        bool painted = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted = painted || image.pixelColor(x, y).alpha() > 0;
        EXPECT_FALSE(painted) << size.width() << "x" << size.height();
    }
}

TEST(BGHUDStepper, ClicksStepUpAndDownAndWrap)
{
    BGHUDStepper stepper;
    stepper.resize(19, 27);
    stepper.setRange(0, 2);
    QSignalSpy changed(&stepper, &BGHUDStepper::valueChanged);
    const QPoint up(9, 6), down(9, 21);
    const struct {
        QPoint at;
        double expected;
    } clicks[] = {{up, 1}, {up, 2}, {up, 0}, {down, 2}, {down, 1}};
    for (const auto& click : clicks) {
        QTest::mouseClick(&stepper, Qt::LeftButton, {}, click.at);
        EXPECT_EQ(stepper.value(), click.expected);
    }
    EXPECT_EQ(changed.count(), 5);
    EXPECT_FALSE(stepper.cell().isTopDown() || stepper.cell().isBottomDown());

    stepper.setValueWraps(false);
    QTest::keyClick(&stepper, Qt::Key_Down);
    QTest::keyClick(&stepper, Qt::Key_Down);
    EXPECT_EQ(stepper.value(), 0);
}
