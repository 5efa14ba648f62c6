#include <array>

#include "StoreFiguresTestFixture.h"
#include "store/BWForecastViewCalculations.h"

namespace {

class BWForecastViewCalculationsTest : public StoreFiguresTest
{
protected:
    BWForecastViewCalculations calculations() const { return BWForecastViewCalculations(env); }
};

// Today is 10 March 2026.
TEST_F(BWForecastViewCalculationsTest, EstimatesVaryingAmountsFromPastPayments)
{
    const QDate nextMonth(2026, 4, 20);
    const QVariantList fiveNewestFirst = payments({{40, {2026, 2, 20}}, {50, {2026, 1, 20}}, {60, {2025, 12, 20}},
                                                   {70, {2025, 11, 20}}, {1000, {2025, 10, 20}}});
    const QVariantList utilityMonths = payments({
        {100, {2026, 3, 2}},    // the month itself
        {80, {2026, 2, 2}},     // the month before
        {60, {2025, 3, 2}},     // a year back
        {40, {2025, 4, 2}},     // a year back, the month after
        {20, {2025, 2, 2}},     // a year back, the month before
        {10, {2024, 3, 2}},     // two years back
        {5000, {2026, 1, 2}},   // two months back: not a sample
        {7000, {2023, 3, 2}},   // three years back: not a sample
    });
    struct Row {
        const char* what;
        QVariantMap record;
        int monthIndex;
        double estimate;
    };
    const Row rows[] = {
        {"four newest payments", varyingBill("Phone", "GScale_Phone", nextMonth, fiveNewestFirst), 0, 55},
        {"payments in any order", varyingBill("Phone", "GScale_Phone", nextMonth,
                                              payments({{1000, {2025, 10, 20}}, {60, {2025, 12, 20}},
                                                        {40, {2026, 2, 20}}, {70, {2025, 11, 20}},
                                                        {50, {2026, 1, 20}}})), 0, 55},
        {"fewer than four payments", varyingBill("Phone", "GScale_Phone", nextMonth, payments({{30, {2026, 1, 1}}})),
         0, 30},
        {"no payments", varyingBill("Phone", "GScale_Phone", nextMonth, {}), 0, 0},
        {"payments that sum to nothing", varyingBill("Phone", "GScale_Phone", nextMonth,
                                                     payments({{30, {2026, 1, 1}}, {-30, {2026, 2, 1}}})), 0, 0},
        {"fixed amount", with(varyingBill("Phone", "GScale_Phone", nextMonth, fiveNewestFirst),
                              BillKeys::AmountVaries, qlonglong(0)), 0, 0},
        {"stored amount in its due month", with(varyingBill("Phone", "GScale_Phone", nextMonth, fiveNewestFirst),
                                                BillKeys::Amount, 120.0), 1, 120},
        {"stored amount outside its due month", with(varyingBill("Phone", "GScale_Phone", nextMonth, fiveNewestFirst),
                                                     BillKeys::Amount, 120.0), 0, 55},
        {"the forecast's original due date counts",
         with(with(varyingBill("Phone", "GScale_Phone", nextMonth, fiveNewestFirst), BillKeys::Amount, 120.0),
              ForecastKeys::OriginalDueDate, localMoment(2026, 3, 28, 9)), 0, 120},
        {"utility samples around the month", varyingBill("Power", "GScale_Power", nextMonth, utilityMonths), 0, 310.0 / 6},
        {"older utility icon name", varyingBill("Power", "32x32-Electric-Bill", nextMonth, utilityMonths), 0, 310.0 / 6},
        {"utility paid two years back", varyingBill("Gas", "GScale_Gas", nextMonth,
                                                    payments({{30, {2024, 3, 5}}, {50, {2024, 3, 25}}})), 0, 40},
        {"utility paid three years back", varyingBill("Water", "GScale_Water", nextMonth,
                                                      payments({{30, {2023, 3, 5}}})), 0, 0},
        {"utility, two months ahead", varyingBill("Trash", "GScale_Trash", nextMonth,
                                                  payments({{30, {2025, 5, 5}}, {90, {2026, 3, 5}}})), 2, 30},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(calculations().calculateInteligentAmountForBill(row.record, row.monthIndex), row.estimate)
            << row.what;
}

TEST_F(BWForecastViewCalculationsTest, SharesToPutAsideEachMonth)
{
    // A share is amount / months: sharing by whole periods per year would put
    // aside 83.33 for 500 every 5 months and nothing from 13 months on.
    const QVariantList paid = payments({{50, {2026, 2, 1}}, {70, {2025, 11, 1}}});
    struct Row {
        const char* what;
        QVariantMap record;
        bool dueThisMonth;
        double saveAmount, amount;
    };
    const QDate due(2026, 5, 1);
    const Row rows[] = {
        {"300 every 3 months, not due", with(bill("Car", 300, due), BillKeys::Repeat, QVariantList{3, 2}), false, 100, 0},
        {"300 every 3 months, due", with(bill("Car", 300, due), BillKeys::Repeat, QVariantList{3, 2}), true, 0, 300},
        {"500 every 5 months", with(bill("Car", 500, due), BillKeys::Repeat, QVariantList{5, 2}), false, 100, 0},
        {"1200 every 12 months", with(bill("Car", 1200, due), BillKeys::Repeat, QVariantList{12, 2}), false, 100, 0},
        {"1300 every 13 months", with(bill("Car", 1300, due), BillKeys::Repeat, QVariantList{13, 2}), false, 100, 0},
        {"900 on the tax dates", with(bill("Tax", 900, due), BillKeys::Repeat, QVariantList{1, 6}), false, 300, 0},
        {"a count of 0 counts as 1", with(bill("Car", 120, due), BillKeys::Repeat, QVariantList{0, 2}), false, 120, 0},
        {"a varying amount shares its estimate",
         with(varyingBill("Phone", "GScale_Phone", due, paid), BillKeys::Repeat, QVariantList{3, 2}), false, 20, 0},
    };
    for (const Row& row : rows) {
        const QVariantMap result = calculations().billWithAmountToSaveAdded(row.record, 0, row.dueThisMonth);
        EXPECT_DOUBLE_EQ(result.value(ForecastKeys::SaveAmount).toDouble(), row.saveAmount) << row.what;
        EXPECT_DOUBLE_EQ(result.value(BillKeys::Amount).toDouble(), row.amount) << row.what;
        EXPECT_EQ(result.value(BillKeys::Name), row.record.value(BillKeys::Name)) << row.what;
    }
}

TEST_F(BWForecastViewCalculationsTest, RepeatRulesSortedByHowOftenTheyFallDue)
{
    const struct {
        QVariant repeat;
        bool lessOftenThanMonthly, severalTimesAMonth;
    } rows[] = {
        {QVariantList{1, 0}, false, true}, {QVariantList{2, 0}, false, true}, {QVariantList{1, 1}, false, true},
        {QVariantList{5, 3}, false, true}, {QVariantList{1, 2}, false, false}, {QVariantList{2, 2}, true, false},
        {QVariantList{1, 6}, true, false}, {QVariantList{1, 4}, false, false}, {QVariantList{1, 5}, false, false},
        {QVariant(), false, true},
    };
    for (const auto& row : rows) {
        QVariantMap record = bill("Any", 10, today());
        record.remove(BillKeys::Repeat);
        if (row.repeat.isValid())
            record.insert(BillKeys::Repeat, row.repeat);
        EXPECT_EQ(BWForecastViewCalculations::doesBillRepeatLessOftenThanOncePerMonth(record), row.lessOftenThanMonthly)
            << row.repeat.toList().value(0).toInt() << "/" << row.repeat.toList().value(1).toInt();
        EXPECT_EQ(BWForecastViewCalculations::doesBillRepeatMultipleTimesInOneMonth(record), row.severalTimesAMonth)
            << row.repeat.toList().value(0).toInt() << "/" << row.repeat.toList().value(1).toInt();
        // Money is set aside for bills, never for income.
        EXPECT_EQ(BWForecastViewCalculations::setsMoneyAside(record), row.lessOftenThanMonthly);
        EXPECT_FALSE(BWForecastViewCalculations::setsMoneyAside(with(record, BillKeys::IsIncome, true)));
    }
}

// March 2026 has 31 days.
TEST_F(BWForecastViewCalculationsTest, FurtherOccurrencesInTheMonth)
{
    const struct {
        const char* what;
        QVariant repeat;
        int dueDay;
        QList<int> copyDays;
    } rows[] = {
        {"weekly from the 3rd", QVariantList{1, 0}, 3, {10, 17, 24, 31}},
        {"every 2 weeks from the 20th", QVariantList{2, 0}, 20, {}},
        {"every 2 weeks from the 3rd", QVariantList{2, 0}, 3, {17, 31}},
        {"twice a month from the 1st", QVariantList{1, 1}, 1, {15}},
        {"every 10 days from the 5th", QVariantList{10, 3}, 5, {15, 25}},
        {"every 0 weeks ends", QVariantList{0, 0}, 3, {}},
        {"every 0 days ends", QVariantList{0, 3}, 3, {}},
        {"no repeat rule", QVariant(), 3, {}},
        {"monthly", QVariantList{1, 2}, 3, {}},
    };
    for (const auto& row : rows) {
        QVariantMap record = with(bill("Lunch", 12, QDate(2026, 3, row.dueDay)), BillKeys::HumanDueDate, "Due soon");
        record.remove(BillKeys::Repeat);
        if (row.repeat.isValid())
            record.insert(BillKeys::Repeat, row.repeat);
        const QVariantList copies = calculations().getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills({record});
        QList<int> days;
        for (const QVariant& copy : copies)
            days.append(localDay(copy.toMap().value(BillKeys::DueDate).toDateTime()).day());
        EXPECT_EQ(days, row.copyDays) << row.what;
    }

    const QVariantMap weekly = with(with(bill("Lunch", 12, QDate(2026, 3, 17)), BillKeys::Repeat, QVariantList{1, 0}),
                                    BillKeys::HumanDueDate, "Due in 7 days");
    const QVariantMap daily = with(bill("Paper", 2, QDate(2026, 3, 29)), BillKeys::Repeat, QVariantList{1, 3});
    const QVariantList copies =
        calculations().getBillsThatRepeatAgainInCurrentMonthWithOriginalListOfBills({weekly, daily});
    ASSERT_EQ(copies.size(), 4);
    const QVariantMap first = copies.at(0).toMap();
    EXPECT_EQ(first.value(BillKeys::DueDate), localMoment(2026, 3, 24, 9));
    EXPECT_EQ(first.value(BillKeys::AbsoluteDueDate), localMoment(2026, 3, 24, 9));
    EXPECT_EQ(first.value(BillKeys::DueString), QStringLiteral("Tue, Mar 24, 2026"));
    EXPECT_EQ(first.value(BillKeys::SortableDueDate).toLongLong(), 14 * 86400);
    EXPECT_EQ(first.value(BillKeys::HumanDueDate), QStringLiteral("Due in 7 days"));
    EXPECT_EQ(first.value(BillKeys::Bid), weekly.value(BillKeys::Bid));
    QStringList order;
    for (const QVariant& copy : copies)
        order.append(QStringLiteral("%1 %2").arg(copy.toMap().value(BillKeys::Name).toString())
                         .arg(localDay(copy.toMap().value(BillKeys::DueDate).toDateTime()).day()));
    EXPECT_EQ(order, (QStringList{"Lunch 24", "Lunch 31", "Paper 30", "Paper 31"}));
}

TEST_F(BWForecastViewCalculationsTest, MonthTotals)
{
    const QVariantMap futureOnly = with(with(bill("Insurance", 0, QDate(2026, 6, 1)), ForecastKeys::IsFutureBill, 1),
                                        ForecastKeys::SaveAmount, 50.0);
    const QVariantList billIncomeAndShare{bill("Rent", 100, QDate(2026, 3, 20)),
                                    with(bill("Salary", 1000, QDate(2026, 3, 25)), BillKeys::IsIncome, true),
                                    futureOnly};
    const QVariantMap varying = varyingBill("Phone", "GScale_Phone", QDate(2026, 3, 28),
                                            payments({{30, {2026, 2, 1}}, {50, {2026, 1, 1}}}));
    struct Row {
        const char* what;
        QVariantList bills;
        bool estimates;
        std::array<double, 6> totals;   // due, to save, both, count, income, balance
    };
    const Row rows[] = {
        {"bill, income and a share", billIncomeAndShare, true, {100, 50, 150, 1, 1000, 850}},
        {"a varying bill's estimate", QVariantList{varying}, true, {40, 0, 40, 1, 0, -40}},
        {"estimates off", QVariantList{varying}, false, {0, 0, 0, 1, 0, 0}},
        {"nothing", QVariantList{}, true, {0, 0, 0, 0, 0, 0}},
        {"income with a share",
         QVariantList{with(with(futureOnly, BillKeys::IsIncome, true), BillKeys::Amount, 0.0)},
         true,
         {0, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        setSetting(BWDefaultsKeys::BWUseIntelligenceEstimates, row.estimates);
        const BWForecastViewCalculations::MonthTotals t = calculations().totalDueAndToSaveForData(row.bills, 0);
        EXPECT_EQ((std::array<double, 6>{t.due, t.toSave, t.dueAndToSave, double(t.count), t.income, t.balance}),
                  row.totals)
            << row.what;
    }
}

TEST_F(BWForecastViewCalculationsTest, MonthsAndYearsToChooseFrom)
{
    const QDateTime march = localMoment(2026, 3, 31, 9);
    const QStringList ahead = BWForecastViewCalculations::getNextTwelveMonthsStartingWithDate(march);
    ASSERT_EQ(ahead.size(), 13);
    EXPECT_EQ(ahead.at(0), QStringLiteral("March 2026"));
    EXPECT_EQ(ahead.at(1), QStringLiteral("April 2026"));
    EXPECT_EQ(ahead.at(10), QStringLiteral("January 2027"));
    EXPECT_EQ(ahead.at(12), QStringLiteral("March 2027"));
    const QStringList past = BWForecastViewCalculations::getPastMonthsStartingWithDate(march);
    ASSERT_EQ(past.size(), 36);
    EXPECT_EQ(past.at(1), QStringLiteral("February 2026"));
    EXPECT_EQ(past.at(35), QStringLiteral("April 2023"));
    EXPECT_EQ(BWForecastViewCalculations::getPastYearsStartingWithDate(march), (QList<int>{2026, 2025, 2024, 2023}));
    EXPECT_EQ(BWForecastViewCalculations::monthStringForMonthInteger(0), QString());
    EXPECT_EQ(BWForecastViewCalculations::monthStringForMonthInteger(13), QString());

    // On 31 January the next month is February, whatever its length.
    clock.setNow(localMoment(2026, 1, 31, 10));
    const BWForecastViewCalculations c = calculations();
    EXPECT_EQ(localDay(c.getDateForSelectedIndex(1)), QDate(2026, 2, 28));
    const struct {
        QDateTime date;
        int index;
        bool ahead, back;
    } rows[] = {
        {localMoment(2026, 2, 1), 1, true, false},      {localMoment(2026, 3, 1), 1, false, false},
        {localMoment(2025, 12, 31, 23), 1, false, true}, {localMoment(2026, 1, 1), 0, true, true},
        {localMoment(2027, 1, 15), 12, true, false},    {localMoment(2023, 2, 1), 35, false, true},
        {QDateTime(), 0, false, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(c.isBillDueDateInCurrentMonthDropdown(row.date, row.index), row.ahead) << row.date.toString().toStdString();
        EXPECT_EQ(c.isBillDueDateInCurrentHistoryMonthDropdown(row.date, row.index), row.back)
            << row.date.toString().toStdString();
    }
}

TEST_F(BWForecastViewCalculationsTest, PaymentHistoryRowsTakeEachBillOnce)
{
    const QVariantMap rent = with(with(bill("Rent", 900, QDate(2026, 4, 1)), BillKeys::Tags, QVariantList{"Home"}),
                                  BillKeys::PaymentList, payments({{900, {2026, 3, 1}}, {880, {2026, 2, 1}}}));
    const QVariantMap rentAgain = with(rent, BillKeys::DueDate, localMoment(2026, 3, 15, 9));
    const QVariantMap salary = with(with(bill("Salary", 1000, QDate(2026, 4, 1)), BillKeys::IsIncome, true),
                                    BillKeys::PaymentList, payments({{1000, {2026, 3, 1}}}));
    QVariantMap power = with(bill("Power", 0, QDate(2026, 4, 1)), BillKeys::PaymentList,
                             payments({{61.5, {2026, 3, 9}}}));
    power.remove(BillKeys::Tags);

    const QVariantList rows = calculations().extractPaymentHistoryFromData({rent, rentAgain, salary, power});
    ASSERT_EQ(rows.size(), 3);
    const QVariantMap first = rows.at(0).toMap();
    EXPECT_EQ(first.value(BillKeys::Name), QStringLiteral("Rent"));
    EXPECT_EQ(first.value(BillKeys::Tags).toList(), QVariantList{"Home"});
    EXPECT_EQ(first.value(PaymentKeys::Amount).toDouble(), 900);
    EXPECT_EQ(first.value(BillKeys::SortableDueDate).toLongLong(), -9 * 86400);
    EXPECT_EQ(rows.at(1).toMap().value(PaymentKeys::Amount).toDouble(), 880);
    EXPECT_EQ(rows.at(2).toMap().value(BillKeys::Name), QStringLiteral("Power"));
    EXPECT_FALSE(rows.at(2).toMap().contains(BillKeys::Tags));
    EXPECT_DOUBLE_EQ(BWForecastViewCalculations::totalAmountPaidInHistoryData(rows), 1841.5);
}

TEST_F(BWForecastViewCalculationsTest, ReportRowsSumTheLastThreeYears)
{
    const QVariantMap water = with(bill("Water", 0, QDate(2026, 4, 1)), BillKeys::PaymentList,
                                   payments({{30, {2026, 3, 1}}, {40, {2026, 1, 1}}, {25, {2025, 6, 1}},
                                             {99, {2023, 6, 1}}}));
    const QVariantMap oldBill = with(bill("Old", 0, QDate(2026, 4, 1)), BillKeys::PaymentList,
                                     payments({{10, {2023, 12, 31}}}));
    const QVariantMap salary = with(bill("Salary", 1000, QDate(2026, 4, 1)), BillKeys::IsIncome, true);
    const QVariantList rows = calculations().extractReportHistoryFromData({water, water, oldBill, salary});
    ASSERT_EQ(rows.size(), 2);

    const QVariantMap row = rows.at(0).toMap();
    const struct {
        int year;
        double total;
        qlonglong count;
        double average;
        bool paid;
    } years[] = {{2026, 70, 2, 35, true}, {2025, 25, 1, 25, true}, {2024, 0, 0, 0, false}};
    const BWForecastViewCalculations c = calculations();
    for (const auto& y : years) {
        EXPECT_DOUBLE_EQ(row.value(BWForecastViewCalculations::reportTotalKey(y.year)).toDouble(), y.total) << y.year;
        EXPECT_EQ(row.value(BWForecastViewCalculations::reportCountKey(y.year)).toLongLong(), y.count) << y.year;
        EXPECT_DOUBLE_EQ(row.value(BWForecastViewCalculations::reportAverageKey(y.year)).toDouble(), y.average)
            << y.year;
        EXPECT_EQ(c.wasBill(row, y.year), y.paid) << y.year;
    }
    EXPECT_EQ(row.value(QStringLiteral("Total2026")).toDouble(), 70);
    EXPECT_FALSE(row.contains(QStringLiteral("Count2023")));
    EXPECT_FALSE(c.wasBill(row, 2023));
    EXPECT_EQ(row.value(BillKeys::Name), QStringLiteral("Water"));

    const QVariantMap old = rows.at(1).toMap();
    for (int year : {2026, 2025, 2024, 2023, 2027}) {
        EXPECT_EQ(old.value(BWForecastViewCalculations::reportCountKey(year)).toLongLong(), 0) << year;
        EXPECT_FALSE(c.wasBill(old, year)) << year;
    }
}

TEST_F(BWForecastViewCalculationsTest, ReportYearsBeginAtLocalMidnight)
{
    const QVariantMap edges = with(bill("Edges", 0, QDate(2026, 4, 1)), BillKeys::PaymentList,
                                   QVariantList{payment(1, localMoment(2023, 12, 31, 23, 59)),
                                                payment(2, localMoment(2024, 1, 1, 0, 0)),
                                                payment(4, localMoment(2025, 12, 31, 23, 59)),
                                                payment(8, localMoment(2026, 1, 1, 0, 0)),
                                                payment(16, localMoment(2027, 1, 1, 0, 0)),
                                                payment(32, QDateTime())});
    const QVariantMap row = calculations().extractReportHistoryFromData({edges}).value(0).toMap();
    const std::pair<int, double> totals[] = {{2024, 2}, {2025, 4}, {2026, 8}};
    for (const auto& [year, total] : totals)
        EXPECT_DOUBLE_EQ(row.value(BWForecastViewCalculations::reportTotalKey(year)).toDouble(), total) << year;
}

}  // namespace
