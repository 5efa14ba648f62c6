// Connecting the record-database sync engine to the program: the account
// check, the switch, pushes from other devices, reloading what changed and
// the sync controls of the side bar.
#include "shell/BWCloudSyncGlue.h"

#include "platform/Clock.h"
#include "platform/CloudDatabase.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWBillCommandRunner.h"
#include "shell/BWMainMenu.h"
#include "shell/BWMainWindow.h"
#include "shell/BWOrvaneCloudLoginController.h"
#include "shell/BWReminderManager.h"
#include "shell/BWStartup.h"
#include "shell/BWSyncControls.h"
#include "store/BWBillRecordKeys.h"
#include "widgets/BWIconFont.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"
#include "sync/BWLegacyKeyValueSync.h"
#include "sync/BWPhoneSync.h"
#include "sync/OrvaneCloudManager.h"
#include "widgets/BWIconFont.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include <utility>

using namespace BWDefaultsKeys;

BWCloudSyncGlue::BWCloudSyncGlue(BWAppDelegate& delegate)
    : QObject(&delegate)
    , m_delegate(delegate)
{
    // Changes arrive one after another: what shows them reads them again
    // once they stop coming for a moment, each in its own turn of the loop.
    m_reloadDownloaded.setSingleShot(true);
    m_reloadDownloaded.setInterval(100);
    connect(&m_reloadDownloaded, &QTimer::timeout, this, &BWCloudSyncGlue::reloadDownloaded);
}

BWCloudSyncGlue::~BWCloudSyncGlue() = default;

