// Connecting the record-database sync engine to the program: the account
// check, the switch, pushes from other devices, reloading what changed and
// the sync controls of the side bar.
#include "shell/BWAppDelegate.h"

#include <QLabel>
#include <QLocale>

#include "platform/Clock.h"
#include "platform/CloudDatabase.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWSyncControls.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"
#include "sync/BWLegacyKeyValueSync.h"
#include "shell/BWReminderManager.h"
#include "sync/BWPhoneSync.h"
#include "sync/OrvaneCloudManager.h"

using namespace BWDefaultsKeys;

void BWAppDelegate::setCloudSync(const CloudSync& sync)
{
    m_cloudSync = sync;
    if (sync.container) {
        if (CloudDatabase* database = sync.container->privateDatabase()) {
            connect(database, &CloudDatabase::recordChanged, this, &BWAppDelegate::didReceiveRemoteNotification,
                    Qt::UniqueConnection);
            connect(database, &CloudDatabase::unreadableCopySetAside, this, &BWAppDelegate::syncSetAsideUnreadableCopy,
                    Qt::UniqueConnection);
        }
    }
    if (sync.engine)
        connect(sync.engine, &OrvaneCloudManager::syncFailed, this, &BWAppDelegate::syncDidFail,
                Qt::UniqueConnection);
    if (sync.keyValueSync)
        connect(sync.keyValueSync, &BWLegacyKeyValueSync::lastSyncedTextChanged, this,
                [this](const QString& text) { syncControls()->setLastSyncedText(text); });
    if (sync.phoneSync) {
        // Once, however often the channels are handed over.
        disconnect(sync.phoneSync, nullptr, this, nullptr);
        connect(sync.phoneSync, &BWPhoneSync::progressSheetShown, this, [this] { syncProgressWindow()->beginSheet(); });
        connect(sync.phoneSync, &BWPhoneSync::progressChanged, this,
                [this](double fraction) { syncProgressWindow()->setProgress(fraction); });
        connect(sync.phoneSync, &BWPhoneSync::syncProgressControllerDidComplete, this,
                [this] { syncProgressWindow()->endSheet(); });
    }
}

BWSyncProgressController* BWAppDelegate::syncProgressWindow()
{
    if (!m_syncProgressWindow) {
        m_syncProgressWindow = new BWSyncProgressController(mainWindow());
        m_syncProgressWindow->setDelegate(this);
    }
    return m_syncProgressWindow;
}

