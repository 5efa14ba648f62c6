#include "shell/BWReminderManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "shell/BWReminderMaker.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

namespace {

const QString kDefaultCalendarTitle = QStringLiteral("Orvane");

}  // namespace

QString BWReminderManager::billIDOf(const UserNotification& notification)
{
    return notification.userInfo.value(UserNotification::ownerKey).toString();
}

// Each bill's latest event (or none), by bill. The worker takes the batch
// whole; a change that finds it taken starts the next one.
struct BWReminderManager::CalendarBatch
{
    std::shared_ptr<CalendarStore> store;
    QMutex mutex;
    bool taken = false;
    QString calendarTitle;
    QHash<QString, std::optional<CalendarStore::Event>> events;

    // False when the worker has taken the batch already.
    bool add(const QString& title, const QString& billID, const std::optional<CalendarStore::Event>& event)
    {
        const QMutexLocker lock(&mutex);
        if (taken)
            return false;
        calendarTitle = title;
        events.insert(billID, event);
        return true;
    }

    // On the worker.
    void write()
    {
        QMutexLocker lock(&mutex);
        taken = true;
        CalendarStore::EventsChange change;
        change.calendarTitle = calendarTitle;
        for (const std::optional<CalendarStore::Event>& event : std::as_const(events)) {
            if (event)
                change.added.append(*event);
        }
        const QSet<QString> billIDs(events.keyBegin(), events.keyEnd());
        lock.unlock();
        change.removes = [&billIDs](const CalendarStore::Event& event) { return billIDs.contains(event.billID); };
        QString error;
        if (!store->changeEvents(change, &error))
            Log::line(QStringLiteral("Could not change the reminder events: %1").arg(error));
    }
};

BWReminderManager::BWReminderManager(const BWStoreEnvironment& env, EventStoreSource eventStore,
                                     UserNotificationCenter* notifications, QObject* parent)
    : QObject(parent)
    , m_env(env)
    , m_eventStore(std::move(eventStore))
    , m_notifications(notifications)
{
}

// Quitting, a stop signal and the session's end all come here, often right
// after a renewal was asked for (closing the preferences at quit sends the
// last change of a setting): what is under way is finished and its
// notifications handed to the schedule, which the centre writes as it goes.
BWReminderManager::~BWReminderManager()
{
    waitUntilIdle();
}

QString BWReminderManager::reminderTitle(const QString& billName)
{
    return BWReminderMaker::reminderTitle(billName);
}

void BWReminderManager::removeRemindersForBill(const QString& billID, const QString& /*billName*/)
{
    replaceRemindersOfBill(billID, std::nullopt, std::nullopt);
}

void BWReminderManager::createOrvaneReminderForBill(const QVariantMap& record)
{
    Log::line(QStringLiteral("Updating Reminder"));
    const QString billID = record.value(BillKeys::Bid).toString();
    if (!BWUIDMaker::isValidUID(billID)) {
        // Reminders without an id could never be found again to be removed.
        Log::line(QStringLiteral("No reminders for a bill without a valid id: %1").arg(billID));
        return;
    }
    const BWReminderMaker maker(m_env);
    const QDateTime alarmDate = maker.alarmDate(record);
    std::optional<UserNotification> notification;
    std::optional<CalendarStore::Event> event;
    if (!alarmDate.isValid()) {
        Log::line(QStringLiteral("No reminders for a bill without a due date: %1").arg(billID));
    } else {
        if (shouldAddNotifications())
            notification = maker.notification(record, alarmDate);
        if (shouldAddEvents())
            event = maker.event(record, alarmDate);
    }
    replaceRemindersOfBill(billID, notification, event);
}

void BWReminderManager::replaceRemindersOfBill(const QString& billID,
                                               const std::optional<UserNotification>& notification,
                                               const std::optional<CalendarStore::Event>& event)
{
    // Without an id, the reminders of no bill are meant.
    if (billID.isEmpty())
        return;
    ++m_changes;
    if (m_renewalsUnderWay > 0)
        m_changedAt.insert(billID, m_changes);
    if (m_notifications) {
        withdrawDeliveredNotifications([&billID](const QString& shownFor) { return shownFor == billID; });
        m_notifications->replaceNotificationsOf(
            billID, notification ? QList<UserNotification>{*notification} : QList<UserNotification>());
    }
    if (const std::shared_ptr<CalendarStore> store = accessibleStore())
        changeCalendarsOfBill(store, billID, event);
}

void BWReminderManager::changeCalendarsOfBill(const std::shared_ptr<CalendarStore>& store, const QString& billID,
                                              const std::optional<CalendarStore::Event>& event)
{
    if (m_openBatch && m_openBatch->store == store && m_openBatch->add(orvaneCalendar(), billID, event))
        return;
    m_openBatch = std::make_shared<CalendarBatch>();
    m_openBatch->store = store;
    m_openBatch->add(orvaneCalendar(), billID, event);
    runOnWorker([batch = m_openBatch] { batch->write(); }, [] {});
}

void BWReminderManager::withdrawDeliveredNotifications(const std::function<bool(const QString& billID)>& ofBill)
{
    for (const UserNotification& notification : m_notifications->deliveredNotifications()) {
        if (ofBill(billIDOf(notification)))
            m_notifications->removeDeliveredNotification(notification);
    }
}

void BWReminderManager::runOnWorker(std::function<void()> job, std::function<void()> done)
{
    ++m_jobsUnderWay;
    // The worker starts once the GUI thread is through with what asked for
    // the job: a payment's own writes of the store then don't wait behind a
    // calendar's, and its later changes join the batch.
    m_queuedJobs.append({std::move(job), std::move(done)});
    if (m_queuedJobs.size() == 1)
        QMetaObject::invokeMethod(this, &BWReminderManager::postQueuedJobs, Qt::QueuedConnection);
}

void BWReminderManager::postQueuedJobs()
{
    for (QueuedJob& queued : std::exchange(m_queuedJobs, {})) {
        m_worker.post([this, job = std::move(queued.job), done = std::move(queued.done)] {
            job();
            QMetaObject::invokeMethod(this, [this, done] {
                --m_jobsUnderWay;
                done();
            });
        });
    }
}

void BWReminderManager::waitUntilIdle()
{
    while (!isIdle()) {
        postQueuedJobs();
        m_worker.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

QDateTime BWReminderManager::calculateAlarmDateWithBill(const QVariantMap& record) const
{
    return BWReminderMaker(m_env).alarmDate(record);
}

QDateTime BWReminderManager::shownDueDate(const QVariantMap& record) const
{
    return BWReminderMaker(m_env).shownDueDate(record);
}

QDateTime BWReminderManager::normalizedDate(const QDateTime& date) const
{
    return BWReminderMaker::normalizedDate(date);
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

std::shared_ptr<CalendarStore> BWReminderManager::accessibleStore() const
{
    std::shared_ptr<CalendarStore> store = m_eventStore ? m_eventStore() : nullptr;
    return store && store->hasAccessToEvents() ? store : nullptr;
}
