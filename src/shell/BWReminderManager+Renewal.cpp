// Renewing the reminders of every listed item in one pass: the bills are read
// and their reminders made on the worker, from a copy of the settings taken
// when the renewal was asked for; the calendar files are written there, each
// once, and the notifications handed back to the GUI thread's schedule.
#include "shell/BWReminderManager.h"

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/UserNotificationCenter.h"
#include "shell/BWReminderMaker.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWWorkerEnvironment.h"

#include <QSet>

struct BWReminderManager::Renewal
{
    explicit Renewal(const BWStoreEnvironment& of)
        : worker(of)
    {
    }

    // On the worker: the reminders of the listed bills that want them.
    void run()
    {
        const QVariantList items = BWBillsLoader(worker.env).loadListedItems().value_or(QVariantList());
        const BWReminderMaker maker(worker.env);
        CalendarStore::EventsChange calendarChange;
        calendarChange.calendarTitle = calendarTitle;
        // Every bill's event goes, those of bills no longer listed too.
        calendarChange.removes = [](const CalendarStore::Event& event) { return !event.billID.isEmpty(); };
        for (const QVariant& item : items) {
            const QVariantMap record = item.toMap();
            if (!record.value(BillKeys::RemindMe).toBool())
                continue;
            const QDateTime alarmDate = maker.alarmDate(record);
            if (!alarmDate.isValid())
                continue;
            if (makesNotifications) {
                notifications.append(maker.notification(record, alarmDate));
                notifications.last().identifier = BWUIDMaker::makeUID();
            }
            if (makesEvents)
                calendarChange.added.append(maker.event(record, alarmDate));
        }
        QString error;
        if (calendars && !calendars->changeEvents(calendarChange, &error))
            Log::line(QStringLiteral("Could not renew the reminder events: %1").arg(error));
    }

    // What the GUI thread hands over: its own objects are not to be touched
    // from the worker.
    BWWorkerEnvironment worker;
    std::shared_ptr<CalendarStore> calendars;
    QString calendarTitle;
    bool makesNotifications = false;
    bool makesEvents = false;
    // The count of bills' own changes when the renewal was asked for.
    quint64 startedAfterChange = 0;

    QList<UserNotification> notifications;
};

void BWReminderManager::renewRemindersOfListedItems()
{
    auto renewal = std::make_shared<Renewal>(m_env);
    if (renewal->worker.env.foundDataFolder.isEmpty()) {
        Log::line(QStringLiteral("No data folder: reminders left as they are"));
        return;
    }
    renewal->calendars = accessibleStore();
    renewal->calendarTitle = orvaneCalendar();
    renewal->makesNotifications = shouldAddNotifications();
    renewal->makesEvents = shouldAddEvents();
    renewal->startedAfterChange = m_changes;
    // Bills' changes from now on are written after the renewal's.
    m_openBatch.reset();
    ++m_renewalsUnderWay;
    runOnWorker([renewal] { renewal->run(); },
                [this, renewal] {
                    takeRenewedNotifications(*renewal);
                    if (--m_renewalsUnderWay == 0)
                        m_changedAt.clear();
                    emit remindersRenewed();
                });
}

void BWReminderManager::takeRenewedNotifications(Renewal& renewal)
{
    if (!m_notifications)
        return;
    const auto renewed = [&](const QString& billID) {
        return !billID.isEmpty() && m_changedAt.value(billID, 0) <= renewal.startedAfterChange;
    };
    // A notification whose moment has passed was shown when it came, unless
    // one still waits in the schedule (its time moved into the past).
    // In UTC, as the alarms are: comparing a local time converts it again
    // for every notification.
    const QDateTime now = m_env.clock->now().toUTC();
    QSet<QString> past;
    for (const UserNotification& notification : std::as_const(renewal.notifications)) {
        if (notification.deliveryDate <= now)
            past.insert(billIDOf(notification));
    }
    QList<UserNotification> schedule;
    schedule.reserve(m_notifications->scheduledNotifications().size() + renewal.notifications.size());
    QSet<QString> waiting;
    for (const UserNotification& scheduled : m_notifications->scheduledNotifications()) {
        const QString billID = billIDOf(scheduled);
        if (!renewed(billID))
            schedule.append(scheduled);
        else if (past.contains(billID))
            waiting.insert(billID);
    }
    for (UserNotification& notification : renewal.notifications) {
        const QString billID = billIDOf(notification);
        if (renewed(billID) && (notification.deliveryDate > now || waiting.contains(billID)))
            schedule.append(std::move(notification));
    }
    withdrawDeliveredNotifications(renewed);
    m_notifications->replaceSchedule(std::move(schedule));
}
