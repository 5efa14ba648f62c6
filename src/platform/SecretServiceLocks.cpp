#include "platform/SecretServiceLocks.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QList>

#include <memory>

namespace {

const QString Service = QStringLiteral("org.freedesktop.secrets");
const QString ServicePath = QStringLiteral("/org/freedesktop/secrets");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusPendingCall getProperty(const QDBusConnection& bus, const QString& path, const QString& interface,
                             const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(Service, path, Properties, QStringLiteral("Get"));
    get << interface << name;
    return bus.asyncCall(get);
}

// Calls `take` with the reply once it came; the watcher goes with it.
void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> take)
{
    auto* watcher = new QDBusPendingCallWatcher(call);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [take = std::move(take)](QDBusPendingCallWatcher* answered) {
                         answered->deleteLater();
                         take(answered->reply());
                     });
}

QVariant propertyValue(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

bool serviceIsAbsent(const QDBusMessage& reply)
{
    const QDBusError error(reply);
    return error.type() == QDBusError::ServiceUnknown
           || error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

// Each collection is asked in turn; the first locked one, or one that does
// not answer, decides.
struct CollectionsAsked {
    QDBusConnection bus;
    QList<QDBusObjectPath> collections;
    std::function<void(SecretServiceLocks::Answer)> done;

    static void askNext(const std::shared_ptr<CollectionsAsked>& asked)
    {
        if (asked->collections.isEmpty())
            return asked->done(SecretServiceLocks::Answer::AllUnlocked);
        const QString path = asked->collections.takeFirst().path();
        whenAnswered(getProperty(asked->bus, path, QStringLiteral("org.freedesktop.Secret.Collection"),
                                 QStringLiteral("Locked")),
                     [asked](const QDBusMessage& reply) {
                         const QVariant locked = propertyValue(reply);
                         if (!locked.isValid())
                             return asked->done(SecretServiceLocks::Answer::Unknown);
                         if (locked.toBool())
                             return asked->done(SecretServiceLocks::Answer::SomeLocked);
                         askNext(asked);
                     });
    }
};

}  // namespace

void SecretServiceLocks::ask(const QDBusConnection& bus, std::function<void(Answer)> done)
{
    if (!bus.isConnected())
        return done(Answer::NoService);
    whenAnswered(getProperty(bus, ServicePath, QStringLiteral("org.freedesktop.Secret.Service"),
                             QStringLiteral("Collections")),
                 [bus, done = std::move(done)](const QDBusMessage& reply) {
                     if (serviceIsAbsent(reply))
                         return done(Answer::NoService);
                     const QVariant value = propertyValue(reply);
                     if (!value.canConvert<QDBusArgument>())
                         return done(Answer::Unknown);
                     auto asked = std::make_shared<CollectionsAsked>(
                         CollectionsAsked{bus, qdbus_cast<QList<QDBusObjectPath>>(value), done});
                     CollectionsAsked::askNext(asked);
                 });
}
