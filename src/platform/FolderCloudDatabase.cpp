#include "platform/FolderCloudDatabase.h"

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimeZone>
#include <QTimer>

namespace {

const QString RecordTypeKey = QStringLiteral("RecordType");
const QString RecordNameKey = QStringLiteral("RecordName");
const QString ModificationDateKey = QStringLiteral("ModificationDate");
const QString ChangeTagKey = QStringLiteral("ChangeTag");
const QString FieldsKey = QStringLiteral("Fields");

const QString EntriesKey = QStringLiteral("Entries");
const QString SequenceKey = QStringLiteral("Sequence");
const QString ReasonKey = QStringLiteral("Reason");
const QString DateKey = QStringLiteral("Date");

const QString Extension = QStringLiteral(".plist");
// A journal only has to reach the other devices; older entries go.
constexpr int JournalLength = 500;
constexpr int LockWaitMilliseconds = 5000;

CloudError failure(CloudError::Code code, const QString& message)
{
    return {code, message, 0};
}

// The entries of a journal file, or nothing while it cannot be read whole
// (a sync service may be replacing it).
std::optional<QVariantList> journalEntries(const QString& path)
{
    const PropertyList::ReadResult read = PropertyList::read(path);
    if (read.status == PropertyList::Status::NotFound)
        return QVariantList();
    if (!read.ok())
        return std::nullopt;
    return read.value.toMap().value(EntriesKey).toList();
}

qlonglong newestSequence(const QVariantList& entries)
{
    qlonglong newest = 0;
    for (const QVariant& entry : entries)
        newest = qMax(newest, entry.toMap().value(SequenceKey).toLongLong());
    return newest;
}

// Property lists keep dates to the second; so does what a save reports.
QDateTime wholeSeconds(const QDateTime& moment)
{
    return QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch(), QTimeZone::utc());
}

// A cleared field is one that is not stored.
QVariantMap storableFields(const QVariantMap& fields)
{
    QVariantMap stored;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (it.value().isValid())
            stored.insert(it.key(), it.value());
    }
    return stored;
}

}  // namespace

FolderCloudDatabase::FolderCloudDatabase(const QString& folder, const QString& deviceID, QObject* parent)
    : CloudDatabase(parent), m_folder(folder), m_deviceID(deviceID),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
    makeSubfolders();
    if (const auto own = journalEntries(ownJournalPath()))
        m_ownSequence = newestSequence(*own);
    // Changes made before this object existed are the full pass's business.
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        const QString device = QFileInfo(file).completeBaseName();
        if (device != m_deviceID && BWUIDMaker::isValidUID(device))
            m_seenSequence.insert(device, newestSequence(journalEntries(journals.filePath(file)).value_or(QVariantList())));
    }
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderCloudDatabase::readJournals);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderCloudDatabase::readJournals);
    watch();
}

bool FolderCloudDatabase::isValidRecordName(const QString& recordName)
{
    return BWUIDMaker::isValidUID(recordName) || recordName == QLatin1String("ActiveBills")
        || recordName == QLatin1String("DeletedBills");
}

bool FolderCloudDatabase::makeSubfolders() const
{
    // The folder itself is the user's (or the sync service's) to make: one
    // that is missing may be a drive not mounted yet.
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return false;
    return QDir().mkpath(journalFolder()) && QDir().mkpath(QDir(m_folder).filePath(QStringLiteral("records")));
}

CloudError FolderCloudDatabase::unavailable() const
{
    return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder %1 is not available").arg(m_folder));
}

QString FolderCloudDatabase::recordPath(const QString& recordName) const
{
    return QDir(m_folder).filePath(QStringLiteral("records/") + recordName + Extension);
}

QString FolderCloudDatabase::lockPath() const
{
    // Kept off the shared folder: the sync service would carry it to other
    // machines, which cannot tell whether its owner still runs and would wait
    // for it to go stale.
    const QByteArray folderKey = QCryptographicHash::hash(QFileInfo(m_folder).absoluteFilePath().toUtf8(),
                                                          QCryptographicHash::Sha1)
                                     .toHex();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("orvane-cloud-%1.lock").arg(QString::fromLatin1(folderKey)));
}

QString FolderCloudDatabase::journalFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("journal"));
}

QString FolderCloudDatabase::ownJournalPath() const
{
    return QDir(journalFolder()).filePath(m_deviceID + Extension);
}

void FolderCloudDatabase::later(std::function<void()> completion)
{
    QTimer::singleShot(0, this, std::move(completion));
}

