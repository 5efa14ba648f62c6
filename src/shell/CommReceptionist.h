#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>

// One observation that runs a task each time something happens, in one of two
// forms:
//  - key-value: a property of an object (one with a NOTIFY signal) changed;
//    the task gets the property name, the object and {new, old}.
//  - notification: a notification centre (any object) emitted the named
//    signal, whose one QString argument names the subject; the task gets the
//    signal name, the centre and {subject}.
// The observation ends with the matching remove call or when the receptionist
// goes away. Tasks run at once, on the thread that emitted (the GUI thread).
class CommReceptionist : public QObject
{
    Q_OBJECT

public:
    using Task = std::function<void(const QString& name, QObject* object, const QVariantMap& change)>;

    static inline const QString NewKey = QStringLiteral("new");
    static inline const QString OldKey = QStringLiteral("old");
    static inline const QString SubjectKey = QStringLiteral("subject");

    // Nullptr when the object has no such property or it announces no changes.
    // No caller in the program; follows the property's notify signal.
    static std::unique_ptr<CommReceptionist> receptionistForKeyPath(const QString& keyPath,
                                                                    QObject* object, Task task);
    // No caller in the program; disconnects what receptionistForKeyPath() connected.
    void removeReceptionistForKeyPath();

    // `sender` limits the task to notifications about that subject; empty
    // means any. Nullptr when the centre has no signal of that name taking
    // one QString.
    static std::unique_ptr<CommReceptionist> receptionistForName(const QString& name, QObject* centre,
                                                                 const QString& sender, Task task);
    void removeReceptionistForName();

private slots:
    void observedValueChanged();
    void notificationPosted(const QString& subject);

private:
    CommReceptionist(const QString& observed, QObject* object, Task task);
    bool connectTo(const QMetaMethod& signal, const char* slotSignature);

    QPointer<QObject> mObservedObject;
    // The token of the registration, kept so that it can be undone.
    QMetaObject::Connection mObservedName;
    QString mObservedKeyPath;
    Task mTaskBlock;
    QVariant mLastValue;
    QString mSender;
};
