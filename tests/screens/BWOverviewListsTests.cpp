// The overview's lists worked out from what a load left: the item order, the
// search filter, lists taken from all active items, and the selection kept
// across a reload.
#include "OverviewTestFixture.h"

#include "screens/BWOverviewItemOrder.h"
#include "screens/BWOverviewLists.h"
#include "screens/BWTableSelection.h"

#include <QStandardItemModel>
#include <QTableView>

namespace {

QVariantMap item(const QString& billID, const QString& name, const QDateTime& dueDate)
{
    return {{BillKeys::Bid, billID},
            {BillKeys::Name, name},
            {BillKeys::AbsoluteDueDate, dueDate},
            {BillKeys::DueDate, dueDate}};
}

QDateTime day(int d)
{
    return QDateTime(QDate(2016, 3, d), QTime(9, 0));
}

QStringList idsOf(const QVariantList& records)
{
    QStringList ids;
    for (const QVariant& record : records)
        ids.append(record.toMap().value(BillKeys::Bid).toString());
    return ids;
}

}  // namespace

TEST(BWOverviewItemOrderTest, AnItemsOwnRecordIsItsEarliestAndTheExtensionGetsOnlyThoseInLoadOrder)
{
    // "B" repeats weekly: its occurrence of the 15th is listed before its own record.
    const QVariantList items{item("A", "Rent", day(10)), item("B", "Gym", day(15)), item("B", "Gym", day(8)),
                             item("C", "Car", day(9))};
    const QHash<QString, qsizetype> own = BWOverviewItemOrder::ownRecordPlaces(items);
    EXPECT_EQ(own.value("A"), 0);
    EXPECT_EQ(own.value("B"), 2);
    EXPECT_EQ(own.value("C"), 3);

    const QHash<QString, qsizetype> positions{{"C", 0}, {"A", 1}, {"B", 2}};
    EXPECT_EQ(idsOf(BWOverviewItemOrder::extensionItems(items, positions)), (QStringList{"C", "A", "B"}));
    EXPECT_EQ(BWOverviewItemOrder::extensionItems(items, positions).at(2).toMap().value(BillKeys::DueDate), day(8));
}

TEST(BWOverviewItemOrderTest, MergedRowsStandWhereTheSortAndThenTheLoadOrderPutThem)
{
    BWOverviewItemOrder order;
    order.set({"A", "B", "C", "D"});
    EXPECT_TRUE(order.knows("C"));
    EXPECT_FALSE(order.knows("E"));
    const QList<BWSortDescriptor> byDueDate{{BillKeys::DueDate, true}};
    QVariantList sorted{item("A", "Rent", day(5)), item("C", "Car", day(9)), item("D", "Dog", day(20))};
    // B ties with C on the 9th and the index lists it first; A moves on.
    order.mergeItems(sorted, {"A", "B"}, {item("B", "Gym", day(9)), item("A", "Rent", day(12))}, byDueDate);
    EXPECT_EQ(idsOf(sorted), (QStringList{"B", "C", "A", "D"}));
}

TEST(BWOverviewListsTest, EachDropDownItemNamesItsList)
{
    const QList<std::tuple<int, QString, QString>> modes{
        {BWOverviewController::AllActiveItems, QString(), QString()},
        {BWOverviewController::ArchivedItems, IndexKeys::ArchivedBills, QString()},
        {BWOverviewController::DueSoon, IndexKeys::ActiveBills, PseudoTags::DueSoon},
        {BWOverviewController::DueThisMonth, IndexKeys::ActiveBills, PseudoTags::DueThisMonth},
        {BWOverviewController::PaidThisMonth, IndexKeys::ActiveBills, PseudoTags::PaidThisMonth},
        {BWOverviewController::FirstTag, IndexKeys::ActiveBills, QStringLiteral("Home")},
    };
    for (const auto& [index, group, tag] : modes) {
        const BWOverviewLists::Choice choice = BWOverviewLists::choiceForMode(index, QStringLiteral("Home"));
        EXPECT_EQ(choice.group, group) << index;
        EXPECT_EQ(choice.tag, tag) << index;
    }
}

TEST(BWOverviewListsTest, TheSearchMatchesNamesInPartAndTagsWholeIgnoringCaseAndAccents)
{
    BWOverviewLists lists;
    QVariantMap cafe = item("A", QStringLiteral("Café Latte"), day(1));
    QVariantMap home = item("B", QStringLiteral("Power"), day(2));
    home.insert(BillKeys::Tags, QVariantList{QStringLiteral("Home")});
    lists.dataSource = {cafe, home};
    const QList<std::pair<QString, QStringList>> searches{{QString(), {"A", "B"}},
                                                          {QStringLiteral("cafe"), {"A"}},
                                                          {QStringLiteral("HOME"), {"B"}},
                                                          {QStringLiteral("hom"), {}},
                                                          {QStringLiteral("ow"), {"B"}}};
    for (const auto& [text, shown] : searches) {
        lists.filter(text);
        EXPECT_EQ(idsOf(lists.filtered), shown) << text.toStdString();
    }
}

