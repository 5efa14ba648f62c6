#include "widgets/MAAttachedBubble.h"
#include "widgets/MAAttachedWindow.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using Side = MAAttachedSide;

// A bubble around a 100 x 50 view with the standard measures: margin 2,
// arrow 20 wide and 16 high, corner radius 8.
MAAttachedBubble standardBubble()
{
    return MAAttachedBubble(QSizeF(100, 50));
}

TEST(MAAttachedBubblePlacement, ArrowRoomIsAddedOnTheArrowsSide)
{
    const MAAttachedBubble bubble = standardBubble();
    const QPointF point(200, 300);
    const auto below = bubble.place(Side::Below, point, 0);
    EXPECT_EQ(below.windowFrame, QRectF(148, 230, 104, 70));
    EXPECT_EQ(below.viewFrame, QRectF(2, 2, 100, 50));

    const auto right = bubble.place(Side::Right, point, 5);
    EXPECT_EQ(right.windowFrame, QRectF(205, 273, 120, 54));
    EXPECT_EQ(right.viewFrame, QRectF(18, 2, 100, 50));

    const auto above = bubble.place(Side::Above, point, 0);
    EXPECT_EQ(above.windowFrame, QRectF(148, 300, 104, 70));
    EXPECT_EQ(above.viewFrame, QRectF(2, 18, 100, 50));

    const auto left = bubble.place(Side::Left, point, 0);
    EXPECT_EQ(left.windowFrame, QRectF(80, 273, 120, 54));
}

TEST(MAAttachedBubblePlacement, EndArrowsSitOneInsetFromTheirCorner)
{
    const MAAttachedBubble bubble = standardBubble();
    EXPECT_EQ(bubble.arrowInset(), 18);
    const QPointF point(200, 300);
    EXPECT_EQ(bubble.place(Side::RightDownwards, point, 0).windowFrame.topLeft(), QPointF(200, 264));
    EXPECT_EQ(bubble.place(Side::RightUpwards, point, 0).windowFrame.topLeft(), QPointF(200, 282));
    EXPECT_EQ(bubble.place(Side::BelowRightwards, point, 0).windowFrame.topLeft(), QPointF(182, 230));
    EXPECT_EQ(bubble.place(Side::BelowLeftwards, point, 0).windowFrame.topLeft(), QPointF(114, 230));
    EXPECT_EQ(bubble.place(Side::AboveRightwards, point, 4).windowFrame.topLeft(), QPointF(182, 304));
    EXPECT_EQ(bubble.place(Side::LeftDownwards, point, 0).windowFrame.topLeft(), QPointF(80, 264));
}

TEST(MAAttachedBubblePlacement, AutomaticGivenLaterPutsTheLowerLeftCornerAtThePoint)
{
    const auto placed = standardBubble().place(Side::Automatic, QPointF(200, 300), 7);
    EXPECT_EQ(placed.windowFrame, QRectF(200, 300, 104, 54));
}

TEST(MAAttachedBubbleMeasures, CornerRadiusFitsTheEdgeAndNeverGoesNegative)
{
    MAAttachedBubble bubble = standardBubble();
    bubble.setCornerRadius(100);
    EXPECT_EQ(bubble.cornerRadius(), 17);  // (50 + 4 - 20) / 2
    EXPECT_EQ(bubble.arrowBaseWidth(), 20);
    bubble.setCornerRadius(-5);
    EXPECT_EQ(bubble.cornerRadius(), 0);

    MAAttachedBubble tiny(QSizeF(10, 10));
    tiny.setCornerRadius(8);  // the arrow is wider than the edge
    EXPECT_EQ(tiny.cornerRadius(), 0);
    EXPECT_EQ(tiny.arrowBaseWidth(), 14);
}

TEST(MAAttachedBubbleMeasures, ArrowFitsBesideTheCornersAndNeverGoesNegative)
{
    MAAttachedBubble bubble = standardBubble();
    bubble.setArrowBaseWidth(50);
    EXPECT_EQ(bubble.arrowBaseWidth(), 38);  // 54 - 8 - 8
    bubble.setDrawsRoundCornerBesideArrow(false);
    bubble.setArrowBaseWidth(50);
    EXPECT_EQ(bubble.arrowBaseWidth(), 46);
    bubble.setArrowBaseWidth(-3);
    EXPECT_EQ(bubble.arrowBaseWidth(), 0);
    bubble.setArrowHeight(-4);
    EXPECT_EQ(bubble.arrowHeight(), 0);
}

