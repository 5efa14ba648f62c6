#include "widgets/PieChart.h"
#include "WidgetPixels.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// Values from a list; records every selection message in order.
struct ListSource : PieChartDataSource, PieChartDelegate {
    std::vector<double> values;
    QStringList messages;

    unsigned numberOfSlicesInPieChart(PieChart*) override { return unsigned(values.size()); }
    double valueForSliceAtIndex(PieChart*, unsigned index) override { return values[index]; }
    void willSelectSliceAtIndex(PieChart*, unsigned i) override { messages << QStringLiteral("will-select %1").arg(i); }
    void didSelectSliceAtIndex(PieChart*, unsigned i) override { messages << QStringLiteral("did-select %1").arg(i); }
    void willDeselectSliceAtIndex(PieChart*, unsigned i) override
    {
        messages << QStringLiteral("will-deselect %1").arg(i);
    }
    void didDeselectSliceAtIndex(PieChart*, unsigned i) override
    {
        messages << QStringLiteral("did-deselect %1").arg(i);
    }
};

class PieChartTest : public ::testing::Test
{
protected:
    PieChartTest()
        : chart(QRect(0, 0, 300, 300))
    {
        chart.setDataSource(&source);
        chart.setDelegate(&source);
        chart.setAnimationSpeed(0);
        chart.show();
    }

    void load(std::vector<double> values)
    {
        source.values = std::move(values);
        chart.reloadData();
        chart.updateTimerFired();
    }

    // A point well inside slice `index` as it is drawn now.
    QPoint inside(qsizetype index) const
    {
        const SliceLayer& slice = chart.slice(index);
        const double middle = (slice.startAngle() + slice.endAngle()) / 2;
        return PieChart::pointOnCircle(chart.pieCenter(), chart.pieRadius() * 0.6, middle).toPoint();
    }

    void click(const QPoint& point) { QTest::mouseClick(&chart, Qt::LeftButton, {}, point); }

    ListSource source;
    PieChart chart;
};

}  // namespace

// A quarter and three quarters: the small slice lies in the quadrant that
// follows the start angle counter-clockwise.
TEST_F(PieChartTest, SlicesRunCounterClockwiseFromTheStartAngle)
{
    struct Case {
        const char* name;
        double startAngle;
        QPointF quarterSliceOffset;   // from the centre, screen coordinates
    };
    const Case cases[] = {
        {"from 6 o'clock", 3 * Pi / 2, {60, 60}},   // bottom to 3 o'clock: lower right
        {"from 9 o'clock", Pi, {-60, 60}},         // left to bottom: lower left
        {"from 3 o'clock", 0, {60, -60}},          // right to top: upper right
        {"from 12 o'clock", Pi / 2, {-60, -60}},   // top to left: upper left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PieChart fresh(QRect(0, 0, 300, 300));
        fresh.setAnimationSpeed(0);
        fresh.setStartPieAngle(c.startAngle);
        fresh.setDataSource(&source);
        source.values = {1, 3};
        fresh.reloadData();
        fresh.updateTimerFired();
        EXPECT_EQ(fresh.getCurrentSelectedOnLocation(fresh.pieCenter() + c.quarterSliceOffset), 0);
        EXPECT_EQ(fresh.getCurrentSelectedOnLocation(fresh.pieCenter() - c.quarterSliceOffset), 1);
    }
}

TEST_F(PieChartTest, PieRadiusRoundsThePieBackground)
{
    chart.setPieBackgroundColor(Qt::red);
    chart.setPieRadius(100);
    const QImage image = WidgetPixels::render(chart);
    EXPECT_EQ(image.pixelColor(2, 2).alpha(), 0) << "the corner is cut away";
    EXPECT_EQ(image.pixelColor(150, 2), QColor(Qt::red)) << "the edge's middle is filled";
}

TEST_F(PieChartTest, AnglesAndSharesFollowTheValuesFromTheStartAngle)
{
    chart.setStartPieAngle(Pi);
    load({1, 1, 2, -5});
    ASSERT_EQ(chart.sliceCount(), 4);
    const double expected[][3] = {{Pi, 1.5 * Pi, 0.25}, {1.5 * Pi, 2 * Pi, 0.25}, {2 * Pi, 3 * Pi, 0.5},
                                  {3 * Pi, 3 * Pi, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(chart.slice(i).startAngle(), expected[i][0], 1e-9) << i;
        EXPECT_NEAR(chart.slice(i).endAngle(), expected[i][1], 1e-9) << i;
        EXPECT_DOUBLE_EQ(chart.slice(i).percentage, expected[i][2]) << i;
    }
    EXPECT_EQ(chart.slice(3).value, 0) << "a negative value draws as nothing";
    EXPECT_FALSE(chart.isAnimating()) << "the clock stops with the last animation";
}

TEST_F(PieChartTest, SlicesWithoutAColourTakeTheFallbackHues)
{
    load(std::vector<double>(9, 1));
    const QColor first = chart.slice(0).fillColor;
    const QColor ninth = chart.slice(8).fillColor;
    EXPECT_NEAR(first.hsvHueF(), 0.02, 0.005);
    EXPECT_NEAR(first.hsvSaturationF(), 0.3, 0.005);
    EXPECT_NEAR(ninth.hsvHueF(), 0.07, 0.005);
    EXPECT_NEAR(ninth.valueF(), 0.91, 0.005);
}

TEST_F(PieChartTest, PercentageLabelsFitTheirArcOrStayEmpty)
{
    load({1, 1, 1});
    EXPECT_EQ(chart.slice(0).label.string, QStringLiteral("33"));
    chart.setTextRadius(1);
    chart.setShowPercentage(true);
    EXPECT_EQ(chart.slice(0).label.string, QString());
    chart.setShowText(false);
    chart.setShowPercentage(false);
    for (qsizetype i = 0; i < chart.sliceCount(); ++i)
        EXPECT_TRUE(chart.slice(i).label.hidden);
}

TEST_F(PieChartTest, HitTestNamesTheSliceUnderThePointer)
{
    load({4, 3, 2, 1});
    for (qsizetype i = 0; i < 4; ++i)
        EXPECT_EQ(chart.getCurrentSelectedOnLocation(inside(i)), i);
    EXPECT_EQ(chart.getCurrentSelectedOnLocation(QPointF(2, 2)), -1);
}

TEST_F(PieChartTest, AfterAReloadThatRemovesSlicesEachSliceKeepsItsIndex)
{
    load({4, 3, 2, 1, 5});
    load({4, 7, 2});   // a value changed at index 1, two slices fewer
    ASSERT_EQ(chart.sliceCount(), 3);
    const double values[] = {4, 7, 2};
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(chart.slice(i).value, values[i]) << i;
        EXPECT_EQ(chart.getCurrentSelectedOnLocation(inside(i)), i);
    }
    click(inside(1));
    EXPECT_EQ(source.messages, QStringList({"will-select 1", "did-select 1"}));
    EXPECT_EQ(chart.selectedSliceIndex(), 1);
}

