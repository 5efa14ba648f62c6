#include "CommReceptionist.h"

#include <QMetaMethod>
#include <QMetaProperty>

namespace {

QMetaMethod signalTakingOneString(const QMetaObject* type, const QString& name)
{
    for (int i = 0; i < type->methodCount(); ++i) {
        const QMetaMethod method = type->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() == name.toUtf8()
            && method.parameterCount() == 1 && method.parameterMetaType(0) == QMetaType::fromType<QString>())
            return method;
    }
    return {};
}

}  // namespace

CommReceptionist::CommReceptionist(const QString& observed, QObject* object, Task task)
    : mObservedObject(object), mObservedKeyPath(observed), mTaskBlock(std::move(task))
{
}

bool CommReceptionist::connectTo(const QMetaMethod& signal, const char* slotSignature)
{
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot(slotSignature));
    mObservedName = connect(mObservedObject, signal, this, slot);
    return bool(mObservedName);
}

std::unique_ptr<CommReceptionist> CommReceptionist::receptionistForKeyPath(const QString& keyPath,
                                                                           QObject* object, Task task)
{
    if (!object)
        return nullptr;
    const QMetaObject* type = object->metaObject();
    const QMetaProperty property = type->property(type->indexOfProperty(keyPath.toUtf8().constData()));
    if (!property.isValid() || !property.hasNotifySignal())
        return nullptr;
    std::unique_ptr<CommReceptionist> receptionist(new CommReceptionist(keyPath, object, std::move(task)));
    // The first change reports the value seen when the observation began as its old value.
    receptionist->mLastValue = property.read(object);
    if (!receptionist->connectTo(property.notifySignal(), "observedValueChanged()"))
        return nullptr;
    return receptionist;
}

void CommReceptionist::removeReceptionistForKeyPath()
{
    disconnect(mObservedName);
}

void CommReceptionist::observedValueChanged()
{
    if (!mObservedObject)
        return;
    const QVariant newValue = mObservedObject->property(mObservedKeyPath.toUtf8().constData());
    const QVariantMap change{{NewKey, newValue}, {OldKey, mLastValue}};
    mLastValue = newValue;
    mTaskBlock(mObservedKeyPath, mObservedObject, change);
}

std::unique_ptr<CommReceptionist> CommReceptionist::receptionistForName(const QString& name, QObject* centre,
                                                                        const QString& sender, Task task)
{
    if (!centre)
        return nullptr;
    const QMetaMethod signal = signalTakingOneString(centre->metaObject(), name);
    if (!signal.isValid())
        return nullptr;
    std::unique_ptr<CommReceptionist> receptionist(new CommReceptionist(name, centre, std::move(task)));
    receptionist->mSender = sender;
    if (!receptionist->connectTo(signal, "notificationPosted(QString)"))
        return nullptr;
    return receptionist;
}

void CommReceptionist::removeReceptionistForName()
{
    disconnect(mObservedName);
}

void CommReceptionist::notificationPosted(const QString& subject)
{
    if (mObservedObject && (mSender.isEmpty() || subject == mSender))
        mTaskBlock(mObservedKeyPath, mObservedObject, {{SubjectKey, subject}});
}
