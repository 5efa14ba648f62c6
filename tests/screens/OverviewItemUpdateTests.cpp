#include "OverviewTestFixture.h"

#include <QDeadlineTimer>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "platform/UserDefaults.h"

#include "support/OverviewFollowUps.h"

#include "store/BWBillsLoader.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"
#include "widgets/LRCalendarDayCell.h"
#include "widgets/LRCalendarView.h"

namespace {

// All a user sees of the overview: each row's cell texts in order, the side
// bar's figures, the badge, the tray's list and the calendar's marked days.
struct ShownOverview
{
    QStringList rows;
    QStringList sidebar;
    QString badge;
    QVariantList trayBills;
    QVariantList records;
    QStringList calendarMarks;

    bool operator==(const ShownOverview&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownOverview& shown)
{
    return out << shown.rows.join(QStringLiteral("\n")).toStdString() << "\n--\n"
               << shown.sidebar.join(QStringLiteral(" | ")).toStdString() << " badge " << shown.badge.toStdString()
               << "\n--\n"
               << shown.calendarMarks.join(QStringLiteral(" | ")).toStdString();
}

const QVariantMap Tagged{{BillKeys::Tags, QVariantList{QStringLiteral("Home")}}};

// An overview whose updates are compared with a full reload.
class OverviewUpdateTest : public OverviewTest
{
protected:
    OverviewUpdateTest() { defaults.setBool(QStringLiteral("BWEnableMenu"), true); }

    ShownOverview shown(BWOverviewController& screen, const QSignalSpy& tray) const
    {
        ShownOverview result;
        const BWOverviewTableModel& model = *screen.tableModel();
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex index = model.index(row, column);
                cells << index.data(Qt::DisplayRole).toString()
                      << index.data(BWOverviewTableModel::DetailTextRole).toString();
            }
            result.rows.append(cells.join(QStringLiteral(" / ")));
        }
        for (QLabel* figure : {screen.sidebar().dueSoonNumField(), screen.sidebar().dueSoonAmtField(),
                               screen.sidebar().dueMonthNumField(), screen.sidebar().dueMonthAmtField(),
                               screen.sidebar().stillDueThisMonthField(), screen.sidebar().paydayNumField(),
                               screen.sidebar().paidThisMonthField(), screen.sidebar().incomeToDateField(),
                               screen.sidebar().expectedBalance()})
            result.sidebar.append(figure->text());
        result.badge = screen.sidebar().dockBadge();
        result.trayBills = tray.isEmpty() ? QVariantList() : tray.last().first().toList();
        result.records = screen.dataSourceFiltered();
        const LRCalendarView& calendar = *screen.monthAtGlanceCalendar();
        for (int key = 0; key < LRCalendarView::cellCount; ++key) {
            const LRCalendarDayCell& day = *calendar.dayCell(key);
            if (day.isVisibleTo(&calendar) && day.hasDot())
                result.calendarMarks.append(day.date().toString(Qt::ISODate) + QLatin1Char(' ') + day.dotImageName()
                                            + QLatin1Char(' ') + day.bid() + QLatin1Char(' ') + day.tip());
        }
        return result;
    }

    // A second overview, whose list is read whole from what is stored now;
    // sorted by name when `byName`.
    ShownOverview fullReload(int listMode, bool byName = false) const
    {
        BWOverviewController reference(env);
        QSignalSpy tray(&reference, &BWOverviewController::menuBillsChanged);
        reference.list()->resize(900, 700);
        reference.list()->show();
        reference.loadOverview();
        if (byName)
            sortByName(reference);
        reference.showListMode(listMode);
        reference.loadOverview();
        return shown(reference, tray);
    }
    // As a click on the Name column's header sorts.
    static void sortByName(BWOverviewController& screen)
    {
        screen.billTable()->horizontalHeader()->setSortIndicator(screen.tableModel()->columnOf(QStringLiteral("Name")),
                                                                 Qt::AscendingOrder);
    }

public:
    // What the cases change the store with.
    using ScreenTestStore::bill;
    using ScreenTestStore::store;
    using ScreenTestStore::storedFile;
    using OverviewTest::inDays;
    using TempStoreEnvironment::clock;
    using TempStoreEnvironment::env;
    using OverviewTest::overview;
    using OverviewTest::storeBill;

