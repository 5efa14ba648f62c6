// Writing and rewriting bill files.
#include "store/BWBill.h"

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWCloudChannels.h"
#include "store/BWReminderScheduling.h"
#include "store/BWStoreObserver.h"
#include "store/BWTagList.h"

namespace {

// What a record looks like on disk: the real (unshifted) due date, and none
// of the keys that loading adds for display.
QVariantMap storedForm(QVariantMap record)
{
    const QVariant absoluteDueDate = record.value(BillKeys::AbsoluteDueDate);
    if (absoluteDueDate.typeId() == QMetaType::QDateTime)
        record.insert(BillKeys::DueDate, absoluteDueDate);
    for (const QString& key : {BillKeys::AbsoluteDueDate, BillKeys::DateWasModified, BillKeys::HumanRepeat,
                               BillKeys::HumanDueDate, BillKeys::SortableDueDate, BillKeys::DueIcon,
                               BillKeys::DueString, BillKeys::SortableLastPaid, BillKeys::HasBeenDuplicated})
        record.remove(key);
    return record;
}

QStringList stringsOf(const QVariant& list)
{
    QStringList strings;
    for (const QVariant& item : list.toList()) {
        if (item.typeId() == QMetaType::QString)
            strings.append(item.toString());
    }
    return strings;
}

}  // namespace

bool BWBill::writeBill(bool existingBill)
{
    if (!amountVaries)
        amountVaries = 0;
    if (!isArchived)
        isArchived = false;
    if (!isIncome)
        isIncome = false;
    return finishWritingBillWithDictionary(convertBillToDictionary(), existingBill, true);
}

bool BWBill::writeBillFromFirebase(const QVariantMap& record, bool existingBill)
{
    // A fresh writer, so that the id, name, tags and reminder flag all come
    // from the incoming record.
    BWBill fresh(m_env);
    fresh.m_keepsIncomingSyncStamp = true;
    return fresh.finishWritingBillWithDictionary(record, existingBill, false);
}

bool BWBill::finishWritingBillWithDictionary(QVariantMap record, bool existingBill, bool updateFirebase)
{
    if (!bid)
        bid = record.value(BillKeys::Bid).toString();
    if (!name)
        name = record.value(BillKeys::Name).toString();
    if (!tags)
        tags = stringsOf(record.value(BillKeys::Tags));
    if (!remindMe)
        remindMe = record.value(BillKeys::RemindMe).toBool();
    if (!acceptsBillID(*bid, "Writing bill"))
        return false;

    record = storedForm(record);
    const QDateTime moment = now();
    // A copy from another device keeps the moment it was made at: stamped
    // now, it would look newer than itself to the other channels, which
    // would send it back.
    const QDateTime incomingStamp = record.value(BillKeys::SyncModificationDate).toDateTime();
    record.insert(BillKeys::SyncModificationDate,
                  m_keepsIncomingSyncStamp && incomingStamp.isValid() ? incomingStamp : moment);
    if (updateFirebase)
        record.insert(BillKeys::ModificationDateForFirebase, moment.toMSecsSinceEpoch() / 1000.0);

    if (!writeRecordFile(*bid, record))
        return false;
    // Only a new item sends the list out, so only it needs the list.
    QStringList activeBills;
    if (!addToActiveBills(*bid, existingBill ? nullptr : &activeBills))
        return false;

    renewReminders(*bid, *name, record, *remindMe);
    const bool tagsSaved = BWTagList(m_env).saveListOfTagsWithTags(*tags);
    uploadBillToiCloudWithBid(*bid, record);
    if (updateFirebase)
        sendToFirebase(record, *bid);
    if (!existingBill)
        uploadActiveBillsToiCloud(activeBills);
    return tagsSaved;
}

bool BWBill::rewriteSpecificBill(const QVariantMap& record)
{
    return rewriteBill(record, true, true);
}

bool BWBill::rewriteSpecificBillWithoutUpdatingiCloud(const QVariantMap& record)
{
    return rewriteBill(record, false, true);
}

