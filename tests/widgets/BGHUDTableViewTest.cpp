#include "widgets/BGHUDItemViewLook.h"
#include "widgets/BGHUDTableCornerView.h"
#include "widgets/BGHUDTableHeaderView.h"
#include "widgets/BGHUDTableView.h"
#include "widgets/BGHUDTableViewHeaderCell.h"
#include "widgets/BGThemeManager.h"
#include "WidgetPixels.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

using WidgetPixels::at;
using WidgetPixels::near;
using HeaderCell = BGHUDTableViewHeaderCell;

namespace {

std::shared_ptr<const BGTheme> gradientTheme()
{
    return BGThemeManager::keyedManager().themeForKey("gradientTheme");
}

QImage paintHeader(const std::function<void(QPainter&, const QRectF&)>& draw, const QSize& size = {120, 24})
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::unique_ptr<QStandardItemModel> billsModel(int rows)
{
    auto model = std::make_unique<QStandardItemModel>(rows, 2);
    model->setHorizontalHeaderLabels({"Name", "Due"});
    for (int row = 0; row < rows; ++row)
        model->setItem(row, 0, new QStandardItem(QString("Bill %1").arg(row)));
    return model;
}

// A table of `rows` bills, 300 by 200 pixels, on the screen.
struct ShownTable
{
    explicit ShownTable(int rows)
        : model(billsModel(rows))
    {
        table.setModel(model.get());
        table.resize(300, 200);
        table.show();
    }

    BGHUDTableView table;
    std::unique_ptr<QStandardItemModel> model;
};

}  // namespace

TEST(BGHUDTableViewHeaderCell, Geometry)
{
    const QRectF frame(10, 0, 100, 24);
    EXPECT_EQ(HeaderCell::fillFrame(frame), QRectF(10, 1, 99, 22));

    // Titles of any size are centred about the line two points above the middle.
    for (const int points : {9, 13, 20}) {
        HeaderCell cell;
        QFont font;
        font.setPixelSize(points);
        cell.setFont(font);
        const QRectF title = cell.titleFrame(frame);
        EXPECT_EQ(title.x(), 12);
        EXPECT_EQ(title.y() + points / 2.0, 10) << points;
        EXPECT_EQ(title.size(), frame.size());
    }

    const QRectF indicator = HeaderCell::sortIndicatorRect(frame);
    EXPECT_EQ(indicator.size(), QSizeF(7, 8));
    EXPECT_LT(indicator.right(), frame.right());
}

TEST(BGHUDTableViewHeaderCell, SortTrianglePointsByDirection)
{
    const QRectF s(0, 0, 8, 10);
    const struct {
        bool ascending;
        QPolygonF points;
    } rows[] = {
        {true, QPolygonF({{0, 8}, {8, 8}, {4, 0}})},   // apex at the top
        {false, QPolygonF({{0, 0}, {8, 0}, {4, 8}})},  // apex at the bottom
    };
    for (const auto& row : rows)
        EXPECT_EQ(HeaderCell::sortIndicator(s, row.ascending), row.points) << row.ascending;
}

TEST(BGHUDTableViewHeaderCell, OnlyThePrimarySortColumnShowsATriangle)
{
    HeaderCell cell;
    const QRectF frame(0, 0, 120, 24);
    const QPointF middle = HeaderCell::sortIndicatorRect(frame).center();
    const struct {
        int priority;
        bool enabled;
        QColor expected;
    } rows[] = {
        {0, true, gradientTheme()->textColor()},
        {0, false, gradientTheme()->disabledTextColor()},
        {1, true, Qt::transparent},
        {2, true, Qt::transparent},
    };
    for (const auto& row : rows) {
        const QImage image = paintHeader([&](QPainter& painter, const QRectF& bounds) {
            cell.drawSortIndicator(painter, bounds, true, row.priority, row.enabled);
        });
        EXPECT_TRUE(near(at(image, int(middle.x()), int(middle.y())), row.expected, 40)) << row.priority;
    }
}

