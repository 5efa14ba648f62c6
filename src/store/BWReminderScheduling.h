#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantMap>

// What the store asks of the reminder service after it has written a bill:
// drop the bill's reminders and, when the record still wants them, make them
// again from the record as stored.
class BWReminderScheduling
{
public:
    virtual ~BWReminderScheduling() = default;

    // Removes the scheduled notifications that carry the bill's id and the
    // calendar reminders made for it (those are titled after its name).
    virtual void removeRemindersForBill(const QString& billID, const QString& billName) = 0;
    // Makes the notification and calendar reminders of a stored record.
    virtual void createOrvaneReminderForBill(const QVariantMap& record) = 0;
    // Puts a reminder off for a while; the snooze type says for how long.
    virtual void snoozeReminderForBill(const QVariantMap& record, const QDateTime& previousFireDate,
                                       int snoozeType) = 0;
};