TEST_F(PieChartTest, ClicksSelectMoveAndDeselectSlices)
{
    load({1, 1, 1, 1, 1});
    click(inside(2));
    EXPECT_TRUE(chart.slice(2).selected);
    EXPECT_NE(chart.slice(2).position, QPointF());

    source.messages.clear();
    click(inside(4));
    EXPECT_EQ(source.messages, QStringList({"will-deselect 2", "did-deselect 2", "will-select 4"}));
    EXPECT_FALSE(chart.slice(2).selected);
    EXPECT_FALSE(chart.slice(4).selected) << "the new slice waits for the old one to move back";
    QTRY_VERIFY(chart.slice(4).selected);
    EXPECT_EQ(source.messages.last(), QStringLiteral("did-select 4"));

    source.messages.clear();
    click(inside(4));
    EXPECT_EQ(source.messages, QStringList({"will-deselect 4", "did-deselect 4"}));
    EXPECT_EQ(chart.selectedSliceIndex(), -1);

    click(inside(0));
    source.messages.clear();
    click(QPoint(2, 2));
    click(QPoint(2, 2));
    EXPECT_EQ(source.messages, QStringList({"will-deselect 0", "did-deselect 0"}));
}

TEST_F(PieChartTest, AReloadCancelsASelectionStillWaiting)
{
    load({1, 1, 1, 1});
    click(inside(0));
    click(inside(2));
    EXPECT_TRUE(chart.isSelectionWaiting());
    load({1});
    source.messages.clear();
    EXPECT_FALSE(chart.isSelectionWaiting());
    QCoreApplication::processEvents();
    EXPECT_TRUE(source.messages.isEmpty());
    EXPECT_EQ(chart.selectedSliceIndex(), -1);
    EXPECT_FALSE(chart.slice(0).selected);
}

TEST_F(PieChartTest, WithoutAnOffsetTheSameSliceSendsNothing)
{
    chart.setSelectedSliceOffsetRadius(0);
    load({1, 1});
    click(inside(0));
    EXPECT_EQ(source.messages, QStringList({"will-select 0", "did-select 0"}));
    source.messages.clear();
    click(inside(0));
    EXPECT_TRUE(source.messages.isEmpty());
    EXPECT_EQ(chart.slice(0).position, QPointF());
}

TEST_F(PieChartTest, NoDataCollapsesTheSlicesAndKeepsThem)
{
    load({1, 2});
    load({0, 0});
    ASSERT_EQ(chart.sliceCount(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(chart.slice(i).startAngle(), chart.startPieAngle());
        EXPECT_DOUBLE_EQ(chart.slice(i).endAngle(), chart.startPieAngle());
    }
    load({});
    EXPECT_EQ(chart.sliceCount(), 2);
}

TEST_F(PieChartTest, PieIsCentredInItsViewWhateverCentreIsGiven)
{
    PieChart other(QRect(0, 0, 400, 300));
    other.setPieCenter(QPointF(186, 186));
    EXPECT_EQ(other.pieCenter(), QPointF(200, 150));
    EXPECT_DOUBLE_EQ(other.pieRadius(), 140);
}

TEST(SliceLayer, AnInterruptedAnimationGoesOnFromTheShownAngle)
{
    SliceLayer slice;
    EXPECT_FALSE(slice.presentationAngle(SliceLayer::ArcKey::Start, 0));
    slice.createArcAnimation(SliceLayer::ArcKey::Start, 0, 2, 100, 0);
    EXPECT_DOUBLE_EQ(*slice.presentationAngle(SliceLayer::ArcKey::Start, 50), 1);
    slice.createArcAnimation(SliceLayer::ArcKey::Start, 0, 4, 100, 50);
    EXPECT_DOUBLE_EQ(*slice.presentationAngle(SliceLayer::ArcKey::Start, 50), 1);
    EXPECT_DOUBLE_EQ(*slice.presentationAngle(SliceLayer::ArcKey::Start, 150), 4);
    EXPECT_FALSE(slice.isAnimating(150));

    slice.value = 5;
    slice.percentage = 0.25;
    slice.setAngle(SliceLayer::ArcKey::Start, Pi);
    slice.setAngle(SliceLayer::ArcKey::End, 1.5 * Pi);
    EXPECT_EQ(slice.description(), QStringLiteral("value:5.000000, percentage:0, start:180.000000, end:270.000000"));
}
