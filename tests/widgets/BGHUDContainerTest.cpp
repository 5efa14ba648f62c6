#include "widgets/BGHUDBox.h"
#include "widgets/BGHUDTabViewItem.h"
#include "widgets/BGHUDView.h"
#include "widgets/BGThemeManager.h"
#include "widgets/BackgroundView.h"
#include "WidgetPixels.h"

#include <gtest/gtest.h>

using WidgetPixels::at;
using WidgetPixels::near;

namespace {

std::shared_ptr<const BGTheme> gradientTheme()
{
    return BGThemeManager::keyedManager().themeForKey("gradientTheme");
}

template <typename Container>
std::unique_ptr<Container> ownLook(int width = 60, int height = 40)
{
    auto container = std::make_unique<Container>();
    container->setUseTheme(false);
    container->resize(width, height);
    return container;
}

std::unique_ptr<BGHUDBox> customBox()
{
    auto box = ownLook<BGHUDBox>();
    box->setBoxType(BGHUDBox::Custom);
    return box;
}

}  // namespace

TEST(BGHUDGradientLook, EdgeLinesAndShadowOffsetsWithYUp)
{
    using Edge = BGHUDGradientLook::Edge;
    const QRectF r(0.5, 0.5, 9, 19);
    EXPECT_EQ(BGHUDGradientLook::edgeLine(Edge::Top, r), QLineF(0.5, 19.5, 9.5, 19.5));
    EXPECT_EQ(BGHUDGradientLook::edgeLine(Edge::Bottom, r), QLineF(0.5, 0.5, 9.5, 0.5));
    EXPECT_EQ(BGHUDGradientLook::edgeLine(Edge::Left, r), QLineF(0.5, 0.5, 0.5, 19.5));
    EXPECT_EQ(BGHUDGradientLook::edgeLine(Edge::Right, r), QLineF(9.5, 0.5, 9.5, 19.5));
    EXPECT_EQ(BGHUDGradientLook::shadowOffset(Edge::Top), QPointF(0, -1));
    EXPECT_EQ(BGHUDGradientLook::shadowOffset(Edge::Bottom), QPointF(0, 1));
    EXPECT_EQ(BGHUDGradientLook::shadowOffset(Edge::Left), QPointF(1, 0));
    EXPECT_EQ(BGHUDGradientLook::shadowOffset(Edge::Right), QPointF(-1, 0));
}

TEST(BGHUDView, DefaultsUseTheTheme)
{
    BGHUDView view;
    EXPECT_TRUE(view.useTheme());
    EXPECT_EQ(view.themeKey(), "gradientTheme");
    EXPECT_EQ(view.color1(), QColor(Qt::black));
    EXPECT_EQ(view.color2(), QColor(Qt::white));
    EXPECT_EQ(view.borderColor(), QColor(Qt::black));
    EXPECT_FALSE(view.customGradient().has_value());
}

TEST(BGHUDView, ThemeModeStartsTheGradientAtTheBottomInsideAOnePointFrame)
{
    BGHUDView view;
    view.resize(60, 41);
    const QImage image = WidgetPixels::render(view);
    const QGradientStops stops = gradientTheme()->normalGradient().stops();
    EXPECT_TRUE(near(at(image, 30, 39), WidgetPixels::mix(stops[0].second, stops[1].second, (1.5 / 41) / 0.5), 3));
    EXPECT_TRUE(near(at(image, 30, 1), WidgetPixels::mix(stops[2].second, stops[3].second, ((39.5 / 41) - 0.5) / 0.5), 3));
    const QColor stroke = gradientTheme()->strokeColor();
    EXPECT_TRUE(near(at(image, 0, 20), stroke, 3));
    EXPECT_TRUE(near(at(image, 30, 40), stroke, 3));
    EXPECT_FALSE(near(at(image, 1, 20), stroke, 10));
}

TEST(BGHUDView, ThemeModeIgnoresTheEdgeFlags)
{
    BGHUDView plain;
    plain.resize(60, 40);
    BGHUDView flagged;
    flagged.resize(60, 40);
    flagged.setDrawBottomBorder(true);
    flagged.setDrawBottomShadow(true);
    flagged.setBorderColor(Qt::red);
    EXPECT_EQ(WidgetPixels::render(plain), WidgetPixels::render(flagged));
}

