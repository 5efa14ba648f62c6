#include "widgets/BGHUDButton.h"
#include "widgets/BGHUDButtonCell.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDRadioButton.h"
#include "widgets/BGThemeManager.h"
#include "WidgetPixels.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using WidgetPixels::at;
using WidgetPixels::near;
using Cell = BGHUDButtonCell;
using Size = BGControlSize;

namespace {

std::shared_ptr<const BGTheme> gradientTheme()
{
    return BGThemeManager::keyedManager().themeForKey("gradientTheme");
}

const QRectF Frame(0, 0, 100, 32);

Cell::State pressed()
{
    Cell::State state;
    state.highlighted = true;
    return state;
}

Cell::State on()
{
    Cell::State state;
    state.state = Cell::OnState;
    return state;
}

Cell::State disabled()
{
    Cell::State state;
    state.enabled = false;
    return state;
}

std::unique_ptr<BGHUDButton> button(int bezel, int width = 100, int height = 32)
{
    auto result = std::make_unique<BGHUDButton>();
    result->cell().setBezelStyle(bezel);
    result->resize(width, height);
    return result;
}

}  // namespace

TEST(BGHUDButtonCell, OutlinedStyleFrames)
{
    EXPECT_EQ(Cell::texturedRoundedFrame(Frame, Size::Regular), QRectF(1.5, 1.5, 97, 28));
    EXPECT_EQ(Cell::texturedRoundedFrame(Frame, Size::Small), QRectF(1.5, 0.5, 97, 28));
    EXPECT_EQ(Cell::roundRectFrame(Frame, Size::Regular), QRectF(1.5, 0, 97, 29));
    EXPECT_EQ(Cell::roundRectFrame(Frame, Size::Small), QRectF(1.5, 0, 97, 29));
    EXPECT_EQ(Cell::roundRectFrame(Frame, Size::Mini), QRectF(1.5, 1, 97, 27));
    EXPECT_EQ(Cell::smallSquareFrame(Frame, 40), QRectF(1.5, 0.5, 97, 37));
}

TEST(BGHUDButtonCell, SolidStyleFrames)
{
    const Cell::Frames regular = Cell::roundedFrames(Frame, Size::Regular);
    EXPECT_EQ(regular.bezel, QRectF(4.5, 4.5, 91, 19));
    EXPECT_EQ(regular.title, regular.bezel);
    const Cell::Frames small = Cell::roundedFrames(Frame, Size::Small);
    EXPECT_EQ(small.bezel, QRectF(4.5, 4.5, 91, 20));
    EXPECT_EQ(small.title, QRectF(4.5, 5.5, 91, 20));
    const Cell::Frames mini = Cell::roundedFrames(Frame, Size::Mini);
    EXPECT_EQ(mini.bezel, QRectF(0.5, -0.5, 99, 31));
    EXPECT_EQ(mini.title, QRectF(0.5, 0.5, 99, 31));

    EXPECT_EQ(Cell::recessedFrames(Frame, Size::Regular).bezel, QRectF(1.5, 1.5, 97, 27));
    EXPECT_EQ(Cell::recessedFrames(Frame, Size::Small).title, QRectF(1.5, 2.5, 97, 28));
}

TEST(BGHUDButtonCell, TitleIsNarrowedExceptForChecksAndRadios)
{
    Cell cell;
    EXPECT_EQ(cell.titleFrame(Frame), QRectF(5, 0, 90, 30));
    cell.setButtonType(Cell::Switch);
    EXPECT_EQ(cell.titleFrame(Frame), Frame);
    cell.setButtonType(Cell::Radio);
    EXPECT_EQ(cell.titleFrame(Frame), Frame);
}

