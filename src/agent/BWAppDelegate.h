#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// The launcher agent's whole behaviour: started at login, it opens Orvane
// through Orvane's launch URL unless Orvane already runs, and then quits.
// Orvane is recognised by the name it owns on the session bus; the agent
// shares no code with it, so both names are spelled out here as well.
class BWAppDelegate
{
public:
    // What the agent needs of the session, so that tests can stand in for it.
    struct Workspace
    {
        // Names of the running programs; entries may be empty.
        std::function<QStringList()> runningPrograms;
        // Hands the URL to the desktop; false when that failed.
        std::function<bool(const QUrl&)> openURL;
        std::function<void()> terminate;
    };

    static inline const QString MainProgramName = QStringLiteral("com.Bramwick.Orvane");
    static inline const QString AgentName = QStringLiteral("com.Bramwick.OrvaneAgent");
    static inline const QString LaunchURL = QStringLiteral("com-bramwick-orvanelaunch:///");

    explicit BWAppDelegate(Workspace workspace);

    void applicationDidFinishLaunching();
    void showOrvane();

private:
    bool isOrvaneRunning() const;

    Workspace m_workspace;
};
