#include "platform/FolderCloudDatabase.h"

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimeZone>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const QString RecordTypeKey = QStringLiteral("RecordType");
const QString RecordNameKey = QStringLiteral("RecordName");
const QString ModificationDateKey = QStringLiteral("ModificationDate");
const QString ChangeTagKey = QStringLiteral("ChangeTag");
const QString FieldsKey = QStringLiteral("Fields");
const QString DeletedKey = QStringLiteral("Deleted");
const QString MadeFromKey = QStringLiteral("MadeFrom");

const QString EntriesKey = QStringLiteral("Entries");
const QString SequenceKey = QStringLiteral("Sequence");
const QString ReasonKey = QStringLiteral("Reason");
const QString DateKey = QStringLiteral("Date");

const QString Extension = QStringLiteral(".plist");
// A journal only has to reach the other devices; older entries go.
constexpr int JournalLength = 500;
constexpr int LockWaitMilliseconds = 5000;
// File events come in bursts (a sync service writes a temporary file and
// renames it); the records they touch are read once the burst is over.
constexpr int ReadDelayMilliseconds = 20;

CloudError failure(CloudError::Code code, const QString& message)
{
    return {code, message, 0};
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

// The name of a record file ("<name>.plist"), or "" for any other file.
QString recordNameOfFile(const QString& fileName)
{
    if (!fileName.endsWith(Extension))
        return {};
    const QString name = fileName.chopped(Extension.size());
    return FolderCloudDatabase::isValidRecordName(name) ? name : QString();
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
        if (device == m_deviceID || !BWUIDMaker::isValidUID(device))
            continue;
        const QVariantList entries = journalEntries(journals.filePath(file)).value_or(QVariantList());
        m_seenSequence.insert(device, newestSequence(entries));
        noteLastWrite(device, entries);
    }
    for (const QString& name : recordNames()) {
        CloudError error;
        if (const std::optional<View> view = viewOf(name, &error)) {
            m_knownTags.insert(name, view->tag);
            if (view->record)
                m_knownTypes.insert(name, view->record->recordType);
        }
    }
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& path) {
        if (QDir(path) == QDir(journalFolder()))
            scheduleRead(JournalsRead);
        else
            scheduleRead(QDir(path) == QDir(recordsFolder()) ? AllRecordsRead : QFileInfo(path).fileName());
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { scheduleRead(JournalsRead); });
    watch();
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

bool FolderCloudDatabase::View::hasLeftovers() const
{
    return std::any_of(versions.cbegin(), versions.cend(), [](const Version& version) { return version.leftover; });
}

bool FolderCloudDatabase::makeSubfolders() const
{
    // The folder itself is the user's (or the sync service's) to make: one
    // that is missing may be a drive not mounted yet.
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return false;
    return QDir().mkpath(journalFolder()) && QDir().mkpath(recordsFolder());
}

CloudError FolderCloudDatabase::unavailable() const
{
    return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder %1 is not available").arg(m_folder));
}

QString FolderCloudDatabase::recordsFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("records"));
}

QString FolderCloudDatabase::journalFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("journal"));
}

QString FolderCloudDatabase::ownJournalPath() const
{
    return QDir(journalFolder()).filePath(m_deviceID + Extension);
}

QString FolderCloudDatabase::ownVersionSource(const QString& recordName) const
{
    return recordName + QLatin1Char('/') + m_deviceID + Extension;
}

QString FolderCloudDatabase::conflictsFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("conflicts"));
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

void FolderCloudDatabase::later(std::function<void()> completion)
{
    QTimer::singleShot(0, this, std::move(completion));
}

// ---- Calls -----------------------------------------------------------------------

void FolderCloudDatabase::fetchRecord(const QString& recordName, FetchCompletion completion)
{
    CloudError error;
    std::optional<CloudRecord> record;
    if (!makeSubfolders())
        error = unavailable();
    else if (!isValidRecordName(recordName))
        error = failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(recordName));
    else if (const std::optional<View> view = viewOf(recordName, &error); view && !(record = view->record))
        error = failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName));
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
    // The folder may have come since this object was made, and what others
    // left in it meanwhile is taken in now.
    if (makeSubfolders())
        later([this] { readChanges(); });
    later([completion] { completion(CloudError::ok()); });
}

