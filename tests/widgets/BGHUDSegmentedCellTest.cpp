#include "widgets/BGHUDSegmentedCell.h"
#include "widgets/BGHUDSegmentedControl.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using Cell = BGHUDSegmentedCell;

namespace {

Cell::Segment segment(std::optional<QString> label, QSize image = {})
{
    Cell::Segment made;
    made.label = label;
    if (!image.isEmpty()) {
        made.image = QImage(image, QImage::Format_ARGB32);
        made.image.fill(Qt::white);
    }
    return made;
}

Cell cellWith(std::initializer_list<Cell::Segment> segments, int style = Cell::Rounded)
{
    Cell cell;
    cell.setSegmentStyle(style);
    for (const Cell::Segment& made : segments)
        cell.segments().append(made);
    return cell;
}

}  // namespace

TEST(BGHUDSegmentedCell, OnlyRoundedAndSmallSquareStylesAreTaken)
{
    Cell cell;
    const struct {
        int style, kept;
    } rows[] = {{Cell::SmallSquare, Cell::SmallSquare}, {2, Cell::SmallSquare}, {Cell::Rounded, Cell::Rounded},
                {5, Cell::Rounded}};
    for (const auto& row : rows) {
        cell.setSegmentStyle(row.style);
        EXPECT_EQ(cell.segmentStyle(), row.kept) << row.style;
    }
}

TEST(BGHUDSegmentedCell, LastSegmentLosesThreePointsWithoutLabels)
{
    const QRectF outline = Cell::outlineFrame(QRectF(0, 0, 123, 24));
    EXPECT_EQ(outline, QRectF(1.5, 0.5, 120, 21));
    const struct {
        const char* what;
        Cell cell;
        int index;
        qreal width;
    } rows[] = {
        {"images only", cellWith({segment(std::nullopt, {8, 8}), segment(std::nullopt, {8, 8})}), 1, 57},
        {"empty labels", cellWith({segment(""), segment("")}, Cell::SmallSquare), 1, 57},
        {"one label", cellWith({segment("Paid"), segment(std::nullopt, {8, 8})}), 1, 60},
        {"first segment", cellWith({segment(std::nullopt), segment(std::nullopt)}), 0, 60},
        {"single rounded", cellWith({segment(std::nullopt)}), 0, 120},
        {"single square", cellWith({segment(std::nullopt)}, Cell::SmallSquare), 0, 117},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.cell.hasText(), QString(row.what) == "one label") << row.what;
        EXPECT_EQ(row.cell.segmentRect(row.index, outline).width(), row.width) << row.what;
    }
}

TEST(BGHUDSegmentedCell, RoundedEndsOnlyOnTheOuterSides)
{
    const Cell cell = cellWith({segment("A"), segment("B"), segment("C")});
    const QRectF r(0, 0, 40, 20);
    const QPointF topLeft(0.2, 0.2), topRight(39.8, 0.2);
    const struct {
        int index;
        bool leftRound, rightRound;
    } rows[] = {{0, true, false}, {1, false, false}, {2, false, true}};
    for (const auto& row : rows) {
        const QPainterPath path = cell.segmentPath(row.index, r);
        EXPECT_EQ(path.contains(topLeft), !row.leftRound) << row.index;
        EXPECT_EQ(path.contains(topRight), !row.rightRound) << row.index;
    }
}

TEST(BGHUDSegmentedCell, ImageSizing)
{
    const QRectF r(0, 0, 60, 24);
    Cell::Segment scaled = segment("x", {20, 40});
    Cell::Segment ownSize = segment("x", {20, 40});
    ownSize.imageScaling = Cell::None;
    const struct {
        const char* what;
        Cell::Segment made;
        QRectF rect;
        QSizeF size;
    } rows[] = {
        {"twice as tall", scaled, r, {10, 20}},
        {"own scaling", ownSize, r, {20, 40}},
        {"segment 4 high", scaled, QRectF(0, 0, 60, 4), {}},
        {"segment lower than 4", scaled, QRectF(0, 0, 60, 3), {}},
    };
    Cell cell;
    for (const auto& row : rows)
        EXPECT_EQ(cell.imageSize(row.made, row.rect), row.size) << row.what;
    Cell::Segment flat = segment("x");
    flat.image = QImage(20, 0, QImage::Format_ARGB32);
    EXPECT_EQ(cell.imageSize(flat, r), QSizeF()) << "image without height";
}

TEST(BGHUDSegmentedCell, InteriorPlacement)
{
    const Cell cell = cellWith({segment("Paid", {20, 20}), segment(std::nullopt, {20, 20}), segment("Very long")});
    const QSizeF text(30, 14);
    // Image and label centred as one group, five points apart, anywhere.
    for (const QRectF r : {QRectF(0, 0, 80, 24), QRectF(80, 0, 80, 24)}) {
        const Cell::Interior both = cell.interior(0, r, text);
        EXPECT_EQ(both.image, QRectF(r.center().x() - 27.5, 2, 20, 20));
        EXPECT_EQ(both.label.x() - both.image.right(), 5);
    }
    const Cell::Interior imageOnly = cell.interior(1, QRectF(0, 0, 80, 24), text);
    EXPECT_EQ(imageOnly.image, QRectF(30, 2, 20, 20));
    // A label wider than the control starts 3 points inside it.
    EXPECT_EQ(cell.interior(2, QRectF(0, 0, 40, 24), QSizeF(100, 14)).label.x(), 3);
}

TEST(BGHUDSegmentedControl, ClicksAndKeysSelect)
{
    BGHUDSegmentedControl control;
    for (const char* label : {"Week", "Month", "Year"})
        control.addSegment(label);
    control.resize(153, 25);
    control.setSelectedSegment(0);
    QSignalSpy selected(&control, &BGHUDSegmentedControl::segmentSelected);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(130, 12));
    EXPECT_EQ(control.selectedSegment(), 2);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.selectedSegment(), 1);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(76, 12));  // already selected
    ASSERT_EQ(selected.count(), 2);
    EXPECT_EQ(selected.at(1).first().toInt(), 1);
}
