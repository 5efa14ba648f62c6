#include "store/OrLogHelper.h"

#include "platform/Clock.h"

OrLogHelper::OrLogHelper(const Clock& clock)
    : m_clock(clock)
{
}

int OrLogHelper::isDateTodayPastOrFutureForDate(const QDateTime& date) const
{
    // Callers log payments for days that have come; a missing date must never
    // look like one, so it counts as a future day.
    if (!date.isValid())
        return FutureDay;
    const QDate day = date.toLocalTime().date();
    const QDate today = m_clock.today();
    if (day < today)
        return PastDay;
    return day == today ? Today : FutureDay;
}
