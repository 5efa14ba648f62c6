#include "widgets/BGHUDPopUpButtonCell.h"
#include "widgets/BGThemeManager.h"

#include <gtest/gtest.h>

using Cell = BGHUDPopUpButtonCell;
using Size = BGControlSize;

TEST(BGHUDPopUpButtonCell, ArrowAreaAndTitleReductionBySize)
{
    const struct {
        Size size;
        qreal bordered, plain, reduction;
        QRectF arrows;  // for a frame (0, 0, 100, h) of cell height 26
    } rows[] = {
        {Size::Regular, 21, 11, 21, {3.5, 2.5, 93, 19}},
        {Size::Small, 18, 8, 18, {3.5, 1.5, 93, 20}},
        {Size::Mini, 15, 5, 15, {1.5, 0.5, 96, 24}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Cell::arrowAreaWidth(row.size, true), row.bordered);
        EXPECT_EQ(Cell::arrowAreaWidth(row.size, false), row.plain);
        EXPECT_EQ(Cell::titleWidthReduction(row.size), row.reduction);
        Cell cell;
        cell.setControlSize(row.size);
        EXPECT_EQ(cell.arrowRect(QRectF(0, 0, 100, 30), 26), row.arrows) << int(row.size);
    }
}

TEST(BGHUDPopUpButtonCell, PopUpHasOneArrowPullDownTwoPointingApart)
{
    Cell cell;
    const QRectF r(0, 0, 100, 20);  // cx = 100 - 21 + 10.5, cy = 10
    const QList<QPolygonF> popUp = cell.arrows(r);
    ASSERT_EQ(popUp.size(), 1);
    EXPECT_EQ(popUp[0], QPolygonF({{86, 7.5}, {93, 7.5}, {89.5, 12.5}}));

    cell.setPullsDown(true);
    const QList<QPolygonF> pullDown = cell.arrows(r);
    ASSERT_EQ(pullDown.size(), 2);
    EXPECT_EQ(pullDown[0][2], QPointF(89.5, 4));
    EXPECT_EQ(pullDown[1][2], QPointF(89.5, 16));
}

TEST(BGHUDPopUpButtonCell, ArrowAndTitleColours)
{
    const auto theme = BGThemeManager::keyedManager().themeForKey("gradientTheme");
    Cell cell;
    const struct {
        bool enabled, highlighted, inKeyWindow;
        QColor arrow, title;
    } rows[] = {
        {true, false, true, theme->textColor(), Qt::black},
        {false, true, true, theme->disabledTextColor(), theme->disabledTextColor()},
        {true, true, true, theme->selectionTextActiveColor(), Qt::black},
        {true, true, false, theme->selectionTextInActiveColor(), Qt::black},
    };
    for (const auto& row : rows) {
        Cell::State state{row.enabled, row.highlighted, row.inKeyWindow};
        EXPECT_EQ(cell.arrowColor(state), row.arrow);
        EXPECT_EQ(cell.titleColor(state), row.title);
    }
}

TEST(BGHUDPopUpButtonCell, TitleAndImagePlacement)
{
    Cell cell;
    const QRectF frame(0, 0, 120, 26);  // bordered: content frame (5, 0, 120, 24)
    EXPECT_EQ(cell.titleRect(frame, 20), QRectF(10, 2, 99, 20));
    cell.setImage(QImage(16, 16, QImage::Format_ARGB32));
    EXPECT_EQ(cell.titleRect(frame, 20).x(), 5 + 5 + 6 + 16);
    cell.setImagePosition(Cell::ImageOnly);
    EXPECT_EQ(cell.titleRect(frame, 20).width(), 0);

    const QSizeF image(16, 10);
    const struct {
        int position;
        qreal x;
    } rows[] = {{0, 6}, {2, 6}, {1, 52}, {3, 96}, {4, 0}, {6, 0}, {7, 5}};
    for (const auto& row : rows) {
        cell.setImagePosition(row.position);
        EXPECT_EQ(cell.imageRect(frame, image), QRectF(row.x, 8, 16, 10)) << row.position;
    }
}

TEST(BGHUDPopUpButtonCell, AlternateImageStates)
{
    Cell cell;
    QImage normal(4, 4, QImage::Format_ARGB32), alternate(6, 6, QImage::Format_ARGB32);
    cell.setImage(normal);
    cell.setAlternateImage(alternate);
    Cell::State pressed{true, true, true, false};
    Cell::State on{true, false, true, true};
    EXPECT_EQ(cell.shownImage(pressed).size(), alternate.size());
    EXPECT_EQ(cell.shownImage(on).size(), normal.size());
    cell.setShowsStateBy(1);
    cell.setHighlightsBy(3);
    EXPECT_EQ(cell.shownImage(on).size(), alternate.size());
    EXPECT_EQ(cell.shownImage(pressed).size(), normal.size());
}
