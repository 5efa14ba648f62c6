#include "OverviewTestFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWIncomeManager.h"
#include "screens/BWIncomeController.h"

namespace {

// A month of bills on Tuesday 8 March 2016, with a due-soon window of 7 days.
class OverviewSidebarTest : public OverviewTest
{
protected:
    OverviewSidebarTest()
    {
        defaults.setBool(BWDefaultsKeys::BWEnableDocklet, true);
        storeBill(QStringLiteral("Late"), -3, {{BillKeys::Tags, QVariantList{QStringLiteral("Home")}}});
        storeBill(QStringLiteral("Soon"), 2, {{BillKeys::Amount, 80.0}});
        storeBill(QStringLiteral("Edge"), 7, {{BillKeys::Amount, 20.0}});
        storeBill(QStringLiteral("Later"), 8, {{BillKeys::Amount, 30.0}});
        storeBill(QStringLiteral("Next Month"), 30, {{BillKeys::Amount, 100.0}});
        storeBill(QStringLiteral("Varies"), 20, {{BillKeys::Amount, 0.0}, {BillKeys::Average, 44.0}});
        storeBill(QStringLiteral("Salary"), 10, {{BillKeys::Amount, 1000.0}, {BillKeys::IsIncome, true}});
        storeBill(QStringLiteral("Paid"), 25, {{BillKeys::PaymentList, QVariantList{payment(60.0, 1)}}});
        storeBill(QStringLiteral("Bonus"), 40,
                  {{BillKeys::Amount, 200.0}, {BillKeys::IsIncome, true}, {BillKeys::PaymentList,
                                                                          QVariantList{payment(200.0, 2)}}});
    }

    QVariantMap payment(double amount, int dayOfMarch) const
    {
        return {{PaymentKeys::Amount, amount},
                {PaymentKeys::Date, QDateTime(QDate(2016, 3, dayOfMarch), QTime(12, 0)).toUTC()},
                {PaymentKeys::Note, QString()},
                {PaymentKeys::Receipt, QString()}};
    }
    QString money(double amount) const { return BWBillsLoader(env).currencyFormattedNumber(amount); }
};

}  // namespace

TEST_F(OverviewSidebarTest, ShowsTheMonthsFiguresOfAllActiveItems)
{
    QSignalSpy badges(&overview->sidebar(), &BWOverviewSidebar::dockBadgeChanged);
    overview->loadOverview();
    EXPECT_EQ(overview->sidebar().dueSoonNumField()->text(), QStringLiteral("3"));
    EXPECT_EQ(overview->sidebar().dueSoonAmtField()->text(), money(150));
    EXPECT_EQ(overview->sidebar().dueMonthNumField()->text(), QStringLiteral("5"));
    EXPECT_EQ(overview->sidebar().dueMonthAmtField()->text(), money(224));
    EXPECT_EQ(overview->sidebar().stillDueThisMonthField()->text(), money(224));
    EXPECT_EQ(overview->sidebar().paydayNumField()->text(), QStringLiteral("2"));
    EXPECT_EQ(overview->sidebar().paidThisMonthField()->text(), money(60));
    EXPECT_EQ(overview->sidebar().incomeToDateField()->text(), money(1200));
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(1200 - 60 - 224));
    ASSERT_FALSE(badges.isEmpty());
    EXPECT_EQ(badges.last().at(0).toString(), QStringLiteral("3"));

    // The due-soon list keeps the figures of all active items.
    chooseList(BWOverviewController::DueSoon);
    EXPECT_EQ(overview->sidebar().dueMonthNumField()->text(), QStringLiteral("5"));
}

TEST_F(OverviewSidebarTest, ATagHasItsOwnFiguresButTheBadgeCountsAllActiveBills)
{
    overview->loadOverview();
    const int home = overview->header().tagDropdown()->findText(QStringLiteral("Home"));
    ASSERT_GE(home, 0);
    chooseList(home);
    EXPECT_EQ(overview->sidebar().dueSoonNumField()->text(), QStringLiteral("1"));
    EXPECT_EQ(overview->sidebar().dockBadge(), QStringLiteral("3"));

    defaults.setBool(BWDefaultsKeys::BWEnableDocklet, false);
    overview->loadOverview();
    EXPECT_EQ(overview->sidebar().dockBadge(), QString());
}

TEST_F(OverviewSidebarTest, TheBalanceFollowsItsCaptionAcrossReloads)
{
    overview->loadOverview();
    overview->switchView();
    EXPECT_EQ(overview->sidebar().expectedBalanceName()->text(), QStringLiteral("CURRENT BALANCE"));
    // No income sources: the income received (the bonus), less what was paid.
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(200 - 60));
    overview->loadOverview();
    EXPECT_EQ(overview->sidebar().expectedBalanceName()->text(), QStringLiteral("CURRENT BALANCE"));
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(200 - 60));

    overview->switchView();
    EXPECT_EQ(overview->sidebar().expectedBalanceName()->text(), QStringLiteral("EXPECTED BALANCE"));
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(1200 - 60 - 224));
}