// ---- Versions --------------------------------------------------------------------

QStringList FolderCloudDatabase::recordNames() const
{
    QSet<QString> names;
    const QDir records(recordsFolder());
    for (const QString& entry : records.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot)) {
        if (QFileInfo(records.filePath(entry)).isDir()) {
            if (isValidRecordName(entry))
                names.insert(entry);
            continue;
        }
        const QString conflicted = conflictCopyOriginal(entry);
        const QString name = recordNameOfFile(conflicted.isEmpty() ? entry : conflicted);
        if (!name.isEmpty())
            names.insert(name);
    }
    QStringList sorted(names.cbegin(), names.cend());
    sorted.sort();
    return sorted;
}

// The files that hold versions of a record: each device's, the conflict
// copies of them, and the record file of the earlier layout with its
// conflict copies.
QStringList FolderCloudDatabase::versionSources(const QString& recordName) const
{
    QStringList sources;
    const QDir versions(QDir(recordsFolder()).filePath(recordName));
    for (const QString& file : versions.entryList(QDir::Files)) {
        const QString conflicted = conflictCopyOriginal(file);
        const QString device = recordNameOfFile(conflicted.isEmpty() ? file : conflicted);
        if (BWUIDMaker::isValidUID(device))
            sources.append(recordName + QLatin1Char('/') + file);
    }
    const QDir records(recordsFolder());
    for (const QString& file : records.entryList(QDir::Files)) {
        const QString conflicted = conflictCopyOriginal(file);
        if (recordNameOfFile(conflicted.isEmpty() ? file : conflicted) == recordName)
            sources.append(file);
    }
    sources.sort();
    return sources;
}

std::optional<FolderCloudDatabase::Version> FolderCloudDatabase::readVersion(const QString& source,
                                                                             const QString& recordName,
                                                                             CloudError* error) const
{
    const PropertyList::ReadResult read = PropertyList::read(QDir(recordsFolder()).filePath(source));
    if (read.status == PropertyList::Status::NotFound)
        return std::nullopt;   // gone since the folder was listed
    const QVariantMap stored = read.value.toMap();
    if (!read.ok() || stored.value(RecordNameKey).toString() != recordName) {
        *error = failure(CloudError::NetworkFailure,
                         QStringLiteral("The record %1 could not be read: %2").arg(source, read.error));
        return std::nullopt;
    }
    Version version;
    version.source = source;
    version.record.recordType = stored.value(RecordTypeKey).toString();
    version.record.recordName = recordName;
    version.record.fields = stored.value(FieldsKey).toMap();
    version.record.modificationDate = stored.value(ModificationDateKey).toDateTime();
    version.record.changeTag = stored.value(ChangeTagKey).toString();
    version.deleted = stored.value(DeletedKey).toBool();
    version.madeFrom = stored.value(MadeFromKey).toMap();
    version.leftover = source != ownVersionSource(recordName)
                       && (!source.contains(QLatin1Char('/')) || !conflictCopyOriginal(source.section(QLatin1Char('/'), 1)).isEmpty());
    return version;
}

std::optional<FolderCloudDatabase::View> FolderCloudDatabase::viewOf(const QString& recordName, CloudError* error) const
{
    View view;
    QStringList tags;
    CloudError readError;
    for (const QString& source : versionSources(recordName)) {
        CloudError versionError;
        const std::optional<Version> version = readVersion(source, recordName, &versionError);
        if (versionError.isError()) {
            // Left out: perhaps being replaced by the sync service, whose
            // arrival brings us back.
            noteUnreadable(source);
            view.unreadable.append(source);
            readError = versionError;
        } else if (version) {
            m_unreadable.remove(source);
            view.versions.append(*version);
            tags.append(source + QLatin1Char('=') + version->record.changeTag);
        }
    }
    // With no version to read, the record is not known to be absent.
    *error = view.versions.isEmpty() ? readError : CloudError::ok();
    if (error->isError())
        return std::nullopt;
    if (view.versions.isEmpty())
        return view;
    view.tag = QString::fromLatin1(
        QCryptographicHash::hash(tags.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1).toHex());

    // A version another one was made from is held by it already.
    QList<Version> live;
    for (const Version& version : std::as_const(view.versions)) {
        const bool superseded = std::any_of(view.versions.cbegin(), view.versions.cend(), [&](const Version& other) {
            return other.madeFrom.value(version.source).toString() == version.record.changeTag;
        });
        if (!superseded)
            live.append(version);
    }
    QList<Version> edits;
    QDateTime newestDeletion;
    for (const Version& version : std::as_const(live)) {
        if (version.deleted)
            newestDeletion = std::max(newestDeletion, version.record.modificationDate);
        else
            edits.append(version);
    }
    if (edits.isEmpty())
        return view;
    CloudRecord record = mergedRecord(edits);
    // A deletion beats the versions older than it.
    if (newestDeletion.isValid() && newestDeletion >= record.modificationDate)
        return view;
    record.changeTag = view.tag;
    view.record = record;
    return view;
}

