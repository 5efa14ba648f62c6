#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "store/BWStoreEnvironment.h"

class BWBillIndex;
class HybridLogicalClock;

// The writer of bill records: the only code that writes bill files and moves
// bill ids between the lists of the index. It stores an edited item built from
// its properties, rewrites a changed record, stores single keys, deletes,
// archives and restores items, and after every write renews the item's
// reminders and hands the record to the cloud channels.
//
// A BWBill is made for each use. The properties are filled by the caller
// before writeBill(); every other operation takes a record or an id and
// ignores them.
//
// Every write returns true only when everything it had to write was written.
// When a bill file or the index cannot be written, the steps that depend on it
// (index update, reminders, cloud hand-off) do not run. An id that is not a
// valid bill id is refused, since it would name a file.
//
// Due dates: a loaded record's DueDate may have been moved off a weekend,
// holiday or vacation for display; its AbsoluteDueDate holds the real one.
// Writes store AbsoluteDueDate as DueDate whenever a record carries it, so a
// caller that moves the due date of a loaded record uses setDueDateOfRecord().
class BWBill
{
public:
    explicit BWBill(const BWStoreEnvironment& env);

    // ---- Properties: one per stored key; unset ones are left out of the record ----
    // Amounts and other money-like numbers keep the form their writer gave
    // them (the integer 0 of a new item, a real once computed), so they are
    // held as numbers in a QVariant; an invalid QVariant is unset.
    std::optional<QString> name;
    std::optional<QString> icon;
    std::optional<QDateTime> dueDate;
    std::optional<QVariantList> repeat;        // [count, unit]
    QVariant average;
    std::optional<QDateTime> lastPayment;
    QVariant totalPaid;
    std::optional<bool> remindMe;
    std::optional<QString> paySite;
    std::optional<QVariantList> paymentList;
    std::optional<QString> bid;
    std::optional<qlonglong> reminderDays;
    QVariant balance;
    QVariant amount;
    std::optional<qlonglong> payType;
    QVariant interest;
    std::optional<QString> notes;
    std::optional<QStringList> tags;
    QVariant rev;
    std::optional<qlonglong> amountVaries;     // 0 or 1
    std::optional<bool> isArchived;
    std::optional<bool> isIncome;
    std::optional<QDateTime> modificationDate; // carried by no record
    // Kept from the stored record by an edit that does not show them.
    std::optional<QDateTime> dueDateBeforeArchive;
    std::optional<bool> remindMeBeforeArchive;
    std::optional<qlonglong> dueDayOfMonth;
    // Every other stored key of the record being rebuilt (those of sync, of
    // newer versions), kept as it is: a property set above takes precedence.
    QVariantMap otherStoredKeys;
    // The keys the properties above stand for.
    static const QStringList& propertyKeys();

    // ---- Writing items ----
    // A change made on this computer is stamped where it differs from the
    // stored record (BWBillMerge::changed): each field, payment and removal,
    // and Balance when the caller changed it (a balance the user set). A
    // write that changes nothing stores nothing, stamps nothing and sends
    // nothing. A copy from another computer is merged with the stored one.

    // Stores the properties as a new or changed item; `existingBill` is true
    // when the item already has a file.
    bool writeBill(bool existingBill);
    // Merges a copy that came from Firebase into the stored one
    // (storeIncomingCopy); `existingBill` is not used.
    bool writeBillFromFirebase(const QVariantMap& record, bool existingBill);
    // The full write: the bill file, its id in ActiveBills (and out of
    // ArchivedBills), reminders, the tag list and the cloud hand-off
    // (Firebase only with `updateFirebase`).
    bool finishWritingBillWithDictionary(QVariantMap record, bool existingBill, bool updateFirebase);

    // Rewrites a changed record; index and tag list are not touched (unless
    // the change brings back a bill deleted meanwhile).
    bool rewriteSpecificBill(const QVariantMap& record);
    // Merges a copy that came from the cloud database (storeIncomingCopy).
    bool rewriteSpecificBillWithoutUpdatingiCloud(const QVariantMap& record);
    // A change of this computer, handed to the channels chosen.
    bool rewriteBill(const QVariantMap& record, bool updateiCloud, bool updateFirebase = true);

