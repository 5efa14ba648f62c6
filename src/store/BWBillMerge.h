#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <optional>

// The one rule by which every sync channel makes one bill of the copies that
// computers changed apart. Every change made on a computer carries a stamp
// of its hybrid logical clock (HybridLogicalClock): a computer that saw a
// change always stamps its own later, whatever its clock says.
//
// - Fields: each stored field carries the stamp of its last change
//   (FieldStamps); the merge takes each field from the copy that changed it
//   last. A field a change took out stays out the same way.
// - Payments: each has its own id. The merge keeps every payment either
//   copy holds, less those some computer removed (RemovedPaymentIDs, with
//   the stamp of the removal): a computer can only remove a payment it had.
//   Of two copies of one payment, the one edited last. A payment logged
//   again is another payment, with another id.
// - Balance: a payment keeps what it took off the balance
//   (BalanceReduction, never below 0). Balance is the balance a user last
//   set (or the opening one, BalanceSet) less what the payments logged
//   after that took off, so that payments logged apart all count. A payment
//   removed gives its share back whenever it was logged: each removal keeps
//   the share (RemovedPaymentShares), given back when the set the copies
//   merge to came after the payment was logged and before its removal.
// - TotalPaid, Average and LastPayment follow the merged payments.
// - Deletion: a deletion has a stamp of its own (DeletionStamp) and keeps
//   the latest stamp it had seen of each field, payment and removal
//   (DeletionSeen). The bill is deleted while every change in it was seen
//   by a deletion: an older copy never brings it back, and a change the
//   deleting computer had not seen brings it back everywhere, whatever the
//   order of the stamps. (A change to a field stamped before the one the
//   deletion saw would lose to that one anyway: it counts as seen.)
//
// The merge is commutative, associative and idempotent, so copies merged in
// any order and any number of times end the same on every computer. Records
// written by earlier versions (no stamps, payments without ids, removals by
// identity) are taken over on the way in (takenOver), the same way on every
// computer.
class BWBillMerge
{
public:
    // ---- Merging ----
    // The copy both copies become, with its derived keys.
    static QVariantMap merged(const QVariantMap& first, const QVariantMap& second);
    // Whether two copies hold the same fields, payments, removals and
    // deletion with the same stamps, whatever channel's form they come in.
    static bool sameState(const QVariantMap& first, const QVariantMap& second);
    static bool isDeleted(const QVariantMap& record);
    // The latest stamp of the record: of its changes, or of its deletion.
    static QString latestStamp(const QVariantMap& record);
    // The wall time of that stamp; invalid for a record without any.
    static QDateTime modificationDate(const QVariantMap& record);

    // ---- Changes made on this computer ----
    using StampMaker = std::function<QString()>;
    // `edited` (a copy of `stored` as a caller changed it) with what changed
    // stamped by one stamp of `makeStamp`: each field whose value differs,
    // each payment that is new or changed, each payment that it no longer
    // holds (removed), and Balance when it differs (the user set it).
    // Nothing, and no stamp made, when nothing differs. An empty `stored`
    // is a new bill: everything is new.
    static std::optional<QVariantMap> changed(const QVariantMap& stored, const QVariantMap& edited,
                                              const StampMaker& makeStamp);
    // Every field of the record stamped anew, the balance it shows taken as
    // set then: a bill brought back (from a backup, or out of the deleted
    // ones) stays over its deletion and over the copies changed before.
    static QVariantMap broughtBack(const QVariantMap& record, const QString& stamp);
    static QVariantMap deleted(const QVariantMap& record, const QString& stamp);
    // A deletion of a bill of which nothing else is known here.
    static QVariantMap tombstone(const QString& billID, const QString& stamp);

    // ---- Clocks far ahead ----
    // The record without what is stamped after `bound` (fields, payments,
    // removals, the deletion): a change from a clock far ahead waits where
    // it is until this computer's clock passes it, or it comes again.
    static QVariantMap withoutStampsAfter(const QVariantMap& record, const QString& bound);
    // The record with each stamp after `bound` made `stamp`: what this
    // computer stamped while its clock was far ahead, sent again sanely.
    static QVariantMap restampedAfter(const QVariantMap& record, const QString& bound, const QString& stamp);
    // The latest stamp of the record not after `bound`: what a clock takes
    // in, since this computer's own stamps of a clock far ahead, refused as
    // time, would otherwise hide every other computer's stamp of the bill.
    static QString latestStampUpTo(const QVariantMap& record, const QString& bound);
    // Whether `merged`, a shown bill made with what of `incoming` could be
    // taken, lacks a field whose every value waits: it is not there yet.
    static bool lacksWaitingField(const QVariantMap& incoming, const QVariantMap& merged);

