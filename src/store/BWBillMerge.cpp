// Merging two copies of a bill, and what follows from one.
#include "store/BWBillMerge.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <cmath>

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

QJsonValue comparable(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return double(value.toDateTime().toSecsSinceEpoch());
    case QMetaType::QVariantMap: {
        QJsonObject object;
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            object.insert(it.key(), comparable(it.value()));
        return object;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        QJsonArray array;
        for (const QVariant& element : value.toList())
            array.append(comparable(element));
        return array;
    }
    default:
        return isNumber(value) ? QJsonValue(value.toDouble()) : QJsonValue::fromVariant(value);
    }
}

// Whether two values are the same down to their types and bits: then their
// fingerprints are equal, and working them out can be skipped.
bool identical(const QVariant& first, const QVariant& second)
{
    if (first.typeId() != second.typeId())
        return false;
    switch (first.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        // 0.0 and -0.0 are equal numbers but print apart.
        return std::bit_cast<quint64>(first.toDouble()) == std::bit_cast<quint64>(second.toDouble());
    case QMetaType::QVariantMap: {
        const QVariantMap a = first.toMap(), b = second.toMap();
        if (a.size() != b.size())
            return false;
        for (auto l = a.cbegin(), r = b.cbegin(); l != a.cend(); ++l, ++r) {
            if (l.key() != r.key() || !identical(l.value(), r.value()))
                return false;
        }
        return true;
    }
    case QMetaType::QVariantList: {
        const QVariantList a = first.toList(), b = second.toList();
        return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), identical);
    }
    case QMetaType::QDateTime:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return first == second;
    default:
        return false;
    }
}

const QString& later(const QString& first, const QString& second)
{
    return first >= second ? first : second;
}

// The keys of DeletionSeen that name a field, a payment, a payment's removal.
QString fieldSeen(const QString& key)
{
    return QStringLiteral("F ") + key;
}
QString paymentSeen(const QString& paymentID)
{
    return QStringLiteral("P ") + paymentID;
}
QString removalSeen(const QString& paymentID)
{
    return QStringLiteral("R ") + paymentID;
}

}  // namespace

// ---- Values and stamps ------------------------------------------------------------

bool BWBillMerge::sameValue(const QVariant& first, const QVariant& second)
{
    if (first.typeId() == QMetaType::QDateTime || second.typeId() == QMetaType::QDateTime) {
        const QDateTime a = first.toDateTime(), b = second.toDateTime();
        return a.isValid() == b.isValid() && a.toSecsSinceEpoch() == b.toSecsSinceEpoch();
    }
    if (isNumber(first) && isNumber(second))
        return first.toDouble() == second.toDouble();
    const bool firstIsMap = first.typeId() == QMetaType::QVariantMap;
    if (firstIsMap || second.typeId() == QMetaType::QVariantMap) {
        const QVariantMap a = first.toMap(), b = second.toMap();
        if (!firstIsMap || second.typeId() != QMetaType::QVariantMap || a.size() != b.size())
            return false;
        for (auto l = a.cbegin(), r = b.cbegin(); l != a.cend(); ++l, ++r) {
            if (l.key() != r.key() || !sameValue(l.value(), r.value()))
                return false;
        }
        return true;
    }
    if (first.canConvert<QVariantList>() && second.canConvert<QVariantList>() && first.typeId() != QMetaType::QString
        && second.typeId() != QMetaType::QString) {
        const QVariantList a = first.toList(), b = second.toList();
        return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), sameValue);
    }
    return first == second;
}

QByteArray BWBillMerge::fingerprint(const QVariant& value)
{
    return QJsonDocument(QJsonArray{comparable(value)}).toJson(QJsonDocument::Compact);
}

bool BWBillMerge::isStampedField(const QString& key)
{
    // The id, the payments and removals (merged as sets), the deletion and
    // what is worked out of the rest are no fields of their own.
    static const QSet<QString> notFields = {BillKeys::Bid,
                                            BillKeys::PaymentList,
                                            BillKeys::RemovedPaymentIDs,
                                            BillKeys::RemovedPayments,
                                            BillKeys::RemovedPaymentShares,
                                            BillKeys::FieldStamps,
                                            BillKeys::DeletionStamp,
                                            BillKeys::DeletionSeen,
                                            BillKeys::ModificationStamp,
                                            BillKeys::Balance,
                                            BillKeys::SyncModificationDate,
                                            BillKeys::ModificationDateForFirebase};
    return !notFields.contains(key) && !BillKeys::DisplayKeys.contains(key);
}

