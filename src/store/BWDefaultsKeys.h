#pragma once

#include <QString>

// Names of the user's settings. Every setting the program reads has a default
// in the shell's registered table (BWRegisteredDefaults), except the few listed last, whose absence already
// means "off" or "none".
namespace BWDefaultsKeys {

// The suite shared with the companion extension. On Linux it is a defaults
// file of this name beside the standard one (UserDefaults::suitePath).
inline const QString AppGroupSuiteName = QStringLiteral("K4TRW8ZP2N.group.Bramwick.Orvane");

// New bills
inline const QString BWRemindersEnabled = QStringLiteral("BWRemindersEnabled");
inline const QString BWReminderDays = QStringLiteral("BWReminderDays");
inline const QString BWShouldSuggestBills = QStringLiteral("BWShouldSuggestBills");

// Due states and counts; BWDueSoonDays is mirrored into the app-group suite
inline const QString BWDueSoonDays = QStringLiteral("BWDueSoonDays");
inline const QString BWDontCountAuto = QStringLiteral("BWDontCountAuto");

// Data folder
inline const QString BWDropboxSyncEnabled = QStringLiteral("BWDropboxSyncEnabled");
inline const QString use_custom_path = QStringLiteral("use_custom_path");
inline const QString BWLastBackupUID = QStringLiteral("BWLastBackupUID");
inline const QString BWLastBackup = QStringLiteral("BWLastBackup");

// Overview columns and contents. One switch per optional column of the bill
// table, named like the column.
inline const QString Average = QStringLiteral("Average");
inline const QString Amount = QStringLiteral("Amount");
inline const QString Balance = QStringLiteral("Balance");
inline const QString LastPaid = QStringLiteral("LastPaid");
inline const QString BWEnableIncome = QStringLiteral("BWEnableIncome");
inline const QString BWHowMuchIncomeToShow = QStringLiteral("BWHowMuchIncomeToShow");
// 0: income items are left out of the overview's list (they still reach the
// calendar and the tray menu); any other value shows them.
inline const QString BWShowPaydaysOnOverview = QStringLiteral("BWShowPaydaysOnOverview");
// The detail line under a bill's name: 0 its repeat rule, 1 its payment type,
// 2 its tags; any other value none.
inline const QString BW_WhatToShowOnOverview = QStringLiteral("BW_WhatToShowOnOverview");
inline const QString expectedBalanceName = QStringLiteral("expectedBalanceName");
inline const QString BWHideTip = QStringLiteral("BWHideTip");
inline const QString BWHideAd = QStringLiteral("BWHideAd");

// Dock, menu-bar item and login item
inline const QString OrvaneVisibility = QStringLiteral("OrvaneVisibility");
// Set once the user was told why the main window stays within reach (no tray).
inline const QString BWToldWindowStaysReachable = QStringLiteral("BWToldWindowStaysReachable");
inline const QString BWEnableDocklet = QStringLiteral("BWEnableDocklet");
inline const QString BWEnableMenu = QStringLiteral("BWEnableMenu");
inline const QString BWShouldDisplayStatusTitle = QStringLiteral("BWShouldDisplayStatusTitle");
inline const QString BWShouldDisplayStatusColors = QStringLiteral("BWShouldDisplayStatusColors");
inline const QString EnableStartAtLoginMenu = QStringLiteral("EnableStartAtLoginMenu");

// Reminders
inline const QString BWEnableNotificationCenter = QStringLiteral("BWEnableNotificationCenter");
inline const QString BWReminderEvents = QStringLiteral("BWReminderEvents");
inline const QString BWReminderCalendarName = QStringLiteral("BWReminderCalendarName");
inline const QString BWReminderCalendarNumber = QStringLiteral("BWReminderCalendarNumber");
inline const QString BWReminderTime = QStringLiteral("BWReminderTime");
inline const QString LEMAddress = QStringLiteral("LEMAddress");

// Payments
inline const QString BRWPlayInterfaceSounds = QStringLiteral("BRWPlayInterfaceSounds");
inline const QString BRWWhichSoundEffect = QStringLiteral("BRWWhichSoundEffect");
inline const QString BWPayWithInternalBrowser = QStringLiteral("BWPayWithInternalBrowser");
inline const QString BWShouldAutoArchiveBills = QStringLiteral("BWShouldAutoArchiveBills");
inline const QString BW_ShouldAutoLogIncome = QStringLiteral("BW_ShouldAutoLogIncome");
inline const QString BWSecondaryAction = QStringLiteral("BWSecondaryAction");
inline const QString BWSecondaryActionSetting = QStringLiteral("BWSecondaryActionSetting");

// Bill page, forecast and estimates
inline const QString BWStatPosition = QStringLiteral("BWStatPosition");
inline const QString BWIncludeSaveAmount = QStringLiteral("BWIncludeSaveAmount");
inline const QString BWUseIntelligenceEstimates = QStringLiteral("BWUseIntelligenceEstimates");

// Due-date shifts
inline const QString ShouldAllowHolidayAdjustments = QStringLiteral("ShouldAllowHolidayAdjustments");
inline const QString BWAvoidWeekends = QStringLiteral("BWAvoidWeekends");
inline const QString BWAvoidHolidays = QStringLiteral("BWAvoidHolidays");
inline const QString VacationEnabled = QStringLiteral("VacationEnabled");
inline const QString VacationStartDate = QStringLiteral("VacationStartDate");
inline const QString VacationEndDate = QStringLiteral("VacationEndDate");
inline const QString VacationEndTime = QStringLiteral("VacationEndTime");

// Syncing between devices
inline const QString iCloudSyncEnabled = QStringLiteral("iCloudSyncEnabled");
inline const QString iCloudSyncEnabled2 = QStringLiteral("iCloudSyncEnabled2");
inline const QString iCloudSyncStatus = QStringLiteral("iCloudSyncStatus");
inline const QString OV_LastCloudChangeDate = QStringLiteral("OV_LastCloudChangeDate");
inline const QString OV_LastCloudChangeDateDownloadOnly = QStringLiteral("OV_LastCloudChangeDateDownloadOnly");
inline const QString BW_DidReceiveCloudKitChange = QStringLiteral("BW_DidReceiveCloudKitChange");
inline const QString BW_ShouldDisplayOrvaneCloudPrompt = QStringLiteral("BW_ShouldDisplayOrvaneCloudPrompt");
inline const QString BWAuthorizedForiOSSync = QStringLiteral("BWAuthorizedForiOSSync");
inline const QString BWDropboxPhoneSyncEnabled = QStringLiteral("BWDropboxPhoneSyncEnabled");
inline const QString BWIsFirstPhoneSync = QStringLiteral("BWIsFirstPhoneSync");
inline const QString BWSyncPhoneAtStart = QStringLiteral("BWSyncPhoneAtStart");
// The folder a file-sync service shares between the user's computers, which
// holds the records of the record-database sync ("" for none), and the
// random part of this computer's sync id, which the machine's own id
// completes (SyncDeviceIdentity).
inline const QString BWSharedSyncFolder = QStringLiteral("BWSharedSyncFolder");
inline const QString BWSyncDeviceID = QStringLiteral("BWSyncDeviceID");

// First launches of this and earlier major versions
inline const QString FirstLaunchSinceiCloud = QStringLiteral("FirstLaunchSinceiCloud");
inline const QString FirstLaunchSinceiCloud2 = QStringLiteral("FirstLaunchSinceiCloud2");
inline const QString BWIsOv5FirstLaunch = QStringLiteral("BWIsOv5FirstLaunch");
inline const QString BWIsOrvane6FirstLaunch = QStringLiteral("BWIsOrvane6FirstLaunch");
inline const QString BW_FirstLaunchVersion7 = QStringLiteral("BW_FirstLaunchVersion7");
inline const QString BW_IsFirstLaunchV8 = QStringLiteral("BW_IsFirstLaunchV8");
inline const QString BW_IsFirstArchiveViewV8 = QStringLiteral("BW_IsFirstArchiveViewV8");
inline const QString BW_IsFirstLaunchV8_NEW = QStringLiteral("BW_IsFirstLaunchV8_NEW");

// Used without a registered default
inline const QString BWCusomLocationTempPath = QStringLiteral("BWCusomLocationTempPath");  // sic: stored under this spelling
inline const QString BWCustomLocationEnabled = QStringLiteral("BWCustomLocationEnabled");
inline const QString BWCustomLocationBookmark = QStringLiteral("BWCustomLocationBookmark");
// While the data folder is moved: the two data-folder paths of the move, so
// that the next start can tidy what a move cut short left at either end.
inline const QString BWUnfinishedDataFolderMove = QStringLiteral("BWUnfinishedDataFolderMove");
inline const QString BWHideAutoMaticBillsInOverview = QStringLiteral("BWHideAutoMaticBillsInOverview");
inline const QString BWTurnSyncOffButtonTitle = QStringLiteral("BWTurnSyncOffButtonTitle");
// Automatic bills (and, with BW_ShouldAutoLogIncome, income) log themselves
// when they fall due; off until the user turns it on.
inline const QString BWShouldAutoLogPayments = QStringLiteral("BWShouldAutoLogPayments");
// Widths and order of the overview's bill-table columns as the user left them.
inline const QString BWBillTableColumns = QStringLiteral("BWBillTableColumns");
// Set while a lock password exists, so that a keyring that can't be read
// keeps the program locked instead of reading as "no password".
inline const QString BWPasswordLockIsOn = QStringLiteral("BWPasswordLockIsOn");
// The e-mail reminder service: its address (https; http only on this
// computer) and the account and sender it knows the program by. The API key
// is kept in the keyring, under the account's name.
inline const QString BWMailServiceURL = QStringLiteral("BWMailServiceURL");
inline const QString BWMailServiceAccount = QStringLiteral("BWMailServiceAccount");
inline const QString BWMailServiceSender = QStringLiteral("BWMailServiceSender");

}  // namespace BWDefaultsKeys
