#include "shell/BWReminderManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QString kDefaultCalendarTitle = QStringLiteral("Orvane");

QString localized(const char* english)
{
    return QCoreApplication::translate("BWReminderManager", english);
}

}  // namespace

BWReminderManager::BWReminderManager(const BWStoreEnvironment& env, EventStoreSource eventStore,
                                     UserNotificationCenter* notifications)
    : m_env(env)
    , m_eventStore(std::move(eventStore))
    , m_notifications(notifications)
{
}

QString BWReminderManager::reminderTitle(const QString& billName)
{
    return localized("Pay ") + billName;
}

void BWReminderManager::removeRemindersForBill(const QString& billID, const QString& /*billName*/)
{
    removeOrvaneRemindersForBid(billID);
    removeNotificationCenterRemindersForBid(billID);
}

void BWReminderManager::createOrvaneReminderForBill(const QVariantMap& record)
{
    makeReminders(record, PastAlarm::Notify);
}

void BWReminderManager::makeReminders(const QVariantMap& record, PastAlarm pastAlarm)
{
    Log::line(QStringLiteral("Updating Reminder"));
    const QString billID = record.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID)) {
        // Reminders without an id could never be found again to be removed.
        Log::line(QStringLiteral("No reminders for a bill without a valid id: %1").arg(billID));
        return;
    }
    // A removal that failed leaves the old reminders in place; adding new ones
    // beside them would show the bill twice.
    const bool eventsRemoved = removeOrvaneRemindersForBid(billID);
    const bool notificationsRemoved = removeNotificationCenterRemindersForBid(billID);

    const QDateTime alarmDate = calculateAlarmDateWithBill(record);
    if (!alarmDate.isValid()) {
        Log::line(QStringLiteral("No reminders for a bill without a due date: %1").arg(billID));
        return;
    }
    if (shouldAddEvents() && eventsRemoved)
        addCalendarEvent(record, alarmDate);
    if (shouldAddNotifications() && notificationsRemoved
        && (pastAlarm == PastAlarm::Notify || alarmDate > m_env.clock->now()))
        scheduleNotification(record, alarmDate);
}

bool BWReminderManager::removeOrvaneRemindersForBid(const QString& billID)
{
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    if (!store)
        return true;
    // Every calendar of the store is the program's own; looking in all of
    // them also clears a calendar the user has since stopped using.
    bool removed = true;
    for (const CalendarStore::Calendar& calendar : store->calendarsForEvents())
        removed &= removeExistingCalendarEventsFromCalendar(calendar, billID);
    return removed;
}

bool BWReminderManager::removeNotificationCenterRemindersForBid(const QString& billID)
{
    if (!m_notifications)
        return true;
    const auto isTheBills = [&](const UserNotification& notification) {
        return notification.userInfo.value(BillKeys::Bid).toString() == billID;
    };
    for (const UserNotification& notification : m_notifications->deliveredNotifications()) {
        if (isTheBills(notification))
            m_notifications->removeDeliveredNotification(notification);
    }
    bool removed = true;
    for (const UserNotification& notification : m_notifications->scheduledNotifications()) {
        if (isTheBills(notification))
            removed &= m_notifications->removeScheduledNotification(notification);
    }
    return removed;
}

void BWReminderManager::checkForNotificationsToAddWithBillList(const QVariantList& bills)
{
    for (const QVariant& bill : bills) {
        const QVariantMap record = bill.toMap();
        if (record.value(BillKeys::RemindMe).toBool())
            createOrvaneReminderForBill(record);
        else
            removeRemindersForBill(record.value(BillKeys::Bid).toString(), record.value(BillKeys::Name).toString());
    }
}

