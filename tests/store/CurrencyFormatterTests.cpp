#include "store/CurrencyFormatter.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

class CurrencyFormatterTest : public ::testing::Test
{
protected:
    ~CurrencyFormatterTest() override { QLocale::setDefault(m_saved); }
    static void useLocale(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    CurrencyFormatter formatter;

private:
    QLocale m_saved;
};

}  // namespace

TEST_F(CurrencyFormatterTest, WritesMoneyRoundedHalfAwayFromZero)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(formatter.stringFromNumber(1234.5), QStringLiteral("$1,234.50"));
    EXPECT_EQ(formatter.stringFromNumber(0.125), QStringLiteral("$0.13"));
    EXPECT_EQ(formatter.stringFromNumber(-0.125), QStringLiteral("-$0.13"));
    EXPECT_EQ(formatter.roundingBehavior().scale, 2);
    EXPECT_TRUE(formatter.roundingBehavior().halfAwayFromZero);

    useLocale(QLocale::Japanese, QLocale::Japan);
    EXPECT_EQ(formatter.roundingBehavior().scale, 0);
}

TEST_F(CurrencyFormatterTest, ReadsWhatPeopleTypeLeniently)
{
    struct Case
    {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* text;
        std::optional<double> amount;
    };
    const QList<Case> cases = {
        {QLocale::English, QLocale::UnitedStates, "$1,234.50", 1234.5},
        {QLocale::English, QLocale::UnitedStates, "1234.5", 1234.5},
        {QLocale::English, QLocale::UnitedStates, " 12 ", 12.0},
        {QLocale::English, QLocale::UnitedStates, "", std::nullopt},
        {QLocale::English, QLocale::UnitedStates, "12abc", std::nullopt},
        {QLocale::English, QLocale::UnitedStates, "inf", std::nullopt},
        {QLocale::German, QLocale::Germany, "1.234,50 €", 1234.5},
        {QLocale::German, QLocale::Germany, "12,5", 12.5},
        {QLocale::German, QLocale::Germany, "12.50", 12.5},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        useLocale(test.language, test.territory);
        EXPECT_EQ(formatter.numberFromString(QString::fromUtf8(test.text)), test.amount);
    }
}