bool BWBill::rewriteBill(const QVariantMap& record, bool updateiCloud, bool updateFirebase)
{
    const QString billID = record.value(BillKeys::Bid).toString();
    const QString billName = record.value(BillKeys::Name).toString();
    if (!acceptsBillID(billID, "Rewriting bill"))
        return false;

    QVariantMap stored = storedForm(record);
    const QDateTime moment = now();
    if (updateiCloud)
        stored.insert(BillKeys::SyncModificationDate, moment);
    if (updateFirebase)
        stored.insert(BillKeys::ModificationDateForFirebase, moment.toMSecsSinceEpoch() / 1000.0);

    if (!writeRecordFile(billID, stored))
        return false;
    renewReminders(billID, billName, stored, stored.value(BillKeys::RemindMe).toBool());
    if (updateiCloud)
        uploadBillToiCloudWithBid(billID, stored);
    if (updateFirebase)
        sendToFirebase(stored, billID);
    return true;
}

bool BWBill::saveSpecificKey(const QString& key, const QVariant& value, const QString& billID)
{
    return saveSpecificKeys({key}, {value}, billID);
}

bool BWBill::saveSpecificKeys(const QStringList& keys, const QVariantList& values, const QString& billID)
{
    if (keys.size() != values.size()) {
        Log::line(QStringLiteral("Saving keys of %1: %2 keys but %3 values; nothing saved")
                      .arg(billID).arg(keys.size()).arg(values.size()));
        return false;
    }
    if (!acceptsBillID(billID, "Saving keys"))
        return false;
    std::optional<QVariantMap> record = loadRecord(billID);
    if (!record)
        return false;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.indexOf(keys.at(i)) != i)
            continue;   // a key named again keeps the value of its first occurrence
        if (keys.at(i) == BillKeys::DueDate) {
            // A date the user sets is due on its own day from then on.
            setDueDateOfRecord(*record, values.at(i).toDateTime());
            record->remove(BillKeys::DueDayOfMonth);
        } else
            record->insert(keys.at(i), values.at(i));
    }
    record->insert(BillKeys::SyncModificationDate, now());
    return rewriteSpecificBill(*record);
}

bool BWBill::archiveBillWithBid(const QString& billID)
{
    Log::line(QStringLiteral("Archiving Bill"));
    if (!acceptsBillID(billID, "Archiving bill"))
        return false;
    std::optional<QVariantMap> record = loadRecord(billID);
    if (!record)
        return false;
    keepWhatArchivingReplaces(*record);
    record->insert(BillKeys::RemindMe, false);
    record->insert(BillKeys::IsArchived, true);
    setDueDateOfRecord(*record, PropertyList::distantFuture());
    return rewriteSpecificBill(*record);
}

bool BWBill::restoreBillWithBid(const QString& billID)
{
    if (!moveBill(billID, IndexKeys::ArchivedBills, IndexKeys::ActiveBills, IndexKeys::DeletedBills, false))
        return false;
    Log::line(QStringLiteral("Restoring Bill"));
    std::optional<QVariantMap> record = loadRecord(billID);
    if (!record)
        return false;
    giveBackWhatArchivingReplaced(*record);
    record->insert(BillKeys::IsArchived, false);
    return rewriteSpecificBill(*record);
}

// An item archived already keeps what it had before its first archive: its
// due date and reminder flag are archiving's own by now.
void BWBill::keepWhatArchivingReplaces(QVariantMap& record)
{
    if (record.value(BillKeys::IsArchived).toBool())
        return;
    record.insert(BillKeys::RemindMeBeforeArchive, record.value(BillKeys::RemindMe).toBool());
    const QDateTime dueDate = record.value(BillKeys::AbsoluteDueDate, record.value(BillKeys::DueDate)).toDateTime();
    if (dueDate.isValid() && dueDate != PropertyList::distantFuture())
        record.insert(BillKeys::DueDateBeforeArchive, dueDate.toUTC());
    else
        record.remove(BillKeys::DueDateBeforeArchive);
}