TEST(MAAttachedBubbleMeasures, BorderStaysWithinTheMarginAndMarginIsNeverNegative)
{
    MAAttachedBubble bubble = standardBubble();
    bubble.setBorderWidth(5);
    EXPECT_EQ(bubble.borderWidth(), 2);
    bubble.setViewMargin(-1);
    EXPECT_EQ(bubble.viewMargin(), 0);
    EXPECT_EQ(bubble.cornerRadius(), 8);
    bubble.setBorderWidth(1);
    EXPECT_EQ(bubble.borderWidth(), 0);
}

class MAAttachedBubbleSideTest : public ::testing::Test
{
protected:
    const MAAttachedBubble bubble = standardBubble();
    const QRectF screen{0, 0, 1000, 800};
};

TEST_F(MAAttachedBubbleSideTest, BelowWinsWhenThereIsRoomEvenWithRoomOnTheRight)
{
    EXPECT_EQ(bubble.automaticSide(QPointF(500, 400), 0, screen, screen), Side::Below);
}

TEST_F(MAAttachedBubbleSideTest, WithoutRoomAnywhereTheSideFallsBackToBelow)
{
    const QRectF small(0, 0, 50, 50);
    EXPECT_EQ(bubble.automaticSide(QPointF(25, 25), 0, small, small), Side::Below);
}

TEST_F(MAAttachedBubbleSideTest, NearTheBottomTheBubbleGoesRight)
{
    EXPECT_EQ(bubble.automaticSide(QPointF(500, 30), 0, screen, screen), Side::Right);
}

TEST_F(MAAttachedBubbleSideTest, BesideTheReferencesBottomTheBubbleRunsUpwardsIfTheScreenAllows)
{
    const QRectF window(400, 50, 300, 200);
    EXPECT_EQ(bubble.automaticSide(QPointF(500, 60), 0, screen, window), Side::RightUpwards);
    const QRectF lowScreen(0, 0, 1000, 90);
    EXPECT_EQ(bubble.automaticSide(QPointF(500, 60), 0, lowScreen, window), Side::Right);
}

TEST_F(MAAttachedBubbleSideTest, BelowNearTheReferencesEdgesRunsAwayFromThem)
{
    const QRectF window(400, 300, 300, 200);
    EXPECT_EQ(bubble.automaticSide(QPointF(410, 400), 0, screen, window), Side::BelowRightwards);
    EXPECT_EQ(bubble.automaticSide(QPointF(690, 400), 0, screen, window), Side::BelowLeftwards);
    EXPECT_EQ(bubble.automaticSide(QPointF(550, 400), 0, screen, window), Side::Below);
}

// Where the preferred side leaves the screen, the side across takes its own
// point (the other edge of what the bubble points at) if it has room there:
// above for below, leftwards for rightwards.
TEST_F(MAAttachedBubbleSideTest, APreferredSideWithoutRoomTurnsAcross)
{
    const struct
    {
        QPointF point;
        Side side;
        bool atPointAcross;
    } cases[] = {
        {{500, 400}, Side::BelowRightwards, false},
        {{500, 30}, Side::AboveRightwards, true},
        {{960, 400}, Side::BelowLeftwards, false},
        {{960, 30}, Side::AboveLeftwards, true},
    };
    for (const auto& c : cases) {
        const QPointF across = c.point + QPointF(0, 20);  // y up: the top edge of a field
        const MAAttachedBubble::Aim aim = bubble.aimWithin(Side::BelowRightwards, c.point, across, 0, screen);
        EXPECT_EQ(aim.side, c.side) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(aim.atPointAcross, c.atPointAcross);
        EXPECT_TRUE(screen.contains(bubble.place(aim.side, aim.atPointAcross ? across : c.point, 0).windowFrame));
    }
    const QRectF small(0, 0, 50, 50);
    EXPECT_EQ(bubble.aimWithin(Side::BelowRightwards, QPointF(25, 25), QPointF(25, 30), 0, small).side,
              Side::BelowRightwards);
}

