#include "SideWindowTestFixture.h"

#include "screens/BWHistoryViewController.h"
#include "screens/BWRecordTable.h"

#include <QComboBox>

namespace {

const QVariantList Monthly{qlonglong(1), qlonglong(2)};

class HistoryWindowTest : public SideWindowTest
{
protected:
    BWHistoryViewController& open()
    {
        history = std::make_unique<BWHistoryViewController>(env);
        history->setupHistoryView();
        return *history;
    }
    std::unique_ptr<BWHistoryViewController> history;
};

}  // namespace

TEST_F(HistoryWindowTest, PaymentsFallInTheirCalendarMonthOnce)
{
    const QString power = store(bill(QStringLiteral("Power"), localMoment(2016, 4, 1), Monthly, 80,
                                     {{BillKeys::PaymentList,
                                       QVariantList{payment(80, localMoment(2016, 3, 1, 0, 0)),
                                                    payment(75, localMoment(2016, 2, 29, 23, 59)),
                                                    payment(5, localMoment(2016, 3, 7, 12))}}}));
    store(bill(QStringLiteral("Salary"), localMoment(2016, 4, 1), Monthly, 900,
               {{BillKeys::IsIncome, true}, {BillKeys::PaymentList, QVariantList{payment(900, localMoment(2016, 3, 2))}}}));
    alsoListAsArchived(power);
    open();

    ASSERT_EQ(history->monthPopupButton()->count(), 36);
    EXPECT_EQ(history->monthPopupButton()->itemText(0), QStringLiteral("March 2016"));
    EXPECT_EQ(history->monthPopupButton()->itemText(35), QStringLiteral("April 2013"));

    EXPECT_EQ(names(history->calculatedBillsToDisplay()), QStringList({"Power", "Power"}));
    EXPECT_EQ(history->billTable().textAt(0, QStringLiteral("Next")), QStringLiteral("Tue, Mar 1, 2016"))
        << "oldest first";
    EXPECT_EQ(history->totalBillsNumber(), QStringLiteral("2"));
    EXPECT_EQ(history->totalBillsAmount(), QStringLiteral("$85.00"));

    history->monthPopupButton()->setCurrentIndex(1);
    history->setUpTableForMonthIndex(1);
    EXPECT_EQ(history->totalBillsNumber(), QStringLiteral("1"));
    EXPECT_EQ(history->totalBillsAmount(), QStringLiteral("$75.00"));
}

TEST_F(HistoryWindowTest, ATagKeepsOnlyThePaymentsOfItsBills)
{
    store(bill(QStringLiteral("Car"), localMoment(2016, 4, 1), Monthly, 80,
               {{BillKeys::Tags, QVariantList{QStringLiteral("Auto")}},
                {BillKeys::PaymentList, QVariantList{payment(80, localMoment(2016, 3, 3))}}}));
    store(bill(QStringLiteral("Water"), localMoment(2016, 4, 1), Monthly, 20,
               {{BillKeys::PaymentList, QVariantList{payment(20, localMoment(2016, 3, 4))}}}));
    open();
    QComboBox* tags = history->tagPopupButton();
    ASSERT_EQ(tags->itemText(0), QStringLiteral("All Bills"));
    EXPECT_EQ(history->calculatedBillsToDisplay().size(), 2);
    tags->setCurrentIndex(tags->findText(QStringLiteral("Auto")));
    history->setUpTableForMonthIndex(0);
    EXPECT_EQ(names(history->calculatedBillsToDisplay()), QStringList({"Car"}));
}