void BWAppDelegate::syncProgressControllerDidComplete()
{
    if (!hasOverview())
        return;
    switchToOverview();
    if (m_reminders)
        m_reminders->checkForNotificationsToAddWithBillList(m_screens.overview->dataSource());
    // Phones exchange nothing yet: no link is left on, and the user hears why.
    if (m_cloudSync.phoneSync) {
        m_cloudSync.phoneSync->endLink();
        m_interaction.showAlert(mainWindow(), BWPhoneSync::nothingExchangedNotice(), QString());
    }
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

BWSyncControls* BWAppDelegate::syncControls()
{
    if (!m_syncControls) {
        m_syncControls = new BWSyncControls;
        connect(m_syncControls, &BWSyncControls::syncRequested, this, &BWAppDelegate::syncFromToolbar);
        if (hasOverview())
            m_screens.overview->addSidebarAccessory(m_syncControls);
        if (!m_syncControls->parent())
            m_syncControls->setParent(this->mainWindow());
    }
    return m_syncControls;
}

// ---- The account and the switch ----------------------------------------------

namespace {

// How often a full pass runs while sync is on, and how soon an account or
// folder that was not there is looked for again.
constexpr int CloudCheckIntervalMs = 5 * 60 * 1000;
constexpr int CloudRetryIntervalMs = 30 * 1000;

}  // namespace

void BWAppDelegate::checkCloudAccountAtStartUp()
{
    if (!m_cloudCheckTimer.isActive()) {
        connect(&m_cloudCheckTimer, &QTimer::timeout, this, &BWAppDelegate::checkForNewiCloudChanges,
                Qt::UniqueConnection);
        m_cloudCheckTimer.start(CloudCheckIntervalMs);
    }
    if (m_defaults.boolForKey(iCloudSyncEnabled2) && m_cloudSync.container) {
        QPointer<BWAppDelegate> self(this);
        m_cloudSync.container->accountStatus([self](CloudContainer::AccountStatus status) {
            if (self)
                self->accountStatusAtStartUp(status);
        });
    }
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWAppDelegate::accountStatusAtStartUp(int status)
{
    if (status == CloudContainer::Available) {
        if (!m_defaults.setBool(iCloudSyncEnabled, false))
            Log::line(QStringLiteral("Could not store %1").arg(iCloudSyncEnabled));
        Log::line(QStringLiteral("iCloud account available"));
        startCloudSyncEngine();
        registerForRemoteNotifications();
        if (m_cloudSync.keyValueSync)
            m_cloudSync.keyValueSync->turnOffiCloudSync();
    } else if (status == CloudContainer::NoAccount) {
        Log::line(QStringLiteral("iCloud account not available, turning iCloud sync off"));
        refuseCloudKitSync(false);
    } else {
        // An account that cannot be reached now is still the user's choice,
        // and is looked for again soon.
        Log::line(QStringLiteral("iCloud account status unknown (%1); sync stays as chosen").arg(status));
        m_cloudCheckTimer.start(CloudRetryIntervalMs);
    }
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWAppDelegate::startCloudSyncEngine()
{
    m_cloudSyncStarted = true;
    m_cloudCheckTimer.start(CloudCheckIntervalMs);
    if (m_cloudSync.engine)
        m_cloudSync.engine->setupiCloudAndSyncCloudChangesSinceLastSync();
}

void BWAppDelegate::enableOrDisableCloudKitSync(bool on)
{
    if (!on || !m_cloudSync.container) {
        Log::line(QStringLiteral("Turning iCloud 2 Off"));
        if (on)
            refuseCloudKitSync(true);
        else
            switchCloudKitSyncOff(false);
        setUpSyncProgressIndicatorAndSyncButtonVisibility();
        return;
    }
    QPointer<BWAppDelegate> self(this);
    m_cloudSync.container->accountStatus([self](CloudContainer::AccountStatus status) {
        if (!self)
            return;
        if (status == CloudContainer::Available) {
            Log::line(QStringLiteral("Turning iCloud 2 On"));
            self->registerForRemoteNotifications();
            self->m_cloudSyncStarted = true;
            if (self->m_cloudSync.engine)
                self->m_cloudSync.engine->turnCloudSyncOn();
        } else if (status == CloudContainer::NoAccount) {
            Log::line(QStringLiteral("Turning iCloud 2 Off"));
            self->refuseCloudKitSync(false);
        } else {
            Log::line(QStringLiteral("iCloud account status unknown (%1); sync stays as chosen").arg(status));
        }
        self->setUpSyncProgressIndicatorAndSyncButtonVisibility();
    });
}

// The stored setting goes back off, and whoever shows it hears why.
void BWAppDelegate::refuseCloudKitSync(bool noSyncHere)
{
    switchCloudKitSyncOff(true);
    emit cloudSyncSwitchedOff(noSyncHere ? tr("Sync is not available in this copy of Orvane.")
                                         : tr("No shared folder is in use: choose one below, then start Orvane "
                                              "again."));
}

void BWAppDelegate::switchCloudKitSyncOff(bool storeOff)
{
    m_cloudSyncStarted = false;
    if (m_cloudSync.engine)
        m_cloudSync.engine->turnCloudSyncOff();
    if (storeOff && !m_defaults.setBool(iCloudSyncEnabled2, false))
        Log::line(QStringLiteral("Could not store %1").arg(iCloudSyncEnabled2));
}

void BWAppDelegate::registerForRemoteNotifications()
{
    OrvaneCloudManager* engine = m_cloudSync.engine;
    if (!engine)
        return;
    // Unique connections: switching on again adds no second reload.
    connect(engine, &OrvaneCloudManager::iCloudChangeReceived, this, &BWAppDelegate::updatesDownloadedFromCloudKit,
            Qt::UniqueConnection);
    connect(engine, &OrvaneCloudManager::noiCloudChanges, this, &BWAppDelegate::noUpdatesDownloadedFromCloudKit,
            Qt::UniqueConnection);
    connect(engine, &OrvaneCloudManager::iCloudChangeUploaded, this, &BWAppDelegate::showLastSyncedNow,
            Qt::UniqueConnection);
    Log::line(QStringLiteral("Registered for remote notifications"));
}

// ---- Changes from other devices --------------------------------------------------

void BWAppDelegate::didReceiveRemoteNotification(const QString& recordType, const QString& recordName, int reason)
{
    if (!m_defaults.setBool(BW_DidReceiveCloudKitChange, true))
        Log::line(QStringLiteral("Could not store %1").arg(BW_DidReceiveCloudKitChange));
    if (!m_defaults.boolForKey(iCloudSyncEnabled2)) {
        Log::line(QStringLiteral("Disregarding notification..."));
        return;
    }
    Log::line(QStringLiteral("Did receive notification"));
    if (m_cloudSync.engine)
        m_cloudSync.engine->receivedChangeFromiCloud(recordType, recordName, reason);
}

void BWAppDelegate::updatesDownloadedFromCloudKit(const QString& billID, const QStringList& changedBills)
{
    Log::line(QStringLiteral("Got update from cloudkit"));
    showLastSyncedNow();
    syncControls()->stopProgress();
    // The change may be an automatic item that is due here.
    logAutomaticPaymentsSoon();
    if (!hasOverview())
        return;
    if (isLocked()) {
        m_reloadWhenUnlocked = true;
        return;
    }
    // Only the rows of what changed are read again, when that is known.
    reloadOverviewAndSuggestions(billID.isEmpty() ? changedBills : QStringList{billID});
    // The tag list is rebuilt from every active bill, not from the list
    // shown, which may be one tag's: the overview holds them all, updated.
    BWTagList(m_storeEnv).updateTagListWithListOfBills(m_screens.overview->allActiveItems());
    if (billPageIsShown() && m_screens.billView && !billID.isEmpty()
        && m_screens.billView->currentBillID() == billID)
        m_screens.billView->loadBillWithID(billID);
}

void BWAppDelegate::noUpdatesDownloadedFromCloudKit()
{
    Log::line(QStringLiteral("No updates from CloudKit"));
    showLastSyncedNow();
    syncControls()->stopProgress();
}

void BWAppDelegate::syncDidFail(const QString& what, const QString& message)
{
    Log::line(QStringLiteral("Sync of %1 failed: %2").arg(what, message));
    syncControls()->stopProgress();
    syncControls()->setLastSyncedText(tr("Sync failed: %1").arg(message));
}

// Said once, when the file is moved: the user may want what it held.
void BWAppDelegate::syncSetAsideUnreadableCopy(const QString& recordName, const QString& where)
{
    Log::line(QStringLiteral("An unreadable copy of %1 was moved to %2").arg(recordName, where));
    syncControls()->setLastSyncedText(tr("A sync file that could not be read was moved to %1").arg(where));
}

void BWAppDelegate::showLastSyncedNow()
{
    const QString moment = QLocale().toString(m_clock.now().toLocalTime(), QLocale::ShortFormat);
    syncControls()->setLastSyncedText(tr("Last Sync: %1").arg(moment));
}

void BWAppDelegate::checkForNewiCloudChanges()
{
    if (!m_defaults.boolForKey(iCloudSyncEnabled2) || !m_cloudSync.container || !m_cloudSync.engine)
        return;
    Log::line(QStringLiteral("Checking for new records on timer..."));
    QPointer<BWAppDelegate> self(this);
    m_cloudSync.container->accountStatus([self](CloudContainer::AccountStatus status) {
        if (!self || !self->m_defaults.boolForKey(iCloudSyncEnabled2))
            return;
        if (status != CloudContainer::Available) {
            Log::line(QStringLiteral("iCloud account status unknown (%1); looking again soon").arg(status));
            self->m_cloudCheckTimer.start(CloudRetryIntervalMs);
        } else if (!self->m_cloudSyncStarted) {
            Log::line(QStringLiteral("iCloud account available"));
            self->registerForRemoteNotifications();
            self->startCloudSyncEngine();
        } else {
            self->m_cloudSync.engine->fetchAndUploadAllRecords();
        }
    });
}

// ---- Side bar --------------------------------------------------------------------

void BWAppDelegate::setUpSyncProgressIndicatorAndSyncButtonVisibility()
{
    BWSyncControls* controls = syncControls();
    controls->stopProgress();
    controls->showSyncButton(m_defaults.boolForKey(iCloudSyncEnabled2)
                             || m_defaults.boolForKey(BWDropboxPhoneSyncEnabled));
}

void BWAppDelegate::togglePhoneSync()
{
    if (!m_cloudSync.phoneSync)
        return;
    if (!m_defaults.boolForKey(BWDropboxPhoneSyncEnabled)) {
        m_cloudSync.phoneSync->didPressLink();
        return;
    }
    m_cloudSync.phoneSync->endLink();
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWAppDelegate::syncFromToolbar()
{
    if (m_defaults.boolForKey(iCloudSyncEnabled2) && m_cloudSync.engine) {
        m_cloudSync.engine->fetchAndUploadAllRecords();
        syncControls()->startProgress();
    } else if (m_defaults.boolForKey(BWDropboxPhoneSyncEnabled) && m_cloudSync.phoneSync) {
        m_cloudSync.phoneSync->didPressLink();
    }
}
