// The pass's work on the worker threads: reading the bill files and merging
// them with the cloud's copies. Nothing here writes.
#include "sync/OrvaneCloudPass.h"

#include <QDir>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "sync/OrvaneCloudManager.h"

namespace {

QSet<QString> idsOf(const BWBillIndex& index, const QString& listName)
{
    const QStringList ids = index.ids(listName);
    return QSet<QString>(ids.cbegin(), ids.cend());
}

}  // namespace

QList<OrvaneCloudPass::Outcome> OrvaneCloudPass::mergeBatch(const Batch& batch, const std::atomic<bool>& cancelled)
{
    QList<Outcome> outcomes;
    if (batch.dataFolder.isEmpty())
        return outcomes;
    const QSet<QString> deleted = idsOf(BWBillIndex(batch.dataFolder), IndexKeys::DeletedBills);
    for (const CloudRecord& record : batch.records) {
        if (cancelled)
            return outcomes;
        const QString& billID = record.recordName;
        if (!BWUIDMaker::isValidUID(billID) || record.fields.value(BillKeys::Bid).toString() != billID) {
            Log::line(QStringLiteral("Ignoring a record from iCloud named %1").arg(billID));
            continue;
        }
        const OrvaneCloudManager::LocalBill local
            = OrvaneCloudManager::readLocalBill(batch.dataFolder, billID, deleted.contains(billID));
        const QVariantMap cloudBill = OrvaneCloudManager::convertRecordintoBill(record, batch.dataFolder);
        Outcome outcome;
        outcome.billID = billID;
        outcome.record = record;
        outcome.mergedWith = local.stamp;
        outcome.steady = local.steady;
        const bool cloudLacks = local.bill && OrvaneCloudManager::shouldSaveRecordToCloud(*local.bill, cloudBill);
        if (OrvaneCloudManager::shouldSaveRecordLocally(local.bill, cloudBill)) {
            outcome.action = Outcome::Write;
            outcome.bill = cloudBill;
            outcome.uploadAfterWrite = cloudLacks;
        } else if (cloudLacks) {
            outcome.action = Outcome::Upload;
        }
        outcomes.append(outcome);
    }
    // The cloud's copy is as it was when they were last in step: only a
    // file that moved since has anything to send.
    for (const QString& billID : batch.unchanged) {
        if (cancelled)
            return outcomes;
        if (!BWUIDMaker::isValidUID(billID))
            continue;
        const auto inStep = batch.stampsInStep.constFind(billID);
        const std::optional<FileStamp> stamp
            = FileStamp::of(QDir(batch.dataFolder).filePath(billID + DataFolderFiles::BillFileExtension));
        if (inStep == batch.stampsInStep.cend() || stamp != *inStep)
            outcomes.append(Outcome::upload(billID));
    }
    return outcomes;
}

QStringList OrvaneCloudPass::billsToUpload(const QString& dataFolder, const QSet<QString>& inCloud,
                                           const std::atomic<bool>& cancelled)
{
    QStringList toUpload;
    if (dataFolder.isEmpty())
        return toUpload;
    const BWBillIndex index(dataFolder);
    const QSet<QString> deleted = idsOf(index, IndexKeys::DeletedBills);
    // Archived bills and tombstones go up as well: a deletion of a bill the
    // cloud never had is what tells the computers that listed its id.
    QSet<QString> seen;
    for (const QString& listName : {IndexKeys::ActiveBills, IndexKeys::ArchivedBills, IndexKeys::DeletedBills}) {
        for (const QString& billID : index.ids(listName)) {
            if (cancelled)
                return {};
            if (inCloud.contains(billID) || !BWUIDMaker::isValidUID(billID) || seen.contains(billID))
                continue;
            seen.insert(billID);
            if (OrvaneCloudManager::readLocalBill(dataFolder, billID, deleted.contains(billID)).bill)
                toUpload.append(billID);
        }
    }
    return toUpload;
}