    // Six items, some tagged, due on different days, three of them the same
    // day; ids in the order stored.
    QStringList storeHousehold()
    {
        return {storeBill(QStringLiteral("Rent"), 3, Tagged),  storeBill(QStringLiteral("Power"), 3),
                storeBill(QStringLiteral("Water"), 3, Tagged), storeBill(QStringLiteral("Phone"), -2),
                storeBill(QStringLiteral("Gym"), 10, Tagged),
                storeBill(QStringLiteral("Salary"), 5, {{BillKeys::IsIncome, true}})};
    }

    // Updates the rows of `billIDs` and waits for the whole list's figures,
    // the tray and the calendar, which follow in turns of their own.
    void reloadItemsAndFigures(const QStringList& billIDs)
    {
        overview->reloadItems(billIDs);
        EXPECT_TRUE(waitForOverviewFollowUps(*overview));
    }

    void pay(const QString& billID, double amount) const
    {
        BWPayment payment;
        payment.amount = amount;
        payment.date = clock.now();
        payment.note = QStringLiteral("paid");
        ASSERT_TRUE(BWPaymentLogger(env).recordPayment(payment, *BWBillsLoader(env).loadBillWithID(billID)));
    }
};

// A change to what is stored, and the items it changed.
struct ItemUpdateCase
{
    const char* name;
    int listMode;
    std::function<QStringList(OverviewUpdateTest&, const QStringList& ids)> change;
};

class OverviewItemUpdateTest : public OverviewUpdateTest, public testing::WithParamInterface<ItemUpdateCase>
{
};

// Bills due the same day stand in the store's order, which an update keeps.
TEST_P(OverviewItemUpdateTest, ShowsWhatAFullReloadShows)
{
    const ItemUpdateCase& c = GetParam();
    const QStringList ids = storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    overview->showListMode(c.listMode);

    reloadItemsAndFigures(c.change(*this, ids));
    EXPECT_EQ(shown(*overview, tray), fullReload(c.listMode));
}

// A column the user sorted by keeps its order through the updates of a
// payment, an edit or a sync arrival.
TEST_P(OverviewItemUpdateTest, KeepsTheColumnOrderTheUserChose)
{
    const ItemUpdateCase& c = GetParam();
    const QStringList ids = storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    overview->showListMode(c.listMode);
    sortByName(*overview);

    reloadItemsAndFigures(c.change(*this, ids));
    const ShownOverview updated = shown(*overview, tray);
    EXPECT_EQ(updated, fullReload(c.listMode, true));
    // And a list chosen from the loaded items afterwards keeps it too.
    overview->showListMode(BWOverviewController::FirstTag);
    EXPECT_EQ(shown(*overview, tray), fullReload(BWOverviewController::FirstTag, true));
}

// A payment arriving while what follows the first change is still due (the
// figures shown, the tray and the calendar not yet) ends as a full reload.
TEST_P(OverviewItemUpdateTest, ASecondChangeBeforeTheFollowingTurnsEndsRight)
{
    const ItemUpdateCase& c = GetParam();
    const QStringList ids = storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    overview->showListMode(c.listMode);
    QSignalSpy figures(&overview->sidebar(), &BWOverviewSidebar::dockBadgeChanged);

    overview->reloadItems(c.change(*this, ids));
    ASSERT_TRUE(QTest::qWaitFor([&figures] { return !figures.isEmpty(); }, 30000));
    const QString phone = ids.at(3);
    pay(phone, 15);
    reloadItemsAndFigures({phone});
    EXPECT_EQ(shown(*overview, tray), fullReload(c.listMode));
}

