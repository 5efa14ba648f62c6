#include "platform/CalendarStore.h"
#include "platform/Clock.h"
#include "platform/UserDefaults.h"
#include "shell/BWAppDelegate.h"
#include "store/BWDefaultsKeys.h"

#include "support/TempFolder.h"

#include <QCheckBox>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

BWStoreEnvironment environment(UserDefaults* standard, UserDefaults* appGroup, Clock* clock)
{
    BWStoreEnvironment env;
    env.defaults = standard;
    env.appGroup = appGroup;
    env.clock = clock;
    return env;
}

class BWStartupDefaultsTest : public testing::Test
{
protected:
    BWStartupDefaultsTest() { clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(7, 45), Qt::UTC)); }

    // What the next start of the program reads from disk.
    UserDefaults storedStandard() const { return UserDefaults(standard.path()); }
    UserDefaults storedAppGroup() const { return UserDefaults(appGroup.path()); }

    TempFolder folder;
    UserDefaults standard{UserDefaults::standardPath(folder.path())};
    UserDefaults appGroup{UserDefaults::suitePath(folder.path(), AppGroupSuiteName)};
    Clock clock;
    BWAppDelegate delegate{environment(&standard, &appGroup, &clock), folder.file(QStringLiteral("calendars"))};
};

}  // namespace

TEST_F(BWStartupDefaultsTest, RegistersTheTableBeforeAnythingReadsIt)
{
    EXPECT_FALSE(standard.boolForKey(BWEnableMenu));
    ASSERT_TRUE(delegate.initializeDefaults());
    EXPECT_TRUE(standard.boolForKey(BWEnableMenu));
    EXPECT_EQ(standard.stringForKey(BWReminderCalendarName), QStringLiteral("Orvane"));
}

// The run resolved its data folder afresh before start-up; start-up keeps
// that one rather than resolving it again.
TEST_F(BWStartupDefaultsTest, KeepsTheDataFolderTheRunResolved)
{
    ASSERT_TRUE(standard.setObject(BWCusomLocationTempPath, QStringLiteral("/media/usb/Orvane.ovdata")));
    ASSERT_TRUE(delegate.initializeDefaults());
    EXPECT_EQ(storedStandard().stringForKey(BWCusomLocationTempPath), QStringLiteral("/media/usb/Orvane.ovdata"));
}

TEST_F(BWStartupDefaultsTest, ResetsHowMuchIncomeToShowAsAnInteger)
{
    ASSERT_TRUE(standard.setInteger(BWHowMuchIncomeToShow, 1));
    ASSERT_TRUE(delegate.initializeDefaults());
    const QVariant stored = storedStandard().objectForKey(BWHowMuchIncomeToShow);
    EXPECT_EQ(stored.typeId(), QMetaType::LongLong);
    EXPECT_EQ(stored.toLongLong(), 0);
}

TEST_F(BWStartupDefaultsTest, CopiesTheRegisteredDueSoonDaysIntoTheAppGroupSuite)
{
    ASSERT_TRUE(delegate.initializeDefaults());
    const QVariant copied = storedAppGroup().objectForKey(BWDueSoonDays);
    EXPECT_EQ(copied.typeId(), QMetaType::LongLong);
    EXPECT_EQ(copied.toLongLong(), 7);
}

TEST_F(BWStartupDefaultsTest, ChangedDueSoonDaysReachTheAppGroupSuiteAtTheNextStart)
{
    ASSERT_TRUE(delegate.initializeDefaults());
    ASSERT_TRUE(standard.setInteger(BWDueSoonDays, 12));
    EXPECT_EQ(storedAppGroup().integerForKey(BWDueSoonDays), 7);

    ASSERT_TRUE(delegate.initializeDefaults());
    EXPECT_EQ(storedAppGroup().integerForKey(BWDueSoonDays), 12);
}

TEST_F(BWStartupDefaultsTest, CopyLeavesTheAppGroupSuiteOtherKeysAlone)
{
    ASSERT_TRUE(appGroup.setObject(QStringLiteral("ActiveBills"), QVariantList{QStringLiteral("A")}));
    ASSERT_TRUE(delegate.initializeDefaults());
    EXPECT_EQ(storedAppGroup().arrayForKey(QStringLiteral("ActiveBills")).size(), 1);
}

