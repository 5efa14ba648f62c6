#include "store/BWBillsLoader.h"

#include <QDir>
#include <QFileInfo>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/FolderOps.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBackupSteps.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBill.h"

using namespace BWDefaultsKeys;

namespace {

const QString IndexFileName = QStringLiteral("billindex.plist");

}  // namespace

QString BWBillsLoader::orvaneBackupPath() const
{
    if (!QDir().mkpath(m_env.supportFolder))
        Log::line(QStringLiteral("Could not create the backup folder %1").arg(m_env.supportFolder));
    return m_env.supportFolder;
}

bool BWBillsLoader::backupDatabase() const
{
    const BWBackupSteps steps(m_env);
    const std::optional<BWBackupSteps::BackupPlan> plan = steps.planBackup();
    if (!plan)
        return normalizedDate(m_env.defaults->dateForKey(BWLastBackup)) == normalizedDate(now());
    const std::atomic<bool> neverStop{false};
    if (!BWBackupSteps::copyForBackup(*plan, neverStop))
        return false;
    const std::optional<QString> previous = steps.recordBackup(*plan);
    if (previous && !previous->isEmpty())
        FolderOps::removeFolder(*previous);
    return previous.has_value();
}

bool BWBillsLoader::restoreDatabase() const
{
    Log::line(QStringLiteral("Starting Restore..."));
    const QString backupID = m_env.defaults->stringForKey(BWLastBackupUID);
    const QString backupFolder = QDir(orvaneBackupPath()).filePath(backupID);
    Log::line(QStringLiteral("Backup Path: %1").arg(backupFolder));
    if (!BWUIDMaker::isValidUID(backupID) || !QFileInfo(QDir(backupFolder).filePath(IndexFileName)).isFile())
        return false;
    Log::line(QStringLiteral("BACKUP EXISTS"));
    Log::line(QStringLiteral("Trying to Restore"));

    const QString dataFolder = orvaneDirectory();
    if (dataFolder.isEmpty())
        return false;
    const BWBillIndex before(dataFolder);
    // The bills as they are now go with the folder the backup replaces; with
    // sync on, what the restore brings back is merged with them and stamped
    // after them, so that it stays and no payment made since is lost.
    QMap<QString, QVariantMap> recordsBefore;
    if (BWBill(m_env).anyCloudChannelIsOn())
        recordsBefore
            = BWBill(m_env).storedCopies(before.ids(IndexKeys::ActiveBills) + before.ids(IndexKeys::ArchivedBills)
                                         + before.ids(IndexKeys::DeletedBills));
    QString error;
    const bool restored = FolderOps::replaceFolderWithCopy(backupFolder, dataFolder, &error);
    if (!restored)
        Log::line(QStringLiteral("Error: %1").arg(error));
    // The restore stands; sync catching up with it is retried by the next pass.
    if (restored && !BWBill(m_env).handReplacedListsToChannels(before, recordsBefore))
        Log::line(QStringLiteral("The restored bills could not all be handed to sync"));
    return restored;
}

QString BWBillsLoader::lastBackedUpNaturalDate() const
{
    return createDueDateString(normalizedDate(m_env.defaults->dateForKey(BWLastBackup)));
}
