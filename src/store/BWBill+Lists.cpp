// Moving bill ids between the lists of the index, and handing records and
// lists to the cloud channels.
#include "store/BWBill.h"
#include "store/BWDefaultsKeys.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWCloudChannels.h"
#include "store/BWStoreObserver.h"

#include <QSet>

namespace {

QString describe(const QVariantMap& index)
{
    return QString::fromUtf8(PropertyList::serialize(index));
}

// The index of `folder`, when there is a folder and its index can be read:
// lists are never rewritten over a damaged index.
std::optional<BWBillIndex> readableIndex(const QString& folder)
{
    if (folder.isEmpty())
        return std::nullopt;
    BWBillIndex index(folder);
    if (index.isDamaged())
        return std::nullopt;
    return index;
}

void setLists(BWBillIndex& index, const QStringList& active, const QStringList& archived, const QStringList& deleted)
{
    index.setIds(IndexKeys::ActiveBills, active);
    index.setIds(IndexKeys::ArchivedBills, archived);
    index.setIds(IndexKeys::DeletedBills, deleted);
}

}  // namespace

bool BWBill::moveBill(const QString& billID, const QString& fromIndex, const QString& toIndex,
                      const QString& notUsingIndex, bool disableBill)
{
    if (!acceptsBillID(billID, "Moving bill"))
        return false;
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    BWBillIndex index(folder);
    QStringList source = index.ids(fromIndex);
    source.removeAll(billID);
    QStringList target = index.ids(toIndex);
    const bool added = !target.contains(billID);
    if (added)
        target.append(billID);
    index.setIds(fromIndex, source);
    index.setIds(toIndex, target);
    index.setIds(notUsingIndex, index.ids(notUsingIndex));
    if (!saveIndex(index))
        return false;

    if (disableBill)
        disableBillRemindersWithBillId(billID);
    if (added && toIndex == IndexKeys::ActiveBills)
        uploadActiveBillsToiCloud(target);
    return true;
}

bool BWBill::deleteBillWithBid(const QString& billID)
{
    if (!acceptsBillID(billID, "Deleting bill"))
        return false;
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    // The lists are uploaded below whatever moved; an unreadable index would
    // send empty lists to every other device.
    if (BWBillIndex(folder).isDamaged())
        return false;
    // The file stays, with the deletion's stamp: the tombstone every channel
    // carries to the other computers.
    const std::optional<QVariantMap> stored = storedCopy(billID);
    const BWBillIndex index(folder);
    const bool listed = index.contains(IndexKeys::ActiveBills, billID)
                        || index.contains(IndexKeys::ArchivedBills, billID)
                        || index.contains(IndexKeys::DeletedBills, billID);
    if (!stored && !listed)
        return deleteUnknownBill(billID);
    const QString stamp = nextStamp(stored);
    const QVariantMap deleted = stored ? BWBillMerge::deleted(*stored, stamp) : BWBillMerge::tombstone(billID, stamp);
    if (!writeRecordFile(billID, deleted) || !listAsDeleted(billID))
        return false;
    uploadBillToiCloudWithBid(billID, deleted);
    removeBillsFromFirebase({billID});
    return true;
}

// A bill known here by nothing but its id (a view older than the data)
// changes nothing here; the channels hear of it all the same.
bool BWBill::deleteUnknownBill(const QString& billID)
{
    // Without any index there are no lists to send; empty ones would clear
    // the lists of every other device.
    const BWBillIndex index(dataFolder());
    if (index.fileExists()) {
        uploadActiveBillsToiCloud(index.ids(IndexKeys::ActiveBills));
        uploadDeletedBillsToiCloud(index.ids(IndexKeys::DeletedBills));
    }
    removeBillsFromFirebase({billID});
    if (m_env.observer)
        m_env.observer->billDeleted(billID);
    return true;
}

