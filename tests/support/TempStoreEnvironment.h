#pragma once

#include <QString>

#include <memory>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/HybridLogicalClock.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWStoreEnvironment.h"
#include "support/TempFolder.h"

// A store environment of its own on a temporary folder: the standard defaults
// and the app-group suite under config/, a clock and a clock of stamps, and the data folder (and,
// when given, the support folder) at paths inside the temporary folder.
// Fixtures derive from it, so tests reach temp, defaults, appGroup, clock and
// env by name; what else a fixture needs (cloud, reminders, another folder)
// it sets on env itself.
class TempStoreEnvironment
{
public:
    explicit TempStoreEnvironment(const QString& dataFolder, const QString& supportFolder = QString())
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.stamps = &stamps;
        env.defaultDataFolder = temp.file(dataFolder);
        if (!supportFolder.isEmpty())
            env.supportFolder = temp.file(supportFolder);
    }

    // This computer's changes are stamped under `deviceID` from now on.
    void becomeDevice(const QString& deviceID)
    {
        m_namedStamps = std::make_unique<HybridLogicalClock>(deviceID);
        env.stamps = m_namedStamps.get();
    }

    TempFolder temp;
    UserDefaults defaults{UserDefaults::standardPath(temp.file(QStringLiteral("config")))};
    UserDefaults appGroup{UserDefaults::suitePath(temp.file(QStringLiteral("config")),
                                                  BWDefaultsKeys::AppGroupSuiteName)};
    Clock clock;
    // The stamps of this computer's changes, under an id of its own.
    HybridLogicalClock stamps{BWUIDMaker::makeUID()};
    BWStoreEnvironment env;

private:
    std::unique_ptr<HybridLogicalClock> m_namedStamps;
};
