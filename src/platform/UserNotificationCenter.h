#pragma once

#include <QDBusConnection>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <memory>

#include "platform/NotificationSchedule.h"
#include "platform/SerialWorker.h"

class Clock;
class QDBusPendingCallWatcher;

// One notification for the user, shown by the desktop's notification server.
struct UserNotification
{
    // The sound name that asks for the desktop's usual message sound.
    static const QString defaultSoundName;
    // The user-info key naming what a notification is about (a bill's id):
    // the schedule finds a bill's notifications by it.
    static const QString ownerKey;

    QString identifier;          // made by scheduling or delivery when empty
    QString title;
    QString informativeText;
    bool hasActionButton = false;
    QString actionButtonTitle;
    QVariantMap userInfo;        // property-list values only
    QString soundName;           // "" for none
    QDateTime deliveryDate;      // when a scheduled notification is shown
};

// Notifications over the desktop's org.freedesktop.Notifications service.
//
// Notification servers show a notification at once and cannot hold one back
// for later, so this centre keeps its own schedule: a property-list file that
// outlives the program. While the program runs, each scheduled notification
// is delivered when its time comes; one whose time passed while the program
// was closed is delivered soon after the next start. A delivered notification
// leaves the schedule for good, so it is never shown twice.
//
// The schedule in memory is the one that counts while the program runs; the
// file follows it on a worker thread, written whole after each change (a
// change that comes while a write waits joins that write). A schedule that
// cannot be saved holds for this run and is reported by scheduleNotSaved().
//
// Delivered notifications are those shown in this run that the server still
// holds. A click on one (its body or its action button) comes back as
// didActivateNotification with the notification's user info.
class UserNotificationCenter : public QObject
{
    Q_OBJECT

public:
    // The schedule file in the folder of the user's defaults.
    static QString schedulePath(const QString& defaultsFolder);

    // Reads the schedule at `schedulePath` (a missing or unreadable file
    // reads as an empty schedule) and, from the event loop, delivers what is
    // already due.
    UserNotificationCenter(const QString& schedulePath, const Clock& clock,
                           const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~UserNotificationCenter() override;

    QList<UserNotification> scheduledNotifications() const { return m_scheduled.notifications(); }
    QList<UserNotification> deliveredNotifications() const;

    // Adds the notification to the schedule (in place of one with the same
    // identifier).
    void scheduleNotification(const UserNotification& notification);
    // Takes the notification with the same identifier off the schedule.
    void removeScheduledNotification(const UserNotification& notification);
    // Takes the notifications of `owner` (see UserNotification::ownerKey) off
    // the schedule and adds `added` (those without an identifier get one):
    // a bill's reminders made again.
    void replaceNotificationsOf(const QString& owner, const QList<UserNotification>& added);
    // Puts `schedule` in the place of the whole schedule, with one write of
    // the file: for a schedule made anew. Those without an identifier get one.
    void replaceSchedule(QList<UserNotification> schedule);
    // Waits until the schedule file holds the schedule as it stands.
    void waitForWrites();

    // Shows the notification now.
    void deliverNotification(const UserNotification& notification);
    // Withdraws a delivered notification from the desktop.
    void removeDeliveredNotification(const UserNotification& notification);

    // Takes every scheduled notification whose delivery date has come off
    // the schedule and delivers it once the file no longer holds it (or
    // could not be written: it is delivered all the same).
    void deliverDueNotifications();

signals:
    void didActivateNotification(const QVariantMap& userInfo);
    // The schedule file could not be written; the schedule holds for this run.
    void scheduleNotSaved(const QString& error);

private slots:
    void actionInvoked(uint serverID, const QString& actionKey);
    void notificationClosed(uint serverID, uint reason);

private:
    // A notification shown in this run. The server's id arrives with the
    // answer to our request; a withdrawal asked for before then is carried
    // out when it arrives.
    struct Delivered {
        UserNotification notification;
        quint64 request = 0;   // tells apart two showings of one notification
        uint serverID = 0;     // 0 until the server answered
        bool withdrawn = false;
    };

    // The file's side of the schedule, shared with the writes on the worker.
    struct ScheduleFile;

    void loadSchedule();
    // Has the worker write the schedule once this turn of the event loop is
    // over.
    void saveSchedule();
    // Has the worker write the schedule as it stands now, when a write is
    // asked for.
    void postScheduleWrite();
    void armTimer();
    void notifyAnswered(QDBusPendingCallWatcher* watcher, quint64 request);
    void closeOnServer(uint serverID);
    qsizetype deliveredIndex(const QString& identifier) const;
    qsizetype deliveredIndexOfServerID(uint serverID) const;

    QString m_schedulePath;
    const Clock& m_clock;
    QDBusConnection m_bus;
    NotificationSchedule m_scheduled;
    QList<Delivered> m_delivered;
    quint64 m_lastRequest = 0;
    QTimer m_timer;
    std::shared_ptr<ScheduleFile> m_file;
    bool m_writeQueued = false;
    // Last, so that it goes first: the writes still queued finish while the
    // rest of the centre is there.
    SerialWorker m_writer;
};
