#include "platform/NotificationSchedule.h"

#include "platform/UserNotificationCenter.h"

#include <limits>

namespace {

QString ownerOf(const UserNotification& notification)
{
    return notification.userInfo.value(UserNotification::ownerKey).toString();
}

// An invalid date counts as the earliest, as it compares before every valid
// one: such a notification is due at once.
qint64 momentOf(const UserNotification& notification)
{
    return notification.deliveryDate.isValid() ? notification.deliveryDate.toMSecsSinceEpoch()
                                               : std::numeric_limits<qint64>::min();
}

}  // namespace

NotificationSchedule::NotificationSchedule() = default;
NotificationSchedule::~NotificationSchedule() = default;

void NotificationSchedule::add(const UserNotification& notification)
{
    remove(notification.identifier);
    const quint64 place = ++m_lastPlace;
    m_entries.insert(place, notification);
    m_byIdentifier.insert(notification.identifier, place);
    m_byOwner.insert(ownerOf(notification), place);
    m_byDate.emplace(momentOf(notification), place);
}

bool NotificationSchedule::remove(const QString& identifier)
{
    const auto found = m_byIdentifier.constFind(identifier);
    if (found == m_byIdentifier.cend())
        return false;
    removeAt(*found);
    return true;
}

void NotificationSchedule::removeOwner(const QString& owner)
{
    for (const quint64 place : m_byOwner.values(owner))
        removeAt(place);
}

QList<UserNotification> NotificationSchedule::takeDue(const QDateTime& now)
{
    QList<UserNotification> due;
    const qint64 moment = now.toMSecsSinceEpoch();
    while (!m_byDate.empty() && m_byDate.begin()->first <= moment) {
        const quint64 place = m_byDate.begin()->second;
        due.append(m_entries.value(place));
        removeAt(place);
    }
    return due;
}

std::optional<QDateTime> NotificationSchedule::earliestDelivery() const
{
    if (m_byDate.empty())
        return std::nullopt;
    return m_entries.value(m_byDate.begin()->second).deliveryDate;
}

void NotificationSchedule::removeAt(quint64 place)
{
    const auto entry = m_entries.constFind(place);
    if (entry == m_entries.cend())
        return;
    m_byIdentifier.remove(entry->identifier);
    m_byOwner.remove(ownerOf(*entry), place);
    m_byDate.erase({momentOf(*entry), place});
    m_entries.erase(entry);
}
