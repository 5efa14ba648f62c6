#pragma once

// What every computer's bills must come to, worked out apart from the
// program's own merging: every change a computer makes is taken down with
// the stamp it carries, and the bills are what the rules make of all of them.
//
// - a field is the value of its latest change, by stamp (absent when that
//   change took it out);
// - the payments are every payment logged anywhere, less those removed
//   anywhere (by id); of a payment edited apart, its latest edit;
// - a bill is deleted when every change in it was in a deleting computer's
//   file when it deleted the bill (a deletion of a bill it knew only by its
//   id: every change stamped before the deletion);
// - Balance is the balance last set, less what each payment logged after it
//   took off, plus what each payment logged before it and removed after it
//   had taken off.
//
// Changes are read off a computer's own bill file just before and just after
// each of its operations, which nothing else writes meanwhile: each stamp
// that is new in the file and new to the model is a change of that
// operation. The model also checks what such a stamp must be: later than
// every stamp the file held before.

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <QDateTime>

#include <algorithm>
#include <cmath>

#include "store/BWBillRecordKeys.h"

class SyncModel
{
public:
    // Takes down the changes an operation made to one bill's file; `before`
    // is empty for a new bill, `after` empty for a file that went. Answers
    // what is wrong with the stamps, or "".
    QString takeChange(const QString& billID, const QVariantMap& before, const QVariantMap& after)
    {
        if (after.isEmpty())
            return {};
        Bill& bill = m_bills[billID];
        const QString latestBefore = latestStamp(before);
        QStringList problems;
        auto checked = [&](const QString& what, const QString& stamp) {
            if (stamp <= latestBefore)
                problems.append(
                    QStringLiteral("%1 of %2 stamped %3, not after %4").arg(what, billID, stamp, latestBefore));
        };

        const QVariantMap stampsBefore = before.value(BillKeys::FieldStamps).toMap();
        const QVariantMap stampsAfter = after.value(BillKeys::FieldStamps).toMap();
        for (auto it = stampsAfter.cbegin(); it != stampsAfter.cend(); ++it) {
            const QString stamp = it.value().toString();
            if (stamp <= stampsBefore.value(it.key()).toString())
                continue;
            Field& field = bill.fields[it.key()];
            if (stamp <= field.stamp)
                continue;  // known already (a file brought back from a backup)
            checked(it.key(), stamp);
            field = {stamp, after.value(it.key())};
        }

        const QVariantMap paymentsBefore = paymentsByID(before);
        for (const QVariant& entry : after.value(BillKeys::PaymentList).toList()) {
            const QVariantMap payment = entry.toMap();
            const QString id = payment.value(PaymentKeys::PaymentID).toString();
            const QString stamp = paymentStamp(payment);
            if (stamp <= paymentStamp(paymentsBefore.value(id).toMap())
                || stamp <= paymentStamp(bill.payments.value(id)))
                continue;
            checked(QStringLiteral("payment ") + id, stamp);
            bill.payments.insert(id, payment);
        }

        const QVariantMap removedBefore = before.value(BillKeys::RemovedPaymentIDs).toMap();
        const QVariantMap removedAfter = after.value(BillKeys::RemovedPaymentIDs).toMap();
        for (auto it = removedAfter.cbegin(); it != removedAfter.cend(); ++it) {
            if (removedBefore.contains(it.key()) || bill.removed.value(it.key()) >= it.value().toString())
                continue;
            checked(QStringLiteral("removal of ") + it.key(), it.value().toString());
            bill.removed.insert(it.key(), std::max(bill.removed.value(it.key()), it.value().toString()));
        }

        const QString deletion = after.value(BillKeys::DeletionStamp).toString();
        // Every deletion counts, whichever is stamped last.
        if (deletion > before.value(BillKeys::DeletionStamp).toString() && !bill.deletions.contains(deletion)) {
            checked(QStringLiteral("deletion"), deletion);
            bill.deletions.insert(deletion);
            // What the computer held as it deleted: its file before the
            // operation and what the operation stamped before the deletion.
            for (const QString& stamp : contentStamps(before) + contentStamps(after)) {
                if (stamp < deletion)
                    bill.seen.insert(stamp);
            }
            if (!before.contains(BillKeys::FieldStamps))
                bill.seenBefore = std::max(bill.seenBefore, deletion);
        }
        return problems.join(QLatin1Char('\n'));
    }

    QStringList billIDs() const { return m_bills.keys(); }

    bool isDeleted(const QString& billID) const
    {
        const Bill& bill = m_bills[billID];
        if (bill.deletions.isEmpty())
            return false;
        QStringList changes;
        for (const Field& field : bill.fields)
            changes.append(field.stamp);
        for (const QVariantMap& payment : payments(billID))
            changes.append(paymentStamp(payment));
        changes.append(bill.removed.values());
        return std::all_of(changes.cbegin(), changes.cend(), [&](const QString& stamp) {
            return stamp < bill.seenBefore || bill.seen.contains(stamp);
        });
    }

    // The payments the bill holds, by id.
    QMap<QString, QVariantMap> payments(const QString& billID) const
    {
        const Bill& bill = m_bills[billID];
        QMap<QString, QVariantMap> held;
        for (auto it = bill.payments.cbegin(); it != bill.payments.cend(); ++it) {
            if (!bill.removed.contains(it.key()))
                held.insert(it.key(), it.value());
        }
        return held;
    }