bool BWBill::listAsDeleted(const QString& billID)
{
    std::optional<BWBillIndex> readable = readableIndex(dataFolder());
    if (!readable)
        return false;
    BWBillIndex& index = *readable;
    const bool wasListed
        = index.contains(IndexKeys::ActiveBills, billID) || index.contains(IndexKeys::ArchivedBills, billID);
    if (wasListed || !index.contains(IndexKeys::DeletedBills, billID)) {
        QStringList active = index.ids(IndexKeys::ActiveBills), archived = index.ids(IndexKeys::ArchivedBills),
                    deleted = index.ids(IndexKeys::DeletedBills);
        active.removeAll(billID);
        archived.removeAll(billID);
        if (!deleted.contains(billID))
            deleted.append(billID);
        setLists(index, active, archived, deleted);
        if (!saveIndex(index))
            return false;
        uploadActiveBillsToiCloud(active);
        uploadDeletedBillsToiCloud(deleted);
    }
    if (wasListed)
        disableBillRemindersWithBillId(billID);
    if (m_env.observer)
        m_env.observer->billDeleted(billID);
    return true;
}

bool BWBill::listAsLive(const QString& billID)
{
    std::optional<BWBillIndex> readable = readableIndex(dataFolder());
    if (!readable)
        return false;
    BWBillIndex& index = *readable;
    // Most bills written are listed as live already: the lists of thousands
    // of ids are then not copied.
    if (index.fileExists() && index.contains(IndexKeys::ActiveBills, billID)
        && !index.contains(IndexKeys::DeletedBills, billID))
        return true;
    QStringList active = index.ids(IndexKeys::ActiveBills), archived = index.ids(IndexKeys::ArchivedBills),
                deleted = index.ids(IndexKeys::DeletedBills);
    const bool wasDeleted = deleted.removeAll(billID) > 0;
    archived.removeAll(billID);
    if (!active.contains(billID))
        active.append(billID);
    setLists(index, active, archived, deleted);
    if (!saveIndex(index))
        return false;
    uploadActiveBillsToiCloud(active);
    if (wasDeleted)
        uploadDeletedBillsToiCloud(deleted);
    return true;
}

bool BWBill::bringBack(const QString& billID, const std::optional<QVariantMap>& earlier)
{
    const std::optional<QVariantMap> stored = storedCopy(billID);
    if (!stored)
        return false;
    if (earlier)
        stampClock().observe(BWBillMerge::latestStampUpTo(*earlier, HybridLogicalClock::boundFor(now())), now());
    QVariantMap back = BWBillMerge::broughtBack(*stored, nextStamp(stored));
    if (earlier)
        back = BWBillMerge::merged(*earlier, back);
    if (!writeRecordFile(billID, back))
        return false;
    renewReminders(billID, back.value(BillKeys::Name).toString(), back, back.value(BillKeys::RemindMe).toBool());
    uploadBillToiCloudWithBid(billID, back);
    sendToFirebase(back, billID);
    return true;
}

QMap<QString, QVariantMap> BWBill::storedCopies(const QStringList& billIDs) const
{
    QMap<QString, QVariantMap> records;
    for (const QString& billID : billIDs) {
        if (const std::optional<QVariantMap> stored = storedCopy(billID))
            records.insert(billID, *stored);
    }
    return records;
}

bool BWBill::deleteAllBills()
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    BWBillIndex index(folder);
    index.setDictionary({{IndexKeys::ActiveBills, QVariantList()},
                         {IndexKeys::ArchivedBills, QVariantList()},
                         {IndexKeys::DeletedBills, QVariantList()}});
    return saveIndex(index, ReplaceDamagedIndex);
}

bool BWBill::restoreDeletedBills()
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    BWBillIndex index(folder);
    Log::line(QStringLiteral("Original Index: %1").arg(describe(index.dictionary())));
    const QStringList deleted = index.ids(IndexKeys::DeletedBills);
    index.setIds(IndexKeys::ActiveBills, index.ids(IndexKeys::ActiveBills));
    index.setIds(IndexKeys::ArchivedBills, index.ids(IndexKeys::ArchivedBills));
    index.setIds(IndexKeys::DeletedBills, {});
    Log::line(QStringLiteral("Index after Purging Deleted Bills: %1").arg(describe(index.dictionary())));
    // Stamped before the index no longer lists them as deleted, so that
    // those deleted before deletions had stamps come back over that too.
    QList<QVariantMap> back;
    for (const QString& billID : deleted) {
        if (const std::optional<QVariantMap> stored
            = BWUIDMaker::isValidUID(billID) ? storedCopy(billID) : std::nullopt)
            back.append(BWBillMerge::broughtBack(*stored, nextStamp(stored)));
    }
    if (!saveIndex(index))
        return false;
    bool written = true;
    for (const QVariantMap& record : std::as_const(back)) {
        const QString billID = record.value(BillKeys::Bid).toString();
        if (!writeRecordFile(billID, record)) {
            written = false;
            continue;
        }
        uploadBillToiCloudWithBid(billID, record);
        sendToFirebase(record, billID);
    }
    return written;
}

