#include "MainWindowTestFixture.h"
#include "StartUpCompletion.h"
#include "support/ScriptedCloudContainer.h"

#include "platform/UserNotificationCenter.h"
#include "shell/BWReminderManager.h"
#include "shell/BWSyncControls.h"
#include "sync/BWPhoneSync.h"
#include "sync/OrvaneCloudManager.h"
#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/KBButton.h"

#include <QDBusConnection>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>

#include <functional>

using namespace BWDefaultsKeys;

namespace {

class BWCloudSyncGlueTest : public MainWindowTest
{
protected:
    BWCloudSyncGlueTest() { delegate.cloudSync().setChannels({&cloud, &engine, nullptr, nullptr}); }

    // Lets the cloud's answers arrive, and those to the calls they lead to,
    // and the engine finish what they set off (a pass merges on workers).
    void answer()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return cloud.answeredAll() && engine.isIdle(); }, 10000));
    }
    bool syncButtonShown() { return !delegate.cloudSync().syncControls()->manualSyncButton()->isHidden(); }
    bool editLineShown() { return !delegate.cloudSync().syncControls()->editLine()->isHidden(); }
    QStringList databaseCalls() const { return cloud.database.calls; }
    void startUpWithSyncOn()
    {
        ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, true));
        ASSERT_TRUE(defaults.setBool(BW_IsFirstLaunchV8_NEW, false));
        delegate.setScreens({&overview, &billPage, &editor, &payLogger});
        ASSERT_TRUE(shelltest::startUpCompletely(delegate));
        answer();
    }

    ScriptedCloudContainer cloud;
    OrvaneCloudManager engine{cloud, env};
};

}  // namespace

TEST_F(BWCloudSyncGlueTest, SwitchFollowsTheAccountStatus)
{
    struct Case
    {
        CloudContainer::AccountStatus status;
        bool staysOn;
        bool syncStarted;
    };
    // Only "no account" turns the user's choice off, and says why; an
    // account that cannot be reached now leaves it as it is.
    const Case cases[] = {
        {CloudContainer::Available, true, true},
        {CloudContainer::NoAccount, false, false},
        {CloudContainer::CouldNotDetermine, true, false},
        {CloudContainer::TemporarilyUnavailable, true, false},
    };
    startWithScreens();
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.status));
        cloud.status = c.status;
        cloud.database.calls.clear();
        QSignalSpy switchedOff(&delegate, &BWAppDelegate::cloudSyncSwitchedOff);
        // As the preferences' check box does.
        ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, true));
        delegate.startup().preferenceDidChange(iCloudSyncEnabled2);
        answer();
        EXPECT_EQ(defaults.boolForKey(iCloudSyncEnabled2), c.staysOn);
        ASSERT_EQ(switchedOff.count(), c.staysOn ? 0 : 1);
        if (!c.staysOn) {
            EXPECT_EQ(switchedOff.first().first().toString(),
                      "No shared folder is in use: choose one below, then start Orvane again.");
        }
        EXPECT_EQ(syncButtonShown(), c.staysOn);
        EXPECT_EQ(editLineShown(), !c.staysOn);
        EXPECT_EQ(databaseCalls().contains("query Index"), c.syncStarted);
    }
}

TEST_F(BWCloudSyncGlueTest, StartUpWithoutAnAccountTurnsSyncOff)
{
    cloud.status = CloudContainer::NoAccount;
    startUpWithSyncOn();
    EXPECT_FALSE(defaults.boolForKey(iCloudSyncEnabled2));
    EXPECT_FALSE(syncButtonShown());
    EXPECT_TRUE(databaseCalls().isEmpty());
}

TEST_F(BWCloudSyncGlueTest, StartUpWithAnAccountSubscribesAndSyncs)
{
    cloud.status = CloudContainer::Available;
    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled, true));
    startUpWithSyncOn();
    EXPECT_TRUE(syncButtonShown());
    // The older key-value sync gives way; subscriptions (under fixed ids)
    // and a full pass follow.
    EXPECT_FALSE(defaults.boolForKey(iCloudSyncEnabled));
    EXPECT_TRUE(databaseCalls().contains("subscribe " + OrvaneCloudManager::BillSubscriptionID));
    EXPECT_TRUE(databaseCalls().contains("subscribe " + OrvaneCloudManager::IndexSubscriptionID));
    // The full pass starts once the queued answers have arrived.
    QTRY_VERIFY_WITH_TIMEOUT(databaseCalls().contains("query Bill"), 20000);
}

