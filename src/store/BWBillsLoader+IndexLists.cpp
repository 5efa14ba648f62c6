// Reading the id lists of the index and compacting it.
#include "store/BWBillsLoader.h"

#include "platform/Log.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"

std::optional<QStringList> BWBillsLoader::getListOfBills(const QString& group) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return std::nullopt;
    const BWBillIndex index(dataFolder);
    if (!index.fileExists() || index.isDamaged() || !index.dictionary().contains(group))
        return std::nullopt;
    return index.ids(group);
}

QStringList BWBillsLoader::loadBillIDsInGroup(const QString& group) const
{
    return getListOfBills(group).value_or(QStringList());
}

bool BWBillsLoader::billTakesPayments(const QVariantMap& bill) const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty() || bill.value(BillKeys::IsArchived).toBool())
        return false;
    const BWBillIndex index(dataFolder);
    const QString billID = bill.value(BillKeys::Bid).toString();
    return index.ids(IndexKeys::ActiveBills).contains(billID) && !index.ids(IndexKeys::DeletedBills).contains(billID);
}

bool BWBillsLoader::compactDatabase() const
{
    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return false;
    // Lists read from a damaged index would be empty, and writing them back
    // would forget every bill.
    const BWBillIndex index(dataFolder);
    if (index.isDamaged()) {
        Log::line(QStringLiteral("Not compacting the unreadable bill index %1").arg(index.path()));
        return false;
    }

    QStringList active = index.ids(IndexKeys::ActiveBills);
    QStringList takenOut;
    qlonglong uselessDeleted = 0;
    for (const QString& deletedID : index.ids(IndexKeys::DeletedBills)) {
        if (active.contains(deletedID)) {
            Log::line(QStringLiteral("Found a deleted bill to remove from active bills"));
            active.removeAll(deletedID);
            takenOut.append(deletedID);
        } else {
            ++uselessDeleted;
        }
    }
    Log::line(QStringLiteral("Total Useless Deleted Bills: %1").arg(uselessDeleted));

    const QVariantMap compacted{{IndexKeys::ActiveBills, QVariant(active).toList()},
                                {IndexKeys::ArchivedBills, QVariant(index.ids(IndexKeys::ArchivedBills)).toList()},
                                {IndexKeys::DeletedBills, QVariantList()}};
    BWBill writer(m_env);
    if (!writer.overWriteIndexFileWithDictionary(compacted, true))
        return false;
    // The cloud's lists keep their tombstones; Firebase is told again of
    // the bills taken out here.
    writer.removeBillsFromFirebase(takenOut);
    return true;
}
