#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

namespace {

class DueDateShiftTest : public ::testing::Test, protected DateRuleSettings
{
protected:
    DueDateTestZone zone;
    BWBillsLoader loader{env};

    void avoidWeekends(bool on) { defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, on ? 1 : 0); }
    void avoidHolidays(bool on)
    {
        defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, true);
        defaults.setBool(BWDefaultsKeys::BWAvoidHolidays, on);
    }
    void vacation(const QDateTime& first, const QDateTime& last)
    {
        defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, true);
        defaults.setBool(BWDefaultsKeys::VacationEnabled, true);
        defaults.setObject(BWDefaultsKeys::VacationStartDate, first);
        defaults.setObject(BWDefaultsKeys::VacationEndTime, last);
    }

    static QVariantMap bill(const QDateTime& due, qlonglong unit = 2, qlonglong payType = 0)
    {
        return {{BillKeys::DueDate, due},
                {BillKeys::AbsoluteDueDate, due},
                {BillKeys::Repeat, QVariantList{1, unit}},
                {BillKeys::PayType, payType}};
    }

    // The record after the load's two shifts, in the load's order.
    QVariantMap shifted(QVariantMap record) const
    {
        loader.modifyDateForWeeknedIfNecessaryForBill(record);
        loader.modifyDateForHolidayAndVacationIfNecessaryForBill(record);
        return record;
    }

    static QDate shiftedDay(const QVariantMap& record)
    {
        return localDay(record.value(BillKeys::DueDate).toDateTime());
    }
    static QVariant reason(const QVariantMap& record) { return record.value(BillKeys::DateWasModified); }
};

// ---- Weekend shift ----

TEST_F(DueDateShiftTest, SundayBillShowsOnFridayBeforeAtSameTimeAndKeepsAbsoluteDate)
{
    avoidWeekends(true);
    const QDateTime sunday = localMoment(2016, 3, 6, 9);
    const QVariantMap record = shifted(bill(sunday));

    EXPECT_EQ(record.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 4, 9));
    EXPECT_EQ(reason(record).toLongLong(), 1);
    EXPECT_EQ(record.value(BillKeys::AbsoluteDueDate).toDateTime(), sunday);
}

