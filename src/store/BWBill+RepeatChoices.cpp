// The stored Repeat pair [count, unit] of an editor repeat choice. The loader's
// getRepeatFromArrayMac reads a pair back into the same choice.

#include "store/BWBill.h"

#include "store/RepeatUnit.h"

namespace {

constexpr int CustomRepeatSelector = 6;
constexpr int LastRepeatSelector = 9;

// The custom-unit pop-up has separator rows between some units; a row that
// names no unit counts as days, the pop-up's first entry.
RepeatUnit customUnitForSelector(int customSelector)
{
    switch (customSelector) {
    case 1: return RepeatUnit::Weeks;
    case 2: return RepeatUnit::Months;
    case 4: return RepeatUnit::SameWeekdayOfMonth;
    case 6: return RepeatUnit::EstimatedTaxDates;
    default: return RepeatUnit::Days;
    }
}

QVariantList pair(qlonglong count, RepeatUnit unit)
{
    return {count, qlonglong(unit)};
}

}  // namespace

QVariantList BWBill::calculateRepeatValuesWithRepeatSelector(int repeatSelector, qlonglong customNumber,
                                                             int customSelector)
{
    if (repeatSelector < 0 || repeatSelector > LastRepeatSelector)
        return {};
    if (repeatSelector == CustomRepeatSelector)
        return pair(customNumber, customUnitForSelector(customSelector));
    static const QList<QVariantList> fixedPairs = {
        pair(1, RepeatUnit::Weeks),           // Weekly
        pair(1, RepeatUnit::TwicePerMonth),   // Twice Per Month
        pair(1, RepeatUnit::Months),          // Monthly
        pair(3, RepeatUnit::Months),          // Quarterly
        pair(6, RepeatUnit::Months),          // Every 6 Months
        pair(12, RepeatUnit::Months),         // Every Year
        {},                                   // Custom, handled above
        pair(0, RepeatUnit::Never),           // Never
        pair(2, RepeatUnit::Months),          // Custom: Every 2 Months
        pair(2, RepeatUnit::Weeks),           // Custom: Every 2 Weeks
    };
    return fixedPairs.at(repeatSelector);
}
