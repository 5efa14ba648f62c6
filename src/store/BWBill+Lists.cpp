// Moving bill ids between the lists of the index, and handing records and
// lists to the cloud channels.
#include "store/BWBill.h"
#include "store/BWDefaultsKeys.h"

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWCloudChannels.h"
#include "store/BWStoreObserver.h"

#include <QSet>

namespace {

QString describe(const QVariantMap& index)
{
    return QString::fromUtf8(PropertyList::serialize(index));
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
    const BWBillIndex before(folder);
    // The lists are uploaded below whatever moved; an unreadable index would
    // send empty lists to every other device.
    if (before.isDamaged())
        return false;
    bool moved = true;
    if (before.contains(IndexKeys::ActiveBills, billID))
        moved = moveBill(billID, IndexKeys::ActiveBills, IndexKeys::DeletedBills, IndexKeys::ArchivedBills, true);
    else if (before.contains(IndexKeys::ArchivedBills, billID))
        moved = moveBill(billID, IndexKeys::ArchivedBills, IndexKeys::DeletedBills, IndexKeys::ActiveBills, true);
    if (!moved)
        return false;

    // Without any index there are no lists to send; empty ones would clear
    // the lists of every other device.
    const BWBillIndex after(folder);
    if (after.fileExists()) {
        uploadActiveBillsToiCloud(after.ids(IndexKeys::ActiveBills));
        uploadDeletedBillsToiCloud(after.ids(IndexKeys::DeletedBills));
    }
    removeBillsFromFirebase({billID});
    if (m_env.observer)
        m_env.observer->billDeleted(billID);
    return true;
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
    index.setIds(IndexKeys::ActiveBills, index.ids(IndexKeys::ActiveBills));
    index.setIds(IndexKeys::ArchivedBills, index.ids(IndexKeys::ArchivedBills));
    index.setIds(IndexKeys::DeletedBills, {});
    Log::line(QStringLiteral("Index after Purging Deleted Bills: %1").arg(describe(index.dictionary())));
    return saveIndex(index);
}

bool BWBill::handReplacedListsToChannels(const BWBillIndex& before)
{
    // Without sync the lists stay exactly as replaced.
    if (!anyCloudChannelIsOn())
        return true;
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return false;
    BWBillIndex index(folder);
    if (index.isDamaged())
        return false;
    const QStringList active = index.ids(IndexKeys::ActiveBills);
    const QStringList listed = active + index.ids(IndexKeys::ArchivedBills);
    QStringList deleted = index.ids(IndexKeys::DeletedBills);
    QStringList removed;  // listed before, gone now
    for (const QString& list : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
        for (const QString& billID : before.ids(list)) {
            if (listed.contains(billID) || deleted.contains(billID) || !BWUIDMaker::isValidUID(billID))
                continue;
            deleted.append(billID);
            if (list != IndexKeys::DeletedBills)
                removed.append(billID);
        }
    }
    if (deleted != index.ids(IndexKeys::DeletedBills)) {
        index.setIds(IndexKeys::DeletedBills, deleted);
        if (!saveIndex(index))
            return false;
    }
    Log::line(QStringLiteral("Lists replaced: %1 bills gone, %2 listed").arg(removed.size()).arg(listed.size()));

    bool rewritten = true;
    QSet<QString> done;
    for (const QString& billID : listed) {
        if (deleted.contains(billID) || done.contains(billID))
            continue;
        done.insert(billID);
        const std::optional<QVariantMap> record = loadRecord(billID);
        if (!record || !rewriteSpecificBill(*record))
            rewritten = false;
    }
    uploadActiveBillsToiCloud(active);
    uploadDeletedBillsToiCloud(deleted);
    removeBillsFromFirebase(removed);
    return rewritten;
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
    if (defaultsFlag(BWDefaultsKeys::iCloudSyncEnabled)) {
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
