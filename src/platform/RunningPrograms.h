#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// The programs running in the user's session, each known by the well-known
// name it owns on the session bus (its reverse-domain id). A bus connection's
// own unique name (":1.42") names no program and is passed over.
//
// Without a connected bus no program counts as running and nothing is
// announced.
class RunningPrograms : public QObject
{
    Q_OBJECT

public:
    explicit RunningPrograms(const QDBusConnection& bus, QObject* parent = nullptr);

    bool isRunning(const QString& name) const;

signals:
    void programLaunched(const QString& name);
    void programTerminated(const QString& name);

private slots:
    void nameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    QDBusConnection m_bus;
};
