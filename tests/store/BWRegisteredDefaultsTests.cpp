#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWRegisteredDefaults.h"

#include "support/TempFolder.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace BWDefaultsKeys;

namespace {

enum class Kind { Bool, Integer, String, Date, Array };

struct Expected {
    QString key;
    Kind kind;
    QVariant value;  // for dates: resolved by the fixture
};

const QDateTime kLaunch(QDate(2024, 3, 5), QTime(7, 45, 12), Qt::UTC);

// The defaults a fresh user account starts with, key by key.
QList<Expected> expectedTable()
{
    const QVariant now = kLaunch;
    const QVariant past = PropertyList::distantPast();
    const QVariant future = PropertyList::distantFuture();
    const auto yes = [](const QString& key) { return Expected{key, Kind::Bool, true}; };
    const auto no = [](const QString& key) { return Expected{key, Kind::Bool, false}; };
    const auto integer = [](const QString& key, qlonglong v) { return Expected{key, Kind::Integer, v}; };
    const auto string = [](const QString& key, const char* v) { return Expected{key, Kind::String, QString::fromUtf8(v)}; };
    const auto date = [](const QString& key, const QVariant& v) { return Expected{key, Kind::Date, v}; };
    return {
        yes(BWRemindersEnabled), integer(BWReminderDays, 7), integer(BWDueSoonDays, 7),
        no(BWDropboxSyncEnabled), yes(Average), yes(Amount), no(Balance), no(LastPaid),
        yes(BWEnableDocklet), yes(BWEnableMenu), yes(BWShouldDisplayStatusTitle), no(BWReminderEvents),
        integer(BWReminderCalendarNumber, 0), yes(BRWPlayInterfaceSounds), integer(BRWWhichSoundEffect, 4),
        yes(BWPayWithInternalBrowser), integer(BWStatPosition, 1), yes(BWEnableIncome), no(use_custom_path),
        yes(BWDontCountAuto), string(LEMAddress, ""), no(BWIsOv5FirstLaunch), date(BWReminderTime, now),
        yes(BWEnableNotificationCenter), no(BWHideTip), no(BWAuthorizedForiOSSync),
        no(BWDropboxPhoneSyncEnabled), yes(BWIsFirstPhoneSync), yes(BWSyncPhoneAtStart),
        string(BWLastBackupUID, "a0"), date(BWLastBackup, past), no(BWHideAd), no(EnableStartAtLoginMenu),
        integer(OrvaneVisibility, 0), no(iCloudSyncEnabled), no(iCloudSyncEnabled2), integer(iCloudSyncStatus, 1),
        yes(FirstLaunchSinceiCloud), yes(FirstLaunchSinceiCloud2),
        string(expectedBalanceName, "EXPECTED BALANCE"), integer(BWAvoidWeekends, 0), yes(BWAvoidHolidays),
        no(VacationEnabled), date(VacationStartDate, now), date(VacationEndDate, now),
        date(VacationEndTime, future), yes(ShouldAllowHolidayAdjustments), no(BWShouldAutoArchiveBills),
        string(BWReminderCalendarName, "Orvane"), yes(BWShouldSuggestBills), yes(BWIsOrvane6FirstLaunch),
        integer(BWHowMuchIncomeToShow, 0), yes(BWShowPaydaysOnOverview), date(OV_LastCloudChangeDate, past),
        date(OV_LastCloudChangeDateDownloadOnly, past), no(BW_DidReceiveCloudKitChange),
        integer(BW_WhatToShowOnOverview, 0), yes(BW_FirstLaunchVersion7), yes(BWIncludeSaveAmount),
        yes(BWUseIntelligenceEstimates), yes(BW_IsFirstLaunchV8), yes(BW_IsFirstArchiveViewV8),
        yes(BW_IsFirstLaunchV8_NEW), yes(BWShouldDisplayStatusColors), yes(BW_ShouldDisplayOrvaneCloudPrompt),
        yes(BW_ShouldAutoLogIncome), Expected{BWSecondaryAction, Kind::Array, QVariantList()},
        integer(BWSecondaryActionSetting, 0),
    };
}

QMetaType::Type storedType(Kind kind)
{
    switch (kind) {
    case Kind::Bool: return QMetaType::Bool;
    case Kind::Integer: return QMetaType::LongLong;
    case Kind::String: return QMetaType::QString;
    case Kind::Date: return QMetaType::QDateTime;
    case Kind::Array: return QMetaType::QVariantList;
    }
    return QMetaType::UnknownType;
}

class BWRegisteredDefaultsTest : public testing::Test
{
protected:
    BWRegisteredDefaultsTest() { clock.setNow(kLaunch); }

    UserDefaults registeredDefaults()
    {
        UserDefaults defaults(folder.file(QStringLiteral("Orvane.plist")));
        defaults.registerDefaults(BWRegisteredDefaults::table(clock));
        return defaults;
    }

    TempFolder folder;
    Clock clock;
};

}  // namespace

TEST_F(BWRegisteredDefaultsTest, HoldsExactlyTheKnownKeys)
{
    const QVariantMap table = BWRegisteredDefaults::table(clock);
    QStringList expectedKeys;
    for (const Expected& entry : expectedTable())
        expectedKeys.append(entry.key);
    expectedKeys.sort();
    EXPECT_EQ(table.keys(), expectedKeys);
}

TEST_F(BWRegisteredDefaultsTest, EveryDefaultKeepsItsPropertyListType)
{
    const QVariantMap table = BWRegisteredDefaults::table(clock);
    for (const Expected& entry : expectedTable()) {
        SCOPED_TRACE(entry.key.toStdString());
        EXPECT_EQ(table.value(entry.key).typeId(), storedType(entry.kind));
    }
}

