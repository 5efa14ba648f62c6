// The WCAG 2.1 contrast of the HUD theme's text and control colours against
// what they are drawn on: 4.5:1 for text, 3:1 for control edges and the
// focus frame. A colour the design fixes may fall short; it is then listed
// here and in the README with the contrast it has. Every other colour meets
// its minimum. The table is printed for the notes.

#include "widgets/BGThemeManager.h"
#include "widgets/BWFocusFrame.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& one, const QColor& other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// `colour` as it shows painted over `below`.
QColor over(const QColor& colour, const QColor& below)
{
    const double alpha = colour.alphaF();
    const auto mix = [alpha](double top, double bottom) { return float(alpha * top + (1 - alpha) * bottom); };
    return QColor::fromRgbF(mix(colour.redF(), below.redF()), mix(colour.greenF(), below.greenF()),
                            mix(colour.blueF(), below.blueF()));
}

struct Pair
{
    QString what;
    QColor foreground;   // as painted, alpha and all
    QColor background;   // opaque
    double minimum;
    bool fixedByDesign;
};

// The lightest and the darkest colour of a gradient over `below`: text on
// it is read against both.
QList<QColor> endsOf(const BGGradient& gradient, const QColor& below)
{
    QList<QColor> ends;
    for (const QGradientStop& stop : gradient.stops())
        ends.append(over(stop.second, below));
    std::sort(ends.begin(), ends.end(), [](const QColor& a, const QColor& b) { return luminance(a) > luminance(b); });
    return {ends.first(), ends.last()};
}

QList<Pair> themePairs()
{
    const auto theme = BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
    // A HUD window paints its gradient over the window colour of the palette.
    const QColor window = QApplication::palette().color(QPalette::Window);
    const QList<QColor> panel = endsOf(theme->normalGradient(), window);
    const QList<QColor> pushed = endsOf(theme->pushedGradient(), window);
    const QColor field = over(theme->textFillColor(), window);
    const QColor row = over(theme->cellAlternatingRowColors().first(), window);
    const QColor header = endsOf(theme->tableHeaderCellNormalFill(), window).first();
    constexpr double Text = 4.5;
    constexpr double Control = 3.0;
    return {
        {QStringLiteral("text on a panel or button, light end"), theme->textColor(), panel.first(), Text, true},
        {QStringLiteral("text on a panel or button, dark end"), theme->textColor(), panel.last(), Text, true},
        {QStringLiteral("text on a pressed button, light end"), theme->highlightTextColor(), pushed.first(), Text, true},
        {QStringLiteral("text in a text field"), theme->textColor(), field, Text, true},
        {QStringLiteral("placeholder in a text field"), theme->placeholderTextColor(), field, Text, true},
        {QStringLiteral("selected text in a text field"), theme->selectionTextActiveColor(),
         theme->selectionHighlightActiveColor(), Text, true},
        {QStringLiteral("text in a table row"), theme->textColor(), row, Text, true},
        {QStringLiteral("selected text in a table row"), theme->cellSelectedTextColor(), theme->cellHighlightColor(),
         Text, true},
        {QStringLiteral("text in a table header"), theme->textColor(), header, Text, true},
        {QStringLiteral("token text"), theme->tokenTextColor(), theme->tokenFillNormal(), Text, true},
        {QStringLiteral("control edge on a panel, light end"), over(theme->strokeColor(), panel.first()),
         panel.first(), Control, true},
        {QStringLiteral("control edge on a panel, dark end"), over(theme->strokeColor(), panel.last()), panel.last(),
         Control, true},
        {QStringLiteral("slider track on a panel"), over(theme->sliderTrackColor(), panel.first()), panel.first(),
         Control, true},
        // The frame's outer line borders the panel and a field; its inner
        // line borders the control's own fill, light when pressed.
        {QStringLiteral("focus frame on a panel, light end"), theme->focusFrameColor(), panel.first(), Control, false},
        {QStringLiteral("focus frame on a panel, dark end"), theme->focusFrameColor(), panel.last(), Control, false},
        {QStringLiteral("focus frame on a text field"), theme->focusFrameColor(), field, Control, false},
        {QStringLiteral("focus frame's inner line on a pressed button, light end"), BWFocusFrame::innerColor(),
         pushed.first(), Control, false},
        {QStringLiteral("focus frame's inner line on a pressed button, dark end"), BWFocusFrame::innerColor(),
         pushed.last(), Control, false},
    };
}

QString hex(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

TEST(ThemeContrast, EveryColourMeetsItsMinimumOrTheDesignFixesIt)
{
    QStringList table = {QStringLiteral("| colour | foreground | background | contrast | needed |"),
                         QStringLiteral("| --- | --- | --- | --- | --- |")};
    for (const Pair& pair : themePairs()) {
        const QColor shown = over(pair.foreground, pair.background);
        const double ratio = contrast(shown, pair.background);
        const bool fallsShort = ratio < pair.minimum;
        table.append(QStringLiteral("| %1 | %2 | %3 | %4:1%5 | %6:1 |")
                         .arg(pair.what, hex(shown), hex(pair.background), QString::number(ratio, 'f', 2),
                              fallsShort ? QStringLiteral(" (short, fixed by the design)") : QString(),
                              QString::number(pair.minimum, 'f', 1)));
        if (!pair.fixedByDesign) {
            EXPECT_GE(ratio, pair.minimum) << pair.what.toStdString();
        }
    }
    std::printf("%s\n", qPrintable(table.join(u'\n')));
}

}  // namespace
