#include "MainWindowTestFixture.h"

#include "platform/UserActivity.h"
#include "screens/BWView.h"
#include "shell/BWMainMenu.h"
#include "widgets/BWAnimatingView.h"

#include <QToolBar>

namespace {

// Bills due on successive days, so that they list in this order.
class NavigationTest : public MainWindowTest
{
protected:
    void addBillsInDueOrder(const QStringList& names)
    {
        int day = 10;
        for (const QString& name : names) {
            QVariantMap record = bill(name, QDate(2016, 3, day++));
            if (name.startsWith(QStringLiteral("Pay")))
                record = with(record, BillKeys::IsIncome, true);
            ids.insert(name, addBill(record));
        }
    }
    QString shownName() const { return ids.key(billPage.currentBillID()); }
    void openRow(int row)
    {
        overview.selectRows({row});
        delegate.switchToBillView();
    }
    bool inSight(const QWidget* pane) const
    {
        return !pane->isHidden() && delegate.mainView()->rect().intersects(pane->geometry());
    }

    QMap<QString, QString> ids;
};

}  // namespace

// ---- Opening a bill ---------------------------------------------------------------

TEST_F(NavigationTest, OpeningWithoutASelectedRowDoesNothing)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    delegate.switchToBillView();
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_TRUE(billPage.loadedIDs.isEmpty());
}

TEST_F(NavigationTest, OpeningARowShowsItsBillAndSlidesThePagesOver)
{
    addBillsInDueOrder({"Rent", "Power", "Phone"});
    startWithScreens();
    openRow(1);

    EXPECT_EQ(delegate.visibleView(), QStringLiteral("bill"));
    EXPECT_EQ(shownName(), QStringLiteral("Power"));
    EXPECT_EQ(billPage.dataPosition(), 1);
    settle();
    EXPECT_FALSE(inSight(overview.list()));
    EXPECT_FALSE(inSight(overview.monthAtGlance()));
    for (const QWidget* pane :
         {billPage.stickyNote(), billPage.billHeader(), billPage.statisticsView(), billPage.paymentHistory()})
        EXPECT_TRUE(inSight(pane));
    EXPECT_EQ(billPage.billHeader()->y(), 0);
    EXPECT_EQ(billPage.stickyNote()->geometry().topLeft(), QPoint(0, billPage.billHeader()->height()));
    EXPECT_GE(overview.clearActionsMenuCount, 1);
}

TEST_F(NavigationTest, OpeningABillPublishesItsHandOffActivity)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    UserActivity* overviewActivity = overview.activity();
    openRow(0);

    EXPECT_FALSE(overviewActivity->isValid());
    UserActivity* first = billPage.activity();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->activityType(), QStringLiteral("com.Bramwick.Orvane.viewbill"));
    EXPECT_EQ(first->title(), QStringLiteral("Rent"));
    EXPECT_EQ(first->userInfo(), (QVariantMap{{QStringLiteral("Bid"), ids["Rent"]}}));
    EXPECT_TRUE(first->needsSave());
    EXPECT_TRUE(first->isCurrent());

    delegate.switchToOverview();
    openRow(1);
    EXPECT_EQ(billPage.activity()->title(), QStringLiteral("Power"));
    ASSERT_EQ(billPage.everyActivity.size(), 2u);
    EXPECT_FALSE(billPage.everyActivity.front()->isValid());
}

TEST_F(NavigationTest, OpeningFromSearchFindsTheBillsPlaceInTheFullList)
{
    addBillsInDueOrder({"Rent", "Power", "Phone"});
    startWithScreens();
    delegate.showBillFromSearch(ids["Phone"]);
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("bill"));
    EXPECT_EQ(shownName(), QStringLiteral("Phone"));
    EXPECT_EQ(billPage.dataPosition(), 2);
    EXPECT_EQ(billPage.activity(), nullptr);
}

TEST_F(NavigationTest, ABillThatCannotBeLoadedIsNotShown)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    delegate.showBillFromSearch(QStringLiteral("0123456789ABCDEF0123456789ABCDEF"));
    delegate.showBillFromSearch(QString());
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_TRUE(billPage.loadedIDs.isEmpty());
}

// ---- Back to the overview ---------------------------------------------------------

TEST_F(NavigationTest, BackToTheShownOverviewNeitherReloadsNorMoves)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    const int loads = overview.loadCount;
    delegate.switchToOverview();
    EXPECT_EQ(overview.loadCount, loads);

    delegate.switchToOverviewAndReload();
    EXPECT_EQ(overview.loadCount, loads + 1);
    EXPECT_EQ(editor.listOfActiveBills.size(), 1);
}

