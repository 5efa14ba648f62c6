#include "platform/LauncherEntry.h"

#include <QDBusMessage>
#include <QVariantMap>

LauncherEntry::LauncherEntry(const QDBusConnection& bus, const QString& appUri)
    : m_bus(bus), m_appUri(appUri)
{
}

bool LauncherEntry::setBadgeLabel(const QString& label)
{
    bool isNumber = false;
    const qlonglong count = label.toLongLong(&isNumber);
    const bool visible = isNumber && count > 0;
    QDBusMessage update = QDBusMessage::createSignal(ObjectPath, Interface, QStringLiteral("Update"));
    update << m_appUri
           << QVariantMap{{QStringLiteral("count"), visible ? count : qlonglong(0)},
                          {QStringLiteral("count-visible"), visible}};
    return m_bus.isConnected() && m_bus.send(update);
}
