#include "SideWindowTestFixture.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWRecordTable.h"
#include "widgets/BGHUDTableView.h"

#include <QComboBox>
#include <QStandardItemModel>

namespace {

const QVariantList Weekly{qlonglong(1), qlonglong(0)};
const QVariantList Monthly{qlonglong(1), qlonglong(2)};
const QVariantList EveryFiveMonths{qlonglong(5), qlonglong(2)};
const QVariantList NeverMoves{qlonglong(0), qlonglong(2)};
const QVariantList OneTime{qlonglong(1), qlonglong(4)};

class ForecastWindowTest : public SideWindowTest
{
protected:
    // Opens the window on April 2016 (month index 1).
    BWForecastViewController& open()
    {
        forecast = std::make_unique<BWForecastViewController>(env);
        forecast->setupForecastView();
        return *forecast;
    }
    QStringList rowsAs(const QString& key) const
    {
        QStringList values;
        for (const QVariant& row : forecast->calculatedBillsToDisplay())
            values << row.toMap().value(key).toString();
        return values;
    }

    std::unique_ptr<BWForecastViewController> forecast;
};

}  // namespace

TEST_F(ForecastWindowTest, MonthPopUpOffersTheComingTwelveMonthsAfterThisOne)
{
    open();
    QComboBox* months = forecast->monthPopupButton();
    ASSERT_EQ(months->count(), 13);
    EXPECT_EQ(months->itemText(0), QStringLiteral("March 2016"));
    EXPECT_EQ(months->itemText(12), QStringLiteral("March 2017"));
    EXPECT_EQ(months->currentIndex(), 1);
    auto* model = qobject_cast<QStandardItemModel*>(months->model());
    EXPECT_FALSE(model->item(0)->isEnabled());
    EXPECT_TRUE(model->item(1)->isEnabled());
    EXPECT_EQ(forecast->tagPopupButton()->itemText(0), QStringLiteral("All Active Items"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("balanceTitle")), QStringLiteral("OK to Spend"));
}