void BWCloudSyncGlue::setChannels(const Channels& sync)
{
    m_channels = sync;
    if (sync.container) {
        if (CloudDatabase* database = sync.container->privateDatabase()) {
            connect(database, &CloudDatabase::recordChanged, this, &BWCloudSyncGlue::didReceiveRemoteNotification,
                    Qt::UniqueConnection);
            connect(database, &CloudDatabase::unreadableCopySetAside, this,
                    &BWCloudSyncGlue::syncSetAsideUnreadableCopy, Qt::UniqueConnection);
            connect(database, &CloudDatabase::deviceIDInUseElsewhere, this,
                    &BWCloudSyncGlue::tellDeviceIDInUseElsewhere, Qt::UniqueConnection);
        }
    }
    if (sync.engine) {
        connect(sync.engine, &OrvaneCloudManager::syncFailed, this, &BWCloudSyncGlue::syncDidFail,
                Qt::UniqueConnection);
        connect(sync.engine, &OrvaneCloudManager::clockFarAhead, this, &BWCloudSyncGlue::tellClockFarAhead,
                Qt::UniqueConnection);
    }
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

BWSyncProgressController* BWCloudSyncGlue::syncProgressWindow()
{
    if (!m_syncProgressWindow) {
        m_syncProgressWindow = new BWSyncProgressController(m_delegate.window().mainWindow());
        m_syncProgressWindow->setDelegate(this);
    }
    return m_syncProgressWindow;
}

void BWCloudSyncGlue::syncProgressControllerDidComplete()
{
    if (!m_delegate.screens().overview)
        return;
    m_delegate.commands().switchToOverview();
    if (BWReminderManager* reminders = m_delegate.startup().reminderManager())
        reminders->renewRemindersOfListedItems();
    // Phones exchange nothing yet: no link is left on, and the user hears why.
    if (m_channels.phoneSync) {
        m_channels.phoneSync->endLink();
        m_delegate.interaction().showAlert(m_delegate.window().mainWindow(), BWPhoneSync::nothingExchangedNotice(),
                                           QString());
    }
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

BWSyncControls* BWCloudSyncGlue::syncControls()
{
    if (!m_syncControls) {
        m_syncControls = new BWSyncControls;
        connect(m_syncControls, &BWSyncControls::syncRequested, this, &BWCloudSyncGlue::syncFromToolbar);
        if (m_delegate.screens().overview)
            m_delegate.screens().overview->addSidebarAccessory(m_syncControls);
        if (!m_syncControls->parent())
            m_syncControls->setParent(this->m_delegate.window().mainWindow());
    }
    return m_syncControls;
}

bool BWCloudSyncGlue::readyToReload()
{
    if (!m_delegate.screens().overview)
        return false;
    if (m_delegate.startup().isLocked()) {
        m_delegate.startup().reloadWhenUnlocked();
        return false;
    }
    return true;
}

// ---- The account and the switch ----------------------------------------------

namespace {

// How often a full pass runs while sync is on, and how soon an account or
// folder that was not there is looked for again.
constexpr int CloudCheckIntervalMs = 5 * 60 * 1000;
constexpr int CloudRetryIntervalMs = 30 * 1000;

}  // namespace

void BWCloudSyncGlue::checkCloudAccountAtStartUp()
{
    if (!m_cloudCheckTimer.isActive()) {
        connect(&m_cloudCheckTimer, &QTimer::timeout, this, &BWCloudSyncGlue::checkForNewiCloudChanges,
                Qt::UniqueConnection);
        m_cloudCheckTimer.start(CloudCheckIntervalMs);
    }
    if (m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2) && m_channels.container) {
        QPointer<BWCloudSyncGlue> self(this);
        m_channels.container->accountStatus([self](CloudContainer::AccountStatus status) {
            if (self)
                self->accountStatusAtStartUp(status);
        });
    }
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWCloudSyncGlue::accountStatusAtStartUp(int status)
{
    if (status == CloudContainer::Available) {
        if (!m_delegate.storeEnvironment().defaults->setBool(iCloudSyncEnabled, false))
            Log::line(QStringLiteral("Could not store %1").arg(iCloudSyncEnabled));
        Log::line(QStringLiteral("iCloud account available"));
        startCloudSyncEngine();
        registerForRemoteNotifications();
        if (m_channels.keyValueSync)
            m_channels.keyValueSync->turnOffiCloudSync();
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

void BWCloudSyncGlue::startCloudSyncEngine()
{
    m_cloudSyncStarted = true;
    m_cloudCheckTimer.start(CloudCheckIntervalMs);
    if (m_channels.engine)
        m_channels.engine->setupiCloudAndSyncCloudChangesSinceLastSync();
}

void BWCloudSyncGlue::enableOrDisableCloudKitSync(bool on)
{
    if (!on || !m_channels.container) {
        Log::line(QStringLiteral("Turning iCloud 2 Off"));
        if (on)
            refuseCloudKitSync(true);
        else
            switchCloudKitSyncOff(false);
        setUpSyncProgressIndicatorAndSyncButtonVisibility();
        return;
    }
    QPointer<BWCloudSyncGlue> self(this);
    m_channels.container->accountStatus([self](CloudContainer::AccountStatus status) {
        if (!self)
            return;
        if (status == CloudContainer::Available) {
            Log::line(QStringLiteral("Turning iCloud 2 On"));
            self->registerForRemoteNotifications();
            self->m_cloudSyncStarted = true;
            if (self->m_channels.engine)
                self->m_channels.engine->turnCloudSyncOn();
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
void BWCloudSyncGlue::refuseCloudKitSync(bool noSyncHere)
{
    switchCloudKitSyncOff(true);
    emit m_delegate.cloudSyncSwitchedOff(noSyncHere
                                             ? tr("Sync is not available in this copy of Orvane.")
                                             : tr("No shared folder is in use: choose one below, then start Orvane "
                                                  "again."));
}

void BWCloudSyncGlue::switchCloudKitSyncOff(bool storeOff)
{
    m_cloudSyncStarted = false;
    m_writeFailure.clear();
    if (m_channels.engine)
        m_channels.engine->turnCloudSyncOff();
    if (storeOff && !m_delegate.storeEnvironment().defaults->setBool(iCloudSyncEnabled2, false))
        Log::line(QStringLiteral("Could not store %1").arg(iCloudSyncEnabled2));
}

void BWCloudSyncGlue::registerForRemoteNotifications()
{
    OrvaneCloudManager* engine = m_channels.engine;
    if (!engine)
        return;
    // Unique connections: switching on again adds no second reload.
    connect(engine, &OrvaneCloudManager::iCloudChangeReceived, this, &BWCloudSyncGlue::updatesDownloadedFromCloudKit,
            Qt::UniqueConnection);
    connect(engine, &OrvaneCloudManager::noiCloudChanges, this, &BWCloudSyncGlue::noUpdatesDownloadedFromCloudKit,
            Qt::UniqueConnection);
    connect(engine, &OrvaneCloudManager::iCloudChangeUploaded, this, &BWCloudSyncGlue::writeSucceeded,
            Qt::UniqueConnection);
    connect(engine, &OrvaneCloudManager::writeFailed, this, &BWCloudSyncGlue::writeFailed, Qt::UniqueConnection);
    Log::line(QStringLiteral("Registered for remote notifications"));
}

// ---- Changes from other devices --------------------------------------------------

void BWCloudSyncGlue::didReceiveRemoteNotification(const QString& recordType, const QString& recordName, int reason)
{
    if (!m_delegate.storeEnvironment().defaults->setBool(BW_DidReceiveCloudKitChange, true))
        Log::line(QStringLiteral("Could not store %1").arg(BW_DidReceiveCloudKitChange));
    if (!m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2)) {
        Log::line(QStringLiteral("Disregarding notification..."));
        return;
    }
    Log::line(QStringLiteral("Did receive notification"));
    if (m_channels.engine)
        m_channels.engine->receivedChangeFromiCloud(recordType, recordName, reason);
}

void BWCloudSyncGlue::updatesDownloadedFromCloudKit(const QString& billID, const QStringList& changedBills)
{
    Log::line(QStringLiteral("Got update from cloudkit"));
    showLastSyncedNow();
    syncControls()->stopProgress();
    // The change may be an automatic item that is due here.
    QStringList changed = changedBills;
    if (!billID.isEmpty())
        changed.append(billID);
    m_delegate.startup().logAutomaticPaymentsSoon(changed);
    if (!billID.isEmpty())
        m_downloaded.append(billID);
    else if (changedBills.isEmpty())
        m_downloadedAnything = true;
    m_downloaded += changedBills;
    m_reloadDownloaded.start();
}

void BWCloudSyncGlue::reloadDownloaded()
{
    const QStringList changed = std::exchange(m_downloaded, {});
    const bool anything = std::exchange(m_downloadedAnything, false);
    if (!readyToReload())
        return;
    // Only the rows of what changed are read again, when that is known.
    m_delegate.commands().reloadOverviewAndSuggestions(anything ? QStringList() : changed);
    BWBillDetailScreen* billView = m_delegate.screens().billView;
    if (m_delegate.commands().billPageIsShown() && billView && changed.contains(billView->currentBillID()))
        billView->loadBillWithID(billView->currentBillID());
    // In a turn of its own, so that the window answers in between.
    QTimer::singleShot(0, this, &BWCloudSyncGlue::rebuildTagList);
}

void BWCloudSyncGlue::rebuildTagList()
{
    BWOverviewScreen* overview = m_delegate.screens().overview;
    if (!overview)
        return;
    // From every active bill, not from the list shown, which may be one
    // tag's: the overview holds them all, updated.
    BWTagList(m_delegate.storeEnvironment()).updateTagListWithListOfBills(overview->allActiveItems());
}

void BWCloudSyncGlue::noUpdatesDownloadedFromCloudKit()
{
    Log::line(QStringLiteral("No updates from CloudKit"));
    showLastSyncedNow();
    syncControls()->stopProgress();
}

void BWCloudSyncGlue::syncDidFail(const QString& what, const QString& message)
{
    Log::line(QStringLiteral("Sync of %1 failed: %2").arg(what, message));
    syncControls()->stopProgress();
    syncControls()->setLastSyncedText(tr("Sync failed: %1").arg(message));
}

// Said once, when the file is moved: the user may want what it held.
void BWCloudSyncGlue::syncSetAsideUnreadableCopy(const QString& recordName, const QString& where)
{
    Log::line(QStringLiteral("An unreadable copy of %1 was moved to %2").arg(recordName, where));
    syncControls()->setLastSyncedText(tr("A sync file that could not be read was moved to %1").arg(where));
}

void BWCloudSyncGlue::tellClockFarAhead(const QString& deviceID, qint64 leadMs)
{
    if (m_toldClockFarAhead.contains(deviceID))
        return;
    m_toldClockFarAhead.insert(deviceID);
    const int days = int(leadMs / (24LL * 60 * 60 * 1000));
    Log::line(QStringLiteral("The clock of computer %1 is %2 ms ahead").arg(deviceID).arg(leadMs));
    syncControls()->setLastSyncedText(
        tr("The clock of computer %1 is %n day(s) ahead. Set its date and time right; its changes are merged "
           "once it is.",
           nullptr, days)
            .arg(deviceID.left(8)));
}

// The engine gives this computer a new id; the user hears why, once.
void BWCloudSyncGlue::tellDeviceIDInUseElsewhere()
{
    if (std::exchange(m_toldDeviceIDInUse, true))
        return;
    syncControls()->setLastSyncedText(
        tr("Another computer syncs under this computer's id, as after copying a whole disk. This computer now "
           "syncs under an id of its own."));
}

void BWCloudSyncGlue::writeFailed(const QString& what, const QString& message)
{
    Log::line(QStringLiteral("A write of %1 failed: %2").arg(what, message));
    m_writeFailure = message;
    syncControls()->setLastSyncedText(tr("Sync failed: %1").arg(message));
}

void BWCloudSyncGlue::writeSucceeded()
{
    m_writeFailure.clear();
    showLastSyncedNow();
}

// "Last Sync" only while no write failed since the last one that got through:
// a pass of reads alone says nothing of what could not be written.
void BWCloudSyncGlue::showLastSyncedNow()
{
    if (!m_writeFailure.isEmpty()) {
        syncControls()->setLastSyncedText(tr("Sync failed: %1").arg(m_writeFailure));
        return;
    }
    const QString moment
        = QLocale().toString(m_delegate.storeEnvironment().clock->now().toLocalTime(), QLocale::ShortFormat);
    syncControls()->setLastSyncedText(tr("Last Sync: %1").arg(moment));
}

void BWCloudSyncGlue::checkForNewiCloudChanges()
{
    if (!m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2) || !m_channels.container
        || !m_channels.engine)
        return;
    Log::line(QStringLiteral("Checking for new records on timer..."));
    QPointer<BWCloudSyncGlue> self(this);
    m_channels.container->accountStatus([self](CloudContainer::AccountStatus status) {
        if (!self || !self->m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2))
            return;
        if (status != CloudContainer::Available) {
            Log::line(QStringLiteral("iCloud account status unknown (%1); looking again soon").arg(status));
            self->m_cloudCheckTimer.start(CloudRetryIntervalMs);
        } else if (!self->m_cloudSyncStarted) {
            Log::line(QStringLiteral("iCloud account available"));
            self->registerForRemoteNotifications();
            self->startCloudSyncEngine();
        } else {
            self->m_channels.engine->fetchAndUploadAllRecords();
        }
    });
}

// ---- Side bar --------------------------------------------------------------------

void BWCloudSyncGlue::setUpSyncProgressIndicatorAndSyncButtonVisibility()
{
    BWSyncControls* controls = syncControls();
    controls->stopProgress();
    controls->showSyncButton(m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2)
                             || m_delegate.storeEnvironment().defaults->boolForKey(BWDropboxPhoneSyncEnabled));
}

void BWCloudSyncGlue::togglePhoneSync()
{
    if (!m_channels.phoneSync)
        return;
    if (!m_delegate.storeEnvironment().defaults->boolForKey(BWDropboxPhoneSyncEnabled)) {
        m_channels.phoneSync->didPressLink();
        return;
    }
    m_channels.phoneSync->endLink();
    setUpSyncProgressIndicatorAndSyncButtonVisibility();
}

void BWCloudSyncGlue::syncFromToolbar()
{
    if (m_delegate.storeEnvironment().defaults->boolForKey(iCloudSyncEnabled2) && m_channels.engine) {
        m_channels.engine->fetchAndUploadAllRecords();
        syncControls()->startProgress();
    } else if (m_delegate.storeEnvironment().defaults->boolForKey(BWDropboxPhoneSyncEnabled) && m_channels.phoneSync) {
        m_channels.phoneSync->didPressLink();
    }
}

// ---- The cloud account ------------------------------------------------------------

bool BWCloudSyncGlue::configureCloudAccount()
{
    if (!m_cloudAccount)
        return false;
    if (!m_cloudAccount->configure())
        Log::line(QStringLiteral("Orvane Cloud is not set up on this computer"));
    return true;
}

bool BWCloudSyncGlue::registerCloudAccount()
{
    // Without the user's cloud settings there is no account to offer.
    if (!m_cloudAccount || !m_cloudAccount->isConfigured())
        return false;
    connect(m_cloudAccount, &BWCloudAccount::authStateChanged, this, &BWCloudSyncGlue::followCloudUser);
    for (auto change : {&BWCloudAccount::billAddedFromFirebase, &BWCloudAccount::billChangedInFirebase,
                        &BWCloudAccount::billDeletedInFirebase})
        connect(m_cloudAccount, change, this, &BWCloudSyncGlue::updateFromFirebaseChangeWithDictionary);
    m_loginController = std::make_unique<BWOrvaneCloudLoginController>(*m_cloudAccount, m_delegate.interaction());
    addCloudAccountCommands();
    // A session resumed while the settings were read counts as a sign-in.
    followCloudUser(m_cloudAccount->currentUser());
    return true;
}

void BWCloudSyncGlue::addCloudAccountCommands()
{
    BWMainMenu* menu = m_delegate.window().mainMenu();
    if (!menu)
        return;
    auto* account = new QAction(tr("Orvane Cloud Account…"), menu);
    account->setObjectName(QStringLiteral("cloudAccount"));
    account->setIcon(
        BWIconFont::icon(QStringLiteral("cloudAccount"), menu->toolbar()->palette().color(QPalette::ButtonText)));
    account->setToolTip(tr("Orvane Cloud"));
    connect(account, &QAction::triggered, this, &BWCloudSyncGlue::openOrvaneCloudScreen);
    QMenu* file = menu->fileMenu();
    QAction* close = menu->action(BWMenuValidation::Command::CloseWindow);
    file->insertAction(close, account);
    file->insertSeparator(close);
    menu->toolbar()->addSeparator();
    menu->toolbar()->addAction(account);
    m_cloudAccountAction = account;
}

void BWCloudSyncGlue::openOrvaneCloudScreen()
{
    if (!m_loginController)
        return;
    // From the menu with the window closed, the popover has no button to
    // point at and opens in the middle of the screen.
    QWidget* button = nullptr;
    if (m_delegate.window().mainMenu() && m_delegate.startup().mainWindowIsVisible())
        button = m_delegate.window().mainMenu()->toolbar()->widgetForAction(m_cloudAccountAction);
    m_loginController->openOrvaneCloudScreen(button);
}

// Signing in starts the listeners and one pass that sends what the server
// lacks, once per signed-in account however often the state is reported;
// signing out stops the listeners again.
void BWCloudSyncGlue::followCloudUser(const BWCloudAccount::User& user)
{
    if (user.uid == m_syncedUserUID)
        return;
    if (!m_syncedUserUID.isEmpty())
        m_cloudAccount->stopListeningForChanges();
    m_syncedUserUID = user.uid;
    m_cloudAccount->setUserUID(user.uid);
    if (!user.isSignedIn())
        return;
    m_cloudAccount->listenForChangesToBills();
    m_cloudAccount->uploadAllBillsToFirebaseIfNecessary();
}

// The store has already merged the bill's tags into the tag list, which the
// overview shows as it reloads.
void BWCloudSyncGlue::updateFromFirebaseChangeWithDictionary(const QVariantMap& bill)
{
    Log::line(QStringLiteral("Got update from Firebase"));
    const QString billID = bill.value(BillKeys::Bid).toString();
    // The change may be an automatic item that is due here.
    m_delegate.startup().logAutomaticPaymentsSoon({billID});
    if (!readyToReload())
        return;
    const bool showsThisBill = m_delegate.commands().billPageIsShown() && m_delegate.screens().billView
                               && !billID.isEmpty() && m_delegate.screens().billView->currentBillID() == billID;
    if (showsThisBill && m_delegate.commands().billIsDeleted(billID)) {
        // Removed on another device: its page would show a bill that is gone.
        m_delegate.commands().switchToOverview();
        return;
    }
    m_delegate.commands().reloadOverviewAndSuggestions();
    if (showsThisBill)
        m_delegate.screens().billView->loadBillWithID(billID);
}
