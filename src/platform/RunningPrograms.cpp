#include "RunningPrograms.h"

#include <QDBusConnectionInterface>

namespace {

bool isProgramName(const QString& busName)
{
    return !busName.isEmpty() && !busName.startsWith(u':');
}

}  // namespace

RunningPrograms::RunningPrograms(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus)
{
    // The bus's own signal, received directly: the connection interface's
    // serviceRegistered/serviceUnregistered only tell of this connection's
    // names, and its serviceOwnerChanged repeats itself once for every object
    // that ever listened to it.
    if (m_bus.isConnected())
        m_bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                      SLOT(nameOwnerChanged(QString, QString, QString)));
}

bool RunningPrograms::isRunning(const QString& name) const
{
    QDBusConnectionInterface* names = m_bus.isConnected() ? m_bus.interface() : nullptr;
    return names && isProgramName(name) && names->isServiceRegistered(name).value();
}

void RunningPrograms::nameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner)
{
    if (!isProgramName(name))
        return;
    if (oldOwner.isEmpty() && !newOwner.isEmpty())
        emit programLaunched(name);
    else if (newOwner.isEmpty() && !oldOwner.isEmpty())
        emit programTerminated(name);
}