TEST_F(NavigationTest, BackFromABillReloadsAndSlidesTheOverviewIn)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    openRow(0);
    settle();
    const int loads = overview.loadCount;

    delegate.switchToOverview();
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_EQ(overview.loadCount, loads + 1);
    settle();
    EXPECT_TRUE(inSight(overview.list()));
    EXPECT_TRUE(inSight(overview.monthAtGlance()));
    for (const QWidget* pane :
         {billPage.stickyNote(), billPage.billHeader(), billPage.statisticsView(), billPage.paymentHistory()})
        EXPECT_FALSE(inSight(pane));
}

TEST_F(NavigationTest, GoingBackBeforeTheBillPageArrivedLeavesTheOverviewInPlace)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    openRow(0);
    delegate.switchToOverview();
    settle();
    EXPECT_TRUE(inSight(overview.list()));
    EXPECT_FALSE(inSight(billPage.billHeader()));
    EXPECT_FALSE(inSight(billPage.stickyNote()));
}

TEST_F(NavigationTest, LeavingTheBillPageClosesItsPopovers)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    openRow(0);
    billPage.notesEditorPopover()->show();
    editor.editorPopover()->show();
    delegate.switchToOverview();
    EXPECT_FALSE(billPage.notesEditorPopover()->isVisible());
    EXPECT_FALSE(editor.editorPopover()->isVisible());
}

// ---- Next and previous bill -----------------------------------------------------------

TEST_F(NavigationTest, NextBillFollowsTheFullListPastTheSearchFilterAndSkipsIncome)
{
    addBillsInDueOrder({"Rent", "Power bill", "Phone", "Payday", "Power tools", "Water"});
    overview.searchText = QStringLiteral("Power");
    startWithScreens();
    ASSERT_EQ(overview.dataSourceFiltered().size(), 2);

    openRow(1);  // "Power tools", fifth in the full list
    ASSERT_EQ(shownName(), QStringLiteral("Power tools"));
    const auto next = taggedAction(1);
    const auto previous = taggedAction(-1);
    delegate.switchBills(next.get());
    EXPECT_EQ(shownName(), QStringLiteral("Water"));
    delegate.switchBills(previous.get());
    delegate.switchBills(previous.get());
    EXPECT_EQ(shownName(), QStringLiteral("Phone"));  // over the payday
    EXPECT_EQ(billPage.dataPosition(), 2);
}

TEST_F(NavigationTest, SteppingOffEitherEndChangesNothing)
{
    addBillsInDueOrder({"Rent", "Power", "Payday"});
    startWithScreens();
    openRow(0);
    const auto previous = taggedAction(-1);
    delegate.switchBills(previous.get());
    EXPECT_EQ(shownName(), QStringLiteral("Rent"));
    EXPECT_EQ(billPage.dataPosition(), 0);

    const auto next = taggedAction(1);
    delegate.switchBills(next.get());
    EXPECT_EQ(shownName(), QStringLiteral("Power"));
    // Only income lies beyond: the page and its place in the list stay.
    const int loads = billPage.loadedIDs.size();
    delegate.switchBills(next.get());
    EXPECT_EQ(shownName(), QStringLiteral("Power"));
    EXPECT_EQ(billPage.dataPosition(), 1);
    EXPECT_EQ(billPage.loadedIDs.size(), loads);
    delegate.switchBills(previous.get());
    EXPECT_EQ(shownName(), QStringLiteral("Rent"));
}

// Each popover edits the bill it opened for; left open, it would write its
// edits into the next one.
TEST_F(NavigationTest, SteppingClosesThePagesPopovers)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    openRow(0);
    for (QWidget* popover : billPage.popovers())
        popover->show();
    const auto next = taggedAction(1);
    delegate.switchBills(next.get());
    for (const QWidget* popover : billPage.popovers())
        EXPECT_FALSE(popover->isVisible());
}

// ---- Popovers and the log-payment panel -------------------------------------------------