bool BWBillMerge::followsPayments(const QString& key, const QVariantMap& record)
{
    static const QSet<QString> totals{BillKeys::TotalPaid, BillKeys::Average, BillKeys::LastPayment};
    return totals.contains(key) && !record.value(BillKeys::PaymentList).toList().isEmpty();
}

bool BWBillMerge::needsStamp(const QString& key, const QVariantMap& record)
{
    return isStampedField(key) && !followsPayments(key, record);
}

QStringList BWBillMerge::fieldKeys(const QVariantMap& record)
{
    QStringList keys = record.value(BillKeys::FieldStamps).toMap().keys();
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (isStampedField(it.key()) && !keys.contains(it.key()))
            keys.append(it.key());
    }
    return keys;
}

QString BWBillMerge::stampOf(const QVariantMap& record, const QString& key)
{
    return record.value(BillKeys::FieldStamps).toMap().value(key).toString();
}

QString BWBillMerge::paymentStamp(const QVariantMap& payment)
{
    return later(payment.value(PaymentKeys::LoggedStamp).toString(),
                 payment.value(PaymentKeys::EditedStamp).toString());
}

QString BWBillMerge::contentStamp(const QVariantMap& record)
{
    QString latest;
    const QVariantMap stamps = record.value(BillKeys::FieldStamps).toMap();
    for (const QVariant& stamp : stamps)
        latest = later(latest, stamp.toString());
    for (const QVariant& payment : record.value(BillKeys::PaymentList).toList())
        latest = later(latest, paymentStamp(payment.toMap()));
    const QVariantMap removed = record.value(BillKeys::RemovedPaymentIDs).toMap();
    for (const QVariant& stamp : removed)
        latest = later(latest, stamp.toString());
    return latest;
}

QVariantMap BWBillMerge::seenBy(const QVariantMap& record)
{
    QVariantMap seen;
    const QVariantMap stamps = record.value(BillKeys::FieldStamps).toMap();
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it)
        seen.insert(fieldSeen(it.key()), it.value());
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        const QVariantMap payment = entry.toMap();
        seen.insert(paymentSeen(payment.value(PaymentKeys::PaymentID).toString()), paymentStamp(payment));
    }
    const QVariantMap removed = record.value(BillKeys::RemovedPaymentIDs).toMap();
    for (auto it = removed.cbegin(); it != removed.cend(); ++it)
        seen.insert(removalSeen(it.key()), it.value());
    return laterOfEach(record.value(BillKeys::DeletionSeen).toMap(), seen);
}

QVariantMap BWBillMerge::laterOfEach(const QVariantMap& first, const QVariantMap& second)
{
    QVariantMap result = first;
    for (auto it = second.cbegin(); it != second.cend(); ++it)
        result.insert(it.key(), later(result.value(it.key()).toString(), it.value().toString()));
    return result;
}

QString BWBillMerge::latestStamp(const QVariantMap& record)
{
    const QVariantMap current = takenOver(record);
    return later(contentStamp(current), current.value(BillKeys::DeletionStamp).toString());
}

QDateTime BWBillMerge::modificationDate(const QVariantMap& record)
{
    return HybridLogicalClock::wallTimeOf(latestStamp(record));
}

bool BWBillMerge::isDeleted(const QVariantMap& record)
{
    const QVariantMap current = takenOver(record);
    if (!current.contains(BillKeys::DeletionStamp))
        return false;
    const QVariantMap seen = current.value(BillKeys::DeletionSeen).toMap();
    const QString seenBefore = seen.value(BillKeys::SeenBeforeKey).toString();
    const auto wasSeen = [&](const QString& stamp, const QString& seenKey) {
        return stamp < seenBefore || stamp <= seen.value(seenKey).toString();
    };
    const QVariantMap stamps = current.value(BillKeys::FieldStamps).toMap();
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        if (!wasSeen(it.value().toString(), fieldSeen(it.key())))
            return false;
    }
    for (const QVariant& entry : current.value(BillKeys::PaymentList).toList()) {
        const QVariantMap payment = entry.toMap();
        if (!wasSeen(paymentStamp(payment), paymentSeen(payment.value(PaymentKeys::PaymentID).toString())))
            return false;
    }
    const QVariantMap removed = current.value(BillKeys::RemovedPaymentIDs).toMap();
    for (auto it = removed.cbegin(); it != removed.cend(); ++it) {
        if (!wasSeen(it.value().toString(), removalSeen(it.key())))
            return false;
    }
    return true;
}

