#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Navigation, bill commands and the main window
#include <QList>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <vector>
#include "shell/BWCloudAccount.h"
#include "shell/BWMenuValidation.h"
#include "shell/BWSyncProgressController.h"
#include "shell/BWUserInteraction.h"
#include "shell/BWVersion7ImportWindow.h"
#include "shell/BWWelcomeSheet.h"
#include "store/BWStoreEnvironment.h"
#include "store/PaymentKind.h"
class BWForecastViewController;
class BWOrvaneCloudLoginController;
class BWHistoryViewController;
class BWReportController;
class BWBillDetailScreen;
class BWImportController;
class BWDailyBackup;
class BWObjectController;
class BWMainMenu;
class BWBillEditorScreen;
class BWLogPaymentScreen;
class BWOverviewScreen;
class BWView;
class BWWindowController;
class QAction;
class QRect;
class QWidget;

// Start-up, main loop and shut-down
#include <QDateTime>
#include <QTimer>
#include <functional>
class BWMenulet;
class BWPasswordLock;
class BWReminderManager;
class QMenu;
class QMessageBox;
class SleepWatcher;
class UserActivity;
class UserNotificationCenter;

class BWLegacyKeyValueSync;
class BWPhoneSync;
class BWSyncControls;
class CalendarStore;
class Clock;
class CloudContainer;
class OrvaneCloudManager;
class QAbstractButton;
class UserDefaults;

// The application's delegate: lives for the whole run and performs start-up.
class BWAppDelegate : public QObject, public SyncProgressControllerDelegate
{
    Q_OBJECT

public:
    // `env` gives the user's standard defaults, the suite the companion
    // extension reads, the clock and the store's folders (it becomes the
    // store environment of the commands as well); calendar stores are opened
    // on `calendarFolder`.
    BWAppDelegate(const BWStoreEnvironment& env, const QString& calendarFolder, QObject* parent = nullptr);
    ~BWAppDelegate() override;

    // Registers the defaults table and applies the per-start resets; runs at
    // every start before anything reads a setting. Returns false when one of
    // its writes failed; the remaining steps still run, and a failed value
    // holds in memory for this run.
    bool initializeDefaults();

    // Opens a fresh calendar store, replacing any earlier one, and asks it
    // for access to events.
    void requestAccessToCalendar();
    // The store of the last access request of this run; null before one.
    // Shared, so that a holder keeps a usable store across a later request.
    std::shared_ptr<CalendarStore> currentEventStore() const { return m_eventStore; }

    // ---- Start-up, main loop and shut-down ----

    // The service name under which the lock keeps its password.
    static inline const QString PasswordServiceName = QStringLiteral("Orvane");
    // Seconds between two looks for a change of day.
    static constexpr int DateCheckIntervalSeconds = 120;

    // With the Dock icon (regular) or as a tray item only (accessory). A
    // desktop without a dock shows the program by its main window either way.
    enum class ActivationPolicy { Regular, Accessory };

    // Asks "Really Quit Orvane?" and answers the button the user clicked;
    // tests answer in place of the user.
    using QuitQuestion = std::function<QAbstractButton*(QMessageBox& question)>;

    // What start-up uses besides the screens and the store; each may stay
    // unset. Set before applicationDidFinishLaunching().
    void setPasswordController(BWPasswordLock* lock) { m_passwordController = lock; }
    void setNotificationCenter(UserNotificationCenter* center) { m_notificationCenter = center; }
    void setSleepWatcher(SleepWatcher* watcher) { m_sleepWatcher = watcher; }
    // The application menu, which receives the update-check item.
    void setAppMenu(QMenu* appMenu);
    void setQuitQuestion(QuitQuestion question) { m_quitQuestion = std::move(question); }
    // Whether the desktop shows tray icons; taken for yes until set.
    void setTrayAvailability(std::function<bool()> available) { m_trayAvailable = std::move(available); }

