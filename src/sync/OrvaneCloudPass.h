#pragma once

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <memory>
#include <optional>

#include "platform/CloudDatabase.h"
#include "platform/FileStamp.h"
#include "sync/OrvaneTurnQueue.h"

class OrvaneCloudManager;

// The part of OrvaneCloudManager's full pass that goes over the bills the
// cloud holds, batch by batch. The cloud is asked only for the records that
// changed since they were last in step here; each batch is merged with the
// bill files on a worker thread, and what is to be written is written on
// the engine's thread through the store, a few bills at a time, so that the
// window is never held up. The store merges the cloud's copy with the bill
// as it stands when it writes, so an edit made meanwhile is kept. Then the bills the cloud has never seen go up.
//
// Switching sync off deletes the pass: the merging under way stops at its
// next bill, and nothing of it is written.
class OrvaneCloudPass : public QObject
{
    Q_OBJECT

public:
    // What one bill of a batch comes to.
    struct Outcome
    {
        enum Action { NoteInStep, Write, Upload };
        Action action = NoteInStep;
        QString billID;
        CloudRecord record;  // the cloud's copy, when it came whole
        QVariantMap bill;    // the cloud's copy as a bill, to merge in
        bool uploadAfterWrite = false;
        // The bill file's stamp the merge was made with, and whether it
        // stood still while it was read.
        std::optional<FileStamp> mergedWith;
        bool steady = false;

        static Outcome upload(const QString& billID)
        {
            Outcome outcome;
            outcome.action = Upload;
            outcome.billID = billID;
            return outcome;
        }
    };
    // What the merging of a batch on the worker is given.
    struct Batch
    {
        QList<CloudRecord> records;
        QStringList unchanged;
        // The stamp each bill's file had when it was last in step.
        QHash<QString, FileStamp> stampsInStep;
        QString dataFolder;
    };

    // `listsChanged`: the bills whose place in the lists the pass changed.
    OrvaneCloudPass(OrvaneCloudManager& engine, const QStringList& listsChanged);
    ~OrvaneCloudPass() override;

    void start();

    // Merges a batch with the bill files; touches nothing, so that it runs
    // on any thread. Ends early once `cancelled` is set.
    static QList<Outcome> mergeBatch(const Batch& batch, const std::atomic<bool>& cancelled);
    // Carries out an outcome through the engine and the store, on the
    // engine's thread; true when a bill was written.
    static bool apply(OrvaneCloudManager& engine, const Outcome& outcome);
    // The bills of the lists the cloud does not hold that have a file here:
    // active, archived and deleted alike.
    static QStringList billsToUpload(const QString& dataFolder, const QSet<QString>& inCloud,
                                     const std::atomic<bool>& cancelled);

private:
    bool isCurrent() const;
    void requestBatch(const QString& cursor, int attempt);
    void batchArrived(const CloudQueryBatch& batch);
    void batchMerged();
    // Applies the outcomes a few at a time, then goes on with `next`.
    void applyThen(const QList<Outcome>& outcomes, const std::function<void()>& next);
    void applyOne(const Outcome& outcome);
    // Every local active bill the cloud does not hold goes up.
    void uploadAllRecordsExcludingRecords();
    void finish();

    OrvaneCloudManager& m_engine;
    int m_generation;
    // The bills the pass changed here.
    QStringList m_changed;
    // The bills could not be read from the cloud: all go up, compared one
    // by one, and the pass tells of no change.
    bool m_failed = false;
    QString m_dataFolder;
    QHash<QString, QString> m_knownTags;
    QHash<QString, FileStamp> m_stampsInStep;
    QSet<QString> m_inCloud;
    QString m_nextCursor;
    OrvaneTurnQueue m_turns;
    std::shared_ptr<std::atomic<bool>> m_cancelled = std::make_shared<std::atomic<bool>>(false);
    QFutureWatcher<QList<Outcome>> m_merging;
    QFutureWatcher<QStringList> m_lacking;
};