TEST(BGHUDView, OwnLookPutsColor1AtTheTopUnlessFlipped)
{
    auto view = ownLook<BGHUDView>();
    QImage image = WidgetPixels::render(*view);
    EXPECT_TRUE(near(at(image, 30, 0), QColor(Qt::black), 8));
    EXPECT_TRUE(near(at(image, 30, 39), QColor(Qt::white), 8));
    view->setFlipGradient(true);
    image = WidgetPixels::render(*view);
    EXPECT_TRUE(near(at(image, 30, 0), QColor(Qt::white), 8));
}

TEST(BGHUDView, CustomGradientReplacesTheTwoColours)
{
    auto view = ownLook<BGHUDView>();
    view->setCustomGradient(BGGradient(Qt::red, Qt::red));
    EXPECT_TRUE(near(at(WidgetPixels::render(*view), 30, 20), QColor(Qt::red), 0));
}

TEST(BGHUDView, BottomLineCastsItsShadowUpwards)
{
    auto view = ownLook<BGHUDView>();
    view->setColor1(Qt::white);
    view->setDrawBottomBorder(true);
    const QImage lineOnly = WidgetPixels::render(*view);
    EXPECT_TRUE(near(at(lineOnly, 30, 39), QColor(Qt::black), 0));
    EXPECT_TRUE(near(at(lineOnly, 30, 37), QColor(Qt::white), 0));
    view->setDrawBottomShadow(true);
    const QImage shadowed = WidgetPixels::render(*view);
    EXPECT_LT(at(shadowed, 30, 37).red(), 250);
    EXPECT_TRUE(near(at(shadowed, 30, 30), QColor(Qt::white), 0));
}

TEST(BGHUDView, ShadowWithoutItsLineDrawsNothing)
{
    auto plain = ownLook<BGHUDView>();
    auto shadowOnly = ownLook<BGHUDView>();
    shadowOnly->setDrawTopShadow(true);
    shadowOnly->setDrawLeftShadow(true);
    EXPECT_EQ(WidgetPixels::render(*plain), WidgetPixels::render(*shadowOnly));
}

TEST(BGHUDView, EveryEdgeLineFallsOnTheOuterPixels)
{
    auto view = ownLook<BGHUDView>();
    view->setColor1(Qt::white);
    view->setColor2(Qt::white);
    view->setBorderColor(Qt::blue);
    view->setDrawTopBorder(true);
    view->setDrawBottomBorder(true);
    view->setDrawLeftBorder(true);
    view->setDrawRightBorder(true);
    const QImage image = WidgetPixels::render(*view);
    EXPECT_EQ(at(image, 30, 0), QColor(Qt::blue));
    EXPECT_EQ(at(image, 30, 39), QColor(Qt::blue));
    EXPECT_EQ(at(image, 0, 20), QColor(Qt::blue));
    EXPECT_EQ(at(image, 59, 20), QColor(Qt::blue));
    EXPECT_EQ(at(image, 1, 20), QColor(Qt::white));
}

TEST(BGHUDBox, NonCustomBoxDrawsLikeAPlainFrame)
{
    BGHUDBox box;
    box.resize(60, 40);
    box.setUseTheme(false);
    box.setDrawTopBorder(true);
    QFrame frame;
    frame.setFrameShape(QFrame::StyledPanel);
    frame.resize(60, 40);
    EXPECT_EQ(WidgetPixels::render(box), WidgetPixels::render(frame));
}

TEST(BGHUDBox, TransparentThemedBoxKeepsItsFrame)
{
    BGHUDBox box;
    box.setBoxType(BGHUDBox::Custom);
    box.resize(60, 40);
    box.setTransparent(true);
    const QImage image = WidgetPixels::render(box);
    EXPECT_EQ(at(image, 30, 20).alpha(), 0);
    EXPECT_TRUE(near(at(image, 0, 20), gradientTheme()->strokeColor(), 3));
}

TEST(BGHUDBox, ThemedBoxFillsItsContentArea)
{
    BGHUDBox box;
    box.setBoxType(BGHUDBox::Custom);
    box.resize(60, 40);
    box.setContentsMargins(5, 5, 5, 5);
    const QImage image = WidgetPixels::render(box);
    EXPECT_EQ(at(image, 2, 20).alpha(), 0);
    EXPECT_TRUE(near(at(image, 5, 20), gradientTheme()->strokeColor(), 3));
    EXPECT_GT(at(image, 30, 20).alpha(), 100);
}

