#include "sync/BWPaymentListMerge.h"

#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"
#include "sync/BWSyncedPayments.h"

QSet<qint64> BWPaymentListMerge::momentsOf(const QVariantList& payments)
{
    QSet<qint64> moments;
    for (const QVariant& payment : payments)
        moments.insert(BWSyncedPayments::momentOf(payment));
    return moments;
}

bool BWPaymentListMerge::holdsSamePayment(const QVariantList& payments, const QVariant& payment)
{
    const QVariantMap wanted = payment.toMap();
    for (const QVariant& entry : payments) {
        const QVariantMap held = entry.toMap();
        if (BWSyncedPayments::momentOf(entry) == BWSyncedPayments::momentOf(payment)
            && held.value(PaymentKeys::Amount).toDouble() == wanted.value(PaymentKeys::Amount).toDouble()
            && held.value(PaymentKeys::Note).toString() == wanted.value(PaymentKeys::Note).toString())
            return true;
    }
    return false;
}

QVariantList BWPaymentListMerge::mergedPayments(const QVariantList& winner, const QVariantList& other,
                                                const QSet<qint64>& inStep)
{
    const QSet<qint64> inWinner = momentsOf(winner);
    const QSet<qint64> inOther = momentsOf(other);
    QVariantList merged;
    for (const QVariant& payment : winner) {
        const qint64 moment = BWSyncedPayments::momentOf(payment);
        if (inOther.contains(moment) || !inStep.contains(moment))
            merged.append(payment);
    }
    for (const QVariant& payment : other) {
        const qint64 moment = BWSyncedPayments::momentOf(payment);
        if (inStep.contains(moment))
            continue;   // in step before: the winner's copy of it holds
        // New on this side: kept, unless the winner holds the very same one.
        // Two payments logged apart in one second are two payments.
        if (!inWinner.contains(moment) || !holdsSamePayment(winner, payment))
            merged.append(payment);
    }
    return merged;
}

std::optional<QVariantMap> BWPaymentListMerge::withPayments(const QVariantMap& winner, const QVariantList& payments)
{
    const QVariantList held = winner.value(BillKeys::PaymentList).toList();
    if (held.size() == payments.size() && momentsOf(held) == momentsOf(payments))
        return std::nullopt;
    QVariantMap merged = winner;
    merged.insert(BillKeys::PaymentList, payments);
    BWPaymentLogger::setTotalsFromPayments(merged, payments);
    return merged;
}

QVariantList BWPaymentListMerge::keepLocalDetails(const QVariantList& incoming, const QVariantList& local)
{
    QVariantList result;
    for (const QVariant& entry : incoming) {
        QVariantMap payment = entry.toMap();
        const qint64 moment = BWSyncedPayments::momentOf(entry);
        for (const QVariant& localEntry : local) {
            if (BWSyncedPayments::momentOf(localEntry) != moment)
                continue;
            const QVariantMap localPayment = localEntry.toMap();
            const QString receipt = payment.value(PaymentKeys::Receipt).toString();
            QVariantMap kept = localPayment;
            for (auto it = payment.cbegin(); it != payment.cend(); ++it)
                kept.insert(it.key(), it.value());
            if (receipt.isEmpty())
                kept.insert(PaymentKeys::Receipt, localPayment.value(PaymentKeys::Receipt));
            payment = kept;
            break;
        }
        result.append(payment);
    }
    return result;
}
