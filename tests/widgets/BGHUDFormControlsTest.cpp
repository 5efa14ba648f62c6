#include "widgets/BGGradientTheme.h"
#include "widgets/BGHUDColorWell.h"
#include "widgets/BGHUDComboBox.h"
#include "widgets/BGHUDComboBoxCell.h"
#include "widgets/BGHUDItemViewLook.h"
#include "widgets/BGHUDOutlineView.h"
#include "widgets/BGHUDSecureTextField.h"
#include "widgets/BGHUDTabBar.h"
#include "widgets/BGHUDTabView.h"
#include "widgets/BGHUDTabViewItem.h"
#include "widgets/BGHUDTableCornerView.h"
#include "widgets/BGHUDTableHeaderView.h"
#include "widgets/BGThemeManager.h"

#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

using Size = BGControlSize;

namespace {

std::shared_ptr<const BGTheme> gradientTheme()
{
    return BGThemeManager::keyedManager().themeForKey("gradientTheme");
}

}  // namespace

TEST(BGHUDComboBoxCell, ButtonArrowAndTextBySize)
{
    const QRectF frame(0, 0, 103, 25);
    const QRectF inset = BGHUDComboBoxCell::insetFrame(frame);
    EXPECT_EQ(inset, QRectF(1.5, 1.5, 100, 22));
    const struct {
        Size size;
        QRectF button;
        QPolygonF arrow;
    } rows[] = {
        {Size::Regular, {81.5, 1.5, 20, 22}, QPolygonF({{87.5, 10}, {94.5, 10}, {91, 15}})},
        {Size::Small, {84.5, 1.5, 17, 22}, QPolygonF({{89, 10}, {96, 10}, {92.5, 15}})},
        {Size::Mini, {87.5, 1.5, 14, 22}, QPolygonF({{91.5, 11}, {96.5, 11}, {94, 14}})},
    };
    for (const auto& row : rows) {
        BGHUDComboBoxCell cell;
        cell.setControlSize(row.size);
        EXPECT_EQ(cell.buttonRect(inset), row.button) << int(row.size);
        EXPECT_EQ(cell.arrow(inset), row.arrow) << int(row.size);
        // The text never runs under the button.
        EXPECT_EQ(cell.textFrame(frame).right(), row.button.left() - 1) << int(row.size);
        EXPECT_EQ(cell.buttonPath(inset).boundingRect(), row.button) << int(row.size);
    }
}

TEST(BGHUDComboBox, PressOnTheButtonOpensTheList)
{
    BGHUDComboBox combo;
    combo.addItems({"Electricity", "Water"});
    combo.resize(160, 25);
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    EXPECT_LE(combo.lineEdit()->geometry().right(), combo.cell().textFrame(combo.rect()).right());
    QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(150, 12));
    EXPECT_TRUE(combo.view()->isVisible());
    combo.hidePopup();
}

TEST(BGHUDSecureTextField, HidesTheTextInTheTextFieldLook)
{
    BGHUDSecureTextField field;
    field.setText("hunter2");
    EXPECT_EQ(field.echoMode(), QLineEdit::Password);
    EXPECT_NE(field.displayText(), field.text());
    EXPECT_EQ(field.palette().color(QPalette::Active, QPalette::Text), gradientTheme()->textColor());
}

TEST(BGHUDOutlineView, TakesTheTableLook)
{
    BGHUDOutlineView outline;
    EXPECT_EQ(outline.header(), outline.hudHeader());
    const QPalette colours = outline.look().viewPalette(QPalette(), true);
    EXPECT_EQ(colours.color(QPalette::Highlight), gradientTheme()->cellHighlightColor());
    outline.setThemeKey("flatTheme");
    EXPECT_EQ(outline.hudHeader()->cell().themeKey(), "flatTheme");
    EXPECT_EQ(outline.cornerView()->themeKey(), "flatTheme");

    QStandardItemModel model;
    model.setHorizontalHeaderLabels({"Payee"});
    auto* parent = new QStandardItem("Utilities");
    parent->appendRow(new QStandardItem("Water"));
    model.appendRow(parent);
    outline.setModel(&model);
    outline.resize(200, 120);
    outline.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outline));
    outline.edit(model.index(0, 0));
    auto* editor = outline.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->palette().color(QPalette::Base), outline.theme()->cellEditingFillColor());
}

