// Every place that offers a command on the selected bills offers it by the
// one rule of BWBillCommands: the Bill menu, the toolbar, the overview's
// context menu and its bottom bar.
#include "MainScreensTestFixture.h"

#include "screens/BWBillEditorController.h"
#include "screens/BWOverviewController.h"
#include "shell/BWMainMenu.h"
#include "store/BWBill.h"
#include "store/BWBillsLoader.h"
#include "widgets/BGHUDView.h"
#include "widgets/KBButton.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace {

using Command = BWMenuValidation::Command;

const QList<Command> placedCommands
    = {Command::EditBill, Command::DeleteBill, Command::ArchiveOrRestore, Command::LogPayment, Command::PayNow};

class BillCommandPlacesTest : public BWMainScreensTest
{
protected:
    BWMainMenu& menu() const { return *delegate.window().mainMenu(); }

    QList<Command> enabledInMenu() const
    {
        QList<Command> enabled;
        for (Command command : placedCommands) {
            if (menu().action(command)->isEnabled())
                enabled.append(command);
        }
        return enabled;
    }
    // The toolbar carries edit, log and pay now.
    QList<Command> enabledInToolbar() const
    {
        QList<Command> enabled;
        for (Command command : placedCommands) {
            QWidget* button = menu().toolbar()->widgetForAction(menu().action(command));
            if (button && button->isEnabled())
                enabled.append(command);
        }
        return enabled;
    }
    // What the context menu of the row offers, by the menu's commands.
    QList<Command> offeredInContextMenu(int row) const
    {
        const std::unique_ptr<QMenu> context = overview().contextMenuForRow(row);
        const QHash<QString, Command> byTitle = {
            {QStringLiteral("Edit…"), Command::EditBill},
            {QStringLiteral("Edit Bill"), Command::EditBill},
            {QStringLiteral("Delete…"), Command::DeleteBill},
            {QStringLiteral("Archive"), Command::ArchiveOrRestore},
            {QStringLiteral("Log Partial"), Command::LogPayment},
            {QStringLiteral("Pay Now"), Command::PayNow},
        };
        QList<Command> offered;
        for (Command command : placedCommands) {
            for (const QAction* item : context->actions()) {
                if (item->isEnabled() && byTitle.value(item->text(), Command::Help) == command) {
                    offered.append(command);
                    break;
                }
            }
        }
        return offered;
    }
    // The bottom bar offers the payment commands of one bill.
    QList<Command> offeredInBottomBar() const
    {
        QList<Command> offered;
        const BWOverviewController& o = overview();
        const auto usable = [&](QWidget* button) {
            return o.actionBox()->isVisibleTo(o.list()) && button->isVisibleTo(o.actionBox()) && button->isEnabled();
        };
        if (usable(o.overviewButtonLog()))
            offered.append(Command::LogPayment);
        if (usable(o.bottomBar().payNowOverviewButton()))
            offered.append(Command::PayNow);
        return offered;
    }
};

}  // namespace

TEST_F(BillCommandPlacesTest, EveryPlaceOffersTheBillCommandsByOneRule)
{
    struct Case
    {
        const char* selection;
        QList<int> rows;
        QList<Command> offered;
    };
    // Rent (row 0) has a pay site. Payment commands act on one bill; edit,
    // delete and archive on any selection.
    const QList<Case> cases = {
        {"nothing", {}, {}},
        {"one bill", {0}, placedCommands},
        {"two bills", {1, 0}, {Command::EditBill, Command::DeleteBill, Command::ArchiveOrRestore}},
    };
    startUp();
    const QList<Command> paymentCommands = {Command::LogPayment, Command::PayNow};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.selection);
        overview().billTable()->clearSelection();
        for (int row : each.rows)
            selectRow(row, Qt::ControlModifier);
        ASSERT_EQ(overview().billTable()->selectionModel()->selectedRows().size(), each.rows.size());

        EXPECT_EQ(enabledInMenu(), each.offered);
        QList<Command> onToolbar = each.offered;
        onToolbar.removeIf(
            [](Command command) { return command == Command::DeleteBill || command == Command::ArchiveOrRestore; });
        EXPECT_EQ(enabledInToolbar(), onToolbar);
        QList<Command> inBottomBar = each.offered;
        inBottomBar.removeIf([&](Command command) { return !paymentCommands.contains(command); });
        EXPECT_EQ(offeredInBottomBar(), inBottomBar);
        if (!each.rows.isEmpty()) {
            EXPECT_EQ(offeredInContextMenu(each.rows.last()), each.offered);
        }
    }
}

// With two rows selected, Edit and Delete act on the one touched last, which
// their popover names.
TEST_F(BillCommandPlacesTest, DeleteWithTwoRowsAsksAboutTheRowTouchedLast)
{
    startUp();
    selectRow(0);
    selectRow(1, Qt::ControlModifier);
    menu().action(Command::DeleteBill)->trigger();
    EXPECT_EQ(screens->billEditor().billToDeleteID(), power);

    const std::unique_ptr<QMenu> context = overview().contextMenuForRow(0);
    const QList<QAction*> items = context->actions();
    const auto deleteItem = std::find_if(items.begin(), items.end(),
                                         [](const QAction* item) { return item->text() == QStringLiteral("Delete…"); });
    ASSERT_NE(deleteItem, items.end());
    (*deleteItem)->trigger();
    EXPECT_EQ(screens->billEditor().billToDeleteID(), rent);
}

// A change that reaches the selected bill from elsewhere enables what it
// makes possible at once, not only at the next change of selection.
TEST_F(BillCommandPlacesTest, AReloadThatGivesTheSelectedBillAPaySiteEnablesPayNow)
{
    startUp();
    selectRow(1);
    ASSERT_EQ(delegate.currentBillID(), power);
    QAction* payNow = menu().action(Command::PayNow);
    EXPECT_FALSE(payNow->isEnabled());

    QVariantMap changed = BWBillsLoader(store.env).loadBillWithID(power).value();
    changed.insert(BillKeys::PaySite, QStringLiteral("https://power.example/pay"));
    ASSERT_TRUE(BWBill(store.env).rewriteSpecificBill(changed));
    delegate.updatesDownloadedFromCloudKit(power);

    QTRY_VERIFY(payNow->isEnabled());
    EXPECT_EQ(delegate.currentBillID(), power);
    EXPECT_TRUE(menu().toolbar()->widgetForAction(payNow)->isEnabled());
    EXPECT_TRUE(overview().bottomBar().payNowOverviewButton()->isEnabled());

    // The same on the bill page, opened with nothing selected in the overview.
    overview().billTable()->clearSelection();
    delegate.showBillFromSearch(rent);
    EXPECT_TRUE(payNow->isEnabled());
    changed = BWBillsLoader(store.env).loadBillWithID(rent).value();
    changed.insert(BillKeys::PaySite, QString());
    ASSERT_TRUE(BWBill(store.env).rewriteSpecificBill(changed));
    delegate.updatesDownloadedFromCloudKit(rent);
    QTRY_VERIFY(!payNow->isEnabled());
}