CloudRecord FolderCloudDatabase::mergedRecord(QList<Version> live) const
{
    // In one order on every device, so that all merge alike.
    std::sort(live.begin(), live.end(), [](const Version& a, const Version& b) {
        if (a.record.modificationDate != b.record.modificationDate)
            return a.record.modificationDate < b.record.modificationDate;
        return a.source < b.source;
    });
    CloudRecord merged = live.constFirst().record;
    for (qsizetype i = 1; i < live.size(); ++i) {
        const CloudRecord& next = live.at(i).record;
        merged = m_merger ? m_merger(merged, next) : next;
        merged.modificationDate = std::max(merged.modificationDate, next.modificationDate);
    }
    merged.recordName = live.constFirst().record.recordName;
    return merged;
}

// ---- Writing ---------------------------------------------------------------------

FolderCloudDatabase::SaveResult FolderCloudDatabase::writeRecord(const CloudRecord& record)
{
    if (!isValidRecordName(record.recordName) || record.recordType.isEmpty())
        return {record, failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(record.recordName))};

    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return {record, failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"))};

    CloudError readError;
    const std::optional<View> view = viewOf(record.recordName, &readError);
    if (!view)
        return {record, readError};
    if (view->record && view->record->changeTag != record.changeTag)
        return {*view->record, failure(CloudError::ServerRecordChanged, QStringLiteral("The record changed in the cloud"))};
    if (!view->record && !record.changeTag.isEmpty() && record.changeTag != view->tag)
        return {record, failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(record.recordName))};
    return writeOwnVersion(record.recordName, record, false, *view);
}

CloudError FolderCloudDatabase::removeRecord(const QString& recordName)
{
    if (!isValidRecordName(recordName))
        return failure(CloudError::NotFound, QStringLiteral("No record may be named %1").arg(recordName));
    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder is busy"));
    CloudError error;
    const std::optional<View> view = viewOf(recordName, &error);
    if (!view)
        return error;
    if (!view->record)
        return failure(CloudError::NotFound, QStringLiteral("No record named %1").arg(recordName));
    CloudRecord deletion;
    deletion.recordType = view->record->recordType;
    deletion.recordName = recordName;
    return writeOwnVersion(recordName, deletion, true, *view).error;
}

