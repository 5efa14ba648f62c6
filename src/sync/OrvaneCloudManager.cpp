// Switching, subscriptions, pushes, dates and the conversions between bills
// and records.
#include "sync/OrvaneCloudManager.h"

#include <QDir>
#include <QSet>
#include <QFileInfo>

#include <algorithm>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/HybridLogicalClock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/SyncDeviceIdentity.h"
#include "platform/UserDefaults.h"
#include "store/BWBillMerge.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "sync/OrvaneCloudPass.h"

namespace {

namespace Fields {
const QString Repeat = QStringLiteral("Repeat");
const QString PaymentListDates = QStringLiteral("PaymentListDates");
const QString PaymentListAmounts = QStringLiteral("PaymentListAmounts");
const QString PaymentListNotes = QStringLiteral("PaymentListNotes");
const QString PaymentListAttachments = QStringLiteral("PaymentListAttachments");
const QString Type = QStringLiteral("type");
const QString LocalModificationDate = QStringLiteral("localModificationDate");
const QString Bids = QStringLiteral("Bids");
const QString Bid = QStringLiteral("Bid");
// The flags a record carries as NO only for earlier versions: the bill had none.
const QString FlagsAddedOnTheWay = QStringLiteral("FlagsAddedOnTheWay");
}  // namespace Fields

// Fields of a "Bill" record that are no key of a bill: the payments as
// parallel lists, for versions that know no other form, and the record's own.
const QStringList PaymentListFields
    = {Fields::PaymentListDates, Fields::PaymentListAmounts, Fields::PaymentListNotes, Fields::PaymentListAttachments};
const QStringList RecordOnlyFields
    = PaymentListFields + QStringList{Fields::Type, Fields::LocalModificationDate, Fields::FlagsAddedOnTheWay};
// Flags that travel as NO when the bill lacks them, for versions that need them.
const QStringList FlagKeys = {BillKeys::AmountVaries, BillKeys::IsArchived, BillKeys::IsIncome};

// The payments once more as the four parallel lists that earlier versions read.
void insertParallelPaymentLists(const QVariantList& payments, QVariantMap& fields)
{
    QVariantList dates, amounts, notes, receipts;
    for (const QVariant& entry : payments) {
        const QVariantMap payment = entry.toMap();
        const QDateTime date = payment.value(PaymentKeys::Date).toDateTime();
        dates.append(date.isValid() ? date : PropertyList::distantPast());
        amounts.append(payment.value(PaymentKeys::Amount).toDouble());
        notes.append(payment.value(PaymentKeys::Note).toString());
        receipts.append(payment.value(PaymentKeys::Receipt).toString());
    }
    fields.insert(Fields::PaymentListDates, dates);
    fields.insert(Fields::PaymentListAmounts, amounts);
    fields.insert(Fields::PaymentListNotes, notes);
    fields.insert(Fields::PaymentListAttachments, receipts);
}

QVariantList integersOf(const QVariant& list)
{
    QVariantList integers;
    for (const QVariant& element : list.toList())
        integers.append(element.toLongLong());
    return integers;
}

// A receipt named by another device: kept only as a file of our own data
// folder named by an id, so that no path from the cloud reaches outside it.
// Without a folder (records merged in the cloud) it keeps its name.
QString localReceiptPath(const QString& receipt, const QString& dataFolder)
{
    const QString name = BWBillMerge::receiptName(receipt);
    if (dataFolder.isEmpty() || name.isEmpty())
        return name;
    return QDir(dataFolder).filePath(name);
}

QVariantList paymentsWithReceipts(const QVariantList& payments, const QString& dataFolder)
{
    QVariantList result;
    for (const QVariant& entry : payments) {
        QVariantMap payment = entry.toMap();
        // A payment without a receipt gets none on the way.
        if (payment.contains(PaymentKeys::Receipt))
            payment.insert(PaymentKeys::Receipt,
                           localReceiptPath(payment.value(PaymentKeys::Receipt).toString(), dataFolder));
        result.append(payment);
    }
    return result;
}

// The latest stamp of a version, by which a database that keeps a version
// per device tells a silent device; id lists carry none.
QString latestStampOfRecord(const CloudRecord& record)
{
    if (record.recordType != OrvaneCloudManager::BillRecordType)
        return {};
    // A record of this version says it; one of an earlier version is worked out.
    const QString said = record.fields.value(BillKeys::ModificationStamp).toString();
    return HybridLogicalClock::isStamp(said)
               ? said
               : BWBillMerge::latestStamp(OrvaneCloudManager::convertRecordintoBill(record, QString()));
}

// Whether one version holds all another does, so that the other may go.
bool recordHolds(const CloudRecord& holder, const CloudRecord& held)
{
    if (holder.recordType != OrvaneCloudManager::BillRecordType
        || held.recordType != OrvaneCloudManager::BillRecordType) {
        const QStringList ids = OrvaneCloudManager::bidsOf(holder);
        const QSet<QString> holderIDs(ids.cbegin(), ids.cend());
        const QStringList heldIDs = OrvaneCloudManager::bidsOf(held);
        return std::all_of(heldIDs.cbegin(), heldIDs.cend(), [&](const QString& id) { return holderIDs.contains(id); });
    }
    const QVariantMap bill = OrvaneCloudManager::convertRecordintoBill(holder, QString());
    return BWBillMerge::sameState(
        BWBillMerge::merged(bill, OrvaneCloudManager::convertRecordintoBill(held, QString())), bill);
}

}  // namespace