// A row selected before the change keeps its day marked in the calendar once
// the calendar has followed: as selecting that row afresh marks it.
TEST_P(OverviewItemUpdateTest, TheCalendarShowsTheSelectionKeptThroughTheChange)
{
    const ItemUpdateCase& c = GetParam();
    const QStringList ids = storeHousehold();
    overview->loadOverview();
    overview->showListMode(c.listMode);
    QTableView& table = *overview->billTable();
    table.selectRow(0);

    reloadItemsAndFigures(c.change(*this, ids));
    const LRCalendarView& calendar = *overview->monthAtGlanceCalendar();
    const auto shownDays = [&calendar] { return std::pair(calendar.focusDate(), calendar.selectedDate()); };
    const auto afterChange = shownDays();
    const QModelIndexList selected = table.selectionModel()->selectedRows();
    table.clearSelection();
    if (!selected.isEmpty())
        table.selectRow(selected.first().row());
    EXPECT_EQ(afterChange, shownDays());
}

// The extension's copy follows the loads and updates a moment later, and is
// then what the store's own load of all active items would write.
TEST_P(OverviewItemUpdateTest, TheExtensionGetsWhatAFullLoadExports)
{
    const ItemUpdateCase& c = GetParam();
    const QStringList ids = storeHousehold();
    overview->loadOverview();
    overview->showListMode(c.listMode);
    overview->reloadItems(c.change(*this, ids));

    // What the store's load writes, written into a suite of its own.
    UserDefaults expectedSuite(temp.file(QStringLiteral("expected.plist")));
    BWStoreEnvironment expectedEnv = env;
    expectedEnv.appGroup = &expectedSuite;
    BWBillsLoader(expectedEnv).loadBills();
    const QVariantList expected = expectedSuite.arrayForKey(AppGroupKeys::ActiveBills);
    ASSERT_FALSE(expected.isEmpty());

    const auto exported = [this] { return UserDefaults(appGroup.path()).arrayForKey(AppGroupKeys::ActiveBills); };
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && !PropertyList::sameValue(exported(), expected))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(PropertyList::sameValue(exported(), expected));
}

INSTANTIATE_TEST_SUITE_P(
    ItemUpdates, OverviewItemUpdateTest,
    testing::Values(
        ItemUpdateCase{"PaymentMovesTheBillOn", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           test.pay(ids.at(1), 50);
                           return QStringList{ids.at(1)};
                       }},
        ItemUpdateCase{"IncomeReceived", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           test.pay(ids.at(5), 900);
                           return QStringList{ids.at(5)};
                       }},
        ItemUpdateCase{"PaymentShownByTag", BWOverviewController::FirstTag,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           test.pay(ids.at(2), 30);
                           return QStringList{ids.at(2)};
                       }},
        ItemUpdateCase{"PaymentsOnTwoItemsOneAfterTheOther", BWOverviewController::DueSoon,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           test.pay(ids.at(3), 40);
                           test.overview->reloadItems({ids.at(3)});
                           test.pay(ids.at(0), 60);
                           return QStringList{ids.at(0)};
                       }},
        ItemUpdateCase{"WeeklyItemAddedWithItsFurtherOccurrences", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList&) {
                           return QStringList{test.storeBill(
                               QStringLiteral("Cleaner"), 1,
                               {{BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(0)}}})};
                       }},
        ItemUpdateCase{"PartialPaymentKeepsTheDueDate", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           BWPayment payment;
                           payment.amount = 20;
                           payment.date = test.clock.now();
                           EXPECT_TRUE(BWPaymentLogger(test.env).recordPayment(
                               payment, *BWBillsLoader(test.env).loadBillWithID(ids.at(3)), false));
                           return QStringList{ids.at(3)};
                       }},
        ItemUpdateCase{"ItemSavedAmongOthersDueTheSameDay", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           QVariantMap record = test.storedFile(ids.at(2));
                           record.insert(BillKeys::Name, QStringLiteral("Water and sewer"));
                           record.insert(BillKeys::Amount, 75.5);
                           EXPECT_TRUE(BWBill(test.env).finishWritingBillWithDictionary(record, true, false));
                           return QStringList{ids.at(2)};
                       }},
        ItemUpdateCase{"ItemSavedWithANewDueDateShownByTag", BWOverviewController::FirstTag,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           QVariantMap record = test.storedFile(ids.at(0));
                           BWBill::setDueDateOfRecord(record, test.inDays(1));
                           EXPECT_TRUE(BWBill(test.env).finishWritingBillWithDictionary(record, true, false));
                           return QStringList{ids.at(0)};
                       }},
        ItemUpdateCase{"ItemArchivedShownDueThisMonth", BWOverviewController::DueThisMonth,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           EXPECT_TRUE(BWBill(test.env).archiveBillWithBid(ids.at(4)));
                           return QStringList{ids.at(4)};
                       }},
        ItemUpdateCase{"ItemDeleted", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           EXPECT_TRUE(BWBill(test.env).deleteBillWithBid(ids.at(1)));
                           return QStringList{ids.at(1)};
                       }},
        ItemUpdateCase{"SyncBringsAChangedItemAndANewOne", BWOverviewController::AllActiveItems,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           QVariantMap changed = test.storedFile(ids.at(5));
                           changed.insert(BillKeys::Amount, 12.0);
                           EXPECT_TRUE(BWBill(test.env).rewriteSpecificBillWithoutUpdatingiCloud(changed));
                           const QString arrived = test.store(test.bill(QStringLiteral("Arrived"), test.inDays(3), Tagged));
                           return QStringList{ids.at(5), arrived};
                       }}),
    [](const testing::TestParamInfo<ItemUpdateCase>& info) { return std::string(info.param.name); });

