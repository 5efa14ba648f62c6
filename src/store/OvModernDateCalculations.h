#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Clock;

// Weekday-of-the-month arithmetic, always in the Gregorian calendar whatever
// calendar the user picked: the "same weekday of the month" repeat rule and
// its label ("2nd Tuesday") must mean the same thing on every device.
class OvModernDateCalculations
{
public:
    struct DateComponents
    {
        int year = 0;
        int month = 0;           // 1 January ... 12 December
        int day = 0;
        int weekday = 0;         // 1 Sunday ... 7 Saturday
        int weekdayOrdinal = 0;  // 1 for the first such weekday of the month ... 5
    };

    // The components of the date's local calendar day.
    static DateComponents extractDateComponentsFromDate(const QDateTime& date);
    // Calendar days between today and the date's local day, never negative.
    // No caller in the program; the clock's calendar days.
    static qlonglong numberOfDaysBetweenNowAndDateAbsolute(const QDateTime& date, const Clock& clock);
    // "2nd Tuesday": the ordinal word, a blank and the weekday name; a value
    // out of range leaves its part empty.
    static QString stringForCustomRepeatIntervalWithComponents(const DateComponents& components);

    // The day of `month` in `year` that is the `weekdayOrdinal`-th `weekday`
    // (numbered as in DateComponents); invalid when the month has no such day,
    // as a fifth weekday is missing from most months.
    static QDate dayWithWeekdayOrdinal(int year, int month, int weekday, int weekdayOrdinal);
};
