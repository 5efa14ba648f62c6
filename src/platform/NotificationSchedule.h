#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>
#include <set>
#include <utility>

struct UserNotification;

// The notifications waiting for their moment, in the order they were put on,
// found by identifier, by owner (the user-info value under
// UserNotification::ownerKey) and by delivery date: changing one owner's
// notifications, or finding the next one due, costs what that owner has or
// what is due, not what the whole schedule holds.
class NotificationSchedule
{
public:
    // The notifications by the order they were put on; shared, not copied,
    // when handed on.
    using Entries = QMap<quint64, UserNotification>;

    NotificationSchedule();
    ~NotificationSchedule();

    bool isEmpty() const { return m_entries.isEmpty(); }
    const Entries& entries() const { return m_entries; }
    QList<UserNotification> notifications() const { return m_entries.values(); }

    // Puts the notification (its identifier set) on, in the place of one with
    // the same identifier.
    void add(const UserNotification& notification);
    // Whether one with this identifier was there to take off.
    bool remove(const QString& identifier);
    void removeOwner(const QString& owner);
    // Takes those whose delivery date is not after `now` off, earliest first.
    QList<UserNotification> takeDue(const QDateTime& now);
    // The delivery date of the earliest; nothing when the schedule is empty.
    std::optional<QDateTime> earliestDelivery() const;

private:
    void removeAt(quint64 place);

    Entries m_entries;
    QHash<QString, quint64> m_byIdentifier;
    QMultiHash<QString, quint64> m_byOwner;
    // The delivery moment (ms since the epoch) and the place of each.
    std::set<std::pair<qint64, quint64>> m_byDate;
    quint64 m_lastPlace = 0;
};
