#include "shell/BWDataFolderAtStart.h"

#include "platform/AtomicFile.h"
#include "store/BWBillsLoader.h"
#include "store/BWDataFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

BWDataFolderAtStart::BWDataFolderAtStart(const BWStoreEnvironment& env, TellUser tellUser,
                                         std::function<bool()> stopRequested, const QString& lockFolder)
    : m_env(env)
    , m_tellUser(std::move(tellUser))
    , m_stopRequested(std::move(stopRequested))
    , m_lockFolder(lockFolder)
    , m_lock(QString(), lockFolder)
{
}

std::optional<int> BWDataFolderAtStart::tell(const QString& message, const QString& detail) const
{
    m_tellUser(message, detail);
    if (m_stopRequested())
        return 0;
    return std::nullopt;
}

std::optional<int> BWDataFolderAtStart::open()
{
    // The folder is resolved once, afresh, before anything uses it: the path
    // the previous run cached may name a folder that is gone (a drive
    // unplugged). The alert, the lock and the Sync pane all take this one.
    m_folder = BWDataFolder(m_env).resolveAfresh();
    if (m_folder.isEmpty()) {
        return tell(QCoreApplication::translate("main", "Orvane cannot find its data folder."),
                    QCoreApplication::translate("main", "The folder %1 chosen for Orvane's database cannot be found. "
                                                        "Until it is back, or another place is chosen, Orvane shows "
                                                        "no bills and saves no changes.")
                        .arg(BWDataFolder(m_env).chosenLocationAsStored()));
    }
    // Without a session bus, or from another login, a second copy gets this
    // far: the data folder's lock keeps it from writing beside the first.
    m_lock = DataFolderLock(m_folder, m_lockFolder);
    if (!m_lock.tryLock()) {
        m_tellUser(QCoreApplication::translate("main", "Orvane is already running."),
                   QCoreApplication::translate("main", "Another copy of Orvane is using the database %1. "
                                                       "Quit it before starting Orvane again.")
                       .arg(m_folder));
        return 1;
    }
    AtomicFile::removeStaleTemporaryFiles(m_folder);
    // Unreadable, the folder would look like one without bills; every write
    // into it is refused.
    if (!QDir(m_folder).isReadable()) {
        if (const std::optional<int> exitCode
            = tell(QCoreApplication::translate("main", "Orvane cannot read its data folder."),
                   QCoreApplication::translate("main", "The folder %1 cannot be read. Check its permissions; until "
                                                       "then Orvane shows no bills and saves no changes.")
                       .arg(m_folder)))
            return exitCode;
    }
    // The folder is put right and ours: its bills are read on the worker
    // threads while the windows are built, for the first load to take.
    BWBillsLoader(m_env).readAheadListedItems(m_lock);
    return std::nullopt;
}
