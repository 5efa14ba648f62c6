#include "widgets/BWPopupButton.h"
#include "widgets/KBButton.h"
#include "widgets/KBButtonCell.h"
#include "WidgetPixels.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using WidgetPixels::at;
using WidgetPixels::near;

namespace {

QColor rgb(double r, double g, double b)
{
    return QColor::fromRgbF(float(r), float(g), float(b));
}

QColor clamped(double r, double g, double b)
{
    return rgb(std::clamp(r, 0.0, 1.0), std::clamp(g, 0.0, 1.0), std::clamp(b, 0.0, 1.0));
}

}  // namespace

TEST(KBButtonCell, ColourTable)
{
    const QColor expected[] = {rgb(0.85, 0.85, 0.85), rgb(0.00, 0.33, 0.80), rgb(0.18, 0.59, 0.71),
                               rgb(0.32, 0.64, 0.32), rgb(0.97, 0.58, 0.02), rgb(0.74, 0.21, 0.18),
                               rgb(0.13, 0.13, 0.13)};
    KBButtonCell cell;
    for (int type = 0; type < 7; ++type) {
        cell.setKBButtonType(type);
        EXPECT_TRUE(near(cell.getColorForButtonType(), expected[type], 0)) << type;
    }
}

TEST(KBButtonCell, OnlyLightGreyGetsABlackTitle)
{
    KBButtonCell cell;
    EXPECT_EQ(cell.kbButtonType(), KBButtonTypeLightGrey);
    EXPECT_EQ(cell.titleColor(), QColor(Qt::black));
    for (int type = 1; type < 7; ++type) {
        cell.setKBButtonType(type);
        EXPECT_EQ(cell.titleColor(), QColor(Qt::white)) << type;
    }
}

TEST(KBButtonCell, TypesOutsideTheTableAreRefused)
{
    KBButtonCell cell;
    cell.setKBButtonType(KBButtonTypeGreen);
    cell.setKBButtonType(7);
    EXPECT_EQ(cell.kbButtonType(), KBButtonTypeGreen);
    cell.setKBButtonType(-1);
    EXPECT_EQ(cell.kbButtonType(), KBButtonTypeGreen);
}

TEST(KBButton, IdleBezelHasADarkerRimRoundALighterGradient)
{
    KBButton button;
    button.resize(80, 24);
    button.setKBButtonType(KBButtonTypeGreen);
    const QImage image = WidgetPixels::render(button);
    EXPECT_TRUE(near(at(image, 0, 12), clamped(0.20, 0.52, 0.20)));
    EXPECT_TRUE(near(at(image, 40, 23), clamped(0.20, 0.52, 0.20)));
    // Inner gradient from y 1 (lightened) to y 23 (base colour).
    EXPECT_TRUE(near(at(image, 40, 1), WidgetPixels::mix(clamped(0.44, 0.76, 0.44), rgb(0.32, 0.64, 0.32), 0.5 / 22)));
    EXPECT_TRUE(near(at(image, 40, 22), WidgetPixels::mix(clamped(0.44, 0.76, 0.44), rgb(0.32, 0.64, 0.32), 21.5 / 22)));
}

TEST(KBButton, PressedBezelIsTheFlatDarkerColour)
{
    KBButton button;
    button.resize(80, 24);
    button.setKBButtonType(KBButtonTypeBlue);
    button.setDown(true);
    const QImage image = WidgetPixels::render(button);
    // Darkened blue has a red of -0.12, painted as 0.
    EXPECT_TRUE(near(at(image, 40, 3), clamped(-0.12, 0.21, 0.68)));
    EXPECT_TRUE(near(at(image, 40, 20), clamped(-0.12, 0.21, 0.68)));
}

// Greyed as a menu item is: faded and without its colour.
TEST(KBButton, DisabledButtonFadesToGrey)
{
    for (const KBButtonType type : {KBButtonTypeBlue, KBButtonTypeOrange}) {
        SCOPED_TRACE(type);
        KBButton button;
        button.resize(80, 24);
        button.setKBButtonType(type);
        const QColor enabled = at(WidgetPixels::render(button), 40, 20);
        EXPECT_GT(enabled.hsvSaturationF(), 0.5);
        button.setEnabled(false);
        const QColor disabled = at(WidgetPixels::render(button), 40, 20);
        EXPECT_LT(disabled.alphaF(), enabled.alphaF());
        EXPECT_LT(disabled.hsvSaturationF(), 0.05);
        EXPECT_EQ(button.cell().kbButtonType(), type) << "its own colour comes back when enabled";
    }
}

TEST(KBButton, TypeChangeShowsAtTheNextPaintAndClicksStillWork)
{
    KBButton button("Pay");
    button.resize(80, 24);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    button.setKBButtonType(KBButtonTypeRed);
    EXPECT_TRUE(near(at(WidgetPixels::render(button), 0, 12), clamped(0.62, 0.09, 0.06)));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(BWPopupButton, DrawsTheColouredBezelAndTheCurrentTitle)
{
    BWPopupButton popup;
    popup.addItems({"Monthly", "Weekly"});
    popup.resize(140, 24);
    popup.setKBButtonType(KBButtonTypeNearBlack);
    const QImage image = WidgetPixels::render(popup);
    EXPECT_TRUE(near(at(image, 0, 12), clamped(0.01, 0.01, 0.01)));
    bool whiteArrow = false;
    const QRectF arrows = BWPopupButton::arrowsFrame(popup.rect());
    for (int y = 0; y < 24 && !whiteArrow; ++y)
        whiteArrow = near(at(image, int(arrows.center().x()), y), QColor(Qt::white), 10);
    EXPECT_TRUE(whiteArrow);
}

// The title is an item's text as typed, often a tag: its "&" is drawn, never
// taken for a shortcut mark ("Home & Car" would read "Home  Car").
TEST(BWPopupButton, TheTitleShowsAnAmpersandAsTyped)
{
    const auto rendered = [](const QString& title) {
        BWPopupButton popup;
        popup.addItem(title);
        popup.resize(140, 24);
        popup.setKBButtonType(KBButtonTypeNearBlack);
        return WidgetPixels::render(popup);
    };
    EXPECT_NE(rendered(QStringLiteral("Home & Car")), rendered(QStringLiteral("Home  Car")));
    EXPECT_NE(rendered(QStringLiteral("&Car")), rendered(QStringLiteral("Car")));
    EXPECT_EQ(rendered(QStringLiteral("Car")), rendered(QStringLiteral("Car")));
}

TEST(BWPopupButton, KeyboardChoosesItemsAsAComboBox)
{
    BWPopupButton popup;
    popup.addItems({"Monthly", "Weekly", "Yearly"});
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(popup.currentText(), "Weekly");
}

TEST(BWPopupButton, TitleAndArrowsShareTheWidth)
{
    const QRectF bounds(0, 0, 140, 24);
    EXPECT_EQ(BWPopupButton::titleFrame(bounds), QRectF(8, 0, 108, 24));
    EXPECT_EQ(BWPopupButton::arrowsFrame(bounds), QRectF(116, 0, 16, 24));
}
