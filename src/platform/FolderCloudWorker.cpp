// The worker's operations, and writing this device's versions.
#include "platform/FolderCloudWorker.h"

#include "platform/BWUIDMaker.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudFormat.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>

using namespace FolderCloudFormat;

namespace {

// A journal only has to reach the other devices; older entries go.
constexpr int JournalLength = 500;
constexpr int LockWaitMilliseconds = 5000;

}  // namespace

FolderCloudWorker::FolderCloudWorker(const QString& folder, const QString& deviceID, FolderCloudDatabase* database,
                                     Post post)
    : m_folder(folder)
    , m_deviceID(deviceID)
    , m_database(database)
    , m_post(std::move(post))
{
}

FolderCloudWorker::~FolderCloudWorker() = default;

void FolderCloudWorker::start(const QDateTime& now)
{
    m_now = now;
    m_readTimer = new QTimer(this);
    m_readTimer->setSingleShot(true);
    connect(m_readTimer, &QTimer::timeout, this, [this] {
        m_post(
            [database = m_database, pending = std::exchange(m_pendingReads, {})] { database->readPending(pending); });
        m_readsPending = false;
    });
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& path) {
        if (QDir(path) == QDir(journalFolder()))
            scheduleRead(JournalsRead);
        else
            scheduleRead(QDir(path) == QDir(recordsFolder()) ? AllRecordsRead : QFileInfo(path).fileName());
    });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { scheduleRead(JournalsRead); });
    if (!makeSubfolders())
        return;
    // Changes made before are the full pass's business: the journals and
    // records are known as they stand.
    m_ownJournal = journalEntries(ownJournalPath()).value_or(QVariantList());
    m_ownSequence = newestSequence(*m_ownJournal);
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList(QDir::Files))
        removeOwnLeftover(journals.path(), file);
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        const QString device = QFileInfo(file).completeBaseName();
        if (device == m_deviceID || !BWUIDMaker::isValidUID(device))
            continue;
        const QVariantList entries = journalEntries(journals.filePath(file)).value_or(QVariantList());
        m_seenSequence.insert(device, newestSequence(entries));
    }
    for (const QString& name : recordNames()) {
        if (m_stopping)
            return;
        CloudError error;
        if (const std::optional<View> view = viewOf(name, Depth::Shallow, &error)) {
            m_knownTags.insert(name, view->tag);
            if (view->exists)
                m_knownTypes.insert(name, view->recordType);
        }
    }
    watch();
}

void FolderCloudWorker::setDeviceID(const QString& deviceID)
{
    // What the old id's journal told so far was this device's own doing.
    m_seenSequence.insert(m_deviceID, m_ownSequence);
    m_deviceID = deviceID;
    m_ownTags.clear();
    m_toldIDInUse = false;
    m_ownJournal.reset();
    m_ownSequence = 0;
    watch();
}

// ---- Calls -----------------------------------------------------------------------

std::pair<std::optional<CloudRecord>, CloudError> FolderCloudWorker::fetch(const QString& recordName,
                                                                           const QDateTime& now)
{
    m_now = now;
    if (!makeSubfolders())
        return {std::nullopt, unavailable()};
    if (!FolderCloudDatabase::isValidRecordName(recordName))
        return {std::nullopt,
                failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(recordName))};
    CloudError error;
    const std::optional<View> view = viewOf(recordName, Depth::WithRecord, &error);
    if (view && !view->record)
        error = failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName));
    return {view ? view->record : std::nullopt, error};
}

FolderCloudWorker::SaveResult FolderCloudWorker::save(const CloudRecord& record, const QDateTime& now)
{
    m_now = now;
    if (!makeSubfolders())
        return {record, unavailable()};
    if (!FolderCloudDatabase::isValidRecordName(record.recordName) || record.recordType.isEmpty())
        return {record,
                failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(record.recordName))};

    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return {record, failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"))};

    CloudError readError;
    const std::optional<View> view = viewOf(record.recordName, Depth::WithRecord, &readError);
    if (!view)
        return {record, readError};
    if (view->record && view->record->changeTag != record.changeTag)
        return {*view->record,
                failure(CloudError::ServerRecordChanged, QStringLiteral("The record changed in the cloud"))};
    if (!view->record && !record.changeTag.isEmpty() && record.changeTag != view->tag)
        return {record, failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(record.recordName))};
    return writeOwnVersion(record.recordName, record, false, *view);
}

CloudError FolderCloudWorker::remove(const QString& recordName, const QDateTime& now)
{
    m_now = now;
    if (!makeSubfolders())
        return unavailable();
    if (!FolderCloudDatabase::isValidRecordName(recordName))
        return failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(recordName));
    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"));
    CloudError error;
    const std::optional<View> view = viewOf(recordName, Depth::Shallow, &error);
    if (!view)
        return error;
    if (!view->exists)
        return failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName));
    CloudRecord deletion;
    deletion.recordType = view->recordType;
    deletion.recordName = recordName;
    return writeOwnVersion(recordName, deletion, true, *view).error;
}

