#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

#include "shell/BWAppScreens.h"
#include "shell/BWBillCommandRunner.h"
#include "shell/BWCloudSyncGlue.h"
#include "shell/BWMainWindow.h"
#include "shell/BWSideWindows.h"
#include "shell/BWStartup.h"
#include "shell/BWUserInteraction.h"
#include "shell/BWWelcomeFlow.h"
#include "store/BWStoreEnvironment.h"

class BWImportController;
class BWView;
class BWWelcomeSheet;
class BWWindowController;
class QAbstractButton;
class QAction;
class QRect;
class QWidget;
class UserActivity;

// The application's delegate: lives for the whole run and owns the shell's
// concerns, each a class with its own state: start-up, the main loop and
// shut-down (BWStartup); the main window, its panes, menu bar and toolbar
// (BWMainWindow); moving between the overview and a bill and the bill
// commands (BWBillCommandRunner); the welcome sheet, imports and data-folder
// actions (BWWelcomeFlow); the forecast, history, report and preferences
// windows (BWSideWindows); and the sync channels with the cloud account
// (BWCloudSyncGlue). The calls the framework, the screens and the menus make
// of the delegate go on to the concern they belong to.
class BWAppDelegate : public QObject
{
    Q_OBJECT

public:
    // The service name under which the lock keeps its password.
    static inline const QString PasswordServiceName = QStringLiteral("Orvane");
    // Seconds between two looks for a change of day.
    static constexpr int DateCheckIntervalSeconds = 120;
    // The two pane sets of the main window.
    static inline const QString OverviewPaneSet = QStringLiteral("overview");
    static inline const QString BillPaneSet = QStringLiteral("bill");
    // Hand-off activity types: one bill, and the overview's list.
    static inline const QString ViewBillActivityType = QStringLiteral("com.Bramwick.Orvane.viewbill");
    static inline const QString AllBillsActivityType = QStringLiteral("com.Bramwick.Orvane.allbills");
    using Screens = BWAppScreens;
    using ActivationPolicy = BWStartup::ActivationPolicy;

    // `env` gives the user's settings, the suite the companion extension
    // reads, the clock and the store's folders; calendar stores are opened on
    // `calendarFolder`.
    BWAppDelegate(const BWStoreEnvironment& env, const QString& calendarFolder, QObject* parent = nullptr);
    ~BWAppDelegate() override;

    // ---- What the concerns share, and the concerns ----
    const BWStoreEnvironment& storeEnvironment() const { return m_storeEnv; }
    const BWUserInteraction& interaction() const { return m_interaction; }
    void setUserInteraction(const BWUserInteraction& interaction) { m_interaction = interaction; }
    // Also starts watching the screens' popovers and the log-payment panel.
    void setScreens(const Screens& screens);
    const Screens& screens() const { return m_screens; }
    BWStartup& startup() const { return *m_startup; }
    BWMainWindow& window() const { return *m_mainWindow; }
    BWBillCommandRunner& commands() const { return *m_commands; }
    BWWelcomeFlow& welcome() const { return *m_welcome; }
    BWSideWindows& sideWindows() const { return *m_sideWindows; }
    BWCloudSyncGlue& cloudSync() const { return *m_cloudSync; }

    // ---- Start-up, main loop and shut-down ----
    bool initializeDefaults() { return m_startup->initializeDefaults(); }
    void requestAccessToCalendar() { m_startup->requestAccessToCalendar(); }
    std::shared_ptr<CalendarStore> currentEventStore() const { return m_startup->currentEventStore(); }
    void awakeFromNib() { m_startup->awakeFromNib(); }
    void addNumberFormatters() { m_startup->addNumberFormatters(); }
    void applicationDidFinishLaunching() { m_startup->applicationDidFinishLaunching(); }
    bool applicationShouldHandleReopen(bool visible) { return m_startup->applicationShouldHandleReopen(visible); }
    bool applicationShouldTerminate() { return m_startup->applicationShouldTerminate(); }
    void terminate() { m_startup->terminate(); }
    void applicationWillTerminate() { m_startup->applicationWillTerminate(); }
    void getUrl(const QString& url) { m_startup->getUrl(url); }
    bool continueUserActivity(const UserActivity& activity) { return m_startup->continueUserActivity(activity); }
    bool setDockIconVisibility() { return m_startup->setDockIconVisibility(); }
    BWMenulet* menulet() const { return m_startup->menulet(); }
    BWPasswordLock* passwordController() const { return m_startup->passwordController(); }
    QDateTime launchDate() const { return m_startup->launchDate(); }
    const QTimer& updateTimer() const { return m_startup->updateTimer(); }
    QVariantList getBills() const { return m_startup->getBills(); }

