#include "store/BWDataFolder.h"

#include <QDir>
#include <QFileInfo>

#include "platform/FolderOps.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

namespace {

const QString kDataFolderName = QStringLiteral("Orvane.ovdata");

}  // namespace

BWDataFolder::BWDataFolder(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QString BWDataFolder::path() const
{
    if (!m_env.foundDataFolder.isEmpty())
        return m_env.foundDataFolder;
    UserDefaults& defaults = *m_env.defaults;
    if (!defaults.boolForKey(BWDefaultsKeys::BWCustomLocationEnabled)) {
        // Before the folder is created: a restore or move cut short may have
        // set the real one aside.
        FolderOps::finishInterruptedWork(m_env.defaultDataFolder);
        if (!QDir().mkpath(m_env.defaultDataFolder))
            Log::line(QStringLiteral("Could not create the data folder %1").arg(m_env.defaultDataFolder));
        return m_env.defaultDataFolder;
    }

    const QString cached = defaults.stringForKey(BWDefaultsKeys::BWCusomLocationTempPath);
    if (!cached.isEmpty())
        return cached;

    Log::line(QStringLiteral("Resolving Bookmark"));
    const QString chosen = chosenFolder();
    if (chosen.isEmpty())
        return QString();
    const QString dataFolder = dataFolderInChosenFolder(chosen);
    FolderOps::finishInterruptedWork(dataFolder);
    defaults.setObject(BWDefaultsKeys::BWCusomLocationTempPath, dataFolder);
    return dataFolder;
}

QString BWDataFolder::resolveAfresh() const
{
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWCustomLocationEnabled)
        && !m_env.defaults->setObject(BWDefaultsKeys::BWCusomLocationTempPath, QString()))
        Log::line(QStringLiteral("Could not forget the cached data-folder path"));
    return path();
}

QString BWDataFolder::chosenLocation() const
{
    if (!m_env.defaults->boolForKey(BWDefaultsKeys::BWCustomLocationEnabled))
        return QString();
    Log::line(QStringLiteral("Resolving Bookmark"));
    const QString chosen = chosenFolder();
    Log::line(QStringLiteral("Final URL: %1").arg(chosen));
    return chosen;
}

// The chosen folder is kept as its path (UTF-8 data, or a string). Like a
// bookmark of a folder that was removed, a path that no longer names an
// existing folder resolves to nothing.
QString BWDataFolder::chosenFolder() const
{
    const QString path = chosenLocationAsStored();
    const QFileInfo folder(path);
    if (path.isEmpty() || !folder.isAbsolute() || !folder.isDir()) {
        Log::line(QStringLiteral("The chosen data-folder location \"%1\" does not resolve").arg(path));
        return QString();
    }
    return QDir::cleanPath(folder.absoluteFilePath());
}

QString BWDataFolder::chosenLocationAsStored() const
{
    if (!m_env.defaults->boolForKey(BWDefaultsKeys::BWCustomLocationEnabled))
        return QString();
    const QVariant bookmark = m_env.defaults->objectForKey(BWDefaultsKeys::BWCustomLocationBookmark);
    return bookmark.typeId() == QMetaType::QByteArray ? QString::fromUtf8(bookmark.toByteArray()) : bookmark.toString();
}

QString BWDataFolder::dataFolderInChosenFolder(const QString& chosen) const
{
    const QDir folder(chosen);
    if (m_env.defaults->boolForKey(BWDefaultsKeys::BWDropboxSyncEnabled))
        return folder.filePath(QStringLiteral("Apps/Orvane/") + kDataFolderName);
    if (QFileInfo(chosen).fileName() == kDataFolderName)
        return chosen;
    return folder.filePath(kDataFolderName);
}
