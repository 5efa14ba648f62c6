// Logging payments: every kind of payment on every repeat unit, balances,
// varying amounts, one-time items and what a failed write leaves behind.
#include <cmath>

#include "PaymentLoggerTestFixture.h"
#include "store/BWBillRecordKeys.h"

namespace {

enum class Kind { Full, Partial, Quick, Silent };

struct UnitCase {
    const char* name;
    qlonglong count;
    qlonglong unit;
    // The next due date after 8 March 2016 09:00, local; year 0 for "never".
    int year, month, day, hour;
};

const UnitCase UnitCases[] = {
    {"Weekly", 1, 0, 2016, 3, 15, 9},         // across the spring-forward change, still 09:00
    {"TwicePerMonth", 1, 1, 2016, 4, 1, 0},
    {"Monthly", 1, 2, 2016, 4, 8, 9},
    {"EveryTenDays", 10, 3, 2016, 3, 18, 9},
    {"Never", 0, 4, 0, 0, 0, 0},
    {"SameWeekday", 0, 5, 2016, 4, 12, 0},    // the second Tuesday of April
    {"EstimatedTax", 0, 6, 2016, 4, 15, 0},
};

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Full: return "Full";
    case Kind::Partial: return "Partial";
    case Kind::Quick: return "Quick";
    case Kind::Silent: return "Silent";
    }
    return "";
}

class PaymentKindOnRepeatUnit : public PaymentLoggerTest,
                                public ::testing::WithParamInterface<std::tuple<Kind, UnitCase>>
{
};

}  // namespace

TEST_P(PaymentKindOnRepeatUnit, StoresThePaymentAndMovesTheDueDateUnlessPartial)
{
    const auto [kind, unitCase] = GetParam();
    QVariantMap bill = billDue(QDate(2016, 3, 8), unitCase.count, unitCase.unit);
    if (kind == Kind::Silent)
        bill.insert(BillKeys::PayType, qlonglong(1));
    const QVariantMap loaded = storeAndLoad(bill);
    const QDateTime dueDate = loaded.value(BillKeys::DueDate).toDateTime();

    BWPayment paid;
    bool fullPayment = true;
    switch (kind) {
    case Kind::Full:
        paid = payment(100, dueDate);
        break;
    case Kind::Partial:
        paid = payment(40, clock.now());
        fullPayment = false;
        break;
    case Kind::Quick:
        paid = payment(loaded.value(BillKeys::Amount).toDouble(), dueDate, QStringLiteral("Quick Logged"),
                       QStringLiteral("Attach"));
        break;
    case Kind::Silent:
        ASSERT_TRUE(logger().checkIfBillShouldSilentlyLog(loaded, false));
        paid = payment(loaded.value(BillKeys::Amount).toDouble(), dueDate);
        break;
    }
    ASSERT_TRUE(logger().recordPayment(paid, loaded, fullPayment));

    const QVariantMap after = stored(bill);
    const QDateTime expectedDue = !fullPayment ? dueDate
                                  : unitCase.year == 0
                                      ? PropertyList::distantFuture()
                                      : localMoment(unitCase.year, unitCase.month, unitCase.day, unitCase.hour);
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), expectedDue);

    const QVariantList payments = after.value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 1);
    const QVariantMap entry = payments.first().toMap();
    EXPECT_EQ(entry.value(PaymentKeys::Amount).toDouble(), paid.amount);
    EXPECT_EQ(entry.value(PaymentKeys::Date).toDateTime(), paid.date);
    EXPECT_EQ(entry.value(PaymentKeys::Note).toString(), paid.note);
    EXPECT_EQ(entry.value(PaymentKeys::Receipt).toString(), QString());
    EXPECT_EQ(after.value(BillKeys::TotalPaid).toDouble(), paid.amount);
    EXPECT_EQ(after.value(BillKeys::Average).toDouble(), paid.amount);
    EXPECT_EQ(after.value(BillKeys::LastPayment).toDateTime(), paid.date);
    EXPECT_FALSE(after.contains(BillKeys::AbsoluteDueDate));
    EXPECT_FALSE(after.value(BillKeys::IsArchived).toBool());   // auto-archiving is off
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndUnit, PaymentKindOnRepeatUnit,
                         ::testing::Combine(::testing::Values(Kind::Full, Kind::Partial, Kind::Quick, Kind::Silent),
                                            ::testing::ValuesIn(UnitCases)),
                         [](const auto& info) {
                             return std::string(kindName(std::get<0>(info.param)))
                                    + std::get<1>(info.param).name;
                         });

