// Bringing changes of other devices in: single records after a push, and the
// full pass over everything the cloud holds.
#include "sync/OrvaneCloudManager.h"

#include <QPointer>
#include <QFutureWatcher>
#include <QSet>
#include <QtConcurrent>

#include <algorithm>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "sync/OrvaneCloudPass.h"

namespace {


// Only ids that may name a file travel into the index.
QStringList validIDs(const QStringList& ids)
{
    QStringList valid;
    for (const QString& id : ids) {
        if (BWUIDMaker::isValidUID(id))
            valid.append(id);
        else
            Log::line(QStringLiteral("Ignoring the id %1 from iCloud").arg(id));
    }
    return valid;
}

}  // namespace

// ---- Single records --------------------------------------------------------------

void OrvaneCloudManager::downloadRecordFromCloud(const QString& recordName)
{
    fetchForDownload(recordName, [this, generation = m_generation](const CloudRecord& record) {
        mergeArrivalOnWorker(record, generation);
    });
}

// The bill file is read and merged with the arrival on a worker; what is to
// be written is written here, through the store, once it is back, a few
// arrivals a turn so that a burst of them never holds the window up.
// Switched off meanwhile, nothing is.
void OrvaneCloudManager::mergeArrivalOnWorker(const CloudRecord& record, int generation)
{
    using Outcomes = QList<OrvaneCloudPass::Outcome>;
    const OrvaneCloudPass::Batch batch{{record}, {}, {}, dataFolder()};
    auto* merging = new QFutureWatcher<Outcomes>(this);
    ++m_arrivalsMerging;
    connect(merging, &QFutureWatcher<Outcomes>::finished, this, [this, merging, generation] {
        merging->deleteLater();
        --m_arrivalsMerging;
        if (!isCurrent(generation))
            return;
        for (const OrvaneCloudPass::Outcome& outcome : merging->result())
            m_arrivalWrites.append([this, outcome, generation] { applyArrival(outcome, generation); });
    });
    merging->setFuture(QtConcurrent::run([batch] {
        const std::atomic<bool> carryOn{false};
        return OrvaneCloudPass::mergeBatch(batch, carryOn);
    }));
}

void OrvaneCloudManager::applyArrival(const OrvaneCloudPass::Outcome& outcome, int generation)
{
    if (!isCurrent(generation))
        return;
    // A write stamps the change as it writes; an arrival that writes nothing
    // is a change from the cloud all the same. Once: each stamp is a write
    // of the settings file.
    if (outcome.action != OrvaneCloudPass::Outcome::Write)
        stampLastChangeDates(true);
    if (OrvaneCloudPass::apply(*this, outcome))
        emit iCloudChangeReceived(outcome.billID);
}

void OrvaneCloudManager::downloadIndexFromCloud(const QString& recordName)
{
    fetchForDownload(recordName, [this, recordName](const CloudRecord& record) {
        mergeAndSaveIndexLocally(bidsOf(record), recordName, true);
    });
}

// A record that is gone changes nothing here; any other failed fetch is
// reported, since the change it announced has not been taken in.
void OrvaneCloudManager::fetchForDownload(const QString& recordName, std::function<void(const CloudRecord&)> handle)
{
    CloudDatabase* db = database();
    if (!db)
        return;
    QPointer<OrvaneCloudManager> self(this);
    ++m_fetchesInFlight;
    db->fetchRecord(recordName, [self, recordName, handle, generation = m_generation](
                                    const std::optional<CloudRecord>& record, const CloudError& error) {
        if (self)
            --self->m_fetchesInFlight;
        // A download that sync was switched off under ends here.
        if (!self || !self->isCurrent(generation))
            return;
        if (error.isError() || !record) {
            Log::line(QStringLiteral("Could not fetch %1: %2").arg(recordName, error.message));
            if (error.code != CloudError::NotFound)
                emit self->syncFailed(recordName, error.message);
            return;
        }
        handle(*record);
    });
}