    // Start-up, part one: gives the screens' amount fields the shared
    // currency formatter and wires the overview's table to open a bill on a
    // double click. Needs the screens.
    void awakeFromNib();
    // Gives every amount field of the screens one shared currency formatter,
    // so that they all show and read money alike.
    void addNumberFormatters();
    // Start-up, part two: everything else, in a fixed order (each step is
    // announced through startUpStepDone()).
    void applicationDidFinishLaunching();

    // Another start of the program, or the desktop, asks for Orvane: looks
    // for a new day and brings the main window back when no window shows.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    // Whether quitting may go on; in menu-bar-only mode with the main window
    // showing, the user may choose to close just the window instead.
    bool applicationShouldTerminate();
    // Quits through the quit question.
    void terminate();
    // Last work before the program ends: the day-change timer stops.
    void applicationWillTerminate();
    // The launch address the login agent opens; it only starts Orvane.
    void getUrl(const QString& url);
    // Continues a hand-off activity: the overview's list, or one bill.
    // Always true.
    bool continueUserActivity(const UserActivity& activity);

    // Applies OrvaneVisibility to the activation policy and to the switches
    // BWEnableMenu and BWEnableDocklet: Dock-only mode turns the tray item
    // off; menu-bar-only mode drops the Dock icon, but only after the first
    // launch and without a password. False when a switch could not be stored.
    bool setDockIconVisibility();
    ActivationPolicy activationPolicy() const { return m_activationPolicy; }

    // The tray item; null until start-up made it.
    BWMenulet* menulet() const { return m_menulet.get(); }
    BWPasswordLock* passwordController() const { return m_passwordController; }
    // True from the enter-password window at start-up until the right
    // password was given; nothing shows the main window meanwhile.
    bool isLocked() const { return m_locked; }
    // Brings the main window to the front; while the lock is up, the lock's
    // window instead. False when the main window was not shown.
    bool bringMainWindowToFront();

    QDateTime launchDate() const { return m_launchDate; }
    const QTimer& updateTimer() const { return m_updateTimer; }

    // The displayed records including income; the screens fetch them here.
    QVariantList getBills() const;

signals:
    void startUpStepDone(const QString& step);
    // Sync was switched back off because it cannot run here; `reason` is
    // one line for the user.
    void cloudSyncSwitchedOff(const QString& reason);

public slots:
    // The calendar-reminders switch: turning it on asks for calendar access.
    void promptForAccessToCalendar(const QAbstractButton* sender);

    // On a new calendar date since the last look: logs the automatic
    // payments that fell due and reloads the overview. True on a new date.
    bool checkForDateChange();
    // (Re)starts the repeating day-change timer.
    void startTimer();
    void receiveSleepNote();
    void receiveWakeNote();
    // Opens the bill of a clicked reminder.
    void userNotificationCenterDidActivateNotification(const QVariantMap& userInfo);
    // Another program became active: what the user looked at here is no
    // longer current.
    void applicationDidResignActive();
    void updateOverview();
    // After the right password: the tray item and the main window.
    void createMenuAfterPassword();
    void selectSearchField();
    void signUpForList();
    void readBlogPost();
    void reportBug();

private:
    UserDefaults& m_defaults;
    UserDefaults& m_appGroup;
    const Clock& m_clock;
    QString m_calendarFolder;
    std::shared_ptr<CalendarStore> m_eventStore;

    bool passwordIsSet() const;
    // Runs the automatic-payment step (due automatic bills and income); the
    // ids of the items it logged.
    QStringList logAutomaticPayments();
    // The overview's list of all items, read again for a new day.
    void showNewDay();
    // Runs the automatic-payment step from the event loop, once for a burst
    // of calls, and reloads what shows a payment it stored: a synced change
    // arrives from inside the sync engine's own work, which must be over
    // before anything is written.
    void logAutomaticPaymentsSoon();
    // The rest of start-up, once the main window has been painted (at once
    // when it does not show): the daily backup, the cloud's account check,
    // the cloud prompt's count, and tidying what moves and backups cut short
    // left outside the data folder in use.
    void finishStartUpOnceShown();
    void showPasswordState(bool passwordSet);
    bool createMenuIfEnabled();
    void observeSleepAndWake();
    void setNotificationCenterVisibility();
    void finishedStep(const QString& step);
    bool mainWindowIsVisible() const;
    // Tray-only mode as it takes effect: on a desktop without a tray the
    // window stays the program's handle.
    bool runsInTrayOnly() const;
    // Whether a tray icon is there to bring the window back.
    bool trayItemIsShown() const;
    // Tells the user, once ever, why the window stays within reach.
    void explainReachableWindowOnce(const QString& message, const QString& details);
    void openSupportAddress(const QString& address);

