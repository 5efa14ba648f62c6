// How a bill's due date moves on when it is paid (modifier 1) and back when a
// payment is reversed (modifier -1). Every step starts from AbsoluteDueDate,
// the stored date before any weekend, holiday or vacation shift, so that a
// shift shown on screen never creeps into the stored schedule.
//
// Dates are local: a step of days, weeks or months keeps the wall-clock time
// across daylight-saving changes, and the calendar rules (twice a month, same
// weekday of the month, estimated-tax dates) give the start of their day.
//
// A monthly item due on the 29th, 30th or 31st is due on the last day of a
// month that lacks that day, and on that day again once a month has it: the
// record keeps the day (DueDayOfMonth) while its due date is so clipped.

#include "store/BWPaymentLogger.h"

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWStoreObserver.h"
#include "store/OvModernDateCalculations.h"
#include "store/RepeatUnit.h"

namespace {

const QList<int> FirstAndFifteenth = {1, 15};

// A step that moves a date further than this is a damaged record, not a rule.
constexpr qlonglong MaximumStep = 1'000'000;

// A 5th weekday is absent from most months; within this many months every
// weekday of every rank comes round again.
constexpr int MonthsToSearchForWeekday = 24;

constexpr int EstimatedTaxDay = 15;

QDateTime startOfLocalDay(const QDate& day)
{
    return day.isValid() ? day.startOfDay().toUTC() : QDateTime();
}

// The day of the month, or the month's last day when it has fewer days.
QDate clippedDay(int year, int month, int day)
{
    const QDate first(year, month, 1);
    return first.addDays(qMin(day, first.daysInMonth()) - 1);
}

bool readTwoDays(const QList<int>& days, int& first, int& second)
{
    if (days.size() < 2)
        return false;
    first = days.at(0);
    second = days.at(1);
    return true;
}

// The day of the month a monthly step aims at: the base's own day, unless the
// base is the last day of a month that was too short for the day the item
// was due on before.
int scheduledDayOfMonth(const QVariantMap& bill, const QDate& base)
{
    const int kept = bill.value(BillKeys::DueDayOfMonth).toInt();
    if (kept > base.day() && kept <= 31 && base.day() == base.daysInMonth())
        return kept;
    return base.day();
}

QDateTime addMonthsOnDay(const QDateTime& local, int months, int day)
{
    QDateTime moved = local.addMonths(months);
    const QDate month = moved.date();
    moved.setDate(clippedDay(month.year(), month.month(), day));
    return moved.toUTC();
}

bool isMonthly(const QVariantMap& bill)
{
    return bill.value(BillKeys::Repeat).toList().value(1).toLongLong() == qlonglong(RepeatUnit::Months);
}

int estimatedTaxMonth(int month, int modifier)
{
    if (month <= 3)
        return modifier == 1 ? 4 : 9;
    if (month <= 5)
        return modifier == 1 ? 6 : 1;
    if (month <= 8)
        return modifier == 1 ? 9 : 4;
    return modifier == 1 ? 1 : 6;
}

}  // namespace

QDateTime BWPaymentLogger::calculateNextDueDateForBill(const QVariantMap& bill) const
{
    return calculateNextDueDateForBill(bill, 1);
}

QDateTime BWPaymentLogger::calculateNextDueDateForBill(const QVariantMap& bill, int modifier) const
{
    const QVariantList repeat = bill.value(BillKeys::Repeat).toList();
    if (repeat.size() < 2)
        return {};
    const std::optional<RepeatUnit> unit = repeatUnitFromCode(repeat.at(1).toLongLong());
    if (!unit)
        return {};
    if (*unit == RepeatUnit::Never) {
        const QDateTime never = PropertyList::distantFuture();
        Log::line(QStringLiteral("Setting due date to distant future %1").arg(never.toString(Qt::ISODate)));
        return never;
    }

    const QDateTime base = bill.value(BillKeys::AbsoluteDueDate).toDateTime();
    if (!base.isValid())
        return {};
    const qlonglong step = repeat.at(0).toLongLong() * modifier;
    if (qAbs(step) > MaximumStep)
        return {};
    const QDateTime local = base.toLocalTime();

    switch (*unit) {
    case RepeatUnit::Weeks:
        return local.addDays(7 * step).toUTC();
    case RepeatUnit::TwicePerMonth:
        return modifier == 1 ? calculateSpecialNextDueDateTwicePerMonthForDate(base, FirstAndFifteenth)
                             : calculateSpecialNextDueDateTwicePerMonthForDateBackwards(base, FirstAndFifteenth);
    case RepeatUnit::Months:
        return addMonthsOnDay(local, int(step), scheduledDayOfMonth(bill, local.date()));
    case RepeatUnit::Days:
        return local.addDays(step).toUTC();
    case RepeatUnit::SameWeekdayOfMonth:
        return caleculateSpecialNextDueDateForWeekdayWithDate(base, modifier);
    case RepeatUnit::EstimatedTaxDates:
        return calculateSpecialNextDueDateForEstimatedTaxInterval(base, modifier);
    case RepeatUnit::Never:
        break;
    }
    return {};
}

