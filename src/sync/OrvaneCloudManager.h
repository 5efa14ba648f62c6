#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

#include "platform/CloudDatabase.h"
#include "platform/FileStamp.h"
#include "platform/SerialWorker.h"
#include "store/BWStoreEnvironment.h"
#include "sync/OrvaneCloudPass.h"
#include "sync/OrvaneInStepFile.h"
#include "sync/OrvaneTurnQueue.h"

// Keeps the bills of the data folder in step with the user's private cloud
// database: every bill is one "Bill" record named by its id, and the lists
// ActiveBills and DeletedBills of the index are two "Index" records.
//
// It uploads after every local write (the store calls it through the cloud
// channels), downloads what another device changed (the shell hands it the
// database's change signals) and runs a full pass when sync is switched on.
// Two copies of a bill are merged by BWBillMerge (each field of the copy
// that changed it last, every payment either holds unless a device removed
// it, the deletion rule), and the merge is saved against the change tag of
// the copy it was merged with. A deletion travels in the bill's record as
// its stamped tombstone; the id lists tell which bills exist, for devices
// that have not seen them yet and for earlier versions.
//
// The engine runs on the thread that owns it (the GUI thread): the database
// answers there, retries are timers there, and every write to the store is
// made there. Only the full pass's merging of the bills the cloud holds with
// the local files runs on worker threads (OrvaneCloudPass). Whether sync is
// on is the callers' business; the engine never reads the switch.
class OrvaneCloudManager : public QObject
{
    Q_OBJECT

public:
    static inline const QString BillRecordType = QStringLiteral("Bill");
    static inline const QString IndexRecordType = QStringLiteral("Index");
    // Subscriptions are saved under fixed ids, so saving them again at every
    // start replaces them instead of adding more.
    static inline const QString BillSubscriptionID = QStringLiteral("OrvaneBillChanges");
    static inline const QString IndexSubscriptionID = QStringLiteral("OrvaneIndexChanges");

    // How failed uploads are tried again: after `firstDelayMs` (or the
    // server's retry-after, when longer), doubling up to `maxDelayMs`, for at
    // most `maxAttempts` attempts in all; then the failure is reported.
    struct RetryPolicy
    {
        int firstDelayMs = 4000;
        int maxDelayMs = 5 * 60 * 1000;
        int maxAttempts = 6;
    };

    OrvaneCloudManager(CloudContainer& container, const BWStoreEnvironment& env, QObject* parent = nullptr);

    void setRetryPolicy(const RetryPolicy& policy) { m_retryPolicy = policy; }
    RetryPolicy retryPolicy() const { return m_retryPolicy; }

    // ---- Switching ----
    void turnCloudSyncOn();
    void turnCloudSyncOff();
    // Subscriptions, then a full pass.
    void setupiCloudAndSyncCloudChangesSinceLastSync();
    void registerForCloudNotifications();

    // ---- Uploads ----
    // Uploads the bill as its file holds it now: `bill` only names what the
    // caller wrote; the content and its date are read from the data folder
    // when the record is filled, so a late or repeated upload never sends
    // stale content under a fresh date.
    void uploadBillToCloud(const QVariantMap& bill, const QString& billID);
    // Uploads an id list merged with the cloud's ("ActiveBills" or "DeletedBills").
    void uploadIndexToCloud(const QStringList& billIDs, const QString& listName);

    // ---- Downloads ----
    // A change pushed by the database.
    void receivedChangeFromiCloud(const QString& recordType, const QString& recordName, int reason);
    // Reads every record of the cloud, saves what is newer locally and
    // uploads what the cloud lacks.
    void fetchAndUploadAllRecords();
    void downloadRecordFromCloud(const QString& recordName);
    void downloadIndexFromCloud(const QString& recordName);
    // Merges a downloaded bill with the local copy and writes the merge when
    // it differs from the local copy; true when it wrote. What the cloud's
    // copy lacks goes up.
    bool saveRecordLocally(const CloudRecord& record, bool notifyImmediately);
    // Merges a downloaded id list into the index; true when it wrote.
    bool mergeAndSaveIndexLocally(const QStringList& cloudIDs, const QString& listName, bool notifyImmediately);
    // No pass under way, no arrival being merged and no upload in flight.
    bool isIdle() const;

