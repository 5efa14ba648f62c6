// The folder's files: where they are, listing them, reading the versions of
// a record and making the record of them.
#include "platform/FolderCloudWorker.h"

#include "platform/BWUIDMaker.h"
#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudFormat.h"
#include "platform/Log.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

using namespace FolderCloudFormat;

namespace {

// The name of a record file ("<name>.plist"), or "" for any other file.
QString recordNameOfFile(const QString& fileName)
{
    if (!fileName.endsWith(Extension))
        return {};
    const QString name = fileName.chopped(Extension.size());
    return FolderCloudDatabase::isValidRecordName(name) ? name : QString();
}

// What a conflict copy stands for, or the name itself.
QString originalOf(const QString& fileName)
{
    const QString original = FolderCloudDatabase::conflictCopyOriginal(fileName);
    return original.isEmpty() ? fileName : original;
}

}  // namespace

bool FolderCloudWorker::View::hasLeftovers() const
{
    return std::any_of(versions.cbegin(), versions.cend(), [](const Version& version) { return version.leftover; });
}

CloudRecord FolderCloudWorker::Version::record(const QString& recordName) const
{
    CloudRecord record;
    record.recordType = file.recordType;
    record.recordName = recordName;
    record.fields = fields.value_or(QVariantMap());
    record.modificationDate = file.modificationDate;
    record.changeTag = file.changeTag;
    return record;
}

// ---- Places ----------------------------------------------------------------------

bool FolderCloudWorker::makeSubfolders() const
{
    // The folder itself is the user's (or the sync service's) to make: one
    // that is missing may be a drive not mounted yet.
    if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
        return false;
    return QDir().mkpath(journalFolder()) && QDir().mkpath(recordsFolder());
}

CloudError FolderCloudWorker::unavailable() const
{
    return failure(CloudError::NetworkFailure, QStringLiteral("The cloud folder %1 is not available").arg(m_folder));
}

QString FolderCloudWorker::recordsFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("records"));
}

QString FolderCloudWorker::journalFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("journal"));
}

QString FolderCloudWorker::conflictsFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("conflicts"));
}

QString FolderCloudWorker::ownJournalPath() const
{
    return QDir(journalFolder()).filePath(m_deviceID + Extension);
}

QString FolderCloudWorker::ownVersionSource(const QString& recordName) const
{
    return recordName + QLatin1Char('/') + m_deviceID + Extension;
}

QString FolderCloudWorker::lockPath() const
{
    // Kept off the shared folder: the sync service would carry it to other
    // machines, which cannot tell whether its owner still runs and would wait
    // for it to go stale.
    const QByteArray folderKey
        = QCryptographicHash::hash(QFileInfo(m_folder).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("orvane-cloud-%1.lock").arg(QString::fromLatin1(folderKey)));
}

QString FolderCloudWorker::deviceOfSource(const QString& source)
{
    const QString file = source.section(QLatin1Char('/'), 1);
    if (!file.endsWith(Extension))
        return {};
    const QString device = file.chopped(Extension.size());
    return BWUIDMaker::isValidUID(device) ? device : QString();
}

bool FolderCloudWorker::removeOwnLeftover(const QString& folder, const QString& file) const
{
    // The temporary name is the file's with a dot and six letters or digits.
    static const QRegularExpression temporarySuffix(QStringLiteral(R"(^\.[A-Za-z0-9]{6}$)"));
    const QString own = m_deviceID + Extension;
    if (!file.startsWith(own) || !temporarySuffix.match(file.mid(own.size())).hasMatch())
        return false;
    const bool removed = QFile::remove(QDir(folder).filePath(file));
    Log::line(removed ? QStringLiteral("Removed %1 of %2, left by a cut-short write").arg(file, folder)
                      : QStringLiteral("Could not remove %1 of %2").arg(file, folder));
    return removed;
}

// ---- Listings --------------------------------------------------------------------

// The folder's entries, listed again only when its stamp moved or was too
// fresh to be trusted with the next change.
bool FolderCloudWorker::relist(const QString& path, Listing& cached, bool sinceSeen) const
{
    const std::optional<FileStamp> stamp = FileStamp::ofFolder(path);
    if (stamp && (cached.stamp == stamp || (sinceSeen && cached.seen == stamp)))
        return false;
    const QDir folder(path);
    cached.files = folder.entryList(QDir::Files);
    cached.folders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    cached.stamp = stamp && stamp->settled() ? stamp : std::nullopt;
    cached.seen = stamp;
    return true;
}