TEST(BGHUDBox, FlipGradientMovesColor1ToTheBottom)
{
    auto box = customBox();
    EXPECT_TRUE(near(at(WidgetPixels::render(*box), 30, 0), QColor(Qt::black), 8));
    box->setFlipGradient(true);
    EXPECT_TRUE(near(at(WidgetPixels::render(*box), 30, 39), QColor(Qt::black), 8));
}

TEST(BGHUDBox, TransparentRoundedBoxStillFillsItsPath)
{
    auto box = customBox();
    box->setCornerRadius(6);
    box->setTransparent(true);
    box->setColor2(Qt::black);
    box->setBorderType(BGHUDBox::NoBorder);
    const QImage image = WidgetPixels::render(*box);
    EXPECT_TRUE(near(at(image, 30, 20), QColor(Qt::black), 0));
    EXPECT_EQ(at(image, 0, 0).alpha(), 0);  // outside the rounded corner
}

TEST(BGHUDBox, RoundedOutlineUsesTheBorderWidthOrOne)
{
    auto box = customBox();
    EXPECT_EQ(box->outlineWidth(), 1.0);
    box->setBorderWidth(3);
    EXPECT_EQ(box->outlineWidth(), 3.0);
    box->setBorderWidth(0);
    EXPECT_EQ(box->outlineWidth(), 1.0);
    box->setColor1(Qt::white);
    box->setColor2(Qt::white);
    box->setBorderColor(Qt::red);
    box->setCornerRadius(4);
    // The outline is centred on the edge: half of it shows over the fill.
    const QColor top = at(WidgetPixels::render(*box), 30, 0);
    EXPECT_EQ(top.red(), 255);
    EXPECT_NEAR(top.green(), 128, 2);
}

TEST(BGHUDBox, SquareBoxWithABottomLineAndShadow)
{
    auto box = customBox();
    box->setColor1(Qt::white);
    box->setColor2(Qt::white);
    box->setDrawBottomBorder(true);
    box->setDrawBottomShadow(true);
    const QImage image = WidgetPixels::render(*box);
    EXPECT_EQ(at(image, 30, 39), QColor(Qt::black));
    EXPECT_LT(at(image, 30, 37).red(), 250);
    EXPECT_EQ(at(image, 30, 0), QColor(Qt::white));
    box->setTransparent(true);
    const QImage clear = WidgetPixels::render(*box);
    EXPECT_EQ(at(clear, 30, 20).alpha(), 0);
    EXPECT_EQ(at(clear, 30, 39), QColor(Qt::black));
}

TEST(BGHUDBox, SecondBorderColourIsOnlyStored)
{
    auto box = customBox();
    const QImage before = WidgetPixels::render(*box);
    box->setBorderColor2(Qt::green);
    EXPECT_EQ(box->borderColor2(), QColor(Qt::green));
    EXPECT_EQ(WidgetPixels::render(*box), before);
}

TEST(BGHUDTabViewItem, LabelInTheThemeTextColour)
{
    BGHUDTabViewItem item("General");
    EXPECT_EQ(item.labelColor(), QColor(Qt::white));
    item.setThemeKey("flatTheme");
    EXPECT_EQ(item.labelColor(), QColor(Qt::white));
    EXPECT_EQ(item.label(), "General");
}

TEST(BackgroundView, FillsWithItsColourAndKeepsItsCentre)
{
    BackgroundView view;
    view.resize(20, 20);
    EXPECT_FALSE(view.backgroundColor().isValid());
    EXPECT_EQ(at(WidgetPixels::render(view), 10, 10).alpha(), 0);
    view.setBackgroundColor(QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f));
    EXPECT_TRUE(near(at(WidgetPixels::render(view), 10, 10), QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f), 1));
    view.setCenter(QPointF(3.5, 4.5));
    EXPECT_EQ(view.center(), QPointF(3.5, 4.5));
    EXPECT_EQ(view.pos(), QPoint(0, 0));
    view.setBackgroundColor(QColor());
    EXPECT_EQ(at(WidgetPixels::render(view), 10, 10).alpha(), 0);
}