    QDateTime m_launchDate;
    QTimer m_updateTimer;
    QTimer m_automaticPaymentsSoon;
    ActivationPolicy m_activationPolicy = ActivationPolicy::Regular;
    std::unique_ptr<BWMenulet> m_menulet;
    BWPasswordLock* m_passwordController = nullptr;
    UserNotificationCenter* m_notificationCenter = nullptr;
    SleepWatcher* m_sleepWatcher = nullptr;
    QPointer<QMenu> m_appMenu;
    QuitQuestion m_quitQuestion;
    std::function<bool()> m_trayAvailable = [] { return true; };
    // Set while quitting, when the main window closes for good.
    bool m_terminating = false;
    bool m_locked = false;
    // A synced change arrived while locked: the screens read it at unlock.
    bool m_reloadWhenUnlocked = false;

    // Each block below opens with its own access label, so members may be
    // added to one block without touching the others.

    // Main window
public:
    // Makes the main window's controller, with this delegate as the window's
    // delegate; the window's content view becomes mainView().
    void createMainWindowController();
    BWWindowController* customWindowController() const { return m_customWindowController; }
    // The main window's content view; null before the controller exists.
    BWView* mainView() const;
    QWidget* mainWindow() const;
    // Places the panes of both screens in the main window, once at start-up:
    // the overview's in sight, the bill page's just outside it, ready to slide
    // in (when there is a bill page). Needs the controller and the overview.
    void initializeViews();

public slots:
    // Keeps the panes of the shown screen filling the window and shows or
    // hides the overview's search field and action text by the width.
    void windowDidResize(QWidget* window);
    void windowDidEndLiveResize(QWidget* window);
    // The main window is never zoomed.
    bool windowShouldZoom(QWidget* window, const QRect& frame);
    // Closing the main window hides it while a tray icon can bring it back;
    // without one it is minimised instead, so that the taskbar keeps it.
    bool windowShouldClose(QWidget* window);
    void updateSearchFieldVisibility();
    void updateoverViewBottomTextVisibility();

private:
    void addPanes(std::initializer_list<QWidget*> panes);
    void placeBillPageOutOfSight(BWBillDetailScreen& page);
    void sizeOverviewPanes();
    void sizeBillPagePanes();
    void placeOverviewPanesInSight(bool animated);
    void placeOverviewPanesOutOfSight(bool animated);
    void placeBillPagePanesInSight(bool animated);
    void placeBillPagePanesOutOfSight(bool animated);
    // Owned as a child object of the delegate.
    BWWindowController* m_customWindowController = nullptr;
    bool m_viewsInitialized = false;
    // (end Main window)

    // Navigation and bill commands
public:
    // The two pane sets of the main window.
    static inline const QString OverviewPaneSet = QStringLiteral("overview");
    static inline const QString BillPaneSet = QStringLiteral("bill");
    // Hand-off activity types: one bill, and the overview's list.
    static inline const QString ViewBillActivityType = QStringLiteral("com.Bramwick.Orvane.viewbill");
    static inline const QString AllBillsActivityType = QStringLiteral("com.Bramwick.Orvane.allbills");

