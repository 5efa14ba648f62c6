#include "widgets/BWAnimatingView.h"

#include <QPointer>
#include <QPropertyAnimation>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace BWAnimatingView;

// A 100 x 50 view in a 400 x 300 parent, first at (30, 40) measured y up.
class BWAnimatingViewTest : public ::testing::Test
{
protected:
    BWAnimatingViewTest()
    {
        parent.resize(400, 300);
        view = new QWidget(&parent);
        view->setGeometry(30, 300 - 40 - 50, 100, 50);
        parent.show();
    }

    bool waitForSlideToEnd()
    {
        return QTest::qWaitFor([this] { return runningAnimation(view) == nullptr; }, 3000);
    }
    static bool stopped(const QPointer<QPropertyAnimation>& slide)
    {
        return slide.isNull() || slide->state() != QAbstractAnimation::Running;
    }

    QWidget parent;
    QWidget* view = nullptr;
};

TEST_F(BWAnimatingViewTest, DistancesAreMeasuredUpFromTheBottomEdge)
{
    EXPECT_EQ(frame(view), QRectF(30, 40, 100, 50));
    EXPECT_EQ(topDistance(view), 250);
    EXPECT_EQ(rightDistance(view), 300);
    EXPECT_EQ(leftDistance(view), 0);
    EXPECT_EQ(bottomDistance(view), 0);
    EXPECT_EQ(offTop(view), 300);
    EXPECT_EQ(offBottom(view), -50);
    EXPECT_EQ(offLeft(view), -100);
    EXPECT_EQ(offRight(view), 400);
}

TEST_F(BWAnimatingViewTest, CornerAndEdgePlacements)
{
    setLocationTopLeftAnimated(view, false, 10);
    EXPECT_EQ(frame(view).topLeft(), QPointF(0, 240));
    EXPECT_EQ(view->geometry(), QRect(0, 10, 100, 50));
    setLocationTopRightAnimated(view, false, 0);
    EXPECT_EQ(frame(view).topLeft(), QPointF(300, 250));
    setLocationBottomRightAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(300, 0));
    setLocationBottomLeftAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(0, 0));
    setLocationFlushBottomAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(0, 0));
}

TEST_F(BWAnimatingViewTest, FlushTopAlsoMovesToTheLeftEdge)
{
    setLocationFlushTopAnimated(view, false);
    EXPECT_EQ(frame(view), QRectF(0, 250, 100, 50));
}

TEST_F(BWAnimatingViewTest, OffScreenPlacementsKeepTheOtherCoordinate)
{
    setLocationOffScreenRightAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(400, 40));
    setLocationOffScreenTopAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(400, 300));
    setLocationOffScreenLeftAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(-100, 300));
    setAbsoluteLocationOffScreenBottomAnimated(view, false);
    EXPECT_EQ(frame(view).topLeft(), QPointF(-100, -50));
    EXPECT_TRUE(view->isVisible());
}

TEST_F(BWAnimatingViewTest, MaximizingKeepsTheOrigin)
{
    maximizeItemWidthAnimated(view, false, 20);
    EXPECT_EQ(frame(view), QRectF(30, 40, 380, 50));
    maximizeItemHeightAnimated(view, false, 0);
    EXPECT_EQ(frame(view), QRectF(30, 40, 380, 300));
}

TEST_F(BWAnimatingViewTest, AbsoluteTopLeftFollowsTheParentsPosition)
{
    QWidget outer;
    outer.resize(600, 400);
    parent.setParent(&outer);
    parent.move(70, 0);
    setAbsoluteLocationTopLeftAnimated(view, false, 5);
    EXPECT_EQ(frame(view).topLeft(), QPointF(70, 245));
    parent.setParent(nullptr);
}

TEST(BWAnimatingViewOrphan, AViewWithoutParentMeasuresAgainstAnEmptyFrame)
{
    QWidget orphan;
    orphan.resize(100, 50);
    EXPECT_EQ(topDistance(&orphan), -50);
    setLocationTopLeftAnimated(&orphan, false, 10);
    EXPECT_EQ(frame(&orphan).topLeft(), QPointF(0, -60));
}

TEST_F(BWAnimatingViewTest, AnimatedSlideOutOfSightHidesTheViewAtTheEnd)
{
    setLocationOffScreenLeftAnimated(view, true);
    EXPECT_TRUE(view->isVisible());
    ASSERT_NE(runningAnimation(view), nullptr);
    EXPECT_EQ(runningAnimation(view)->duration(), 400);
    ASSERT_TRUE(waitForSlideToEnd());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(frame(view).topLeft(), QPointF(-100, 40));
}

TEST_F(BWAnimatingViewTest, AnimatedPlacementShowsAHiddenViewFirst)
{
    view->hide();
    setLocationTopLeftAnimated(view, true, 0);
    EXPECT_TRUE(view->isVisible());
    ASSERT_TRUE(waitForSlideToEnd());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(frame(view).topLeft(), QPointF(0, 250));
}

TEST_F(BWAnimatingViewTest, ASecondPlacementCancelsTheFirstSlidesEnd)
{
    setLocationOffScreenBottomAnimated(view, true);
    const QPointer<QPropertyAnimation> first = runningAnimation(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.isNull() && first->currentTime() > 0; }, 3000));
    setLocationFlushTopAnimated(view, true);
    EXPECT_TRUE(stopped(first));   // its end, which hides the view, never comes
    ASSERT_TRUE(waitForSlideToEnd());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(frame(view), QRectF(0, 250, 100, 50));
}

TEST_F(BWAnimatingViewTest, AnImmediatePlacementAlsoStopsARunningSlide)
{
    setLocationOffScreenRightAnimated(view, true);
    const QPointer<QPropertyAnimation> slide = runningAnimation(view);
    setLocationBottomLeftAnimated(view, false);
    EXPECT_EQ(runningAnimation(view), nullptr);
    EXPECT_TRUE(stopped(slide));   // nothing moves or hides the view later
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(frame(view).topLeft(), QPointF(0, 0));
}

TEST_F(BWAnimatingViewTest, SetFrameAnimatedWithoutRemovalKeepsTheViewShown)
{
    setFrameAnimated(view, QRectF(10, 20, 200, 100), false);
    ASSERT_TRUE(waitForSlideToEnd());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(frame(view), QRectF(10, 20, 200, 100));
}

}  // namespace
