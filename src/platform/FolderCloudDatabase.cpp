#include "platform/FolderCloudDatabase.h"

#include "platform/BWUIDMaker.h"
#include "platform/FolderCloudWorker.h"

#include <QElapsedTimer>
#include <QMutexLocker>
#include <QRegularExpression>

#include <utility>

namespace {

// How long the answers handed back at one go may keep this thread busy.
constexpr int DeliverBudgetMilliseconds = 8;

}  // namespace

FolderCloudDatabase::FolderCloudDatabase(const QString& folder, const QString& deviceID, QObject* parent)
    : CloudDatabase(parent)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
    , m_worker(
          new FolderCloudWorker(folder, deviceID, this, [this](std::function<void()> call) { post(std::move(call)); }))
{
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_deliverLater.setSingleShot(true);
    m_deliverLater.setInterval(0);
    connect(&m_deliverLater, &QTimer::timeout, this, &FolderCloudDatabase::deliver);
    m_thread.setObjectName(QStringLiteral("Cloud folder"));
    m_thread.start();
    onWorker([](FolderCloudWorker& worker, const QDateTime& now) { worker.start(now); });
}

FolderCloudDatabase::~FolderCloudDatabase()
{
    m_worker->stop();
    m_thread.quit();
    m_thread.wait();
}

bool FolderCloudDatabase::isValidRecordName(const QString& recordName)
{
    return BWUIDMaker::isValidUID(recordName) || recordName == QLatin1String("ActiveBills")
        || recordName == QLatin1String("DeletedBills");
}

QString FolderCloudDatabase::conflictCopyOriginal(const QString& fileName)
{
    static const QRegularExpression patterns[] = {
        // Syncthing: <name>.sync-conflict-20261209-101530-ABCDEF7.<ext>
        QRegularExpression(QStringLiteral(R"(^(.+)\.sync-conflict-\d{8}-\d{6}-[A-Z0-9]+(\.[^.]+)$)")),
        // Nextcloud: <name> (conflicted copy 2026-12-09 101530).<ext>
        QRegularExpression(QStringLiteral(R"(^(.+) \(conflicted copy [^()]*\)(\.[^.]+)$)")),
        // Dropbox: <name> (Kim's conflicted copy 2026-12-09).<ext>
        QRegularExpression(QStringLiteral(R"(^(.+) \([^()]*'s conflicted copy [^()]*\)(\.[^.]+)$)")),
    };
    for (const QRegularExpression& pattern : patterns) {
        const QRegularExpressionMatch match = pattern.match(fileName);
        if (match.hasMatch())
            return match.captured(1) + match.captured(2);
    }
    return {};
}

// ---- Calls -----------------------------------------------------------------------

void FolderCloudDatabase::fetchRecord(const QString& recordName, FetchCompletion completion)
{
    onWorker([this, recordName, completion](FolderCloudWorker& worker, const QDateTime& now) {
        const auto [record, error] = worker.fetch(recordName, now);
        post([completion, record, error] { completion(record, error); });
    });
}

void FolderCloudDatabase::saveRecord(const CloudRecord& record, SaveCompletion completion)
{
    onWorker([this, record, completion](FolderCloudWorker& worker, const QDateTime& now) {
        const FolderCloudWorker::SaveResult result = worker.save(record, now);
        post([completion, result] { completion(result.record, result.error); });
    });
}

void FolderCloudDatabase::deleteRecord(const QString& recordName, DeleteCompletion completion)
{
    onWorker([this, recordName, completion](FolderCloudWorker& worker, const QDateTime& now) {
        const CloudError error = worker.remove(recordName, now);
        post([completion, error] { completion(error); });
    });
}

void FolderCloudDatabase::queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion)
{
    queryChangedRecords(recordType, cursor, {}, std::move(completion));
}

