#include "MainWindowTestFixture.h"

#include "screens/BWForecastViewController.h"
#include "screens/BWHistoryViewController.h"
#include "screens/BWReportController.h"
#include "shell/BWMainMenu.h"
#include "store/BWBill.h"
#include "store/BWPaySite.h"

#include <QMenuBar>
#include <QToolBar>

namespace {

using Command = BWMenuValidation::Command;

// The commands whose state depends on the selection.
const QList<Command> billCommands = {Command::LogPayment,  Command::LogPartial,       Command::QuickLog,
                                     Command::SkipPayment, Command::PayNow,           Command::ViewWebsite,
                                     Command::EditBill,    Command::ArchiveOrRestore, Command::DeleteBill,
                                     Command::PreviousBill, Command::NextBill};
// Those that can always be chosen.
const QList<Command> everyMoment = {Command::NewBill,     Command::NewSavingsGoal, Command::ExportCSV,
                                    Command::CloseWindow, Command::Quit,           Command::Find,
                                    Command::Preferences, Command::ShowOverview,   Command::ListMode,
                                    Command::TogglePaydays, Command::Help,         Command::About,
                                    Command::ShowForecast, Command::ShowHistory,  Command::ShowReports};

class MainMenuTest : public MainWindowTest
{
protected:
    MainMenuTest()
    {
        defaults.setBool(BWDefaultsKeys::BRWPlayInterfaceSounds, false);
        rent = addBill(with(bill(QStringLiteral("Rent"), QDate(2016, 3, 10), 950.0), BillKeys::PaySite,
                            QStringLiteral("https://landlord.example/pay")));
        power = addBill(bill(QStringLiteral("Power"), QDate(2016, 3, 11), 80.0));
        salary = addBill(with(bill(QStringLiteral("Payday"), QDate(2016, 3, 12), 2000.0), BillKeys::IsIncome, true));
        startWithScreens();
    }

    BWMainMenu& menu() { return *delegate.window().mainMenu(); }

    void select(const QStringList& billIDs)
    {
        QList<int> rows;
        for (int row = 0; row < overview.dataSourceFiltered().size(); ++row) {
            if (billIDs.contains(overview.dataSourceFiltered().at(row).toMap().value(BillKeys::Bid).toString()))
                rows.append(row);
        }
        overview.selectRows(rows);
        delegate.window().validateMainMenu();
    }

    QList<Command> enabledBillCommands()
    {
        QList<Command> enabled;
        for (Command command : billCommands) {
            if (menu().action(command)->isEnabled())
                enabled.append(command);
        }
        return enabled;
    }

    QString rent;
    QString power;
    QString salary;
};

struct ValidationCase
{
    const char* name;
    std::function<void()> arrange;
    QList<Command> enabled;
    QString archiveTitle;
};

}  // namespace

TEST_F(MainMenuTest, EveryItemIsEnabledAsTheSelectionAllows)
{
    const QList<Command> payableBill = {Command::LogPayment, Command::LogPartial, Command::QuickLog,
                                        Command::SkipPayment, Command::PayNow,    Command::ViewWebsite,
                                        Command::EditBill,   Command::ArchiveOrRestore, Command::DeleteBill};
    const std::vector<ValidationCase> cases = {
        {"no selection", [this] { select({}); }, {}, QStringLiteral("Archive")},
        {"a bill with a pay site", [this] { select({rent}); }, payableBill, QStringLiteral("Archive")},
        {"a bill without a pay site",
         [this] { select({power}); },
         {Command::LogPayment, Command::LogPartial, Command::QuickLog, Command::SkipPayment, Command::EditBill,
          Command::ArchiveOrRestore, Command::DeleteBill},
         QStringLiteral("Archive")},
        {"an income item",
         [this] { select({salary}); },
         {Command::LogPayment, Command::EditBill, Command::ArchiveOrRestore, Command::DeleteBill},
         QStringLiteral("Archive")},
        {"an income item that logs itself",
         [this] {
             defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, true);
             select({salary});
         },
         {Command::EditBill, Command::ArchiveOrRestore, Command::DeleteBill},
         QStringLiteral("Archive")},
        {"an archived bill",
         [this] {
             ASSERT_TRUE(BWBill(env).archiveBillWithBid(rent));
             overview.loadOverviewForBills(IndexKeys::ArchivedBills, QString());
             select({rent});
         },
         {Command::ViewWebsite, Command::EditBill, Command::ArchiveOrRestore, Command::DeleteBill},
         QStringLiteral("Restore")},
        // Edit and delete act on the row touched last, archive on both.
        {"two bills",
         [this] {
             select({rent, power});
         },
         {Command::EditBill, Command::ArchiveOrRestore, Command::DeleteBill},
         QStringLiteral("Archive")},
        {"the bill page",
         [this] {
             select({});
             delegate.showBillFromSearch(rent);
         },
         payableBill + QList<Command>{Command::PreviousBill, Command::NextBill}, QStringLiteral("Archive")},
    };
    for (const ValidationCase& each : cases) {
        SCOPED_TRACE(each.name);
        each.arrange();
        EXPECT_EQ(enabledBillCommands(), each.enabled);
        for (Command command : everyMoment)
            EXPECT_TRUE(menu().action(command)->isEnabled()) << int(command);
        EXPECT_EQ(menu().action(Command::ArchiveOrRestore)->text(), each.archiveTitle);
        // Back to the overview's active list for the next case.
        defaults.setBool(BWDefaultsKeys::BW_ShouldAutoLogIncome, false);
        BWBill(env).restoreBillWithBid(rent);
        delegate.switchToOverviewAndReload();
        settle();
    }
}

