#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

namespace {

const QList<int> FirstAndFifteenth = {1, 15};

class RepeatRuleNextDueDateTest : public ::testing::Test, protected DateRuleSettings
{
protected:
    DueDateTestZone zone;
    BWPaymentLogger logger{env};

    // A loaded record: its shown DueDate may differ from the stored one.
    static QVariantMap bill(const QDateTime& absoluteDue, qlonglong count, qlonglong unit)
    {
        return {{BillKeys::DueDate, absoluteDue.addDays(-2)},
                {BillKeys::AbsoluteDueDate, absoluteDue},
                {BillKeys::Repeat, QVariantList{count, unit}}};
    }

    QDateTime next(const QDateTime& due, qlonglong count, qlonglong unit) const
    {
        return logger.calculateNextDueDateForBill(bill(due, count, unit));
    }
    QDateTime previous(const QDateTime& due, qlonglong count, qlonglong unit) const
    {
        return logger.calculateNextDueDateForBill(bill(due, count, unit), -1);
    }
    static QDateTime twiceForward(const QDateTime& date)
    {
        return BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDate(date, FirstAndFifteenth);
    }
    static QDateTime twiceBackward(const QDateTime& date)
    {
        return BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDateBackwards(date, FirstAndFifteenth);
    }
};

// ---- The base ----

TEST_F(RepeatRuleNextDueDateTest, StepsStartFromTheUnshiftedDate)
{
    const QDateTime sunday = localMoment(2016, 3, 6, 9);
    QVariantMap shown = bill(sunday, 1, 0);
    shown.insert(BillKeys::DueDate, localMoment(2016, 3, 4, 9));
    EXPECT_EQ(logger.calculateNextDueDateForBill(shown), localMoment(2016, 3, 13, 9));
}

TEST_F(RepeatRuleNextDueDateTest, RecordThatWasNotLoadedGetsNoDateExceptNever)
{
    const QVariantMap stored{{BillKeys::DueDate, localMoment(2016, 3, 6)},
                             {BillKeys::Repeat, QVariantList{1, 2}}};
    EXPECT_FALSE(logger.calculateNextDueDateForBill(stored).isValid());

    const QVariantMap never{{BillKeys::DueDate, localMoment(2016, 3, 6)},
                            {BillKeys::Repeat, QVariantList{0, 4}}};
    EXPECT_EQ(logger.calculateNextDueDateForBill(never), PropertyList::distantFuture());
}

TEST_F(RepeatRuleNextDueDateTest, UnreadableOrUnknownRuleGivesNoDate)
{
    const QDateTime due = localMoment(2016, 3, 6);
    EXPECT_FALSE(next(due, 1, 7).isValid());
    EXPECT_FALSE(next(due, 1, -1).isValid());
    QVariantMap shortPair = bill(due, 1, 2);
    shortPair.insert(BillKeys::Repeat, QVariantList{1});
    EXPECT_FALSE(logger.calculateNextDueDateForBill(shortPair).isValid());
    shortPair.remove(BillKeys::Repeat);
    EXPECT_FALSE(logger.calculateNextDueDateForBill(shortPair).isValid());
}

TEST_F(RepeatRuleNextDueDateTest, AbsurdCountGivesNoDateRatherThanOverflowing)
{
    EXPECT_FALSE(next(localMoment(2016, 3, 6), 1LL << 40, 2).isValid());
    EXPECT_FALSE(next(localMoment(2016, 3, 6), 1LL << 40, 0).isValid());
}

// ---- Unit 0: weeks ----

TEST_F(RepeatRuleNextDueDateTest, WeeksForwardAndBackAcrossMonthAndYearEnds)
{
    EXPECT_EQ(next(localMoment(2016, 1, 28, 9), 1, 0), localMoment(2016, 2, 4, 9));
    EXPECT_EQ(next(localMoment(2016, 12, 29, 9), 2, 0), localMoment(2017, 1, 12, 9));
    EXPECT_EQ(previous(localMoment(2017, 1, 5, 9), 1, 0), localMoment(2016, 12, 29, 9));
    EXPECT_EQ(next(localMoment(2016, 2, 22), 1, 0), localMoment(2016, 2, 29));
}

TEST_F(RepeatRuleNextDueDateTest, WeeksKeepWallClockTimeAcrossDaylightSavingChanges)
{
    EXPECT_EQ(next(localMoment(2016, 3, 10, 9), 1, 0), localMoment(2016, 3, 17, 9));
    EXPECT_EQ(next(localMoment(2016, 11, 3, 0, 30), 1, 0), localMoment(2016, 11, 10, 0, 30));
    EXPECT_EQ(previous(localMoment(2016, 3, 17, 9), 1, 0), localMoment(2016, 3, 10, 9));
}

// ---- Unit 2: months ----

TEST_F(RepeatRuleNextDueDateTest, MonthlyFromMonthEndClipsToShorterMonth)
{
    EXPECT_EQ(next(localMoment(2016, 1, 31, 9), 1, 2), localMoment(2016, 2, 29, 9));
    EXPECT_EQ(next(localMoment(2015, 1, 31, 9), 1, 2), localMoment(2015, 2, 28, 9));
    EXPECT_EQ(next(localMoment(2016, 3, 31), 1, 2), localMoment(2016, 4, 30));
    EXPECT_EQ(previous(localMoment(2016, 3, 31), 1, 2), localMoment(2016, 2, 29));
}

TEST_F(RepeatRuleNextDueDateTest, YearlyFromLeapDayGoesToFebruary28)
{
    EXPECT_EQ(next(localMoment(2016, 2, 29), 12, 2), localMoment(2017, 2, 28));
    EXPECT_EQ(previous(localMoment(2016, 2, 29), 12, 2), localMoment(2015, 2, 28));
    EXPECT_EQ(next(localMoment(2015, 2, 28), 12, 2), localMoment(2016, 2, 28));
}

TEST_F(RepeatRuleNextDueDateTest, QuarterlyAndHalfYearlyCrossYearEnd)
{
    EXPECT_EQ(next(localMoment(2016, 11, 30, 12), 3, 2), localMoment(2017, 2, 28, 12));
    EXPECT_EQ(next(localMoment(2016, 8, 31), 6, 2), localMoment(2017, 2, 28));
    EXPECT_EQ(previous(localMoment(2017, 1, 15), 3, 2), localMoment(2016, 10, 15));
}

TEST_F(RepeatRuleNextDueDateTest, MonthsKeepWallClockTimeAcrossDaylightSavingChange)
{
    EXPECT_EQ(next(localMoment(2016, 2, 20, 9), 1, 2), localMoment(2016, 3, 20, 9));
    EXPECT_EQ(next(localMoment(2016, 10, 20, 9), 1, 2), localMoment(2016, 11, 20, 9));
}

// ---- Unit 3: days ----

TEST_F(RepeatRuleNextDueDateTest, DaysCountCalendarDays)
{
    EXPECT_EQ(next(localMoment(2016, 2, 28, 9), 1, 3), localMoment(2016, 2, 29, 9));
    EXPECT_EQ(next(localMoment(2016, 12, 31, 9), 10, 3), localMoment(2017, 1, 10, 9));
    // The 23-hour day of the spring change is still one day.
    EXPECT_EQ(next(localMoment(2016, 3, 12, 23, 30), 1, 3), localMoment(2016, 3, 13, 23, 30));
    EXPECT_EQ(previous(localMoment(2016, 3, 1), 1, 3), localMoment(2016, 2, 29));
}

TEST_F(RepeatRuleNextDueDateTest, CountOfZeroGivesTheBaseAgain)
{
    const QDateTime due = localMoment(2016, 3, 6, 9);
    EXPECT_EQ(next(due, 0, 3), due);
    EXPECT_EQ(next(due, 0, 0), due);
    EXPECT_EQ(previous(due, 0, 2), due);
}

// ---- Unit 4: never ----

TEST_F(RepeatRuleNextDueDateTest, NeverStaysInTheDistantFutureBothWays)
{
    EXPECT_EQ(next(localMoment(2016, 3, 6), 0, 4), PropertyList::distantFuture());
    EXPECT_EQ(previous(localMoment(2016, 3, 6), 0, 4), PropertyList::distantFuture());
    EXPECT_EQ(next(PropertyList::distantFuture(), 0, 4), PropertyList::distantFuture());
}

// ---- Unit 1: twice a month ----

TEST_F(RepeatRuleNextDueDateTest, TwiceMonthlyForward)
{
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 1, 9)), localMoment(2016, 3, 15));
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 15, 9)), localMoment(2016, 4, 1));
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 10)), localMoment(2016, 4, 1));
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 25)), localMoment(2016, 4, 1));
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 26)), localMoment(2016, 4, 15));
    EXPECT_EQ(twiceForward(localMoment(2016, 12, 20)), localMoment(2017, 1, 1));
    EXPECT_EQ(twiceForward(localMoment(2016, 12, 31)), localMoment(2017, 1, 15));
    EXPECT_EQ(twiceForward(localMoment(2016, 1, 31)), localMoment(2016, 2, 15));
}