    // ---- Rules and conversions ----
    // Both by the one merge rule (BWBillMerge): the cloud's copy is saved
    // here when the merge of the two holds anything the local one lacks (or
    // there is no local one), and the local one goes up when the merge holds
    // anything the cloud's lacks (or the cloud has none).
    static bool shouldSaveRecordLocally(const std::optional<QVariantMap>& local, const QVariantMap& cloud);
    static bool shouldSaveRecordToCloud(const QVariantMap& local, const std::optional<QVariantMap>& cloud);
    // Fills `record` from a stored bill; `localDate` becomes its
    // localModificationDate.
    static CloudRecord convertBill(const QVariantMap& bill, const QDateTime& localDate, CloudRecord record);
    // The bill of a "Bill" record. Receipt paths are kept only as files of
    // `dataFolder` named by an id; any other path becomes "".
    static QVariantMap convertRecordintoBill(const CloudRecord& record, const QString& dataFolder);
    // No caller in the program; the bill's BWBillMerge::modificationDate() (its
    // latest change or deletion), else the distant past.
    QDateTime modificationDateForBillID(const QString& billID) const;
    // No caller in the program; the record's LocalModificationDate, else its
    // own modification date.
    static QDateTime cloudModificationDateForBillRecord(const CloudRecord& record);
    static bool recordIsAnIndexFileWithRecordName(const QString& recordName);

    // A bill's stored copy as sync merges it (BWBill::storedCopy), with its
    // file's stamp before the reading; `steady` when the file stood still
    // all through it, with a stamp the next change is bound to move.
    // Touches nothing, so any thread may read. `listedAsDeleted`: whether
    // the index lists the bill as deleted; unknown, the index is read.
    struct LocalBill
    {
        std::optional<QVariantMap> bill;
        std::optional<FileStamp> stamp;
        bool steady = false;
    };
    static LocalBill readLocalBill(const QString& dataFolder, const QString& billID,
                                   std::optional<bool> listedAsDeleted = std::nullopt);
    // The ids of an "Index" record.
    static QStringList bidsOf(const CloudRecord& record);
    // One record of two versions written apart: bills by BWBillMerge, id
    // lists as the union of their ids. Given to databases that keep a
    // version per device.
    static CloudRecord mergedRecords(const CloudRecord& first, const CloudRecord& second);

signals:
    // A downloaded change was written here: the bill's id, or "" for lists or
    // a full pass, with the bills they changed when known.
    void iCloudChangeReceived(const QString& billID, const QStringList& changedBills = {});
    void iCloudChangeUploaded();
    // A full pass found nothing to bring back.
    void noiCloudChanges();
    // Something could not be brought in step: an upload that failed every
    // attempt, a fetch or a full pass that failed (`what`: record or pass).
    void syncFailed(const QString& what, const QString& message);
    // An attempt of a write failed (at once, retried or not).
    void writeFailed(const QString& what, const QString& message);
    // Each retry as it is scheduled: the record or record type, the attempt
    // about to run (2 for the first retry) and the wait.
    void retryScheduled(const QString& what, int attempt, int delayMs);
    // A scheduled retry came due after sync was switched off and did not run.
    void retryDropped(const QString& what);
    // A batch of a full pass came back merged from the worker threads; none
    // of it is written yet.
    void passBatchMerged(int bills);
    // The bills of a full pass are done with: gone through, or dropped when
    // sync was switched off. Nothing of that pass runs after this.
    void passEnded();
    // A copy came with changes stamped by a clock `leadMs` ahead of this one.
    void clockFarAhead(const QString& deviceID, qint64 leadMs);

private:
    friend class OrvaneCloudPass;

    void fetchForDownload(const QString& recordName, std::function<void(const CloudRecord&)> handle);
    // `generation`: the one the download was asked for in.
    void mergeArrivalOnWorker(const CloudRecord& record, int generation);
    void applyArrival(const OrvaneCloudPass::Outcome& outcome, int generation);
    CloudDatabase* database() const;
    QString dataFolder() const;
    QDateTime now() const;
    void stampLastChangeDates(bool downloadOnly);

