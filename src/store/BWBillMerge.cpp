#include "store/BWBillMerge.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <limits>

#include "store/BWBillRecordKeys.h"
#include "store/BWPaymentLogger.h"

namespace {

qint64 momentOf(const QVariant& payment)
{
    const QDateTime date = payment.toMap().value(PaymentKeys::Date).toDateTime();
    return date.isValid() ? date.toSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

// The fields a user edits, as every channel carries them; ties between
// copies of one moment are settled on these alone, so that a device decides
// the same whichever channel's form of the copies it holds.
const QStringList EditedKeys = {BillKeys::Name,     BillKeys::Icon,        BillKeys::DueDate,  BillKeys::Repeat,
                                BillKeys::RemindMe, BillKeys::PaySite,     BillKeys::ReminderDays,
                                BillKeys::Balance,  BillKeys::Interest,    BillKeys::Notes,    BillKeys::Tags,
                                BillKeys::Amount,   BillKeys::PayType,     BillKeys::AmountVaries,
                                BillKeys::IsArchived, BillKeys::IsIncome, BillKeys::Rev};

QJsonValue comparable(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return double(value.toDateTime().toSecsSinceEpoch());
    return QJsonValue::fromVariant(value);
}

}  // namespace

QString BWBillMerge::identityOf(const QVariant& payment)
{
    const QVariantMap entry = payment.toMap();
    return QStringLiteral("%1 %2 %3")
        .arg(momentOf(payment))
        .arg(QString::number(entry.value(PaymentKeys::Amount).toDouble(), 'g', 17),
             entry.value(PaymentKeys::Note).toString());
}

QStringList BWBillMerge::removedOf(const QVariantMap& bill)
{
    return bill.value(RemovedPaymentsKey).toStringList();
}

QStringList BWBillMerge::sortedIdentities(const QVariantList& payments)
{
    QStringList identities;
    for (const QVariant& payment : payments)
        identities.append(identityOf(payment));
    identities.sort();
    return identities;
}

QByteArray BWBillMerge::fieldsFingerprint(const QVariantMap& bill)
{
    QJsonObject fields;
    for (const QString& key : EditedKeys) {
        if (bill.contains(key))
            fields.insert(key, comparable(bill.value(key)));
    }
    return QJsonDocument(fields).toJson(QJsonDocument::Compact);
}

bool BWBillMerge::fieldsWin(const Copy& first, const Copy& second)
{
    if (first.date != second.date)
        return first.date > second.date;
    return fieldsFingerprint(first.bill) >= fieldsFingerprint(second.bill);
}

BWBillMerge::Copy BWBillMerge::merged(const Copy& first, const Copy& second)
{
    const bool firstWins = fieldsWin(first, second);
    const Copy& winner = firstWins ? first : second;
    const Copy& other = firstWins ? second : first;

    QStringList removed = removedOf(winner.bill) + removedOf(other.bill);
    removed.sort();
    removed.removeDuplicates();

    // Of a payment both hold, the winner's entry: it may carry details the
    // other copy's channel does not.
    QMap<QString, QVariant> payments;
    for (const QVariant& payment : other.bill.value(BillKeys::PaymentList).toList())
        payments.insert(identityOf(payment), payment);
    for (const QVariant& payment : winner.bill.value(BillKeys::PaymentList).toList())
        payments.insert(identityOf(payment), payment);
    QVariantList kept;
    for (auto it = payments.cbegin(); it != payments.cend(); ++it) {
        if (!std::binary_search(removed.cbegin(), removed.cend(), it.key()))
            kept.append(it.value());
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const QVariant& a, const QVariant& b) { return momentOf(a) < momentOf(b); });

    Copy result{winner.bill, std::max(first.date, second.date)};
    result.bill.insert(BillKeys::PaymentList, kept);
    if (removed.isEmpty())
        result.bill.remove(RemovedPaymentsKey);
    else
        result.bill.insert(RemovedPaymentsKey, removed);
    if (!samePayments(result.bill, winner.bill))
        BWPaymentLogger::setTotalsFromPayments(result.bill, kept);
    return result;
}

bool BWBillMerge::sameContent(const QVariantMap& first, const QVariantMap& second)
{
    return samePayments(first, second) && fieldsFingerprint(first) == fieldsFingerprint(second);
}

bool BWBillMerge::samePayments(const QVariantMap& first, const QVariantMap& second)
{
    QStringList removedFirst = removedOf(first), removedSecond = removedOf(second);
    removedFirst.sort();
    removedSecond.sort();
    return removedFirst == removedSecond
        && sortedIdentities(first.value(BillKeys::PaymentList).toList())
               == sortedIdentities(second.value(BillKeys::PaymentList).toList());
}

void BWBillMerge::markRemovedPayments(QVariantMap& bill, const QVariantList& before, const QVariantList& after)
{
    const QStringList remaining = sortedIdentities(after);
    QStringList removed = removedOf(bill);
    for (const QVariant& payment : before) {
        const QString identity = identityOf(payment);
        if (!remaining.contains(identity) && !removed.contains(identity))
            removed.append(identity);
    }
    if (!removed.isEmpty())
        bill.insert(RemovedPaymentsKey, removed);
}

QVariantList BWBillMerge::keepLocalDetails(const QVariantList& incoming, const QVariantList& local)
{
    QVariantList result;
    for (const QVariant& entry : incoming) {
        QVariantMap payment = entry.toMap();
        const QString identity = identityOf(entry);
        for (const QVariant& localEntry : local) {
            if (identityOf(localEntry) != identity)
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