// A selected row too far ahead for the calendar to show leaves it where it
// is; the marks of the days it shows follow the change all the same.
TEST_F(OverviewUpdateTest, TheCalendarMarksFollowAChangeWhileAFarRowIsSelected)
{
    const QStringList ids = storeHousehold();
    storeBill(QStringLiteral("Deposit"), 20000);
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    const QVariantList rows = overview->dataSourceFiltered();
    const auto deposit = std::find_if(rows.cbegin(), rows.cend(), [](const QVariant& row) {
        return row.toMap().value(BillKeys::Name).toString() == QStringLiteral("Deposit");
    });
    ASSERT_NE(deposit, rows.cend());
    overview->billTable()->selectRow(int(deposit - rows.cbegin()));

    pay(ids.at(3), 40);
    reloadItemsAndFigures({ids.at(3)});
    EXPECT_EQ(shown(*overview, tray).calendarMarks, fullReload(BWOverviewController::AllActiveItems).calendarMarks);
}

// ---- Choosing another list ------------------------------------------------------

// The list shown first, what is changed and updated while it shows, and the
// list chosen then.
struct ListChoiceCase
{
    const char* name;
    int from;
    int to;
    std::function<void(OverviewUpdateTest&, const QStringList& ids)> change = {};
};

class OverviewListChoiceTest : public OverviewUpdateTest, public testing::WithParamInterface<ListChoiceCase>
{
};

