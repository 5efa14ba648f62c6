#include <QDateTime>
#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "platform/PropertyList.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWIndexManager.h"

namespace {

QDateTime localSecond(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second)).toUTC();
}

QVariantMap payment(double amount, const QDateTime& date)
{
    return {{PaymentKeys::Amount, amount}, {PaymentKeys::Date, date}, {PaymentKeys::Note, QString()},
            {PaymentKeys::Receipt, QString()}};
}

QVariantMap item(const QString& billID, const QVariantList& payments, bool isIncome = false)
{
    return {{BillKeys::Bid, billID},
            {BillKeys::IsIncome, isIncome},
            {BillKeys::LastPayment, payments.isEmpty() ? PropertyList::distantPast()
                                                       : payments.last().toMap().value(PaymentKeys::Date)},
            {BillKeys::PaymentList, payments}};
}

// Payments on the first and last second of March 2016 and one second outside
// on either side, in the zone the test runs in.
QVariantList paymentsAroundMarch()
{
    return {payment(1, localSecond(2016, 2, 29, 23, 59, 59)), payment(10, localSecond(2016, 3, 1, 0, 0, 0)),
            payment(100, localSecond(2016, 3, 31, 23, 59, 59)), payment(1000, localSecond(2016, 4, 1, 0, 0, 0))};
}

}  // namespace

class BWIndexManagerTest : public ::testing::Test
{
protected:
    DueDateTestZone zone;
    BWIndexManager manager;
    const QDateTime midMarch = localMoment(2016, 3, 15, 12);
};

TEST_F(BWIndexManagerTest, MonthRunsFromItsFirstToItsLastLocalSecond)
{
    // New York moves its clocks in March, so the month is not 31 * 24 hours.
    const BWIndexManager::MonthTotals totals =
        manager.calculateTotalPaidinArray({item(QStringLiteral("A"), paymentsAroundMarch())}, midMarch);
    EXPECT_EQ(totals.paymentsCounted, 2);
    EXPECT_DOUBLE_EQ(totals.billsTotal, 110);
    EXPECT_DOUBLE_EQ(totals.incomeTotal, 0);
}

// The zones furthest ahead of and behind UTC, and one that moves its clocks.
TEST(BWIndexManagerZoneTest, MonthIsTheLocalOneFarFromUtc)
{
    for (const char* zoneName : {"Pacific/Auckland", "Pacific/Kiritimati", "Pacific/Pago_Pago"}) {
        SCOPED_TRACE(zoneName);
        const DueDateTestZone zone(zoneName);
        BWIndexManager manager;
        const BWIndexManager::MonthTotals totals = manager.calculateTotalPaidinArray(
            {item(QStringLiteral("A"), paymentsAroundMarch())}, localMoment(2016, 3, 1, 0));
        EXPECT_EQ(totals.paymentsCounted, 2);
        EXPECT_DOUBLE_EQ(totals.billsTotal, 110);
    }
}

TEST_F(BWIndexManagerTest, BillsAndIncomeAreTotalledApart)
{
    const QVariantList items{item(QStringLiteral("A"), {payment(45.5, midMarch)}),
                             item(QStringLiteral("B"), {payment(1200, midMarch), payment(0.25, midMarch)}, true),
                             item(QStringLiteral("C"), {payment(4.5, midMarch)})};
    const BWIndexManager::MonthTotals totals = manager.calculateTotalPaidinArray(items, midMarch);
    EXPECT_EQ(totals.paymentsCounted, 4);
    EXPECT_DOUBLE_EQ(totals.billsTotal, 50);
    EXPECT_DOUBLE_EQ(totals.incomeTotal, 1200.25);
    EXPECT_EQ(manager.totalPaymentsThisMonth, 4);
}

TEST_F(BWIndexManagerTest, ExtraOccurrencesOfAnItemCountItsPaymentsOnce)
{
    const QVariantMap weekly = item(QStringLiteral("W"), {payment(20, midMarch), payment(20, midMarch.addDays(7))});
    const BWIndexManager::MonthTotals totals = manager.calculateTotalPaidinArray({weekly, weekly, weekly}, midMarch);
    EXPECT_EQ(totals.paymentsCounted, 2);
    EXPECT_DOUBLE_EQ(totals.billsTotal, 40);
}