    // The main window's screens. The delegate doesn't own them; they are set
    // once, before initializeViews(), and must outlive the delegate (or be
    // taken back with setScreens({}) before they go). Without the overview the
    // commands below do nothing. The others may be missing: a command that
    // needs a missing one (opening a bill page, editing, deleting, restoring,
    // the log-payment panel) beeps instead, and the rest work as usual.
    struct Screens
    {
        BWOverviewScreen* overview = nullptr;
        BWBillDetailScreen* billView = nullptr;
        BWBillEditorScreen* billEditor = nullptr;
        BWLogPaymentScreen* payLogger = nullptr;
    };
    // Also starts watching the screens' popovers and the log-payment panel,
    // whose showing and closing decide what to reload.
    void setScreens(const Screens& screens);
    const Screens& screens() const { return m_screens; }
    void setStoreEnvironment(const BWStoreEnvironment& env) { m_storeEnv = env; }
    void setUserInteraction(const BWUserInteraction& interaction) { m_interaction = interaction; }
    // The preferences window; it answers the side windows' keys from then on.
    void setPrefWindow(QWidget* prefWindow);

    // OverviewPaneSet or BillPaneSet: which pane set the main window shows.
    QString visibleView() const { return m_visibleView; }
    // The bill the commands act on: the overview's selected row while the
    // overview is shown, the bill page's bill while that is shown; "" for none.
    QString currentBillID() const;

public slots:
    // Shows the overview's selected record on the bill page.
    void switchToBillView(QObject* sender = nullptr);
    // Shows that bill on the bill page; nothing for a bill that can't be loaded.
    void showBillFromSearch(const QString& billID);
    // Back to the overview, reloaded; nothing when it is shown already.
    void switchToOverview(QObject* sender = nullptr);
    // Reloads the overview and moves to it, even when it is shown already.
    void switchToOverviewAndReload(QObject* sender = nullptr);
    void switchToOverviewWithoutReloading(QObject* sender = nullptr);
    void showOverviewFromMenu(QObject* sender = nullptr);
    void showOrvane();
    void showPreferences();
    // Asks the application to quit; the quit question still applies.
    void quitOrvane();
    // The sender's tag is the step: -1 previous bill, +1 next bill.
    void switchBills(QObject* sender);
    // A bill chosen in the tray menu: the main window in front, showing it.
    void menuItemSelected(const QString& billID);
    void createNewBillFromMenu(QObject* sender = nullptr);
    void createNewSavingsGoalFromMenu(QObject* sender = nullptr);
    // Flips whether paydays show on the overview; false when the setting
    // could not be stored (nothing changes then).
    bool toggleIncomeVisibility(QObject* sender = nullptr);
    void updateIncomeVisibility(bool paydaysShown);
    void enableOrDisableSelectedMenusAndButtons();
    void closePopoversIfNeeded();

    // ---- What the screens announce (connected by whoever builds them) ----
    // Payments were stored on the items `billIDs` (none named: on any): what
    // shows them reloads, the overview keeping its selected row.
    void reloadAfterPayment(const QStringList& billIDs = {});
    // An item was saved, deleted or archived, or the bill page stored a
    // change (to `billID`; none named: to any): what shows it reloads, and a
    // bill page whose bill was deleted gives way to the overview.
    void reloadAfterItemChange(const QString& billID = QString());
    // The editor saved an item (`billID`; none named: any): an automatic bill
    // or income item whose due date has passed is logged at once, then what
    // shows it reloads.
    void reloadAfterItemSaved(const QString& billID = QString());

