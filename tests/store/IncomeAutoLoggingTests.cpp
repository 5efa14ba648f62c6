// Income items logged by the automatic-payment step as loads show them, and
// what a group load does last: repeating items show their further
// occurrences within the month.
#include "PaymentLoggerTestFixture.h"
#include "store/BWAutomaticPayments.h"
#include "store/BWBillRecordKeys.h"

namespace {

const QString AutoLoggedNote = QStringLiteral("Auto-logged by Orvane");

}  // namespace

class IncomeAutoLoggingTest : public PaymentLoggerTest
{
protected:
    IncomeAutoLoggingTest()
    {
        defaults.registerDefaults({{QStringLiteral("BWEnableIncome"), true},
                                   {QStringLiteral("BW_ShouldAutoLogIncome"), true},
                                   {QStringLiteral("BWHowMuchIncomeToShow"), qlonglong(0)}});
    }

    static QVariantMap incomeDue(const QDate& day, qlonglong count, qlonglong unit)
    {
        QVariantMap income = billDue(day, count, unit);
        income.insert(BillKeys::IsIncome, true);
        income.insert(BillKeys::Amount, 2500.0);
        return income;
    }

    // The records of the list that carry the item's id.
    static QList<QVariantMap> recordsOf(const std::optional<QVariantList>& list, const QVariantMap& item)
    {
        QList<QVariantMap> records;
        for (const QVariant& entry : list.value_or(QVariantList())) {
            if (entry.toMap().value(BillKeys::Bid) == item.value(BillKeys::Bid))
                records.append(entry.toMap());
        }
        return records;
    }
    static QList<QDate> dueDays(const QList<QVariantMap>& records)
    {
        QList<QDate> days;
        for (const QVariantMap& record : records)
            days.append(localDay(record.value(BillKeys::DueDate).toDateTime()));
        return days;
    }
};

TEST_F(IncomeAutoLoggingTest, LoadsShowIncomeAsLoggedBeforeAndNeverLogIt)
{
    const QVariantMap salary = incomeDue(QDate(2016, 3, 7), 1, 2);
    storeBills({salary});

    const QList<QVariantMap> unlogged = recordsOf(loader().loadBills(), salary);
    ASSERT_EQ(unlogged.size(), 1);
    EXPECT_EQ(localDay(unlogged.first().value(BillKeys::DueDate).toDateTime()), QDate(2016, 3, 7));
    EXPECT_TRUE(storedPayments(salary).isEmpty());

    BWAutomaticPayments(env).logDuePayments();
    const QList<QVariantMap> listed = recordsOf(loader().loadBills(), salary);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed.first().value(BillKeys::DueDate).toDateTime(), localMoment(2016, 4, 7, 9));
    EXPECT_FALSE(listed.first().value(BillKeys::HumanDueDate).toString().isEmpty());
    const QVariantList payments = listed.first().value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 1);
    EXPECT_EQ(payments.first().toMap().value(PaymentKeys::Note).toString(), AutoLoggedNote);
    EXPECT_EQ(storedPayments(salary), payments);
    EXPECT_EQ(stored(salary).value(BillKeys::TotalPaid).toDouble(), 2500.0);
}

class ExtraOccurrencesTest : public IncomeAutoLoggingTest
{
protected:
    // Saturday 2 April 2016: April has 30 days.
    ExtraOccurrencesTest() { clock.setNow(localMoment(2016, 4, 2, 10)); }
};

TEST_F(ExtraOccurrencesTest, WeeklyItemShowsEachRemainingDateOfTheMonth)
{
    const QVariantMap weekly = billDue(QDate(2016, 4, 3), 1, 0);
    storeBills({weekly});
    const QByteArray fileBefore = temp.read(QDir(temp.path()).relativeFilePath(billPath(weekly.value(BillKeys::Bid).toString())));

    const QList<QVariantMap> listed = recordsOf(loader().loadBills(), weekly);
    EXPECT_EQ(dueDays(listed),
              (QList<QDate>{QDate(2016, 4, 3), QDate(2016, 4, 10), QDate(2016, 4, 17), QDate(2016, 4, 24)}));
    for (const QVariantMap& record : listed) {
        EXPECT_TRUE(record.value(BillKeys::HasBeenDuplicated).toBool());
        EXPECT_EQ(record.value(BillKeys::AbsoluteDueDate), record.value(BillKeys::DueDate));
        EXPECT_EQ(record.value(BillKeys::SortableDueDate).toLongLong(),
                  QDate(2016, 4, 2).daysTo(localDay(record.value(BillKeys::DueDate).toDateTime())) * 86400);
    }
    // The copies live only in the list.
    EXPECT_EQ(temp.read(QDir(temp.path()).relativeFilePath(billPath(weekly.value(BillKeys::Bid).toString()))),
              fileBefore);
    EXPECT_EQ(indexList(IndexKeys::ActiveBills), QStringList{weekly.value(BillKeys::Bid).toString()});
}