TEST_F(BWRegisteredDefaultsTest, EveryDefaultReadsBackThroughTypedReads)
{
    const UserDefaults defaults = registeredDefaults();
    for (const Expected& entry : expectedTable()) {
        SCOPED_TRACE(entry.key.toStdString());
        switch (entry.kind) {
        case Kind::Bool: EXPECT_EQ(defaults.boolForKey(entry.key), entry.value.toBool()); break;
        case Kind::Integer: EXPECT_EQ(defaults.integerForKey(entry.key), entry.value.toLongLong()); break;
        case Kind::String: EXPECT_EQ(defaults.stringForKey(entry.key), entry.value.toString()); break;
        case Kind::Date: EXPECT_EQ(defaults.dateForKey(entry.key), entry.value.toDateTime()); break;
        case Kind::Array: EXPECT_EQ(defaults.arrayForKey(entry.key), entry.value.toList()); break;
        }
    }
}

TEST_F(BWRegisteredDefaultsTest, FreshAccountShowsDockAndMenuWithNotificationsButNoCalendarEvents)
{
    const UserDefaults defaults = registeredDefaults();
    EXPECT_TRUE(defaults.boolForKey(BWEnableDocklet));
    EXPECT_TRUE(defaults.boolForKey(BWEnableMenu));
    EXPECT_EQ(defaults.integerForKey(BWDueSoonDays), 7);
    EXPECT_TRUE(defaults.boolForKey(BWEnableNotificationCenter));
    EXPECT_FALSE(defaults.boolForKey(BWReminderEvents));
}

TEST_F(BWRegisteredDefaultsTest, WeekendAvoidanceIsAnIntegerThatReadsAsOff)
{
    const UserDefaults defaults = registeredDefaults();
    EXPECT_EQ(defaults.objectForKey(BWAvoidWeekends).typeId(), QMetaType::LongLong);
    EXPECT_FALSE(defaults.boolForKey(BWAvoidWeekends));
}

TEST_F(BWRegisteredDefaultsTest, LaunchMomentIsStoredInUtcWhateverTheClockZone)
{
    const QDateTime berlinMorning(QDate(2024, 3, 5), QTime(8, 45, 12), QTimeZone(3600));
    clock.setNow(berlinMorning);
    const QDateTime reminderTime = BWRegisteredDefaults::table(clock).value(BWReminderTime).toDateTime();
    EXPECT_EQ(reminderTime.timeSpec(), Qt::UTC);
    EXPECT_EQ(reminderTime, kLaunch);
}

TEST_F(BWRegisteredDefaultsTest, ReminderTimeFollowsEachLaunchUntilTheUserStoresOne)
{
    UserDefaults defaults = registeredDefaults();
    EXPECT_EQ(defaults.dateForKey(BWReminderTime), kLaunch);

    const QDateTime nextLaunch = kLaunch.addDays(1).addSecs(3 * 3600);
    clock.setNow(nextLaunch);
    defaults.registerDefaults(BWRegisteredDefaults::table(clock));
    EXPECT_EQ(defaults.dateForKey(BWReminderTime), nextLaunch);

    const QDateTime chosen(QDate(2024, 1, 1), QTime(9, 30), Qt::UTC);
    ASSERT_TRUE(defaults.setObject(BWReminderTime, chosen));
    clock.setNow(nextLaunch.addDays(1));
    defaults.registerDefaults(BWRegisteredDefaults::table(clock));
    EXPECT_EQ(defaults.dateForKey(BWReminderTime), chosen);
}

TEST_F(BWRegisteredDefaultsTest, StoredValuesOverrideRegisteredOnesOfEveryType)
{
    UserDefaults defaults = registeredDefaults();
    const QDateTime backedUp(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC);
    ASSERT_TRUE(defaults.setBool(BWEnableMenu, false));
    ASSERT_TRUE(defaults.setBool(BWReminderEvents, true));
    ASSERT_TRUE(defaults.setInteger(BWDueSoonDays, 0));
    ASSERT_TRUE(defaults.setObject(BWReminderCalendarName, QString()));
    ASSERT_TRUE(defaults.setObject(BWLastBackup, backedUp));
    ASSERT_TRUE(defaults.setObject(BWSecondaryAction, QVariantList{QVariantMap{{"billID", "X"}}}));

    UserDefaults reloaded(defaults.path());
    reloaded.registerDefaults(BWRegisteredDefaults::table(clock));
    EXPECT_FALSE(reloaded.boolForKey(BWEnableMenu));
    EXPECT_TRUE(reloaded.boolForKey(BWReminderEvents));
    EXPECT_EQ(reloaded.integerForKey(BWDueSoonDays), 0);  // a stored zero is not "missing"
    EXPECT_EQ(reloaded.stringForKey(BWReminderCalendarName), QString());
    EXPECT_EQ(reloaded.dateForKey(BWLastBackup), backedUp);
    EXPECT_EQ(reloaded.arrayForKey(BWSecondaryAction).size(), 1);
}

TEST_F(BWRegisteredDefaultsTest, RegisteredValuesAreNeverWrittenToDisk)
{
    UserDefaults defaults = registeredDefaults();
    ASSERT_TRUE(defaults.setBool(BWHideTip, true));

    const UserDefaults reloaded(defaults.path());
    EXPECT_TRUE(reloaded.hasStoredValue(BWHideTip));
    EXPECT_FALSE(reloaded.hasStoredValue(BWReminderTime));
    EXPECT_FALSE(reloaded.hasStoredValue(BWDueSoonDays));
    EXPECT_EQ(reloaded.integerForKey(BWDueSoonDays), 0);
}
