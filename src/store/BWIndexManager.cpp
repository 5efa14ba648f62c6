#include "store/BWIndexManager.h"

#include <QSet>

#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"

namespace {

// The moments that may fall in a local month: a local time is never more
// than a day and a few hours off UTC, so a moment more than two days outside
// the month's UTC days is outside its local days too. Telling those apart
// spares the costly local-time conversion for all but the few payments near
// the month.
struct UtcWindow {
    qint64 startMs = 0, endMs = 0;
    bool contains(const QDateTime& moment) const
    {
        const qint64 at = moment.toMSecsSinceEpoch();
        return at >= startMs && at < endMs;
    }
};

UtcWindow windowAround(const BWIndexManager::YearMonth& month)
{
    constexpr qint64 TwoDaysMs = 2 * 24 * 3600 * 1000;
    const QDate first(month.year, month.month, 1);
    return {QDateTime(first, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() - TwoDaysMs,
            QDateTime(first.addMonths(1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() + TwoDaysMs};
}

// The date of a payment, read where it stands when it is stored as a date in
// a dictionary, as files hold it: the side bar reads the date of every
// payment of every item, and copying each payment first costs more than the
// test itself.
QDateTime paymentDate(const QVariant& payment)
{
    if (payment.typeId() == QMetaType::QVariantMap) {
        const QVariantMap& fields = *static_cast<const QVariantMap*>(payment.constData());
        const auto date = fields.constFind(PaymentKeys::Date);
        if (date == fields.constEnd())
            return {};
        if (date->typeId() == QMetaType::QDateTime)
            return *static_cast<const QDateTime*>(date->constData());
    }
    return payment.toMap().value(PaymentKeys::Date).toDateTime();
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
    const UtcWindow nearMonth = windowAround(currentComponents);
    for (const QVariant& entry : paymentList) {
        const QDateTime paidOn = paymentDate(entry);
        if (!paidOn.isValid() || !nearMonth.contains(paidOn))
            continue;
        const YearMonth month = localMonthOf(paidOn);
        if (month.year != currentComponents.year || month.month != currentComponents.month)
            continue;
        sum += entry.toMap().value(PaymentKeys::Amount).toDouble();
        ++totalPaymentsThisMonth;
    }
    return sum;
}

BWIndexManager::YearMonth BWIndexManager::localMonthOf(const QDateTime& moment) const
{
    const QDate day = m_localDates.dateOf(moment);
    return {day.year(), day.month()};
}
