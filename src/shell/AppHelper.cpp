#include "AppHelper.h"

#include "store/BWDefaultsKeys.h"
#include "platform/LoginItem.h"
#include "platform/Log.h"
#include "platform/RunningPrograms.h"
#include "platform/UserDefaults.h"

AppHelper::AppHelper(LoginItem& loginItems, RunningPrograms& programs)
    : m_loginItems(loginItems), m_programs(programs)
{
}

bool AppHelper::toggleBundleIDAsLoginItem(const QString& bundleID, bool state)
{
    return m_loginItems.setEnabled(bundleID, state);
}

bool AppHelper::enableAppIDasLoginItem(const QString& bundleID)
{
    return toggleBundleIDAsLoginItem(bundleID, true);
}

bool AppHelper::disableAppIDasLoginItem(const QString& bundleID)
{
    return toggleBundleIDAsLoginItem(bundleID, false);
}

bool AppHelper::restartLoginItemWithAppID(const QString& bundleID)
{
    return disableAppIDasLoginItem(bundleID) && enableAppIDasLoginItem(bundleID);
}

bool AppHelper::bundleIDExistsAsLoginItem(const QString& bundleID) const
{
    for (const LoginItem::Job& job : m_loginItems.jobs()) {
        if (job.label == bundleID)
            return job.onDemand;
    }
    return false;
}

bool AppHelper::isAppIDRunning(const QString& bundleID) const
{
    return m_programs.isRunning(bundleID);
}

std::unique_ptr<CommReceptionist> AppHelper::observePrograms(const char* signalName, ProgramTask task)
{
    return CommReceptionist::receptionistForName(
        QString::fromLatin1(signalName), &m_programs, QString(),
        [task = std::move(task)](const QString&, QObject*, const QVariantMap& change) {
            task(change.value(CommReceptionist::SubjectKey).toString());
        });
}

std::unique_ptr<CommReceptionist> AppHelper::observeAppsTermination(ProgramTask task)
{
    return observePrograms("programTerminated", std::move(task));
}

std::unique_ptr<CommReceptionist> AppHelper::observeAppsLaunching(ProgramTask task)
{
    return observePrograms("programLaunched", std::move(task));
}

bool AppHelper::setupLoginItem(const QString& bundleID)
{
    if (isAppIDRunning(bundleID)) {
        Log::line(QStringLiteral("%1 is running; login item left as it is").arg(bundleID));
        return true;
    }
    // A stale entry (for instance one naming an older build of the agent) is
    // taken away first so that the new one is written from scratch.
    if (bundleIDExistsAsLoginItem(bundleID))
        disableAppIDasLoginItem(bundleID);
    return enableAppIDasLoginItem(bundleID);
}

bool AppHelper::setLaunchAtLogin(const UserDefaults& defaults)
{
    if (defaults.boolForKey(BWDefaultsKeys::EnableStartAtLoginMenu))
        return setupLoginItem(AgentBundleID);
    return disableAppIDasLoginItem(AgentBundleID);
}
