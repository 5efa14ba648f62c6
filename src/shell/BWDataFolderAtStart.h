#pragma once

#include "platform/DataFolderLock.h"
#include "store/BWStoreEnvironment.h"

#include <QString>

#include <functional>
#include <optional>

// The data folder a run starts on, made ready before anything uses it:
// resolved afresh, locked against a second copy of the program, rid of
// half-written files, and its bills read ahead on the worker threads while
// the windows are built. What is wrong with it is told to the user; a run
// without a usable folder goes on showing no bills and saving nothing.
class BWDataFolderAtStart
{
public:
    // Shows a message and its detail to the user (or logs it).
    using TellUser = std::function<void(const QString& message, const QString& detail)>;

    // `stopRequested` says whether a stop from the session came while a
    // message was up: the run then ends instead of going on to start.
    BWDataFolderAtStart(const BWStoreEnvironment& env, TellUser tellUser, std::function<bool()> stopRequested,
                        const QString& lockFolder = DataFolderLock::defaultLockFolder());

    // The exit code when the run ends here; nothing when it goes on.
    std::optional<int> open();

    // The folder resolved by open(); empty when none could be found.
    QString folder() const { return m_folder; }
    // Held from open() on while the folder is in use; a move of the data
    // folder moves it along.
    DataFolderLock& lock() { return m_lock; }

private:
    // The exit code when a stop came while the message was up.
    std::optional<int> tell(const QString& message, const QString& detail) const;

    BWStoreEnvironment m_env;
    TellUser m_tellUser;
    std::function<bool()> m_stopRequested;
    QString m_lockFolder;
    QString m_folder;
    DataFolderLock m_lock;
};
