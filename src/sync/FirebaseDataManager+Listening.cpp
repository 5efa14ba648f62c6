// The change streams of the account's bills and tombstones, and writing what
// they bring into the data folder.
#include "sync/FirebaseDataManager.h"

#include "platform/BWUIDMaker.h"
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
        if (!BWUIDMaker::isValidUID(change.key)
            || (change.kind != FirebaseChildTracker::Kind::Removed && value.value(BillKeys::Bid) != change.key)) {
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
            value.insert(BillKeys::Bid, change.key);
            deleteBillLocally(value);
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
// applied unless the bill was changed here after it.
void FirebaseDataManager::applyTombstone(const QString& billID, const QVariantMap& tombstone)
{
    if (!BWUIDMaker::isValidUID(billID) || !isListedLocally(billID))
        return;
    if (!BWBillMerge::deletionHolds(momentOf(tombstone.value(DeletedAtKey).toDouble()),
                                    localModificationDateForBillID(billID)))
        return;
    const std::optional<QVariantMap> bill = BWBillsLoader(m_env).loadBillWithID(billID);
    QVariantMap value = bill ? BWBill::convertDatesToNumbersWithDictionary(*bill) : QVariantMap();
    value.insert(BillKeys::Bid, billID);
    deleteBillLocally(value);
}

bool FirebaseDataManager::decideIfBillShouldBeSavedLocallyAndSave(const QVariantMap& nodeValue)
{
    const QString billID = nodeValue.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID)) {
        Log::line(QStringLiteral("Ignoring a cloud bill without a valid id"));
        return false;
    }
    const QDateTime remote = remoteDateOfNode(nodeValue);
    const std::optional<FirebasePendingWrite> pending = FirebasePendingWrites(m_env).writeFor(m_userUID, billID);
    if (pending && pending->operation == FirebasePendingWrite::Remove
        && BWBillMerge::deletionHolds(momentOf(pending->deletedAt), remote)) {
        Log::line(QStringLiteral("Bill %1 was deleted here after this change; not saving it").arg(billID));
        return false;
    }
    // A copy that a deletion elsewhere beats (one written late, after the
    // deletion had removed its node) is not saved; the deletion is.
    const QVariantMap tombstone = m_tombstoneChildren->valueOf(billID).toMap();
    if (tombstone.contains(DeletedAtKey) && !isDeletedLocally(billID)
        && BWBillMerge::deletionHolds(momentOf(tombstone.value(DeletedAtKey).toDouble()), remote)) {
        Log::line(QStringLiteral("Bill %1 was deleted on another device after this change; not saving it").arg(billID));
        applyTombstone(billID, tombstone);
        return false;
    }
    if (isDeletedLocally(billID) && !reviveDeletedBill(billID, remote))
        return false;
    QVariantMap incoming = BWBill::convertNumbersToDatesWithDictionary(nodeValue);
    // The copy keeps the moment it was made at; a stamp of now would make
    // it newer than itself on every other channel.
    if (!incoming.contains(BillKeys::SyncModificationDate))
        incoming.insert(BillKeys::SyncModificationDate, remote);
    const std::optional<QVariantMap> local = storedBill(billID);
    if (!local) {
        Log::line(QStringLiteral("Trying to save lcoally..."));
        return saveBillLocally(incoming, false);
    }
    incoming.insert(BillKeys::PaymentList,
                    BWBillMerge::keepLocalDetails(incoming.value(BillKeys::PaymentList).toList(),
                                                  local->value(BillKeys::PaymentList).toList()));
    // The database keeps moments to the millisecond: a copy of the same
    // moment is the same write, and the one here holds.
    const QDateTime localDate = localModificationDateForBillID(billID);
    const BWBillMerge::Copy merged =
        BWBillMerge::merged({*local, localDate}, {incoming, remote == localDate ? remote.addMSecs(-1) : remote});
    QVariantMap bill = merged.bill;
    bill.insert(BillKeys::ModificationDateForFirebase, secondsOf(merged.date));
    // Payments only this device holds go up, whether or not anything comes
    // down; its own later changes went up when they were made.
    if (!BWBillMerge::samePayments(bill, incoming))
        sendMerged(billID, bill);
    if (BWBillMerge::sameContent(bill, *local)) {
        // Also a copy another channel restamped on its way round: writing it
        // would hand it to that channel once more.
        Log::line(QStringLiteral("Dates are equal, or local date is newer, so no need to save Firebase bill locally."));
        return false;
    }
    Log::line(QStringLiteral("Trying to save lcoally..."));
    return saveBillLocally(bill, false);
}

