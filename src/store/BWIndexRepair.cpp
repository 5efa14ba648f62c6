#include "store/BWIndexRepair.h"

#include <QDir>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDataFolder.h"

namespace {

// The bill's own file says deleted, whatever the index lists.
bool fileSaysDeleted(const QString& dataFolder, const QString& billID)
{
    const PropertyList::ReadResult file
        = PropertyList::read(QDir(dataFolder).filePath(billID + DataFolderFiles::BillFileExtension));
    return file.ok() && BWBillMerge::isDeleted(file.value.toMap());
}

}  // namespace

BWIndexRepair::BWIndexRepair(const BWStoreEnvironment& env) : m_env(env) {}

QStringList BWIndexRepair::tombstonesListedAsLive(const QString& dataFolder)
{
    const BWBillIndex index(dataFolder);
    if (dataFolder.isEmpty() || !index.fileExists() || index.isDamaged())
        return {};
    QStringList found;
    for (const QString& list : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills}) {
        for (const QString& billID : index.ids(list)) {
            if (BWUIDMaker::isValidUID(billID) && !found.contains(billID)
                && !index.contains(IndexKeys::DeletedBills, billID) && fileSaysDeleted(dataFolder, billID))
                found.append(billID);
        }
    }
    return found;
}

bool BWIndexRepair::listAsDeleted(const QStringList& billIDs) const
{
    const QString dataFolder = BWDataFolder(m_env).path();
    bool listed = true;
    BWBill writer(m_env);
    for (const QString& billID : billIDs) {
        // Read again here: a change may have brought the bill back since.
        if (!fileSaysDeleted(dataFolder, billID))
            continue;
        Log::line(QStringLiteral("Bill %1 is deleted by its file but was listed as live").arg(billID));
        if (!writer.listAsDeleted(billID)) {
            listed = false;
            continue;
        }
        // The deletion reached no channel either: the program ended before
        // it handed the tombstone on. Nothing else would carry it; a later
        // copy of the bill from elsewhere might, or might not, come by.
        if (const std::optional<QVariantMap> tombstone = writer.storedCopy(billID))
            writer.uploadBillToiCloudWithBid(billID, *tombstone);
        writer.removeBillsFromFirebase({billID});
    }
    return listed;
}
