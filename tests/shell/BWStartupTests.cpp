#include "StartupTestFixture.h"

#include "platform/BWUIDMaker.h"
#include "platform/HybridLogicalClock.h"
#include "platform/PropertyList.h"
#include "platform/SleepWatcher.h"
#include "platform/UserActivity.h"
#include "platform/UserNotificationCenter.h"
#include "screens/BWView.h"
#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWMenulet.h"
#include "shell/BWPasswordController.h"
#include "shell/BWPasswordLock.h"
#include "shell/BWTaskbarPresence.h"
#include "shell/BWUserInteraction.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillIndex.h"
#include "store/BWBillMerge.h"
#include "store/BWDataFolder.h"
#include "support/FakeSecretStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

// ---- Start-up order ----------------------------------------------------------

// The backup, the cloud's account check and the cloud prompt's count come
// once the window has been painted.
TEST_F(BWStartupTest, StartsUpInItsFixedOrder)
{
    const QStringList beforeThePaint{"launchDate",
                                     "createMainWindowController",
                                     "mainViewButtons",
                                     "passwordState",
                                     "initializeDefaults",
                                     "setDockIconVisibility",
                                     "initializeViews",
                                     "addUpdatesMenu",
                                     "createMenu",
                                     "loadOverview",
                                     "setListOfActiveBills",
                                     "overviewShown",
                                     "setNotificationCenterVisibility",
                                     "startTimer",
                                     "observeSleepAndWake",
                                     "showMainWindow",
                                     "updateIncomeVisibility"};
    startWithScreens();
    EXPECT_EQ(steps, beforeThePaint);
    EXPECT_TRUE(delegate.lastBackedUpMenuItem()->text().isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return stepIndex("backupDatabase") >= 0; }, 30000));
    const QStringList onceShown{"mainWindowShown", "tidyInterruptedCopies", "cloudSync", "cloudPrompt",
                                "backupDatabase"};
    EXPECT_EQ(steps, beforeThePaint + onceShown);
    EXPECT_FALSE(BWBillsLoader(store.env).lastBackedUpNaturalDate().isEmpty());
    EXPECT_TRUE(delegate.lastBackedUpMenuItem()->text().endsWith(BWBillsLoader(store.env).lastBackedUpNaturalDate()));
}

// A program that starts in the tray only has no window to paint: the rest
// of start-up follows at once from the event loop.
TEST_F(BWStartupTest, WithoutAWindowTheRestOfStartUpFollowsAtOnce)
{
    startAfterFirstLaunch(1);
    ASSERT_FALSE(windowIsVisible());
    EXPECT_EQ(stepIndex("backupDatabase"), -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stepIndex("backupDatabase") >= 0; }, 30000));
    EXPECT_GT(stepIndex("backupDatabase"), stepIndex("updateIncomeVisibility"));
    EXPECT_FALSE(BWBillsLoader(store.env).lastBackedUpNaturalDate().isEmpty());
}

