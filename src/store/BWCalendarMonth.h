#pragma once

#include <QDate>
#include <QDateTime>
#include <compare>

// One month of the local calendar, kept as a running count of months so that
// "the month before" or "a year back" is plain arithmetic and two moments can
// be asked whether they fall in the same month of the same year.
struct BWCalendarMonth
{
    int count = 0;   // year * 12 + (month - 1)

    static BWCalendarMonth of(const QDate& day) { return {day.year() * 12 + day.month() - 1}; }
    // The month of the moment's local day.
    static BWCalendarMonth of(const QDateTime& moment) { return of(moment.toLocalTime().date()); }

    int year() const { return count >= 0 ? count / 12 : (count - 11) / 12; }
    int month() const { return count - year() * 12 + 1; }   // 1 to 12
    BWCalendarMonth plusMonths(int months) const { return {count + months}; }

    auto operator<=>(const BWCalendarMonth&) const = default;
};