TEST_F(PaymentLoggerTest, TotalsAndAverageSumEveryPaymentOfTheList)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 0);
    storeBills({bill});
    for (double amount : {10.0, 20.0, 45.5}) {
        const QVariantMap current = loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value();
        ASSERT_TRUE(logger().recordPayment(payment(amount, clock.now()), current));
    }
    EXPECT_EQ(stored(bill).value(BillKeys::TotalPaid).toDouble(), 75.5);
    EXPECT_DOUBLE_EQ(stored(bill).value(BillKeys::Average).toDouble(), 75.5 / 3);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 29, 9));   // three weeks on
}

TEST_F(PaymentLoggerTest, RecalculatedTotalsOfNoPaymentsAreZero)
{
    const BWPaymentLogger::PaymentTotals totals = BWPaymentLogger::recalculateAveragePaidForData({});
    EXPECT_EQ(totals.total, 0.0);
    EXPECT_EQ(totals.average, 0.0);
}

TEST_F(PaymentLoggerTest, PaymentDatedBeforeTheNewestKeepsLastPayment)
{
    const QDateTime newest = localMoment(2016, 3, 1, 12);
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    bill.insert(BillKeys::PaymentList,
                QVariantList{QVariantMap{{PaymentKeys::Amount, 100.0}, {PaymentKeys::Date, newest},
                                         {PaymentKeys::Note, QString()}, {PaymentKeys::Receipt, QString()}}});
    const QVariantMap loaded = storeAndLoad(bill);

    ASSERT_TRUE(logger().recordPayment(payment(50, localMoment(2016, 2, 1, 12)), loaded));
    EXPECT_EQ(stored(bill).value(BillKeys::LastPayment).toDateTime(), newest);
    EXPECT_EQ(stored(bill).value(BillKeys::TotalPaid).toDouble(), 150.0);
}

TEST_F(PaymentLoggerTest, BalanceLosesThePaymentLessEscrowAndInterest)
{
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    bill.insert(BillKeys::Balance, 1000.0);
    bill.insert(BillKeys::Rev, 20.0);
    bill.insert(BillKeys::Interest, 0.25);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(bill)));
    EXPECT_EQ(stored(bill).value(BillKeys::Balance).toDouble(), 940.0);
}

// The stored rate is the share of each payment that is interest. A rate an
// earlier rate field stored as the percent typed (5 for 5 %) is read as that
// percent, and no stored value ever makes a payment raise the balance.
TEST_F(PaymentLoggerTest, APaymentNeverRaisesTheBalanceWhateverRateIsStored)
{
    const struct
    {
        QVariant interest;
        double balanceAfter;
    } cases[] = {
        {0.05, 905.0}, {5.0, 905.0},  {qlonglong(5), 905.0}, {100.0, 1000.0},
        {1.0, 1000.0}, {-0.5, 900.0}, {250.0, 900.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interest.toString().toStdString());
        QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
        bill.insert(BillKeys::Balance, 1000.0);
        bill.insert(BillKeys::Interest, c.interest);
        ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(bill)));
        EXPECT_DOUBLE_EQ(stored(bill).value(BillKeys::Balance).toDouble(), c.balanceAfter);
        EXPECT_EQ(stored(bill).value(BillKeys::Interest), c.interest) << "the stored rate stays as it was";
    }
}