// ---- Merging -------------------------------------------------------------------------

QVariantMap BWBillMerge::merged(const QVariantMap& first, const QVariantMap& second)
{
    const QVariantMap a = takenOver(first), b = takenOver(second);
    QVariantMap result;
    const QString billID = a.value(BillKeys::Bid, b.value(BillKeys::Bid)).toString();
    if (!billID.isEmpty())
        result.insert(BillKeys::Bid, billID);
    mergeFields(a, b, result);
    mergePayments(a, b, result);
    const QString deletion
        = later(a.value(BillKeys::DeletionStamp).toString(), b.value(BillKeys::DeletionStamp).toString());
    if (!deletion.isEmpty())
        result.insert(BillKeys::DeletionStamp, deletion);
    const QVariantMap seen
        = laterOfEach(a.value(BillKeys::DeletionSeen).toMap(), b.value(BillKeys::DeletionSeen).toMap());
    if (!seen.isEmpty())
        result.insert(BillKeys::DeletionSeen, seen);
    completeDerivedKeys(result);
    return result;
}

void BWBillMerge::mergeFields(const QVariantMap& first, const QVariantMap& second, QVariantMap& result)
{
    QVariantMap stamps;
    QStringList keys = fieldKeys(first);
    for (const QString& key : fieldKeys(second)) {
        if (!keys.contains(key))
            keys.append(key);
    }
    for (const QString& key : std::as_const(keys)) {
        const QString stampA = stampOf(first, key), stampB = stampOf(second, key);
        // Two copies of one change agree; should they not, every computer
        // still picks the same of the two.
        const bool firstWins = stampA != stampB ? stampA > stampB
                                                : (first.contains(key) != second.contains(key)
                                                       ? first.contains(key)
                                                       : !fingerprintAbove(second.value(key), first.value(key)));
        const QVariantMap& winner = firstWins ? first : second;
        if (winner.contains(key))
            result.insert(key, winner.value(key));
        const QString& stamp = later(stampA, stampB);
        if (!stamp.isEmpty())
            stamps.insert(key, stamp);
    }
    result.insert(BillKeys::FieldStamps, stamps);
}

QVariantMap BWBillMerge::paymentsByID(const QVariantMap& record, bool comparable)
{
    QVariantMap byID;
    for (const QVariant& entry : record.value(BillKeys::PaymentList).toList()) {
        const QVariantMap payment = entry.toMap();
        byID.insert(payment.value(PaymentKeys::PaymentID).toString(),
                    comparable ? comparablePayment(payment) : payment);
    }
    return byID;
}

bool BWBillMerge::fingerprintAbove(const QVariant& first, const QVariant& second)
{
    return !identical(first, second) && fingerprint(first) > fingerprint(second);
}

