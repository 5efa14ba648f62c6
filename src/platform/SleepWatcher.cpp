#include "SleepWatcher.h"

#include "Log.h"

SleepWatcher::SleepWatcher(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus)
{
    // Only logind's own connection may send this signal: naming the sender
    // keeps any other program on the bus from faking a sleep.
    m_watching = m_bus.isConnected()
                 && m_bus.connect(LogindService, QStringLiteral("/org/freedesktop/login1"),
                                  QStringLiteral("org.freedesktop.login1.Manager"),
                                  QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    if (!m_watching)
        Log::line(QStringLiteral("Sleep and wake are not watched: no connection to logind's PrepareForSleep signal"));
}

void SleepWatcher::prepareForSleep(bool sleeping)
{
    if (sleeping)
        emit willSleep();
    else
        emit didWake();
}
