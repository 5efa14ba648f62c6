#pragma once

#include <QDateTime>
#include <QList>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

// Applies payments to bill records and moves their due dates by the repeat
// rule. A logger is made for each use and keeps no state.
class BWPaymentLogger
{
public:
    explicit BWPaymentLogger(const BWStoreEnvironment& env)
        : m_env(env)
    {
    }

    // ---- Payment logging ----

    // ---- Next due date ----
    // Every step starts from the record's AbsoluteDueDate (the stored date
    // before any display shift). An invalid date means "no date".

    // One repeat step forward.
    QDateTime calculateNextDueDateForBill(const QVariantMap& bill) const;
    // One step forward (modifier 1) or back (-1). Weeks, months and days keep
    // the time of day; the calendar rules give the start of their day; a
    // one-time item gets the distant future. No date for a record without
    // AbsoluteDueDate, an unreadable Repeat pair or an unknown unit.
    QDateTime calculateNextDueDateForBill(const QVariantMap& bill, int modifier) const;
    // The next of the two days of the month `days` ([first, second]) after
    // `date`; past the 25th the second day of the next month.
    static QDateTime calculateSpecialNextDueDateTwicePerMonthForDate(const QDateTime& date, const QList<int>& days);
    // The one before `date`.
    static QDateTime calculateSpecialNextDueDateTwicePerMonthForDateBackwards(const QDateTime& date,
                                                                              const QList<int>& days);
    // The same weekday of the same rank (the second Tuesday, ...) in the next
    // (modifier 1) or previous (-1) month that has one.
    static QDateTime caleculateSpecialNextDueDateForWeekdayWithDate(const QDateTime& date, int modifier);
    // The next (1) or previous (-1) estimated-tax date: 15 January, April,
    // June or September.
    static QDateTime calculateSpecialNextDueDateForEstimatedTaxInterval(const QDateTime& date, int modifier);

private:
    BWStoreEnvironment m_env;
};
