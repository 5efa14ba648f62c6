#include "widgets/BWColorConversion.h"

#include <gtest/gtest.h>

using namespace BWColorConversion;

namespace {

void expectRgba(const QColor& colour, double r, double g, double b, double a)
{
    EXPECT_NEAR(colour.redF(), r, 1e-3);
    EXPECT_NEAR(colour.greenF(), g, 1e-3);
    EXPECT_NEAR(colour.blueF(), b, 1e-3);
    EXPECT_NEAR(colour.alphaF(), a, 1e-3);
}

}  // namespace

TEST(BWColorConversion, CGColorKeepsEveryComponent)
{
    expectRgba(CGColor(QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f)), 0.2, 0.4, 0.6, 0.5);
    const QColor fromHsv = CGColor(QColor::fromHsvF(0, 1, 1));
    EXPECT_EQ(fromHsv.spec(), QColor::Rgb);
    expectRgba(fromHsv, 1, 0, 0, 1);
    EXPECT_FALSE(CGColor(QColor()).isValid());
}

TEST(BWColorConversion, LightenAddsAndDropsTheAlpha)
{
    expectRgba(lightenColorByValue(QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.3f), 0.1f), 0.6, 0.6, 0.6, 1.0);
}

TEST(BWColorConversion, DarkenIsNotClipped)
{
    const QColor blue = darkenColorByValue(QColor::fromRgbF(0.0f, 0.33f, 0.80f), 0.12f);
    expectRgba(blue, -0.12, 0.21, 0.68, 1.0);
}

TEST(BWColorConversion, LightnessThresholdIsExclusive)
{
    EXPECT_FALSE(isLightColor(QColor::fromRgbF(0.8f, 0.8f, 0.8f)));
    EXPECT_TRUE(isLightColor(QColor::fromRgbF(0.9f, 0.8f, 0.8f)));
    EXPECT_TRUE(isLightColor(QColor(Qt::white)));
}

TEST(BWColorConversion, DescriptionWithAllFourNumbers)
{
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace 0.1 0.2 0.3 0.4"), 0.1, 0.2, 0.3, 0.4);
}

TEST(BWColorConversion, MissingAlphaMeansOpaque)
{
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace 0.1 0.2 0.3"), 0.1, 0.2, 0.3, 1.0);
}

TEST(BWColorConversion, ShortTextGivesOpaqueBlackInsteadOfReadingPastItsEnd)
{
    for (const QString& text : {QString(""), QString("NSCalibrated"), QString(25, QChar('x')),
                                QString("NSCalibratedRGBColorSpace "), QString("NSCalibratedRGBColorSpace")}) {
        const QColor colour = colorFromDescription(text);
        ASSERT_TRUE(colour.isValid()) << text.toStdString();
        expectRgba(colour, 0, 0, 0, 1);
    }
}

TEST(BWColorConversion, NullTextGivesNoColour)
{
    EXPECT_FALSE(colorFromDescription(QString()).isValid());
}

TEST(BWColorConversion, ReadingStopsAtTheFirstMalformedNumber)
{
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace 0.5 abc 0.7 0.2"), 0.5, 0, 0, 1);
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace nan 0.5"), 0, 0, 0, 1);
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace 0.25 inf"), 0.25, 0, 0, 1);
}

TEST(BWColorConversion, ComponentsAreKeptInRange)
{
    expectRgba(colorFromDescription("NSCalibratedRGBColorSpace 2 -1 0.5 7"), 1, 0, 0.5, 1);
}
