#include "store/BWDatabaseMover.h"

#include <QDir>
#include <QFileInfo>

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

bool BWDatabaseMover::resetDatabaseFromStartLocation(const QString& customDataFolder) const
{
    const QString defaultFolder = m_env.defaultDataFolder;
    if (resolved(customDataFolder) == resolved(defaultFolder)) {
        Log::line(QStringLiteral("The data folder is already at the default place"));
        return false;
    }
    return relocate(defaultFolder, customDataFolder, true, true);
}

bool BWDatabaseMover::databaseExistsWithDataAtLocation(const QString& folder) const
{
    const bool exists =
        QFileInfo::exists(QDir(folder).filePath(DataFolderName + QStringLiteral("/billindex.plist")));
    Log::line(QStringLiteral("Orvane 5 Data Exists Already: %1").arg(exists ? 1 : 0));
    return exists;
}
