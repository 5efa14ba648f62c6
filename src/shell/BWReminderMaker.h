#pragma once

#include "platform/CalendarStore.h"
#include "platform/UserNotificationCenter.h"
#include "store/BWStoreEnvironment.h"

#include <QDateTime>
#include <QString>
#include <QVariantMap>

#include <optional>

// What reminds the user of one bill, made from its record and the reminder
// settings of the environment: the notification and the calendar event, both
// on the day the bill is shown due (never the stored date a weekend, holiday
// or vacation moved it from) and both carrying the bill's id, by which they
// are found again.
//
// It reads and writes nothing but the environment's settings and clock, so
// a maker over an environment of its own (a copy of the settings, a clock of
// its own) may work on another thread.
class BWReminderMaker
{
public:
    explicit BWReminderMaker(const BWStoreEnvironment& env);

    // The moment the reminders of a record go off: ReminderDays calendar days
    // before the day the bill is shown due, at the hour and minute of
    // BWReminderTime. Invalid without a due date or when the bill is never
    // due again.
    QDateTime alarmDate(const QVariantMap& record) const;
    // The record's due date as the screens show it; invalid without a due
    // date or when the bill is never due again.
    QDateTime shownDueDate(const QVariantMap& record) const;
    // Midnight at the start of the date's local day.
    static QDateTime normalizedDate(const QDateTime& date);

    // The notification that goes off at `alarmDate`.
    UserNotification notification(const QVariantMap& record, const QDateTime& alarmDate) const;
    // The all-day event on the shown due day with its alarm at `alarmDate`,
    // for the calendar the store chooses.
    CalendarStore::Event event(const QVariantMap& record, const QDateTime& alarmDate) const;

    // "Pay " and the bill's name.
    static QString reminderTitle(const QString& billName);

private:
    BWStoreEnvironment m_env;
};
