#include "store/BWRegisteredDefaults.h"

#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "store/BWDefaultsKeys.h"

namespace {

// Integers must stay qlonglong so that they are stored and read back as
// integers, never as booleans or reals.
QVariant integer(qlonglong value)
{
    return value;
}

}  // namespace

QVariantMap BWRegisteredDefaults::table(const Clock& clock)
{
    using namespace BWDefaultsKeys;
    const QDateTime now = clock.now().toUTC();
    const QDateTime distantPast = PropertyList::distantPast();
    const QDateTime distantFuture = PropertyList::distantFuture();

    return {
        {BWRemindersEnabled, true},
        {BWReminderDays, integer(7)},
        {BWDueSoonDays, integer(7)},
        {BWDropboxSyncEnabled, false},
        {Average, true},
        {Amount, true},
        {Balance, false},
        {LastPaid, false},
        {BWEnableDocklet, true},
        {BWEnableMenu, true},
        {BWShouldDisplayStatusTitle, true},
        {BWReminderEvents, false},
        {BWReminderCalendarNumber, integer(0)},
        {BRWPlayInterfaceSounds, true},
        {BRWWhichSoundEffect, integer(4)},
        {BWPayWithInternalBrowser, true},
        {BWStatPosition, integer(1)},
        {BWEnableIncome, true},
        {use_custom_path, false},
        {BWDontCountAuto, true},
        {LEMAddress, QStringLiteral("")},
        {BWIsOv5FirstLaunch, false},
        {BWReminderTime, now},
        {BWEnableNotificationCenter, true},
        {BWHideTip, false},
        {BWAuthorizedForiOSSync, false},
        {BWDropboxPhoneSyncEnabled, false},
        {BWIsFirstPhoneSync, true},
        {BWSyncPhoneAtStart, true},
        {BWLastBackupUID, QStringLiteral("a0")},
        {BWLastBackup, distantPast},
        {BWHideAd, false},
        {EnableStartAtLoginMenu, false},
        {OrvaneVisibility, integer(0)},
        {iCloudSyncEnabled, false},
        {iCloudSyncEnabled2, false},
        {iCloudSyncStatus, integer(1)},
        {FirstLaunchSinceiCloud, true},
        {FirstLaunchSinceiCloud2, true},
        {expectedBalanceName, QStringLiteral("EXPECTED BALANCE")},
        // An integer, not a bool, for the sake of values older versions stored.
        {BWAvoidWeekends, integer(0)},
        {BWAvoidHolidays, true},
        {VacationEnabled, false},
        {VacationStartDate, now},
        {VacationEndDate, now},
        {VacationEndTime, distantFuture},
        {ShouldAllowHolidayAdjustments, true},
        {BWShouldAutoArchiveBills, false},
        {BWReminderCalendarName, QStringLiteral("Orvane")},
        {BWShouldSuggestBills, true},
        {BWIsOrvane6FirstLaunch, true},
        {BWHowMuchIncomeToShow, integer(0)},
        {BWShowPaydaysOnOverview, true},
        {OV_LastCloudChangeDate, distantPast},
        {OV_LastCloudChangeDateDownloadOnly, distantPast},
        {BW_DidReceiveCloudKitChange, false},
        {BW_WhatToShowOnOverview, integer(0)},
        {BW_FirstLaunchVersion7, true},
        {BWIncludeSaveAmount, true},
        {BWUseIntelligenceEstimates, true},
        {BW_IsFirstLaunchV8, true},
        {BW_IsFirstArchiveViewV8, true},
        {BW_IsFirstLaunchV8_NEW, true},
        {BWShouldDisplayStatusColors, true},
        {BW_ShouldDisplayOrvaneCloudPrompt, true},
        {BW_ShouldAutoLogIncome, true},
        {BWSecondaryAction, QVariantList()},
        {BWSecondaryActionSetting, integer(0)},
    };
}
