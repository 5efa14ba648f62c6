#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserNotificationCenter.h"

#include "support/FileWriteCounter.h"
#include "support/TempFolder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2024, 3, 10), QTime(9, 0), Qt::UTC);

UserNotification reminder(const QString& billID, const QDateTime& deliveryDate)
{
    UserNotification notification;
    notification.title = QStringLiteral("Pay Rent");
    notification.informativeText = QStringLiteral("Bill is due on Wed, Mar 20, 2024");
    notification.hasActionButton = true;
    notification.actionButtonTitle = QStringLiteral("View");
    notification.userInfo = {{QStringLiteral("Bid"), billID}};
    notification.soundName = UserNotification::defaultSoundName;
    notification.deliveryDate = deliveryDate;
    return notification;
}

// A connection that never reached a bus: deliveries fail quietly, which is
// all the scheduling tests need.
QDBusConnection noBus()
{
    return QDBusConnection(QStringLiteral("orvane-tests-no-bus"));
}

class UserNotificationCenterScheduleTest : public testing::Test
{
protected:
    UserNotificationCenterScheduleTest() { clock.setNow(kNow); }

    std::unique_ptr<UserNotificationCenter> start() const
    {
        return std::make_unique<UserNotificationCenter>(schedulePath, clock, noBus());
    }

    TempFolder folder;
    QString schedulePath = UserNotificationCenter::schedulePath(folder.path());
    Clock clock;
};

}  // namespace

TEST_F(UserNotificationCenterScheduleTest, TheScheduleLiesBesideTheDefaults)
{
    EXPECT_EQ(UserNotificationCenter::schedulePath(QStringLiteral("/home/u/.config/Orvane")),
              QStringLiteral("/home/u/.config/Orvane/ScheduledNotifications.plist"));
}

TEST_F(UserNotificationCenterScheduleTest, AScheduledNotificationOutlivesTheProgram)
{
    {
        auto center = start();
        center->scheduleNotification(reminder(QStringLiteral("A1"), kNow.addDays(2)));
    }
    auto center = start();
    const QList<UserNotification> scheduled = center->scheduledNotifications();
    ASSERT_EQ(scheduled.size(), 1);
    EXPECT_FALSE(scheduled[0].identifier.isEmpty());
    EXPECT_EQ(scheduled[0].title, QStringLiteral("Pay Rent"));
    EXPECT_EQ(scheduled[0].informativeText, QStringLiteral("Bill is due on Wed, Mar 20, 2024"));
    EXPECT_TRUE(scheduled[0].hasActionButton);
    EXPECT_EQ(scheduled[0].actionButtonTitle, QStringLiteral("View"));
    EXPECT_EQ(scheduled[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("A1"));
    EXPECT_EQ(scheduled[0].soundName, UserNotification::defaultSoundName);
    EXPECT_EQ(scheduled[0].deliveryDate, kNow.addDays(2));
}

TEST_F(UserNotificationCenterScheduleTest, SchedulingTheSameNotificationAgainReplacesIt)
{
    auto center = start();
    UserNotification notification = reminder(QStringLiteral("A1"), kNow.addDays(2));
    notification.identifier = QStringLiteral("N1");
    center->scheduleNotification(notification);
    notification.deliveryDate = kNow.addDays(3);
    center->scheduleNotification(notification);
    ASSERT_EQ(center->scheduledNotifications().size(), 1);
    EXPECT_EQ(center->scheduledNotifications()[0].deliveryDate, kNow.addDays(3));
}

TEST_F(UserNotificationCenterScheduleTest, AnUnscheduledNotificationStaysGoneAfterARestart)
{
    {
        auto center = start();
        center->scheduleNotification(reminder(QStringLiteral("A1"), kNow.addDays(2)));
        center->scheduleNotification(reminder(QStringLiteral("B2"), kNow.addDays(2)));
        center->removeScheduledNotification(center->scheduledNotifications()[0]);
    }
    auto center = start();
    ASSERT_EQ(center->scheduledNotifications().size(), 1);
    EXPECT_EQ(center->scheduledNotifications()[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("B2"));
}

TEST_F(UserNotificationCenterScheduleTest, ANotificationMissedWhileClosedLeavesTheScheduleAtTheNextStart)
{
    {
        auto center = start();
        center->scheduleNotification(reminder(QStringLiteral("A1"), kNow.addSecs(3600)));
        center->scheduleNotification(reminder(QStringLiteral("B2"), kNow.addDays(5)));
    }
    clock.setNow(kNow.addDays(1));
    {
        auto center = start();
        // Delivered from the event loop, not while the program is still starting.
        EXPECT_EQ(center->scheduledNotifications().size(), 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return center->scheduledNotifications().size() == 1; }));
        EXPECT_EQ(center->scheduledNotifications()[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("B2"));
    }
    EXPECT_EQ(start()->scheduledNotifications().size(), 1);
}

TEST_F(UserNotificationCenterScheduleTest, OnlyNotificationsWhoseTimeHasComeLeaveTheSchedule)
{
    auto center = start();
    center->scheduleNotification(reminder(QStringLiteral("Late"), kNow.addSecs(1)));
    center->scheduleNotification(reminder(QStringLiteral("Exact"), kNow));
    center->scheduleNotification(reminder(QStringLiteral("Past"), kNow.addSecs(-1)));
    center->deliverDueNotifications();

    ASSERT_EQ(center->scheduledNotifications().size(), 1);
    EXPECT_EQ(center->scheduledNotifications()[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("Late"));
    center->waitForWrites();
    EXPECT_EQ(start()->scheduledNotifications().size(), 1);
}

TEST_F(UserNotificationCenterScheduleTest, ANotificationLeavesTheScheduleAtItsTimeWhileTheProgramRuns)
{
    clock.useSystemTime();
    auto center = start();
    center->scheduleNotification(reminder(QStringLiteral("A1"), QDateTime::currentDateTimeUtc().addMSecs(300)));
    EXPECT_EQ(center->scheduledNotifications().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return center->scheduledNotifications().isEmpty(); }));
    center->waitForWrites();
    EXPECT_TRUE(start()->scheduledNotifications().isEmpty());
}