TEST_F(DueDateShiftTest, WorkingDayIsLeftAloneWithoutReason)
{
    avoidWeekends(true);
    const QDateTime friday = localMoment(2016, 3, 4, 9);
    const QVariantMap record = shifted(bill(friday));

    EXPECT_EQ(record.value(BillKeys::DueDate).toDateTime(), friday);
    EXPECT_FALSE(record.contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, WeekendShiftKeepsWallClockTimeAcrossDaylightSavingChange)
{
    avoidWeekends(true);
    // Spring forward on 13 March 2016: Sunday 09:00 EDT moves to Friday 09:00 EST.
    const QVariantMap record = shifted(bill(localMoment(2016, 3, 13, 9)));
    const QDateTime due = record.value(BillKeys::DueDate).toDateTime();

    EXPECT_EQ(localDay(due), QDate(2016, 3, 11));
    EXPECT_EQ(localTime(due), QTime(9, 0));
}

TEST_F(DueDateShiftTest, WeekendsNotAvoidedStillMoveAutomaticTwiceMonthlyBills)
{
    avoidWeekends(false);
    const QDateTime saturday = localMoment(2016, 10, 15, 8);

    EXPECT_EQ(shiftedDay(shifted(bill(saturday, 1, 1))), QDate(2016, 10, 14));
    EXPECT_EQ(shiftedDay(shifted(bill(saturday, 2, 1))), QDate(2016, 10, 15));
    EXPECT_EQ(shiftedDay(shifted(bill(saturday, 1, 0))), QDate(2016, 10, 15));
}

TEST_F(DueDateShiftTest, IncomeIsNeverShifted)
{
    avoidWeekends(true);
    avoidHolidays(true);
    vacation(localMoment(2016, 7, 1), localMoment(2016, 7, 31));
    QVariantMap income = bill(localMoment(2016, 7, 4, 12));
    income.insert(BillKeys::IsIncome, true);

    const QVariantMap record = shifted(income);

    EXPECT_EQ(shiftedDay(record), QDate(2016, 7, 4));
    EXPECT_FALSE(record.contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, RecordWithoutRepeatOrPayTypeReadsThemAsZero)
{
    avoidWeekends(false);
    QVariantMap record{{BillKeys::DueDate, localMoment(2016, 10, 15)}};
    loader.modifyDateForWeeknedIfNecessaryForBill(record);
    EXPECT_FALSE(record.contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, MovingOffWeekendGoesBothWays)
{
    const QDateTime saturday = localMoment(2016, 3, 5, 18, 30);
    const QDateTime sunday = localMoment(2016, 3, 6, 18, 30);

    EXPECT_EQ(loader.modifyDueDateToAvoidWeekends(saturday, -1), localMoment(2016, 3, 4, 18, 30));
    EXPECT_EQ(loader.modifyDueDateToAvoidWeekends(sunday, -1), localMoment(2016, 3, 4, 18, 30));
    EXPECT_EQ(loader.modifyDueDateToAvoidWeekends(saturday, 1), localMoment(2016, 3, 7, 18, 30));
    EXPECT_EQ(loader.modifyDueDateToAvoidWeekends(sunday, 1), localMoment(2016, 3, 7, 18, 30));
    EXPECT_FALSE(loader.modifyDueDateToAvoidWeekends(localMoment(2016, 3, 7), -1).isValid());
    EXPECT_FALSE(loader.modifyDueDateToAvoidWeekends(QDateTime(), -1).isValid());
}

TEST_F(DueDateShiftTest, WeekendIsJudgedByLocalDayNotUtcDay)
{
    // Friday 21:00 in New York is already Saturday in UTC.
    EXPECT_FALSE(loader.modifyDueDateToAvoidWeekends(localMoment(2016, 3, 4, 21), -1).isValid());
    // Sunday 22:00 in New York is Monday in UTC.
    EXPECT_TRUE(loader.modifyDueDateToAvoidWeekends(localMoment(2016, 3, 6, 22), -1).isValid());
}

// ---- Day before ----

TEST_F(DueDateShiftTest, DayBeforeMovesToFridayOnlyWhenWeekendsAreAvoided)
{
    const QDateTime monday = localMoment(2016, 7, 4, 10);
    avoidWeekends(false);
    EXPECT_EQ(loader.subtractOneDayFromDate(monday), localMoment(2016, 7, 3, 10));
    avoidWeekends(true);
    EXPECT_EQ(loader.subtractOneDayFromDate(monday), localMoment(2016, 7, 1, 10));
    EXPECT_EQ(loader.subtractOneDayFromDate(localMoment(2016, 7, 6, 10)), localMoment(2016, 7, 5, 10));
}

TEST_F(DueDateShiftTest, DayBeforeOfNothingIsYesterday)
{
    avoidWeekends(false);
    clock.setNow(localMoment(2016, 3, 1, 0, 5));
    EXPECT_EQ(loader.subtractOneDayFromDate(), localMoment(2016, 2, 29, 0, 5));
}

// ---- Holidays ----

TEST_F(DueDateShiftTest, IndependenceDayWithWeekendsAvoidedShowsOnFriday)
{
    avoidWeekends(true);
    avoidHolidays(true);
    const QVariantMap record = shifted(bill(localMoment(2016, 7, 4, 15)));

    EXPECT_EQ(record.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 7, 1));
    EXPECT_EQ(reason(record).toLongLong(), 2);
}

TEST_F(DueDateShiftTest, IndependenceDayWithWeekendsAllowedShowsOnSundayBefore)
{
    avoidWeekends(false);
    avoidHolidays(true);
    const QVariantMap record = shifted(bill(localMoment(2016, 7, 4, 15)));

    // A holiday shift gives the start of the day.
    EXPECT_EQ(record.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 7, 3));
    EXPECT_EQ(reason(record).toLongLong(), 2);
}

TEST_F(DueDateShiftTest, NewYearOnSundayDependsOnWeekendSetting)
{
    avoidHolidays(true);
    avoidWeekends(false);
    const QVariantMap allowed = shifted(bill(localMoment(2017, 1, 1)));
    EXPECT_EQ(shiftedDay(allowed), QDate(2016, 12, 31));
    EXPECT_EQ(reason(allowed).toLongLong(), 2);

    avoidWeekends(true);
    const QVariantMap avoided = shifted(bill(localMoment(2017, 1, 1)));
    EXPECT_EQ(shiftedDay(avoided), QDate(2016, 12, 30));
    EXPECT_EQ(reason(avoided).toLongLong(), 1);
}

TEST_F(DueDateShiftTest, EveryHolidayOfTheTableIsAvoided)
{
    avoidWeekends(false);
    avoidHolidays(true);
    const QList<QDate> sample = {QDate(2015, 1, 19), QDate(2016, 2, 15), QDate(2017, 5, 29),
                                 QDate(2018, 9, 3),  QDate(2019, 11, 28), QDate(2020, 7, 3),
                                 QDate(2020, 12, 25), QDate(2016, 12, 26)};
    for (const QDate& holiday : sample) {
        const QVariantMap record = shifted(bill(QDateTime(holiday, QTime(12, 0)).toUTC()));
        EXPECT_EQ(shiftedDay(record), holiday.addDays(-1)) << holiday.toString().toStdString();
    }
}

TEST_F(DueDateShiftTest, DaysOutsideTheTableAreNoHolidays)
{
    avoidWeekends(false);
    avoidHolidays(true);
    // 25 December 2016 was a Sunday; the table lists the observed Monday instead.
    for (const QDate& day : {QDate(2016, 12, 25), QDate(2021, 7, 5), QDate(2014, 12, 25)}) {
        const QVariantMap record = shifted(bill(QDateTime(day, QTime(12, 0)).toUTC()));
        EXPECT_EQ(shiftedDay(record), day) << day.toString().toStdString();
        EXPECT_FALSE(record.contains(BillKeys::DateWasModified));
    }
}

TEST_F(DueDateShiftTest, HolidaysAreFoundWhateverTheUsersLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    avoidWeekends(false);
    avoidHolidays(true);
    const QVariantMap record = shifted(bill(localMoment(2016, 7, 4)));
    QLocale::setDefault(previous);

    EXPECT_EQ(shiftedDay(record), QDate(2016, 7, 3));
}

TEST_F(DueDateShiftTest, AutomaticTwiceMonthlyBillIsNeverHolidayShifted)
{
    avoidWeekends(false);
    avoidHolidays(true);
    const QVariantMap record = shifted(bill(localMoment(2016, 7, 4), 1, 1));
    EXPECT_EQ(shiftedDay(record), QDate(2016, 7, 4));
    EXPECT_FALSE(record.contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, MasterSwitchOffStopsHolidayAndVacationButNotWeekend)
{
    avoidWeekends(true);
    defaults.setBool(BWDefaultsKeys::BWAvoidHolidays, true);
    defaults.setBool(BWDefaultsKeys::VacationEnabled, true);
    defaults.setObject(BWDefaultsKeys::VacationStartDate, localMoment(2016, 7, 1));
    defaults.setObject(BWDefaultsKeys::VacationEndTime, localMoment(2016, 7, 31));
    defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, false);

    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 7, 4)))), QDate(2016, 7, 4));
    const QVariantMap weekend = shifted(bill(localMoment(2016, 7, 9)));
    EXPECT_EQ(shiftedDay(weekend), QDate(2016, 7, 8));
    EXPECT_EQ(reason(weekend).toLongLong(), 1);
}