FolderCloudDatabase::SaveResult FolderCloudDatabase::writeOwnVersion(const QString& recordName,
                                                                     const CloudRecord& record, bool deleted,
                                                                     const View& view)
{
    QVariantMap madeFrom;
    for (const Version& version : view.versions)
        madeFrom.insert(version.source, version.record.changeTag);
    const QDateTime moment = wholeSeconds(m_clock());
    const QVariantMap file = {{RecordTypeKey, record.recordType},
                              {RecordNameKey, recordName},
                              {ModificationDateKey, moment},
                              {ChangeTagKey, BWUIDMaker::makeUID()},
                              {FieldsKey, storableFields(record.fields)},
                              {DeletedKey, deleted},
                              {MadeFromKey, madeFrom}};
    const QDir records(recordsFolder());
    QString writeError;
    if (!records.mkpath(recordName)
        || !PropertyList::write(records.filePath(ownVersionSource(recordName)), file, &writeError))
        return {record, failure(CloudError::NetworkFailure,
                                QStringLiteral("The record %1 could not be written: %2").arg(recordName, writeError))};
    appendToJournal(record.recordType, recordName,
                    deleted ? RecordDeleted : (view.record ? RecordUpdated : RecordCreated));
    // What the sync service or the earlier layout left, and the versions of
    // silent devices, are held by the new version now.
    const QList<Version> silent = silentVersions(view, false) + silentVersions(view, true);
    for (const Version& version : view.versions) {
        const bool held = version.leftover || std::any_of(silent.cbegin(), silent.cend(), [&](const Version& old) {
                              return old.source == version.source;
                          });
        if (held && !QFile::remove(records.filePath(version.source)))
            Log::line(QStringLiteral("Could not remove the cloud file %1").arg(version.source));
    }
    CloudError error;
    const std::optional<View> written = viewOf(recordName, &error);
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

CloudQueryBatch FolderCloudDatabase::queryBatch(const QString& recordType, const QString& cursor, CloudError* error)
{
    // The cursor is the name of the last record read: batches go on after it
    // in name order, whatever changed in the meantime.
    *error = CloudError::ok();
    if (!cursor.isEmpty() && !isValidRecordName(cursor)) {
        *error = failure(CloudError::NotFound, QStringLiteral("Unknown query cursor"));
        return {};
    }
    CloudQueryBatch batch;
    for (const QString& name : recordNames()) {
        if (!cursor.isEmpty() && name <= cursor)
            continue;
        CloudError readError;
        const std::optional<View> view = tidiedViewOf(name, &readError);
        if (!view) {
            Log::line(QStringLiteral("Skipping an unreadable cloud record: %1").arg(readError.message));
            continue;
        }
        if (!view->record || view->record->recordType != recordType)
            continue;
        // One more record of the type exists: the batch ends before it.
        if (batch.records.size() == m_batchSize) {
            batch.cursor = batch.records.constLast().recordName;
            break;
        }
        batch.records.append(*view->record);
    }
    return batch;
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
    // The version itself is saved; other devices find it when it arrives.
    Log::line(QStringLiteral("Could not write the cloud journal: %1").arg(error));
    return false;
}

// ---- Arrivals --------------------------------------------------------------------

void FolderCloudDatabase::readChanges()
{
    if (!makeSubfolders())
        return;
    readJournals();
    for (const QString& name : recordNames())
        readRecordChanges(name);
    watch();
}

// Each change another device's journal tells of is announced as it was
// made; the record as it reads now is known from then on, so that its
// versions arriving later are announced once more, and only then.
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
        noteLastWrite(device, *entries);
        qlonglong& seen = m_seenSequence[device];
        for (const QVariant& value : *entries) {
            const QVariantMap entry = value.toMap();
            const qlonglong sequence = entry.value(SequenceKey).toLongLong();
            if (sequence <= seen)
                continue;
            seen = sequence;
            const QString recordName = entry.value(RecordNameKey).toString();
            const int reason = entry.value(ReasonKey).toInt();
            if (!isValidRecordName(recordName) || reason < RecordCreated || reason > RecordDeleted)
                continue;
            CloudError error;
            if (const std::optional<View> view = viewOf(recordName, &error))
                m_knownTags.insert(recordName, view->tag);
            announce(entry.value(RecordTypeKey).toString(), recordName, reason);
        }
    }
}

void FolderCloudDatabase::scheduleRead(const QString& recordName)
{
    if (m_pendingReads.isEmpty())
        QTimer::singleShot(ReadDelayMilliseconds, this, &FolderCloudDatabase::readScheduled);
    m_pendingReads.insert(recordName);
}

void FolderCloudDatabase::readScheduled()
{
    const QSet<QString> pending = std::exchange(m_pendingReads, {});
    // The records folder itself changed: a record new here, a file of the
    // earlier layout or a conflict copy of one.
    if (pending.contains(AllRecordsRead))
        return readChanges();
    if (pending.contains(JournalsRead))
        readJournals();
    for (const QString& name : pending) {
        if (isValidRecordName(name))
            readRecordChanges(name);
    }
    watch();
}

