// The editor's repeat choices as the loader reads them back from a stored
// Repeat pair [count, unit]. The stored pairs come from
// BWBill::calculateRepeatValuesWithRepeatSelector; the two tables are inverse.

#include "store/BWBillsLoader.h"

#include "store/RepeatUnit.h"

namespace {

// Indexes of the editor's repeat pop-up.
enum RepeatChoice : int {
    WeeklyChoice = 0,
    TwicePerMonthChoice = 1,
    MonthlyChoice = 2,
    QuarterlyChoice = 3,
    EverySixMonthsChoice = 4,
    EveryYearChoice = 5,
    CustomChoice = 6,
    NeverChoice = 7,
    EveryTwoMonthsChoice = 8,
    EveryTwoWeeksChoice = 9,
};

// Indexes of the editor's custom-unit pop-up.
enum CustomUnitChoice : int {
    CustomDays = 0,
    CustomWeeks = 1,
    CustomMonths = 2,
    CustomSameWeekday = 4,
    CustomEstimatedTax = 6,
};

QList<int> fixedChoice(RepeatChoice choice)
{
    return {choice};
}

QList<int> customChoice(CustomUnitChoice unit)
{
    return {CustomChoice, unit};
}

std::optional<QList<int>> monthsChoice(qlonglong count)
{
    switch (count) {
    case 1: return fixedChoice(MonthlyChoice);
    case 3: return fixedChoice(QuarterlyChoice);
    case 6: return fixedChoice(EverySixMonthsChoice);
    case 12: return fixedChoice(EveryYearChoice);
    default: return customChoice(CustomMonths);
    }
}

}  // namespace

std::optional<QList<int>> BWBillsLoader::getRepeatFromArrayMac(const QVariantList& repeat) const
{
    if (repeat.size() < 2)
        return fixedChoice(MonthlyChoice);
    const std::optional<RepeatUnit> unit = repeatUnitFromCode(repeat.at(1).toLongLong());
    if (!unit)
        return std::nullopt;
    const qlonglong count = repeat.at(0).toLongLong();
    switch (*unit) {
    case RepeatUnit::Weeks: return count == 1 ? fixedChoice(WeeklyChoice) : customChoice(CustomWeeks);
    case RepeatUnit::TwicePerMonth: return fixedChoice(TwicePerMonthChoice);
    case RepeatUnit::Months: return monthsChoice(count);
    case RepeatUnit::Days: return customChoice(CustomDays);
    case RepeatUnit::Never: return fixedChoice(NeverChoice);
    case RepeatUnit::SameWeekdayOfMonth: return customChoice(CustomSameWeekday);
    case RepeatUnit::EstimatedTaxDates: return customChoice(CustomEstimatedTax);
    }
    return std::nullopt;
}

std::optional<QList<int>> BWBillsLoader::getRepeatFromArray(const QVariantList& repeat) const
{
    if (repeat.size() < 2)
        return getRepeatFromArrayMac(repeat);
    const qlonglong count = repeat.at(0).toLongLong();
    const qlonglong unit = repeat.at(1).toLongLong();
    if (count == 2 && unit == qlonglong(RepeatUnit::Weeks))
        return fixedChoice(EveryTwoWeeksChoice);
    if (count == 2 && unit == qlonglong(RepeatUnit::Months))
        return fixedChoice(EveryTwoMonthsChoice);
    switch (unit) {
    case 5: return customChoice(CustomDays);
    case 6: return customChoice(CustomSameWeekday);
    case 7: return customChoice(CustomEstimatedTax);
    default: return unit > 7 ? std::nullopt : getRepeatFromArrayMac(repeat);
    }
}

QString BWBillsLoader::repeatStringFromRepeatArray(const QList<int>& selection) const
{
    static const QStringList names = {
        "Weekly", "Twice Per Month", "Monthly", "Quarterly", "Every 6 Months", "Every Year",
        "Custom", "Never", "Custom: Every 2 Months", "Custom: Every 2 Weeks",
    };
    const int index = selection.value(0, -1);
    return index >= 0 && index < names.size() ? names.at(index) : QStringLiteral("Monthly");
}
