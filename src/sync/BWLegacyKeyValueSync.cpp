#include "sync/BWLegacyKeyValueSync.h"

#include <QLocale>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/KeyValueStore.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"

namespace {

// The ids of a list, in order, once each.
QStringList uniqueIDs(const QVariant& list)
{
    QStringList ids;
    for (const QVariant& id : list.toList()) {
        if (!ids.contains(id.toString()))
            ids.append(id.toString());
    }
    return ids;
}

// Two lists hold the same ids, whatever their order.
bool sameIDs(QStringList a, QStringList b)
{
    const auto sorted = [](QStringList ids) {
        ids.removeDuplicates();
        ids.sort(Qt::CaseInsensitive);
        return ids;
    };
    return sorted(std::move(a)) == sorted(std::move(b));
}

}  // namespace

BWLegacyKeyValueSync::BWLegacyKeyValueSync(const BWStoreEnvironment& env, KeyValueStore& store, QObject* parent)
    : QObject(parent), m_env(env), m_store(store)
{
}

void BWLegacyKeyValueSync::startWatchingForiCloudChanges()
{
    // Connected once, however often the watch is started.
    connect(&m_store, &KeyValueStore::didChangeExternally, this, &BWLegacyKeyValueSync::receivediCloudChanges,
            Qt::UniqueConnection);
    m_store.synchronize();
}

void BWLegacyKeyValueSync::receivediCloudChanges(int reason, const QStringList& changedKeys)
{
    Log::line(QStringLiteral("iCloud sync, reason for change: %1").arg(reason));
    if (reason != KeyValueStore::ServerChange && reason != KeyValueStore::InitialSyncChange)
        return;
    Log::line(QStringLiteral("Syncing an External Change"));
    for (const QString& key : changedKeys) {
        const QVariant value = m_store.objectForKey(key);
        Log::line(QStringLiteral("Updating Key: %1").arg(key));
        if (key == IndexKeys::ActiveBillsCloudKey)
            updateActiveFromiCloudWithArray(value);
        else if (key == IndexKeys::DeletedBillsCloudKey)
            updateDeletedBillsFromiCloudWithArray(value);
        else if (key == IndexKeys::ArchivedBillsCloudKey)
            updateArchivedBillsFromiCloudWithArray(value);
        else if (key == IndexKeys::TagIndexCloudKey)
            updateTagsFromiCloudWithArray(value);
        else if (value.isValid())
            updateBillFromiCloudWithBillID(key, value.toMap());
    }
    const QString moment = QLocale().toString(m_env.clock->now(), QLocale::ShortFormat);
    emit lastSyncedTextChanged(tr("Last Sync: %1").arg(moment));
}

bool BWLegacyKeyValueSync::updateActiveFromiCloudWithArray(const QVariant& ids)
{
    return mergeList(ListKind::Active, ids);
}

bool BWLegacyKeyValueSync::updateDeletedBillsFromiCloudWithArray(const QVariant& ids)
{
    if (ids.toList() == QVariantList{QString()}) {
        Log::line(QStringLiteral("Delete Bill Fault"));
        return false;
    }
    return mergeList(ListKind::Deleted, ids);
}

bool BWLegacyKeyValueSync::updateArchivedBillsFromiCloudWithArray(const QVariant& ids)
{
    return mergeList(ListKind::Archived, ids);
}

bool BWLegacyKeyValueSync::mergeList(ListKind kind, const QVariant& incomingList)
{
    if (!incomingList.isValid())
        return false;  // a list that is not there says nothing
    QStringList incoming = uniqueIDs(incomingList);
    incoming.removeIf([](const QString& id) { return !BWUIDMaker::isValidUID(id); });

    const BWBillsLoader loader(m_env);
    QStringList active = loader.getListOfBills(IndexKeys::ActiveBills).value_or(QStringList());
    QStringList deleted = loader.getListOfBills(IndexKeys::DeletedBills).value_or(QStringList());
    QStringList archived = loader.getListOfBills(IndexKeys::ArchivedBills).value_or(QStringList());
    QStringList& local = kind == ListKind::Active ? active : kind == ListKind::Deleted ? deleted : archived;
    if (sameIDs(local, incoming))
        return true;
    for (const QString& id : incoming) {
        if (!local.contains(id))
            local.append(id);
    }
    // Deleted and archived ids leave the active list, and their copies leave
    // the shared store.
    if (kind != ListKind::Active) {
        for (const QString& id : std::as_const(local)) {
            active.removeAll(id);
            m_store.removeObject(id);
        }
    }
    const QVariantMap index{{IndexKeys::ActiveBills, QVariant(active).toList()},
                            {IndexKeys::DeletedBills, QVariant(deleted).toList()},
                            {IndexKeys::ArchivedBills, QVariant(archived).toList()}};
    const QString updatingKey = kind == ListKind::Active    ? IndexKeys::ActiveBillsCloudKey
                                : kind == ListKind::Deleted ? IndexKeys::DeletedBillsCloudKey
                                                            : IndexKeys::ArchivedBillsCloudKey;
    const bool written = BWBill(m_env).overWriteIndexFileWithDictionary(index, updatingKey);
    if (written)
        emit billsChanged(QString());
    return written;
}

bool BWLegacyKeyValueSync::updateTagsFromiCloudWithArray(const QVariant& tags)
{
    if (!tags.isValid())
        return false;
    const bool written = BWTagList(m_env).updateListOfTagsFromiCloudWithTags(tags.toStringList());
    emit billsChanged(QString());
    return written;
}

bool BWLegacyKeyValueSync::updateBillFromiCloudWithBillID(const QString& billID, const QVariantMap& record)
{
    Log::line(QStringLiteral("Receiving Bill Changes"));
    if (!BWUIDMaker::isValidUID(billID) || record.value(BillKeys::Bid).toString() != billID) {
        Log::line(QStringLiteral("Ignoring a shared copy under the key \"%1\"").arg(billID));
        return false;
    }
    const std::optional<QVariantMap> local = BWBillsLoader(m_env).loadBillWithID(billID);
    if (local) {
        const QDateTime here = local->value(BillKeys::SyncModificationDate).toDateTime();
        const QDateTime there = record.value(BillKeys::SyncModificationDate).toDateTime();
        if (here.isValid() && (!there.isValid() || there <= here)) {
            Log::line(QStringLiteral("The shared copy of %1 is not newer; keeping ours").arg(billID));
            return false;
        }
    }
    const bool written = BWBill(m_env).rewriteSpecificBillWithoutUpdatingiCloud(record);
    if (written)
        emit billsChanged(billID);
    return written;
}

void BWLegacyKeyValueSync::turnOffiCloudSync()
{
    m_env.defaults->setBool(BWDefaultsKeys::iCloudSyncEnabled, false);
    m_env.defaults->setInteger(BWDefaultsKeys::iCloudSyncStatus, 1);
    m_store.synchronize();
}

void BWLegacyKeyValueSync::deleteiCloudData(const Question& ask)
{
    const int answer = ask(tr("Delete iCloud Data?"),
                           tr("Are you sure you want to delete your Orvane data on iCloud? This will not delete "
                              "your local data."),
                           {tr("Delete iCloud Data"), tr("Cancel")});
    if (answer != 0)
        return;
    const QVariantMap everything = m_store.dictionaryRepresentation();
    for (auto it = everything.keyBegin(); it != everything.keyEnd(); ++it)
        m_store.removeObject(*it);
    turnOffiCloudSync();
}