CloudQueryBatch FolderCloudWorker::query(const QString& recordType, const QString& cursor,
                                         const QHash<QString, QString>& knownTags, const QDateTime& now,
                                         CloudError* error)
{
    m_now = now;
    *error = CloudError::ok();
    if (!makeSubfolders()) {
        *error = unavailable();
        return {};
    }
    // The cursor is the name of the last record read: batches go on after it
    // in name order, whatever changed in the meantime.
    if (!cursor.isEmpty() && !FolderCloudDatabase::isValidRecordName(cursor)) {
        *error = failure(CloudError::NotFound, QStringLiteral("Unknown query cursor"));
        return {};
    }
    CloudQueryBatch batch;
    QString lastRead;
    for (const QString& name : recordNames()) {
        if (m_stopping)
            break;
        if (!cursor.isEmpty() && name <= cursor)
            continue;
        CloudError readError;
        // What changed is told by the stamps; only that is read whole.
        const std::optional<View> view = tidiedViewOf(name, &readError);
        if (!view) {
            Log::line(QStringLiteral("Skipping an unreadable cloud record: %1").arg(readError.message));
            continue;
        }
        if (!view->exists || view->recordType != recordType)
            continue;
        if (knownTags.value(name) == view->tag) {
            batch.unchanged.append(name);
            lastRead = name;
            continue;
        }
        // One more record of the type to send: the batch ends before it.
        if (batch.records.size() == m_batchSize) {
            batch.cursor = lastRead;
            break;
        }
        const std::optional<View> whole = viewOf(name, Depth::WithRecord, &readError);
        if (whole && whole->record) {
            batch.records.append(*whole->record);
            lastRead = name;
        }
    }
    return batch;
}

void FolderCloudWorker::subscribe(const QString& subscriptionID, const QString& recordType,
                                  const QList<CloudDatabase::ChangeReason>& reasons, const QDateTime& now)
{
    m_subscriptions.insert(subscriptionID, {recordType, reasons});
    // The folder may have come since the worker started, and what others
    // left in it meanwhile is taken in now.
    readChanges(now);
}

// ---- Writing ---------------------------------------------------------------------

// Writes this device's version over `view` and removes the leftovers and
// the silent devices' versions it now holds all of; the record as it reads
// after.
FolderCloudWorker::SaveResult FolderCloudWorker::writeOwnVersion(const QString& recordName, const CloudRecord& record,
                                                                 bool deleted, const View& view)
{
    QVariantMap madeFrom;
    for (const Version& version : view.versions)
        madeFrom.insert(version.source, version.file.changeTag);
    const QDateTime moment = wholeSeconds(m_now);
    const QString changeTag = BWUIDMaker::makeUID();
    const QVariantMap file = {{RecordTypeKey, record.recordType},
                              {RecordNameKey, recordName},
                              {ModificationDateKey, moment},
                              {ChangeTagKey, changeTag},
                              {FieldsKey, storableFields(record.fields)},
                              {DeletedKey, deleted},
                              {MadeFromKey, madeFrom}};
    const QDir records(recordsFolder());
    QString writeError;
    if (!records.mkpath(recordName)
        || !PropertyList::write(records.filePath(ownVersionSource(recordName)), file, &writeError))
        return {record, failure(CloudError::NetworkFailure,
                                QStringLiteral("The record %1 could not be written: %2").arg(recordName, writeError))};
    m_ownTags.insert(recordName, changeTag);
    appendToJournal(record.recordType, recordName,
                    deleted ? CloudDatabase::RecordDeleted
                            : (view.exists ? CloudDatabase::RecordUpdated : CloudDatabase::RecordCreated),
                    changeTag);
    Version own;
    own.source = ownVersionSource(recordName);
    removeHeld(recordName, versionsToFold(view), {own});
    CloudError error;
    const std::optional<View> written = viewOf(recordName, Depth::WithRecord, &error);
    if (written) {
        m_knownTags.insert(recordName, written->tag);
        m_knownTypes.insert(recordName, record.recordType);
    }
    if (written && written->record)
        return {*written->record, CloudError::ok()};
    CloudRecord saved = record;
    saved.modificationDate = moment;
    saved.changeTag = written ? written->tag : QString();
    return {saved, error};
}

bool FolderCloudWorker::appendToJournal(const QString& recordType, const QString& recordName,
                                        CloudDatabase::ChangeReason reason, const QString& changeTag)
{
    // Only this device writes its journal, so what it wrote last is what
    // the file holds; unreadable at the start, it starts again rather than
    // block the change.
    if (!m_ownJournal)
        m_ownJournal = journalEntries(ownJournalPath()).value_or(QVariantList());
    QVariantList& entries = *m_ownJournal;
    m_ownSequence = qMax(m_ownSequence, newestSequence(entries)) + 1;
    entries.append(QVariantMap{{SequenceKey, m_ownSequence},
                               {RecordNameKey, recordName},
                               {RecordTypeKey, recordType},
                               {ReasonKey, qlonglong(reason)},
                               {ChangeTagKey, changeTag},
                               {DateKey, wholeSeconds(m_now)}});
    if (entries.size() > JournalLength)
        entries = entries.mid(entries.size() - JournalLength);
    QString error;
    if (PropertyList::write(ownJournalPath(), QVariantMap{{EntriesKey, entries}}, &error))
        return true;
    // The version itself is saved; other devices find it when it arrives.
    Log::line(QStringLiteral("Could not write the cloud journal: %1").arg(error));
    return false;
}