// The records folder's index, made again only when the folder was listed
// again: the sorted record names and, by record, the files of the earlier
// layout and their conflict copies. A pass asks for it once per record.
void FolderCloudWorker::relistRecords(bool sinceSeen)
{
    if (!relist(recordsFolder(), m_recordsListing, sinceSeen))
        return;
    ++s_recordsIndexings;
    m_leftoversByRecord.clear();
    for (const QString& file : std::as_const(m_recordsListing.files)) {
        const QString name = recordNameOfFile(originalOf(file));
        if (!name.isEmpty())
            m_leftoversByRecord[name].append(file);
    }
    QSet<QString> names(m_leftoversByRecord.keyBegin(), m_leftoversByRecord.keyEnd());
    for (const QString& folder : std::as_const(m_recordsListing.folders)) {
        if (FolderCloudDatabase::isValidRecordName(folder))
            names.insert(folder);
    }
    m_recordNames = QStringList(names.cbegin(), names.cend());
    m_recordNames.sort();
}

// Every record the folder holds, listed again unless its stamp stands.
QStringList FolderCloudWorker::recordNames()
{
    relistRecords(false);
    return m_recordNames;
}

// The files that hold versions of a record: each device's, the conflict
// copies of them, and the record file of the earlier layout with its
// conflict copies. Asked for every record of a pass, it lists the records
// folder again only when it changed since the pass listed it: a stamp too
// fresh to be trusted is listed again by the next pass's start.
QStringList FolderCloudWorker::versionSources(const QString& recordName)
{
    relistRecords(true);
    QStringList sources;
    Listing& cached = m_recordListings[recordName];
    relist(QDir(recordsFolder()).filePath(recordName), cached);
    const QString folder = QDir(recordsFolder()).filePath(recordName);
    for (const QString& file : std::as_const(cached.files)) {
        if (removeOwnLeftover(folder, file))
            continue;
        if (BWUIDMaker::isValidUID(recordNameOfFile(originalOf(file))))
            sources.append(recordName + QLatin1Char('/') + file);
    }
    sources += m_leftoversByRecord.value(recordName);
    sources.sort();
    return sources;
}

// ---- Versions --------------------------------------------------------------------

// A version as its file holds it now: what the file says is taken from the
// last reading while the file's stamp stands, unless its fields are wanted.
FolderCloudWorker::Version FolderCloudWorker::readVersion(const QString& source, const QString& recordName,
                                                          bool withFields)
{
    Version version;
    version.source = source;
    version.leftover
        = source != ownVersionSource(recordName)
          && (!source.contains(QLatin1Char('/'))
              || !FolderCloudDatabase::conflictCopyOriginal(source.section(QLatin1Char('/'), 1)).isEmpty());
    const QString path = QDir(recordsFolder()).filePath(source);
    const std::optional<FileStamp> before = FileStamp::of(path);
    const auto known = m_files.constFind(source);
    if (!withFields && before && known != m_files.cend() && known->stamp == before) {
        version.file = *known;
        return version;
    }
    const PropertyList::ReadResult read = PropertyList::read(path);
    const QVariantMap stored = read.value.toMap();
    VersionFile& file = version.file;
    file.stamp = read.status == PropertyList::Status::NotFound ? std::nullopt : before;
    file.readable = read.ok() && stored.value(RecordNameKey).toString() == recordName;
    if (!file.readable) {
        file.error = QStringLiteral("The record %1 could not be read: %2").arg(source, read.error);
    } else {
        file.recordType = stored.value(RecordTypeKey).toString();
        file.changeTag = stored.value(ChangeTagKey).toString();
        file.modificationDate = stored.value(ModificationDateKey).toDateTime();
        file.deleted = stored.value(DeletedKey).toBool();
        file.madeFrom = stored.value(MadeFromKey).toMap();
        version.fields = stored.value(FieldsKey).toMap();
        if (m_stampReader)
            file.latestStamp = m_stampReader(version.record(recordName));
        noteStamp(source, file.latestStamp);
    }
    // Kept only as the file stood all through the reading, with a stamp
    // the next change is bound to move.
    if (file.stamp && FileStamp::of(path) == before && before->settled())
        m_files.insert(source, file);
    else
        m_files.remove(source);
    return version;
}

