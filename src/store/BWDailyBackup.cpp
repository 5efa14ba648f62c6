#include "store/BWDailyBackup.h"

#include "platform/FolderOps.h"

#include <QCoreApplication>

BWDailyBackup::BWDailyBackup(const BWStoreEnvironment& env, QObject* parent)
    : QObject(parent)
    , m_env(env)
{
}

BWDailyBackup::~BWDailyBackup()
{
    *m_stop = true;
    m_worker.waitForDone();
    // A copy that was whole before it could be stopped is recorded still:
    // left unrecorded, its folder would never be removed.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

bool BWDailyBackup::start()
{
    if (m_running)
        return false;
    const std::optional<BWBackupSteps::BackupPlan> plan = BWBackupSteps(m_env).planBackup();
    if (!plan)
        return false;
    m_running = true;
    m_worker.post([this, plan = *plan, stop = m_stop] {
        const bool copied = BWBackupSteps::copyForBackup(plan, *stop);
        QMetaObject::invokeMethod(this, [this, plan, copied] { finishCopy(plan, copied); });
    });
    return true;
}

void BWDailyBackup::finishCopy(const BWBackupSteps::BackupPlan& plan, bool copied)
{
    m_running = false;
    const std::optional<QString> previous = copied ? BWBackupSteps(m_env).recordBackup(plan) : std::nullopt;
    if (previous && !previous->isEmpty())
        m_worker.post([folder = *previous] { FolderOps::removeFolder(folder); });
    // Nobody is told while the backup goes with the program.
    if (!*m_stop)
        emit finished(previous.has_value());
}