    // One upload in flight per record; a request while one runs is run once
    // more when it ends, so that every upload sees the newest local state.
    bool beginUpload(const QString& recordName);
    void endUpload(const QString& recordName);
    void uploadBillAttempt(const QString& billID, int attempt);
    void uploadIndexAttempt(const QString& listName, int attempt);
    void saveBillRecord(const QString& billID, const std::optional<CloudRecord>& fetched, int attempt);
    void saveIndexRecord(const QString& listName, const std::optional<CloudRecord>& fetched, int attempt);
    // The wait before attempt `attempt` + 1, or nothing when the attempts
    // are used up.
    std::optional<int> retryDelay(const QString& what, int attempt, const CloudError& error);
    // Runs `retry` after `delayMs` if `stillCurrent` then holds, else
    // announces the retry dropped: the one home of that rule for every retry.
    void retryLater(const QString& what, int delayMs, const std::function<bool()>& stillCurrent,
                    const std::function<void()>& retry);
    void retryOrReport(const QString& recordName, int attempt, const CloudError& error,
                       const std::function<void(int nextAttempt)>& retry);
    void uploadSucceeded(const QString& recordName, const QString& logLine);

    // The stored bill as sync merges it (BWBill::storedCopy).
    std::optional<QVariantMap> storedBill(const QString& billID) const;
    // Notes that the cloud's record with `cloudTag` and the bill's file
    // with `stamp` are in step (or forgets it when either is unknown).
    void noteInStep(const QString& billID, const QString& cloudTag, const std::optional<FileStamp>& stamp);
    QStringList localList(const QString& listName) const;
    // Stores a merge with the cloud's copy without sending it back; true
    // when anything was stored.
    bool writeDownloadedBill(const QVariantMap& bill);

    // Reads every batch of a query, asking again for a batch that failed;
    // `done` gets every record, or the error that outlasted the retries.
    void queryAll(const QString& recordType, const QString& cursor, QList<CloudRecord> found,
                  const std::function<void(const QList<CloudRecord>&, const CloudError&)>& done, int attempt = 1);
    // Whether work begun in `generation` may go on: sync was not switched
    // off since.
    bool isCurrent(int generation) const { return generation == m_generation; }
    void fullPassIndexesDone(const QList<CloudRecord>& records, const CloudError& error);
    void startBillPass(const QStringList& listsChanged);
    QString inStepPath() const;  // "" without defaults
    // The pass is over: what it brought is announced, unless it failed.
    void fullPassDone(const QStringList& changedBills, bool failed);
    // Merges a downloaded id list into the index; the bills whose place in
    // the lists changed when it wrote.
    std::optional<QStringList> mergeIndexLocally(const QStringList& cloudList, const QString& listName);

    CloudContainer& m_container;
    BWStoreEnvironment m_env;
    RetryPolicy m_retryPolicy;
    // Records with an upload in flight, and whether another was asked for
    // meanwhile.
    QHash<QString, bool> m_uploadsInFlight;
    // Bumped when sync is switched off: passes, uploads and retries begun
    // before stop at their next answer, so nothing more goes out.
    int m_generation = 0;
    // The bills known to be in step with the cloud: a pass reads only what
    // moved since. The first pass reads in what the last one left.
    using InStep = OrvaneInStep;
    QHash<QString, InStep> m_inStep;
    bool m_inStepRead = false;
    SerialWorker m_inStepWriter;  // one pass's file after the other
    // Whether a full pass is under way, its part over the bills, and whether
    // another was asked for meanwhile.
    bool m_passing = false;
    OrvaneCloudPass* m_pass = nullptr;
    bool m_passAgain = false;
    // Single records asked for and not answered yet, arrivals being merged
    // on workers, and their merges waiting to be written a few at a time.
    int m_fetchesInFlight = 0;
    int m_arrivalsMerging = 0;
    OrvaneTurnQueue m_arrivalWrites;
};