TEST_F(UserNotificationCenterScheduleTest, AnUnreadableScheduleStartsEmptyAndIsReplaced)
{
    folder.write(QStringLiteral("ScheduledNotifications.plist"), "not a property list");
    auto center = start();
    EXPECT_TRUE(center->scheduledNotifications().isEmpty());
    center->scheduleNotification(reminder(QStringLiteral("A1"), kNow.addDays(1)));
    center->waitForWrites();
    EXPECT_EQ(start()->scheduledNotifications().size(), 1);
}

TEST_F(UserNotificationCenterScheduleTest, EntriesWithoutIdOrDateAreDropped)
{
    const QVariantList entries{
        QVariantMap{{QStringLiteral("Identifier"), QStringLiteral("N1")}, {QStringLiteral("Title"), QStringLiteral("No date")}},
        QVariantMap{{QStringLiteral("DeliveryDate"), kNow.addDays(1)}, {QStringLiteral("Title"), QStringLiteral("No id")}},
        QStringLiteral("not a dictionary"),
        QVariantMap{{QStringLiteral("Identifier"), QStringLiteral("N2")}, {QStringLiteral("DeliveryDate"), kNow.addDays(1)}},
    };
    ASSERT_TRUE(PropertyList::write(schedulePath, entries));
    auto center = start();
    ASSERT_EQ(center->scheduledNotifications().size(), 1);
    EXPECT_EQ(center->scheduledNotifications()[0].identifier, QStringLiteral("N2"));
}

TEST_F(UserNotificationCenterScheduleTest, AScheduleThatCannotBeSavedIsReportedButKeptForThisRun)
{
    folder.write(QStringLiteral("blocker"), "a file where the folder should be");
    UserNotificationCenter center(UserNotificationCenter::schedulePath(folder.file(QStringLiteral("blocker"))), clock,
                                  noBus());
    QSignalSpy notSaved(&center, &UserNotificationCenter::scheduleNotSaved);
    center.scheduleNotification(reminder(QStringLiteral("A1"), kNow.addDays(1)));
    EXPECT_EQ(center.scheduledNotifications().size(), 1);
    ASSERT_TRUE(notSaved.wait(10000));
    EXPECT_EQ(center.scheduledNotifications().size(), 1);
}

