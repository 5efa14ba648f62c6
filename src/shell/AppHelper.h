#pragma once

#include "CommReceptionist.h"

#include <QString>

#include <functional>
#include <memory>

class LoginItem;
class RunningPrograms;
class UserDefaults;

// The start-at-login switch: registers the launcher agent as the user's login
// item, so that it starts at login and opens Orvane unless Orvane already
// runs. Programs are named by their reverse-domain ids, which are both the
// login-item ids and the names running programs own on the session bus.
class AppHelper
{
public:
    // The launcher agent's id; the agent owns this name while it runs.
    static inline const QString AgentBundleID = QStringLiteral("com.Bramwick.OrvaneAgent");

    using ProgramTask = std::function<void(const QString& program)>;

    AppHelper(LoginItem& loginItems, RunningPrograms& programs);

    bool toggleBundleIDAsLoginItem(const QString& bundleID, bool state);
    bool enableAppIDasLoginItem(const QString& bundleID);
    bool disableAppIDasLoginItem(const QString& bundleID);
    // Disables and then enables again; false when either step failed.
    // No caller in the program; disableAppIDasLoginItem(), then enableAppIDasLoginItem().
    bool restartLoginItemWithAppID(const QString& bundleID);
    // Whether the first login item with that id starts at login.
    bool bundleIDExistsAsLoginItem(const QString& bundleID) const;
    bool isAppIDRunning(const QString& bundleID) const;

    // Run the task with the program's id whenever any program ends or starts.
    // No caller in the program; the program watch of observePrograms().
    std::unique_ptr<CommReceptionist> observeAppsTermination(ProgramTask task);
    std::unique_ptr<CommReceptionist> observeAppsLaunching(ProgramTask task);

    // Makes the program a fresh login item, replacing an earlier entry.
    // Nothing changes while the program runs (just after login it has done
    // its work and quits by itself). False when the login item could not be
    // written.
    bool setupLoginItem(const QString& bundleID);

    // Applies the user's EnableStartAtLoginMenu switch to the agent's login
    // item. False when the login item could not be changed; the switch keeps
    // the user's value either way.
    bool setLaunchAtLogin(const UserDefaults& defaults);

private:
    std::unique_ptr<CommReceptionist> observePrograms(const char* signalName, ProgramTask task);

    LoginItem& m_loginItems;
    RunningPrograms& m_programs;
};