// A window that does not get to draw (minimised by the window manager,
// closed to the tray at once, or kept from painting) still gets the backup,
// the sync check, the tray's list and the tidy-up, once.
TEST_F(BWStartupTest, TheRestOfStartUpDoesNotWaitForAPaintThatNeverComes)
{
    // Takes the window's paint events before anything else sees them.
    struct NoPaint : QObject
    {
        using QObject::QObject;
        bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
    };
    const struct
    {
        const char* what;
        std::function<void(QWidget&)> window;
    } rows[] = {
        {"hidden before it draws", [](QWidget& window) { window.hide(); }},
        {"minimised before it draws", [](QWidget& window) { window.showMinimized(); }},
        {"never painted", [](QWidget& window) { window.installEventFilter(new NoPaint(&window)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        shelltest::ShellTestStore runStore;
        BWAppDelegate run{runStore.env, runStore.temp.file(QStringLiteral("calendars"))};
        QStringList runSteps;
        QObject::connect(&run, &BWAppDelegate::startUpStepDone,
                         [&runSteps](const QString& step) { runSteps.append(step); });
        run.applicationDidFinishLaunching();
        ASSERT_NE(run.window().mainWindow(), nullptr);
        ASSERT_TRUE(run.window().mainWindow()->isVisible());
        ASSERT_FALSE(runSteps.contains(QStringLiteral("backupDatabase")));
        row.window(*run.window().mainWindow());
        EXPECT_TRUE(QTest::qWaitFor([&] { return runSteps.contains(QStringLiteral("backupDatabase")); }, 30000));
        EXPECT_EQ(runSteps.count(QStringLiteral("mainWindowShown")), 1);
        EXPECT_EQ(runSteps.count(QStringLiteral("backupDatabase")), 1);
        EXPECT_FALSE(BWBillsLoader(runStore.env).lastBackedUpNaturalDate().isEmpty());
    }
}

TEST_F(BWStartupTest, LeavesTheRunningProgramReadyToUse)
{
    store.addBill(QStringLiteral("Rent"), 2);
    startWithScreens();

    EXPECT_EQ(delegate.launchDate(), store.clock.now());
    EXPECT_TRUE(windowIsVisible());
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
    EXPECT_EQ(delegate.mainView()->overviewbutton(), overview.overviewButtonLog());
    EXPECT_EQ(delegate.mainView()->button(), billPage.logPaymentButtonDetail());
    EXPECT_EQ(overview.loadCount, 1);
    EXPECT_EQ(editor.listOfActiveBills.size(), 1);
    ASSERT_NE(delegate.menulet(), nullptr);
    EXPECT_NE(delegate.menulet()->statusItem(), nullptr);
    EXPECT_TRUE(delegate.updateTimer().isActive());
    EXPECT_EQ(delegate.updateTimer().interval(), 120 * 1000);
    EXPECT_EQ(delegate.startup().activationPolicy(), BWAppDelegate::ActivationPolicy::Regular);
    EXPECT_EQ(delegate.getBills().size(), 1);
}

TEST_F(BWStartupTest, StartsWithoutScreensAsFarAsItCan)
{
    delegate.applicationDidFinishLaunching();
    for (const QString& step :
         QStringList{"mainViewButtons", "initializeViews", "loadOverview", "setListOfActiveBills"})
        EXPECT_EQ(stepIndex(step), -1) << step.toStdString();
    EXPECT_TRUE(windowIsVisible());
    EXPECT_NE(delegate.menulet(), nullptr);
    EXPECT_TRUE(delegate.updateTimer().isActive());
}

TEST_F(BWStartupTest, DoubleClickingARowOpensThatBill)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    startWithScreens();
    overview.selectRows({0});
    emit overview.billTable()->doubleClicked(overview.billTable()->model()->index(0, 0));
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);
    EXPECT_EQ(billPage.currentBillID(), billID);
}

// ---- Dock and tray visibility ------------------------------------------------

TEST_F(BWStartupTest, MenuBarOnlyModeKeepsTheWindowClosed)
{
    ASSERT_TRUE(store.defaults.setBool(BWEnableDocklet, false));
    startAfterFirstLaunch(1);

    EXPECT_EQ(delegate.startup().activationPolicy(), BWAppDelegate::ActivationPolicy::Accessory);
    EXPECT_FALSE(windowIsVisible());
    EXPECT_NE(delegate.menulet(), nullptr);
    EXPECT_TRUE(store.defaults.boolForKey(BWEnableMenu));
    EXPECT_FALSE(store.defaults.boolForKey(BWEnableDocklet));  // left as it was
}

TEST_F(BWStartupTest, MenuBarOnlyModeWaitsForTheFirstLaunchToPass)
{
    ASSERT_TRUE(store.defaults.setBool(BWEnableDocklet, false));
    ASSERT_TRUE(store.defaults.setInteger(OrvaneVisibility, 1));
    startWithScreens();  // FirstLaunchSinceiCloud2 is still on

    EXPECT_EQ(delegate.startup().activationPolicy(), BWAppDelegate::ActivationPolicy::Regular);
    EXPECT_FALSE(BWTaskbarPresence::skipsTaskbar(*delegate.window().mainWindow()));
    EXPECT_TRUE(store.defaults.boolForKey(BWEnableDocklet));
    EXPECT_FALSE(windowIsVisible());  // the window still follows the chosen mode
}

TEST_F(BWStartupTest, DockOnlyModeMakesNoTrayItem)
{
    startAfterFirstLaunch(2);
    EXPECT_EQ(delegate.menulet(), nullptr);
    EXPECT_EQ(stepIndex(QStringLiteral("createMenu")), -1);
    EXPECT_FALSE(UserDefaults(store.defaults.path()).boolForKey(BWEnableMenu));
    EXPECT_TRUE(windowIsVisible());
}

// Whatever the chosen mode, a running Orvane keeps something to click: the
// tray icon where the desktop shows one, otherwise the window, which closing
// then minimises to the taskbar. The user hears why, once.
TEST_F(BWStartupTest, WithoutATrayIconTheWindowStaysWithinReach)
{
    struct Case
    {
        qlonglong visibility;
        bool trayAvailable;
        bool shownAtStart;
        bool closesToTray;
    };
    const Case cases[] = {
        {0, true, true, true},   {1, true, false, true},  {2, true, true, false},
        {0, false, true, false}, {1, false, true, false}, {2, false, true, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(testing::Message() << "visibility " << each.visibility << ", tray " << each.trayAvailable);
        shelltest::ShellTestStore runStore;
        ASSERT_TRUE(runStore.defaults.setBool(FirstLaunchSinceiCloud2, false));
        ASSERT_TRUE(runStore.defaults.setInteger(OrvaneVisibility, each.visibility));
        BWAppDelegate run(runStore.env, runStore.temp.file(QStringLiteral("calendars")));
        QStringList alerts;
        BWUserInteraction interaction;
        interaction.showAlert = [&alerts](QWidget*, const QString& message, const QString&) { alerts.append(message); };
        run.setUserInteraction(interaction);
        run.startup().setTrayAvailability([&each] { return each.trayAvailable; });
        run.applicationDidFinishLaunching();
        QWidget* window = run.window().mainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->isVisible(), each.shownAtStart);
        EXPECT_EQ(run.startup().activationPolicy() == BWAppDelegate::ActivationPolicy::Accessory,
                  each.visibility == 1 && each.trayAvailable);
        // The tray's window stays out of the task bar.
        EXPECT_EQ(BWTaskbarPresence::skipsTaskbar(*window), each.visibility == 1 && each.trayAvailable);

        run.startup().bringMainWindowToFront();
        window->close();
        EXPECT_EQ(window->isVisible(), !each.closesToTray);
        EXPECT_EQ(window->isMinimized(), !each.closesToTray);
        window->close();
        // Told once, at start or at the first close, and never again.
        EXPECT_EQ(alerts.size(), each.closesToTray ? 0 : 1) << alerts.join(u',').toStdString();
        EXPECT_EQ(runStore.defaults.boolForKey(BWToldWindowStaysReachable), !each.closesToTray);
        run.applicationShouldHandleReopen(false);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isMinimized());
    }
}

