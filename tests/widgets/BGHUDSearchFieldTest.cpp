#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDSearchFieldCell.h"
#include "widgets/BGThemeManager.h"
#include "WidgetPixels.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using Size = BGControlSize;
using Cell = BGHUDSearchFieldCell;

TEST(BGHUDSearchFieldCell, IconsAndRectsBySize)
{
    const QRectF bounds(0, 0, 200, 22);  // buttons of side 20 before moving
    const struct {
        Size size;
        QSizeF icon;
        QPointF search;  // top-left of the magnifier's button
        QPointF cancel;  // top-left of the cancel button
        qreal textLeft, textRight, textTop;
    } rows[] = {
        {Size::Regular, {14, 14}, {0, 0}, {175, 0}, 30, 175, 0},
        {Size::Small, {12, 12}, {4, -1}, {177, -0.5}, 26, 173, 1},
        {Size::Mini, {10, 10}, {3, -1}, {175, -1}, 25, 175, 1},
    };
    for (const auto& row : rows) {
        Cell cell;
        cell.setControlSize(row.size);
        EXPECT_EQ(cell.iconSize(), row.icon) << int(row.size);
        EXPECT_EQ(cell.searchButtonRect(bounds).topLeft(), row.search) << int(row.size);
        EXPECT_EQ(cell.cancelButtonRect(bounds).topLeft(), row.cancel) << int(row.size);
        const QRectF text = cell.textFrame(bounds);
        EXPECT_EQ(text.left(), row.textLeft) << int(row.size);
        EXPECT_EQ(text.right(), row.textRight) << int(row.size);
        EXPECT_EQ(text.top(), row.textTop) << int(row.size);
    }
}

TEST(BGHUDSearchFieldCell, ReturningToRegularKeepsTheSmallerIcons)
{
    Cell cell;
    cell.setControlSize(Size::Small);
    cell.setControlSize(Size::Regular);
    EXPECT_EQ(cell.iconSize(), QSizeF(12, 12));
}

TEST(BGHUDSearchFieldCell, IconsAreFreshCopiesDrawnTheRightWayUp)
{
    QImage first = Cell::searchButtonImage();
    first.fill(Qt::red);
    const QImage magnifier = Cell::searchButtonImage();
    EXPECT_NE(magnifier.pixelColor(0, 0), QColor(Qt::red));

    // The handle runs towards the lower right; the upper right stays clear.
    const auto alphaAt = [&](qreal x, qreal y) {
        return magnifier.pixelColor(int(x * magnifier.devicePixelRatio()), int(y * magnifier.devicePixelRatio())).alpha();
    };
    EXPECT_GT(alphaAt(11, 12), 200);
    EXPECT_EQ(alphaAt(12, 2), 0);
    EXPECT_GT(alphaAt(1, 6), 100);  // the lens' left edge, centred at y = 6

    const QImage cancel = Cell::cancelButtonImage();
    const QColor disc = cancel.pixelColor(int(3 * cancel.devicePixelRatio()), int(7 * cancel.devicePixelRatio()));
    EXPECT_EQ(disc, QColor(Qt::white));
}

TEST(BGHUDSearchField, CancelButtonClearsLikeTyping)
{
    BGHUDSearchField field;
    field.resize(200, 22);
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    QSignalSpy edited(&field, &QLineEdit::textEdited);

    const QPoint cancel = field.cell().cancelButtonRect(field.rect()).center().toPoint();
    QTest::mouseClick(&field, Qt::LeftButton, {}, cancel);
    EXPECT_EQ(edited.count(), 0);  // no text, no cancel button

    QTest::keyClicks(&field, "gas");
    edited.clear();
    QTest::mouseClick(&field, Qt::LeftButton, {}, cancel);
    EXPECT_TRUE(field.text().isEmpty());
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.first().first().toString(), QString());
}

TEST(BGHUDSearchField, TextStartsAfterTheMagnifier)
{
    BGHUDSearchField field;
    field.resize(200, 22);
    const QImage image = WidgetPixels::render(field);
    EXPECT_EQ(field.textMargins().left(), 30);
    // The white magnifier shows inside its button.
    const QRectF icon = field.cell().iconRect(field.cell().searchButtonRect(field.rect()));
    bool white = false;
    for (int x = int(icon.left()); x < int(icon.right()); ++x)
        white = white || image.pixelColor(x, int(icon.center().y())) == QColor(Qt::white);
    EXPECT_TRUE(white);
}
