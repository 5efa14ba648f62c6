#pragma once

#include "platform/CalendarStore.h"
#include "store/BWReminderScheduling.h"
#include "store/BWStoreEnvironment.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class UserNotificationCenter;

// Turns a bill's reminder settings into what reminds the user: a scheduled
// desktop notification and, when the user asks for it, an all-day event with
// an alarm in a calendar of the program's own.
//
// Both kinds carry the bill's id and are found again by it alone, so two bills
// of one name keep each other's reminders and a renamed bill leaves none
// behind. Making a bill's reminders first removes the ones it has. Both fall
// on the day the bill is shown due, never on the stored date a weekend,
// holiday or vacation moved it from.
//
// The manager reads every setting afresh at each call, so one instance may
// serve the whole run.
class BWReminderManager : public BWReminderScheduling
{
public:
    // Hands out the application delegate's calendar store of the moment; null
    // while calendar access was not requested in this run.
    using EventStoreSource = std::function<std::shared_ptr<CalendarStore>()>;

    // `env` gives the defaults, the clock and the due-date texts; without
    // `notifications` the desktop has no notifications and none are made.
    BWReminderManager(const BWStoreEnvironment& env, EventStoreSource eventStore,
                      UserNotificationCenter* notifications);

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

    // Removes the bill's events from every calendar of the store. False when
    // one could not be removed.
    bool removeOrvaneRemindersForBid(const QString& billID);
    // Withdraws the bill's delivered notifications and unschedules its
    // scheduled ones. False when the schedule could not be saved.
    bool removeNotificationCenterRemindersForBid(const QString& billID);
    // For each record in order: its reminders made again when its RemindMe is
    // on, removed otherwise.
    void checkForNotificationsToAddWithBillList(const QVariantList& bills);
    // Makes the reminders of every listed item again from its stored date
    // and the reminder settings of the moment, and removes those of bills no
    // longer listed: for when a setting moved the days bills are shown due or
    // changed how reminders are made, or the data folder was replaced.
    // Writes no bill. A notification whose moment has passed is not made
    // again unless the bill's one had not been shown yet.
    void renewRemindersOfListedItems();

    // The moment the reminders of a record go off: ReminderDays calendar days
    // before the day the bill is shown due, at the hour and minute of
    // BWReminderTime. Invalid without a due date or when the bill is never
    // due again.
    QDateTime calculateAlarmDateWithBill(const QVariantMap& record) const;
    // The record's due date as the screens show it (moved off weekends,
    // holidays and the vacation as the settings ask); invalid without a due
    // date or when the bill is never due again.
    QDateTime shownDueDate(const QVariantMap& record) const;
    // Midnight at the start of the date's local day.
    QDateTime normalizedDate(const QDateTime& date) const;

    // The first of `calendars` titled `title`, otherwise a new calendar of
    // that title; nothing without a store, without access, or when it cannot
    // be made.
    std::optional<CalendarStore::Calendar> createCalendar(const QString& title,
                                                          const QList<CalendarStore::Calendar>& calendars);
    // The first calendar of the store titled `title`.
    std::optional<CalendarStore::Calendar> findCalendarWithName(const QString& title) const;
    // Removes the bill's events from one calendar. False when one could not
    // be removed.
    bool removeExistingCalendarEventsFromCalendar(const CalendarStore::Calendar& calendar, const QString& billID);

    // The defaults switch BWReminderEvents.
    bool shouldAddEvents() const;
    // True where the desktop has notifications and BWEnableNotificationCenter is on.
    bool shouldAddNotifications() const;
    // Reminders as tasks and as e-mails are not made from here.
    bool shouldAddTasks() const { return false; }
    bool shouldAddEmails() const { return false; }
    // Nothing to register: notifications need no permission on the desktop.
    void registerForNotifications() {}
    // Tasks are never made, so there are none to remove.
    void removeExistingTasksFromCalendar(const CalendarStore::Calendar&, const QString&) {}

    // The title of the calendar that receives the events: set explicitly, or
    // else BWReminderCalendarName ("Orvane" when that is empty).
    QString orvaneCalendar() const;
    void setOrvaneCalendar(const QString& title) { m_orvaneCalendar = title; }
    QString reminderCalendar() const { return m_reminderCalendar; }
    void setReminderCalendar(const QString& title) { m_reminderCalendar = title; }

    // The file of the calendar that receives the events; "" while there is
    // none in the store of the moment (or no store).
    QString reminderCalendarFile() const;

    // "Pay " and the bill's name.
    static QString reminderTitle(const QString& billName);

private:
    // Whether a notification of the past is made, or left as already shown.
    enum class PastAlarm { Notify, Skip };
    void makeReminders(const QVariantMap& record, PastAlarm pastAlarm);
    // The bills that have a scheduled notification or a calendar event.
    QSet<QString> billIDsWithReminders() const;
    // Whether a notification of the bill is scheduled and not shown yet.
    bool hasWaitingNotification(const QString& billID) const;
    void addCalendarEvent(const QVariantMap& record, const QDateTime& alarmDate);
    void scheduleNotification(const QVariantMap& record, const QDateTime& alarmDate);
    std::shared_ptr<CalendarStore> accessibleStore() const;

    BWStoreEnvironment m_env;
    EventStoreSource m_eventStore;
    UserNotificationCenter* m_notifications;
    QString m_orvaneCalendar;
    QString m_reminderCalendar = QStringLiteral("Reminders");
};
