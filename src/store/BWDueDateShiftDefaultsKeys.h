#pragma once

#include <QString>

// Defaults that decide whether a loaded bill's due date is moved off weekends,
// holidays and the user's vacation.
namespace DueDateShiftDefaultsKeys {

// An integer, on when not 0. Also sends a holiday or vacation shift that lands
// on a weekend on to the Friday before.
inline const QString AvoidWeekends = QStringLiteral("BWAvoidWeekends");
// Master switch of the holiday and the vacation shift.
inline const QString ShouldAllowHolidayAdjustments = QStringLiteral("ShouldAllowHolidayAdjustments");
inline const QString AvoidHolidays = QStringLiteral("BWAvoidHolidays");
inline const QString VacationEnabled = QStringLiteral("VacationEnabled");
// First and last day (both included) of the vacation window.
inline const QString VacationStartDate = QStringLiteral("VacationStartDate");
inline const QString VacationEndTime = QStringLiteral("VacationEndTime");

}  // namespace DueDateShiftDefaultsKeys