TEST_F(BWIndexManagerTest, RecordsWithoutAnIdAreEachCounted)
{
    const QVariantMap noID = item(QString(), {payment(5, midMarch)});
    EXPECT_DOUBLE_EQ(manager.calculateTotalPaidinArray({noID, noID}, midMarch).billsTotal, 10);
}

TEST_F(BWIndexManagerTest, SameMonthOfAnotherYearIsNotCounted)
{
    const QVariantMap bill = item(QStringLiteral("A"), {payment(9, localMoment(2015, 3, 15, 12))});
    EXPECT_EQ(manager.calculateTotalPaidinArray({bill}, midMarch).paymentsCounted, 0);
}

TEST_F(BWIndexManagerTest, ItemsWithoutLastPaymentOrPaymentsAddNothing)
{
    QVariantMap noLastPayment = item(QStringLiteral("A"), {payment(9, midMarch)});
    noLastPayment.remove(BillKeys::LastPayment);
    const QVariantMap noPayments = item(QStringLiteral("B"), {});
    const BWIndexManager::MonthTotals totals = manager.calculateTotalPaidinArray({noLastPayment, noPayments}, midMarch);
    EXPECT_EQ(totals.paymentsCounted, 0);
    EXPECT_DOUBLE_EQ(totals.billsTotal, 0);
}

TEST_F(BWIndexManagerTest, PaymentsWithoutADateAreSkipped)
{
    const QVariantMap bill = item(QStringLiteral("A"), {QVariantMap{{PaymentKeys::Amount, 3.0}}, payment(4, midMarch)});
    EXPECT_DOUBLE_EQ(manager.calculateTotalPaidinArray({bill}, midMarch).billsTotal, 4);
}

// Payments as files hold them are read in place; other forms a record may
// carry are converted as before and count the same.
TEST_F(BWIndexManagerTest, PaymentsInOtherFormsCountAsTheirDates)
{
    const QVariantMap stored = payment(5, midMarch);
    QVariantMap textDate = stored;
    textDate.insert(PaymentKeys::Date, midMarch.toString(Qt::ISODateWithMs));
    QVariantMap invalidDate = stored;
    invalidDate.insert(PaymentKeys::Date, QDateTime());
    const struct {
        const char* form;
        QVariant payment;
        qlonglong counted;
    } cases[] = {
        {"stored", stored, 1},
        {"date as text", textDate, 1},
        {"hash", QVariant(QVariantHash{{PaymentKeys::Amount, 5.0}, {PaymentKeys::Date, midMarch}}), 1},
        {"invalid date", invalidDate, 0},
        {"not a dictionary", QVariant(5.0), 0},
    };
    for (const auto& each : cases) {
        manager.totalPaymentsThisMonth = 0;
        const double sum = manager.parseTotalPaidThisInPaymentList({each.payment}, {2016, 3});
        EXPECT_EQ(manager.totalPaymentsThisMonth, each.counted) << each.form;
        EXPECT_DOUBLE_EQ(sum, 5.0 * double(each.counted)) << each.form;
    }
}

TEST_F(BWIndexManagerTest, EachTotalStartsTheCountAgain)
{
    const QVariantList items{item(QStringLiteral("A"), {payment(1, midMarch)})};
    manager.calculateTotalPaidinArray(items, midMarch);
    EXPECT_EQ(manager.calculateTotalPaidinArray(items, midMarch).paymentsCounted, 1);
}

TEST_F(BWIndexManagerTest, ParsingAListAddsToTheRunningCount)
{
    manager.totalPaymentsThisMonth = 3;
    const double sum = manager.parseTotalPaidThisInPaymentList(paymentsAroundMarch(), {2016, 3});
    EXPECT_DOUBLE_EQ(sum, 110);
    EXPECT_EQ(manager.totalPaymentsThisMonth, 5);
}

TEST_F(BWIndexManagerTest, CentsAddUpInDoublePrecision)
{
    QVariantList payments;
    for (int i = 0; i < 1000; ++i)
        payments.append(payment(0.01, midMarch));
    EXPECT_NEAR(manager.calculateTotalPaidinArray({item(QStringLiteral("A"), payments)}, midMarch).billsTotal, 10.0,
                1e-9);
}
