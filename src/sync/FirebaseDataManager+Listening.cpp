// The change streams of the account's bills and tombstones, and writing what
// they bring into the data folder.
#include "sync/FirebaseDataManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDataFolder.h"
#include "sync/FirebaseChildTracker.h"
#include "sync/FirebaseEventStream.h"
#include "sync/FirebasePendingWrites.h"
#include "sync/FirebaseStreamMerge.h"
#include "sync/FirebaseRestClient.h"

void FirebaseDataManager::listenForChangesToBills()
{
    if (!m_configured || m_userUID.isEmpty())
        return;
    if (m_listeningUID == m_userUID) {
        Log::line(QStringLiteral("Already listening for changes to bills"));
        return;
    }
    stopListeningForChanges();
    m_listeningUID = m_userUID;
    m_reconnectDelayMs = m_setup.firstRetryDelayMs;
    openStreams();
}

void FirebaseDataManager::stopListeningForChanges()
{
    if (m_listeningUID.isEmpty())
        return;
    Log::line(QStringLiteral("Stopped listening for changes to bills"));
    m_listeningUID.clear();
    m_reconnectTimer.stop();
    closeStreams();
    m_billChildren->reset();
    m_tombstoneChildren->reset();
    stopBulkMerging();
}

bool FirebaseDataManager::isListening() const
{
    return !m_listeningUID.isEmpty();
}

void FirebaseDataManager::openStreams()
{
    const QString uid = m_listeningUID;
    if (uid.isEmpty())
        return;
    m_client->withFreshToken([this, uid](const FirebaseError& error) {
        if (uid != m_listeningUID)
            return;
        if (error.isError()) {
            Log::line(QStringLiteral("Cannot listen for changes yet: %1").arg(error.message));
            return scheduleReconnect();
        }
        m_billStream->open(m_client->streamRequest(QStringLiteral("users/") + uid));
        m_tombstoneStream->open(m_client->streamRequest(QStringLiteral("deletedBills/") + uid));
    });
}

void FirebaseDataManager::closeStreams()
{
    m_billStream->close();
    m_tombstoneStream->close();
    setConnected(false);
}

void FirebaseDataManager::scheduleReconnect()
{
    closeStreams();
    if (m_listeningUID.isEmpty() || m_reconnectTimer.isActive())
        return;
    m_reconnectTimer.start(m_reconnectDelayMs);
    m_reconnectDelayMs = std::min(m_reconnectDelayMs * 2, m_setup.longestRetryDelayMs);
}

void FirebaseDataManager::setConnected(bool connected)
{
    if (connected == m_connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
    if (!connected)
        return;
    // Back online: what was written while away goes out now.
    m_reconnectDelayMs = m_setup.firstRetryDelayMs;
    m_retryDelayMs = m_setup.firstRetryDelayMs;
    replayPendingWrites();
}

void FirebaseDataManager::handleBillChanges(const QString& event, const QString& path, const QVariant& data)
{
    for (const FirebaseChildTracker::Change& change : m_billChildren->apply(event, path, data)) {
        QVariantMap value = change.value.toMap();
        // The key names a bill file here: only real bill ids, matching
        // the record they hold.
        if (!FirebaseStreamMerge::isBillChange(change)) {
            Log::line(QStringLiteral("Ignoring the cloud node \"%1\": not a bill").arg(change.key));
            continue;
        }
        switch (change.kind) {
        case FirebaseChildTracker::Kind::Added:
            decideIfBillShouldBeSavedLocallyAndSave(value);
            Log::line(QStringLiteral("Bill Addded!, %1").arg(value.value(BillKeys::Name).toString()));
            break;
        case FirebaseChildTracker::Kind::Changed:
            decideIfBillShouldBeSavedLocallyAndSave(value);
            Log::line(QStringLiteral("Bill Changed!, %1").arg(value.value(BillKeys::Name).toString()));
            break;
        case FirebaseChildTracker::Kind::Removed:
            Log::line(QStringLiteral("Bill Deleted!"));
            removedFromServer(change.key, value);
            break;
        }
    }
}

void FirebaseDataManager::handleTombstoneChanges(const QString& event, const QString& path, const QVariant& data)
{
    for (const FirebaseChildTracker::Change& change : m_tombstoneChildren->apply(event, path, data)) {
        if (change.kind != FirebaseChildTracker::Kind::Removed)
            applyTombstone(change.key, change.value.toMap());
    }
}

// A deletion made on another device, perhaps while this one was offline:
// applied unless the bill was changed after it (the deletion rule).
void FirebaseDataManager::applyTombstone(const QString& billID, const QVariantMap& tombstone)
{
    if (!BWUIDMaker::isValidUID(billID) || !isListedLocally(billID))
        return;
    storeFromFirebase(tombstoneBill(billID, tombstone));
}

// A node removed without a tombstone (by an earlier version) is a deletion
// just after the node's last change: a change made here since still stands.
void FirebaseDataManager::removedFromServer(const QString& billID, const QVariantMap& lastValue)
{
    const QVariant tombstone = m_tombstoneChildren->valueOf(billID);
    if (tombstone.isValid())
        return applyTombstone(billID, tombstone.toMap());
    if (!BWUIDMaker::isValidUID(billID) || !isListedLocally(billID))
        return;
    QVariantMap last = billOfNode(lastValue);
    last.insert(BillKeys::Bid, billID);
    storeFromFirebase(BWBillMerge::deleted(last, HybridLogicalClock::successorOf(BWBillMerge::latestStamp(last))));
}

bool FirebaseDataManager::decideIfBillShouldBeSavedLocallyAndSave(const QVariantMap& nodeValue)
{
    const QString billID = nodeValue.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID)) {
        Log::line(QStringLiteral("Ignoring a cloud bill without a valid id"));
        return false;
    }
    const FirebaseStreamMerge::Decision decision = FirebaseStreamMerge::decide(
        nodeValue, m_tombstoneChildren->valueOf(billID), BWBill(m_env).storedCopy(billID));
    return carryOut(billID, decision.merged, decision.sendBack, decision.store);
}