// ---- Password lock -----------------------------------------------------------

TEST_F(BWStartupLockedTest, AskForThePasswordBeforeShowingAnything)
{
    startAfterFirstLaunch(0);

    EXPECT_EQ(lock.shownWindows, QList<int>{BWPasswordLock::EnterPassword});
    EXPECT_TRUE(delegate.startup().isLocked());
    EXPECT_EQ(delegate.menulet(), nullptr);
    EXPECT_FALSE(windowIsVisible());
    EXPECT_EQ(lock.enableDisablePasswordButton()->text(), QStringLiteral("Disable Password Protection"));
    EXPECT_EQ(lock.enableDisablePasswordButton()->property("tag").toInt(), 1);
    EXPECT_EQ(lock.passwordStatus()->text(), QStringLiteral("Enabled"));
}

TEST_F(BWStartupLockedTest, NothingShowsTheWindowWhileLocked)
{
    startAfterFirstLaunch(0);
    delegate.applicationShouldHandleReopen(false);
    delegate.showOrvane();
    EXPECT_FALSE(windowIsVisible());
}

// Starting Orvane again while it is locked asks for it: the lock comes forward.
TEST_F(BWStartupLockedTest, ReopeningWhileLockedRaisesTheLockWindow)
{
    startAfterFirstLaunch(0);
    const int raisedAtStart = lock.raised;
    delegate.applicationShouldHandleReopen(false);
    EXPECT_EQ(lock.raised, raisedAtStart + 1);
    delegate.createMenuAfterPassword();
    delegate.applicationShouldHandleReopen(false);
    EXPECT_EQ(lock.raised, raisedAtStart + 1) << "unlocked, the main window comes instead";
    EXPECT_TRUE(windowIsVisible());
}

TEST_F(BWStartupLockedTest, TheRightPasswordBringsTheTrayItemAndTheWindow)
{
    store.addBill(QStringLiteral("Rent"), 2);
    startAfterFirstLaunch(0);
    delegate.createMenuAfterPassword();

    EXPECT_FALSE(delegate.startup().isLocked());
    EXPECT_TRUE(windowIsVisible());
    ASSERT_NE(delegate.menulet(), nullptr);
    const QList<QAction*> items = delegate.menulet()->theMenu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_TRUE(items.at(2)->text().startsWith(QStringLiteral("Rent")));
}

// Nothing shows a synced change behind the lock; the password brings it.
TEST_F(BWStartupLockedTest, SyncedChangesShowOnlyAfterThePassword)
{
    const QString id = store.addBill(QStringLiteral("Rent"), 2);
    startAfterFirstLaunch(0);
    const std::function<void()> arrivals[] = {
        [&] {
            delegate.updateFromFirebaseChangeWithDictionary({{BillKeys::Bid, id}});
        },
        [&] { delegate.updatesDownloadedFromCloudKit(id); },
    };
    const int loads = overview.loadCount;
    for (const auto& arrive : arrivals)
        arrive();
    EXPECT_EQ(overview.loadCount, loads);
    delegate.createMenuAfterPassword();
    EXPECT_EQ(overview.loadCount, loads + 1);
    delegate.createMenuAfterPassword();
    EXPECT_EQ(overview.loadCount, loads + 1) << "one reload for what arrived";
}

