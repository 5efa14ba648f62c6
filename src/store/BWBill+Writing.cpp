// Writing and rewriting bill files.
#include "store/BWBill.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
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
    for (const QString& key : BillKeys::DisplayKeys)
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

bool BWBill::writeBillFromFirebase(const QVariantMap& record, bool)
{
    return storeIncomingCopy(record, CopySource::Firebase);
}

bool BWBill::finishWritingBillWithDictionary(QVariantMap record, bool existingBill, bool updateFirebase)
{
    if (!bid)
        bid = record.value(BillKeys::Bid).toString();
    if (!name)
        name = record.value(BillKeys::Name).toString();
    if (!tags)
        tags = stringsOf(record.value(BillKeys::Tags));
    if (!acceptsBillID(*bid, "Writing bill"))
        return false;
    record.insert(BillKeys::Bid, *bid);

    const std::optional<QVariantMap> stored = storedCopy(*bid);
    const std::optional<QVariantMap> changed = stampedChange(stored, record);
    if (!changed) {
        // Nothing to store; the item is listed all the same.
        return addToActiveBills(*bid, nullptr);
    }
    if (!writeRecordFile(*bid, *changed))
        return false;
    // Only a new item sends the list out, so only it needs the list.
    QStringList activeBills;
    if (!addToActiveBills(*bid, existingBill ? nullptr : &activeBills))
        return false;
    if (stored && BWBillMerge::isDeleted(*stored) && !listAsLive(*bid))
        return false;

    renewReminders(*bid, *name, *changed, changed->value(BillKeys::RemindMe).toBool());
    const bool tagsSaved = BWTagList(m_env).saveListOfTagsWithTags(*tags);
    uploadBillToiCloudWithBid(*bid, *changed);
    if (updateFirebase)
        sendToFirebase(*changed, *bid);
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
    return storeIncomingCopy(record, CopySource::CloudDatabase);
}

bool BWBill::rewriteBill(const QVariantMap& record, bool updateiCloud, bool updateFirebase)
{
    bool written = false;
    return storeLocalChange(record, updateiCloud, updateFirebase, &written);
}

bool BWBill::storeLocalChange(const QVariantMap& record, bool updateiCloud, bool updateFirebase, bool* written)
{
    *written = false;
    const QString billID = record.value(BillKeys::Bid).toString();
    if (!acceptsBillID(billID, "Rewriting bill"))
        return false;
    const std::optional<QVariantMap> stored = storedCopy(billID);
    const std::optional<QVariantMap> changed = stampedChange(stored, record);
    if (!changed)
        return true;
    *written = true;
    if (!writeRecordFile(billID, *changed))
        return false;
    // A change to a bill that was deleted meanwhile (elsewhere) brings it back.
    if (stored && BWBillMerge::isDeleted(*stored) && !listAsLive(billID))
        return false;
    renewReminders(billID, changed->value(BillKeys::Name).toString(), *changed,
                   changed->value(BillKeys::RemindMe).toBool());
    if (updateiCloud)
        uploadBillToiCloudWithBid(billID, *changed);
    if (updateFirebase)
        sendToFirebase(*changed, billID);
    return true;
}

std::optional<QVariantMap> BWBill::stampedChange(const std::optional<QVariantMap>& stored,
                                                 const QVariantMap& record) const
{
    QString stamp;
    std::optional<QVariantMap> changed = BWBillMerge::changed(stored.value_or(QVariantMap()), storedForm(record),
                                                              [&] { return stamp = nextStamp(stored); });
    if (!changed) {
        Log::line(QStringLiteral("Bill %1 is unchanged; nothing written").arg(record.value(BillKeys::Bid).toString()));
        return changed;
    }
    // What this computer stamped while its clock was far ahead goes out
    // again with this change's stamp, so that the others take it.
    return BWBillMerge::restampedAfter(*changed, HybridLogicalClock::boundFor(now()), stamp);
}

QString BWBill::nextStamp(const std::optional<QVariantMap>& stored) const
{
    HybridLogicalClock& stamps = stampClock();
    if (stored)
        stamps.observe(BWBillMerge::latestStampUpTo(*stored, HybridLogicalClock::boundFor(now())), now());
    return stamps.next(now());
}

