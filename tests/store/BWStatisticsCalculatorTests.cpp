#include <array>

#include "StoreFiguresTestFixture.h"
#include "store/BWStatisticsCalculator.h"

namespace {

using CountAndAmount = BWStatisticsCalculator::CountAndAmount;

class BWStatisticsCalculatorTest : public StoreFiguresTest
{
protected:
    BWStatisticsCalculator calculator() const { return BWStatisticsCalculator(env); }

    // [due soon, due this month, due soon but not overdue, overdue] counts.
    std::array<qlonglong, 4> windowCounts(const QVariantList& bills) const
    {
        const BWStatisticsCalculator c = calculator();
        return {c.countAndAmountofBillsDueSoonForData(bills).count, c.countAndAmountofBillsDueLaterForData(bills).count,
                c.countAndAmountofBillsDueExcludingOverdueSoonForData(bills).count,
                c.countAndAmountofBillsOverdueSoonForData(bills).count};
    }
};

// Today is 10 March 2026; the due-soon window is 7 days.
TEST_F(BWStatisticsCalculatorTest, EachWindowCountsTheBillsItHolds)
{
    struct Row {
        const char* what;
        int dueInDays;
        qlonglong payType;
        bool income;
        bool dontCountAuto;
        std::array<qlonglong, 4> counted;
    };
    const Row rows[] = {
        {"online bill due tomorrow", 1, 0, false, true, {1, 1, 1, 0}},
        {"automatic bill due tomorrow, left out", 1, 1, false, true, {0, 0, 0, 0}},
        {"automatic bill due tomorrow, counted", 1, 1, false, false, {1, 1, 1, 0}},
        {"income due tomorrow", 1, 0, true, false, {0, 0, 0, 0}},
        {"income due tomorrow, setting on", 1, 0, true, true, {0, 0, 0, 0}},
        {"overdue by 5 days", -5, 0, false, true, {1, 1, 0, 1}},
        {"overdue since last month", -12, 0, false, true, {1, 0, 0, 1}},
        {"due today", 0, 0, false, true, {1, 1, 1, 0}},
        {"due on the window's last day", 7, 0, false, true, {1, 1, 1, 0}},
        {"due later this month", 20, 0, false, true, {0, 1, 0, 0}},
        {"automatic bill due later this month, left out", 20, 1, false, true, {0, 0, 0, 0}},
        {"due next month", 30, 0, false, true, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        setSetting(BWDefaultsKeys::BWDontCountAuto, row.dontCountAuto);
        QVariantMap record = with(bill("Power", 80.0, today().addDays(row.dueInDays)), BillKeys::PayType, row.payType);
        record.insert(BillKeys::IsIncome, row.income);
        EXPECT_EQ(windowCounts({record}), row.counted) << row.what;
    }
}

// One rule for the side bar, the badge and the tray: what counts as due soon,
// and what is overdue (the red due dot).
TEST_F(BWStatisticsCalculatorTest, DueSoonAndOverdueOfOneBill)
{
    struct Row
    {
        const char* what;
        int dueInDays;
        qlonglong payType;
        bool dontCountAuto;
        bool dueSoon;
        bool overdue;
    };
    const Row rows[] = {
        {"due tomorrow", 1, 0, true, true, false},
        {"a day late", -1, 0, true, true, true},
        {"late, automatic, counted", -3, 1, false, true, false},
        {"late, automatic, left out", -3, 1, true, false, false},
        {"due next month", 30, 0, true, false, false},
    };
    for (const Row& row : rows) {
        setSetting(BWDefaultsKeys::BWDontCountAuto, row.dontCountAuto);
        const QVariantMap record
            = with(bill("Power", 80.0, today().addDays(row.dueInDays)), BillKeys::PayType, row.payType);
        EXPECT_EQ(calculator().countsAsDueSoon(record), row.dueSoon) << row.what;
        EXPECT_EQ(calculator().isOverdue(record), row.overdue) << row.what;
    }
}

TEST_F(BWStatisticsCalculatorTest, ARecordWithoutDueDateIsInNoWindow)
{
    QVariantMap record = bill("Loose", 80.0, today());
    record.remove(BillKeys::DueDate);
    EXPECT_EQ(windowCounts({record}), (std::array<qlonglong, 4>{0, 0, 0, 0}));
    EXPECT_EQ(windowCounts({}), (std::array<qlonglong, 4>{0, 0, 0, 0}));
}

TEST_F(BWStatisticsCalculatorTest, AmountsAreExpectedAmountsOrThisMonthsEstimate)
{
    const QDate tomorrow = today().addDays(1);
    // Four newest payments of a varying bill average 55.
    const QVariantList paid = payments({{40, {2026, 2, 1}}, {50, {2026, 1, 1}}, {60, {2025, 12, 1}},
                                        {70, {2025, 11, 1}}, {1000, {2025, 10, 1}}});
    const QVariantMap varying = with(varyingBill("Phone", "GScale_Phone", tomorrow, paid), BillKeys::Average, 42.5);
    struct Row {
        const char* what;
        QVariantMap record;
        bool estimates;
        double dueSoon;      // due-soon and due-this-month members
        double expected;     // the two members that never estimate
    };
    const Row rows[] = {
        {"fixed amount", bill("Rent", 80.0, tomorrow), true, 80.0, 80.0},
        {"no amount, an average", with(bill("Gas", 0.0, tomorrow), BillKeys::Average, 42.5), true, 42.5, 42.5},
        {"less than one whole unit takes the average", with(bill("Gas", 0.5, tomorrow), BillKeys::Average, 42.5),
         true, 42.5, 42.5},
        {"varying, estimates on", varying, true, 55.0, 42.5},
        {"varying, estimates off", varying, false, 42.5, 42.5},
    };
    for (const Row& row : rows) {
        setSetting(BWDefaultsKeys::BWUseIntelligenceEstimates, row.estimates);
        // Two occurrences of one bill: counted once, each one's amount summed.
        const QVariantList bills{row.record, row.record};
        const BWStatisticsCalculator c = calculator();
        EXPECT_EQ(c.countAndAmountofBillsDueSoonForData(bills).count, 1) << row.what;
        EXPECT_DOUBLE_EQ(c.countAndAmountofBillsDueSoonForData(bills).amount, 2 * row.dueSoon) << row.what;
        EXPECT_DOUBLE_EQ(c.countAndAmountofBillsDueLaterForData(bills).amount, 2 * row.dueSoon) << row.what;
        EXPECT_DOUBLE_EQ(c.countAndAmountofBillsDueExcludingOverdueSoonForData(bills).amount, 2 * row.expected)
            << row.what;
    }
}

TEST_F(BWStatisticsCalculatorTest, HighestAndLowestPaymentLeaveTheRecordAlone)
{
    const QVariantList paid = payments({{30, {2026, 1, 5}}, {10, {2026, 2, 5}}, {50, {2025, 12, 5}}, {10, {2025, 11, 5}}});
    const QVariantMap record = with(bill("Water", 30, today()), BillKeys::PaymentList, paid);
    const BWStatisticsCalculator::HighestAndLowest result = calculator().highestAndLowestPaymentForBill(record);
    EXPECT_EQ(result.highest, paid.at(2).toMap());
    EXPECT_EQ(result.lowest, paid.at(1).toMap());
    EXPECT_EQ(record.value(BillKeys::PaymentList).toList(), paid);

    const BWStatisticsCalculator::HighestAndLowest none = calculator().highestAndLowestPaymentForBill(bill("New", 1, today()));
    EXPECT_EQ(none.highest, none.lowest);
    EXPECT_EQ(none.highest.value(PaymentKeys::Amount).toDouble(), 0.0);
    EXPECT_EQ(none.highest.value(PaymentKeys::Date), QVariant(QStringLiteral("No Payments Yet")));
}

TEST_F(BWStatisticsCalculatorTest, TotalsByYearAndSeasonFollowTheHemisphere)
{
    // This year 10 in February and 20 in August; last year 5 in November;
    // 7 in May three years back counts only to the total and its season.
    const QVariantList paid = payments({{10, {2026, 2, 10}}, {20, {2026, 8, 10}}, {5, {2025, 11, 3}}, {7, {2023, 5, 1}}});
    const QVariantMap record = with(bill("Water", 30, today()), BillKeys::PaymentList, paid);
    struct Row {
        QLocale locale;
        double winter, spring, summer, fall;
    };
    const Row rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), 10, 7, 20, 5},
        {QLocale(QLocale::English, QLocale::Australia), 20, 5, 10, 7},
        {QLocale(QLocale::English, QLocale::NewZealand), 20, 5, 10, 7},
    };
    for (const Row& row : rows) {
        QLocale::setDefault(row.locale);
        const BWStatisticsCalculator::Totals totals = calculator().totalsForBill(record);
        const QString where = row.locale.name();
        EXPECT_DOUBLE_EQ(totals.totalWinter, row.winter) << where.toStdString();
        EXPECT_DOUBLE_EQ(totals.totalSpring, row.spring) << where.toStdString();
        EXPECT_DOUBLE_EQ(totals.totalSummer, row.summer) << where.toStdString();
        EXPECT_DOUBLE_EQ(totals.totalFall, row.fall) << where.toStdString();
        EXPECT_DOUBLE_EQ(totals.total, 42);
        EXPECT_DOUBLE_EQ(totals.totalThisYear, 30);
        EXPECT_DOUBLE_EQ(totals.totalLastYear, 5);
        EXPECT_EQ(totals.thisYearString, QStringLiteral("2026"));
        EXPECT_EQ(totals.lastYearString, QStringLiteral("2025"));
        EXPECT_EQ(totals.thisYearHeight, 100);
        EXPECT_EQ(totals.lastYearHeight, 16);
    }

    const BWStatisticsCalculator::Totals none = calculator().totalsForBill(bill("New", 1, today()));
    EXPECT_EQ(none.total, 0);
    EXPECT_EQ(none.thisYearHeight, 0);
    EXPECT_EQ(none.lastYearHeight, 0);
}

