#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// One running Orvane per session. The running program owns its name on the
// session bus (the launcher agent looks for exactly that name) and answers a
// method that shows its main window. A second start finds the name taken,
// asks the owner to show its window, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.Bramwick.Orvane")

public:
    static inline const QString ProgramName = QStringLiteral("com.Bramwick.Orvane");
    static inline const QString ObjectPath = QStringLiteral("/com/Bramwick/Orvane");

    enum class Claim {
        Owned,             // this process is the one instance
        AskedOtherToShow,  // another instance runs and was asked to show its window
        OtherDidNotAnswer, // the name is taken, but its owner did not answer
        NoBus,             // no session bus: nothing can tell instances apart
    };

    // `name` is the bus name to own; tests pass one of their own.
    explicit SingleInstance(const QDBusConnection& bus, const QString& name = ProgramName,
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Tries to own the name; when another process owns it, asks that one to
    // show its window. Called once, at start.
    Claim claim();

public slots:
    // The method a second start calls on the bus.
    Q_SCRIPTABLE void showWindow();

signals:
    // Another start of the program asked for the main window.
    void showRequested();

private:
    bool askOwnerToShow();

    QDBusConnection m_bus;
    QString m_name;
    bool m_owned = false;
};
