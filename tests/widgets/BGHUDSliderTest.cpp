#include "widgets/BGHUDSlider.h"
#include "widgets/BGHUDSliderCell.h"
#include "WidgetPixels.h"

#include <algorithm>
#include <limits>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using Cell = BGHUDSliderCell;
using Size = BGControlSize;

namespace {

enum Ticks { NoTicks, Leading, Trailing };

Cell sliderCell(Size size, Ticks ticks, bool vertical)
{
    Cell cell;
    cell.setControlSize(size);
    cell.setTickMarks(ticks != NoTicks, ticks == Leading);
    cell.setVertical(vertical);
    return cell;
}

}  // namespace

// A frame away from the origin shows where the track is centred.
TEST(BGHUDSliderCell, HorizontalTrackBySizeAndTicks)
{
    const QRectF frame(10, 20, 200, 30);
    const struct {
        Size size;
        Ticks ticks;
        QRectF track;
    } rows[] = {
        {Size::Regular, NoTicks, {12.5, 35 - 2.5 + 0.5, 195, 5}}, {Size::Regular, Leading, {12.5, 40.5, 195, 5}},
        {Size::Regular, Trailing, {12.5, 24.5, 195, 5}},         {Size::Small, NoTicks, {10.5, 33, 199, 5}},
        {Size::Small, Leading, {10.5, 42.5, 199, 5}},            {Size::Small, Trailing, {10.5, 22.5, 199, 5}},
        {Size::Mini, NoTicks, {10.5, 33.5, 199, 3}},             {Size::Mini, Leading, {10.5, 44.5, 199, 3}},
        {Size::Mini, Trailing, {10.5, 22.5, 199, 3}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(sliderCell(row.size, row.ticks, false).trackRect(frame), row.track)
            << int(row.size) << " ticks " << row.ticks;
}

TEST(BGHUDSliderCell, VerticalTrackBySizeAndTicks)
{
    const QRectF frame(20, 10, 30, 200);
    const struct {
        Size size;
        Ticks ticks;
        QRectF track;
    } rows[] = {
        {Size::Regular, NoTicks, {33, 12.5, 5, 194}},   {Size::Regular, Leading, {41.5, 12.5, 5, 194}},
        {Size::Regular, Trailing, {24.5, 12.5, 5, 194}}, {Size::Small, NoTicks, {33, 10.5, 5, 199}},
        {Size::Small, Leading, {42.5, 10.5, 5, 199}},    {Size::Small, Trailing, {23.5, 10.5, 5, 199}},
        {Size::Mini, NoTicks, {34, 10.5, 3, 199}},       {Size::Mini, Leading, {44.5, 10.5, 3, 199}},
        {Size::Mini, Trailing, {23.5, 10.5, 3, 199}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(sliderCell(row.size, row.ticks, true).trackRect(frame), row.track)
            << int(row.size) << " ticks " << row.ticks;
}

TEST(BGHUDSliderCell, KnobRectBySizeTicksAndOrientation)
{
    const QRectF knob(10, 20, 30, 30);
    const struct {
        Size size;
        Ticks ticks;
        bool vertical;
        QRectF rect;
    } rows[] = {
        {Size::Regular, NoTicks, false, {13, 23, 15, 15}}, {Size::Regular, NoTicks, true, {13, 23, 15, 15}},
        {Size::Regular, Leading, false, {12, 22, 15, 19}}, {Size::Regular, Trailing, false, {12, 20, 15, 19}},
        {Size::Regular, Leading, true, {13, 22, 19, 15}},  {Size::Regular, Trailing, true, {10, 22, 19, 15}},
        {Size::Small, NoTicks, false, {12, 22, 11, 11}},   {Size::Small, Leading, false, {11, 21, 11, 13}},
        {Size::Small, Trailing, false, {11, 20, 11, 13}},  {Size::Small, Leading, true, {11, 21, 13, 11}},
        {Size::Mini, NoTicks, false, {12, 21, 9, 9}},      {Size::Mini, NoTicks, true, {11, 21, 9, 9}},
        {Size::Mini, Leading, false, {11, 20, 9, 11}},     {Size::Mini, Trailing, true, {10, 21, 11, 9}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(sliderCell(row.size, row.ticks, row.vertical).knobRect(knob), row.rect)
            << int(row.size) << " ticks " << row.ticks << " vertical " << row.vertical;
}

TEST(BGHUDSliderCell, KnobPointsAtTheTickMarks)
{
    const QRectF k(0, 0, 15, 19);
    const struct {
        Ticks ticks;
        bool vertical;
        QPointF tip;
    } rows[] = {
        {Leading, false, {7.5, 0}},
        {Trailing, false, {7.5, 19}},
        {Leading, true, {0, 9.5}},
        {Trailing, true, {15, 9.5}},
    };
    for (const auto& row : rows) {
        const QPainterPath path = sliderCell(Size::Regular, row.ticks, row.vertical).knobPath(k);
        EXPECT_EQ(path.elementCount(), 8) << row.ticks << row.vertical;  // seven points, closed
        bool found = false;
        for (int i = 0; i < path.elementCount(); ++i)
            found = found || QPointF(path.elementAt(i)) == row.tip;
        EXPECT_TRUE(found) << row.ticks << row.vertical;
    }
    EXPECT_EQ(sliderCell(Size::Regular, NoTicks, false).knobPath(k).boundingRect(), k);  // an oval
}

TEST(BGHUDSliderCell, DisabledTrackDimsOnlyWhenHorizontal)
{
    const auto trackColour = [](bool vertical, bool enabled) {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        Cell::State state;
        state.enabled = enabled;
        sliderCell(Size::Regular, NoTicks, vertical).drawBar(painter, QRectF(0, 0, 40, 40), state);
        painter.end();
        return image.convertToFormat(QImage::Format_ARGB32).pixelColor(20, 20);
    };
    EXPECT_EQ(trackColour(true, false), trackColour(true, true));
    EXPECT_NE(trackColour(false, false), trackColour(false, true));

    Cell circular;
    circular.setSliderType(Cell::SliderType::Circular);
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    circular.drawBar(painter, QRectF(0, 0, 40, 40), {});
    circular.drawKnob(painter, QRectF(0, 0, 21, 21), {});
    painter.end();
    EXPECT_EQ(image.pixelColor(20, 20).alpha(), 0);
    EXPECT_EQ(image.pixelColor(10, 10).alpha(), 0);
}

TEST(BGHUDSlider, PressAndDragMoveTheKnob)
{
    BGHUDSlider slider;
    slider.setRange(0, 100);
    slider.resize(221, 21);  // 200 points of travel for a 21-point knob
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(110, 10));
    EXPECT_TRUE(slider.isSliderDown());
    EXPECT_EQ(slider.value(), 50);
    QTest::mouseMove(&slider, QPoint(210, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(210, 10));
    EXPECT_EQ(slider.value(), 100);
    EXPECT_FALSE(slider.isSliderDown());
    EXPECT_EQ(slider.knobFrame().x(), 200);
}

TEST(BGHUDSlider, TickValuesStayInRangeAndBounded)
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    struct Case {
        const char* name;
        int minimum, maximum, interval, maximumCount;
        qsizetype count;
        int first, last;
    };
    const Case cases[] = {
        {"every interval", 0, 100, 25, 200, 5, 0, 100},
        {"zero interval steps by one", 0, 4, 0, 200, 5, 0, 4},
        {"range ending at the top", Max - 10, Max, 5, 200, 3, Max - 10, Max},
        {"whole int range thinned", Min, Max, 1, 300, 300, Min, Max - 14316453},
        {"huge range thinned to the pixels", 0, 1'000'000'000, 1, 120, 120, 0, 991'666'746},
        {"empty range", 5, 5, 1, 200, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QList<int> values = BGHUDSlider::tickValues(c.minimum, c.maximum, c.interval, c.maximumCount);
        ASSERT_EQ(values.size(), c.count);
        if (values.isEmpty())
            continue;
        EXPECT_EQ(values.first(), c.first);
        EXPECT_EQ(values.last(), c.last);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    }
}

TEST(BGHUDSlider, FullIntRangePaintsAndTracks)
{
    BGHUDSlider slider;
    slider.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider.setTickPosition(QSlider::TicksBelow);
    slider.setTickInterval(1);
    slider.resize(221, 30);
    slider.setValue(0);
    EXPECT_NEAR(slider.knobFrame().x(), 100, 1);
    QImage image(slider.size(), QImage::Format_ARGB32_Premultiplied);
    slider.render(&image);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(210, 10));
    EXPECT_GT(slider.value(), 2'000'000'000) << "near the top, not wrapped round";
}
