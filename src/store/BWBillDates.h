#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "platform/LocalDates.h"
#include "store/BWStoreEnvironment.h"

// The dates of bills as the loader hands them out: due states, display texts
// and the shifts of a due date off weekends, holidays and the vacation.
// BWBillsLoader is one; these need no data folder.
//
// "Now" always comes from the environment's clock; local days come from the
// time zone as it was at the first date conversion.
class BWBillDates
{
public:
    explicit BWBillDates(const BWStoreEnvironment& env);

    // ---- Due states and display texts --------------------------------------

    // Midnight at the start of the date's local calendar day.
    QDateTime normalizedDate(const QDateTime& date) const;
    // Whole calendar days from the current date's day to the date's day
    // (positive in the future, 0 today, negative overdue).
    qlonglong getDaysApart(const QDateTime& date, const QDateTime& currentDate) const;
    // The same, arguments the other way round (extension export).
    qlonglong daysApart(const QDateTime& currentDate, const QDateTime& dueDate) const;

    // "Due in 3 days", "Overdue by 1 day", "Paid 2 days ago", ...
    QString createHumanDueDate(const QDateTime& dueDate, const QDateTime& currentDate, bool isIncome = false) const;
    // "Today", "In 3 days", "Overdue", ...
    QString createHumanDueDateForExtension(const QDateTime& dueDate, const QDateTime& currentDate) const;
    // "Every 2 weeks", "Twice per month", ... from a stored [count, unit] pair
    // (a missing pair reads as [0, 0]); a null string for an unknown unit.
    QString createHumanRepeat(const QVariant& repeat, const QDateTime& dueDate) const;

    // Sort key of a due date: the day distance from the current date, in
    // seconds of whole days (86400 per day); 0 for a missing date.
    qlonglong createSortableDueDate(const QDateTime& dueDate, const QDateTime& currentDate) const;

    QString createDueDateString(const QDateTime& date) const;        // "Tue, Mar 8, 2016"
    QString createMediumDueDateString(const QDateTime& date) const;  // "Tue, Mar 8"
    // No caller in the program; dateString() as every date text.
    QString createShortDueDateString(const QDateTime& dueDate) const;      // "Mar 8"
    QString createVeryShortDueDateString(const QDateTime& dueDate) const;  // "03/08/2016"
    // No caller in the program; dateString() as every date text.
    QString createDayString(const QDateTime& date) const;  // "Tuesday"

    // Image name of the due dot for a sort key and payment type.
    QString createDueIcon(qlonglong sortNumber, qlonglong paymentType) const;
    // The same with the due-soon window of the app-group suite.
    QString createDueIconForExtension(qlonglong sortNumber, qlonglong paymentType) const;
    // Older three-colour choice from the seconds until due.
    // No caller in the program; the overview's dot is createDueIcon().
    QString calculateIcon(qlonglong dueDateNumber) const;

    // True when both dates lie in the same calendar month of the same year.
    bool isDueDate(const QDateTime& date, const QDateTime& currentDate) const;
    bool isLastPaidDate(const QDateTime& lastPaidDate, const QDateTime& currentDate) const;
    // True when the due date is overdue or within the app-group due-soon window.
    bool isBillDueSoonOrOverdue(const QDateTime& dueDate) const;

    // The overview's grouped table: always 3 sections.
    // No caller in the program; the three sections of rowsPerSection().
    qlonglong sectionCount(const QVariantList& data) const;
    // [overdue, due soon, due later] counts of the records.
    QList<qlonglong> rowsPerSection(const QVariantList& data) const;
    // Section counts, flags and titles of the records (keys "RowsInOverdue", ...).
    // No caller in the program; counts by rowsPerSection().
    QVariantMap dataSourceDetails(const QVariantList& dataSource) const;
    // Bills (not income) overdue or due soon; automatic ones only with the flag.
    // No caller in the program; the overview, the badge and the tray count by
    // BWStatisticsCalculator::countAndAmountofBillsDueSoonForData().
    qlonglong dueSoonBillsCountingAutomatic(bool countingAutomatic, const QVariantList& data) const;
    // Days to show for a choice index: 5, 14, 30, else 10000.
    // No caller in the program; a fixed table.
    qlonglong returnBillsToDisplay(qlonglong index) const;

    // ---- Due-date shifts and calendar helpers -------------------------------

    // The day a record is shown due, whether it comes from a file or from a
    // load: its stored date moved off weekends, holidays and the vacation as
    // the settings ask. Reminders fall on it; writes never store it.
    QDateTime shownDueDateOfRecord(const QVariantMap& record) const;
    // True for the settings that shownDueDateOfRecord() reads: a change to
    // one of them may move the day a bill is shown due.
    static bool settingMovesShownDueDates(const QString& key);
    // Moves the loaded copy's DueDate off a weekend, in place.
    void modifyDateForWeeknedIfNecessaryForBill(QVariantMap& bill) const;
    // Moves the loaded copy's DueDate off a holiday or out of the vacation window, in place.
    void modifyDateForHolidayAndVacationIfNecessaryForBill(QVariantMap& bill) const;
    // When `date` falls on a weekend day: the date moved by `amount` calendar
    // days, twice if the first move lands on a weekend day again (so -1 takes
    // Saturday and Sunday to the Friday before); the time of day is kept.
    // Invalid when `date` is a working day.
    QDateTime modifyDueDateToAvoidWeekends(const QDateTime& date, qlonglong amount) const;
    // The day before `date` (before now when `date` is invalid), moved on to
    // the Friday before when weekends are avoided and it is a weekend day.
    QDateTime subtractOneDayFromDate(const QDateTime& date = QDateTime()) const;
    // True when start <= candidate <= end.
    bool date(const QDateTime& candidate, const QDateTime& start, const QDateTime& end) const;
    // True for an income item, false for a bill.
    static bool billIsIncome(const QVariantMap& bill);

protected:
    QDateTime now() const;
    qlonglong dueSoonDays() const;
    qlonglong appGroupDueSoonDays() const;
    QString dateString(const QDateTime& date, const QString& skeleton, const QString& fallback) const;
    // Keeps the stored due date in AbsoluteDueDate and shifts DueDate.
    void takeDueDateAsAbsoluteAndShift(QVariantMap& bill) const;
    // The zone read once for this object's conversions.
    const LocalDates& localDates() const;

    BWStoreEnvironment m_env;  // a copy: a few pointers and paths

private:
    mutable std::optional<LocalDates> m_localDates;
};
