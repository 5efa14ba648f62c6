#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BGThemeManager.h"
#include "WidgetPixels.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using WidgetPixels::at;
using WidgetPixels::near;

namespace {

using State = BGHUDTextFieldCell::State;

std::shared_ptr<const BGTheme> gradientTheme()
{
    return BGThemeManager::keyedManager().themeForKey("gradientTheme");
}

// An empty field of a fixed size, so nothing but the cell's drawing shows.
std::unique_ptr<BGHUDTextField> field(bool filled, BGHUDTextFieldCell::BezelStyle bezel)
{
    auto edit = std::make_unique<BGHUDTextField>();
    edit->cell().setFillsBackground(filled);
    edit->cell().setBezelStyle(bezel);
    edit->resize(120, 22);
    return edit;
}

}  // namespace

TEST(BGHUDTextFieldCell, TakesTheBackgroundSwitchAsItsFill)
{
    EXPECT_TRUE(BGHUDTextFieldCell(true).fillsBackground());
    EXPECT_FALSE(BGHUDTextFieldCell(false).fillsBackground());
    EXPECT_EQ(BGHUDTextFieldCell().themeKey(), "gradientTheme");
}

TEST(BGHUDTextFieldCell, OutlineIsInsetByHalfAPoint)
{
    EXPECT_EQ(BGHUDTextFieldCell::outlineFrame(QRectF(0, 0, 100, 22)), QRectF(0.5, 0.5, 99, 21));
}

TEST(BGHUDTextFieldCell, RoundedBezelHasFullyRoundEndsWhateverTheHeight)
{
    BGHUDTextFieldCell cell;
    cell.setBezelStyle(BGHUDTextFieldCell::BezelStyle::Rounded);
    for (const qreal height : {16.0, 22.0, 40.0}) {
        const QPainterPath path = cell.outlinePath(QRectF(0, 0, 100, height));
        const qreal radius = (height - 1) / 2;
        EXPECT_TRUE(path.contains(QPointF(0.6, 0.5 + radius)));
        // Just inside the bounding box's corner lies outside a half circle.
        EXPECT_FALSE(path.contains(QPointF(1.5, 1.5)));
        EXPECT_EQ(path.boundingRect(), QRectF(0.5, 0.5, 99, height - 1));
    }
}

TEST(BGHUDTextFieldCell, OtherBezelsHaveCornersOfRadiusThree)
{
    const QPainterPath path = BGHUDTextFieldCell().outlinePath(QRectF(0, 0, 100, 22));
    EXPECT_TRUE(path.contains(QPointF(1.6, 1.6)));    // within the 3-point corner
    EXPECT_FALSE(path.contains(QPointF(0.7, 0.7)));
}

TEST(BGHUDTextFieldCell, InteriorIsNudgedBySizeAndBezel)
{
    const QRectF frame(0, 0, 100, 22);
    const QRectF inset(0.5, 0.5, 99, 21);
    BGHUDTextFieldCell cell;
    using Size = BGControlSize;
    using Bezel = BGHUDTextFieldCell::BezelStyle;
    EXPECT_EQ(cell.interiorFrame(frame), inset.translated(0, 1));
    cell.setControlSize(Size::Small);
    EXPECT_EQ(cell.interiorFrame(frame), inset);
    cell.setBezelStyle(Bezel::Rounded);
    EXPECT_EQ(cell.interiorFrame(frame), inset.translated(0, 1));
    cell.setControlSize(Size::Mini);
    EXPECT_EQ(cell.interiorFrame(frame), inset.translated(1, 0));
    cell.setControlSize(Size::Regular);
    EXPECT_EQ(cell.interiorFrame(frame), inset);
}

TEST(BGHUDTextFieldCell, GlowsOnlyWhenFocusedInTheActiveWindow)
{
    BGHUDTextFieldCell cell;
    State focused;
    focused.showsFirstResponder = true;
    EXPECT_TRUE(cell.drawsFocusGlow(focused));
    State elsewhere = focused;
    elsewhere.inKeyWindow = false;
    EXPECT_FALSE(cell.drawsFocusGlow(elsewhere));
    EXPECT_FALSE(cell.drawsFocusGlow(State()));
    cell.setFocusRingType(BGHUDTextFieldCell::FocusRingType::None);
    EXPECT_FALSE(cell.drawsFocusGlow(focused));
    cell.setFocusRingType(BGHUDTextFieldCell::FocusRingType::Exterior);
    EXPECT_TRUE(cell.drawsFocusGlow(focused));
}

TEST(BGHUDTextFieldCell, HighlightedTextColours)
{
    BGHUDTextFieldCell cell;
    const auto theme = gradientTheme();
    State highlighted;
    highlighted.highlighted = true;
    EXPECT_EQ(cell.textPalette(QPalette(), highlighted).color(QPalette::Active, QPalette::Text),
              theme->selectionTextActiveColor());
    highlighted.enabled = false;
    EXPECT_EQ(cell.textPalette(QPalette(), highlighted).color(QPalette::Active, QPalette::Text),
              theme->disabledTextColor());
    const QPalette plain = cell.textPalette(QPalette(), State());
    EXPECT_EQ(plain.color(QPalette::Active, QPalette::Text), theme->textColor());
    EXPECT_EQ(plain.color(QPalette::Active, QPalette::PlaceholderText), theme->placeholderTextColor());
    EXPECT_EQ(plain.color(QPalette::Active, QPalette::Highlight), theme->selectionHighlightActiveColor());
    EXPECT_EQ(plain.color(QPalette::Base).alpha(), 0);
}