    // The sender's tag: 0 full payment, 1 and 3 partial payment (the panel),
    // 2 quick log (no panel).
    void showLogPaymentPanel(QObject* sender);
    // Logs the stored amount on the due date; false when nothing was logged.
    bool performQuickLogForBillId(const QString& billID);
    void quickLogShortcutPressed(QObject* sender = nullptr);
    void skipPaymentFromTouchbar(QObject* sender = nullptr);
    // Pay now: the log-payment panel and the bill's pay site.
    void showBillWithPayAction(QObject* sender = nullptr);
    // The bill's pay site only.
    void showBillWithWebsiteAction();
    void editSelectedBill(QObject* sender = nullptr);
    void deleteSelectedBill(QObject* sender = nullptr);
    // Tag 0 archives the current bill, tag 1 restores it; false when a write
    // failed or there was nothing to act on.
    bool archiveSelectedBill(QObject* sender);
    // Saves the current bill's payments as comma-separated text where the
    // user chooses; true only when the file was written.
    bool exportSelectedBillToCSV(QObject* sender = nullptr);

private:
    bool hasOverview() const { return m_screens.overview != nullptr; }
    // Whether the screen is there; beeps when it is not, as for any command
    // that can't be carried out.
    bool billPageOrBeep();
    bool editorOrBeep();
    bool overviewIsShown() const { return m_visibleView == OverviewPaneSet; }
    bool billPageIsShown() const { return m_visibleView == BillPaneSet; }
    QList<int> selectedOverviewRows() const;
    // The row commands act on; -1 for none.
    int selectedOverviewRow() const;
    std::optional<QVariantMap> selectedRecord() const;
    void selectOverviewRow(int row);
    void reloadBillPageAndOverview(const QStringList& billIDs = {});
    // The overview's rows of `billIDs`, or the whole list when none are named.
    void reloadOverviewItems(const QStringList& billIDs);
    // The overview (only the rows of `billIDs` when some are named) and the
    // editor's name suggestions.
    void reloadOverviewAndSuggestions(const QStringList& billIDs = {});
    bool billIsDeleted(const QString& billID) const;
    void openNewItemEditor(void (BWBillEditorScreen::*create)(QWidget*), QObject* sender);
    void moveToBillPage();
    void showBillViewOnTimer();
    void showOverviewOnTimer();
    void publishBillActivity(const QVariantMap& record);
    void focusMainView();
    // The record of the bill the user is looking at, fresh from the store.
    std::optional<QVariantMap> recordOfCurrentBill() const;
    bool incomeLogsItself() const;
    bool offersPaymentKind(const QString& billID, PaymentKind kind) const;
    // Shows the current bill's pay site in the bill page's own browser through
    // `showInPage`, or else in the desktop's after `beforeDesktopBrowser` ran.
    void showPaySiteOfCurrentBill(void (BWBillDetailScreen::*showInPage)(),
                                  const std::function<void()>& beforeDesktopBrowser);
    bool paysInInternalBrowser() const;
    void openPaySite(const QVariantMap& record);
    static QString billIDOf(const QVariantMap& record);
    // Where the record stands in `list`: the record itself, or else the first
    // entry of its bill; -1 when neither is there.
    static int positionOf(const QVariantList& list, const QVariantMap& record);
    void beep();
    void playRefusalSound();

    Screens m_screens;
    BWStoreEnvironment m_storeEnv;
    BWUserInteraction m_interaction = BWUserInteraction::system();
    QString m_visibleView = OverviewPaneSet;
    QPointer<QWidget> m_prefWindow;
    // (end Navigation and bill commands)