TEST_F(ExtraOccurrencesTest, DueSoonListAndForecastLoadsGetNoCopies)
{
    const QVariantMap weekly = billDue(QDate(2016, 4, 3), 1, 0);
    storeBills({weekly});
    EXPECT_EQ(recordsOf(loader().loadBillsInGroup(IndexKeys::ActiveBills, PseudoTags::DueSoon), weekly).size(), 1);
    EXPECT_EQ(recordsOf(loader().loadBillsInGroup(IndexKeys::ActiveBills, QString(), true), weekly).size(), 1);
}

TEST_F(ExtraOccurrencesTest, DailyItemGetsAtMostSixCopiesInOneLoad)
{
    const QVariantMap daily = billDue(QDate(2016, 4, 2), 1, 3);
    storeBills({daily});
    const QList<QVariantMap> listed = recordsOf(loader().loadBills(), daily);
    ASSERT_EQ(listed.size(), 7);
    EXPECT_EQ(localDay(listed.last().value(BillKeys::DueDate).toDateTime()), QDate(2016, 4, 8));
    EXPECT_FALSE(listed.last().value(BillKeys::HasBeenDuplicated).toBool());
    EXPECT_TRUE(listed.at(5).value(BillKeys::HasBeenDuplicated).toBool());
}

TEST_F(ExtraOccurrencesTest, MonthlyItemGetsItsNextDateOnlyWhenAlwaysShown)
{
    const QVariantMap monthly = billDue(QDate(2016, 4, 20), 1, 2);
    storeBills({monthly});
    QList<QVariantMap> listed = recordsOf(loader().loadBills(), monthly);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_TRUE(listed.first().value(BillKeys::HasBeenDuplicated).toBool());

    defaults.setInteger(QStringLiteral("BWHowMuchIncomeToShow"), 1);
    listed = recordsOf(loader().loadBills(), monthly);
    EXPECT_EQ(dueDays(listed), (QList<QDate>{QDate(2016, 4, 20), QDate(2016, 5, 20)}));
    EXPECT_FALSE(listed.last().value(BillKeys::HasBeenDuplicated).toBool());
}

TEST_F(ExtraOccurrencesTest, ItemsThatDontRepeatOrDontMoveGetNoCopy)
{
    const QVariantMap once = billDue(QDate(2016, 4, 10), 0, 4);
    const QVariantMap everyZeroDays = billDue(QDate(2016, 4, 10), 0, 3);
    const QVariantMap nextMonth = billDue(QDate(2016, 5, 3), 1, 0);
    storeBills({once, everyZeroDays, nextMonth});
    const std::optional<QVariantList> list = loader().loadBills();
    ASSERT_EQ(list->size(), 3);
    EXPECT_FALSE(recordsOf(list, once).first().contains(BillKeys::HasBeenDuplicated));
    EXPECT_TRUE(recordsOf(list, everyZeroDays).first().value(BillKeys::HasBeenDuplicated).toBool());
    EXPECT_FALSE(recordsOf(list, nextMonth).first().contains(BillKeys::HasBeenDuplicated));
    EXPECT_FALSE(BWBillsLoader::billDoesRepeat(once));
    EXPECT_TRUE(BWBillsLoader::billDoesRepeat(nextMonth));
}

TEST_F(ExtraOccurrencesTest, OnePassHandlesEachItemOnceAndKeepsItsResult)
{
    const QVariantMap weekly = billDue(QDate(2016, 4, 3), 1, 0);
    storeBills({weekly});
    const BWBillsLoader l = loader();
    const QVariantList start{l.loadBillWithID(weekly.value(BillKeys::Bid).toString()).value()};

    ASSERT_TRUE(l.listOfBillsWithExtraIncomesAdded(start));
    const QVariantList afterOne = l.listOfBillsBeingWithExtraIncomes();
    EXPECT_EQ(dueDays(recordsOf(afterOne, weekly)), (QList<QDate>{QDate(2016, 4, 3), QDate(2016, 4, 10)}));
    EXPECT_FALSE(afterOne.at(1).toMap().value(BillKeys::HasBeenDuplicated).toBool());

    QVariantList handled = afterOne;
    handled[1] = with(handled.at(1).toMap(), BillKeys::HasBeenDuplicated, true);
    EXPECT_FALSE(l.listOfBillsWithExtraIncomesAdded(handled));
    EXPECT_EQ(l.listOfBillsBeingWithExtraIncomes(), handled);
}

TEST_F(ExtraOccurrencesTest, AutoLoggedIncomeShowsItsNewDatesAndCopiesAreNeverLogged)
{
    const QVariantMap wages = incomeDue(QDate(2016, 4, 1), 1, 0);
    storeBills({wages});
    for (int i = 0; i < 2; ++i) {
        BWAutomaticPayments(env).logDuePayments();
        const QList<QVariantMap> listed = recordsOf(loader().loadBills(), wages);
        EXPECT_EQ(dueDays(listed),
                  (QList<QDate>{QDate(2016, 4, 8), QDate(2016, 4, 15), QDate(2016, 4, 22), QDate(2016, 4, 29)}));
    }
    EXPECT_EQ(storedPayments(wages).size(), 1);
}