TEST_F(BWStatisticsCalculatorTest, RelativeHeightsArePercentagesOfTheLargest)
{
    const struct {
        QList<double> values;
        QList<int> heights;
    } rows[] = {
        {{50, 200}, {25, 100}},
        {{0, 0}, {0, 0}},
        {{-10, 40}, {0, 100}},
        {{-10, -40}, {0, 0}},
        {{33.3, 100}, {33, 100}},
        {{}, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BWStatisticsCalculator::calculateRelativeHeightsForGraphs(row.values), row.heights);
}

TEST_F(BWStatisticsCalculatorTest, BalanceBarStaysWithinItsWidth)
{
    const struct {
        int maxWidth;
        double paid, balance, width;
    } rows[] = {
        {213, 0, 500, 213.0},
        {213, 100, 300, 53.25},
        {213, 100, 0, 213.0},
        {213, 100, -100, 213.0},   // paid and balance add up to nothing
        {213, 500, -100, 213.0},   // more paid than owed
        {213, -50, 300, 0.0},      // a refund larger than the payments
        {100, 0, 0, 100.0},
    };
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(BWStatisticsCalculator::balanceGraphSizeWithMaxWidth(row.maxWidth, row.paid, row.balance),
                         row.width)
            << row.paid << " " << row.balance;
}

TEST_F(BWStatisticsCalculatorTest, DatesReadInTheLocalesPattern)
{
    EXPECT_EQ(calculator().createStringWithDate(localMoment(2016, 3, 8, 9)), QStringLiteral("Tue, Mar 8, 2016"));
}

}  // namespace
