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
    std::optional<FirebaseError> refusal = refusalToSend(billID);
    if (!refusal && m_applyingRemoteRemoval.contains(billID)) {
        Log::line(QStringLiteral("Bill %1 was removed in the cloud; nothing to send back").arg(billID));
        refusal = FirebaseError();
    }
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
    journalAndSend({write}, std::move(done));
}

void FirebaseDataManager::uploadAllBillsToFirebaseIfNecessary()
{
    if (!m_configured || m_userUID.isEmpty())
        return;
    const BWBillsLoader loader(m_env);
    const QStringList active = loader.getListOfBills(IndexKeys::ActiveBills).value_or(QStringList());
    QList<FirebasePendingWrite> writes;
    for (const QString& billID : active) {
        std::optional<QVariantMap> bill = loader.loadBillWithID(billID);
        if (!bill || refusalToSend(billID))
            continue;
        // The stored due date, never the one moved off a weekend for display.
        const QVariant absoluteDueDate = bill->value(BillKeys::AbsoluteDueDate);
        if (absoluteDueDate.typeId() == QMetaType::QDateTime)
            bill->insert(BillKeys::DueDate, absoluteDueDate);
        for (const QString& key : {BillKeys::HumanRepeat, BillKeys::HumanDueDate, BillKeys::SortableDueDate,
                                   BillKeys::AbsoluteDueDate, BillKeys::DueIcon, BillKeys::DueString})
            bill->remove(key);
        if (bill->contains(BillKeys::ModificationDateForFirebase)) {
            Log::line(QStringLiteral("Modification Date Exists...saving to Firebase Maybe"));
        } else {
            // Stamped with the moment it was last changed here, not now: a
            // stamp of now would beat every newer copy on other devices.
            Log::line(QStringLiteral("Modification Date Didn't exist...stamping it with its own modification date"));
            bill->insert(BillKeys::ModificationDateForFirebase,
                         secondsOf(localModificationDateForBillID(billID)));
        }
        FirebasePendingWrite write;
        write.uid = m_userUID;
        write.billID = billID;
        write.record = BWBill::convertDatesToNumbersWithDictionary(*bill);
        writes.append(write);
    }
    if (!writes.isEmpty())
        journalAndSend(writes, {});
}

void FirebaseDataManager::journalAndSend(const QList<FirebasePendingWrite>& writes, Done done)
{
    QList<FirebasePendingWrite> journaled = FirebasePendingWrites(m_env).add(writes);
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
    return m_userUID.isEmpty() ? 0 : FirebasePendingWrites(m_env).writesOf(m_userUID).size();
}

