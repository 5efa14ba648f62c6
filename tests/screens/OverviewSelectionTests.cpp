// Search, the selection's bottom bar and the month calendar beside the list.
#include "OverviewTestFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>

#include <functional>

#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDBox.h"
#include "widgets/LRCalendarView.h"

// ---- Search ----------------------------------------------------------------------

TEST_F(OverviewTest, SearchFindsNamesIgnoringCaseAndAccents)
{
    storeBill(QStringLiteral("Café Latte Club"), 1);
    storeBill(QStringLiteral("Rent"), 2);
    overview->loadOverview();

    QTest::keyClicks(overview->header().searchField(), QStringLiteral("CAFE"));
    EXPECT_EQ(shownNames(), QStringList({"Café Latte Club"}));
    EXPECT_EQ(names(overview->dataSource()).size(), 2);

    overview->applyFilterWithString(QString());
    EXPECT_EQ(shownNames().size(), 2);
}

TEST_F(OverviewTest, SearchFindsAWholeTagButNotPartOfOne)
{
    storeBill(QStringLiteral("Rent"), 1, {{BillKeys::Tags, QVariantList{"Home"}}});
    storeBill(QStringLiteral("Homeowners insurance"), 2);
    storeBill(QStringLiteral("Phone"), 3, {{BillKeys::Tags, QVariantList{"Mobile", "home"}}});
    overview->loadOverview();

    overview->applyFilterWithString(QStringLiteral("home"));
    EXPECT_EQ(shownNames(), QStringList({"Rent", "Homeowners insurance", "Phone"}));

    overview->applyFilterWithString(QStringLiteral("mob"));
    EXPECT_TRUE(shownNames().isEmpty());
}

// A save or a payment reads the list again: the search still filters it, and
// the bill found stays selected. Only another list starts a new search.
TEST_F(OverviewTest, AReloadKeepsTheSearchAndAnotherListClearsIt)
{
    storeBill(QStringLiteral("Rent"), 1);
    const QString phone = storeBill(QStringLiteral("Phone"), 2);
    storeBill(QStringLiteral("Photo club"), 3);
    overview->loadOverview();
    QTest::keyClicks(overview->header().searchField(), QStringLiteral("pho"));
    ASSERT_EQ(shownNames(), QStringList({"Phone", "Photo club"}));
    clickRow(1);

    const std::pair<const char*, std::function<void()>> reloads[] = {
        {"whole list", [this] { overview->loadOverview(); }},
        {"saved item", [this, phone] { overview->reloadItems({phone}); }},
    };
    for (const auto& [name, reload] : reloads) {
        SCOPED_TRACE(name);
        reload();
        EXPECT_EQ(overview->header().searchField()->text(), QStringLiteral("pho"));
        EXPECT_EQ(shownNames(), QStringList({"Phone", "Photo club"}));
        EXPECT_EQ(selectedRows(), QList<int>{1});
    }

    overview->showBillsDueSoon();
    EXPECT_TRUE(overview->header().searchField()->text().isEmpty());
    overview->showAllBills();
    EXPECT_EQ(shownNames().size(), 3);
}

TEST_F(OverviewTest, FilteringAwayTheSelectionResetsTheBottomBar)
{
    storeBill(QStringLiteral("Rent"), 1);
    storeBill(QStringLiteral("Phone"), 2);
    overview->loadOverview();
    clickRow(0);
    ASSERT_FALSE(overview->actionBox()->isHidden());
    QSignalSpy selectionChanges(overview.get(), &BWOverviewController::selectionDidChange);

    overview->applyFilterWithString(QStringLiteral("pho"));

    EXPECT_TRUE(overview->actionBox()->isHidden());
    EXPECT_EQ(overview->bottomBar().actionText()->text(), QStringLiteral("Select a bill to view available actions."));
    EXPECT_EQ(selectionChanges.count(), 1);
}

// ---- Bottom bar --------------------------------------------------------------------