TEST_F(BWCloudSyncGlueTest, SideBarShowsTheSyncButtonWhileAChannelIsOn)
{
    startWithScreens();
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    EXPECT_FALSE(syncButtonShown());
    EXPECT_TRUE(editLineShown());

    ASSERT_TRUE(defaults.setBool(BWDropboxPhoneSyncEnabled, true));
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    EXPECT_TRUE(syncButtonShown());
    EXPECT_FALSE(delegate.cloudSync().syncControls()->syncLine()->isHidden());
    EXPECT_FALSE(editLineShown());
}

TEST_F(BWCloudSyncGlueTest, SyncButtonRunsAFullPassWithProgressUntilItEnds)
{
    startWithScreens();
    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, true));
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    delegate.registerForRemoteNotifications();
    delegate.registerForRemoteNotifications();

    QTest::mouseClick(delegate.cloudSync().syncControls()->manualSyncButton(), Qt::LeftButton);
    EXPECT_FALSE(delegate.cloudSync().syncControls()->syncProgressIndicator()->isHidden());
    answer();
    // An empty cloud brings nothing back: the bar stops and the time shows.
    EXPECT_TRUE(delegate.cloudSync().syncControls()->syncProgressIndicator()->isHidden());
    EXPECT_TRUE(delegate.cloudSync().syncControls()->lastSyncedText()->text().startsWith("Last Sync: "));
    EXPECT_EQ(databaseCalls().count("query Bill"), 1);
}

TEST_F(BWCloudSyncGlueTest, PushIsHandedOnOnlyWhileSyncIsOn)
{
    startWithScreens();
    const QString billID = BWUIDMaker::makeUID();
    emit cloud.database.recordChanged(OrvaneCloudManager::BillRecordType, billID, CloudDatabase::RecordUpdated);
    EXPECT_TRUE(databaseCalls().isEmpty());
    EXPECT_TRUE(defaults.boolForKey(BW_DidReceiveCloudKitChange));

    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, true));
    emit cloud.database.recordChanged(OrvaneCloudManager::BillRecordType, billID, CloudDatabase::RecordUpdated);
    emit cloud.database.recordChanged(OrvaneCloudManager::IndexRecordType, IndexKeys::ActiveBills,
                                      CloudDatabase::RecordCreated);
    emit cloud.database.recordChanged(OrvaneCloudManager::BillRecordType, billID, CloudDatabase::RecordDeleted);
    EXPECT_EQ(databaseCalls(), (QStringList{"fetch " + billID, "fetch ActiveBills"}));
}

TEST_F(BWCloudSyncGlueTest, DownloadedChangeReloadsOverviewAndTheShownBill)
{
    const QString shown = addBill(bill("Rent", QDate(2016, 3, 20)));
    const QString other = addBill(bill("Phone", QDate(2016, 3, 22)));
    startWithScreens();
    delegate.registerForRemoteNotifications();
    delegate.registerForRemoteNotifications();
    delegate.showBillFromSearch(shown);
    settle();
    billPage.loadedIDs.clear();

    const int loadsBefore = overview.loadCount;
    emit engine.iCloudChangeReceived(other);
    QTRY_COMPARE(overview.loadCount, loadsBefore + 1);  // once, however often registered
    EXPECT_TRUE(billPage.loadedIDs.isEmpty());

    // Changes arriving one after another are read again together, once.
    emit engine.iCloudChangeReceived(QString());
    emit engine.iCloudChangeReceived(other, {});
    emit engine.iCloudChangeReceived(QString(), {other});
    QTRY_COMPARE(overview.loadCount, loadsBefore + 2);
    EXPECT_TRUE(billPage.loadedIDs.isEmpty());

    emit engine.iCloudChangeReceived(QString(), {other, shown});
    QTRY_COMPARE(billPage.loadedIDs, QStringList{shown});
    EXPECT_EQ(overview.loadCount, loadsBefore + 3);
}

