#pragma once

#include <QDateTime>
#include <QVariantList>

#include "platform/LocalDates.h"

// Totals the payments of one calendar month over a list of loaded records,
// for the overview's side bar. Made for each use.
class BWIndexManager
{
public:
    struct MonthTotals {
        qlonglong paymentsCounted = 0;
        double billsTotal = 0;     // paid on bills
        double incomeTotal = 0;    // received on income items
    };
    // A calendar month of the local calendar.
    struct YearMonth {
        int year = 0;
        int month = 0;   // 1 to 12
    };

    // The payments dated in the local calendar month of `date`. A record's
    // extra occurrences share its Bid, so each item is counted once.
    MonthTotals calculateTotalPaidinArray(const QVariantList& bills, const QDateTime& date);
    // Sum of the payments of `paymentList` dated in that month; counts each
    // one into totalPaymentsThisMonth.
    double parseTotalPaidThisInPaymentList(const QVariantList& paymentList, const YearMonth& currentComponents);

    // Payments counted since the last calculateTotalPaidinArray() began.
    qlonglong totalPaymentsThisMonth = 0;

private:
    YearMonth localMonthOf(const QDateTime& moment) const;

    LocalDates m_localDates;
};
