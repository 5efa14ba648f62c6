// Loading the overview's lists: the list modes, the order by due date, income
// rows, keeping the selection across reloads and silent logging.
#include "OverviewTestFixture.h"

#include <QSignalSpy>
#include <QToolButton>

#include "widgets/BackgroundView.h"
#include "widgets/BGHUDBox.h"

namespace {

const QColor Grey = QColor::fromRgbF(0.82f, 0.82f, 0.82f, 1.0f);
const QColor Purple = QColor::fromRgbF(0.23f, 0.18f, 0.49f, 1.0f);

}  // namespace

TEST_F(OverviewTest, AllActiveItemsAreOrderedByDueDateOverdueFirst)
{
    storeBill(QStringLiteral("Later"), 20);
    storeBill(QStringLiteral("Overdue"), -3);
    storeBill(QStringLiteral("Today"), 0);
    storeBill(QStringLiteral("Soon"), 2);

    overview->loadOverview();

    EXPECT_EQ(shownNames(), QStringList({"Overdue", "Today", "Soon", "Later"}));
    EXPECT_EQ(names(overview->dataSource()), shownNames());
    EXPECT_EQ(overview->tableModel()->rowCount(), 4);
    EXPECT_EQ(overview->header().headerBox()->backgroundColor(), Grey);
    EXPECT_TRUE(overview->showAllButton()->isHidden());
}

TEST_F(OverviewTest, EmptyDataFolderListsNothing)
{
    overview->loadOverview();

    EXPECT_TRUE(overview->dataSource().isEmpty());
    EXPECT_EQ(overview->tableModel()->rowCount(), 0);
    // A new user learns where the first bill comes from; with one stored,
    // the bar asks for a selection.
    EXPECT_TRUE(overview->bottomBar().actionText()->text().contains(QStringLiteral("\u201C+ New Bill\u201D")));
    storeBill(QStringLiteral("Rent"), 1);
    overview->loadOverview();
    EXPECT_EQ(overview->bottomBar().actionText()->text(), QStringLiteral("Select a bill to view available actions."));
}

TEST_F(OverviewTest, ArchiveListShowsOnlyArchivedItemsUnderAPurpleHeader)
{
    storeBill(QStringLiteral("Rent"), 5);
    const QString gym = storeBill(QStringLiteral("Gym"), 9);
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(gym));

    overview->loadOverview();
    EXPECT_EQ(shownNames(), QStringList({"Rent"}));

    chooseList(BWOverviewController::ArchivedItems);
    EXPECT_EQ(shownNames(), QStringList({"Gym"}));
    EXPECT_EQ(overview->header().headerBox()->backgroundColor(), Purple);
    EXPECT_FALSE(overview->showAllButton()->isHidden());
}

TEST_F(OverviewTest, DueSoonListKeepsOverdueItemsAndThoseWithinTheWindow)
{
    storeBill(QStringLiteral("Overdue"), -40);
    storeBill(QStringLiteral("Edge"), 7);
    storeBill(QStringLiteral("Beyond"), 8);
    QSignalSpy switchRequests(overview.get(), &BWOverviewController::switchToOverviewRequested);

    chooseList(BWOverviewController::DueSoon);

    EXPECT_EQ(shownNames(), QStringList({"Overdue", "Edge"}));
    EXPECT_FALSE(overview->sidebar().dueSoonHighlightbox()->isHidden());
    EXPECT_TRUE(overview->sidebar().dueMonthHighlightBox()->isHidden());
    EXPECT_TRUE(overview->sidebar().paidMonthHighlightBox()->isHidden());
    EXPECT_EQ(overview->header().headerBox()->backgroundColor(), Purple);
    EXPECT_EQ(switchRequests.count(), 1);
}

TEST_F(OverviewTest, MonthListsFollowTheCalendarMonth)
{
    storeBill(QStringLiteral("March"), 23);     // 31 March
    storeBill(QStringLiteral("April"), 24);     // 1 April
    storeBill(QStringLiteral("Paid"), 10, {{BillKeys::LastPayment, inDays(-7)}});
    storeBill(QStringLiteral("Paid in February"), 12, {{BillKeys::LastPayment, inDays(-8)}});

    overview->showBillsDueThisMonth();
    EXPECT_EQ(shownNames(), QStringList({"Paid", "Paid in February", "March"}));
    EXPECT_FALSE(overview->sidebar().dueMonthHighlightBox()->isHidden());

    overview->showBillsPaidThisMonth();
    EXPECT_EQ(shownNames(), QStringList({"Paid"}));
    EXPECT_FALSE(overview->sidebar().paidMonthHighlightBox()->isHidden());
    EXPECT_TRUE(overview->sidebar().dueMonthHighlightBox()->isHidden());

    overview->showAllBills();
    EXPECT_EQ(shownNames().size(), 4);
    EXPECT_TRUE(overview->sidebar().paidMonthHighlightBox()->isHidden());
}