TEST(BGHUDTabView, TabsAreSegmentsAndClicksSwitchPages)
{
    BGHUDTabView tabs;
    tabs.addTab(new QLabel("General"), "General");
    tabs.addTab(new QLabel("Sync"), "Sync");
    tabs.resize(300, 200);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    BGHUDTabBar* bar = tabs.hudTabBar();
    EXPECT_EQ(bar->tabRect(0).width(), bar->tabRect(1).width());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(tabs.currentIndex(), 1);
    bar->repaint();
    EXPECT_EQ(bar->cell().selectedSegment(), 1);
    ASSERT_EQ(bar->cell().segments().size(), 2);
    EXPECT_EQ(bar->cell().segments()[1].label, QString("Sync"));
}

namespace {

class RedLabelTheme : public BGTheme {
public:
    QColor textColor() const override { return Qt::red; }
};

// Lends the "flatTheme" key a red-labelled theme for one test.
class RedFlatTheme : public ::testing::Test {
protected:
    RedFlatTheme() { BGThemeManager::keyedManager().setTheme(std::make_shared<RedLabelTheme>(), BGThemeManager::FlatThemeKey); }
    ~RedFlatTheme() override
    {
        BGThemeManager::keyedManager().setTheme(std::make_shared<BGTheme>(), BGThemeManager::FlatThemeKey);
    }
};

int redPixelsIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return count;
}

}  // namespace

// Each tab's label takes the colour of its own item's theme, and follows
// the item's label.
TEST_F(RedFlatTheme, TabsShowTheirItemsLabelsInTheItemsColour)
{
    BGHUDTabView tabs;
    BGHUDTabViewItem* plain = tabs.addItem("General", new QLabel("General page"));
    auto* red = new BGHUDTabViewItem("Sync");
    red->setThemeKey(BGThemeManager::FlatThemeKey);
    tabs.addTabViewItem(red);
    tabs.resize(300, 200);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));

    EXPECT_EQ(tabs.tabViewItem(0), plain);
    EXPECT_EQ(tabs.tabViewItem(1), red);
    EXPECT_EQ(tabs.tabViewItem(2), nullptr);
    EXPECT_EQ(plain->view()->parentWidget(), plain);

    red->setLabel("Cloud");
    EXPECT_EQ(tabs.tabText(1), QString("Cloud"));

    BGHUDTabBar* bar = tabs.hudTabBar();
    QImage image(bar->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    bar->render(&image);
    ASSERT_EQ(bar->cell().segments().size(), 2);
    EXPECT_EQ(bar->cell().segments()[0].labelColor, gradientTheme()->textColor());
    EXPECT_EQ(bar->cell().segments()[1].labelColor, QColor(Qt::red));
    EXPECT_EQ(bar->cell().segments()[1].label, QString("Cloud"));
    EXPECT_EQ(redPixelsIn(image, bar->tabRect(0)), 0);
    EXPECT_GT(redPixelsIn(image, bar->tabRect(1)), 0);
}

TEST(BGHUDColorWell, WellInsetAndTransparentFill)
{
    BGHUDColorWell well;
    const QRectF bounds(0, 0, 44, 23);
    EXPECT_EQ(well.wellRect(bounds), QRectF(5, 5, 34, 13));
    well.setBordered(false);
    EXPECT_EQ(well.wellRect(bounds), QRectF(2, 2, 40, 19));

    well.setColor(QColor(200, 40, 10));
    EXPECT_EQ(well.wellColor(), QColor(200, 40, 10));
    well.setUseTransparentWell(true);
    EXPECT_EQ(well.wellColor().rgb(), QColor(200, 40, 10).rgb());
    EXPECT_NEAR(well.wellColor().alphaF(), gradientTheme()->alphaValue(), 0.01);

    well.resize(44, 23);
    well.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&well));
    EXPECT_FALSE(well.isActive());
    QTest::mouseClick(&well, Qt::LeftButton);
    EXPECT_TRUE(well.isActive());
}
