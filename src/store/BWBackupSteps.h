#pragma once

#include <QString>
#include <atomic>
#include <optional>

#include "store/BWBillsLoader.h"
#include "store/BWStoreEnvironment.h"

// The daily backup (BWBillsLoader::backupDatabase()) in steps, for a copy on
// a worker thread (BWDailyBackup): what to copy where (nothing when today's
// backup is made or there is no data folder), the copy itself, which touches
// nothing but the folders, and the record of the new backup, which answers
// the previous one's folder for its removal ("" for none; nothing when it
// could not be recorded).
class BWBackupSteps
{
public:
    struct BackupPlan
    {
        QString dataFolder;
        QString backupFolder;
        QString backupID;
    };

    explicit BWBackupSteps(const BWStoreEnvironment& env);

    std::optional<BackupPlan> planBackup() const;
    static bool copyForBackup(const BackupPlan& plan, const std::atomic<bool>& stop);
    std::optional<QString> recordBackup(const BackupPlan& plan) const;

private:
    BWStoreEnvironment m_env;  // a copy: a few pointers and paths
    BWBillsLoader m_loader;    // where the data folder and the backups are
};