bool BWBill::handReplacedListsToChannels(const BWBillIndex& before, const QMap<QString, QVariantMap>& recordsBefore)
{
    // Without sync the lists stay exactly as replaced.
    if (!anyCloudChannelIsOn())
        return true;
    std::optional<BWBillIndex> readable = readableIndex(dataFolder());
    if (!readable)
        return false;
    BWBillIndex& index = *readable;
    const QStringList active = index.ids(IndexKeys::ActiveBills);
    const QStringList listed = active + index.ids(IndexKeys::ArchivedBills);
    QStringList deleted = index.ids(IndexKeys::DeletedBills);
    QStringList removed;  // listed before, not listed now
    for (const QString& list : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
        for (const QString& billID : before.ids(list)) {
            if (listed.contains(billID) || !BWUIDMaker::isValidUID(billID))
                continue;
            if (!deleted.contains(billID))
                deleted.append(billID);
            if (list != IndexKeys::DeletedBills && !removed.contains(billID))
                removed.append(billID);
        }
    }
    if (deleted != index.ids(IndexKeys::DeletedBills)) {
        index.setIds(IndexKeys::DeletedBills, deleted);
        if (!saveIndex(index))
            return false;
    }
    Log::line(QStringLiteral("Lists replaced: %1 bills gone, %2 listed").arg(removed.size()).arg(listed.size()));

    // What a bill held before the lists were replaced stays in it (a change,
    // a payment or a deletion made since the backup, perhaps not sent yet):
    // an older copy put back in its place never takes it away.
    bool written = true;
    QStringList deletedHere;  // for Firebase
    for (const QString& billID : std::as_const(deleted)) {
        const std::optional<QVariantMap> current = storedCopy(billID);
        const auto earlier = recordsBefore.constFind(billID);
        std::optional<QVariantMap> stored = current;
        if (earlier != recordsBefore.cend())
            stored = current ? BWBillMerge::merged(*earlier, *current) : *earlier;
        QVariantMap gone;
        if (removed.contains(billID)) {
            const QString stamp = nextStamp(stored);
            gone = stored ? BWBillMerge::deleted(*stored, stamp) : BWBillMerge::tombstone(billID, stamp);
        } else if (stored && (!current || !BWBillMerge::sameState(*stored, *current))) {
            gone = *stored;
        } else {
            continue;  // deleted before, as it is now
        }
        if (!writeRecordFile(billID, gone)) {
            written = false;
            continue;
        }
        uploadBillToiCloudWithBid(billID, gone);
        deletedHere.append(billID);
    }
    QSet<QString> done;
    for (const QString& billID : listed) {
        if (deleted.contains(billID) || done.contains(billID))
            continue;
        done.insert(billID);
        const auto earlier = recordsBefore.constFind(billID);
        if (!bringBack(billID, earlier == recordsBefore.cend() ? std::nullopt : std::optional(*earlier)))
            written = false;
    }
    uploadActiveBillsToiCloud(active);
    uploadDeletedBillsToiCloud(deleted);
    removeBillsFromFirebase(deletedHere);
    return written;
}

void BWBill::removeBillsFromFirebase(const QStringList& billIDs)
{
    if (!m_env.cloud || m_env.cloud->userUID().isEmpty())
        return;
    for (const QString& billID : billIDs)
        m_env.cloud->removeBillFromFirebase(billID);
}

bool BWBill::anyCloudChannelIsOn() const
{
    return m_env.cloud
           && (defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled2) || defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled)
               || !m_env.cloud->userUID().isEmpty());
}

