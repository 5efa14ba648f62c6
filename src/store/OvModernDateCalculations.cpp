#include "store/OvModernDateCalculations.h"

#include <QCalendar>
#include <QStringList>

#include "platform/Clock.h"

namespace {

const QCalendar& gregorian()
{
    static const QCalendar calendar(QCalendar::System::Gregorian);
    return calendar;
}

// Qt counts weekdays from Monday (1) to Sunday (7); the components count from
// Sunday (1) to Saturday (7), the numbering the stored labels were made with.
int weekdayFromQtDayOfWeek(int qtDayOfWeek)
{
    return qtDayOfWeek % 7 + 1;
}

int qtDayOfWeekFromWeekday(int weekday)
{
    return (weekday + 5) % 7 + 1;
}

QString wordAt(const QStringList& words, int oneBasedIndex)
{
    return oneBasedIndex >= 1 && oneBasedIndex <= words.size() ? words.at(oneBasedIndex - 1) : QString();
}

}  // namespace

OvModernDateCalculations::DateComponents
OvModernDateCalculations::extractDateComponentsFromDate(const QDateTime& date)
{
    const QDate day = date.toLocalTime().date();
    DateComponents components;
    // A bill without a due date has no day to name: its parts would be
    // QCalendar's "unspecified" (INT_MIN), and the ordinal overflow.
    if (!day.isValid())
        return components;
    const QCalendar::YearMonthDay parts = gregorian().partsFromDate(day);
    components.year = parts.year;
    components.month = parts.month;
    components.day = parts.day;
    components.weekday = weekdayFromQtDayOfWeek(gregorian().dayOfWeek(day));
    components.weekdayOrdinal = (parts.day - 1) / 7 + 1;
    return components;
}

qlonglong OvModernDateCalculations::numberOfDaysBetweenNowAndDateAbsolute(const QDateTime& date,
                                                                           const Clock& clock)
{
    return qAbs(clock.today().daysTo(date.toLocalTime().date()));
}

QString OvModernDateCalculations::stringForCustomRepeatIntervalWithComponents(const DateComponents& components)
{
    static const QStringList ordinals = {"1st", "2nd", "3rd", "4th", "5th"};
    static const QStringList weekdays = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    return QStringLiteral("%1 %2").arg(wordAt(ordinals, components.weekdayOrdinal),
                                       wordAt(weekdays, components.weekday));
}

QDate OvModernDateCalculations::dayWithWeekdayOrdinal(int year, int month, int weekday, int weekdayOrdinal)
{
    if (weekday < 1 || weekday > 7 || weekdayOrdinal < 1)
        return {};
    const QDate first = gregorian().dateFromParts(year, month, 1);
    if (!first.isValid())
        return {};
    const int offset = (qtDayOfWeekFromWeekday(weekday) - gregorian().dayOfWeek(first) + 7) % 7;
    const int day = 1 + offset + 7 * (weekdayOrdinal - 1);
    if (day > gregorian().daysInMonth(month, year))
        return {};
    return gregorian().dateFromParts(year, month, day);
}
