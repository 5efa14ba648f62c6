#pragma once

#include <QtGlobal>
#include <optional>

// The second element of a bill's Repeat pair [count, unit]. The count is used
// by the plain additions (weeks, months, days) only.
enum class RepeatUnit : int {
    Weeks = 0,
    TwicePerMonth = 1,        // on the 1st and the 15th
    Months = 2,
    Days = 3,
    Never = 4,                // a one-time item
    SameWeekdayOfMonth = 5,   // for example every second Tuesday
    EstimatedTaxDates = 6,    // 15 January, 15 April, 15 June, 15 September
};

// The unit of a stored code; nothing for a code no rule knows.
inline std::optional<RepeatUnit> repeatUnitFromCode(qlonglong code)
{
    if (code < qlonglong(RepeatUnit::Weeks) || code > qlonglong(RepeatUnit::EstimatedTaxDates))
        return std::nullopt;
    return RepeatUnit(code);
}

// Payment method of a bill (its PayType) that the date rules look at.
inline constexpr int AutomaticPayType = 1;