bool BWBill::saveIndex(BWBillIndex& index, IndexSaving saving) const
{
    const bool saved = saving == ReplaceDamagedIndex ? index.saveReplacingDamagedFile() : index.save();
    if (saved && m_env.observer)
        m_env.observer->indexChanged();
    return saved;
}

std::optional<BWBillIndex> BWBill::storeIndex(const QVariantMap& index) const
{
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return std::nullopt;
    BWBillIndex file(folder);
    file.setDictionary(index);
    if (!saveIndex(file))
        return std::nullopt;
    return file;
}

bool BWBill::overWriteIndexFileWithDictionary(const QVariantMap& index, const QString& updatingKey)
{
    const std::optional<BWBillIndex> file = storeIndex(index);
    if (!file)
        return false;
    if (updatingKey == IndexKeys::ActiveBillsCloudKey) {
        Log::line(QStringLiteral("iCloud: Uploading active bills back to icloud"));
        uploadActiveBillsToiCloud(file->ids(IndexKeys::ActiveBills));
    } else if (updatingKey == IndexKeys::DeletedBillsCloudKey) {
        Log::line(QStringLiteral("iCloud: Uploading deleted bills back to icloud"));
        uploadDeletedBillsToiCloud(file->ids(IndexKeys::DeletedBills));
    } else if (updatingKey == IndexKeys::ArchivedBillsCloudKey) {
        Log::line(QStringLiteral("iCloud: Uploading archived bills back to icloud"));
        uploadArchivedBillsToiCloud(file->ids(IndexKeys::ArchivedBills));
    }
    return true;
}

bool BWBill::overWriteIndexFileWithDictionary(const QVariantMap& index, bool updatingAllKeys)
{
    const std::optional<BWBillIndex> file = storeIndex(index);
    if (!file)
        return false;
    if (updatingAllKeys) {
        uploadActiveBillsToiCloud(file->ids(IndexKeys::ActiveBills));
        uploadDeletedBillsToiCloud(file->ids(IndexKeys::DeletedBills));
    }
    return true;
}

void BWBill::uploadBillToiCloudWithBid(const QString& billID, const QVariantMap& record)
{
    if (!m_env.cloud || !acceptsBillID(billID, "Uploading bill"))
        return;
    // The older key-value channel knows deletions by its list alone.
    if (defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled) && !BWBillMerge::isDeleted(record)) {
        m_env.cloud->setKeyValueStoreObject(record, billID);
        Log::line(QStringLiteral("Added or Updated Bill to iCloud"));
    }
    if (defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled2))
        m_env.cloud->uploadBillToCloud(record, billID);
}

void BWBill::uploadActiveBillsToiCloud(const QStringList& billIDs)
{
    sendListToKeyValueStore(IndexKeys::ActiveBillsCloudKey, billIDs, QStringLiteral("Updated Active Bills to iCloud"));
    if (m_env.cloud && defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled2))
        m_env.cloud->uploadIndexToCloud(billIDs, IndexKeys::ActiveBills);
}

void BWBill::uploadDeletedBillsToiCloud(const QStringList& billIDs)
{
    sendListToKeyValueStore(IndexKeys::DeletedBillsCloudKey, billIDs,
                            QStringLiteral("Updated Deleted Bills to iCloud"));
    if (m_env.cloud && defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled2))
        m_env.cloud->uploadIndexToCloud(billIDs, IndexKeys::DeletedBills);
}

void BWBill::uploadArchivedBillsToiCloud(const QStringList& billIDs)
{
    // CloudKit keeps no archived list: archiving is a flag of the record.
    sendListToKeyValueStore(IndexKeys::ArchivedBillsCloudKey, billIDs,
                            QStringLiteral("Updated Archived Bills to iCloud"));
}

void BWBill::sendListToKeyValueStore(const QString& cloudKey, const QStringList& billIDs,
                                     const QString& logLine) const
{
    if (!m_env.cloud || !defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled))
        return;
    m_env.cloud->setKeyValueStoreObject(QVariant(billIDs).toList(), cloudKey);
    Log::line(logLine);
}