void BWBillMerge::mergePayments(const QVariantMap& first, const QVariantMap& second, QVariantMap& result)
{
    QVariantMap removed = first.value(BillKeys::RemovedPaymentIDs).toMap();
    const QVariantMap removedSecond = second.value(BillKeys::RemovedPaymentIDs).toMap();
    for (auto it = removedSecond.cbegin(); it != removedSecond.cend(); ++it)
        removed.insert(it.key(), later(removed.value(it.key()).toString(), it.value().toString()));
    QStringList identitiesRemoved = first.value(BillKeys::RemovedPayments).toStringList()
                                    + second.value(BillKeys::RemovedPayments).toStringList();
    identitiesRemoved.sort();
    identitiesRemoved.removeDuplicates();

    QVariantMap payments = paymentsByID(first);
    const QVariantMap secondPayments = paymentsByID(second);
    for (auto it = secondPayments.cbegin(); it != secondPayments.cend(); ++it) {
        const auto held = payments.constFind(it.key());
        if (held == payments.cend()) {
            payments.insert(it.key(), it.value());
            continue;
        }
        const QString stampA = paymentStamp(held->toMap()), stampB = paymentStamp(it->toMap());
        if (stampB > stampA
            || (stampB == stampA && fingerprintAbove(comparablePayment(it->toMap()), comparablePayment(held->toMap()))))
            payments.insert(it.key(), it.value());
    }
    QVariantList kept;
    for (auto it = payments.cbegin(); it != payments.cend(); ++it) {
        const bool removedByID = removed.contains(it.key());
        const bool removedByIdentity
            = isDerivedPaymentID(it.key())
              && std::binary_search(identitiesRemoved.cbegin(), identitiesRemoved.cend(), identityOf(it.value()));
        if (!removedByID && !removedByIdentity)
            kept.append(it.value());
    }
    result.insert(BillKeys::PaymentList, kept);
    inCanonicalOrder(result);
    if (!removed.isEmpty())
        result.insert(BillKeys::RemovedPaymentIDs, removed);
    // Two computers that removed one payment knew the same share of it,
    // unless it was edited meanwhile; every computer keeps the same of the two.
    QVariantMap shares = first.value(BillKeys::RemovedPaymentShares).toMap();
    const QVariantMap sharesSecond = second.value(BillKeys::RemovedPaymentShares).toMap();
    for (auto it = sharesSecond.cbegin(); it != sharesSecond.cend(); ++it) {
        const auto held = shares.constFind(it.key());
        if (held == shares.cend() || fingerprintAbove(it.value(), *held))
            shares.insert(it.key(), it.value());
    }
    if (!shares.isEmpty())
        result.insert(BillKeys::RemovedPaymentShares, shares);
    if (!identitiesRemoved.isEmpty())
        result.insert(BillKeys::RemovedPayments, identitiesRemoved);
}

bool BWBillMerge::sameState(const QVariantMap& first, const QVariantMap& second)
{
    const QVariantMap a = takenOver(first), b = takenOver(second);
    if (a.value(BillKeys::Bid).toString() != b.value(BillKeys::Bid).toString()
        || a.value(BillKeys::DeletionStamp).toString() != b.value(BillKeys::DeletionStamp).toString()
        || !sameValue(a.value(BillKeys::DeletionSeen).toMap(), b.value(BillKeys::DeletionSeen).toMap())
        || !sameValue(a.value(BillKeys::FieldStamps).toMap(), b.value(BillKeys::FieldStamps).toMap())
        || !sameValue(a.value(BillKeys::RemovedPaymentIDs).toMap(), b.value(BillKeys::RemovedPaymentIDs).toMap())
        || !sameValue(a.value(BillKeys::RemovedPaymentShares).toMap(), b.value(BillKeys::RemovedPaymentShares).toMap()))
        return false;
    QStringList identitiesA = a.value(BillKeys::RemovedPayments).toStringList();
    QStringList identitiesB = b.value(BillKeys::RemovedPayments).toStringList();
    identitiesA.sort();
    identitiesB.sort();
    if (identitiesA != identitiesB || !sameValue(paymentsByID(a, true), paymentsByID(b, true)))
        return false;
    for (const QString& key : fieldKeys(a)) {
        if (a.contains(key) != b.contains(key) || !sameValue(a.value(key), b.value(key)))
            return false;
    }
    return fieldKeys(a).size() == fieldKeys(b).size();
}

bool BWBillMerge::samePaymentContent(const QVariantMap& first, const QVariantMap& second)
{
    QVariantMap a = first, b = second;
    for (QVariantMap* payment : {&a, &b}) {
        payment->remove(PaymentKeys::LoggedStamp);
        payment->remove(PaymentKeys::EditedStamp);
    }
    return sameValue(a, b);
}

QString BWBillMerge::receiptName(const QString& receipt)
{
    const QString name = receipt.section(QLatin1Char('/'), -1);
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    if (!BWUIDMaker::isValidUID(stem) || name.endsWith(DataFolderFiles::BillFileExtension, Qt::CaseInsensitive))
        return QString();
    return name;
}

// A receipt is the same copy in every computer's data folder, wherever that is.
QVariantMap BWBillMerge::comparablePayment(QVariantMap payment)
{
    if (payment.contains(PaymentKeys::Receipt))
        payment.insert(PaymentKeys::Receipt, receiptName(payment.value(PaymentKeys::Receipt).toString()));
    return payment;
}

// ---- Derived keys ------------------------------------------------------------------

double BWBillMerge::balanceOf(const QVariantMap& record)
{
    if (!record.contains(BillKeys::BalanceSet))
        return record.value(BillKeys::Balance).toDouble();
    const QString setAt = stampOf(record, BillKeys::BalanceSet);
    return record.value(BillKeys::BalanceSet).toDouble() - takenOffAfter(record, setAt)
           + givenBackAfter(record, setAt);
}