TEST_F(BWStartupLockedTest, ALockedProgramKeepsItsDockIcon)
{
    startAfterFirstLaunch(1);
    EXPECT_EQ(delegate.startup().activationPolicy(), BWAppDelegate::ActivationPolicy::Regular);
}

TEST_F(BWStartupLockedTest, TheTrayItemFollowsItsSwitchAfterThePasswordToo)
{
    startAfterFirstLaunch(2);
    delegate.createMenuAfterPassword();
    EXPECT_EQ(delegate.menulet(), nullptr);
    EXPECT_TRUE(windowIsVisible());
}

TEST_F(BWStartupTest, APasswordSetInOneRunIsAskedForAtTheNextStart)
{
    FakeSecretStore secrets;
    const auto noAlerts
        = [](QWidget*, const QString& message, const QString&) { ADD_FAILURE() << message.toStdString(); };
    {
        BWPasswordController earlierRun(secrets, store.defaults, noAlerts);
        earlierRun.enableDisablePasswordButton()->click();
        earlierRun.enterPasswordField()->setText(QStringLiteral("pw"));
        earlierRun.reEnterPasswordField()->setText(QStringLiteral("pw"));
        earlierRun.confirmButton()->click();
    }

    BWPasswordController lock(secrets, store.defaults, noAlerts);
    QObject::connect(&lock, &BWPasswordController::passwordAccepted, &delegate,
                     &BWAppDelegate::createMenuAfterPassword);
    delegate.startup().setPasswordController(&lock);
    bool askedBeforeTheWindowShowed = false;
    QTimer::singleShot(0, [&] {
        askedBeforeTheWindowShowed = lock.passwordWindow()->isVisible() && !windowIsVisible();
        lock.enterPasswordField()->setText(QStringLiteral("pw"));
        lock.confirmButton()->click();
    });
    startAfterFirstLaunch(0);

    EXPECT_TRUE(askedBeforeTheWindowShowed);
    EXPECT_FALSE(delegate.startup().isLocked());
    EXPECT_TRUE(windowIsVisible());
    EXPECT_NE(delegate.menulet(), nullptr);
}

TEST_F(BWStartupTest, WithoutAPasswordTheLockShowsItsOffState)
{
    FakePasswordLock lock(false);
    delegate.startup().setPasswordController(&lock);
    startWithScreens();
    EXPECT_TRUE(lock.shownWindows.isEmpty());
    EXPECT_FALSE(delegate.startup().isLocked());
    EXPECT_EQ(lock.enableDisablePasswordButton()->text(), QStringLiteral("Enable Password Protection"));
    EXPECT_EQ(lock.enableDisablePasswordButton()->property("tag").toInt(), 0);
    EXPECT_EQ(lock.passwordStatus()->text(), QStringLiteral("Disabled"));
}

// ---- Cloud prompt ------------------------------------------------------------

TEST_F(BWStartupTest, TheCloudPromptEndsWithThreeBills)
{
    for (const char* name : {"Rent", "Power", "Water"})
        store.addBill(name, 10);
    startWithScreens();
    EXPECT_FALSE(UserDefaults(store.defaults.path()).boolForKey(BW_ShouldDisplayOrvaneCloudPrompt));
}

TEST_F(BWStartupTest, TheCloudPromptStaysWithFewerBills)
{
    store.addBill(QStringLiteral("Rent"), 10);
    store.addBill(QStringLiteral("Power"), 10);
    startWithScreens();
    EXPECT_TRUE(store.defaults.boolForKey(BW_ShouldDisplayOrvaneCloudPrompt));
}

// ---- Day change --------------------------------------------------------------

TEST_F(BWStartupTest, ALaterHourOfTheSameDayChangesNothing)
{
    startWithScreens();
    const QDateTime launched = delegate.launchDate();
    store.clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(23, 59)));
    delegate.checkForDateChange();
    EXPECT_EQ(overview.loadCount, 1);
    EXPECT_EQ(delegate.launchDate(), launched);
}

TEST_F(BWStartupTest, TheFirstLookAfterMidnightReloads)
{
    startWithScreens();
    store.clock.setNow(QDateTime(QDate(2024, 3, 6), QTime(0, 1)));
    EXPECT_TRUE(delegate.checkForDateChange());
    EXPECT_EQ(delegate.launchDate(), store.clock.now());
    // Once what logs itself was looked for on a worker.
    EXPECT_TRUE(QTest::qWaitFor([this] { return overview.loadCount == 2; }));
    EXPECT_FALSE(delegate.checkForDateChange());
    EXPECT_EQ(overview.loadCount, 2);
}

