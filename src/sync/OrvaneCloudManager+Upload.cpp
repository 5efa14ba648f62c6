// Uploading bills and id lists, and trying failed uploads again.
#include "sync/OrvaneCloudManager.h"

#include <QPointer>
#include <QDir>
#include <QSet>
#include <QTimer>

#include <algorithm>

#include "platform/BWUIDMaker.h"
#include "platform/FileStamp.h"
#include "platform/HybridLogicalClock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"

namespace {

const QString BidsField = QStringLiteral("Bids");
const QString BidField = QStringLiteral("Bid");
const QString TypeField = QStringLiteral("type");

// `local` followed by every id of `cloud` it lacks, without `removed`.
QStringList unionOf(const QStringList& local, const QStringList& cloud, const QStringList& removed)
{
    // Sets: lists of thousands of ids are merged in linear time.
    QSet<QString> seen(removed.cbegin(), removed.cend());
    QStringList merged;
    for (const QStringList* list : {&local, &cloud}) {
        for (const QString& id : *list) {
            if (!seen.contains(id)) {
                seen.insert(id);
                merged.append(id);
            }
        }
    }
    return merged;
}

}  // namespace

// ---- One upload per record at a time -------------------------------------------

bool OrvaneCloudManager::beginUpload(const QString& recordName)
{
    auto running = m_uploadsInFlight.find(recordName);
    if (running != m_uploadsInFlight.end()) {
        *running = true;
        return false;
    }
    m_uploadsInFlight.insert(recordName, false);
    return true;
}

void OrvaneCloudManager::endUpload(const QString& recordName)
{
    const bool again = m_uploadsInFlight.take(recordName);
    if (!again)
        return;
    if (recordIsAnIndexFileWithRecordName(recordName))
        uploadIndexToCloud(localList(recordName), recordName);
    else
        uploadBillToCloud({}, recordName);
}

void OrvaneCloudManager::uploadSucceeded(const QString& recordName, const QString& logLine)
{
    Log::line(logLine);
    stampLastChangeDates(false);
    emit iCloudChangeUploaded();
    endUpload(recordName);
}

std::optional<int> OrvaneCloudManager::retryDelay(const QString& what, int attempt, const CloudError& error)
{
    Log::line(QStringLiteral("Something went wrong with %1: %2").arg(what, error.message));
    if (attempt >= m_retryPolicy.maxAttempts) {
        Log::line(QStringLiteral("Giving up on %1 after %2 attempts").arg(what).arg(attempt));
        return std::nullopt;
    }
    // Doubling from the first delay, never shorter than the server asks.
    const qint64 doubled = qint64(m_retryPolicy.firstDelayMs) << std::min(attempt - 1, 20);
    const qint64 asked = qint64(error.retryAfterSeconds) * 1000;
    const qint64 delay = std::max(std::min<qint64>(doubled, m_retryPolicy.maxDelayMs), asked);
    Log::line(QStringLiteral("Trying %1 again in %2 ms").arg(what).arg(delay));
    emit retryScheduled(what, attempt + 1, int(delay));
    return int(delay);
}

void OrvaneCloudManager::retryOrReport(const QString& recordName, int attempt, const CloudError& error,
                                       const std::function<void(int nextAttempt)>& retry)
{
    emit writeFailed(recordName, error.message);
    const std::optional<int> delay = retryDelay(recordName, attempt, error);
    if (!delay) {
        emit syncFailed(recordName, error.message);
        endUpload(recordName);
        return;
    }
    retryLater(
        recordName, *delay, [this, generation = m_generation] { return isCurrent(generation); },
        [retry, attempt] { retry(attempt + 1); });
}

void OrvaneCloudManager::retryLater(const QString& what, int delayMs, const std::function<bool()>& stillCurrent,
                                    const std::function<void()>& retry)
{
    QTimer::singleShot(delayMs, this, [this, what, stillCurrent, retry] {
        if (stillCurrent()) {
            retry();
            return;
        }
        Log::line(QStringLiteral("Dropped the retry of %1: sync was switched off").arg(what));
        emit retryDropped(what);
    });
}

// ---- Bills ---------------------------------------------------------------------

void OrvaneCloudManager::uploadBillToCloud(const QVariantMap&, const QString& billID)
{
    if (!BWUIDMaker::isValidUID(billID)) {
        Log::line(QStringLiteral("Not uploading a bill with the id %1").arg(billID));
        return;
    }
    if (beginUpload(billID))
        uploadBillAttempt(billID, 1);
}