TEST_F(MainMenuTest, TheArchiveItemRestoresAnArchivedBill)
{
    ASSERT_TRUE(BWBill(env).archiveBillWithBid(rent));
    overview.loadOverviewForBills(IndexKeys::ArchivedBills, QString());
    select({rent});
    menu().action(Command::ArchiveOrRestore)->trigger();
    EXPECT_FALSE(storedBill(rent).value(BillKeys::IsArchived).toBool());
}

TEST_F(MainMenuTest, AShortcutThatOutlivedTheSelectionDoesNothing)
{
    select({rent});
    // The selection goes without the menu being told.
    overview.selectRows({});
    menu().action(Command::QuickLog)->trigger();
    EXPECT_TRUE(storedBill(rent).value(BillKeys::PaymentList).toList().isEmpty());

    select({rent});
    menu().action(Command::QuickLog)->trigger();
    EXPECT_EQ(storedBill(rent).value(BillKeys::PaymentList).toList().size(), 1);
}

TEST_F(MainMenuTest, ListModesAndTheUsualShortcuts)
{
    const QList<QAction*> modes = menu().listModeActions();
    ASSERT_EQ(modes.size(), 5);
    const QList<int> indexes = {0, 1, 3, 4, 5};
    for (int position = 0; position < modes.size(); ++position) {
        EXPECT_EQ(modes.at(position)->shortcut(), QKeySequence(Qt::CTRL | (Qt::Key_1 + position)));
        modes.at(position)->trigger();
    }
    EXPECT_EQ(overview.shownListModes, indexes);

    EXPECT_EQ(menu().action(Command::Quit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(menu().action(Command::NewBill)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(menu().action(Command::Preferences)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));

    // No two items share a shortcut.
    QList<QKeySequence> shortcuts;
    for (QAction* item : menu().allActions()) {
        if (item->shortcut().isEmpty())
            continue;
        EXPECT_FALSE(shortcuts.contains(item->shortcut())) << item->text().toStdString();
        shortcuts.append(item->shortcut());
    }
    // Each item is reached from the keyboard: by its shortcut, or by its
    // accelerator once its menu is open.
    for (QAction* item : menu().allActions())
        EXPECT_FALSE(item->shortcut().isEmpty() && QKeySequence::mnemonic(item->text()).isEmpty())
            << item->text().toStdString();
}

TEST_F(MainMenuTest, ThePaydaysItemFlipsTheSettingAndItsTitle)
{
    QAction* paydays = menu().action(Command::TogglePaydays);
    const bool before = defaults.boolForKey(BWDefaultsKeys::BWShowPaydaysOnOverview);
    paydays->trigger();
    EXPECT_EQ(defaults.boolForKey(BWDefaultsKeys::BWShowPaydaysOnOverview), !before);
    EXPECT_EQ(paydays->text(), before ? QStringLiteral("Show Paydays on Overview")
                                      : QStringLiteral("Hide Paydays on Overview"));
}

TEST_F(MainMenuTest, TheWindowCarriesTheMenuBarAndAnIconOnlyToolbar)
{
    delegate.updateToolbar();
    QMainWindow* window = delegate.customWindowController()->window();
    EXPECT_EQ(window->menuBar()->actions().size(), 5);
    EXPECT_EQ(menu().toolbar()->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(menu().toolbar()->isHidden());
    for (QAction* item : menu().toolbar()->actions())
        EXPECT_TRUE(item->isSeparator() || !item->icon().isNull()) << item->text().toStdString();
}

TEST_F(MainMenuTest, ForecastHistoryAndReportsOpenFromTheMenuAndTheToolbar)
{
    const QList<QAction*> toolbarItems = menu().toolbar()->actions();
    for (Command command : {Command::ShowForecast, Command::ShowHistory, Command::ShowReports})
        EXPECT_TRUE(toolbarItems.contains(menu().action(command)));

    menu().action(Command::ShowForecast)->trigger();
    ASSERT_TRUE(delegate.sideWindows().forecastController());
    EXPECT_TRUE(delegate.sideWindows().forecastController()->forecastWindow()->isVisible());
    menu().action(Command::ShowHistory)->trigger();
    ASSERT_TRUE(delegate.sideWindows().historyController());
    EXPECT_TRUE(delegate.sideWindows().historyController()->historyWindow()->isVisible());
    menu().action(Command::ShowReports)->trigger();
    ASSERT_TRUE(delegate.sideWindows().reportController());
    EXPECT_TRUE(delegate.sideWindows().reportController()->reportWindow()->isVisible());
    EXPECT_EQ(delegate.sideWindows().reportController()->calculatedBillsToDisplay().size(), 0);
}

// The File menu and the Sync pane ask one rule (the pane through
// commandContext()): moving back needs the data to be elsewhere.
TEST_F(MainMenuTest, MoveBackIsOfferedOnlyWhileTheDataIsElsewhere)
{
    QMenu* database = nullptr;
    for (QMenu* submenu : menu().fileMenu()->findChildren<QMenu*>()) {
        if (submenu->title() == QStringLiteral("Database"))
            database = submenu;
    }
    ASSERT_NE(database, nullptr);
    QAction* moveBack = nullptr;
    for (QAction* item : database->actions()) {
        if (item->text() == QStringLiteral("Move Database Back to Its Usual Place"))
            moveBack = item;
    }
    ASSERT_NE(moveBack, nullptr);
    for (const bool elsewhere : {true, false}) {
        SCOPED_TRACE(elsewhere);
        ASSERT_TRUE(defaults.setBool(BWDefaultsKeys::BWCustomLocationEnabled, elsewhere));
        emit database->aboutToShow();
        EXPECT_EQ(moveBack->isEnabled(), elsewhere);
        EXPECT_EQ(BWMenuValidation::isEnabled(Command::MoveDatabaseBack, delegate.commands().commandContext()),
                  elsewhere);
    }
}

TEST(MainMenuPayNow, IsEnabledExactlyForAddressesThatCanBeOpened)
{
    const QList<std::pair<QString, bool>> cases = {
        {QStringLiteral("https://landlord.example/pay"), true},
        {QStringLiteral("myhttpbank.com"), true},
        {QStringLiteral("http://"), false},
        {QStringLiteral("   "), false},
        {QStringLiteral("ftp://files.example"), false},
        {QStringLiteral("file:///home/me/bills.html"), false},
        {QStringLiteral("javascript:alert(1)"), false},
    };
    for (const auto& [site, opens] : cases) {
        BWMenuValidation::Context onBillPage;
        onBillPage.billPageShown = true;
        onBillPage.record = QVariantMap{{BillKeys::PayType, qlonglong(0)}, {BillKeys::PaySite, site}};
        EXPECT_EQ(BWMenuValidation::isEnabled(Command::PayNow, onBillPage), opens) << site.toStdString();
        EXPECT_EQ(BWMenuValidation::isEnabled(Command::ViewWebsite, onBillPage), opens) << site.toStdString();
        // The bill page shows its pay-now button by the same rule.
        EXPECT_EQ(BWPaySite::isSet(site), opens) << site.toStdString();
    }
}