TEST(BGHUDTableViewHeaderCell, HighlightedHeaderUsesTheSelectedFill)
{
    HeaderCell cell;
    const auto theme = gradientTheme();
    for (const bool highlighted : {false, true}) {
        const QImage image = paintHeader([&](QPainter& painter, const QRectF& bounds) {
            cell.drawBackground(painter, bounds, highlighted);
        });
        const BGGradient fill = highlighted ? theme->tableHeaderCellSelectedFill() : theme->tableHeaderCellNormalFill();
        EXPECT_TRUE(near(at(image, 50, 1), fill.stops().first().second, 12)) << highlighted;
        EXPECT_TRUE(near(at(image, 50, 22), fill.stops().last().second, 12)) << highlighted;
        // The border colour shows at the top, bottom and right edge.
        for (const QPoint edge : {QPoint(50, 0), QPoint(50, 23), QPoint(119, 12)})
            EXPECT_TRUE(near(at(image, edge.x(), edge.y()), theme->tableHeaderCellBorderColor())) << highlighted;
    }
}

TEST(BGHUDTableView, ReplacesThePlainHeaderAndPassesItsKeyOn)
{
    QFont headerFont;
    headerFont.setPointSize(17);
    QTableView plain;
    plain.horizontalHeader()->setFont(headerFont);
    BGHUDTableView table;
    EXPECT_EQ(table.horizontalHeader(), table.hudHeader());
    EXPECT_EQ(table.hudHeader()->cell().themeKey(), "gradientTheme");

    table.setThemeKey("flatTheme");
    EXPECT_EQ(table.hudHeader()->cell().themeKey(), "flatTheme");
    EXPECT_EQ(table.cornerView()->themeKey(), "flatTheme");
}

TEST(BGHUDTableView, ThemeColoursForRowsSelectionAndEditors)
{
    BGHUDTableView table;
    const auto theme = gradientTheme();
    const QPalette alternating = table.look().viewPalette(QPalette(), true);
    EXPECT_EQ(alternating.color(QPalette::Base), theme->cellAlternatingRowColors().value(0));
    EXPECT_EQ(alternating.color(QPalette::AlternateBase), theme->cellAlternatingRowColors().value(1));
    EXPECT_EQ(alternating.color(QPalette::Highlight), theme->cellHighlightColor());
    EXPECT_EQ(alternating.color(QPalette::HighlightedText), theme->cellSelectedTextColor());
    EXPECT_EQ(table.look().viewPalette(QPalette(), false).color(QPalette::Base), theme->tableBackgroundColor());

    auto model = billsModel(3);
    table.setModel(model.get());
    table.resize(300, 200);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    table.edit(model->index(1, 0));
    auto* editor = table.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->palette().color(QPalette::Base), theme->cellEditingFillColor());
    EXPECT_EQ(editor->palette().color(QPalette::Text), theme->textColor());
}

TEST(BGHUDTableView, CornerSitsBesideTheHeaderOnlyWhileTheTableScrolls)
{
    ShownTable shown(40);
    auto& [table, model] = shown;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    QApplication::processEvents();

    const auto inTable = [&](const QWidget* widget) {
        return QRect(widget->mapTo(&table, QPoint(0, 0)), widget->size());
    };
    BGHUDTableCornerView* corner = table.cornerView();
    ASSERT_TRUE(corner->isVisible());
    const QRect header = inTable(table.horizontalHeader());
    EXPECT_EQ(inTable(corner).top(), header.top());
    EXPECT_EQ(corner->height(), header.height());
    EXPECT_GT(inTable(corner).left(), header.right());
    EXPECT_FALSE(inTable(corner).intersects(inTable(table.verticalScrollBar())));

    model->removeRows(2, 38);
    // The view lays itself out again on a timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !table.verticalScrollBar()->isVisible(); }, 10000));
    EXPECT_FALSE(table.verticalScrollBar()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !corner->isVisible(); }, 10000));
}

