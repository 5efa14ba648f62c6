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

    // Removes the bill's scheduled notifications and calendar reminders.
    // `billName` is the bill's name as the record has it now; reminders that
    // carry the bill's id need only the id to be found.
    virtual void removeRemindersForBill(const QString& billID, const QString& billName) = 0;
    // Makes the notification and calendar reminders of a stored record.
    virtual void createOrvaneReminderForBill(const QVariantMap& record) = 0;
    // Puts a reminder off for a while; the snooze type says for how long.
    virtual void snoozeReminderForBill(const QVariantMap& record, const QDateTime& previousFireDate,
                                       int snoozeType) = 0;
};
