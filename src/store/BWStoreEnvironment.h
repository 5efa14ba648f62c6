#pragma once

#include <QString>

class Clock;
class HybridLogicalClock;
class UserDefaults;
class BWCloudChannels;
class BWReminderScheduling;
class BWStoreObserver;

// What the store reads from the world around it. The store's classes are made
// for each use and keep no state; they take this environment instead of
// reaching for globals, so that tests run in temporary folders and two
// simulated devices can live in one process.
struct BWStoreEnvironment
{
    UserDefaults* defaults = nullptr;         // the user's standard defaults
    UserDefaults* appGroup = nullptr;         // the app-group suite an extension reads
    Clock* clock = nullptr;
    // Stamps this computer's changes for sync; none: a clock of the process
    // under an id of its own stands in.
    HybridLogicalClock* stamps = nullptr;

    QString defaultDataFolder;   // ~/.local/share/Orvane/Orvane.ovdata
    QString supportFolder;       // ~/.local/share/Orvane: backups live here
    QString dropboxFolder;       // ~/Dropbox
    // The data folder as found beforehand, taken as it is: for loads on a
    // worker thread, which must not look for it (that may put an
    // interrupted move right) beside the GUI thread. "" to look for it.
    QString foundDataFolder;

    BWCloudChannels* cloud = nullptr;            // none: nothing is handed to the cloud
    BWReminderScheduling* reminders = nullptr;   // none: no reminders are made
    BWStoreObserver* observer = nullptr;         // none: writes are announced to nobody
};