    // Backup, imports and the welcome sheet
public:
    // The menu item that shows the day of the last backup.
    QAction* lastBackedUpMenuItem();
    // The data-folder, maintenance and help actions.
    BWObjectController* objectController();
    // The import of the fourth version's bills.
    BWImportController* importer();
    BWWelcomeSheet* welcomeScreen() const { return m_welcomeScreen; }
    // Shows the welcome sheet on the main window on the first start of this
    // version (BW_IsFirstLaunchV8_NEW).
    void showWelcomeScreen();

public slots:
    // Stores the previous version's items left in the app-group suite;
    // returns how many.
    int importVersion7Data();
    // Closes the welcome sheet and settles the first-start switches.
    void startUsing();
    void showOrvane7ImportOptions();
    void eneableiCloudFromImportMenu(bool on);
    // Imports the previous version's data folder below a chosen home folder.
    void selectFolderForImport();
    // After asking: the next start is a first start again, and Orvane quits.
    void reimportFromOrvane7();

private:
    // Starts the once-a-day backup, which copies on a worker, and shows its
    // day in the menu item once it is made; the start-up step
    // "backupDatabase" is done then.
    void backupDatabaseAndShowDate();
    void showLastBackup();
    // The data-folder and import items of the File menu, and the help pages.
    void addDataFolderAndHelpItems(BWMainMenu& menu);
    // Gives the overview the main menu's items and the toolbar's edit button
    // that the shell enables; once both the menu and the overview exist.
    void handMenuItemsToOverview();
    QAction* m_previousVersionImportItem = nullptr;
    QAction* m_version4ImportItem = nullptr;
    QAction* m_version4FolderImportItem = nullptr;
    QAction* m_lastBackedUpMenuItem = nullptr;
    BWDailyBackup* m_dailyBackup = nullptr;
    BWObjectController* m_objectController = nullptr;
    BWImportController* m_importer = nullptr;
    QPointer<BWWelcomeSheet> m_welcomeScreen;
    QPointer<BWVersion7ImportWindow> m_importOrvane7Window;
    // (end Backup, imports and the welcome sheet)
    // Main menu bar and toolbar
public:
    // What the menu's commands depend on at this moment.
    BWMenuValidation::Context commandContext() const;
    // The main window's menu bar and toolbar; null before the window exists.
    BWMainMenu* mainMenu() const;

public slots:
    // Enables the menu's items for the current pane set and selection.
    void validateMainMenu();
    // The toolbar shows its icons only, at the regular size.
    void updateToolbar();
    // The overview shows one of its lists (an index of the list drop-down).
    void showListMode(int index);
    // Closes the main window; Orvane keeps running.
    void closeMainWindow();

private:
    void createMainMenu();
    QPointer<BWMainMenu> m_mainMenu;
    // (end Main menu bar and toolbar)

    // Forecast, history and report windows
public:
    // Each window is made at its first showing and set up afresh at every
    // showing; nothing happens while the password lock is on.
    void showForecast();
    void showHistory();
    void showReports();
    BWForecastViewController* forecastController() const { return m_forecast.get(); }
    BWHistoryViewController* historyController() const { return m_history.get(); }
    BWReportController* reportController() const { return m_reports.get(); }

private:
    // Ctrl+W and Escape close the window (Ctrl+Q quits from every window).
    void addSideWindowKeys(QWidget* window);
    template <typename Controller>
    Controller& madeOnce(std::unique_ptr<Controller>& controller, QWidget* (Controller::*window)() const);
    std::unique_ptr<BWForecastViewController> m_forecast;
    std::unique_ptr<BWHistoryViewController> m_history;
    std::unique_ptr<BWReportController> m_reports;
    // (end Forecast, history and report windows)