bool FirebaseDataManager::carryOut(const QString& billID, const QVariantMap& merged, bool sendBack, bool store)
{
    if (sendBack) {
        if (BWBillMerge::isDeleted(merged))
            removeBillFromFirebase(billID);
        else
            sendMerged(billID, merged);
    }
    if (!store) {
        Log::line(QStringLiteral("The copy here of bill %1 holds all of the cloud's; not saved locally.").arg(billID));
        return false;
    }
    Log::line(QStringLiteral("Trying to save lcoally..."));
    return storeFromFirebase(merged);
}

void FirebaseDataManager::sendMerged(const QString& billID, const QVariantMap& bill)
{
    FirebasePendingWrite write;
    write.operation = FirebasePendingWrite::Save;
    write.uid = m_userUID;
    write.billID = billID;
    write.record = firebaseForm(bill);
    journalAndSend({write}, {});
}

// Merged into the stored bill; the shell hears of a bill that came or changed,
// or that went.
bool FirebaseDataManager::storeFromFirebase(const QVariantMap& bill)
{
    const QString billID = bill.value(BillKeys::Bid).toString();
    const bool wasDeleted = !isListedLocally(billID);
    bool written = false;
    if (!BWBill(m_env).storeIncomingCopy(bill, BWBill::CopySource::Firebase, &written) || !written) {
        if (!written)
            Log::line(QStringLiteral("Nothing of the cloud copy of bill %1 to store").arg(billID));
        return false;
    }
    const std::optional<QVariantMap> stored = BWBill(m_env).storedCopy(billID);
    if (stored && BWBillMerge::isDeleted(*stored)) {
        if (!wasDeleted)
            emit billDeletedInFirebase(firebaseForm(*stored));
    } else if (stored) {
        emit billAddedFromFirebase(*stored);
    }
    return true;
}

// A node's value as a bill: dates as dates, and no date the node lacked.
QVariantMap FirebaseDataManager::billOfNode(const QVariantMap& nodeValue)
{
    QVariantMap bill = BWBill::convertNumbersToDatesWithDictionary(nodeValue);
    for (const QString& key : {BillKeys::DueDate, BillKeys::LastPayment, BillKeys::SyncModificationDate}) {
        if (!nodeValue.contains(key))
            bill.remove(key);
    }
    return bill;
}

// A tombstone as a bill of which only the deletion is known, with what the
// deletions had seen; one left by an earlier version has only the date of
// the deletion, or its stamp: it holds over every change stamped before it.
QVariantMap FirebaseDataManager::tombstoneBill(const QString& billID, const QVariantMap& tombstone)
{
    QString stamp = tombstone.value(BillKeys::DeletionStamp).toString();
    if (!HybridLogicalClock::isStamp(stamp))
        stamp = HybridLogicalClock::stampOfDate(momentOf(tombstone.value(DeletedAtKey).toDouble()));
    const QVariantMap seen = tombstone.value(BillKeys::DeletionSeen).toMap();
    if (seen.isEmpty())
        return BWBillMerge::tombstone(billID, stamp);
    QVariantMap record{{BillKeys::Bid, billID}, {BillKeys::DeletionStamp, stamp}, {BillKeys::DeletionSeen, seen}};
    BWBillMerge::completeDerivedKeys(record);
    return record;
}

QVariantMap FirebaseDataManager::firebaseForm(const QVariantMap& bill)
{
    return BWBill::firebaseFormOf(bill);
}

bool FirebaseDataManager::isListedLocally(const QString& billID) const
{
    const QString folder = BWDataFolder(m_env).path();
    if (folder.isEmpty())
        return false;
    const BWBillIndex index(folder);
    return index.contains(IndexKeys::ActiveBills, billID) || index.contains(IndexKeys::ArchivedBills, billID);
}