void OrvaneCloudManager::uploadBillAttempt(const QString& billID, int attempt)
{
    CloudDatabase* db = database();
    if (!db) {
        endUpload(billID);
        return;
    }
    Log::line(QStringLiteral("Starting upload attempt"));
    QPointer<OrvaneCloudManager> self(this);
    db->fetchRecord(billID, [self, billID, attempt, generation = m_generation](const std::optional<CloudRecord>& record,
                                                                             const CloudError& error) {
        if (!self || !self->isCurrent(generation))
            return;
        if (error.isError() && error.code != CloudError::NotFound) {
            // Not knowing the cloud's copy is no reason to overwrite it.
            self->retryOrReport(billID, attempt, error, [self, billID](int next) {
                if (self)
                    self->uploadBillAttempt(billID, next);
            });
            return;
        }
        Log::line(record ? QStringLiteral("Record retrieved from iCloud")
                         : QStringLiteral("Record does not exist on iCloud"));
        self->saveBillRecord(billID, error.isError() ? std::nullopt : record, attempt);
    });
}

void OrvaneCloudManager::saveBillRecord(const QString& billID, const std::optional<CloudRecord>& fetched, int attempt)
{
    const LocalBill local = readLocalBill(dataFolder(), billID);
    std::optional<QVariantMap> bill = local.bill;
    // The file as it was read, should the cloud take it as it stands.
    const std::optional<FileStamp> readStamp = local.steady ? local.stamp : std::nullopt;
    if (!bill) {
        Log::line(QStringLiteral("Bill %1 cannot be read; nothing uploaded").arg(billID));
        endUpload(billID);
        return;
    }
    CloudRecord record;
    bool mergedHere = false;
    if (fetched) {
        record = *fetched;
        const QVariantMap cloudBill = convertRecordintoBill(record, dataFolder());
        if (shouldSaveRecordLocally(bill, cloudBill)) {
            // The cloud's copy brought something this one lacks: kept here
            // before the merge goes up.
            if (!writeDownloadedBill(cloudBill) || !(bill = storedBill(billID))) {
                endUpload(billID);
                return;
            }
            mergedHere = true;
            emit iCloudChangeReceived(billID);
        }
        if (!shouldSaveRecordToCloud(*bill, cloudBill)) {
            Log::line(QStringLiteral("Record does not need to be uploaded to iCloud"));
            noteInStep(billID, record.changeTag, mergedHere ? std::nullopt : readStamp);
            endUpload(billID);
            return;
        }
    } else {
        record.recordType = BillRecordType;
        record.recordName = billID;
    }
    Log::line(QStringLiteral("Bill should be saved to iCloud"));
    record = convertBill(*bill, BWBillMerge::modificationDate(*bill), record);

    QPointer<OrvaneCloudManager> self(this);
    // Saved against the change tag it was merged with: a copy saved
    // meanwhile by another device fails it, and the retry merges that too.
    // Once the save is through the cloud holds the file as it was read,
    // unless the merge was written over it.
    database()->saveRecord(record, [self, billID, attempt, generation = m_generation,
                                    name = bill->value(BillKeys::Name).toString(),
                                    stamp = mergedHere ? std::nullopt : readStamp](const CloudRecord& saved,
                                                                                   const CloudError& error) {
        // An answer that sync was switched off under is dropped, whatever it says.
        if (!self || !self->isCurrent(generation))
            return;
        if (error.isError()) {
            Log::line(QStringLiteral("Attempting to upload: %1 - %2").arg(name, billID));
            // A retry starts over: the cloud's copy is fetched and compared again.
            self->retryOrReport(billID, attempt, error, [self, billID](int next) {
                if (self)
                    self->uploadBillAttempt(billID, next);
            });
            return;
        }
        self->noteInStep(billID, saved.changeTag, stamp);
        self->uploadSucceeded(billID, QStringLiteral("Bill Uploaded"));
    });
}

// ---- Id lists ------------------------------------------------------------------

void OrvaneCloudManager::uploadIndexToCloud(const QStringList&, const QString& listName)
{
    // The list is read from the index when the record is filled, as with bills.
    if (!recordIsAnIndexFileWithRecordName(listName)) {
        Log::line(QStringLiteral("Not uploading a list named %1").arg(listName));
        return;
    }
    if (beginUpload(listName))
        uploadIndexAttempt(listName, 1);
}

void OrvaneCloudManager::uploadIndexAttempt(const QString& listName, int attempt)
{
    CloudDatabase* db = database();
    if (!db) {
        endUpload(listName);
        return;
    }
    QPointer<OrvaneCloudManager> self(this);
    db->fetchRecord(listName, [self, listName, attempt, generation = m_generation](
                                  const std::optional<CloudRecord>& record, const CloudError& error) {
        if (!self || !self->isCurrent(generation))
            return;
        if (error.isError() && error.code != CloudError::NotFound) {
            self->retryOrReport(listName, attempt, error, [self, listName](int next) {
                if (self)
                    self->uploadIndexAttempt(listName, next);
            });
            return;
        }
        Log::line(record ? QStringLiteral("Record retrieved from iCloud")
                         : QStringLiteral("Index does not exist on iCloud"));
        self->saveIndexRecord(listName, error.isError() ? std::nullopt : record, attempt);
    });
}

