#include "sync/OrvaneCloudPass.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QtConcurrent>

#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"
#include "sync/OrvaneCloudManager.h"

OrvaneCloudPass::OrvaneCloudPass(OrvaneCloudManager& engine, const QStringList& listsChanged)
    : m_engine(engine)
    , m_generation(engine.m_generation)
    , m_changed(listsChanged)
    , m_dataFolder(engine.dataFolder())
{
    for (auto it = engine.m_inStep.cbegin(); it != engine.m_inStep.cend(); ++it) {
        m_knownTags.insert(it.key(), it->cloudTag);
        m_stampsInStep.insert(it.key(), it->localStamp);
    }
    connect(&m_merging, &QFutureWatcher<QList<Outcome>>::finished, this, &OrvaneCloudPass::batchMerged);
    connect(&m_lacking, &QFutureWatcher<QStringList>::finished, this, [this] {
        if (!isCurrent())
            return;
        QList<Outcome> uploads;
        for (const QString& billID : m_lacking.result())
            uploads.append(Outcome::upload(billID));
        applyThen(uploads, [this] { finish(); });
    });
}

OrvaneCloudPass::~OrvaneCloudPass()
{
    // The worker's merging ends at its next bill; its result goes nowhere.
    *m_cancelled = true;
}

void OrvaneCloudPass::start()
{
    requestBatch(QString(), 1);
}

bool OrvaneCloudPass::isCurrent() const
{
    return !*m_cancelled && m_engine.isCurrent(m_generation) && m_engine.m_pass == this;
}

void OrvaneCloudPass::requestBatch(const QString& cursor, int attempt)
{
    CloudDatabase* db = m_engine.database();
    if (!db) {
        m_failed = true;
        uploadAllRecordsExcludingRecords();
        return;
    }
    QPointer<OrvaneCloudPass> self(this);
    db->queryChangedRecords(OrvaneCloudManager::BillRecordType, cursor, m_knownTags,
                            [self, cursor, attempt](const CloudQueryBatch& batch, const CloudError& error) {
                                if (!self || !self->isCurrent())
                                    return;
                                if (!error.isError()) {
                                    self->batchArrived(batch);
                                    return;
                                }
                                // The batch is asked for again; those read so far are kept.
                                const std::optional<int> delay
                                    = self->m_engine.retryDelay(OrvaneCloudManager::BillRecordType, attempt, error);
                                if (delay) {
                                    self->m_engine.retryLater(
                                        OrvaneCloudManager::BillRecordType, *delay,
                                        [self] { return self && self->isCurrent(); },
                                        [self, cursor, attempt] { self->requestBatch(cursor, attempt + 1); });
                                    return;
                                }
                                // The uploads compare with the cloud's copy one by one.
                                Log::line(QStringLiteral("Error fetching records: %1").arg(error.message));
                                emit self->m_engine.syncFailed(OrvaneCloudManager::BillRecordType, error.message);
                                self->m_failed = true;
                                self->m_inCloud.clear();
                                self->uploadAllRecordsExcludingRecords();
                            });
}

void OrvaneCloudPass::batchArrived(const CloudQueryBatch& batch)
{
    for (const CloudRecord& record : batch.records)
        m_inCloud.insert(record.fields.value(BillKeys::Bid).toString());
    for (const QString& billID : batch.unchanged)
        m_inCloud.insert(billID);
    m_nextCursor = batch.cursor;
    const Batch input{batch.records, batch.unchanged, m_stampsInStep, m_dataFolder};
    m_merging.setFuture(QtConcurrent::run([input, cancelled = m_cancelled] { return mergeBatch(input, *cancelled); }));
}

void OrvaneCloudPass::batchMerged()
{
    if (!isCurrent())
        return;
    const QList<Outcome> outcomes = m_merging.result();
    emit m_engine.passBatchMerged(int(outcomes.size()));
    applyThen(outcomes, [this] {
        if (!m_nextCursor.isEmpty())
            requestBatch(m_nextCursor, 1);
        else
            uploadAllRecordsExcludingRecords();
    });
}

void OrvaneCloudPass::applyThen(const QList<Outcome>& outcomes, const std::function<void()>& next)
{
    for (const Outcome& outcome : outcomes)
        m_turns.append([this, outcome] { applyOne(outcome); });
    m_turns.append([this, next] {
        if (isCurrent())
            next();
    });
}

void OrvaneCloudPass::applyOne(const Outcome& outcome)
{
    if (!isCurrent())
        return;
    if (apply(m_engine, outcome))
        m_changed.append(outcome.billID);
    // Whatever a write set off may have switched sync off.
    if (!isCurrent())
        m_turns.clear();
}

bool OrvaneCloudPass::apply(OrvaneCloudManager& engine, const Outcome& outcome)
{
    const QString& billID = outcome.billID;
    switch (outcome.action) {
    case Outcome::NoteInStep:
        engine.noteInStep(billID, outcome.record.changeTag, outcome.steady ? outcome.mergedWith : std::nullopt);
        return false;
    case Outcome::Upload:
        engine.uploadBillToCloud({}, billID);
        return false;
    case Outcome::Write:
        break;
    }
    // The store merges the cloud's copy with the bill as it stands when it
    // writes, so an edit made since the worker read the file is kept.
    Log::line(QStringLiteral("YES, save locally."));
    engine.stampLastChangeDates(true);
    if (outcome.uploadAfterWrite)
        engine.uploadBillToCloud({}, billID);
    return engine.writeDownloadedBill(outcome.bill);
}

void OrvaneCloudPass::uploadAllRecordsExcludingRecords()
{
    m_lacking.setFuture(QtConcurrent::run([folder = m_dataFolder, inCloud = m_inCloud, cancelled = m_cancelled] {
        return billsToUpload(folder, inCloud, *cancelled);
    }));
}

void OrvaneCloudPass::finish()
{
    m_engine.fullPassDone(m_changed, m_failed);
}