    // Where a copy from another computer came from: it is handed on to the
    // other channels, never back.
    enum class CopySource { CloudDatabase, Firebase };
    // Merges the copy into the stored bill (BWBillMerge) and stores the
    // merge when it holds anything the stored one lacks: written, listed as
    // deleted or as active by the deletion rule, with its reminders, and
    // handed on. `written` tells whether anything was stored.
    bool storeIncomingCopy(const QVariantMap& incoming, CopySource source, bool* written = nullptr);
    // The stored record as sync merges it: taken over from an earlier
    // version's form, and deleted when the index lists it so. Nothing for a
    // bill without a readable file.
    std::optional<QVariantMap> storedCopy(const QString& billID) const;

    // Loads the bill, sets the keys and rewrites it (a key named twice takes
    // its first value). No caller in the program; saveSpecificKeys() with one.
    bool saveSpecificKey(const QString& key, const QVariant& value, const QString& billID);
    bool saveSpecificKeys(const QStringList& keys, const QVariantList& values, const QString& billID);

    // ---- Lists of the index ----
    // Moves the id to DeletedBills (its file stays), uploads the active and
    // deleted lists and removes the Firebase copy.
    bool deleteBillWithBid(const QString& billID);
    // Marks the item archived, due never and without reminders; its id stays
    // in ActiveBills. The due date and reminder flag it replaces stay in the
    // record (DueDateBeforeArchive, RemindMeBeforeArchive).
    bool archiveBillWithBid(const QString& billID);
    // Undoes an archive of either form, giving back the due date and the
    // reminders that archiving replaced.
    bool restoreBillWithBid(const QString& billID);
    bool moveBill(const QString& billID, const QString& fromIndex, const QString& toIndex,
                  const QString& notUsingIndex, bool disableBill);
    // Lists the bill in DeletedBills (out of the other lists), its reminders
    // removed; the channels get the lists that changed.
    bool listAsDeleted(const QString& billID);
    // Empties all three lists (before an import); also replaces an unreadable index.
    bool deleteAllBills();
    // Empties DeletedBills: the bills come back, stamped anew so that they
    // stay over their deletion on every computer.
    // No caller in the program.
    bool restoreDeletedBills();
    // After the lists were replaced wholesale (a restored backup, an erase
    // before an import) the cloud channels that are on follow. Every bill
    // `before` knew that is no longer listed is deleted (its deletion
    // stamped now) and removed from Firebase; every bill listed now has
    // every field stamped anew and is handed on, so that it stays over the
    // deletions and the older copies in the cloud. `recordsBefore` are the
    // bills as they were before the folder was replaced: no payment logged
    // or removed since is lost with them. With no channel on nothing
    // changes. False when the index or a bill could not be written.
    bool handReplacedListsToChannels(const BWBillIndex& before, const QMap<QString, QVariantMap>& recordsBefore = {});
    // The stored records of the bills, as storedCopy() reads them.
    QMap<QString, QVariantMap> storedCopies(const QStringList& billIDs) const;
    // Stores an index that the sync engines merged, then sends the list named
    // by `updatingKey` ("activebills", "deletedbills", "archivedbills") out again.
    bool overWriteIndexFileWithDictionary(const QVariantMap& index, const QString& updatingKey);
    // A string literal would silently pick the flag overload below.
    bool overWriteIndexFileWithDictionary(const QVariantMap& index, const char* updatingKey) = delete;
    // Stores an index; with the flag, sends its active and deleted lists out.
    bool overWriteIndexFileWithDictionary(const QVariantMap& index, bool updatingAllKeys);

    // ---- Cloud hand-off (each channel while its defaults flag is on) ----
    bool anyCloudChannelIsOn() const;
    void uploadBillToiCloudWithBid(const QString& billID, const QVariantMap& record);
    void uploadActiveBillsToiCloud(const QStringList& billIDs);
    void uploadDeletedBillsToiCloud(const QStringList& billIDs);
    // While an account is signed in; each removal leaves a tombstone there.
    void removeBillsFromFirebase(const QStringList& billIDs);
    void uploadArchivedBillsToiCloud(const QStringList& billIDs);

    // ---- Reminders ----
    void disableBillRemindersWithBillId(const QString& billID);
    // No caller in the program; BWReminderScheduling::snoozeReminderForBill().
    void snoozeReminderForBillID(const QString& billID, const QDateTime& fireDate, int snoozeType);