void FolderCloudDatabase::queryChangedRecords(const QString& recordType, const QString& cursor,
                                              const QHash<QString, QString>& knownTags, QueryCompletion completion)
{
    onWorker([this, recordType, cursor, knownTags, completion](FolderCloudWorker& worker, const QDateTime& now) {
        CloudError error;
        const CloudQueryBatch batch = worker.query(recordType, cursor, knownTags, now, &error);
        post([completion, batch, error] { completion(batch, error); });
    });
}

void FolderCloudDatabase::saveSubscription(const QString& subscriptionID, const QString& recordType,
                                           const QList<ChangeReason>& reasons, DeleteCompletion completion)
{
    onWorker([this, subscriptionID, recordType, reasons, completion](FolderCloudWorker& worker, const QDateTime& now) {
        worker.subscribe(subscriptionID, recordType, reasons, now);
        post([completion] { completion(CloudError::ok()); });
    });
}

void FolderCloudDatabase::setRecordMerger(RecordMerger merger)
{
    onWorker([merger](FolderCloudWorker& worker, const QDateTime&) { worker.setRecordMerger(merger); });
}

void FolderCloudDatabase::setVersionTests(StampReader latestStamp, HoldsTest holds)
{
    onWorker([latestStamp, holds](FolderCloudWorker& worker, const QDateTime&) {
        worker.setVersionTests(latestStamp, holds);
    });
}

void FolderCloudDatabase::setDeviceID(const QString& deviceID)
{
    onWorker([deviceID](FolderCloudWorker& worker, const QDateTime&) { worker.setDeviceID(deviceID); });
}

void FolderCloudDatabase::setBatchSize(int size)
{
    onWorker([size](FolderCloudWorker& worker, const QDateTime&) { worker.setBatchSize(size); });
}

void FolderCloudDatabase::readChanges(std::function<void()> done)
{
    onWorker([this, done](FolderCloudWorker& worker, const QDateTime& now) {
        worker.readChanges(now);
        if (done)
            post(done);
    });
}

void FolderCloudDatabase::readPending(const QSet<QString>& pending)
{
    onWorker([pending](FolderCloudWorker& worker, const QDateTime& now) { worker.readPending(pending, now); });
}

// ---- Threads ---------------------------------------------------------------------

void FolderCloudDatabase::onWorker(std::function<void(FolderCloudWorker&, const QDateTime&)> work)
{
    ++m_onWorker;
    QMetaObject::invokeMethod(
        m_worker,
        [this, work = std::move(work), now = m_clock()] {
            work(*m_worker, now);
            --m_onWorker;
        },
        Qt::QueuedConnection);
}

bool FolderCloudDatabase::isIdle() const
{
    // Each step hands over to the next before it ends: a read the watch
    // asked for is in the mailbox before the watch forgets it, and an answer
    // is in the mailbox before its call counts as run.
    QMutexLocker lock(&m_mailboxMutex);
    return m_mailbox.isEmpty() && m_onWorker == 0 && !m_worker->readsPending();
}

void FolderCloudDatabase::post(std::function<void()> call)
{
    QMutexLocker lock(&m_mailboxMutex);
    const bool first = m_mailbox.isEmpty();
    m_mailbox.append(std::move(call));
    lock.unlock();
    // Delivered on a timer turn of its own (the timer is started on its
    // thread): answers delivered by a posted event would chain with every
    // other event posted meanwhile.
    if (first)
        QMetaObject::invokeMethod(&m_deliverLater, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void FolderCloudDatabase::deliver()
{
    QElapsedTimer budget;
    budget.start();
    for (;;) {
        QMutexLocker lock(&m_mailboxMutex);
        if (m_mailbox.isEmpty())
            return;
        if (budget.elapsed() >= DeliverBudgetMilliseconds) {
            // The rest after whatever else waits on this thread.
            m_deliverLater.start();
            return;
        }
        const std::function<void()> call = m_mailbox.takeFirst();
        lock.unlock();
        call();
    }
}