// Bills that left the list (a restored backup or another data folder has
// other bills) lose their reminders; every listed one gets them afresh.
void BWReminderManager::renewRemindersOfListedItems()
{
    const std::optional<QVariantList> items = BWBillsLoader(m_env).loadListedItems();
    if (!items) {
        Log::line(QStringLiteral("No data folder: reminders left as they are"));
        return;
    }
    QSet<QString> listed;
    for (const QVariant& item : *items)
        listed.insert(item.toMap().value(BillKeys::Bid).toString());
    for (const QString& billID : billIDsWithReminders()) {
        if (!listed.contains(billID))
            removeRemindersForBill(billID, QString());
    }
    for (const QVariant& item : *items) {
        const QVariantMap record = item.toMap();
        const QString billID = record.value(BillKeys::Bid).toString();
        if (!record.value(BillKeys::RemindMe).toBool()) {
            removeRemindersForBill(billID, record.value(BillKeys::Name).toString());
            continue;
        }
        // A notification whose moment has passed was shown already, unless
        // one still waits in the schedule (its time moved into the past).
        makeReminders(record, hasWaitingNotification(billID) ? PastAlarm::Notify : PastAlarm::Skip);
    }
}

QSet<QString> BWReminderManager::billIDsWithReminders() const
{
    QSet<QString> billIDs;
    if (m_notifications) {
        for (const UserNotification& notification : m_notifications->scheduledNotifications())
            billIDs.insert(notification.userInfo.value(BillKeys::Bid).toString());
    }
    if (const std::shared_ptr<CalendarStore> store = accessibleStore()) {
        for (const CalendarStore::Calendar& calendar : store->calendarsForEvents()) {
            for (const CalendarStore::Event& event : store->eventsInCalendar(calendar))
                billIDs.insert(event.billID);
        }
    }
    billIDs.remove(QString());
    return billIDs;
}

bool BWReminderManager::hasWaitingNotification(const QString& billID) const
{
    if (!m_notifications)
        return false;
    const QList<UserNotification> scheduled = m_notifications->scheduledNotifications();
    return std::any_of(scheduled.begin(), scheduled.end(), [&](const UserNotification& notification) {
        return notification.userInfo.value(BillKeys::Bid).toString() == billID;
    });
}

QDateTime BWReminderManager::calculateAlarmDateWithBill(const QVariantMap& record) const
{
    const QDateTime dueDate = shownDueDate(record);
    if (!dueDate.isValid())
        return {};
    // Whole calendar days and a wall-clock time, so that the alarm keeps its
    // hour when a daylight-saving change lies between it and the due day.
    const QDate alarmDay = normalizedDate(dueDate).date().addDays(-record.value(BillKeys::ReminderDays).toLongLong());
    const QTime reminderTime = m_env.defaults->dateForKey(BWDefaultsKeys::BWReminderTime).toLocalTime().time();
    const QTime alarmTime = reminderTime.isValid() ? QTime(reminderTime.hour(), reminderTime.minute()) : QTime(0, 0);
    const QDateTime alarm(alarmDay, alarmTime, Qt::LocalTime);
    if (alarm.isValid())
        return alarm.toUTC();
    // The time lies in the hour skipped by a change to summer time: read it
    // with the offset from before the change, which moves it past the gap.
    const int offsetBefore = alarmDay.startOfDay(Qt::LocalTime).addSecs(-1).offsetFromUtc();
    return QDateTime(alarmDay, alarmTime, Qt::UTC).addSecs(-offsetBefore);
}

QDateTime BWReminderManager::shownDueDate(const QVariantMap& record) const
{
    const QDateTime storedDueDate = record.value(BillKeys::DueDate).toDateTime();
    // The distant future is the due date of an item that is never due again.
    if (!storedDueDate.isValid() || storedDueDate >= PropertyList::distantFuture())
        return {};
    return BWBillsLoader(m_env).shownDueDateOfRecord(record);
}

QDateTime BWReminderManager::normalizedDate(const QDateTime& date) const
{
    return date.toLocalTime().date().startOfDay(Qt::LocalTime);
}

std::optional<CalendarStore::Calendar> BWReminderManager::createCalendar(
    const QString& title, const QList<CalendarStore::Calendar>& calendars)
{
    for (const CalendarStore::Calendar& calendar : calendars) {
        if (calendar.title == title)
            return calendar;
    }
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    if (!store)
        return std::nullopt;
    QString error;
    std::optional<CalendarStore::Calendar> made = store->createCalendar(title, &error);
    if (!made)
        Log::line(QStringLiteral("Could not create the calendar %1: %2").arg(title, error));
    return made;
}

