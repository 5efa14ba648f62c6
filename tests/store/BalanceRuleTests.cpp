// The one balance rule, for bills whatever wrote them: the balance last set
// less the shares of the payments logged after it; a payment removed gives
// its share back; a record of an earlier version keeps its stored balance.
#include <gtest/gtest.h>

#include <QFile>

#include "PaymentLoggerTestFixture.h"
#include "store/BWBill.h"

namespace {

QVariantMap olderEntry(double amount, const QDateTime& date)
{
    return {{PaymentKeys::Amount, amount}, {PaymentKeys::Date, date}, {PaymentKeys::Note, QString()},
            {PaymentKeys::Receipt, QString()}};
}

}  // namespace

class BalanceRuleTest : public PaymentLoggerTest
{
protected:
    // A loan paid `count` times by `amount` a month, written as `kind` writes it.
    enum class Kind { EarliestLayout, PreviousBuild, Imported };
    QVariantMap storedLoan(Kind kind, double opening, double amount, int count, double escrow = 0.0,
                           double interest = 0.0)
    {
        QVariantMap bill = billDue(QDate(2016, 4, 1), 1, 2);
        bill.insert(BillKeys::Rev, escrow);
        bill.insert(BillKeys::Interest, interest);
        bill.insert(BillKeys::SyncModificationDate, localMoment(2016, 3, 1, 9));
        QVariantList payments;
        double balance = opening;
        for (int i = 0; i < count; ++i) {
            QVariantMap paid = olderEntry(amount, localMoment(2014, 1, 1, 12).addMonths(i));
            const double share = (amount - escrow) * (1.0 - interest);
            if (kind == Kind::PreviousBuild)
                paid.insert(PaymentKeys::BalanceReduction, share);
            balance -= share;
            payments.append(paid);
        }
        bill.insert(BillKeys::PaymentList, payments);
        bill.insert(BillKeys::Balance, balance);
        BWPaymentLogger::setTotalsFromPayments(bill, payments);
        if (kind == Kind::Imported) {
            bill.remove(BillKeys::SyncModificationDate);
            EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(bill, false, true));
        } else {
            storeBills({bill});
        }
        return stored(bill);
    }
    double storedBalance(const QVariantMap& bill) { return stored(bill).value(BillKeys::Balance).toDouble(); }
    QByteArray fileBytes(const QString& billID) const
    {
        QFile file(billPath(billID));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QVariantMap loaded(const QVariantMap& bill)
    {
        return loader().loadBillWithID(bill.value(BillKeys::Bid).toString()).value_or(QVariantMap());
    }
};

// Every kind of older record: a save changing nothing writes nothing, a
// rename keeps the balance to the last bit, a payment takes its share off
// and a deleted one (logged before anything of this version) gives it back.
TEST_F(BalanceRuleTest, OlderRecordsKeepTheirBalanceAndFollowTheRule)
{
    struct Case { Kind kind; double opening, amount; int count; double escrow, interest; };
    const QList<Case> cases{{Kind::EarliestLayout, 1200.0, 100.0, 2, 0, 0},
                            {Kind::EarliestLayout, 20000.0, 612.4, 21, 40.0, 0.2},
                            {Kind::PreviousBuild, 9438.96, 417.85, 21, 0, 0},
                            {Kind::PreviousBuild, 12500.0, 389.4, 22, 22.5, 0.045},
                            {Kind::Imported, 1200.0, 100.0, 2, 0, 0},
                            {Kind::Imported, 15000.0, 612.4, 21, 40.0, 0.2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("kind %1, %2 payments of %3").arg(int(c.kind)).arg(c.count).arg(c.amount).toStdString());
        const QVariantMap bill = storedLoan(c.kind, c.opening, c.amount, c.count, c.escrow, c.interest);
        const QString billID = bill.value(BillKeys::Bid).toString();
        const double balance = bill.value(BillKeys::Balance).toDouble();
        const double share = (c.amount - c.escrow) * (1.0 - c.interest);

        const QByteArray bytes = fileBytes(billID);
        ASSERT_TRUE(BWBill(env).rewriteSpecificBill(loaded(bill)));
        EXPECT_EQ(fileBytes(billID), bytes) << "a save that changes nothing writes nothing";

        ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Name, QStringLiteral("Loan"), billID));
        EXPECT_EQ(storedBalance(bill), balance);
        ASSERT_TRUE(BWBill(env).rewriteSpecificBill(loaded(bill)));

        ASSERT_TRUE(logger().recordPayment({c.amount, localMoment(2016, 3, 8, 9), {}, {}}, loaded(bill)));
        EXPECT_NEAR(storedBalance(bill), balance - share, 1e-9);

        QVariantList payments = storedPayments(bill);
        payments.removeFirst();  // the oldest
        ASSERT_TRUE(logger().savePaymentList(payments, billID));
        EXPECT_NEAR(storedBalance(bill), balance, 1e-9);
        for (const QVariant& entry : storedPayments(bill))
            EXPECT_TRUE(entry.toMap().contains(PaymentKeys::BalanceReduction));
    }
}

// A payment logged before the user set the balance gives its share back as
// it goes; an escrow larger than a payment neither takes nor adds.
TEST_F(BalanceRuleTest, RemovingAPaymentGivesItsShareBackWheneverItWasLogged)
{
    QVariantMap bill = billDue(QDate(2016, 3, 8), 1, 2);
    bill.insert(BillKeys::Balance, 1000.0);
    bill = storeAndLoad(bill);
    const QString billID = bill.value(BillKeys::Bid).toString();
    ASSERT_TRUE(logger().recordPayment({100.0, localMoment(2016, 3, 8, 9), {}, {}}, loaded(bill)));
    EXPECT_EQ(storedBalance(bill), 900.0);
    ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Balance, 880.0, billID));
    QVariantList shown = newestFirst(bill);
    ASSERT_TRUE(logger().reverseLastPaymentForBill(billID, shown));
    EXPECT_EQ(storedBalance(bill), 980.0);

    ASSERT_TRUE(BWBill(env).saveSpecificKeys({BillKeys::Balance, BillKeys::Rev}, {1000.0, 20.0}, billID));
    ASSERT_TRUE(logger().recordPayment({10.0, localMoment(2016, 3, 8, 9), {}, {}}, loaded(bill)));
    EXPECT_EQ(storedBalance(bill), 1000.0);
    // A balance read back rounded to the cent is the stored one, not one set now.
    ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::Balance, 1000.004, billID));
    EXPECT_EQ(storedBalance(bill), 1000.0);
}