TEST(BGHUDButtonCell, ImagePlacementByPosition)
{
    Cell cell;
    const QSizeF icon(16, 10);
    const qreal y = 16 - 5;
    cell.setImagePosition(Cell::ImageOnly);
    EXPECT_EQ(cell.imageRect(Frame, icon).topLeft(), QPointF(42, y));
    cell.setImagePosition(Cell::ImageLeft);
    EXPECT_EQ(cell.imageRect(Frame, icon).topLeft(), QPointF(5, y));
    cell.setImagePosition(Cell::ImageRight);
    EXPECT_EQ(cell.imageRect(Frame, icon).topLeft(), QPointF(79, y));
    for (const int position : {Cell::ImageBelow, Cell::ImageAbove, Cell::ImageOverlaps}) {
        cell.setImagePosition(position);
        EXPECT_EQ(cell.imageRect(Frame, icon).topLeft(), QPointF(0, y));
    }
    cell.setImagePosition(42);
    EXPECT_EQ(cell.imageRect(Frame, icon).topLeft(), QPointF(5, y));
}

TEST(BGHUDButtonCell, CheckBoxFramesBySize)
{
    Cell cell;
    cell.setButtonType(Cell::Switch);
    cell.setImagePosition(Cell::ImageLeft);
    const QRectF frame(0, 0, 100, 18);

    Cell::CheckFrames regular = cell.checkFrames(frame, 18, false);
    EXPECT_EQ(regular.box, QRectF(2.5, 2.5, 13, 12));
    EXPECT_EQ(regular.text, QRectF(20.5, -1.5, 100 - 20.5, 18));

    cell.setControlSize(Size::Small);
    Cell::CheckFrames small = cell.checkFrames(frame, 18, false);
    EXPECT_EQ(small.box, QRectF(3.5, 3.5, 11, 10));
    EXPECT_EQ(small.text, QRectF(20.5, -0.5, 100 - 20.5, 18));

    cell.setControlSize(Size::Mini);
    Cell::CheckFrames mini = cell.checkFrames(frame, 18, true);
    EXPECT_EQ(mini.box, QRectF(4.5, 5.5, 9, 9));  // a radio box is square
    EXPECT_EQ(mini.text, QRectF(17.5, 0.5, 100 - 17.5, 18));
}

TEST(BGHUDButtonCell, CheckBoxIsCentredInATallerView)
{
    Cell cell;
    cell.setButtonType(Cell::Switch);
    const QRectF frame(0, 0, 100, 18);
    EXPECT_EQ(cell.checkFrames(frame, 30, false).box.y(), 0.5 + 15 - 9 + 2);
}

TEST(BGHUDButtonCell, CheckBoxOnTheRightIsPlacedFromTheWidthAlone)
{
    Cell cell;
    cell.setButtonType(Cell::Switch);
    cell.setImagePosition(Cell::ImageRight);
    const Cell::CheckFrames frames = cell.checkFrames(QRectF(10, 0, 100, 18), 18, false);
    EXPECT_EQ(frames.box.x(), 100 - 13 - 1.5);
    EXPECT_EQ(frames.text.x(), 12.5);
    EXPECT_EQ(frames.text.width(), 85.5 - 12.5 - 5);
}

TEST(BGHUDButtonCell, BoxOnlyIsCentredHorizontally)
{
    Cell cell;
    cell.setButtonType(Cell::Switch);
    cell.setImagePosition(Cell::ImageOnly);
    EXPECT_EQ(cell.checkFrames(QRectF(0, 0, 40, 18), 18, false).box.x(), 0.0 + 20 - 6.5);
}

TEST(BGHUDButtonCell, TickRisesAboveTheBox)
{
    const QRectF box(2.5, 2.5, 13, 12);
    const QPainterPath tick = Cell::checkMark(box);
    ASSERT_EQ(tick.elementCount(), 3);
    EXPECT_EQ(QPointF(tick.elementAt(0)), QPointF(5.5, 6.5));
    EXPECT_EQ(QPointF(tick.elementAt(1)), QPointF(9, 10.5));
    EXPECT_EQ(QPointF(tick.elementAt(2)), QPointF(14.5, 0.5));
}

