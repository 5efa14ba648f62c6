// Changes stamped by a clock far ahead: held back on the way in, stamped
// again by the computer that made them once its clock is right.
#include "store/BWBillMerge.h"

#include "platform/HybridLogicalClock.h"
#include "store/BWBillRecordKeys.h"

namespace {

// A stamp of an earlier version's record comes from a date it held (a
// payment's date may lie ahead), never from a clock: no bound holds it.
bool isBeyond(const QString& stamp, const QString& bound)
{
    return stamp > bound && HybridLogicalClock::deviceOf(stamp) != HybridLogicalClock::noDevice();
}

// `stamps` (key -> stamp) with each stamp after `bound` made `stamp`, or
// left out when `stamp` is empty.
QVariantMap boundedStamps(const QVariantMap& stamps, const QString& bound, const QString& stamp, QStringList* dropped)
{
    QVariantMap result;
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        if (!isBeyond(it.value().toString(), bound))
            result.insert(it.key(), it.value());
        else if (!stamp.isEmpty())
            result.insert(it.key(), stamp);
        else if (dropped)
            dropped->append(it.key());
    }
    return result;
}

// The totals followed payments that wait, and what they were before those
// is not in this copy: it leaves them out, so the receiver's stand.
void withoutWaitingTotals(QVariantMap& record)
{
    QVariantMap stamps = record.value(BillKeys::FieldStamps).toMap();
    for (const QString& key : {BillKeys::TotalPaid, BillKeys::Average, BillKeys::LastPayment}) {
        record.remove(key);
        stamps.remove(key);
    }
    record.insert(BillKeys::FieldStamps, stamps);
}

// The record's stamps after `bound` made `stamp`, or what they stamp left
// out when `stamp` is empty.
QVariantMap bounded(const QVariantMap& record, const QString& bound, const QString& stamp)
{
    QVariantMap result = record;
    QStringList droppedFields;
    result.insert(BillKeys::FieldStamps,
                  boundedStamps(record.value(BillKeys::FieldStamps).toMap(), bound, stamp, &droppedFields));
    for (const QString& key : std::as_const(droppedFields))
        result.remove(key);
    if (record.contains(BillKeys::RemovedPaymentIDs))
        result.insert(BillKeys::RemovedPaymentIDs,
                      boundedStamps(record.value(BillKeys::RemovedPaymentIDs).toMap(), bound, stamp, nullptr));
    if (record.contains(BillKeys::PaymentList)) {
        QVariantList payments;
        bool waiting = false;
        for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
            QVariantMap payment = entry.toMap();
            const QVariantMap stamps
                = boundedStamps({{PaymentKeys::LoggedStamp, payment.value(PaymentKeys::LoggedStamp)},
                                 {PaymentKeys::EditedStamp, payment.value(PaymentKeys::EditedStamp)}},
                                bound, stamp, nullptr);
            if (!stamps.contains(PaymentKeys::LoggedStamp) || !stamps.contains(PaymentKeys::EditedStamp)) {
                waiting = true;
                continue;  // logged or edited far ahead: the whole payment waits
            }
            payment.insert(PaymentKeys::LoggedStamp, stamps.value(PaymentKeys::LoggedStamp));
            if (payment.contains(PaymentKeys::EditedStamp))
                payment.insert(PaymentKeys::EditedStamp, stamps.value(PaymentKeys::EditedStamp));
            payments.append(payment);
        }
        result.insert(BillKeys::PaymentList, payments);
        if (waiting && payments.isEmpty())
            withoutWaitingTotals(result);
    }
    // What a deletion saw of changes stamped far ahead counts as unseen:
    // restamped, they could not be told from a change made after it.
    if (record.contains(BillKeys::DeletionSeen))
        result.insert(BillKeys::DeletionSeen,
                      boundedStamps(record.value(BillKeys::DeletionSeen).toMap(), bound, QString(), nullptr));
    if (isBeyond(record.value(BillKeys::DeletionStamp).toString(), bound)) {
        // What the deletion saw waits with it.
        if (stamp.isEmpty()) {
            result.remove(BillKeys::DeletionStamp);
            result.remove(BillKeys::DeletionSeen);
        } else {
            result.insert(BillKeys::DeletionStamp, stamp);
        }
    }
    return result;
}

}  // namespace

QVariantMap BWBillMerge::withoutStampsAfter(const QVariantMap& record, const QString& bound)
{
    if (latestStamp(record) <= bound)
        return record;
    QVariantMap result = bounded(takenOver(record), bound, QString());
    completeDerivedKeys(result);
    return result;
}

QVariantMap BWBillMerge::restampedAfter(const QVariantMap& record, const QString& bound, const QString& stamp)
{
    if (latestStamp(record) <= bound)
        return record;
    QVariantMap result = bounded(takenOver(record), bound, stamp);
    completeDerivedKeys(result);
    return result;
}

QString BWBillMerge::latestStampUpTo(const QVariantMap& record, const QString& bound)
{
    return latestStamp(withoutStampsAfter(record, bound));
}

bool BWBillMerge::lacksWaitingField(const QVariantMap& incoming, const QVariantMap& merged)
{
    if (isDeleted(merged))
        return false;
    const QVariantMap current = takenOver(incoming);
    for (const QString& key : fieldKeys(current)) {
        // A field taken out has a stamp and no value; one never had, neither.
        if (current.contains(key) && needsStamp(key, current) && !merged.contains(key)
            && stampOf(merged, key).isEmpty())
            return true;
    }
    return false;
}
