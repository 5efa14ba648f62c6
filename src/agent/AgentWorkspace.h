#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The agent's reach into the user's session: the session bus tells which
// programs run, and the desktop's URL handler (xdg-open) starts the program
// registered for a URL scheme.
class AgentWorkspace
{
public:
    // Every name owned on the session bus; none without a bus.
    static QStringList runningPrograms();
    static bool openURL(const QUrl& url);
    // Owns `name` on the session bus for the rest of the agent's life, so
    // that others can tell that it runs. False without a bus or when the
    // name is taken.
    static bool announce(const QString& name);
};
