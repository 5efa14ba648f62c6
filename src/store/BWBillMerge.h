#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// Two copies of one bill that were changed apart, made one. Every sync
// channel merges by this rule, so that copies merged in any order, any number
// of times, end the same on every device:
// - the fields (name, amount, due date...) are those of the copy changed
//   last; at the same moment those that sort higher, so that every device
//   picks the same;
// - the payments are every payment either copy holds, less those a device
//   removed. Removing a payment (reversing it, deleting or editing it in the
//   history) leaves its identity in the bill's RemovedPayments, and only that
//   takes it out: a copy that merely lacks a payment (an older copy, or one
//   that never saw it) takes nothing out;
// - the merged copy is as new as the newer of the two, so an older copy that
//   arrives late changes nothing;
// - a deletion leaves a tombstone with its moment, which beats every copy
//   changed at or before it; a copy changed later (on a device that had not
//   heard of the deletion yet) brings the bill back on every device.
//
// A payment is known by its moment (to the second, which every channel
// keeps), its amount and its note: two payments logged apart in one second
// are two payments, and an edited payment is the old one removed and a new
// one added.
class BWBillMerge
{
public:
    // The bill key that lists the identities of the payments removed on some
    // device, so that a copy still holding one cannot bring it back.
    static inline const QString RemovedPaymentsKey = QStringLiteral("RemovedPayments");

    struct Copy
    {
        QVariantMap bill;
        QDateTime date;   // when the copy was last changed
    };

    // The copy both should become; its date is the newer of the two.
    // TotalPaid, Average and LastPayment follow the merged payments.
    static Copy merged(const Copy& first, const Copy& second);

    // Whether a bill deleted at `deletedAt` stays deleted over a copy
    // changed at `changedAt`.
    static bool deletionHolds(const QDateTime& deletedAt, const QDateTime& changedAt) { return changedAt <= deletedAt; }

    // Whether two copies hold the same edited fields, payments and removals
    // (payments in any order), whatever channel's form they come in.
    static bool sameContent(const QVariantMap& first, const QVariantMap& second);

    // Whether two copies hold the same payments and removals, in any order.
    static bool samePayments(const QVariantMap& first, const QVariantMap& second);

    // The identity a payment is known by across devices.
    static QString identityOf(const QVariant& payment);
    // Marks in `bill` the payments of `before` that `after` no longer holds
    // as removed on this device.
    static void markRemovedPayments(QVariantMap& bill, const QVariantList& before, const QVariantList& after);

    // `incoming` payments with what only this device keeps of the same
    // payment in `local` (the details that undo it, its own receipt copy).
    static QVariantList keepLocalDetails(const QVariantList& incoming, const QVariantList& local);

private:
    // Whether `first`'s fields win over `second`'s.
    static bool fieldsWin(const Copy& first, const Copy& second);
    static QByteArray fieldsFingerprint(const QVariantMap& bill);
    static QStringList removedOf(const QVariantMap& bill);
    static QStringList sortedIdentities(const QVariantList& payments);
};