    // ---- The main window ----
    BWWindowController* customWindowController() const { return m_mainWindow->customWindowController(); }
    BWView* mainView() const { return m_mainWindow->mainView(); }
    void initializeViews() { m_mainWindow->initializeViews(); }
    void updateToolbar() { m_mainWindow->updateToolbar(); }

    // ---- Navigation and bill commands ----
    QString visibleView() const { return m_commands->visibleView(); }
    QString currentBillID() const { return m_commands->currentBillID(); }

    // ---- Welcome sheet, imports and the daily backup ----
    QAction* lastBackedUpMenuItem() { return m_welcome->lastBackedUpMenuItem(); }
    BWImportController* importer() { return m_welcome->importer(); }
    BWWelcomeSheet* welcomeScreen() const { return m_welcome->welcomeScreen(); }
    void showWelcomeScreen() { m_welcome->showWelcomeScreen(); }

    // ---- Cloud sync and the cloud account ----
    BWSyncProgressController* syncProgressWindow() { return m_cloudSync->syncProgressWindow(); }
    void syncProgressControllerDidComplete() { m_cloudSync->syncProgressControllerDidComplete(); }
    BWOrvaneCloudLoginController* loginController() const { return m_cloudSync->loginController(); }

signals:
    void startUpStepDone(const QString& step);
    // Sync was switched back off because it cannot run here; `reason` is
    // one line for the user.
    void cloudSyncSwitchedOff(const QString& reason);

public slots:
    void promptForAccessToCalendar(const QAbstractButton* sender) { m_startup->promptForAccessToCalendar(sender); }
    bool checkForDateChange() { return m_startup->checkForDateChange(); }
    void startTimer() { m_startup->startTimer(); }
    void receiveSleepNote() { m_startup->receiveSleepNote(); }
    void receiveWakeNote() { m_startup->receiveWakeNote(); }
    void userNotificationCenterDidActivateNotification(const QVariantMap& userInfo)
    {
        m_startup->userNotificationCenterDidActivateNotification(userInfo);
    }
    void applicationDidResignActive() { m_startup->applicationDidResignActive(); }
    void updateOverview() { m_startup->updateOverview(); }
    void createMenuAfterPassword() { m_startup->createMenuAfterPassword(); }
    void selectSearchField() { m_startup->selectSearchField(); }
    void signUpForList() { m_startup->signUpForList(); }
    void readBlogPost() { m_startup->readBlogPost(); }
    void reportBug() { m_startup->reportBug(); }

    // The main window's notifications (BWWindowController asks by name).
    void windowDidResize(QWidget*) { m_mainWindow->windowDidResize(); }
    void windowDidEndLiveResize(QWidget*) { m_mainWindow->windowDidEndLiveResize(); }
    // The main window is never zoomed.
    bool windowShouldZoom(QWidget*, const QRect&) { return false; }
    bool windowShouldClose(QWidget* window) { return m_mainWindow->windowShouldClose(window); }
    void updateSearchFieldVisibility() { m_mainWindow->updateSearchFieldVisibility(); }
    void updateoverViewBottomTextVisibility() { m_mainWindow->updateoverViewBottomTextVisibility(); }

