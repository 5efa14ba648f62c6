// The folder's upkeep, done as a pass reads each record: what a sync
// service or the earlier layout left is taken over, a version unreadable for
// too long is set aside, and the versions of silent devices are folded in.
#include "platform/FolderCloudWorker.h"

#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudFormat.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

using namespace FolderCloudFormat;

namespace {

constexpr int LockWaitMilliseconds = 5000;

}  // namespace

std::optional<FolderCloudWorker::View> FolderCloudWorker::tidiedViewOf(const QString& recordName, CloudError* error)
{
    const std::optional<View> view = viewOf(recordName, Depth::Shallow, error);
    // A record none of whose versions can be read has nothing else to tidy.
    const bool changed = view ? tidy(recordName, *view) : setAsideLongUnreadable(recordName, unreadableOf(recordName));
    return changed ? viewOf(recordName, Depth::Shallow, error) : view;
}

bool FolderCloudWorker::tidy(const QString& recordName, const View& view)
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
        const std::optional<View> now
            = lock.tryLock(LockWaitMilliseconds) ? viewOf(recordName, Depth::Shallow, &error) : std::nullopt;
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
void FolderCloudWorker::takeOver(const QString& recordName, const std::function<bool(const View&)>& stillNeeded)
{
    QLockFile lock(lockPath());
    if (!lock.tryLock(LockWaitMilliseconds))
        return;
    CloudError error;
    const std::optional<View> view = viewOf(recordName, Depth::WithRecord, &error);
    if (!view || view->versions.isEmpty() || !stillNeeded(*view))
        return;
    const QString known = m_knownTags.value(recordName);
    if (view->record) {
        writeOwnVersion(recordName, *view->record, false, *view);
    } else {
        CloudRecord deletion;
        deletion.recordType = m_knownTypes.value(recordName, view->versions.constFirst().file.recordType);
        deletion.recordName = recordName;
        writeOwnVersion(recordName, deletion, true, *view);
    }
    // The record reads as before: what changed is still to be announced.
    m_knownTags.insert(recordName, known);
}

void FolderCloudWorker::noteUnreadable(const QString& source, const std::optional<FileStamp>& stamp)
{
    const auto known = m_unreadable.constFind(source);
    // A file that changed since is given the time to arrive whole again.
    if (known == m_unreadable.cend() || known->stamp != stamp)
        m_unreadable.insert(source, {stamp, m_now});
}

QStringList FolderCloudWorker::unreadableOf(const QString& recordName) const
{
    QStringList sources;
    for (auto it = m_unreadable.cbegin(); it != m_unreadable.cend(); ++it) {
        const QString& source = it.key();
        const QString original = FolderCloudDatabase::conflictCopyOriginal(source);
        const QString file = original.isEmpty() ? source : original;
        const QString owner = source.contains(QLatin1Char('/')) ? source.section(QLatin1Char('/'), 0, 0)
                                                                : file.chopped(Extension.size());
        if (owner == recordName)
            sources.append(source);
    }
    sources.sort();
    return sources;
}

// A version the sync service had ample time to finish is no longer on its
// way: kept in conflicts/ for the user, out of the records it would block.
bool FolderCloudWorker::setAsideLongUnreadable(const QString& recordName, const QStringList& sources)
{
    bool setAside = false;
    const QDir records(recordsFolder());
    for (const QString& source : sources) {
        const auto unreadable = m_unreadable.constFind(source);
        if (unreadable == m_unreadable.cend()
            || unreadable->since.secsTo(m_now) < FolderCloudDatabase::UnreadableGraceSeconds)
            continue;
        QLockFile lock(lockPath());
        if (!lock.tryLock(LockWaitMilliseconds))
            return setAside;
        m_files.remove(source);
        const Version now = readVersion(source, recordName, false);
        if (now.file.stamp != unreadable->stamp || now.file.readable)
            continue;  // changed, or readable after all: read with the others
        const QString target = freeConflictPath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::rename(records.filePath(source), target)) {
            Log::line(QStringLiteral("Could not move the unreadable cloud file %1 to %2").arg(source, target));
            continue;
        }
        Log::line(QStringLiteral("The cloud file %1 stayed unreadable; moved to %2 (%3)")
                      .arg(source, target, now.file.error));
        m_unreadable.remove(source);
        // A record folder left empty goes too (rmdir keeps one that is not).
        if (source.contains(QLatin1Char('/')))
            records.rmdir(source.section(QLatin1Char('/'), 0, 0));
        setAside = true;
        m_post(
            [database = m_database, recordName, target] { emit database->unreadableCopySetAside(recordName, target); });
    }
    return setAside;
}

// `source`'s place under conflicts/, under a name no file there has yet.
QString FolderCloudWorker::freeConflictPath(const QString& source) const
{
    const QString wanted = QDir(conflictsFolder()).filePath(source);
    QString path = wanted;
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = wanted.chopped(Extension.size()) + QStringLiteral(" %1").arg(number) + Extension;
    return path;
}

// A device's version is silent when neither the device's journal nor the
// version itself tells of a write in the last SilentDeviceDays. Those that
// a version of a device still writing holds (`held`), or not.
QList<FolderCloudWorker::Version> FolderCloudWorker::silentVersions(const View& view, bool held) const
{
    const QDateTime silentBefore = m_now.addDays(-FolderCloudDatabase::SilentDeviceDays);
    const auto isSilent = [&](const Version& version) {
        const QString device = deviceOfSource(version.source);
        if (version.leftover || device.isEmpty() || device == m_deviceID)
            return false;
        return std::max(m_lastWrites.value(device), version.file.modificationDate) < silentBefore;
    };
    QList<Version> silent;
    for (const Version& version : view.versions) {
        if (!isSilent(version))
            continue;
        const bool isHeld = std::any_of(view.versions.cbegin(), view.versions.cend(), [&](const Version& other) {
            return !other.leftover && !isSilent(other)
                   && other.file.madeFrom.value(version.source).toString() == version.file.changeTag;
        });
        if (isHeld == held)
            silent.append(version);
    }
    return silent;
}
