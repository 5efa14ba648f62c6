#include "store/BWInterruptedCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/BWUIDMaker.h"
#include "platform/FolderOps.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

namespace {

const QString DataFolderName = QStringLiteral("Orvane.ovdata");

// The suffixes FolderOps gives the leftovers of its steps.
const QRegularExpression LeftoverName(QStringLiteral("^(.+)\\.(partial|replaced|removing)$"));

}  // namespace

BWInterruptedCopies::BWInterruptedCopies(const BWStoreEnvironment& env)
    : m_env(env)
{
}

BWInterruptedCopies::MoveInProgress::MoveInProgress(const BWStoreEnvironment& env, const QString& from,
                                                    const QString& to)
    : m_env(env)
{
    // Unrecorded, the move still runs; only its leftovers would wait for a
    // later move to the same place.
    if (!m_env.defaults->setObject(BWDefaultsKeys::BWUnfinishedDataFolderMove, QStringList{from, to}))
        Log::line(QStringLiteral("Could not record the move of %1 to %2").arg(from, to));
}

BWInterruptedCopies::MoveInProgress::~MoveInProgress()
{
    if (!m_env.defaults->removeObject(BWDefaultsKeys::BWUnfinishedDataFolderMove))
        Log::line(QStringLiteral("Could not clear the record of a finished move"));
}

// Only data-folder paths are taken from the record, so that a damaged
// setting can never have another folder's neighbours removed.
QStringList BWInterruptedCopies::foldersOfUnfinishedMove() const
{
    QStringList folders;
    for (const QVariant& entry : m_env.defaults->arrayForKey(BWDefaultsKeys::BWUnfinishedDataFolderMove)) {
        const QString path = entry.toString();
        const QFileInfo folder(path);
        if (folder.isAbsolute() && folder.fileName() == DataFolderName)
            folders.append(QDir::cleanPath(path));
    }
    return folders;
}

void BWInterruptedCopies::tidy() const
{
    QStringList places{m_env.defaultDataFolder};
    places += foldersOfUnfinishedMove();
    places += backupLeftovers();
    places.removeDuplicates();
    for (const QString& place : places)
        FolderOps::finishInterruptedWork(place);
    if (m_env.defaults->hasStoredValue(BWDefaultsKeys::BWUnfinishedDataFolderMove)
        && !m_env.defaults->removeObject(BWDefaultsKeys::BWUnfinishedDataFolderMove))
        Log::line(QStringLiteral("Could not clear the record of an interrupted move"));
}

// The backups whose copying or removal was cut short: the backup root's
// leftovers named by a backup id.
QStringList BWInterruptedCopies::backupLeftovers() const
{
    if (m_env.supportFolder.isEmpty())
        return {};
    const QDir root(m_env.supportFolder);
    QStringList backups;
    for (const QString& name : root.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch leftover = LeftoverName.match(name);
        if (leftover.hasMatch() && BWUIDMaker::isValidUID(leftover.captured(1)))
            backups.append(root.filePath(leftover.captured(1)));
    }
    return backups;
}