TEST_F(NavigationTest, DeletingTheShownBillReturnsToTheOverviewWhenItsPopoverCloses)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    openRow(1);
    delegate.deleteSelectedBill();
    ASSERT_EQ(editor.requests.back().kind, QStringLiteral("delete"));
    EXPECT_EQ(editor.requests.back().billID, ids["Power"]);
    EXPECT_EQ(editor.requests.back().anchor, billPage.actionsPopupButton());

    editor.confirmDelete();
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_TRUE(indexList(IndexKeys::DeletedBills).contains(ids["Power"]));
    EXPECT_FALSE(indexList(IndexKeys::ActiveBills).contains(ids["Power"]));
    EXPECT_EQ(overview.dataSource().size(), 1);
}

TEST_F(NavigationTest, WhatAScreenStoredReloadsWhatShowsTheBill)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    editor.editorPopover()->show();
    int loads = overview.loadCount;
    editor.editorPopover()->close();
    EXPECT_EQ(overview.loadCount, loads);  // nothing saved

    editor.editorPopover()->show();
    editor.saveEdits();
    EXPECT_EQ(overview.loadCount, loads + 1);

    openRow(0);
    loads = overview.loadCount;
    const int pageLoads = billPage.loadedIDs.size();
    billPage.stickyEditorPopover()->close();
    billPage.billChanged();
    EXPECT_EQ(billPage.loadedIDs.size(), pageLoads + 1);
    EXPECT_EQ(overview.loadCount, loads + 1);
}

TEST_F(NavigationTest, APaymentInThePanelReloadsKeepingTheSelectedRow)
{
    addBillsInDueOrder({"Rent", "Power", "Phone"});
    startWithScreens();
    overview.selectRows({2});
    const int loads = overview.loadCount;

    payLogger.paymentLogged();
    EXPECT_EQ(overview.loadCount, loads + 1);
    EXPECT_EQ(overview.selectedRow(), 2);
}

TEST_F(NavigationTest, APaymentInThePanelReloadsTheBillPage)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    openRow(0);
    payLogger.setBid(ids["Rent"]);
    const int pageLoads = billPage.loadedIDs.size();
    payLogger.paymentLogged();
    EXPECT_EQ(payLogger.bid(), QString());
    EXPECT_EQ(billPage.loadedIDs.size(), pageLoads + 1);
}

// ---- Menus, paydays and new items --------------------------------------------------------

// The items the shell enables are the main menu's own, never nothing.
TEST_F(NavigationTest, OverviewGetsTheMainMenusItemsToEnable)
{
    startWithScreens();
    using Command = BWMenuValidation::Command;
    BWMainMenu& menu = *delegate.window().mainMenu();
    const BWOverviewScreen::MenuItems& items = overview.handedMenuItems;
    const std::pair<QAction*, QAction*> expected[] = {
        {items.menuItemNew, menu.action(Command::NewBill)},
        {items.closeMenuItem, menu.action(Command::CloseWindow)},
        {items.editBillMenu, menu.action(Command::EditBill)},
        {items.deleteBillMenu, menu.action(Command::DeleteBill)},
        {items.archiveBillMenu, menu.action(Command::ArchiveOrRestore)},
    };
    for (const auto& [handed, own] : expected) {
        ASSERT_NE(handed, nullptr);
        EXPECT_EQ(handed, own);
    }
    for (QAction* import : {items.importMenuItem, items.import4MenuItem, items.import4MenuCustom}) {
        ASSERT_NE(import, nullptr);
        EXPECT_TRUE(import->text().startsWith(QStringLiteral("Orvane"))) << import->text().toStdString();
    }
    ASSERT_NE(items.editBillButton, nullptr);
    EXPECT_EQ(items.editBillButton, menu.toolbar()->widgetForAction(menu.action(Command::EditBill)));
}

TEST_F(NavigationTest, BillCommandsAreEnabledOnlyWithSomethingToActOn)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    overview.selectRows({});
    delegate.enableOrDisableSelectedMenusAndButtons();
    EXPECT_FALSE(overview.editBillButton()->isEnabled());
    EXPECT_FALSE(overview.archiveBillMenu()->isEnabled());
    EXPECT_TRUE(overview.menuItemNew()->isEnabled());

    overview.selectRows({1});
    delegate.enableOrDisableSelectedMenusAndButtons();
    EXPECT_TRUE(overview.editBillButton()->isEnabled());
    ASSERT_TRUE(overview.actionMenuRecord.has_value());
    EXPECT_EQ(overview.actionMenuRecord->value(BillKeys::Name), QStringLiteral("Power"));

    overview.actionMenuRecord.reset();
    overview.selectRows({0, 1});
    delegate.enableOrDisableSelectedMenusAndButtons();
    EXPECT_TRUE(overview.deleteBillMenu()->isEnabled());
    EXPECT_FALSE(overview.actionMenuRecord.has_value());

    overview.selectRows({});
    delegate.showBillFromSearch(ids["Rent"]);
    EXPECT_TRUE(overview.editBillMenu()->isEnabled());
}

