#pragma once

#include <QDateTime>
#include <QMenu>
#include <QVariantList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <optional>
#include <memory>

#include "shell/BWAppScreens.h"
#include "sync/OrvaneTurnQueue.h"

class BWAppDelegate;
class UserActivity;
struct BWStoreEnvironment;
class BWMenulet;
class BWPasswordLock;
class BWReminderManager;
class CalendarStore;
class QAbstractButton;
class QMessageBox;
class SleepWatcher;
class UserDefaults;
class UserNotificationCenter;

// Start-up, the main loop and shut-down: the fixed order of start-up, the
// Dock and tray visibility, the password lock's hold on the windows, the
// day-change timer with sleep and wake, the automatic-payment step, the
// calendar access the reminders use, what a changed setting brings, and the
// quit question. Owned by the application delegate, whose other concerns it
// drives at start-up.
class BWStartup : public QObject
{
    Q_OBJECT

public:
    // With the Dock icon (regular) or as a tray item only (accessory). A
    // desktop without a dock shows the program by its main window either way.
    enum class ActivationPolicy { Regular, Accessory };
    // Asks "Really Quit Orvane?" and answers the button the user clicked;
    // tests answer in place of the user.
    using QuitQuestion = std::function<QAbstractButton*(QMessageBox& question)>;

    // Calendar stores are opened on `calendarFolder`.
    BWStartup(BWAppDelegate& delegate, const QString& calendarFolder);
    ~BWStartup() override;

    // What start-up uses besides the screens and the store; each may stay
    // unset. Set before start-up.
    void setPasswordController(BWPasswordLock* lock) { m_passwordController = lock; }
    void setNotificationCenter(UserNotificationCenter* center) { m_notificationCenter = center; }
    void setSleepWatcher(SleepWatcher* watcher) { m_sleepWatcher = watcher; }
    // The application menu, which receives the update-check item.
    void setAppMenu(QMenu* appMenu) { m_appMenu = appMenu; }
    QMenu* appMenu() const { return m_appMenu; }
    void setQuitQuestion(QuitQuestion question) { m_quitQuestion = std::move(question); }
    // Whether the desktop shows tray icons; taken for yes until set.
    void setTrayAvailability(std::function<bool()> available) { m_trayAvailable = std::move(available); }
    // The service that makes the bills' reminders; it must outlive the delegate.
    void setReminderManager(BWReminderManager* reminders) { m_reminders = reminders; }
    BWReminderManager* reminderManager() const { return m_reminders; }

    // Registers the defaults table and applies the per-start resets; false
    // when one of its writes failed (the remaining steps still run).
    bool initializeDefaults();
    // Opens a fresh calendar store, replacing any earlier one, and asks it
    // for access to events.
    void requestAccessToCalendar();
    // The store of the last access request of this run; null before one.
    std::shared_ptr<CalendarStore> currentEventStore() const { return m_eventStore; }
    void promptForAccessToCalendar(const QAbstractButton* sender);

    // Gives the screens' amount fields one shared currency formatter and
    // wires the overview's table to open a bill on a double click.
    void awakeFromNib();
    void addNumberFormatters();
    // Everything else, in a fixed order, each step announced through the
    // delegate's startUpStepDone().
    void applicationDidFinishLaunching();
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    bool applicationShouldTerminate();
    void terminate();
    void applicationWillTerminate();
    bool setDockIconVisibility();
    ActivationPolicy activationPolicy() const { return m_activationPolicy; }
    void createMenuAfterPassword();

    BWMenulet* menulet() const { return m_menulet.get(); }
    BWPasswordLock* passwordController() const { return m_passwordController; }
    // True from the enter-password window at start-up until the right
    // password was given; nothing shows the main window meanwhile.
    bool isLocked() const { return m_locked; }
    // A synced change arrived while locked: the screens read it at unlock.
    void reloadWhenUnlocked() { m_reloadWhenUnlocked = true; }
    // Brings the main window to the front; while the lock is up, the lock's
    // window instead. False when the main window was not shown.
    bool bringMainWindowToFront();
    bool mainWindowIsVisible() const;
    // Whether a tray icon is there to bring the window back.
    bool trayItemIsShown() const;
    bool isTerminating() const { return m_terminating; }
    // Tells the user, once ever, why the window stays within reach.
    void explainReachableWindowOnce(const QString& message, const QString& details);
    void tellScheduleNotSavedOnce(const QString& error);