double BWBillMerge::takenOffAfter(const QVariantMap& record, const QString& setAt)
{
    // Summed in the order of the ids, the same on every computer.
    double taken = 0.0;
    const QVariantMap payments = paymentsByID(record);
    for (const QVariant& entry : payments) {
        const QVariantMap payment = entry.toMap();
        if (payment.value(PaymentKeys::LoggedStamp).toString() > setAt)
            taken += payment.value(PaymentKeys::BalanceReduction).toDouble();
    }
    return taken;
}

// The merged payments in one order on every computer, whichever logged them
// first: by date, then by id, so that the files come out alike byte for byte.
void BWBillMerge::inCanonicalOrder(QVariantMap& record)
{
    if (!record.contains(BillKeys::PaymentList))
        return;
    QVariantList payments = record.value(BillKeys::PaymentList).toList();
    const auto before = [](const QVariant& a, const QVariant& b) {
        const QVariantMap first = a.toMap(), second = b.toMap();
        const QDateTime dateA = first.value(PaymentKeys::Date).toDateTime();
        const QDateTime dateB = second.value(PaymentKeys::Date).toDateTime();
        if (dateA != dateB)
            return dateA < dateB;
        return first.value(PaymentKeys::PaymentID).toString() < second.value(PaymentKeys::PaymentID).toString();
    };
    if (std::is_sorted(payments.cbegin(), payments.cend(), before))
        return;
    std::stable_sort(payments.begin(), payments.end(), before);
    record.insert(BillKeys::PaymentList, payments);
}

// The balance was set with these payments paid; removed since, they give
// their shares back. One removed before the set was no longer paid then.
double BWBillMerge::givenBackAfter(const QVariantMap& record, const QString& setAt)
{
    double givenBack = 0.0;
    const QVariantMap removed = record.value(BillKeys::RemovedPaymentIDs).toMap();
    const QVariantMap shares = record.value(BillKeys::RemovedPaymentShares).toMap();
    for (auto it = shares.cbegin(); it != shares.cend(); ++it) {
        const QVariantMap share = it.value().toMap();
        const auto removal = removed.constFind(it.key());
        if (removal != removed.cend() && removal->toString() > setAt
            && share.value(PaymentKeys::LoggedStamp).toString() <= setAt)
            givenBack += share.value(PaymentKeys::BalanceReduction).toDouble();
    }
    return givenBack;
}

bool BWBillMerge::sameAmount(const QVariant& first, const QVariant& second)
{
    if (!isNumber(first) || !isNumber(second))
        return sameValue(first, second);
    return std::abs(first.toDouble() - second.toDouble()) < HalfACent;
}

void BWBillMerge::completeDerivedKeys(QVariantMap& record)
{
    // A value within half a cent of the one worked out is that one, summed in
    // another order (by an earlier build, one payment at a time, or in single
    // precision): it stays to the last bit, and an integer stays one.
    const auto derive = [&record](const QString& key, const QVariant& value) {
        if (!record.contains(key) || !sameAmount(record.value(key), value))
            record.insert(key, value);
    };
    if (record.contains(BillKeys::BalanceSet))
        derive(BillKeys::Balance, balanceOf(record));
    // Without payments the totals stay as they were set (a new or imported bill).
    const QVariantList payments = record.value(BillKeys::PaymentList).toList();
    if (!payments.isEmpty()) {
        QVariantMap totals;
        BWPaymentLogger::setTotalsFromPayments(totals, payments);
        for (auto it = totals.cbegin(); it != totals.cend(); ++it)
            derive(it.key(), it.value());
    }
    const QString latest = later(contentStamp(record), record.value(BillKeys::DeletionStamp).toString());
    const QDateTime wall = HybridLogicalClock::wallTimeOf(latest);
    if (!wall.isValid())
        return;
    // Whole seconds: the dates keep no more through a property list.
    const QDateTime date = QDateTime::fromSecsSinceEpoch(wall.toSecsSinceEpoch(), QTimeZone::utc());
    record.insert(BillKeys::ModificationStamp, latest);
    record.insert(BillKeys::SyncModificationDate, date);
    record.insert(BillKeys::ModificationDateForFirebase, double(date.toSecsSinceEpoch()));
}
