// Sending bills and removals to the cloud database: journaled first,
// compare-and-swap on the node's ETag, retried until the server confirms.
#include "sync/FirebaseDataManager.h"

#include <QThread>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "store/BWBill.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

#include <algorithm>
#include "sync/FirebaseBulkMerging.h"
#include "sync/FirebaseChildTracker.h"
#include "sync/FirebasePendingWrites.h"
#include "sync/FirebaseRestClient.h"

namespace {

// How often a compare-and-swap is tried again when the node keeps changing
// under it before the write waits for the next retry.
constexpr int SwapAttempts = 5;

QString keyOf(const FirebasePendingWrite& write)
{
    return write.uid + QLatin1Char('/') + write.billID;
}

}  // namespace

QString FirebaseDataManager::billPath(const QString& uid, const QString& billID) const
{
    return QStringLiteral("users/%1/%2").arg(uid, billID);
}

// Tombstones live beside the bills, not among them: peers read every child
// of users/<uid> as a bill.
QString FirebaseDataManager::tombstonePath(const QString& uid, const QString& billID) const
{
    return QStringLiteral("deletedBills/%1/%2").arg(uid, billID);
}

std::optional<FirebaseError> FirebaseDataManager::refusalToSend(const QString& billID) const
{
    if (!m_configured)
        return FirebaseError{FirebaseError::NotConfigured, QStringLiteral("Orvane Cloud is not set up")};
    if (m_userUID.isEmpty())
        return FirebaseError{FirebaseError::NotSignedIn, QStringLiteral("No account is signed in")};
    if (!BWUIDMaker::isValidUID(billID))
        return FirebaseError{FirebaseError::Refused, QStringLiteral("\"%1\" is not a bill id").arg(billID)};
    return std::nullopt;
}

void FirebaseDataManager::saveBillToFirebase(const QVariantMap& firebaseRecord, const QString& billID, Done done)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [=, this] { saveBillToFirebase(firebaseRecord, billID, done); });
        return;
    }
    Log::line(QStringLiteral("Attempting to save data"));
    if (const std::optional<FirebaseError> refusal = refusalToSend(billID)) {
        Log::line(QStringLiteral("Not saving bill %1: %2").arg(billID, refusal->message));
        if (done)
            QTimer::singleShot(0, this, [done, error = *refusal] { done(error); });
        return;
    }
    FirebasePendingWrite write;
    write.operation = FirebasePendingWrite::Save;
    write.uid = m_userUID;
    write.billID = billID;
    write.record = firebaseRecord;
    journalAndSend({write}, std::move(done));
}

void FirebaseDataManager::removeBillFromFirebase(const QString& billID, Done done)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [=, this] { removeBillFromFirebase(billID, done); });
        return;
    }
    const std::optional<FirebaseError> refusal = refusalToSend(billID);
    if (refusal) {
        if (done)
            QTimer::singleShot(0, this, [done, error = *refusal] { done(error); });
        return;
    }
    FirebasePendingWrite write;
    write.operation = FirebasePendingWrite::Remove;
    write.uid = m_userUID;
    write.billID = billID;
    write.deletedAt = secondsOf(m_env.clock->now());
    // The deleted bill with its deletion's stamp, which decides against the
    // copies on the server.
    if (const std::optional<QVariantMap> deleted = BWBill(m_env).storedCopy(billID))
        write.record = firebaseForm(*deleted);
    journalAndSend({write}, std::move(done));
}

void FirebaseDataManager::journalAndSend(const QList<FirebasePendingWrite>& writes, Done done)
{
    QList<FirebasePendingWrite> journaled = m_journal->add(writes);
    if (journaled.isEmpty()) {
        // Still worth sending; only a restart before it arrives loses it.
        Log::line(QStringLiteral("Sending %1 cloud writes without a journal").arg(writes.size()));
        journaled = writes;
    }
    if (done)
        m_completions[keyOf(journaled.last())].append({journaled.last().sequence, std::move(done)});
    for (const FirebasePendingWrite& write : std::as_const(journaled)) {
        // A write of the same bill under way sends this one when it is done.
        if (!m_sending.contains(keyOf(write)))
            send(write);
    }
}

int FirebaseDataManager::pendingWriteCount() const
{
    return m_userUID.isEmpty() ? 0 : m_journal->writesOf(m_userUID).size();
}

void FirebaseDataManager::replayPendingWrites()
{
    if (!m_configured || m_userUID.isEmpty())
        return;
    for (const FirebasePendingWrite& write : m_journal->writesOf(m_userUID)) {
        if (!m_sending.contains(keyOf(write)))
            send(write);
    }
}

void FirebaseDataManager::send(const FirebasePendingWrite& write)
{
    m_sending.insert(keyOf(write));
    if (write.operation == FirebasePendingWrite::Remove)
        return sendRemove(write, SwapAttempts);
    m_client->getNode(billPath(write.uid, write.billID), [this, write](const FirebaseRestClient::NodeReply& reply) {
        if (reply.error.isError())
            return finishSending(write, reply.error);
        sendSave(write, reply.node, SwapAttempts);
    });
}