    QDateTime launchDate() const { return m_launchDate; }
    const QTimer& updateTimer() const { return m_updateTimer; }
    // On a new calendar date since the last look: logs the automatic
    // payments that fell due and reloads the overview. True on a new date.
    bool checkForDateChange();
    // A new day's due items are being looked for or logged.
    bool isLoggingDuePayments() const { return m_dueLookups > 0 || !m_automaticWrites.isEmpty(); }
    void startTimer();
    void receiveSleepNote();
    void receiveWakeNote();
    // Runs the automatic-payment step (due automatic bills and income); the
    // ids of the items it logged.
    QStringList logAutomaticPayments();
    // The same from the event loop, once for a burst of calls: a synced
    // change arrives from inside the sync engine's own work, which must be
    // over before anything is written. Only the items that changed can have
    // fallen due; with none named, any may have, and they are looked for on
    // a worker, since reading every item would hold the window.
    void logAutomaticPaymentsSoon(const QStringList& changedItems);

    // A setting was changed in the preferences: what shows it follows.
    void preferenceDidChange(const QString& key);
    // Weekend, holiday or vacation settings changed: the reminders of the
    // listed bills move to the days the bills are now shown due.
    void dueDateShiftsDidChange();
    // The reminders of the listed bills made again under the settings of the
    // moment; those of bills no longer listed removed.
    void renewReminders();
    void openSupportAddress(const QString& address);

    // Small calls the framework, the screens and the menus make.
    void userNotificationCenterDidActivateNotification(const QVariantMap& userInfo);
    void getUrl(const QString& url);
    bool continueUserActivity(const UserActivity& activity);
    void applicationDidResignActive();
    QVariantList getBills() const;
    void updateOverview();
    void selectSearchField();
    void signUpForList();
    void readBlogPost();
    void reportBug();

private:
    void showPasswordState(bool passwordSet);
    const BWStoreEnvironment& env() const;
    const BWAppScreens& screens() const;
    bool passwordIsSet() const;
    void finishStartUpOnceShown();
    // Finishes a deletion cut short between its two writes, from the bill
    // files read on a worker.
    void putIndexRightFromBillFiles();
    bool createMenuIfEnabled();
    void observeSleepAndWake();
    void setNotificationCenterVisibility();
    void finishedStep(const QString& step);
    void showNewDay();
    void logAutomaticPaymentsOfChangedItems();
    void showAutomaticPayments(const QStringList& logged);
    // Logs what is due of `candidates` through the turn queue, then runs
    // `done`.
    void logDuePaymentsOnTurns(const QStringList& candidates, const std::function<void()>& done);
    // Tray-only mode as it takes effect: on a desktop without a tray the
    // window stays the program's handle.
    bool runsInTrayOnly() const;

    BWAppDelegate& m_delegate;
    UserDefaults& m_defaults;
    QString m_calendarFolder;
    std::shared_ptr<CalendarStore> m_eventStore;
    QDateTime m_launchDate;
    QTimer m_updateTimer;
    QTimer m_automaticPaymentsSoon;
    QStringList m_automaticCandidates;
    bool m_automaticAnyItem = false;
    // The day's automatic payments, written a few a turn.
    int m_dueLookups = 0;
    OrvaneTurnQueue m_automaticWrites;
    ActivationPolicy m_activationPolicy = ActivationPolicy::Regular;
    std::unique_ptr<BWMenulet> m_menulet;
    BWPasswordLock* m_passwordController = nullptr;
    UserNotificationCenter* m_notificationCenter = nullptr;
    SleepWatcher* m_sleepWatcher = nullptr;
    BWReminderManager* m_reminders = nullptr;
    QPointer<QMenu> m_appMenu;
    QuitQuestion m_quitQuestion;
    std::function<bool()> m_trayAvailable = [] { return true; };
    // The tray-only state of this run, read at its first use.
    mutable std::optional<bool> m_runsInTrayOnly;
    // Set while quitting, when the main window closes for good.
    bool m_terminating = false;
    bool m_toldScheduleNotSaved = false;
    bool m_locked = false;
    bool m_reloadWhenUnlocked = false;
};