TEST_F(BWStartupDefaultsTest, AsksForNoCalendarAccessWhileCalendarRemindersAreOff)
{
    ASSERT_TRUE(delegate.initializeDefaults());
    EXPECT_EQ(delegate.currentEventStore(), nullptr);
}

TEST_F(BWStartupDefaultsTest, AsksForCalendarAccessAtStartWhenCalendarRemindersAreOn)
{
    ASSERT_TRUE(standard.setBool(BWReminderEvents, true));
    ASSERT_TRUE(delegate.initializeDefaults());
    const std::shared_ptr<CalendarStore> store = delegate.currentEventStore();
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(store->hasAccessToEvents());
    EXPECT_EQ(store->folder(), folder.file(QStringLiteral("calendars")));
}

TEST_F(BWStartupDefaultsTest, TurningTheSwitchOnAsksForAccessAndOffDoesNot)
{
    QCheckBox calendarSwitch;
    calendarSwitch.setChecked(false);
    delegate.promptForAccessToCalendar(&calendarSwitch);
    EXPECT_EQ(delegate.currentEventStore(), nullptr);

    calendarSwitch.setChecked(true);
    delegate.promptForAccessToCalendar(&calendarSwitch);
    ASSERT_NE(delegate.currentEventStore(), nullptr);
    EXPECT_TRUE(delegate.currentEventStore()->hasAccessToEvents());

    delegate.promptForAccessToCalendar(nullptr);  // a sender that went away changes nothing
    EXPECT_NE(delegate.currentEventStore(), nullptr);
}

TEST_F(BWStartupDefaultsTest, ANewRequestReplacesTheStoreWithoutInvalidatingTheOldOne)
{
    delegate.requestAccessToCalendar();
    const std::shared_ptr<CalendarStore> first = delegate.currentEventStore();
    delegate.requestAccessToCalendar();
    EXPECT_NE(delegate.currentEventStore(), first);
    EXPECT_TRUE(first->hasAccessToEvents());
}

TEST_F(BWStartupDefaultsTest, AFailedWriteIsReportedButTheOtherStepsStillRun)
{
    // A defaults file whose folder is a plain file cannot be written.
    const QString blocked = folder.write(QStringLiteral("blocked"), "not a folder");
    UserDefaults unwritable(UserDefaults::standardPath(blocked));
    ASSERT_TRUE(appGroup.setInteger(BWDueSoonDays, 3));
    unwritable.setInteger(BWDueSoonDays, 9);
    unwritable.setBool(BWReminderEvents, true);
    unwritable.setInteger(BWHowMuchIncomeToShow, 1);
    BWAppDelegate startingDelegate(environment(&unwritable, &appGroup, &clock),
                                   folder.file(QStringLiteral("calendars")));

    EXPECT_FALSE(startingDelegate.initializeDefaults());
    EXPECT_EQ(unwritable.integerForKey(BWHowMuchIncomeToShow), 0);  // held in memory for this run
    EXPECT_EQ(storedAppGroup().integerForKey(BWDueSoonDays), 9);
    EXPECT_NE(startingDelegate.currentEventStore(), nullptr);
}

TEST_F(BWStartupDefaultsTest, AnUnwritableAppGroupSuiteIsReported)
{
    const QString blocked = folder.write(QStringLiteral("blocked"), "not a folder");
    UserDefaults unwritableSuite(UserDefaults::suitePath(blocked, AppGroupSuiteName));
    BWAppDelegate startingDelegate(environment(&standard, &unwritableSuite, &clock),
                                   folder.file(QStringLiteral("calendars")));

    EXPECT_FALSE(startingDelegate.initializeDefaults());
    EXPECT_EQ(storedStandard().integerForKey(BWHowMuchIncomeToShow), 0);
    EXPECT_TRUE(storedStandard().hasStoredValue(BWHowMuchIncomeToShow));
}