// Only this device writes its versions, so one it did not write, or a sync
// service's conflict copy of one, is another computer's under the same id
// (a cloned disk), whose writes and this device's undo each other's.
void FolderCloudWorker::noteOwnVersion(const QString& recordName, const Version& version)
{
    const QString own = ownVersionSource(recordName);
    const bool conflictCopy
        = version.leftover && FolderCloudDatabase::conflictCopyOriginal(version.source.section(QLatin1Char('/'), 1))
                                  == m_deviceID + Extension;
    bool foreign = conflictCopy;
    if (version.source == own) {
        const auto known = m_ownTags.constFind(recordName);
        foreign = known != m_ownTags.cend() && *known != version.file.changeTag;
        if (known == m_ownTags.cend())
            m_ownTags.insert(recordName, version.file.changeTag);
    }
    if (!foreign || std::exchange(m_toldIDInUse, true))
        return;
    Log::line(QStringLiteral("Another computer writes %1 under this computer's id").arg(version.source));
    m_post([database = m_database] { emit database->deviceIDInUseElsewhere(); });
}

std::optional<FolderCloudWorker::View> FolderCloudWorker::viewOf(const QString& recordName, Depth depth,
                                                                 CloudError* error)
{
    // A version replaced while the record is made is made again with it.
    for (int attempt = 1;; ++attempt) {
        bool changedMeanwhile = false;
        std::optional<View> view = viewOnce(recordName, depth, error, &changedMeanwhile);
        if (!changedMeanwhile || attempt == 3)
            return view;
    }
}

std::optional<FolderCloudWorker::View> FolderCloudWorker::viewOnce(const QString& recordName, Depth depth,
                                                                   CloudError* error, bool* changedMeanwhile)
{
    View view;
    QStringList tags;
    CloudError readError;
    for (const QString& source : versionSources(recordName)) {
        Version version = readVersion(source, recordName, false);
        if (!version.file.stamp)
            continue;  // gone since the folder was listed
        if (!version.file.readable) {
            // Left out: perhaps being replaced by the sync service, whose
            // arrival brings us back.
            noteUnreadable(source, version.file.stamp);
            view.unreadable.append(source);
            readError = failure(CloudError::NetworkFailure, version.file.error);
            continue;
        }
        m_unreadable.remove(source);
        noteOwnVersion(recordName, version);
        tags.append(source + QLatin1Char('=') + version.file.changeTag);
        view.versions.append(std::move(version));
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
    QList<Version> edits;
    QDateTime newestDeletion, newestEdit;
    for (const Version& version : std::as_const(view.versions)) {
        const bool superseded = std::any_of(view.versions.cbegin(), view.versions.cend(), [&](const Version& other) {
            return other.file.madeFrom.value(version.source).toString() == version.file.changeTag;
        });
        if (superseded)
            continue;
        if (version.file.deleted) {
            newestDeletion = std::max(newestDeletion, version.file.modificationDate);
        } else {
            edits.append(version);
            newestEdit = std::max(newestEdit, version.file.modificationDate);
        }
    }
    // A deletion beats the versions older than it.
    view.exists = !edits.isEmpty() && !(newestDeletion.isValid() && newestDeletion >= newestEdit);
    if (!view.exists)
        return view;
    std::sort(edits.begin(), edits.end(), [](const Version& a, const Version& b) {
        if (a.file.modificationDate != b.file.modificationDate)
            return a.file.modificationDate < b.file.modificationDate;
        return a.source < b.source;
    });
    view.recordType = edits.constFirst().file.recordType;
    if (depth == Depth::Shallow)
        return view;
    for (Version& edit : edits) {
        const Version read = readVersion(edit.source, recordName, true);
        if (read.file.stamp != edit.file.stamp || read.file.changeTag != edit.file.changeTag || !read.fields) {
            *changedMeanwhile = true;
            return view;
        }
        edit.fields = read.fields;
    }
    CloudRecord record = mergedRecord(recordName, edits);
    record.changeTag = view.tag;
    view.record = record;
    return view;
}

// In one order on every device (by date, then by source), so that all
// merge alike.
CloudRecord FolderCloudWorker::mergedRecord(const QString& recordName, QList<Version> edits) const
{
    CloudRecord merged = edits.constFirst().record(recordName);
    for (qsizetype i = 1; i < edits.size(); ++i) {
        const CloudRecord next = edits.at(i).record(recordName);
        merged = m_merger ? m_merger(merged, next) : next;
        merged.modificationDate = std::max(merged.modificationDate, next.modificationDate);
    }
    merged.recordName = recordName;
    return merged;
}