void FolderCloudDatabase::readRecordChanges(const QString& recordName)
{
    CloudError error;
    const std::optional<View> view = tidiedViewOf(recordName, &error);
    if (!view)
        return;  // being replaced: its arrival brings us back
    const QString known = m_knownTags.value(recordName);
    if (view->tag == known)
        return;
    m_knownTags.insert(recordName, view->tag);
    if (view->record) {
        m_knownTypes.insert(recordName, view->record->recordType);
        announce(view->record->recordType, recordName, known.isEmpty() ? RecordCreated : RecordUpdated);
    } else if (m_knownTypes.contains(recordName)) {
        announce(m_knownTypes.value(recordName), recordName, RecordDeleted);
    }
}

// ---- Upkeep ----------------------------------------------------------------------

// A pass is when the upkeep of the folder is done.
std::optional<FolderCloudDatabase::View> FolderCloudDatabase::tidiedViewOf(const QString& recordName, CloudError* error)
{
    const std::optional<View> view = viewOf(recordName, error);
    // A record none of whose versions can be read has nothing else to tidy.
    const bool changed = view ? tidy(recordName, *view) : setAsideLongUnreadable(recordName, unreadableOf(recordName));
    return changed ? viewOf(recordName, error) : view;
}

QStringList FolderCloudDatabase::unreadableOf(const QString& recordName) const
{
    QStringList sources;
    for (auto it = m_unreadable.cbegin(); it != m_unreadable.cend(); ++it) {
        const QString& source = it.key();
        const QString conflicted = conflictCopyOriginal(source);
        const QString owner = source.contains(QLatin1Char('/'))
                                  ? source.section(QLatin1Char('/'), 0, 0)
                                  : recordNameOfFile(conflicted.isEmpty() ? source : conflicted);
        if (owner == recordName)
            sources.append(source);
    }
    sources.sort();
    return sources;
}

bool FolderCloudDatabase::tidy(const QString& recordName, const View& view)
{
    bool changed = setAsideLongUnreadable(recordName, view.unreadable);
    const auto needsOwnVersion
        = [this](const View& now) { return now.hasLeftovers() || !silentVersions(now, false).isEmpty(); };
    if (needsOwnVersion(view)) {
        takeOver(recordName, needsOwnVersion);
        return true;
    }
    if (!silentVersions(view, true).isEmpty()) {
        // Another device's version holds them already.
        QLockFile lock(lockPath());
        CloudError error;
        const std::optional<View> now = lock.tryLock(LockWaitMilliseconds) ? viewOf(recordName, &error) : std::nullopt;
        for (const Version& version : now ? silentVersions(*now, true) : QList<Version>()) {
            if (!QFile::remove(QDir(recordsFolder()).filePath(version.source)))
                Log::line(QStringLiteral("Could not remove the cloud file %1").arg(version.source));
        }
        changed = true;
    }
    return changed;
}

// Conflict copies, the earlier layout's file and the versions of silent
// devices become part of a version of this device, and go.
void FolderCloudDatabase::takeOver(const QString& recordName, const std::function<bool(const View&)>& stillNeeded)
{
    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return;
    CloudError error;
    const std::optional<View> view = viewOf(recordName, &error);
    if (!view || view->versions.isEmpty() || !stillNeeded(*view))
        return;
    const QString known = m_knownTags.value(recordName);
    if (view->record) {
        writeOwnVersion(recordName, *view->record, false, *view);
    } else {
        CloudRecord deletion;
        deletion.recordType = m_knownTypes.value(recordName, view->versions.constFirst().record.recordType);
        deletion.recordName = recordName;
        writeOwnVersion(recordName, deletion, true, *view);
    }
    // The record reads as before: what changed is still to be announced.
    m_knownTags.insert(recordName, known);
}

void FolderCloudDatabase::noteUnreadable(const QString& source) const
{
    const std::optional<FileStamp> stamp = FileStamp::of(QDir(recordsFolder()).filePath(source));
    const auto known = m_unreadable.constFind(source);
    // A file that changed since is given the time to arrive whole again.
    if (known == m_unreadable.cend() || known->stamp != stamp)
        m_unreadable.insert(source, {stamp, m_clock()});
}