// A due date the user set while the item was archived stands; so do
// reminders the user turned on.
void BWBill::giveBackWhatArchivingReplaced(QVariantMap& record)
{
    const QDateTime dueDate = record.value(BillKeys::DueDateBeforeArchive).toDateTime();
    const QDateTime current = record.value(BillKeys::AbsoluteDueDate, record.value(BillKeys::DueDate)).toDateTime();
    if (record.value(BillKeys::IsArchived).toBool()) {
        if (dueDate.isValid() && current == PropertyList::distantFuture())
            setDueDateOfRecord(record, dueDate);
        if (record.value(BillKeys::RemindMeBeforeArchive).toBool())
            record.insert(BillKeys::RemindMe, true);
    }
    record.remove(BillKeys::DueDateBeforeArchive);
    record.remove(BillKeys::RemindMeBeforeArchive);
}

bool BWBill::writeRecordFile(const QString& billID, const QVariantMap& record) const
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    QString error;
    const bool written = PropertyList::write(billFilePath(folder, billID), record, &error);
    Log::line(QStringLiteral("Wrote File = %1").arg(written ? 1 : 0));
    if (!written) {
        Log::line(QStringLiteral("Could not write bill %1: %2").arg(billID, error));
        return false;
    }
    // The id, not the record: the log is no place for the user's payments, and
    // serializing the record a second time would double the cost of a write.
    Log::line(QStringLiteral("Wrote File %1").arg(billID));
    if (m_env.observer)
        m_env.observer->billSaved(billID);
    return true;
}

// Puts the id into ActiveBills (and takes it out of the older archive list),
// creating the index when there is none; `activeBills`, when given, receives
// the list.
bool BWBill::addToActiveBills(const QString& billID, QStringList* activeBills) const
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    BWBillIndex index(folder);
    // A changed item that is listed already leaves the index as it is.
    if (index.fileExists() && index.contains(IndexKeys::ActiveBills, billID)
        && !index.contains(IndexKeys::ArchivedBills, billID)) {
        if (activeBills)
            *activeBills = index.ids(IndexKeys::ActiveBills);
        return true;
    }
    QStringList active = index.ids(IndexKeys::ActiveBills);
    QStringList archived = index.ids(IndexKeys::ArchivedBills);
    archived.removeAll(billID);
    if (!active.contains(billID))
        active.append(billID);
    index.setIds(IndexKeys::ActiveBills, active);
    index.setIds(IndexKeys::ArchivedBills, archived);
    if (!index.fileExists())
        index.setIds(IndexKeys::DeletedBills, {});
    if (activeBills)
        *activeBills = active;
    return saveIndex(index);
}

void BWBill::renewReminders(const QString& billID, const QString& billName, const QVariantMap& record,
                            bool remind) const
{
    if (!m_env.reminders)
        return;
    m_env.reminders->removeRemindersForBill(billID, billName);
    if (remind)
        m_env.reminders->createOrvaneReminderForBill(record);
}

void BWBill::sendToFirebase(const QVariantMap& record, const QString& billID) const
{
    if (!m_env.cloud || m_env.cloud->userUID().isEmpty())
        return;
    m_env.cloud->saveBillToFirebase(convertDatesToNumbersWithDictionary(record), billID);
}

void BWBill::disableBillRemindersWithBillId(const QString& billID)
{
    if (!m_env.reminders || !acceptsBillID(billID, "Removing reminders"))
        return;
    // A bill that cannot be loaded still loses the notifications that carry its id.
    const std::optional<QVariantMap> record = loadRecord(billID);
    m_env.reminders->removeRemindersForBill(billID, record ? record->value(BillKeys::Name).toString() : QString());
}

void BWBill::snoozeReminderForBillID(const QString& billID, const QDateTime& fireDate, int snoozeType)
{
    if (!m_env.reminders || !acceptsBillID(billID, "Snoozing reminder"))
        return;
    if (const std::optional<QVariantMap> record = loadRecord(billID))
        m_env.reminders->snoozeReminderForBill(*record, fireDate, snoozeType);
}
