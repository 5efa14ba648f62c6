#include "shell/BWReminderMaker.h"

#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

#include <QCoreApplication>

BWReminderMaker::BWReminderMaker(const BWStoreEnvironment& env)
    : m_env(env)
{
}

QString BWReminderMaker::reminderTitle(const QString& billName)
{
    return QCoreApplication::translate("BWReminderManager", "Pay %1").arg(billName);
}

QDateTime BWReminderMaker::alarmDate(const QVariantMap& record) const
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

QDateTime BWReminderMaker::shownDueDate(const QVariantMap& record) const
{
    const QDateTime storedDueDate = record.value(BillKeys::DueDate).toDateTime();
    // The distant future is the due date of an item that is never due again.
    if (!storedDueDate.isValid() || storedDueDate >= PropertyList::distantFuture())
        return {};
    return BWBillsLoader(m_env).shownDueDateOfRecord(record);
}

QDateTime BWReminderMaker::normalizedDate(const QDateTime& date)
{
    return date.toLocalTime().date().startOfDay(Qt::LocalTime);
}

UserNotification BWReminderMaker::notification(const QVariantMap& record, const QDateTime& alarmDate) const
{
    const QDateTime dueDate = shownDueDate(record);
    UserNotification notification;
    notification.title = reminderTitle(record.value(BillKeys::Name).toString());
    notification.informativeText = QCoreApplication::translate("BWReminderManager", "Bill is due on %1")
                                       .arg(BWBillsLoader(m_env).createDueDateString(dueDate));
    notification.hasActionButton = true;
    notification.actionButtonTitle = QCoreApplication::translate("BWReminderManager", "View");
    notification.userInfo = {{UserNotification::ownerKey, record.value(BillKeys::Bid).toString()}};
    notification.soundName = UserNotification::defaultSoundName;
    notification.deliveryDate = alarmDate;
    return notification;
}

CalendarStore::Event BWReminderMaker::event(const QVariantMap& record, const QDateTime& alarmDate) const
{
    const QDate dueDay = normalizedDate(shownDueDate(record)).date();
    CalendarStore::Event event;
    event.title = reminderTitle(record.value(BillKeys::Name).toString());
    event.startDate = dueDay;
    event.endDate = dueDay;
    event.billID = record.value(BillKeys::Bid).toString();
    event.stamp = m_env.clock->now();
    // No sound of our own: the alarm rings with the calendar program's sound.
    event.alarms = {{alarmDate, QString()}};
    return event;
}