HybridLogicalClock& BWBill::stampClock() const
{
    if (m_env.stamps)
        return *m_env.stamps;
    static HybridLogicalClock ofThisProcess(BWUIDMaker::makeUID());
    return ofThisProcess;
}

bool BWBill::isListed(const QString& billID) const
{
    const BWBillIndex index(dataFolder());
    return index.contains(IndexKeys::ActiveBills, billID) || index.contains(IndexKeys::ArchivedBills, billID);
}

std::optional<QVariantMap> BWBill::storedCopy(const QString& billID) const
{
    const QString folder = dataFolder();
    if (folder.isEmpty() || !BWUIDMaker::isValidUID(billID))
        return std::nullopt;
    const PropertyList::ReadResult file = PropertyList::read(billFilePath(folder, billID));
    if (!file.ok() || file.value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return BWBillMerge::storedCopyOf(file.value.toMap(),
                                     BWBillIndex(folder).contains(IndexKeys::DeletedBills, billID));
}

bool BWBill::storeIncomingCopy(const QVariantMap& incoming, CopySource source, bool* written)
{
    if (written)
        *written = false;
    const QString billID = incoming.value(BillKeys::Bid).toString();
    if (!acceptsBillID(billID, "Storing a copy from another computer"))
        return false;
    const std::optional<QVariantMap> stored = storedCopy(billID);
    // What a clock more than a day ahead stamped waits where it came from.
    const QVariantMap copy = BWBillMerge::withoutStampsAfter(storedForm(incoming), HybridLogicalClock::boundFor(now()));
    // The deletion of a bill this computer never had, unless a list names
    // it: then its tombstone is the file the id needs.
    if (!stored && BWBillMerge::isDeleted(copy) && !isListed(billID)
        && !BWBillIndex(dataFolder()).contains(IndexKeys::DeletedBills, billID))
        return true;
    const QVariantMap merged = BWBillMerge::merged(stored.value_or(copy), copy);
    stampClock().observe(BWBillMerge::latestStampUpTo(merged, HybridLogicalClock::boundFor(now())), now());
    if (stored && BWBillMerge::sameState(merged, *stored))
        return true;
    if (!writeRecordFile(billID, merged))
        return false;
    if (written)
        *written = true;

    const bool deleted = BWBillMerge::isDeleted(merged);
    bool listed = true;
    if (deleted) {
        listed = listAsDeleted(billID);
    } else {
        listed = listAsLive(billID);
        renewReminders(billID, merged.value(BillKeys::Name).toString(), merged,
                       merged.value(BillKeys::RemindMe).toBool());
        // The shell rebuilds the tag list after a change from the cloud
        // database; one from Firebase brings its tags in here.
        if (source == CopySource::Firebase)
            BWTagList(m_env).saveListOfTagsWithTags(stringsOf(merged.value(BillKeys::Tags)));
    }
    // On to the other channels, never back to the one it came from.
    if (source != CopySource::CloudDatabase)
        uploadBillToiCloudWithBid(billID, merged);
    if (source != CopySource::Firebase) {
        if (deleted)
            removeBillsFromFirebase({billID});
        else
            sendToFirebase(merged, billID);
    }
    return listed;
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
    bool written = false;
    if (!storeLocalChange(*record, true, true, &written))
        return false;
    // Out of the older archive list it wants its reminders again, changed or not.
    if (!written)
        renewReminders(billID, record->value(BillKeys::Name).toString(), *record,
                       record->value(BillKeys::RemindMe).toBool());
    return true;
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
    m_env.cloud->saveBillToFirebase(firebaseFormOf(record), billID);
}

QVariantMap BWBill::firebaseFormOf(const QVariantMap& record)
{
    const QVariantMap stored = storedForm(record);
    QVariantMap node = convertDatesToNumbersWithDictionary(stored);
    // A date the bill lacks stays out, so that it does not come back as 1970.
    for (const QString& key : {BillKeys::DueDate, BillKeys::LastPayment, BillKeys::SyncModificationDate}) {
        if (!stored.contains(key))
            node.remove(key);
    }
    return node;
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
