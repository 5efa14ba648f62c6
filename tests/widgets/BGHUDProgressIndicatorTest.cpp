#include "widgets/BGHUDProgressIndicator.h"
#include "WidgetPixels.h"

#include <QPainter>
#include <gtest/gtest.h>

using Indicator = BGHUDProgressIndicator;
using Size = BGControlSize;

TEST(BGHUDProgressIndicator, BarRectBySize)
{
    const QRectF bounds(0, 0, 100, 20);
    const struct {
        Size size;
        QRectF bar;
    } rows[] = {
        {Size::Regular, {2.5, 0.5, 95, 15}},
        {Size::Small, {0.5, 0.5, 99, 17}},
        {Size::Mini, {1.5, 0.5, 97, 15}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Indicator::barRect(bounds, row.size), row.bar) << int(row.size);
}

TEST(BGHUDProgressIndicator, StripesStartBeforeTheBarAndRepeat)
{
    const QRectF bar(2.5, 0.5, 95, 15);
    const QPainterPath stripes = Indicator::stripes(bar);
    // Each stripe is a closed four-sided subpath: five elements.
    ASSERT_EQ(stripes.elementCount() % 5, 0);
    const int count = stripes.elementCount() / 5;
    EXPECT_EQ(count, 6);  // x from -37.5 while at most 137.5, every 30
    EXPECT_EQ(QPointF(stripes.elementAt(0)), QPointF(-37.5, 0.5));
    EXPECT_EQ(QPointF(stripes.elementAt(1)), QPointF(-22.5, 0.5));
    EXPECT_EQ(QPointF(stripes.elementAt(2)), QPointF(-7.5, 15.5));
    EXPECT_EQ(QPointF(stripes.elementAt(5)), QPointF(-7.5, 0.5));

    // A bar without height has no stripes (and so never loops forever).
    EXPECT_TRUE(Indicator::stripes(QRectF(0, 0, 95, 0)).isEmpty());
    EXPECT_TRUE(Indicator::stripes(QRectF(0, 0, 95, -3)).isEmpty());
}

TEST(BGHUDProgressIndicator, FillWidth)
{
    const QRectF bar(2.5, 0.5, 95, 15);
    const struct {
        double minimum, maximum, value, width;
    } rows[] = {
        {0, 100, 0, 0},    {0, 100, 100, 95}, {0, 100, 50, 47.5}, {10, 20, 15, 47.5},
        {0, 100, 150, 95}, {0, 100, -5, 0},   {5, 5, 5, 0},       {7, 3, 5, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Indicator::fillWidth(bar, row.minimum, row.maximum, row.value), row.width)
            << row.minimum << ".." << row.maximum << " at " << row.value;
}

TEST(BGHUDProgressIndicator, LowOrEmptyBarsDrawWithoutTrouble)
{
    for (const bool indeterminate : {false, true}) {
        Indicator bar;
        bar.setIndeterminate(indeterminate);
        bar.setRange(0, 0);
        bar.resize(100, 4);  // regular: the bar is -1 high
        const QImage low = WidgetPixels::render(bar);
        EXPECT_EQ(low.pixelColor(50, 1).alpha(), 0) << indeterminate;
        bar.resize(100, 20);
        const QImage empty = WidgetPixels::render(bar);
        EXPECT_GT(empty.pixelColor(50, 8).alpha(), 0) << indeterminate;
    }
}

TEST(BGHUDProgressIndicator, HalfWayFillsHalfTheBar)
{
    Indicator bar;
    bar.setRange(0, 10);
    bar.setValue(5);
    bar.resize(100, 20);
    const QImage image = WidgetPixels::render(bar);
    const QColor filled = image.pixelColor(30, 8), track = image.pixelColor(70, 8);
    EXPECT_GT(filled.lightness(), track.lightness() + 20);
}

TEST(BGHUDProgressIndicator, RestingStepDrawsTheStripesWhereTheyWereBuilt)
{
    Indicator bar;
    bar.setIndeterminate(true);
    bar.resize(100, 20);
    const auto stripeAt = [&](int step, int x) {
        bar.setAnimationStep(step);
        return WidgetPixels::render(bar).pixelColor(x, 8).lightness();
    };
    // Half way down, the stripe built at 22.5 covers x 30 to 45 and the gap
    // before it x 15 to 30; a whole period later the picture is the same,
    // half a period later stripe and gap have swapped.
    const int stripe = stripeAt(Indicator::StripeRestingStep, 38);
    const int gap = stripeAt(Indicator::StripeRestingStep, 22);
    EXPECT_GT(stripe, gap + 10);
    EXPECT_EQ(stripeAt(Indicator::StripeRestingStep + 30, 38), stripe);
    EXPECT_EQ(stripeAt(Indicator::StripeRestingStep + 15, 38), gap);
}
