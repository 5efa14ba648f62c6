#include "store/BWBackupSteps.h"

#include <QDir>
#include <QFileInfo>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/FolderOps.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

using namespace BWDefaultsKeys;

BWBackupSteps::BWBackupSteps(const BWStoreEnvironment& env)
    : m_env(env)
    , m_loader(env)
{
}

std::optional<BWBackupSteps::BackupPlan> BWBackupSteps::planBackup() const
{
    Log::line(QStringLiteral("Starting Backup"));
    if (m_loader.normalizedDate(m_env.defaults->dateForKey(BWLastBackup))
        == m_loader.normalizedDate(m_env.clock->now())) {
        Log::line(QStringLiteral("Database already backed Up today"));
        return std::nullopt;
    }
    const QString dataFolder = m_loader.orvaneDirectory();
    if (dataFolder.isEmpty() || !QFileInfo(dataFolder).isDir()) {
        Log::line(QStringLiteral("No data folder to back up"));
        return std::nullopt;
    }
    const QString backupID = BWUIDMaker::makeUID();
    return BackupPlan{dataFolder, QDir(m_loader.orvaneBackupPath()).filePath(backupID), backupID};
}

// The files are listed first and then copied one by one: the store, which
// may write meanwhile, replaces each file whole, so each copy is whole.
bool BWBackupSteps::copyForBackup(const BackupPlan& plan, const std::atomic<bool>& stop)
{
    QString error;
    if (!FolderOps::copyEntriesWhole(plan.dataFolder, FolderOps::entriesOf(plan.dataFolder), plan.backupFolder, stop,
                                     &error)) {
        Log::line(QStringLiteral("Backup failed, the previous backup is kept: %1").arg(error));
        return false;
    }
    Log::line(QStringLiteral("Database backed up."));
    return true;
}

std::optional<QString> BWBackupSteps::recordBackup(const BackupPlan& plan) const
{
    UserDefaults& defaults = *m_env.defaults;
    const QString oldID = defaults.stringForKey(BWLastBackupUID);
    if (!defaults.setObject(BWLastBackup, m_env.clock->now()) || !defaults.setObject(BWLastBackupUID, plan.backupID)) {
        // The new copy is whole but not recorded; keep the recorded one too.
        Log::line(QStringLiteral("Could not record the backup %1").arg(plan.backupID));
        return std::nullopt;
    }
    // The backup root also holds the data folder: only a folder named by a
    // real id is ever removed here.
    if (BWUIDMaker::isValidUID(oldID) && oldID != plan.backupID)
        return QDir(QFileInfo(plan.backupFolder).absolutePath()).filePath(oldID);
    return QString();
}
