#include <gtest/gtest.h>

#include "screens/BWTableCellView.h"

TEST(BWTableCellView, SelectedRowKeepsDetailAndLabelInTheSecondaryColour)
{
    BWTableCellView cell;
    cell.detailTextField.textColor = Qt::red;
    cell.labelTextField.textColor = Qt::green;
    cell.textField.textColor = Qt::blue;

    cell.setBackgroundStyle(BWTableCellView::BackgroundStyle::Emphasized);

    EXPECT_EQ(cell.detailTextField.textColor, BWTableCellView::secondaryLabelColor());
    EXPECT_EQ(cell.labelTextField.textColor, BWTableCellView::secondaryLabelColor());
    EXPECT_EQ(cell.drawnTextColor(), BWTableCellView::selectedTextColor());

    cell.setBackgroundStyle(BWTableCellView::BackgroundStyle::Normal);
    EXPECT_EQ(cell.detailTextField.textColor, BWTableCellView::secondaryLabelColor());
    EXPECT_EQ(cell.drawnTextColor(), QColor(Qt::blue));
}

TEST(BWTableCellView, DueDotsHaveColoursAndOtherNamesWithoutPicturesHaveNoImage)
{
    EXPECT_TRUE(BWTableCellView::dueDotColor(QStringLiteral("red5.png")).isValid());
    EXPECT_FALSE(BWTableCellView::dueDotColor(QStringLiteral("GScale_Home")).isValid());
    EXPECT_FALSE(BWTableCellView::image(QStringLiteral("green5.png"), 10).isNull());
    EXPECT_TRUE(BWTableCellView::image(QStringLiteral("no-such-picture"), 10).isNull());
    EXPECT_TRUE(BWTableCellView::image(QString(), 10).isNull());
}
