#pragma once

#include <QDBusConnection>
#include <QString>

// The badge on Orvane's launcher icon, for the docks and task bars that
// follow the com.canonical.Unity.LauncherEntry signal (KDE Plasma, Dash to
// Dock, Plank and others). Each change is broadcast as an "Update" signal
// naming the program's desktop entry; a desktop that shows no badges simply
// ignores it.
class LauncherEntry
{
public:
    static inline const QString Interface = QStringLiteral("com.canonical.Unity.LauncherEntry");
    static inline const QString ObjectPath = QStringLiteral("/com/Bramwick/Orvane/LauncherEntry");
    static inline const QString DefaultAppUri
        = QStringLiteral("application://") + QStringLiteral(ORVANE_APP_ID) + QStringLiteral(".desktop");

    explicit LauncherEntry(const QDBusConnection& bus, const QString& appUri = DefaultAppUri);

    // A whole number shows as the badge; the empty text (or anything that is
    // not a number above 0) hides it. False when the signal could not be sent.
    bool setBadgeLabel(const QString& label);

private:
    QDBusConnection m_bus;
    QString m_appUri;
};