TEST_F(PaymentLoggerTest, BalanceOfZeroStaysAndAnOverpaymentGoesBelowZero)
{
    const QVariantMap noBalance = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::Balance, 0.0);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(noBalance)));
    EXPECT_EQ(stored(noBalance).value(BillKeys::Balance).toDouble(), 0.0);

    const QVariantMap small = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::Balance, 60.0);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(small)));
    EXPECT_EQ(stored(small).value(BillKeys::Balance).toDouble(), -40.0);
}

TEST_F(PaymentLoggerTest, PartialPaymentsLowerAVaryingAmountAndLeaveTheDueDate)
{
    const QVariantMap bill = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::AmountVaries, qlonglong(1));
    ASSERT_TRUE(logger().recordPayment(payment(30, clock.now()), storeAndLoad(bill), false));
    EXPECT_EQ(stored(bill).value(BillKeys::Amount).toDouble(), 70.0);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));

    const QVariantMap again = loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value();
    ASSERT_TRUE(logger().recordPayment(payment(130, clock.now()), again, false));
    EXPECT_EQ(stored(bill).value(BillKeys::Amount).toDouble(), 0.0);
}

TEST_F(PaymentLoggerTest, FullPaymentOfAVaryingAmountClearsItAndMovesTheDate)
{
    const QVariantMap bill = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::AmountVaries, qlonglong(1));
    ASSERT_TRUE(logger().recordPayment(payment(30, clock.now()), storeAndLoad(bill)));
    const QVariant amount = stored(bill).value(BillKeys::Amount);
    EXPECT_EQ(amount.typeId(), QMetaType::LongLong);
    EXPECT_EQ(amount.toLongLong(), 0);
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 8, 9));
}

TEST_F(PaymentLoggerTest, FixedAmountStaysAfterAnyPayment)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    ASSERT_TRUE(logger().recordPayment(payment(30, clock.now()), storeAndLoad(bill), false));
    ASSERT_TRUE(logger().recordPayment(payment(500, clock.now()),
                                       loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value()));
    EXPECT_EQ(stored(bill).value(BillKeys::Amount).toDouble(), 100.0);
}

TEST_F(PaymentLoggerTest, PaidOneTimeItemIsArchivedWithoutRemindersWhenWanted)
{
    defaults.setBool(QStringLiteral("BWShouldAutoArchiveBills"), true);
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 0, 4);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(bill)));

    const QVariantMap after = stored(bill);
    EXPECT_TRUE(after.value(BillKeys::IsArchived).toBool());
    EXPECT_FALSE(after.value(BillKeys::RemindMe).toBool());
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
    EXPECT_FALSE(reminders.calls.contains(QStringLiteral("create %1").arg(bill.value(BillKeys::Bid).toString())));
}

TEST_F(PaymentLoggerTest, PartlyPaidOneTimeItemStaysActiveWithItsReminders)
{
    defaults.setBool(QStringLiteral("BWShouldAutoArchiveBills"), true);
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 0, 4);
    ASSERT_TRUE(logger().recordPayment(payment(40, clock.now()), storeAndLoad(bill), false));

    const QVariantMap after = stored(bill);
    EXPECT_FALSE(after.value(BillKeys::IsArchived).toBool());
    EXPECT_TRUE(after.value(BillKeys::RemindMe).toBool());
    EXPECT_EQ(after.value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
}

TEST_F(PaymentLoggerTest, RepeatingItemIsNeverAutoArchived)
{
    defaults.setBool(QStringLiteral("BWShouldAutoArchiveBills"), true);
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(bill)));
    EXPECT_FALSE(stored(bill).value(BillKeys::IsArchived).toBool());
    EXPECT_TRUE(stored(bill).value(BillKeys::RemindMe).toBool());
}

