#include "store/BWDatabaseMover.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/FolderOps.h"
#include "platform/Log.h"
#include "store/BWInterruptedCopies.h"

namespace {

const QString DataFolderName = QStringLiteral("Orvane.ovdata");

// The absolute, link-free form of a path, also for one that does not exist.
QString resolved(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((parent.isEmpty() ? info.absolutePath() : parent) + u'/' + info.fileName());
}

// True when `inner` is `outer` or lies inside it.
bool isWithin(const QString& inner, const QString& outer)
{
    const QString innerPath = resolved(inner);
    const QString outerPath = resolved(outer);
    return innerPath == outerPath || innerPath.startsWith(outerPath + u'/');
}

}  // namespace

BWDatabaseMover::BWDatabaseMover(const BWStoreEnvironment& env, Adoption adopt)
    : m_env(env), m_adopt(std::move(adopt))
{
}

QString BWDatabaseMover::dataFolderIn(const QString& folder)
{
    if (QFileInfo(folder).fileName() == DataFolderName)
        return QDir::cleanPath(folder);
    Log::line(QStringLiteral("Adding Orvane..."));
    return QDir(folder).filePath(DataFolderName);
}

bool BWDatabaseMover::moveDatabaseToNewLocation(const QString& targetFolder, const QString& currentDataFolder,
                                                bool overwrite) const
{
    return relocate(dataFolderIn(targetFolder), currentDataFolder, overwrite, true);
}

bool BWDatabaseMover::copyDatabaseToNewLocation(const QString& targetFolder, const QString& currentDataFolder,
                                                bool overwrite) const
{
    return relocate(dataFolderIn(targetFolder), currentDataFolder, overwrite, false);
}

bool BWDatabaseMover::relocate(const QString& target, const QString& currentDataFolder, bool overwrite,
                               bool removeOld) const
{
    if (currentDataFolder.isEmpty() || !QFileInfo(currentDataFolder).isDir()) {
        Log::line(QStringLiteral("There is no data folder at %1 to move").arg(currentDataFolder));
        return false;
    }
    // Replacing the data folder itself, or a folder around it, would destroy
    // the very data being moved.
    if (isWithin(currentDataFolder, target) || isWithin(target, currentDataFolder)) {
        Log::line(QStringLiteral("Refusing to move %1 onto %2").arg(currentDataFolder, target));
        return false;
    }
    const bool targetExists = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    if (targetExists && !overwrite) {
        Log::line(QStringLiteral("%1 already exists").arg(target));
        return false;
    }
    const BWInterruptedCopies::MoveInProgress inProgress(m_env, currentDataFolder, target);
    QString error;
    if (!FolderOps::replaceFolderWithCopy(currentDataFolder, target, &error)) {
        Log::line(error);
        return false;
    }
    if (m_adopt && !m_adopt(target)) {
        Log::line(QStringLiteral("The new data folder %1 could not be taken into use").arg(target));
        if (!targetExists)
            FolderOps::removeFolder(target);
        return false;
    }
    if (removeOld && !FolderOps::removeFolderWhole(currentDataFolder))
        Log::line(QStringLiteral("Moved the data folder but could not remove all of %1").arg(currentDataFolder));
    return true;
}

bool BWDatabaseMover::loadDatabaseFromAnotherLocation(const QString& folder) const
{
    return QFileInfo::exists(dataFolderIn(folder));
}

bool BWDatabaseMover::resetDatabaseFromStartLocation(const QString& customDataFolder, QString* keptAside) const
{
    const QString defaultFolder = m_env.defaultDataFolder;
    if (resolved(customDataFolder) == resolved(defaultFolder)) {
        Log::line(QStringLiteral("The data folder is already at the default place"));
        return false;
    }
    const std::optional<QString> aside = keepDefaultPlaceAside();
    if (!aside)
        return false;
    if (!relocate(defaultFolder, customDataFolder, false, true)) {
        if (aside->isEmpty())
            return false;
        if (FolderOps::moveFolder(QDir(*aside).filePath(DataFolderName), defaultFolder))
            QDir().rmdir(*aside);
        else
            Log::line(QStringLiteral("The data kept aside stays in %1").arg(*aside));
        return false;
    }
    if (keptAside)
        *keptAside = *aside;
    return true;
}

// A crash after this step leaves the data in use where it was and the
// default place's data in the folder beside it: nothing is lost either way.
std::optional<QString> BWDatabaseMover::keepDefaultPlaceAside() const
{
    const QString defaultFolder = m_env.defaultDataFolder;
    if (!QFileInfo::exists(defaultFolder) && !QFileInfo(defaultFolder).isSymLink())
        return QString();
    const QDir parent = QFileInfo(defaultFolder).dir();
    const QString stamp = (m_env.clock ? m_env.clock->now() : QDateTime::currentDateTime())
                              .toLocalTime()
                              .toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString aside = parent.filePath(QStringLiteral("Kept aside %1").arg(stamp));
    for (int count = 2; QFileInfo::exists(aside); ++count)
        aside = parent.filePath(QStringLiteral("Kept aside %1 (%2)").arg(stamp).arg(count));
    QString error;
    if (!QDir().mkpath(aside) || !FolderOps::moveFolder(defaultFolder, QDir(aside).filePath(DataFolderName), &error)) {
        Log::line(QStringLiteral("Could not keep %1 aside: %2").arg(defaultFolder, error));
        QDir().rmdir(aside);
        return std::nullopt;
    }
    Log::line(QStringLiteral("Kept the data at the default place aside in %1").arg(aside));
    return aside;
}

bool BWDatabaseMover::defaultPlaceHoldsBills() const
{
    const QStringList files = QDir(m_env.defaultDataFolder).entryList({QStringLiteral("*.plist")}, QDir::Files);
    return std::any_of(files.cbegin(), files.cend(),
                       [](const QString& name) { return BWUIDMaker::isValidUID(QFileInfo(name).completeBaseName()); });
}

bool BWDatabaseMover::databaseExistsWithDataAtLocation(const QString& folder) const
{
    const bool exists =
        QFileInfo::exists(QDir(folder).filePath(DataFolderName + QStringLiteral("/billindex.plist")));
    Log::line(QStringLiteral("Orvane 5 Data Exists Already: %1").arg(exists ? 1 : 0));
    return exists;
}