// The bar offers a partial payment once: on the alternate button when that
// is what it repeats, else on its own button.
TEST_F(OverviewTest, ThePartialPaymentIsOfferedOnceInTheBottomBar)
{
    storeBill(QStringLiteral("Rent"), 1);
    const struct {
        qlonglong setting;
        bool ownButtonShown;
    } cases[] = {{2, false}, {3, true}};  // alternate: "Log Partial", "Skip Payment"
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        defaults.setInteger(BWDefaultsKeys::BWSecondaryActionSetting, c.setting);
        overview->loadOverview();
        clickRow(0);
        EXPECT_EQ(overview->bottomBar().actionsAlternateButton()->text() == QStringLiteral("Log Partial"),
                  !c.ownButtonShown);
        EXPECT_EQ(overview->bottomBar().overviewButtonPartial()->isHidden(), !c.ownButtonShown);
    }
}

TEST_F(OverviewTest, OneSelectedBillShowsItsActions)
{
    storeBill(QStringLiteral("Rent"), 1, {{BillKeys::PaySite, QStringLiteral("https://landlord.example")}});
    storeBill(QStringLiteral("Water"), 2);
    overview->loadOverview();
    QSignalSpy selectionChanges(overview.get(), &BWOverviewController::selectionDidChange);

    clickRow(0);
    EXPECT_EQ(selectionChanges.count(), 1);
    EXPECT_TRUE(overview->bottomBar().actionText()->isHidden());
    EXPECT_EQ(overview->bottomBar().actionText()->text(), QStringLiteral("Rent"));
    EXPECT_FALSE(overview->actionBox()->isHidden());
    EXPECT_TRUE(overview->bottomBar().adBox()->isHidden());
    EXPECT_FALSE(overview->overviewButtonLog()->isHidden());
    EXPECT_TRUE(overview->bottomBar().payNowOverviewButton()->isEnabled());
    EXPECT_FALSE(overview->bottomBar().payNowOverviewButton()->isHidden());

    clickRow(1);
    EXPECT_FALSE(overview->bottomBar().payNowOverviewButton()->isEnabled());
}

TEST_F(OverviewTest, OneSelectedBillOffersItsActionsAndAClearedMenuTakesNoRoom)
{
    storeBill(QStringLiteral("Rent"), 1);
    overview->loadOverview();
    clickRow(0);
    EXPECT_GT(overview->bottomBar().actionsPopupButton()->count(), 1);
    EXPECT_FALSE(overview->bottomBar().actionsPopupButton()->isHidden());
    EXPECT_EQ(overview->bottomBar().actionsAlternateButton()->text(), QStringLiteral("Log Partial"));

    overview->clearActionsMenu();
    EXPECT_EQ(overview->bottomBar().actionsPopupButton()->count(), 0);
    EXPECT_TRUE(overview->bottomBar().actionsPopupButton()->isHidden());
    EXPECT_TRUE(overview->bottomBar().actionsAlternateButton()->isHidden());
}

TEST_F(OverviewTest, OneSelectedIncomeItemOffersOnlyItsPage)
{
    storeBill(QStringLiteral("Salary"), 1, {{BillKeys::IsIncome, true}});
    overview->loadOverview();

    clickRow(0);

    EXPECT_TRUE(overview->overviewButtonLog()->isHidden());
    EXPECT_FALSE(overview->overviewButtonLog()->isEnabled());
    EXPECT_TRUE(overview->bottomBar().overviewButtonPartial()->isHidden());
    EXPECT_TRUE(overview->bottomBar().payNowOverviewButton()->isHidden());
    EXPECT_FALSE(overview->bottomBar().overviewButtonView()->isHidden());
    EXPECT_TRUE(overview->bottomBar().overviewLineLog()->isHidden());
    EXPECT_FALSE(overview->bottomBar().overviewLineView()->isHidden());
}

TEST_F(OverviewTest, SeveralSelectedBillsSumTheirAmountsDue)
{
    storeBill(QStringLiteral("Rent"), 1, {{BillKeys::Amount, 900.0}});
    storeBill(QStringLiteral("Power"), 2, {{BillKeys::Amount, 75.5}});
    storeBill(QStringLiteral("Salary"), 3, {{BillKeys::IsIncome, true}, {BillKeys::Amount, 2000.0}});
    overview->loadOverview();

    clickRow(0);
    clickRow(1, true);
    EXPECT_EQ(overview->bottomBar().actionText()->text(),
              QStringLiteral("2 bills selected. Estimated amount due: $975.50"));
    EXPECT_TRUE(overview->actionBox()->isHidden());

    clickRow(2, true);
    EXPECT_EQ(overview->bottomBar().actionText()->text(),
              QStringLiteral("3 items selected. Estimated balance: $1,024.50"));
}

