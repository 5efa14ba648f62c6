// The folder's upkeep, done as a pass reads each record: what a sync
// service or the earlier layout left is taken over, a version unreadable for
// too long is set aside, and the versions of silent devices are folded in.
#include "platform/FolderCloudWorker.h"

#include "platform/FolderCloudDatabase.h"
#include "platform/FolderCloudFormat.h"
#include "platform/HybridLogicalClock.h"
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
    const bool setAside = setAsideLongUnreadable(recordName, view.unreadable);
    if (versionsToFold(view).isEmpty())
        return setAside;
    QLockFile lock(lockPath());
    CloudError error;
    const std::optional<View> now
        = lock.tryLock(LockWaitMilliseconds) ? viewOf(recordName, Depth::WithRecord, &error) : std::nullopt;
    const QList<Version> goners = now ? versionsToFold(*now) : QList<Version>();
    if (goners.isEmpty())
        return setAside;
    QList<Version> staying;
    for (const Version& version : now->versions) {
        if (std::none_of(goners.cbegin(), goners.cend(), [&](const Version& g) { return g.source == version.source; }))
            staying.append(version);
    }
    // Held by the versions that stay, they only go; else this device's
    // version takes them in first, unless it was made from them already
    // (and so cannot hold more of them than it does).
    if (removeHeld(recordName, goners, staying) < goners.size()) {
        const View after = viewOf(recordName, Depth::WithRecord, &error).value_or(View());
        const Version* own = nullptr;
        for (const Version& version : after.versions)
            own = version.source == ownVersionSource(recordName) ? &version : own;
        const QList<Version> left = versionsToFold(after);
        if (!after.versions.isEmpty() && std::any_of(left.cbegin(), left.cend(), [&](const Version& goner) {
                return !own || own->file.madeFrom.value(goner.source).toString() != goner.file.changeTag;
            }))
            takeOver(recordName, after);
    }
    return true;
}

// Conflict copies, the earlier layout's file and the versions of silent
// devices become part of a version of this device, which removes those it
// then holds.
void FolderCloudWorker::takeOver(const QString& recordName, const View& view)
{
    const QString known = m_knownTags.value(recordName);
    if (view.record) {
        writeOwnVersion(recordName, *view.record, false, view);
    } else {
        CloudRecord deletion;
        deletion.recordType = m_knownTypes.value(recordName, view.versions.constFirst().file.recordType);
        deletion.recordName = recordName;
        writeOwnVersion(recordName, deletion, true, view);
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

void FolderCloudWorker::setVersionTests(CloudDatabase::StampReader latestStamp, CloudDatabase::HoldsTest holds)
{
    m_stampReader = std::move(latestStamp);
    m_holds = std::move(holds);
}

void FolderCloudWorker::noteStamp(const QString& source, const QString& stamp)
{
    // A stamp far ahead tells of a clock, not of time.
    if (stamp.isEmpty() || HybridLogicalClock::isFarAhead(stamp, m_now))
        return;
    m_newestStamp = std::max(m_newestStamp, stamp);
    const QString device = deviceOfSource(source);
    if (!device.isEmpty())
        m_newestStampOf[device] = std::max(m_newestStampOf.value(device), stamp);
}

// A device is silent when its versions carry no stamp of the last
// SilentDeviceDays, by this computer's clock but never past the newest stamp
// of any version: a clock far ahead makes no one silent by itself. A device
// whose versions carry no stamps is never silent.
QList<FolderCloudWorker::Version> FolderCloudWorker::silentVersions(const View& view) const
{
    QList<Version> silent;
    if (m_newestStamp.isEmpty())
        return silent;
    const QDateTime silentBefore
        = std::min(m_now, HybridLogicalClock::wallTimeOf(m_newestStamp)).addDays(-FolderCloudDatabase::SilentDeviceDays);
    for (const Version& version : view.versions) {
        const QString device = deviceOfSource(version.source);
        const QString newest = m_newestStampOf.value(device);
        if (!version.leftover && !device.isEmpty() && device != m_deviceID && !newest.isEmpty()
            && HybridLogicalClock::wallTimeOf(newest) < silentBefore)
            silent.append(version);
    }
    return silent;
}

// What a version of this device takes in and removes: leftovers and the
// versions of silent devices.
QList<FolderCloudWorker::Version> FolderCloudWorker::versionsToFold(const View& view) const
{
    QList<Version> goners = silentVersions(view);
    for (const Version& version : view.versions) {
        if (version.leftover)
            goners.append(version);
    }
    return goners;
}

// Whether `holder` holds all `held` does: by the stamps of their fields. A
// deletion carries no stamps: only the version made from it holds it.
bool FolderCloudWorker::holds(const QString& recordName, const Version& holder, const Version& held) const
{
    if (holder.source == held.source || !holder.fields || !held.fields)
        return false;
    if (held.file.deleted || holder.file.deleted)
        return holder.file.madeFrom.value(held.source).toString() == held.file.changeTag;
    const CloudRecord holderRecord = holder.record(recordName), heldRecord = held.record(recordName);
    if (m_holds)
        return m_holds(holderRecord, heldRecord);
    // Without a test of its own: merging it in changes nothing.
    const CloudRecord merged = m_merger ? m_merger(heldRecord, holderRecord) : heldRecord;
    return PropertyList::sameValue(merged.fields, holderRecord.fields);
}

// Removes each of `goners` that one of `holders` holds, if its file is still
// the one read: a version written meanwhile stays. The number removed.
int FolderCloudWorker::removeHeld(const QString& recordName, const QList<Version>& goners, QList<Version> holders)
{
    for (Version& holder : holders)
        holder = readVersion(holder.source, recordName, true);
    int removed = 0;
    const QDir records(recordsFolder());
    for (const Version& goner : goners) {
        const Version read = readVersion(goner.source, recordName, true);
        if (!read.file.stamp || read.file.changeTag != goner.file.changeTag
            || std::none_of(holders.cbegin(), holders.cend(), [&](const Version& h) { return holds(recordName, h, read); }))
            continue;
        const QString path = records.filePath(goner.source);
        if (FileStamp::of(path) != read.file.stamp) {
            Log::line(QStringLiteral("The cloud file %1 changed as it was to go; kept").arg(goner.source));
            continue;
        }
        if (!QFile::remove(path)) {
            Log::line(QStringLiteral("Could not remove the cloud file %1").arg(goner.source));
            continue;
        }
        m_files.remove(goner.source);
        ++removed;
    }
    return removed;
}
