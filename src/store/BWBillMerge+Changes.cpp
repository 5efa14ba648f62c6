// Stamping the changes made on this computer.
#include "store/BWBillMerge.h"

#include <QHash>
#include <QSet>

#include <algorithm>

#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

namespace {

// What takenOver() adds to a payment of an earlier version besides its id.
const QStringList TakenOverPaymentKeys{PaymentKeys::LoggedStamp, PaymentKeys::BalanceReduction};

// The payments of a caller's list as the stored list names them. A record of
// an earlier version, changed before it was stored again, holds them as the
// file did: each gets the id takenOver() makes for it, and what the takeover
// worked out for it, so that only what the caller changed differs. A payment
// new to the bill that says nothing of its share (an imported one) takes it
// as a payment logged on `bill` would.
QVariantList asStoredNamesThem(const QVariantList& payments, const QVariantMap& storedPayments,
                               const QVariantMap& bill)
{
    QHash<QString, int> seen;
    QVariantList named;
    for (const QVariant& entry : payments) {
        QVariantMap payment = entry.toMap();
        if (!payment.contains(PaymentKeys::PaymentID)) {
            const QString identity = BWBillMerge::identityOf(payment);
            payment.insert(PaymentKeys::PaymentID, BWBillMerge::derivedPaymentID(identity, seen[identity]++));
        }
        const QVariantMap stored = storedPayments.value(payment.value(PaymentKeys::PaymentID).toString()).toMap();
        for (const QString& key : TakenOverPaymentKeys) {
            if (!payment.contains(key) && stored.contains(key))
                payment.insert(key, stored.value(key));
        }
        if (!payment.contains(PaymentKeys::BalanceReduction))
            payment.insert(PaymentKeys::BalanceReduction,
                           BWPaymentLogger::balanceTakenBy(payment.value(PaymentKeys::Amount).toDouble(), bill));
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
        if (followsPayments(key, edited))
            continue;
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
    for (const QVariant& entry :
         asStoredNamesThem(edited.value(BillKeys::PaymentList).toList(), beforePayments, edited)) {
        QVariantMap payment = entry.toMap();
        const QString paymentID = payment.value(PaymentKeys::PaymentID).toString();
        if (removed.contains(paymentID) || held.contains(paymentID))
            continue;  // a removal holds; a payment is there once
        held.insert(paymentID);
        const auto old = beforePayments.constFind(paymentID);
        if (old == beforePayments.cend() && isDerivedPaymentID(paymentID)
            && !payment.contains(PaymentKeys::LoggedStamp)) {
            // A payment of an older layout new to the bill (an imported one)
            // was logged before it came here, as takenOver() has it.
            payment.remove(PaymentKeys::EditedStamp);
            payment.insert(PaymentKeys::LoggedStamp, std::min(loggedStampOfOlderPayment(payment), stampNow()));
        } else if (old == beforePayments.cend()) {
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
    // A removed payment leaves its share, to be given back if it was logged
    // by the time the balance was set. Which set that is, is known only once
    // every computer's copy is merged: another computer may have set the
    // balance after this payment was logged and before this removal.
    QVariantMap shares = before.value(BillKeys::RemovedPaymentShares).toMap();
    for (auto it = beforePayments.cbegin(); it != beforePayments.cend(); ++it) {
        if (held.contains(it.key()))
            continue;
        removed.insert(it.key(), stampNow());
        const QVariantMap payment = it.value().toMap();
        const QString loggedAt = payment.value(PaymentKeys::LoggedStamp).toString();
        if (payment.value(PaymentKeys::BalanceReduction).toDouble() != 0.0)
            shares.insert(it.key(), QVariantMap{{PaymentKeys::BalanceReduction,
                                                 payment.value(PaymentKeys::BalanceReduction)},
                                                {PaymentKeys::LoggedStamp, loggedAt}});
    }
    if (edited.contains(BillKeys::PaymentList) || before.contains(BillKeys::PaymentList))
        result.insert(BillKeys::PaymentList, payments);
    if (!removed.isEmpty())
        result.insert(BillKeys::RemovedPaymentIDs, removed);
    if (!shares.isEmpty())
        result.insert(BillKeys::RemovedPaymentShares, shares);

    // A balance other than the one stored is one the user set; one within
    // half a cent of it is the stored one, read back rounded.
    const QVariant balance = edited.value(BillKeys::Balance);
    if (balance.isValid() && before.contains(BillKeys::Balance) && sameAmount(balance, before.value(BillKeys::Balance))) {
        result.insert(BillKeys::Balance, before.value(BillKeys::Balance));
    } else if (balance.isValid()) {
        result.insert(BillKeys::Balance, balance);
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
    current.insert(BillKeys::DeletionStamp, std::max(current.value(BillKeys::DeletionStamp).toString(), stamp));
    current.insert(BillKeys::DeletionSeen, seenBy(current));
    completeDerivedKeys(current);
    return current;
}

QVariantMap BWBillMerge::tombstone(const QString& billID, const QString& stamp)
{
    // Nothing seen but the id: every change stamped before it counts as seen.
    QVariantMap record{{BillKeys::Bid, billID},
                       {BillKeys::DeletionStamp, stamp},
                       {BillKeys::DeletionSeen, QVariantMap{{BillKeys::SeenBeforeKey, stamp}}}};
    completeDerivedKeys(record);
    return record;
}
