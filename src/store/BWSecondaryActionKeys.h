#pragma once

#include <QString>

// The second button beside a bill's action menu: which action it offers.
namespace SecondaryActionKeys {

// Fields of one remembered choice in the BWSecondaryAction setting.
inline const QString BillID = QStringLiteral("billID");
inline const QString ActionString = QStringLiteral("actionString");

// Values of the BWSecondaryActionSetting default: the bill's own remembered
// action, or one action for every bill (when the bill offers it).
enum SecondaryActionSetting : qlonglong {
    OwnChoice = 0,
    LogPartial = 2,
    SkipPayment = 3,
    QuickLog = 4,
    ViewWebsite = 6,
    PayNow = 7,
    EditItem = 9,
};

}  // namespace SecondaryActionKeys

// Titles of the actions a bill's action menu offers.
namespace BillActionTitle {

inline const QString LogIncome = QStringLiteral("Log Income");
inline const QString LogPartial = QStringLiteral("Log Partial");
inline const QString SkipPayment = QStringLiteral("Skip Payment");
inline const QString QuickLog = QStringLiteral("Quick Log");
inline const QString ViewWebsite = QStringLiteral("View Website");
inline const QString PayNow = QStringLiteral("Pay Now");
inline const QString EditIncome = QStringLiteral("Edit Income");
inline const QString EditBill = QStringLiteral("Edit Bill");

}  // namespace BillActionTitle
