#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include "store/BWStoreEnvironment.h"

// The arithmetic behind the forecast, payment-history and report windows and
// the estimates of varying amounts that the overview and the bill page show.
// Made for each use; keeps no state. "Now" comes from the environment's
// clock, months are months of the local calendar, and a month index counts
// months from now (0 this month, 1 the next, ...). Nothing here writes.
//
// The forecast works on copies of loaded records and adds keys of its own to
// them (ForecastKeys); they never reach the data folder.
class BWForecastViewCalculations
{
public:
    explicit BWForecastViewCalculations(const BWStoreEnvironment& env);

    // ---- Estimates ----

    // What a bill whose amount varies will probably cost in the month
    // `monthIndex` months from now; 0 when there is no estimate (a whole part
    // of 0 means none), and always 0 for a bill with a fixed amount.
    //  - In the month the bill falls due (its OriginalDueDate, else DueDate)
    //    a stored Amount other than 0 is the answer.
    //  - A utility (power, gas, trash, water): the mean of the payments made
    //    in that month, the month before it, the same month one and two years
    //    back and the months on either side of it one year back.
    //  - Anything else: the mean of the four newest payments.
    double calculateInteligentAmountForBill(const QVariantMap& bill, int monthIndex) const;

    // True for the icons of power, gas, trash and water bills (after
    // BWBill::convertIconName).
    static bool isUtility(const QString& iconName);
    // No caller in the program; compares the icon name as isUtility() does.
    static bool isCreditCard(const QString& iconName);

    // ---- Forecast of a month ----

    // True for bills due every two or more months, or on the estimated-tax dates.
    static bool doesBillRepeatLessOftenThanOncePerMonth(const QVariantMap& bill);
    // True for the records that have a monthly share put aside: bills (never
    // income) due less often than once a month.
    static bool setsMoneyAside(const QVariantMap& record);
    // True for a row listed only for its share to save (IsFutureBill 1):
    // nothing of it falls due in the month, estimate or not.
    static bool isSaveRow(const QVariantMap& row);
    // True for bills due by weeks, twice a month or by days (and for a record
    // without a repeat rule, which reads as weeks).
    static bool doesBillRepeatMultipleTimesInOneMonth(const QVariantMap& bill);

    // The bill with its monthly share to put aside as SaveAmount: its Amount
    // (or, when that is 0, its estimate for the month) divided by its count
    // of months, or a third of it for the estimated-tax dates (four a year).
    // In the month it falls due (`inCurrentMonth`) the share is 0, since
    // that month pays it; in any other its Amount is 0, as nothing is due.
    QVariantMap billWithAmountToSaveAdded(QVariantMap bill, int monthIndex, bool inCurrentMonth) const;

    // Copies of the bills that fall due again in the month of their DueDate,
    // one per further due date in that month (by the repeat rule from
    // AbsoluteDueDate), with DueDate, AbsoluteDueDate, DueString and
    // SortableDueDate set to it; bill by bill, in date order. Empty when
    // there are none. A rule that does not move the date on adds nothing.
    QVariantList getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills(const QVariantList& bills) const;

    // What a record counts with in the month `monthIndex` months from now:
    // with `useEstimates`, its estimate for that month when it has one whose
    // whole part is not 0, otherwise its Amount; 0 for a save row, of which
    // nothing falls due. The forecast shows and sums this one figure.
    double amountForMonth(const QVariantMap& record, int monthIndex, bool useEstimates) const;

    // The six figures of a forecast month. A record counts with its
    // amountForMonth(), with estimates when BWUseIntelligenceEstimates is on;
    // a save row counts with its share alone.
    struct MonthTotals {
        double due = 0;           // bills
        double toSave = 0;        // SaveAmount of every bill
        double dueAndToSave = 0;
        qlonglong count = 0;      // bills that fall due in the month (not IsFutureBill)
        double income = 0;
        double balance = 0;       // income - due - toSave
    };
    MonthTotals totalDueAndToSaveForData(const QVariantList& bills, int monthIndex) const;

    // ---- Months and years to choose from ----

    // Now plus `monthIndex` months.
    QDateTime getDateForSelectedIndex(int monthIndex) const;
    // True when the date lies in the month `monthIndex` months from now.
    bool isBillDueDateInCurrentMonthDropdown(const QDateTime& date, int monthIndex) const;
    // True when the date lies in the month `monthIndex` months before now.
    bool isBillDueDateInCurrentHistoryMonthDropdown(const QDateTime& date, int monthIndex) const;
    // "January" to "December"; empty outside 1 to 12. Not translated.
    static QString monthStringForMonthInteger(int month);
    // "March 2026", "April 2026", ...: the date's month and the 12 after it,
    // so that position in the list is the month index.
    static QStringList getNextTwelveMonthsStartingWithDate(const QDateTime& date);
    // The date's month and the 35 before it, newest first.
    static QStringList getPastMonthsStartingWithDate(const QDateTime& date);
    // The date's year and the three before it, newest first.
    static QList<int> getPastYearsStartingWithDate(const QDateTime& date);

    // ---- Payment history and yearly report ----
    // Both skip income items and every record whose Bid came before (the
    // extra occurrences of a loaded list), and leave the records unchanged.

    // One row per payment, record by record in list order: a copy of the
    // payment with the bill's Name, its Tags (when it has any) and the
    // payment's SortableDueDate (negative for the past).
    QVariantList extractPaymentHistoryFromData(const QVariantList& bills) const;
    // Sum of the rows' Amounts.
    static double totalAmountPaidInHistoryData(const QVariantList& rows);
    // One row per bill: a copy of the record with the Total, Count and
    // Average of its payments in this year and the two before it, under
    // reportTotalKey(year) and so on. Average is 0 for a year without payments.
    QVariantList extractReportHistoryFromData(const QVariantList& bills) const;
    // True when the row's count for the year (this year or one of the two
    // before) is above 0.
    bool wasBill(const QVariantMap& reportRow, int year) const;
    static QString reportTotalKey(int year);     // "Total2026"
    static QString reportCountKey(int year);     // "Count2026"
    static QString reportAverageKey(int year);   // "Average2026"

private:
    QDateTime now() const;
    // The bill's further due dates in the month of its DueDate.
    QList<QDateTime> furtherDueDatesInMonth(const QVariantMap& bill) const;

    BWStoreEnvironment m_env;
};
