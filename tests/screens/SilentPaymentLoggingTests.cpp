// Automatic items that log themselves while the overview loads.
#include "LogPaymentPanelTestFixture.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWBillRecordKeys.h"

namespace {

class SilentPaymentLoggingTest : public LogPaymentPanelTest
{
protected:
    SilentPaymentLoggingTest() { defaults.setBool(BWDefaultsKeys::BWShouldAutoLogPayments, true); }

    static QVariantMap automaticDue(const QDate& dueDay)
    {
        return with(billDue(dueDay, 1, 2), BillKeys::PayType, qlonglong(1));
    }
    QVariantList loadedList() const { return loader().loadBills().value_or(QVariantList()); }
};

}  // namespace

TEST_F(SilentPaymentLoggingTest, DueAutomaticBillIsLoggedOnItsDueDateAndMovesOnOnce)
{
    const QVariantMap automatic = automaticDue(QDate(2016, 3, 1));
    const QVariantMap online = billDue(QDate(2016, 3, 1), 1, 2);
    const QVariantMap notYetDue = automaticDue(QDate(2016, 3, 9));
    storeBills({automatic, online, notYetDue});
    const QByteArray onlineBefore = fileBytes(online);
    const QByteArray laterBefore = fileBytes(notYetDue);

    EXPECT_TRUE(controller.logSilentPaymentsForBills(loadedList()));

    ASSERT_EQ(storedPayments(automatic).size(), 1);
    const QVariantMap paid = lastStoredPayment(automatic);
    EXPECT_EQ(paid.value(PaymentKeys::Amount).toDouble(), 100.0);
    EXPECT_EQ(paid.value(PaymentKeys::Date).toDateTime(), localMoment(2016, 3, 1, 9));
    EXPECT_EQ(paid.value(PaymentKeys::Note).toString(), QStringLiteral("Auto-logged by Orvane"));
    EXPECT_EQ(paid.value(PaymentKeys::Receipt).toString(), QString());
    EXPECT_EQ(stored(automatic).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 1, 9));
    EXPECT_EQ(fileBytes(online), onlineBefore);
    EXPECT_EQ(fileBytes(notYetDue), laterBefore);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_TRUE(announced.isEmpty());

    // The next load finds nothing more to do.
    EXPECT_FALSE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_EQ(storedPayments(automatic).size(), 1);
}

TEST_F(SilentPaymentLoggingTest, LongOverdueBillCatchesUpOneDueDateAtEachLoad)
{
    const QVariantMap automatic = with(automaticDue(QDate(2016, 2, 20)), BillKeys::Repeat,
                                       QVariantList{qlonglong(1), qlonglong(0)});
    storeBills({automatic});
    EXPECT_TRUE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_EQ(stored(automatic).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 2, 27, 9));
    EXPECT_TRUE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_TRUE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_FALSE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_EQ(stored(automatic).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 3, 12, 9));
    EXPECT_EQ(storedPayments(automatic).size(), 3);
}

TEST_F(SilentPaymentLoggingTest, NothingIsLoggedWhileAutomaticLoggingIsOff)
{
    defaults.removeObject(BWDefaultsKeys::BWShouldAutoLogPayments);
    const QVariantMap automatic = automaticDue(QDate(2016, 3, 1));
    storeBills({automatic});
    EXPECT_FALSE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_TRUE(storedPayments(automatic).isEmpty());
}

TEST_F(SilentPaymentLoggingTest, AutomaticBillWithoutAnAmountIsNeverLogged)
{
    const QVariantMap automatic = with(automaticDue(QDate(2016, 3, 1)), BillKeys::Amount, 0.0);
    storeBills({automatic});
    EXPECT_FALSE(controller.logSilentPaymentsForBills(loadedList()));
    EXPECT_TRUE(storedPayments(automatic).isEmpty());
}

TEST_F(SilentPaymentLoggingTest, BillWhoseDueDateCantMoveOnIsNotLogged)
{
    const QVariantMap unknownRule = with(automaticDue(QDate(2016, 3, 1)), BillKeys::Repeat,
                                         QVariantList{qlonglong(1), qlonglong(9)});
    storeBills({unknownRule});
    const QVariantList list = loadedList();
    ASSERT_EQ(list.size(), 1);
    EXPECT_FALSE(logger().checkIfBillShouldSilentlyLog(list.value(0).toMap(), false));
    EXPECT_FALSE(controller.logSilentPaymentsForBills(list));
    EXPECT_TRUE(storedPayments(unknownRule).isEmpty());
}

TEST_F(SilentPaymentLoggingTest, IncomeIsLoggedOnlyWhileIncomeAutoLoggingIsOn)
{
    const QVariantMap income = with(billDue(QDate(2016, 3, 1), 1, 2), BillKeys::IsIncome, true);
    storeBills({income});
    const QVariantList list{loader().loadBillWithID(income.value(BillKeys::Bid).toString()).value()};
    EXPECT_FALSE(controller.logSilentPaymentsForBills(list));

    defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, true);
    EXPECT_TRUE(controller.logSilentPaymentsForBills(list));
    EXPECT_EQ(storedPayments(income).size(), 1);
}

TEST_F(SilentPaymentLoggingTest, ItemListedTwiceIsLoggedOnce)
{
    const QVariantMap automatic = automaticDue(QDate(2016, 3, 1));
    storeBills({automatic});
    const QVariantList list = loadedList();
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(controller.logSilentPaymentsForBills(list + list));
    EXPECT_EQ(storedPayments(automatic).size(), 1);
    EXPECT_EQ(stored(automatic).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 1, 9));
}

TEST_F(SilentPaymentLoggingTest, WeekendShiftedBillIsPaidOnItsStoredDueDate)
{
    defaults.setInteger(BWDefaultsKeys::BWAvoidWeekends, 1);
    // Sunday 6 March shows on a weekday, but the payment and the next due
    // date follow the stored Sunday.
    const QVariantMap automatic = automaticDue(QDate(2016, 3, 6));
    storeBills({automatic});
    const QVariantList list = loadedList();
    ASSERT_NE(localDay(list.value(0).toMap().value(BillKeys::DueDate).toDateTime()), QDate(2016, 3, 6));

    EXPECT_TRUE(controller.logSilentPaymentsForBills(list));
    EXPECT_EQ(lastStoredPayment(automatic).value(PaymentKeys::Date).toDateTime(), localMoment(2016, 3, 6, 9));
    EXPECT_EQ(stored(automatic).value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 6, 9));
}

TEST_F(SilentPaymentLoggingTest, FailedWriteCountsAsNothingLogged)
{
    const QVariantMap automatic = automaticDue(QDate(2016, 3, 1));
    storeBills({automatic});
    const QVariantList list = loadedList();
    const QByteArray before = fileBytes(automatic);
    bool logged = true;
    {
        const FileWritesFail diskFull;
        logged = controller.logSilentPaymentsForBills(list);
    }
    EXPECT_FALSE(logged);
    EXPECT_EQ(fileBytes(automatic), before);
}
