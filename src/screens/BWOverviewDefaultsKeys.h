#pragma once

#include <QString>

// Settings the overview reads at each load or selection.
namespace OverviewDefaultsKeys {

// 0: income items are left out of the list (they still reach the calendar
// and the tray menu); any other value shows them.
inline const QString ShowPaydaysOnOverview = QStringLiteral("BWShowPaydaysOnOverview");
// The detail line under a bill's name: 0 its repeat rule, 1 its payment
// type, 2 its tags; any other value none.
inline const QString WhatToShowOnOverview = QStringLiteral("BW_WhatToShowOnOverview");
// Varying amounts show this month's estimate in place of "Not Set".
inline const QString UseIntelligenceEstimates = QStringLiteral("BWUseIntelligenceEstimates");
// The tray menu lists the loaded bills.
inline const QString EnableMenu = QStringLiteral("BWEnableMenu");
inline const QString HideAd = QStringLiteral("BWHideAd");
inline const QString VacationEnabled = QStringLiteral("VacationEnabled");

// One switch per optional column of the bill table, named like the column.
inline const QString AverageColumn = QStringLiteral("Average");
inline const QString AmountColumn = QStringLiteral("Amount");
inline const QString BalanceColumn = QStringLiteral("Balance");
inline const QString LastPaidColumn = QStringLiteral("LastPaid");
// Widths and order of the bill table's columns as the user left them.
inline const QString BillTableColumns = QStringLiteral("BWBillTableColumns");

}  // namespace OverviewDefaultsKeys