TEST_F(BWStartupTest, TheSameDayOfTheMonthAMonthLaterIsANewDay)
{
    startWithScreens();
    store.clock.setNow(QDateTime(QDate(2024, 4, 5), QTime(12, 0)));
    delegate.checkForDateChange();
    EXPECT_TRUE(QTest::qWaitFor([this] { return overview.loadCount == 2; }));
    EXPECT_EQ(delegate.launchDate(), store.clock.now());
}

TEST_F(BWStartupTest, ANewDayReturnsFromABillToTheOverview)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    startWithScreens();
    delegate.showBillFromSearch(billID);
    ASSERT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);

    store.clock.setNow(store.daysFromNow(1));
    delegate.checkForDateChange();
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
}

TEST_F(BWStartupTest, OpeningTheTrayMenuLooksForANewDay)
{
    startWithScreens();
    store.clock.setNow(store.daysFromNow(1));
    emit delegate.menulet()->theMenu()->aboutToShow();
    EXPECT_EQ(delegate.launchDate(), store.clock.now());
}

TEST_F(BWStartupTest, TheTimerLooksForANewDay)
{
    startWithScreens();
    store.clock.setNow(store.daysFromNow(1));
    // What the timer does when it fires, without waiting two minutes.
    ASSERT_TRUE(QMetaObject::invokeMethod(const_cast<QTimer*>(&delegate.updateTimer()), "timeout"));
    EXPECT_EQ(delegate.launchDate(), store.clock.now());
}

// ---- Automatic payments ------------------------------------------------------

// Start-up, a new day and a wake each run the one automatic-payment step
// before the overview loads; between them an item is never paid twice.
TEST_F(BWStartupTest, DueAutomaticItemsAreLoggedOnceAcrossStartUpDayChangeAndWake)
{
    ASSERT_TRUE(store.defaults.setBool(BWShouldAutoLogPayments, true));
    ASSERT_TRUE(store.defaults.setBool(BW_ShouldAutoLogIncome, true));
    const QString phone = store.addBill(QStringLiteral("Phone"), 1, {{BillKeys::PayType, qlonglong(1)}});
    const QString salary = store.addBill(QStringLiteral("Salary"), 1, {{BillKeys::IsIncome, true}});
    const auto paymentsOf = [this](const QString& billID) {
        return BWBillsLoader(store.env).loadBillWithID(billID)->value(BillKeys::PaymentList).toList().size();
    };

    startWithScreens();  // due tomorrow: nothing yet
    EXPECT_EQ(paymentsOf(phone) + paymentsOf(salary), 0);

    store.clock.setNow(store.daysFromNow(1));
    delegate.checkForDateChange();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !delegate.startup().isLoggingDuePayments(); }));
    EXPECT_EQ(paymentsOf(phone), 1);
    EXPECT_EQ(paymentsOf(salary), 1);
    EXPECT_EQ(overview.dataSource().size(), 2);
    for (const QVariant& shown : overview.dataSource())
        EXPECT_EQ(shown.toMap().value(BillKeys::PaymentList).toList().size(), 1);

    delegate.receiveSleepNote();
    store.clock.setNow(store.clock.now().addSecs(3600));
    delegate.receiveWakeNote();
    delegate.checkForDateChange();
    EXPECT_EQ(paymentsOf(phone), 1);
    EXPECT_EQ(paymentsOf(salary), 1);
}

// Thirty automatic bills due on one day are paid a few a turn, each once,
// whether the day's pass runs to its end or the program quits midway: what
// a quit left unwritten is paid by the step at the next start.
TEST(BWStartupDueDay, ManyItemsDueOnOneDayArePaidOnceEachAcrossAQuit)
{
    constexpr int Due = 30;
    for (const bool quitMidway : {false, true}) {
        shelltest::ShellTestStore store;
        ASSERT_TRUE(store.defaults.setBool(BWShouldAutoLogPayments, true));
        QStringList bills;
        for (int number = 0; number < Due; ++number)
            bills.append(store.addBill(QString::number(number), 1, {{BillKeys::PayType, qlonglong(1)}}));
        const auto payments = [&] {
            QList<qsizetype> counts;
            for (const QString& billID : std::as_const(bills))
                counts.append(BWBillsLoader(store.env).loadBillWithID(billID)->value(BillKeys::PaymentList).toList().size());
            return counts;
        };
        const QString calendars = store.temp.file(QStringLiteral("calendars"));
        {
            BWAppDelegate program(store.env, calendars);
            program.awakeFromNib();
            program.applicationDidFinishLaunching();
            store.clock.setNow(store.daysFromNow(1));
            // Quitting midway: the first half written as the turns write
            // them, then the program goes before the rest.
            for (const QString& billID : bills.first(quitMidway ? Due / 2 : 0))
                ASSERT_EQ(BWAutomaticPayments(store.env).logDuePaymentsOnce({billID}), QStringList{billID});
            program.checkForDateChange();
            if (!quitMidway) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return !program.startup().isLoggingDuePayments(); }));
                EXPECT_EQ(payments(), QList<qsizetype>(Due, 1));
            }
        }
        BWAppDelegate nextStart(store.env, calendars);
        nextStart.awakeFromNib();
        nextStart.applicationDidFinishLaunching();
        EXPECT_EQ(payments(), QList<qsizetype>(Due, 1)) << (quitMidway ? "after a quit" : "");
    }
}