    void switchToBillView(QObject* sender = nullptr) { m_commands->switchToBillView(sender); }
    void showBillFromSearch(const QString& billID) { m_commands->showBillFromSearch(billID); }
    void switchToOverview(QObject* sender = nullptr) { m_commands->switchToOverview(sender); }
    void switchToOverviewAndReload(QObject* sender = nullptr) { m_commands->switchToOverviewAndReload(sender); }
    void switchToOverviewWithoutReloading(QObject* sender = nullptr)
    {
        m_commands->switchToOverviewWithoutReloading(sender);
    }
    void showOverviewFromMenu(QObject* sender = nullptr) { m_commands->showOverviewFromMenu(sender); }
    void showOrvane() { m_commands->showOrvane(); }
    void showPreferences() { m_sideWindows->showPreferences(); }
    void quitOrvane() { m_startup->terminate(); }
    void switchBills(QObject* sender) { m_commands->switchBills(sender); }
    void menuItemSelected(const QString& billID) { m_commands->menuItemSelected(billID); }
    void createNewBillFromMenu(QObject* sender = nullptr) { m_commands->createNewBillFromMenu(sender); }
    void createNewSavingsGoalFromMenu(QObject* sender = nullptr) { m_commands->createNewSavingsGoalFromMenu(sender); }
    bool toggleIncomeVisibility(QObject* sender = nullptr) { return m_commands->toggleIncomeVisibility(sender); }
    void updateIncomeVisibility(bool paydaysShown) { m_commands->updateIncomeVisibility(paydaysShown); }
    void enableOrDisableSelectedMenusAndButtons() { m_commands->enableOrDisableSelectedMenusAndButtons(); }
    void closePopoversIfNeeded() { m_commands->closePopoversIfNeeded(); }
    void showLogPaymentPanel(QObject* sender) { m_commands->showLogPaymentPanel(sender); }
    bool performQuickLogForBillId(const QString& billID) { return m_commands->performQuickLogForBillId(billID); }
    void quickLogShortcutPressed(QObject* sender = nullptr) { m_commands->quickLogShortcutPressed(sender); }
    void skipPaymentFromTouchbar(QObject* sender = nullptr) { m_commands->skipPaymentFromTouchbar(sender); }
    void showBillWithPayAction(QObject* sender = nullptr) { m_commands->showBillWithPayAction(sender); }
    void showBillWithWebsiteAction() { m_commands->showBillWithWebsiteAction(); }
    void editSelectedBill(QObject* sender = nullptr) { m_commands->editSelectedBill(sender); }
    void deleteSelectedBill(QObject* sender = nullptr) { m_commands->deleteSelectedBill(sender); }
    bool archiveSelectedBill(QObject* sender) { return m_commands->archiveSelectedBill(sender); }
    bool exportSelectedBillToCSV(QObject* sender = nullptr) { return m_commands->exportSelectedBillToCSV(sender); }

    int importVersion7Data() { return m_welcome->importVersion7Data(); }
    void startUsing() { m_welcome->startUsing(); }
    void showOrvane7ImportOptions() { m_welcome->showOrvane7ImportOptions(); }
    void eneableiCloudFromImportMenu(bool on) { m_welcome->eneableiCloudFromImportMenu(on); }
    void selectFolderForImport() { m_welcome->selectFolderForImport(); }
    void reimportFromOrvane7() { m_welcome->reimportFromOrvane7(); }

    void enableOrDisableCloudKitSync(bool on) { m_cloudSync->enableOrDisableCloudKitSync(on); }
    void registerForRemoteNotifications() { m_cloudSync->registerForRemoteNotifications(); }
    void didReceiveRemoteNotification(const QString& recordType, const QString& recordName, int reason)
    {
        m_cloudSync->didReceiveRemoteNotification(recordType, recordName, reason);
    }
    void updatesDownloadedFromCloudKit(const QString& billID, const QStringList& changedBills = {})
    {
        m_cloudSync->updatesDownloadedFromCloudKit(billID, changedBills);
    }
    void noUpdatesDownloadedFromCloudKit() { m_cloudSync->noUpdatesDownloadedFromCloudKit(); }
    void checkForNewiCloudChanges() { m_cloudSync->checkForNewiCloudChanges(); }
    void setUpSyncProgressIndicatorAndSyncButtonVisibility()
    {
        m_cloudSync->setUpSyncProgressIndicatorAndSyncButtonVisibility();
    }
    void syncFromToolbar() { m_cloudSync->syncFromToolbar(); }
    void openOrvaneCloudScreen() { m_cloudSync->openOrvaneCloudScreen(); }
    void updateFromFirebaseChangeWithDictionary(const QVariantMap& bill)
    {
        m_cloudSync->updateFromFirebaseChangeWithDictionary(bill);
    }

private:
    BWStoreEnvironment m_storeEnv;
    BWUserInteraction m_interaction = BWUserInteraction::system();
    Screens m_screens;
    // Made in the constructor, in this order; each is a child object too.
    BWStartup* m_startup = nullptr;
    BWMainWindow* m_mainWindow = nullptr;
    BWBillCommandRunner* m_commands = nullptr;
    BWWelcomeFlow* m_welcome = nullptr;
    BWSideWindows* m_sideWindows = nullptr;
    BWCloudSyncGlue* m_cloudSync = nullptr;
};
