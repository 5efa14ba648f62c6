#include "AgentWorkspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>

QStringList AgentWorkspace::runningPrograms()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    return names ? names->registeredServiceNames().value() : QStringList();
}

bool AgentWorkspace::openURL(const QUrl& url)
{
    // Detached, so that the program xdg-open starts outlives the agent.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()});
}

bool AgentWorkspace::announce(const QString& name)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.registerService(name);
}