void OrvaneCloudManager::saveIndexRecord(const QString& listName, const std::optional<CloudRecord>& fetched,
                                         int attempt)
{
    const QString folder = dataFolder();
    const BWBillIndex index(folder);
    if (folder.isEmpty() || index.isDamaged() || !index.fileExists()) {
        // No lists to speak of: sending empty ones would clear every device's.
        Log::line(QStringLiteral("No readable index; %1 not uploaded").arg(listName));
        endUpload(listName);
        return;
    }
    CloudRecord record;
    if (fetched) {
        record = *fetched;
    } else {
        record.recordType = IndexRecordType;
        record.recordName = listName;
    }
    // The cloud's list may hold ids this device has not seen yet: they are
    // kept, so an upload never shortens the list other devices rely on. The
    // bills this device knows go where their records put them here.
    const QStringList cloudIDs = bidsOf(record);
    const QStringList removed = listName == IndexKeys::ActiveBills
                                    ? index.ids(IndexKeys::DeletedBills)
                                    : index.ids(IndexKeys::ActiveBills) + index.ids(IndexKeys::ArchivedBills);
    const QStringList merged = unionOf(index.ids(listName), cloudIDs, removed);
    // Lists are sets: the same ids in another order are up to date, and
    // an empty list is as good as none.
    const bool sameIDs
        = QSet<QString>(merged.cbegin(), merged.cend()) == QSet<QString>(cloudIDs.cbegin(), cloudIDs.cend());
    if (sameIDs && (fetched ? record.fields.value(BidField).toString() == listName : merged.isEmpty())) {
        Log::line(QStringLiteral("Index on iCloud is up to date"));
        endUpload(listName);
        return;
    }
    record.fields.insert(BidsField, merged);
    record.fields.insert(BidField, listName);
    record.fields.insert(TypeField, 1);

    QPointer<OrvaneCloudManager> self(this);
    database()->saveRecord(record, [self, listName, attempt, cloudIDs, generation = m_generation](
                                       const CloudRecord&, const CloudError& error) {
        // Switched off meanwhile, the cloud's list is no longer taken in.
        if (!self || !self->isCurrent(generation))
            return;
        if (error.isError()) {
            self->retryOrReport(listName, attempt, error, [self, listName](int next) {
                if (self)
                    self->uploadIndexAttempt(listName, next);
            });
            return;
        }
        self->uploadSucceeded(listName, QStringLiteral("Index uploaded"));
        // Ids only the cloud knew belong here too.
        self->mergeAndSaveIndexLocally(cloudIDs, listName, true);
    });
}

// ---- Local reads and writes -----------------------------------------------------

OrvaneCloudManager::LocalBill OrvaneCloudManager::readLocalBill(const QString& dataFolder, const QString& billID,
                                                               std::optional<bool> listedAsDeleted)
{
    LocalBill local;
    if (dataFolder.isEmpty() || !BWUIDMaker::isValidUID(billID))
        return local;
    const QString path = QDir(dataFolder).filePath(billID + DataFolderFiles::BillFileExtension);
    local.stamp = FileStamp::of(path);
    const PropertyList::ReadResult file = PropertyList::read(path);
    if (file.ok() && file.value.typeId() == QMetaType::QVariantMap) {
        if (!listedAsDeleted)
            listedAsDeleted = BWBillIndex(dataFolder).contains(IndexKeys::DeletedBills, billID);
        local.bill = BWBillMerge::storedCopyOf(file.value.toMap(), *listedAsDeleted);
    }
    local.steady = !local.stamp || (local.stamp->settled() && FileStamp::of(path) == local.stamp);
    return local;
}

void OrvaneCloudManager::noteInStep(const QString& billID, const QString& cloudTag,
                                    const std::optional<FileStamp>& stamp)
{
    if (stamp && !cloudTag.isEmpty())
        m_inStep.insert(billID, {cloudTag, *stamp});
    else
        m_inStep.remove(billID);
}

std::optional<QVariantMap> OrvaneCloudManager::storedBill(const QString& billID) const
{
    return BWBill(m_env).storedCopy(billID);
}

QStringList OrvaneCloudManager::localList(const QString& listName) const
{
    const QString folder = dataFolder();
    return folder.isEmpty() ? QStringList() : BWBillIndex(folder).ids(listName);
}

bool OrvaneCloudManager::writeDownloadedBill(const QVariantMap& bill)
{
    // The store holds back what such a clock stamped; the user hears why.
    const QString latest = BWBillMerge::latestStamp(bill);
    if (HybridLogicalClock::isFarAhead(latest, now())
        && HybridLogicalClock::deviceOf(latest) != HybridLogicalClock::noDevice())
        emit clockFarAhead(HybridLogicalClock::deviceOf(latest), now().msecsTo(HybridLogicalClock::wallTimeOf(latest)));
    bool written = false;
    if (!BWBill(m_env).storeIncomingCopy(bill, BWBill::CopySource::CloudDatabase, &written))
        Log::line(QStringLiteral("Could not write bill %1 from iCloud").arg(bill.value(BillKeys::Bid).toString()));
    return written;
}