// A list chosen from the drop-down is taken from the items loaded before;
// it shows what reading that list afresh shows.
TEST_P(OverviewListChoiceTest, ShowsWhatReadingTheListShows)
{
    const ListChoiceCase& c = GetParam();
    const QVariantMap weekly{{BillKeys::Tags, QVariantList{QStringLiteral("Home")}},
                             {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(0)}}};
    const QVariantMap paidYesterday{
        {BillKeys::LastPayment, inDays(-1)},
        {BillKeys::PaymentList, QVariantList{QVariantMap{{PaymentKeys::Amount, 30.0}, {PaymentKeys::Date, inDays(-1)}}}}};
    QStringList ids;
    ids << storeBill(QStringLiteral("Rent"), 3, Tagged) << storeBill(QStringLiteral("Power"), 3)
        << storeBill(QStringLiteral("Water"), 3, Tagged) << storeBill(QStringLiteral("Phone"), -2)
        << storeBill(QStringLiteral("Gym"), 2, weekly) << storeBill(QStringLiteral("Insurance"), 20, paidYesterday)
        << storeBill(QStringLiteral("Salary"), 5, {{BillKeys::IsIncome, true}})
        << storeBill(QStringLiteral("Old lease"), 4, {{BillKeys::IsArchived, true}});
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    overview->showListMode(c.from);
    if (c.change)
        c.change(*this, ids);

    overview->showListMode(c.to);
    EXPECT_EQ(shown(*overview, tray), fullReload(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    ListChoices, OverviewListChoiceTest,
    testing::Values(
        ListChoiceCase{"AllItemsToATag", BWOverviewController::AllActiveItems, BWOverviewController::FirstTag},
        ListChoiceCase{"AllItemsToDueSoon", BWOverviewController::AllActiveItems, BWOverviewController::DueSoon},
        ListChoiceCase{"AllItemsToDueThisMonth", BWOverviewController::AllActiveItems,
                       BWOverviewController::DueThisMonth},
        ListChoiceCase{"AllItemsToPaidThisMonth", BWOverviewController::AllActiveItems,
                       BWOverviewController::PaidThisMonth},
        ListChoiceCase{"TagToAllItems", BWOverviewController::FirstTag, BWOverviewController::AllActiveItems},
        ListChoiceCase{"DueSoonToATag", BWOverviewController::DueSoon, BWOverviewController::FirstTag},
        ListChoiceCase{"ArchiveToAllItems", BWOverviewController::ArchivedItems,
                       BWOverviewController::AllActiveItems},
        ListChoiceCase{"AllItemsToTheArchive", BWOverviewController::AllActiveItems,
                       BWOverviewController::ArchivedItems},
        ListChoiceCase{"AfterAPaymentToDueSoon", BWOverviewController::AllActiveItems, BWOverviewController::DueSoon,
                       [](OverviewUpdateTest& test, const QStringList& ids) {
                           test.pay(ids.at(3), 45);
                           test.overview->reloadItems({ids.at(3)});
                       }},
        ListChoiceCase{"AfterANewItemToATag", BWOverviewController::DueThisMonth, BWOverviewController::FirstTag,
                       [](OverviewUpdateTest& test, const QStringList&) {
                           const QString arrived = test.storeBill(QStringLiteral("Arrived"), 1, Tagged);
                           test.overview->reloadItems({arrived});
                       }}),
    [](const testing::TestParamInfo<ListChoiceCase>& info) { return std::string(info.param.name); });

}  // namespace

// ---- A new day, loaded on a worker --------------------------------------------

// The list a new day brings, read and figured on a worker, shows what a full
// load shows; until it is back, the old list stays.
TEST_F(OverviewUpdateTest, ANewDayLoadedOnAWorkerShowsWhatAFullLoadShows)
{
    storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    overview->showListMode(BWOverviewController::FirstTag);
    const QVariantList yesterdays = overview->dataSource();
    clock.setNow(clock.now().addDays(2));

    overview->showAllBillsForNewDay();
    EXPECT_TRUE(overview->isLoadingInBackground());
    EXPECT_EQ(overview->dataSource(), yesterdays);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !overview->isLoadingInBackground(); }, 30000));
    EXPECT_EQ(shown(*overview, tray), fullReload(BWOverviewController::AllActiveItems));
}

// What this thread did to the list while the worker read stands: an update
// has the worker read again, a full load wins over the worker's.
TEST_F(OverviewUpdateTest, AnUpdateWhileTheWorkerReadsIsNotUndone)
{
    const QStringList ids = storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    clock.setNow(clock.now().addDays(1));
    overview->showAllBillsForNewDay();
    pay(ids.at(1), 50);
    overview->reloadItems({ids.at(1)});
    ASSERT_TRUE(QTest::qWaitFor([this] { return !overview->isLoadingInBackground(); }, 30000));
    EXPECT_EQ(shown(*overview, tray), fullReload(BWOverviewController::AllActiveItems));
}

TEST_F(OverviewUpdateTest, AFullLoadWhileTheWorkerReadsStands)
{
    const QStringList ids = storeHousehold();
    QSignalSpy tray(overview.get(), &BWOverviewController::menuBillsChanged);
    overview->loadOverview();
    clock.setNow(clock.now().addDays(1));
    overview->showAllBillsForNewDay();
    pay(ids.at(2), 70);
    overview->loadOverview();
    const int loadsShown = int(tray.count());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !overview->isLoadingInBackground(); }, 30000));
    EXPECT_EQ(tray.count(), loadsShown) << "the worker's older list is not shown";
    EXPECT_EQ(shown(*overview, tray), fullReload(BWOverviewController::AllActiveItems));
}