void FolderCloudDatabase::fetchRecord(const QString& recordName, FetchCompletion completion)
{
    CloudError error = unavailable();
    std::optional<CloudRecord> record;
    if (makeSubfolders())
        record = readRecord(recordName, &error);
    later([completion, record, error] { completion(record, error); });
}

void FolderCloudDatabase::saveRecord(const CloudRecord& record, SaveCompletion completion)
{
    const SaveResult result = makeSubfolders() ? writeRecord(record) : SaveResult{record, unavailable()};
    later([completion, result] { completion(result.record, result.error); });
}

void FolderCloudDatabase::deleteRecord(const QString& recordName, DeleteCompletion completion)
{
    const CloudError error = makeSubfolders() ? removeRecord(recordName) : unavailable();
    later([completion, error] { completion(error); });
}

void FolderCloudDatabase::queryRecords(const QString& recordType, const QString& cursor, QueryCompletion completion)
{
    CloudError error = unavailable();
    CloudQueryBatch batch;
    if (makeSubfolders())
        batch = queryBatch(recordType, cursor, &error);
    later([completion, batch, error] { completion(batch, error); });
}

void FolderCloudDatabase::saveSubscription(const QString& subscriptionID, const QString& recordType,
                                           const QList<ChangeReason>& reasons, DeleteCompletion completion)
{
    m_subscriptions.insert(subscriptionID, {recordType, reasons});
    // The folder may have come since this object was made.
    if (makeSubfolders())
        watch();
    later([completion] { completion(CloudError::ok()); });
}

std::optional<CloudRecord> FolderCloudDatabase::readRecord(const QString& recordName, CloudError* error) const
{
    if (!isValidRecordName(recordName)) {
        *error = failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(recordName));
        return std::nullopt;
    }
    const PropertyList::ReadResult read = PropertyList::read(recordPath(recordName));
    if (read.status == PropertyList::Status::NotFound) {
        *error = failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName));
        return std::nullopt;
    }
    const QVariantMap stored = read.value.toMap();
    if (!read.ok() || stored.value(RecordNameKey).toString() != recordName) {
        *error = failure(CloudError::NetworkFailure,
                         QStringLiteral("The record %1 could not be read: %2").arg(recordName, read.error));
        return std::nullopt;
    }
    *error = CloudError::ok();
    CloudRecord record;
    record.recordType = stored.value(RecordTypeKey).toString();
    record.recordName = recordName;
    record.fields = stored.value(FieldsKey).toMap();
    record.modificationDate = stored.value(ModificationDateKey).toDateTime();
    record.changeTag = stored.value(ChangeTagKey).toString();
    return record;
}

FolderCloudDatabase::SaveResult FolderCloudDatabase::writeRecord(const CloudRecord& record)
{
    if (!isValidRecordName(record.recordName) || record.recordType.isEmpty())
        return {record, failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(record.recordName))};

    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return {record, failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"))};

    CloudError readError;
    const std::optional<CloudRecord> existing = readRecord(record.recordName, &readError);
    if (!existing && readError.code != CloudError::NotFound)
        return {record, readError};
    if (existing && existing->changeTag != record.changeTag)
        return {*existing, failure(CloudError::ServerRecordChanged, QStringLiteral("The record changed in the cloud"))};
    if (!existing && !record.changeTag.isEmpty())
        return {record, readError};

    CloudRecord stored = record;
    stored.fields = storableFields(record.fields);
    stored.modificationDate = wholeSeconds(m_clock());
    stored.changeTag = BWUIDMaker::makeUID();
    const QVariantMap file = {{RecordTypeKey, stored.recordType},
                              {RecordNameKey, stored.recordName},
                              {ModificationDateKey, stored.modificationDate},
                              {ChangeTagKey, stored.changeTag},
                              {FieldsKey, stored.fields}};
    QString writeError;
    if (!PropertyList::write(recordPath(stored.recordName), file, &writeError))
        return {record, failure(CloudError::NetworkFailure,
                                QStringLiteral("The record %1 could not be written: %2").arg(stored.recordName, writeError))};
    appendToJournal(stored.recordType, stored.recordName, existing ? RecordUpdated : RecordCreated);
    return {stored, CloudError::ok()};
}

CloudError FolderCloudDatabase::removeRecord(const QString& recordName)
{
    CloudError error;
    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"));
    const std::optional<CloudRecord> existing = readRecord(recordName, &error);
    if (!existing)
        return error;
    if (!QFile::remove(recordPath(recordName)))
        return failure(CloudError::NetworkFailure, QStringLiteral("The record %1 could not be removed").arg(recordName));
    appendToJournal(existing->recordType, recordName, RecordDeleted);
    return CloudError::ok();
}

