// Taking over records written by earlier versions: stamps from their dates,
// ids for their payments, the balance their payments started from.
#include "store/BWBillMerge.h"

#include <QHash>
#include <QTimeZone>
#include <QUuid>

#include <algorithm>
#include <limits>

#include "platform/HybridLogicalClock.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

namespace {

// The name space of the ids made from a payment's content.
const QUuid PaymentIDSpace(QStringLiteral("{6f1c7f4e-2a53-4d0b-9f6e-5b1d3c0a8e21}"));

}  // namespace

QString BWBillMerge::identityOf(const QVariant& payment)
{
    const QVariantMap entry = payment.toMap();
    const QDateTime date = entry.value(PaymentKeys::Date).toDateTime();
    // Put together piece by piece: it is worked out for every payment of
    // every merge, and arg() would parse its pattern each time.
    return QString::number(date.isValid() ? date.toSecsSinceEpoch() : std::numeric_limits<qint64>::min()) + u' '
           + QString::number(entry.value(PaymentKeys::Amount).toDouble(), 'g', 17) + u' '
           + entry.value(PaymentKeys::Note).toString();
}

// A name-based (version 5) id: the same on every computer for the same
// payment, and told apart from the random (version 4) ids of payments logged
// since by its version digit.
QString BWBillMerge::derivedPaymentID(const QString& identity, int position)
{
    return QUuid::createUuidV5(PaymentIDSpace, QStringLiteral("%1#%2").arg(identity).arg(position))
        .toString(QUuid::Id128)
        .toUpper();
}

bool BWBillMerge::isDerivedPaymentID(const QString& paymentID)
{
    return paymentID.size() == 32 && paymentID.at(12) == u'5';
}

// The date of an earlier version's last change: the later of its two dates.
QString BWBillMerge::legacyStampOf(const QVariantMap& record)
{
    QDateTime date = record.value(BillKeys::SyncModificationDate).toDateTime();
    bool isNumber = false;
    const double seconds = record.value(BillKeys::ModificationDateForFirebase).toDouble(&isNumber);
    if (isNumber && record.value(BillKeys::ModificationDateForFirebase).typeId() != QMetaType::QString) {
        const QDateTime firebaseDate = QDateTime::fromMSecsSinceEpoch(qint64(seconds * 1000.0), QTimeZone::utc());
        if (!date.isValid() || firebaseDate > date)
            date = firebaseDate;
    }
    return date.isValid() ? HybridLogicalClock::stampOfDate(date) : HybridLogicalClock::origin();
}

// The stamp of a payment's date. A payment of an older layout carries no
// stamp; it was logged on its date, or, dated ahead, before it: callers take
// the earlier of this and when the record came to them.
QString BWBillMerge::loggedStampOfOlderPayment(const QVariantMap& payment)
{
    return HybridLogicalClock::stampOfDate(payment.value(PaymentKeys::Date).toDateTime(), 1);
}

bool BWBillMerge::isTakenOver(const QVariantMap& record)
{
    if (!record.contains(BillKeys::FieldStamps))
        return false;
    if (record.contains(BillKeys::Balance) && !record.contains(BillKeys::BalanceSet))
        return false;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        const QVariantMap payment = entry.toMap();
        if (!payment.contains(PaymentKeys::PaymentID) || !payment.contains(PaymentKeys::LoggedStamp)
            || !payment.contains(PaymentKeys::BalanceReduction))
            return false;
    }
    if (record.contains(BillKeys::DeletionStamp) && !record.contains(BillKeys::DeletionSeen))
        return false;
    const QVariantMap stamps = record.value(BillKeys::FieldStamps).toMap();
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (needsStamp(it.key(), record) && !stamps.contains(it.key()))
            return false;
    }
    return true;
}

QVariantMap BWBillMerge::takenOver(const QVariantMap& record)
{
    if (isTakenOver(record))
        return record;
    QVariantMap current = record;
    const QString legacy = legacyStampOf(record);
    QVariantMap stamps = record.value(BillKeys::FieldStamps).toMap();
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (needsStamp(it.key(), record) && !stamps.contains(it.key()))
            stamps.insert(it.key(), legacy);
    }

    // A payment without an id gets one from its content and its place among
    // payments of the same content. It was logged by the record's last
    // change at the latest (a payment dated ahead was logged before its
    // day), and its share of the balance is worked out once, here, from its
    // amount and the bill's escrow and interest.
    const QStringList identitiesRemoved = record.value(BillKeys::RemovedPayments).toStringList();
    QHash<QString, int> seen;
    QVariantList payments;
    QString latestLogged = legacy;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        QVariantMap payment = entry.toMap();
        if (!payment.contains(PaymentKeys::PaymentID)) {
            const QString identity = identityOf(payment);
            payment.insert(PaymentKeys::PaymentID, derivedPaymentID(identity, seen[identity]++));
        }
        if (!payment.contains(PaymentKeys::LoggedStamp))
            payment.insert(PaymentKeys::LoggedStamp, std::min(loggedStampOfOlderPayment(payment), legacy));
        if (!payment.contains(PaymentKeys::BalanceReduction))
            payment.insert(PaymentKeys::BalanceReduction,
                           BWPaymentLogger::balanceTakenBy(payment.value(PaymentKeys::Amount).toDouble(), record));
        latestLogged = std::max(latestLogged, payment.value(PaymentKeys::LoggedStamp).toString());
        const QString paymentID = payment.value(PaymentKeys::PaymentID).toString();
        if (!isDerivedPaymentID(paymentID) || !identitiesRemoved.contains(identityOf(payment)))
            payments.append(payment);
    }
    if (record.contains(BillKeys::PaymentList))
        current.insert(BillKeys::PaymentList, payments);

    // The balance stored is the balance as set after every payment the
    // record holds, to the last bit; payments logged from now on take their
    // shares off it, and those removed give theirs back.
    if (record.contains(BillKeys::Balance) && !record.contains(BillKeys::BalanceSet)) {
        current.insert(BillKeys::BalanceSet, record.value(BillKeys::Balance));
        stamps.insert(BillKeys::BalanceSet, latestLogged);
    }
    current.insert(BillKeys::FieldStamps, stamps);
    // A deletion of an earlier version held over every change stamped before it.
    if (record.contains(BillKeys::DeletionStamp) && !record.contains(BillKeys::DeletionSeen))
        current.insert(BillKeys::DeletionSeen,
                       QVariantMap{{BillKeys::SeenBeforeKey, record.value(BillKeys::DeletionStamp)}});
    return current;
}

void BWBillMerge::markDeletedWithoutStamp(QVariantMap& record)
{
    if (record.contains(BillKeys::DeletionStamp))
        return;
    record = takenOver(record);
    record = deleted(record, HybridLogicalClock::successorOf(contentStamp(record)));
}

QVariantMap BWBillMerge::storedCopyOf(const QVariantMap& fileRecord, bool listedAsDeleted)
{
    QVariantMap record = takenOver(fileRecord);
    if (listedAsDeleted)
        markDeletedWithoutStamp(record);
    completeDerivedKeys(record);
    return record;
}
