#pragma once

#include <QString>

// Defaults that decide where the data folder is and what a load hands out.
namespace LoaderDefaultsKeys {

// Where the data folder lives.
inline const QString CustomLocationEnabled = QStringLiteral("BWCustomLocationEnabled");
inline const QString CustomLocationBookmark = QStringLiteral("BWCustomLocationBookmark");  // the chosen folder
// The resolved data-folder path; "" means the chosen folder is to be resolved
// again. The key keeps the spelling that stored settings already use.
inline const QString CustomLocationTempPath = QStringLiteral("BWCusomLocationTempPath");
inline const QString DropboxSyncEnabled = QStringLiteral("BWDropboxSyncEnabled");

// What a load hands out.
inline const QString DueSoonDays = QStringLiteral("BWDueSoonDays");
inline const QString HideAutomaticBillsInOverview = QStringLiteral("BWHideAutoMaticBillsInOverview");
inline const QString EnableIncome = QStringLiteral("BWEnableIncome");

}  // namespace LoaderDefaultsKeys

// The overview's pseudo-tags: lists chosen by date rather than by a user tag.
namespace PseudoTags {

inline const QString DueThisMonth = QStringLiteral("DueThisMonthTag");
inline const QString PaidThisMonth = QStringLiteral("PaidThisMonthTag");
inline const QString DueSoon = QStringLiteral("DueSoonTag");

}  // namespace PseudoTags

// Keys of the app-group suite that an extension reads.
namespace AppGroupKeys {

inline const QString ActiveBills = QStringLiteral("ActiveBills");
inline const QString DueSoonDays = QStringLiteral("BWDueSoonDays");
inline const QString HideAutomaticBillsInOverview = QStringLiteral("BWHideAutoMaticBillsInOverview");

}  // namespace AppGroupKeys
