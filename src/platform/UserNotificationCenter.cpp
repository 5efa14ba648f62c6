#include "platform/UserNotificationCenter.h"

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <optional>
#include <utility>

const QString UserNotification::defaultSoundName = QStringLiteral("message-new-instant");
const QString UserNotification::ownerKey = QStringLiteral("Bid");

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kApplicationName = QStringLiteral("Orvane");
const QString kDesktopEntry = QStringLiteral(ORVANE_APP_ID);
const QString kScheduleFileName = QStringLiteral("ScheduledNotifications.plist");

// A click on the notification itself; servers show no button for it.
const QString kDefaultAction = QStringLiteral("default");
const QString kViewAction = QStringLiteral("view");

// NotificationClosed reasons: an expired notification may still wait in the
// server's message list, where the user can click it.
constexpr uint kClosedBecauseExpired = 1;

// The longest the timer waits before looking at the schedule again. Its
// monotonic clock stands still while the computer sleeps, and the wall clock
// may be set; a short wait keeps a reminder from coming hours late after
// either.
constexpr qint64 kLongestWaitMs = 60 * 1000;

namespace Keys {
const QString Identifier = QStringLiteral("Identifier");
const QString Title = QStringLiteral("Title");
const QString InformativeText = QStringLiteral("InformativeText");
const QString HasActionButton = QStringLiteral("HasActionButton");
const QString ActionButtonTitle = QStringLiteral("ActionButtonTitle");
const QString UserInfo = QStringLiteral("UserInfo");
const QString SoundName = QStringLiteral("SoundName");
const QString DeliveryDate = QStringLiteral("DeliveryDate");
}  // namespace Keys

QVariantMap toDictionary(const UserNotification& notification)
{
    return {
        {Keys::Identifier, notification.identifier},
        {Keys::Title, notification.title},
        {Keys::InformativeText, notification.informativeText},
        {Keys::HasActionButton, notification.hasActionButton},
        {Keys::ActionButtonTitle, notification.actionButtonTitle},
        {Keys::UserInfo, notification.userInfo},
        {Keys::SoundName, notification.soundName},
        {Keys::DeliveryDate, notification.deliveryDate.toUTC()},
    };
}

UserNotification fromDictionary(const QVariantMap& dictionary)
{
    UserNotification notification;
    notification.identifier = dictionary.value(Keys::Identifier).toString();
    notification.title = dictionary.value(Keys::Title).toString();
    notification.informativeText = dictionary.value(Keys::InformativeText).toString();
    notification.hasActionButton = dictionary.value(Keys::HasActionButton).toBool();
    notification.actionButtonTitle = dictionary.value(Keys::ActionButtonTitle).toString();
    notification.userInfo = dictionary.value(Keys::UserInfo).toMap();
    notification.soundName = dictionary.value(Keys::SoundName).toString();
    notification.deliveryDate = dictionary.value(Keys::DeliveryDate).toDateTime();
    return notification;
}

QStringList actionsOf(const UserNotification& notification)
{
    QStringList actions{kDefaultAction, QString()};
    if (notification.hasActionButton)
        actions << kViewAction << notification.actionButtonTitle;
    return actions;
}

QVariantMap hintsOf(const UserNotification& notification)
{
    QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopEntry}};
    if (!notification.soundName.isEmpty())
        hints.insert(QStringLiteral("sound-name"), notification.soundName);
    return hints;
}

}  // namespace

// The latest schedule handed to the worker and how far the file has come:
// each write takes the latest schedule, so a write that finds a later one
// already written has nothing left to do.
struct UserNotificationCenter::ScheduleFile
{
    QString path;
    QMutex mutex;
    NotificationSchedule::Entries latest;
    quint64 latestVersion = 0;
    quint64 writtenVersion = 0;

    // On the worker. The error of a failed write; nothing when the file
    // holds the latest schedule.
    std::optional<QString> writeLatest()
    {
        QMutexLocker lock(&mutex);
        if (writtenVersion == latestVersion)
            return std::nullopt;
        // Taken, not shared: the GUI thread's next change of its schedule
        // then needn't copy thousands of notifications first.
        const NotificationSchedule::Entries schedule = std::exchange(latest, {});
        writtenVersion = latestVersion;
        lock.unlock();
        QVariantList entries;
        entries.reserve(schedule.size());
        for (const UserNotification& notification : schedule)
            entries.append(toDictionary(notification));
        QString error;
        if (PropertyList::write(path, entries, &error))
            return std::nullopt;
        Log::line(QStringLiteral("Could not save the scheduled notifications: %1").arg(error));
        return error;
    }
};