TEST(BGHUDButtonCell, FillRule)
{
    Cell cell;
    EXPECT_EQ(cell.fillFor(Cell::State()), Cell::Fill::Normal);
    EXPECT_EQ(cell.fillFor(pressed()), Cell::Fill::Pushed);
    EXPECT_EQ(cell.fillFor(disabled()), Cell::Fill::Disabled);
    // A push-on-push-off button follows its state, not the mouse.
    cell.setShowsStateBy(Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    EXPECT_EQ(cell.fillFor(on()), Cell::Fill::Highlight);
    Cell::State onAndPressed = on();
    onAndPressed.highlighted = true;
    EXPECT_EQ(cell.fillFor(onAndPressed), Cell::Fill::Highlight);
    EXPECT_EQ(cell.fillFor(pressed()), Cell::Fill::Normal);
    cell.setHighlightsBy(Cell::ChangeGrayMask | Cell::ChangeBackgroundMask);
    EXPECT_EQ(cell.fillFor(on()), Cell::Fill::Highlight);
}

TEST(BGHUDButtonCell, AlternateTitleConditions)
{
    Cell cell;
    cell.setShowsStateBy(0);
    cell.setHighlightsBy(Cell::ContentsMask);
    EXPECT_TRUE(cell.showsAlternate(pressed()));
    EXPECT_FALSE(cell.showsAlternate(Cell::State()));
    cell.setShowsStateBy(Cell::ContentsMask);
    cell.setHighlightsBy(Cell::ContentsMask | Cell::PushInMask);
    EXPECT_TRUE(cell.showsAlternate(on()));
    EXPECT_FALSE(cell.showsAlternate(pressed()));
}

TEST(BGHUDButton, TexturedRoundedFillsWithTheBevelGradient)
{
    auto widget = button(Cell::TexturedRounded);
    const QImage image = WidgetPixels::render(*widget);
    const BGGradient normal = gradientTheme()->normalGradient();
    const auto& stops = normal.stops();
    // Bezel from y 1.5 to 29.5; pixel row 4 has its centre 3 points down.
    const QColor upper = WidgetPixels::mix(stops[0].second, stops[1].second, (3.0 / 28) / 0.5);
    EXPECT_TRUE(near(at(image, 50, 4), upper, 3));
    const QColor lower = WidgetPixels::mix(stops[2].second, stops[3].second, ((25.0 / 28) - 0.5) / 0.5);
    EXPECT_TRUE(near(at(image, 50, 26), lower, 3));
    // The light outline crosses the middle of the left edge.
    EXPECT_GT(at(image, 1, 15).red(), 150);
}

TEST(BGHUDButton, PressedAndDisabledFills)
{
    auto widget = button(Cell::TexturedRounded);
    widget->setDown(true);
    const QImage down = WidgetPixels::render(*widget);
    const QGradientStops pushed = gradientTheme()->pushedGradient().stops();
    EXPECT_TRUE(near(at(down, 50, 4), WidgetPixels::mix(pushed[0].second, pushed[1].second, 6.0 / 28), 3));

    widget->setDown(false);
    widget->setEnabled(false);
    const QImage off = WidgetPixels::render(*widget);
    const QGradientStops dim = gradientTheme()->disabledNormalGradient().stops();
    EXPECT_TRUE(near(at(off, 50, 15), WidgetPixels::mix(dim[0].second, dim[1].second, 14.5 / 28), 3));
}

TEST(BGHUDButton, RoundedStyleIsASolidCapsule)
{
    auto widget = button(Cell::Rounded);
    EXPECT_TRUE(near(at(WidgetPixels::render(*widget), 50, 14), gradientTheme()->normalSolidFill()));
    widget->setDown(true);
    EXPECT_TRUE(near(at(WidgetPixels::render(*widget), 50, 14), gradientTheme()->pushedSolidFill()));
    // Outside the capsule's round end.
    EXPECT_EQ(at(WidgetPixels::render(*widget), 5, 5).alpha(), 0);
}

TEST(BGHUDButton, UnknownBezelStylesDrawAsRecessed)
{
    auto recessed = button(Cell::Recessed);
    auto other = button(2);
    EXPECT_EQ(WidgetPixels::render(*recessed), WidgetPixels::render(*other));
    EXPECT_TRUE(near(at(WidgetPixels::render(*other), 50, 14), gradientTheme()->normalSolidFill()));
}

TEST(BGHUDButton, RecessedHoverShowsTheHighlightFill)
{
    auto widget = button(Cell::Recessed);
    QEnterEvent enter(QPointF(50, 14), QPointF(50, 14), QPointF(50, 14));
    QApplication::sendEvent(widget.get(), &enter);
    EXPECT_TRUE(widget->cell().isMouseIn());
    EXPECT_TRUE(near(at(WidgetPixels::render(*widget), 50, 14), gradientTheme()->highlightSolidFill()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget.get(), &leave);
    EXPECT_FALSE(widget->cell().isMouseIn());
}

TEST(BGHUDButton, HoverHighlightsOnlyARecessedCell)
{
    for (const int style : {int(Cell::Recessed), int(Cell::Rounded), int(Cell::TexturedRounded),
                            int(Cell::RoundRect), int(Cell::SmallSquare)}) {
        SCOPED_TRACE(style);
        auto widget = button(style);
        QEnterEvent enter(QPointF(50, 14), QPointF(50, 14), QPointF(50, 14));
        QApplication::sendEvent(widget.get(), &enter);
        EXPECT_EQ(widget->cell().isHighlighted(), style == Cell::Recessed);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget.get(), &leave);
        EXPECT_FALSE(widget->cell().isHighlighted());
    }
}

// A highlighted cell draws as a pressed one: the hover of a momentary-change
// button shows its alternate title as a press would.
TEST(BGHUDButtonCell, HighlightedCellDrawsAsPressed)
{
    auto drawn = [](bool highlightedCell, const Cell::State& state) {
        Cell cell;
        cell.setBezelStyle(Cell::TexturedRounded);
        cell.setShowsStateBy(0);
        cell.setHighlightsBy(Cell::ContentsMask);
        cell.setTitle(QStringLiteral("Pay"));
        cell.setAlternateTitle(QStringLiteral("Paid!"));
        cell.setHighlighted(highlightedCell);
        QImage image(100, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        cell.draw(painter, Frame, state);
        return image;
    };
    EXPECT_EQ(drawn(true, Cell::State()), drawn(false, pressed()));
    EXPECT_NE(drawn(true, Cell::State()), drawn(false, Cell::State()));
}

TEST(BGHUDButton, RecessedOnStateShowsPushedAndForgetsTheHover)
{
    auto widget = button(Cell::Recessed);
    widget->setCheckable(true);
    widget->setChecked(true);
    QEnterEvent enter(QPointF(50, 14), QPointF(50, 14), QPointF(50, 14));
    QApplication::sendEvent(widget.get(), &enter);
    EXPECT_TRUE(near(at(WidgetPixels::render(*widget), 50, 14), gradientTheme()->pushedSolidFill()));
    EXPECT_FALSE(widget->cell().isMouseIn());
}

TEST(BGHUDButton, CheckableButtonTogglesOnClick)
{
    auto widget = button(Cell::TexturedRounded);
    widget->setCheckable(true);
    const QImage before = WidgetPixels::render(*widget);
    QTest::mouseClick(widget.get(), Qt::LeftButton, {}, QPoint(50, 15));
    EXPECT_TRUE(widget->isChecked());
    const QGradientStops highlight = gradientTheme()->highlightGradient().stops();
    EXPECT_TRUE(near(at(WidgetPixels::render(*widget), 50, 4),
                     WidgetPixels::mix(highlight[0].second, highlight[1].second, 6.0 / 28), 3));
    EXPECT_NE(before, WidgetPixels::render(*widget));
}

TEST(BGHUDButton, TitleIsDrawnInTheThemeTextColour)
{
    auto widget = button(Cell::Rounded, 140, 32);
    widget->setText(QString(8, QChar(0x2588)));
    const QImage image = WidgetPixels::render(*widget);
    EXPECT_TRUE(near(at(image, 70, 14), QColor(Qt::white), 3));
}

TEST(BGHUDButton, LaidOutButtonsKeepTheirTitleInsideTheBezel)
{
    for (const int style : {int(Cell::Rounded), int(Cell::TexturedRounded), int(Cell::Recessed)}) {
        BGHUDButton widget(QStringLiteral("Attach Receipt"));
        widget.cell().setBezelStyle(style);
        const QSize hint = widget.sizeHint();
        const QRectF frame(QPointF(0, 0), QSizeF(hint));
        const QRectF bezel = style == Cell::Rounded ? Cell::roundedFrames(frame, Size::Regular).bezel
                           : style == Cell::TexturedRounded ? Cell::texturedRoundedFrame(frame, Size::Regular)
                                                            : Cell::recessedFrames(frame, Size::Regular).bezel;
        const QFontMetrics metrics(widget.font());
        EXPECT_GE(bezel.height(), metrics.height()) << style;
        EXPECT_GE(bezel.width(), metrics.horizontalAdvance(widget.text())) << style;
        EXPECT_GE(widget.minimumSizeHint().height(), hint.height() - 1) << style;
    }
}

TEST(BGHUDCheckBox, StatesDrawTheirMarks)
{
    BGHUDCheckBox box;
    box.resize(100, 18);
    box.setTristate(true);
    const QImage off = WidgetPixels::render(box);
    const QGradientStops normal = gradientTheme()->normalGradient().stops();
    // Box from y 2.5 to 14.5: pixel row 7 lies 5/12 of the way down, clear of
    // the shadow the box's dark outline casts inwards.
    EXPECT_TRUE(near(at(off, 9, 7), WidgetPixels::mix(normal[0].second, normal[1].second, 10.0 / 12), 3));

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
    const QImage mixed = WidgetPixels::render(box);
    EXPECT_GT(at(mixed, 9, 8).red(), 150);  // the dash across the middle
    EXPECT_LT(at(mixed, 9, 12).red(), 100);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, 9));  // the title takes clicks too
    EXPECT_EQ(box.checkState(), Qt::Checked);
    EXPECT_NE(WidgetPixels::render(box), mixed);
}

TEST(BGHUDCheckBox, DisabledBoxHasNoShadowAndTheDisabledFill)
{
    BGHUDCheckBox box;
    box.resize(100, 18);
    box.setEnabled(false);
    const QImage image = WidgetPixels::render(box);
    const QGradientStops dim = gradientTheme()->disabledNormalGradient().stops();
    EXPECT_TRUE(near(at(image, 9, 5), WidgetPixels::mix(dim[0].second, dim[1].second, 0.25), 2));
    // Below the box, where the enabled box casts its shadow.
    EXPECT_EQ(at(image, 9, 16).alpha(), 0);
    box.setEnabled(true);
    EXPECT_GT(at(WidgetPixels::render(box), 9, 16).alpha(), 0);
}

TEST(BGHUDRadioButton, OnStateDrawsTheDot)
{
    BGHUDRadioButton radio;
    radio.resize(100, 18);
    const QColor offCentre = at(WidgetPixels::render(radio), 9, 9);
    QTest::keyClick(&radio, Qt::Key_Space);
    ASSERT_TRUE(radio.isChecked());
    const QColor onCentre = at(WidgetPixels::render(radio), 9, 9);
    EXPECT_GT(onCentre.red(), offCentre.red() + 80);
}