    // Cloud sync
public:
    // What keeps this device in step with the user's others. Set once,
    // before applicationDidFinishLaunching(); each may stay unset.
    struct CloudSync
    {
        CloudContainer* container = nullptr;
        OrvaneCloudManager* engine = nullptr;
        BWLegacyKeyValueSync* keyValueSync = nullptr;
        BWPhoneSync* phoneSync = nullptr;
    };
    // Also listens to the container's database for changes pushed by other
    // devices (once, however often sync is switched on).
    void setCloudSync(const CloudSync& sync);
    // The sync button, its progress bar and the "Last Sync" text; made on
    // first use and placed at the foot of the overview's side bar.
    BWSyncControls* syncControls();
    // The phone sync's progress sheet; made on first use.
    BWSyncProgressController* syncProgressWindow();
    // The progress sheet ended: the overview shows and reminders are renewed.
    void syncProgressControllerDidComplete() override;

public slots:
    // The record-database sync switch: on asks for the account first.
    void enableOrDisableCloudKitSync(bool on);
    // Listens to the engine's announcements (once).
    void registerForRemoteNotifications();
    // A change another device made, pushed by the database.
    void didReceiveRemoteNotification(const QString& recordType, const QString& recordName, int reason);
    // The engine wrote a downloaded change: `billID`, or "" for lists.
    // A downloaded change was written: one bill, or (`billID` empty) the
    // bills of `changedBills`, or, with neither, anything.
    void updatesDownloadedFromCloudKit(const QString& billID, const QStringList& changedBills = {});
    void noUpdatesDownloadedFromCloudKit();
    // A full pass while sync is on, so that no change waits for the sync
    // button: run every few minutes, on wake and at start-up. A folder or
    // account that was not there when sync started is subscribed to as
    // soon as it is.
    void checkForNewiCloudChanges();
    void setUpSyncProgressIndicatorAndSyncButtonVisibility();
    // The sync button: a full pass while record-database sync is on, else
    // the phone sync while that is on.
    void syncFromToolbar();
    // The phone sync's switch: starts a run while the phone sync is off (a
    // completed run turns it on), ends its link while it is on.
    void togglePhoneSync();

private:
    // Start-up: asks for the account when sync is on, then sets the side bar.
    void checkCloudAccountAtStartUp();
    void accountStatusAtStartUp(int status);
    void switchCloudKitSyncOff(bool storeOff);
    // Sync cannot run: no sync service at all, or no folder or account.
    void refuseCloudKitSync(bool noSyncHere);
    void showLastSyncedNow();
    void syncDidFail(const QString& what, const QString& message);
    void syncSetAsideUnreadableCopy(const QString& recordName, const QString& where);
    // Subscriptions and a full pass, once the account answers.
    void startCloudSyncEngine();
    CloudSync m_cloudSync;
    // Whether the engine subscribed to the database since sync was last on.
    bool m_cloudSyncStarted = false;
    QTimer m_cloudCheckTimer;
    QPointer<BWSyncControls> m_syncControls;
    QPointer<BWSyncProgressController> m_syncProgressWindow;
    // (end Cloud sync)

    // Preferences
public:
    // The service that makes the bills' reminders; set it for reminders to
    // follow settings that move due dates. It must outlive the delegate.
    void setReminderManager(BWReminderManager* reminders) { m_reminders = reminders; }

public slots:
    // A setting was changed in the preferences: what shows it follows.
    void preferenceDidChange(const QString& key);
    // Weekend, holiday or vacation settings changed: the reminders of the
    // listed bills move to the days the bills are now shown due.
    void dueDateShiftsDidChange();
    // The reminders of the listed bills made again under the settings of the
    // moment; those of bills no longer listed removed.
    void renewReminders();

private:
    BWReminderManager* m_reminders = nullptr;
    // (end Preferences)

    // Cloud account
public:
    // The cloud account of the run; set before applicationDidFinishLaunching()
    // and must outlive the delegate. Without one, or without the user's cloud
    // settings, nothing of the account shows.
    void setCloudAccount(BWCloudAccount* account) { m_cloudAccount = account; }
    BWCloudAccount* cloudAccount() const { return m_cloudAccount; }
    // The account popover; null while the account isn't set up.
    BWOrvaneCloudLoginController* loginController() const { return m_loginController.get(); }
    // The toolbar button and menu item that open the popover; null likewise.
    QAction* cloudAccountAction() const { return m_cloudAccountAction; }

public slots:
    // Opens the account popover below the toolbar button.
    void openOrvaneCloudScreen();
    // Another device's bill arrived or went: the overview, its tags and the
    // bill page (when it shows that bill) read the data folder again; while
    // locked, only once the password is given.
    void updateFromFirebaseChangeWithDictionary(const QVariantMap& bill);

private:
    // Start-up: reads the user's cloud settings and resumes a kept session.
    // False without an account.
    bool configureCloudAccount();
    // Start-up: follows the account for the rest of the run and offers the
    // popover. False without an account set up by the user.
    bool registerCloudAccount();
    void addCloudAccountCommands();
    void followCloudUser(const BWCloudAccount::User& user);
    BWCloudAccount* m_cloudAccount = nullptr;
    std::unique_ptr<BWOrvaneCloudLoginController> m_loginController;
    QPointer<QAction> m_cloudAccountAction;
    // The account whose bills are being synced; empty while none is.
    QString m_syncedUserUID;
    // (end Cloud account)
};
