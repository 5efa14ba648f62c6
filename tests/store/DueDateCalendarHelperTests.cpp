#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "platform/Clock.h"
#include "store/OrLogHelper.h"
#include "store/OvModernDateCalculations.h"

namespace {

using Components = OvModernDateCalculations::DateComponents;

// ---- Past, today or future ----

class DueDateDayRelationTest : public ::testing::Test
{
protected:
    DueDateTestZone zone;
    Clock clock;
    OrLogHelper helper{clock};
};

TEST_F(DueDateDayRelationTest, EarlierTodayIsTodayAndYesterdayLastMinuteIsPast)
{
    clock.setNow(localMoment(2016, 3, 8, 10));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 8, 0, 0)), 1);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 8, 23, 59)), 1);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 7, 23, 59)), 0);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 9, 0, 0)), 2);
}

TEST_F(DueDateDayRelationTest, JustBeforeAndAfterMidnightOfNow)
{
    clock.setNow(localMoment(2016, 3, 8, 23, 59));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 9, 0, 0)), 2);
    clock.setNow(localMoment(2016, 3, 9, 0, 0));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 8, 23, 59)), 0);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 9, 0, 0)), 1);
}

TEST_F(DueDateDayRelationTest, LocalDayDecidesNotUtcDay)
{
    // 20:00 in New York is already the next day in UTC.
    clock.setNow(localMoment(2016, 3, 8, 20));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 8, 6)), 1);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 9, 1)), 2);
}

TEST_F(DueDateDayRelationTest, DaylightSavingDayIsOneDay)
{
    // 13 March 2016 has 23 hours in New York.
    clock.setNow(localMoment(2016, 3, 13, 23, 30));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 13, 0, 0)), 1);
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(localMoment(2016, 3, 14, 0, 0)), 2);
}

TEST_F(DueDateDayRelationTest, MissingDateNeverCountsAsArrived)
{
    clock.setNow(localMoment(2016, 3, 8, 10));
    EXPECT_EQ(helper.isDateTodayPastOrFutureForDate(QDateTime()), 2);
}

// ---- Weekday of the month ----

class DueDateWeekdayComponentsTest : public ::testing::Test
{
protected:
    DueDateTestZone zone;
};

TEST_F(DueDateWeekdayComponentsTest, SecondTuesdayOfMarch)
{
    const Components parts = OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 3, 8, 15));
    EXPECT_EQ(parts.year, 2016);
    EXPECT_EQ(parts.month, 3);
    EXPECT_EQ(parts.day, 8);
    EXPECT_EQ(parts.weekday, 3);
    EXPECT_EQ(parts.weekdayOrdinal, 2);
}

TEST_F(DueDateWeekdayComponentsTest, WeekdaysCountFromSunday)
{
    EXPECT_EQ(OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 3, 6)).weekday, 1);
    EXPECT_EQ(OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 3, 12)).weekday, 7);
}

TEST_F(DueDateWeekdayComponentsTest, OrdinalBoundariesAtDaysSevenEightAndTwentyNine)
{
    auto ordinal = [](int day) {
        return OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 1, day)).weekdayOrdinal;
    };
    EXPECT_EQ(ordinal(1), 1);
    EXPECT_EQ(ordinal(7), 1);
    EXPECT_EQ(ordinal(8), 2);
    EXPECT_EQ(ordinal(28), 4);
    EXPECT_EQ(ordinal(29), 5);
    EXPECT_EQ(ordinal(31), 5);
}

TEST_F(DueDateWeekdayComponentsTest, ComponentsAreThoseOfTheLocalDay)
{
    // 22:00 on 29 February in New York is 1 March in UTC.
    const Components parts =
        OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 2, 29, 22));
    EXPECT_EQ(parts.month, 2);
    EXPECT_EQ(parts.day, 29);
    EXPECT_EQ(parts.weekdayOrdinal, 5);
}

TEST_F(DueDateWeekdayComponentsTest, NoDateHasNoComponentsAndNoLabel)
{
    const Components none = OvModernDateCalculations::extractDateComponentsFromDate(QDateTime());
    EXPECT_EQ(none.day, 0);
    EXPECT_EQ(none.weekday, 0);
    EXPECT_EQ(none.weekdayOrdinal, 0);
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(none), " ");
}

TEST_F(DueDateWeekdayComponentsTest, LabelNamesOrdinalAndWeekday)
{
    const Components secondTuesday =
        OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 3, 8));
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(secondTuesday),
              "2nd Tuesday");
    const Components fifthSunday =
        OvModernDateCalculations::extractDateComponentsFromDate(localMoment(2016, 1, 31));
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(fifthSunday),
              "5th Sunday");
}

TEST_F(DueDateWeekdayComponentsTest, LabelLeavesOutOfRangePartsEmpty)
{
    Components parts;
    parts.weekday = 8;
    parts.weekdayOrdinal = 1;
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(parts), "1st ");
    parts.weekday = 7;
    parts.weekdayOrdinal = 6;
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(parts), " Saturday");
    parts.weekdayOrdinal = 0;
    parts.weekday = 0;
    EXPECT_EQ(OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(parts), " ");
}

TEST_F(DueDateWeekdayComponentsTest, DayWithWeekdayOrdinal)
{
    // Tuesday is 3.
    EXPECT_EQ(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 4, 3, 2), QDate(2016, 4, 12));
    EXPECT_EQ(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 3, 3, 5), QDate(2016, 3, 29));
    EXPECT_FALSE(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 4, 3, 5).isValid());
    // February 2016 (leap year) has a fifth Monday, the 29th.
    EXPECT_EQ(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 2, 2, 5), QDate(2016, 2, 29));
    EXPECT_FALSE(OvModernDateCalculations::dayWithWeekdayOrdinal(2015, 2, 2, 5).isValid());
    EXPECT_FALSE(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 4, 0, 1).isValid());
    EXPECT_FALSE(OvModernDateCalculations::dayWithWeekdayOrdinal(2016, 4, 3, 0).isValid());
}

TEST_F(DueDateWeekdayComponentsTest, DaysBetweenNowAndDateAreNeverNegative)
{
    Clock clock;
    clock.setNow(localMoment(2016, 3, 13, 23));
    EXPECT_EQ(OvModernDateCalculations::numberOfDaysBetweenNowAndDateAbsolute(localMoment(2016, 3, 13, 1), clock), 0);
    EXPECT_EQ(OvModernDateCalculations::numberOfDaysBetweenNowAndDateAbsolute(localMoment(2016, 3, 14, 0), clock), 1);
    // Across the 23-hour day: still whole calendar days.
    EXPECT_EQ(OvModernDateCalculations::numberOfDaysBetweenNowAndDateAbsolute(localMoment(2016, 3, 3, 23), clock), 10);
    EXPECT_EQ(OvModernDateCalculations::numberOfDaysBetweenNowAndDateAbsolute(localMoment(2017, 3, 13, 0), clock), 365);
}

}  // namespace
