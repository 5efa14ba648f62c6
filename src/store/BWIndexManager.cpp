#include "store/BWIndexManager.h"

#include <QSet>

#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"

namespace {

BWIndexManager::YearMonth localMonthOf(const QDateTime& moment)
{
    const QDate day = moment.toLocalTime().date();
    return {day.year(), day.month()};
}

bool hasPayments(const QVariantMap& bill)
{
    return bill.value(BillKeys::LastPayment).toDateTime().isValid()
           && !bill.value(BillKeys::PaymentList).toList().isEmpty();
}

}  // namespace

BWIndexManager::MonthTotals BWIndexManager::calculateTotalPaidinArray(const QVariantList& bills,
                                                                      const QDateTime& date)
{
    const YearMonth month = localMonthOf(date);
    totalPaymentsThisMonth = 0;
    MonthTotals totals;
    QSet<QString> seenIDs;
    for (const QVariant& entry : bills) {
        const QVariantMap bill = entry.toMap();
        const QString billID = bill.value(BillKeys::Bid).toString();
        // A record without an id has no copies to be confused with.
        if (!billID.isEmpty()) {
            if (seenIDs.contains(billID))
                continue;
            seenIDs.insert(billID);
        }
        const bool income = bill.value(BillKeys::IsIncome).toBool();
        if (income)
            Log::line(QStringLiteral("GOT AN INCOME, %1").arg(billID));
        if (!hasPayments(bill))
            continue;
        const double paid = parseTotalPaidThisInPaymentList(bill.value(BillKeys::PaymentList).toList(), month);
        (income ? totals.incomeTotal : totals.billsTotal) += paid;
    }
    totals.paymentsCounted = totalPaymentsThisMonth;
    return totals;
}

double BWIndexManager::parseTotalPaidThisInPaymentList(const QVariantList& paymentList,
                                                       const YearMonth& currentComponents)
{
    double sum = 0;
    for (const QVariant& entry : paymentList) {
        const QVariantMap payment = entry.toMap();
        const QDateTime paidOn = payment.value(PaymentKeys::Date).toDateTime();
        if (!paidOn.isValid())
            continue;
        const YearMonth month = localMonthOf(paidOn);
        if (month.year != currentComponents.year || month.month != currentComponents.month)
            continue;
        sum += payment.value(PaymentKeys::Amount).toDouble();
        ++totalPaymentsThisMonth;
    }
    return sum;
}