bool OrvaneCloudManager::saveRecordLocally(const CloudRecord& record, bool notifyImmediately)
{
    Log::line(QStringLiteral("Attempting local save"));
    const QString billID = record.recordName;
    if (!BWUIDMaker::isValidUID(billID) || record.fields.value(BillKeys::Bid).toString() != billID) {
        Log::line(QStringLiteral("Ignoring a record from iCloud named %1").arg(billID));
        return false;
    }
    stampLastChangeDates(true);
    const LocalBill local = readLocalBill(dataFolder(), billID);
    const QVariantMap cloudBill = convertRecordintoBill(record, dataFolder());
    const bool cloudLacks = local.bill && shouldSaveRecordToCloud(*local.bill, cloudBill);
    // What only this device holds goes up, whether or not anything comes down.
    if (cloudLacks)
        uploadBillToCloud({}, billID);
    if (!shouldSaveRecordLocally(local.bill, cloudBill)) {
        Log::line(QStringLiteral("Should not save locally."));
        if (!cloudLacks)
            noteInStep(billID, record.changeTag, local.steady ? local.stamp : std::nullopt);
        return false;
    }
    Log::line(QStringLiteral("YES, save locally."));
    if (!writeDownloadedBill(cloudBill))
        return false;
    if (notifyImmediately)
        emit iCloudChangeReceived(billID);
    return true;
}

// ---- Id lists ------------------------------------------------------------------

// The lists tell which bills exist: an id this device has never heard of is
// listed as the cloud lists it, and its record follows. Whether a bill known
// here is deleted is its record's business (the deletion rule), never a list's.
bool OrvaneCloudManager::mergeAndSaveIndexLocally(const QStringList& cloudList, const QString& listName,
                                                  bool notifyImmediately)
{
    const std::optional<QStringList> added = mergeIndexLocally(cloudList, listName);
    if (!added)
        return false;
    if (notifyImmediately) {
        emit iCloudChangeReceived(QString(), *added);
        // Their records say whether they are bills or deletions; a full pass
        // reads them next anyway.
        if (listName == IndexKeys::ActiveBills) {
            for (const QString& id : *added)
                downloadRecordFromCloud(id);
        }
    }
    return true;
}

std::optional<QStringList> OrvaneCloudManager::mergeIndexLocally(const QStringList& cloudList, const QString& listName)
{
    if (listName == IndexKeys::DeletedBills && cloudList == QStringList{QString()}) {
        Log::line(QStringLiteral("Delete Bill Fault"));
        return std::nullopt;
    }
    const QString folder = dataFolder();
    const BWBillIndex index(folder);
    if (folder.isEmpty() || index.isDamaged()) {
        Log::line(QStringLiteral("The index cannot be read; %1 from iCloud not merged").arg(listName));
        return std::nullopt;
    }
    if (!recordIsAnIndexFileWithRecordName(listName))
        return std::nullopt;
    Log::line(QStringLiteral("Processing %1").arg(listName));
    QStringList active = index.ids(IndexKeys::ActiveBills);
    QStringList deleted = index.ids(IndexKeys::DeletedBills);
    const QStringList archived = index.ids(IndexKeys::ArchivedBills);
    QStringList& target = listName == IndexKeys::ActiveBills ? active : deleted;
    // A set: lists of thousands of ids are compared in linear time.
    QSet<QString> known(active.cbegin(), active.cend());
    known.unite(QSet<QString>(deleted.cbegin(), deleted.cend()));
    known.unite(QSet<QString>(archived.cbegin(), archived.cend()));
    QStringList added;
    for (const QString& id : validIDs(cloudList)) {
        if (!known.contains(id) && !storedBill(id)) {
            known.insert(id);
            target.append(id);
            added.append(id);
        }
    }
    bool written = false;
    if (!added.isEmpty()) {
        Log::line(QStringLiteral("We do need to make changes"));
        written = BWBill(m_env).overWriteIndexFileWithDictionary(
            {{IndexKeys::ActiveBills, QVariant(active).toList()},
             {IndexKeys::ArchivedBills, QVariant(archived).toList()},
             {IndexKeys::DeletedBills, QVariant(deleted).toList()}},
            listName == IndexKeys::ActiveBills ? IndexKeys::ActiveBillsCloudKey : IndexKeys::DeletedBillsCloudKey);
        if (!written)
            Log::line(QStringLiteral("Could not save the merged %1").arg(listName));
    }
    stampLastChangeDates(true);
    if (!written)
        return std::nullopt;
    return added;
}

// ---- Full pass -----------------------------------------------------------------

bool OrvaneCloudManager::isIdle() const
{
    return !m_passing && m_uploadsInFlight.isEmpty() && m_fetchesInFlight == 0 && m_arrivalsMerging == 0
           && m_arrivalWrites.isEmpty();
}

void OrvaneCloudManager::fetchAndUploadAllRecords()
{
    // One pass at a time; one asked for meanwhile runs once it is over.
    if (m_passing) {
        m_passAgain = true;
        return;
    }
    m_passing = true;
    // Lists first, so that bills deleted elsewhere are known as deleted
    // before any bill record is looked at.
    QPointer<OrvaneCloudManager> self(this);
    queryAll(IndexRecordType, QString(), {}, [self](const QList<CloudRecord>& records, const CloudError& error) {
        if (self)
            self->fullPassIndexesDone(records, error);
    });
}