// A version the sync service had ample time to finish is no longer on its
// way: kept in conflicts/ for the user, out of the records it would block.
bool FolderCloudDatabase::setAsideLongUnreadable(const QString& recordName, const QStringList& sources)
{
    bool setAside = false;
    const QDir records(recordsFolder());
    for (const QString& source : sources) {
        const auto unreadable = m_unreadable.constFind(source);
        if (unreadable == m_unreadable.cend() || unreadable->since.secsTo(m_clock()) < UnreadableGraceSeconds)
            continue;
        QLockFile lock(lockPath());
        if (!lock.tryLock(LockWaitMilliseconds))
            return setAside;
        CloudError error;
        if (FileStamp::of(records.filePath(source)) != unreadable->stamp || readVersion(source, recordName, &error)
            || !error.isError())
            continue;  // changed, or readable after all: read with the others
        const QString target = freeConflictPath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::rename(records.filePath(source), target)) {
            Log::line(QStringLiteral("Could not move the unreadable cloud file %1 to %2").arg(source, target));
            continue;
        }
        Log::line(
            QStringLiteral("The cloud file %1 stayed unreadable; moved to %3 (%2)").arg(source, error.message, target));
        m_unreadable.remove(source);
        // A record folder left empty goes too (rmdir keeps one that is not).
        if (source.contains(QLatin1Char('/')))
            records.rmdir(source.section(QLatin1Char('/'), 0, 0));
        setAside = true;
        emit unreadableCopySetAside(recordName, target);
    }
    return setAside;
}

// `source`'s place under conflicts/, under a name no file there has yet.
QString FolderCloudDatabase::freeConflictPath(const QString& source) const
{
    const QString wanted = QDir(conflictsFolder()).filePath(source);
    QString path = wanted;
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = wanted.chopped(Extension.size()) + QStringLiteral(" %1").arg(number) + Extension;
    return path;
}

// A device's version is silent when neither the device's journal nor the
// version itself tells of a write in the last SilentDeviceDays.
QList<FolderCloudDatabase::Version> FolderCloudDatabase::silentVersions(const View& view, bool held) const
{
    const QDateTime silentBefore = m_clock().addDays(-SilentDeviceDays);
    const auto isSilent = [&](const Version& version) {
        const QString device = deviceOfSource(version.source);
        if (version.leftover || device.isEmpty() || device == m_deviceID)
            return false;
        return std::max(m_lastWrites.value(device), version.record.modificationDate) < silentBefore;
    };
    QList<Version> silent;
    for (const Version& version : view.versions) {
        if (!isSilent(version))
            continue;
        const bool isHeld = std::any_of(view.versions.cbegin(), view.versions.cend(), [&](const Version& other) {
            return !other.leftover && !isSilent(other)
                   && other.madeFrom.value(version.source).toString() == version.record.changeTag;
        });
        if (isHeld == held)
            silent.append(version);
    }
    return silent;
}

QString FolderCloudDatabase::deviceOfSource(const QString& source)
{
    const QString file = source.section(QLatin1Char('/'), 1);
    if (!file.endsWith(Extension))
        return {};
    const QString device = file.chopped(Extension.size());
    return BWUIDMaker::isValidUID(device) ? device : QString();
}

void FolderCloudDatabase::noteLastWrite(const QString& device, const QVariantList& entries)
{
    QDateTime& last = m_lastWrites[device];
    for (const QVariant& entry : entries)
        last = std::max(last, entry.toMap().value(DateKey).toDateTime());
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
    // A sync service adds, replaces, renames and writes into files: the
    // journal folder and every other device's journal, the records folder
    // and every record's folder in it are watched.
    if (!QFileInfo(recordsFolder()).isDir() || !QFileInfo(journalFolder()).isDir())
        return;
    QStringList paths = {journalFolder(), recordsFolder()};
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        if (QFileInfo(file).completeBaseName() != m_deviceID)
            paths.append(journals.filePath(file));
    }
    const QDir records(recordsFolder());
    for (const QString& entry : records.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (isValidRecordName(entry))
            paths.append(records.filePath(entry));
    }
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList missing;
    for (const QString& path : paths) {
        if (!watched.contains(path))
            missing.append(path);
    }
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}