TEST_F(NavigationTest, TogglingPaydaysStoresTheChoiceAndRetitlesItsMenuItem)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    const QAction* menuItem = delegate.window().mainMenu()->action(BWMenuValidation::Command::TogglePaydays);
    const int loads = overview.loadCount;

    ASSERT_TRUE(delegate.toggleIncomeVisibility());
    EXPECT_TRUE(UserDefaults(defaults.path()).boolForKey(BWDefaultsKeys::BWShowPaydaysOnOverview));
    EXPECT_EQ(menuItem->text(), QStringLiteral("Hide Paydays on Overview"));
    EXPECT_EQ(overview.loadCount, loads + 1);

    ASSERT_TRUE(delegate.toggleIncomeVisibility());
    EXPECT_EQ(menuItem->text(), QStringLiteral("Show Paydays on Overview"));
}

TEST_F(NavigationTest, NewItemsOpenOnTheOverview)
{
    addBillsInDueOrder({"Rent"});
    startWithScreens();
    delegate.createNewBillFromMenu();
    ASSERT_EQ(editor.requests.size(), 1u);
    EXPECT_EQ(editor.requests.back().kind, QStringLiteral("new bill"));
    EXPECT_EQ(editor.requests.back().anchor, editor.overviewNewBillButton());

    openRow(0);
    delegate.createNewSavingsGoalFromMenu();
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
    EXPECT_EQ(editor.requests.size(), 1u);  // waits for the overview to slide in
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor.requests.size() >= 2u; }, 10000));
    ASSERT_EQ(editor.requests.size(), 2u);
    EXPECT_EQ(editor.requests.back().kind, QStringLiteral("savings goal"));
}

TEST_F(NavigationTest, ATrayBillOpensInTheMainWindow)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    delegate.menuItemSelected(ids["Power"]);
    EXPECT_TRUE(delegate.window().mainWindow()->isVisible());
    EXPECT_EQ(shownName(), QStringLiteral("Power"));
}

TEST_F(NavigationTest, CommandsWaitForTheScreens)
{
    delegate.window().createMainWindowController();
    delegate.enableOrDisableSelectedMenusAndButtons();
    delegate.showBillFromSearch(QStringLiteral("0123456789ABCDEF0123456789ABCDEF"));
    delegate.switchToOverviewAndReload();
    EXPECT_FALSE(delegate.exportSelectedBillToCSV());
    EXPECT_EQ(delegate.visibleView(), QStringLiteral("overview"));
}

// A repeating bill is listed at each coming occurrence; Next and Previous go
// from bill to bill, never to another row of the bill shown.
TEST_F(NavigationTest, SteppingGoesFromBillToBillOverARepeatingBillsOtherRows)
{
    addBillsInDueOrder({"Rent", "Power", "Phone"});
    startWithScreens();
    const QVariantList loaded = overview.dataSource();
    // Rent, Power, Rent again, Phone, Power again.
    overview.listRows({loaded.at(0), loaded.at(1), loaded.at(0), loaded.at(2), loaded.at(1)});
    openRow(0);
    const auto next = taggedAction(1);
    const auto previous = taggedAction(-1);
    QStringList shown{shownName()};
    for (int step = 0; step < 3; ++step) {
        delegate.switchBills(next.get());
        shown.append(shownName());
    }
    for (int step = 0; step < 3; ++step) {
        delegate.switchBills(previous.get());
        shown.append(shownName());
    }
    EXPECT_EQ(shown, (QStringList{"Rent", "Power", "Phone", "Phone", "Power", "Rent", "Rent"}));
}

// A bill shown from the tray menu, a search or a reminder takes the place of
// the one whose popovers were open.
TEST_F(NavigationTest, ShowingABillFromSearchClosesThePagesPopovers)
{
    addBillsInDueOrder({"Rent", "Power"});
    startWithScreens();
    openRow(0);
    for (QWidget* popover : billPage.popovers())
        popover->show();
    editor.editorPopover()->show();
    delegate.showBillFromSearch(ids["Power"]);
    for (const QWidget* popover : billPage.popovers())
        EXPECT_FALSE(popover->isVisible());
    EXPECT_FALSE(editor.editorPopover()->isVisible());
}