    double balance(const QString& billID) const
    {
        const Bill& bill = m_bills[billID];
        const Field set = bill.fields.value(BillKeys::BalanceSet);
        double balance = set.value.toDouble();
        for (auto it = bill.payments.cbegin(); it != bill.payments.cend(); ++it) {
            const bool loggedAfterSet = it->value(PaymentKeys::LoggedStamp).toString() > set.stamp;
            const double share = it->value(PaymentKeys::BalanceReduction).toDouble();
            const auto removal = bill.removed.constFind(it.key());
            if (removal == bill.removed.cend() && loggedAfterSet)
                balance -= share;
            else if (removal != bill.removed.cend() && !loggedAfterSet && *removal > set.stamp)
                balance += share;  // set with it paid, and removed since
        }
        return balance;
    }

    // What of a computer's file differs from the model, or "".
    template <typename SameValue>
    QString differenceFrom(const QString& billID, const QVariantMap& stored, SameValue sameValue) const
    {
        const Bill& bill = m_bills[billID];
        // The totals and the last payment follow the payments (below).
        static const QStringList followPayments = {BillKeys::TotalPaid, BillKeys::Average, BillKeys::LastPayment};
        for (auto it = bill.fields.cbegin(); it != bill.fields.cend(); ++it) {
            if (followPayments.contains(it.key()))
                continue;
            const QVariant value = stored.value(it.key());
            if (value.isValid() != it->value.isValid() || (value.isValid() && !sameValue(value, it->value)))
                return QStringLiteral("%1 is %2, not %3").arg(it.key(), describe(value), describe(it->value));
        }
        const QMap<QString, QVariantMap> expected = payments(billID);
        const QVariantMap held = paymentsByID(stored);
        if (QStringList(held.keys()) != QStringList(expected.keys()))
            return QStringLiteral("payments %1, not %2").arg(held.keys().join(','), expected.keys().join(','));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QVariantMap payment = held.value(it.key()).toMap();
            for (const QString& key : {PaymentKeys::Amount, PaymentKeys::Date, PaymentKeys::Note})
                if (!sameValue(payment.value(key), it->value(key)))
                    return QStringLiteral("payment %1's %2 is %3, not %4")
                        .arg(it.key(), key, describe(payment.value(key)), describe(it->value(key)));
        }
        if (!expected.isEmpty()) {
            double total = 0.0;
            QDateTime last;
            for (const QVariantMap& payment : expected) {
                total += payment.value(PaymentKeys::Amount).toDouble();
                last = std::max(last, payment.value(PaymentKeys::Date).toDateTime());
            }
            if (std::abs(stored.value(BillKeys::TotalPaid).toDouble() - total) > 1e-6)
                return QStringLiteral("TotalPaid is %1, not %2")
                    .arg(stored.value(BillKeys::TotalPaid).toDouble())
                    .arg(total);
            if (!sameValue(stored.value(BillKeys::LastPayment), last))
                return QStringLiteral("LastPayment is %1, not %2")
                    .arg(describe(stored.value(BillKeys::LastPayment)), describe(last));
        }
        if (stored.contains(BillKeys::Balance)
            && std::abs(stored.value(BillKeys::Balance).toDouble() - balance(billID)) > 1e-6)
            return QStringLiteral("Balance is %1, not %2")
                .arg(stored.value(BillKeys::Balance).toDouble())
                .arg(balance(billID));
        return {};
    }

private:
    struct Field
    {
        QString stamp;
        QVariant value;  // invalid: taken out
    };
    struct Bill
    {
        QMap<QString, Field> fields;
        QMap<QString, QVariantMap> payments;
        QMap<QString, QString> removed;
        QSet<QString> deletions;
        QSet<QString> seen;   // every change in the deleting computers' files
        QString seenBefore;   // every change stamped before this one counts as seen
    };

    static QString paymentStamp(const QVariantMap& payment)
    {
        return std::max(payment.value(PaymentKeys::LoggedStamp).toString(),
                        payment.value(PaymentKeys::EditedStamp).toString());
    }
    static QVariantMap paymentsByID(const QVariantMap& record)
    {
        QVariantMap byID;
        for (const QVariant& entry : record.value(BillKeys::PaymentList).toList())
            byID.insert(entry.toMap().value(PaymentKeys::PaymentID).toString(), entry);
        return byID;
    }
    static QStringList contentStamps(const QVariantMap& record)
    {
        QStringList stamps;
        for (const QVariant& stamp : record.value(BillKeys::RemovedPaymentIDs).toMap())
            stamps.append(stamp.toString());
        for (const QVariant& stamp : record.value(BillKeys::FieldStamps).toMap())
            stamps.append(stamp.toString());
        for (const QVariant& entry : record.value(BillKeys::PaymentList).toList())
            stamps.append(paymentStamp(entry.toMap()));
        return stamps;
    }
    static QString latestStamp(const QVariantMap& record)
    {
        QString latest = record.value(BillKeys::DeletionStamp).toString();
        for (const QVariant& stamp : record.value(BillKeys::FieldStamps).toMap())
            latest = std::max(latest, stamp.toString());
        for (const QVariant& entry : record.value(BillKeys::PaymentList).toList())
            latest = std::max(latest, paymentStamp(entry.toMap()));
        for (const QVariant& stamp : record.value(BillKeys::RemovedPaymentIDs).toMap())
            latest = std::max(latest, stamp.toString());
        return latest;
    }
    static QString describe(const QVariant& value)
    {
        if (!value.isValid())
            return QStringLiteral("(none)");
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(Qt::ISODate);
        return value.toString();
    }

    QMap<QString, Bill> m_bills;
};
