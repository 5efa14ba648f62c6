#include "OverviewTestFixture.h"

#include "screens/BWMonthlyGraphManager.h"

namespace {

QVariantMap paid(double amount, const QDateTime& date)
{
    return {{PaymentKeys::Amount, amount}, {PaymentKeys::Date, date}};
}

}  // namespace

// The clock stands on Tuesday 8 March 2016.
TEST_F(OverviewTest, TheGraphSumsEachOfTheLast24CalendarMonths)
{
    const BWMonthlyGraphManager graph(env);
    const QVariantList payments{paid(40.0, localMoment(2016, 3, 1, 9)), paid(10.0, localMoment(2016, 3, 7, 9)),
                                paid(80.0, localMoment(2016, 2, 29, 9)), paid(25.0, localMoment(2014, 4, 30, 9)),
                                paid(999.0, localMoment(2014, 3, 31, 9)), paid(999.0, localMoment(2016, 4, 2, 9)),
                                paid(-30.0, localMoment(2015, 12, 5, 9))};
    const BWMonthlyGraphManager::GraphRow row = graph.listOfPaymentsByMonthForBill({{BillKeys::PaymentList, payments}});
    ASSERT_EQ(row.heights.size(), 24);
    const QList<double> totals = graph.paymentAmountsByMonthForList(payments);
    EXPECT_EQ(totals.at(0), 50.0);    // March 2016: two payments, one bar
    EXPECT_EQ(totals.at(1), 80.0);    // February 2016
    EXPECT_EQ(totals.at(23), 25.0);   // April 2014, the oldest month shown
    EXPECT_EQ(totals.at(3), -30.0);   // December 2015: a refund
    double sum = 0.0;
    for (double total : totals)
        sum += total;
    EXPECT_EQ(sum, 50.0 + 80.0 + 25.0 - 30.0);   // March 2014 and April 2016 lie outside

    EXPECT_EQ(row.heights.at(1), 1.0);
    EXPECT_EQ(row.heights.at(0), 50.0 / 80.0);
    EXPECT_EQ(row.heights.at(3), 0.0);   // never below the axis
    EXPECT_EQ(row.labels.at(0), QStringLiteral("Mar"));
    EXPECT_EQ(row.labels.at(23), QStringLiteral("Apr"));
    // Each January names its year.
    EXPECT_EQ(row.labels.at(2), QStringLiteral("Jan \u201916"));
    EXPECT_EQ(row.labels.at(3), QStringLiteral("Dec"));
    EXPECT_EQ(row.labels.at(14), QStringLiteral("Jan \u201915"));
    EXPECT_EQ(row.amounts.at(1), QStringLiteral("$80.00"));
    EXPECT_EQ(row.images.at(0), QStringLiteral("orchidbar.png"));
    EXPECT_EQ(row.images.at(3), QStringLiteral("blackbar.png"));
    EXPECT_EQ(row.images.at(23), QStringLiteral("oldbar.png"));
}

TEST_F(OverviewTest, WithoutPaymentsTheGraphHas24EmptyBars)
{
    const BWMonthlyGraphManager graph(env);
    for (const auto& row : {graph.listOfPaymentsByMonthForBill({}), graph.listOfPaymentsByPaymentForBill({})}) {
        EXPECT_EQ(row.heights, QList<double>(24, 0.0));
        EXPECT_EQ(row.amounts, QStringList(24, QStringLiteral("$0.00")));
    }
    EXPECT_EQ(graph.listOfPaymentsByPaymentForBill({}).labels, QStringList(24, QString()));
}

TEST_F(OverviewTest, ByPaymentTheGraphShowsThe23NewestAndLeavesTheOldestColumnEmpty)
{
    QVariantList payments;
    for (int week = 0; week < 30; ++week)
        payments.append(paid(10.0 + week, clock.now().addDays(-7 * week)));
    const BWMonthlyGraphManager::GraphRow row =
        BWMonthlyGraphManager(env).listOfPaymentsByPaymentForBill({{BillKeys::PaymentList, payments}});
    EXPECT_EQ(row.amounts.at(0), QStringLiteral("$10.00"));
    EXPECT_EQ(row.amounts.at(22), QStringLiteral("$32.00"));
    EXPECT_EQ(row.labels.at(0), QStringLiteral("M 8"));
    // Thirty weeks back from 8 March 2016: the newest payment of 2015 names
    // its year, the older ones of that year do not.
    EXPECT_EQ(row.labels.at(10), QStringLiteral("D 29 \u201915"));
    EXPECT_EQ(row.labels.at(11), QStringLiteral("D 22"));
    EXPECT_EQ(row.labels.at(9), QStringLiteral("J 5"));
    EXPECT_TRUE(row.labels.at(23).isEmpty());
    EXPECT_EQ(row.heights.at(23), 0.0);
    EXPECT_EQ(row.heights.at(22), 1.0);
}

TEST_F(OverviewTest, GraphColumnsCountBackFromTheNewest)
{
    for (const auto& [column, index] : std::initializer_list<std::pair<QString, int>>{
             {QStringLiteral("M24"), 0}, {QStringLiteral("M01"), 23}, {QStringLiteral("M13"), 11},
             {QStringLiteral("M25"), 0}, {QStringLiteral("Amount"), 0}})
        EXPECT_EQ(BWMonthlyGraphManager::indexForColumn(column), index) << column.toStdString();
}
