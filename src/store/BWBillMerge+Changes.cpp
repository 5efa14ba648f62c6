// Stamping the changes made on this computer.
#include "store/BWBillMerge.h"

#include <QHash>
#include <QSet>

#include <algorithm>

#include "store/BWBillRecordKeys.h"

namespace {

// Ids for the payments of a caller's list that have none yet (a record of an
// earlier version, changed before it was stored again): made as takenOver()
// makes them for the stored list, so the two lists name a payment alike.
QVariantList withPaymentIDs(const QVariantList& payments)
{
    QHash<QString, int> seen;
    QVariantList named;
    for (const QVariant& entry : payments) {
        QVariantMap payment = entry.toMap();
        if (!payment.contains(PaymentKeys::PaymentID)) {
            const QString identity = BWBillMerge::identityOf(payment);
            payment.insert(PaymentKeys::PaymentID, BWBillMerge::derivedPaymentID(identity, seen[identity]++));
        }
        named.append(payment);
    }
    return named;
}

}  // namespace

std::optional<QVariantMap> BWBillMerge::changed(const QVariantMap& stored, const QVariantMap& edited,
                                                const StampMaker& makeStamp)
{
    const QVariantMap before = stored.isEmpty() ? QVariantMap() : takenOver(stored);
    QVariantMap result = before;
    QVariantMap stamps = before.value(BillKeys::FieldStamps).toMap();
    QString stamp;
    auto stampNow = [&]() -> const QString& {
        if (stamp.isEmpty())
            stamp = makeStamp();
        return stamp;
    };
    result.insert(BillKeys::Bid, edited.value(BillKeys::Bid));

    // Fields. The balance set is this function's to stamp (below), and the
    // bookkeeping keys a caller copied along are the stored ones.
    QStringList keys = fieldKeys(before);
    for (auto it = edited.cbegin(); it != edited.cend(); ++it) {
        if (isStampedField(it.key()) && !keys.contains(it.key()))
            keys.append(it.key());
    }
    keys.removeAll(BillKeys::BalanceSet);
    for (const QString& key : std::as_const(keys)) {
        if (edited.contains(key)) {
            if (before.contains(key) && sameValue(before.value(key), edited.value(key)))
                continue;
            result.insert(key, edited.value(key));
        } else if (before.contains(key)) {
            result.remove(key);
        } else {
            continue;
        }
        stamps.insert(key, stampNow());
    }

    // Payments: new ones are logged now, changed ones edited now, and those
    // no longer held removed now.
    const QVariantMap beforePayments = paymentsByID(before);
    // Removals a caller carries along (a copy brought in whole) hold too.
    QVariantMap removed = before.value(BillKeys::RemovedPaymentIDs).toMap();
    const QVariantMap carried = edited.value(BillKeys::RemovedPaymentIDs).toMap();
    for (auto it = carried.cbegin(); it != carried.cend(); ++it)
        removed.insert(it.key(), std::max(removed.value(it.key()).toString(), it.value().toString()));
    QStringList identitiesRemoved = before.value(BillKeys::RemovedPayments).toStringList()
                                    + edited.value(BillKeys::RemovedPayments).toStringList();
    identitiesRemoved.removeDuplicates();
    if (!identitiesRemoved.isEmpty())
        result.insert(BillKeys::RemovedPayments, identitiesRemoved);
    QVariantList payments;
    QSet<QString> held;
    for (const QVariant& entry : withPaymentIDs(edited.value(BillKeys::PaymentList).toList())) {
        QVariantMap payment = entry.toMap();
        const QString paymentID = payment.value(PaymentKeys::PaymentID).toString();
        if (removed.contains(paymentID) || held.contains(paymentID))
            continue;  // a removal holds; a payment is there once
        held.insert(paymentID);
        const auto old = beforePayments.constFind(paymentID);
        if (old == beforePayments.cend()) {
            payment.remove(PaymentKeys::EditedStamp);
            payment.insert(PaymentKeys::LoggedStamp, stampNow());
        } else if (samePaymentContent(old->toMap(), payment)) {
            payment = old->toMap();
        } else {
            payment.insert(PaymentKeys::LoggedStamp, old->toMap().value(PaymentKeys::LoggedStamp));
            payment.insert(PaymentKeys::EditedStamp, stampNow());
        }
        payments.append(payment);
    }
    for (auto it = beforePayments.cbegin(); it != beforePayments.cend(); ++it) {
        if (!held.contains(it.key()))
            removed.insert(it.key(), stampNow());
    }
    if (edited.contains(BillKeys::PaymentList) || before.contains(BillKeys::PaymentList))
        result.insert(BillKeys::PaymentList, payments);
    if (!removed.isEmpty())
        result.insert(BillKeys::RemovedPaymentIDs, removed);

    // A balance other than the one stored is one the user set.
    const QVariant balance = edited.value(BillKeys::Balance);
    if (balance.isValid())
        result.insert(BillKeys::Balance, balance);  // in its form, while it is right
    if (balance.isValid()
        && (!stored.contains(BillKeys::Balance) || balance.toDouble() != stored.value(BillKeys::Balance).toDouble())) {
        result.insert(BillKeys::BalanceSet, balance);
        stamps.insert(BillKeys::BalanceSet, stampNow());
    }

    if (stamp.isEmpty())
        return std::nullopt;
    result.insert(BillKeys::FieldStamps, stamps);
    completeDerivedKeys(result);
    return result;
}

QVariantMap BWBillMerge::broughtBack(const QVariantMap& record, const QString& stamp)
{
    QVariantMap current = takenOver(record);
    if (current.contains(BillKeys::Balance))
        current.insert(BillKeys::BalanceSet, balanceOf(current));
    QVariantMap stamps;
    for (const QString& key : fieldKeys(current))
        stamps.insert(key, stamp);
    current.insert(BillKeys::FieldStamps, stamps);
    completeDerivedKeys(current);
    return current;
}

QVariantMap BWBillMerge::deleted(const QVariantMap& record, const QString& stamp)
{
    QVariantMap current = takenOver(record);
    current.insert(BillKeys::DeletionStamp, stamp);
    completeDerivedKeys(current);
    return current;
}

QVariantMap BWBillMerge::tombstone(const QString& billID, const QString& stamp)
{
    QVariantMap record{{BillKeys::Bid, billID}, {BillKeys::DeletionStamp, stamp}};
    completeDerivedKeys(record);
    return record;
}