// One rule under each caption, whether the figure comes from a load or from
// clicks on the caption: the income items and the income sources both
// count, what came in so far for the current balance, the month's in all
// for the expected one.
TEST_F(OverviewSidebarTest, EachBalanceHasOneFormulaCountingIncomeItemsAndSources)
{
    const auto monthly = [this](const QString& name, double amount, int payDayIndex) {
        return QVariantMap{{IncomeSourceKeys::Iid, name.toUpper().leftJustified(32, u'0').left(32)},
                           {IncomeSourceKeys::Description, name},
                           {IncomeSourceKeys::Amount, amount},
                           {IncomeSourceKeys::PayDate, qlonglong(payDayIndex)},
                           {IncomeSourceKeys::Repeat, qlonglong(IncomeRepeat::Monthly)},
                           {IncomeSourceKeys::CreationDate, clock.now().toUTC()}};
    };
    // Paid on the 1st (already in) and on the 20th (still to come).
    ASSERT_TRUE(BWIncomeManager(env).writeUpdatedIncomeArray(
        {monthly(QStringLiteral("Rental"), 300, 0), monthly(QStringLiteral("Wages"), 500, 19)}));
    const QString expected = money(1200 + 800 - 60 - 224);
    const QString current = money(200 + 300 - 60);

    overview->loadOverview();
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), expected);
    overview->switchView();
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), current);
    overview->loadOverview();
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), current);
    overview->switchView();
    EXPECT_EQ(overview->sidebar().expectedBalanceName()->text(), QStringLiteral("EXPECTED BALANCE"));
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), expected);
}

// A source saved or deleted in the income popover counts in the balance at
// once, before any reload.
TEST_F(OverviewSidebarTest, TheBalanceFollowsAnEditedIncomeSourceAtOnce)
{
    overview->loadOverview();
    BWIncomeController& income = *overview->sidebar().incomeController();
    income.createNewIncome();
    income.descriptionField()->setText(QStringLiteral("Wages"));
    income.amountField()->setText(QStringLiteral("500"));
    income.payDateField()->setCurrentIndex(19);
    income.repeatsField()->setCurrentIndex(int(IncomeRepeat::Monthly));
    ASSERT_TRUE(income.saveIncome());
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(1200 + 500 - 60 - 224));

    ASSERT_TRUE(income.deleteIncomeAtRow(0));
    EXPECT_EQ(overview->sidebar().expectedBalance()->text(), money(1200 - 60 - 224));
}

// Further occurrences of a repeating bill share its Bid: the due-soon figure
// and the badge count the bill once, as the Due Soon list shows it once.
TEST_F(OverviewSidebarTest, ABillDueSoonMoreThanOnceCountsOnce)
{
    const struct
    {
        const char* rule;
        int dueInDays;
        qlonglong count;
        qlonglong unit;
    } rows[] = {
        {"weekly, overdue", -3, 1, 0},  // the 5th and the 12th
        {"every three days", 1, 3, 3},  // the 9th, 12th and 15th
        {"twice a month", -7, 1, 1},    // the 1st and the 15th
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        const QString billID = storeBill(QStringLiteral("Repeats"), row.dueInDays,
                                         {{BillKeys::Repeat, QVariantList{row.count, row.unit}}});
        chooseList(BWOverviewController::AllActiveItems);
        overview->loadOverview();
        const auto occurrences = std::count_if(
            overview->dataSource().cbegin(), overview->dataSource().cend(),
            [&billID](const QVariant& record) { return record.toMap().value(BillKeys::Bid) == billID; });
        ASSERT_GE(occurrences, 2) << "the load shows the bill's further occurrences";
        EXPECT_EQ(overview->sidebar().dueSoonNumField()->text(), QStringLiteral("4"));
        EXPECT_EQ(overview->sidebar().dockBadge(), QStringLiteral("4"));

        chooseList(BWOverviewController::DueSoon);
        EXPECT_EQ(shownNames().size(), 4);
        EXPECT_EQ(overview->sidebar().dueSoonNumField()->text(), QStringLiteral("4"));
        // A tag's list counts the badge from all active items on their own.
        chooseList(overview->header().tagDropdown()->findText(QStringLiteral("Home")));
        EXPECT_EQ(overview->sidebar().dockBadge(), QStringLiteral("4"));
        ASSERT_TRUE(BWBill(env).deleteBillWithBid(billID));
    }
}

TEST(OverviewSidebarEmpty, AnEmptyListShowsZerosAndNoBadge)
{
    class Empty : public OverviewTest
    {
    public:
        void TestBody() override {}
        using OverviewTest::defaults;
        using OverviewTest::overview;
        using OverviewTest::env;
    } empty;
    empty.defaults.setBool(BWDefaultsKeys::BWEnableDocklet, true);
    empty.overview->loadOverview();
    EXPECT_EQ(empty.overview->sidebar().dueSoonNumField()->text(), QStringLiteral("0"));
    EXPECT_EQ(empty.overview->sidebar().dueMonthNumField()->text(), QStringLiteral("0"));
    EXPECT_EQ(empty.overview->sidebar().dockBadge(), QString());
    EXPECT_EQ(empty.overview->sidebar().expectedBalance()->text(), BWBillsLoader(empty.env).currencyFormattedNumber(0));
}
