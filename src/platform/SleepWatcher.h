#pragma once

#include <QDBusConnection>
#include <QObject>

// Tells when the computer is about to sleep and when it has woken up, from
// logind's PrepareForSleep signal on the system bus (true before sleeping,
// false after waking). Without a connected bus nothing is ever announced, so
// whoever listens simply keeps running as if the computer never slept.
class SleepWatcher : public QObject
{
    Q_OBJECT

public:
    static inline const QString LogindService = QStringLiteral("org.freedesktop.login1");

    // `bus` is the system bus in the program; tests hand in a bus of their own
    // on which another connection plays logind.
    explicit SleepWatcher(const QDBusConnection& bus, QObject* parent = nullptr);

    // Whether the signal is being listened to.
    bool isWatching() const { return m_watching; }

signals:
    void willSleep();
    void didWake();

private slots:
    void prepareForSleep(bool sleeping);

private:
    QDBusConnection m_bus;
    bool m_watching = false;
};
