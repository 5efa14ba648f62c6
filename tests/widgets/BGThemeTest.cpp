#include "widgets/BGGradientTheme.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGThemeManager.h"

#include <gtest/gtest.h>

namespace {

constexpr double Float = 1e-3;

void expectRgba(const QColor& colour, double r, double g, double b, double a)
{
    EXPECT_NEAR(colour.redF(), r, Float);
    EXPECT_NEAR(colour.greenF(), g, Float);
    EXPECT_NEAR(colour.blueF(), b, Float);
    EXPECT_NEAR(colour.alphaF(), a, Float);
}

QList<double> locations(const BGGradient& gradient)
{
    QList<double> result;
    for (const auto& stop : gradient.stops())
        result << stop.first;
    return result;
}

// A theme whose only change is the text colour, to see replacements reach
// the controls.
class RedTextTheme : public BGGradientTheme {
public:
    QColor textColor() const override { return Qt::red; }
};

class DimmerTheme : public BGTheme {
public:
    qreal disabledAlphaValue() const override { return 0.4; }
};

// Restores the default "gradientTheme" after tests that replace it.
class ThemeReplacement : public ::testing::Test {
protected:
    void TearDown() override
    {
        BGThemeManager::keyedManager().setTheme(std::make_shared<BGGradientTheme>(),
                                                BGThemeManager::GradientThemeKey);
    }
};

}  // namespace

TEST(BGThemeManager, HoldsExactlyTheTwoDefaultThemes)
{
    QStringList keys = BGThemeManager::keyedManager().themeKeys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"flatTheme", "gradientTheme"}));
    EXPECT_EQ(&BGThemeManager::keyedManager(), &BGThemeManager::keyedManager());
}

TEST(BGThemeManager, FlatKeyGivesThePlainTheme)
{
    const auto theme = BGThemeManager::keyedManager().themeForKey("flatTheme");
    EXPECT_DOUBLE_EQ(theme->alphaValue(), 0.6);
    EXPECT_NEAR(theme->strokeColor().alphaF(), 1.0, Float);
}

TEST(BGThemeManager, GradientUnknownAndEmptyKeysGiveTheGradientTheme)
{
    auto& manager = BGThemeManager::keyedManager();
    for (const QString& key : {QString("gradientTheme"), QString("noSuchTheme"), QString(), QString("")}) {
        const auto theme = manager.themeForKey(key);
        EXPECT_DOUBLE_EQ(theme->alphaValue(), 0.7) << key.toStdString();
        EXPECT_NEAR(theme->strokeColor().alphaF(), 0.7, Float) << key.toStdString();
    }
}

TEST_F(ThemeReplacement, ReplacedGradientThemeIsTheNewFallbackAndReachesControls)
{
    BGHUDLabel defaultKey("a");
    BGHUDLabel unknownKey("b");
    unknownKey.setThemeKey("unregistered");
    BGThemeManager::keyedManager().setTheme(std::make_shared<RedTextTheme>(), "gradientTheme");
    EXPECT_EQ(defaultKey.currentTextColor(), QColor(Qt::red));
    EXPECT_EQ(unknownKey.currentTextColor(), QColor(Qt::red));
    EXPECT_EQ(BGThemeManager::keyedManager().themeKeys().size(), 2);
}

TEST_F(ThemeReplacement, NullThemeIsRefusedSoTheFallbackStays)
{
    BGThemeManager::keyedManager().setTheme(nullptr, "gradientTheme");
    ASSERT_NE(BGThemeManager::keyedManager().themeForKey("x"), nullptr);
}

TEST(BGTheme, ValuesCarryingTheAlphaFollowTheReceiver)
{
    const BGTheme flat;
    const BGGradientTheme gradient;
    EXPECT_NEAR(flat.normalSolidFill().alphaF(), 0.6, Float);
    EXPECT_NEAR(flat.disabledNormalSolidFill().alphaF(), 0.2, Float);
    EXPECT_NEAR(gradient.normalSolidFill().alphaF(), 0.7, Float);
    EXPECT_NEAR(gradient.pushedSolidFill().alphaF(), 0.7, Float);
    EXPECT_NEAR(gradient.disabledNormalSolidFill().alphaF(), 0.2, Float);
    EXPECT_NEAR(gradient.knobColor().stops().first().second.alphaF(), 1.0, Float);
    for (const auto& stop : gradient.normalComplexGradient().stops())
        EXPECT_NEAR(stop.second.alphaF(), 0.7, Float);
}

TEST(BGTheme, TwinValuesAreEqual)
{
    const BGTheme theme;
    EXPECT_EQ(theme.disabledKnobColor(), theme.knobColor());
    EXPECT_EQ(theme.highlightGradient(), theme.pushedGradient());
    EXPECT_EQ(theme.highlightComplexGradient(), theme.pushedComplexGradient());
    EXPECT_EQ(theme.highlightSolidFill(), theme.pushedSolidFill());
    EXPECT_EQ(theme.selectionHighlightInActiveColor(), theme.selectionHighlightActiveColor());
    EXPECT_EQ(theme.selectionTextInActiveColor(), theme.selectionTextActiveColor());
}