TEST_F(ForecastWindowTest, RowsOfAMonthMoveBillsForwardRepeatAndSave)
{
    store(bill(QStringLiteral("Gym"), localMoment(2016, 3, 9, 9), Weekly, 10));
    store(bill(QStringLiteral("Rent"), localMoment(2016, 3, 15, 9), Monthly, 500));
    store(bill(QStringLiteral("Insurance"), localMoment(2016, 3, 20, 9), EveryFiveMonths, 100));
    store(bill(QStringLiteral("Stuck"), localMoment(2016, 2, 20, 9), NeverMoves, 30));
    store(bill(QStringLiteral("Once"), localMoment(2016, 3, 1, 9), OneTime, 70));
    open();

    EXPECT_EQ(names(forecast->calculatedBillsToDisplay()),
              QStringList({"Gym", "Gym", "Rent", "Gym", "Gym", "Insurance"}));
    const QStringList dates = rowsAs(BillKeys::DueString);
    EXPECT_EQ(dates.mid(0, 5), QStringList({"Wed, Apr 6, 2016", "Wed, Apr 13, 2016", "Fri, Apr 15, 2016",
                                         "Wed, Apr 20, 2016", "Wed, Apr 27, 2016"}));
    const QVariantMap saveRow = forecast->calculatedBillsToDisplay().last().toMap();
    EXPECT_EQ(saveRow.value(ForecastKeys::IsFutureBill).toInt(), 1);
    EXPECT_DOUBLE_EQ(saveRow.value(BillKeys::Amount).toDouble(), 0);
    EXPECT_DOUBLE_EQ(saveRow.value(ForecastKeys::SaveAmount).toDouble(), 20);

    EXPECT_EQ(forecast->totalText(QStringLiteral("totalNumberOfBills")), QStringLiteral("5"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalAmountDue")), QStringLiteral("$540.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalToSave")), QStringLiteral("$20.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalfinalTotal")), QStringLiteral("-$560.00"));

    forecast->saveAmountSettingChanged(false);
    EXPECT_FALSE(names(forecast->calculatedBillsToDisplay()).contains(QStringLiteral("Insurance")));
    EXPECT_TRUE(forecast->billTable().view()->isColumnHidden(forecast->billTable().columnOf(QStringLiteral("Save"))));
}

TEST_F(ForecastWindowTest, ShownEstimatesLeaveTheRowsAmountAlone)
{
    const QDateTime due = localMoment(2016, 4, 10, 9);
    store(bill(QStringLiteral("Phone"), due, Monthly, 0,
               {{BillKeys::AmountVaries, qlonglong(1)},
                {BillKeys::PaymentList, QVariantList{payment(40, localMoment(2016, 2, 10, 9)),
                                                     payment(60, localMoment(2016, 1, 10, 9))}}}));
    defaults.setBool(BWDefaultsKeys::BWUseIntelligenceEstimates, true);
    open();
    ASSERT_EQ(forecast->billTable().rowCount(), 1);
    EXPECT_EQ(forecast->billTable().textAt(0, QStringLiteral("Amount")), QStringLiteral("$50.00"));
    EXPECT_DOUBLE_EQ(forecast->calculatedBillsToDisplay().first().toMap().value(BillKeys::Amount).toDouble(), 0);
}

TEST_F(ForecastWindowTest, AVaryingBillNotDueInTheMonthAddsOnlyItsShareToSave)
{
    const QVariantList everyThreeMonths{qlonglong(3), qlonglong(2)};
    store(bill(QStringLiteral("Water"), localMoment(2016, 3, 20, 9), everyThreeMonths, 0,
               {{BillKeys::AmountVaries, qlonglong(1)},
                {BillKeys::PaymentList, QVariantList{payment(120, localMoment(2015, 12, 20, 9)),
                                                     payment(150, localMoment(2015, 9, 20, 9))}}}));
    store(bill(QStringLiteral("Rent"), localMoment(2016, 3, 15, 9), Monthly, 500));
    defaults.setBool(BWDefaultsKeys::BWUseIntelligenceEstimates, true);
    open();

    ASSERT_EQ(names(forecast->calculatedBillsToDisplay()), QStringList({"Rent", "Water"}));
    EXPECT_EQ(forecast->billTable().textAt(1, QStringLiteral("Amount")), QStringLiteral("$0.00"));
    EXPECT_EQ(forecast->billTable().textAt(1, QStringLiteral("Save")), QStringLiteral("$45.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalNumberOfBills")), QStringLiteral("1"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalAmountDue")), QStringLiteral("$500.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalToSave")), QStringLiteral("$45.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalfinalTotal")), QStringLiteral("-$545.00"));
}

// Save rows are for bills: an income that comes every three months puts
// nothing aside in the months it does not come, and counts in full in its own.
TEST_F(ForecastWindowTest, IncomeHasNoMoneySetAsideForIt)
{
    const QVariantList everyThreeMonths{qlonglong(3), qlonglong(2)};
    store(bill(QStringLiteral("Dividend"), localMoment(2016, 3, 20, 9), everyThreeMonths, 3000,
               {{BillKeys::IsIncome, true}}));
    store(bill(QStringLiteral("Rent"), localMoment(2016, 3, 15, 9), Monthly, 500));
    open();
    EXPECT_EQ(names(forecast->calculatedBillsToDisplay()), QStringList{QStringLiteral("Rent")});
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalToSave")), QStringLiteral("$0.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalfinalTotal")), QStringLiteral("-$500.00"));

    forecast->monthPopupButton()->setCurrentIndex(3);  // June, when it comes
    emit forecast->monthPopupButton()->activated(3);
    EXPECT_EQ(names(forecast->calculatedBillsToDisplay()), QStringList({"Rent", "Dividend"}));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalIncomeTotal")), QStringLiteral("$3,000.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalToSave")), QStringLiteral("$0.00"));
    EXPECT_EQ(forecast->totalText(QStringLiteral("totalfinalTotal")), QStringLiteral("$2,500.00"));
}

// The amount a row shows is the amount the month's total sums, whatever
// the estimate: one rule for both.
TEST_F(ForecastWindowTest, TheTableShowsTheAmountsTheTotalSums)
{
    const struct
    {
        const char* what;
        double stored;
        QVariantList payments;
    } rows[] = {
        {"an estimate under one",
         0,
         {payment(0.40, localMoment(2016, 2, 10, 9)), payment(0.60, localMoment(2016, 1, 10, 9))}},
        {"an estimate", 0, {payment(40, localMoment(2016, 2, 10, 9)), payment(60, localMoment(2016, 1, 10, 9))}},
        {"a stored amount and an estimate", 30, {payment(40, localMoment(2016, 2, 10, 9))}},
        {"no payments", 25, {}},
    };
    defaults.setBool(BWDefaultsKeys::BWUseIntelligenceEstimates, true);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QString billID
            = store(bill(QStringLiteral("Phone"), localMoment(2016, 4, 10, 9), Monthly, row.stored,
                         {{BillKeys::AmountVaries, qlonglong(1)}, {BillKeys::PaymentList, row.payments}}));
        open();
        ASSERT_EQ(forecast->billTable().rowCount(), 1);
        EXPECT_EQ(forecast->billTable().textAt(0, QStringLiteral("Amount")),
                  forecast->totalText(QStringLiteral("totalAmountDue")));
        ASSERT_TRUE(BWBill(env).deleteBillWithBid(billID));
    }
}
