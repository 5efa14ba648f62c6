// The weekend, holiday and vacation shifts of a loaded bill's due date. They
// only move what the screens show: AbsoluteDueDate keeps the stored date, and
// every write and every repeat step starts from that.

#include "store/BWBillDates.h"

#include <QLocale>
#include <QStringList>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/DueDateShift.h"
#include "store/RepeatUnit.h"

namespace {

// Days on which the federal holidays of 2015 to 2020 were observed. Parsed in
// the C locale: the month abbreviations are English, and parsing them in the
// user's locale would quietly drop every holiday for most languages.
const QList<QDate>& holidays()
{
    static const QList<QDate> days = [] {
        static const QStringList table = {
            "01-Jan-2015", "01-Jan-2016", "01-Jan-2017", "01-Jan-2018", "01-Jan-2019", "01-Jan-2020",
            "19-Jan-2015", "18-Jan-2016", "16-Jan-2017", "15-Jan-2018", "21-Jan-2019", "20-Jan-2020",
            "16-Feb-2015", "15-Feb-2016", "20-Feb-2017", "19-Feb-2018", "18-Feb-2019", "17-Feb-2020",
            "25-May-2015", "30-May-2016", "29-May-2017", "28-May-2018", "27-May-2019", "25-May-2020",
            "03-Jul-2015", "04-Jul-2016", "04-Jul-2017", "04-Jul-2018", "04-Jul-2019", "03-Jul-2020",
            "07-Sep-2015", "05-Sep-2016", "04-Sep-2017", "03-Sep-2018", "02-Sep-2019", "07-Sep-2020",
            "12-Oct-2015", "10-Oct-2016", "09-Oct-2017", "08-Oct-2018", "14-Oct-2019", "12-Oct-2020",
            "11-Nov-2015", "11-Nov-2016", "11-Nov-2017", "11-Nov-2018", "11-Nov-2019", "11-Nov-2020",
            "26-Nov-2015", "24-Nov-2016", "23-Nov-2017", "22-Nov-2018", "28-Nov-2019", "26-Nov-2020",
            "25-Dec-2015", "26-Dec-2016", "25-Dec-2017", "25-Dec-2018", "25-Dec-2019", "25-Dec-2020",
        };
        QList<QDate> parsed;
        for (const QString& text : table)
            parsed.append(QLocale::c().toDate(text, QStringLiteral("dd-MMM-yyyy")));
        return parsed;
    }();
    return days;
}

bool isWeekendDay(const QDate& day)
{
    return day.dayOfWeek() >= Qt::Saturday;
}

// Automatic twice-monthly bills are drawn by the bank on a working day, so
// they always move off weekends and never take a holiday shift.
bool isAutomaticTwiceMonthly(const QVariantMap& bill)
{
    const QVariantList repeat = bill.value(BillKeys::Repeat).toList();
    const qlonglong unit = repeat.size() > 1 ? repeat.at(1).toLongLong() : 0;
    return unit == qlonglong(RepeatUnit::TwicePerMonth)
        && bill.value(BillKeys::PayType).toLongLong() == AutomaticPayType;
}

void setShiftedDueDate(QVariantMap& bill, const QDateTime& dueDate, DueDateShift reason)
{
    bill.insert(BillKeys::DueDate, dueDate.toUTC());
    bill.insert(BillKeys::DateWasModified, qlonglong(reason));
}

}  // namespace

QDateTime BWBillDates::shownDueDateOfRecord(const QVariantMap& record) const
{
    QVariantMap shown = record;
    // A loaded record's DueDate may be shifted already; shifting from the
    // stored date again keeps a second pass from moving it twice.
    const QVariant storedDueDate = record.value(BillKeys::AbsoluteDueDate);
    if (storedDueDate.typeId() == QMetaType::QDateTime)
        shown.insert(BillKeys::DueDate, storedDueDate);
    takeDueDateAsAbsoluteAndShift(shown);
    return shown.value(BillKeys::DueDate).toDateTime();
}

bool BWBillDates::settingMovesShownDueDates(const QString& key)
{
    using namespace BWDefaultsKeys;
    static const QStringList shiftSettings = {ShouldAllowHolidayAdjustments, BWAvoidWeekends, BWAvoidHolidays,
                                              VacationEnabled, VacationStartDate, VacationEndTime};
    return shiftSettings.contains(key);
}

