#pragma once

#include "platform/CalendarStore.h"
#include "platform/SerialWorker.h"
#include "store/BWReminderScheduling.h"
#include "store/BWStoreEnvironment.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class UserNotificationCenter;
struct UserNotification;

// Turns a bill's reminder settings into what reminds the user: a scheduled
// desktop notification and, when the user asks for it, an all-day event with
// an alarm in a calendar of the program's own (see BWReminderMaker).
//
// Both kinds carry the bill's id and are found again by it alone, so two bills
// of one name keep each other's reminders and a renamed bill leaves none
// behind. Making a bill's reminders first removes the ones it has.
//
// The notification schedule changes at once, in memory (the centre writes
// its file on a worker). The calendar files are read and written on a worker
// of the manager's own, in the order the changes were asked for; changes
// that come while others wait are written together, each file once. A
// renewal of every bill's reminders reads the bills on that worker too, and
// hands the notifications back to the GUI thread; a bill written meanwhile
// keeps the reminders its write made.
//
// The manager reads every setting afresh at each call; one instance serves
// the whole run, and its destruction finishes what is under way: the
// calendar writes, and a renewal's notifications.
class BWReminderManager : public QObject, public BWReminderScheduling
{
    Q_OBJECT

public:
    // Hands out the application delegate's calendar store of the moment; null
    // while calendar access was not requested in this run.
    using EventStoreSource = std::function<std::shared_ptr<CalendarStore>()>;

    // `env` gives the defaults, the clock and the due-date texts; without
    // `notifications` the desktop has no notifications and none are made.
    BWReminderManager(const BWStoreEnvironment& env, EventStoreSource eventStore, UserNotificationCenter* notifications,
                      QObject* parent = nullptr);
    ~BWReminderManager() override;

    // Removes the bill's notifications and calendar events, found by its id;
    // the name is not needed for that.
    void removeRemindersForBill(const QString& billID, const QString& billName) override;
    // Replaces the bill's reminders by ones made from the record: the
    // calendar event when shouldAddEvents(), the notification when
    // shouldAddNotifications(). A record without a valid id or due date gets
    // none.
    void createOrvaneReminderForBill(const QVariantMap& record) override;
    // Puts nothing off: reminders are not snoozed.
    void snoozeReminderForBill(const QVariantMap&, const QDateTime&, int) override {}

    // Makes the reminders of every listed item again from its stored date
    // and the reminder settings of the moment, and removes those of bills no
    // longer listed: for when a setting moved the days bills are shown due or
    // changed how reminders are made, the data folder was replaced, or a sync
    // brought bills. The one way every bill's reminders are made again.
    // Writes no bill, the schedule once and each calendar file once. A
    // notification whose moment has passed is not made again unless the
    // bill's one had not been shown yet. Returns at once; remindersRenewed()
    // tells when it is done.
    void renewRemindersOfListedItems();

    // Whether every change asked for so far is made and its calendar files
    // written.
    bool isIdle() const { return m_jobsUnderWay == 0; }
    // Blocks until it is, the renewed notifications handed to the schedule:
    // at the end of the run, and for tests, which look at the files.
    void waitUntilIdle();

    // The moment the reminders of a record go off (BWReminderMaker).
    // No caller in the program; the rule of BWReminderMaker::alarmDate().
    QDateTime calculateAlarmDateWithBill(const QVariantMap& record) const;
    // The record's due date as the screens show it (BWReminderMaker).
    QDateTime shownDueDate(const QVariantMap& record) const;
    // Midnight at the start of the date's local day.
    QDateTime normalizedDate(const QDateTime& date) const;

    // The first of `calendars` titled `title`, otherwise a new calendar of
    // that title; nothing without a store, without access, or when it cannot
    // be made.
    std::optional<CalendarStore::Calendar> createCalendar(const QString& title,
                                                          const QList<CalendarStore::Calendar>& calendars);
    // The first calendar of the store titled `title`.
    // No caller in the program; CalendarStore::calendarWithTitle().
    std::optional<CalendarStore::Calendar> findCalendarWithName(const QString& title) const;

    // The defaults switch BWReminderEvents.
    bool shouldAddEvents() const;
    // True where the desktop has notifications and BWEnableNotificationCenter is on.
    bool shouldAddNotifications() const;
    // Reminders as tasks and as e-mails are not made from here.
    bool shouldAddTasks() const { return false; }
    bool shouldAddEmails() const { return false; }
    // Nothing to register: notifications need no permission on the desktop.
    // No caller in the program; nothing to do.
    void registerForNotifications() {}
    // Tasks are never made, so there are none to remove.
    // No caller in the program; nothing to do.
    void removeExistingTasksFromCalendar(const CalendarStore::Calendar&, const QString&) {}

    // The title of the calendar that receives the events: set explicitly, or
    // else BWReminderCalendarName ("Orvane" when that is empty).
    QString orvaneCalendar() const;
    void setOrvaneCalendar(const QString& title) { m_orvaneCalendar = title; }
    QString reminderCalendar() const { return m_reminderCalendar; }
    // No caller in the program; tasks are never made (shouldAddTasks()).
    void setReminderCalendar(const QString& title) { m_reminderCalendar = title; }

    // The file of the calendar that receives the events; "" while there is
    // none in the store of the moment (or no store).
    QString reminderCalendarFile() const;

    // "Pay " and the bill's name.
    static QString reminderTitle(const QString& billName);

signals:
    // A renewal of every listed item's reminders is done.
    void remindersRenewed();

private:
    // Calendar changes of single bills waiting for the worker.
    struct CalendarBatch;
    // What one renewal started from, and what it made.
    struct Renewal;

    // Puts the given reminders (none: nothing) in the place of the bill's.
    void replaceRemindersOfBill(const QString& billID, const std::optional<UserNotification>& notification,
                                const std::optional<CalendarStore::Event>& event);
    void changeCalendarsOfBill(const std::shared_ptr<CalendarStore>& store, const QString& billID,
                               const std::optional<CalendarStore::Event>& event);
    static QString billIDOf(const UserNotification& notification);
    // Withdraws the bills' notifications shown on the desktop.
    void withdrawDeliveredNotifications(const std::function<bool(const QString& billID)>& ofBill);
    // The renewal's notifications, where no bill's own write came since.
    void takeRenewedNotifications(Renewal& renewal);
    // Runs `job` on the worker, then `done` on the GUI thread.
    void runOnWorker(std::function<void()> job, std::function<void()> done);
    // Hands the jobs asked for so far to the worker, in order.
    void postQueuedJobs();
    std::shared_ptr<CalendarStore> accessibleStore() const;

    BWStoreEnvironment m_env;
    EventStoreSource m_eventStore;
    UserNotificationCenter* m_notifications;
    QString m_orvaneCalendar;
    QString m_reminderCalendar = QStringLiteral("Reminders");
    // The batch later changes join, until the worker takes it or a renewal
    // is asked for (changes after a renewal are written after it).
    std::shared_ptr<CalendarBatch> m_openBatch;
    struct QueuedJob
    {
        std::function<void()> job;
        std::function<void()> done;
    };
    QList<QueuedJob> m_queuedJobs;
    int m_jobsUnderWay = 0;
    int m_renewalsUnderWay = 0;
    // Bills' own changes, counted; while a renewal is under way, the count
    // at each bill's latest change.
    quint64 m_changes = 0;
    QHash<QString, quint64> m_changedAt;
    // Last, so that it goes first: the jobs still queued finish while the
    // rest of the manager is there.
    SerialWorker m_worker;
};