TEST_F(BWCloudSyncGlueTest, FailedSyncIsShownAndStopsProgress)
{
    startWithScreens();
    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, true));
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    delegate.cloudSync().syncControls()->startProgress();
    emit engine.syncFailed(QStringLiteral("Bill"), QStringLiteral("The network is down"));
    EXPECT_TRUE(delegate.cloudSync().syncControls()->syncProgressIndicator()->isHidden());
    EXPECT_EQ(delegate.cloudSync().syncControls()->lastSyncedText()->text(), "Sync failed: The network is down");
}

// A failed write is said at once, and a pass of reads alone (a full disk
// lets every read through) does not cover it with "Last Sync": only a write
// that gets through does.
TEST_F(BWCloudSyncGlueTest, AFailedWriteStaysSaidUntilAWriteSucceeds)
{
    startWithScreens();
    delegate.registerForRemoteNotifications();
    const auto line = [&] { return delegate.cloudSync().syncControls()->lastSyncedText()->text(); };
    const QString failed = QStringLiteral("Sync failed: No space left on device");
    emit engine.writeFailed(QStringLiteral("ActiveBills"), QStringLiteral("No space left on device"));
    EXPECT_EQ(line(), failed);
    emit engine.noiCloudChanges();
    EXPECT_EQ(line(), failed);
    emit engine.iCloudChangeReceived(QString(), {});
    QCoreApplication::processEvents();  // whatever the arrival queued has run
    EXPECT_EQ(line(), failed);
    emit engine.iCloudChangeUploaded();
    EXPECT_TRUE(line().startsWith("Last Sync: ")) << line().toStdString();
}

// Said once for each computer whose clock runs far ahead, with what to do.
TEST_F(BWCloudSyncGlueTest, AClockFarAheadIsSaidOncePerComputer)
{
    startWithScreens();
    delegate.registerForRemoteNotifications();
    const auto line = [&] { return delegate.cloudSync().syncControls()->lastSyncedText()->text(); };
    const QString device = QStringLiteral("0A1B2C3D000000000000000000000000");
    const qint64 tenYears = 3652LL * 24 * 60 * 60 * 1000;
    emit engine.clockFarAhead(device, tenYears);
    EXPECT_TRUE(line().contains("0A1B2C3D")) << line().toStdString();
    EXPECT_TRUE(line().contains("3652 day")) << line().toStdString();
    emit engine.iCloudChangeUploaded();
    emit engine.clockFarAhead(device, tenYears + 1000);
    EXPECT_TRUE(line().startsWith("Last Sync: ")) << line().toStdString();
}

TEST_F(BWCloudSyncGlueTest, AnUnreadableCopySetAsideIsSaidInTheStatusLine)
{
    startWithScreens();
    emit cloud.database.unreadableCopySetAside(QStringLiteral("ActiveBills"),
                                               QStringLiteral("/shared/conflicts/x.plist"));
    EXPECT_EQ(delegate.cloudSync().syncControls()->lastSyncedText()->text(),
              "A sync file that could not be read was moved to /shared/conflicts/x.plist");
}

// The phone sync runs under its sheet from the sync button (on from older
// settings) and from the switch. Its exchange transfers nothing, so the run
// ends at once: the sheet goes, the overview shows, the link ends with the
// switch back at "Turn On Sync", and the user is told in one line.
TEST_F(BWCloudSyncGlueTest, PhoneSyncEndsAtOnceSayingPhonesExchangeNothing)
{
    BWPhoneSync phone(env, [] { return true; });
    delegate.cloudSync().setChannels({&cloud, &engine, nullptr, &phone});
    addBill(bill(QStringLiteral("Rent"), QDate(2016, 3, 10)));
    startWithScreens();
    ASSERT_TRUE(defaults.setBool(BWDropboxPhoneSyncEnabled, true));
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    const std::pair<const char*, std::function<void()>> starts[] = {
        {"sync button",
         [this] { QTest::mouseClick(delegate.cloudSync().syncControls()->manualSyncButton(), Qt::LeftButton); }},
        {"Turn On Sync", [this] { delegate.cloudSync().togglePhoneSync(); }},
    };
    for (const auto& [name, start] : starts) {
        SCOPED_TRACE(name);
        alerts.clear();
        overview.selectRows({0});
        delegate.switchToBillView();
        ASSERT_EQ(delegate.visibleView(), BWAppDelegate::BillPaneSet);

        start();
        EXPECT_TRUE(delegate.syncProgressWindow()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!delegate.syncProgressWindow()->isVisible(), 5000);
        EXPECT_LT(phone.timerCount(), BWPhoneSync::TimeOutTicks / 2) << "ended by the exchange, not the time-out";
        EXPECT_EQ(delegate.visibleView(), BWAppDelegate::OverviewPaneSet);
        EXPECT_FALSE(defaults.boolForKey(BWDropboxPhoneSyncEnabled));
        EXPECT_EQ(defaults.stringForKey(BWTurnSyncOffButtonTitle), QStringLiteral("Turn On Sync"));
        EXPECT_FALSE(syncButtonShown());
        ASSERT_EQ(alerts.size(), 1);
        EXPECT_EQ(alerts.first().first, QStringLiteral("Orvane for phones exchanges no bills with this computer yet."));
    }
}