TEST_F(UserNotificationCenterScheduleTest, ManyChangesAtOnceAreOneWriteOfTheSchedule)
{
    auto center = start();
    for (const char* billID : {"Old1", "Old2", "Old3"})
        center->scheduleNotification(reminder(QString::fromLatin1(billID), kNow.addDays(1)));
    center->waitForWrites();
    FileWriteCounter counter(folder.path());
    ASSERT_TRUE(counter.watching());

    center->replaceNotificationsOf(QStringLiteral("Old1"), {reminder(QStringLiteral("New1"), kNow.addDays(2)),
                                                            reminder(QStringLiteral("New2"), kNow.addDays(3))});
    center->replaceNotificationsOf(QStringLiteral("Old3"), {});
    center->waitForWrites();

    EXPECT_EQ(counter.writes().value(QStringLiteral("ScheduledNotifications.plist")), 1)
        << counter.describe().toStdString();
    QStringList billIDs;
    for (const UserNotification& notification : start()->scheduledNotifications()) {
        EXPECT_FALSE(notification.identifier.isEmpty());
        billIDs.append(notification.userInfo.value(QStringLiteral("Bid")).toString());
    }
    EXPECT_EQ(billIDs, (QStringList{QStringLiteral("Old2"), QStringLiteral("New1"), QStringLiteral("New2")}));
}

// A payment takes a bill's notification off and puts the next one on, one
// call after the other: the file is written once, after the caller is done,
// and a centre that goes before that still leaves the file whole.
TEST_F(UserNotificationCenterScheduleTest, TheChangesOfOneTurnOfTheEventLoopAreOneWriteAfterIt)
{
    auto center = start();
    center->scheduleNotification(reminder(QStringLiteral("Paid"), kNow.addDays(1)));
    center->waitForWrites();
    FileWriteCounter counter(folder.path());
    ASSERT_TRUE(counter.watching());

    const UserNotification paid = center->scheduledNotifications().constFirst();
    center->removeScheduledNotification(paid);
    center->scheduleNotification(reminder(QStringLiteral("Paid"), kNow.addMonths(1)));
    center->scheduleNotification(reminder(QStringLiteral("Other"), kNow.addDays(2)));
    EXPECT_TRUE(counter.writes().isEmpty()) << "nothing is written while the caller is still at it";
    QSignalSpy notSaved(center.get(), &UserNotificationCenter::scheduleNotSaved);
    QCoreApplication::processEvents();
    center->waitForWrites();

    EXPECT_EQ(counter.writes().value(QStringLiteral("ScheduledNotifications.plist")), 1)
        << counter.describe().toStdString();
    EXPECT_EQ(start()->scheduledNotifications().size(), 2);

    center->removeScheduledNotification(center->scheduledNotifications().constLast());
    center.reset();
    const QList<UserNotification> afterQuit = start()->scheduledNotifications();
    ASSERT_EQ(afterQuit.size(), 1);
    EXPECT_EQ(afterQuit[0].deliveryDate, kNow.addMonths(1));
    EXPECT_TRUE(notSaved.isEmpty());
}

TEST_F(UserNotificationCenterScheduleTest, AScheduleMadeAnewTakesThePlaceOfTheWholeOneInOneWrite)
{
    auto center = start();
    center->scheduleNotification(reminder(QStringLiteral("Old"), kNow.addDays(1)));
    center->waitForWrites();
    FileWriteCounter counter(folder.path());
    UserNotification kept = reminder(QStringLiteral("New1"), kNow.addDays(2));
    kept.identifier = QStringLiteral("N1");
    center->replaceSchedule({kept, reminder(QStringLiteral("New2"), kNow.addSecs(1))});
    center->waitForWrites();

    EXPECT_EQ(counter.writes().value(QStringLiteral("ScheduledNotifications.plist")), 1);
    const QList<UserNotification> later = start()->scheduledNotifications();
    ASSERT_EQ(later.size(), 2);
    EXPECT_EQ(later[0].identifier, QStringLiteral("N1"));
    EXPECT_FALSE(later[1].identifier.isEmpty());
    EXPECT_EQ(later[1].userInfo.value(QStringLiteral("Bid")), QStringLiteral("New2"));
    // The earliest is delivered when its time comes.
    clock.setNow(kNow.addSecs(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return center->scheduledNotifications().size() == 1; }, 70000));
}

