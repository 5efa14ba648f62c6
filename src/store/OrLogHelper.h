#pragma once

#include <QDateTime>

class Clock;

// Tells whether a moment falls on a past day, today or a future day, by the
// user's local calendar day rather than by the clock time: a bill due at
// 09:00 today is due today even at 08:00.
class OrLogHelper
{
public:
    enum DayRelation : int { PastDay = 0, Today = 1, FutureDay = 2 };

    explicit OrLogHelper(const Clock& clock);

    // 0 when the date's day is before today, 1 today, 2 after today (and for
    // an invalid date).
    int isDateTodayPastOrFutureForDate(const QDateTime& date) const;

private:
    const Clock& m_clock;
};