// Pixels of the painted bubble (y down), filled opaque red.
class MAAttachedBubbleDrawingTest : public ::testing::Test
{
protected:
    MAAttachedBubbleDrawingTest()
    {
        bubble.setFill(QColor(Qt::red));
        bubble.setBorderWidth(0);
    }

    QImage render(Side side)
    {
        return bubble.render(side, bubble.place(side, QPointF(0, 0), 0));
    }

    static bool filled(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 255; }
    static bool empty(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

    MAAttachedBubble bubble = standardBubble();
};

TEST_F(MAAttachedBubbleDrawingTest, ArrowPointsOutOfTheTopEdgeForBelow)
{
    const QImage image = render(Side::Below);
    ASSERT_EQ(image.size(), QSize(104, 70));
    EXPECT_TRUE(filled(image, 52, 5));   // inside the arrow, near its tip
    EXPECT_TRUE(empty(image, 30, 5));    // beside the arrow
    EXPECT_TRUE(filled(image, 52, 40));  // the body
    EXPECT_EQ(QColor(image.pixel(52, 40)), QColor(Qt::red));
}

TEST_F(MAAttachedBubbleDrawingTest, WithoutArrowTheEdgeRunsStraightButTheRoomStays)
{
    bubble.setHasArrow(false);
    const QImage image = render(Side::Below);
    EXPECT_EQ(image.size(), QSize(104, 70));
    EXPECT_TRUE(empty(image, 52, 5));
    EXPECT_TRUE(empty(image, 52, 16));
    EXPECT_TRUE(filled(image, 52, 19));
}

TEST_F(MAAttachedBubbleDrawingTest, RoundedCornersLeaveTheCornerPixelsEmpty)
{
    QImage image = render(Side::Below);
    EXPECT_TRUE(empty(image, 2, 18));
    EXPECT_TRUE(empty(image, 101, 67));
    bubble.setCornerRadius(0);
    image = render(Side::Below);
    EXPECT_TRUE(filled(image, 2, 18));
    EXPECT_TRUE(filled(image, 101, 67));
}

TEST_F(MAAttachedBubbleDrawingTest, SquareCornerBesideAnEndArrowMeetsTheArrowsBase)
{
    bubble.setDrawsRoundCornerBesideArrow(false);
    const QImage image = render(Side::RightDownwards);
    ASSERT_EQ(image.size(), QSize(120, 54));
    EXPECT_TRUE(filled(image, 18, 2));    // the square top-left corner of the body
    EXPECT_TRUE(filled(image, 16, 3));    // the arrow, flush with the top edge
    EXPECT_TRUE(filled(image, 12, 11));   // towards its tip
    EXPECT_TRUE(empty(image, 12, 25));    // below the arrow
    EXPECT_TRUE(empty(image, 118, 2));    // the far corner stays round
}

TEST_F(MAAttachedBubbleDrawingTest, BorderShowsItsFullWidthInsideTheOutline)
{
    bubble.setBorderWidth(2);
    bubble.setBorderColor(Qt::white);
    const QImage image = render(Side::Below);
    EXPECT_EQ(QColor(image.pixel(52, 67)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(52, 60)), QColor(Qt::red));
    EXPECT_TRUE(empty(image, 52, 69));
}

// At a screen scale of 2 the bubble is drawn with twice the pixels each
// way, its edges smooth at that size, not blown up from a drawing at 1.
TEST_F(MAAttachedBubbleDrawingTest, IsDrawnAtTheScreensScale)
{
    const MAAttachedBubble::Placement placement = bubble.place(Side::Below, QPointF(0, 0), 0);
    const QImage once = bubble.render(Side::Below, placement);
    const QImage sharp = bubble.render(Side::Below, placement, 2.0);
    EXPECT_EQ(sharp.size(), once.size() * 2);
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    QImage blownUp = once.scaled(once.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    blownUp.setDevicePixelRatio(2.0);
    EXPECT_NE(sharp, blownUp);
    EXPECT_TRUE(filled(sharp, 104, 80));
    EXPECT_TRUE(empty(sharp, 4, 36));  // a rounded corner
}

TEST(MAAttachedWindowCreation, NoViewNoWindow)
{
    EXPECT_EQ(MAAttachedWindow::create(nullptr, QPointF(10, 10)), nullptr);
}

TEST(MAAttachedWindowCreation, ScreenPointPlacesTheWindowAroundTheView)
{
    auto* view = new QWidget;
    view->resize(100, 50);
    std::unique_ptr<MAAttachedWindow> window(
        MAAttachedWindow::create(view, QPointF(300, 200), nullptr, Side::Below, 0));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->geometry(), QRect(248, 200, 104, 70));
    EXPECT_EQ(view->parentWidget(), window.get());
    EXPECT_EQ(view->geometry(), QRect(2, 18, 100, 50));
    EXPECT_EQ(window->windowBackgroundColor(), QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.75f));
    EXPECT_EQ(window->borderColor(), QColor(Qt::white));

