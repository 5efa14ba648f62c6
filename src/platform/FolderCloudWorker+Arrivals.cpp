// What other devices changed: their journals, the records as they read now,
// and the watch on the folder that brings both in as they arrive.
#include "platform/FolderCloudWorker.h"

#include "platform/BWUIDMaker.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

using namespace FolderCloudFormat;

namespace {

// File events come in bursts (a sync service writes a temporary file and
// renames it); the records they touch are read once the burst is over.
constexpr int ReadDelayMilliseconds = 20;

}  // namespace

void FolderCloudWorker::readChanges(const QDateTime& now)
{
    m_now = now;
    if (!makeSubfolders())
        return;
    readJournals();
    for (const QString& name : recordNames()) {
        if (m_stopping)
            return;
        readRecordChanges(name);
    }
    watch();
}

void FolderCloudWorker::readPending(const QSet<QString>& pending, const QDateTime& now)
{
    // The records folder itself changed: a record new here, a file of the
    // earlier layout or a conflict copy of one.
    if (pending.contains(AllRecordsRead))
        return readChanges(now);
    m_now = now;
    // A device writes its version before the journal entry that tells of
    // it: the journals are read first, whose entries say what changed.
    readJournals();
    for (const QString& name : pending) {
        if (FolderCloudDatabase::isValidRecordName(name))
            readRecordChanges(name);
    }
    watch();
}

// Each change another device's journal tells of is announced as it was
// made; the record as it reads now is known from then on, so that its
// versions arriving later are announced once more, and only then.
void FolderCloudWorker::readJournals()
{
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        const QString device = QFileInfo(file).completeBaseName();
        if (device == m_deviceID || !BWUIDMaker::isValidUID(device))
            continue;
        const QString path = journals.filePath(file);
        const std::optional<FileStamp> stamp = FileStamp::of(path);
        if (stamp && m_journalStamps.value(device) == *stamp)
            continue;  // read already as it stands
        const std::optional<QVariantList> entries = journalEntries(path);
        if (!entries)
            continue;  // being replaced; its next change brings us back
        if (stamp && stamp->settled() && FileStamp::of(path) == stamp)
            m_journalStamps.insert(device, *stamp);
        qlonglong& seen = m_seenSequence[device];
        for (const QVariant& value : *entries) {
            const QVariantMap entry = value.toMap();
            const qlonglong sequence = entry.value(SequenceKey).toLongLong();
            if (sequence <= seen)
                continue;
            seen = sequence;
            const QString recordName = entry.value(RecordNameKey).toString();
            const int reason = entry.value(ReasonKey).toInt();
            if (!FolderCloudDatabase::isValidRecordName(recordName) || reason < CloudDatabase::RecordCreated
                || reason > CloudDatabase::RecordDeleted)
                continue;
            CloudError error;
            if (const std::optional<View> view = viewOf(recordName, Depth::Shallow, &error))
                m_knownTags.insert(recordName, view->tag);
            // Told already when the record was read before its entry came.
            const QString changeTag = entry.value(ChangeTagKey).toString();
            QSet<QString>& announced = m_announcedVersions[recordName];
            if (!changeTag.isEmpty() && announced.contains(changeTag))
                continue;
            announced.insert(changeTag);
            announce(entry.value(RecordTypeKey).toString(), recordName, reason);
        }
    }
}

// A record that reads differently from what was known is announced; its
// versions' journal entries, should they come later, are not.
void FolderCloudWorker::readRecordChanges(const QString& recordName)
{
    CloudError error;
    const std::optional<View> view = tidiedViewOf(recordName, &error);
    if (!view)
        return;  // being replaced: its arrival brings us back
    const QString known = m_knownTags.value(recordName);
    if (view->tag == known)
        return;
    m_knownTags.insert(recordName, view->tag);
    QSet<QString>& announced = m_announcedVersions[recordName];
    announced.clear();
    for (const Version& version : view->versions)
        announced.insert(version.file.changeTag);
    if (view->exists) {
        m_knownTypes.insert(recordName, view->recordType);
        announce(view->recordType, recordName,
                 known.isEmpty() ? CloudDatabase::RecordCreated : CloudDatabase::RecordUpdated);
    } else if (m_knownTypes.contains(recordName)) {
        announce(m_knownTypes.value(recordName), recordName, CloudDatabase::RecordDeleted);
    }
}

void FolderCloudWorker::announce(const QString& recordType, const QString& recordName, int reason)
{
    for (const Subscription& subscription : std::as_const(m_subscriptions)) {
        if (subscription.recordType == recordType
            && subscription.reasons.contains(CloudDatabase::ChangeReason(reason))) {
            m_post([database = m_database, recordType, recordName, reason] {
                emit database->recordChanged(recordType, recordName, reason);
            });
        }
    }
}

void FolderCloudWorker::scheduleRead(const QString& recordName)
{
    m_readsPending = true;
    if (m_pendingReads.isEmpty())
        m_readTimer->start(ReadDelayMilliseconds);
    m_pendingReads.insert(recordName);
}

void FolderCloudWorker::watch()
{
    // A sync service adds, replaces, renames and writes into files: the
    // journal folder and every other device's journal, the records folder
    // and every record's folder in it are watched.
    if (!m_watcher || !QFileInfo(recordsFolder()).isDir() || !QFileInfo(journalFolder()).isDir())
        return;
    QStringList paths = {journalFolder(), recordsFolder()};
    const QDir journals(journalFolder());
    for (const QString& file : journals.entryList({QLatin1Char('*') + Extension}, QDir::Files)) {
        if (QFileInfo(file).completeBaseName() != m_deviceID)
            paths.append(journals.filePath(file));
    }
    const QDir records(recordsFolder());
    recordNames();
    for (const QString& entry : std::as_const(m_recordsListing.folders)) {
        if (FolderCloudDatabase::isValidRecordName(entry))
            paths.append(records.filePath(entry));
    }
    const QStringList files = m_watcher->files(), folders = m_watcher->directories();
    QSet<QString> watched(files.cbegin(), files.cend());
    watched.unite(QSet<QString>(folders.cbegin(), folders.cend()));
    QStringList missing;
    for (const QString& path : std::as_const(paths)) {
        if (!watched.contains(path))
            missing.append(path);
    }
    if (!missing.isEmpty())
        m_watcher->addPaths(missing);
}