OrvaneCloudManager::OrvaneCloudManager(CloudContainer& container, const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_container(container)
    , m_env(env)
{
    // Databases that keep one version per device merge and tidy them as this
    // engine does.
    if (CloudDatabase* db = container.privateDatabase()) {
        db->setRecordMerger(&OrvaneCloudManager::mergedRecords);
        db->setVersionTests(&latestStampOfRecord, &recordHolds);
        // Another computer under this one's id (a cloned disk) and this one
        // would undo each other's versions for ever: this one takes a new
        // id, kept in its settings, and sends its bills again under it.
        connect(db, &CloudDatabase::deviceIDInUseElsewhere, this, [this, db] {
            if (!m_env.defaults || !m_env.stamps)
                return;
            const QString id = SyncDeviceIdentity::newDeviceID(*m_env.defaults, BWDefaultsKeys::BWSyncDeviceID);
            Log::line(QStringLiteral("This computer's id was in use by another; it is now %1").arg(id));
            m_env.stamps->setDeviceID(id);
            db->setDeviceID(id);
            if (m_env.defaults->boolForKey(BWDefaultsKeys::iCloudSyncEnabled2))
                fetchAndUploadAllRecords();
        });
    }
}

CloudDatabase* OrvaneCloudManager::database() const
{
    return m_container.privateDatabase();
}

QString OrvaneCloudManager::dataFolder() const
{
    return BWBillsLoader(m_env).orvaneDirectory();
}

QDateTime OrvaneCloudManager::now() const
{
    return m_env.clock ? m_env.clock->now() : QDateTime::currentDateTimeUtc();
}

void OrvaneCloudManager::stampLastChangeDates(bool downloadOnly)
{
    if (!m_env.defaults)
        return;
    const QDateTime moment = now();
    m_env.defaults->setObject(BWDefaultsKeys::OV_LastCloudChangeDate, moment);
    if (downloadOnly)
        m_env.defaults->setObject(BWDefaultsKeys::OV_LastCloudChangeDateDownloadOnly, moment);
}

// ---- Switching and subscriptions ---------------------------------------------

void OrvaneCloudManager::turnCloudSyncOn()
{
    Log::line(QStringLiteral("Turning iCloud On"));
    registerForCloudNotifications();
    fetchAndUploadAllRecords();
}

void OrvaneCloudManager::turnCloudSyncOff()
{
    // The callers stop calling; a pass, uploads and retries under way stop
    // at their next answer, so nothing more goes out. The subscriptions on
    // the server stay.
    Log::line(QStringLiteral("Turning iCloud Off"));
    ++m_generation;
    m_uploadsInFlight.clear();
    m_arrivalWrites.clear();
    if (m_pass)
        m_pass->deleteLater();
    m_pass = nullptr;
    m_passing = false;
    m_passAgain = false;
}

void OrvaneCloudManager::setupiCloudAndSyncCloudChangesSinceLastSync()
{
    registerForCloudNotifications();
    fetchAndUploadAllRecords();
}

void OrvaneCloudManager::registerForCloudNotifications()
{
    CloudDatabase* db = database();
    if (!db)
        return;
    db->saveSubscription(BillSubscriptionID, BillRecordType,
                         {CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated, CloudDatabase::RecordDeleted},
                         [](const CloudError& error) {
                             Log::line(error.isError()
                                           ? QStringLiteral("Error saving bill subscription: %1").arg(error.message)
                                           : QStringLiteral("Subscription for bills saved"));
                         });
    db->saveSubscription(IndexSubscriptionID, IndexRecordType,
                         {CloudDatabase::RecordCreated, CloudDatabase::RecordUpdated},
                         [](const CloudError& error) {
                             Log::line(error.isError()
                                           ? QStringLiteral("Error saving index subscription: %1").arg(error.message)
                                           : QStringLiteral("Subscription for index saved"));
                         });
}

void OrvaneCloudManager::receivedChangeFromiCloud(const QString& recordType, const QString& recordName, int reason)
{
    Log::line(QStringLiteral("Cloud message received for %1").arg(recordName));
    if (reason == CloudDatabase::RecordDeleted) {
        // Deletions reach other devices through the DeletedBills list only.
        Log::line(QStringLiteral("Record was deleted on server"));
        return;
    }
    Log::line(QStringLiteral("Record was created on server"));
    if (recordType == IndexRecordType || recordIsAnIndexFileWithRecordName(recordName))
        downloadIndexFromCloud(recordName);
    else
        downloadRecordFromCloud(recordName);
}

// ---- Dates -------------------------------------------------------------------

bool OrvaneCloudManager::shouldSaveRecordLocally(const std::optional<QVariantMap>& local, const QVariantMap& cloud)
{
    return !local || !BWBillMerge::sameState(BWBillMerge::merged(*local, cloud), *local);
}

bool OrvaneCloudManager::shouldSaveRecordToCloud(const QVariantMap& local, const std::optional<QVariantMap>& cloud)
{
    return !cloud || !BWBillMerge::sameState(BWBillMerge::merged(local, *cloud), *cloud);
}

QDateTime OrvaneCloudManager::modificationDateForBillID(const QString& billID) const
{
    const std::optional<QVariantMap> bill = storedBill(billID);
    const QDateTime stamped = bill ? BWBillMerge::modificationDate(*bill) : QDateTime();
    return stamped.isValid() ? stamped : PropertyList::distantPast();
}

QDateTime OrvaneCloudManager::cloudModificationDateForBillRecord(const CloudRecord& record)
{
    const QDateTime stamped = record.fields.value(Fields::LocalModificationDate).toDateTime();
    return stamped.isValid() ? stamped : record.modificationDate;
}

bool OrvaneCloudManager::recordIsAnIndexFileWithRecordName(const QString& recordName)
{
    return recordName == IndexKeys::ActiveBills || recordName == IndexKeys::DeletedBills;
}

QStringList OrvaneCloudManager::bidsOf(const CloudRecord& record)
{
    QStringList ids;
    for (const QVariant& element : record.fields.value(Fields::Bids).toList())
        ids.append(element.toString());
    return ids;
}

CloudRecord OrvaneCloudManager::mergedRecords(const CloudRecord& first, const CloudRecord& second)
{
    const bool secondIsNewer = second.modificationDate >= first.modificationDate;
    if (first.recordType != BillRecordType || second.recordType != BillRecordType) {
        // Id lists: every id of either.
        CloudRecord merged = secondIsNewer ? second : first;
        QStringList ids = bidsOf(first);
        for (const QString& id : bidsOf(second)) {
            if (!ids.contains(id))
                ids.append(id);
        }
        merged.fields.insert(Fields::Bids, ids);
        return merged;
    }
    // Without a data folder the receipts keep the names the devices gave them.
    const QVariantMap merged
        = BWBillMerge::merged(convertRecordintoBill(first, QString()), convertRecordintoBill(second, QString()));
    CloudRecord record = convertBill(merged, BWBillMerge::modificationDate(merged), secondIsNewer ? second : first);
    record.modificationDate = std::max(first.modificationDate, second.modificationDate);
    return record;
}

// ---- Conversions -------------------------------------------------------------

CloudRecord OrvaneCloudManager::convertBill(const QVariantMap& bill, const QDateTime& localDate, CloudRecord record)
{
    record.recordType = BillRecordType;
    // Every stored key travels under its own name; the fields a copy of
    // another version brought are its keys too, so none is lost.
    QVariantMap fields;
    for (auto it = bill.cbegin(); it != bill.cend(); ++it) {
        if (!BillKeys::DisplayKeys.contains(it.key()) && !RecordOnlyFields.contains(it.key()))
            fields.insert(it.key(), it.value());
    }
    // What is stored is the real due date, never one moved for display.
    const QVariant absoluteDueDate = bill.value(BillKeys::AbsoluteDueDate);
    if (absoluteDueDate.typeId() == QMetaType::QDateTime)
        fields.insert(BillKeys::DueDate, absoluteDueDate);
    if (bill.contains(BillKeys::Repeat))
        fields.insert(Fields::Repeat, integersOf(bill.value(BillKeys::Repeat)));
    // A bill without payments gets none on the way: the receiver would store
    // the empty list, and the computers' files would differ.
    if (bill.contains(BillKeys::PaymentList)) {
        // Receipts by the name of their copy, which every data folder shares.
        const QVariantList payments = paymentsWithReceipts(bill.value(BillKeys::PaymentList).toList(), QString());
        fields.insert(BillKeys::PaymentList, payments);
        insertParallelPaymentLists(payments, fields);
    }
    // Every other key travels as stored (the escrow share, the flags as the
    // integers or booleans they are); only a flag the bill lacks goes as NO,
    // for versions that need it.
    QStringList added;
    for (const QString& key : FlagKeys) {
        if (!fields.contains(key)) {
            fields.insert(key, false);
            added.append(key);
        }
    }
    if (!added.isEmpty())
        fields.insert(Fields::FlagsAddedOnTheWay, added);
    fields.insert(Fields::Type, 1);
    fields.insert(Fields::LocalModificationDate, localDate);
    record.fields = fields;
    return record;
}

QVariantMap OrvaneCloudManager::convertRecordintoBill(const CloudRecord& record, const QString& dataFolder)
{
    const QVariantMap& fields = record.fields;
    QVariantMap bill;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (!RecordOnlyFields.contains(it.key()) && !BillKeys::DisplayKeys.contains(it.key()))
            bill.insert(it.key(), it.value());
    }
    if (fields.contains(Fields::Repeat))
        bill.insert(BillKeys::Repeat, integersOf(fields.value(Fields::Repeat)));
    for (const QVariant& flag : fields.value(Fields::FlagsAddedOnTheWay).toList()) {
        if (FlagKeys.contains(flag.toString()))
            bill.remove(flag.toString());
    }

    // A record without any payments' field holds none, and none is made up.
    const bool holdsPayments = fields.contains(BillKeys::PaymentList)
                               || std::any_of(PaymentListFields.cbegin(), PaymentListFields.cend(),
                                              [&fields](const QString& key) { return fields.contains(key); });
    QVariantList payments;
    if (fields.contains(BillKeys::PaymentList)) {
        payments = paymentsWithReceipts(fields.value(BillKeys::PaymentList).toList(), dataFolder);
    } else {
        // An earlier version's record: the four lists are parallel, and a
        // record whose lists differ in length gives the payments that all
        // four describe.
        const QVariantList dates = fields.value(Fields::PaymentListDates).toList();
        const QVariantList amounts = fields.value(Fields::PaymentListAmounts).toList();
        const QVariantList notes = fields.value(Fields::PaymentListNotes).toList();
        const QVariantList receipts = fields.value(Fields::PaymentListAttachments).toList();
        const qsizetype count = std::min({dates.size(), amounts.size(), notes.size(), receipts.size()});
        for (qsizetype i = 0; i < count; ++i) {
            payments.append(QVariantMap{
                {PaymentKeys::Date, dates.at(i).toDateTime()},
                {PaymentKeys::Amount, amounts.at(i).toDouble()},
                {PaymentKeys::Note, notes.at(i).toString()},
                {PaymentKeys::Receipt, localReceiptPath(receipts.at(i).toString(), dataFolder)},
            });
        }
    }
    if (holdsPayments)
        bill.insert(BillKeys::PaymentList, payments);
    // An earlier version's record is as new as its cloud date.
    if (!bill.contains(BillKeys::SyncModificationDate))
        bill.insert(BillKeys::SyncModificationDate, cloudModificationDateForBillRecord(record));
    return bill;
}