bool FolderCloudDatabase::appendToJournal(const QString& recordType, const QString& recordName, ChangeReason reason)
{
    // Only this device writes its journal, so what is on disk is ours;
    // unreadable, it starts again rather than block the change.
    QVariantList entries = journalEntries(ownJournalPath()).value_or(QVariantList());
    m_ownSequence = qMax(m_ownSequence, newestSequence(entries)) + 1;
    entries.append(QVariantMap{{SequenceKey, m_ownSequence},
                               {RecordNameKey, recordName},
                               {RecordTypeKey, recordType},
                               {ReasonKey, qlonglong(reason)},
                               {DateKey, wholeSeconds(m_clock())}});
    if (entries.size() > JournalLength)
        entries = entries.mid(entries.size() - JournalLength);
    QString error;
    if (PropertyList::write(ownJournalPath(), QVariantMap{{EntriesKey, entries}}, &error))
        return true;
    // The record itself is saved; other devices find it on their next full pass.
    Log::line(QStringLiteral("Could not write the cloud journal: %1").arg(error));
    return false;
}

CloudQueryBatch FolderCloudDatabase::queryBatch(const QString& recordType, const QString& cursor,
                                                CloudError* error) const
{
    // The cursor is the name of the last record read: batches go on after it
    // in name order, whatever changed in the meantime.
    *error = CloudError::ok();
    if (!cursor.isEmpty() && !isValidRecordName(cursor)) {
        *error = failure(CloudError::NotFound, QStringLiteral("Unknown query cursor"));
        return {};
    }
    QStringList names;
    const QDir records(QDir(m_folder).filePath(QStringLiteral("records")));
    for (const QString& file : records.entryList({QLatin1Char('*') + Extension}, QDir::Files, QDir::Name)) {
        const QString name = QFileInfo(file).completeBaseName();
        if (isValidRecordName(name) && (cursor.isEmpty() || name > cursor))
            names.append(name);
    }
    CloudQueryBatch batch;
    for (const QString& name : std::as_const(names)) {
        CloudError readError;
        const std::optional<CloudRecord> record = readRecord(name, &readError);
        if (!record) {
            if (readError.code != CloudError::NotFound)
                Log::line(QStringLiteral("Skipping an unreadable cloud record: %1").arg(readError.message));
            continue;
        }
        if (record->recordType != recordType)
            continue;
        // One more record of the type exists: the batch ends before it.
        if (batch.records.size() == m_batchSize) {
            batch.cursor = batch.records.constLast().recordName;
            break;
        }
        batch.records.append(*record);
    }
    return batch;
}

void FolderCloudDatabase::readJournals()
{
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        const QString device = QFileInfo(file).completeBaseName();
        if (device == m_deviceID || !BWUIDMaker::isValidUID(device))
            continue;
        const std::optional<QVariantList> entries = journalEntries(journals.filePath(file));
        if (!entries)
            continue;  // being replaced; its next change brings us back
        qlonglong& seen = m_seenSequence[device];
        for (const QVariant& value : *entries) {
            const QVariantMap entry = value.toMap();
            const qlonglong sequence = entry.value(SequenceKey).toLongLong();
            if (sequence <= seen)
                continue;
            seen = sequence;
            const QString recordName = entry.value(RecordNameKey).toString();
            const int reason = entry.value(ReasonKey).toInt();
            if (isValidRecordName(recordName) && reason >= RecordCreated && reason <= RecordDeleted)
                announce(entry.value(RecordTypeKey).toString(), recordName, reason);
        }
    }
    watch();
}

void FolderCloudDatabase::announce(const QString& recordType, const QString& recordName, int reason)
{
    for (const Subscription& subscription : std::as_const(m_subscriptions)) {
        if (subscription.recordType == recordType && subscription.reasons.contains(ChangeReason(reason)))
            emit recordChanged(recordType, recordName, reason);
    }
}

void FolderCloudDatabase::watch()
{
    // A sync service may replace a journal whole or write into it: the
    // folder and every journal in it are watched.
    if (!QFileInfo(journalFolder()).isDir())
        return;
    QStringList paths = {journalFolder()};
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        if (QFileInfo(file).completeBaseName() != m_deviceID)
            paths.append(journals.filePath(file));
    }
    QStringList missing;
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString& path : paths) {
        if (!watched.contains(path))
            missing.append(path);
    }
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}