TEST_F(RepeatRuleNextDueDateTest, TwiceMonthlyBackward)
{
    EXPECT_EQ(twiceBackward(localMoment(2016, 3, 1)), localMoment(2016, 2, 15));
    EXPECT_EQ(twiceBackward(localMoment(2016, 3, 10)), localMoment(2016, 2, 15));
    EXPECT_EQ(twiceBackward(localMoment(2016, 3, 15, 9)), localMoment(2016, 3, 1));
    EXPECT_EQ(twiceBackward(localMoment(2016, 3, 28)), localMoment(2016, 3, 1));
    EXPECT_EQ(twiceBackward(localMoment(2016, 1, 1)), localMoment(2015, 12, 15));
}

TEST_F(RepeatRuleNextDueDateTest, TwiceMonthlyRuleThroughTheRecord)
{
    EXPECT_EQ(next(localMoment(2016, 3, 15, 9), 1, 1), localMoment(2016, 4, 1));
    EXPECT_EQ(previous(localMoment(2016, 3, 15, 9), 1, 1), localMoment(2016, 3, 1));
    // Any modifier other than 1 goes backward.
    EXPECT_EQ(logger.calculateNextDueDateForBill(bill(localMoment(2016, 3, 15), 1, 1), 0), localMoment(2016, 3, 1));
}

