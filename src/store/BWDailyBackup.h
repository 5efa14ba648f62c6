#pragma once

#include <QObject>

#include <atomic>
#include <memory>

#include "platform/SerialWorker.h"
#include "store/BWBackupSteps.h"
#include "store/BWStoreEnvironment.h"

// The day's backup of the data folder (BWBillsLoader::backupDatabase()) with
// its slow parts on a worker thread: the copy of thousands of files and the
// removal of the previous backup. The bill store may be written meanwhile;
// the copy is of the files as they were listed when it started, each copied
// whole. Only the record of the new backup, in the settings, is made on the
// GUI thread.
class BWDailyBackup : public QObject
{
    Q_OBJECT

public:
    explicit BWDailyBackup(const BWStoreEnvironment& env, QObject* parent = nullptr);
    // A copy under way is stopped and its partial copy removed: the day then
    // counts as not backed up. One already whole is recorded.
    ~BWDailyBackup() override;

    // Starts the day's backup; false when there is nothing to start (made
    // today already, under way, or no data folder).
    bool start();
    bool isRunning() const { return m_running; }

signals:
    // The copy started by start() ended: recorded as the day's backup, or
    // not (it failed, or could not be recorded).
    void finished(bool backedUp);

private:
    // Records a whole copy and has the previous backup removed.
    void finishCopy(const BWBackupSteps::BackupPlan& plan, bool copied);

    BWStoreEnvironment m_env;
    bool m_running = false;
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    // Last, so that it goes first: it waits for the job under way.
    SerialWorker m_worker;
};
