#include "store/BWBillIndex.h"

#include <QDir>

#include <algorithm>

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBillFileCache.h"
#include "store/BWBillRecordKeys.h"

namespace {

bool holdsOnlyLists(const QVariantMap& index)
{
    for (const QString& key : {IndexKeys::ActiveBills, IndexKeys::DeletedBills, IndexKeys::ArchivedBills}) {
        if (index.contains(key) && index.value(key).typeId() != QMetaType::QVariantList)
            return false;
    }
    return true;
}

}  // namespace

BWBillIndex::BWBillIndex(const QString& dataFolder)
    : m_path(pathInFolder(dataFolder))
{
    read();
}

QString BWBillIndex::pathInFolder(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(DataFolderFiles::BillIndex);
}

void BWBillIndex::read()
{
    // Every write of a bill reads the index; unchanged, it is not parsed again.
    const PropertyList::ReadResult result = BWBillFileCache::indexes().read({m_path}).first();
    m_exists = result.status != PropertyList::Status::NotFound;
    if (!m_exists)
        return;
    const bool isDictionary = result.ok() && result.value.typeId() == QMetaType::QVariantMap;
    if (isDictionary && holdsOnlyLists(result.value.toMap())) {
        m_index = result.value.toMap();
        return;
    }
    m_damaged = true;
    Log::line(QStringLiteral("Bill index %1 cannot be read (%2); it will not be overwritten")
                  .arg(m_path, result.ok() ? QStringLiteral("not a dictionary of lists") : result.error));
}

QStringList BWBillIndex::ids(const QString& listKey) const
{
    QStringList result;
    for (const QVariant& id : m_index.value(listKey).toList()) {
        if (id.typeId() == QMetaType::QString)
            result.append(id.toString());
    }
    return result;
}

bool BWBillIndex::contains(const QString& listKey, const QString& billID) const
{
    const QVariantList list = m_index.value(listKey).toList();
    return std::any_of(list.cbegin(), list.cend(), [&billID](const QVariant& id) {
        return id.typeId() == QMetaType::QString && id.toString() == billID;
    });
}

void BWBillIndex::setIds(const QString& listKey, const QStringList& billIDs)
{
    m_index.insert(listKey, QVariant(billIDs).toList());
}

void BWBillIndex::setDictionary(const QVariantMap& index)
{
    m_index = index;
    for (const QString& key : {IndexKeys::ActiveBills, IndexKeys::DeletedBills, IndexKeys::ArchivedBills}) {
        if (m_index.value(key).typeId() == QMetaType::QStringList)
            m_index.insert(key, m_index.value(key).toList());
    }
}

bool BWBillIndex::save()
{
    if (m_damaged) {
        Log::line(QStringLiteral("Refusing to overwrite the unreadable bill index %1").arg(m_path));
        return false;
    }
    return write();
}

bool BWBillIndex::saveReplacingDamagedFile()
{
    return write();
}

bool BWBillIndex::write()
{
    if (!holdsOnlyLists(m_index)) {
        Log::line(QStringLiteral("Refusing to write a bill index whose lists are not lists: %1").arg(m_path));
        return false;
    }
    QString error;
    const bool written = PropertyList::write(m_path, m_index, &error);
    if (!written) {
        Log::line(QStringLiteral("Could not write the bill index %1: %2").arg(m_path, error));
        return false;
    }
    m_exists = true;
    m_damaged = false;
    return true;
}