// ---- Interrupted work ----------------------------------------------------------

// A move to a chosen folder and a backup, both cut short, left half copies
// outside the data folder in use; the next start removes them, once the main
// window has been painted.
TEST_F(BWStartupTest, HalfCopiesLeftOutsideTheDataFolderGoOnceTheWindowHasShown)
{
    const QString chosen = store.temp.file(QStringLiteral("chosen/Orvane.ovdata"));
    ASSERT_TRUE(store.defaults.setObject(BWUnfinishedDataFolderMove, QStringList{store.env.defaultDataFolder, chosen}));
    const QStringList halfCopies{chosen + ".partial",
                                 QDir(store.env.supportFolder).filePath(BWUIDMaker::makeUID() + ".partial")};
    for (const QString& halfCopy : halfCopies)
        store.temp.write(QDir(store.temp.path()).relativeFilePath(halfCopy) + "/receipt.pdf", "half");

    startWithScreens();
    for (const QString& halfCopy : halfCopies)
        EXPECT_TRUE(QFileInfo::exists(halfCopy)) << "removed before the window showed";

    EXPECT_TRUE(QTest::qWaitFor([&] { return stepIndex("tidyInterruptedCopies") >= 0; }, 30000));
    for (const QString& halfCopy : halfCopies)
        EXPECT_FALSE(QFileInfo::exists(halfCopy)) << halfCopy.toStdString();
    EXPECT_GT(stepIndex("tidyInterruptedCopies"), stepIndex("showMainWindow"));
}

// A program ended between a deletion's two writes left the bill's tombstone
// while the index still lists it: the next start lists it as deleted.
TEST_F(BWStartupTest, ADeletionCutShortBeforeTheIndexIsFinishedAtTheNextStart)
{
    const QString kept = store.addBill(QStringLiteral("Rent"), 10);
    const QString cutShort = store.addBill(QStringLiteral("Power"), 10);
    const QString file = QDir(BWDataFolder(store.env).path()).filePath(cutShort + ".plist");
    const QVariantMap stored = PropertyList::read(file).value.toMap();
    ASSERT_TRUE(PropertyList::write(file, BWBillMerge::deleted(stored, HybridLogicalClock::successorOf(
                                                                         BWBillMerge::latestStamp(stored)))));

    startWithScreens();
    const auto listed = [&](const QString& list, const QString& billID) {
        return BWBillIndex(BWDataFolder(store.env).path()).contains(list, billID);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed(IndexKeys::DeletedBills, cutShort); }, 30000));
    EXPECT_FALSE(listed(IndexKeys::ActiveBills, cutShort));
    EXPECT_TRUE(listed(IndexKeys::ActiveBills, kept));
    EXPECT_FALSE(listed(IndexKeys::DeletedBills, kept));
}

// ---- Sleep and wake ----------------------------------------------------------

TEST_F(BWStartupTest, SleepStopsTheTimerAndWakingLooksAtOnce)
{
    startWithScreens();
    delegate.receiveSleepNote();
    EXPECT_FALSE(delegate.updateTimer().isActive());

    store.clock.setNow(store.daysFromNow(1));
    delegate.receiveWakeNote();
    EXPECT_TRUE(delegate.updateTimer().isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return overview.loadCount == 2; }));
}

TEST_F(BWStartupTest, HearsLogindAnnounceSleepAndWake)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    QDBusConnection logind = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("logind"));
    ASSERT_TRUE(logind.registerService(SleepWatcher::LogindService));
    SleepWatcher watcher(QDBusConnection::sessionBus());
    delegate.startup().setSleepWatcher(&watcher);
    startWithScreens();
    const auto announce = [&logind](bool sleeping) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        return logind.send(signal);
    };

    ASSERT_TRUE(announce(true));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !delegate.updateTimer().isActive(); }, 5000));
    ASSERT_TRUE(announce(false));
    EXPECT_TRUE(QTest::qWaitFor([this] { return delegate.updateTimer().isActive(); }, 5000));
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
}

TEST_F(BWStartupTest, TerminationStopsTheTimer)
{
    startWithScreens();
    delegate.applicationWillTerminate();
    EXPECT_FALSE(delegate.updateTimer().isActive());
}