TEST_F(UserNotificationCenterScheduleTest, WithoutASessionBusNothingIsDelivered)
{
    auto center = start();
    center->deliverNotification(reminder(QStringLiteral("A1"), kNow));
    EXPECT_TRUE(center->deliveredNotifications().isEmpty());
}

// ---- Against a notification server on the session bus ----------------------

namespace {

// Stands in for the desktop's notification server on a connection of its own.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown {
        QString applicationName;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    QList<Shown> notifications;
    QList<uint> closed;

public slots:
    uint Notify(const QString& applicationName, uint replacesID, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        notifications.append({applicationName, summary, body, actions, hints});
        return uint(notifications.size()) + 100;
    }
    void CloseNotification(uint id) { closed.append(id); }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
};

class UserNotificationCenterServerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "No D-Bus session bus; run the tests under dbus-run-session";
        serverBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kServerConnection);
        // Test programs running side by side take turns with the name.
        QDBusConnectionInterface* bus = serverBus.interface();
        bus->registerService(kService, QDBusConnectionInterface::QueueService,
                             QDBusConnectionInterface::DontAllowReplacement);
        if (!QTest::qWaitFor([&] { return bus->serviceOwner(kService).value() == serverBus.baseService(); }, 20000))
            GTEST_SKIP() << "Another notification server keeps the name on this session bus";
        ASSERT_TRUE(serverBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                             QDBusConnection::ExportAllSlots));
        clock.setNow(kNow);
        center = std::make_unique<UserNotificationCenter>(UserNotificationCenter::schedulePath(folder.path()), clock);
    }

    void TearDown() override
    {
        center.reset();
        serverBus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        serverBus.unregisterService(kService);
        QDBusConnection::disconnectFromBus(kServerConnection);
    }

    void emitSignal(const QString& name, const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"), name);
        signal.setArguments(arguments);
        ASSERT_TRUE(serverBus.send(signal));
    }

    // Delivers a reminder and waits until the server has answered with its id.
    uint deliverAndWait(const QString& billID)
    {
        center->deliverNotification(reminder(billID, kNow));
        const qsizetype expected = server.notifications.size() + 1;
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.notifications.size() == expected; }));
        // The answer travels back: the call's watcher goes once it is read.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return center->findChildren<QDBusPendingCallWatcher*>().isEmpty(); }, 10000));
        return uint(expected) + 100;
    }

    inline static const QString kServerConnection = QStringLiteral("orvane-tests-notification-server");
    inline static const QString kService = QStringLiteral("org.freedesktop.Notifications");
    TempFolder folder;
    Clock clock;
    FakeNotificationServer server;
    QDBusConnection serverBus{QString()};
    std::unique_ptr<UserNotificationCenter> center;
};

}  // namespace

TEST_F(UserNotificationCenterServerTest, TheServerShowsTitleTextAndTheViewAction)
{
    center->deliverNotification(reminder(QStringLiteral("A1"), kNow));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notifications.size() == 1; }));
    const FakeNotificationServer::Shown& shown = server.notifications[0];
    EXPECT_EQ(shown.applicationName, QStringLiteral("Orvane"));
    EXPECT_EQ(shown.summary, QStringLiteral("Pay Rent"));
    EXPECT_EQ(shown.body, QStringLiteral("Bill is due on Wed, Mar 20, 2024"));
    const qsizetype view = shown.actions.indexOf(QStringLiteral("view"));
    ASSERT_GE(view, 0);
    ASSERT_EQ(view % 2, 0);
    EXPECT_EQ(shown.actions.value(view + 1), QStringLiteral("View"));
    EXPECT_TRUE(shown.actions.contains(QStringLiteral("default")));
    EXPECT_EQ(shown.hints.value(QStringLiteral("sound-name")), UserNotification::defaultSoundName);
    EXPECT_EQ(shown.hints.value(QStringLiteral("desktop-entry")), QStringLiteral("com.bramwick.Orvane"));
}