// A bill deleted here comes back with a copy changed after the deletion,
// as it does on every other device. The deletion's moment is its tombstone's;
// with none left (the device that changed the bill later took it away) it is
// no earlier than the last change known here.
bool FirebaseDataManager::reviveDeletedBill(const QString& billID, const QDateTime& changedAt)
{
    const QVariantMap tombstone = m_tombstoneChildren->valueOf(billID).toMap();
    const QDateTime deletedAt = tombstone.contains(DeletedAtKey) ? momentOf(tombstone.value(DeletedAtKey).toDouble())
                                                                 : localModificationDateForBillID(billID);
    if (BWBillMerge::deletionHolds(deletedAt, changedAt)) {
        Log::line(QStringLiteral("Bill %1 was deleted after this change; not saving it").arg(billID));
        return false;
    }
    Log::line(QStringLiteral("Bill %1 was changed on another device after it was deleted; it is back").arg(billID));
    return BWBill(m_env).moveBill(billID, IndexKeys::DeletedBills, IndexKeys::ActiveBills, IndexKeys::ArchivedBills,
                                  false);
}

void FirebaseDataManager::sendMerged(const QString& billID, const QVariantMap& bill)
{
    FirebasePendingWrite write;
    write.operation = FirebasePendingWrite::Save;
    write.uid = m_userUID;
    write.billID = billID;
    write.record = BWBill::convertDatesToNumbersWithDictionary(bill);
    journalAndSend({write}, {});
}

bool FirebaseDataManager::saveBillLocally(const QVariantMap& bill, bool isExistingBill)
{
    if (!BWBill(m_env).writeBillFromFirebase(bill, isExistingBill)) {
        Log::line(QStringLiteral("Could not store the cloud copy of bill %1").arg(bill.value(BillKeys::Bid).toString()));
        return false;
    }
    emit billAddedFromFirebase(bill);
    return true;
}

bool FirebaseDataManager::deleteBillLocally(const QVariantMap& nodeValue)
{
    const QString billID = nodeValue.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID) || !isListedLocally(billID))
        return false;
    // A change made here and not yet sent decides against the deletion's
    // tombstone when it goes out.
    const std::optional<FirebasePendingWrite> pending = FirebasePendingWrites(m_env).writeFor(m_userUID, billID);
    if (pending && pending->operation == FirebasePendingWrite::Save) {
        Log::line(QStringLiteral("Bill %1 has a change waiting to be sent; the deletion waits for it").arg(billID));
        return false;
    }
    m_applyingRemoteRemoval.insert(billID);
    const bool deleted = BWBill(m_env).deleteBillWithBid(billID);
    m_applyingRemoteRemoval.remove(billID);
    if (deleted)
        emit billDeletedInFirebase(nodeValue);
    return deleted;
}

std::optional<QVariantMap> FirebaseDataManager::storedBill(const QString& billID) const
{
    const QString folder = BWDataFolder(m_env).path();
    if (folder.isEmpty() || !isListedLocally(billID))
        return std::nullopt;
    const PropertyList::ReadResult stored =
        PropertyList::read(folder + QLatin1Char('/') + billID + DataFolderFiles::BillFileExtension);
    if (!stored.ok() || stored.value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return stored.value.toMap();
}

bool FirebaseDataManager::isDeletedLocally(const QString& billID) const
{
    const QString folder = BWDataFolder(m_env).path();
    return !folder.isEmpty() && BWBillIndex(folder).contains(IndexKeys::DeletedBills, billID);
}

bool FirebaseDataManager::isListedLocally(const QString& billID) const
{
    const QString folder = BWDataFolder(m_env).path();
    if (folder.isEmpty())
        return false;
    const BWBillIndex index(folder);
    return index.contains(IndexKeys::ActiveBills, billID) || index.contains(IndexKeys::ArchivedBills, billID);
}