void BWBillDates::modifyDateForWeeknedIfNecessaryForBill(QVariantMap& bill) const
{
    if (billIsIncome(bill))
        return;
    const bool avoidWeekends = m_env.defaults->integerForKey(BWDefaultsKeys::BWAvoidWeekends) != 0;
    if (!avoidWeekends && !isAutomaticTwiceMonthly(bill))
        return;
    const QDateTime moved = modifyDueDateToAvoidWeekends(bill.value(BillKeys::DueDate).toDateTime(), -1);
    if (moved.isValid())
        setShiftedDueDate(bill, moved, DueDateShift::Weekend);
}

void BWBillDates::modifyDateForHolidayAndVacationIfNecessaryForBill(QVariantMap& bill) const
{
    const UserDefaults& defaults = *m_env.defaults;
    if (!defaults.boolForKey(BWDefaultsKeys::ShouldAllowHolidayAdjustments) || billIsIncome(bill))
        return;

    const QDateTime dueDate = bill.value(BillKeys::DueDate).toDateTime();
    if (defaults.boolForKey(BWDefaultsKeys::BWAvoidHolidays) && !isAutomaticTwiceMonthly(bill)
        && holidays().contains(localDates().dateOf(dueDate))) {
        QDateTime day = normalizedDate(dueDate);
        // Each step moves at least one day back, so the table's length bounds
        // the walk even if holidays were ever listed back to back.
        for (qsizetype step = 0; step < holidays().size() && holidays().contains(day.date()); ++step) {
            Log::line(QStringLiteral("Avoid date due to holiday"));
            day = normalizedDate(subtractOneDayFromDate(day));
            setShiftedDueDate(bill, day, DueDateShift::Holiday);
        }
    }

    if (defaults.boolForKey(BWDefaultsKeys::VacationEnabled)) {
        const QDateTime start = defaults.dateForKey(BWDefaultsKeys::VacationStartDate);
        const QDateTime end = defaults.dateForKey(BWDefaultsKeys::VacationEndTime);
        const QDateTime dueDay = normalizedDate(bill.value(BillKeys::DueDate).toDateTime());
        if (start.isValid() && end.isValid()
            && date(dueDay, normalizedDate(start), normalizedDate(end))) {
            Log::line(QStringLiteral("Avoid date due to Vacation"));
            setShiftedDueDate(bill, subtractOneDayFromDate(start), DueDateShift::Vacation);
        }
    }
}

QDateTime BWBillDates::modifyDueDateToAvoidWeekends(const QDateTime& date, qlonglong amount) const
{
    if (!date.isValid() || !isWeekendDay(localDates().dateOf(date)))
        return {};
    QDateTime moved = date.toLocalTime().addDays(amount);
    if (isWeekendDay(moved.date()))
        moved = moved.addDays(amount);
    return moved.toUTC();
}

QDateTime BWBillDates::subtractOneDayFromDate(const QDateTime& date) const
{
    const QDateTime from = date.isValid() ? date : now();
    const QDateTime dayBefore = from.toLocalTime().addDays(-1).toUTC();
    if (m_env.defaults->integerForKey(BWDefaultsKeys::BWAvoidWeekends) == 0)
        return dayBefore;
    const QDateTime working = modifyDueDateToAvoidWeekends(dayBefore, -1);
    if (working.isValid())
        return working;
    Log::line(QStringLiteral("Empty Date"));
    return dayBefore;
}

bool BWBillDates::date(const QDateTime& candidate, const QDateTime& start, const QDateTime& end) const
{
    return start <= candidate && candidate <= end;
}

// All due-date arithmetic starts from the stored date; the shifted DueDate
// is for display only.
void BWBillDates::takeDueDateAsAbsoluteAndShift(QVariantMap& bill) const
{
    bill.insert(BillKeys::AbsoluteDueDate, bill.value(BillKeys::DueDate));
    if (!bill.value(BillKeys::DueDate).toDateTime().isValid())
        return;
    modifyDateForWeeknedIfNecessaryForBill(bill);
    modifyDateForHolidayAndVacationIfNecessaryForBill(bill);
}

bool BWBillDates::billIsIncome(const QVariantMap& bill)
{
    return bill.value(BillKeys::IsIncome).toBool();
}