// What this device holds of the bill: the journaled copy merged with the
// stored one, which may have changed since.
QVariantMap FirebaseDataManager::localCopy(const FirebasePendingWrite& write) const
{
    QVariantMap journaled = write.record.isEmpty() ? QVariantMap() : billOfNode(write.record);
    if (write.operation == FirebasePendingWrite::Remove && !journaled.contains(BillKeys::DeletionStamp))
        journaled = BWBillMerge::merged(journaled, tombstoneBill(write.billID, {{DeletedAtKey, write.deletedAt}}));
    journaled.insert(BillKeys::Bid, write.billID);
    const std::optional<QVariantMap> stored = BWBill(m_env).storedCopy(write.billID);
    return stored ? BWBillMerge::merged(*stored, journaled) : BWBillMerge::merged(journaled, journaled);
}

void FirebaseDataManager::sendSave(const FirebasePendingWrite& write, const FirebaseNode& node, int attemptsLeft)
{
    if (!node.exists())
        return sendSaveOfMissingNode(write, node);
    const QVariantMap remote = billOfNode(node.value.toMap());
    const QVariantMap merged = BWBillMerge::merged(localCopy(write), remote);
    if (BWBillMerge::sameState(merged, remote)) {
        Log::line(QStringLiteral("Cloud copy holds everything, NOT saving to Firebase!"));
        // What the server holds is brought here instead.
        storeFromFirebase(remote);
        return finishSending(write, {});
    }
    if (BWBillMerge::isDeleted(merged))
        return sendRemove(write, attemptsLeft);
    const QVariantMap record = firebaseForm(merged);
    m_client->putNode(billPath(write.uid, write.billID), record, node.etag,
                      [this, write, record, attemptsLeft](const FirebaseRestClient::NodeReply& reply) {
                          // Changed meanwhile: merged again with what is there now.
                          if (reply.conflict && attemptsLeft > 1)
                              return sendSave(write, reply.node, attemptsLeft - 1);
                          if (reply.conflict)
                              return finishSending(write, {FirebaseError::Server, QStringLiteral("The bill kept changing")});
                          if (!reply.error.isError()) {
                              Log::line(QStringLiteral("Local copy holds more, saving to Firebase!"));
                              // The node's payments this device lacked come here too.
                              storeFromFirebase(billOfNode(record));
                          }
                          finishSending(write, reply.error);
                      });
}

// No node: unless the tombstone there says the bill was deleted after
// everything in this copy, the copy is written and the tombstone goes.
void FirebaseDataManager::sendSaveOfMissingNode(const FirebasePendingWrite& write, const FirebaseNode& node)
{
    const QString tombstone = tombstonePath(write.uid, write.billID);
    m_client->getNode(tombstone, [=, this](const FirebaseRestClient::NodeReply& found) {
        if (found.error.isError())
            return finishSending(write, found.error);
        QVariantMap merged = localCopy(write);
        if (found.node.exists())
            merged = BWBillMerge::merged(merged, tombstoneBill(write.billID, found.node.value.toMap()));
        if (BWBillMerge::isDeleted(merged)) {
            Log::line(QStringLiteral("Bill %1 was deleted after every change of this copy").arg(write.billID));
            // Settled before the deletion is applied, which a waiting
            // change would hold up.
            m_journal->confirm(write);
            storeFromFirebase(merged);
            return finishSending(write, {});
        }
        m_client->putNode(billPath(write.uid, write.billID), firebaseForm(merged), node.etag,
                          [=, this](const FirebaseRestClient::NodeReply& reply) {
                              if (reply.conflict)
                                  return sendSave(write, reply.node, SwapAttempts - 1);
                              if (reply.error.isError())
                                  return finishSending(write, reply.error);
                              Log::line(QStringLiteral("Bill didn't exist on Firebase, saving to Firebase!"));
                              if (!found.node.exists())
                                  return finishSending(write, {});
                              // An older tombstone left behind misleads nobody,
                              // but the bill is back: it goes.
                              m_client->deleteNode(tombstone, found.node.etag,
                                                   [=, this](const auto&) { finishSending(write, {}); });
                          });
    });
}

void FirebaseDataManager::sendRemove(const FirebasePendingWrite& write, int attemptsLeft)
{
    m_client->getNode(billPath(write.uid, write.billID), [=, this](const FirebaseRestClient::NodeReply& current) {
        if (current.error.isError())
            return finishSending(write, current.error);
        const QVariantMap remote = current.node.exists() ? billOfNode(current.node.value.toMap()) : QVariantMap();
        const QVariantMap merged
            = current.node.exists() ? BWBillMerge::merged(localCopy(write), remote) : localCopy(write);
        if (!BWBillMerge::isDeleted(merged)) {
            Log::line(QStringLiteral("Bill %1 was changed on another device after it was deleted here; keeping it")
                          .arg(write.billID));
            storeFromFirebase(merged);
            finishSending(write, {});
            // The node may lack what this copy holds.
            if (!BWBillMerge::sameState(merged, remote))
                sendMerged(write.billID, merged);
            return;
        }
        markDeleted(write, current.node, merged, attemptsLeft);
    });
}