TEST_F(OverviewTest, DropDownOffersTheFixedListsThenTheTagsAndATagListsItsItems)
{
    storeBill(QStringLiteral("Rent"), 5, {{BillKeys::Tags, QVariantList{"Home"}}});
    storeBill(QStringLiteral("Car loan"), 6, {{BillKeys::Tags, QVariantList{"Car"}}});
    storeBill(QStringLiteral("Power"), 7, {{BillKeys::Tags, QVariantList{"Home", "Utilities"}}});
    overview->loadOverview();

    QComboBox* dropDown = overview->header().tagDropdown();
    ASSERT_EQ(dropDown->count(), 10);
    EXPECT_EQ(dropDown->itemText(0), QStringLiteral("All Active Items"));
    EXPECT_EQ(dropDown->itemText(5), QStringLiteral("Paid This Month"));
    EXPECT_EQ(dropDown->itemText(BWOverviewController::FirstTag), QStringLiteral("Car"));
    EXPECT_EQ(dropDown->itemText(BWOverviewController::FirstTag + 1), QStringLiteral("Home"));

    chooseList(BWOverviewController::FirstTag + 1);
    EXPECT_EQ(shownNames(), QStringList({"Rent", "Power"}));

    // A reload keeps the chosen list and its place in the rebuilt drop-down.
    overview->loadOverview();
    EXPECT_EQ(shownNames(), QStringList({"Rent", "Power"}));
    EXPECT_EQ(dropDown->currentIndex(), BWOverviewController::FirstTag + 1);
}

TEST_F(OverviewTest, HiddenPaydaysLeaveTheTableButReachTheCalendarAndMenu)
{
    defaults.setBool(QStringLiteral("BWEnableMenu"), true);
    storeBill(QStringLiteral("Rent"), 5);
    storeBill(QStringLiteral("Salary"), 3, {{BillKeys::IsIncome, true}});
    QSignalSpy menuUpdates(overview.get(), &BWOverviewController::menuBillsChanged);

    overview->loadOverview();
    EXPECT_EQ(shownNames(), QStringList({"Salary", "Rent"}));

    defaults.setInteger(QStringLiteral("BWShowPaydaysOnOverview"), 0);
    overview->loadOverview();
    EXPECT_EQ(shownNames(), QStringList({"Rent"}));
    EXPECT_EQ(names(overview->dataSource()), QStringList({"Rent"}));
    EXPECT_EQ(names(overview->dataSourceWithIncome()), QStringList({"Salary", "Rent"}));
    EXPECT_EQ(names(overview->getBills()), QStringList({"Salary", "Rent"}));
    ASSERT_EQ(menuUpdates.count(), 2);
    EXPECT_EQ(names(menuUpdates.last().at(0).toList()), QStringList({"Salary", "Rent"}));
}

TEST_F(OverviewTest, AirplaneButtonShowsWhetherVacationModeIsOn)
{
    overview->loadOverview();
    EXPECT_EQ(overview->header().airplaneButton()->property("imageName").toString(), QStringLiteral("893-airplane"));

    defaults.setBool(QStringLiteral("VacationEnabled"), true);
    overview->loadOverview();
    EXPECT_EQ(overview->header().airplaneButton()->property("imageName").toString(),
              QStringLiteral("893-airplaneselect"));
}

TEST_F(OverviewTest, TrayMenuIsNotFedWhileItIsOff)
{
    storeBill(QStringLiteral("Rent"), 5);
    QSignalSpy menuUpdates(overview.get(), &BWOverviewController::menuBillsChanged);

    overview->loadOverview();

    EXPECT_EQ(menuUpdates.count(), 0);
}

TEST_F(OverviewTest, ReloadKeepsTheSelectedBillSelectedWhereverItMoved)
{
    storeBill(QStringLiteral("A"), 1);
    const QString b = storeBill(QStringLiteral("B"), 2);
    storeBill(QStringLiteral("C"), 3);
    overview->loadOverview();
    clickRow(rowOf(QStringLiteral("B")));

    // B now falls due after C.
    ASSERT_TRUE(BWBill(env).saveSpecificKey(BillKeys::DueDate, inDays(9), b));
    overview->loadOverview();

    EXPECT_EQ(shownNames(), QStringList({"A", "C", "B"}));
    EXPECT_EQ(selectedRows(), QList<int>({2}));
}

TEST_F(OverviewTest, ReloadSelectsTheSamePlaceWhenTheSelectedBillLeftAndNothingWithoutASelection)
{
    storeBill(QStringLiteral("A"), 1);
    const QString b = storeBill(QStringLiteral("B"), 2);
    storeBill(QStringLiteral("C"), 3);
    overview->loadOverview();
    overview->loadOverview();
    EXPECT_TRUE(selectedRows().isEmpty());

    clickRow(1);
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(b));
    overview->loadOverview();

    EXPECT_EQ(shownNames(), QStringList({"A", "C"}));
    EXPECT_EQ(selectedRows(), QList<int>({1}));
}

// ---- Loading writes nothing ------------------------------------------------------

TEST_F(OverviewTest, LoadingNeverLogsDueAutomaticItems)
{
    defaults.setBool(QStringLiteral("BWShouldAutoLogPayments"), true);
    defaults.setBool(QStringLiteral("BW_ShouldAutoLogIncome"), true);
    const QString phone = storeBill(QStringLiteral("Phone"), -1, {{BillKeys::PayType, qlonglong(1)}});
    const QString salary = storeBill(QStringLiteral("Salary"), -1, {{BillKeys::IsIncome, true}});
    const QByteArray phoneBefore = temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + phone + ".plist");
    const QByteArray salaryBefore = temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + salary + ".plist");

    overview->loadOverview();

    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + phone + ".plist"), phoneBefore);
    EXPECT_EQ(temp.read(QStringLiteral("data/Orvane/Orvane.ovdata/") + salary + ".plist"), salaryBefore);
}