// After a phone-sync run the reminders are renewed as every caller renews
// them, from the stored bills: a repeating bill's later rows in the overview
// leave its reminder on its nearest due date.
TEST_F(BWCloudSyncGlueTest, PhoneSyncRenewsRemindersFromTheStoredBills)
{
    BWPhoneSync phone(env, [] { return true; });
    delegate.cloudSync().setChannels({&cloud, &engine, nullptr, &phone});
    QVariantMap weekly = bill(QStringLiteral("Rent"), QDate(2016, 3, 10));
    weekly.insert(BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(1)});
    weekly.insert(BillKeys::RemindMe, true);
    const QString rentID = addBill(weekly);
    ASSERT_TRUE(defaults.setBool(BWEnableNotificationCenter, true));
    UserNotificationCenter notifications(temp.file(QStringLiteral("schedule.plist")), clock,
                                         QDBusConnection(QStringLiteral("orvane-tests-no-bus")));
    BWReminderManager reminders(env, [] { return nullptr; }, &notifications);
    delegate.startup().setReminderManager(&reminders);
    startWithScreens();
    QVariantMap nextWeek = storedBill(rentID);
    nextWeek.insert(BillKeys::DueDate, QDateTime(QDate(2016, 3, 17), QTime(9, 0)).toUTC());
    overview.listRows({storedBill(rentID), nextWeek});

    ASSERT_TRUE(defaults.setBool(BWDropboxPhoneSyncEnabled, true));
    delegate.setUpSyncProgressIndicatorAndSyncButtonVisibility();
    QTest::mouseClick(delegate.cloudSync().syncControls()->manualSyncButton(), Qt::LeftButton);
    ASSERT_TRUE(delegate.syncProgressWindow()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!delegate.syncProgressWindow()->isVisible(), 5000);
    reminders.waitUntilIdle();
    ASSERT_EQ(notifications.scheduledNotifications().size(), 1);
    EXPECT_EQ(notifications.scheduledNotifications().first().deliveryDate.toLocalTime().date(), QDate(2016, 3, 10));
}

TEST_F(BWCloudSyncGlueTest, ChangesAreCheckedForWithoutTheSyncButton)
{
    // The shared folder is not mounted yet at start-up.
    cloud.status = CloudContainer::TemporarilyUnavailable;
    startUpWithSyncOn();
    EXPECT_TRUE(databaseCalls().isEmpty());
    const auto checks = [&] { return databaseCalls().filter("query Index").size(); };

    // It comes: the next check subscribes and runs a full pass.
    cloud.status = CloudContainer::Available;
    delegate.checkForNewiCloudChanges();
    ASSERT_TRUE(QTest::qWaitFor([&] { return checks() == 1; }, 5000));
    EXPECT_TRUE(databaseCalls().contains("subscribe " + OrvaneCloudManager::BillSubscriptionID));
    // Waking the computer looks again.
    delegate.receiveWakeNote();
    EXPECT_TRUE(QTest::qWaitFor([&] { return databaseCalls().filter("query Bill").size() == 2; }, 5000));

    // Nothing is looked for while sync is off.
    ASSERT_TRUE(defaults.setBool(iCloudSyncEnabled2, false));
    cloud.database.calls.clear();
    delegate.checkForNewiCloudChanges();
    delegate.receiveWakeNote();
    answer();
    EXPECT_TRUE(databaseCalls().isEmpty());
}