// The scroll bar beside the dark rows is dark too, its knob lighter than its
// track: the desktop's light one read as a white stripe.
TEST(BGHUDTableView, TheScrollBarIsDarkWithALighterKnob)
{
    ShownTable shown(40);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.table));
    QScrollBar* bar = shown.table.verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }, 10000));

    const QImage image = WidgetPixels::render(*bar);
    const QColor knob = at(image, image.width() / 2, 12);
    const QColor track = at(image, image.width() / 2, image.height() - 4);
    EXPECT_LT(track.lightness(), 60) << track.name().toStdString();
    EXPECT_GT(knob.lightness(), track.lightness() + 40);
}

TEST(BGHUDTableCornerView, UnknownKeyDrawsWithTheGradientTheme)
{
    BGHUDTableCornerView corner("no such theme");
    corner.resize(16, 24);
    const QImage image = WidgetPixels::render(corner);
    const auto theme = gradientTheme();
    EXPECT_TRUE(near(at(image, 0, 12), theme->tableHeaderCellBorderColor()));
    EXPECT_TRUE(near(at(image, 8, 1), theme->tableHeaderCellNormalFill().stops().first().second, 12));
}

QList<QRgb> colours(const QGradientStops& stops)
{
    QList<QRgb> rgba;
    for (const QGradientStop& stop : stops)
        rgba.append(stop.second.rgba());
    return rgba;
}
QList<QRgb> colours(const BGGradient& gradient) { return colours(gradient.stops()); }
QList<QRgb> colours(const QBrush& brush) { return brush.gradient() ? colours(brush.gradient()->stops()) : QList<QRgb>(); }

// A source-list table fills selected rows with the theme's gradients through
// the highlight brush (the highlight gradient while its window is active, the
// normal one otherwise) and underlines them in the stroke colour; a regular
// table uses the cell highlight colour and draws no line.
TEST(BGHUDTableView, SourceListHighlightIsAGradientWithABottomLine)
{
    using Style = BGHUDTableView::SelectionHighlightStyle;
    const auto theme = gradientTheme();
    for (const Style style : {Style::Regular, Style::SourceList}) {
        const bool sourceList = style == Style::SourceList;
        SCOPED_TRACE(sourceList ? "source list" : "regular");
        BGHUDTableView table;
        auto model = billsModel(4);
        table.setModel(model.get());
        table.setSelectionBehavior(QAbstractItemView::SelectRows);
        table.setSelectionHighlightStyle(style);
        EXPECT_EQ(table.selectionHighlightStyle(), style);
        table.resize(240, 160);
        table.selectRow(1);

        const QImage image = WidgetPixels::render(*table.viewport());
        const QPalette palette = table.palette();
        const QRect row = table.visualRect(model->index(1, 0));
        const QColor underline = at(image, 40, row.bottom());
        const QColor fillAbove = at(image, 40, row.bottom() - 1);
        if (sourceList) {
            EXPECT_EQ(colours(palette.brush(QPalette::Active, QPalette::Highlight)),
                      colours(theme->highlightGradient()));
            EXPECT_EQ(colours(palette.brush(QPalette::Inactive, QPalette::Highlight)), colours(theme->normalGradient()));
            EXPECT_EQ(palette.color(QPalette::HighlightedText), theme->textColor()) << "readable on the gradient";
            // The light stroke over the dark gradient.
            EXPECT_GT(underline.lightness(), fillAbove.lightness() + 40);
        } else {
            EXPECT_EQ(palette.color(QPalette::Highlight), theme->cellHighlightColor());
            EXPECT_EQ(underline, fillAbove);
        }
        // Rows that are not selected get no line.
        const QRect other = table.visualRect(model->index(2, 0));
        EXPECT_EQ(at(image, 40, other.bottom()), at(image, 40, other.bottom() - 1));
    }
}