TEST_F(OverviewTest, NoSelectionShowsTheHintAndTheAdUnlessItIsHidden)
{
    overview->loadOverview();
    EXPECT_FALSE(overview->bottomBar().actionText()->isHidden());
    EXPECT_FALSE(overview->bottomBar().adBox()->isHidden());

    defaults.setBool(QStringLiteral("BWHideAd"), true);
    overview->loadOverview();
    EXPECT_TRUE(overview->bottomBar().adBox()->isHidden());
}

// ---- Month calendar ------------------------------------------------------------------

TEST_F(OverviewTest, SelectingABillMarksItsDueDayInTheCalendar)
{
    storeBill(QStringLiteral("Rent"), 12);
    storeBill(QStringLiteral("Phone"), 40);
    overview->loadOverview();
    LRCalendarView* calendar = overview->monthAtGlanceCalendar();
    EXPECT_EQ(calendar->focusDate(), QDate(2016, 3, 8));

    clickRow(0);
    EXPECT_EQ(calendar->focusDate(), QDate(2016, 3, 20));
    clickRow(1);
    EXPECT_EQ(calendar->focusDate(), QDate(2016, 4, 17));
    // The figures below stay on this month, and their heading says which.
    const auto* figuresMonth = overview->monthAtGlance()->findChild<QLabel*>(QStringLiteral("figuresMonth"));
    ASSERT_NE(figuresMonth, nullptr);
    EXPECT_EQ(figuresMonth->text(), QStringLiteral("THIS MONTH: MARCH 2016"));

    overview->billTable()->clearSelection();
    EXPECT_EQ(calendar->focusDate(), QDate(2016, 3, 8));
}

TEST_F(OverviewTest, ArchivedItemsAreNotMarkedInTheCalendar)
{
    const QString gym = storeBill(QStringLiteral("Gym"), 4);
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(gym));
    chooseList(BWOverviewController::ArchivedItems);

    clickRow(0);

    EXPECT_EQ(overview->monthAtGlanceCalendar()->focusDate(), QDate(2016, 3, 8));
}

TEST_F(OverviewTest, ChoosingADayInTheCalendarSelectsEveryBillDueThatDay)
{
    storeBill(QStringLiteral("Rent"), 5);
    storeBill(QStringLiteral("Power"), 6);
    storeBill(QStringLiteral("Water"), 6);
    storeBill(QStringLiteral("Phone"), 6);
    overview->loadOverview();

    overview->monthAtGlanceCalendar()->setFocusDate(QDate(2016, 3, 14));
    EXPECT_EQ(selectedRows(), QList<int>({1, 2, 3}));

    overview->monthAtGlanceCalendar()->setFocusDate(QDate(2016, 3, 22));
    EXPECT_TRUE(selectedRows().isEmpty());
}

TEST_F(OverviewTest, ChoosingTheSelectedBillsDayKeepsTheSelection)
{
    storeBill(QStringLiteral("Power"), 6);
    storeBill(QStringLiteral("Water"), 6);
    overview->loadOverview();
    clickRow(1);

    overview->calendarDateSelected(QDate(2016, 3, 14));

    EXPECT_EQ(selectedRows(), QList<int>({1}));
}

// A new sort order moves the selected rows, and they stay selected.
TEST_F(OverviewTest, SortingKeepsTheSelectedBills)
{
    storeBill(QStringLiteral("Water"), 2);
    storeBill(QStringLiteral("Rent"), 12);
    storeBill(QStringLiteral("Gas"), 40);
    overview->loadOverview();
    clickRow(rowOf(QStringLiteral("Water")));
    clickRow(rowOf(QStringLiteral("Gas")), true);

    overview->billTable()->horizontalHeader()->setSortIndicator(
        overview->tableModel()->columnOf(QStringLiteral("Name")), Qt::AscendingOrder);

    ASSERT_EQ(shownNames(), (QStringList{"Gas", "Rent", "Water"}));
    EXPECT_EQ(selectedRows(), (QList<int>{0, 2}));
}