TEST_F(PaymentLoggerTest, ShiftedDueDateIsStoredUnshiftedAndMovedFromTheRealDate)
{
    defaults.setInteger(QStringLiteral("BWAvoidWeekends"), 1);
    const QVariantMap bill = billDue(QDate(2016, 3, 13), 1, 2);   // a Sunday, shown on Friday the 11th
    const QVariantMap loaded = storeAndLoad(bill);
    ASSERT_EQ(localDay(loaded.value(BillKeys::DueDate).toDateTime()), QDate(2016, 3, 11));

    ASSERT_TRUE(logger().recordPayment(payment(40, clock.now()), loaded, false));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 13, 9));
    ASSERT_TRUE(logger().recordPayment(payment(60, clock.now()),
                                       loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value()));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 13, 9));
}

TEST_F(PaymentLoggerTest, RecordWithoutABaseDateKeepsItsDueDate)
{
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    storeBills({bill});   // handed over as stored, without the loader's AbsoluteDueDate
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), bill));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
    EXPECT_EQ(storedPayments(bill).size(), 1);
}

TEST_F(PaymentLoggerTest, OneTimeRecordWithoutABaseDateIsStillPaidAndDueNever)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 0, 4);
    storeBills({bill});   // handed over as stored: no date before the payment to remember
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), bill));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), PropertyList::distantFuture());
    EXPECT_EQ(storedPayments(bill).size(), 1);
}

TEST_F(PaymentLoggerTest, UnknownRepeatUnitKeepsTheDueDate)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 7);
    ASSERT_TRUE(logger().recordPayment(payment(100, clock.now()), storeAndLoad(bill)));
    EXPECT_EQ(stored(bill).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 8, 9));
}

TEST_F(PaymentLoggerTest, PaymentWithoutADateOrANumberIsRefused)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    const QVariantMap loaded = storeAndLoad(bill);
    EXPECT_FALSE(logger().recordPayment(payment(100, QDateTime()), loaded));
    EXPECT_FALSE(logger().recordPayment(payment(std::nan(""), clock.now()), loaded));
    EXPECT_TRUE(storedPayments(bill).isEmpty());
}

TEST_F(PaymentLoggerTest, FailedWriteIsReportedAndLeavesNoReceiptCopyBehind)
{
    const QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    const QVariantMap loaded = storeAndLoad(bill);
    // A folder where the bill's file belongs can't be replaced by the file.
    QFile::remove(billPath(bill.value(BillKeys::Bid).toString()));
    ASSERT_TRUE(QDir().mkpath(billPath(bill.value(BillKeys::Bid).toString())));
    const QString receipt = temp.write(QStringLiteral("scan.pdf"), "scan");

    EXPECT_FALSE(logger().recordPayment(payment(100, clock.now(), QStringLiteral("Paid"), receipt), loaded));
    const QStringList copies = QDir(dataFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    EXPECT_TRUE(copies.isEmpty()) << copies.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(cloud.cloudKitBills.isEmpty());
    EXPECT_TRUE(reminders.calls.isEmpty());
}

TEST_F(PaymentLoggerTest, PrefillIsTheAmountOrElseTheNewestPayment)
{
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    EXPECT_EQ(BWPaymentLogger::amountPrefilValueForBill(bill), 100.0);

    bill.insert(BillKeys::Amount, qlonglong(0));
    EXPECT_EQ(BWPaymentLogger::amountPrefilValueForBill(bill), 0.0);
    // Listed newest first, as the bill page stores an edited list.
    bill.insert(BillKeys::PaymentList,
                QVariantList{QVariantMap{{PaymentKeys::Amount, 55.0}, {PaymentKeys::Date, localMoment(2016, 2, 1)}},
                             QVariantMap{{PaymentKeys::Amount, 40.0}, {PaymentKeys::Date, localMoment(2016, 1, 1)}}});
    EXPECT_EQ(BWPaymentLogger::amountPrefilValueForBill(bill), 55.0);
}

TEST_F(PaymentLoggerTest, SilentLoggingNeedsAnAutomaticBillOrAutoLoggedIncomeThatIsDue)
{
    const BWPaymentLogger l = logger();
    QVariantMap automatic = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::PayType, qlonglong(1));
    automatic.insert(BillKeys::AbsoluteDueDate, automatic.value(BillKeys::DueDate));   // as loaded
    EXPECT_TRUE(l.checkIfBillShouldSilentlyLog(automatic, false));
    EXPECT_TRUE(l.checkIfBillShouldSilentlyLog(with(automatic, BillKeys::DueDate, localMoment(2016, 3, 1)), false));
    EXPECT_FALSE(l.checkIfBillShouldSilentlyLog(with(automatic, BillKeys::DueDate, localMoment(2016, 3, 9)), false));
    EXPECT_FALSE(l.checkIfBillShouldSilentlyLog(with(automatic, BillKeys::Amount, qlonglong(0)), false));
    // Later today is still today.
    EXPECT_TRUE(l.checkIfBillShouldSilentlyLog(with(automatic, BillKeys::DueDate, localMoment(2016, 3, 8, 23, 59)),
                                               false));

    QVariantMap online = billDue(QDate(2016, 3, 1), 1, 2);
    online.insert(BillKeys::AbsoluteDueDate, online.value(BillKeys::DueDate));
    EXPECT_FALSE(l.checkIfBillShouldSilentlyLog(online, true));
    const QVariantMap income = with(online, BillKeys::IsIncome, true);
    EXPECT_TRUE(l.checkIfBillShouldSilentlyLog(income, true));
    EXPECT_FALSE(l.checkIfBillShouldSilentlyLog(income, false));
}