TEST_F(RepeatRuleNextDueDateTest, TwiceMonthlyUsesTheLocalDay)
{
    // The start of 15 March in New York is already 15 March in UTC, but 23:00
    // on 14 March is not: the local day decides.
    EXPECT_EQ(twiceForward(localMoment(2016, 3, 14, 23)), localMoment(2016, 4, 1));
    EXPECT_EQ(twiceForward(localMoment(2016, 2, 29, 23)), localMoment(2016, 3, 15));
}

TEST_F(RepeatRuleNextDueDateTest, TwiceMonthlyWithoutTwoDaysGivesNoDate)
{
    EXPECT_FALSE(BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDate(localMoment(2016, 3, 1), {1})
                     .isValid());
    EXPECT_FALSE(BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDateBackwards(localMoment(2016, 3, 1), {})
                     .isValid());
}

// ---- Unit 5: same weekday of the month ----

TEST_F(RepeatRuleNextDueDateTest, SecondTuesdayMovesToNeighbouringSecondTuesdays)
{
    const QDateTime secondTuesdayOfMarch = localMoment(2016, 3, 8, 9);
    EXPECT_EQ(next(secondTuesdayOfMarch, 1, 5), localMoment(2016, 4, 12));
    EXPECT_EQ(previous(secondTuesdayOfMarch, 1, 5), localMoment(2016, 2, 9));
}

TEST_F(RepeatRuleNextDueDateTest, WeekdayRuleCrossesYearEnd)
{
    // Third Thursday of December 2016 and of January 2017.
    EXPECT_EQ(next(localMoment(2016, 12, 15), 1, 5), localMoment(2017, 1, 19));
    EXPECT_EQ(previous(localMoment(2017, 1, 19), 1, 5), localMoment(2016, 12, 15));
}

TEST_F(RepeatRuleNextDueDateTest, FifthWeekdaySkipsMonthsWithoutOne)
{
    // 29 February 2016 is the fifth Monday; the next fifth Monday is 30 May.
    EXPECT_EQ(next(localMoment(2016, 2, 29), 1, 5), localMoment(2016, 5, 30));
    EXPECT_EQ(previous(localMoment(2016, 2, 29), 1, 5), localMoment(2015, 11, 30));
}