void OrvaneCloudManager::queryAll(const QString& recordType, const QString& cursor, QList<CloudRecord> found,
                                  const std::function<void(const QList<CloudRecord>&, const CloudError&)>& done,
                                  int attempt)
{
    CloudDatabase* db = database();
    if (!db) {
        done({}, CloudError{CloudError::NotAuthenticated, QStringLiteral("No cloud database"), 0});
        return;
    }
    QPointer<OrvaneCloudManager> self(this);
    db->queryRecords(recordType, cursor,
                     [self, recordType, cursor, found, done, attempt, generation = m_generation](
                         const CloudQueryBatch& batch, const CloudError& error) mutable {
                         // A pass that sync was switched off under ends here.
                         if (!self || !self->isCurrent(generation))
                             return;
                         if (error.isError()) {
                             // The batch is asked for again; the ones read so far are kept.
                             const std::optional<int> delay = self->retryDelay(recordType, attempt, error);
                             if (!delay) {
                                 done({}, error);
                                 return;
                             }
                             self->retryLater(
                                 recordType, *delay, [self, generation] { return self->isCurrent(generation); },
                                 [self, recordType, cursor, found, done, attempt] {
                                     self->queryAll(recordType, cursor, found, done, attempt + 1);
                                 });
                             return;
                         }
                         found += batch.records;
                         if (batch.cursor.isEmpty())
                             done(found, error);
                         else
                             self->queryAll(recordType, batch.cursor, found, done, 1);
                     });
}

void OrvaneCloudManager::fullPassIndexesDone(const QList<CloudRecord>& records, const CloudError& error)
{
    if (error.isError()) {
        Log::line(QStringLiteral("Error fetching records: %1").arg(error.message));
        emit syncFailed(IndexRecordType, error.message);
        fullPassDone({}, true);
        return;
    }
    QStringList changed;
    for (const CloudRecord& record : records) {
        if (!recordIsAnIndexFileWithRecordName(record.recordName))
            continue;
        changed += mergeIndexLocally(bidsOf(record), record.recordName).value_or(QStringList());
    }
    // Lists whose upload did not get through when they changed go up now;
    // one the cloud already holds whole is left as it is.
    for (const QString& listName : {IndexKeys::ActiveBills, IndexKeys::DeletedBills})
        uploadIndexToCloud(localList(listName), listName);

    if (m_inStepRead || inStepPath().isEmpty()) {
        startBillPass(changed);
        return;
    }
    // Read on a worker; what this run learnt already is newer.
    QPointer<OrvaneCloudManager> self(this);
    QtConcurrent::run(&OrvaneInStepFile::read, inStepPath())
        .then(this, [self, changed, generation = m_generation](const QHash<QString, InStep>& kept) {
            if (!self || !self->isCurrent(generation))
                return;
            self->m_inStepRead = true;
            for (auto bill = kept.cbegin(); bill != kept.cend(); ++bill) {
                if (!self->m_inStep.contains(bill.key()))
                    self->m_inStep.insert(bill.key(), bill.value());
            }
            self->startBillPass(changed);
        });
}

// Each bill the cloud holds is merged with the copy here, and what the
// cloud lacks of it goes up; then the bills it has never seen.
void OrvaneCloudManager::startBillPass(const QStringList& listsChanged)
{
    m_pass = new OrvaneCloudPass(*this, listsChanged);
    connect(m_pass, &QObject::destroyed, this, &OrvaneCloudManager::passEnded);
    m_pass->start();
}

QString OrvaneCloudManager::inStepPath() const
{
    return m_env.defaults ? OrvaneInStepFile::pathBeside(m_env.defaults->path()) : QString();
}

void OrvaneCloudManager::fullPassDone(const QStringList& changedBills, bool failed)
{
    if (m_pass)
        m_pass->deleteLater();
    m_pass = nullptr;
    m_passing = false;
    if (!failed && m_inStepRead)
        m_inStepWriter.post([path = inStepPath(), bills = m_inStep] { OrvaneInStepFile::write(path, bills); });
    if (!failed && !changedBills.isEmpty()) {
        emit iCloudChangeReceived(QString(), changedBills);
    } else if (!failed) {
        Log::line(QStringLiteral("No changes from iCloud"));
        emit noiCloudChanges();
    }
    if (std::exchange(m_passAgain, false))
        fetchAndUploadAllRecords();
}