// ---- Quitting ----------------------------------------------------------------

TEST_F(BWStartupTest, QuitsWithoutAskingWhenTheDockIconShows)
{
    startWithScreens();
    ASSERT_TRUE(windowIsVisible());
    EXPECT_TRUE(delegate.applicationShouldTerminate());
    EXPECT_TRUE(askedQuestions.isEmpty());
}

TEST_F(BWStartupTest, QuitsWithoutAskingInMenuBarOnlyModeWithTheWindowClosed)
{
    startAfterFirstLaunch(1);
    ASSERT_FALSE(windowIsVisible());
    EXPECT_TRUE(delegate.applicationShouldTerminate());
    EXPECT_TRUE(askedQuestions.isEmpty());
}

TEST_F(BWStartupTest, InMenuBarOnlyModeTheUserMayJustCloseTheWindow)
{
    startAfterFirstLaunch(1);
    delegate.showOrvane();
    ASSERT_TRUE(windowIsVisible());
    answer = QStringLiteral("Close the Main Window");

    EXPECT_FALSE(delegate.applicationShouldTerminate());
    EXPECT_EQ(askedQuestions, QStringList{"Really Quit Orvane?"});
    EXPECT_EQ(askedTexts,
              QStringList{"Do you want to quit Orvane (and close the menu bar), or just close the main window?"});
    EXPECT_EQ(buttonTitles, (QStringList{"Close the Main Window", "Quit Orvane Completely"}));
    EXPECT_FALSE(windowIsVisible());
}

TEST_F(BWStartupTest, InMenuBarOnlyModeTheUserMayQuitCompletely)
{
    startAfterFirstLaunch(1);
    delegate.showOrvane();
    answer = QStringLiteral("Quit Orvane Completely");
    EXPECT_TRUE(delegate.applicationShouldTerminate());
    EXPECT_EQ(askedQuestions.size(), 1);
}

TEST_F(BWStartupTest, DismissingTheQuestionJustClosesTheWindow)
{
    startAfterFirstLaunch(1);
    delegate.showOrvane();
    answer = QString();  // no button: the question was closed
    EXPECT_FALSE(delegate.applicationShouldTerminate());
    EXPECT_FALSE(windowIsVisible());
}

// The tray-only setting takes effect at the next start: for the rest of the
// run the task bar and the quit question both follow the state it started in.
TEST_F(BWStartupTest, TheTaskBarAndTheQuitQuestionFollowTheTrayOnlyStateTheRunStartedIn)
{
    startAfterFirstLaunch(1);
    ASSERT_TRUE(store.defaults.setInteger(OrvaneVisibility, 0));
    delegate.showOrvane();
    answer = QStringLiteral("Close the Main Window");
    EXPECT_TRUE(BWTaskbarPresence::skipsTaskbar(*delegate.window().mainWindow()));
    EXPECT_FALSE(delegate.applicationShouldTerminate());
    EXPECT_EQ(askedQuestions, QStringList{"Really Quit Orvane?"});
}

TEST_F(BWStartupTest, ATrayOnlyModeChosenDuringTheRunWaitsForTheNextStart)
{
    startAfterFirstLaunch(0);
    ASSERT_TRUE(store.defaults.setInteger(OrvaneVisibility, 1));
    EXPECT_FALSE(BWTaskbarPresence::skipsTaskbar(*delegate.window().mainWindow()));
    EXPECT_TRUE(delegate.applicationShouldTerminate());
    EXPECT_TRUE(askedQuestions.isEmpty());
}