TEST(BWOverviewListsTest, ALoadedListServesOnlyActiveItemsOfTodayInTheOrderAskedFor)
{
    BWOverviewLists lists;
    lists.loaded = true;
    lists.loadedDay = QDate(2016, 3, 8);
    lists.loadedSortDescriptors = {{BillKeys::SortableDueDate, true}};
    lists.allActiveItems = {item("A", "Rent", day(1))};
    const BWOverviewLists::Choice home{IndexKeys::ActiveBills, QStringLiteral("Home")};
    const QList<BWSortDescriptor> sameOrder = lists.loadedSortDescriptors;
    EXPECT_TRUE(lists.canTakeFromLoaded(home, sameOrder, QDate(2016, 3, 8)));
    EXPECT_FALSE(lists.canTakeFromLoaded(home, sameOrder, QDate(2016, 3, 9)));
    EXPECT_FALSE(lists.canTakeFromLoaded(home, {{BillKeys::Name, true}}, QDate(2016, 3, 8)));
    EXPECT_FALSE(lists.canTakeFromLoaded({IndexKeys::ArchivedBills, QString()}, sameOrder, QDate(2016, 3, 8)));
    lists.allActiveItems.append(QVariantMap{{BillKeys::Name, QStringLiteral("No id")}});
    EXPECT_FALSE(lists.canTakeFromLoaded(home, sameOrder, QDate(2016, 3, 8)));
    lists.loaded = false;
    lists.allActiveItems.removeLast();
    EXPECT_FALSE(lists.canTakeFromLoaded(home, sameOrder, QDate(2016, 3, 8)));
}

TEST(BWOverviewListsTest, IncomeRowsLeaveTheShownListAndANewOrderReachesEveryList)
{
    BWOverviewLists lists;
    QVariantMap salary = item("S", "Salary", day(3));
    salary.insert(BillKeys::IsIncome, true);
    lists.withIncome = {item("B", "Water", day(2)), salary, item("A", "Rent", day(1))};
    lists.allActiveItems = lists.withIncome;
    lists.dataSource = lists.withIncome;
    lists.removeIncomeRows();
    EXPECT_EQ(idsOf(lists.dataSource), (QStringList{"B", "A"}));
    lists.filter(QString());
    lists.sort({{BillKeys::Name, true}});
    EXPECT_EQ(idsOf(lists.filtered), (QStringList{"A", "B"}));
    EXPECT_EQ(idsOf(lists.withIncome), (QStringList{"A", "S", "B"}));
    EXPECT_EQ(idsOf(lists.allActiveItems), (QStringList{"A", "S", "B"}));
    EXPECT_EQ(lists.loadedSortDescriptors.first().key, BillKeys::Name);
}

TEST(BWTableSelectionTest, TheSelectedBillIsFoundAgainWhereverItMovedOrItsRowIsKept)
{
    QStandardItemModel model(4, 2);
    QTableView table;
    table.setModel(&model);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::ExtendedSelection);
    BWTableSelection selection(table);
    const QVariantList before{item("A", "a", day(1)), item("B", "b", day(2)), item("C", "c", day(3))};

    EXPECT_EQ(selection.selectedRow(), -1);
    selection.selectRows({0, 2});
    EXPECT_EQ(selection.selectedRows(), (QList<int>{0, 2}));
    EXPECT_EQ(selection.selectedRow(), 2);  // the one made current last
    selection.selectRows({1});
    const BWTableSelection::Kept kept = selection.keep(before);
    EXPECT_EQ(kept.billID, QStringLiteral("B"));

    struct Case
    {
        const char* after;
        QVariantList rows;
        QList<int> selected;
    };
    const QList<Case> cases{
        {"moved to the end", {before.at(0), before.at(2), before.at(1)}, {2}},
        {"gone: the same row", {before.at(0), before.at(2)}, {1}},
        {"gone, and the row too", {before.at(0)}, {}},
    };
    for (const Case& c : cases) {
        table.clearSelection();
        selection.reselect(kept, c.rows);
        EXPECT_EQ(selection.selectedRows(), c.selected) << c.after;
    }
    table.clearSelection();
    selection.reselect(selection.keep(before), before);
    EXPECT_TRUE(selection.selectedRows().isEmpty());
}