QString UserNotificationCenter::schedulePath(const QString& defaultsFolder)
{
    return defaultsFolder + QLatin1Char('/') + kScheduleFileName;
}

UserNotificationCenter::UserNotificationCenter(const QString& schedulePath, const Clock& clock,
                                               const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_schedulePath(schedulePath)
    , m_clock(clock)
    , m_bus(bus)
    , m_file(std::make_shared<ScheduleFile>())
{
    m_file->path = schedulePath;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UserNotificationCenter::deliverDueNotifications);
    loadSchedule();
    armTimer();
}

UserNotificationCenter::~UserNotificationCenter()
{
    postScheduleWrite();
}

QList<UserNotification> UserNotificationCenter::deliveredNotifications() const
{
    QList<UserNotification> shown;
    for (const Delivered& delivered : m_delivered) {
        if (!delivered.withdrawn)
            shown.append(delivered.notification);
    }
    return shown;
}

void UserNotificationCenter::scheduleNotification(const UserNotification& notification)
{
    UserNotification scheduled = notification;
    if (scheduled.identifier.isEmpty())
        scheduled.identifier = BWUIDMaker::makeUID();
    m_scheduled.add(scheduled);
    armTimer();
    saveSchedule();
}

void UserNotificationCenter::removeScheduledNotification(const UserNotification& notification)
{
    if (!m_scheduled.remove(notification.identifier))
        return;
    armTimer();
    saveSchedule();
}

void UserNotificationCenter::replaceNotificationsOf(const QString& owner, const QList<UserNotification>& added)
{
    m_scheduled.removeOwner(owner);
    for (UserNotification notification : added) {
        if (notification.identifier.isEmpty())
            notification.identifier = BWUIDMaker::makeUID();
        m_scheduled.add(notification);
    }
    armTimer();
    saveSchedule();
}

void UserNotificationCenter::replaceSchedule(QList<UserNotification> schedule)
{
    auto old = std::make_shared<NotificationSchedule>(std::exchange(m_scheduled, NotificationSchedule()));
    for (UserNotification& notification : schedule) {
        if (notification.identifier.isEmpty())
            notification.identifier = BWUIDMaker::makeUID();
        m_scheduled.add(notification);
    }
    armTimer();
    saveSchedule();
    // Thousands of notifications go on the worker.
    m_writer.post([old = std::move(old)] {});
}

void UserNotificationCenter::waitForWrites()
{
    postScheduleWrite();
    m_writer.waitForDone();
}

void UserNotificationCenter::deliverNotification(const UserNotification& notification)
{
    Delivered delivered{notification};
    if (delivered.notification.identifier.isEmpty())
        delivered.notification.identifier = BWUIDMaker::makeUID();
    removeDeliveredNotification(delivered.notification);
    if (!m_bus.isConnected()) {
        Log::line(QStringLiteral("Could not show a notification: no session bus"));
        return;
    }
    const quint64 request = ++m_lastRequest;
    delivered.request = request;
    m_delivered.append(delivered);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << kApplicationName << uint(0) << QString() << notification.title << notification.informativeText
         << actionsOf(notification) << hintsOf(notification) << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request](QDBusPendingCallWatcher* answered) { notifyAnswered(answered, request); });
}

void UserNotificationCenter::removeDeliveredNotification(const UserNotification& notification)
{
    const qsizetype index = deliveredIndex(notification.identifier);
    if (index < 0)
        return;
    if (m_delivered[index].serverID == 0) {
        m_delivered[index].withdrawn = true;
        return;
    }
    closeOnServer(m_delivered[index].serverID);
    m_delivered.removeAt(index);
}

void UserNotificationCenter::deliverDueNotifications()
{
    const QList<UserNotification> due = m_scheduled.takeDue(m_clock.now());
    armTimer();
    if (due.isEmpty())
        return;
    saveSchedule();
    postScheduleWrite();
    // Shown once the file no longer holds them: a crash in between loses
    // one reminder rather than showing it at every start.
    m_writer.post([this, due] {
        QMetaObject::invokeMethod(this, [this, due] {
            for (const UserNotification& notification : due)
                deliverNotification(notification);
        });
    });
}