// Ctrl+Q in any other window (a side window, a popover, a panel) is the Quit
// command: in tray-only mode with the main window open it asks first.
TEST_F(BWStartupTest, CtrlQInAnyWindowQuitsThroughTheQuitQuestion)
{
    startAfterFirstLaunch(1);
    QWidget preferences;
    QWidget popover(nullptr, Qt::Window);
    QLineEdit typing(&popover);
    answer = QStringLiteral("Close the Main Window");
    const QList<QWidget*> windows = sideWindowsOf(delegate, preferences) << &popover;
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        askedQuestions.clear();
        delegate.showOrvane();
        ASSERT_TRUE(showActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(askedQuestions, QStringList{"Really Quit Orvane?"});
        EXPECT_FALSE(windowIsVisible());
    }
    // The main window's own Quit item answers there, once.
    askedQuestions.clear();
    delegate.showOrvane();
    ASSERT_TRUE(showActive(delegate.window().mainWindow()));
    QTest::keyClick(delegate.window().mainWindow(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(askedQuestions, QStringList{"Really Quit Orvane?"});
}

// A modal question is answered first: Ctrl+Q there quits nothing.
TEST_F(BWStartupTest, CtrlQInAModalQuestionDoesNothing)
{
    startAfterFirstLaunch(1);
    delegate.showOrvane();
    QDialog question;
    question.setModal(true);
    ASSERT_TRUE(showActive(&question));
    QTest::keyClick(&question, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(askedQuestions.isEmpty());
    EXPECT_TRUE(windowIsVisible());
}

// ---- Reopen, reminders and the tray's commands ---------------------------------

TEST_F(BWStartupTest, ReopeningBringsBackAClosedWindow)
{
    startAfterFirstLaunch(1);
    ASSERT_FALSE(windowIsVisible());
    EXPECT_TRUE(delegate.applicationShouldHandleReopen(false));
    EXPECT_TRUE(windowIsVisible());
}

TEST_F(BWStartupTest, ReopeningLooksForANewDay)
{
    startWithScreens();
    store.clock.setNow(store.daysFromNow(1));
    delegate.applicationShouldHandleReopen(true);
    EXPECT_TRUE(QTest::qWaitFor([this] { return overview.loadCount == 2; }));
}

TEST_F(BWStartupTest, AClickedReminderOpensItsBill)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    UserNotificationCenter notifications(store.temp.file(QStringLiteral("schedule.plist")), store.clock,
                                         QDBusConnection(QStringLiteral("never-connected")));
    delegate.startup().setNotificationCenter(&notifications);
    startAfterFirstLaunch(1);

    emit notifications.didActivateNotification({{QStringLiteral("Bid"), billID}});
    EXPECT_EQ(billPage.currentBillID(), billID);
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);
    EXPECT_TRUE(windowIsVisible());
}

// A schedule that cannot be saved is told to the user once a run, however
// often saving it fails.
TEST_F(BWStartupTest, AScheduleThatCannotBeSavedIsToldOnce)
{
    UserNotificationCenter notifications(store.temp.file(QStringLiteral("schedule.plist")), store.clock,
                                         QDBusConnection(QStringLiteral("never-connected")));
    delegate.startup().setNotificationCenter(&notifications);
    QList<QPair<QString, QString>> alerts;
    BWUserInteraction interaction;
    interaction.showAlert = [&alerts](QWidget*, const QString& message, const QString& details) {
        alerts.append({message, details});
    };
    delegate.setUserInteraction(interaction);
    startAfterFirstLaunch(1);
    const qsizetype alertsBefore = alerts.size();

    emit notifications.scheduleNotSaved(QStringLiteral("No space left on device"));
    emit notifications.scheduleNotSaved(QStringLiteral("No space left on device"));

    ASSERT_EQ(alerts.size(), alertsBefore + 1);
    EXPECT_EQ(alerts.last().first, QStringLiteral("Reminders Could Not Be Saved"));
    EXPECT_TRUE(alerts.last().second.contains(QStringLiteral("No space left on device")));
}

TEST_F(BWStartupTest, ABillChosenInTheTrayOpensIt)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    startAfterFirstLaunch(1);
    delegate.menulet()->updateMenuWithDataSource(store.loadedBills());
    delegate.menulet()->theMenu()->actions().at(3)->trigger();  // Show, Preferences, separator, Rent
    EXPECT_EQ(billPage.currentBillID(), billID);
    EXPECT_TRUE(windowIsVisible());
}

// ---- Hand-off activities --------------------------------------------------------

TEST_F(BWStartupTest, ContinuingABillActivityOpensThatBill)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    startAfterFirstLaunch(1);
    UserActivity activity(BWAppDelegate::ViewBillActivityType);
    activity.setUserInfo({{QStringLiteral("Bid"), billID}});

    EXPECT_TRUE(delegate.continueUserActivity(activity));
    EXPECT_EQ(billPage.currentBillID(), billID);
    EXPECT_TRUE(windowIsVisible());
}

TEST_F(BWStartupTest, ContinuingTheListActivityReturnsToTheOverview)
{
    const QString billID = store.addBill(QStringLiteral("Rent"), 2);
    startWithScreens();
    delegate.showBillFromSearch(billID);

    EXPECT_TRUE(delegate.continueUserActivity(UserActivity(BWAppDelegate::AllBillsActivityType)));
    EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
}

TEST_F(BWStartupTest, LeavingTheProgramEndsItsActivities)
{
    startWithScreens();
    auto billActivity = std::make_shared<UserActivity>(BWAppDelegate::ViewBillActivityType);
    billActivity->becomeCurrent();
    billPage.setActivity(billActivity);
    ASSERT_TRUE(overview.activity()->isCurrent());

    delegate.applicationDidResignActive();
    EXPECT_FALSE(overview.activity()->isValid());
    EXPECT_FALSE(billActivity->isValid());
}

}  // namespace