TEST(BGHUDTextField, FilledFieldPaintsTheThemeFillInsideItsOutline)
{
    auto edit = field(true, BGHUDTextFieldCell::BezelStyle::Square);
    const QImage image = WidgetPixels::render(*edit);
    EXPECT_TRUE(near(at(image, 60, 11), gradientTheme()->textFillColor()));
    EXPECT_TRUE(near(at(image, 2, 2), gradientTheme()->textFillColor()));
    EXPECT_EQ(at(image, 0, 0).alpha(), 0);
}

TEST(BGHUDTextField, UnfilledFieldPaintsNoBackground)
{
    auto edit = field(false, BGHUDTextFieldCell::BezelStyle::Square);
    const QImage image = WidgetPixels::render(*edit);
    EXPECT_EQ(at(image, 60, 11).alpha(), 0);
    EXPECT_TRUE(near(at(image, 60, 0), gradientTheme()->strokeColor()));
}

TEST(BGHUDTextField, RoundedFieldLeavesItsCornersClear)
{
    auto edit = field(true, BGHUDTextFieldCell::BezelStyle::Rounded);
    const QImage image = WidgetPixels::render(*edit);
    EXPECT_EQ(at(image, 2, 2).alpha(), 0);
    EXPECT_TRUE(near(at(image, 60, 11), gradientTheme()->textFillColor()));
}

TEST(BGHUDTextField, BorderlessFieldDrawsNoBorder)
{
    auto edit = field(false, BGHUDTextFieldCell::BezelStyle::Square);
    edit->cell().setBezeled(false);
    edit->cell().setBordered(false);
    const QImage image = WidgetPixels::render(*edit);
    EXPECT_EQ(at(image, 60, 0).alpha(), 0);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), gradientTheme()->textColor());
}

TEST(BGHUDTextField, DisabledFieldUsesTheDisabledStroke)
{
    auto edit = field(false, BGHUDTextFieldCell::BezelStyle::Square);
    edit->setEnabled(false);
    const QImage image = WidgetPixels::render(*edit);
    EXPECT_TRUE(near(at(image, 60, 0), gradientTheme()->disabledStrokeColor()));
}

TEST(BGHUDTextField, PlaceholderIsDrawnInThePlaceholderGrey)
{
    auto edit = field(false, BGHUDTextFieldCell::BezelStyle::Square);
    edit->setPlaceholderText(QString(12, QChar(0x2588)));  // full blocks: solid glyphs
    const QImage image = WidgetPixels::render(*edit);
    bool foundGrey = false;
    for (int x = 0; x < image.width() && !foundGrey; ++x)
        foundGrey = near(at(image, x, 11), gradientTheme()->placeholderTextColor(), 3);
    EXPECT_TRUE(foundGrey);
}

TEST(BGHUDTextField, FocusGlowShowsOnlyInTheActiveWindow)
{
    QWidget window;
    window.resize(200, 60);
    auto* edit = new BGHUDTextField(&window);
    edit->setGeometry(20, 20, 120, 22);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());

    const QImage focused = WidgetPixels::render(*edit);
    // Inside the unfilled field, just below the top border, only the glow
    // can leave colour.
    EXPECT_GT(at(focused, 60, 2).alpha(), 0);
    EXPECT_GT(at(focused, 60, 2).red(), 200);

    edit->cell().setFocusRingType(BGHUDTextFieldCell::FocusRingType::None);
    EXPECT_EQ(at(WidgetPixels::render(*edit), 60, 2).alpha(), 0);
}

TEST(BGHUDTextField, TypingKeepsTheThemeTextColour)
{
    BGHUDTextField edit;
    QTest::keyClicks(&edit, "rent");
    EXPECT_EQ(edit.text(), "rent");
    WidgetPixels::render(edit);
    EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::white));
}

// Labels show names and notes as typed: never read as markup.
TEST(BGHUDLabel, ShowsItsTextAsPlainText)
{
    BGHUDLabel label(QStringLiteral("Water <Acme>"));
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    BGHUDLabel later;
    later.setText(QStringLiteral("<b>Rent</b>"));
    EXPECT_EQ(later.textFormat(), Qt::PlainText);
}

TEST(BGHUDLabel, DisabledLabelIsDimmedAndRestoredWhenEnabled)
{
    BGHUDLabel label(QString(6, QChar(0x2588)));
    label.resize(80, 20);
    const auto theme = gradientTheme();
    label.setEnabled(false);
    WidgetPixels::render(label);
    EXPECT_EQ(label.palette().color(QPalette::Disabled, QPalette::WindowText), theme->disabledTextColor());
    label.setEnabled(true);
    const QImage image = WidgetPixels::render(label);
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText), theme->textColor());
    bool foundWhite = false;
    for (int x = 0; x < image.width() && !foundWhite; ++x)
        foundWhite = near(at(image, x, 10), QColor(Qt::white), 3);
    EXPECT_TRUE(foundWhite);
}