TEST_F(UserNotificationCenterServerTest, AClickComesBackWithTheBillsUserInfo)
{
    QSignalSpy activated(center.get(), &UserNotificationCenter::didActivateNotification);
    const uint first = deliverAndWait(QStringLiteral("A1"));
    const uint second = deliverAndWait(QStringLiteral("B2"));

    emitSignal(QStringLiteral("ActionInvoked"), {second, QStringLiteral("view")});
    ASSERT_TRUE(activated.wait(2000));
    EXPECT_EQ(activated.takeFirst().at(0).toMap().value(QStringLiteral("Bid")), QStringLiteral("B2"));

    emitSignal(QStringLiteral("ActionInvoked"), {first, QStringLiteral("default")});
    ASSERT_TRUE(activated.wait(2000));
    EXPECT_EQ(activated.takeFirst().at(0).toMap().value(QStringLiteral("Bid")), QStringLiteral("A1"));

    // Another program's notification is none of ours.
    emitSignal(QStringLiteral("ActionInvoked"), {uint(7), QStringLiteral("default")});
    EXPECT_FALSE(activated.wait(300));
}

TEST_F(UserNotificationCenterServerTest, WithdrawingClosesTheNotificationOnTheServer)
{
    const uint id = deliverAndWait(QStringLiteral("A1"));
    ASSERT_EQ(center->deliveredNotifications().size(), 1);
    center->removeDeliveredNotification(center->deliveredNotifications()[0]);
    EXPECT_TRUE(center->deliveredNotifications().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closed == QList<uint>{id}; }));
}

TEST_F(UserNotificationCenterServerTest, AWithdrawalBeforeTheServerAnsweredIsCarriedOutOnItsAnswer)
{
    center->deliverNotification(reminder(QStringLiteral("A1"), kNow));
    center->removeDeliveredNotification(center->deliveredNotifications()[0]);
    EXPECT_TRUE(center->deliveredNotifications().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closed == QList<uint>{101}; }));
}

TEST_F(UserNotificationCenterServerTest, ANotificationTheUserDismissedIsNoLongerDelivered)
{
    const uint dismissed = deliverAndWait(QStringLiteral("A1"));
    const uint expired = deliverAndWait(QStringLiteral("B2"));
    emitSignal(QStringLiteral("NotificationClosed"), {expired, uint(1)});
    emitSignal(QStringLiteral("NotificationClosed"), {dismissed, uint(2)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return center->deliveredNotifications().size() == 1; }));
    // An expired one still waits in the server's list, where it can be clicked.
    EXPECT_EQ(center->deliveredNotifications()[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("B2"));
}

TEST_F(UserNotificationCenterServerTest, AMissedNotificationIsShownOnceAtTheNextStartAndNeverAgain)
{
    center.reset();
    const QString path = UserNotificationCenter::schedulePath(folder.path());
    clock.setNow(kNow.addDays(-2));
    {
        UserNotificationCenter earlierRun(path, clock);
        earlierRun.scheduleNotification(reminder(QStringLiteral("Second"), kNow.addSecs(-60)));
        earlierRun.scheduleNotification(reminder(QStringLiteral("First"), kNow.addDays(-1)));
        earlierRun.scheduleNotification(reminder(QStringLiteral("Later"), kNow.addDays(1)));
    }
    clock.setNow(kNow);

    center = std::make_unique<UserNotificationCenter>(path, clock);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notifications.size() == 2; }));
    QStringList shownBills;
    for (const UserNotification& notification : center->deliveredNotifications())
        shownBills.append(notification.userInfo.value(QStringLiteral("Bid")).toString());
    // The one missed longest comes first.
    EXPECT_EQ(shownBills, (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));

    center = std::make_unique<UserNotificationCenter>(path, clock);
    // One due now goes out with whatever else is due: once it is shown,
    // nothing else came.
    center->scheduleNotification(reminder(QStringLiteral("Marker"), kNow));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notifications.size() >= 3; }));
    EXPECT_EQ(server.notifications.size(), 3);
    ASSERT_EQ(center->scheduledNotifications().size(), 1);
    EXPECT_EQ(center->scheduledNotifications()[0].userInfo.value(QStringLiteral("Bid")), QStringLiteral("Later"));
}

#include "UserNotificationCenterTests.moc"