void UserNotificationCenter::actionInvoked(uint serverID, const QString& actionKey)
{
    const qsizetype index = deliveredIndexOfServerID(serverID);
    if (index < 0)
        return;
    Log::line(QStringLiteral("Notification clicked (%1)").arg(actionKey));
    emit didActivateNotification(m_delivered[index].notification.userInfo);
}

void UserNotificationCenter::notificationClosed(uint serverID, uint reason)
{
    if (reason == kClosedBecauseExpired)
        return;
    const qsizetype index = deliveredIndexOfServerID(serverID);
    if (index >= 0)
        m_delivered.removeAt(index);
}

void UserNotificationCenter::loadSchedule()
{
    const PropertyList::ReadResult read = PropertyList::read(m_schedulePath);
    if (read.status == PropertyList::Status::NotFound)
        return;
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantList) {
        Log::line(QStringLiteral("Scheduled notifications unreadable, starting without: %1").arg(read.error));
        return;
    }
    for (const QVariant& entry : read.value.toList()) {
        const UserNotification notification = fromDictionary(entry.toMap());
        if (notification.identifier.isEmpty() || !notification.deliveryDate.isValid()) {
            Log::line(QStringLiteral("Dropping a scheduled notification without id or date"));
            continue;
        }
        m_scheduled.add(notification);
    }
}

void UserNotificationCenter::saveSchedule()
{
    // The changes of one turn of the event loop (a payment takes a bill's
    // notification off and puts its next one on) are one write, started once
    // the GUI thread is through with the rest, whose own writes then don't
    // wait behind this one.
    if (std::exchange(m_writeQueued, true))
        return;
    QMetaObject::invokeMethod(this, &UserNotificationCenter::postScheduleWrite, Qt::QueuedConnection);
}

void UserNotificationCenter::postScheduleWrite()
{
    if (!std::exchange(m_writeQueued, false))
        return;
    {
        const QMutexLocker lock(&m_file->mutex);
        m_file->latest = m_scheduled.entries();
        ++m_file->latestVersion;
    }
    m_writer.post([this, file = m_file] {
        if (const std::optional<QString> error = file->writeLatest())
            QMetaObject::invokeMethod(this, [this, error] { emit scheduleNotSaved(*error); });
    });
}

void UserNotificationCenter::armTimer()
{
    const std::optional<QDateTime> earliest = m_scheduled.earliestDelivery();
    if (!earliest) {
        m_timer.stop();
        return;
    }
    const qint64 wait = std::clamp(m_clock.now().msecsTo(*earliest), qint64(0), kLongestWaitMs);
    m_timer.start(int(wait));
}

void UserNotificationCenter::notifyAnswered(QDBusPendingCallWatcher* watcher, quint64 request)
{
    watcher->deleteLater();
    const auto index = std::find_if(m_delivered.begin(), m_delivered.end(),
                                    [request](const Delivered& d) { return d.request == request; });
    if (index == m_delivered.end())
        return;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        Log::line(QStringLiteral("Could not show a notification: %1").arg(reply.error().message()));
        m_delivered.erase(index);
        return;
    }
    index->serverID = reply.value();
    if (index->withdrawn) {
        closeOnServer(index->serverID);
        m_delivered.erase(index);
    }
}

void UserNotificationCenter::closeOnServer(uint serverID)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CloseNotification"));
    call << serverID;
    m_bus.asyncCall(call);
}

qsizetype UserNotificationCenter::deliveredIndex(const QString& identifier) const
{
    for (qsizetype i = 0; i < m_delivered.size(); ++i) {
        if (!m_delivered[i].withdrawn && m_delivered[i].notification.identifier == identifier)
            return i;
    }
    return -1;
}

qsizetype UserNotificationCenter::deliveredIndexOfServerID(uint serverID) const
{
    if (serverID == 0)
        return -1;
    for (qsizetype i = 0; i < m_delivered.size(); ++i) {
        if (!m_delivered[i].withdrawn && m_delivered[i].serverID == serverID)
            return i;
    }
    return -1;
}