TEST(BGTheme, PlainThemeTableValues)
{
    const BGTheme theme;
    expectRgba(theme.textFillColor(), 0.224, 0.224, 0.224, 0.95);
    expectRgba(theme.strokeColor(), 0.749, 0.761, 0.788, 1.0);
    expectRgba(theme.disabledStrokeColor(), 0.749, 0.761, 0.788, 0.2);
    expectRgba(theme.darkStrokeColor(), 0.141, 0.141, 0.141, 0.5);
    expectRgba(theme.disabledTextColor(), 1, 1, 1, 0.2);
    expectRgba(theme.cellHighlightColor(), 0.549, 0.561, 0.588, 1);
    expectRgba(theme.tableHeaderCellBorderColor(), 0.349, 0.361, 0.388, 1);
    expectRgba(theme.tableBackgroundColor(), 0, 0, 0, 0);
    EXPECT_EQ(theme.textColor(), QColor(Qt::white));
    EXPECT_EQ(theme.placeholderTextColor(), QColor(Qt::gray));
    EXPECT_EQ(theme.cellSelectedTextColor(), QColor(Qt::black));
    EXPECT_DOUBLE_EQ(theme.gradientAngle(), 90.0);
    EXPECT_DOUBLE_EQ(theme.scrollerAlphaValue(), 0.5);
    EXPECT_TRUE(theme.isOverrideFillColor());

    const BGGradient normal = theme.normalGradient();
    ASSERT_EQ(normal.stops().size(), 2);
    expectRgba(normal.stops()[0].second, 0.251, 0.251, 0.255, 0.6);
    expectRgba(normal.stops()[1].second, 0.118, 0.118, 0.118, 0.6);
    expectRgba(theme.disabledNormalGradient().stops()[0].second, 0.251, 0.251, 0.255, 0.2);
}

TEST(BGTheme, ShadowsAreGivenWithYUp)
{
    const BGTheme theme;
    const BGShadow drop = theme.dropShadow();
    EXPECT_EQ(drop.color(), QColor(Qt::black));
    EXPECT_DOUBLE_EQ(drop.blurRadius(), 2.0);
    EXPECT_EQ(drop.offset(), QPointF(0, -1));
    const BGShadow focus = theme.focusRing();
    EXPECT_EQ(focus.color(), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(focus.blurRadius(), 3.0);
    EXPECT_EQ(focus.offset(), QPointF(0, 0));
}

TEST(BGTheme, AlternatingRowsLighterFirst)
{
    const QList<QColor> rows = BGTheme().cellAlternatingRowColors();
    ASSERT_EQ(rows.size(), 2);
    expectRgba(rows[0], 0.16, 0.16, 0.16, 0.86);
    expectRgba(rows[1], 0.15, 0.15, 0.15, 0.8);
}

TEST(BGTheme, ScrollerTrackKeepsItsOwnAlpha)
{
    for (const auto& stop : BGTheme().scrollerTrackGradient().stops())
        EXPECT_NEAR(stop.second.alphaF(), 0.75, Float);
    for (const auto& stop : BGTheme().scrollerArrowNormalGradient().stops())
        EXPECT_NEAR(stop.second.alphaF(), 0.5, Float);
}

TEST(BGTheme, OverridingTheDisabledAlphaChangesExactlyTheDisabledValues)
{
    const BGTheme plain;
    const DimmerTheme dimmer;
    EXPECT_NEAR(dimmer.disabledSliderTrackColor().alphaF(), 0.4, Float);
    EXPECT_NEAR(dimmer.disabledNormalGradient().stops()[0].second.alphaF(), 0.4, Float);
    EXPECT_NEAR(dimmer.disabledNormalComplexGradient().stops()[3].second.alphaF(), 0.4, Float);
    EXPECT_NEAR(dimmer.disabledNormalSolidFill().alphaF(), 0.4, Float);
    EXPECT_NEAR(dimmer.disabledStrokeColor().alphaF(), 0.4, Float);
    EXPECT_NEAR(dimmer.disabledTextColor().alphaF(), 0.4, Float);
    EXPECT_EQ(dimmer.disabledKnobColor(), plain.disabledKnobColor());
    EXPECT_EQ(dimmer.normalSolidFill(), plain.normalSolidFill());
}

TEST(BGGradientTheme, BevelGradientsHaveAHardStepInTheMiddle)
{
    const BGGradientTheme theme;
    const BGGradient normal = theme.normalGradient();
    EXPECT_EQ(locations(normal), QList<double>({0, 0.5, 0.5, 1}));
    expectRgba(normal.stops()[0].second, 0.324, 0.331, 0.347, 0.7);
    expectRgba(normal.stops()[3].second, 0.139, 0.147, 0.167, 0.7);
    const BGGradient pushed = theme.pushedGradient();
    expectRgba(pushed.stops()[1].second, 0.445, 0.453, 0.469, 0.7);
    EXPECT_EQ(theme.highlightGradient(), pushed);
    expectRgba(theme.highlightKnobColor().stops()[2].second, 0.406, 0.414, 0.433, 1.0);
    EXPECT_EQ(theme.disabledKnobColor(), theme.knobColor());
    // The bevel equals the plain theme's complex gradients.
    EXPECT_EQ(locations(theme.normalComplexGradient()), locations(normal));
    EXPECT_EQ(theme.normalComplexGradient(), normal);
}
