// The change stream's large events, above all its first one with every bill,
// and the send-all pass: merged with the bill files on a worker, carried
// out here a few bills a turn. Events that arrive meanwhile wait, so that
// each is applied after the ones before it.
#include "sync/FirebaseDataManager.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#include <utility>

#include "platform/Log.h"
#include "store/BWDataFolder.h"
#include "sync/FirebaseBulkMerging.h"
#include "sync/FirebaseChildTracker.h"
#include "sync/FirebasePendingWrites.h"

namespace {

// The send-all's uploads under way at once: as many as the network keeps
// connections to one server, so that their answers never pile up.
constexpr int SendAllUploadsAtOnce = 6;

}  // namespace

void FirebaseDataManager::billEvent(const QString& event, const QString& path, const QVariant& data)
{
    if (m_bulk->busy)
        m_bulk->held.append({event, path, data, {}});
    else
        applyBillEvent(event, path, data);
}

void FirebaseDataManager::applyBillEvent(const QString& event, const QString& path, const QVariant& data)
{
    handleBillChanges(event, path, data);
    if (event == QLatin1String("put") && path == QLatin1String("/")) {
        m_bulk->firstEventMerged = true;
        if (m_bulk->sendAllWanted)
            mergeOnWorker({});
    }
}

void FirebaseDataManager::largeBillEvent(const QByteArrayList& pieces)
{
    if (m_bulk->busy)
        m_bulk->held.append({{}, {}, {}, pieces});
    else
        mergeOnWorker(pieces);
}

void FirebaseDataManager::uploadAllBillsToFirebaseIfNecessary()
{
    if (!m_configured || m_userUID.isEmpty())
        return;
    m_bulk->sendAllWanted = true;
    // Else it runs once the stream's first event is merged.
    if (m_bulk->firstEventMerged && !m_bulk->busy)
        mergeOnWorker({});
}

void FirebaseDataManager::mergeOnWorker(const QByteArrayList& pieces)
{
    m_bulk->busy = m_bulk->onWorker = true;
    m_bulk->mergingSendAll = m_bulk->sendAllWanted && (m_bulk->firstEventMerged || !pieces.isEmpty());
    if (m_bulk->mergingSendAll)
        m_bulk->sendAllWanted = false;
    FirebaseStreamMerge::Input input{pieces, *m_billChildren, *m_tombstoneChildren, BWDataFolder(m_env).path(),
                                     m_bulk->mergingSendAll};
    m_bulk->merging.setFuture(QtConcurrent::run([input = std::move(input)] { return FirebaseStreamMerge::merge(input); }));
}

void FirebaseDataManager::mergedOnWorker()
{
    const FirebaseStreamMerge::Result result = m_bulk->merging.result();
    if (!m_bulk->busy)
        return;   // the listeners were stopped meanwhile
    *m_billChildren = result.bills;
    if (result.wholeNode)
        m_bulk->firstEventMerged = true;
    const int generation = m_bulk->generation;
    const QString uid = m_listeningUID;
    for (const FirebaseStreamMerge::Outcome& outcome : result.outcomes) {
        m_bulk->turns.append([this, outcome, generation, uid] {
            if (generation != m_bulk->generation || uid != m_userUID)
                return;
            switch (outcome.kind) {
            case FirebaseStreamMerge::Outcome::Decided:
                carryOut(outcome.billID, outcome.decision.merged, outcome.decision.sendBack, outcome.decision.store);
                break;
            case FirebaseStreamMerge::Outcome::Removed:
                Log::line(QStringLiteral("Bill Deleted!"));
                removedFromServer(outcome.billID, outcome.value);
                break;
            case FirebaseStreamMerge::Outcome::Upload:
                Log::line(QStringLiteral("Bill %1 is not on Firebase, saving it there").arg(outcome.billID));
                m_bulk->uploads.append(
                    {FirebasePendingWrite::Save, uid, outcome.billID, firebaseForm(outcome.value), 0, 0});
                sendSomeOfTheSendAll();
                break;
            }
        });
    }
    m_bulk->turns.append([this, generation] {
        if (generation != m_bulk->generation)
            return;
        m_bulk->onWorker = false;
        if (std::exchange(m_bulk->mergingSendAll, false))
            announceIfAllSent();
        releaseHeldEvents();
    });
}

// In the order they came, one a turn, until one of them goes to the
// worker again.
void FirebaseDataManager::releaseHeldEvents()
{
    if (m_bulk->held.isEmpty()) {
        m_bulk->busy = false;
        if (m_bulk->sendAllWanted && m_bulk->firstEventMerged)
            mergeOnWorker({});
        return;
    }
    const FirebaseBulkMerging::HeldEvent held = m_bulk->held.takeFirst();
    if (!held.pieces.isEmpty())
        return mergeOnWorker(held.pieces);
    applyBillEvent(held.event, held.path, held.data);
    if (!m_bulk->onWorker)
        m_bulk->turns.append([this, generation = m_bulk->generation] {
            if (generation == m_bulk->generation)
                releaseHeldEvents();
        });
}

// The send-all runs again at every start and sign-in, so its uploads are
// not journaled; a few go at a time.
void FirebaseDataManager::sendSomeOfTheSendAll()
{
    while (m_bulk->uploadsUnderWay.size() < SendAllUploadsAtOnce && !m_bulk->uploads.isEmpty()) {
        const FirebasePendingWrite write = m_bulk->uploads.takeFirst();
        const QString key = write.uid + QLatin1Char('/') + write.billID;
        // A journaled write of the bill under way sends what is stored.
        if (write.uid != m_userUID || m_sending.contains(key))
            continue;
        m_bulk->uploadsUnderWay.insert(key);
        send(write);
    }
}

void FirebaseDataManager::stopBulkMerging()
{
    ++m_bulk->generation;
    m_bulk->busy = m_bulk->onWorker = m_bulk->sendAllWanted = m_bulk->mergingSendAll = m_bulk->firstEventMerged
        = false;
    m_bulk->held.clear();
    m_bulk->turns.clear();
    m_bulk->uploads.clear();
    m_bulk->uploadsUnderWay.clear();
}

bool FirebaseDataManager::isIdle() const
{
    return m_connected && m_bulk->firstEventMerged && !m_bulk->busy && !m_bulk->sendAllWanted
           && m_bulk->uploads.isEmpty() && m_sending.isEmpty() && pendingWriteCount() == 0;
}

void FirebaseDataManager::announceIfAllSent()
{
    if (!m_userUID.isEmpty() && m_sending.isEmpty() && m_bulk->uploads.isEmpty() && !m_bulk->mergingSendAll
        && pendingWriteCount() == 0)
        emit pendingWritesSent();
}