std::optional<CalendarStore::Calendar> BWReminderManager::findCalendarWithName(const QString& title) const
{
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    return store ? store->calendarWithTitle(title) : std::nullopt;
}

bool BWReminderManager::removeExistingCalendarEventsFromCalendar(const CalendarStore::Calendar& calendar,
                                                                 const QString& billID)
{
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    if (!store || billID.isEmpty())
        return true;
    bool removed = true;
    for (const CalendarStore::Event& event : store->eventsInCalendar(calendar)) {
        if (event.billID != billID)
            continue;
        QString error;
        if (!store->removeEvent(event, &error)) {
            Log::line(QStringLiteral("Could not remove a reminder event: %1").arg(error));
            removed = false;
        }
    }
    return removed;
}

bool BWReminderManager::shouldAddEvents() const
{
    return m_env.defaults->boolForKey(BWDefaultsKeys::BWReminderEvents);
}

bool BWReminderManager::shouldAddNotifications() const
{
    return m_notifications && m_env.defaults->boolForKey(BWDefaultsKeys::BWEnableNotificationCenter);
}

QString BWReminderManager::orvaneCalendar() const
{
    if (!m_orvaneCalendar.isEmpty())
        return m_orvaneCalendar;
    const QString fromDefaults = m_env.defaults->stringForKey(BWDefaultsKeys::BWReminderCalendarName);
    return fromDefaults.isEmpty() ? kDefaultCalendarTitle : fromDefaults;
}

QString BWReminderManager::reminderCalendarFile() const
{
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    const std::optional<CalendarStore::Calendar> calendar
        = store ? store->calendarWithTitle(orvaneCalendar()) : std::nullopt;
    return calendar ? store->calendarPath(calendar->identifier) : QString();
}

void BWReminderManager::addCalendarEvent(const QVariantMap& record, const QDateTime& alarmDate)
{
    const std::shared_ptr<CalendarStore> store = accessibleStore();
    if (!store)
        return;
    const std::optional<CalendarStore::Calendar> calendar = createCalendar(orvaneCalendar(), store->calendarsForEvents());
    if (!calendar)
        return;
    const QDate dueDay = normalizedDate(shownDueDate(record)).date();
    CalendarStore::Event event;
    event.calendarIdentifier = calendar->identifier;
    event.title = reminderTitle(record.value(BillKeys::Name).toString());
    event.startDate = dueDay;
    event.endDate = dueDay;
    event.billID = record.value(BillKeys::Bid).toString();
    event.stamp = m_env.clock->now();
    // No sound of our own: the alarm rings with the calendar program's sound.
    event.alarms = {{alarmDate, QString()}};
    QString error;
    if (!store->saveEvent(event, &error))
        Log::line(QStringLiteral("Could not save the reminder event: %1").arg(error));
}

void BWReminderManager::scheduleNotification(const QVariantMap& record, const QDateTime& alarmDate)
{
    const QDateTime dueDate = shownDueDate(record);
    UserNotification notification;
    notification.title = reminderTitle(record.value(BillKeys::Name).toString());
    notification.informativeText = QStringLiteral("%1 %2").arg(localized("Bill is due on"),
                                                               BWBillsLoader(m_env).createDueDateString(dueDate));
    notification.hasActionButton = true;
    notification.actionButtonTitle = localized("View");
    notification.userInfo = {{BillKeys::Bid, record.value(BillKeys::Bid).toString()}};
    notification.soundName = UserNotification::defaultSoundName;
    notification.deliveryDate = alarmDate;
    if (!m_notifications->scheduleNotification(notification))
        Log::line(QStringLiteral("The reminder notification is kept for this run only"));
}

std::shared_ptr<CalendarStore> BWReminderManager::accessibleStore() const
{
    std::shared_ptr<CalendarStore> store = m_eventStore ? m_eventStore() : nullptr;
    return store && store->hasAccessToEvents() ? store : nullptr;
}