bool BWPaymentLogger::moveDueDateOfBill(QVariantMap& bill, int modifier) const
{
    const QDateTime moved = calculateNextDueDateForBill(bill, modifier);
    if (!moved.isValid())
        return false;
    const QDateTime base = bill.value(BillKeys::AbsoluteDueDate).toDateTime();
    const int day = isMonthly(bill) && base.isValid() ? scheduledDayOfMonth(bill, base.toLocalTime().date()) : 0;
    BWBill::setDueDateOfRecord(bill, moved);
    if (day > moved.toLocalTime().date().day())
        bill.insert(BillKeys::DueDayOfMonth, day);
    else
        bill.remove(BillKeys::DueDayOfMonth);
    return true;
}

BWPaymentLogger::Skip BWPaymentLogger::skipPayment(QVariantMap& bill) const
{
    QVariantMap skipped = bill;
    if (!moveDueDateOfBill(skipped))
        return Skip::NoNextDueDate;
    if (!BWBill(m_env).rewriteSpecificBill(skipped))
        return Skip::NotWritten;
    bill = skipped;
    if (m_env.observer)
        m_env.observer->paymentSkipped(bill.value(BillKeys::Bid).toString());
    return Skip::Skipped;
}

QDateTime BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDate(const QDateTime& date,
                                                                           const QList<int>& days)
{
    int first = 0;
    int second = 0;
    if (!date.isValid() || !readTwoDays(days, first, second))
        return {};
    const QDate day = date.toLocalTime().date();
    if (day.day() == first)
        return startOfLocalDay(clippedDay(day.year(), day.month(), second));
    // Past the 25th the coming 1st is too close to be the next payment, so
    // the 15th after it is.
    const QDate nextMonth = day.addMonths(1);
    const int nextDay = day.day() > 25 ? second : first;
    return startOfLocalDay(clippedDay(nextMonth.year(), nextMonth.month(), nextDay));
}

QDateTime BWPaymentLogger::calculateSpecialNextDueDateTwicePerMonthForDateBackwards(const QDateTime& date,
                                                                                    const QList<int>& days)
{
    int first = 0;
    int second = 0;
    if (!date.isValid() || !readTwoDays(days, first, second))
        return {};
    const QDate day = date.toLocalTime().date();
    if (day.day() >= second)
        return startOfLocalDay(clippedDay(day.year(), day.month(), first));
    const QDate previousMonth = day.addMonths(-1);
    return startOfLocalDay(clippedDay(previousMonth.year(), previousMonth.month(), second));
}

QDateTime BWPaymentLogger::caleculateSpecialNextDueDateForWeekdayWithDate(const QDateTime& date, int modifier)
{
    if (!date.isValid() || (modifier != 1 && modifier != -1))
        return {};
    const OvModernDateCalculations::DateComponents parts =
        OvModernDateCalculations::extractDateComponentsFromDate(date);
    const QDate month(parts.year, parts.month, 1);
    for (int offset = 1; offset <= MonthsToSearchForWeekday; ++offset) {
        const QDate candidateMonth = month.addMonths(offset * modifier);
        const QDate match = OvModernDateCalculations::dayWithWeekdayOrdinal(
            candidateMonth.year(), candidateMonth.month(), parts.weekday, parts.weekdayOrdinal);
        if (match.isValid())
            return startOfLocalDay(match);
    }
    return {};
}

QDateTime BWPaymentLogger::calculateSpecialNextDueDateForEstimatedTaxInterval(const QDateTime& date, int modifier)
{
    if (!date.isValid() || (modifier != 1 && modifier != -1))
        return {};
    const QDate day = date.toLocalTime().date();
    QDate due(day.year(), estimatedTaxMonth(day.month(), modifier), EstimatedTaxDay);
    if (modifier == 1 && due <= day)
        due = due.addYears(1);
    if (modifier == -1 && due >= day)
        due = due.addYears(-1);
    return startOfLocalDay(due);
}