// The tombstone keeps the latest deletion and what every deletion had seen
// of the bill, which the node no longer holds: an earlier deletion that
// arrives late must not let a change made between the two bring the bill
// back, nor a change no deletion had seen stay deleted.
void FirebaseDataManager::markDeleted(const FirebasePendingWrite& write, const FirebaseNode& bill,
                                      const QVariantMap& deletedCopy, int attemptsLeft)
{
    const QString tombstone = tombstonePath(write.uid, write.billID);
    m_client->getNode(tombstone, [=, this](const FirebaseRestClient::NodeReply& found) {
        if (found.error.isError())
            return finishSending(write, found.error);
        const QVariantMap recorded = found.node.value.toMap();
        const QVariantMap both = found.node.exists()
                                     ? BWBillMerge::merged(tombstoneBill(write.billID, recorded), deletedCopy)
                                     : deletedCopy;
        const QVariantMap deletion{{BillKeys::Bid, write.billID},
                                   {DeletedAtKey, std::max(recorded.value(DeletedAtKey).toDouble(), write.deletedAt)},
                                   {BillKeys::DeletionStamp, both.value(BillKeys::DeletionStamp)},
                                   {BillKeys::DeletionSeen, both.value(BillKeys::DeletionSeen)}};
        m_client->putNode(tombstone, deletion, found.node.etag, [=, this](const FirebaseRestClient::NodeReply& marked) {
            if (marked.conflict && attemptsLeft > 1)
                return sendRemove(write, attemptsLeft - 1);
            if (marked.conflict)
                return finishSending(write, {FirebaseError::Server, QStringLiteral("The deletion kept changing")});
            if (marked.error.isError() || !bill.exists())
                return finishSending(write, marked.error);
            removeNode(write, bill, attemptsLeft);
        });
    });
}

void FirebaseDataManager::removeNode(const FirebasePendingWrite& write, const FirebaseNode& bill, int attemptsLeft)
{
    m_client->deleteNode(billPath(write.uid, write.billID), bill.etag,
                         [=, this](const FirebaseRestClient::NodeReply& removed) {
                             if (removed.conflict && attemptsLeft > 1)
                                 return sendRemove(write, attemptsLeft - 1);
                             if (!removed.error.isError() && !removed.conflict)
                                 Log::line(QStringLiteral("Deleted!"));
                             finishSending(write, removed.conflict ? FirebaseError{FirebaseError::Server,
                                                                                   QStringLiteral("The bill kept changing")}
                                                                   : removed.error);
                         });
}

void FirebaseDataManager::finishSending(const FirebasePendingWrite& write, const FirebaseError& error)
{
    const QString key = keyOf(write);
    m_sending.remove(key);
    // The send-all's next upload takes its place; a failed one is
    // journaled, to be sent again with the others.
    if (m_bulk->uploadsUnderWay.remove(key)) {
        if (error.isError())
            m_journal->add(write);
        sendSomeOfTheSendAll();
    }
    if (error.isError()) {
        Log::line(QStringLiteral("Cloud write of bill %1 failed, kept for later: %2").arg(write.billID, error.message));
        scheduleRetry();
    } else {
        m_journal->confirm(write);
        m_retryDelayMs = m_setup.firstRetryDelayMs;
    }

    QList<QPair<qint64, Done>> waiting = m_completions.take(key);
    for (auto it = waiting.begin(); it != waiting.end();) {
        if (it->first <= write.sequence) {
            it->second(error);
            it = waiting.erase(it);
        } else {
            ++it;
        }
    }
    if (!waiting.isEmpty())
        m_completions.insert(key, waiting);
    if (error.isError())
        return;
    // A deletion from elsewhere that waited for this change applies now,
    // unless the change was made after it.
    const QVariant tombstone = m_tombstoneChildren->valueOf(write.billID);
    if (write.operation == FirebasePendingWrite::Save && tombstone.isValid())
        applyTombstone(write.billID, tombstone.toMap());

    // A newer write of the same bill was journaled meanwhile.
    const std::optional<FirebasePendingWrite> next = m_journal->writeFor(write.uid, write.billID);
    if (next && next->sequence > write.sequence && next->uid == m_userUID)
        return send(*next);
    announceIfAllSent();
}

void FirebaseDataManager::scheduleRetry()
{
    if (m_retryTimer.isActive())
        return;
    m_retryTimer.start(m_retryDelayMs);
    m_retryDelayMs = std::min(m_retryDelayMs * 2, m_setup.longestRetryDelayMs);
}