    // ---- Records of earlier versions ----
    // The record with what this version keeps: a stamp on each field (the
    // date of its last change), an id on each payment (from its content and
    // place), what each payment took off the balance and the balance that
    // makes. Records that have all of it come back as they are.
    static QVariantMap takenOver(const QVariantMap& record);
    // A record the index lists as deleted from before deletions had stamps:
    // deleted just after its last change.
    static void markDeletedWithoutStamp(QVariantMap& record);
    // A bill file's record as sync merges it: taken over, marked deleted
    // when the index lists it so, its derived keys complete.
    static QVariantMap storedCopyOf(const QVariantMap& fileRecord, bool listedAsDeleted);

    // ---- Derived keys ----
    // Sets Balance, the totals and LastPayment, ModificationStamp and the two
    // dates of it from the rest of the record.
    static void completeDerivedKeys(QVariantMap& record);
    // The balance set less what the payments logged after it took off.
    static double balanceOf(const QVariantMap& record);

    // ---- Payments ----
    // What a payment of an earlier version was known by: its second, amount and note.
    static QString identityOf(const QVariant& payment);
    // The id of the `position`-th payment (from 0) of that identity in a list.
    static QString derivedPaymentID(const QString& identity, int position);
    static bool isDerivedPaymentID(const QString& paymentID);
    // The name of a payment's receipt copy (a file named by an id), which is
    // the same on every computer; "" for no receipt or any other path.
    static QString receiptName(const QString& receipt);

    // Whether two values are the same as stored: numbers by value, dates to
    // the second, lists and dictionaries element by element.
    static bool sameValue(const QVariant& first, const QVariant& second);
    // Amounts read back within half a cent of what is stored are what is
    // stored: a rounded display, or a sum added in another order.
    static bool sameAmount(const QVariant& first, const QVariant& second);
    static constexpr double HalfACent = 0.005;

private:
    static bool isStampedField(const QString& key);
    // The totals follow the payments while there are any: worked out from
    // them, they are no change of their own and get no stamp of their own.
    static bool followsPayments(const QString& key, const QVariantMap& record);
    // A field of `record` that must carry a stamp of its own.
    static bool needsStamp(const QString& key, const QVariantMap& record);
    static QStringList fieldKeys(const QVariantMap& record);
    static QString stampOf(const QVariantMap& record, const QString& key);
    static QString contentStamp(const QVariantMap& record);
    // What a deletion of the record sees, with what earlier deletions saw.
    static QVariantMap seenBy(const QVariantMap& record);
    static QVariantMap laterOfEach(const QVariantMap& first, const QVariantMap& second);
    static QString paymentStamp(const QVariantMap& payment);
    static QByteArray fingerprint(const QVariant& value);
    // fingerprint(first) > fingerprint(second), without working them out
    // for two identical values.
    static bool fingerprintAbove(const QVariant& first, const QVariant& second);
    static void mergeFields(const QVariantMap& first, const QVariantMap& second, QVariantMap& result);
    static void mergePayments(const QVariantMap& first, const QVariantMap& second, QVariantMap& result);
    static QVariantMap paymentsByID(const QVariantMap& record, bool comparable = false);
    static QVariantMap comparablePayment(QVariantMap payment);
    // What the payments logged after `setAt` took off the balance.
    static double takenOffAfter(const QVariantMap& record, const QString& setAt);
    // What the payments logged by `setAt` and removed after it give back.
    static double givenBackAfter(const QVariantMap& record, const QString& setAt);
    static bool samePaymentContent(const QVariantMap& first, const QVariantMap& second);
    static bool isTakenOver(const QVariantMap& record);
    static void inCanonicalOrder(QVariantMap& record);
    static QString legacyStampOf(const QVariantMap& record);
    // When a payment of an older layout, without a stamp of its own, was logged.
    static QString loggedStampOfOlderPayment(const QVariantMap& payment);
};