    // ---- Records and conversions ----
    // The record of the set properties, with DateWasModified 0.
    QVariantMap convertBillToDictionary() const;
    // A copy in Firebase form: DueDate, LastPayment, SyncModificationDate
    // (and DueDateBeforeArchive, where there is one), and each payment's Date
    // (and DueDateBeforePayment, where it has one) as
    // seconds since 1970 (a missing date is 0), and Amount 0 in a payment
    // that has none.
    static QVariantMap convertDatesToNumbersWithDictionary(const QVariantMap& record);
    // The copy a sync channel's node holds: as stored (no display keys, the
    // real due date), its dates as above, and no date the record lacks.
    static QVariantMap firebaseFormOf(const QVariantMap& record);
    // The reverse; a missing number reads as 1 January 1970.
    static QVariantMap convertNumbersToDatesWithDictionary(const QVariantMap& firebaseRecord);
    // Sets the due date of a loaded record together with the unshifted date
    // that writes store.
    static void setDueDateOfRecord(QVariantMap& record, const QDateTime& dueDate);

    // A payment address with a scheme: "http://" goes in front of a non-empty
    // text that does not begin with one ("https:", "ftp:", "mailto:", any case).
    static QString getCorrectedPaymentURL(const QString& address);
    // Older icon names mapped to current ones; other names pass unchanged.
    static QString convertIconName(const QString& iconName);
    // Icon file of the oldest numbered form; empty for an unknown number.
    static QString getIconFromInteger(qlonglong number);

    // ---- Repeat choices ----
    // The stored Repeat pair [count, unit] for the editor's repeat index, the
    // count typed for a custom choice and the custom-unit index; an empty list
    // for an unknown repeat index.
    static QVariantList calculateRepeatValuesWithRepeatSelector(int repeatSelector, qlonglong customNumber,
                                                                int customSelector);

private:
    QDateTime now() const;
    QString dataFolder() const;
    QString billFilePath(const QString& folder, const QString& billID) const;
    bool acceptsBillID(const QString& billID, const char* operation) const;
    bool writeRecordFile(const QString& billID, const QVariantMap& record) const;
    std::optional<QVariantMap> loadRecord(const QString& billID) const;
    void renewReminders(const QString& billID, const QString& billName, const QVariantMap& record,
                        bool remind) const;
    void sendToFirebase(const QVariantMap& record, const QString& billID) const;
    static void keepWhatArchivingReplaces(QVariantMap& record);
    static void giveBackWhatArchivingReplaced(QVariantMap& record);
    bool addToActiveBills(const QString& billID, QStringList* activeBills) const;
    // Lists the bill in ActiveBills (out of the other lists); the channels
    // get the lists that changed.
    bool listAsLive(const QString& billID);
    bool deleteUnknownBill(const QString& billID);
    // Whether the index lists the bill as active or archived.
    bool isListed(const QString& billID) const;
    // A change of this computer; `written` tells whether it changed anything.
    bool storeLocalChange(const QVariantMap& record, bool updateiCloud, bool updateFirebase, bool* written);
    // Writes the bill brought back (every field stamped now, merged with
    // `earlier` when given) and hands it on.
    bool bringBack(const QString& billID, const std::optional<QVariantMap>& earlier = std::nullopt);
    // ---- Stamps ----
    std::optional<QVariantMap> stampedChange(const std::optional<QVariantMap>& stored, const QVariantMap& record) const;
    // A stamp later than every one of `stored` and every one seen here.
    QString nextStamp(const std::optional<QVariantMap>& stored) const;
    HybridLogicalClock& stampClock() const;
    // Writes `index` as the data folder's index; the saved file, or nothing
    // when there is no data folder or the write failed.
    enum IndexSaving { KeepDamagedIndex, ReplaceDamagedIndex };
    // Saves the index and announces it to the store's observer.
    bool saveIndex(BWBillIndex& index, IndexSaving saving = KeepDamagedIndex) const;
    std::optional<BWBillIndex> storeIndex(const QVariantMap& index) const;
    bool defaultsFlag(const QString& key) const;
    void sendListToKeyValueStore(const QString& cloudKey, const QStringList& billIDs, const QString& logLine) const;

    BWStoreEnvironment m_env;
};