TEST_F(PaymentLoggerTest, BillWhoseDueDateCannotMoveOnIsNotLoggedSilently)
{
    // Logging such a bill leaves it due, so every later check would log it again.
    for (const QVariantList& repeat : {QVariantList{0, 3}, QVariantList{-1, 2}, QVariantList{1, 9}}) {
        QVariantMap bill = with(billDue(QDate(2016, 3, 8), 1, 2), BillKeys::PayType, qlonglong(1));
        bill.insert(BillKeys::Repeat, repeat);
        EXPECT_FALSE(logger().checkIfBillShouldSilentlyLog(storeAndLoad(bill), false))
            << repeat.at(0).toLongLong() << " " << repeat.at(1).toLongLong();
    }
    const QVariantMap oneTime = with(billDue(QDate(2016, 3, 8), 0, 4), BillKeys::PayType, qlonglong(1));
    EXPECT_TRUE(logger().checkIfBillShouldSilentlyLog(storeAndLoad(oneTime), false));
}

TEST_F(PaymentLoggerTest, FurtherOccurrenceInAListIsNotLoggedSilently)
{
    // A weekly automatic bill a week behind is listed with a copy for today.
    // Logging the copy first would move the bill on from today's date and
    // leave the week before unpaid.
    const QVariantMap weekly = with(billDue(QDate(2016, 3, 1), 1, 0), BillKeys::PayType, qlonglong(1));
    storeBills({weekly});
    const QVariantList listed = loader().loadBills().value_or(QVariantList());
    int loggable = 0;
    for (const QVariant& entry : listed) {
        const QVariantMap record = entry.toMap();
        if (!logger().checkIfBillShouldSilentlyLog(record, false))
            continue;
        ++loggable;
        EXPECT_EQ(record.value(BillKeys::AbsoluteDueDate).toDateTime(), localMoment(2016, 3, 1, 9));
    }
    EXPECT_EQ(loggable, 1);
}

TEST_F(PaymentLoggerTest, LastPaidDateMovesOnlyForAWholeSecondLater)
{
    const QDateTime current = localMoment(2016, 3, 8, 9);
    EXPECT_FALSE(BWPaymentLogger::shouldUpdateLastPaidDate(current, current.addMSecs(999)));
    EXPECT_TRUE(BWPaymentLogger::shouldUpdateLastPaidDate(current, current.addSecs(1)));
    EXPECT_FALSE(BWPaymentLogger::shouldUpdateLastPaidDate(current, current));
    EXPECT_FALSE(BWPaymentLogger::shouldUpdateLastPaidDate(current, current.addSecs(-5)));
}