TEST_F(RepeatRuleNextDueDateTest, EveryFifthWeekdayIsFoundAgainBothWays)
{
    for (int day = 29; day <= 31; ++day) {
        for (int month : {1, 3, 5, 7, 8, 10, 12}) {
            for (int year = 2015; year <= 2021; ++year) {
                const QDateTime base = localMoment(year, month, day);
                const QDateTime forward = BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(base, 1);
                const QDateTime backward = BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(base, -1);
                ASSERT_TRUE(forward.isValid() && backward.isValid()) << year << "-" << month << "-" << day;
                EXPECT_EQ(localDay(forward).dayOfWeek(), localDay(base).dayOfWeek());
                EXPECT_GE(localDay(forward).day(), 29);
                EXPECT_GE(localDay(backward).day(), 29);
            }
        }
    }
}

TEST_F(RepeatRuleNextDueDateTest, WeekdayRuleWantsOneStepEitherWay)
{
    EXPECT_FALSE(BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(localMoment(2016, 3, 8), 2).isValid());
    EXPECT_FALSE(BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(localMoment(2016, 3, 8), 0).isValid());
    EXPECT_FALSE(BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(QDateTime(), 1).isValid());
}

// ---- Unit 6: estimated-tax dates ----

TEST_F(RepeatRuleNextDueDateTest, EstimatedTaxForward)
{
    EXPECT_EQ(next(localMoment(2016, 3, 20), 1, 6), localMoment(2016, 4, 15));
    EXPECT_EQ(next(localMoment(2016, 4, 10), 1, 6), localMoment(2016, 6, 15));
    EXPECT_EQ(next(localMoment(2016, 4, 15, 9), 1, 6), localMoment(2016, 6, 15));
    EXPECT_EQ(next(localMoment(2016, 6, 15), 1, 6), localMoment(2016, 9, 15));
    EXPECT_EQ(next(localMoment(2016, 9, 15), 1, 6), localMoment(2017, 1, 15));
    EXPECT_EQ(next(localMoment(2016, 12, 31), 1, 6), localMoment(2017, 1, 15));
    EXPECT_EQ(next(localMoment(2016, 1, 15), 1, 6), localMoment(2016, 4, 15));
}

TEST_F(RepeatRuleNextDueDateTest, EstimatedTaxBackward)
{
    EXPECT_EQ(previous(localMoment(2016, 4, 15), 1, 6), localMoment(2016, 1, 15));
    EXPECT_EQ(previous(localMoment(2016, 1, 15), 1, 6), localMoment(2015, 9, 15));
    EXPECT_EQ(previous(localMoment(2016, 6, 15), 1, 6), localMoment(2016, 4, 15));
    EXPECT_EQ(previous(localMoment(2016, 9, 15), 1, 6), localMoment(2016, 6, 15));
    EXPECT_EQ(previous(localMoment(2016, 3, 1), 1, 6), localMoment(2015, 9, 15));
}

TEST_F(RepeatRuleNextDueDateTest, EstimatedTaxForwardThenBackwardReturns)
{
    for (const QDateTime& taxDate : {localMoment(2016, 1, 15), localMoment(2016, 4, 15),
                                     localMoment(2016, 6, 15), localMoment(2016, 9, 15)})
        EXPECT_EQ(previous(next(taxDate, 1, 6), 1, 6), taxDate);
}

TEST_F(RepeatRuleNextDueDateTest, EstimatedTaxWantsOneStepEitherWay)
{
    EXPECT_FALSE(logger.calculateNextDueDateForBill(bill(localMoment(2016, 3, 20), 1, 6), 2).isValid());
    EXPECT_FALSE(BWPaymentLogger::calculateSpecialNextDueDateForEstimatedTaxInterval(localMoment(2016, 3, 20), 0)
                     .isValid());
}

// ---- Calendar rules give the start of the day ----

TEST_F(RepeatRuleNextDueDateTest, CalendarRulesGiveStartOfDayEvenAcrossDaylightSavingChange)
{
    // 13 March 2016 in New York: the clocks jump at 02:00, midnight exists.
    const QDateTime result = next(localMoment(2016, 2, 14, 18), 1, 5);
    EXPECT_EQ(result, localMoment(2016, 3, 13));
    EXPECT_EQ(localTime(result), QTime(0, 0));
}

}  // namespace