// ---- Vacation ----

TEST_F(DueDateShiftTest, BillDueOnLastVacationDayMovesToDayBeforeVacation)
{
    avoidWeekends(false);
    vacation(localMoment(2016, 8, 10, 8), localMoment(2016, 8, 19, 8));
    const QVariantMap record = shifted(bill(localMoment(2016, 8, 19, 17)));

    // The day before the window, at the time of day of the stored start.
    EXPECT_EQ(record.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 8, 9, 8));
    EXPECT_EQ(reason(record).toLongLong(), 3);
}

TEST_F(DueDateShiftTest, VacationWindowIncludesBothEndsByDay)
{
    avoidWeekends(false);
    vacation(localMoment(2016, 8, 10, 23), localMoment(2016, 8, 19, 0));

    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 8, 10, 0)))), QDate(2016, 8, 9));
    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 8, 19, 23, 59)))), QDate(2016, 8, 9));
    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 8, 9, 23, 59)))), QDate(2016, 8, 9));
    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 8, 22)))), QDate(2016, 8, 22));
    EXPECT_FALSE(shifted(bill(localMoment(2016, 8, 22))).contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, VacationStartingOnMondayMovesToFridayWhenWeekendsAvoided)
{
    avoidWeekends(true);
    vacation(localMoment(2016, 8, 15), localMoment(2016, 8, 19));
    EXPECT_EQ(shiftedDay(shifted(bill(localMoment(2016, 8, 17)))), QDate(2016, 8, 12));
}

TEST_F(DueDateShiftTest, VacationOverridesHolidayReason)
{
    avoidWeekends(false);
    avoidHolidays(true);
    vacation(localMoment(2016, 6, 28), localMoment(2016, 7, 8));
    const QVariantMap record = shifted(bill(localMoment(2016, 7, 4)));

    EXPECT_EQ(shiftedDay(record), QDate(2016, 6, 27));
    EXPECT_EQ(reason(record).toLongLong(), 3);
}

TEST_F(DueDateShiftTest, VacationWithoutDatesShiftsNothing)
{
    defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, true);
    defaults.setBool(BWDefaultsKeys::VacationEnabled, true);
    EXPECT_FALSE(shifted(bill(localMoment(2016, 8, 17))).contains(BillKeys::DateWasModified));
}

TEST_F(DueDateShiftTest, DateBetweenIncludesBothEnds)
{
    const QDateTime start = localMoment(2016, 8, 10);
    const QDateTime end = localMoment(2016, 8, 19);
    EXPECT_TRUE(loader.date(start, start, end));
    EXPECT_TRUE(loader.date(end, start, end));
    EXPECT_FALSE(loader.date(end.addSecs(1), start, end));
    EXPECT_FALSE(loader.date(start.addSecs(-1), start, end));
    EXPECT_FALSE(loader.date(localMoment(2016, 8, 12), end, start));
}

}  // namespace
