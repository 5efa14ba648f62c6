#include "sync/BWPaymentListMerge.h"

#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

bool BWPaymentListMerge::samePayment(const QVariantMap& a, const QVariantMap& b)
{
    const QDateTime dateA = a.value(PaymentKeys::Date).toDateTime();
    const QDateTime dateB = b.value(PaymentKeys::Date).toDateTime();
    return dateA.isValid() == dateB.isValid() && dateA.toSecsSinceEpoch() == dateB.toSecsSinceEpoch();
}

bool BWPaymentListMerge::contains(const QVariantList& payments, const QVariantMap& payment)
{
    for (const QVariant& entry : payments) {
        if (samePayment(entry.toMap(), payment))
            return true;
    }
    return false;
}

std::optional<QVariantMap> BWPaymentListMerge::mergeConcurrentPayments(const QVariantMap& winner,
                                                                       const QVariantMap& loser)
{
    const QVariantList winnerPayments = winner.value(BillKeys::PaymentList).toList();
    const QVariantList loserPayments = loser.value(BillKeys::PaymentList).toList();
    QVariantList loserOnly;
    for (const QVariant& entry : loserPayments) {
        if (!contains(winnerPayments, entry.toMap()))
            loserOnly.append(entry);
    }
    bool winnerGained = false;
    for (const QVariant& entry : winnerPayments)
        winnerGained = winnerGained || !contains(loserPayments, entry.toMap());
    if (loserOnly.isEmpty() || !winnerGained)
        return std::nullopt;

    QVariantMap merged = winner;
    const QVariantList payments = winnerPayments + loserOnly;
    merged.insert(BillKeys::PaymentList, payments);
    BWPaymentLogger::setTotalsFromPayments(merged, payments);
    return merged;
}

QVariantList BWPaymentListMerge::keepLocalDetails(const QVariantList& incoming, const QVariantList& local)
{
    QVariantList result;
    for (const QVariant& entry : incoming) {
        QVariantMap payment = entry.toMap();
        for (const QVariant& localEntry : local) {
            const QVariantMap localPayment = localEntry.toMap();
            if (!samePayment(payment, localPayment))
                continue;
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
