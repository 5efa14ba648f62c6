// Monthly items due on a day that shorter months lack: each month that has
// the day is due on it again, whether the date moves by payments, skips or
// reversals, and records written without the kept day go on working.
#include "PaymentLoggerTestFixture.h"

namespace {

enum class Step { Pay, Skip, Reverse };

struct MonthEndCase {
    const char* what;
    QDate due;
    qlonglong count;
    // The day kept by an earlier step; 0 for none (a record of an earlier version).
    int keptDay;
    QList<Step> steps;
    QList<QDate> dueDates;   // after each step
};

QDate day(int year, int month, int dayOfMonth) { return QDate(year, month, dayOfMonth); }

}  // namespace

class MonthEndDueDateTest : public PaymentLoggerTest
{
protected:
    QVariantMap load(const QString& billID) const { return *loader().loadBillWithID(billID); }
    QDate storedDueDay(const QString& billID) const
    {
        return readFile(billID).value(BillKeys::DueDate).toDateTime().toLocalTime().date();
    }

    void apply(Step step, const QString& billID) const
    {
        QVariantMap bill = load(billID);
        switch (step) {
        case Step::Pay:
            ASSERT_TRUE(logger().recordPayment(payment(100, bill.value(BillKeys::AbsoluteDueDate).toDateTime()), bill));
            break;
        case Step::Skip:
            ASSERT_TRUE(logger().moveDueDateOfBill(bill));
            ASSERT_TRUE(writer().rewriteSpecificBill(bill));
            break;
        case Step::Reverse: {
            QVariantList payments = BWPaymentLogger::paymentsNewestFirst(bill.value(BillKeys::PaymentList).toList());
            ASSERT_TRUE(logger().reverseLastPaymentForBill(billID, payments));
            break;
        }
        }
    }
};

TEST_F(MonthEndDueDateTest, AMonthlyItemReturnsToItsDayWhenTheMonthHasIt)
{
    const QList<MonthEndCase> cases{
        {"31st, paid monthly", day(2014, 12, 31), 1, 0, {Step::Pay, Step::Pay, Step::Pay, Step::Pay, Step::Pay},
         {day(2015, 1, 31), day(2015, 2, 28), day(2015, 3, 31), day(2015, 4, 30), day(2015, 5, 31)}},
        {"30th, skipped", day(2015, 1, 30), 1, 0, {Step::Skip, Step::Skip, Step::Skip},
         {day(2015, 2, 28), day(2015, 3, 30), day(2015, 4, 30)}},
        {"29th in a leap year", day(2016, 1, 29), 1, 0, {Step::Pay, Step::Pay},
         {day(2016, 2, 29), day(2016, 3, 29)}},
        {"quarterly from the 30th", day(2015, 11, 30), 3, 0, {Step::Pay, Step::Pay},
         {day(2016, 2, 29), day(2016, 5, 30)}},
        {"yearly from a leap day", day(2016, 2, 29), 12, 0, {Step::Pay, Step::Pay, Step::Pay, Step::Pay},
         {day(2017, 2, 28), day(2018, 2, 28), day(2019, 2, 28), day(2020, 2, 29)}},
        {"undoing the payment after a clipped month", day(2015, 1, 31), 1, 0,
         {Step::Pay, Step::Pay, Step::Reverse, Step::Pay, Step::Reverse, Step::Reverse},
         {day(2015, 2, 28), day(2015, 3, 31), day(2015, 2, 28), day(2015, 3, 31), day(2015, 2, 28),
          day(2015, 1, 31)}},
        {"an earlier version's 28 February stays on the 28th", day(2015, 2, 28), 1, 0, {Step::Pay, Step::Pay},
         {day(2015, 3, 28), day(2015, 4, 28)}},
        {"a kept day goes on working", day(2015, 2, 28), 1, 31, {Step::Pay, Step::Skip},
         {day(2015, 3, 31), day(2015, 4, 30)}},
        {"a kept day that no longer fits the date is ignored", day(2015, 3, 28), 1, 31, {Step::Pay, Step::Pay},
         {day(2015, 4, 28), day(2015, 5, 28)}},
    };
    for (const MonthEndCase& c : cases) {
        SCOPED_TRACE(c.what);
        QVariantMap bill = billDue(c.due, c.count, 2);
        if (c.keptDay)
            bill.insert(BillKeys::DueDayOfMonth, c.keptDay);
        storeBills({bill});
        const QString billID = bill.value(BillKeys::Bid).toString();
        QList<QDate> dueDates;
        for (Step step : c.steps) {
            apply(step, billID);
            dueDates.append(storedDueDay(billID));
        }
        EXPECT_EQ(dueDates, c.dueDates);
        EXPECT_EQ(readFile(billID).value(BillKeys::DueDate).toDateTime().toLocalTime().time(), QTime(9, 0));
    }
}

// The day is kept only while the date is clipped, and a date the user sets
// is due on its own day from then on.
TEST_F(MonthEndDueDateTest, TheKeptDayLastsOnlyWhileTheDateIsClipped)
{
    const QVariantMap bill = billDue(day(2015, 1, 31), 1, 2);
    storeBills({bill});
    const QString billID = bill.value(BillKeys::Bid).toString();
    apply(Step::Pay, billID);
    EXPECT_EQ(readFile(billID).value(BillKeys::DueDayOfMonth).toInt(), 31);
    apply(Step::Pay, billID);
    EXPECT_FALSE(readFile(billID).contains(BillKeys::DueDayOfMonth));

    apply(Step::Skip, billID);   // 30 April, clipped
    ASSERT_TRUE(writer().saveSpecificKey(BillKeys::DueDate, localMoment(2015, 6, 30, 9), billID));
    EXPECT_FALSE(readFile(billID).contains(BillKeys::DueDayOfMonth));
    apply(Step::Pay, billID);
    EXPECT_EQ(storedDueDay(billID), day(2015, 7, 30));
}