    window->setPoint(QPointF(300, 200), Side::Automatic);
    EXPECT_EQ(window->geometry(), QRect(300, 146, 104, 54));
}

// Desktops without a compositor draw a window's see-through parts black.
// The shape is there as the bubble shows, and follows it while it shows.
TEST(MAAttachedWindowCreation, OnlyTheBubbleBelongsToTheWindow)
{
    auto* view = new QWidget;
    view->resize(100, 50);
    std::unique_ptr<MAAttachedWindow> window(
        MAAttachedWindow::create(view, QPointF(300, 200), nullptr, Side::Below, 0));
    ASSERT_TRUE(window);
    window->show();
    const QRegion shape = window->mask();
    EXPECT_TRUE(shape.contains(view->geometry().center()));
    EXPECT_TRUE(shape.contains(QPoint(52, 8)));   // inside the arrow
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));   // beside the arrow
    EXPECT_FALSE(shape.contains(QPoint(0, 69)));  // the rounded corner

    window->setPoint(QPointF(300, 200), Side::Right);
    EXPECT_TRUE(window->mask().contains(view->geometry().center()));
}

TEST(MAAttachedWindowCreation, AutomaticSideIsChosenOnce)
{
    auto* view = new QWidget;
    view->resize(100, 50);
    std::unique_ptr<MAAttachedWindow> window(MAAttachedWindow::create(view, QPointF(300, 200)));
    ASSERT_TRUE(window);
    EXPECT_NE(window->side(), Side::Automatic);
}

TEST(MAAttachedWindowCreation, SettersClampAndNullImageKeepsTheFill)
{
    auto* view = new QWidget;
    view->resize(100, 50);
    std::unique_ptr<MAAttachedWindow> window(
        MAAttachedWindow::create(view, QPointF(300, 200), nullptr, Side::Below, 0));
    window->setBackgroundColor(Qt::blue);
    window->setBackgroundImage(QImage());
    EXPECT_EQ(window->windowBackgroundColor(), QColor(Qt::blue));
    window->setCornerRadius(-2);
    EXPECT_EQ(window->cornerRadius(), 0);
    window->setArrowHeight(10);
    EXPECT_EQ(window->geometry(), QRect(248, 200, 104, 64));
    window->setViewMargin(10);
    EXPECT_EQ(window->geometry().size(), QSize(120, 80));
    EXPECT_EQ(view->geometry().topLeft(), QPoint(10, 20));
}

TEST(MAAttachedWindowParent, FollowsItsParentWindowWhenThatMoves)
{
    QWidget parent;
    parent.setGeometry(100, 100, 300, 200);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    auto* view = new QWidget;
    view->resize(100, 50);
    MAAttachedWindow* window = MAAttachedWindow::create(view, QPointF(300, 100), &parent, Side::Right, 0);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->parentWidget(), &parent);
    const QPoint before = window->pos();
    const QPoint pointBefore = parent.mapToGlobal(QPoint(300, 100));
    EXPECT_EQ(before, QPoint(pointBefore.x(), pointBefore.y() - 27));

    parent.move(parent.pos() + QPoint(50, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->pos() == before + QPoint(50, 30); }, 2000));
}

}  // namespace
