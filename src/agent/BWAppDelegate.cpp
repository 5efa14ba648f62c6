#include "BWAppDelegate.h"

#include <algorithm>

BWAppDelegate::BWAppDelegate(Workspace workspace)
    : m_workspace(std::move(workspace))
{
}

void BWAppDelegate::applicationDidFinishLaunching()
{
    showOrvane();
}

bool BWAppDelegate::isOrvaneRunning() const
{
    const QStringList running = m_workspace.runningPrograms();
    return std::any_of(running.cbegin(), running.cend(),
                       [](const QString& name) { return name == MainProgramName; });
}

void BWAppDelegate::showOrvane()
{
    // A failed open is not retried: the agent runs once per login, and
    // Orvane then simply is not started.
    if (!isOrvaneRunning())
        m_workspace.openURL(QUrl(LaunchURL));
    m_workspace.terminate();
}