void FirebaseDataManager::replayPendingWrites()
{
    if (!m_configured || m_userUID.isEmpty())
        return;
    for (const FirebasePendingWrite& write : FirebasePendingWrites(m_env).writesOf(m_userUID)) {
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

void FirebaseDataManager::sendSave(const FirebasePendingWrite& write, const FirebaseNode& node, int attemptsLeft)
{
    if (!node.exists())
        return sendSaveOfMissingNode(write, node);
    const QVariantMap remote = node.value.toMap();
    const QVariantMap remoteBill = BWBill::convertNumbersToDatesWithDictionary(remote);
    // The journal may hold an older write than the data folder: it is
    // merged with the node like any other copy, by its own stamp.
    const QVariantMap writeBill = BWBill::convertNumbersToDatesWithDictionary(write.record);
    const QDateTime remoteDate = remoteDateOfNode(remote);
    BWBillMerge::Copy merged = BWBillMerge::merged({writeBill, remoteDateOfNode(write.record)}, {remoteBill, remoteDate});
    // Two different copies of one moment: a device holding either takes a
    // copy of that moment for the one it holds, so the merge goes up a
    // moment later, for every device to take.
    const bool sameMoment = remoteDateOfNode(write.record) == remoteDate;
    if (sameMoment && !BWBillMerge::sameContent(writeBill, remoteBill)) {
        merged.date = remoteDate.addMSecs(1);
    } else if (BWBillMerge::sameContent(merged.bill, remoteBill)) {
        Log::line(QStringLiteral("Cloud date is newer or equal, NOT saving to Firebase!"));
        // What the server holds is brought here instead.
        decideIfBillShouldBeSavedLocallyAndSave(remote);
        return finishSending(write, {});
    }
    QVariantMap record = BWBill::convertDatesToNumbersWithDictionary(merged.bill);
    record.insert(BillKeys::ModificationDateForFirebase, secondsOf(merged.date));
    m_client->putNode(billPath(write.uid, write.billID), record, node.etag,
                      [this, write, record, attemptsLeft](const FirebaseRestClient::NodeReply& reply) {
                          // Changed meanwhile: merged again with what is there now.
                          if (reply.conflict && attemptsLeft > 1)
                              return sendSave(write, reply.node, attemptsLeft - 1);
                          if (reply.conflict)
                              return finishSending(write, {FirebaseError::Server, QStringLiteral("The bill kept changing")});
                          if (!reply.error.isError()) {
                              Log::line(QStringLiteral("Local date is newer, saving to Firebase!"));
                              // The node's payments this device lacked come here too.
                              decideIfBillShouldBeSavedLocallyAndSave(record);
                          }
                          finishSending(write, reply.error);
                      });
}

// No node: unless a tombstone says the bill was deleted after this copy was
// made, the copy is written and the older tombstone goes.
void FirebaseDataManager::sendSaveOfMissingNode(const FirebasePendingWrite& write, const FirebaseNode& node)
{
    const QString tombstone = tombstonePath(write.uid, write.billID);
    m_client->getNode(tombstone, [=, this](const FirebaseRestClient::NodeReply& found) {
        if (found.error.isError())
            return finishSending(write, found.error);
        const QVariantMap deletion = found.node.value.toMap();
        if (found.node.exists()
            && BWBillMerge::deletionHolds(momentOf(deletion.value(DeletedAtKey).toDouble()),
                                          remoteDateOfNode(write.record))) {
            Log::line(QStringLiteral("Bill %1 was deleted on another device after this change").arg(write.billID));
            // Settled before the deletion is applied, which a waiting
            // change would hold up.
            FirebasePendingWrites(m_env).confirm(write);
            applyTombstone(write.billID, deletion);
            return finishSending(write, {});
        }
        m_client->putNode(billPath(write.uid, write.billID), write.record, node.etag,
                          [=, this](const FirebaseRestClient::NodeReply& reply) {
                              if (reply.conflict)
                                  return sendSave(write, reply.node, SwapAttempts - 1);
                              if (reply.error.isError())
                                  return finishSending(write, reply.error);
                              Log::line(QStringLiteral("Bill didn't exist on Firebase, saving to Firebase!"));
                              if (!found.node.exists())
                                  return finishSending(write, {});
                              // An older tombstone left behind misleads nobody:
                              // the bill's own date is later.
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
        const QVariantMap remote = current.node.value.toMap();
        if (current.node.exists() && !BWBillMerge::deletionHolds(momentOf(write.deletedAt), remoteDateOfNode(remote))) {
            Log::line(QStringLiteral("Bill %1 was changed on another device after it was deleted here; keeping it")
                          .arg(write.billID));
            decideIfBillShouldBeSavedLocallyAndSave(remote);
            return finishSending(write, {});
        }
        markDeleted(write, current.node, attemptsLeft);
    });
}

// The tombstone keeps the moment of the latest deletion: an earlier deletion
// that arrives late must not let a change made between the two bring the
// bill back.
void FirebaseDataManager::markDeleted(const FirebasePendingWrite& write, const FirebaseNode& bill, int attemptsLeft)
{
    const QString tombstone = tombstonePath(write.uid, write.billID);
    m_client->getNode(tombstone, [=, this](const FirebaseRestClient::NodeReply& found) {
        if (found.error.isError())
            return finishSending(write, found.error);
        const double recorded = found.node.value.toMap().value(DeletedAtKey).toDouble();
        const QVariantMap deletion{{BillKeys::Bid, write.billID}, {DeletedAtKey, std::max(recorded, write.deletedAt)}};
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
    if (error.isError()) {
        Log::line(QStringLiteral("Cloud write of bill %1 failed, kept for later: %2").arg(write.billID, error.message));
        scheduleRetry();
    } else {
        FirebasePendingWrites(m_env).confirm(write);
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
    const std::optional<FirebasePendingWrite> next = FirebasePendingWrites(m_env).writeFor(write.uid, write.billID);
    if (next && next->sequence > write.sequence && next->uid == m_userUID)
        return send(*next);
    if (!m_userUID.isEmpty() && m_sending.isEmpty() && pendingWriteCount() == 0)
        emit pendingWritesSent();
}

void FirebaseDataManager::scheduleRetry()
{
    if (m_retryTimer.isActive())
        return;
    m_retryTimer.start(m_retryDelayMs);
    m_retryDelayMs = std::min(m_retryDelayMs * 2, m_setup.longestRetryDelayMs);
}
